#include "controls/foundation/container/cxContainerViewInfo.h"

#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxUxTheme.h"

namespace {

// Theme properties of the edit and combo-box parts.
constexpr int kThemeBorderColorProperty = 3801;

bool RectsEqual(const TRect& a, const TRect& b) { return EqualRect(&a, &b) != FALSE; }

TcxBorders MissingEdges(TcxBorders edges) {
  TcxBorders missing;
  for (TcxBorder border : {bLeft, bTop, bRight, bBottom})
    if (!edges.Contains(border)) missing.Include(border);
  return missing;
}

}  // namespace

// ---- the view info

std::unique_ptr<TcxContainerViewInfo> CreateContainerViewInfo() { return std::make_unique<TcxContainerViewInfo>(); }

void TcxContainerViewInfo::Assign(const TcxContainerViewInfo* source) {
  if (source) ClientRect = source->ClientRect;
}

std::unique_ptr<TcxRegion> TcxContainerViewInfo::GetUpdateRegion(const TcxContainerViewInfo* /*other*/) {
  return std::make_unique<TcxRegion>();
}

void TcxContainerViewInfo::Offset(int dx, int dy) {
  OffsetRect(&ContentRect, dx, dy);
  OffsetRect(&Bounds, dx, dy);
  OffsetRect(&ClientRect, dx, dy);
}

void TcxContainerViewInfo::DrawBorder(TcxCanvas& canvas, TRect rect) {
  DrawContainerBorder(canvas, rect, BorderStyle, BorderWidth, BorderColor, Edges, Painter);
}

void TcxContainerViewInfo::InternalPaint(TcxCanvas& canvas) {
  if (NativeStyle)
    PaintNative(canvas);
  else
    PaintClassic(canvas);
}

// The shadow lies along the sides that have a border; the border then
// reaches past the content on every side, so a missing edge's pixels fall
// outside the window region.
void TcxContainerViewInfo::PaintClassic(TcxCanvas& canvas) {
  TRect rect = ContentRect;
  rect.left -= BorderWidth;
  rect.top -= BorderWidth;
  if (Edges.Contains(bRight)) rect.right += BorderWidth;
  if (Edges.Contains(bBottom)) rect.bottom += BorderWidth;
  if (Shadow) DrawContainerShadow(canvas, rect);
  if (!Edges.Contains(bRight)) rect.right += BorderWidth;
  if (!Edges.Contains(bBottom)) rect.bottom += BorderWidth;
  DrawBorder(canvas, rect);
  canvas.FillRectWithColor(ContentRect, BackgroundColor);
}

void TcxContainerViewInfo::PaintNative(TcxCanvas& canvas) {
  if (BorderStyle == cbsNone) return canvas.FillRectWithColor(Bounds, BackgroundColor);
  TRect content = Bounds;
  if (HTHEME theme = OpenTheme(ThemedObjectType))
    dxUxTheme::GetThemeBackgroundContentRect(theme, canvas.Handle(), NativePart, NativeState, Bounds, content);
  canvas.FillRectWithColor(content, BackgroundColor);
  COLORREF frame = ColorToRGB(clWindowFrame);
  if (HTHEME comboTheme = OpenTheme(totComboBox))
    dxUxTheme::GetThemeColor(comboTheme, 1, 1, kThemeBorderColorProperty, frame);
  FillRectFrame(canvas, Bounds, content, static_cast<TColor>(frame));
}

// ---- the geometry

TcxContainerStates CalculateContainerState(const TcxContainerStateFacts& facts) {
  if (!facts.Enabled) return {csDisabled};
  if (facts.Designing) return {csNormal};
  TcxContainerStates states{facts.Focused ? csFocused : csNormal};
  if (facts.HotPointer) states.Include(csHot);
  return states;
}

TcxContainerState ActiveStyleState(TcxContainerStates states, bool hotTrack) {
  if (states.Contains(csDisabled)) return csDisabled;
  if (states.Contains(csFocused)) return csFocused;
  if (states.Contains(csHot) && hotTrack) return csHot;
  return csNormal;
}

