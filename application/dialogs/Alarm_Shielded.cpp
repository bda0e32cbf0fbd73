#include "application/dialogs/Alarm_Shielded.h"

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"

namespace {

const char kAlarmMaskObject[] = "2.7.1.6";

// The third character of the device type is "6" on devices whose port 1 is optical.
constexpr size_t kOpticalMarkAt = 2;
constexpr char kOpticalMark = '6';

void Cover(TPanel& panel) {
  panel.SetVisible(true);
  // Above the boxes it hides, which were made before it.
  panel.BringToFront();
}

}  // namespace

TClass TAlarm_ShieldedW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TAlarm_ShieldedW>("TAlarm_ShieldedW", TForm::StaticClass())
                                          .Field("GroupBoxEth", &TAlarm_ShieldedW::GroupBoxEth)
                                          .Field("ckbFx1", &TAlarm_ShieldedW::ckbFx1)
                                          .Field("ckbEth2", &TAlarm_ShieldedW::ckbEth2)
                                          .Field("ckbEth3", &TAlarm_ShieldedW::ckbEth3)
                                          .Field("ckbEth4", &TAlarm_ShieldedW::ckbEth4)
                                          .Field("GroupBoxE1", &TAlarm_ShieldedW::GroupBoxE1)
                                          .Field("ckbE1", &TAlarm_ShieldedW::ckbE1)
                                          .Field("ckbE2", &TAlarm_ShieldedW::ckbE2)
                                          .Field("ckbE3", &TAlarm_ShieldedW::ckbE3)
                                          .Field("ckbE4", &TAlarm_ShieldedW::ckbE4)
                                          .Field("ckbE5", &TAlarm_ShieldedW::ckbE5)
                                          .Field("ckbE6", &TAlarm_ShieldedW::ckbE6)
                                          .Field("ckbE7", &TAlarm_ShieldedW::ckbE7)
                                          .Field("ckbE8", &TAlarm_ShieldedW::ckbE8)
                                          .Field("ckbE9", &TAlarm_ShieldedW::ckbE9)
                                          .Field("ckbE10", &TAlarm_ShieldedW::ckbE10)
                                          .Field("ckbE11", &TAlarm_ShieldedW::ckbE11)
                                          .Field("ckbE12", &TAlarm_ShieldedW::ckbE12)
                                          .Field("ckbE13", &TAlarm_ShieldedW::ckbE13)
                                          .Field("ckbE14", &TAlarm_ShieldedW::ckbE14)
                                          .Field("ckbE15", &TAlarm_ShieldedW::ckbE15)
                                          .Field("ckbE16", &TAlarm_ShieldedW::ckbE16)
                                          .Field("Panel1", &TAlarm_ShieldedW::Panel1)
                                          .Field("Panel2", &TAlarm_ShieldedW::Panel2)
                                          .Field("cmdRead", &TAlarm_ShieldedW::cmdRead)
                                          .Field("cmdSet", &TAlarm_ShieldedW::cmdSet)
                                          .Field("BitBtnClose", &TAlarm_ShieldedW::BitBtnClose)
                                          .Method("FormShow", &TAlarm_ShieldedW::FormShow)
                                          .Method("cmdReadClick", &TAlarm_ShieldedW::cmdReadClick)
                                          .Method("cmdSetClick", &TAlarm_ShieldedW::cmdSetClick)
                                          .Build();
  return &metaClass;
}

std::vector<TCheckBox*> TAlarm_ShieldedW::MaskBoxes() const {
  return {ckbE1,  ckbE2,  ckbE3,  ckbE4,  ckbE5,  ckbE6,  ckbE7,  ckbE8,   ckbE9,   ckbE10,
          ckbE11, ckbE12, ckbE13, ckbE14, ckbE15, ckbE16, ckbFx1, ckbEth2, ckbEth3, ckbEth4};
}

void TAlarm_ShieldedW::FormShow(TObject*) {
  FDevice.CopyConnection();
  const std::string& type = CurrentDevice.Type;
  const bool optical = type.size() > kOpticalMarkAt && type[kOpticalMarkAt] == kOpticalMark;
  ckbFx1->SetCaption(optical ? "FX1" : "ETH1");
  CoverMissingE1Ports();
  std::string result;
  ReadAlarmShield(result);
}

// The text after the first "*" of the type (all of it without one) is the
// device's E1 port count.
void TAlarm_ShieldedW::CoverMissingE1Ports() {
  const std::string& type = CurrentDevice.Type;
  const size_t star = type.find('*');
  const std::string e1Count = star == std::string::npos ? type : type.substr(star + 1);
  if (e1Count == "8") Cover(*Panel1);
  if (e1Count == "4") {
    Cover(*Panel1);
    Cover(*Panel2);
  }
}

void TAlarm_ShieldedW::cmdReadClick(TObject*) {
  std::string result;
  ReadAlarmShield(result);
}

void TAlarm_ShieldedW::cmdSetClick(TObject*) {
  std::string result;
  SetAlarmShield(result);
}

void TAlarm_ShieldedW::ReadAlarmShield(std::string& Result) {
  FDevice.ReadObject(
      "ReadAlarmShield", TExchangeCursor::Hourglass, FDevice.Oid(kAlarmMaskObject),
      [this](const std::string& value) { ShowMasks(value); }, Result);
}

// 1 masks a port, 0 reports it; another value leaves its box as it was, and a
// short value sets only the boxes its octets reach.
void TAlarm_ShieldedW::ShowMasks(const std::string& value) {
  StringToBytes(value);
  const std::vector<TCheckBox*> boxes = MaskBoxes();
  for (size_t k = 0; k < boxes.size(); ++k) {
    if (const std::optional<uint8_t> octet = ReplyOctet(k)) CheckByOctet(*boxes[k], *octet);
  }
}

void TAlarm_ShieldedW::SetAlarmShield(std::string& Result) {
  std::vector<uint8_t> octets;
  for (const TCheckBox* box : MaskBoxes()) octets.push_back(OctetOfCheck(*box));
  FDevice.SetObjects("SetAlarmShield", TExchangeCursor::Hourglass,
                     {OctetStringItem(FDevice.Oid(kAlarmMaskObject), octets)}, Result);
}
