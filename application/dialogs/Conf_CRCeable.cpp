#include "application/dialogs/Conf_CRCeable.h"

#include "platform/classes/ClassBuilder.h"

TConf_CRCeableW* Conf_CRCeableW = nullptr;

namespace {

const char kErrorOverObject[] = "2.7.1.11";
constexpr int kEnableItem = 0;
constexpr int kDisableItem = 1;

}  // namespace

TClass TConf_CRCeableW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_CRCeableW>("TConf_CRCeableW", TForm::StaticClass())
                                          .Field("RdgCrc", &TConf_CRCeableW::RdgCrc)
                                          .Field("cmdRead", &TConf_CRCeableW::cmdRead)
                                          .Field("cmdSet", &TConf_CRCeableW::cmdSet)
                                          .Field("BitBtnClose", &TConf_CRCeableW::BitBtnClose)
                                          .Method("FormShow", &TConf_CRCeableW::FormShow)
                                          .Method("cmdReadClick", &TConf_CRCeableW::cmdReadClick)
                                          .Method("cmdSetClick", &TConf_CRCeableW::cmdSetClick)
                                          .Build();
  return &metaClass;
}

void TConf_CRCeableW::FormShow(TObject*) {
  FDevice.CopyConnection();
  std::string result;
  ReadCRCeable(result);
}

void TConf_CRCeableW::cmdReadClick(TObject*) {
  std::string result;
  ReadCRCeable(result);
}

void TConf_CRCeableW::cmdSetClick(TObject*) {
  std::string result;
  SetCRCeable(result);
}

// The setting is an INTEGER: "1" is on, anything else off.
void TConf_CRCeableW::ReadCRCeable(std::string& Result) {
  FDevice.ReadObject(
      "ReadCRCeable", TExchangeCursor::Unchanged, FDevice.Oid(kErrorOverObject),
      [this](const std::string& value) { RdgCrc->SetItemIndex(value == "1" ? kEnableItem : kDisableItem); }, Result);
}

// Nothing is chosen only when no read succeeded: the device's setting is
// unknown then, and guessing one would change it behind the operator's back.
void TConf_CRCeableW::SetCRCeable(std::string& Result) {
  if (RdgCrc->ItemIndex() < 0) {
    // Not Result = "0": GCC 12 warns falsely of an overlapping copy here.
    Result.assign(1, '0');
    return;
  }
  FDevice.SetObjects("SetCRCeable", TExchangeCursor::Unchanged,
                     {IntegerItem(FDevice.Oid(kErrorOverObject), OctetOfChoice(*RdgCrc))}, Result);
}
