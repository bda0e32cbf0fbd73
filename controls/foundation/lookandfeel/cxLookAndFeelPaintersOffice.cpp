// UltraFlat draws one-pixel frames and lights up what is under the mouse;
// Office11 takes UltraFlat's shapes in the Office 2003 colours, with shaded
// headers, dotted grips, and themed scroll bars and tool-bar buttons when the
// visual style offers them.
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPaintersUtils.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxThemeManager.h"

namespace {

TColor SchemeColor(int index) { return Office11Colors().SchemeColors[index]; }

}  // namespace

// UltraFlat.

TcxLookAndFeelStyle TcxUltraFlatLookAndFeelPainter::LookAndFeelStyle() const { return lfsUltraFlat; }
int TcxUltraFlatLookAndFeelPainter::BorderSize() const { return 1; }

void TcxUltraFlatLookAndFeelPainter::DrawBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, clBtnShadow);
}

int TcxUltraFlatLookAndFeelPainter::ButtonBorderSize(TcxButtonState state) const {
  return state == cxbsDefault ? 2 : 1;
}

TColor TcxUltraFlatLookAndFeelPainter::ButtonColor(TcxButtonState state) const {
  switch (state) {
    case cxbsHot: return MixedLightSelectionColor();
    case cxbsPressed: return MixedSelectionColor();
    default: return clBtnFace;
  }
}

TRect TcxUltraFlatLookAndFeelPainter::ButtonFocusRect(TcxCanvas&, const TRect& r) const {
  const TRect focus = DeflatedRect(r, 3);
  return IsEmptyRect(focus) ? r : focus;
}

TcxBorderSizes TcxUltraFlatLookAndFeelPainter::ButtonGroupBorderSizes(int index, int count) const {
  return {index == 0 ? 2 : 1, 2, index == count - 1 ? 2 : 1, 2};
}

int TcxUltraFlatLookAndFeelPainter::ButtonContentOffset() const { return 2; }
int TcxUltraFlatLookAndFeelPainter::ButtonTextShift() const { return 0; }

TColor TcxUltraFlatLookAndFeelPainter::ButtonSymbolColor(TcxButtonState state, TColor color) const {
  if (state == cxbsPressed) return clHighlightText;
  return TcxCustomLookAndFeelPainter::ButtonSymbolColor(state, color);
}

TcxButtonState TcxUltraFlatLookAndFeelPainter::ButtonSymbolState(TcxButtonState) const { return cxbsNormal; }

// Buttons in a row share their inner sides: each draws its right side, and the
// first its left side too.
void TcxUltraFlatLookAndFeelPainter::DrawButtonInGroup(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                       int index, int) const {
  const TcxPaintStateGuard guard(canvas);
  TcxBorders sides{bTop, bRight, bBottom};
  if (index == 0) sides.Include(bLeft);
  canvas.FrameRect(r, ButtonBorderColor(state), 1, sides);
  const TRect face{r.left + (index == 0 ? 1 : 0), r.top + 1, r.right - 1, r.bottom - 1};
  canvas.FillRectWithColor(face, state == cxbsPressed ? HighlightBorderColor() : ButtonColor(state));
}

void TcxUltraFlatLookAndFeelPainter::DrawButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (state != cxbsDefault) return canvas.FrameRect(r, ButtonBorderColor(state));
  canvas.FrameRect(r, clWindowFrame);
  canvas.FrameRect(DeflatedRect(r, 1), clWindowFrame);
}

void TcxUltraFlatLookAndFeelPainter::DrawButtonGroupBorder(TcxCanvas& canvas, const TRect& r, bool,
                                                           TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  const TColor color = state == cxbsHot ? HighlightBorderColor() : state == cxbsPressed ? clBtnText : clBtnShadow;
  canvas.FrameRect(r, color);
}

void TcxUltraFlatLookAndFeelPainter::DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded,
                                                      TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, clBtnShadow);
  const TRect face = DeflatedRect(r, 1);
  canvas.FillRectWithColor(face, color == clDefault ? clBtnFace : color);
  DrawExpandSign(canvas, face, expanded, clBtnText);
  canvas.ExcludeClipRect(r);
}

int TcxUltraFlatLookAndFeelPainter::ExpandButtonSize() const { return 11; }
bool TcxUltraFlatLookAndFeelPainter::IsButtonHotTrack() const { return true; }

