#include <algorithm>
#include <array>
#include <optional>

#include "controls/editors/base/cxEditPopupWindow.h"
#include "controls/editors/base/cxEditUtils.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int kWindowCloseButtonPart = 18;
constexpr int kScrollBarSizeBoxPart = 10;
constexpr int kNormalThemeState = 1;
// The grip and the classic close button keep this far from the panel's edges.
constexpr int kSysPanelMargin = 2;

constexpr std::array<int, 4> kBorderWidths{0, 1, 4, 2};
constexpr std::array<int, 4> kClientEdgeWidths{0, 2, 2, 1};

std::optional<SIZE> ThemedPartSize(TdxThemedObjectType type, int part) {
  const HTHEME theme = OpenTheme(type);
  SIZE size{};
  if (!theme || FAILED(dxUxTheme::GetThemePartSize(theme, nullptr, part, kNormalThemeState, TS_TRUE, size)))
    return std::nullopt;
  return size;
}

int SystemSysPanelHeight() { return std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE)); }

TRect MovedToOrigin(const TRect& r) { return Rect(0, 0, r.right - r.left, r.bottom - r.top); }

// A w-by-h rectangle in the corner of `area`.
TRect RectInCorner(const TRect& area, int w, int h, TcxEditPopupSysPanelCorner corner) {
  TRect r = area;
  if (IsLeftCorner(corner))
    r.right = r.left + w;
  else
    r.left = r.right - w;
  if (IsTopCorner(corner))
    r.bottom = r.top + h;
  else
    r.top = r.bottom - h;
  return r;
}

// `r` less `width` on the two sides that touch the corner (toward) or on the other two.
TRect ShrinkCornerSides(const TRect& r, int width, TcxEditPopupSysPanelCorner corner, bool towardCorner) {
  TRect result = r;
  if (IsLeftCorner(corner) == towardCorner)
    result.left += width;
  else
    result.right -= width;
  if (IsTopCorner(corner) == towardCorner)
    result.top += width;
  else
    result.bottom -= width;
  return result;
}

}  // namespace

std::unique_ptr<TcxContainerViewInfo> CreateEditPopupWindowViewInfo() {
  return std::make_unique<TcxCustomEditPopupWindowViewInfo>();
}

int TcxCustomEditPopupWindowViewInfo::ClientEdgeWidth() const {
  if (!ClientEdge) return 0;
  return NativeStyle ? 2 : kClientEdgeWidths[PopupBorderStyle];
}

int TcxCustomEditPopupWindowViewInfo::PopupBorderWidth(bool withClientEdge) const {
  const int width = NativeStyle ? 1 : kBorderWidths[PopupBorderStyle];
  return withClientEdge ? width + ClientEdgeWidth() : width;
}

bool TcxCustomEditPopupWindowViewInfo::CanDrawWindowTheme() const { return NativeStyle && OpenTheme(totWindow); }

bool TcxCustomEditPopupWindowViewInfo::CanDrawScrollBarTheme() const { return NativeStyle && OpenTheme(totScrollBar); }

int TcxCustomEditPopupWindowViewInfo::CalculateSysPanelHeight() const {
  int height = SystemSysPanelHeight();
  if (SysPanelStyle && CanDrawWindowTheme()) {
    for (const auto& size :
         {ThemedPartSize(totWindow, kWindowCloseButtonPart), ThemedPartSize(totScrollBar, kScrollBarSizeBoxPart)})
      if (size) height = std::max(height, static_cast<int>(size->cy));
  }
  return height;
}

// The separator line belongs to the sys panel's side of the extent.
int TcxCustomEditPopupWindowViewInfo::SysPanelSideWidth() const {
  if (!SysPanelStyle) return 0;
  const bool separated = NativeStyle || PopupBorderStyle == epbsSingle;
  return SysPanelHeight + (separated ? 1 : 0);
}

