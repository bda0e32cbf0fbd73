// Scans arbitrary date and time pictures under arbitrary regional settings:
// pictures that expand into others ("C", "t", "ddddd"), eras, quotes left
// open, two-byte characters cut at the end; separators, designators and
// month names holding anything. The scan must end, and every expression
// built from what it found must be one the expression engine compiles.
//
// Input: a date separator, a time separator and a lead byte, then the
// picture, the short date, long date, short time and long time pictures, the
// AM and PM designators and a month name, split by line feeds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "controls/editors/engines/cxFormatControllerScan.h"
#include "controls/editors/engines/cxRegExpr.h"
#include "controls/editors/engines/cxStandardMask.h"
#include "tests/support/TestLocale.h"

namespace {

constexpr size_t kHeaderSize = 3;
constexpr size_t kFieldCount = 8;

void Require(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string> Fields(std::string_view text) {
  std::vector<std::string> fields;
  while (fields.size() + 1 < kFieldCount) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos) break;
    fields.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  fields.emplace_back(text);
  fields.resize(kFieldCount);
  return fields;
}

void RequireCompiles(const std::string& expression) {
  if (expression.empty()) return;
  TcxRegExpr engine;
  TMemoryStream stream;
  stream.WriteBuffer(expression.data(), static_cast<int64_t>(expression.size()));
  try {
    engine.Compile(&stream);
  } catch (const EcxRegExprError& error) {
    std::fprintf(stderr, "refused: %s\n", expression.c_str());
    for (int i = 0; i < error.Errors().Count(); ++i)
      std::fprintf(stderr, "  %s\n", error.Errors().Items(i).FullText().c_str());
    std::abort();
  }
}

void CheckBuilders(const TcxDateTimeFormatInfo& info, const TcxDateTimeFormatInfo& time) {
  RequireCompiles(BuildDateRegExpr(info));
  RequireCompiles(BuildTimeRegExpr(info));
  RequireCompiles(BuildDateEditRegExpr(info));
  RequireCompiles(BuildDateTimeEditRegExpr(info, time));
  TcxStandardMask mask;
  for (const TcxDateTimeEditMaskMode mode : {dtemmDate, dtemmTime, dtemmDateTime})
    mask.Compile(BuildDateTimeEditMask(info, mode));
  BuildDisplayFormat(info);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeaderSize) return 0;
  TTestFormatLocale locale;
  locale.SetDateSeparator(static_cast<char>(data[0]));
  locale.SetTimeSeparator(static_cast<char>(data[1]));
  locale.LeadByte = static_cast<char>(data[2]);
  const std::vector<std::string> fields =
      Fields(std::string_view(reinterpret_cast<const char*>(data + kHeaderSize), size - kHeaderSize));
  locale.ShortDate = fields[1];
  locale.LongDate = fields[2];
  locale.ShortTime = fields[3];
  locale.LongTime = fields[4];
  locale.AM = fields[5];
  locale.PM = fields[6];
  locale.ShortMonths.fill(fields[7]);
  locale.LongMonths.fill(fields[7]);

  TcxDateTimeFormatInfo info;
  TcxDateTimeFormatInfo time;
  const bool scanned = ScanDateTimeFormat(fields[0], info);
  Require(scanned || info.Items.empty());
  ScanDateTimeFormat(locale.LongTime, time);
  CheckBuilders(info, time);
  BuildDateEditFormat(fields[0]);
  return 0;
}
