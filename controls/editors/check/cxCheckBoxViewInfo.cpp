#include "controls/editors/check/cxCheckBoxViewInfo.h"

#include <algorithm>

#include "controls/editors/check/cxCheckBox.h"
#include "controls/foundation/controls/cxControls.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"

namespace {

// Between the check and its caption.
constexpr int kCaptionGap = 3;
// Between the check and the client rectangle's edge.
constexpr int kCheckIndent = 2;
// The text that sets the least height of a caption line.
constexpr const char* kLineHeightText = "Gg";
constexpr int kCheckBoxPart = 3;

int Width(const TRect& r) { return r.right - r.left; }
int Height(const TRect& r) { return r.bottom - r.top; }

// Half the room left, rounded toward zero.
int CentreOffset(int room, int size) { return (room - size) / 2; }

}  // namespace

int CheckBoxCaptionFlags(TAlignment alignment, bool multiLine, bool inplace) {
  int flags = cxSingleLine | cxShowPrefix | (alignment == taCenter ? cxAlignHCenter : cxAlignLeft);
  if (multiLine) flags = (flags & ~cxSingleLine) | cxDontClip | cxWordBreak;
  return flags | (multiLine && !inplace ? cxAlignTop : cxAlignVCenter);
}

TcxEditCheckState CheckButtonStateFor(const TcxCheckButtonStateFacts& facts) {
  if (!facts.Enabled) return ecsDisabled;
  if (facts.PressedBySpace) return ecsPressed;
  if (facts.Designing || !facts.MouseInside) return ecsNormal;
  if (!facts.AnyMouseButtonHeld) return ecsHot;
  if (facts.OnlyLeftButtonHeld && (facts.ButtonDownEvent || facts.PreviousState == ecsPressed)) return ecsPressed;
  return ecsNormal;
}

TcxCheckBoxLayout CalculateCheckBoxLayout(const TRect& clientRect, SIZE checkSize, TAlignment alignment, bool inplace,
                                          const TRect& contentOffset) {
  TRect check = clientRect;
  TRect text = clientRect;
  if (inplace) {
    if (alignment == taLeftJustify) {
      text.right -= kCheckIndent;
      check.left += kCheckIndent;
    } else if (alignment == taRightJustify) {
      text.left += kCheckIndent;
      check.right -= kCheckIndent;
    }
    text.top += contentOffset.top;
    text.bottom -= contentOffset.bottom;
  } else {
    InflateRect(&text, -kCheckIndent, -kCheckIndent);
    text.top -= 1;
    InflateRect(&check, -kCheckIndent, -kCheckIndent);
  }
  if (checkSize.cy < Height(check)) {
    check.top += CentreOffset(Height(check), checkSize.cy);
    check.bottom = check.top + checkSize.cy;
  }
  if (checkSize.cx >= Width(check)) {
    text.right = text.left;
    return {check, text};
  }
  switch (alignment) {
    case taCenter:
      check.left += CentreOffset(Width(check), checkSize.cx);
      check.right = check.left + checkSize.cx;
      break;
    case taLeftJustify:
      check.right = check.left + checkSize.cx;
      text.left = check.right + kCaptionGap;
      break;
    case taRightJustify:
      check.left = check.right - checkSize.cx;
      text.right = check.left - kCaptionGap;
      break;
  }
  return {check, text};
}

// ---- the view info

std::unique_ptr<TcxContainerViewInfo> CreateCheckBoxViewInfo() { return std::make_unique<TcxCustomCheckBoxViewInfo>(); }

void TcxCustomCheckBoxViewInfo::Assign(const TcxContainerViewInfo* source) {
  TcxCustomTextEditViewInfo::Assign(source);
  const auto* other = dynamic_cast<const TcxCustomCheckBoxViewInfo*>(source);
  if (!other) return;
  BackgroundColor = other->BackgroundColor;
  Alignment = other->Alignment;
  CheckBorderStyle = other->CheckBorderStyle;
  CheckBoxRect = other->CheckBoxRect;
  CheckBoxState = other->CheckBoxState;
  FocusRect = other->FocusRect;
  State = other->State;
}