TRect TcxCustomEditPopupWindowViewInfo::InternalGetBorderExtent() {
  const int width = PopupBorderWidth(true);
  TRect extent{width, width, width, width};
  if (Shadow) {
    extent.right += cxContainerShadowWidth;
    extent.bottom += cxContainerShadowWidth;
  }
  SysPanelHeight = SysPanelStyle ? CalculateSysPanelHeight() : 0;
  if (IsTopCorner(SysPanelCorner))
    extent.top += SysPanelSideWidth();
  else
    extent.bottom += SysPanelSideWidth();
  SizingBorderWidth = SystemSysPanelHeight();
  return extent;
}

void TcxCustomEditPopupWindowViewInfo::Calculate() {
  const TRect extent = GetBorderExtent();
  const TRect bounds = MovedToOrigin(Bounds);
  ClientRect = {bounds.left + extent.left, bounds.top + extent.top, bounds.right - extent.right,
                bounds.bottom - extent.bottom};
  ContentRect = ClientRect;
  SysPanelArea = bounds;
  const int inset = PopupBorderWidth(!SysPanelStyle);
  InflateRect(&SysPanelArea, -inset, -inset);
  if (Shadow) {
    SysPanelArea.right -= cxContainerShadowWidth;
    SysPanelArea.bottom -= cxContainerShadowWidth;
  }
  CloseButtonNativeState = SysPanelStyle && CanDrawWindowTheme() ? CloseButtonState : 0;
  SizeGripRect = SizeGripSizingRect = CloseButtonRect = TRect{};
  if (!SysPanelStyle) return;
  if (Sizeable) CalculateSizeGrip();
  CalculateCloseButton();
}

void TcxCustomEditPopupWindowViewInfo::CalculateSizeGrip() {
  int w = SysPanelHeight - kSysPanelMargin;
  int h = w;
  if (CanDrawScrollBarTheme()) {
    if (const auto themed = ThemedPartSize(totScrollBar, kScrollBarSizeBoxPart)) {
      w = std::max(w, static_cast<int>(themed->cx) + kSysPanelMargin);
      h = std::max(h, static_cast<int>(themed->cy) + kSysPanelMargin);
    }
  }
  SizeGripSizingRect = RectInCorner(SysPanelArea, w, h, SysPanelCorner);
  SizeGripRect = ShrinkCornerSides(SizeGripSizingRect, kSysPanelMargin, SysPanelCorner, true);
}

void TcxCustomEditPopupWindowViewInfo::CalculateCloseButton() {
  if (!CloseButton) return;
  const bool themed = CloseButtonNativeState != 0;
  SIZE size{SysPanelHeight - 2 * kSysPanelMargin, SysPanelHeight - 2 * kSysPanelMargin};
  if (themed) size = ThemedPartSize(totWindow, kWindowCloseButtonPart).value_or(size);
  TRect area = SysPanelArea;
  const bool gripOnLeft = IsLeftCorner(SysPanelCorner);
  if (!themed) {
    if (gripOnLeft)
      area.right -= kSysPanelMargin;
    else
      area.left += kSysPanelMargin;
  }
  TRect& r = CloseButtonRect;
  if (gripOnLeft) {
    r.right = area.right - 1;
    r.left = r.right - size.cx;
  } else {
    r.left = area.left + 1;
    r.right = r.left + size.cx;
  }
  const int offset = themed ? (SysPanelHeight - size.cy) / 2 : kSysPanelMargin;
  if (IsTopCorner(SysPanelCorner)) {
    r.top = area.top + offset;
    r.bottom = r.top + size.cy;
  } else {
    r.bottom = area.bottom - offset;
    r.top = r.bottom - size.cy;
  }
}

