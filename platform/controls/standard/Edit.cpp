#include "platform/controls/standard/Edit.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Clipboard.h"
#include "platform/rtl/Locale.h"

namespace {

DWORD AlignmentStyle(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify: return ES_RIGHT;
    case taCenter: return ES_CENTER;
    default: return ES_LEFT;
  }
}

DWORD CharCaseStyle(TEditCharCase charCase) {
  switch (charCase) {
    case ecUpperCase: return ES_UPPERCASE;
    case ecLowerCase: return ES_LOWERCASE;
    default: return 0;
  }
}

}  // namespace

const TIdentMap& EditCharCaseIdents() {
  static const TIdentMap idents = {{ecNormal, "ecNormal"}, {ecUpperCase, "ecUpperCase"}, {ecLowerCase, "ecLowerCase"}};
  return idents;
}

std::string SingleLinePaste(const std::string& text) {
  size_t end = text.find('\n');
  if (end == std::string::npos) return text;
  if (end > 0 && text[end - 1] == '\r') --end;
  return text.substr(0, end);
}

UINT ClipboardMessageOfEditKey(WORD key, TShiftState shift) {
  const bool shifted = shift.Contains(ssShift);
  const bool ctrl = shift.Contains(ssCtrl);
  if (key == VK_INSERT && (shifted || ctrl)) return shifted ? WM_PASTE : WM_COPY;
  return key == VK_DELETE && shifted && !ctrl ? WM_CUT : 0;
}

TClass TCustomEdit::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TCustomEdit>("TCustomEdit", TWinControl::StaticClass()).Build();
  return &metaClass;
}

TClass TEdit::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TEdit>("TEdit", TCustomEdit::StaticClass())
                                          .String("Text", &TEdit::Text, &TEdit::SetText)
                                          .Integer("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength, 0)
                                          .Boolean("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly, false)
                                          .Event("OnChange", &TEdit::SetOnChange)
                                          .Build();
  return &metaClass;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  // Its window is a tab stop; a popup looking for the first control to focus asks the property.
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
}

void TCustomEdit::SetMaxLength(int value) {
  FMaxLength = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, FMaxLength, 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  FReadOnly = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, FReadOnly, 0);
}

void TCustomEdit::SetPasswordChar(char value) {
  if (value == FPasswordChar) return;
  FPasswordChar = value;
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(value), 0);
  Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (value == FCharCase) return;
  FCharCase = value;
  SetStyleBit(ES_UPPERCASE, value == ecUpperCase);
  SetStyleBit(ES_LOWERCASE, value == ecLowerCase);
}

void TCustomEdit::SetOEMConvert(bool value) {
  if (value == FOEMConvert) return;
  FOEMConvert = value;
  SetStyleBit(ES_OEMCONVERT, value);
}

// The case and OEM styles of an edit may change while it lives.
void TCustomEdit::SetStyleBit(DWORD bit, bool on) {
  if (!HandleAllocated()) return;
  const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
  SetWindowLongPtrA(Handle(), GWL_STYLE, on ? style | bit : style & ~static_cast<LONG_PTR>(bit));
}

void TCustomEdit::SetHideSelection(bool value) {
  if (value == FHideSelection) return;
  FHideSelection = value;
  RecreateWnd();
}

void TCustomEdit::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  RecreateWnd();
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "EDIT";
  params.Style |= WS_TABSTOP | ES_AUTOHSCROLL | AlignmentStyle(FAlignment) | CharCaseStyle(FCharCase);
  if (FReadOnly) params.Style |= ES_READONLY;
  if (!FHideSelection) params.Style |= ES_NOHIDESEL;
  if (FOEMConvert) params.Style |= ES_OEMCONVERT;
  if (FPasswordChar) params.Style |= ES_PASSWORD;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), EM_LIMITTEXT, FMaxLength, 0);
  if (FPasswordChar) SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(FPasswordChar), 0);
}

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (CommandCode(message) == EN_CHANGE) {
        UpdateCaptionFromWindow(WindowText(Handle()));
        if (FOnChange) FOnChange(this);
      }
      return;
    case WM_COPY: return CopyToClipboard();
    case WM_CUT: return CutToClipboard();
    case WM_PASTE: return PasteFromClipboard();
    case WM_CLEAR: return ClearSelection();
    default: TWinControl::WndProc(message);
  }
}

// The system's edit would copy and cut for these keys past the program's
// clipboard: a password's clear text would reach the system's. A read-only
// edit leaves Shift+Delete to the system's, which does nothing.
void TCustomEdit::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  const UINT message = ClipboardMessageOfEditKey(key, shift);
  if (message == 0 || (message == WM_CUT && (FReadOnly || SelLength() == 0))) return;
  key = 0;
  Perform(message);
}

// ---- the selection: the window is made when asked for it

int TCustomEdit::SelStart() {
  DWORD start = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value) { SendMessageA(Handle(), EM_SETSEL, value, value); }

int TCustomEdit::SelLength() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  SendMessageA(Handle(), EM_SETSEL, start, start + value);
}

std::string TCustomEdit::SelText() {
  const std::string text = WindowText(Handle());
  const auto start = std::min(static_cast<size_t>(SelStart()), text.size());
  return text.substr(start, static_cast<size_t>(SelLength()));
}

void TCustomEdit::SetSelText(const std::string& value) {
  const std::string text = FMaxLength > 0 ? LeftCharacters(value, RoomForText()) : value;
  SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// The characters a replacement of the selection keeps.
int TCustomEdit::KeptCharacters() { return CharacterCount(WindowText(Handle())) - CharacterCount(SelText()); }

// The characters the selection may be replaced by.
int TCustomEdit::RoomForText() { return std::max(FMaxLength - KeptCharacters(), 0); }

void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TCustomEdit::SetMargins(int left, int right) {
  SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
               MAKELPARAM(static_cast<WORD>(left), static_cast<WORD>(right)));
}

POINT TCustomEdit::PosFromChar(int index) {
  const LRESULT position = SendMessageA(Handle(), EM_POSFROMCHAR, index, 0);
  if (position == -1) return POINT{-1, -1};
  return POINT{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
}

// ---- the clipboard: a read-only edit copies and takes nothing; a password
// edit gives nothing away, as the system's own refuses to

void TCustomEdit::CopyToClipboard() {
  if (!FPasswordChar && SelLength() > 0) Clipboard().SetAsText(SelText());
}

void TCustomEdit::CutToClipboard() {
  if (FPasswordChar) return;
  CopyToClipboard();
  ClearSelection();
}

// A line break would reach whatever stores the text of a single line: the
// inventory's file among them. A text set longer than MaxLength stays as it
// is, as the system's edit leaves it: no paste could make it fit.
void TCustomEdit::PasteFromClipboard() {
  if (FReadOnly || !Clipboard().HasFormat(CF_TEXT)) return;
  if (FMaxLength > 0 && KeptCharacters() > FMaxLength) return;
  const std::string text = Clipboard().AsText();
  SetSelText(IsMultiLine() ? text : SingleLinePaste(text));
}

bool TCustomEdit::IsMultiLine() { return (GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_MULTILINE) != 0; }

void TCustomEdit::ClearSelection() {
  if (!FReadOnly && SelLength() > 0) SetSelText("");
}
