#include "controls/editors/base/cxEditViewInfo.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"

namespace {

// The two Office 2003 scheme colours of a gradient button in its state.
std::pair<TColor, TColor> Office11GradientColors(TcxEditButtonState state) {
  const TOffice11SchemeColors& colors = Office11Colors().SchemeColors;
  switch (state) {
    case ebstHot: return {colors[22], colors[23]};
    case ebstPressed: return {colors[24], colors[25]};
    default: return {colors[2], colors[3]};
  }
}

void Deflate(TRect& r, int by) { InflateRect(&r, -by, -by); }

bool HasNeighbourAt(const std::vector<std::unique_ptr<TcxEditButtonViewInfo>>& buttons, int index, bool leftSide) {
  const TRect& own = buttons[index]->Bounds;
  for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
    const TRect& other = buttons[i]->Bounds;
    if (i == index || IsRectEmpty(&other)) continue;
    if (leftSide ? other.right == own.left : other.left == own.right) return true;
  }
  return false;
}

}  // namespace

void TcxCustomEditViewInfo::DrawButtonBorder(TcxCanvas& canvas, int index, TRect& content, TColor& background,
                                             TColor& text) {
  const TcxEditButtonViewInfoData& data = ButtonsInfo[index]->Data;
  const TcxEditButtonState state = data.State;
  const bool pressed = state == ebstPressed;
  const bool hot = state == ebstHot;
  text = clBtnText;
  background = data.Transparent ? BackgroundColor : clBtnFace;
  if (data.NativeStyle && data.NativePart != 0) {
    const HTHEME theme = OpenTheme(data.IsDropDown ? totComboBox : totButton);
    const TRect bounds = content;
    dxUxTheme::DrawThemeBackground(theme, canvas.Handle(), data.NativePart, data.NativeState, bounds);
    dxUxTheme::GetThemeBackgroundContentRect(theme, canvas.Handle(), data.NativePart, data.NativeState, bounds,
                                             content);
    background = clNone;
    return;
  }
  if (SimplePainting) return;
  TcxEditButtonStyle style = ButtonStyle;
  if (style == btsSimple && (pressed || hot)) style = btsFlat;
  switch (style) {
    case btsDefault:
    case bts3D:
      if (pressed) {
        canvas.FrameRect(content, clBtnShadow);
        Deflate(content, 1);
        canvas.FrameRect(content, background);
      } else {
        canvas.DrawComplexFrame(content, cl3DLight, cl3DDkShadow);
        Deflate(content, 1);
        canvas.DrawComplexFrame(content, clBtnHighlight, clBtnShadow);
      }
      Deflate(content, 1);
      return;
    case btsFlat:
      DrawEditButtonBorderLines(canvas, content, {bLeft}, background);
      canvas.DrawComplexFrame(content, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnHighlight : clBtnShadow);
      Deflate(content, 1);
      DrawEditButtonBorderLines(canvas, content, {bRight}, background);
      return;
    case btsHotFlat: {
      if (pressed) {
        background = clBtnText;
      } else if (data.Transparent) {
        background = BackgroundColor;
      } else {
        background = hot ? clBtnShadow : clBtnFace;
      }
      text = state == ebstDisabled || state == ebstNormal ? clBtnText : clWindow;
      if (hot && data.Transparent) text = clBtnShadow;
      const bool leftInner = HasNeighbourAt(ButtonsInfo, index, true);
      const bool rightInner = HasNeighbourAt(ButtonsInfo, index, false);
      DrawEditButtonBorderLines(canvas, content, {bLeft}, leftInner ? background : clBtnShadow);
      DrawEditButtonBorderLines(canvas, content, {bRight}, rightInner ? background : clBtnShadow);
      DrawEditButtonBorderLines(canvas, content, {bTop, bBottom}, clBtnShadow);
      return;
    }
    case btsSimple:
      if (!SuppressButtonFrame) {
        canvas.FrameRect(content, BackgroundColor);
        Deflate(content, 1);
      }
      return;
    case btsUltraFlat:
    case btsOffice11: {
      const bool office11 = style == btsOffice11;
      if (data.Transparent) {
        background = BackgroundColor;
      } else if (state == ebstDisabled) {
        background = clBtnFace;
      } else if (pressed || hot) {
        background = GetEditButtonHighlightColor(office11, pressed);
      } else {
        background = office11 ? cxOffice11LookAndFeelPainter()->ButtonColor(cxbsNormal) : clBtnFace;
      }
      if (pressed || hot) {
        // Where the button meets the editor's border, that border is its frame.
        TcxBorders sides = cxBordersAll;
        const TRect& own = ButtonsInfo[index]->Bounds;
        if (BorderStyle != cbsNone) {
          if (own.left == ContentRect.left) sides.Exclude(bLeft);
          if (own.top == ContentRect.top) sides.Exclude(bTop);
          if (own.right == ContentRect.right) sides.Exclude(bRight);
          if (own.bottom == ContentRect.bottom) sides.Exclude(bBottom);
        }
        DrawEditButtonBorderLines(canvas, content, sides, GetEditHighlightColor(office11));
      } else if (!SuppressButtonFrame) {
        canvas.FrameRect(content, BackgroundColor);
        Deflate(content, 1);
      }
      if (office11 && data.Gradient && !data.Transparent && state != ebstDisabled && !IsRectEmpty(&content)) {
        const auto [top, bottom] = Office11GradientColors(state);
        FillGradientRect(canvas.Handle(), content, top, bottom, false);
        background = clNone;
      }
      return;
    }
  }
}
