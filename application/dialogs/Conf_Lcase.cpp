#include "application/dialogs/Conf_Lcase.h"

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"

TConf_LcaseW* Conf_LcaseW = nullptr;

namespace {

const char kVcgObject[] = "2.1.1.2";
constexpr int kGroup = 1;

constexpr size_t kVcatOctet = 0;
constexpr size_t kLcasOctet = 1;
constexpr int kEnableItem = 0;
constexpr int kDisableItem = 1;

}  // namespace

TClass TConf_LcaseW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_LcaseW>("TConf_LcaseW", TForm::StaticClass())
                                          .Field("RdgVcat", &TConf_LcaseW::RdgVcat)
                                          .Field("RdgLcase", &TConf_LcaseW::RdgLcase)
                                          .Field("cmdRead", &TConf_LcaseW::cmdRead)
                                          .Field("cmdSet", &TConf_LcaseW::cmdSet)
                                          .Field("BitBtnClose", &TConf_LcaseW::BitBtnClose)
                                          .Method("FormShow", &TConf_LcaseW::FormShow)
                                          .Method("cmdReadClick", &TConf_LcaseW::cmdReadClick)
                                          .Method("cmdSetClick", &TConf_LcaseW::cmdSetClick)
                                          .Method("RdgVcatClick", &TConf_LcaseW::RdgVcatClick)
                                          .Build();
  return &metaClass;
}

void TConf_LcaseW::FormShow(TObject*) {
  FDevice.CopyConnection();
  std::string result;
  ReadLCase(result);
}

void TConf_LcaseW::cmdReadClick(TObject*) {
  std::string result;
  ReadLCase(result);
}

void TConf_LcaseW::cmdSetClick(TObject*) {
  std::string result;
  SetLCase(result);
}

bool TConf_LcaseW::VcatEnabled() const { return RdgVcat->ItemIndex() == kEnableItem; }

void TConf_LcaseW::RdgVcatClick(TObject*) {
  RdgLcase->SetEnabled(VcatEnabled());
  if (!VcatEnabled()) RdgLcase->SetItemIndex(kDisableItem);
}

void TConf_LcaseW::ReadLCase(std::string& Result) {
  FDevice.ReadObject(
      "ReadLCase", TExchangeCursor::Unchanged, FDevice.Oid(kVcgObject, kGroup),
      [this](const std::string& value) { ShowVcg(value); }, Result);
}

// VCAT first: its rule may switch LCAS off, and the device's LCAS octet is
// shown after it even where it cannot be changed.
void TConf_LcaseW::ShowVcg(const std::string& value) {
  StringToBytes(value);
  if (const std::optional<uint8_t> vcat = ReplyOctet(kVcatOctet)) ChooseByOctet(*RdgVcat, *vcat);
  if (const std::optional<uint8_t> lcas = ReplyOctet(kLcasOctet)) ChooseByOctet(*RdgLcase, *lcas);
}

void TConf_LcaseW::SetLCase(std::string& Result) {
  const uint8_t vcat = OctetOfChoice(*RdgVcat);
  const uint8_t lcas = VcatEnabled() ? OctetOfChoice(*RdgLcase) : 0;
  FDevice.SetObjects("SetLCase", TExchangeCursor::Unchanged,
                     {OctetStringItem(FDevice.Oid(kVcgObject, kGroup), {vcat, lcas})}, Result);
}
