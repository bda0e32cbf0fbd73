#pragma once
// What the painters' files share and nobody else needs.
#include <windows.h>

#include <string>

#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"

// Hands the canvas back as a drawing operation found it: its pen, brush and
// font, the context's text colour, background colour and mode, however the
// operation ends. A context whose objects the canvas had not selected gets
// its own objects back; a canvas that had selects its (equal) objects again
// when it next draws.
class TcxPaintStateGuard {
 public:
  explicit TcxPaintStateGuard(TcxCanvas& canvas);
  ~TcxPaintStateGuard();
  TcxPaintStateGuard(const TcxPaintStateGuard&) = delete;
  TcxPaintStateGuard& operator=(const TcxPaintStateGuard&) = delete;

 private:
  TcxCanvas& FCanvas;
  HDC FDC;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  COLORREF FTextColor;
  COLORREF FBkColor;
  int FBkMode;
  HGDIOBJ FSelectedPen;
  HGDIOBJ FSelectedBrush;
  HGDIOBJ FSelectedFont;
};

inline int RectWidth(const TRect& r) { return r.right - r.left; }
inline int RectHeight(const TRect& r) { return r.bottom - r.top; }
inline TRect InflatedRect(const TRect& r, int dx, int dy) {
  return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy};
}
inline TRect DeflatedRect(const TRect& r, int d) { return InflatedRect(r, -d, -d); }
inline TRect MovedRect(const TRect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
inline bool IsEmptyRect(const TRect& r) { return r.right <= r.left || r.bottom <= r.top; }

int AlignmentFlags(TAlignment alignmentHorz, TcxAlignmentVert alignmentVert);
// The text in `r` by the header flags: alignment, one line or word break, end ellipsis.
int HeaderTextFlags(TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis);
// Text with a clear brush in the font (when given) and colour.
void DrawTransparentText(TcxCanvas& canvas, const std::string& text, const TRect& r, int flags, const TFont* font,
                         TColor color);
// A filled triangle, pen and brush in the colour.
void DrawTriangle(TcxCanvas& canvas, const POINT& a, const POINT& b, const POINT& c, TColor color);
// A minus across the middle of `r`, with a vertical bar when not expanded.
void DrawExpandSign(TcxCanvas& canvas, const TRect& r, bool expanded, TColor color);
// The sorting triangle of `size` centred in `r`: pointing up when ascending,
// its left-hand edges in `darkColor`, the others in `lightColor`.
void DrawSortingTriangle(TcxCanvas& canvas, const TRect& r, SIZE size, bool ascending, TColor lightColor,
                         TColor darkColor);
// A line of one pixel along a side of `r`.
TRect SideLine(const TRect& r, TcxBorder side);

// The first arrow button points up or left, the second down or right.
TcxArrowDirection ScrollBarArrowDirection(bool horizontal, TcxScrollBarPart part);
bool IsScrollBarArrow(TcxScrollBarPart part);
bool IsScrollBarPage(TcxScrollBarPart part);
// A page area in the first pattern, the second when pressed.
void DrawScrollBarPage(TcxCanvas& canvas, const TRect& r, TcxButtonState state);

// A cell of the system's check-box bitmap (OBM_CHECKBOXES: four columns, three rows).
SIZE CheckBoxBitmapCellSize();
