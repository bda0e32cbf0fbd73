// WinXP draws with the Windows visual style. Each operation asks for the
// theme of its kind of element; without one (no visual styles, or the style
// lacks the element) it draws as its parent, Standard. Sizes, margins and
// colours are read from the theme on every call, and any of those reads that
// fails gets Standard's answer too: a theme may lack a property (Wine's has no
// button fill colour).
#include <algorithm>
#include <optional>

#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPaintersUtils.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"

namespace {

// Theme parts and properties of the visual-style API.
constexpr int kPushButtonPart = 1;
constexpr int kRadioButtonPart = 2;
constexpr int kCheckBoxPart = 3;
constexpr int kListViewBorderPart = 5;
constexpr int kTreeViewGlyphPart = 2;
constexpr int kExplorerBarExpandedPart = 6;
constexpr int kExplorerBarCollapsedPart = 7;
constexpr int kHeaderItemPart = 1;
constexpr int kTrackBarPart = 1;
constexpr int kEditPart = 1;
constexpr int kSmallCloseButtonPart = 19;
constexpr int kComboDropDownPart = 1;
constexpr int kTabItemPart = 1;
constexpr int kTabPanePart = 9;
constexpr int kToolBarButtonPart = 1;
constexpr int kScrollBarArrowPart = 1;
constexpr int kScrollBarSizeBoxPart = 10;
constexpr int kFillColorProperty = 204;
constexpr int kBorderColorProperty = 3801;
constexpr int kTextColorProperty = 3803;
constexpr int kMinimalThumbSize = 8;
constexpr TRect kProbeRect{0, 0, 100, 100};

// The theme of that kind of element; null when visual styles are off or it has none.
HTHEME Theme(TdxThemedObjectType type) { return IsThemeTypeAvailable(type) ? OpenTheme(type) : nullptr; }

// Hot, pressed and disabled follow the normal state in that order; the
// default state looks normal.
int StateOffset(TcxButtonState state) {
  switch (state) {
    case cxbsHot: return 1;
    case cxbsPressed: return 2;
    case cxbsDisabled: return 3;
    default: return 0;
  }
}

int PushButtonState(TcxButtonState state) { return state == cxbsDefault ? 5 : 1 + StateOffset(state); }

// Unchecked 1 to 4, checked 5 to 8, grayed (the theme's mixed states) 9 to 12.
int CheckBoxState(TcxCheckBoxState checkState, TcxButtonState state) {
  const int first = checkState == cbsChecked ? 5 : checkState == cbsGrayed ? 9 : 1;
  return first + StateOffset(state);
}

int RadioButtonState(bool checked, TcxButtonState state) { return (checked ? 5 : 1) + StateOffset(state); }

int HeaderItemState(TcxButtonState state) { return state == cxbsDisabled ? 1 : 1 + StateOffset(state); }

// Close and drop-down buttons, tabs and the scroll bar's own parts.
int SimpleState(TcxButtonState state) { return 1 + StateOffset(state); }

int ToolBarButtonState(TcxButtonState state) {
  switch (state) {
    case cxbsHot: return 5;
    case cxbsPressed: return 3;
    case cxbsDisabled: return 4;
    default: return 2;
  }
}

int TreeViewGlyphState(bool expanded) { return expanded ? 2 : 1; }
int ExplorerBarGroupPart(bool expanded) { return expanded ? kExplorerBarExpandedPart : kExplorerBarCollapsedPart; }

int ExplorerBarGroupState(TcxButtonState state) {
  switch (state) {
    case cxbsDefault: return 6;
    case cxbsHot: return 2;
    case cxbsPressed: return 3;
    default: return 1;
  }
}

int ScrollBarArrowState(TcxArrowDirection direction, TcxButtonState state) {
  const int first = direction == adDown ? 5 : direction == adLeft ? 9 : direction == adRight ? 13 : 1;
  return first + StateOffset(state);
}

int ScrollBarThumbPart(bool horizontal) { return horizontal ? 2 : 3; }
int ScrollBarGripperPart(bool horizontal) { return horizontal ? 8 : 9; }
int ScrollBarPagePart(bool horizontal, TcxScrollBarPart part) {
  const int first = horizontal ? 4 : 6;
  return part == sbpPageUp ? first : first + 1;
}

void DrawPart(HTHEME theme, TcxCanvas& canvas, int part, int state, const TRect& r) {
  dxUxTheme::DrawThemeBackground(theme, canvas.Handle(), part, state, r);
}

// The distances from the probe rectangle's sides to its content's.
std::optional<TRect> ContentMargins(HTHEME theme, int part, int state) {
  TRect content{};
  if (FAILED(dxUxTheme::GetThemeBackgroundContentRect(theme, nullptr, part, state, kProbeRect, content)))
    return std::nullopt;
  return TRect{content.left - kProbeRect.left, content.top - kProbeRect.top, kProbeRect.right - content.right,
               kProbeRect.bottom - content.bottom};
}

std::optional<SIZE> PartSize(HTHEME theme, int part, int state, THEMESIZE kind) {
  SIZE size{};
  if (FAILED(dxUxTheme::GetThemePartSize(theme, nullptr, part, state, kind, size))) return std::nullopt;
  return size;
}

std::optional<TColor> ThemeColor(HTHEME theme, int part, int state, int property) {
  COLORREF color = 0;
  if (FAILED(dxUxTheme::GetThemeColor(theme, part, state, property, color))) return std::nullopt;
  return static_cast<TColor>(color);
}

UINT ThemedTextFlags(TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis) {
  const UINT horz = alignmentHorz == taCenter ? DT_CENTER : alignmentHorz == taRightJustify ? DT_RIGHT : DT_LEFT;
  const UINT vert = alignmentVert == vaCenter ? DT_VCENTER : alignmentVert == vaBottom ? DT_BOTTOM : DT_TOP;
  return horz | vert | (multiLine ? DT_WORDBREAK : DT_SINGLELINE) | (showEndEllipsis ? DT_END_ELLIPSIS : 0) |
         DT_NOPREFIX;
}

}  // namespace

