#include "controls/editors/base/cxEditProperties.h"

#include <algorithm>

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/base/cxEditControl.h"
#include "controls/editors/base/cxEditStyles.h"
#include "controls/editors/base/cxEditViewInfo.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Control.h"

namespace {

std::unique_ptr<std::vector<TcxCustomEditProperties*>> gAllProperties;
std::unique_ptr<TcxRegisteredClasses> gRegisteredProperties;

constexpr int kProviderPrecision = 15;
constexpr int kProviderScale = 3;

void EnterAllProperties(TcxCustomEditProperties* properties) {
  if (gAllProperties) gAllProperties->push_back(properties);
}

void LeaveAllProperties(TcxCustomEditProperties* properties) {
  if (gAllProperties) std::erase(*gAllProperties, properties);
}

// Forwards the free notifications of the components the properties link to.
class TcxEditPropertiesFreeNotificator : public TComponent {
 public:
  explicit TcxEditPropertiesFreeNotificator(TcxCustomEditProperties& properties)
      : TComponent(nullptr), FProperties(properties) {}

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove) FProperties.FreeNotification(component);
  }

 private:
  TcxCustomEditProperties& FProperties;
};

}  // namespace

const TIdentMap& VertAlignmentIdents() {
  static const TIdentMap idents = {
      {taTopJustify, "taTopJustify"}, {taBottomJustify, "taBottomJustify"}, {taVCenter, "taVCenter"}};
  return idents;
}

TClass TcxEditAlignment::StaticClass() {
  using A = TcxEditAlignment;
  static const TMetaClass metaClass =
      TClassBuilder<A>("TcxEditAlignment", TPersistent::StaticClass())
          .Enumeration("Horz", &A::Horz, &A::SetHorz, AlignmentIdents(), taLeftJustify)
          .NoDefault()
          .Stored(&A::IsHorzStored)
          .Enumeration("Vert", &A::Vert, &A::SetVert, VertAlignmentIdents(), taTopJustify)
          .Stored(&A::IsVertStored)
          .Build();
  return &metaClass;
}

void TcxEditAlignment::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxEditAlignment*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  FVert = other->FVert;
  FHorz = other->FHorz;
  FIsHorzAssigned = other->FIsHorzAssigned;
  DoChanged();
}

void TcxEditAlignment::SetHorz(TAlignment value) {
  if (FIsHorzAssigned && FHorz == value) return;
  FHorz = value;
  FIsHorzAssigned = true;
  DoChanged();
}

void TcxEditAlignment::SetVert(TcxEditVertAlignment value) {
  if (FVert == value) return;
  FVert = value;
  DoChanged();
}

// Horz goes back to its own default too, so no earlier value shows through.
void TcxEditAlignment::Reset() {
  FIsHorzAssigned = false;
  FHorz = taLeftJustify;
  DoChanged();
}

void TcxEditAlignment::DoChanged() {
  if (FOnChanged) FOnChanged(this);
}

TcxCustomEditPropertiesValues::TcxCustomEditPropertiesValues(TPersistent* owner)
    : FProperties(dynamic_cast<TcxCustomEditProperties&>(*owner)) {}

TClass TcxCustomEditPropertiesValues::StaticClass() {
  using V = TcxCustomEditPropertiesValues;
  static const TMetaClass metaClass = TClassBuilder<V>("TcxCustomEditPropertiesValues", TPersistent::StaticClass())
                                          .Boolean("MaxValue", &V::MaxValue, &V::SetMaxValue, false)
                                          .Stored(&V::IsMaxValueStored)
                                          .Boolean("MinValue", &V::MinValue, &V::SetMinValue, false)
                                          .Stored(&V::IsMinValueStored)
                                          .Boolean("ReadOnly", &V::ReadOnly, &V::SetReadOnly, false)
                                          .Stored([](const V&) { return false; })
                                          .Build();
  return &metaClass;
}

