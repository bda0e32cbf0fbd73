#pragma once
// TConf_ProModeW: shows the device's protocol version and, on devices whose
// version has the mode at all (0xF2 on), switches between protocol modes A
// and B.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/GroupBox.h"
#include "platform/controls/standard/RadioButton.h"

class TConf_ProModeW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);

  void GetProMode(std::string& Result);
  void SetProMode(std::string& Result);

  TEdit* EditProVer = nullptr;
  TGroupBox* RadioGroup1 = nullptr;
  TRadioButton* RadioButton1 = nullptr;
  TRadioButton* RadioButton2 = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  // True when the version has the mode; the mode choice and Set follow it.
  bool ShowVersion(const std::string& value);
  void EnableModeChoice(bool enabled);
  // Result "1" when the device told its mode.
  void ReadMode(std::string& Result);

  TConfExchange FDevice{*this, TSetCommunity::Write};
};

// The instance the program body creates at start-up.
extern TConf_ProModeW* Conf_ProModeW;
