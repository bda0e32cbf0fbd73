#include "controls/editors/base/cxTextDrawing.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/Units.h"

namespace {

constexpr char kEllipsisText[] = "...";
constexpr char kTab = '\t';
constexpr char kCR = '\r';
constexpr char kLF = '\n';
// Above this many times the row's width, halving towards a fit costs more
// measuring than walking the characters one by one.
constexpr double kCharacterWalkRatio = 8.0;

TUnitGuard gUnit;
int gEllipsisLength = 0;

int Width(const TcxTextRect& rect) { return rect.right - rect.left; }
int Height(const TcxTextRect& rect) { return rect.bottom - rect.top; }

bool IsJustified(const TcxTextParams& params) {
  return params.HAlign == cxHAlignJustify || params.HAlign == cxHAlignDistribute;
}

// One row's worth of breaking: the text from the current position on, the
// width to fit, and what the flags make of it.
class TcxRowBreaker {
 public:
  TcxRowBreaker(TcxTextMeasurer& measurer, std::string_view text, const TcxTextParams& params, int width)
      : FMeasurer(measurer), FText(text), FParams(params), FWidth(width) {}

  bool AtEnd() const { return FPosition >= static_cast<int>(FText.size()); }
  int Position() const { return FPosition; }
  TcxTextRow MakeRow(bool last);

 private:
  struct TFit {
    int Count;
    int Width;
  };

  std::string_view Rest() const { return FText.substr(static_cast<size_t>(FPosition)); }
  int MeasureWidth(std::string_view text, bool expandTabs) { return FMeasurer.TextExtent(text, expandTabs).Width; }
  TFit EstimateFit(std::string_view text);
  TFit FitByHalving(std::string_view text);
  TFit WholeCharacters(std::string_view text, TFit fit);
  TFit FirstCharacter(std::string_view text) {
    const int length = TextCharLength(FMeasurer, text, 0);
    return {length, MeasureWidth(text.substr(0, static_cast<size_t>(length)), FParams.ExpandTabs)};
  }
  int ScanRow(std::string_view text, bool last, int& breakCount);
  int TrimTrailingBreaks(std::string_view text, int length, int& breakCount);
  bool IsSingleByte(std::string_view text, int position) { return TextCharLength(FMeasurer, text, position) == 1; }
  bool SkipByte(char ch);

