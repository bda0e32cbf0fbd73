#include "application/dialogs/Conf_Parameter.h"

#include <vector>

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"

TConf_ParameterW* Conf_ParameterW = nullptr;

namespace {

const char kPortParameterObject[] = "2.2.1.2";
constexpr int kPortCount = 4;
constexpr int kAllPorts = 0;

// The port record: enabled, auto-negotiation, speed, duplex, flow control.
enum TParameterOctet : size_t { poEnable, poNegotiation, poSpeed, poDuplex, poFlowControl };

// Here every value but 1 means the second item (or a cleared box).
constexpr uint8_t kFirstItemOctet = 1;
constexpr int kFirstItem = 0;
constexpr int kSecondItem = 1;
constexpr int k100MItem = 0;

// The third character of the device type is "6" on devices whose port 1 is optical.
constexpr size_t kOpticalMarkAt = 2;
constexpr char kOpticalMark = '6';

void ChooseFirstOnOne(TRadioGroup& group, uint8_t octet) {
  group.SetItemIndex(octet == kFirstItemOctet ? kFirstItem : kSecondItem);
}

bool PortOneIsOptical() {
  return CurrentDevice.Type.size() > kOpticalMarkAt && CurrentDevice.Type[kOpticalMarkAt] == kOpticalMark;
}

}  // namespace

TClass TConf_ParameterW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_ParameterW>("TConf_ParameterW", TForm::StaticClass())
                                          .Field("PgcPara", &TConf_ParameterW::PgcPara)
                                          .Field("TabSheet6", &TConf_ParameterW::TabSheet6)
                                          .Field("RdgFx1Enable", &TConf_ParameterW::RdgFx1Enable)
                                          .Field("rdgFX1C", &TConf_ParameterW::rdgFX1C)
                                          .Field("GroupBoxEth1", &TConf_ParameterW::GroupBoxEth1)
                                          .Field("RdgSpeed1", &TConf_ParameterW::RdgSpeed1)
                                          .Field("rdbNego1", &TConf_ParameterW::rdbNego1)
                                          .Field("rdgFX", &TConf_ParameterW::rdgFX)
                                          .Field("TabSheet7", &TConf_ParameterW::TabSheet7)
                                          .Field("GroupBoxEth2", &TConf_ParameterW::GroupBoxEth2)
                                          .Field("rdgSpeed2", &TConf_ParameterW::rdgSpeed2)
                                          .Field("rdgMode2", &TConf_ParameterW::rdgMode2)
                                          .Field("rdbNego2", &TConf_ParameterW::rdbNego2)
                                          .Field("RdgEth2", &TConf_ParameterW::RdgEth2)
                                          .Field("RdgFlowC2", &TConf_ParameterW::RdgFlowC2)
                                          .Field("TabSheet8", &TConf_ParameterW::TabSheet8)
                                          .Field("GroupBoxEth3", &TConf_ParameterW::GroupBoxEth3)
                                          .Field("rdgSpeed3", &TConf_ParameterW::rdgSpeed3)
                                          .Field("rdgMode3", &TConf_ParameterW::rdgMode3)
                                          .Field("rdbNego3", &TConf_ParameterW::rdbNego3)
                                          .Field("RdgEth3", &TConf_ParameterW::RdgEth3)
                                          .Field("RdgFlowC3", &TConf_ParameterW::RdgFlowC3)
                                          .Field("TabSheet9", &TConf_ParameterW::TabSheet9)
                                          .Field("GroupBoxEth4", &TConf_ParameterW::GroupBoxEth4)
                                          .Field("rdgSpeed4", &TConf_ParameterW::rdgSpeed4)
                                          .Field("rdgMode4", &TConf_ParameterW::rdgMode4)
                                          .Field("rdbNego4", &TConf_ParameterW::rdbNego4)
                                          .Field("RdgEth4", &TConf_ParameterW::RdgEth4)
                                          .Field("RdgFlowC4", &TConf_ParameterW::RdgFlowC4)
                                          .Field("cmdRead", &TConf_ParameterW::cmdRead)
                                          .Field("cmdSet", &TConf_ParameterW::cmdSet)
                                          .Field("BitBtnClose", &TConf_ParameterW::BitBtnClose)
                                          .Method("FormShow", &TConf_ParameterW::FormShow)
                                          .Method("cmdReadClick", &TConf_ParameterW::cmdReadClick)
                                          .Method("cmdSetClick", &TConf_ParameterW::cmdSetClick)
                                          .Method("rdbNego1Click", &TConf_ParameterW::rdbNego1Click)
                                          .Method("rdbNego2Click", &TConf_ParameterW::rdbNego2Click)
                                          .Method("rdbNego3Click", &TConf_ParameterW::rdbNego3Click)
                                          .Method("rdbNego4Click", &TConf_ParameterW::rdbNego4Click)
                                          .Build();
  return &metaClass;
}

