#include "controls/editors/text/cxTextEditViewInfo.h"

#include <algorithm>

#include "controls/editors/base/cxTextDrawingGdi.h"

namespace {

constexpr COLORREF kRgbMask = 0xFFFFFF;

// The colour whose RGB is the opposite of the colour's, a system colour
// taken as the RGB it shows.
TColor InverseColor(TColor color) { return static_cast<TColor>(ColorToRGB(color) ^ kRgbMask); }

bool IsSet(TColor color) { return color != clDefault; }

// Trailing blanks and control characters take no room a reader would miss.
std::string_view RightTrimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

uint32_t HorzAlignmentFlag(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify: return cxHAlignRight;
    case taCenter: return cxHAlignCenter;
    case taLeftJustify: break;
  }
  return cxHAlignLeft;
}

uint32_t VertAlignmentFlag(TcxEditVertAlignment alignment) {
  switch (alignment) {
    case taVCenter: return cxVAlignCenter << 4;
    case taBottomJustify: return cxVAlignBottom << 4;
    case taTopJustify: break;
  }
  return cxVAlignTop << 4;
}

// Floor division, so a text taller than its rectangle still rounds toward the top.
int HalfTowardTop(int value) { return value >= 0 ? value / 2 : (value - 1) / 2; }

}  // namespace

TcxTextSelectionColors TextSelectionColors(TColor selectionColor, TColor selectionTextColor, TColor backgroundColor) {
  if (IsSet(selectionTextColor))
    return {IsSet(selectionColor) ? selectionColor : InverseColor(selectionTextColor), selectionTextColor};
  if (IsSet(selectionColor)) return {selectionColor, InverseColor(selectionColor)};
  // A highlight over a highlight would hide the selection.
  if (ColorToRGB(backgroundColor) == ColorToRGB(clHighlight)) return {clWhite, clBlack};
  return {clHighlight, clHighlightText};
}

int TextEditTextBottom(const TRect& rect, int textHeight, TcxEditVertAlignment alignment) {
  switch (alignment) {
    case taBottomJustify: return rect.bottom - 1;
    case taVCenter: return rect.top + HalfTowardTop(rect.bottom - rect.top - textHeight) + textHeight - 1;
    case taTopJustify: break;
  }
  return rect.top + textHeight - 1;
}

// ---- the view info

std::unique_ptr<TcxContainerViewInfo> CreateTextEditViewInfo() { return std::make_unique<TcxCustomTextEditViewInfo>(); }

void TcxCustomTextEditViewInfo::Assign(const TcxContainerViewInfo* source) {
  TcxCustomEditViewInfo::Assign(source);
  const auto* other = dynamic_cast<const TcxCustomTextEditViewInfo*>(source);
  if (!other) return;
  EditingStyle = other->EditingStyle;
  IsLookupDataVisual = other->IsLookupDataVisual;
  Text = other->Text;
  TextRect = other->TextRect;
  ClientTextRect = other->ClientTextRect;
  DrawTextFlags = other->DrawTextFlags;
  SelStart = other->SelStart;
  SelLength = other->SelLength;
  SelectionColor = other->SelectionColor;
  SelectionTextColor = other->SelectionTextColor;
  ShowFocusRect = other->ShowFocusRect;
  TextRows = other->TextRows;
  // The copied rows point into this view info's own copy of the text.
  for (TcxTextRow& row : TextRows) row.Text = Text.data() + (row.Text - other->Text.data());
}

void TcxCustomTextEditViewInfo::Offset(int dx, int dy) {
  TcxCustomEditViewInfo::Offset(dx, dy);
  OffsetRect(&TextRect, dx, dy);
  OffsetRect(&ClientTextRect, dx, dy);
  for (TcxTextRow& row : TextRows) {
    row.TextOriginX += dx;
    row.TextOriginY += dy;
  }
}

void TcxCustomTextEditViewInfo::SelectFont(TcxCanvas& canvas) const {
  if (Font) canvas.SetFont(*Font);
}

void TcxCustomTextEditViewInfo::LayoutText(TcxCanvas& canvas) {
  SelectFont(canvas);
  TcxTextParams params{};
  InitTextParams(canvas, DrawTextFlags, params);
  int lineCount = 0;
  MakeTextRows(canvas, Text, TextRect, 0, lineCount, TextRows, params);
  LayoutTextRows(TextRect, lineCount, TextRows, params);
}

TRect TcxCustomTextEditViewInfo::TextAreaRect() const {
  TRect area = ClientRect;
  if (BorderStyle != cbsNone) InflateRect(&area, -1, -1);
  return area;
}

void TcxCustomTextEditViewInfo::Paint(TcxCanvas& canvas) {
  TcxCustomEditViewInfo::Paint(canvas);
  if (OnCustomDraw)
    OnCustomDraw(*this, canvas);
  else
    DrawTextContent(canvas);
  if (ShowFocusRect) DrawFocusRectangle(canvas);
}

void TcxCustomTextEditViewInfo::DrawTextContent(TcxCanvas& canvas) {
  if (Selected) FillRectByColor(canvas, TextAreaRect(), SelectionColor);
  SelectFont(canvas);
  canvas.Font().SetColor(Selected ? SelectionTextColor : TextColor);
  const HDC dc = canvas.Canvas().RequiredFontHandle();
  TcxTextParams params{};
  InitTextParams(dc, DrawTextFlags, params);
  const int selectionLength = Selected ? 0 : SelLength;
  DrawTextRows(dc, ClientTextRect, params, false, SelectionTextColor, SelectionColor, SelStart, selectionLength,
               static_cast<int>(TextRows.size()), TextRows);
}

