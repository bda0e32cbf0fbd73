#include "application/dialogs/Conf_FlowCon.h"

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"

TConf_FlowConW* Conf_FlowConW = nullptr;

namespace {

// The object that also carries the E1 loopback record: the pause setting is
// written as one octet, and read back from every octet of the record.
const char kPauseObject[] = "2.7.1.2";

}  // namespace

TClass TConf_FlowConW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_FlowConW>("TConf_FlowConW", TForm::StaticClass())
                                          .Field("RDGEnable", &TConf_FlowConW::RDGEnable)
                                          .Field("Button1", &TConf_FlowConW::Button1)
                                          .Field("Button2", &TConf_FlowConW::Button2)
                                          .Field("BitBtn2", &TConf_FlowConW::BitBtn2)
                                          .Method("FormShow", &TConf_FlowConW::FormShow)
                                          .Method("Button1Click", &TConf_FlowConW::Button1Click)
                                          .Method("Button2Click", &TConf_FlowConW::Button2Click)
                                          .Build();
  return &metaClass;
}

void TConf_FlowConW::FormShow(TObject*) { FDevice.CopyConnection(); }

void TConf_FlowConW::Button1Click(TObject*) {
  std::string result;
  ReadPause(result);
}

void TConf_FlowConW::Button2Click(TObject*) {
  std::string result;
  SetPause(result);
}

void TConf_FlowConW::ReadPause(std::string& Result) { ReadPauseInto(FDevice, *RDGEnable, Result); }

void TConf_FlowConW::SetPause(std::string& Result) { SetPauseFrom(FDevice, *RDGEnable, Result); }

// Every octet that is 0 or 1 chooses in turn, so the last such octet
// decides; an empty value is still a successful read.
void ReadPauseInto(TConfExchange& device, TRadioGroup& group, std::string& Result) {
  Result = "0";
  device.Run("ReadPause", TExchangeCursor::Unchanged, [&] {
    TStringList values;
    if (!device.Get({device.Oid(kPauseObject)}, values)) {
      ShowExchangeResult("Read failed!");
      return;
    }
    StringToBytes(values.Count() > 0 ? values[0] : std::string());
    for (uint8_t octet : ReplyBytes) ChooseByOctet(group, octet);
    Result = "1";
    ShowExchangeResult("Read successful!");
  });
}

void SetPauseFrom(TConfExchange& device, const TRadioGroup& group, std::string& Result) {
  device.SetObjects("SetPause", TExchangeCursor::Unchanged,
                    {OctetStringItem(device.Oid(kPauseObject), {OctetOfChoice(group)})}, Result);
}