int CalculateHotState(TcxContainerStates states, bool hotTrack) {
  if (!hotTrack) return 0;
  return states.Contains(csFocused) || states.Contains(csHot) ? 2 : 1;
}

TcxContainerStyleFacts ContainerStyleFacts(const TcxContainerStyle& active, const TcxContainerStyle& normal,
                                           bool nativeStyle, bool inplace) {
  TcxContainerStyleFacts facts;
  facts.TransparentBorder = active.TransparentBorder();
  facts.HasBorder = active.HasBorder();
  facts.HasShadow = active.Shadow() && !nativeStyle;
  facts.NormalBorderStyle = normal.BorderStyle();
  facts.NormalHasBorder = normal.HasBorder();
  facts.Inplace = inplace;
  return facts;
}

TcxContainerBorderStyle ViewInfoBorderStyle(TcxContainerBorderStyle activeBorderStyle,
                                            TcxContainerBorderStyle normalBorderStyle, bool nativeStyle) {
  if (nativeStyle) return normalBorderStyle;
  if (activeBorderStyle == cbsUltraFlat || activeBorderStyle == cbsOffice11) return cbsSingle;
  return activeBorderStyle;
}

TRect GetContainerBorderExtent(const TcxContainerViewInfo& viewInfo, const TcxContainerStyleFacts& facts) {
  TRect extent{};
  if (facts.TransparentBorder && !viewInfo.Painter) {
    extent = TRect{2, 2, 2, 2};
  } else if (facts.HasBorder) {
    if (viewInfo.NativeStyle) {
      const int width = facts.NormalBorderStyle == cbsNone ? 0 : 2;
      extent = TRect{width, width, width, width};
    } else {
      const int width = viewInfo.Painter ? 1 : GetContainerBorderWidth(viewInfo.BorderStyle);
      extent.left = viewInfo.Edges.Contains(bLeft) ? width : 0;
      extent.top = viewInfo.Edges.Contains(bTop) ? width : 0;
      extent.right = viewInfo.Edges.Contains(bRight) ? width : 0;
      extent.bottom = viewInfo.Edges.Contains(bBottom) ? width : 0;
    }
  }
  if (facts.HasShadow) {
    extent.right += cxContainerShadowWidth;
    extent.bottom += cxContainerShadowWidth;
  }
  return extent;
}

TRect GetContainerVisibleBounds(const TRect& controlRect, const TcxContainerViewInfo& viewInfo,
                                const TcxContainerStyleFacts& facts) {
  TRect bounds = controlRect;
  if (facts.Inplace) return bounds;
  if (facts.HasShadow) {
    bounds.right -= cxContainerShadowWidth;
    bounds.bottom -= cxContainerShadowWidth;
  }
  if (!facts.NormalHasBorder) {
    if (facts.TransparentBorder) InflateRect(&bounds, -2, -2);
  } else if (viewInfo.NativeStyle) {
    if (facts.TransparentBorder && facts.NormalBorderStyle == cbsNone) InflateRect(&bounds, -2, -2);
  } else if (facts.TransparentBorder) {
    const int width = GetContainerBorderWidth(viewInfo.BorderStyle);
    InflateRect(&bounds, width - 2, width - 2);
    bounds = ShrinkRectOnMissingEdges(bounds, width, viewInfo.Edges);
  }
  if (bounds.top > bounds.bottom) bounds.top = bounds.bottom = 0;
  return bounds;
}

TRect GetContainerShadowBounds(const TcxContainerViewInfo& viewInfo, const TRect& borderExtent) {
  TRect bounds = viewInfo.Bounds;
  bounds.left += borderExtent.left;
  bounds.top += borderExtent.top;
  bounds.right -= borderExtent.right;
  bounds.bottom -= borderExtent.bottom;
  const int width = GetContainerBorderWidth(viewInfo.BorderStyle);
  InflateRect(&bounds, width, width);
  return ShrinkRectOnMissingEdges(bounds, width, viewInfo.Edges);
}

