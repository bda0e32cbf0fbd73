#pragma once
// TConf_LcaseW: switches virtual concatenation (VCAT) and the link capacity
// adjustment scheme (LCAS) of virtual concatenation group 1. LCAS works only
// on top of VCAT, so it is offered only while VCAT is on.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/RadioGroup.h"

class TConf_LcaseW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);
  // The VCAT rule: without VCAT, LCAS is off and cannot be changed.
  void RdgVcatClick(TObject* Sender);

  void ReadLCase(std::string& Result);
  void SetLCase(std::string& Result);

  TRadioGroup* RdgVcat = nullptr;
  TRadioGroup* RdgLcase = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  void ShowVcg(const std::string& value);
  bool VcatEnabled() const;

  TConfExchange FDevice{*this, TSetCommunity::Write};
};

// The instance the program body creates at start-up; the menu opens fresh ones.
extern TConf_LcaseW* Conf_LcaseW;
