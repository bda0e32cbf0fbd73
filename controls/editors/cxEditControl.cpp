#include "controls/editors/cxEditControl.h"

#include "controls/editors/cxEditConsts.h"
#include "controls/editors/cxEditStyles.h"
#include "controls/foundation/cxVariants.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/Application.h"

namespace {

// Raises a counter for a scope and lowers it at the end unless the object
// holding it went meanwhile.
class TCounterScope {
 public:
  TCounterScope(const TcxWeakSelf& self, int& counter) : FSelf(self), FCounter(counter) { ++counter; }
  ~TCounterScope() {
    if (FSelf.Alive()) --FCounter;
  }
  TCounterScope(const TCounterScope&) = delete;
  TCounterScope& operator=(const TCounterScope&) = delete;

 private:
  const TcxWeakSelf& FSelf;
  int& FCounter;
};

// Sets a flag for a scope and restores it unless its object went meanwhile.
class TFlagScope {
 public:
  TFlagScope(const TcxWeakSelf& self, bool& flag, bool value) : FSelf(self), FFlag(flag), FSaved(flag) { flag = value; }
  ~TFlagScope() {
    if (FSelf.Alive()) FFlag = FSaved;
  }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  const TcxWeakSelf& FSelf;
  bool& FFlag;
  bool FSaved;
};

// Case-sensitive, in the user's locale.
bool TextsDiffer(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, 0, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                        static_cast<int>(b.size())) != CSTR_EQUAL;
}

}  // namespace

TcxEditBeepProc& cxEditBeep() {
  static TcxEditBeepProc beep = [] { MessageBeep(0); };
  return beep;
}

// ---- TcxEditDataBinding

TClass TcxEditDataBinding::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxEditDataBinding>("TcxEditDataBinding", TPersistent::StaticClass()).Build();
  return &metaClass;
}

TcxEditDataBinding::TcxEditDataBinding(TPersistent* owner) : FEdit(*static_cast<TcxCustomEdit*>(owner)) {}

TcxEditDataBinding::~TcxEditDataBinding() = default;

void TcxEditDataBinding::AfterConstruction() {
  TPersistent::AfterConstruction();
  FDefaultValuesProvider =
      CreatePersistentOf<TcxCustomEditDefaultValuesProvider>(GetDefaultValuesProviderClass(), this);
}

TPersistent* TcxEditDataBinding::GetOwner() const { return &FEdit; }

TClass TcxEditDataBinding::GetDefaultValuesProviderClass() const {
  return TcxCustomEditDefaultValuesProvider::StaticClass();
}

void TcxEditDataBinding::DefaultValuesChanged() {
  if (!FEdit.RepositoryItem()) {
    FEdit.Properties()->Changed();
    return;
  }
  TcxCustomEditProperties* properties = FEdit.ActiveProperties();
  properties->BeginUpdate();
  try {
    properties->Changed();
  } catch (...) {
    properties->EndUpdate(false);
    throw;
  }
  properties->EndUpdate(false);
  FEdit.PropertiesChanged(properties);
}

Variant TcxEditDataBinding::GetDisplayValue() const { return Variant(FEdit.GetInnerEditText()); }

bool TcxEditDataBinding::IsInEditingState() const { return FEdit.ModifiedAfterEnter(); }

void TcxEditDataBinding::GetStoredValue(Variant& value) const { value = FEdit.GetEditValue(); }

void TcxEditDataBinding::Reset() { FEdit.RevertEditedValue(); }

void TcxEditDataBinding::SetDisplayValue(const Variant& value) { FEdit.SetInternalDisplayValue(value); }

bool TcxEditDataBinding::SetModified() {
  FEdit.SetModifiedAfterEnter(true);
  return true;
}

bool TcxEditDataBinding::CanCheckEditorValue() const { return FEdit.IsDesigning() || !IsInEditingState(); }

void TcxEditDataBinding::UpdateDisplayValue() { FEdit.UpdateDisplayFromEditValue(); }

bool TcxEditDataBinding::CanModify() const { return FDefaultValuesProvider->CanSetEditMode(); }

bool TcxEditDataBinding::CanPost() const { return !FEdit.IsDesigning() && CanPostEditorValue(); }

// ---- TcxEditChangeEventsCatcher

