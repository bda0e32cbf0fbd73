#pragma once
// TConf_PFIW: the GFP encapsulation options of group 1: payload and header
// scrambling, the payload type identifier (PTI), the payload FCS indicator
// (PFI) and the extension header identifier (EXI).
#include <array>
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/RadioGroup.h"

class TConf_PFIW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);

  void ReadPFI(std::string& Result);
  void SetPFI(std::string& Result);

  TRadioGroup* RdgPSCRD = nullptr;
  TRadioGroup* RdgHSCRD = nullptr;
  TRadioGroup* RdgPTI = nullptr;
  TRadioGroup* rdgPFI = nullptr;
  TRadioGroup* rdgEXI = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  // The groups in the order of the record's octets.
  std::array<TRadioGroup*, 5> RecordGroups() const { return {RdgPSCRD, RdgHSCRD, RdgPTI, rdgPFI, rdgEXI}; }
  void ShowGfp(const std::string& value);

  TConfExchange FDevice{*this, TSetCommunity::Write};
};

// The instance the program body creates at start-up; the menu opens fresh ones.
extern TConf_PFIW* Conf_PFIW;
