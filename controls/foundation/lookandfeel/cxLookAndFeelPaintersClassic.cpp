// The two classic styles: Standard draws Windows' two-pixel raised and sunken
// frames, Flat the same elements with one-pixel frames.
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPaintersUtils.h"

namespace {

UINT ScrollBarArrowFrameFlags(TcxArrowDirection direction, TcxButtonState state) {
  UINT flags = direction == adUp     ? DFCS_SCROLLUP
               : direction == adDown ? DFCS_SCROLLDOWN
               : direction == adLeft ? DFCS_SCROLLLEFT
                                     : DFCS_SCROLLRIGHT;
  if (state == cxbsDisabled) flags |= DFCS_INACTIVE;
  if (state == cxbsPressed) flags |= DFCS_FLAT;
  return flags;
}

// Both classic headers: a raised edge whose corners blend into the neighbours.
void DrawClassicHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors) {
  canvas.DrawEdge(r, false, false);
  if (neighbors.Contains(nLeft)) {
    canvas.SetPixel(r.left, r.top + 1, clBtnFace);
    canvas.SetPixel(r.left, r.bottom - 2, clBtnFace);
  }
  if (neighbors.Contains(nRight)) {
    canvas.SetPixel(r.right - 1, r.top, clBtnHighlight);
    canvas.SetPixel(r.right - 1, r.top + 1, clBtnFace);
    canvas.SetPixel(r.right - 1, r.bottom - 2, clBtnFace);
  }
}

void DrawClassicDropDownButton(const TcxCustomLookAndFeelPainter& painter, TcxCanvas& canvas, const TRect& r,
                               TcxButtonState state, bool isInEditor) {
  const bool pressed = state == cxbsPressed;
  canvas.DrawEdge(r, pressed, pressed);
  const TRect face = DeflatedRect(r, 1);
  canvas.FillRectWithColor(face, clBtnFace);
  // An editor's drop-down arrow is blue, so it reads as part of the editor.
  painter.DrawDropDownArrow(canvas, face, isInEditor ? 0x00FF0000 : clBtnText);
}

// The side line of a tab; the corner pixels stay as the lines leave them.
void DrawClassicTabBorder(TcxCanvas& canvas, const TRect& r, TcxBorder border, TColor darkColor) {
  canvas.FillRectWithColor(SideLine(r, border), border == bLeft || border == bTop ? clBtnHighlight : darkColor);
}

// Pairs of lines along the band's long sides, each pair one pixel further in.
void DrawCaptionBandLines(TcxCanvas& canvas, TRect& r, bool horizontal,
                          std::initializer_list<std::pair<TColor, TColor>> pairs) {
  for (const auto& [first, second] : pairs) {
    canvas.FillRectWithColor(SideLine(r, horizontal ? bTop : bLeft), first);
    canvas.FillRectWithColor(SideLine(r, horizontal ? bBottom : bRight), second);
    r = horizontal ? InflatedRect(r, 1, -1) : InflatedRect(r, -1, 1);
  }
}

void DrawCaptionBandText(TcxCanvas& canvas, const TRect& r, const std::string& text) {
  DrawTransparentText(canvas, text, r, cxSingleLine | cxAlignLeft | cxAlignVCenter, nullptr, clBtnText);
}

}  // namespace

// Standard.

TcxLookAndFeelStyle TcxStandardLookAndFeelPainter::LookAndFeelStyle() const { return lfsStandard; }
int TcxStandardLookAndFeelPainter::BorderSize() const { return 2; }

void TcxStandardLookAndFeelPainter::DrawBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawComplexFrame(r, clBtnShadow, clBtnHighlight);
  canvas.DrawComplexFrame(DeflatedRect(r, 1), cl3DDkShadow, cl3DLight);
}

int TcxStandardLookAndFeelPainter::ButtonBorderSize(TcxButtonState state) const { return state == cxbsDefault ? 3 : 2; }
int TcxStandardLookAndFeelPainter::ButtonContentOffset() const { return 1; }
int TcxStandardLookAndFeelPainter::ButtonTextShift() const { return 1; }

void TcxStandardLookAndFeelPainter::DrawButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (state == cxbsPressed) {
    canvas.FrameRect(r, clBlack);
    canvas.DrawComplexFrame(DeflatedRect(r, 1), clBtnShadow, clBtnShadow);
    return;
  }
  TRect frame = r;
  if (state == cxbsDefault) {
    canvas.FrameRect(frame, clBlack);
    frame = DeflatedRect(frame, 1);
  }
  canvas.DrawComplexFrame(frame, clBtnHighlight, cl3DDkShadow);
  canvas.DrawComplexFrame(DeflatedRect(frame, 1), cl3DLight, clBtnShadow);
}

