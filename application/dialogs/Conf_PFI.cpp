#include "application/dialogs/Conf_PFI.h"

#include <vector>

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"

TConf_PFIW* Conf_PFIW = nullptr;

namespace {

const char kGfpObject[] = "2.6.1.2";
constexpr int kGroup = 1;

}  // namespace

TClass TConf_PFIW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_PFIW>("TConf_PFIW", TForm::StaticClass())
                                          .Field("RdgPSCRD", &TConf_PFIW::RdgPSCRD)
                                          .Field("RdgHSCRD", &TConf_PFIW::RdgHSCRD)
                                          .Field("RdgPTI", &TConf_PFIW::RdgPTI)
                                          .Field("rdgPFI", &TConf_PFIW::rdgPFI)
                                          .Field("rdgEXI", &TConf_PFIW::rdgEXI)
                                          .Field("cmdRead", &TConf_PFIW::cmdRead)
                                          .Field("cmdSet", &TConf_PFIW::cmdSet)
                                          .Field("BitBtnClose", &TConf_PFIW::BitBtnClose)
                                          .Method("FormShow", &TConf_PFIW::FormShow)
                                          .Method("cmdReadClick", &TConf_PFIW::cmdReadClick)
                                          .Method("cmdSetClick", &TConf_PFIW::cmdSetClick)
                                          .Build();
  return &metaClass;
}

void TConf_PFIW::FormShow(TObject*) {
  FDevice.CopyConnection();
  std::string result;
  ReadPFI(result);
}

void TConf_PFIW::cmdReadClick(TObject*) {
  std::string result;
  ReadPFI(result);
}

void TConf_PFIW::cmdSetClick(TObject*) {
  std::string result;
  SetPFI(result);
}

void TConf_PFIW::ReadPFI(std::string& Result) {
  FDevice.ReadObject(
      "ReadPFI", TExchangeCursor::Unchanged, FDevice.Oid(kGfpObject, kGroup),
      [this](const std::string& value) { ShowGfp(value); }, Result);
}

void TConf_PFIW::ShowGfp(const std::string& value) {
  StringToBytes(value);
  const auto groups = RecordGroups();
  for (size_t k = 0; k < groups.size(); ++k) {
    if (const std::optional<uint8_t> octet = ReplyOctet(k)) ChooseByOctet(*groups[k], *octet);
  }
}

void TConf_PFIW::SetPFI(std::string& Result) {
  std::vector<uint8_t> octets;
  for (const TRadioGroup* group : RecordGroups()) octets.push_back(OctetOfChoice(*group));
  FDevice.SetObjects("SetPFI", TExchangeCursor::Unchanged, {OctetStringItem(FDevice.Oid(kGfpObject, kGroup), octets)},
                     Result);
}
