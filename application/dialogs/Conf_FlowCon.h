#pragma once
// TConf_FlowConW: switches the device's pause (flow-control) setting. It
// keeps no write community: the device takes the setting with the read
// community.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/RadioGroup.h"

class TConf_FlowConW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

  void ReadPause(std::string& Result);
  void SetPause(std::string& Result);

  TRadioGroup* RDGEnable = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TBitBtn* BitBtn2 = nullptr;

 private:
  TConfExchange FDevice{*this, TSetCommunity::Read};
};

// The instance the program body creates at start-up.
extern TConf_FlowConW* Conf_FlowConW;

// The pause exchanges on a group of "Enable" and "Disable", shared with the
// combined operation dialog.
void ReadPauseInto(TConfExchange& device, TRadioGroup& group, std::string& Result);
void SetPauseFrom(TConfExchange& device, const TRadioGroup& group, std::string& Result);