bool TcxCustomEditPopupWindowViewInfo::IsSizingPlace(const POINT& p, TcxEditPopupSizingDirections& directions) const {
  directions = {};
  if (!PtInRect(&Bounds, p)) return false;
  const bool left = IsLeftCorner(SysPanelCorner);
  const bool top = IsTopCorner(SysPanelCorner);
  if (PtInRect(&SysPanelArea, p)) {
    if (!PtInRect(&SizeGripSizingRect, p)) return false;
    directions = {left ? -1 : 1, top ? -1 : 1};
    return true;
  }
  if (left && p.x < SizingBorderWidth) directions.Horizontal = -1;
  if (!left && p.x >= Bounds.right - SizingBorderWidth) directions.Horizontal = 1;
  if (top && p.y < SizingBorderWidth) directions.Vertical = -1;
  if (!top && p.y >= Bounds.bottom - SizingBorderWidth) directions.Vertical = 1;
  return true;
}

// ---- painting

void TcxCustomEditPopupWindowViewInfo::DrawPopupBorder(TcxCanvas& canvas, TRect& r) {
  const auto ring = [&](TColor color) {
    canvas.FrameRect(r, color);
    InflateRect(&r, -1, -1);
  };
  const auto edge = [&](bool sunken, bool outer) {
    canvas.DrawEdge(r, sunken, outer);
    InflateRect(&r, -1, -1);
  };
  if (NativeStyle) return ring(clBtnText);
  if (Painter) return ring(Painter->EditBorderColor(false));
  switch (PopupBorderStyle) {
    case epbsSingle: return ring(clBtnText);
    case epbsFrame3D:
    case epbsFlat:
      edge(false, true);
      edge(false, false);
      if (PopupBorderStyle == epbsFlat) return;
      ring(ClientEdge ? clInactiveBorder : clBtnFace);
      if (ClientEdge)
        ring(clBtnFace);
      else
        edge(true, true);
      return;
    default: return;
  }
}

bool TcxCustomEditPopupWindowViewInfo::HasSysPanelSeparator() const {
  return SysPanelStyle && (PopupBorderStyle == epbsSingle || CloseButtonNativeState != 0);
}

void TcxCustomEditPopupWindowViewInfo::DrawSysPanelSeparator(TcxCanvas& canvas) {
  TRect r = ClientRect;
  InflateRect(&r, ClientEdgeWidth(), ClientEdgeWidth());
  const int y = IsTopCorner(SysPanelCorner) ? r.top - 1 : r.bottom;
  const std::array<POINT, 2> line{POINT{r.left, y}, POINT{r.right - 1, y}};
  DrawLines(canvas, line, true, Painter ? Painter->EditBorderColor(false) : clBtnText);
}

void TcxCustomEditPopupWindowViewInfo::DrawClientEdge(TcxCanvas& canvas, const TRect& r) {
  TRect edge = r;
  if (IsTopCorner(SysPanelCorner))
    edge.top += SysPanelSideWidth();
  else
    edge.bottom -= SysPanelSideWidth();
  canvas.DrawEdge(edge, true, true);
  if (PopupBorderStyle == epbsFlat && !NativeStyle) return;
  InflateRect(&edge, -1, -1);
  canvas.DrawEdge(edge, true, false);
}

void TcxCustomEditPopupWindowViewInfo::FillWindowContent(TcxCanvas& canvas, const TRect& r) {
  if (Painter)
    Painter->DrawWindowContent(canvas, r);
  else
    canvas.FillRectWithColor(r, clBtnFace);
}

void TcxCustomEditPopupWindowViewInfo::DrawSizeGrip(TcxCanvas& canvas, const TRect& r) {
  canvas.FillRectWithColor(r, clBtnFace);
  if (Painter) {
    Painter->DrawWindowContent(canvas, r);
    Painter->DrawSizeGrip(canvas, r, clDefault);
  } else {
    DrawClassicSizeGrip(canvas, r);
  }
}

