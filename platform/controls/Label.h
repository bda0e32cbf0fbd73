#pragma once
// TLabel: a text on a form (the Win32 static control). It tells of clicks,
// so a label can act as a link (OnClick, with Cursor = crHandPoint).
#include "platform/controls/WinControl.h"

class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  TNotifyEvent FOnClick;
};
