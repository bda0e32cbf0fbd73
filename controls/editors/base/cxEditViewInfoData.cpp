#include <algorithm>

#include "controls/editors/base/cxEditProperties.h"
#include "controls/editors/base/cxEditViewInfo.h"
#include "controls/foundation/graphics/dxThemeManager.h"

namespace {

// The text whose height is one line of an editor.
constexpr const char* kLineHeightText = "Zg";
// A painter measures its border inside a rectangle of this size.
constexpr TRect kMeasuringBounds{0, 0, 100, 100};

int ApplyConstraint(int value, int minimum, int maximum) {
  if (maximum != 0) value = std::min(value, maximum);
  if (minimum != 0) value = std::max(value, minimum);
  return value;
}

}  // namespace

TcxCustomEditViewData::TcxCustomEditViewData(TcxCustomEditProperties& properties, TcxCustomEditStyle& style,
                                             bool inplace)
    : Properties(properties), Style(style), Inplace(inplace) {
  InitializeDefaults();
  ReadPropertiesSettings();
}

std::unique_ptr<TcxCustomEditViewData> CreateEditViewData(TcxCustomEditProperties& properties,
                                                          TcxCustomEditStyle& style, bool inplace) {
  return std::make_unique<TcxCustomEditViewData>(properties, style, inplace);
}

void TcxCustomEditViewData::InitializeDefaults() {
  ContentOffset = TRect{};
  Enabled = true;
}

void TcxCustomEditViewData::ReadPropertiesSettings() {
  ButtonVisibleCount = Properties.Buttons().VisibleCount();
  HorzAlignment = Properties.Alignment()->Horz();
  VertAlignment = Properties.Alignment()->Vert();
  const TcxLookAndFeel* lookAndFeel = Style.LookAndFeel();
  SkinPainter = lookAndFeel ? lookAndFeel->SkinPainter() : nullptr;
}

TcxLookAndFeelKind TcxCustomEditViewData::LookAndFeelKind() const {
  const TcxLookAndFeel* lookAndFeel = Style.LookAndFeel();
  return lookAndFeel ? lookAndFeel->Kind() : lfStandard;
}

bool TcxCustomEditViewData::NativeStyle() const {
  const TcxLookAndFeel* lookAndFeel = Style.LookAndFeel();
  return lookAndFeel && lookAndFeel->NativeStyle() && AreVisualStylesAvailable({totEdit});
}

TcxEditBorderStyle TcxCustomEditViewData::GetBorderStyle() const {
  return EditViewBorderStyle(static_cast<TcxEditBorderStyle>(Style.BorderStyle()), Inplace);
}

// The buttons follow the style's own border style: the flat kinds have
// buttons of their own although their border is drawn single.
TcxEditButtonStyle TcxCustomEditViewData::GetButtonStyle() const {
  const auto styleBorderStyle = static_cast<TcxEditBorderStyle>(Style.BorderStyle());
  return EffectiveButtonStyle(Style.ButtonStyle(), Inplace, styleBorderStyle, Style.HotTrack(), LookAndFeelKind());
}

TColor TcxCustomEditViewData::GetBorderColor() const {
  TcxEditBorderColorFacts facts;
  facts.Hot = Hot;
  facts.HotTracked = HotTracked;
  facts.HotTrack = Style.HotTrack();
  facts.Focused = Focused;
  facts.Selected = Selected;
  facts.StyleBorderStyle = static_cast<TcxEditBorderStyle>(Style.BorderStyle());
  facts.StyleBorderColor = Style.BorderColor();
  facts.SkinPainter = SkinPainter;
  return EditBorderColor(facts);
}

TcxEditPopupBorderStyle TcxCustomEditViewData::GetPopupBorderStyle() const {
  TcxEditPopupBorderFacts facts;
  facts.StylePopupBorderStyle = Style.PopupBorderStyle();
  facts.HasEditor = Editor != nullptr;
  facts.Inplace = Inplace;
  facts.Kind = LookAndFeelKind();
  facts.BorderStyle = GetBorderStyle();
  facts.HasButtons = ButtonVisibleCount > 0;
  facts.FirstButtonStyle = GetButtonStyle();
  return EditPopupBorderStyle(facts);
}

int TcxCustomEditViewData::GetNativeState() const {
  return EditNativeState(Enabled, Properties.ReadOnly(), Focused, Hot || HotTracked);
}

std::vector<TcxEditButton*> TcxCustomEditViewData::VisibleButtons() const {
  std::vector<TcxEditButton*> buttons;
  TcxEditButtons& all = Properties.Buttons();
  for (int i = 0; i < all.Count(); ++i)
    if (all.Items(i).Visible()) buttons.push_back(&all.Items(i));
  return buttons;
}