void TcxUltraFlatLookAndFeelPainter::DrawCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, clBtnText);
  canvas.FrameRect(DeflatedRect(r, 1), CheckButtonColor(state));
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderEx(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                                  TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                                                  TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                                  bool multiLine, bool showEndEllipsis, const std::string& text,
                                                  const TFont* font, TColor textColor, TColor bkColor,
                                                  const TcxDrawBackgroundEvent& onDrawBackground) const {
  const TcxPaintStateGuard guard(canvas);
  DrawHeaderBorder(canvas, bounds, neighbors, borders);
  DrawHeaderContent(canvas, HeaderContentBoundsByBorders(bounds, borders), textAreaBounds, state, alignmentHorz,
                    alignmentVert, multiLine, showEndEllipsis, text, font, textColor, bkColor, onDrawBackground);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors,
                                                      TcxBorders borders) const {
  const TcxPaintStateGuard guard(canvas);
  TcxBorders sides{bRight, bBottom};
  if (borders.Contains(bLeft)) sides.Include(bLeft);
  if (borders.Contains(bTop)) sides.Include(bTop);
  canvas.FrameRect(r, clBtnText, 1, sides);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxBorders borders,
                                                             TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, state == cxbsDisabled ? clBtnShadow : clBlack, 1, borders);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderSectionContent(TcxCanvas& canvas, const TRect& bounds,
                                                              const TRect& textAreaBounds, TcxButtonState state,
                                                              TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                                              bool multiLine, bool showEndEllipsis,
                                                              const std::string& text, const TFont* font,
                                                              TColor textColor, TColor) const {
  const TcxPaintStateGuard guard(canvas);
  TcxCustomLookAndFeelPainter::DrawHeaderSectionContent(canvas, bounds, textAreaBounds, state, alignmentHorz,
                                                        alignmentVert, multiLine, showEndEllipsis, text, font,
                                                        textColor, ButtonColor(state));
}

void TcxUltraFlatLookAndFeelPainter::DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const {
  const TcxPaintStateGuard guard(canvas);
  DrawSortingTriangle(canvas, r, SortingMarkSize(), ascendingSorting, clBtnShadow, clBtnShadow);
}

TcxBorders TcxUltraFlatLookAndFeelPainter::HeaderBorders(TcxNeighbors neighbors) const {
  TcxBorders borders = cxBordersAll;
  if (neighbors.Contains(nLeft)) borders.Exclude(bLeft);
  if (neighbors.Contains(nTop)) borders.Exclude(bTop);
  return borders;
}

int TcxUltraFlatLookAndFeelPainter::HeaderBorderSize() const { return 1; }
SIZE TcxUltraFlatLookAndFeelPainter::SortingMarkSize() const { return {7, 8}; }
TcxBorders TcxUltraFlatLookAndFeelPainter::FrameBorders() const { return {bRight, bBottom}; }
int TcxUltraFlatLookAndFeelPainter::FrameSeparatorSize() const { return 1; }
int TcxUltraFlatLookAndFeelPainter::FrameSize() const { return 1; }
int TcxUltraFlatLookAndFeelPainter::FrameContentOffset() const { return 2; }

void TcxUltraFlatLookAndFeelPainter::DrawFrameSeparator(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FillRectWithColor(r, FrameBorderColor());
}

void TcxUltraFlatLookAndFeelPainter::DrawFrameBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, FrameBorderColor(), 1, FrameBorders());
}

void TcxUltraFlatLookAndFeelPainter::DrawDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                        bool) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, ButtonBorderColor(state));
  const TRect face = DeflatedRect(r, 1);
  canvas.FillRectWithColor(face, ButtonColor(state));
  DrawDropDownArrow(canvas, face, ButtonSymbolColor(state));
}

SIZE TcxUltraFlatLookAndFeelPainter::CloseButtonSize() const {
  const SIZE size = TcxCustomLookAndFeelPainter::CloseButtonSize();
  return {size.cx, size.cy + 1};
}

// Light lines on the left and top, dark ones on the right and bottom.
void TcxUltraFlatLookAndFeelPainter::DrawTabBorder(TcxCanvas& canvas, const TRect& r, TcxBorder border, TcxBorders,
                                                   bool) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FillRectWithColor(SideLine(r, border),
                           border == bLeft || border == bTop ? TabBorderColor() : TabDarkBorderColor());
}

void TcxUltraFlatLookAndFeelPainter::DrawTabPane(TcxCanvas& canvas, const TRect& r, TcxBorders borders) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawComplexFrame(r, TabBorderColor(), TabDarkBorderColor(), borders, TabBorderSize(false));
}

int TcxUltraFlatLookAndFeelPainter::TabBorderSize(bool) const { return 1; }

