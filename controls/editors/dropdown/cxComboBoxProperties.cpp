#include "controls/editors/dropdown/cxComboBoxProperties.h"

#include "controls/editors/base/cxEditButtons.h"
#include "controls/editors/dropdown/cxComboBox.h"
#include "controls/editors/dropdown/cxComboBoxListBox.h"
#include "platform/classes/ClassBuilder.h"

const TIdentMap& EditDropDownListStyleIdents() {
  static const TIdentMap idents = {
      {lsEditFixedList, "lsEditFixedList"}, {lsEditList, "lsEditList"}, {lsFixedList, "lsFixedList"}};
  return idents;
}

// ---- TcxCustomComboBoxProperties

TClass TcxCustomComboBoxProperties::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxCustomComboBoxProperties>(
                                          "TcxCustomComboBoxProperties", TcxCustomDropDownEditProperties::StaticClass())
                                          .Build();
  return &metaClass;
}

TcxCustomComboBoxProperties::TcxCustomComboBoxProperties(TPersistent* owner) : TcxCustomDropDownEditProperties(owner) {}

void TcxCustomComboBoxProperties::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxCustomComboBoxProperties*>(source);
  if (!other) return TcxCustomDropDownEditProperties::Assign(source);
  BeginUpdate();
  TcxCustomDropDownEditProperties::Assign(source);
  SetDropDownListStyle(other->FDropDownListStyle);
  SetDropDownRows(other->FDropDownRows);
  SetItemHeight(other->FItemHeight);
  SetRevertable(other->FRevertable);
  FOnDrawItem = other->FOnDrawItem;
  FOnMeasureItem = other->FOnMeasureItem;
  EndUpdate();
}

void TcxCustomComboBoxProperties::SetDropDownListStyle(TcxEditDropDownListStyle value) {
  if (FDropDownListStyle == value) return;
  FDropDownListStyle = value;
  Changed();
}

void TcxCustomComboBoxProperties::SetDropDownRows(int value) {
  if (value < 1 || FDropDownRows == value) return;
  FDropDownRows = value;
  Changed();
}

void TcxCustomComboBoxProperties::SetItemHeight(int value) {
  if (FItemHeight == value) return;
  FItemHeight = value;
  Changed();
}

TClass TcxCustomComboBoxProperties::GetContainerClass() const { return TcxComboBox::StaticClass(); }

TcxContainerViewInfoClass TcxCustomComboBoxProperties::GetViewInfoClass() const { return CreateComboBoxViewInfo; }

TcxCustomEditViewDataClass TcxCustomComboBoxProperties::GetViewDataClass() const { return CreateComboBoxViewData; }

TClass TcxCustomComboBoxProperties::GetLookupDataClass() const { return TcxComboBoxLookupData::StaticClass(); }

TcxEditPopupWindowClass TcxCustomComboBoxProperties::GetPopupWindowClass() const { return CreateComboBoxPopupWindow; }

TcxEditEditingStyle TcxCustomComboBoxProperties::GetEditingStyle() const {
  switch (FDropDownListStyle) {
    case lsEditFixedList: return esEditList;
    case lsFixedList: return esFixedList;
    default: return esEdit;
  }
}

// ---- TcxComboBoxProperties