bool TcxCustomCheckBoxViewInfo::CheckChanged(const TcxCustomCheckBoxViewInfo& previous) const {
  return CheckBoxState != previous.CheckBoxState || State != previous.State;
}

bool TcxCustomCheckBoxViewInfo::OnlyCheckChanged(const TcxCustomCheckBoxViewInfo& previous) const {
  const bool sameLooks = EqualRect(&Bounds, &previous.Bounds) && EqualRect(&CheckBoxRect, &previous.CheckBoxRect) &&
                         EqualRect(&FocusRect, &previous.FocusRect) && EqualRect(&TextRect, &previous.TextRect) &&
                         Text == previous.Text && Enabled == previous.Enabled && Focused == previous.Focused &&
                         BackgroundColor == previous.BackgroundColor && BorderColor == previous.BorderColor &&
                         CheckBorderStyle == previous.CheckBorderStyle && Alignment == previous.Alignment;
  return sameLooks && CheckChanged(previous);
}

std::unique_ptr<TcxRegion> TcxCustomCheckBoxViewInfo::GetUpdateRegion(const TcxContainerViewInfo* other) {
  std::unique_ptr<TcxRegion> region = TcxCustomTextEditViewInfo::GetUpdateRegion(other);
  const auto* previous = dynamic_cast<const TcxCustomCheckBoxViewInfo*>(other);
  if (previous && CheckChanged(*previous)) region->Combine(TcxRegion(CheckBoxRect), roAdd);
  return region;
}

void TcxCustomCheckBoxViewInfo::Offset(int dx, int dy) {
  TcxCustomTextEditViewInfo::Offset(dx, dy);
  OffsetRect(&CheckBoxRect, dx, dy);
  OffsetRect(&FocusRect, dx, dy);
}

bool TcxCustomCheckBoxViewInfo::IsCheckPartlyTransparent() const {
  if (!NativeStyle || IsGlyphValid || Painter) return false;
  const HTHEME theme = OpenTheme(totButton);
  return theme && dxUxTheme::IsThemeBackgroundPartiallyTransparent(theme, kCheckBoxPart,
                                                                   EditCheckThemeState(State, CheckBoxState));
}

// A see-through editor leaves its background to its parent; elsewhere the
// check's own pixels stay out of the fill unless the check shows through.
void TcxCustomCheckBoxViewInfo::DrawEditBackground(TcxCanvas& canvas) {
  if (Transparent) return;
  canvas.SaveDC();
  if (!IsCheckPartlyTransparent()) {
    TRect check = CheckBoxRect;
    InflateRect(&check, -CheckBorderWidth, -CheckBorderWidth);
    canvas.ExcludeClipRect(check);
  }
  canvas.FillRectWithColor(Bounds, BackgroundColor);
  canvas.RestoreDC();
}

TcxEditCheckDrawParams TcxCustomCheckBoxViewInfo::CheckDrawParams() const {
  TcxEditCheckDrawParams params;
  params.State = State;
  params.ButtonState = CheckBoxState;
  params.NullStyle = NullStyle;
  params.Glyph = IsGlyphValid ? Glyph : nullptr;
  params.GlyphCount = GlyphCount;
  params.AllowGrayed = AllowGrayed;
  params.SkinPainter = Painter;
  params.FillBackground = !Transparent;
  params.BackgroundColor = BackgroundColor;
  params.BorderColor = BorderColor;
  params.CheckBorderStyle = CheckBorderStyle;
  params.NativeStyle = NativeStyle;
  params.IsDesigning = IsDesigning;
  params.Focused = Focused;
  return params;
}

void TcxCustomCheckBoxViewInfo::DrawCaption(TcxCanvas& canvas) {
  if (Font) canvas.SetFont(*Font);
  canvas.Font().SetColor(TextColor);
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(Text, TextRect, CaptionFlags, Enabled || IsTextColorAssigned || NativeStyle);
  canvas.Brush().SetStyle(bsSolid);
}

