#include "application/dialogs/Conf_ProMode.h"

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"

TConf_ProModeW* Conf_ProModeW = nullptr;

namespace {

const char kVersionObject[] = "1.1.1.11";
const char kModeObject[] = "1.1.1.10";
// Versions before this one know a single protocol mode.
constexpr uint8_t kFirstVersionWithModes = 0xF2;
constexpr size_t kVersionOctets = 2;
constexpr int32_t kModeA = 1;
constexpr int32_t kModeB = 0;

}  // namespace

TClass TConf_ProModeW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_ProModeW>("TConf_ProModeW", TForm::StaticClass())
                                          .Field("EditProVer", &TConf_ProModeW::EditProVer)
                                          .Field("RadioGroup1", &TConf_ProModeW::RadioGroup1)
                                          .Field("RadioButton1", &TConf_ProModeW::RadioButton1)
                                          .Field("RadioButton2", &TConf_ProModeW::RadioButton2)
                                          .Field("cmdRead", &TConf_ProModeW::cmdRead)
                                          .Field("cmdSet", &TConf_ProModeW::cmdSet)
                                          .Field("BitBtnClose", &TConf_ProModeW::BitBtnClose)
                                          .Method("FormShow", &TConf_ProModeW::FormShow)
                                          .Method("cmdReadClick", &TConf_ProModeW::cmdReadClick)
                                          .Method("cmdSetClick", &TConf_ProModeW::cmdSetClick)
                                          .Build();
  return &metaClass;
}

void TConf_ProModeW::FormShow(TObject*) {
  FDevice.CopyConnection();
  std::string result;
  GetProMode(result);
}

void TConf_ProModeW::cmdReadClick(TObject*) {
  std::string result;
  GetProMode(result);
}

void TConf_ProModeW::cmdSetClick(TObject*) {
  std::string result;
  SetProMode(result);
}

// A value too short to hold a version decodes nothing and shows nothing, as
// an empty value does.
void TConf_ProModeW::GetProMode(std::string& Result) {
  Result = "0";
  FDevice.Run("GetProMode", TExchangeCursor::Unchanged, [&] {
    TStringList values;
    if (!FDevice.Get({FDevice.Oid(kVersionObject)}, values)) {
      ShowExchangeResult("Read failed!");
      return;
    }
    if (values.Count() == 0 || values[0].size() < kVersionOctets) return;
    if (ShowVersion(values[0])) {
      ReadMode(Result);
      return;
    }
    Result = "1";
    ShowExchangeResult("Read successful!");
  });
}

bool TConf_ProModeW::ShowVersion(const std::string& value) {
  StringToBytes(value);
  EditProVer->SetText("V" + IntToHex(ReplyBytes[0], 2) + "." + IntToHex(ReplyBytes[1], 2));
  const bool hasModes = ReplyBytes[0] >= kFirstVersionWithModes;
  if (!hasModes) EnableModeChoice(false);
  return hasModes;
}

void TConf_ProModeW::EnableModeChoice(bool enabled) {
  RadioButton1->SetEnabled(enabled);
  RadioButton2->SetEnabled(enabled);
  RadioGroup1->SetEnabled(enabled);
  cmdSet->SetEnabled(enabled);
}

// The device has told its version already: a failed mode read is left to
// the status bar.
void TConf_ProModeW::ReadMode(std::string& Result) {
  TStringList values;
  if (!FDevice.Get({FDevice.Oid(kModeObject)}, values)) return;
  EnableModeChoice(true);
  if (values.Count() == 0 || values[0].empty()) return;
  if (values[0] == IntToStr(kModeA))
    RadioButton1->SetChecked(true);
  else
    RadioButton2->SetChecked(true);
  Result = "1";
  ShowExchangeResult("Read successful!");
}

void TConf_ProModeW::SetProMode(std::string& Result) {
  if (!RadioGroup1->Enabled()) {
    // Not Result = "0": GCC 12 warns falsely of an overlapping copy here.
    Result.assign(1, '0');
    return;
  }
  const int32_t mode = RadioButton1->Checked() ? kModeA : kModeB;
  FDevice.SetObjects("SetProMode", TExchangeCursor::Unchanged, {IntegerItem(FDevice.Oid(kModeObject), mode)}, Result);
}