TPortParameterControls TConf_ParameterW::PortControls(int port) const {
  switch (port) {
    case 1: return {RdgFx1Enable, rdbNego1, RdgSpeed1, rdgFX, rdgFX1C};
    case 2: return {RdgEth2, rdbNego2, rdgSpeed2, rdgMode2, RdgFlowC2};
    case 3: return {RdgEth3, rdbNego3, rdgSpeed3, rdgMode3, RdgFlowC3};
    default: return {RdgEth4, rdbNego4, rdgSpeed4, rdgMode4, RdgFlowC4};
  }
}

void TConf_ParameterW::FormShow(TObject*) {
  FDevice.CopyConnection();
  SetUpPortOne();
  std::string result;
  ReadPortParameter(kAllPorts, result);
  ShowReadResult(result);
}

// An optical port runs at 100 Mb/s and does not negotiate.
void TConf_ParameterW::SetUpPortOne() {
  if (PortOneIsOptical()) {
    rdbNego1->SetChecked(false);
    RdgSpeed1->SetItemIndex(k100MItem);
    rdbNego1->SetEnabled(false);
    RdgSpeed1->SetEnabled(false);
    rdgFX->SetEnabled(false);
    FPortOneCaption = "FX1 ";
  } else {
    rdbNego1->SetEnabled(true);
    RdgSpeed1->SetEnabled(true);
    FPortOneCaption = "ETH1 ";
  }
  TabSheet6->SetCaption(FPortOneCaption);
}

void TConf_ParameterW::cmdReadClick(TObject*) {
  std::string result;
  ReadPortParameter(ActivePort(), result);
  ShowReadResult(result);
}

void TConf_ParameterW::cmdSetClick(TObject*) {
  std::string result;
  SetPortParameter(result);
}

void TConf_ParameterW::ShowReadResult(const std::string& result) {
  ShowExchangeResult(result == "1" ? "Read successful!" : "Read failed!");
}

void TConf_ParameterW::rdbNego1Click(TObject*) { ApplyNegotiationRule(1); }
void TConf_ParameterW::rdbNego2Click(TObject*) { ApplyNegotiationRule(2); }
void TConf_ParameterW::rdbNego3Click(TObject*) { ApplyNegotiationRule(3); }
void TConf_ParameterW::rdbNego4Click(TObject*) { ApplyNegotiationRule(4); }

void TConf_ParameterW::ApplyNegotiationRule(int port) {
  const TPortParameterControls controls = PortControls(port);
  const bool chosenByHand = !controls.Negotiation->Checked();
  controls.Speed->SetEnabled(chosenByHand);
  controls.Duplex->SetEnabled(chosenByHand);
}

void TConf_ParameterW::ReadPortParameter(int port, std::string& Result) {
  Result = "0";
  const int first = port == kAllPorts ? 1 : port;
  const int last = port == kAllPorts ? kPortCount : port;
  FDevice.Run("ReadPortParameter", TExchangeCursor::Hourglass, [&] {
    for (int each = first; each <= last; ++each) {
      TStringList values;
      if (!FDevice.Get({FDevice.Oid(kPortParameterObject, each)}, values)) return;
      if (values.Count() > 0 && !values[0].empty()) ShowPortParameters(each, values[0]);
    }
    Result = "1";
  });
}

// Only the fields whose octets came are shown.
void TConf_ParameterW::ShowPortParameters(int port, const std::string& value) {
  StringToBytes(value);
  const TPortParameterControls controls = PortControls(port);
  if (const std::optional<uint8_t> octet = ReplyOctet(poEnable)) ChooseFirstOnOne(*controls.Enable, *octet);
  if (const std::optional<uint8_t> octet = ReplyOctet(poNegotiation)) {
    controls.Negotiation->SetChecked(*octet == kFirstItemOctet);
  }
  if (const std::optional<uint8_t> octet = ReplyOctet(poSpeed)) ChooseFirstOnOne(*controls.Speed, *octet);
  if (const std::optional<uint8_t> octet = ReplyOctet(poDuplex)) ChooseFirstOnOne(*controls.Duplex, *octet);
  if (const std::optional<uint8_t> octet = ReplyOctet(poFlowControl)) ChooseFirstOnOne(*controls.FlowControl, *octet);
}

// Disabled controls are sent as they show: an optical port 1 sends its speed and duplex too.
void TConf_ParameterW::SetPortParameter(std::string& Result) {
  const int port = ActivePort();
  const TPortParameterControls controls = PortControls(port);
  const std::vector<uint8_t> octets = {OctetOfChoice(*controls.Enable), OctetOfCheck(*controls.Negotiation),
                                       OctetOfChoice(*controls.Speed), OctetOfChoice(*controls.Duplex),
                                       OctetOfChoice(*controls.FlowControl)};
  FDevice.SetObjects("SetPortParameter", TExchangeCursor::Hourglass,
                     {OctetStringItem(FDevice.Oid(kPortParameterObject, port), octets)}, Result);
}