TcxLookAndFeelStyle TcxWinXPLookAndFeelPainter::LookAndFeelStyle() const { return lfsWinXP; }

TColor TcxWinXPLookAndFeelPainter::DefaultColor33() const {
  const HTHEME theme = Theme(totComboBox);
  return theme ? ThemeColor(theme, 1, 1, kBorderColorProperty).value_or(clBlack) : clBlack;
}

void TcxWinXPLookAndFeelPainter::DrawScrollBarArrow(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                    TcxArrowDirection direction, bool drawButton) const {
  const TcxPaintStateGuard guard(canvas);
  if (const HTHEME theme = Theme(totScrollBar))
    DrawPart(theme, canvas, kScrollBarArrowPart, ScrollBarArrowState(direction, state), r);
  else
    TcxStandardLookAndFeelPainter::DrawScrollBarArrow(canvas, r, state, direction, drawButton);
}

void TcxWinXPLookAndFeelPainter::DrawButtonBackground(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (const HTHEME theme = Theme(totButton))
    DrawPart(theme, canvas, kPushButtonPart, PushButtonState(state), r);
  else
    TcxStandardLookAndFeelPainter::DrawButtonBackground(canvas, r, state);
}

int TcxWinXPLookAndFeelPainter::BorderSize() const {
  return Theme(totListView) ? 1 : TcxStandardLookAndFeelPainter::BorderSize();
}

void TcxWinXPLookAndFeelPainter::DrawBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  const HTHEME theme = Theme(totListView);
  if (!theme) return TcxStandardLookAndFeelPainter::DrawBorder(canvas, r);
  canvas.SaveDC();
  canvas.ExcludeClipRect(DeflatedRect(r, 1));
  DrawPart(theme, canvas, kListViewBorderPart, 0, r);
  canvas.RestoreDC();
}

TRect TcxWinXPLookAndFeelPainter::ButtonDrawRect(const TRect& r) const {
  const HTHEME theme = Theme(totButton);
  if (theme && dxUxTheme::IsThemeBackgroundPartiallyTransparent(theme, kPushButtonPart, 1))
    return InflatedRect(r, 1, 1);
  return r;
}

int TcxWinXPLookAndFeelPainter::ButtonBorderSize(TcxButtonState state) const {
  const HTHEME theme = Theme(totButton);
  const std::optional<TRect> margins = theme ? ContentMargins(theme, kPushButtonPart, 1) : std::nullopt;
  return margins ? margins->left : TcxStandardLookAndFeelPainter::ButtonBorderSize(state);
}

TColor TcxWinXPLookAndFeelPainter::ButtonColor(TcxButtonState state) const {
  const HTHEME theme = Theme(totButton);
  const std::optional<TColor> color =
      theme ? ThemeColor(theme, kPushButtonPart, PushButtonState(state), kFillColorProperty) : std::nullopt;
  return color.value_or(TcxStandardLookAndFeelPainter::ButtonColor(state));
}

