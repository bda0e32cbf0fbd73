#pragma once
// TSpinEdit: a number in an edit with up and down arrows (a Win32 edit and
// up-down control in a window of their own). Value stays within
// MinValue..MaxValue unless both are equal: a typed number is taken within
// the bounds and shown so once the edit loses the focus, a text that is no
// number is taken as the minimum and left as typed, and the arrows (buttons
// or keys) step within the bounds.
#include "platform/controls/core/WinControl.h"

class TSpinEdit : public TWinControl {
 public:
  explicit TSpinEdit(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int MinValue() const { return FMinValue; }
  void SetMinValue(int value);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int value);
  int Value() const { return FValue; }
  // What the edit shows as the user left it, which may be no number at all:
  // Value takes such a text as the minimum.
  std::string Text() const;
  void SetValue(int value);
  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

  HWND EditHandle() const { return FEdit; }
  HWND UpDownHandle() const { return FUpDown; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  int Bounded(int value) const;
  void ShowValue();
  void ShowBoundedNumber();
  void PlaceParts();
  void TextChanged();
  bool EditCommand(const TMessage& message);

  int FMinValue = 0;
  int FMaxValue = 0;
  int FValue = 0;
  TNotifyEvent FOnChange;
  HWND FEdit = nullptr;
  HWND FUpDown = nullptr;
};
