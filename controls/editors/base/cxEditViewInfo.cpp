#include "controls/editors/base/cxEditViewInfo.h"

#include <algorithm>
#include <array>

namespace {

// Ellipsis dots are two pixels square from this content width on.
constexpr int kWideEllipsisWidth = 12;

// The painter's kind codes of an edit button.
int SkinKindCode(TcxEditButtonKind kind) {
  switch (kind) {
    case bkEllipsis: return 3;
    case bkDown: return 1;
    case bkGlyph:
    case bkText: return 2;
  }
  return 2;
}

TcxButtonState SkinStateCode(TcxEditButtonState state) {
  constexpr std::array<TcxButtonState, 4> codes{cxbsDisabled, cxbsNormal, cxbsPressed, cxbsHot};
  return codes[state];
}

void Deflate(TRect& r, int by) { InflateRect(&r, -by, -by); }

int Width(const TRect& r) { return r.right - r.left; }
int Height(const TRect& r) { return r.bottom - r.top; }

void DrawEllipsisDots(TcxCanvas& canvas, const TRect& content, TColor color) {
  const int side = Width(content) >= kWideEllipsisWidth ? 2 : 1;
  const int left = content.left + (Width(content) - 5 * side) / 2;
  const int top = content.top + (Height(content) - side) / 2;
  for (int dot = 0; dot < 3; ++dot)
    FillRectByColor(canvas, TRect{left + 2 * dot * side, top, left + (2 * dot + 1) * side, top + side}, color);
}

// Disabled symbols are embossed: a highlight one pixel down and right, the
// shadow over it.
template <class Draw>
void DrawSymbol(TcxCanvas& canvas, const TRect& content, bool enabled, TColor color, Draw draw) {
  if (enabled) return draw(canvas, content, color);
  TRect shifted = content;
  OffsetRect(&shifted, 1, 1);
  draw(canvas, shifted, clBtnHighlight);
  draw(canvas, content, clBtnShadow);
}

void DrawGlyphContent(TcxCanvas& canvas, const TRect& content, const TBitmap& glyph, bool enabled) {
  const int x = content.left + (Width(content) - glyph.Width()) / 2;
  const int y = content.top + (Height(content) - glyph.Height()) / 2;
  canvas.SaveDC();
  canvas.IntersectClipRect(content);
  if (enabled) {
    DrawGlyph(canvas, x, y, &glyph, nullptr, -1, true, clNone, nullptr);
  } else {
    TImageList images(nullptr);
    images.SetWidth(glyph.Width());
    images.SetHeight(glyph.Height());
    const int index = images.AddMasked(glyph, glyph.TransparentColor());
    TBitmap work;
    DrawImageWithBackground(canvas, images, index, work, false, clNone, POINT{x, y});
  }
  canvas.RestoreDC();
}

}  // namespace

// ---- the button view info

void TcxEditButtonViewInfo::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxEditButtonViewInfo*>(source);
  if (!other) return TPersistent::Assign(source);
  Bounds = other->Bounds;
  Data = other->Data;
  ButtonVisibleIndex = other->ButtonVisibleIndex;
}

bool TcxEditButtonViewInfo::Equals(const TcxEditButtonViewInfo& other) const {
  return Data.State == other.Data.State && Data.Kind == other.Data.Kind && Data.NativeState == other.Data.NativeState &&
         Data.Transparent == other.Data.Transparent;
}

// ---- the view info

std::unique_ptr<TcxContainerViewInfo> CreateEditViewInfo() { return std::make_unique<TcxCustomEditViewInfo>(); }

std::unique_ptr<TcxEditButtonViewInfo> TcxCustomEditViewInfo::CreateButtonViewInfo() const {
  return std::make_unique<TcxEditButtonViewInfo>();
}

void TcxCustomEditViewInfo::SetButtonCount(int count) {
  const size_t wanted = static_cast<size_t>(std::max(count, 0));
  ButtonsInfo.resize(std::min(ButtonsInfo.size(), wanted));
  while (ButtonsInfo.size() < wanted) ButtonsInfo.push_back(CreateButtonViewInfo());
}