void TcxCustomCheckBoxViewInfo::Paint(TcxCanvas& canvas) {
  DrawEditBackground(canvas);
  DrawEditCheck(canvas, CheckBoxRect, CheckDrawParams());
  if (Alignment != taCenter) DrawCaption(canvas);
  if (!IsRectEmpty(&FocusRect)) canvas.DrawFocusRect(FocusRect);
}

// ---- the view data

std::unique_ptr<TcxCustomEditViewData> CreateCheckBoxViewData(TcxCustomEditProperties& properties,
                                                              TcxCustomEditStyle& style, bool inplace) {
  return std::make_unique<TcxCustomCheckBoxViewData>(properties, style, inplace);
}

TcxCustomCheckBoxProperties& TcxCustomCheckBoxViewData::CheckProperties() const {
  return static_cast<TcxCustomCheckBoxProperties&>(Properties);
}

TAlignment TcxCustomCheckBoxViewData::CheckAlignment() const {
  if (Inplace && !CheckProperties().UseAlignmentWhenInplace() && Caption.empty()) return taCenter;
  return HorzAlignment;
}

bool TcxCustomCheckBoxViewData::IsCheckDrawnClassically(bool glyphValid) const {
  return !glyphValid && !SkinPainter && !(NativeStyle() && OpenTheme(totButton));
}

void TcxCustomCheckBoxViewData::Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint,
                                          TMouseButton button, TShiftState shift, TcxCustomEditViewInfo& viewInfo,
                                          bool isMouseEvent) {
  TcxCustomEditViewData::Calculate(canvas, bounds, mousePoint, button, shift, viewInfo, isMouseEvent);
  auto& info = static_cast<TcxCustomCheckBoxViewInfo&>(viewInfo);
  TcxCustomCheckBoxProperties& properties = CheckProperties();
  // A check box draws no container border: its frame is the check's.
  info.BorderStyle = cbsNone;
  info.BorderWidth = 0;
  info.Shadow = false;
  info.ContentRect = info.ClientRect = info.InnerEditRect = bounds;
  // The edit base leaves an in-place editor's frame to its host; the check
  // is no frame, and in place too it follows the visual style.
  info.NativeStyle = NativeStyle();
  info.IsDesigning = IsDesigning;
  info.Text = Caption;
  info.Alignment = CheckAlignment();
  info.CaptionFlags = CheckBoxCaptionFlags(info.Alignment, properties.MultiLine(), Inplace);
  info.CheckBorderStyle = EditCheckBorderStyle(static_cast<TcxEditBorderStyle>(Style.BorderStyle()), info.HotState);
  info.Glyph = properties.GlyphIfAny();
  info.GlyphCount = properties.GlyphCount();
  info.AllowGrayed = properties.AllowGrayed();
  info.NullStyle = properties.NullStyle();
  info.IsGlyphValid = IsEditCheckGlyphValid(info.Glyph, info.GlyphCount);
  info.CheckBorderWidth = EditCheckBorderWidth(info.CheckBorderStyle, IsCheckDrawnClassically(info.IsGlyphValid));
  const SIZE checkSize = GetEditCheckSize(info.Glyph, info.GlyphCount, SkinPainter, info.NativeStyle);
  TcxCheckBoxLayout layout =
      CalculateCheckBoxLayout(info.ClientRect, checkSize, info.Alignment, Inplace, ContentOffset);
  if (!Enabled && !info.NativeStyle && !SkinPainter) {
    // Room for the embossed caption's highlight.
    ++layout.TextRect.right;
    ++layout.TextRect.bottom;
  }
  info.TextRect = info.ClientTextRect = layout.TextRect;
  info.CheckBoxRect = layout.CheckRect;
  info.CheckBoxState = CheckButtonStateFor(ButtonStateFacts(info, mousePoint, shift));
  CalculateFocusRect(canvas, info);
  if (Inplace && info.CheckBorderStyle == ebsSingle) {
    const bool highlighted = info.CheckBoxState == ecsHot || (IsDesigning && Enabled);
    info.BorderColor = highlighted ? clHighlight : clBtnShadow;
  }
  info.IsTextColorAssigned = Style.IsValueAssigned(csvTextColor);
}

