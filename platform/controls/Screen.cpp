#include "platform/controls/Screen.h"

#include <algorithm>

void TScreen::SetCursor(TCursor cursor) {
  FCursor = cursor;
  ::SetCursor(CursorHandle(cursor));
}

HCURSOR TScreen::CursorHandle(TCursor cursor) const {
  return LoadCursorA(nullptr, cursor == crHourGlass ? IDC_WAIT : IDC_ARROW);
}

void TScreen::RemoveForm(TForm* form) { std::erase(FForms, form); }

TScreen& Screen() {
  static TScreen screen;
  return screen;
}