  TcxTextMeasurer& FMeasurer;
  std::string_view FText;
  const TcxTextParams& FParams;
  int FWidth;
  int FPosition = 0;
};

// How many characters of the text roughly fit the width, and how wide they
// are, so that the row's own walk measures only around the break.
TcxRowBreaker::TFit TcxRowBreaker::EstimateFit(std::string_view text) {
  // A collapsed rectangle fits no character; the walk still gives the row one.
  if (FWidth < 1) return FirstCharacter(text);
  if (static_cast<double>(MeasureWidth(text, false)) / FWidth > kCharacterWalkRatio) return FirstCharacter(text);
  return WholeCharacters(text, FitByHalving(text));
}

// Halving counts bytes: a count inside a two-byte character would make the
// row's walk take the character's half width for the whole.
TcxRowBreaker::TFit TcxRowBreaker::WholeCharacters(std::string_view text, TFit fit) {
  int whole = 0;
  while (whole < fit.Count) {
    const int next = whole + TextCharLength(FMeasurer, text, whole);
    if (next > fit.Count) break;
    whole = next;
  }
  if (whole == fit.Count) return fit;
  if (whole == 0) return FirstCharacter(text);
  return {whole, MeasureWidth(text.substr(0, static_cast<size_t>(whole)), FParams.ExpandTabs)};
}

TcxRowBreaker::TFit TcxRowBreaker::FitByHalving(std::string_view text) {
  const int length = static_cast<int>(text.size());
  int count = length;
  int width = MeasureWidth(text, FParams.ExpandTabs);
  while (count > 1 && width > FWidth) {
    count /= 2;
    width = MeasureWidth(text.substr(0, static_cast<size_t>(count)), FParams.ExpandTabs);
  }
  int low = count;
  int high = length;
  int middle = count;
  while (high >= low) {
    middle = (low + high) / 2;
    width = MeasureWidth(text.substr(0, static_cast<size_t>(middle)), FParams.ExpandTabs);
    const int difference = high == low ? 0 : width - FWidth;
    if (difference >= 0) {
      high = middle - 1;
      if (difference == 0) break;
    } else {
      low = middle + 1;
    }
  }
  if (width > FWidth && middle > 1) {
    --middle;
    width = MeasureWidth(text.substr(0, static_cast<size_t>(middle)), FParams.ExpandTabs);
  }
  return {middle, width};
}

// Walks the row's characters from the start and answers the row's length.
int TcxRowBreaker::ScanRow(std::string_view text, bool last, int& breakCount) {
  const bool wordBreak = !FParams.SingleLine && (FParams.WordBreak || IsJustified(FParams));
  const bool charBreak = wordBreak && FParams.CharBreak;
  const bool ellipsisMode =
      !FParams.EarlyLastRow && !FParams.NoClip && !IsJustified(FParams) && last && FParams.EndEllipsis;
  const bool measured = wordBreak || ellipsisMode || FParams.SingleLine;
  const TFit fit = measured ? EstimateFit(text) : TFit{0, 0};
  int width = fit.Width;
  int lastBreak = -1;
  int length = 0;
  const int size = static_cast<int>(text.size());
  for (int i = 0; i < size;) {
    const int charLength = TextCharLength(FMeasurer, text, i);
    const char ch = text[static_cast<size_t>(i)];
    length = i + charLength;
    if (charLength == 1 && (ch == FParams.BreakChar || ch == kTab)) {
      ++breakCount;
      lastBreak = i;
    } else if (charLength == 1 && (ch == kCR || ch == kLF) && !ellipsisMode && !FParams.SingleLine) {
      if (FParams.HAlign == cxHAlignJustify) breakCount = 0;
      return i;
    }
    if (measured && i >= fit.Count) {
      width = FParams.ExpandTabs ? MeasureWidth(text.substr(0, static_cast<size_t>(length)), true)
                                 : width + MeasureWidth(text.substr(static_cast<size_t>(i), charLength), false);
      if (width > FWidth) {
        if (ellipsisMode || FParams.SingleLine) return length;
        if (lastBreak >= 0) return lastBreak + 1;
        if (charBreak) return i > 0 ? i : length;
      }
    }
    i = length;
  }
  return length;
}

// Justified rows do not stretch over their trailing blanks and tabs.
int TcxRowBreaker::TrimTrailingBreaks(std::string_view text, int length, int& breakCount) {
  int trimmed = 0;
  int trailing = 0;
  for (int i = 0; i < length;) {
    const int charLength = TextCharLength(FMeasurer, text, i);
    const char ch = text[static_cast<size_t>(i)];
    i += charLength;
    if (charLength == 1 && (ch == FParams.BreakChar || ch == kTab)) {
      ++trailing;
    } else {
      trimmed = i;
      trailing = 0;
    }
  }
  breakCount = std::max(breakCount - trailing, 0);
  return trimmed;
}

bool TcxRowBreaker::SkipByte(char ch) {
  if (AtEnd() || FText[static_cast<size_t>(FPosition)] != ch || !IsSingleByte(FText, FPosition)) return false;
  ++FPosition;
  return true;
}

TcxTextRow TcxRowBreaker::MakeRow(bool last) {
  const std::string_view text = Rest();
  TcxTextRow row{};
  row.Text = text.data();
  int length = ScanRow(text, last, row.BreakCount);
  if (IsJustified(FParams)) length = TrimTrailingBreaks(text, length, row.BreakCount);
  const TcxTextExtent extent = FMeasurer.TextExtent(text.substr(0, static_cast<size_t>(length)), FParams.ExpandTabs);
  row.TextLength = length;
  row.TextWidth = extent.Width;
  row.TextHeight = extent.Height;
  row.StartOffset = FPosition;
  FPosition += length;
  while (SkipByte(FParams.BreakChar)) continue;
  SkipByte(kTab);
  const bool skippedCR = SkipByte(kCR);
  SkipByte(kLF);
  // The last row of a paragraph keeps its natural spacing; distributed text stretches it too.
  if (FParams.HAlign == cxHAlignJustify && (skippedCR || AtEnd())) row.BreakCount = 0;
  return row;
}

bool IsLastRow(const TcxTextParams& params, int y, int height, int lineCount, int maxLineCount) {
  if (params.SingleLine) return true;
  if (params.VAlign == cxVAlignTop && !params.NoMeasureSingleLine)
    return height < y || (params.EarlyLastRow && !params.NoClip && height < y + params.LineHeight);
  return maxLineCount > 0 && lineCount >= maxLineCount;
}

int FirstRowTop(const TcxTextRect& rect, int lineCount, int lineHeight, const TcxTextParams& params) {
  switch (params.VAlign) {
    case cxVAlignCenter: return rect.top + (Height(rect) - lineCount * lineHeight) / 2;
    case cxVAlignBottom: return rect.bottom - lineCount * lineHeight + params.ExternalLeading;
    default: return rect.top;
  }
}

int RowLeft(const TcxTextRect& rect, const TcxTextRow& row, const TcxTextParams& params) {
  int left = rect.left;
  if (params.HAlign == cxHAlignCenter) left = rect.left + (Width(rect) - row.TextWidth) / 2;
  if (params.HAlign == cxHAlignRight) left = rect.right - row.TextWidth;
  return params.ClampLeft ? std::max(left, rect.left) : left;
}

}  // namespace

std::string_view cxEndEllipsis() { return std::string_view(kEllipsisText, static_cast<size_t>(gEllipsisLength)); }

int TextCharLength(TcxTextMeasurer& measurer, std::string_view text, int position) {
  const size_t next = static_cast<size_t>(position) + 1;
  return next < text.size() && measurer.IsLeadByte(text[static_cast<size_t>(position)]) ? 2 : 1;
}

