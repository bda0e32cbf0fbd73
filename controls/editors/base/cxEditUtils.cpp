#include "controls/editors/base/cxEditUtils.h"

#include <algorithm>
#include <array>
#include <utility>

#include "controls/editors/base/cxEditViewInfo.h"
#include "controls/foundation/graphics/cxEditPaintUtils.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"

namespace {

// Each editor flag beside its DrawText flag; left and top are DrawText's zeros.
constexpr std::array<std::pair<int, UINT>, 6> kTextFlagPairs{{
    {cxEditTextCenter, DT_CENTER},
    {cxEditTextRight, DT_RIGHT},
    {cxEditTextWordBreak, DT_WORDBREAK},
    {cxEditTextSingleLine, DT_SINGLELINE},
    {cxEditTextExternalLeading, DT_EXTERNALLEADING},
    {cxEditTextNoClip, DT_NOCLIP},
}};

constexpr std::array<int, 7> kClassicContentOffsets{0, 4, 2, 2, 2, 2, 2};
constexpr int kClassicBorderWidth = 4;
// A text button's room beside its caption, besides the borders.
constexpr int kTextButtonSpacing = 3;

// The part of an edit button, the same for the button and the combo-box theme.
constexpr int kNativeButtonPart = 1;
constexpr int kNativeButtonMeasuredState = 1;
constexpr std::array<int, 4> kNativeButtonStates{4, 1, 3, 2};
// Themes answer their margins inside a rectangle of this size.
constexpr TRect kMeasuringBounds{0, 0, 100, 100};

TdxThemedObjectType ButtonThemeType(bool isDropDown) { return isDropDown ? totComboBox : totButton; }

// The content rectangle of the button part inside the measuring bounds, or
// nothing when no theme opens or it cannot tell.
bool GetButtonThemeContentRect(TcxCanvas& canvas, bool isDropDown, TRect& content) {
  const TdxThemedObjectType type = ButtonThemeType(isDropDown);
  if (!IsThemeTypeAvailable(type)) return false;
  return SUCCEEDED(dxUxTheme::GetThemeBackgroundContentRect(OpenTheme(type), canvas.Handle(), kNativeButtonPart,
                                                            kNativeButtonMeasuredState, kMeasuringBounds, content));
}

void FillLine(TcxCanvas& canvas, int left, int top, int right, int bottom, TColor color) {
  FillRectByColor(canvas, TRect{left, top, right, bottom}, color);
}

// Makes `bitmap` a copy of the canvas's pixels in that area.
void CopyCanvasArea(TcxCanvas& canvas, int x, int y, int width, int height, TBitmap& bitmap) {
  bitmap.SetSize(width, height);
  BitBlt(bitmap.DC(), 0, 0, width, height, canvas.Handle(), x, y, SRCCOPY);
}

void DrawTransparentBitmap(TcxCanvas& canvas, int x, int y, const TBitmap& glyph, TBitmap* workBitmap) {
  const TRect source{0, 0, glyph.Width(), glyph.Height()};
  const TColor transparent = glyph.TransparentColor();
  // A clear brush lets the pixels of the transparent colour leave what is under them.
  const auto brushCopy = [&](TCanvas& target, const TRect& dest) {
    const TBrushStyle style = target.Brush().Style();
    target.Brush().SetStyle(bsClear);
    target.BrushCopy(dest, glyph, source, transparent);
    target.Brush().SetStyle(style);
  };
  if (!workBitmap) return brushCopy(canvas.Canvas(), TRect{x, y, x + glyph.Width(), y + glyph.Height()});
  CopyCanvasArea(canvas, x, y, glyph.Width(), glyph.Height(), *workBitmap);
  brushCopy(workBitmap->Canvas(), source);
  canvas.Draw(x, y, *workBitmap);
}

void DrawImageOverBackground(TcxCanvas& canvas, const TImageList& images, int imageIndex, int x, int y,
                             TColor backgroundColor) {
  FillRectByColor(canvas, TRect{x, y, x + images.Width(), y + images.Height()}, backgroundColor);
  images.Draw(canvas.Canvas(), x, y, imageIndex);
}

// The Office11 painter is an UltraFlat painter with the Office 2003 colours.
const TcxUltraFlatLookAndFeelPainter& HighlightPainter(bool office11) {
  return static_cast<const TcxUltraFlatLookAndFeelPainter&>(office11 ? *cxOffice11LookAndFeelPainter()
                                                                     : *cxUltraFlatLookAndFeelPainter());
}

// The themed edit part of the frame.
constexpr int kNativeEditPart = 1;
// Mode 1 keeps this much room inside the themed frame.
constexpr int kNativeFrameInset = 3;

TRect NativeContentArea(TcxCanvas& canvas, HTHEME theme, const TcxCustomEditViewInfo& viewInfo, int mode) {
  TRect area = viewInfo.Bounds;
  switch (mode) {
    case 0:
      dxUxTheme::GetThemeBackgroundContentRect(theme, canvas.Handle(), kNativeEditPart, viewInfo.NativeState,
                                               viewInfo.Bounds, area);
      return area;
    case 1:
      InflateRect(&area, -kNativeFrameInset, -kNativeFrameInset);
      area.bottom = viewInfo.ClientRect.bottom - 1;
      return area;
    default: return viewInfo.ClientRect;
  }
}

void DrawNativeEditBackground(TcxCanvas& canvas, const TcxCustomEditViewInfo& viewInfo,
                              const TcxEditBackgroundOptions& options, bool drawBackground) {
  if (viewInfo.BorderStyle == cbsNone) {
    if (drawBackground) FillRectByColor(canvas, viewInfo.ContentRect, viewInfo.BackgroundColor);
    return;
  }
  const HTHEME theme = OpenTheme(totEdit);
  const TRect area = NativeContentArea(canvas, theme, viewInfo, options.NativeContentMode);
  canvas.SaveDC();
  canvas.IntersectClipRect(viewInfo.Bounds);
  dxUxTheme::DrawThemeBackground(theme, canvas.Handle(), kNativeEditPart, viewInfo.NativeState, viewInfo.Bounds);
  canvas.RestoreDC();
  if (!drawBackground) return;
  if (options.FillContent)
    FillRectByColor(canvas, area, viewInfo.BackgroundColor);
  else if (options.NativeContentMode != 2)
    FillRectFrame(canvas, area, viewInfo.ContentRect, viewInfo.BackgroundColor);
}

// The container's geometry: the border grows out of the content on the
// sides in Edges, the shadow lies beside it.
void DrawClassicEditBackground(TcxCanvas& canvas, const TcxCustomEditViewInfo& viewInfo, bool drawBackground) {
  const int width = viewInfo.BorderWidth;
  TRect rect = viewInfo.ContentRect;
  rect.left -= width;
  rect.top -= width;
  if (viewInfo.Edges.Contains(bRight)) rect.right += width;
  if (viewInfo.Edges.Contains(bBottom)) rect.bottom += width;
  if (viewInfo.Shadow) DrawContainerShadow(canvas, rect);
  // A missing edge's line falls outside the editor.
  if (!viewInfo.Edges.Contains(bRight)) rect.right += width;
  if (!viewInfo.Edges.Contains(bBottom)) rect.bottom += width;
  DrawContainerBorder(canvas, rect, viewInfo.BorderStyle, width, viewInfo.BorderColor, viewInfo.Edges,
                      viewInfo.Painter);
  if (!drawBackground) return;
  if (viewInfo.ButtonCount() == 0) return FillRectByColor(canvas, viewInfo.ContentRect, viewInfo.BackgroundColor);
  FillRectFrame(canvas, viewInfo.ContentRect, viewInfo.InnerEditRect, viewInfo.BackgroundColor);
  FillRectByColor(canvas, viewInfo.InnerEditRect, viewInfo.BackgroundColor);
}

}  // namespace

