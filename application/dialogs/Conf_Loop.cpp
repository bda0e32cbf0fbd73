#include "application/dialogs/Conf_Loop.h"

#include <vector>

#include "application/core/AppUtils.h"
#include "application/core/Share.h"
#include "application/dialogs/E1PortGrid.h"
#include "platform/classes/ClassBuilder.h"

namespace {

const char kLoopbackObject[] = "2.7.1.2";
constexpr int kLoopColumn = 1;

const char kLoop[] = "Loop";
const char kNone[] = "None";
constexpr uint8_t kLooped = 1;
constexpr uint8_t kNotLooped = 0;

}  // namespace

TClass TConf_LoopW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_LoopW>("TConf_LoopW", TForm::StaticClass())
                                          .Field("StringGridLoop", &TConf_LoopW::StringGridLoop)
                                          .Field("PopupMenu1", &TConf_LoopW::PopupMenu1)
                                          .Field("cmdRead", &TConf_LoopW::cmdRead)
                                          .Field("cmdSet", &TConf_LoopW::cmdSet)
                                          .Field("BitBtnClose", &TConf_LoopW::BitBtnClose)
                                          .Method("FormShow", &TConf_LoopW::FormShow)
                                          .Method("cmdReadClick", &TConf_LoopW::cmdReadClick)
                                          .Method("cmdSetClick", &TConf_LoopW::cmdSetClick)
                                          .Method("StringGridLoopSelectCell", &TConf_LoopW::StringGridLoopSelectCell)
                                          .Method("fillcellstrings", &TConf_LoopW::fillcellstrings)
                                          .Build();
  return &metaClass;
}

void TConf_LoopW::FormShow(TObject*) {
  PrepareE1PortGrid(*StringGridLoop, {"E1", "Enable"});
  FDevice.CopyConnection();
  SetRowsByE1Count(*StringGridLoop, CurrentDevice.Type);
  std::string result;
  ReadPortLoop(result);
}

void TConf_LoopW::cmdReadClick(TObject*) {
  std::string result;
  ReadPortLoop(result);
}

void TConf_LoopW::cmdSetClick(TObject*) {
  std::string result;
  SetPortLoop(result);
}

void TConf_LoopW::StringGridLoopSelectCell(TObject*, int ACol, int, bool& CanSelect) {
  CanSelect = true;
  PreparePortGridPopup(*StringGridLoop, *PopupMenu1, ACol == kLoopColumn, {kNone, kLoop},
                       [this](TObject* Sender) { fillcellstrings(Sender); });
}

void TConf_LoopW::fillcellstrings(TObject* Sender) {
  FillPortGridSelection(*StringGridLoop, static_cast<TMenuItem*>(Sender)->Caption());
}

void TConf_LoopW::ReadPortLoop(std::string& Result) {
  FDevice.ReadObject(
      "ReadPortLoop", TExchangeCursor::Hourglass, FDevice.Oid(kLoopbackObject),
      [this](const std::string& value) { ShowLoops(value); }, Result);
}

// An octet other than 0 and 1 leaves its row as it was.
void TConf_LoopW::ShowLoops(const std::string& value) {
  StringToBytes(value);
  for (int row = 1; row <= E1PortCount(); ++row) {
    const std::optional<uint8_t> octet = ReplyOctet(row - 1);
    if (!octet) break;
    if (*octet == kLooped) StringGridLoop->SetCells(kLoopColumn, row, kLoop);
    if (*octet == kNotLooped) StringGridLoop->SetCells(kLoopColumn, row, kNone);
  }
}

// Only a cell reading exactly "Loop" loops its line; an empty one does not.
// Rows the grid hides for a smaller device are sent as they were last read.
void TConf_LoopW::SetPortLoop(std::string& Result) {
  std::vector<uint8_t> octets;
  for (int row = 1; row <= E1PortCount(); ++row) {
    octets.push_back(StringGridLoop->Cells(kLoopColumn, row) == kLoop ? kLooped : kNotLooped);
  }
  FDevice.SetObjects("SetPortLoop", TExchangeCursor::Hourglass, {OctetStringItem(FDevice.Oid(kLoopbackObject), octets)},
                     Result);
}