void TcxEditChangeEventsCatcher::Lock(bool lock, bool invoke) {
  if (lock) {
    if (FLockCount == 0) FOnChangeEvent = FOnEditValueChangedEvent = false;
    ++FLockCount;
    return;
  }
  if (FLockCount > 0) --FLockCount;
  if (FLockCount > 0 || !invoke || FEdit.IsLoading() || FEdit.Destroying()) return;
  const TcxWeakSelf self(&FEdit);
  if (FOnChangeEvent && FEdit.HasOnChange()) FEdit.DoChange();
  if (self.Alive() && FOnEditValueChangedEvent && FEdit.HasOnEditValueChanged()) FEdit.DoEditValueChanged();
}

// ---- TcxCustomEditData

TcxCustomEditData::TcxCustomEditData(TcxCustomEdit* edit) : FEdit(edit), FLink(new TLink(*this)) {
  if (FEdit) FEdit->FreeNotification(FLink.get());
}

TcxCustomEditData::~TcxCustomEditData() {
  if (!FEdit) return;
  FEdit->RemoveFreeNotification(FLink.get());
  if (FEdit->EditData() == this) FEdit->SetEditData(nullptr);
}

void TcxCustomEditData::TLink::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FData.FEdit) FData.FEdit = nullptr;
}

// ---- TcxCustomEdit

TClass TcxCustomEdit::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomEdit>("TcxCustomEdit", TcxContainer::StaticClass())
          .Event("PropertiesEvents", &TcxCustomEdit::SetPropertiesEvents)
          .Component("RepositoryItem", &TcxCustomEdit::RepositoryItem, &TcxCustomEdit::SetRepositoryItem)
          .Event("OnFocusChanged", &TcxCustomEdit::SetOnFocusChanged)
          .Build();
  return &metaClass;
}

TcxCustomEdit::TcxCustomEdit(TComponent* owner, bool inplace, TClass propertiesClass)
    : TcxContainer(owner, CreateEditStyle),
      FInitialising(true),
      FIsInplace(inplace),
      FPropertiesClass(propertiesClass) {}

TcxCustomEdit::~TcxCustomEdit() {
  if (!FProperties) return;
  FProperties->SetOnPropertiesChanged(nullptr);
  if (!IsInplace()) FProperties->SetDefaultValuesProvider(nullptr);
}

void TcxCustomEdit::AfterConstruction() {
  TcxContainer::AfterConstruction();
  FChangeEventsCatcher = std::make_unique<TcxEditChangeEventsCatcher>(*this);
  FProperties = CreatePersistentOf<TcxCustomEditProperties>(GetPropertiesClass(), this);
  FDataBinding = CreatePersistentOf<TcxEditDataBinding>(GetDataBindingClass(), this);
  FAutoSize = !IsInplace();
  AttachOwnPropertiesCallback();
  FProperties->SetDefaultValuesProvider(FDataBinding->GetDefaultValuesProvider());
}

void TcxCustomEdit::BeforeDestruction() {
  if (FRepositoryItem) FRepositoryItem->RemoveListener(this);
  FRepositoryItem = nullptr;
  TcxContainer::BeforeDestruction();
}

void TcxCustomEdit::Loaded() {
  TcxContainer::Loaded();
  const TcxWeakSelf self(this);
  LockChangeEvents(true);
  {
    const TCounterScope setting(self, FEditValueSettingLock);
    FDataBinding->UpdateNotConnected();
    ShortRefreshContainer();
    if (!self.Alive()) return;
    if (!FRepositoryItem) AttachOwnPropertiesCallback();
    PropertiesChanged(ActiveProperties());
    if (self.Alive()) ContainerStyleChanged(GetStyle());
  }
  if (self.Alive()) LockChangeEvents(false, false);
}

void TcxCustomEdit::SetParent(TWinControl* parent) {
  TcxContainer::SetParent(parent);
  if (!FDataBinding) return;
  FDataBinding->UpdateNotConnected();
  if (!FInitialising || !parent) return;
  FInitialising = false;
  PropertiesChanged(FProperties.get());
  FDataBinding->UpdateDisplayValue();
}

TcxCustomEditProperties* TcxCustomEdit::ActiveProperties() const {
  return FRepositoryItem ? FRepositoryItem->Properties() : FProperties.get();
}

