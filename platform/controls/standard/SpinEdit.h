#pragma once
// TSpinEdit: a number in an edit with up and down arrows (a Win32 edit and
// up-down control in a window of their own). Value stays within
// MinValue..MaxValue unless both are equal: a typed number is taken within
// the bounds, a text that is no number as the minimum, and the arrows
// (buttons or keys) step within the bounds. What the user typed stays in the
// edit when it loses the focus, for the form to judge: rewritten as the value
// it was taken as, a mistyped address would pass for one the user gave.
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