bool TcxCustomEditViewData::FillsWithButtons() const {
  const TcxEditButtonsViewMode mode = Properties.ButtonsViewMode();
  return mode == bvmShareWidth || (mode != bvmDefault && Inplace && MaxWidth != cxEditMaxSizeLimit);
}

int TcxCustomEditViewData::ButtonWidth(TcxCanvas& canvas, const TcxEditButton& button) const {
  TcxEditButtonInfo info;
  info.Kind = button.Kind();
  info.Width = button.Width();
  info.Glyph = button.HasGlyph() ? const_cast<TcxEditButton&>(button).Glyph() : nullptr;
  info.Caption = button.VisibleCaption();
  info.IsDropDown = button.Kind() == bkDown;
  info.NativeStyle = NativeStyle();
  if (SkinPainter && button.Width() <= 0) return SkinPainter->EditButtonSize().cx;
  return CalculateEditButtonWidth(canvas, info);
}

int TcxCustomEditViewData::BorderExtent() const {
  if (Inplace) return 0;
  if (SkinPainter) {
    if (!Style.HasBorder() && !Style.TransparentBorder()) return 0;
    return SkinPainter->ButtonBorderSize();
  }
  return GetContainerBorderWidth(static_cast<TcxContainerBorderStyle>(GetBorderStyle()));
}

void TcxCustomEditViewData::Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint,
                                      TMouseButton button, TShiftState shift, TcxCustomEditViewInfo& viewInfo,
                                      bool isMouseEvent) {
  viewInfo.Enabled = Enabled;
  viewInfo.Focused = Focused;
  viewInfo.Selected = Selected;
  viewInfo.HotTracked = Hot || HotTracked;
  viewInfo.ReadOnly = Properties.ReadOnly();
  viewInfo.Inplace = Inplace;
  viewInfo.Transparent = Transparent;
  viewInfo.NativeStyle = NativeStyle() && !Inplace;
  viewInfo.NativeState = GetNativeState();
  viewInfo.Editor = Editor;
  viewInfo.Painter = SkinPainter;
  viewInfo.Kind = LookAndFeelKind();
  viewInfo.Font = Style.Font();
  viewInfo.TextColor = Style.GetTextColor();
  viewInfo.BackgroundColor = Style.GetVisibleColor();
  viewInfo.BorderStyle = static_cast<TcxContainerBorderStyle>(GetBorderStyle());
  viewInfo.BorderWidth = BorderExtent();
  viewInfo.BorderColor = GetBorderColor();
  viewInfo.ButtonStyle = GetButtonStyle();
  viewInfo.Edges = Style.Edges();
  viewInfo.Shadow = EditHasShadow(Style) && !Inplace;
  viewInfo.Bounds = bounds;
  const int border = viewInfo.BorderWidth;
  TRect content = bounds;
  if (viewInfo.Edges.Contains(bLeft)) content.left += border;
  if (viewInfo.Edges.Contains(bTop)) content.top += border;
  if (viewInfo.Edges.Contains(bRight)) content.right -= border;
  if (viewInfo.Edges.Contains(bBottom)) content.bottom -= border;
  if (viewInfo.Shadow) {
    content.right -= cxContainerShadowWidth;
    content.bottom -= cxContainerShadowWidth;
  }
  viewInfo.ContentRect = content;

  const std::vector<TcxEditButton*> buttons = VisibleButtons();
  viewInfo.SetButtonCount(static_cast<int>(buttons.size()));
  std::vector<TcxEditButtonLayoutItem> items;
  for (const TcxEditButton* b : buttons)
    items.push_back({ButtonWidth(canvas, *b), b->LeftAlignment(), b->Stretchable()});
  const TcxEditButtonLayout layout = LayoutEditButtons(content, items, FillsWithButtons());
  viewInfo.ClientRect = layout.Free;
  viewInfo.ButtonsRect = content;
  // The states compare with the button pressed before this calculation.
  int pressed = -1;
  int hot = -1;
  for (int i = 0; i < viewInfo.ButtonCount(); ++i) {
    TcxEditButtonViewInfo& record = *viewInfo.ButtonsInfo[i];
    record.Bounds = layout.Bounds[i];
    record.ButtonVisibleIndex = i;
    CalculateButtonViewInfo(canvas, viewInfo, i);
    CalculateButtonState(viewInfo, i, mousePoint, button, shift, isMouseEvent);
    if (record.Data.State == ebstPressed) pressed = i;
    if (record.Data.State == ebstHot) hot = i;
    CalculateEditButtonNativeInfo(record.Data);
  }
  viewInfo.PressedButton = pressed;
  viewInfo.HotButton = hot;
  viewInfo.InnerEditRect = Editor ? Editor->InnerEditBounds(viewInfo.ClientRect) : viewInfo.ClientRect;
}

