#include "controls/editors/base/cxTextDrawingGdi.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/TextOutput.h"

namespace {

int Width(const TRect& rect) { return rect.right - rect.left; }

// Measured piece by piece between the tabs, each tab taking the pen on to
// the next default stop (a multiple of the width the system gives a lone
// tab), so a run keeps its whole width at any length: the system's tabbed
// measure answers in 16 bits, and its DrawText measure of a line of more
// than about a thousand characters comes out short under Wine.
SIZE MeasureExpandedRun(HDC dc, std::string_view text) {
  if (text.empty()) return {};
  const DWORD tab = GetTabbedTextExtentA(dc, "\t", 1, 0, nullptr);
  const LONG stop = std::max<LONG>(LOWORD(tab), 1);
  SIZE size{0, HIWORD(tab)};
  for (size_t start = 0;;) {
    const size_t end = text.find('\t', start);
    const std::string_view piece = text.substr(start, end - start);
    SIZE pieceSize{};
    GetTextExtentPoint32A(dc, piece.data(), static_cast<int>(piece.size()), &pieceSize);
    size.cx += pieceSize.cx;
    if (end == std::string_view::npos) return size;
    size.cx = (size.cx / stop + 1) * stop;
    start = end + 1;
  }
}

class TcxTextRowsPainter {
 public:
  TcxTextRowsPainter(HDC dc, const TRect& rect, const TcxTextParams& params, TColor selectionTextColor,
                     TColor selectionBackgroundColor, int selectionStart, int selectionLength);
  void DrawRow(const TcxTextRow& row, bool last, bool forceEllipsis);

 private:
  std::string_view FitBeforeEllipsis(std::string_view text);
  void ClipRow(const TcxTextRow& row);
  int TextWidth(std::string_view text) { return FMeasurer.TextExtent(text, FParams.ExpandTabs).Width; }
  std::optional<TRect> SelectionRect(const TcxTextRow& row, std::string_view text, int width, bool& toRowEnd);
  bool DrawSelection(const TcxTextRow& row, std::string_view text, int width, bool ellipsis);
  void DrawEllipsis(int x, int y);

