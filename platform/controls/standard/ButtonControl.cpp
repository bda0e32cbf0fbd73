#include "platform/controls/standard/ButtonControl.h"

#include "platform/classes/ClassBuilder.h"

TClass TButtonControl::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TButtonControl>("TButtonControl", TWinControl::StaticClass()).Build();
  return &metaClass;
}

TButtonControl::TButtonControl(TComponent* owner, DWORD buttonStyle) : TWinControl(owner), FButtonStyle(buttonStyle) {}

bool TButtonControl::ChangeChecked(bool value) {
  if (value == FChecked) return false;
  FChecked = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
  return true;
}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "BUTTON";
  params.Style |= FButtonStyle;
}

void TButtonControl::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TButtonControl::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (CommandCode(message) == BN_CLICKED) UserClicked();
    return;
  }
  TWinControl::WndProc(message);
}