void TcxUltraFlatLookAndFeelPainter::DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r,
                                                       TcxScrollBarPart part, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (IsEmptyRect(r) || (part == sbpThumbnail && state == cxbsDisabled)) return;
  if (IsScrollBarPage(part)) return DrawScrollBarPage(canvas, r, state);
  if (part != sbpThumbnail && !IsScrollBarArrow(part)) return;
  DrawButton(canvas, r, "", state);
  if (IsScrollBarArrow(part))
    DrawButtonArrow(canvas, DeflatedRect(r, ButtonBorderSize(state)), state, ScrollBarArrowDirection(horizontal, part));
}

void TcxUltraFlatLookAndFeelPainter::DrawToolBarButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  DrawButton(canvas, r, "", state, state == cxbsHot || state == cxbsPressed);
}

void TcxUltraFlatLookAndFeelPainter::DrawCaptionBand(TcxCanvas& canvas, const TRect& r, bool horizontal,
                                                     const std::string& text) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, DefaultColor33(), 1, horizontal ? TcxBorders{bTop, bBottom} : TcxBorders{bLeft, bRight});
  const TRect band = horizontal ? InflatedRect(r, 0, -1) : InflatedRect(r, -1, 0);
  DrawTransparentText(canvas, text, band, cxSingleLine | cxAlignLeft | cxAlignVCenter, nullptr, clBtnText);
}

TColor TcxUltraFlatLookAndFeelPainter::ButtonBorderColor(TcxButtonState state) const {
  return state == cxbsNormal ? clBtnShadow : clHighlight;
}
TColor TcxUltraFlatLookAndFeelPainter::TabBorderColor() const { return clBtnShadow; }
TColor TcxUltraFlatLookAndFeelPainter::TabDarkBorderColor() const { return clBtnText; }
TColor TcxUltraFlatLookAndFeelPainter::HighlightBorderColor() const { return clHighlight; }

// Office11.