TClass TcxCustomEdit::GetDataBindingClass() const { return TcxEditDataBinding::StaticClass(); }

bool TcxCustomEdit::IsRepositoryItemAcceptable(TcxEditRepositoryItem* item) const {
  return !item || item->Properties()->ClassType()->InheritsFrom(GetPropertiesClass());
}

void TcxCustomEdit::SetRepositoryItem(TcxEditRepositoryItem* value) {
  if (value == FRepositoryItem) return;
  if (!IsRepositoryItemAcceptable(value)) throw EcxEditError(cxGetResourceString(cxMsgRepositoryItemNotAcceptable));
  BeforeRepositoryItemChange();
  if (FRepositoryItem) FRepositoryItem->RemoveListener(this);
  FRepositoryItem = value;
  if (FRepositoryItem) FRepositoryItem->AddListener(this);
  if (FRepositoryItem) {
    FProperties->SetDefaultValuesProvider(nullptr);
    if (!IsLoadingOrDestroying()) PropertiesChanged(FRepositoryItem->Properties());
    DetachOwnPropertiesCallback();
  } else {
    if (!IsLoadingOrDestroying()) AttachOwnPropertiesCallback();
    FProperties->SetDefaultValuesProvider(FDataBinding->GetDefaultValuesProvider());
  }
  AfterRepositoryItemChange();
}

void TcxCustomEdit::ItemRemoved(TcxEditRepositoryItem* sender) {
  if (sender == FRepositoryItem) SetRepositoryItem(nullptr);
}

void TcxCustomEdit::PropertiesChanged(TcxEditRepositoryItem* sender) {
  if (sender == FRepositoryItem) PropertiesChanged(sender->Properties());
}

// While a form is read the settings arrive one by one; Loaded reads them all at once.
void TcxCustomEdit::AttachOwnPropertiesCallback() {
  FProperties->SetOnPropertiesChanged([this](TObject* sender) {
    if (!IsLoading()) PropertiesChanged(sender);
  });
}

void TcxCustomEdit::DetachOwnPropertiesCallback() { FProperties->SetOnPropertiesChanged(nullptr); }

void TcxCustomEdit::PropertiesChanged(TObject*) {
  FValidated = false;
  if (FModifiedAfterEnter && IsEffectivelyReadOnly()) FModifiedAfterEnter = false;
  if (ActiveProperties()->Transparent()) SetTransparent(true);
  ShortRefreshContainer();
}

bool TcxCustomEdit::IsEffectivelyReadOnly() { return ActiveProperties()->ReadOnly() || !FDataBinding->CanModify(); }

void TcxCustomEdit::SetTransparent(bool value) {
  if (FTransparent == value) return;
  FTransparent = value;
  Invalidate();
}

void TcxCustomEdit::Notification(TComponent* component, TOperation operation) {
  TcxContainer::Notification(component, operation);
  if (operation == opRemove && component == FRepositoryItem) SetRepositoryItem(nullptr);
}

// ---- modified flags

void TcxCustomEdit::SetEditModified(bool value) {
  FEditModified = value;
  if (!value) FModifiedAfterEnter = false;
}

void TcxCustomEdit::SetModifiedAfterEnter(bool value) {
  FModifiedAfterEnter = value;
  if (!value) return;
  FValidated = false;
  FEditModified = true;
}

void TcxCustomEdit::SaveModified() { FModifiedStack.push_back({FEditModified, FModifiedAfterEnter}); }

void TcxCustomEdit::RestoreModified() {
  if (FModifiedStack.empty()) return;
  FEditModified = FModifiedStack.back().EditModified;
  FModifiedAfterEnter = FModifiedStack.back().ModifiedAfterEnter;
  FModifiedStack.pop_back();
}

// ---- values

Variant TcxCustomEdit::GetEditingValue() {
  if (Focused() && !FValidated && FModifiedAfterEnter) return GetDisplayValue();
  return GetEditValue();
}

void TcxCustomEdit::SetDisplayValue(const Variant& value) {
  const TcxWeakSelf self(this);
  SaveModified();
  InternalSetDisplayValue(value);
  if (self.Alive()) RestoreModified();
}

