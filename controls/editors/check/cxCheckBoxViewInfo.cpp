#include "controls/editors/check/cxCheckBoxViewInfo.h"

#include "controls/editors/check/cxCheckBox.h"

int CheckBoxCaptionFlags(TAlignment, bool, bool) { return cxSingleLine | cxShowPrefix | cxAlignLeft | cxAlignVCenter; }

TcxEditCheckState CheckButtonStateFor(const TcxCheckButtonStateFacts&) { return ecsNormal; }

TcxCheckBoxLayout CalculateCheckBoxLayout(const TRect& clientRect, SIZE, TAlignment, bool, const TRect&) {
  return {clientRect, clientRect};
}

// ---- the view info

std::unique_ptr<TcxContainerViewInfo> CreateCheckBoxViewInfo() { return std::make_unique<TcxCustomCheckBoxViewInfo>(); }

void TcxCustomCheckBoxViewInfo::Assign(const TcxContainerViewInfo* source) {
  TcxCustomTextEditViewInfo::Assign(source);
}

std::unique_ptr<TcxRegion> TcxCustomCheckBoxViewInfo::GetUpdateRegion(const TcxContainerViewInfo* other) {
  return TcxCustomTextEditViewInfo::GetUpdateRegion(other);
}

void TcxCustomCheckBoxViewInfo::Offset(int dx, int dy) { TcxCustomTextEditViewInfo::Offset(dx, dy); }

void TcxCustomCheckBoxViewInfo::Paint(TcxCanvas& canvas) { TcxCustomTextEditViewInfo::Paint(canvas); }

bool TcxCustomCheckBoxViewInfo::OnlyCheckChanged(const TcxCustomCheckBoxViewInfo&) const { return false; }

void TcxCustomCheckBoxViewInfo::DrawTextContent(TcxCanvas&) {}

void TcxCustomCheckBoxViewInfo::DrawEditBackground(TcxCanvas& canvas) {
  TcxCustomTextEditViewInfo::DrawEditBackground(canvas);
}

bool TcxCustomCheckBoxViewInfo::IsBackgroundSeenThroughCheck() const { return false; }

TcxEditCheckDrawParams TcxCustomCheckBoxViewInfo::CheckDrawParams() const { return {}; }

// ---- the view data

std::unique_ptr<TcxCustomEditViewData> CreateCheckBoxViewData(TcxCustomEditProperties& properties,
                                                              TcxCustomEditStyle& style, bool inplace) {
  return std::make_unique<TcxCustomCheckBoxViewData>(properties, style, inplace);
}

TcxCustomCheckBoxProperties& TcxCustomCheckBoxViewData::CheckProperties() const {
  return static_cast<TcxCustomCheckBoxProperties&>(Properties);
}

TAlignment TcxCustomCheckBoxViewData::CheckAlignment() const { return taLeftJustify; }

void TcxCustomCheckBoxViewData::Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint,
                                          TMouseButton button, TShiftState shift, TcxCustomEditViewInfo& viewInfo,
                                          bool isMouseEvent) {
  TcxCustomEditViewData::Calculate(canvas, bounds, mousePoint, button, shift, viewInfo, isMouseEvent);
}

void TcxCustomCheckBoxViewData::EditValueToDrawValue(const Variant&, TcxCustomEditViewInfo&) {}

SIZE TcxCustomCheckBoxViewData::GetEditSize(TcxCanvas& canvas, int contentWidth) {
  return TcxCustomEditViewData::GetEditSize(canvas, contentWidth);
}

void TcxCustomCheckBoxViewData::CalculateFocusRect(TcxCanvas&, TcxCustomCheckBoxViewInfo&) const {}
