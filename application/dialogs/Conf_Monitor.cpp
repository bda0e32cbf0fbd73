#include "application/dialogs/Conf_Monitor.h"

#include <windows.h>

#include "application/core/AppUtils.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/rtl/SysUtils.h"

TConf_MonitorW* Conf_MonitorW = nullptr;

namespace {

const char kAddressObject[] = "1.1.3.1.2";
const char kStatusObject[] = "1.1.3.1.6";
const char kUnusedStatus[] = "0";
const char kInformationTitle[] = "Infomation";
constexpr int32_t kInUse = 1;
constexpr int32_t kUnused = 0;

}  // namespace

TClass TConf_MonitorW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_MonitorW>("TConf_MonitorW", TForm::StaticClass())
                                          .Field("Edit1", &TConf_MonitorW::Edit1)
                                          .Field("Edit2", &TConf_MonitorW::Edit2)
                                          .Field("Edit3", &TConf_MonitorW::Edit3)
                                          .Field("Edit4", &TConf_MonitorW::Edit4)
                                          .Field("Edit5", &TConf_MonitorW::Edit5)
                                          .Field("Edit6", &TConf_MonitorW::Edit6)
                                          .Field("cmdRead", &TConf_MonitorW::cmdRead)
                                          .Field("cmdSet", &TConf_MonitorW::cmdSet)
                                          .Field("BitBtnClose", &TConf_MonitorW::BitBtnClose)
                                          .Method("FormShow", &TConf_MonitorW::FormShow)
                                          .Method("cmdReadClick", &TConf_MonitorW::cmdReadClick)
                                          .Method("cmdSetClick", &TConf_MonitorW::cmdSetClick)
                                          .Build();
  return &metaClass;
}

void TConf_MonitorW::FormShow(TObject*) {
  FDevice.CopyConnection();
  std::string result;
  ReadMonitor(result);
}

void TConf_MonitorW::cmdReadClick(TObject*) {
  std::string result;
  ReadMonitor(result);
}

void TConf_MonitorW::cmdSetClick(TObject*) {
  std::string result;
  SetMonitor(result);
}

std::vector<std::string> TConf_MonitorW::StationOids(const std::string& object) const {
  std::vector<std::string> oids;
  for (int entry = 1; entry <= StationCount; ++entry) oids.push_back(FDevice.Oid(object, entry));
  return oids;
}

// A failed address read leaves the edits as they were: there is nothing to
// put in them. The addresses read are shown even when the statuses then
// cannot be read; that failure is left to the status bar.
void TConf_MonitorW::ReadMonitor(std::string& Result) {
  Result = "0";
  FDevice.Run("ReadMonitor", TExchangeCursor::Unchanged, [&] {
    TStringList addresses;
    if (!FDevice.Get(StationOids(kAddressObject), addresses)) {
      ShowExchangeResult("Read failed!");
      return;
    }
    const std::array<TEdit*, StationCount> edits = Edits();
    for (int i = 0; i < StationCount && i < addresses.Count(); ++i) edits[i]->SetText(Trim(addresses[i]));
    TStringList statuses;
    if (!FDevice.Get(StationOids(kStatusObject), statuses)) return;
    for (int i = 0; i < StationCount && i < statuses.Count(); ++i)
      if (statuses[i] == kUnusedStatus) edits[i]->SetText("");
    Result = "1";
    ShowExchangeResult("Read successful!");
  });
}

TEdit* TConf_MonitorW::FirstInvalidAddress() const {
  for (TEdit* edit : Edits()) {
    const std::string address = Trim(edit->Text());
    uint32_t value = 0;
    if (!address.empty() && !TryStrToIP(address, value)) return edit;
  }
  return nullptr;
}

// An empty edit sends an empty address, which travels as 0.0.0.0, and marks
// its entry unused. The statuses go only once the device took the addresses.
void TConf_MonitorW::SetMonitor(std::string& Result) {
  Result = "0";
  if (TEdit* invalid = FirstInvalidAddress()) {
    Application().MessageBox("Invalid IP address!", kInformationTitle, MB_ICONSTOP);
    invalid->SetFocus();
    return;
  }
  std::vector<TSetOid> addresses;
  std::vector<TSetOid> statuses;
  const std::vector<std::string> addressOids = StationOids(kAddressObject);
  const std::vector<std::string> statusOids = StationOids(kStatusObject);
  const std::array<TEdit*, StationCount> edits = Edits();
  for (int i = 0; i < StationCount; ++i) {
    const std::string address = Trim(edits[i]->Text());
    addresses.push_back({addressOids[i], address, ASN1_IPADDRESS});
    statuses.push_back(IntegerItem(statusOids[i], address.empty() ? kUnused : kInUse));
  }
  FDevice.Run("SetMonitor", TExchangeCursor::Unchanged, [&] {
    if (FDevice.Set(addresses) && FDevice.Set(statuses)) {
      Result = "1";
      ShowExchangeResult("Set successful!");
    } else {
      ShowExchangeResult("Set failed!");
    }
  });
}