TRect TcxWinXPLookAndFeelPainter::ButtonFocusRect(TcxCanvas& canvas, const TRect& r) const {
  const HTHEME theme = Theme(totButton);
  TRect content{};
  if (!theme ||
      FAILED(dxUxTheme::GetThemeBackgroundContentRect(theme, canvas.Handle(), kPushButtonPart, 1, r, content)))
    return TcxStandardLookAndFeelPainter::ButtonFocusRect(canvas, r);
  return content;
}

TcxBorderSizes TcxWinXPLookAndFeelPainter::ButtonGroupBorderSizes(int index, int count) const {
  const HTHEME theme = Theme(totButton);
  const std::optional<TRect> margins = theme ? ContentMargins(theme, kPushButtonPart, 1) : std::nullopt;
  if (!margins) return TcxStandardLookAndFeelPainter::ButtonGroupBorderSizes(index, count);
  const int transparentEdge = dxUxTheme::IsThemeBackgroundPartiallyTransparent(theme, kPushButtonPart, 1) ? 1 : 0;
  return InflatedRect(*margins, -transparentEdge, -transparentEdge);
}

// Without the theme a pressed caption moves as Standard's does.
int TcxWinXPLookAndFeelPainter::ButtonContentOffset() const {
  return Theme(totButton) ? 2 : TcxStandardLookAndFeelPainter::ButtonContentOffset();
}
int TcxWinXPLookAndFeelPainter::ButtonTextShift() const {
  return Theme(totButton) ? 0 : TcxStandardLookAndFeelPainter::ButtonTextShift();
}

TColor TcxWinXPLookAndFeelPainter::ButtonSymbolColor(TcxButtonState state, TColor color) const {
  const HTHEME theme = Theme(totButton);
  const std::optional<TColor> themed =
      theme ? ThemeColor(theme, kPushButtonPart, PushButtonState(state), kTextColorProperty) : std::nullopt;
  return themed.value_or(TcxStandardLookAndFeelPainter::ButtonSymbolColor(state, color));
}

void TcxWinXPLookAndFeelPainter::DrawButton(TcxCanvas& canvas, const TRect& r, const std::string& caption,
                                            TcxButtonState state, bool drawBorder, TColor color,
                                            TColor textColor) const {
  const TcxPaintStateGuard guard(canvas);
  const HTHEME theme = Theme(totButton);
  if (!theme) return TcxStandardLookAndFeelPainter::DrawButton(canvas, r, caption, state, drawBorder, color, textColor);
  DrawPart(theme, canvas, kPushButtonPart, PushButtonState(state), r);
  if (caption.empty()) return;
  const TSelectedObject font(canvas.Handle(), canvas.Font().Handle());
  dxUxTheme::DrawThemeText(theme, canvas.Handle(), kPushButtonPart, PushButtonState(state), caption, -1,
                           DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, r);
}

void TcxWinXPLookAndFeelPainter::DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded,
                                                  TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  const HTHEME theme = Theme(totTreeView);
  if (!theme) return TcxStandardLookAndFeelPainter::DrawExpandButton(canvas, r, expanded, color);
  DrawPart(theme, canvas, kTreeViewGlyphPart, TreeViewGlyphState(expanded), r);
  canvas.ExcludeClipRect(r);
}

bool TcxWinXPLookAndFeelPainter::ExpandButtonClassicFlag() const { return false; }

void TcxWinXPLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded,
                                                       TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (const HTHEME theme = Theme(totExplorerBar))
    DrawPart(theme, canvas, ExplorerBarGroupPart(expanded), ExplorerBarGroupState(state), r);
  else
    TcxStandardLookAndFeelPainter::DrawGroupExpandButton(canvas, r, expanded, state);
}

void TcxWinXPLookAndFeelPainter::DrawSmallExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded,
                                                       TColor borderColor, TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  if (Theme(totTreeView))
    DrawExpandButton(canvas, r, expanded, color);
  else
    TcxStandardLookAndFeelPainter::DrawSmallExpandButton(canvas, r, expanded, borderColor, color);
}

int TcxWinXPLookAndFeelPainter::ExpandButtonSize() const {
  const HTHEME theme = Theme(totTreeView);
  const std::optional<SIZE> size = theme ? PartSize(theme, kTreeViewGlyphPart, 1, TS_DRAW) : std::nullopt;
  return size ? size->cx : TcxStandardLookAndFeelPainter::ExpandButtonSize();
}