int TcxCustomEditViewInfo::GetButtonIndexAt(const POINT& point) const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (PtInRect(&ButtonsInfo[i]->Bounds, point)) return i;
  return -1;
}

void TcxCustomEditViewInfo::Assign(const TcxContainerViewInfo* source) {
  TcxContainerViewInfo::Assign(source);
  const auto* other = dynamic_cast<const TcxCustomEditViewInfo*>(source);
  if (!other) return;
  Bounds = other->Bounds;
  BorderColor = other->BorderColor;
  NativeState = other->NativeState;
  Enabled = other->Enabled;
  Focused = other->Focused;
  Selected = other->Selected;
  HotTracked = other->HotTracked;
  ReadOnly = other->ReadOnly;
  Inplace = other->Inplace;
  Transparent = other->Transparent;
  NativeStyle = other->NativeStyle;
  SetButtonCount(other->ButtonCount());
  for (int i = 0; i < ButtonCount(); ++i) ButtonsInfo[i]->Assign(other->ButtonsInfo[i].get());
  PressedButton = other->PressedButton;
  HotButton = other->HotButton;
}

void TcxCustomEditViewInfo::Offset(int dx, int dy) {
  TcxContainerViewInfo::Offset(dx, dy);
  OffsetRect(&ButtonsRect, dx, dy);
  OffsetRect(&InnerEditRect, dx, dy);
  for (auto& button : ButtonsInfo) OffsetRect(&button->Bounds, dx, dy);
}

void TcxCustomEditViewInfo::Paint(TcxCanvas& canvas) {
  DrawEditBackground(canvas);
  for (int i = 0; i < ButtonCount(); ++i) DrawButton(canvas, i);
}

void TcxCustomEditViewInfo::DrawEditBackground(TcxCanvas& canvas) {
  TcxEditBackgroundOptions options;
  const bool hooked = OnDrawBackground && OnDrawBackground(*this, canvas, -1);
  options.SkipBackground = hooked || (Editor && Editor->HasNativeBackground());
  DrawEditBackgroundAndBorder(canvas, *this, options);
}

void TcxCustomEditViewInfo::DrawButton(TcxCanvas& canvas, int index) {
  const TcxEditButtonViewInfo& button = *ButtonsInfo[index];
  const TRect bounds = button.Bounds;
  if (IsRectEmpty(&bounds)) return;
  const bool buffered = BufferedButtons || (button.Data.Kind == bkGlyph && IsGlyphAssigned(button.Data.Glyph));
  if (!buffered) return PaintButton(canvas, index, bounds);
  // Painted aside and copied at once, so a glyph never flickers over a bare face.
  TBitmap buffer;
  buffer.SetSize(Width(bounds), Height(bounds));
  BitBlt(buffer.DC(), 0, 0, Width(bounds), Height(bounds), canvas.Handle(), bounds.left, bounds.top, SRCCOPY);
  TcxCanvas bufferCanvas(buffer.Canvas());
  TRect local = bounds;
  OffsetRect(&local, -bounds.left, -bounds.top);
  PaintButton(bufferCanvas, index, local);
  canvas.Draw(bounds.left, bounds.top, buffer);
}

void TcxCustomEditViewInfo::PaintButton(TcxCanvas& canvas, int index, const TRect& bounds) {
  if (Painter) return DrawSkinButton(canvas, index, bounds);
  TRect content = bounds;
  TColor background = clBtnFace;
  TColor text = clBtnText;
  if (OnDrawButtonBorder && OnDrawButtonBorder(*this, canvas, index)) {
    Deflate(content, 2);
  } else {
    DrawButtonBorder(canvas, index, content, background, text);
  }
  const bool backgroundHooked = OnDrawButtonBackground && OnDrawButtonBackground(*this, canvas, index);
  if (!backgroundHooked && !IsRectEmpty(&content)) FillRectByColor(canvas, content, background);
  if (OnDrawButtonContent && OnDrawButtonContent(*this, canvas, index)) return;
  DrawButtonContent(canvas, index, content, text);
}