int DrawTextFlagsToTextOutFlags(UINT drawTextFlags) {
  int result = 0;
  for (const auto& [editFlag, drawFlag] : kTextFlagPairs)
    if (drawTextFlags & drawFlag) result |= editFlag;
  return result;
}

UINT TextOutFlagsToDrawTextFlags(int textOutFlags) {
  UINT result = 0;
  for (const auto& [editFlag, drawFlag] : kTextFlagPairs)
    if (textOutFlags & editFlag) result |= drawFlag;
  return result;
}

TcxLookAndFeelPainterClass GetEditPainterClass(bool nativeStyle, TcxLookAndFeelKind kind) {
  if (nativeStyle && AreVisualStylesAvailable({totButton})) return cxWinXPLookAndFeelPainter();
  return KindPainter(kind);
}

void DrawEditButtonBorderLines(TcxCanvas& canvas, TRect& r, TcxBorders sides, TColor color) {
  if (sides.Contains(bLeft)) {
    FillLine(canvas, r.left, r.top, r.left + 1, r.bottom, color);
    ++r.left;
  }
  if (sides.Contains(bRight)) {
    FillLine(canvas, r.right - 1, r.top, r.right, r.bottom, color);
    --r.right;
  }
  if (sides.Contains(bTop)) {
    FillLine(canvas, r.left, r.top, r.right, r.top + 1, color);
    ++r.top;
  }
  if (sides.Contains(bBottom)) {
    FillLine(canvas, r.left, r.bottom - 1, r.right, r.bottom, color);
    --r.bottom;
  }
}