TcxLookAndFeelStyle TcxOffice11LookAndFeelPainter::LookAndFeelStyle() const { return lfsOffice11; }
TColor TcxOffice11LookAndFeelPainter::DefaultColor05() const { return SchemeColor(16); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor06() const { return Office11LightColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor08() const { return SchemeColor(2); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor11() const { return Office11DarkMixColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor12() const { return SchemeColor(0); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor13() const { return SchemeColor(32); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor28() const { return SchemeColor(2); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor29() const { return SchemeColor(33); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor33() const { return SchemeColor(35); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor34() const { return SchemeColor(34); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor41() const { return SchemeColor(3); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor46() const { return SchemeColor(2); }

void TcxOffice11LookAndFeelPainter::DrawHeaderContent(
    TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds, TcxButtonState state, TAlignment alignmentHorz,
    TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text, const TFont* font,
    TColor textColor, TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground, bool plainBackground) const {
  const TcxPaintStateGuard guard(canvas);
  if (!onDrawBackground || !onDrawBackground(canvas, bounds)) {
    const bool hot = state == cxbsHot;
    const TColor top = hot ? SchemeColor(0) : HeaderTopColor();
    const TColor bottom = hot ? SchemeColor(0) : HeaderBottomColor();
    if (plainBackground) {
      canvas.FillRectWithColor(bounds, top);
    } else {
      canvas.FillRectWithColor({bounds.left, bounds.top, bounds.right, bounds.bottom - 3}, top);
      FillGradientRect(canvas.Handle(), {bounds.left, bounds.bottom - 4, bounds.right, bounds.bottom}, top, bottom,
                       false);
    }
  }
  const TcxDrawBackgroundEvent backgroundDrawn = [](TcxCanvas&, const TRect&) { return true; };
  TcxCustomLookAndFeelPainter::DrawHeaderContent(canvas, bounds, textAreaBounds, state, alignmentHorz, alignmentVert,
                                                 multiLine, showEndEllipsis, text, font, textColor, bkColor,
                                                 backgroundDrawn);
}

void TcxOffice11LookAndFeelPainter::DrawBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, SchemeColor(18));
}

TColor TcxOffice11LookAndFeelPainter::ButtonColor(TcxButtonState state) const {
  switch (state) {
    case cxbsHot: return SchemeColor(22);
    case cxbsPressed: return SchemeColor(24);
    case cxbsDisabled: return clBtnFace;
    default: return SchemeColor(2);
  }
}

TColor TcxOffice11LookAndFeelPainter::ButtonSymbolColor(TcxButtonState state, TColor) const {
  if (state == cxbsPressed && !IsOffice11TableColors()) return clHighlightText;
  return SchemeColor(state == cxbsDisabled ? 31 : 30);
}

void TcxOffice11LookAndFeelPainter::DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor) const {
  const TcxPaintStateGuard guard(canvas);
  const TBitmap* glyph = Office11ExpandButtonBitmap(expanded);
  if (!IsGlyphAssigned(glyph)) return;
  canvas.Draw(r.left + (RectWidth(r) - glyph->Width()) / 2, r.top + (RectHeight(r) - glyph->Height()) / 2, *glyph);
}

bool TcxOffice11LookAndFeelPainter::ExpandButtonClassicFlag() const { return false; }

void TcxOffice11LookAndFeelPainter::DrawSmallExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor,
                                                          TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  DrawExpandButton(canvas, r, expanded, color);
}

int TcxOffice11LookAndFeelPainter::SmallExpandButtonSize() const { return ExpandButtonSize(); }

TColor TcxOffice11LookAndFeelPainter::CheckButtonColor(TcxButtonState state) const {
  if (state == cxbsHot || state == cxbsPressed) return ButtonColor(state);
  return TcxUltraFlatLookAndFeelPainter::CheckButtonColor(state);
}

// Light lines on the left and top, dark ones on the right and bottom; where a
// light line meets a dark one the corner takes the header's middle colour.
void TcxOffice11LookAndFeelPainter::DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors,
                                                     TcxBorders borders) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.DrawComplexFrame(r, LightEdgeColor(), DarkEdgeColor(), borders);
  const TColor corner = MixColors(HeaderTopColor(), HeaderBottomColor(), 50);
  if (borders.Contains(bTop) && borders.Contains(bRight)) canvas.SetPixel(r.right - 1, r.top, corner);
  if (borders.Contains(bLeft) && borders.Contains(bBottom)) canvas.SetPixel(r.left, r.bottom - 1, corner);
}

void TcxOffice11LookAndFeelPainter::DrawHeaderSection(TcxCanvas& canvas, const TRect& bounds,
                                                      const TRect& textAreaBounds, TcxNeighbors neighbors,
                                                      TcxBorders borders, TcxButtonState state,
                                                      TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                                      bool multiLine, bool showEndEllipsis, const std::string& text,
                                                      const TFont* font, TColor textColor, TColor bkColor) const {
  const TcxPaintStateGuard guard(canvas);
  DrawHeader(canvas, bounds, textAreaBounds, neighbors, borders, state, alignmentHorz, alignmentVert, multiLine,
             showEndEllipsis, text, font, textColor, bkColor);
  if (state == cxbsPressed) DrawHeaderPressed(canvas, bounds);
}

void TcxOffice11LookAndFeelPainter::DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const {
  const TcxPaintStateGuard guard(canvas);
  DrawSortingTriangle(canvas, r, SortingMarkSize(), ascendingSorting, LightEdgeColor(), DarkEdgeColor());
}

TcxBorders TcxOffice11LookAndFeelPainter::HeaderBorders(TcxNeighbors) const { return cxBordersAll; }
bool TcxOffice11LookAndFeelPainter::HeaderHotTrackFlag() const { return true; }
TColor TcxOffice11LookAndFeelPainter::FrameBorderColor() const { return DarkEdgeColor(); }

void TcxOffice11LookAndFeelPainter::DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r,
                                                      TcxScrollBarPart part, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  const TcxLookAndFeelPainterClass painter =
      AreVisualStylesAvailable({totScrollBar}) ? cxWinXPLookAndFeelPainter() : cxStandardLookAndFeelPainter();
  painter->DrawScrollBarPart(canvas, horizontal, r, part, state);
}

void TcxOffice11LookAndFeelPainter::DrawSizeGrip(TcxCanvas& canvas, const TRect& r, TColor backgroundColor) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FillRectWithColor(r, backgroundColor);
  DrawSizeGripDots(canvas.Handle(), r);
}

void TcxOffice11LookAndFeelPainter::DrawContentBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, DefaultColor33());
}

void TcxOffice11LookAndFeelPainter::DrawToolBarButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  cxWinXPLookAndFeelPainter()->DrawToolBarButton(canvas, r, state);
}

TColor TcxOffice11LookAndFeelPainter::ButtonBorderColor(TcxButtonState state) const {
  return state == cxbsNormal ? DarkEdgeColor() : SchemeColor(21);
}
TColor TcxOffice11LookAndFeelPainter::TabBorderColor() const { return DarkEdgeColor(); }
TColor TcxOffice11LookAndFeelPainter::HighlightBorderColor() const { return SchemeColor(21); }
TColor TcxOffice11LookAndFeelPainter::HeaderBottomColor() const { return SchemeColor(1); }
TColor TcxOffice11LookAndFeelPainter::DarkEdgeColor() const { return SchemeColor(14); }
TColor TcxOffice11LookAndFeelPainter::LightEdgeColor() const { return SchemeColor(15); }
TColor TcxOffice11LookAndFeelPainter::HeaderTopColor() const { return MixColors(SchemeColor(0), SchemeColor(1), 50); }