TPersistent* TcxCustomEditPropertiesValues::GetOwner() const { return &FProperties; }

void TcxCustomEditPropertiesValues::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxCustomEditPropertiesValues*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  FProperties.BeginUpdate();
  SetMaxValue(other->FMaxValue);
  SetMinValue(other->FMinValue);
  SetReadOnly(other->FReadOnly);
  FProperties.EndUpdate(true);
}

void TcxCustomEditPropertiesValues::RestoreDefaults() {
  FProperties.BeginUpdate();
  SetMaxValue(false);
  SetMinValue(false);
  SetReadOnly(false);
  FProperties.EndUpdate(true);
}

void TcxCustomEditPropertiesValues::ChangeFlag(bool& field, bool value) {
  if (field == value) return;
  field = value;
  FProperties.Changed();
}

void TcxCustomEditPropertiesValues::SetMaxValue(bool value) { ChangeFlag(FMaxValue, value); }

void TcxCustomEditPropertiesValues::SetMinValue(bool value) { ChangeFlag(FMinValue, value); }

void TcxCustomEditPropertiesValues::SetReadOnly(bool value) { ChangeFlag(FReadOnly, value); }

bool TcxCustomEditPropertiesValues::IsMaxValueStored() const {
  return FMaxValue && FProperties.GetMaxValue() != 0 && FProperties.IsMaxValueStored();
}

bool TcxCustomEditPropertiesValues::IsMinValueStored() const {
  return FMinValue && FProperties.GetMinValue() != 0 && FProperties.IsMinValueStored();
}

TcxCustomEditDefaultValuesProvider::~TcxCustomEditDefaultValuesProvider() {
  if (!gAllProperties) return;
  for (TcxCustomEditProperties* properties : *gAllProperties)
    if (properties->DefaultValuesProvider() == this) properties->ClearDefaultValuesProvider();
}

TClass TcxCustomEditDefaultValuesProvider::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxCustomEditDefaultValuesProvider>(
                                          "TcxCustomEditDefaultValuesProvider", TcxInterfacedPersistent::StaticClass())
                                          .Build();
  return &metaClass;
}

int TcxCustomEditDefaultValuesProvider::DefaultPrecision() const { return kProviderPrecision; }

int TcxCustomEditDefaultValuesProvider::DefaultScale() const { return kProviderScale; }

TcxCustomEditProperties::TcxCustomEditProperties(TPersistent* owner)
    : TcxInterfacedPersistent(owner),
      FFreeNotificator(new TcxEditPropertiesFreeNotificator(*this)),
      FStoredAlignment(std::make_unique<TcxEditAlignment>(this)),
      FAlignmentProxy(std::make_unique<TcxEditAlignment>(this)) {
  EnterAllProperties(this);
  FAlignmentProxy->SetOnChanged([this](TcxEditAlignment* sender) { AlignmentChangedHandler(sender); });
}

// Changes made while the buttons go reach nobody.
TcxCustomEditProperties::~TcxCustomEditProperties() {
  FDefaultValuesProvider = nullptr;
  FChangedLocked = true;
  FButtons.reset();
  FStoredAlignment.reset();
  FAssignedValues.reset();
  FAlignmentProxy.reset();
  FFreeNotificator.reset();
  LeaveAllProperties(this);
}

TClass TcxCustomEditProperties::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomEditProperties>("TcxCustomEditProperties", TcxInterfacedPersistent::StaticClass()).Build();
  return &metaClass;
}

void TcxCustomEditProperties::AfterConstruction() {
  TcxInterfacedPersistent::AfterConstruction();
  FAssignedValues = CreatePersistentOf<TcxCustomEditPropertiesValues>(GetAssignedValuesClass(), this);
  FButtons = CreatePersistentOf<TcxEditButtons>(GetButtonsClass(), this);
  FButtons->SetOnChange([this](TObject* sender) { ButtonsChangedHandler(sender); });
  FUseLeftAlignmentOnEditing = DefaultUseLeftAlignmentOnEditing();
}

