#include "application/dialogs/Conf_Operation.h"

#include <vector>

#include "application/core/AppUtils.h"
#include "application/core/Share.h"
#include "application/dialogs/Conf_FlowCon.h"
#include "application/dialogs/E1PortGrid.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"

TConf_OperationW* Conf_OperationW = nullptr;

namespace {

const char kLoopbackObject[] = "2.7.1.2";
// The VCG record without its index: the device's only group.
const char kVcgObject[] = "2.1.1.2";

constexpr int kValueColumn = 1;
constexpr int kHeaderRow = 0;

// The grids' Chinese texts, as the octets of code page 936 (GBK).
const char kObjectText[] = "\xB6\xD4\xCF\xF3";                           // object
const char kEnableText[] = "\xCA\xB9\xC4\xDC";                           // enable
const char kLoopbackText[] = "\xBB\xB7\xBB\xD8";                         // loopback
const char kMembersText[] = "\xB3\xC9\xD4\xB1";                          // members
const char kUserPortText[] = "\xD3\xC3\xBB\xA7\xB6\xCB\xBF\xDA";         // user port
const char kAggregationPortText[] = "\xBB\xE3\xBE\xDB\xB6\xCB\xBF\xDA";  // aggregation port

const char* const kEthernetPortNames[] = {"FX1", "ETH2", "ETH3", "ETH4"};
const char* const kPortVlanHeaders[] = {"---1", "---1 ", " VLAN ID ", "---1"};
constexpr int kUserPortItem = 0;
constexpr int kUserPortRows = 5;
constexpr int kUserPortLastCol = 4;
constexpr int kAggregationPortRows = 2;
const char kNoEntry[] = "---";
const char kAggregationGroup[] = "VCG 1";

const std::vector<std::string> kEnableChoices = {"Enable", "Disable"};
const std::vector<std::string> kLoopChoices = {"None", "Loop"};
const std::vector<std::string> kPortVlanModes = {"Access", "Tag Aware", "Hybrid", "unTag"};

const char kLoop[] = "Loop";
const char kNone[] = "None";
constexpr uint8_t kLooped = 1;
constexpr uint8_t kNotLooped = 0;
// The VCG record: VCAT always on, then LCAS.
constexpr uint8_t kVcatOn = 1;
constexpr size_t kLcasOctet = 1;

// Outside the mode column of the port VLAN grid the operator types.
const TGridOptions kTypingOptions{goFixedVertLine, goFixedHorzLine, goVertLine,        goHorzLine,
                                  goRangeSelect,   goEditing,       goAlwaysShowEditor};

std::string PortGridHeader(const char* valueHeader) { return std::string(kObjectText) + "@" + valueHeader; }

}  // namespace

TClass TConf_OperationW::StaticClass() {
  using W = TConf_OperationW;
  static const TMetaClass metaClass = TClassBuilder<W>("TConf_OperationW", TForm::StaticClass())
                                          .Field("PageControl1", &W::PageControl1)
                                          .Field("TabSheet1", &W::TabSheet1)
                                          .Field("TabSheet2", &W::TabSheet2)
                                          .Field("TabSheet3", &W::TabSheet3)
                                          .Field("TabSheet4", &W::TabSheet4)
                                          .Field("TabSheet5", &W::TabSheet5)
                                          .Field("TabSheet10", &W::TabSheet10)
                                          .Field("TabSheet11", &W::TabSheet11)
                                          .Field("TabSheet12", &W::TabSheet12)
                                          .Field("TabSheet13", &W::TabSheet13)
                                          .Field("StringGridSwt", &W::StringGridSwt)
                                          .Field("StringGridE1", &W::StringGridE1)
                                          .Field("StringGridLoop", &W::StringGridLoop)
                                          .Field("PgcPara", &W::PgcPara)
                                          .Field("StringGridVlan", &W::StringGridVlan)
                                          .Field("RDGVlan", &W::RDGVlan)
                                          .Field("TbsVlan", &W::TbsVlan)
                                          .Field("StringGridVlanS", &W::StringGridVlanS)
                                          .Field("RDGEnable", &W::RDGEnable)
                                          .Field("rdgPFI", &W::rdgPFI)
                                          .Field("rdgEXI", &W::rdgEXI)
                                          .Field("RdgLcase", &W::RdgLcase)
                                          .Field("BitBtn1", &W::BitBtn1)
                                          .Field("cmdRead", &W::cmdRead)
                                          .Field("cmdSet", &W::cmdSet)
                                          .Field("cmdDel", &W::cmdDel)
                                          .Field("PopupMenu1", &W::PopupMenu1)
                                          .Method("FormShow", &W::FormShow)
                                          .Method("TabSheet1Show", &W::TabSheet1Show)
                                          .Method("TabSheet2Show", &W::TabSheet2Show)
                                          .Method("TabSheet3Show", &W::TabSheet3Show)
                                          .Method("TabSheet4Show", &W::TabSheet4Show)
                                          .Method("TabSheet5Show", &W::TabSheet5Show)
                                          .Method("TabSheet10Show", &W::TabSheet10Show)
                                          .Method("TabSheet11Show", &W::TabSheet11Show)
                                          .Method("TabSheet12Show", &W::TabSheet12Show)
                                          .Method("TabSheet13Show", &W::TabSheet13Show)
                                          .Method("StringGridSwtSelectCell", &W::StringGridSwtSelectCell)
                                          .Method("StringGridLoopSelectCell", &W::StringGridLoopSelectCell)
                                          .Method("StringGridVlanSSelectCell", &W::StringGridVlanSSelectCell)
                                          .Method("fillcellstrings", &W::fillcellstrings)
                                          .Method("RDGVlanClick", &W::RDGVlanClick)
                                          .Method("cmdReadClick", &W::cmdReadClick)
                                          .Method("cmdSetClick", &W::cmdSetClick)
                                          .Build();
  return &metaClass;
}