int TcxWinXPLookAndFeelPainter::GroupExpandButtonSize() const {
  const HTHEME theme = Theme(totExplorerBar);
  const std::optional<SIZE> size = theme ? PartSize(theme, kExplorerBarCollapsedPart, 1, TS_DRAW) : std::nullopt;
  return size ? size->cx : TcxStandardLookAndFeelPainter::GroupExpandButtonSize();
}

bool TcxWinXPLookAndFeelPainter::IsButtonHotTrack() const { return true; }

bool TcxWinXPLookAndFeelPainter::IsPointOverGroupExpandButton(const TRect& r, const POINT& p) const {
  const HTHEME theme = Theme(totExplorerBar);
  HRGN handle = nullptr;
  if (!theme || FAILED(dxUxTheme::GetThemeBackgroundRegion(theme, nullptr, kExplorerBarCollapsedPart, 1, r, handle)) ||
      !handle)
    return TcxStandardLookAndFeelPainter::IsPointOverGroupExpandButton(r, p);
  const TcxRegion region(handle);
  return PtInRegion(region.Handle(), p.x, p.y) != FALSE;
}

int TcxWinXPLookAndFeelPainter::SmallExpandButtonSize() const {
  return Theme(totTreeView) ? ExpandButtonSize() : TcxStandardLookAndFeelPainter::SmallExpandButtonSize();
}

int TcxWinXPLookAndFeelPainter::CheckBorderSize() const {
  return Theme(totButton) ? 0 : TcxStandardLookAndFeelPainter::CheckBorderSize();
}

SIZE TcxWinXPLookAndFeelPainter::CheckButtonSize() const {
  const HTHEME theme = Theme(totButton);
  const std::optional<SIZE> size = theme ? PartSize(theme, kCheckBoxPart, 5, TS_TRUE) : std::nullopt;
  return size.value_or(TcxStandardLookAndFeelPainter::CheckButtonSize());
}

void TcxWinXPLookAndFeelPainter::DrawCheck(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                           TcxCheckBoxState checkState, TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  if (const HTHEME theme = Theme(totButton))
    DrawPart(theme, canvas, kCheckBoxPart, CheckBoxState(checkState, state), r);
  else
    TcxStandardLookAndFeelPainter::DrawCheck(canvas, r, state, checkState, color);
}

void TcxWinXPLookAndFeelPainter::DrawCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (!Theme(totButton)) TcxStandardLookAndFeelPainter::DrawCheckBorder(canvas, r, state);
}

void TcxWinXPLookAndFeelPainter::DrawRadioButton(TcxCanvas& canvas, int x, int y, TcxButtonState state, bool checked,
                                                 bool focused, TColor brushColor) const {
  const TcxPaintStateGuard guard(canvas);
  const HTHEME theme = Theme(totButton);
  if (!theme) return TcxStandardLookAndFeelPainter::DrawRadioButton(canvas, x, y, state, checked, focused, brushColor);
  const SIZE size = RadioButtonSize();
  DrawPart(theme, canvas, kRadioButtonPart, RadioButtonState(checked, state), {x, y, x + size.cx, y + size.cy});
}

SIZE TcxWinXPLookAndFeelPainter::RadioButtonSize() const {
  const HTHEME theme = Theme(totButton);
  const std::optional<SIZE> size = theme ? PartSize(theme, kRadioButtonPart, 1, TS_TRUE) : std::nullopt;
  return size.value_or(TcxStandardLookAndFeelPainter::RadioButtonSize());
}

void TcxWinXPLookAndFeelPainter::DrawHeader(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                            TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                                            TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                                            bool showEndEllipsis, const std::string& text, const TFont* font,
                                            TColor textColor, TColor bkColor,
                                            const TcxDrawBackgroundEvent& onDrawBackground) const {
  const TcxPaintStateGuard guard(canvas);
  const HTHEME theme = Theme(totHeader);
  if (!theme)
    return TcxStandardLookAndFeelPainter::DrawHeader(canvas, bounds, textAreaBounds, neighbors, borders, state,
                                                     alignmentHorz, alignmentVert, multiLine, showEndEllipsis, text,
                                                     font, textColor, bkColor, onDrawBackground);
  DrawPart(theme, canvas, kHeaderItemPart, HeaderItemState(state), bounds);
  DrawThemedText(canvas, theme, kHeaderItemPart, HeaderItemState(state), textAreaBounds, text, alignmentHorz,
                 alignmentVert, multiLine, showEndEllipsis, font, textColor);
}

