#include "application/dialogs/PortEnable.h"

#include <vector>

#include "application/core/AppUtils.h"
#include "application/core/Share.h"
#include "application/dialogs/E1PortGrid.h"
#include "platform/classes/ClassBuilder.h"

TfrmPortEnable* frmPortEnable = nullptr;

namespace {

const char kBandwidthObject[] = "2.7.1.5";

constexpr int kReceiveColumn = 1;
constexpr int kTransmitColumn = 2;

// Bit 4 of a line's octet is the receive direction, bit 0 the transmit one.
constexpr uint8_t kReceive = 0x10;
constexpr uint8_t kTransmit = 0x01;

bool IsBandwidthOctet(uint8_t octet) { return (octet & ~(kReceive | kTransmit)) == 0; }

}  // namespace

TClass TfrmPortEnable::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TfrmPortEnable>("TfrmPortEnable", TForm::StaticClass())
                                          .Field("StringGridE1", &TfrmPortEnable::StringGridE1)
                                          .Field("PopupMenu1", &TfrmPortEnable::PopupMenu1)
                                          .Field("cmdRead", &TfrmPortEnable::cmdRead)
                                          .Field("cmdSet", &TfrmPortEnable::cmdSet)
                                          .Field("BitBtnClose", &TfrmPortEnable::BitBtnClose)
                                          .Method("FormShow", &TfrmPortEnable::FormShow)
                                          .Method("cmdReadClick", &TfrmPortEnable::cmdReadClick)
                                          .Method("cmdSetClick", &TfrmPortEnable::cmdSetClick)
                                          .Method("StringGridE1SelectCell", &TfrmPortEnable::StringGridE1SelectCell)
                                          .Method("fillcellstrings", &TfrmPortEnable::fillcellstrings)
                                          .Build();
  return &metaClass;
}

void TfrmPortEnable::FormShow(TObject*) {
  FActive = "Active";
  FInactive = "Inactive";
  PrepareE1PortGrid(*StringGridE1, {"E1", "Receive", "Transmit"});
  FDevice.CopyConnection();
  SetRowsByE1Count(*StringGridE1, CurrentDevice.Type);
  std::string result;
  ReadPortEnable(result);
}

void TfrmPortEnable::cmdReadClick(TObject*) {
  std::string result;
  ReadPortEnable(result);
}

void TfrmPortEnable::cmdSetClick(TObject*) {
  std::string result;
  SetPortEnable(result);
}

void TfrmPortEnable::StringGridE1SelectCell(TObject*, int ACol, int, bool& CanSelect) {
  CanSelect = true;
  const bool valueColumn = ACol == kReceiveColumn || ACol == kTransmitColumn;
  PreparePortGridPopup(*StringGridE1, *PopupMenu1, valueColumn, {FActive, FInactive},
                       [this](TObject* Sender) { fillcellstrings(Sender); });
}

void TfrmPortEnable::fillcellstrings(TObject* Sender) {
  FillPortGridSelection(*StringGridE1, static_cast<TMenuItem*>(Sender)->Caption());
}

void TfrmPortEnable::ReadPortEnable(std::string& Result) {
  FDevice.ReadObject(
      "ReadPortEnable", TExchangeCursor::Hourglass, FDevice.Oid(kBandwidthObject),
      [this](const std::string& value) { ShowBandwidth(value); }, Result);
}

// Octets beyond the sixteenth line are ignored; an octet with other bits
// leaves its row as it was.
void TfrmPortEnable::ShowBandwidth(const std::string& value) {
  StringToBytes(value);
  for (int row = 1; row <= E1PortCount(); ++row) {
    const std::optional<uint8_t> octet = ReplyOctet(row - 1);
    if (!octet) break;
    if (!IsBandwidthOctet(*octet)) continue;
    StringGridE1->SetCells(kReceiveColumn, row, (*octet & kReceive) ? FActive : FInactive);
    StringGridE1->SetCells(kTransmitColumn, row, (*octet & kTransmit) ? FActive : FInactive);
  }
}

void TfrmPortEnable::SetPortEnable(std::string& Result) {
  std::vector<uint8_t> octets;
  for (int row = 1; row <= E1PortCount(); ++row) octets.push_back(BandwidthOctet(row));
  FDevice.SetObjects("SetPortEnable", TExchangeCursor::Hourglass,
                     {OctetStringItem(FDevice.Oid(kBandwidthObject), octets)}, Result);
}

// Every row is sent, also those the grid hides for a smaller device: they
// keep the texts of the last read. A row whose cells are not both "Active"
// or "Inactive" (an empty one, never read) is sent as inactive both ways.
uint8_t TfrmPortEnable::BandwidthOctet(int row) const {
  const std::string receive = StringGridE1->Cells(kReceiveColumn, row);
  const std::string transmit = StringGridE1->Cells(kTransmitColumn, row);
  const auto known = [this](const std::string& text) { return text == FActive || text == FInactive; };
  if (!known(receive) || !known(transmit)) return 0;
  return static_cast<uint8_t>((receive == FActive ? kReceive : 0) | (transmit == FActive ? kTransmit : 0));
}
