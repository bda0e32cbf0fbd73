#include "application/dialogs/Conf_Clock.h"

#include <vector>

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"

TConf_ClockW* Conf_ClockW = nullptr;

namespace {

const char kClockObject[] = "2.7.1.1";
// Read only: the E1 line the clock comes from now, 0 for none.
const char kCurrentClockObject[] = "2.7.1.10";

// The clock record: the mode, then the source line 1..16 (0 for none).
constexpr size_t kModeOctet = 0;
constexpr size_t kLineOctet = 1;
constexpr uint8_t kInternalMode = 0;
constexpr uint8_t kFromE1Mode = 1;
constexpr int kInternalItem = 0;
constexpr int kFromE1Item = 1;
constexpr int kLineCount = 16;

}  // namespace

TClass TConf_ClockW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TConf_ClockW>("TConf_ClockW", TForm::StaticClass())
                                          .Field("LabelMode", &TConf_ClockW::LabelMode)
                                          .Field("LabelClock", &TConf_ClockW::LabelClock)
                                          .Field("LabelCurrent", &TConf_ClockW::LabelCurrent)
                                          .Field("cmbMode", &TConf_ClockW::cmbMode)
                                          .Field("CmbClock", &TConf_ClockW::CmbClock)
                                          .Field("EditClock", &TConf_ClockW::EditClock)
                                          .Field("cmdRead", &TConf_ClockW::cmdRead)
                                          .Field("cmdSet", &TConf_ClockW::cmdSet)
                                          .Field("BitBtnClose", &TConf_ClockW::BitBtnClose)
                                          .Method("FormShow", &TConf_ClockW::FormShow)
                                          .Method("cmdReadClick", &TConf_ClockW::cmdReadClick)
                                          .Method("cmdSetClick", &TConf_ClockW::cmdSetClick)
                                          .Method("cmbModeChange", &TConf_ClockW::cmbModeChange)
                                          .Build();
  return &metaClass;
}

void TConf_ClockW::FormShow(TObject*) {
  FDevice.CopyConnection();
  std::string result;
  ReadClockW(result);
}

void TConf_ClockW::cmdReadClick(TObject*) {
  std::string result;
  ReadClockW(result);
}

void TConf_ClockW::cmdSetClick(TObject*) {
  std::string result;
  SetClockW(result);
}

bool TConf_ClockW::InternalChosen() const { return cmbMode->ItemIndex() == kInternalItem; }

void TConf_ClockW::cmbModeChange(TObject*) {
  CmbClock->SetEnabled(!InternalChosen());
  if (!InternalChosen()) return;
  CmbClock->SetItemIndex(-1);
  EditClock->SetText("");
}

// The line that supplies the clock now is asked for only while the clock
// comes from a line; an empty record is still a successful read.
void TConf_ClockW::ReadClockW(std::string& Result) {
  Result = "0";
  FDevice.Run("ReadClockW", TExchangeCursor::Unchanged, [&] {
    TStringList values;
    if (!FDevice.Get({FDevice.Oid(kClockObject)}, values)) {
      ShowExchangeResult("Read failed!");
      return;
    }
    const std::string value = values.Count() > 0 ? values[0] : std::string();
    if (!value.empty()) {
      ShowClock(value);
      if (ReplyOctet(kModeOctet) == kFromE1Mode) ShowCurrentClockLine();
    }
    Result = "1";
    ShowExchangeResult("Read successful!");
  });
}

// Mode and line values outside their ranges leave their boxes as they were.
void TConf_ClockW::ShowClock(const std::string& value) {
  StringToBytes(value);
  const std::optional<uint8_t> mode = ReplyOctet(kModeOctet);
  if (mode == kInternalMode) cmbMode->SetItemIndex(kInternalItem);
  if (mode == kFromE1Mode) cmbMode->SetItemIndex(kFromE1Item);
  cmbModeChange(cmbMode);
  const std::optional<uint8_t> line = ReplyOctet(kLineOctet);
  if (line && *line <= kLineCount) CmbClock->SetItemIndex(static_cast<int>(*line) - 1);
}

// A failure here shows no box of its own: the record itself was read.
void TConf_ClockW::ShowCurrentClockLine() {
  TStringList values;
  if (!FDevice.Get({FDevice.Oid(kCurrentClockObject)}, values) || values.Count() == 0) return;
  const std::string line = values[0];
  if (!line.empty() && line != "0") EditClock->SetText("E1_" + line);
}

void TConf_ClockW::SetClockW(std::string& Result) {
  std::vector<uint8_t> octets = {kInternalMode, 0};
  if (!InternalChosen()) octets = {kFromE1Mode, static_cast<uint8_t>(CmbClock->ItemIndex() + 1)};
  FDevice.SetObjects("SetClockW", TExchangeCursor::Unchanged, {OctetStringItem(FDevice.Oid(kClockObject), octets)},
                     Result);
}