void TcxWinXPLookAndFeelPainter::DrawHeaderPressed(TcxCanvas&, const TRect&) const {}

void TcxWinXPLookAndFeelPainter::DrawHeaderSection(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                                   TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                                                   TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                                   bool multiLine, bool showEndEllipsis, const std::string& text,
                                                   const TFont* font, TColor textColor, TColor bkColor) const {
  const TcxPaintStateGuard guard(canvas);
  if (!Theme(totHeader))
    return TcxStandardLookAndFeelPainter::DrawHeaderSection(canvas, bounds, textAreaBounds, neighbors, borders, state,
                                                            alignmentHorz, alignmentVert, multiLine, showEndEllipsis,
                                                            text, font, textColor, bkColor);
  canvas.FillRectWithColor(bounds, bkColor);
  DrawHeader(canvas, bounds, textAreaBounds, neighbors, borders, state, alignmentHorz, alignmentVert, multiLine,
             showEndEllipsis, text, font, textColor, bkColor);
}

void TcxWinXPLookAndFeelPainter::DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const {
  const TcxPaintStateGuard guard(canvas);
  cxUltraFlatLookAndFeelPainter()->DrawSortingMark(canvas, r, ascendingSorting);
}

int TcxWinXPLookAndFeelPainter::HeaderBorderSize() const {
  const HTHEME theme = Theme(totHeader);
  const std::optional<TRect> margins = theme ? ContentMargins(theme, kHeaderItemPart, 1) : std::nullopt;
  return margins ? margins->left : TcxStandardLookAndFeelPainter::HeaderBorderSize();
}

// Without the theme the section keeps Standard's border, which its content must not cover.
int TcxWinXPLookAndFeelPainter::HeaderSectionBorderSize(TcxButtonState state) const {
  return Theme(totHeader) ? HeaderBorderSize() : TcxStandardLookAndFeelPainter::HeaderSectionBorderSize(state);
}

bool TcxWinXPLookAndFeelPainter::HeaderHotTrackFlag() const { return true; }
SIZE TcxWinXPLookAndFeelPainter::SortingMarkSize() const { return cxUltraFlatLookAndFeelPainter()->SortingMarkSize(); }

int TcxWinXPLookAndFeelPainter::FrameSize() const {
  const HTHEME theme = Theme(totTrackBar);
  const std::optional<TRect> margins = theme ? ContentMargins(theme, kTrackBarPart, 1) : std::nullopt;
  return margins ? margins->left : TcxStandardLookAndFeelPainter::FrameSize();
}

bool TcxWinXPLookAndFeelPainter::FrameClassicFlag() const { return false; }

void TcxWinXPLookAndFeelPainter::DrawFrameSeparator(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  if (const HTHEME theme = Theme(totEdit))
    dxUxTheme::DrawThemeEdge(theme, canvas.Handle(), kEditPart, 1, r, BDR_RAISEDINNER, BF_RECT, nullptr);
  else
    TcxStandardLookAndFeelPainter::DrawFrameSeparator(canvas, r);
}

void TcxWinXPLookAndFeelPainter::DrawCloseButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (const HTHEME theme = Theme(totWindow))
    DrawPart(theme, canvas, kSmallCloseButtonPart, SimpleState(state), r);
  else
    TcxStandardLookAndFeelPainter::DrawCloseButton(canvas, r, state);
}

void TcxWinXPLookAndFeelPainter::DrawDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                    bool isInEditor) const {
  const TcxPaintStateGuard guard(canvas);
  if (const HTHEME theme = Theme(totComboBox))
    DrawPart(theme, canvas, kComboDropDownPart, SimpleState(state), r);
  else
    TcxStandardLookAndFeelPainter::DrawDropDownButton(canvas, r, state, isInEditor);
}

SIZE TcxWinXPLookAndFeelPainter::SmallGlyphSize() const {
  const HTHEME theme = Theme(totButton);
  const std::optional<SIZE> size = theme ? PartSize(theme, kCheckBoxPart, 5, TS_TRUE) : std::nullopt;
  return size.value_or(TcxStandardLookAndFeelPainter::SmallGlyphSize());
}

SIZE TcxWinXPLookAndFeelPainter::CloseButtonSize() const {
  const HTHEME theme = Theme(totWindow);
  const std::optional<SIZE> size = theme ? PartSize(theme, kSmallCloseButtonPart, 1, TS_DRAW) : std::nullopt;
  return size.value_or(TcxStandardLookAndFeelPainter::CloseButtonSize());
}

