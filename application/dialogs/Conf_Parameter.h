#pragma once
// TConf_ParameterW: each Ethernet port's enable, auto-negotiation, speed,
// duplex and flow-control settings, one page per port. Port 1 is an optical
// port on some devices: its speed and duplex are fixed then.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/standard/CheckBox.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/GroupBox.h"
#include "platform/controls/common/PageControl.h"
#include "platform/controls/standard/RadioGroup.h"

// The controls of one port's page, in the order of the port's record.
struct TPortParameterControls {
  TRadioGroup* Enable;
  TCheckBox* Negotiation;
  TRadioGroup* Speed;
  TRadioGroup* Duplex;
  TRadioGroup* FlowControl;
};

class TConf_ParameterW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);
  // The auto-negotiation rule: a port that negotiates has no speed and duplex to choose.
  void rdbNego1Click(TObject* Sender);
  void rdbNego2Click(TObject* Sender);
  void rdbNego3Click(TObject* Sender);
  void rdbNego4Click(TObject* Sender);

  // Port 0: all four ports in turn, stopping at the first failed get; 1..4: that port.
  // Shows no box: its callers say how it went.
  void ReadPortParameter(int port, std::string& Result);
  void SetPortParameter(std::string& Result);

  TPageControl* PgcPara = nullptr;
  TTabSheet* TabSheet6 = nullptr;
  TRadioGroup* RdgFx1Enable = nullptr;
  TRadioGroup* rdgFX1C = nullptr;
  TGroupBox* GroupBoxEth1 = nullptr;
  TRadioGroup* RdgSpeed1 = nullptr;
  TCheckBox* rdbNego1 = nullptr;
  TRadioGroup* rdgFX = nullptr;
  TTabSheet* TabSheet7 = nullptr;
  TGroupBox* GroupBoxEth2 = nullptr;
  TRadioGroup* rdgSpeed2 = nullptr;
  TRadioGroup* rdgMode2 = nullptr;
  TCheckBox* rdbNego2 = nullptr;
  TRadioGroup* RdgEth2 = nullptr;
  TRadioGroup* RdgFlowC2 = nullptr;
  TTabSheet* TabSheet8 = nullptr;
  TGroupBox* GroupBoxEth3 = nullptr;
  TRadioGroup* rdgSpeed3 = nullptr;
  TRadioGroup* rdgMode3 = nullptr;
  TCheckBox* rdbNego3 = nullptr;
  TRadioGroup* RdgEth3 = nullptr;
  TRadioGroup* RdgFlowC3 = nullptr;
  TTabSheet* TabSheet9 = nullptr;
  TGroupBox* GroupBoxEth4 = nullptr;
  TRadioGroup* rdgSpeed4 = nullptr;
  TRadioGroup* rdgMode4 = nullptr;
  TCheckBox* rdbNego4 = nullptr;
  TRadioGroup* RdgEth4 = nullptr;
  TRadioGroup* RdgFlowC4 = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  TPortParameterControls PortControls(int port) const;
  void SetUpPortOne();
  void ApplyNegotiationRule(int port);
  void ShowPortParameters(int port, const std::string& value);
  void ShowReadResult(const std::string& result);
  int ActivePort() const { return PgcPara->ActivePageIndex() + 1; }

  TConfExchange FDevice{*this, TSetCommunity::Write};
  std::string FPortOneCaption;
};

// The instance the program body creates at start-up; the menu opens fresh ones.
extern TConf_ParameterW* Conf_ParameterW;