TClass TcxComboBoxProperties::StaticClass() {
  using P = TcxComboBoxProperties;
  static const TMetaClass metaClass =
      TClassBuilder<P>("TcxComboBoxProperties", TcxCustomComboBoxProperties::StaticClass())
          .Object("Alignment", [](P& p) -> TPersistent& { return *p.Alignment(); })
          .Stored(&P::IsAlignmentStored)
          .Object("AssignedValues", [](P& p) -> TPersistent& { return *p.AssignedValues(); })
          .Boolean("AutoSelect", &P::AutoSelect, &P::SetAutoSelect, true)
          .Boolean("BeepOnError", &P::BeepOnError, &P::SetBeepOnError, false)
          .Boolean("CaseInsensitive", &P::CaseInsensitive, &P::SetCaseInsensitive, true)
          .Enumeration("CharCase", &P::CharCase, &P::SetCharCase, EditCharCaseIdents(), ecNormal)
          .Integer("ClearKey", &P::ClearKey, &P::SetClearKey, 0)
          .Boolean("DropDownAutoWidth", &P::DropDownAutoWidth, &P::SetDropDownAutoWidth, true)
          .Enumeration("DropDownListStyle", &P::DropDownListStyle, &P::SetDropDownListStyle,
                       EditDropDownListStyleIdents(), lsEditList)
          .Integer("DropDownRows", &P::DropDownRows, &P::SetDropDownRows, 8)
          .Boolean("DropDownSizeable", &P::DropDownSizeable, &P::SetDropDownSizeable, false)
          .Integer("DropDownWidth", &P::DropDownWidth, &P::SetDropDownWidth, 0)
          .Boolean("HideSelection", &P::HideSelection, &P::SetHideSelection, true)
          .Boolean("IgnoreMaskBlank", &P::IgnoreMaskBlank, &P::SetIgnoreMaskBlank, false)
          .Enumeration("ImeMode", &P::ImeMode, &P::SetImeMode, ImeModeIdents(), imDontCare)
          .String("ImeName", &P::ImeName, &P::SetImeName)
          .Boolean("ImmediateDropDown", &P::ImmediateDropDown, &P::SetImmediateDropDown, true)
          .Boolean("ImmediatePost", &P::ImmediatePost, &P::SetImmediatePost, false)
          .Boolean("ImmediateUpdateText", &P::ImmediateUpdateText, &P::SetImmediateUpdateText, false)
          .Boolean("IncrementalSearch", &P::IncrementalSearch, &P::SetIncrementalSearch, true)
          .Integer("ItemHeight", &P::ItemHeight, &P::SetItemHeight, 0)
          .Strings("Items", [](P& p) -> TStringList& { return p.Items(); })
          .Enumeration("MaskKind", &P::MaskKind, &P::SetMaskKind, EditMaskKindIdents(), emkStandard)
          .String("EditMask", &P::EditMask, &P::SetEditMask)
          .Integer("MaxLength", &P::MaxLength, &P::SetMaxLength, 0)
          .NoDefault()
          .Stored(&P::IsMaxLengthStored)
          .Boolean("OEMConvert", &P::OEMConvert, &P::SetOEMConvert, false)
          .Enumeration("PopupAlignment", &P::PopupAlignment, &P::SetPopupAlignment, AlignmentIdents(), taLeftJustify)
          .Boolean("PostPopupValueOnTab", &P::PostPopupValueOnTab, &P::SetPostPopupValueOnTab, false)
          .Boolean("ReadOnly", &P::ReadOnly, &P::SetReadOnly, false)
          .NoDefault()
          .Stored(&P::IsReadOnlyStored)
          .Boolean("Revertable", &P::Revertable, &P::SetRevertable, false)
          .Boolean("Sorted", &P::Sorted, &P::SetSorted, false)
          .Boolean("UseLeftAlignmentOnEditing", &P::UseLeftAlignmentOnEditing, &P::SetUseLeftAlignmentOnEditing, true)
          .NoDefault()
          .Stored(&P::IsUseLeftAlignmentOnEditingStored)
          .Boolean("ValidateOnEnter", &P::ValidateOnEnter, &P::SetValidateOnEnter, true)
          .Event("OnChange", &P::SetOnChange)
          .Event("OnCloseUp", &P::SetOnCloseUp)
          .Event("OnDrawItem", &P::SetOnDrawItem)
          .Event("OnEditValueChanged", &P::SetOnEditValueChanged)
          .Event("OnInitPopup", &P::SetOnInitPopup)
          .Event("OnMeasureItem", &P::SetOnMeasureItem)
          .Event("OnNewLookupDisplayText", &P::SetOnNewLookupDisplayText)
          .Event("OnPopup", &P::SetOnPopup)
          .Event("OnValidate", &P::SetOnValidate)
          .Build();
  return &metaClass;
}