void TcxCustomEditViewData::CalculateButtonViewInfo(TcxCanvas& canvas, TcxCustomEditViewInfo& viewInfo, int index) {
  const std::vector<TcxEditButton*> buttons = VisibleButtons();
  const TcxEditButton& button = *buttons[index];
  TcxEditButtonViewInfoData& data = viewInfo.ButtonsInfo[index]->Data;
  data.Kind = button.Kind();
  data.Caption = button.Caption();
  data.VisibleCaption = button.VisibleCaption();
  data.TextColor = SkinPainter ? SkinPainter->EditButtonTextColor() : button.TextColor();
  data.Glyph = button.HasGlyph() ? const_cast<TcxEditButton&>(button).Glyph() : nullptr;
  data.ContentAlignment = button.ContentAlignment();
  data.Default = button.Default();
  data.LeftAlignment = button.LeftAlignment();
  data.Stretchable = button.Stretchable();
  data.Width = ButtonWidth(canvas, button);
  data.Gradient = Style.GradientButtons();
  data.Inplace = Inplace;
  data.IsDropDown = buttons.size() == 1 && button.Kind() == bkDown;
  data.NativeStyle = NativeStyle();
  const TcxEditButtonTransparency transparency = Style.ButtonTransparency();
  data.Transparent = transparency == ebtAlways || (transparency == ebtInactive && !Focused);
}

void TcxCustomEditViewData::CalculateButtonState(TcxCustomEditViewInfo& viewInfo, int index, const POINT& mousePoint,
                                                 TMouseButton button, TShiftState shift, bool isMouseEvent) {
  TcxEditButtonViewInfo& record = *viewInfo.ButtonsInfo[index];
  TcxEditButtonStateFacts facts;
  facts.EditorEnabled = Enabled;
  facts.ButtonEnabled = VisibleButtons()[index]->Enabled();
  facts.ReadOnly = Properties.ReadOnly();
  facts.LeftHeld = shift.Contains(ssLeft);
  // A drag that began elsewhere presses nothing: the editor must hold the capture.
  const bool captured = !isMouseEvent || !facts.LeftHeld || !Editor || Editor->HasMouseCapture();
  facts.MouseOver = PtInRect(&record.Bounds, mousePoint) && captured;
  facts.PressedAgain = isMouseEvent && button == mbLeft && index == viewInfo.PressedButton && shift.Contains(ssDouble);
  record.Data.State = EditButtonStateFor(facts);
}

int TcxCustomEditViewData::GetMinimalHeight(TcxCanvas& canvas) {
  int height = 0;
  if (Style.Font()) canvas.SetFont(*Style.Font());
  for (const TcxEditButton* button : VisibleButtons()) {
    if (button->Kind() == bkGlyph && button->HasGlyph())
      height = std::max(height, const_cast<TcxEditButton*>(button)->Glyph()->Height());
    if (button->Kind() == bkText) height = std::max(height, canvas.TextHeight(button->VisibleCaption()));
  }
  if (!SkinPainter && height > 0) height += 2 * cxStandardLookAndFeelPainter()->ButtonBorderSize();
  return height;
}

SIZE TcxCustomEditViewData::GetEditSize(TcxCanvas& canvas, int contentWidth) {
  if (Style.Font()) canvas.SetFont(*Style.Font());
  const int lineHeight = canvas.TextHeight(kLineHeightText) + ContentOffset.top + ContentOffset.bottom;
  const int border = BorderExtent();
  int buttonsWidth = 0;
  for (const TcxEditButton* button : VisibleButtons()) buttonsWidth += ButtonWidth(canvas, *button);
  SIZE size{contentWidth + ContentOffset.left + ContentOffset.right + buttonsWidth + 2 * border,
            std::max(lineHeight, GetMinimalHeight(canvas)) + 2 * border};
  if (Editor) {
    const SIZE minimum = Editor->MinSize();
    const SIZE maximum = Editor->MaxSize();
    size.cx = ApplyConstraint(size.cx, minimum.cx, maximum.cx);
    size.cy = ApplyConstraint(size.cy, minimum.cy, maximum.cy);
  }
  return size;
}