void TcxCustomEditProperties::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxCustomEditProperties*>(source);
  if (!other) {
    TcxInterfacedPersistent::Assign(source);
    return;
  }
  auto& from = const_cast<TcxCustomEditProperties&>(*other);
  BeginUpdate();
  SetAutoSelect(from.FAutoSelect);
  FButtons->Assign(from.FButtons.get());
  SetButtonsViewMode(from.FButtonsViewMode);
  FBeepOnError = from.FBeepOnError;
  FClearKey = from.FClearKey;
  FClickKey = from.FClickKey;
  FUseLeftAlignmentOnEditing = from.FUseLeftAlignmentOnEditing;
  FDefaultValuesProvider = from.FDefaultValuesProvider;
  SetAlignment(from.Alignment());
  FAssignedValues->SetMaxValue(false);
  if (from.FAssignedValues->MaxValue()) SetMaxValue(from.GetMaxValue());
  FAssignedValues->SetMinValue(false);
  if (from.FAssignedValues->MinValue()) SetMinValue(from.GetMinValue());
  FAssignedValues->SetReadOnly(false);
  if (from.FAssignedValues->ReadOnly()) SetReadOnly(from.ReadOnly());
  FImmediatePost = from.FImmediatePost;
  SetTransparent(from.FTransparent);
  FUseMouseWheel = from.FUseMouseWheel;
  FValidateOnEnter = from.FValidateOnEnter;
  FOnButtonClick = from.FOnButtonClick;
  FOnChange = from.FOnChange;
  FOnEditValueChanged = from.FOnEditValueChanged;
  FOnValidate = from.FOnValidate;
  EndUpdate(true);
}

void TcxCustomEditProperties::BeginUpdate() {
  if (FUpdateCount == 0) FChangedWhileLocked = false;
  ++FUpdateCount;
}

void TcxCustomEditProperties::EndUpdate(bool invokeChanged) {
  if (FUpdateCount <= 0) return;
  --FUpdateCount;
  if (FUpdateCount == 0 && invokeChanged && FChangedWhileLocked) Changed();
}

void TcxCustomEditProperties::Changed() {
  if (IsNotificationBlocked()) {
    FChangedWhileLocked = true;
    return;
  }
  if (FOnPropertiesChanged) FOnPropertiesChanged(this);
}

bool TcxCustomEditProperties::IsNotificationBlocked() const {
  if (FChangedLocked || FUpdateCount > 0) return true;
  const auto* owner = dynamic_cast<const TComponent*>(GetOwner());
  return owner && owner->Destroying();
}

bool TcxCustomEditProperties::IsOwnerBeingWritten() const {
  for (TPersistent* owner = GetOwner(); owner; owner = owner->GetOwner())
    if (const auto* component = dynamic_cast<const TComponent*>(owner))
      return component->ComponentState().Contains(csWriting);
  return false;
}

TcxEditAlignment* TcxCustomEditProperties::Alignment() {
  TcxEditAlignment& proxy = *FAlignmentProxy;
  TcxEditAlignment::TChangedEvent handler = proxy.OnChanged();
  proxy.SetOnChanged(nullptr);
  proxy.Assign(FStoredAlignment.get());
  const bool storedAndWritten = IsAlignmentStored() && IsOwnerBeingWritten();
  if (!storedAndWritten && !proxy.IsHorzAssigned()) proxy.ShowDefaultHorz(GetDefaultHorzAlignment());
  proxy.SetOnChanged(std::move(handler));
  return &proxy;
}

void TcxCustomEditProperties::SetAlignment(const TcxEditAlignment* value) {
  FStoredAlignment->Assign(value);
  Changed();
}

bool TcxCustomEditProperties::IsAlignmentStored() const {
  return FStoredAlignment->IsHorzStored() || FStoredAlignment->IsVertStored();
}

