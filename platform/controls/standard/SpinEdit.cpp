#include "platform/controls/standard/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr int kUpDownWidth = 16;

}  // namespace

TClass TSpinEdit::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TSpinEdit>("TSpinEdit", TWinControl::StaticClass())
                                          .Integer("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue, 0)
                                          .Integer("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue, 0)
                                          .Integer("Value", &TSpinEdit::Value, &TSpinEdit::SetValue, 0)
                                          .Event("OnChange", &TSpinEdit::SetOnChange)
                                          .Build();
  return &metaClass;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 22);
  SetColor(clWindow);
}

void TSpinEdit::SetMinValue(int value) {
  FMinValue = value;
  SetValue(FValue);
}

void TSpinEdit::SetMaxValue(int value) {
  FMaxValue = value;
  SetValue(FValue);
}

int TSpinEdit::Bounded(int value) const {
  if (FMinValue == FMaxValue) return value;
  return std::clamp(value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
}

void TSpinEdit::SetValue(int value) {
  FValue = Bounded(value);
  ShowValue();
}

std::string TSpinEdit::Text() const { return FEdit ? WindowText(FEdit) : IntToStr(FValue); }

void TSpinEdit::ShowValue() {
  if (FEdit && WindowText(FEdit) != IntToStr(FValue)) SetWindowTextA(FEdit, IntToStr(FValue).c_str());
}

void TSpinEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  // Tab reaches the edit inside.
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TSpinEdit::CreateWnd() {
  TWinControl::CreateWnd();
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  FEdit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", IntToStr(FValue).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (FMinValue >= 0 ? ES_NUMBER : 0), 0, 0,
                          0, 0, Handle(), nullptr, instance, nullptr);
  FUpDown = CreateWindowExA(0, UPDOWN_CLASSA, nullptr, WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS, 0, 0, 0, 0, Handle(),
                            nullptr, instance, nullptr);
  if (!FEdit || !FUpDown) throw EOSError("Cannot create the parts of " + Name());
  SendMessageA(FEdit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SendMessageA(FUpDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(FEdit), 0);
  SendMessageA(FUpDown, UDM_SETRANGE32, INT_MIN, INT_MAX);
  PlaceParts();
}

void TSpinEdit::PlaceParts() {
  if (!FEdit) return;
  const RECT client = ClientRect();
  const int upDownLeft = std::max(0, static_cast<int>(client.right) - kUpDownWidth);
  MoveWindow(FEdit, 0, 0, upDownLeft, client.bottom, TRUE);
  MoveWindow(FUpDown, upDownLeft, 0, client.right - upDownLeft, client.bottom, TRUE);
}

void TSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE: PlaceParts(); break;
    case WM_SETFOCUS: ::SetFocus(FEdit); return;
    case WM_COMMAND:
      if (EditCommand(message)) return;
      break;
    case WM_NOTIFY:
      // The arrows step from the value, not from whatever the edit holds, and never past the bounds.
      if (NotifyingWindow(message, Handle()) != FUpDown || NotifyCode(message) != UDN_DELTAPOS) break;
      SetValue(FValue + MessageRecord<NMUPDOWN>(message).iDelta);
      message.Result = TRUE;
      return;
    case WM_DESTROY: FEdit = FUpDown = nullptr; break;
  }
  TWinControl::WndProc(message);
}

bool TSpinEdit::EditCommand(const TMessage& message) {
  if (NotifyingWindow(message, Handle()) != FEdit) return false;
  if (CommandCode(message) == EN_CHANGE) TextChanged();
  return true;
}

void TSpinEdit::TextChanged() {
  FValue = Bounded(StrToIntDef(WindowText(FEdit), FMinValue));
  if (FOnChange) FOnChange(this);
}