void TcxCustomEdit::PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool focused) {
  ActiveProperties()->PrepareDisplayValue(editValue, displayValue, focused);
}

void TcxCustomEdit::SetEditValue(const Variant& value) {
  if (FEditingLock > 0) return;
  const TcxWeakSelf self(this);
  const TCounterScope setting(self, FEditValueSettingLock);
  if (FUserAction && !DoEditing()) return;
  if (self.Alive()) InternalSetEditValue(value, true);
}

void TcxCustomEdit::SetEditValueInternally(const Variant& value) {
  if (FEditingLock > 0) return;
  const TcxWeakSelf self(this);
  if (FUserAction && !DoEditing()) return;
  if (self.Alive()) InternalSetEditValue(value, true);
}

void TcxCustomEdit::InternalSetEditValue(const Variant& value, bool /*validateEditValue*/) {
  const TcxWeakSelf self(this);
  if (FUserAction && !DoEditing()) return;
  if (!self.Alive()) return;
  const bool changed = ActiveProperties()->DetectsEditValueChangeOnSet() &&
                       (VarType(value) != VarType(FEditValue) || !VarEqualsExact(value, FEditValue));
  FEditValue = value;
  UpdateDisplayFromEditValue();
  if (!self.Alive()) return;
  if (FUserAction)
    SetModifiedAfterEnter(true);
  else
    SetEditModified(false);
  if (!changed) return;
  EditValueChangedStep();
  if (self.Alive() && !ActiveProperties()->IsChangeReportedByInnerEdit()) ChangeStep();
}

// ---- change events

bool TcxCustomEdit::HasOnChange() const { return FProperties->OnChange() || ActiveProperties()->OnChange(); }

bool TcxCustomEdit::HasOnEditValueChanged() const {
  return FProperties->OnEditValueChanged() || ActiveProperties()->OnEditValueChanged();
}

void TcxCustomEdit::DoChange() {
  const TcxWeakSelf self(this);
  const TNotifyEvent own = FProperties->OnChange();
  if (own) own(this);
  if (!self.Alive() || !FRepositoryItem) return;
  const TNotifyEvent active = ActiveProperties()->OnChange();
  if (active) active(this);
}

void TcxCustomEdit::DoEditValueChanged() {
  const TcxWeakSelf self(this);
  const TNotifyEvent own = FProperties->OnEditValueChanged();
  if (own) own(this);
  if (!self.Alive() || !FRepositoryItem) return;
  const TNotifyEvent active = ActiveProperties()->OnEditValueChanged();
  if (active) active(this);
}

void TcxCustomEdit::FireModifiedInPlace(void (TcxCustomEdit::*fire)()) {
  const TcxWeakSelf self(this);
  if (!IsInplace()) {
    (this->*fire)();
    return;
  }
  SaveModified();
  FEditModified = FModifiedAfterEnter = true;
  try {
    (this->*fire)();
  } catch (...) {
    if (self.Alive()) RestoreModified();
    throw;
  }
  if (self.Alive()) RestoreModified();
}

void TcxCustomEdit::ChangeStep() {
  if (IsLoadingOrDestroying()) return;
  const TcxWeakSelf self(this);
  if (HasOnChange()) {
    if (ChangeEventsLocked())
      FChangeEventsCatcher->SetOnChangeEvent(true);
    else
      FireModifiedInPlace(&TcxCustomEdit::DoChange);
  }
  if (!self.Alive()) return;
  const TcxCustomEditProperties* properties = ActiveProperties();
  if (!properties->IsChangeReportedByInnerEdit() && !properties->DetectsEditValueChangeOnSet()) EditValueChangedStep();
}

void TcxCustomEdit::EditValueChangedStep() {
  if (IsLoadingOrDestroying() || !HasOnEditValueChanged()) return;
  if (ChangeEventsLocked())
    FChangeEventsCatcher->SetOnEditValueChangedEvent(true);
  else
    FireModifiedInPlace(&TcxCustomEdit::DoEditValueChanged);
}

void TcxCustomEdit::LockChangeEvents(bool lock, bool invoke) { FChangeEventsCatcher->Lock(lock, invoke); }

void TcxCustomEdit::InnerEditChangeHandler(TObject*) {
  const TcxWeakSelf self(this);
  if (Focused())
    SetModifiedAfterEnter(true);
  else
    FDataBinding->DisplayValueChangedUnfocused();
  if (self.Alive()) ChangeStep();
}

