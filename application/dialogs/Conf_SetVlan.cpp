#include "application/dialogs/Conf_SetVlan.h"

#include <windows.h>

#include <iterator>
#include <optional>

#include "application/core/AppUtils.h"
#include "application/core/Share.h"
#include "application/dialogs/E1PortGrid.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/rtl/SysUtils.h"

TConf_SetVlanW* Conf_SetVlanW = nullptr;

namespace {

const char kVlanEnableObject[] = "2.7.1.9";
const char kPortVlanObject[] = "2.2.1.4";

// A port's record: identifier high and low octet, mode, a reserved zero, and
// the member ports, bit i for port ETH i+1.
enum TPortVlanOctet : size_t { pvIdHigh, pvIdLow, pvMode, pvReserved, pvMembers };

const char* const kModes[] = {"Access", "Trunk", "Multi"};

const char* const kHeaders[vcCount] = {"Port", "Mode", "VLAN ID", "Priority", "Ports"};
constexpr int kColumnWidths[vcCount] = {42, 80, 60, 50, 170};
constexpr int kPortRowHeight = 21;
// The columns that hold a port's typed texts.
constexpr TVlanColumn kTextColumns[] = {vcMode, vcId, vcPriority};

// The radio group's items, which also caption the page of the side shown.
const char* const kSideNames[] = {"Output", "Input"};
constexpr int kOutputItem = 0;
constexpr int kInputItem = 1;
constexpr int kOutputPorts = 4;
constexpr int kInputPort = 5;

constexpr int kLowestId = 1;
constexpr int kHighestId = 4094;

constexpr int kEnableItem = 0;
constexpr int kDisableItem = 1;
const char kEnabledValue[] = "1";
const char kDisabledValue[] = "0";

const char kErrorTitle[] = "Error";
constexpr UINT kValidationBox = MB_OK | MB_ICONSTOP;

// Typing in a cell: the grid edits, with its editor always up.
const TGridOptions kEditOptions{goFixedVertLine, goFixedHorzLine, goVertLine,        goHorzLine,
                                goRangeSelect,   goEditing,       goAlwaysShowEditor};

// Any other text in the mode cell, an empty one included, goes as access.
uint8_t ModeNumber(const std::string& text) {
  for (size_t mode = 0; mode < std::size(kModes); ++mode) {
    if (text == kModes[mode]) return static_cast<uint8_t>(mode);
  }
  return 0;
}

// A mode the dialog does not know leaves the cell empty.
std::string ModeText(uint8_t mode) { return mode < std::size(kModes) ? kModes[mode] : ""; }

std::vector<uint8_t> PortVlanOctets(int id, uint8_t mode, uint8_t members) {
  return {static_cast<uint8_t>(id / 256), static_cast<uint8_t>(id % 256), mode, 0, members};
}

bool IsVlanId(const std::string& text) {
  if (!IsInteger(text)) return false;
  const int id = StrToInt(text);
  return id >= kLowestId && id <= kHighestId;
}

// Only a checked item makes its port a member; a grayed one does not.
uint8_t MemberMask(const TcxCustomCheckComboBox& box) {
  uint8_t mask = 0;
  for (int item = 0; item < kVlanPortCount; ++item) {
    if (box.GetItemState(item) == cbsChecked) mask |= static_cast<uint8_t>(1 << item);
  }
  return mask;
}

void ShowMembers(TcxCustomCheckComboBox& box, uint8_t mask) {
  for (int item = 0; item < kVlanPortCount; ++item) {
    box.SetItemState(item, (mask & (1 << item)) ? cbsChecked : cbsUnchecked);
  }
}

}  // namespace

