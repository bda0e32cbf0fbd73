#pragma once
// TEdit: the Win32 single-line edit. Text follows what the user types;
// MaxLength (0: no limit) is enforced by the window; every change of the
// text runs OnChange.
#include <string>

#include "platform/controls/WinControl.h"

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Text() const { return Caption(); }
  void SetText(const std::string& value) { SetCaption(value); }
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  int FMaxLength = 0;
  bool FReadOnly = false;
  TNotifyEvent FOnChange;
};
