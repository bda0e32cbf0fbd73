#include "controls/editors/dropdown/cxDropDownEditProperties.h"

#include <algorithm>

#include "controls/editors/dropdown/cxDropDownEdit.h"
#include "platform/classes/ClassBuilder.h"

namespace {

TcxCustomEditPopupWindow* CreateEditPopupWindow(TcxCustomDropDownEdit& edit) {
  return new TcxCustomEditPopupWindow(&edit, &edit);
}

}  // namespace

TClass TcxCustomDropDownEditProperties::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxCustomDropDownEditProperties>(
                                          "TcxCustomDropDownEditProperties", TcxCustomMaskEditProperties::StaticClass())
                                          .Build();
  return &metaClass;
}

TcxCustomDropDownEditProperties::TcxCustomDropDownEditProperties(TPersistent* owner)
    : TcxCustomMaskEditProperties(owner) {}

void TcxCustomDropDownEditProperties::AfterConstruction() {
  TcxCustomMaskEditProperties::AfterConstruction();
  Buttons().Add().SetKind(bkDown);
}

void TcxCustomDropDownEditProperties::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxCustomDropDownEditProperties*>(source);
  if (!other) return TcxCustomMaskEditProperties::Assign(source);
  BeginUpdate();
  TcxCustomMaskEditProperties::Assign(source);
  FImmediateDropDown = other->FImmediateDropDown;
  FImmediatePopup = other->FImmediatePopup;
  FPopupAutoSize = other->FPopupAutoSize;
  SetPopupClientEdge(other->FPopupClientEdge);
  FPopupBorderStyle = other->FPopupBorderStyle;
  FPopupHorzAlignment = other->FPopupHorzAlignment;
  // The minimums first: the sizes keep to them.
  FPopupMinHeight = other->FPopupMinHeight;
  FPopupMinWidth = other->FPopupMinWidth;
  FPopupHeight = other->FPopupHeight;
  FPopupWidth = other->FPopupWidth;
  SetPopupSizeable(other->FPopupSizeable);
  SetPopupSysPanelStyle(other->FPopupSysPanelStyle);
  FPopupVertAlignment = other->FPopupVertAlignment;
  FPostPopupValueOnTab = other->FPostPopupValueOnTab;
  FOnCloseQuery = other->FOnCloseQuery;
  FOnCloseUp = other->FOnCloseUp;
  FOnFinalizePopup = other->FOnFinalizePopup;
  FOnInitPopup = other->FOnInitPopup;
  FOnPopup = other->FOnPopup;
  EndUpdate(true);
}

template <class V>
void TcxCustomDropDownEditProperties::Change(V& field, V value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TcxCustomDropDownEditProperties::SetPopupClientEdge(bool value) { Change(FPopupClientEdge, value); }

void TcxCustomDropDownEditProperties::SetPopupSizeable(bool value) { Change(FPopupSizeable, value); }

void TcxCustomDropDownEditProperties::SetPopupSysPanelStyle(bool value) { Change(FPopupSysPanelStyle, value); }

void TcxCustomDropDownEditProperties::SetPopupHeight(int value) { FPopupHeight = std::max(value, FPopupMinHeight); }

void TcxCustomDropDownEditProperties::SetPopupMinHeight(int value) {
  FPopupMinHeight = std::max(value, 0);
  SetPopupHeight(FPopupHeight);
}

void TcxCustomDropDownEditProperties::SetPopupMinWidth(int value) {
  FPopupMinWidth = std::max(value, 0);
  SetPopupWidth(FPopupWidth);
}

void TcxCustomDropDownEditProperties::SetPopupWidth(int value) {
  if (value < 0) value = 0;
  if (value > 0) value = std::max(value, FPopupMinWidth);
  FPopupWidth = value;
}

TAlignment TcxCustomDropDownEditProperties::PopupAlignment() const {
  switch (FPopupHorzAlignment) {
    case phaCenter: return taCenter;
    case phaRight: return taRightJustify;
    default: return taLeftJustify;
  }
}

void TcxCustomDropDownEditProperties::SetPopupAlignment(TAlignment value) {
  switch (value) {
    case taCenter: FPopupHorzAlignment = phaCenter; break;
    case taRightJustify: FPopupHorzAlignment = phaRight; break;
    default: FPopupHorzAlignment = phaLeft; break;
  }
}

TcxEditButton* TcxCustomDropDownEditProperties::DropDownButton() const {
  const int index = GetDropDownButtonIndex();
  return index >= 0 && index < Buttons().Count() ? &Buttons().Items(index) : nullptr;
}

TBitmap* TcxCustomDropDownEditProperties::ButtonGlyph() const {
  TcxEditButton* button = DropDownButton();
  return button && button->HasGlyph() ? button->Glyph() : nullptr;
}

void TcxCustomDropDownEditProperties::SetButtonGlyph(const TBitmap* value) {
  if (TcxEditButton* button = DropDownButton()) button->SetGlyph(value && !value->Empty() ? value : nullptr);
}

void TcxCustomDropDownEditProperties::ButtonsChangedHandler(TObject* sender) {
  UpdateDropDownButtonKind();
  TcxCustomMaskEditProperties::ButtonsChangedHandler(sender);
}

// The kind changed here is itself a change of the buttons: the flag keeps
// that change from coming round again.
void TcxCustomDropDownEditProperties::UpdateDropDownButtonKind() {
  TcxEditButton* button = DropDownButton();
  if (!button || FUpdatingButtonKind) return;
  const bool hasGlyph = button->HasGlyph() && !button->Glyph()->Empty();
  TcxEditButtonKind kind = button->Kind();
  if (hasGlyph) kind = bkGlyph;
  if (!hasGlyph && kind == bkGlyph) kind = bkDown;
  if (kind == button->Kind()) return;
  FUpdatingButtonKind = true;
  button->SetKind(kind);
  FUpdatingButtonKind = false;
}

TcxEditPopupWindowClass TcxCustomDropDownEditProperties::GetPopupWindowClass() const { return CreateEditPopupWindow; }

TClass TcxCustomDropDownEditProperties::GetContainerClass() const { return TcxCustomDropDownEdit::StaticClass(); }

TcxCustomEditViewDataClass TcxCustomDropDownEditProperties::GetViewDataClass() const {
  return CreateDropDownEditViewData;
}
