#pragma once
// TButton: the Win32 push button. A click sets its form's ModalResult (when
// the button has one) and runs OnClick. The Default button answers Enter and
// the Cancel button Escape anywhere in the form.
#include <string>

#include "platform/controls/core/Form.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  void Click() override;
  bool DialogKey(WORD key) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  DWORD ButtonStyle() const { return FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

  TModalResult FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
};

// The names a form uses for modal results.
const TIdentMap& ModalResultIdents();
