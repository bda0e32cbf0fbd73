#include "platform/controls/core/Screen.h"

#include <algorithm>

#include "platform/controls/core/Form.h"

void TScreen::SetCursor(TCursor cursor) {
  FCursor = cursor;
  ::SetCursor(CursorHandle(cursor));
}

void TScreen::SetCursors(TCursor cursor, HCURSOR handle) {
  FCursorResources.erase(cursor);
  FCursors[cursor] = handle;
}

void TScreen::SetCursorResource(TCursor cursor, HINSTANCE module, const std::string& name) {
  FCursors.erase(cursor);
  FCursorResources[cursor] = TCursorResource{module, name};
}

HCURSOR TScreen::CursorHandle(TCursor cursor) const {
  if (const auto pending = FCursorResources.find(cursor); pending != FCursorResources.end()) {
    FCursors[cursor] = LoadCursorA(pending->second.Module, pending->second.Name.c_str());
    FCursorResources.erase(pending);
  }
  const auto registered = FCursors.find(cursor);
  if (registered != FCursors.end()) return registered->second;
  switch (cursor) {
    case crHourGlass: return LoadCursorA(nullptr, IDC_WAIT);
    case crSizeNESW: return LoadCursorA(nullptr, IDC_SIZENESW);
    case crSizeNS: return LoadCursorA(nullptr, IDC_SIZENS);
    case crSizeNWSE: return LoadCursorA(nullptr, IDC_SIZENWSE);
    case crSizeWE: return LoadCursorA(nullptr, IDC_SIZEWE);
    case crHSplit: return LoadCursorA(nullptr, IDC_SIZEWE);
    case crVSplit: return LoadCursorA(nullptr, IDC_SIZENS);
    case crHandPoint: return LoadCursorA(nullptr, IDC_HAND);
    case crNoDrop: return LoadCursorA(nullptr, IDC_NO);
    default: return LoadCursorA(nullptr, IDC_ARROW);
  }
}

TForm* TScreen::ActiveForm() const {
  const HWND active = GetActiveWindow();
  if (!active) return nullptr;
  for (TForm* form : FForms)
    if (form->HandleAllocated() && form->Handle() == active) return form;
  return nullptr;
}

void TScreen::RemoveForm(TForm* form) { std::erase(FForms, form); }

TScreen& Screen() {
  static TScreen screen;
  return screen;
}
