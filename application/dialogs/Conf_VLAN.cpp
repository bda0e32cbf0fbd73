#include "application/dialogs/Conf_VLAN.h"

#include <windows.h>

#include <vector>

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/rtl/SysUtils.h"

TConf_VLANW* Conf_VLANW = nullptr;

namespace {

const char kVlanTableObject[] = "2.7.1.8";
const char kVlanEntryObject[] = "2.3.1.2";

// The table as read: one record of five octets per slot.
constexpr size_t kTableRecordLength = 5;
enum TTableOctet : size_t { toIdHigh, toIdLow, toUnused, toMembers, toState };
constexpr uint8_t kSlotUsed = 1;
constexpr uint8_t kSlotFree = 0;

constexpr int kLowestId = 1;
constexpr int kHighestId = 4094;
constexpr int kMemberBits = 8;
constexpr int kCheckedPorts = 5;

enum TListColumn { lcId, lcMembers, lcSlot, lcPriority };
constexpr int kIdWidth = 50;

const char kInformationTitle[] = "Infomation";
constexpr UINT kValidationBox = MB_OK | MB_ICONSTOP;

std::string MemberText(uint8_t members) {
  std::string text;
  for (int bit = 0; bit < kMemberBits; ++bit) {
    if (members & (1 << bit)) text += "ETH" + IntToStr(bit + 1) + ";";
  }
  return text;
}

// Only the ports a row can hold count: ETH1 to ETH5.
uint8_t MembersOfText(const std::string& text) {
  uint8_t members = 0;
  for (int bit = 0; bit < kCheckedPorts; ++bit) {
    if (text.find("ETH" + IntToStr(bit + 1)) != std::string::npos) members |= static_cast<uint8_t>(1 << bit);
  }
  return members;
}

// The entry as set: identifier high and low octet, 0, members, 0, priority, slot state.
std::vector<uint8_t> EntryOctets(int id, uint8_t members, int priority, uint8_t state) {
  return {static_cast<uint8_t>(id / 256),
          static_cast<uint8_t>(id % 256),
          0,
          members,
          0,
          static_cast<uint8_t>(priority),
          state};
}

}  // namespace

TClass TConf_VLANW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_VLANW>("TConf_VLANW", TForm::StaticClass())
                                          .Field("GroupBoxList", &TConf_VLANW::GroupBoxList)
                                          .Field("StringGridvlan", &TConf_VLANW::StringGridvlan)
                                          .Field("GroupBoxAdd", &TConf_VLANW::GroupBoxAdd)
                                          .Field("LabelID", &TConf_VLANW::LabelID)
                                          .Field("EditID", &TConf_VLANW::EditID)
                                          .Field("LabelRange", &TConf_VLANW::LabelRange)
                                          .Field("GroupBoxPorts", &TConf_VLANW::GroupBoxPorts)
                                          .Field("ckbEth1", &TConf_VLANW::ckbEth1)
                                          .Field("ckbEth2", &TConf_VLANW::ckbEth2)
                                          .Field("ckbEth3", &TConf_VLANW::ckbEth3)
                                          .Field("ckbEth4", &TConf_VLANW::ckbEth4)
                                          .Field("ckbEth5", &TConf_VLANW::ckbEth5)
                                          .Field("LabelPRI", &TConf_VLANW::LabelPRI)
                                          .Field("cmbPRI", &TConf_VLANW::cmbPRI)
                                          .Field("cmdAdd", &TConf_VLANW::cmdAdd)
                                          .Field("cmdRead", &TConf_VLANW::cmdRead)
                                          .Field("cmdDel", &TConf_VLANW::cmdDel)
                                          .Field("BitBtnClose", &TConf_VLANW::BitBtnClose)
                                          .Field("Label3", &TConf_VLANW::Label3)
                                          .Method("FormShow", &TConf_VLANW::FormShow)
                                          .Method("cmdReadClick", &TConf_VLANW::cmdReadClick)
                                          .Method("cmdAddClick", &TConf_VLANW::cmdAddClick)
                                          .Method("cmdDelClick", &TConf_VLANW::cmdDelClick)
                                          .Build();
  return &metaClass;
}

// Until the read says otherwise nothing is known of the slots and the list
// is empty: a failed read leaves no rows that a delete could send.
void TConf_VLANW::FormShow(TObject*) {
  StringGridvlan->SetCells(lcId, 0, "VLAN ID");
  StringGridvlan->SetCells(lcMembers, 0, "Ports");
  FDevice.CopyConnection();
  FSlots.fill(TVlanSlot());
  ShowVlanList();
  StringGridvlan->SetColWidths(lcId, kIdWidth);
  std::string result;
  ReadVLANW(result);
  ShowReadResult(result);
}

void TConf_VLANW::cmdReadClick(TObject*) {
  std::string result;
  ReadVLANW(result);
  ShowReadResult(result);
}

void TConf_VLANW::ShowReadResult(const std::string& result) {
  ShowExchangeResult(result == "1" ? "Read successful!" : "Read failed!");
}

// An empty table is a successful read that changes nothing.
void TConf_VLANW::ReadVLANW(std::string& Result) {
  Result = "0";
  FDevice.Run("ReadVLANW", TExchangeCursor::Hourglass, [&] {
    Label3->SetCaption("");
    TStringList values;
    if (!FDevice.Get({FDevice.Oid(kVlanTableObject)}, values)) return;
    if (values.Count() > 0 && !values[0].empty()) ShowSlots(values[0]);
    Result = "1";
  });
}

