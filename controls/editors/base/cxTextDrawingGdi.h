#pragma once
// The editors' text rows on a device context: measured with the font
// selected into it, and drawn with justification, clipping, a selection in
// its own colours and an ellipsis after a truncated last row.
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "controls/editors/base/cxTextDrawing.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "platform/graphics/Colors.h"

// The extent of the run in the context's font, tabs expanded when asked.
void MeasureTextRun(HDC dc, const char* text, int length, SIZE& size, bool expandTabs);

// Measures with the font selected into the context, in the ANSI code page.
class TcxGdiTextMeasurer : public TcxTextMeasurer {
 public:
  explicit TcxGdiTextMeasurer(HDC dc) : FDC(dc) {}
  TcxFontMetrics FontMetrics() override;
  TcxTextExtent TextExtent(std::string_view text, bool expandTabs) override;
  bool IsLeadByte(char ch) override;
  bool FarEastLocale() override;

 private:
  HDC FDC;
};

TcxTextRect cxTextRect(const TRect& rect);

void InitTextParams(HDC dc, uint32_t flags, TcxTextParams& params);
void InitTextParams(TcxCanvas& canvas, uint32_t flags, TcxTextParams& params);
bool MakeTextRows(HDC dc, std::string_view text, const TRect& rect, int maxLineCount, int& lineCount, TcxTextRows& rows,
                  const TcxTextParams& params);
bool MakeTextRows(TcxCanvas& canvas, std::string_view text, const TRect& rect, int maxLineCount, int& lineCount,
                  TcxTextRows& rows, const TcxTextParams& params);
void LayoutTextRows(const TRect& rect, int lineCount, TcxTextRows& rows, const TcxTextParams& params);
// Draws the first `lineCount` rows where LayoutTextRows put them. The
// selection (start and length in the whole text) is drawn in its own
// colours; its background is not filled when it is clNone. The context's
// background mode, text colour, justification and clip region are as before
// afterwards.
void DrawTextRows(HDC dc, const TRect& rect, const TcxTextParams& params, bool forceEllipsis, TColor selectionTextColor,
                  TColor selectionBackgroundColor, int selectionStart, int selectionLength, int lineCount,
                  const TcxTextRows& rows);