void DrawLines(TcxCanvas& canvas, std::span<const POINT> points, bool flat, TColor color) {
  if (points.empty()) return;
  if (flat) {
    for (size_t i = 0; i + 1 < points.size(); ++i) {
      const POINT& a = points[i];
      const POINT& b = points[i + 1];
      FillLine(canvas, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1, color);
    }
  } else {
    canvas.Pen().SetColor(color);
    canvas.Polyline(points);
  }
  // Lines leave out their end point.
  canvas.SetPixel(points.back().x, points.back().y, color);
}

void DrawGlyph(TcxCanvas& canvas, int x, int y, const TBitmap* glyph, const TImageList* images, int imageIndex,
               bool useBitmap, TColor backgroundColor, TBitmap* workBitmap) {
  if (useBitmap) {
    if (IsGlyphAssigned(glyph)) DrawTransparentBitmap(canvas, x, y, *glyph, workBitmap);
    return;
  }
  TOwned<TImageList> glyphImages;
  if (IsGlyphAssigned(glyph)) {
    glyphImages = CreateUnowned<TImageList>();
    glyphImages->SetWidth(glyph->Width());
    glyphImages->SetHeight(glyph->Height());
    imageIndex = glyphImages->AddMasked(*glyph, glyph->TransparentColor());
    images = glyphImages.get();
  }
  if (!images) return;
  if (workBitmap)
    return DrawImageWithBackground(canvas, *images, imageIndex, *workBitmap, true, backgroundColor, {x, y});
  DrawImageOverBackground(canvas, *images, imageIndex, x, y, backgroundColor);
}

void DrawImageWithBackground(TcxCanvas& canvas, const TImageList& images, int imageIndex, TBitmap& workBitmap,
                             bool enabled, TColor backgroundColor, const POINT& position) {
  CopyCanvasArea(canvas, position.x, position.y, images.Width(), images.Height(), workBitmap);
  TcxCanvas work(workBitmap.Canvas());
  if (enabled) {
    DrawImageOverBackground(work, images, imageIndex, 0, 0, backgroundColor);
  } else {
    FillRectByColor(work, TRect{0, 0, images.Width(), images.Height()}, backgroundColor);
    // Windows blends the image half with the background; Wine draws it as it is.
    ImageList_DrawEx(images.Handle(), imageIndex, workBitmap.DC(), 0, 0, 0, 0, CLR_NONE,
                     backgroundColor == clNone ? CLR_DEFAULT : ColorToRGB(backgroundColor), ILD_BLEND50);
  }
  canvas.Draw(position.x, position.y, workBitmap);
}

void FillRectByColor(TcxCanvas& canvas, const TRect& r, TColor color) {
  if (color == clNone || IsRectEmpty(&r)) return;
  ::FillRect(canvas.Handle(), &r, GetSolidBrush(canvas, color));
}