void TcxCustomEditViewInfo::DrawSkinButton(TcxCanvas& canvas, int index, const TRect& bounds) {
  const TcxEditButtonViewInfoData& data = ButtonsInfo[index]->Data;
  Painter->DrawEditButton(canvas, bounds, SkinStateCode(data.State), SkinKindCode(data.Kind));
  if (data.Kind != bkGlyph && data.Kind != bkText) return;
  TRect content = bounds;
  Deflate(content, Painter->ButtonBorderSize(SkinStateCode(data.State)));
  DrawButtonContent(canvas, index, content, Painter->EditButtonTextColor());
}

void TcxCustomEditViewInfo::DrawButtonContent(TcxCanvas& canvas, int index, const TRect& content, TColor textColor) {
  const TcxEditButtonViewInfoData& data = ButtonsInfo[index]->Data;
  if (IsRectEmpty(&content)) return;
  const bool enabled = data.State != ebstDisabled;
  const bool pressed = data.State == ebstPressed;
  switch (data.Kind) {
    case bkEllipsis: return DrawSymbol(canvas, content, enabled, textColor, DrawEllipsisDots);
    case bkDown:
      return DrawSymbol(canvas, content, enabled, textColor, [](TcxCanvas& c, const TRect& r, TColor color) {
        cxStandardLookAndFeelPainter()->DrawDropDownArrow(c, r, color);
      });
    case bkGlyph:
      if (IsGlyphAssigned(data.Glyph)) DrawGlyphContent(canvas, content, *data.Glyph, enabled);
      return;
    case bkText: {
      TRect textRect = content;
      if (pressed && ButtonStyle == bts3D) OffsetRect(&textRect, 1, 1);
      TColor color = data.TextColor;
      if (ButtonStyle == btsHotFlat && (pressed || data.State == ebstHot)) color = textColor;
      if (color == clDefault || color == clNone) color = TextColor;
      if (Font) canvas.SetFont(*Font);
      canvas.Font().SetColor(color);
      canvas.Brush().SetStyle(bsClear);
      canvas.DrawText(data.Caption, textRect, cxAlignHCenter | cxAlignVCenter | cxSingleLine | cxShowPrefix, enabled);
      return;
    }
  }
}

// ---- the repaint after a change

bool TcxCustomEditViewInfo::StateDiffers(const TcxCustomEditViewInfo& other) const {
  return Enabled != other.Enabled || Focused != other.Focused || Selected != other.Selected ||
         HotTracked != other.HotTracked || ReadOnly != other.ReadOnly || NativeState != other.NativeState;
}

std::vector<TcxCustomEditViewInfo::TChangedRect> TcxCustomEditViewInfo::ChangedRects(
    const TcxCustomEditViewInfo* previous, bool& buttonsChanged) const {
  buttonsChanged = false;
  if (!previous) return {{Bounds, Transparent}};
  if (BorderColor != previous->BorderColor || !EqualRect(&Bounds, &previous->Bounds) ||
      ButtonCount() != previous->ButtonCount() || (RepaintsOnStateChange() && StateDiffers(*previous))) {
    buttonsChanged = true;
    return {{Bounds, Transparent}};
  }
  std::vector<TChangedRect> rects;
  for (int i = 0; i < ButtonCount(); ++i) {
    if (ButtonsInfo[i]->Equals(*previous->ButtonsInfo[i])) continue;
    rects.push_back({ButtonsInfo[i]->Bounds, ButtonsInfo[i]->Data.Transparent});
    buttonsChanged = true;
  }
  return rects;
}

bool TcxCustomEditViewInfo::Repaint(const TcxCustomEditViewInfo* previous, const POINT& offset) {
  const HWND window = Editor ? Editor->ViewHandle() : nullptr;
  if (!window) return false;
  bool buttonsChanged = false;
  for (auto [rect, erase] : ChangedRects(previous, buttonsChanged)) {
    OffsetRect(&rect, offset.x, offset.y);
    InvalidateRect(window, &rect, erase);
  }
  return buttonsChanged;
}
