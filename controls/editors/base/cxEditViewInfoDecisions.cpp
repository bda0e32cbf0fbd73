#include <algorithm>

#include "controls/editors/base/cxEditViewInfo.h"

namespace {

// The visual-style edit part states.
constexpr int kEditStateNormal = 1;
constexpr int kEditStateHot = 2;
constexpr int kEditStateDisabled = 4;
constexpr int kEditStateFocused = 5;
constexpr int kEditStateReadOnly = 6;

TcxEditButtonStyle ButtonStyleOfKind(TcxLookAndFeelKind kind) {
  switch (kind) {
    case lfFlat: return btsFlat;
    case lfStandard: return bts3D;
    case lfUltraFlat: return btsUltraFlat;
    case lfOffice11: return btsOffice11;
  }
  return bts3D;
}

TcxEditButtonStyle ButtonStyleOfBorder(TcxEditBorderStyle borderStyle) {
  switch (borderStyle) {
    case ebsNone: return btsSimple;
    case ebsSingle: return btsHotFlat;
    case ebsFlat: return btsFlat;
    case ebsUltraFlat: return btsUltraFlat;
    case ebsOffice11: return btsOffice11;
    case ebsThick:
    case ebs3D: return bts3D;
  }
  return bts3D;
}

TcxEditPopupBorderStyle PopupBorderOfKind(TcxLookAndFeelKind kind) {
  switch (kind) {
    case lfFlat: return epbsFlat;
    case lfStandard: return epbsFrame3D;
    case lfUltraFlat:
    case lfOffice11: return epbsSingle;
  }
  return epbsSingle;
}

TcxLookAndFeelKind KindOfButtonStyle(TcxEditButtonStyle style) {
  switch (style) {
    case btsDefault:
    case bts3D: return lfStandard;
    case btsFlat:
    case btsSimple:
    case btsHotFlat: return lfFlat;
    case btsUltraFlat: return lfUltraFlat;
    case btsOffice11: return lfOffice11;
  }
  return lfStandard;
}

int RectWidthOf(const TRect& r) { return r.right - r.left; }

// Places each button at its side of `free`, which shrinks by it.
void PlaceButtons(TcxEditButtonLayout& layout, const std::vector<TcxEditButtonLayoutItem>& buttons,
                  const std::vector<int>& widths) {
  TRect& free = layout.Free;
  for (size_t i = 0; i < buttons.size(); ++i) {
    const int width = widths[i];
    TRect& bounds = layout.Bounds[i];
    if (IsRectEmpty(&free)) {
      bounds = TRect{};
      continue;
    }
    if (buttons[i].LeftAlignment) {
      bounds = TRect{free.left, free.top, free.left + width, free.bottom};
      free.left += width;
    } else {
      bounds = TRect{free.right - width, free.top, free.right, free.bottom};
      free.right -= width;
    }
  }
}

// The extra width over the stretchable buttons (all when none is) in
// proportion to their widths; the last one takes what rounding left.
void SpreadExtraWidth(std::vector<int>& widths, const std::vector<TcxEditButtonLayoutItem>& buttons, int extra) {
  std::vector<size_t> targets;
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i].Stretchable) targets.push_back(i);
  if (targets.empty())
    for (size_t i = 0; i < buttons.size(); ++i) targets.push_back(i);
  int total = 0;
  for (size_t i : targets) total += widths[i];
  int rest = extra;
  for (size_t n = 0; n < targets.size(); ++n) {
    const bool last = n + 1 == targets.size();
    const int share = last ? rest : (total == 0 ? 0 : widths[targets[n]] * extra / total);
    widths[targets[n]] += share;
    rest -= share;
  }
}

}  // namespace

TcxEditBorderStyle EditViewBorderStyle(TcxEditBorderStyle styleBorderStyle, bool inplace) {
  if (inplace) return ebsNone;
  if (styleBorderStyle == ebsUltraFlat || styleBorderStyle == ebsOffice11) return ebsSingle;
  return styleBorderStyle;
}

TcxEditButtonStyle EffectiveButtonStyle(TcxEditButtonStyle styleButtonStyle, bool inplace,
                                        TcxEditBorderStyle styleBorderStyle, bool hotTrack, TcxLookAndFeelKind kind) {
  if (styleButtonStyle != btsDefault) return styleButtonStyle;
  if (inplace || (styleBorderStyle == ebsNone && !hotTrack)) return ButtonStyleOfKind(kind);
  return ButtonStyleOfBorder(styleBorderStyle);
}

int EditNativeState(bool enabled, bool readOnly, bool focused, bool hot) {
  if (!enabled) return kEditStateDisabled;
  if (readOnly) return kEditStateReadOnly;
  if (focused) return kEditStateFocused;
  if (hot) return kEditStateHot;
  return kEditStateNormal;
}

TColor EditBorderColor(const TcxEditBorderColorFacts& facts) {
  const bool hot = facts.Hot || (facts.HotTracked && facts.HotTrack);
  if (facts.SkinPainter) return facts.SkinPainter->EditBorderColor(hot);
  const TcxEditBorderStyle style = facts.StyleBorderStyle;
  if (style != ebsUltraFlat && style != ebsOffice11) return facts.StyleBorderColor;
  if (hot || facts.Focused || facts.Selected) return GetEditHighlightColor(style == ebsOffice11);
  return clBtnShadow;
}

TcxEditPopupBorderStyle EditPopupBorderStyle(const TcxEditPopupBorderFacts& facts) {
  if (facts.StylePopupBorderStyle != epbsDefault || !facts.HasEditor) return facts.StylePopupBorderStyle;
  if (facts.Inplace) return PopupBorderOfKind(facts.Kind);
  if (facts.BorderStyle == ebsNone && facts.HasButtons)
    return PopupBorderOfKind(KindOfButtonStyle(facts.FirstButtonStyle));
  return facts.BorderStyle == ebsNone || facts.BorderStyle == ebsFlat ? epbsFlat : epbsSingle;
}

TcxEditButtonLayout LayoutEditButtons(const TRect& freeRect, const std::vector<TcxEditButtonLayoutItem>& buttons,
                                      bool fill) {
  TcxEditButtonLayout layout;
  layout.Free = freeRect;
  layout.Bounds.assign(buttons.size(), TRect{});
  std::vector<int> widths(buttons.size(), 0);
  int remaining = IsRectEmpty(&freeRect) ? 0 : RectWidthOf(freeRect);
  for (size_t i = 0; i < buttons.size(); ++i) {
    const int index = static_cast<int>(i);
    int& first = buttons[i].LeftAlignment ? layout.FirstLeft : layout.FirstRight;
    if (first < 0) first = index;
    (buttons[i].LeftAlignment ? layout.LastLeft : layout.LastRight) = index;
    widths[i] = std::clamp(buttons[i].Width, 0, remaining);
    remaining -= widths[i];
  }
  PlaceButtons(layout, buttons, widths);
  const int extra = RectWidthOf(layout.Free);
  if (!fill || IsRectEmpty(&freeRect) || extra <= 0 || buttons.empty()) return layout;
  SpreadExtraWidth(widths, buttons, extra);
  layout.Free = freeRect;
  PlaceButtons(layout, buttons, widths);
  return layout;
}

TcxEditButtonState EditButtonStateFor(const TcxEditButtonStateFacts& facts) {
  if (!facts.EditorEnabled || !facts.ButtonEnabled) return ebstDisabled;
  if (facts.ReadOnly || !facts.MouseOver) return ebstNormal;
  if (facts.LeftHeld || facts.PressedAgain) return ebstPressed;
  return ebstHot;
}