  HDC FDC;
  TRect FRect;
  const TcxTextParams& FParams;
  TcxGdiTextMeasurer FMeasurer;
  COLORREF FSelectionTextColor;
  long long FSelectionStart;
  long long FSelectionEnd;
  TGdiObject<HBRUSH> FSelectionBrush;
};

TcxTextRowsPainter::TcxTextRowsPainter(HDC dc, const TRect& rect, const TcxTextParams& params,
                                       TColor selectionTextColor, TColor selectionBackgroundColor, int selectionStart,
                                       int selectionLength)
    : FDC(dc),
      FRect(rect),
      FParams(params),
      FMeasurer(dc),
      FSelectionTextColor(ColorToRGB(selectionTextColor)),
      FSelectionStart(selectionStart),
      FSelectionEnd(static_cast<long long>(selectionStart) + std::max(selectionLength, 0)) {
  if (selectionLength > 0 && selectionBackgroundColor != clNone)
    FSelectionBrush.Reset(CreateSolidBrush(ColorToRGB(selectionBackgroundColor)));
}

void TcxTextRowsPainter::DrawRow(const TcxTextRow& row, bool last, bool forceEllipsis) {
  if (row.TextLength == 0) {
    if (forceEllipsis && FParams.EndEllipsis && last) DrawEllipsis(row.TextOriginX, row.TextOriginY);
    return;
  }
  const bool ellipsis = FParams.EndEllipsis && last && (row.TextWidth > Width(FRect) || forceEllipsis);
  std::optional<TTextJustification> justification;
  const bool justified = FParams.HAlign == cxHAlignJustify || FParams.HAlign == cxHAlignDistribute;
  const int slack = Width(FRect) - row.TextWidth;
  if (justified && !ellipsis && row.BreakCount > 0 && slack >= 1) justification.emplace(FDC, slack, row.BreakCount);
  // Row clipping and the selection's exclusion both end with the row.
  const TSavedClipRegion savedClip(FDC);
  ClipRow(row);
  std::string_view text(row.Text, static_cast<size_t>(row.TextLength));
  int width = row.TextWidth;
  if (ellipsis) {
    text = FitBeforeEllipsis(text);
    width = TextWidth(text);
  }
  const bool ellipsisDrawn = DrawSelection(row, text, width, ellipsis);
  TextOutRun(FDC, row.TextOriginX, row.TextOriginY, text, FParams.ExpandTabs);
  if (ellipsis && !ellipsisDrawn) DrawEllipsis(row.TextOriginX + width, row.TextOriginY);
}

void TcxTextRowsPainter::ClipRow(const TcxTextRow& row) {
  if (FParams.NoClip) return;
  const int top = row.TextOriginY;
  const int bottom = top + FParams.LineHeight;
  if (row.TextWidth <= Width(FRect) && top >= FRect.top && bottom <= FRect.bottom) return;
  IntersectClipRect(FDC, FRect.left, std::max(top, static_cast<int>(FRect.top)), FRect.right,
                    std::min(bottom, static_cast<int>(FRect.bottom)));
}

// Whole characters that leave room for the ellipsis, and at least the first one.
std::string_view TcxTextRowsPainter::FitBeforeEllipsis(std::string_view text) {
  const int available = std::max(Width(FRect) - FParams.EllipsisWidth, 0);
  INT fit = 0;
  SIZE size{};
  GetTextExtentExPointA(FDC, text.data(), static_cast<int>(text.size()), available, &fit, nullptr, &size);
  int kept = 0;
  while (kept < static_cast<int>(text.size())) {
    const int next = kept + TextCharLength(FMeasurer, text, kept);
    if (next > fit) break;
    kept = next;
  }
  if (kept == 0) kept = TextCharLength(FMeasurer, text, 0);
  return text.substr(0, static_cast<size_t>(kept));
}

std::optional<TRect> TcxTextRowsPainter::SelectionRect(const TcxTextRow& row, std::string_view text, int width,
                                                       bool& toRowEnd) {
  const long long length = static_cast<long long>(text.size());
  const long long start = std::clamp(FSelectionStart - row.StartOffset, 0LL, length);
  const long long end = std::clamp(FSelectionEnd - row.StartOffset, 0LL, length);
  if (end <= start) return std::nullopt;
  toRowEnd = end == length;
  const int startOffset = TextWidth(text.substr(0, static_cast<size_t>(start)));
  const int endOffset = TextWidth(text.substr(0, static_cast<size_t>(end)));
  const int top = row.TextOriginY;
  const int bottom = top + FParams.LineHeight;
  const int x = row.TextOriginX;
  if (NeedsMirroredTextPositions(FParams.CharSet, std::string(text)))
    return TRect{x + width - endOffset, top, x + width - startOffset, bottom};
  return TRect{x + startOffset, top, x + endOffset, bottom};
}

// Answers whether the selection took the ellipsis of a cut row with it: it
// does when it runs to the row's end.
bool TcxTextRowsPainter::DrawSelection(const TcxTextRow& row, std::string_view text, int width, bool ellipsis) {
  bool toRowEnd = false;
  const std::optional<TRect> selection = SelectionRect(row, text, width, toRowEnd);
  if (!selection || IsRectEmpty(&*selection)) return false;
  {
    const TSavedClipRegion savedClip(FDC);
    IntersectClipRect(FDC, selection->left, selection->top, selection->right, selection->bottom);
    if (FSelectionBrush) FillRect(FDC, &*selection, FSelectionBrush.Get());
    const TTextColor color(FDC, FSelectionTextColor);
    TextOutRun(FDC, row.TextOriginX, row.TextOriginY, text, FParams.ExpandTabs);
  }
  ExcludeClipRect(FDC, selection->left, selection->top, selection->right, selection->bottom);
  if (!ellipsis || !toRowEnd) return false;
  const TTextColor color(FDC, FSelectionTextColor);
  DrawEllipsis(row.TextOriginX + width, row.TextOriginY);
  return true;
}

void TcxTextRowsPainter::DrawEllipsis(int x, int y) {
  if (x >= FRect.right) return;
  const bool clipped = !FParams.NoClip && x + FParams.EllipsisWidth > FRect.right;
  ClippedTextOutRun(FDC, x, y, FRect, clipped, cxEndEllipsis());
}

}  // namespace

