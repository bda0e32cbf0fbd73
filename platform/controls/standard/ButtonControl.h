#pragma once
// TButtonControl: a Win32 check box or radio button whose check mark the
// program keeps. The window only shows Checked and reports the user's clicks
// (mouse, space key, BM_CLICK), so a change made by the user and one made by
// code take the same path through the descendant's SetChecked, and its
// events follow one rule.
#include "platform/controls/core/WinControl.h"

class TButtonControl : public TWinControl {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  bool Checked() const { return FChecked; }

 protected:
  // `buttonStyle` is BS_CHECKBOX or BS_RADIOBUTTON: styles that leave the mark to us.
  TButtonControl(TComponent* owner, DWORD buttonStyle);

  // Shows the new mark; false when it was already so.
  bool ChangeChecked(bool value);
  // The user clicked the button.
  virtual void UserClicked() = 0;
  // True while the form reader sets the properties: the initial state is no change to tell of.
  bool Loading() const { return ComponentState().Contains(csLoading); }

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  DWORD FButtonStyle;
  bool FChecked = false;
};