// No read on show: the operator reads the page he wants.
void TConf_OperationW::FormShow(TObject*) {
  FDevice.CopyConnection();
  PrepareGrids();
  ChooseFirstItems();
}

void TConf_OperationW::PrepareGrids() {
  for (int col = 0; col < static_cast<int>(std::size(kPortVlanHeaders)); ++col)
    StringGridVlanS->SetCells(col, kHeaderRow, kPortVlanHeaders[col]);
  FillPortGrid(*StringGridLoop, 0, 0, E1PortCount(), PortGridHeader(kLoopbackText));
  FillPortGrid(*StringGridE1, 0, 0, E1PortCount(), PortGridHeader(kEnableText));
  FillPortGrid(*StringGridVlan, 0, 0, 0, PortGridHeader(kMembersText));
  StringGridSwt->SetRowCount(static_cast<int>(std::size(kEthernetPortNames)) + 1);
  StringGridSwt->SetCells(0, kHeaderRow, kObjectText);
  StringGridSwt->SetCells(kValueColumn, kHeaderRow, kEnableText);
  for (int row = 1; row < StringGridSwt->RowCount(); ++row)
    StringGridSwt->SetCells(0, row, kEthernetPortNames[row - 1]);
}

// Choosing the first kind of port lays out the port VLAN grid (RDGVlanClick).
void TConf_OperationW::ChooseFirstItems() {
  RDGVlan->Items().Clear();
  RDGVlan->Items().Add(kUserPortText);
  RDGVlan->Items().Add(kAggregationPortText);
  RDGVlan->SetItemIndex(kUserPortItem);
  RDGEnable->Items().Clear();
  for (const std::string& choice : kEnableChoices) RDGEnable->Items().Add(choice);
  RDGEnable->SetItemIndex(0);
}

// Every page but the new VLAN's sets; that one offers deletion instead.
void TConf_OperationW::ShowSetButton() {
  cmdSet->SetVisible(true);
  cmdDel->SetVisible(false);
}

void TConf_OperationW::TabSheet1Show(TObject*) { ShowSetButton(); }
void TConf_OperationW::TabSheet2Show(TObject*) { ShowSetButton(); }
void TConf_OperationW::TabSheet3Show(TObject*) { ShowSetButton(); }
void TConf_OperationW::TabSheet4Show(TObject*) { ShowSetButton(); }
void TConf_OperationW::TabSheet10Show(TObject*) { ShowSetButton(); }
void TConf_OperationW::TabSheet11Show(TObject*) { ShowSetButton(); }
void TConf_OperationW::TabSheet12Show(TObject*) { ShowSetButton(); }
void TConf_OperationW::TabSheet13Show(TObject*) { ShowSetButton(); }

void TConf_OperationW::TabSheet5Show(TObject*) {
  cmdSet->SetVisible(false);
  cmdDel->SetVisible(true);
}

void TConf_OperationW::PreparePopup(TStringGrid& grid, int col, const std::vector<std::string>& choices) {
  FPopupGrid = &grid;
  PreparePortGridPopup(grid, *PopupMenu1, col == kValueColumn, choices,
                       [this](TObject* Sender) { fillcellstrings(Sender); });
}

void TConf_OperationW::StringGridSwtSelectCell(TObject*, int ACol, int, bool& CanSelect) {
  CanSelect = true;
  PreparePopup(*StringGridSwt, ACol, kEnableChoices);
}

void TConf_OperationW::StringGridLoopSelectCell(TObject*, int ACol, int, bool& CanSelect) {
  CanSelect = true;
  PreparePopup(*StringGridLoop, ACol, kLoopChoices);
}