// The grip is drawn for the bottom-right corner and mirrored into the others,
// so that its ridges always point into the grip's corner.
void TcxCustomEditPopupWindowViewInfo::DrawClassicSizeGrip(TcxCanvas& canvas, const TRect& r) {
  const bool themed = NativeStyle && CanDrawScrollBarTheme();
  SIZE size{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
  if (themed) {
    if (const auto part = ThemedPartSize(totScrollBar, kScrollBarSizeBoxPart))
      size = {part->cx + kSysPanelMargin, part->cy + kSysPanelMargin};
  }
  const TRect area =
      ShrinkCornerSides(RectInCorner(r, size.cx, size.cy, SysPanelCorner), kSysPanelMargin, SysPanelCorner, false);
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  if (w <= 0 || h <= 0) return;
  TBitmap bitmap;
  bitmap.SetSize(w, h);
  RECT bitmapRect{0, 0, w, h};
  FillRect(bitmap.DC(), &bitmapRect, GetSysColorBrush(COLOR_BTNFACE));
  if (themed)
    dxUxTheme::DrawThemeBackground(OpenTheme(totScrollBar), bitmap.DC(), kScrollBarSizeBoxPart, kNormalThemeState,
                                   bitmapRect);
  else
    DrawFrameControl(bitmap.DC(), &bitmapRect, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  const bool mirrorX = IsLeftCorner(SysPanelCorner);
  const bool mirrorY = IsTopCorner(SysPanelCorner);
  StretchBlt(canvas.Handle(), mirrorX ? area.right - 1 : area.left, mirrorY ? area.bottom - 1 : area.top,
             mirrorX ? -w : w, mirrorY ? -h : h, bitmap.DC(), 0, 0, w, h, SRCCOPY);
}

void TcxCustomEditPopupWindowViewInfo::DrawCloseButton(TcxCanvas& canvas, const TRect& r) {
  const auto state = static_cast<TcxButtonState>(CloseButtonState);
  if (Painter) {
    Painter->DrawWindowContent(canvas, r);
    Painter->DrawEditButton(canvas, r, state, 0);
  } else if (CloseButtonNativeState != 0) {
    CloseButtonNativeState = CloseButtonState;
    const HTHEME theme = OpenTheme(totWindow);
    if (dxUxTheme::IsThemeBackgroundPartiallyTransparent(theme, kWindowCloseButtonPart, CloseButtonNativeState))
      canvas.FillRectWithColor(r, clBtnFace);
    dxUxTheme::DrawThemeBackground(theme, canvas.Handle(), kWindowCloseButtonPart, CloseButtonNativeState, r);
  } else {
    GetEditPainterClass(NativeStyle, LookAndFeelKind)->DrawCloseButton(canvas, r, state);
  }
}

void TcxCustomEditPopupWindowViewInfo::InternalPaint(TcxCanvas& canvas) {
  TRect r = MovedToOrigin(Bounds);
  if (Shadow) {
    r.right -= cxContainerShadowWidth;
    r.bottom -= cxContainerShadowWidth;
    DrawContainerShadow(canvas, r);
  }
  DrawPopupBorder(canvas, r);
  if (HasSysPanelSeparator()) DrawSysPanelSeparator(canvas);
  if (ClientEdge) DrawClientEdge(canvas, r);
  if (SysPanelStyle) {
    if (Sizeable) {
      DrawSizeGrip(canvas, SizeGripRect);
      canvas.ExcludeClipRect(SizeGripRect);
    }
    if (!IsRectEmpty(&CloseButtonRect)) {
      DrawCloseButton(canvas, CloseButtonRect);
      canvas.ExcludeClipRect(CloseButtonRect);
    }
  }
  FillWindowContent(canvas, ClientRect);
  TRect strip = r;
  if (IsTopCorner(SysPanelCorner))
    strip.bottom = strip.top + SysPanelHeight;
  else
    strip.top = strip.bottom - SysPanelHeight;
  if (SysPanelHeight > 0) FillWindowContent(canvas, strip);
}