TColor CalculateContainerBorderColor(const TcxContainerViewInfo& viewInfo, const TcxContainerStyle& active,
                                     bool designing, bool enabled) {
  const TcxContainerStates states = viewInfo.ContainerState;
  const bool highlighted =
      states.Contains(csFocused) || (states.Contains(csHot) && active.HotTrack()) || (designing && enabled);
  if (viewInfo.Painter) return viewInfo.Painter->EditBorderColor(highlighted);
  const TcxContainerBorderStyle style = active.BorderStyle();
  if (style == cbsUltraFlat || style == cbsOffice11) {
    if (!highlighted) return clBtnShadow;
    if (style == cbsUltraFlat) return clHighlight;
    return Office11Colors().SelectedBorderColor;
  }
  return active.BorderColor();
}

std::unique_ptr<TcxRegion> CreateContainerWindowRegion(bool needsRegion, const TRect& shadowBounds, bool shadow) {
  if (!needsRegion) return nullptr;
  auto region = std::make_unique<TcxRegion>(shadowBounds);
  if (shadow) {
    TcxRegion shadowCopy(shadowBounds);
    shadowCopy.Offset(cxContainerShadowWidth, cxContainerShadowWidth);
    region->Combine(shadowCopy, roAdd);
  }
  return region;
}

// ---- painting routines

void DrawContainerBorder(TcxCanvas& canvas, const TRect& rect, TcxContainerBorderStyle borderStyle, int borderWidth,
                         TColor borderColor, TcxBorders edges, TcxLookAndFeelPainterClass painter) {
  if (painter) return canvas.FrameRect(rect, borderColor, borderWidth);
  switch (borderStyle) {
    case cbsSingle:
    case cbsThick: return canvas.FrameRect(rect, borderColor, borderWidth);
    case cbsFlat:
    case cbs3D: {
      canvas.DrawEdge(rect, true, true, edges);
      TRect inner = rect;
      InflateRect(&inner, -1, -1);
      if (borderStyle == cbsFlat)
        canvas.FrameRect(inner, clBtnFace);
      else
        canvas.DrawComplexFrame(inner, cl3DDkShadow, cl3DLight, edges);
      return;
    }
    default: return;
  }
}

void DrawContainerShadow(TcxCanvas& canvas, const TRect& rect) {
  const TRect bottom{rect.left + cxContainerShadowWidth, rect.bottom, rect.right, rect.bottom + cxContainerShadowWidth};
  const TRect right{rect.right, rect.top + cxContainerShadowWidth, rect.right + cxContainerShadowWidth,
                    rect.bottom + cxContainerShadowWidth};
  for (const TRect& strip : {bottom, right}) {
    canvas.FillRectWithColor(strip, clBtnShadow);
    canvas.ExcludeClipRect(strip);
  }
}

TRect ShrinkRectOnMissingEdges(const TRect& rect, int width, TcxBorders edges) {
  TRect result = rect;
  const TcxBorders missing = MissingEdges(edges);
  if (missing.Contains(bLeft)) result.left += width;
  if (missing.Contains(bTop)) result.top += width;
  if (missing.Contains(bRight)) result.right -= width;
  if (missing.Contains(bBottom)) result.bottom -= width;
  return result;
}

std::array<TRect, 4> RectFrameStrips(const TRect& outer, const TRect& inner) {
  return {TRect{outer.left, outer.top, inner.left, outer.bottom}, TRect{inner.left, outer.top, inner.right, inner.top},
          TRect{inner.right, outer.top, outer.right, outer.bottom},
          TRect{inner.left, inner.bottom, inner.right, outer.bottom}};
}

void FillRectFrame(TcxCanvas& canvas, const TRect& outer, const TRect& inner, TColor color) {
  if (IsRectEmpty(&outer) || RectsEqual(outer, inner)) return;
  for (const TRect& strip : RectFrameStrips(outer, inner))
    if (!IsRectEmpty(&strip)) canvas.FillRectWithColor(strip, color);
}
