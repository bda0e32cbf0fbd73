#pragma once
// TAlarm_ShieldedW: masks or unmasks the alarms of each E1 port and each
// Ethernet port. A device with fewer E1 ports shows panels over the boxes of
// the ports it lacks; their octets are still sent as the boxes stand.
#include <string>
#include <vector>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/standard/CheckBox.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/GroupBox.h"
#include "platform/controls/drawn/Panel.h"

class TAlarm_ShieldedW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);

  void ReadAlarmShield(std::string& Result);
  void SetAlarmShield(std::string& Result);

  TGroupBox* GroupBoxEth = nullptr;
  TCheckBox* ckbFx1 = nullptr;
  TCheckBox* ckbEth2 = nullptr;
  TCheckBox* ckbEth3 = nullptr;
  TCheckBox* ckbEth4 = nullptr;
  TGroupBox* GroupBoxE1 = nullptr;
  TCheckBox* ckbE1 = nullptr;
  TCheckBox* ckbE2 = nullptr;
  TCheckBox* ckbE3 = nullptr;
  TCheckBox* ckbE4 = nullptr;
  TCheckBox* ckbE5 = nullptr;
  TCheckBox* ckbE6 = nullptr;
  TCheckBox* ckbE7 = nullptr;
  TCheckBox* ckbE8 = nullptr;
  TCheckBox* ckbE9 = nullptr;
  TCheckBox* ckbE10 = nullptr;
  TCheckBox* ckbE11 = nullptr;
  TCheckBox* ckbE12 = nullptr;
  TCheckBox* ckbE13 = nullptr;
  TCheckBox* ckbE14 = nullptr;
  TCheckBox* ckbE15 = nullptr;
  TCheckBox* ckbE16 = nullptr;
  // Over E1 ports 9 to 16, and over ports 5 to 8.
  TPanel* Panel1 = nullptr;
  TPanel* Panel2 = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  // The boxes in the order of the mask record: E1 ports 1 to 16, then the Ethernet ports.
  std::vector<TCheckBox*> MaskBoxes() const;
  void CoverMissingE1Ports();
  void ShowMasks(const std::string& value);

  TConfExchange FDevice{*this, TSetCommunity::Write};
};
