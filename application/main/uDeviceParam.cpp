#include "application/main/uDeviceParam.h"

#include <optional>

#include "application/core/Share.h"
#include "application/main/Main.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/rtl/SysUtils.h"

namespace {

// Every device saved from this dialog counts as the standard device type again.
constexpr char kStandardType[] = "11";
constexpr int kIpPanel = 0;

constexpr char kLineBreaks[] = "\r\n";

// The inventory holds one setting per line: a line break would start another
// setting, or another device's section.
bool FitsOnOneLine(const std::string& text) { return text.find_first_of(kLineBreaks) == std::string::npos; }

// The inventory names its sections in brackets, one per line, and a line
// starting with ";" is a comment: such a name would not come back as written.
bool FitsAsSectionName(const std::string& name) {
  return !name.empty() && name.front() != ';' && name.find_first_of("[]=") == std::string::npos && FitsOnOneLine(name);
}

bool IsWrittenInDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// An NE address is written in digits, blanks around them aside, within the
// field's bounds; the spin would take any other text as its minimum, and the
// device would be saved with an address nobody gave it. A line break is
// refused as in the other fields.
std::optional<int> AddressIn(const TSpinEdit& field) {
  const std::string text = field.Text();
  const std::string digits = Trim(text);
  int32_t address = 0;
  if (!FitsOnOneLine(text) || !IsWrittenInDigits(digits) || !TryStrToInt(digits, address)) return std::nullopt;
  if (address < field.MinValue() || address > field.MaxValue()) return std::nullopt;
  return address;
}

}  // namespace

TClass TDeviceParam::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TDeviceParam>("TDeviceParam", TForm::StaticClass())
                                          .Field("EditName", &TDeviceParam::EditName)
                                          .Field("EditIP", &TDeviceParam::EditIP)
                                          .Field("SpinEditAddr", &TDeviceParam::SpinEditAddr)
                                          .Field("EditCommunityRead", &TDeviceParam::EditCommunityRead)
                                          .Field("cmbSnmpVertion", &TDeviceParam::cmbSnmpVertion)
                                          .Field("EditCommunityWrite", &TDeviceParam::EditCommunityWrite)
                                          .Field("BitBtnOk", &TDeviceParam::BitBtnOk)
                                          .Field("BitBtnClose", &TDeviceParam::BitBtnClose)
                                          .Method("FormShow", &TDeviceParam::FormShow)
                                          .Method("BitBtnOkClick", &TDeviceParam::BitBtnOkClick)
                                          .Build();
  return &metaClass;
}

void TDeviceParam::FormShow(TObject* /*Sender*/) {
  FOwnName = CurrentDevice.Name;
  SpinEditAddr->SetValue(CurrentDevice.Addr);
  EditName->SetText(CurrentDevice.Name);
  EditIP->SetText(CurrentDevice.IP);
  EditCommunityRead->SetText(CurrentDevice.CommunityRd);
  EditCommunityWrite->SetText(CurrentDevice.CommunityWr);
  cmbSnmpVertion->SetItemIndex(CurrentDevice.SNMPVer);
}

// A failed check keeps the dialog open, so the operator can mend the entry
// instead of losing it; Close stays the way out without saving. An IP of
// blanks only would be saved as no address at all, so it counts as empty.
void TDeviceParam::BitBtnOkClick(TObject* /*Sender*/) {
  const std::string name = Trim(EditName->Text());
  const std::string ip = Trim(EditIP->Text());
  const std::optional<int> address = AddressIn(*SpinEditAddr);
  if (!NameIsValid(name))
    RefuseEntry(*EditName, "Invalid NE name!");
  else if (ip.empty() || !FitsOnOneLine(ip))
    RefuseEntry(*EditIP, "Invalid IP address!");
  else if (!address)
    RefuseEntry(*SpinEditAddr, "Invalid NE address!");
  else if (!FitsOnOneLine(EditCommunityRead->Text()))
    RefuseEntry(*EditCommunityRead, "Invalid read community!");
  else if (!FitsOnOneLine(EditCommunityWrite->Text()))
    RefuseEntry(*EditCommunityWrite, "Invalid write community!");
  else
    StoreDevice(name, *address);
}

void TDeviceParam::RefuseEntry(TWinControl& field, const std::string& message) {
  SetModalResult(mrNone);
  ShowMessage(message);
  field.SetFocus();
}

bool TDeviceParam::NameIsValid(const std::string& name) const {
  return FitsAsSectionName(name) && NameIsFreeInInventory(name);
}

// Saving under another device's section would overwrite that device.
bool TDeviceParam::NameIsFreeInInventory(const std::string& name) const {
  if (!FInventory || SameText(name, FOwnName)) return true;
  return !FInventory->SectionExists(name);
}

void TDeviceParam::StoreDevice(const std::string& name, int address) {
  CurrentDevice.NETID = MakeTimestampId();
  CurrentDevice.ID = MakeTimestampId();
  CurrentDevice.Addr = address;
  CurrentDevice.IP = Trim(EditIP->Text());
  CurrentDevice.Name = name;
  CurrentDevice.CommunityRd = EditCommunityRead->Text();
  CurrentDevice.CommunityWr = EditCommunityWrite->Text();
  CurrentDevice.SNMPVer = cmbSnmpVertion->ItemIndex();
  CurrentDevice.Type = kStandardType;
  if (MainW) MainW->StatusBar->Panels().Items(kIpPanel).SetText(CurrentDevice.IP);
}