void TcxStandardLookAndFeelPainter::DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded,
                                                     TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, false, false, {bLeft, bTop});
  canvas.DrawEdge(r, false, true, {bRight, bBottom});
  const TRect inner = DeflatedRect(r, 1);
  canvas.DrawEdge(inner, false, false, {bRight, bBottom});
  const TRect face{inner.left, inner.top, inner.right - 1, inner.bottom - 1};
  canvas.FillRectWithColor(face, color == clDefault ? clBtnFace : color);
  DrawExpandSign(canvas, face, expanded, clBtnText);
  canvas.ExcludeClipRect(r);
}

// Standard's group button is drawn by the base with the Flat style's operations.
void TcxStandardLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded,
                                                          TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  cxFlatLookAndFeelPainter()->TcxCustomLookAndFeelPainter::DrawGroupExpandButton(canvas, r, expanded, state);
}

int TcxStandardLookAndFeelPainter::ExpandButtonSize() const { return 12; }

void TcxStandardLookAndFeelPainter::DrawCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, true, false);
  canvas.DrawEdge(DeflatedRect(r, 1), true, true);
}

void TcxStandardLookAndFeelPainter::DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors,
                                                     TcxBorders) const {
  const TcxPaintStateGuard guard(canvas);
  DrawClassicHeaderBorder(canvas, r, neighbors);
}

void TcxStandardLookAndFeelPainter::DrawHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxBorders borders,
                                                            TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  const bool pressed = state == cxbsPressed;
  TRect frame = r;
  if (!pressed) {
    canvas.DrawComplexFrame(frame, clBtnHighlight, cl3DDkShadow, borders);
    frame = DeflatedRect(frame, 1);
  }
  canvas.DrawComplexFrame(frame, pressed ? clBtnShadow : cl3DLight, clBtnShadow, borders);
}

void TcxStandardLookAndFeelPainter::DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const {
  const TcxPaintStateGuard guard(canvas);
  DrawSortingTriangle(canvas, r, SortingMarkSize(), ascendingSorting, clBtnHighlight, clBtnShadow);
}

int TcxStandardLookAndFeelPainter::HeaderBorderSize() const { return 1; }
int TcxStandardLookAndFeelPainter::HeaderSectionBorderSize(TcxButtonState state) const {
  return state == cxbsPressed ? 1 : 2;
}
SIZE TcxStandardLookAndFeelPainter::SortingMarkSize() const { return {8, 7}; }
int TcxStandardLookAndFeelPainter::FrameSeparatorSize() const { return 1; }
int TcxStandardLookAndFeelPainter::FrameSize() const { return 1; }
int TcxStandardLookAndFeelPainter::FrameContentOffset() const { return 1; }

void TcxStandardLookAndFeelPainter::DrawFrameSeparator(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, false, false);
}

void TcxStandardLookAndFeelPainter::DrawFrameBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, true, true);
}

void TcxStandardLookAndFeelPainter::DrawDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                       bool isInEditor) const {
  const TcxPaintStateGuard guard(canvas);
  DrawClassicDropDownButton(*this, canvas, r, state, isInEditor);
}

void TcxStandardLookAndFeelPainter::DrawTabBorder(TcxCanvas& canvas, const TRect& r, TcxBorder border, TcxBorders,
                                                  bool) const {
  const TcxPaintStateGuard guard(canvas);
  DrawClassicTabBorder(canvas, r, border, cl3DDkShadow);
}

void TcxStandardLookAndFeelPainter::DrawTabPane(TcxCanvas& canvas, const TRect& r, TcxBorders borders) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, false, false, borders);
}

int TcxStandardLookAndFeelPainter::TabBorderSize(bool) const { return 1; }

void TcxStandardLookAndFeelPainter::DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r,
                                                      TcxScrollBarPart part, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (IsScrollBarArrow(part)) {
    TRect button = r;
    DrawFrameControl(canvas.Handle(), &button, DFC_SCROLL,
                     ScrollBarArrowFrameFlags(ScrollBarArrowDirection(horizontal, part), state));
  } else if (part == sbpThumbnail) {
    const bool pressed = state == cxbsPressed;
    canvas.DrawComplexFrame(r, pressed ? clBtnShadow : clBtnFace, pressed ? clBtnShadow : cl3DDkShadow);
    canvas.DrawComplexFrame(DeflatedRect(r, 1), pressed ? clBtnFace : clBtnHighlight,
                            pressed ? clBtnFace : clBtnShadow);
    canvas.FillRectWithColor(DeflatedRect(r, 2), clBtnFace);
  } else if (IsScrollBarPage(part)) {
    DrawScrollBarPage(canvas, r, state);
  }
}

// The cell's text keeps one pixel off its borders.
void TcxStandardLookAndFeelPainter::DrawHeaderItem(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors,
                                                   const std::string& text, const TFont* font,
                                                   TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  DrawHeader(canvas, r, DeflatedRect(HeaderContentBounds(r, neighbors), 1), neighbors, HeaderBorders(neighbors), state,
             taLeftJustify, vaCenter, false, true, text, font, clWindowText, clBtnFace);
}