void InitTextParams(TcxTextMeasurer& measurer, uint32_t flags, TcxTextParams& params) {
  const TcxFontMetrics metrics = measurer.FontMetrics();
  params = {};
  params.TextHeight = metrics.Height;
  params.ExternalLeadingFlag = (flags & TF_EXTERNALLEADING) != 0;
  params.ExternalLeading = params.ExternalLeadingFlag ? metrics.ExternalLeading : 0;
  params.LineHeight = params.TextHeight + params.ExternalLeading;
  params.EndEllipsis = (flags & TF_END_ELLIPSIS) != 0;
  params.EllipsisWidth = params.EndEllipsis ? measurer.TextExtent(cxEndEllipsis(), false).Width : 0;
  params.BreakChar = metrics.BreakChar;
  params.HAlign = static_cast<uint8_t>(flags & TF_HALIGN);
  params.VAlign = static_cast<uint8_t>((flags & TF_VALIGN) >> 4);
  params.WordBreak = (flags & TF_WORDBREAK) != 0;
  params.SingleLine = (flags & TF_SINGLELINE) != 0;
  params.ExpandTabs = (flags & TF_EXPANDTABS) != 0;
  params.EarlyLastRow = (flags & TF_EARLY_LAST_ROW) != 0;
  params.NoClip = (flags & TF_NOCLIP) != 0;
  params.Reserved1 = (flags & TF_RESERVED1) != 0;
  params.ClampLeft = (flags & TF_CLAMP_LEFT) != 0;
  params.ClampTop = (flags & TF_CLAMP_TOP) != 0;
  // Far-East text seldom has blanks to break at: an overlong run is cut anywhere.
  params.CharBreak = (flags & TF_CHARBREAK) != 0 || measurer.FarEastLocale();
  params.Reserved2 = (flags & TF_RESERVED2) != 0;
  params.NoMeasureSingleLine = (flags & TF_NO_MEASURE_SINGLELINE) != 0;
  params.MaxCharWidth = metrics.MaxCharWidth;
  params.CharSet = metrics.CharSet;
}

bool MakeTextRows(TcxTextMeasurer& measurer, std::string_view text, const TcxTextRect& rect, int maxLineCount,
                  int& lineCount, TcxTextRows& rows, const TcxTextParams& params) {
  rows.clear();
  lineCount = 0;
  if (text.empty()) return true;
  if (params.SingleLine && params.NoMeasureSingleLine) {
    const TcxTextExtent extent = measurer.TextExtent(text, params.ExpandTabs);
    rows.push_back({text.data(), static_cast<int>(text.size()), extent.Width, extent.Height, 0, 0, 0, 0});
    lineCount = 1;
    return true;
  }
  TcxRowBreaker breaker(measurer, text, params, Width(rect));
  const auto limitReached = [&] { return maxLineCount > 0 && lineCount >= maxLineCount; };
  int y = 0;
  while (!breaker.AtEnd()) {
    ++lineCount;
    y += params.LineHeight;
    const bool last = IsLastRow(params, y, Height(rect), lineCount, maxLineCount);
    rows.push_back(breaker.MakeRow(last));
    // The last row that fits takes what it can; the rest is not laid out.
    if (last || limitReached()) break;
  }
  return params.SingleLine || breaker.AtEnd() || !limitReached();
}

void LayoutTextRows(const TcxTextRect& rect, int lineCount, TcxTextRows& rows, const TcxTextParams& params) {
  const int count = std::min(lineCount, static_cast<int>(rows.size()));
  int lineHeight = params.LineHeight;
  int extra = 0;
  if (params.VAlign == cxVAlignSpread && count > 1) {
    const int gap = Height(rect) - params.TextHeight;
    if (params.TextHeight < static_cast<double>(gap) / (count - 1)) {
      lineHeight = gap / (count - 1);
      extra = gap % (count - 1);
    }
  }
  int top = FirstRowTop(rect, count, lineHeight, params);
  if (params.ClampTop) top = std::max(top, rect.top);
  for (int i = 0; i < count; ++i) {
    TcxTextRow& row = rows[static_cast<size_t>(i)];
    row.TextOriginX = RowLeft(rect, row, params);
    row.TextOriginY = top;
    top += lineHeight;
    if (extra > 0) {
      ++top;
      --extra;
    }
  }
}

int GetMaxRowWidth(const TcxTextRows& rows, int count) {
  const int limit = std::min(count, static_cast<int>(rows.size()));
  int widest = 0;
  for (int i = 0; i < limit; ++i) widest = std::max(widest, rows[static_cast<size_t>(i)].TextWidth);
  return widest;
}

void cxTextDrawingInitialize() {
  if (!gUnit.Enter()) return;
  gEllipsisLength = static_cast<int>(std::strlen(kEllipsisText));
}

void cxTextDrawingFinalize() {
  if (!gUnit.Leave()) return;
  gEllipsisLength = 0;
}
