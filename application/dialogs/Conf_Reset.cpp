#include "application/dialogs/Conf_Reset.h"

#include <vector>

#include "platform/classes/ClassBuilder.h"

TConf_ResetW* Conf_ResetW = nullptr;

namespace {

const char kPortResetObject[] = "2.7.1.7";

}  // namespace

TClass TConf_ResetW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_ResetW>("TConf_ResetW", TForm::StaticClass())
                                          .Field("GroupBoxEth", &TConf_ResetW::GroupBoxEth)
                                          .Field("ckbFx1", &TConf_ResetW::ckbFx1)
                                          .Field("ckbEth2", &TConf_ResetW::ckbEth2)
                                          .Field("ckbEth3", &TConf_ResetW::ckbEth3)
                                          .Field("ckbEth4", &TConf_ResetW::ckbEth4)
                                          .Field("cmdSet", &TConf_ResetW::cmdSet)
                                          .Field("BitBtnClose", &TConf_ResetW::BitBtnClose)
                                          .Method("FormShow", &TConf_ResetW::FormShow)
                                          .Method("cmdSetClick", &TConf_ResetW::cmdSetClick)
                                          .Build();
  return &metaClass;
}

void TConf_ResetW::FormShow(TObject*) { FDevice.CopyConnection(); }

void TConf_ResetW::cmdSetClick(TObject*) {
  std::string result;
  SetReset(result);
}

// One octet per port, FX1 first: 1 resets the port. The boxes stay as they
// are, so the same ports can be reset again.
void TConf_ResetW::SetReset(std::string& Result) {
  const std::vector<uint8_t> octets = {OctetOfCheck(*ckbFx1), OctetOfCheck(*ckbEth2), OctetOfCheck(*ckbEth3),
                                       OctetOfCheck(*ckbEth4)};
  FDevice.SetObjects("SetReset", TExchangeCursor::Hourglass, {OctetStringItem(FDevice.Oid(kPortResetObject), octets)},
                     Result);
}
