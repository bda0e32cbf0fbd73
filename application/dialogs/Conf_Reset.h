#pragma once
// TConf_ResetW: resets the chosen Ethernet ports of the device. It keeps no
// write community: the device takes the reset with the read community.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/standard/CheckBox.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/GroupBox.h"

class TConf_ResetW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdSetClick(TObject* Sender);

  void SetReset(std::string& Result);

  TGroupBox* GroupBoxEth = nullptr;
  TCheckBox* ckbFx1 = nullptr;
  TCheckBox* ckbEth2 = nullptr;
  TCheckBox* ckbEth3 = nullptr;
  TCheckBox* ckbEth4 = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  TConfExchange FDevice{*this, TSetCommunity::Read};
};

// The instance the program body creates at start-up.
extern TConf_ResetW* Conf_ResetW;