// ---- editing

bool TcxCustomEdit::DoEditing() {
  if (!IsEditingAllowed()) return false;
  if (FDataBinding->IsInEditingState()) return true;
  const TcxWeakSelf self(this);
  const TFlagScope query(self, FInEditingQuery, true);
  bool answer = CanModify();
  const TcxEditEditingEvent handler = FOnEditing;
  if (IsInplace()) {
    const TCounterScope locked(self, FEditingLock);
    if (answer && handler) handler(this, answer);
    return self.Alive() && answer;
  }
  if (answer && handler) handler(this, answer);
  if (!self.Alive() || !answer) return false;
  const TCounterScope locked(self, FEditingLock);
  return FDataBinding->SetModified();
}

bool TcxCustomEdit::CanModify() {
  const TcxCustomEditProperties* properties = ActiveProperties();
  if (properties->IsReadOnlyStored()) return !properties->ReadOnly();
  const IcxEditDefaultValuesProvider* provider =
      IsInplace() ? properties->DefaultValuesProvider() : FDataBinding->GetDefaultValuesProvider();
  if (!provider) return IsInplace();
  return provider->IsDataAvailable() && provider->CanSetEditMode();
}

// ---- validation

bool TcxCustomEdit::HasOnValidate() const { return FProperties->OnValidate() || ActiveProperties()->OnValidate(); }

void TcxCustomEdit::DoOnValidate(Variant& displayValue, std::string& errorText, bool& error) {
  const TcxWeakSelf self(this);
  const TcxEditValidateEvent own = FProperties->OnValidate();
  if (own) own(this, displayValue, errorText, error);
  if (!self.Alive() || !FRepositoryItem) return;
  const TcxEditValidateEvent active = ActiveProperties()->OnValidate();
  if (active) active(this, displayValue, errorText, error);
}

bool TcxCustomEdit::ValidateEdit(bool raiseOnError) {
  if (!FModifiedAfterEnter || FValidated || FValidationLock > 0) return true;
  const TcxWeakSelf self(this);
  const TFlagScope validating(self, FValidating, true);
  Variant displayValue(GetInnerEditText());
  std::string errorText;
  bool error = false;
  TcxCustomEditProperties* properties = ActiveProperties();
  if (properties->CanValidate()) properties->ValidateDisplayValue(displayValue, errorText, error, this);
  if (!self.Alive()) return false;
  if (error) {
    try {
      if (raiseOnError) {
        HandleValidationError(errorText);
        Application().ProcessMessages();
      }
    } catch (...) {
      if (self.Alive()) RevalidateDisplayText(displayValue);
      throw;
    }
    if (self.Alive()) RevalidateDisplayText(displayValue);
    return false;
  }
  if (FUserAction && !DoEditing()) return true;
  if (!self.Alive()) return false;
  SetDisplayValue(displayValue);
  if (!self.Alive()) return true;
  if (!IsInplace() && !Focused()) FModifiedAfterEnter = false;
  FValidated = true;
  return true;
}

// The handler may have changed the text it was shown: the inner edit shows
// what it left.
void TcxCustomEdit::RevalidateDisplayText(const Variant& displayValue) {
  const std::string text = displayValue.AsString();
  if (!TextsDiffer(text, GetInnerEditText())) return;
  const TcxWeakSelf self(this);
  SetInternalDisplayValue(displayValue);
  if (!self.Alive()) return;
  if (Visible()) SelectAll();
  if (self.Alive() && !RevalidationKeepsDisplayText()) UpdateDisplayText();
}

void TcxCustomEdit::HandleValidationError(const std::string& errorText) {
  const TcxWeakSelf self(this);
  if (!CanFocus()) {
    FValidated = true;
  } else if (Visible()) {
    if (!Focused()) {
      const TFlagScope focusing(self, FFocusSetting, true);
      TWinControl* target = InnerControl() ? InnerControl() : this;
      target->SetFocus();
    }
    if (!self.Alive()) return;
    SelectAll();
    if (!self.Alive()) return;
  }
  if (ActiveProperties()->BeepOnError()) cxEditBeep()();
  if (!errorText.empty()) throw EcxEditValidationError(errorText);
}