void FillRectFrameDC(TcxCanvas& canvas, const TRect& outer, const TRect& inner, TColor color) {
  if (IsRectEmpty(&outer) || EqualRect(&outer, &inner)) return;
  // Strips reaching beyond `outer` would paint outside it.
  const TRect hole{std::max(inner.left, outer.left), std::max(inner.top, outer.top), std::min(inner.right, outer.right),
                   std::min(inner.bottom, outer.bottom)};
  if (IsRectEmpty(&hole)) return FillRectByColor(canvas, outer, color);
  FillRectByColor(canvas, TRect{outer.left, outer.top, outer.right, hole.top}, color);
  FillRectByColor(canvas, TRect{outer.left, hole.bottom, outer.right, outer.bottom}, color);
  FillRectByColor(canvas, TRect{outer.left, hole.top, hole.left, hole.bottom}, color);
  FillRectByColor(canvas, TRect{hole.right, hole.top, outer.right, hole.bottom}, color);
}

int GetEditButtonContentOffset(TcxCanvas& canvas, int index, bool nativeStyle) {
  TRect content{};
  if (nativeStyle && GetButtonThemeContentRect(canvas, false, content))
    return content.top - kMeasuringBounds.top + kMeasuringBounds.bottom - content.bottom;
  if (index < 0 || index >= static_cast<int>(kClassicContentOffsets.size())) return 0;
  return kClassicContentOffsets[index];
}

int GetEditButtonBorderWidth(TcxCanvas& canvas, bool nativeStyle, bool isDropDown) {
  TRect content{};
  if (nativeStyle && GetButtonThemeContentRect(canvas, isDropDown, content))
    return content.left - kMeasuringBounds.left + kMeasuringBounds.right - content.right;
  return kClassicBorderWidth;
}

int CalculateEditButtonWidth(TcxCanvas& canvas, const TcxEditButtonInfo& button) {
  const bool nativeStyle = button.NativeStyle && IsThemeTypeAvailable(ButtonThemeType(button.IsDropDown));
  const int borderWidth = GetEditButtonBorderWidth(canvas, nativeStyle, button.IsDropDown);
  if (button.Width > 0) return std::max(button.Width, borderWidth);
  int width = 0;
  if (button.Kind == bkGlyph && IsGlyphAssigned(button.Glyph)) width = button.Glyph->Width() + borderWidth;
  if (button.Kind == bkText) width = borderWidth + canvas.TextWidth(button.Caption) + kTextButtonSpacing;
  return std::max(width, GetSystemMetrics(SM_CXVSCROLL));
}

void CalculateEditButtonNativeInfo(TcxEditButtonInfo& button) {
  button.NativePart = 0;
  button.NativeState = 0;
  button.BackgroundPartiallyTransparent = false;
  const TdxThemedObjectType type = ButtonThemeType(button.IsDropDown);
  if (!button.NativeStyle || !IsThemeTypeAvailable(type)) return;
  button.NativePart = kNativeButtonPart;
  button.NativeState = kNativeButtonStates[button.State];
  button.BackgroundPartiallyTransparent =
      dxUxTheme::IsThemeBackgroundPartiallyTransparent(OpenTheme(type), button.NativePart, button.NativeState) != FALSE;
}

// The UltraFlat painter's highlight is clHighlight.
TColor GetEditHighlightColor(bool office11) { return HighlightPainter(office11).HighlightBorderColor(); }

TColor GetEditButtonHighlightColor(bool office11, bool pressed) {
  return HighlightPainter(office11).ButtonColor(pressed ? cxbsPressed : cxbsHot);
}

bool EditHasShadow(const TcxCustomEditStyle& style) {
  const TcxLookAndFeel* lookAndFeel = style.LookAndFeel();
  return style.Shadow() && !(lookAndFeel && lookAndFeel->SkinPainter());
}

void DrawEditBackgroundAndBorder(TcxCanvas& canvas, const TcxCustomEditViewInfo& viewInfo,
                                 const TcxEditBackgroundOptions& options) {
  canvas.SaveDC();
  for (const auto& button : viewInfo.ButtonsInfo)
    if (!IsRectEmpty(&button->Bounds)) canvas.ExcludeClipRect(button->Bounds);
  const bool drawBackground = !viewInfo.Transparent && !options.SkipBackground;
  if (viewInfo.NativeStyle)
    DrawNativeEditBackground(canvas, viewInfo, options, drawBackground);
  else
    DrawClassicEditBackground(canvas, viewInfo, drawBackground);
  canvas.RestoreDC();
}
