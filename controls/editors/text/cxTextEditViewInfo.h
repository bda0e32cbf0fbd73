#pragma once
// How a text editor looks when the editor draws its text itself rather than
// through its native edit window (in a host's cells, while not focused, and
// in the styles that take no typing): the display text laid out in its
// rectangle, a selection in its own colours, and the focus rectangle. The
// view info also answers whether the text is cut, which a hint would show in
// full.
#include <cstdint>
#include <functional>
#include <string>

#include "controls/editors/base/cxEditViewInfo.h"
#include "controls/editors/base/cxTextDrawing.h"
#include "controls/editors/text/cxTextEditProperties.h"

// The text whose height is one line of a text editor.
constexpr const char* cxTextEditLineHeightText = "Zg";

struct TcxTextSelectionColors {
  TColor Background;
  TColor Text;
};

// The colours of a selection: an explicit text colour with the explicit
// background or the inverse of the text; else an explicit background with
// its inverse as text; else, over a background that is the highlight colour
// itself, black on white, and elsewhere the system highlight colours.
// clDefault leaves a colour to these rules; system colours are inverted by
// their RGB.
TcxTextSelectionColors TextSelectionColors(TColor selectionColor, TColor selectionTextColor, TColor backgroundColor);

// The row of the last pixel of text `textHeight` high in `rect` by the
// vertical alignment: where the caret and the native edit's text stand.
int TextEditTextBottom(const TRect& rect, int textHeight, TcxEditVertAlignment alignment);

class TcxCustomTextEditViewInfo;
// Draws the content instead of the built-in text drawing.
using TcxTextEditCustomDrawHook = std::function<void(TcxCustomTextEditViewInfo& viewInfo, TcxCanvas& canvas)>;

class TcxCustomTextEditViewInfo : public TcxCustomEditViewInfo {
 public:
  TcxEditEditingStyle EditingStyle = esEdit;
  bool IsLookupDataVisual = false;
  std::string Text;
  TRect TextRect{};
  // TextRect within the client area.
  TRect ClientTextRect{};
  // The text flags of the layout (TF_*).
  uint32_t DrawTextFlags = TF_SINGLELINE | TF_NO_MEASURE_SINGLELINE;
  int SelStart = 0;
  int SelLength = 0;
  TColor SelectionColor = clHighlight;
  TColor SelectionTextColor = clHighlightText;
  // Whether a focus rectangle goes around the text area.
  bool ShowFocusRect = false;
  TcxTextEditCustomDrawHook OnCustomDraw;
  // The text laid out in TextRect; the rows point into Text.
  TcxTextRows TextRows;

  void Assign(const TcxContainerViewInfo* source) override;
  void Offset(int dx, int dy) override;
  void Paint(TcxCanvas& canvas) override;

  // Breaks Text into rows in TextRect, measured with the view info's font.
  void LayoutText(TcxCanvas& canvas);
  // The area the text and its selection fill: the client area, inside the
  // frame when the editor shows one.
  TRect TextAreaRect() const;
  // Some line is wider than TextRect, or the lines run past its bottom.
  bool IsTextCut(TcxCanvas& canvas) const;
  // Over the text rectangle, a cut text is hinted in full over that rectangle.
  bool GetTextHint(TcxCanvas& canvas, const POINT& point, std::string& hintText, TRect& hintRect) const;

 protected:
  virtual void DrawTextContent(TcxCanvas& canvas);
  void DrawFocusRectangle(TcxCanvas& canvas);

 private:
  void SelectFont(TcxCanvas& canvas) const;
};

std::unique_ptr<TcxContainerViewInfo> CreateTextEditViewInfo();

class TcxCustomTextEditViewData : public TcxCustomEditViewData {
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;

  // clDefault leaves the colour to the selection rules.
  TColor SelectionColor = clDefault;
  TColor SelectionTextColor = clDefault;
  // The editor shows its edit value as it is, without the display format.
  bool ShowsEditValueUnformatted = false;
  // The part of the text shown selected.
  int SelStart = 0;
  int SelLength = 0;

  void Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint, TMouseButton button,
                 TShiftState shift, TcxCustomEditViewInfo& viewInfo, bool isMouseEvent) override;
  void EditValueToDrawValue(const Variant& editValue, TcxCustomEditViewInfo& viewInfo) override;
  std::string DisplayTextOf(const Variant& editValue) const;

 protected:
  TcxCustomTextEditProperties& TextProperties() const { return static_cast<TcxCustomTextEditProperties&>(Properties); }
  // The content rectangle, as high as a line of the font out of place.
  TRect CalculateTextRect(TcxCanvas& canvas, const TcxCustomTextEditViewInfo& viewInfo) const;
  uint32_t TextFlags() const;
};

std::unique_ptr<TcxCustomEditViewData> CreateTextEditViewData(TcxCustomEditProperties& properties,
                                                              TcxCustomEditStyle& style, bool inplace);