// The focus rectangle inverts what is under it: its colours are chosen so
// that it shows over the text area's own.
void TcxCustomTextEditViewInfo::DrawFocusRectangle(TcxCanvas& canvas) {
  const HDC dc = canvas.Handle();
  const COLORREF oldText = SetTextColor(dc, ColorToRGB(Selected ? SelectionTextColor : clBtnText));
  const COLORREF oldBack = SetBkColor(dc, ColorToRGB(Selected ? SelectionColor : BackgroundColor));
  const TRect area = TextAreaRect();
  ::DrawFocusRect(dc, &area);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

bool TcxCustomTextEditViewInfo::IsTextCut(TcxCanvas& canvas) const {
  SelectFont(canvas);
  const int width = TextRect.right - TextRect.left;
  const int height = TextRect.bottom - TextRect.top;
  int linesHeight = 0;
  for (const TcxTextRow& row : TextRows) {
    const std::string line(RightTrimmed(std::string_view(row.Text, row.TextLength)));
    const SIZE extent = canvas.TextExtent(line.empty() ? cxTextEditLineHeightText : line);
    if (!line.empty() && extent.cx > width) return true;
    linesHeight += extent.cy;
  }
  return linesHeight > height;
}

bool TcxCustomTextEditViewInfo::GetTextHint(TcxCanvas& canvas, const POINT& point, std::string& hintText,
                                            TRect& hintRect) const {
  if (!PtInRect(&TextRect, point) || !IsTextCut(canvas)) return false;
  hintText = Text;
  hintRect = TextRect;
  return true;
}

// ---- the view data

std::unique_ptr<TcxCustomEditViewData> CreateTextEditViewData(TcxCustomEditProperties& properties,
                                                              TcxCustomEditStyle& style, bool inplace) {
  return std::make_unique<TcxCustomTextEditViewData>(properties, style, inplace);
}

uint32_t TcxCustomTextEditViewData::TextFlags() const {
  return TF_SINGLELINE | TF_NO_MEASURE_SINGLELINE | HorzAlignmentFlag(HorzAlignment) | VertAlignmentFlag(VertAlignment);
}

TRect TcxCustomTextEditViewData::CalculateTextRect(TcxCanvas& canvas, const TcxCustomTextEditViewInfo& viewInfo) const {
  TRect rect = viewInfo.ClientRect;
  if (Inplace) return rect;
  if (Style.Font()) canvas.SetFont(*Style.Font());
  const int lineHeight = canvas.TextHeight(cxTextEditLineHeightText);
  if (lineHeight > rect.bottom - rect.top) rect.bottom = std::min<LONG>(rect.top + lineHeight, viewInfo.Bounds.bottom);
  return rect;
}

void TcxCustomTextEditViewData::Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint,
                                          TMouseButton button, TShiftState shift, TcxCustomEditViewInfo& viewInfo,
                                          bool isMouseEvent) {
  TcxCustomEditViewData::Calculate(canvas, bounds, mousePoint, button, shift, viewInfo, isMouseEvent);
  auto& textInfo = static_cast<TcxCustomTextEditViewInfo&>(viewInfo);
  const TcxCustomTextEditProperties& properties = TextProperties();
  textInfo.EditingStyle = properties.GetEditingStyle();
  textInfo.IsLookupDataVisual = properties.IsLookupDataVisual();
  textInfo.DrawTextFlags = TextFlags();
  textInfo.TextRect = CalculateTextRect(canvas, textInfo);
  IntersectRect(&textInfo.ClientTextRect, &textInfo.TextRect, &textInfo.ClientRect);
  // An unfocused editor shows its selection only when it does not hide it.
  const bool showsSelection = Focused || !properties.HideSelection();
  textInfo.SelStart = showsSelection ? SelStart : 0;
  textInfo.SelLength = showsSelection ? SelLength : 0;
  if (textInfo.SelLength > 0 || Selected) {
    const TcxTextSelectionColors colors =
        TextSelectionColors(SelectionColor, SelectionTextColor, textInfo.BackgroundColor);
    textInfo.SelectionColor = colors.Background;
    textInfo.SelectionTextColor = colors.Text;
  }
  // Only the styles that take no typing leave the focused text to the container.
  textInfo.ShowFocusRect = Focused && (textInfo.EditingStyle == esFixedList || textInfo.EditingStyle == esNoEdit);
  textInfo.LayoutText(canvas);
}

std::string TcxCustomTextEditViewData::DisplayTextOf(const Variant& editValue) const {
  if (!ShowsEditValueUnformatted) return TextProperties().GetDisplayText(editValue, false);
  std::string text = VarIsEmpty(editValue) || VarIsNull(editValue) ? std::string() : editValue.AsString();
  TextProperties().ApplyEchoModeAndCharCase(text);
  return text;
}

void TcxCustomTextEditViewData::EditValueToDrawValue(const Variant& editValue, TcxCustomEditViewInfo& viewInfo) {
  auto& textInfo = static_cast<TcxCustomTextEditViewInfo&>(viewInfo);
  textInfo.Text = DisplayTextOf(editValue);
  textInfo.LayoutText(cxScreenCanvas());
}