template <class V>
void TcxCustomEditProperties::Change(V& field, V value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TcxCustomEditProperties::SetAutoSelect(bool value) { Change(FAutoSelect, value); }

void TcxCustomEditProperties::SetBeepOnError(bool value) { Change(FBeepOnError, value); }

void TcxCustomEditProperties::SetButtonsViewMode(TcxEditButtonsViewMode value) { Change(FButtonsViewMode, value); }

void TcxCustomEditProperties::SetClearKey(TShortCut value) { Change(FClearKey, value); }

void TcxCustomEditProperties::SetClickKey(TShortCut value) { Change(FClickKey, value); }

void TcxCustomEditProperties::SetImmediatePost(bool value) { Change(FImmediatePost, value); }

void TcxCustomEditProperties::SetMaxValue(double value) {
  if (FAssignedValues->MaxValue() && FMaxValue == value) return;
  FMaxValue = value;
  BeginUpdate();
  FAssignedValues->SetMaxValue(true);
  Changed();
  EndUpdate(true);
}

void TcxCustomEditProperties::SetMinValue(double value) {
  if (FAssignedValues->MinValue() && FMinValue == value) return;
  FMinValue = value;
  BeginUpdate();
  FAssignedValues->SetMinValue(true);
  Changed();
  EndUpdate(true);
}

bool TcxCustomEditProperties::ReadOnly() const {
  if (FAssignedValues->ReadOnly()) return FReadOnly;
  return FDefaultValuesProvider && FDefaultValuesProvider->DefaultReadOnly();
}

void TcxCustomEditProperties::SetReadOnly(bool value) {
  if (FAssignedValues->ReadOnly() && FReadOnly == value) return;
  FReadOnly = value;
  BeginUpdate();
  FAssignedValues->SetReadOnly(true);
  Changed();
  EndUpdate(true);
}

void TcxCustomEditProperties::SetTransparent(bool value) { Change(FTransparent, value); }

void TcxCustomEditProperties::SetUseLeftAlignmentOnEditing(bool value) { Change(FUseLeftAlignmentOnEditing, value); }

bool TcxCustomEditProperties::IsUseLeftAlignmentOnEditingStored() const {
  return FUseLeftAlignmentOnEditing != DefaultUseLeftAlignmentOnEditing();
}

void TcxCustomEditProperties::SetUseMouseWheel(bool value) { Change(FUseMouseWheel, value); }

void TcxCustomEditProperties::SetValidateOnEnter(bool value) { Change(FValidateOnEnter, value); }

// Only an editor redraws at once when its provider changes.
void TcxCustomEditProperties::SetDefaultValuesProvider(IcxEditDefaultValuesProvider* value) {
  FDefaultValuesProvider = value;
  if (dynamic_cast<TControl*>(GetOwner())) Changed();
}

// A Horz shown but never set is not kept: it would outlive the provider
// that gave it.
void TcxCustomEditProperties::AlignmentChangedHandler(TcxEditAlignment* sender) {
  FStoredAlignment->Assign(sender);
  if (!sender->IsHorzAssigned()) FStoredAlignment->ShowDefaultHorz(taLeftJustify);
  Changed();
}

void TcxCustomEditProperties::ButtonsChangedHandler(TObject*) { Changed(); }

TAlignment TcxCustomEditProperties::GetDefaultHorzAlignment() const {
  if (FDefaultValuesProvider) return FDefaultValuesProvider->DefaultAlignment();
  return FAlignmentProxy->Horz();
}

double TcxCustomEditProperties::GetMaxValue() const {
  if (FAssignedValues->MaxValue()) return FMaxValue;
  return FDefaultValuesProvider ? FDefaultValuesProvider->DefaultMaxValue() : 0;
}

double TcxCustomEditProperties::GetMinValue() const {
  if (FAssignedValues->MinValue()) return FMinValue;
  return FDefaultValuesProvider ? FDefaultValuesProvider->DefaultMinValue() : 0;
}

void TcxCustomEditProperties::GetValidationErrorText(std::string& text) const {
  text = cxGetResourceString(cxMsgInvalidInputValue);
}

void TcxCustomEditProperties::ValidateDisplayValue(Variant& displayValue, std::string& errorText, bool& error,
                                                   TcxCustomEdit* edit) {
  if (!CanValidate()) return;
  if (errorText.empty()) GetValidationErrorText(errorText);
  if (!edit || !edit->HasOnValidate()) return;
  const Variant shown = displayValue;
  const TcxWeakSelf self(edit);
  edit->DoOnValidate(displayValue, errorText, error);
  if (!self.Alive() || !error) return;
  // A handler that refused the value without touching it leaves the text the user typed.
  if (shown.AsString() == displayValue.AsString()) displayValue = Variant(edit->GetInnerEditText());
}

bool TcxCustomEditProperties::QueryProviderOption(bool flag) const {
  const TcxEditProviderOptions options = GetProviderOptions();
  if (flag || !options.Contains(epoConsultProvider) || !FDefaultValuesProvider) return false;
  return FDefaultValuesProvider->IsFormatDefined(!options.Contains(epoEditTimeAnswer));
}

TcxContainerStyleClass TcxCustomEditProperties::GetStyleClass() const { return CreateEditStyle; }

TcxContainerViewInfoClass TcxCustomEditProperties::GetViewInfoClass() const { return CreateEditViewInfo; }

TcxCustomEditViewDataClass TcxCustomEditProperties::GetViewDataClass() const { return CreateEditViewData; }

TClass TcxCustomEditProperties::GetContainerClass() const { return TcxCustomEdit::StaticClass(); }

std::unique_ptr<TcxCustomEditViewData> TcxCustomEditProperties::CreateViewData(TcxCustomEditStyle& style, bool inplace,
                                                                               bool preview) {
  std::unique_ptr<TcxCustomEditViewData> data = GetViewDataClass()(*this, style, inplace);
  data->IsPreview = preview;
  return data;
}

bool TcxCustomEditProperties::IsDisplayValueEqual(const Variant& editValue1, const Variant& editValue2) {
  Variant displayValue1;
  Variant displayValue2;
  PrepareDisplayValue(editValue1, displayValue1, false);
  PrepareDisplayValue(editValue2, displayValue2, false);
  return displayValue1 == displayValue2;
}

TOwned<TcxCustomEditProperties> TcxCustomEditProperties::CreateInstanceOfSameClass() const {
  return CreatePersistentOf<TcxCustomEditProperties>(ClassType(), nullptr);
}

std::string TcxCustomEditProperties::GetDisplayText(const Variant&, bool) const { return {}; }

TcxEditCapabilities TcxCustomEditProperties::GetEditCapabilities() const {
  if (FButtons->Count() > 0) return {ecHasButtons};
  return {};
}

bool TcxCustomEditProperties::IsEditValueValid(Variant&, bool) const { return true; }

void TcxCustomEditProperties::PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool) {
  displayValue = editValue;
}

void TcxCustomEditProperties::RestoreDefaults() {
  FStoredAlignment->Reset();
  BeginUpdate();
  FAssignedValues->RestoreDefaults();
  EndUpdate(true);
}

TcxRegisteredClasses* GetRegisteredEditProperties() {
  if (!gRegisteredProperties && gAllProperties) {
    gRegisteredProperties = std::make_unique<TcxRegisteredClasses>();
    gRegisteredProperties->SetSorted(true);
  }
  return gRegisteredProperties.get();
}

void CreateEditPropertiesList() {
  if (!gAllProperties) gAllProperties = std::make_unique<std::vector<TcxCustomEditProperties*>>();
}

void FreeEditPropertiesList() { gAllProperties.reset(); }

void FreeRegisteredEditProperties() { gRegisteredProperties.reset(); }

int EditPropertiesListCount() { return gAllProperties ? static_cast<int>(gAllProperties->size()) : -1; }