// ---- posting

void TcxCustomEdit::PostEditValue(bool validateFirst) {
  const TcxWeakSelf self(this);
  if (validateFirst) {
    bool valid = false;
    {
      const TFlagScope noUserAction(self, FUserAction, false);
      valid = ValidateEdit(true);
    }
    if (!self.Alive() || !valid) return;
  }
  const bool inplace = IsInplace();
  BeginPostingValue();
  try {
    StoreEditValue();
  } catch (...) {
    if (self.Alive()) EndPostingValue();
    if (inplace) return;
    if (self.Alive()) HandleValidationError("");
    throw;
  }
  if (self.Alive()) EndPostingValue();
}

void TcxCustomEdit::StoreEditValue() {
  if (!IsInplace()) {
    FDataBinding->StoreValue(GetEditValue());
    return;
  }
  const TcxWeakSelf self(this);
  const TNotifyEvent handler = FOnPostEditValue;
  if (handler) handler(this);
  if (self.Alive()) SetEditModified(false);
}

bool TcxCustomEdit::ValidateOnExit() {
  if (IsLoading() || FFocusSetting) return true;
  const TcxWeakSelf self(this);
  SaveModified();
  LockChangeEvents(true);
  const auto unlockAndRestore = [&] {
    if (!self.Alive()) return;
    LockChangeEvents(false, true);
    if (self.Alive()) RestoreModified();
  };
  bool valid = false;
  try {
    valid = ValidateEdit(true);
    if (valid && self.Alive() && !IsInplace() && CanPostToBinding()) PostEditValue(false);
  } catch (...) {
    unlockAndRestore();
    throw;
  }
  if (!valid) {
    unlockAndRestore();
    return false;
  }
  if (!self.Alive()) return true;
  LockChangeEvents(false, true);
  if (self.Alive() && CanReloadFromBinding()) FDataBinding->UpdateDisplayValue();
  if (self.Alive()) UpdateDisplayText();
  if (self.Alive()) ShortRefreshContainer();
  if (!self.Alive()) return true;
  RestoreModified();
  FModifiedAfterEnter = false;
  return true;
}

void TcxCustomEdit::ReloadEditValue() {
  const TcxWeakSelf self(this);
  SaveModified();
  if (CanReloadFromBinding()) FDataBinding->UpdateDisplayValue();
  if (!self.Alive()) return;
  if (ActiveProperties()->CanRevertValue()) FPrevEditValue = GetEditValue();
  if (CanReloadFromBinding()) UpdateDisplayFromEditValue();
  if (!self.Alive()) return;
  RestoreModified();
  FModifiedAfterEnter = false;
}

void TcxCustomEdit::RevertEditedValue() {
  TcxCustomEditProperties* properties = ActiveProperties();
  if (!FModifiedAfterEnter || !properties->CanRevertValue()) return;
  const TcxWeakSelf self(this);
  LockChangeEvents(true);
  FModifiedAfterEnter = false;
  const IcxEditDefaultValuesProvider* provider = properties->DefaultValuesProvider();
  Variant value = FPrevEditValue;
  if (provider && provider->IsDataStorage()) FDataBinding->GetStoredValue(value);
  SetEditValueInternally(value);
  if (!self.Alive()) return;
  FEditModified = true;
  SelectAll();
  if (self.Alive() && ActiveProperties()->ImmediatePost() && CanPostToBinding()) PostEditValue(false);
  if (self.Alive()) LockChangeEvents(false, true);
}

// ---- clipboard

void TcxCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_COPY: CopyToClipboard(); return;
    case WM_CUT:
    case WM_PASTE: ClipboardMessage(message); return;
    default: TcxContainer::WndProc(message);
  }
}

void TcxCustomEdit::ClipboardMessage(TMessage& message) {
  const bool modifiable = !ActiveProperties()->ReadOnly() && FDataBinding->CanModify();
  if (message.Msg == WM_CUT && !modifiable) {
    CopyToClipboard();
    return;
  }
  if (!modifiable) return;
  const TcxWeakSelf self(this);
  const TFlagScope userAction(self, FUserAction, true);
  if (message.Msg == WM_CUT)
    CutToClipboard();
  else
    PasteFromClipboard();
}