TClass TConf_SetVlanW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_SetVlanW>("TConf_SetVlanW", TForm::StaticClass())
                                          .Field("PgcVlan", &TConf_SetVlanW::PgcVlan)
                                          .Field("TabSheetEnable", &TConf_SetVlanW::TabSheetEnable)
                                          .Field("RdgEnable", &TConf_SetVlanW::RdgEnable)
                                          .Field("TabSheetConfig", &TConf_SetVlanW::TabSheetConfig)
                                          .Field("RDGVlan", &TConf_SetVlanW::RDGVlan)
                                          .Field("PgcPorts", &TConf_SetVlanW::PgcPorts)
                                          .Field("TbsVlan", &TConf_SetVlanW::TbsVlan)
                                          .Field("StringGridVlan", &TConf_SetVlanW::StringGridVlan)
                                          .Field("chkPort1", &TConf_SetVlanW::chkPort1)
                                          .Field("chkPort2", &TConf_SetVlanW::chkPort2)
                                          .Field("chkPort3", &TConf_SetVlanW::chkPort3)
                                          .Field("chkPort4", &TConf_SetVlanW::chkPort4)
                                          .Field("chkPort5", &TConf_SetVlanW::chkPort5)
                                          .Field("PopupMenu1", &TConf_SetVlanW::PopupMenu1)
                                          .Field("cmdRead", &TConf_SetVlanW::cmdRead)
                                          .Field("cmdSet", &TConf_SetVlanW::cmdSet)
                                          .Field("BitBtnClose", &TConf_SetVlanW::BitBtnClose)
                                          .Method("FormShow", &TConf_SetVlanW::FormShow)
                                          .Method("cmdReadClick", &TConf_SetVlanW::cmdReadClick)
                                          .Method("cmdSetClick", &TConf_SetVlanW::cmdSetClick)
                                          .Method("RDGVlanClick", &TConf_SetVlanW::RDGVlanClick)
                                          .Method("StringGridVlanSelectCell", &TConf_SetVlanW::StringGridVlanSelectCell)
                                          .Build();
  return &metaClass;
}

void TConf_SetVlanW::FormShow(TObject*) {
  SetUpGrid();
  RDGVlan->Items().Clear();
  for (const char* name : kSideNames) RDGVlan->Items().Add(name);
  RDGVlan->SetItemIndex(kOutputItem);
  ShowSide(TVlanSide::Output);
  FDevice.CopyConnection();
  std::string result;
  ReadVlanConfig(TVlanReadScope::All, result);
  ShowReadResult(result);
}

void TConf_SetVlanW::SetUpGrid() {
  for (int column = 0; column < vcCount; ++column) {
    StringGridVlan->SetCells(column, 0, kHeaders[column]);
    StringGridVlan->SetColWidths(column, kColumnWidths[column]);
  }
}

void TConf_SetVlanW::cmdReadClick(TObject*) {
  const bool enablePage = PgcVlan->ActivePage() == TabSheetEnable;
  std::string result;
  ReadVlanConfig(enablePage ? TVlanReadScope::Enable : TVlanReadScope::ShownPorts, result);
  ShowReadResult(result);
}

void TConf_SetVlanW::cmdSetClick(TObject*) {
  std::string result;
  if (PgcVlan->ActivePage() == TabSheetEnable) {
    SetVlanEnable(result);
  } else {
    SetVlanConfig(result);
  }
}

void TConf_SetVlanW::ShowReadResult(const std::string& result) {
  ShowExchangeResult(result == "1" ? "Read successful!" : "Read failed!");
}

// An exception leaves Result "0": the read did not end.
void TConf_SetVlanW::ReadVlanConfig(TVlanReadScope scope, std::string& Result) {
  Result = "0";
  FDevice.Run("ReadVlanConfig", TExchangeCursor::Hourglass, [&] {
    if (scope != TVlanReadScope::ShownPorts && !ReadEnable()) return;
    if (scope != TVlanReadScope::Enable) {
      const bool all = scope == TVlanReadScope::All;
      const int first = all ? 1 : PortOfRow(1);
      const int last = all ? kVlanPortCount : PortOfRow(RowCountOf(FSide));
      for (int port = first; port <= last; ++port) {
        if (!ReadPort(port)) return;
      }
    }
    Result = "1";
  });
}