// Only the records whose five octets all came are taken; the priority is not
// in the table.
void TConf_VLANW::ShowSlots(const std::string& table) {
  StringToBytes(table);
  for (size_t k = 0; k < FSlots.size() && (k + 1) * kTableRecordLength <= ReplyBytes.size(); ++k) {
    const uint8_t* record = &ReplyBytes[k * kTableRecordLength];
    TVlanSlot& slot = FSlots[k];
    slot.State = record[toState] == kSlotUsed   ? TVlanSlotState::Used
                 : record[toState] == kSlotFree ? TVlanSlotState::Free
                                                : TVlanSlotState::Unrecognised;
    slot.Id = record[toIdHigh] * 256 + record[toIdLow];
    slot.Members = record[toMembers];
    slot.Priority = 0;
  }
  ShowVlanList();
}

void TConf_VLANW::ShowVlanList() {
  int row = 0;
  for (size_t k = 0; k < FSlots.size(); ++k) {
    const TVlanSlot& slot = FSlots[k];
    if (slot.State != TVlanSlotState::Used) continue;
    ++row;
    StringGridvlan->SetCells(lcId, row, IntToStr(slot.Id));
    StringGridvlan->SetCells(lcMembers, row, MemberText(slot.Members));
    StringGridvlan->SetCells(lcSlot, row, IntToStr(static_cast<int>(k) + 1));
    StringGridvlan->SetCells(lcPriority, row, IntToStr(slot.Priority));
  }
  StringGridvlan->SetRowCount(row + 1);
}

int TConf_VLANW::FreeSlot() const {
  for (size_t k = 0; k < FSlots.size(); ++k) {
    if (FSlots[k].State == TVlanSlotState::Free || FSlots[k].State == TVlanSlotState::Unknown) {
      return static_cast<int>(k) + 1;
    }
  }
  return 0;
}

// By number, so "0300" or "$12C" is the listed 300.
bool TConf_VLANW::IdExists(int id) const {
  for (const TVlanSlot& slot : FSlots) {
    if (slot.State == TVlanSlotState::Used && slot.Id == id) return true;
  }
  return false;
}

// ETH5 is always checked and cannot be cleared: every VLAN includes it.
uint8_t TConf_VLANW::CheckedMembers() const {
  const TCheckBox* const boxes[kCheckedPorts] = {ckbEth1, ckbEth2, ckbEth3, ckbEth4, ckbEth5};
  uint8_t members = 0;
  for (int bit = 0; bit < kCheckedPorts; ++bit) {
    if (boxes[bit]->Checked()) members |= static_cast<uint8_t>(1 << bit);
  }
  return members;
}

void TConf_VLANW::Refuse(const std::string& text, TWinControl* field) {
  Application().MessageBox(text, kInformationTitle, kValidationBox);
  if (field) field->SetFocus();
}

void TConf_VLANW::cmdAddClick(TObject*) {
  const int slot = FreeSlot();
  if (slot == 0) return Refuse("unknown9");
  int32_t id = 0;
  if (!TryStrToInt(EditID->Text(), id)) return Refuse("Invalid VLAN ID!", EditID);
  if (IdExists(id)) return Refuse("The VLAN ID has been existent,please set that again!", EditID);
  if (id < kLowestId || id > kHighestId) return Refuse("Invalid VLAN ID!", EditID);
  if (!(ckbEth1->Checked() || ckbEth2->Checked() || ckbEth3->Checked() || ckbEth4->Checked())) {
    return Refuse("Please select members of the VLAN!");
  }
  const TVlanSlot entry{TVlanSlotState::Used, id, CheckedMembers(), cmbPRI->ItemIndex()};
  FDevice.Run("cmdAddClick", TExchangeCursor::Hourglass, [&] {
    const std::vector<uint8_t> octets = EntryOctets(entry.Id, entry.Members, entry.Priority, kSlotUsed);
    if (!FDevice.Set({OctetStringItem(FDevice.Oid(kVlanEntryObject, slot), octets)})) {
      ShowExchangeResult("Set failed!");
      return;
    }
    FSlots[slot - 1] = entry;
    ShowVlanList();
    ShowExchangeResult("Set successful!");
  });
}

bool TConf_VLANW::OneEntryRowSelected() const {
  const TGridRect selection = StringGridvlan->Selection();
  return selection.Top == selection.Bottom && selection.Top >= 1 && selection.Top < StringGridvlan->RowCount();
}

// The entry goes as its row shows it, with the slot marked free.
void TConf_VLANW::cmdDelClick(TObject*) {
  if (!OneEntryRowSelected()) {
    ShowExchangeResult("Please select  a recorder!");
    return;
  }
  const int row = StringGridvlan->Selection().Top;
  FDevice.Run("cmdDelClick", TExchangeCursor::Hourglass, [&] {
    const int id = StrToInt(StringGridvlan->Cells(lcId, row));
    const uint8_t members = MembersOfText(StringGridvlan->Cells(lcMembers, row));
    const int slot = StrToInt(StringGridvlan->Cells(lcSlot, row));
    const std::vector<uint8_t> octets = EntryOctets(id, members, 0, kSlotFree);
    if (!FDevice.Set({OctetStringItem(FDevice.Oid(kVlanEntryObject, slot), octets)})) {
      ShowExchangeResult("Set failed!");
      return;
    }
    FSlots.at(slot - 1).State = TVlanSlotState::Free;
    ShowVlanList();
    ShowExchangeResult("Set successful!");
  });
}