void MeasureTextRun(HDC dc, const char* text, int length, SIZE& size, bool expandTabs) {
  size = {};
  if (expandTabs)
    size = MeasureExpandedRun(dc, std::string_view(text, static_cast<size_t>(std::max(length, 0))));
  else
    GetTextExtentPoint32A(dc, text, length, &size);
}

TcxFontMetrics TcxGdiTextMeasurer::FontMetrics() {
  TEXTMETRICA metrics{};
  GetTextMetricsA(FDC, &metrics);
  return {metrics.tmHeight, metrics.tmExternalLeading, metrics.tmMaxCharWidth, static_cast<char>(metrics.tmBreakChar),
          metrics.tmCharSet};
}

TcxTextExtent TcxGdiTextMeasurer::TextExtent(std::string_view text, bool expandTabs) {
  SIZE size{};
  MeasureTextRun(FDC, text.data(), static_cast<int>(text.size()), size, expandTabs);
  return {size.cx, size.cy};
}

bool TcxGdiTextMeasurer::IsLeadByte(char ch) { return IsDBCSLeadByte(static_cast<BYTE>(ch)) != FALSE; }

bool TcxGdiTextMeasurer::FarEastLocale() { return GetSystemMetrics(SM_DBCSENABLED) != 0; }

TcxTextRect cxTextRect(const TRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

void InitTextParams(HDC dc, uint32_t flags, TcxTextParams& params) {
  TcxGdiTextMeasurer measurer(dc);
  InitTextParams(measurer, flags, params);
}

void InitTextParams(TcxCanvas& canvas, uint32_t flags, TcxTextParams& params) {
  InitTextParams(canvas.Canvas().RequiredFontHandle(), flags, params);
}

bool MakeTextRows(HDC dc, std::string_view text, const TRect& rect, int maxLineCount, int& lineCount, TcxTextRows& rows,
                  const TcxTextParams& params) {
  TcxGdiTextMeasurer measurer(dc);
  return MakeTextRows(measurer, text, cxTextRect(rect), maxLineCount, lineCount, rows, params);
}

bool MakeTextRows(TcxCanvas& canvas, std::string_view text, const TRect& rect, int maxLineCount, int& lineCount,
                  TcxTextRows& rows, const TcxTextParams& params) {
  return MakeTextRows(canvas.Canvas().RequiredFontHandle(), text, rect, maxLineCount, lineCount, rows, params);
}

void LayoutTextRows(const TRect& rect, int lineCount, TcxTextRows& rows, const TcxTextParams& params) {
  LayoutTextRows(cxTextRect(rect), lineCount, rows, params);
}

void DrawTextRows(HDC dc, const TRect& rect, const TcxTextParams& params, bool forceEllipsis, TColor selectionTextColor,
                  TColor selectionBackgroundColor, int selectionStart, int selectionLength, int lineCount,
                  const TcxTextRows& rows) {
  const TBackgroundMode transparent(dc, TRANSPARENT);
  TcxTextRowsPainter painter(dc, rect, params, selectionTextColor, selectionBackgroundColor, selectionStart,
                             selectionLength);
  const int count = std::min(lineCount, static_cast<int>(rows.size()));
  for (int i = 0; i < count; ++i) painter.DrawRow(rows[static_cast<size_t>(i)], i == count - 1, forceEllipsis);
}