// Any value but 1 and 0 leaves the choice as it was.
bool TConf_SetVlanW::ReadEnable() {
  TStringList values;
  if (!FDevice.Get({FDevice.Oid(kVlanEnableObject)}, values)) return false;
  const std::string value = values.Count() > 0 ? values[0] : "";
  if (value == kEnabledValue) RdgEnable->SetItemIndex(kEnableItem);
  if (value == kDisabledValue) RdgEnable->SetItemIndex(kDisableItem);
  return true;
}

bool TConf_SetVlanW::ReadPort(int port) {
  TStringList values;
  if (!FDevice.Get({FDevice.Oid(kPortVlanObject, port)}, values)) return false;
  if (values.Count() > 0 && !values[0].empty()) ShowPortVlan(port, values[0]);
  return true;
}

// The port's row and box show what the device keeps, so a set sends it back
// unchanged; only the fields whose octets came are shown.
void TConf_SetVlanW::ShowPortVlan(int port, const std::string& value) {
  StringToBytes(value);
  const std::optional<uint8_t> high = ReplyOctet(pvIdHigh);
  const std::optional<uint8_t> low = ReplyOctet(pvIdLow);
  if (high && low) SetPortText(port, vcId, IntToStr(*high * 256 + *low));
  if (const std::optional<uint8_t> mode = ReplyOctet(pvMode)) SetPortText(port, vcMode, ModeText(*mode));
  if (const std::optional<uint8_t> members = ReplyOctet(pvMembers)) ShowMembers(MemberBox(port), *members);
}

void TConf_SetVlanW::SetPortText(int port, TVlanColumn column, const std::string& text) {
  const int row = RowOfPort(port);
  if (row != 0) {
    StringGridVlan->SetCells(column, row, text);
  } else {
    FKeptRows[port - 1][column] = text;
  }
}

void TConf_SetVlanW::SetVlanEnable(std::string& Result) {
  const int32_t value = RdgEnable->ItemIndex() == kEnableItem ? 1 : 0;
  FDevice.SetObjects("SetVlanEnable", TExchangeCursor::Hourglass, {IntegerItem(FDevice.Oid(kVlanEnableObject), value)},
                     Result);
}

// Every identifier shown is checked before anything is sent; then one
// request per port in port order, the first failure ending the sequence.
void TConf_SetVlanW::SetVlanConfig(std::string& Result) {
  Result = "0";
  if (!IdsValid()) {
    Application().MessageBox("Invalid VLAN ID!", kErrorTitle, kValidationBox);
    return;
  }
  FDevice.Run("SetVlanConfig", TExchangeCursor::Hourglass, [&] {
    for (int row = 1; row <= RowCountOf(FSide); ++row) {
      const std::string oid = FDevice.Oid(kPortVlanObject, PortOfRow(row));
      if (!FDevice.Set({OctetStringItem(oid, PortRecord(row))})) {
        ShowExchangeResult("Set failed!");
        return;
      }
    }
    Result = "1";
    ShowExchangeResult("Set successful!");
  });
}

bool TConf_SetVlanW::IdsValid() const {
  for (int row = 1; row <= RowCountOf(FSide); ++row) {
    if (!IsVlanId(StringGridVlan->Cells(vcId, row))) return false;
  }
  return true;
}

std::vector<uint8_t> TConf_SetVlanW::PortRecord(int row) const {
  const int id = StrToInt(StringGridVlan->Cells(vcId, row));
  const uint8_t mode = ModeNumber(StringGridVlan->Cells(vcMode, row));
  return PortVlanOctets(id, mode, MemberMask(MemberBox(PortOfRow(row))));
}

