// Breaks arbitrary text into rows with arbitrary flags and rectangles
// (collapsed ones included) in a double-byte code page. The breaking must
// end; every row must start past the previous one, on a character boundary;
// what lies between rows may only be what breaking skips (blanks, tabs, line
// breaks); and unless the rows were stopped on purpose they reach the end.
//
// Input: four bytes of flags, a width byte and a height byte (signed, in
// tens of pixels), a maximum line count byte, then the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "controls/editors/base/cxTextDrawing.h"
#include "tests/controls/editors/FakeTextMeasurer.h"

namespace {

constexpr size_t kHeaderSize = 7;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsSkippable(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

std::vector<bool> CharacterStarts(TcxTextMeasurer& measurer, std::string_view text) {
  std::vector<bool> starts(text.size() + 1, false);
  for (int i = 0; i < static_cast<int>(text.size()); i += TextCharLength(measurer, text, i))
    starts[static_cast<size_t>(i)] = true;
  starts[text.size()] = true;
  return starts;
}

bool OnlySkippable(std::string_view text, int from, int to) {
  for (int i = from; i < to; ++i)
    if (!IsSkippable(text[static_cast<size_t>(i)])) return false;
  return true;
}

// The rows stop before the end only at the line limit or after the last row that fits.
bool StoppedOnPurpose(const TcxTextParams& params, const TcxTextRect& rect, int maxLineCount, int lineCount) {
  if (maxLineCount > 0 && lineCount >= maxLineCount) return true;
  if (params.SingleLine) return true;
  if (params.VAlign != cxVAlignTop || params.NoMeasureSingleLine) return false;
  const int height = rect.bottom - rect.top;
  const int y = lineCount * params.LineHeight;
  return height < y || (params.EarlyLastRow && !params.NoClip && height < y + params.LineHeight);
}

void CheckRows(TcxTextMeasurer& measurer, std::string_view text, const TcxTextParams& params, const TcxTextRect& rect,
               int maxLineCount, int lineCount, const TcxTextRows& rows, bool complete) {
  Require(lineCount == static_cast<int>(rows.size()));
  Require(text.empty() == rows.empty());
  if (rows.empty()) return;
  const std::vector<bool> starts = CharacterStarts(measurer, text);
  int end = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const TcxTextRow& row = rows[i];
    Require(row.Text == text.data() + row.StartOffset);
    Require(i == 0 ? row.StartOffset == 0 : row.StartOffset > rows[i - 1].StartOffset);
    Require(row.StartOffset >= end && row.TextLength >= 0);
    Require(OnlySkippable(text, end, row.StartOffset));
    end = row.StartOffset + row.TextLength;
    Require(end <= static_cast<int>(text.size()));
    Require(starts[static_cast<size_t>(row.StartOffset)] && starts[static_cast<size_t>(end)]);
  }
  const bool reachesEnd = OnlySkippable(text, end, static_cast<int>(text.size()));
  Require(reachesEnd || StoppedOnPurpose(params, rect, maxLineCount, lineCount));
  Require(complete || (maxLineCount > 0 && lineCount == maxLineCount));
}

void CheckLayout(const TcxTextRect& rect, const TcxTextParams& params, TcxTextRows& rows) {
  LayoutTextRows(rect, static_cast<int>(rows.size()), rows, params);
  for (const TcxTextRow& row : rows) {
    if (params.ClampLeft) Require(row.TextOriginX >= rect.left);
    Require(GetMaxRowWidth(rows, static_cast<int>(rows.size())) >= row.TextWidth);
  }
  if (params.ClampTop && !rows.empty()) Require(rows.front().TextOriginY >= rect.top);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  cxTextDrawingInitialize();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeaderSize) return 0;
  const uint32_t flags = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
  const TcxTextRect rect{0, 0, static_cast<int8_t>(data[4]) * 10, static_cast<int8_t>(data[5]) * 10};
  const int maxLineCount = data[6] % 16;
  const std::string_view text(reinterpret_cast<const char*>(data + kHeaderSize), size - kHeaderSize);
  TFakeTextMeasurer measurer(true, (data[6] & 0x80) != 0);
  TcxTextParams params;
  InitTextParams(measurer, flags, params);
  int lineCount = -1;
  TcxTextRows rows;
  const bool complete = MakeTextRows(measurer, text, rect, maxLineCount, lineCount, rows, params);
  CheckRows(measurer, text, params, rect, maxLineCount, lineCount, rows, complete);
  CheckLayout(rect, params, rows);
  return 0;
}