TcxCheckButtonStateFacts TcxCustomCheckBoxViewData::ButtonStateFacts(const TcxCustomCheckBoxViewInfo& info,
                                                                     const POINT& mousePoint, TShiftState shift) const {
  TcxCheckButtonStateFacts facts;
  facts.Enabled = Enabled;
  facts.PressedBySpace = PressedBySpace;
  facts.Designing = IsDesigning;
  facts.MouseInside = PtInRect(&info.ContentRect, mousePoint) != FALSE;
  facts.AnyMouseButtonHeld = shift.Contains(ssLeft) || shift.Contains(ssRight) || shift.Contains(ssMiddle);
  facts.OnlyLeftButtonHeld = shift == TShiftState{ssLeft};
  facts.ButtonDownEvent = ButtonDownEvent;
  facts.PreviousState = info.CheckBoxState;
  return facts;
}

void TcxCustomCheckBoxViewData::CalculateFocusRect(TcxCanvas& canvas, TcxCustomCheckBoxViewInfo& info) const {
  info.SetBackgroundColor(Style.GetColor());
  info.FocusRect = TRect{};
  if (!Focused || Inplace || info.Alignment == taCenter || info.Text.empty()) return;
  TRect focus = info.TextRect;
  if (!CheckProperties().FullFocusRect()) {
    if (info.Font) canvas.SetFont(*info.Font);
    canvas.CalculateTextRect(info.Text, focus, info.CaptionFlags);
  }
  InflateRect(&focus, 1, 1);
  if (IsRectEmpty(&focus)) return;
  const TRect& text = info.TextRect;
  focus.left = std::max<LONG>(focus.left, text.left - 1);
  focus.top = std::max<LONG>(focus.top, text.top - 1);
  focus.right = std::min<LONG>({focus.right, text.right + 1, info.ContentRect.right - 1});
  focus.bottom = std::min<LONG>(focus.bottom, text.bottom + 1);
  info.FocusRect = focus;
}

void TcxCustomCheckBoxViewData::EditValueToDrawValue(const Variant& editValue, TcxCustomEditViewInfo& viewInfo) {
  auto& info = static_cast<TcxCustomCheckBoxViewInfo&>(viewInfo);
  info.State = IsPreview ? cbsChecked : CheckProperties().StateOfValue(editValue);
  if (Inplace) info.Text.clear();
  CalculateFocusRect(cxScreenCanvas(), info);
}

// The caption's width counts only in place: standing alone the check box
// keeps the width it was given.
SIZE TcxCustomCheckBoxViewData::GetEditSize(TcxCanvas& canvas, int) {
  if (Style.Font()) canvas.SetFont(*Style.Font());
  TcxCustomCheckBoxProperties& properties = CheckProperties();
  const bool classic = IsCheckDrawnClassically(IsEditCheckGlyphValid(properties.GlyphIfAny(), properties.GlyphCount()));
  const SIZE check = GetEditCheckSize(properties.GlyphIfAny(), properties.GlyphCount(), SkinPainter, NativeStyle());
  const TAlignment alignment = CheckAlignment();
  const std::string caption = RemoveAccelChars(Caption);
  SIZE size{check.cx + (Inplace ? 4 : 0), check.cy + 4};
  if (Inplace) {
    const int borderWidth =
        EditCheckBorderWidth(EditCheckBorderStyle(static_cast<TcxEditBorderStyle>(Style.BorderStyle()), 0), classic);
    size.cy = check.cy + 2 * (1 - borderWidth);
    if (alignment != taCenter && !caption.empty()) {
      const TRect bounds{0, 0, cxEditMaxSizeLimit, check.cy};
      const TRect text = CalculateCheckBoxLayout(bounds, check, alignment, true, ContentOffset).TextRect;
      size.cx = canvas.TextWidth(caption) + text.left - bounds.left + bounds.right - text.right;
    }
  }
  TRect measured{0, 0, 0, 0};
  const bool lineOnly = Inplace || alignment == taCenter;
  canvas.CalculateTextRect(lineOnly ? kLineHeightText : caption, measured,
                           CheckBoxCaptionFlags(alignment, properties.MultiLine(), Inplace));
  size.cy = std::max<LONG>(size.cy, Height(measured));
  return size;
}
