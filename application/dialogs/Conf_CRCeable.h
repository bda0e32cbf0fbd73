#pragma once
// TConf_CRCeableW: switches the device's E1 error-over indication on or off.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/RadioGroup.h"

class TConf_CRCeableW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);

  void ReadCRCeable(std::string& Result);
  void SetCRCeable(std::string& Result);

  TRadioGroup* RdgCrc = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  TConfExchange FDevice{*this, TSetCommunity::Write};
};

// The instance the program body creates at start-up; the menu opens fresh ones.
extern TConf_CRCeableW* Conf_CRCeableW;
