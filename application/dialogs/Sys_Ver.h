#pragma once
// TSys_VerW: the device's hardware and ARM software versions, read from its
// identification record.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/LabeledEdit.h"

class TSys_VerW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);

  void ReadSysVer(std::string& Result);

  TLabeledEdit* LabeledEditHard = nullptr;
  TLabeledEdit* LabeledEditArm = nullptr;
  TButton* cmdRead = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  void ShowVersions(const std::string& value);

  TConfExchange FDevice{*this, TSetCommunity::Read};
};
