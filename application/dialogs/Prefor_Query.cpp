#include "application/dialogs/Prefor_Query.h"

#include <cstddef>
#include <iterator>

#include "application/core/AppUtils.h"
#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"

namespace {

const char kEthCounterObject[] = "2.2.1.5";
const char kE1CrcObject[] = "2.7.1.3";

constexpr size_t kCounterOctets = 8;
constexpr size_t kEthCounterCount = 7;
constexpr int kEthPortCount = 4;

// The grid column of each counter of a port's record: packets, bytes, error
// packets and broadcasts received, then packets, bytes and broadcasts sent.
constexpr int kEthCounterColumns[kEthCounterCount] = {1, 3, 7, 5, 2, 4, 6};
const char* const kEthHeaders[] = {"Ports",       "Packet (in)",           "Packet (out)",           "Bytes (in)",
                                   "Bytes (out)", "Broadcast Packet (in)", "Broadcast Packet (out)", "Error Packet"};
constexpr int kPortColumnWidth = 40;

constexpr int kE1GridRows = 17;

enum TPage { pgEth, pgE1 };

}  // namespace

TClass TPrefor_QueryW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TPrefor_QueryW>("TPrefor_QueryW", TForm::StaticClass())
                                          .Field("PageControl1", &TPrefor_QueryW::PageControl1)
                                          .Field("TabSheetEth", &TPrefor_QueryW::TabSheetEth)
                                          .Field("StringGridPerfor", &TPrefor_QueryW::StringGridPerfor)
                                          .Field("TabSheetE1", &TPrefor_QueryW::TabSheetE1)
                                          .Field("StringGridE1", &TPrefor_QueryW::StringGridE1)
                                          .Field("cmdRead", &TPrefor_QueryW::cmdRead)
                                          .Field("BitBtnClose", &TPrefor_QueryW::BitBtnClose)
                                          .Method("FormShow", &TPrefor_QueryW::FormShow)
                                          .Method("cmdReadClick", &TPrefor_QueryW::cmdReadClick)
                                          .Build();
  return &metaClass;
}

void TPrefor_QueryW::FormShow(TObject*) {
  for (int col = 0; col < static_cast<int>(std::size(kEthHeaders)); ++col) {
    StringGridPerfor->SetCells(col, 0, kEthHeaders[col]);
  }
  for (int port = 1; port <= kEthPortCount; ++port) StringGridPerfor->SetCells(0, port, "ETH" + IntToStr(port));
  StringGridPerfor->SetColWidths(0, kPortColumnWidth);
  FDevice.CopyConnection();
  StringGridE1->SetRowCount(kE1GridRows);
  StringGridE1->SetCells(0, 0, "E1");
  StringGridE1->SetCells(1, 0, "CRC Error");
  for (int port = 1; port <= E1PortCount(); ++port) StringGridE1->SetCells(0, port, IntToStr(port));
  SetRowsByE1Count(*StringGridE1, CurrentDevice.Type);
}

void TPrefor_QueryW::cmdReadClick(TObject*) {
  const bool read = PageControl1->ActivePageIndex() == pgEth ? ReadEthCounters() : ReadE1Counters();
  ShowExchangeResult(read ? "Read successful!" : "Read failed!");
}

// The first port that fails ends the round: the later rows keep their texts.
bool TPrefor_QueryW::ReadEthCounters() {
  for (int port = 1; port <= kEthPortCount; ++port) {
    std::vector<int64_t> counters;
    std::string result;
    GetPrefor(port, counters, result);
    if (result != "1") return false;
    for (size_t i = 0; i < counters.size(); ++i) {
      StringGridPerfor->SetCells(kEthCounterColumns[i], port, IntToStr(counters[i]));
    }
  }
  return true;
}

bool TPrefor_QueryW::ReadE1Counters() {
  std::vector<int64_t> counters;
  std::string result;
  GetPreforE1(counters, result);
  if (result != "1") return false;
  for (size_t k = 0; k < counters.size(); ++k) {
    const int row = static_cast<int>(k) + 1;
    StringGridE1->SetCells(0, row, "E1_" + IntToStr(row));
    StringGridE1->SetCells(1, row, IntToStr(counters[k]));
  }
  return true;
}

void TPrefor_QueryW::GetPrefor(int port, std::vector<int64_t>& counters, std::string& Result) {
  GetCounters("GetPrefor", FDevice.Oid(kEthCounterObject, port), kEthCounterCount, counters, Result);
}

void TPrefor_QueryW::GetPreforE1(std::vector<int64_t>& counters, std::string& Result) {
  GetCounters("GetPreforE1", FDevice.Oid(kE1CrcObject), static_cast<size_t>(E1PortCount()), counters, Result);
}

void TPrefor_QueryW::GetCounters(const std::string& routine, const std::string& oid, size_t count,
                                 std::vector<int64_t>& counters, std::string& Result) {
  Result = "0";
  FDevice.Run(routine, TExchangeCursor::Unchanged, [&] {
    TStringList values;
    if (!FDevice.Get({oid}, values) || values.Count() == 0 || values[0].empty()) return;
    StringToBytes(values[0]);
    for (size_t i = 0; i < count && (i + 1) * kCounterOctets <= ReplyBytes.size(); ++i) {
      const auto first = ReplyBytes.begin() + static_cast<std::ptrdiff_t>(i * kCounterOctets);
      counters.push_back(BytesToInt64(std::vector<uint8_t>(first, first + kCounterOctets)));
    }
    Result = "1";
  });
}