void TConf_OperationW::StringGridVlanSSelectCell(TObject*, int ACol, int, bool& CanSelect) {
  CanSelect = true;
  PreparePopup(*StringGridVlanS, ACol, kPortVlanModes);
  if (ACol != kValueColumn) StringGridVlanS->SetOptions(kTypingOptions);
}

void TConf_OperationW::fillcellstrings(TObject* Sender) {
  if (FPopupGrid) FillPortGridSelection(*FPopupGrid, static_cast<TMenuItem*>(Sender)->Caption());
}

// User ports get a row each, aggregation ports share the one VCG.
void TConf_OperationW::RDGVlanClick(TObject*) {
  const int item = RDGVlan->ItemIndex();
  if (item < 0) return;
  TbsVlan->SetCaption(RDGVlan->Items()[item]);
  if (item == kUserPortItem) {
    StringGridVlanS->SetRowCount(kUserPortRows);
    for (int row = 1; row < kUserPortRows; ++row)
      for (int col = 0; col <= kUserPortLastCol; ++col) StringGridVlanS->SetCells(col, row, kNoEntry);
  } else {
    StringGridVlanS->SetRowCount(kAggregationPortRows);
    StringGridVlanS->SetCells(0, 1, kAggregationGroup);
  }
}

void TConf_OperationW::cmdReadClick(TObject*) {
  std::string result;
  switch (ActivePage()) {
    case pgLoop: ReadPortLoop(result); break;
    case pgParameter: ReadPortParameter(result); break;
    case pgPause: ReadPause(result); break;
    default: break;
  }
}

void TConf_OperationW::cmdSetClick(TObject*) {
  std::string result;
  if (ActivePage() == pgLoop) SetPortLoop(result);
}

// An empty value is a successful read that changes nothing.
void TConf_OperationW::ReadPortLoop(std::string& Result) {
  Result = "0";
  FDevice.Run("ReadPortLoop", TExchangeCursor::Unchanged, [&] {
    TStringList values;
    if (!FDevice.Get({FDevice.Oid(kLoopbackObject)}, values)) {
      ShowExchangeResult("Read failed!");
      return;
    }
    ShowLoops(values.Count() > 0 ? values[0] : std::string());
    Result = "1";
    ShowExchangeResult("Read successful!");
  });
}

// An octet other than 0 and 1 leaves its row as it was.
void TConf_OperationW::ShowLoops(const std::string& value) {
  StringToBytes(value);
  for (int row = 1; row <= E1PortCount(); ++row) {
    const std::optional<uint8_t> octet = ReplyOctet(row - 1);
    if (!octet) break;
    if (*octet == kLooped) StringGridLoop->SetCells(kValueColumn, row, kLoop);
    if (*octet == kNotLooped) StringGridLoop->SetCells(kValueColumn, row, kNone);
  }
}

void TConf_OperationW::SetPortLoop(std::string& Result) {
  std::vector<uint8_t> octets;
  for (int row = 1; row <= E1PortCount(); ++row)
    octets.push_back(StringGridLoop->Cells(kValueColumn, row) == kLoop ? kLooped : kNotLooped);
  FDevice.SetObjects("SetPortLoop", TExchangeCursor::Unchanged, {OctetStringItem(FDevice.Oid(kLoopbackObject), octets)},
                     Result);
}

void TConf_OperationW::ReadPause(std::string& Result) { ReadPauseInto(FDevice, *RDGEnable, Result); }

void TConf_OperationW::SetPause(std::string& Result) { SetPauseFrom(FDevice, *RDGEnable, Result); }

// Only the LCAS octet is shown; an empty value is a successful read that changes nothing.
void TConf_OperationW::ReadLcase(std::string& Result) {
  Result = "0";
  FDevice.Run("ReadLcase", TExchangeCursor::Unchanged, [&] {
    TStringList values;
    if (!FDevice.Get({FDevice.Oid(kVcgObject)}, values)) {
      ShowExchangeResult("Read failed!");
      return;
    }
    StringToBytes(values.Count() > 0 ? values[0] : std::string());
    if (const std::optional<uint8_t> lcas = ReplyOctet(kLcasOctet)) ChooseByOctet(*RdgLcase, *lcas);
    Result = "1";
    ShowExchangeResult("Read successful!");
  });
}

void TConf_OperationW::SetLcase(std::string& Result) {
  FDevice.SetObjects("SetLcase", TExchangeCursor::Unchanged,
                     {OctetStringItem(FDevice.Oid(kVcgObject), {kVcatOn, OctetOfChoice(*RdgLcase)})}, Result);
}

void TConf_OperationW::ReadPortParameter(std::string& Result) { Result = IntToStr(PgcPara->ActivePageIndex()); }
