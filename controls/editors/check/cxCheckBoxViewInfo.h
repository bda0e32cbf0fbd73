#pragma once
// How a check box looks: the view data places the check and its caption by
// the alignment, finds the check button's state from the pointer and the
// keys and the focus rectangle around the caption; the view info paints the
// background around the check, the check and the caption. Only a change of
// the check's own state repaints just the check.
#include <cstdint>
#include <string>

#include "controls/editors/check/cxCheckBoxPainting.h"
#include "controls/editors/text/cxTextEditViewInfo.h"

class TcxCustomCheckBoxProperties;

// The caption's text flags (cx* flags) for the alignment: single line unless
// multi-line, where it breaks words and is not clipped; centred vertically,
// except a multi-line caption of a check box that is not in place, which
// starts at the top.
int CheckBoxCaptionFlags(TAlignment alignment, bool multiLine, bool inplace);

// What decides the check button's state.
struct TcxCheckButtonStateFacts {
  bool Enabled = true;
  bool PressedBySpace = false;
  bool Designing = false;
  // The pointer lies in the content rectangle.
  bool MouseInside = false;
  bool AnyMouseButtonHeld = false;
  // The shift state is exactly the left button.
  bool OnlyLeftButtonHeld = false;
  bool ButtonDownEvent = false;
  TcxEditCheckState PreviousState = ecsNormal;
};
TcxEditCheckState CheckButtonStateFor(const TcxCheckButtonStateFacts& facts);

struct TcxCheckBoxLayout {
  TRect CheckRect;
  TRect TextRect;
};
// Places a check of `checkSize` and its caption in `clientRect`; in place
// the text leaves room at the check's side and keeps within the content
// offsets' top and bottom.
TcxCheckBoxLayout CalculateCheckBoxLayout(const TRect& clientRect, SIZE checkSize, TAlignment alignment, bool inplace,
                                          const TRect& contentOffset);

class TcxCustomCheckBoxViewInfo : public TcxCustomTextEditViewInfo {
 public:
  // The side of the check: left, right or centre (no caption).
  TAlignment Alignment = taLeftJustify;
  int CheckBorderWidth = 0;
  TcxEditBorderStyle CheckBorderStyle = ebsNone;
  const TBitmap* Glyph = nullptr;
  int GlyphCount = 0;
  bool AllowGrayed = false;
  TRect CheckBoxRect{};
  TcxEditCheckState CheckBoxState = ecsNormal;
  TRect FocusRect{};
  bool IsGlyphValid = false;
  // The style has its own text colour: a disabled caption keeps it.
  bool IsTextColorAssigned = false;
  TcxCheckBoxNullValueShowingStyle NullStyle = nssGrayedChecked;
  TcxCheckBoxState State = cbsUnchecked;
  // The caption's cx* text flags.
  int CaptionFlags = cxSingleLine | cxShowPrefix | cxAlignLeft | cxAlignVCenter;
  bool IsDesigning = false;

  void Assign(const TcxContainerViewInfo* source) override;
  std::unique_ptr<TcxRegion> GetUpdateRegion(const TcxContainerViewInfo* other) override;
  void Offset(int dx, int dy) override;
  void Paint(TcxCanvas& canvas) override;
  // The whole check box is its one button: a press anywhere on it, the
  // second press of a double click too, presses the check.
  bool IsPointOverButton(const POINT&) const override { return true; }
  bool HasHotButtons() const override { return true; }
  // The check shows another button state or check state than `previous`.
  bool CheckChanged(const TcxCustomCheckBoxViewInfo& previous) const;
  // Nothing but the check changed: only its rectangle needs painting.
  bool OnlyCheckChanged(const TcxCustomCheckBoxViewInfo& previous) const;

 protected:
  void DrawEditBackground(TcxCanvas& canvas) override;

 private:
  // The themed check lets the background show through.
  bool IsCheckPartlyTransparent() const;
  TcxEditCheckDrawParams CheckDrawParams() const;
  void DrawCaption(TcxCanvas& canvas);
};

std::unique_ptr<TcxContainerViewInfo> CreateCheckBoxViewInfo();

class TcxCustomCheckBoxViewData : public TcxCustomEditViewData {
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;

  // The editor's text, the caption of a check box that is not in place.
  std::string Caption;
  bool PressedBySpace = false;
  bool IsDesigning = false;
  // The calculation follows a mouse button going down.
  bool ButtonDownEvent = false;

  void Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint, TMouseButton button,
                 TShiftState shift, TcxCustomEditViewInfo& viewInfo, bool isMouseEvent) override;
  void EditValueToDrawValue(const Variant& editValue, TcxCustomEditViewInfo& viewInfo) override;
  SIZE GetEditSize(TcxCanvas& canvas, int contentWidth) override;
  std::string GetDisplayText() const override { return Caption; }

 protected:
  TcxCustomCheckBoxProperties& CheckProperties() const;
  TAlignment CheckAlignment() const;
  bool IsCheckDrawnClassically(bool glyphValid) const;
  TcxCheckButtonStateFacts ButtonStateFacts(const TcxCustomCheckBoxViewInfo& viewInfo, const POINT& mousePoint,
                                            TShiftState shift) const;
  void CalculateFocusRect(TcxCanvas& canvas, TcxCustomCheckBoxViewInfo& viewInfo) const;
};

std::unique_ptr<TcxCustomEditViewData> CreateCheckBoxViewData(TcxCustomEditProperties& properties,
                                                              TcxCustomEditStyle& style, bool inplace);