void TConf_SetVlanW::RDGVlanClick(TObject*) { ShowSide(ChosenSide()); }

TVlanSide TConf_SetVlanW::ChosenSide() const {
  return RDGVlan->ItemIndex() == kInputItem ? TVlanSide::Input : TVlanSide::Output;
}

// The rows of the side that goes keep their texts for its return; the port
// rows of the side that comes get theirs back.
void TConf_SetVlanW::ShowSide(TVlanSide side) {
  KeepShownRows();
  FSide = side;
  TbsVlan->SetCaption(kSideNames[side == TVlanSide::Input ? kInputItem : kOutputItem]);
  StringGridVlan->SetRowCount(RowCountOf(side) + 1);
  ShowKeptRows();
  for (int port = 1; port <= kVlanPortCount; ++port) MemberBox(port).SetVisible(false);
  for (int row = 1; row <= RowCountOf(side); ++row) PlaceMemberBox(PortOfRow(row), row);
}

void TConf_SetVlanW::KeepShownRows() {
  for (int row = 1; row <= RowCountOf(FSide); ++row) {
    for (TVlanColumn column : kTextColumns) FKeptRows[PortOfRow(row) - 1][column] = StringGridVlan->Cells(column, row);
  }
}

// Port 5 shows in the first row under the label of that row.
void TConf_SetVlanW::ShowKeptRows() {
  for (int row = 1; row <= RowCountOf(FSide); ++row) {
    StringGridVlan->SetRowHeights(row, kPortRowHeight);
    StringGridVlan->SetCells(vcPort, row, "ETH" + IntToStr(row));
    for (TVlanColumn column : kTextColumns)
      StringGridVlan->SetCells(column, row, FKeptRows[PortOfRow(row) - 1][column]);
  }
}

int TConf_SetVlanW::RowCountOf(TVlanSide side) const { return side == TVlanSide::Input ? 1 : kOutputPorts; }

int TConf_SetVlanW::PortOfRow(int row) const { return FSide == TVlanSide::Input ? kInputPort : row; }

int TConf_SetVlanW::RowOfPort(int port) const {
  if (FSide == TVlanSide::Input) return port == kInputPort ? 1 : 0;
  return port == kInputPort ? 0 : port;
}

TcxCheckComboBox& TConf_SetVlanW::MemberBox(int port) const {
  TcxCheckComboBox* const boxes[kVlanPortCount] = {chkPort1, chkPort2, chkPort3, chkPort4, chkPort5};
  return *boxes[port - 1];
}

// The box lies over the row's "Ports" cell, above the grid.
void TConf_SetVlanW::PlaceMemberBox(int port, int row) {
  const TRect cell = StringGridVlan->CellRect(vcPorts, row);
  const POINT topLeft = TbsVlan->ScreenToClient(StringGridVlan->ClientToScreen(POINT{cell.left, cell.top}));
  TcxCheckComboBox& box = MemberBox(port);
  box.SetBounds(topLeft.x, topLeft.y, cell.right - cell.left, cell.bottom - cell.top);
  box.SetVisible(true);
  box.BringToFront();
}

void TConf_SetVlanW::StringGridVlanSelectCell(TObject*, int ACol, int, bool& CanSelect) {
  CanSelect = true;
  switch (ACol) {
    case vcMode:
      PreparePortGridPopup(*StringGridVlan, *PopupMenu1, true, {std::begin(kModes), std::end(kModes)},
                           [this](TObject* Sender) { ModeItemClick(Sender); });
      break;
    case vcPriority: LetPortGridChooseOnly(*StringGridVlan); break;
    default:
      StringGridVlan->SetOptions(kEditOptions);
      StringGridVlan->SetPopupMenu(nullptr);
      break;
  }
}

void TConf_SetVlanW::ModeItemClick(TObject* Sender) {
  FillPortGridSelection(*StringGridVlan, static_cast<TMenuItem*>(Sender)->Caption());
}
