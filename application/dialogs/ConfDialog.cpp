#include "application/dialogs/ConfDialog.h"

#include <windows.h>

#include <exception>

#include "application/core/CommClass.h"
#include "application/core/ExchangeGuard.h"
#include "application/core/Share.h"
#include "platform/controls/core/Application.h"
#include "platform/rtl/SysUtils.h"

namespace {

const char kEnterprisePrefix[] = "1.3.6.1.4.1.6215.1.4.1";
const char kInformationTitle[] = "Infomation";
const char kErrorTitle[] = "Error";
// Result and error boxes: an OK button and no icon.
constexpr UINT kPlainBox = 0;

constexpr uint8_t kFirstItemOctet = 1;
constexpr uint8_t kSecondItemOctet = 0;
constexpr int kFirstItem = 0;
constexpr int kSecondItem = 1;

}  // namespace

void TConfExchange::CopyConnection() {
  FConnection.DeviceId = CurrentDevice.ID;
  FConnection.NeAddress = IntToStr(CurrentDevice.Addr);
  FConnection.Host = CurrentDevice.IP;
  FConnection.SnmpVersion = CurrentDevice.SNMPVer;
  FConnection.ReadCommunity = CurrentDevice.CommunityRd;
  if (FSetCommunity == TSetCommunity::Write) FConnection.WriteCommunity = CurrentDevice.CommunityWr;
}

std::string TConfExchange::Oid(const std::string& object) const {
  return std::string(kEnterprisePrefix) + "." + object + "." + FConnection.NeAddress;
}

std::string TConfExchange::Oid(const std::string& object, int index) const {
  return Oid(object) + "." + IntToStr(index);
}

void TConfExchange::Run(const std::string& routine, TExchangeCursor cursor, const std::function<void()>& exchange) {
  const TExchangeGuard busy(FDialog, cursor == TExchangeCursor::Hourglass);
  try {
    exchange();
  } catch (const std::exception& error) {
    Application().MessageBox(FDialog.Caption() + "  " + routine + "\r\n" + error.what(), kErrorTitle, kPlainBox);
  }
}

bool TConfExchange::Get(const std::vector<std::string>& oids, TStringList& values) const {
  TStringList oidList;
  for (const std::string& oid : oids) oidList.Add(oid);
  std::string result;
  CommClassW->SnmpGet(FConnection.SnmpVersion, FConnection.ReadCommunity, FConnection.Host, oidList, values, result);
  return result == "1";
}

bool TConfExchange::Set(const std::vector<TSetOid>& items) const {
  const std::string& community =
      FSetCommunity == TSetCommunity::Write ? FConnection.WriteCommunity : FConnection.ReadCommunity;
  std::string result;
  CommClassW->SnmpSet(FConnection.SnmpVersion, community, FConnection.Host, items, result);
  return result == "1";
}

void TConfExchange::ReadObject(const std::string& routine, TExchangeCursor cursor, const std::string& oid,
                               const std::function<void(const std::string& value)>& decode, std::string& Result) {
  Result = "0";
  Run(routine, cursor, [&] {
    TStringList values;
    if (!Get({oid}, values)) {
      ShowExchangeResult("Read failed!");
      return;
    }
    if (values.Count() == 0 || values[0].empty()) return;
    decode(values[0]);
    Result = "1";
    ShowExchangeResult("Read successful!");
  });
}

void TConfExchange::SetObjects(const std::string& routine, TExchangeCursor cursor, const std::vector<TSetOid>& items,
                               std::string& Result) {
  Result = "0";
  Run(routine, cursor, [&] {
    if (Set(items)) {
      Result = "1";
      ShowExchangeResult("Set successful!");
    } else {
      ShowExchangeResult("Set failed!");
    }
  });
}

void ShowExchangeResult(const std::string& text) { Application().MessageBox(text, kInformationTitle, kPlainBox); }

std::optional<uint8_t> ReplyOctet(size_t k) {
  if (k >= ReplyBytes.size()) return std::nullopt;
  return ReplyBytes[k];
}

TSetOid OctetStringItem(const std::string& oid, const std::vector<uint8_t>& octets) {
  return {oid, std::string(octets.begin(), octets.end()), ASN1_OCTET_STRING};
}

TSetOid IntegerItem(const std::string& oid, int32_t value) { return {oid, value, ASN1_INTEGER}; }

void ChooseByOctet(TRadioGroup& group, uint8_t octet) {
  if (octet == kFirstItemOctet) group.SetItemIndex(kFirstItem);
  if (octet == kSecondItemOctet) group.SetItemIndex(kSecondItem);
}

void CheckByOctet(TCheckBox& box, uint8_t octet) {
  if (octet == kFirstItemOctet) box.SetChecked(true);
  if (octet == kSecondItemOctet) box.SetChecked(false);
}

uint8_t OctetOfChoice(const TRadioGroup& group) {
  return group.ItemIndex() == kFirstItem ? kFirstItemOctet : kSecondItemOctet;
}

uint8_t OctetOfCheck(const TCheckBox& box) { return box.Checked() ? kFirstItemOctet : kSecondItemOctet; }