void TcxWinXPLookAndFeelPainter::DrawTab(TcxCanvas& canvas, const TRect& r, TcxBorders borders, const std::string& text,
                                         TcxButtonState state, bool vertical, const TFont* font, TColor textColor,
                                         TColor bkColor) const {
  const TcxPaintStateGuard guard(canvas);
  const HTHEME theme = Theme(totTab);
  if (!theme)
    return TcxStandardLookAndFeelPainter::DrawTab(canvas, r, borders, text, state, vertical, font, textColor, bkColor);
  DrawPart(theme, canvas, kTabItemPart, SimpleState(state), r);
  DrawThemedText(canvas, theme, kTabItemPart, SimpleState(state), r, text, taCenter, vaCenter, false, false, font,
                 textColor);
}

void TcxWinXPLookAndFeelPainter::DrawTabPane(TcxCanvas& canvas, const TRect& r, TcxBorders borders) const {
  const TcxPaintStateGuard guard(canvas);
  if (const HTHEME theme = Theme(totTab))
    DrawPart(theme, canvas, kTabPanePart, 0, r);
  else
    TcxStandardLookAndFeelPainter::DrawTabPane(canvas, r, borders);
}

bool TcxWinXPLookAndFeelPainter::TabThemedHorz() const { return Theme(totTab) != nullptr; }
bool TcxWinXPLookAndFeelPainter::TabThemedVert() const { return Theme(totTab) != nullptr; }

int TcxWinXPLookAndFeelPainter::ScrollBarMinimalThumbSize(bool horizontal) const {
  const HTHEME theme = Theme(totScrollBar);
  const std::optional<SIZE> size = theme ? PartSize(theme, ScrollBarGripperPart(horizontal), 1, TS_TRUE) : std::nullopt;
  if (!size) return kMinimalThumbSize;
  return std::max(kMinimalThumbSize, static_cast<int>(horizontal ? size->cx : size->cy));
}

void TcxWinXPLookAndFeelPainter::DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r,
                                                   TcxScrollBarPart part, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  const HTHEME theme = Theme(totScrollBar);
  if (!theme) return TcxStandardLookAndFeelPainter::DrawScrollBarPart(canvas, horizontal, r, part, state);
  if (IsScrollBarArrow(part)) {
    DrawScrollBarArrow(canvas, r, state, ScrollBarArrowDirection(horizontal, part));
  } else if (part == sbpThumbnail) {
    DrawPart(theme, canvas, ScrollBarThumbPart(horizontal), SimpleState(state), r);
    DrawPart(theme, canvas, ScrollBarGripperPart(horizontal), SimpleState(state), r);
  } else if (IsScrollBarPage(part)) {
    DrawPart(theme, canvas, ScrollBarPagePart(horizontal, part), SimpleState(state), r);
  }
}

// The size box is drawn over the colour, since the theme's part lets it show through.
void TcxWinXPLookAndFeelPainter::DrawSizeGrip(TcxCanvas& canvas, const TRect& r, TColor backgroundColor) const {
  const TcxPaintStateGuard guard(canvas);
  const HTHEME theme = Theme(totScrollBar);
  if (!theme) return TcxStandardLookAndFeelPainter::DrawSizeGrip(canvas, r, backgroundColor);
  canvas.FillRectWithColor(r, backgroundColor);
  DrawPart(theme, canvas, kScrollBarSizeBoxPart, 1, r);
}

void TcxWinXPLookAndFeelPainter::DrawToolBarButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  if (const HTHEME theme = Theme(totToolBar))
    DrawPart(theme, canvas, kToolBarButtonPart, ToolBarButtonState(state), r);
  else
    TcxStandardLookAndFeelPainter::DrawToolBarButton(canvas, r, state);
}

void TcxWinXPLookAndFeelPainter::DrawThemedText(TcxCanvas& canvas, HTHEME theme, int part, int state, const TRect& r,
                                                const std::string& text, TAlignment alignmentHorz,
                                                TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis,
                                                const TFont* font, TColor textColor) const {
  const TcxPaintStateGuard guard(canvas);
  if (text.empty()) return;
  if (font) canvas.SetFont(*font);
  const TSelectedObject selectedFont(canvas.Handle(), canvas.Font().Handle());
  if (textColor != clDefault) SetTextColor(canvas.Handle(), ColorToRGB(textColor));
  dxUxTheme::DrawThemeText(theme, canvas.Handle(), part, state, text, -1,
                           ThemedTextFlags(alignmentHorz, alignmentVert, multiLine, showEndEllipsis), 0, r);
}