void TcxStandardLookAndFeelPainter::DrawCaptionBand(TcxCanvas& canvas, const TRect& r, bool horizontal,
                                                    const std::string& text) const {
  const TcxPaintStateGuard guard(canvas);
  TRect band = r;
  DrawCaptionBandLines(canvas, band, horizontal, {{clBtnFace, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}});
  DrawCaptionBandText(canvas, band, text);
}

// Flat.

TcxLookAndFeelStyle TcxFlatLookAndFeelPainter::LookAndFeelStyle() const { return lfsFlat; }
int TcxFlatLookAndFeelPainter::BorderSize() const { return 1; }

void TcxFlatLookAndFeelPainter::DrawBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, true, true);
}

int TcxFlatLookAndFeelPainter::ButtonBorderSize(TcxButtonState state) const { return state == cxbsDefault ? 2 : 1; }
int TcxFlatLookAndFeelPainter::ButtonContentOffset() const { return 1; }
int TcxFlatLookAndFeelPainter::ButtonTextShift() const { return 1; }

void TcxFlatLookAndFeelPainter::DrawButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (state == cxbsPressed) return canvas.DrawComplexFrame(r, clBtnShadow, clBtnHighlight);
  TRect frame = r;
  if (state == cxbsDefault) {
    canvas.FrameRect(frame, clBlack);
    frame = DeflatedRect(frame, 1);
  }
  canvas.DrawComplexFrame(frame, clBtnHighlight, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  DrawButton(canvas, r, "", cxbsNormal, true, color);
  DrawExpandSign(canvas, DeflatedRect(r, 1), expanded, clBtnText);
  canvas.ExcludeClipRect(r);
}

int TcxFlatLookAndFeelPainter::ExpandButtonSize() const { return 11; }

void TcxFlatLookAndFeelPainter::DrawCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, true, true);
  canvas.FrameRect(DeflatedRect(r, 1), CheckButtonColor(state));
}

void TcxFlatLookAndFeelPainter::DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors,
                                                 TcxBorders) const {
  const TcxPaintStateGuard guard(canvas);
  DrawClassicHeaderBorder(canvas, r, neighbors);
}

void TcxFlatLookAndFeelPainter::DrawHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxBorders borders,
                                                        TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (state == cxbsPressed)
    canvas.DrawComplexFrame(r, clBtnShadow, clBtnHighlight, borders);
  else
    canvas.DrawComplexFrame(r, clBtnHighlight, clBtnShadow, borders);
}

void TcxFlatLookAndFeelPainter::DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const {
  const TcxPaintStateGuard guard(canvas);
  DrawSortingTriangle(canvas, r, SortingMarkSize(), ascendingSorting, clBtnHighlight, clBtnShadow);
}

int TcxFlatLookAndFeelPainter::HeaderBorderSize() const { return 1; }
SIZE TcxFlatLookAndFeelPainter::SortingMarkSize() const { return {8, 7}; }
int TcxFlatLookAndFeelPainter::FrameSeparatorSize() const { return 1; }
int TcxFlatLookAndFeelPainter::FrameSize() const { return 1; }
int TcxFlatLookAndFeelPainter::FrameContentOffset() const { return 1; }

void TcxFlatLookAndFeelPainter::DrawFrameSeparator(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, false, false);
}

void TcxFlatLookAndFeelPainter::DrawFrameBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, true, true);
}

void TcxFlatLookAndFeelPainter::DrawDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                   bool isInEditor) const {
  const TcxPaintStateGuard guard(canvas);
  DrawClassicDropDownButton(*this, canvas, r, state, isInEditor);
}

void TcxFlatLookAndFeelPainter::DrawTabBorder(TcxCanvas& canvas, const TRect& r, TcxBorder border, TcxBorders,
                                              bool) const {
  const TcxPaintStateGuard guard(canvas);
  DrawClassicTabBorder(canvas, r, border, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::DrawTabPane(TcxCanvas& canvas, const TRect& r, TcxBorders borders) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawEdge(r, false, false, borders);
}

int TcxFlatLookAndFeelPainter::TabBorderSize(bool) const { return 1; }

void TcxFlatLookAndFeelPainter::DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r,
                                                  TcxScrollBarPart part, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (IsScrollBarPage(part)) return DrawScrollBarPage(canvas, r, state);
  if (part != sbpThumbnail && !IsScrollBarArrow(part)) return;
  DrawButton(canvas, r, "", state);
  if (IsScrollBarArrow(part))
    DrawButtonArrow(canvas, DeflatedRect(r, ButtonBorderSize(state)), state, ScrollBarArrowDirection(horizontal, part));
}

void TcxFlatLookAndFeelPainter::DrawCaptionBand(TcxCanvas& canvas, const TRect& r, bool horizontal,
                                                const std::string& text) const {
  const TcxPaintStateGuard guard(canvas);
  TRect band = r;
  DrawCaptionBandLines(canvas, band, horizontal, {{clBtnHighlight, clBtnShadow}});
  DrawCaptionBandText(canvas, band, text);
}
