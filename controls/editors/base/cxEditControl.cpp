#include "controls/editors/base/cxEditControl.h"

#include <exception>

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/base/cxEditStyles.h"
#include "controls/foundation/base/cxVariants.h"
#include "controls/foundation/container/cxContainerRoutines.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/rtl/SysUtils.h"

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

// The window property that leads a hooked inner window to its editor.
constexpr const char* kInnerEditHookProperty = "TcxCustomEdit.InnerEditHook";

// Whether `ch` follows a single ampersand in `caption`, in either case.
bool IsAccelerator(char ch, const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return SameText(std::string(1, caption[i + 1]), std::string(1, ch));
    ++i;
  }
  return false;
}

bool IsNavigationKey(WORD key) { return key >= VK_PRIOR && key <= VK_DOWN; }

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
          .Boolean("AutoSize", &TcxCustomEdit::AutoSize, &TcxCustomEdit::SetAutoSize, true)
          .Build();
  return &metaClass;
}

TcxCustomEdit::TcxCustomEdit(TComponent* owner, bool inplace, TClass propertiesClass, TcxContainerStyleClass styleClass)
    : TcxContainer(owner, styleClass, CreateEditViewInfo),
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
  FInnerEdit = CreateInnerEdit();
  if (FInnerEdit) {
    SetupInnerEdit();
    SetInnerControl(FInnerEdit->GetControl());
  }
  AttachOwnPropertiesCallback();
  CreateClickTimer();
  FProperties->SetDefaultValuesProvider(FDataBinding->GetDefaultValuesProvider());
  SetViewInfoClass(ActiveProperties()->GetViewInfoClass());
}

void TcxCustomEdit::CreateClickTimer() {
  FClickTimer = CreateUnowned<TcxTimer>();
  FClickTimer->SetEnabled(false);
  FClickTimer->SetInterval(cxInputApi().GetDoubleClickTime());
  FClickTimer->SetOnTimer([this](TObject*) { FClickTimer->SetEnabled(false); });
}

void TcxCustomEdit::SetupInnerEdit() {
  FInnerEdit->GetControl()->SetParent(this);
  if (ActiveProperties()->IsChangeReportedByInnerEdit())
    FInnerEdit->SetOnChange([this](TObject* sender) { InnerEditChangeHandler(sender); });
}

void TcxCustomEdit::BeforeDestruction() {
  UnhookInnerEditWndProc();
  if (FInnerEdit) FInnerEdit->SetOnChange(nullptr);
  FInnerEdit = nullptr;
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
  if (FInnerEdit) FInnerEdit->SetReadOnly(IsEffectivelyReadOnly());
  if (ActiveProperties()->Transparent()) SetTransparent(true);
  SetViewInfoClass(ActiveProperties()->GetViewInfoClass());
  const TcxWeakSelf self(this);
  AdjustAutoSize();
  if (self.Alive()) ShortRefreshContainer();
}

bool TcxCustomEdit::IsEffectivelyReadOnly() { return ActiveProperties()->ReadOnly() || !FDataBinding->CanModify(); }

void TcxCustomEdit::SetTransparent(bool value) {
  if (FTransparent == value) return;
  FTransparent = value;
  const TcxWeakSelf self(this);
  ShortRefreshContainer();
  if (self.Alive()) Invalidate();
}

// An inner edit freed by itself leaves the editor without one.
void TcxCustomEdit::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && FInnerEdit && component == InnerControl()) FInnerEdit = nullptr;
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
  const TcxFlagScope query(self, FInEditingQuery, true);
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
  const TcxFlagScope validating(self, FValidating, true);
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
      const TcxFlagScope focusing(self, FFocusSetting, true);
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
      const TcxFlagScope noUserAction(self, FUserAction, false);
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

// The editor and its inner edit count as one control: moving between them
// is no entering or leaving.
bool TcxCustomEdit::EnterOrExit(bool enter) {
  const TcxWeakSelf self(this);
  if (enter) {
    if (FEntered) return true;
    FEntered = true;
    DoEnterEdit();
    return self.Alive();
  }
  const TForm* form = GetParentForm(*this);
  const TWinControl* active = form ? form->ActiveControl() : nullptr;
  if (!FEntered || active == this || (active && active == InnerControl())) return true;
  FEntered = false;
  DoExitEdit();
  return self.Alive();
}

void TcxCustomEdit::DoEnterEdit() {
  if (IsLoading()) return;
  const TcxWeakSelf self(this);
  if (!FFocusSetting) ReloadEditValue();
  if (self.Alive()) ShortRefreshContainer();
}

void TcxCustomEdit::DoExitEdit() {
  const TcxWeakSelf self(this);
  const TcxFlagScope noUserAction(self, FUserAction, false);
  ValidateOnExit();
}

// True also when the editor went: its inner edit went with it.
bool TcxCustomEdit::DoInnerControlMessage(TMessage& message) {
  const TcxWeakSelf self(this);
  switch (message.Msg) {
    case CM_ENTER:
    case CM_EXIT:
      if (!EnterOrExit(message.Msg == CM_ENTER)) return true;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusMoved(message.Msg == WM_SETFOCUS, FocusPartner(message));
      if (!self.Alive()) return true;
      break;
    default: break;
  }
  return TcxContainer::DoInnerControlMessage(message);
}

void TcxCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_ENTER:
    case CM_EXIT:
      if (!EnterOrExit(message.Msg == CM_ENTER)) return;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return OwnFocusMessage(message);
    case WM_NCCALCSIZE:
      // Sizing itself the editor keeps its client area as it is.
      if (FAutoSizing) {
        message.Result = 0;
        return;
      }
      break;
    case WM_LBUTTONDBLCLK:
      // Over a button it is one more press of the button.
      if (EditViewInfo().IsPointOverButton(MessagePoint(message))) message.Msg = WM_LBUTTONDOWN;
      break;
    case CM_DIALOGCHAR:
      if (ClickButtonByAccelerator(static_cast<char>(KeyCode(message)))) {
        message.Result = 1;
        return;
      }
      break;
    case WM_COPY: CopyToClipboard(); return;
    case WM_CUT:
    case WM_PASTE: ClipboardMessage(message); return;
    default: break;
  }
  TcxContainer::WndProc(message);
}

void TcxCustomEdit::ClipboardMessage(TMessage& message) {
  const bool modifiable = !ActiveProperties()->ReadOnly() && FDataBinding->CanModify();
  if (message.Msg == WM_CUT && !modifiable) {
    CopyToClipboard();
    return;
  }
  if (!modifiable) return;
  const TcxWeakSelf self(this);
  const TcxFlagScope userAction(self, FUserAction, true);
  if (message.Msg == WM_CUT)
    CutToClipboard();
  else
    PasteFromClipboard();
}

// ---- the looks

std::unique_ptr<TcxCustomEditViewData> TcxCustomEdit::CreateViewData() {
  auto& style = static_cast<TcxCustomEditStyle&>(*GetActiveStyle());
  std::unique_ptr<TcxCustomEditViewData> data = ActiveProperties()->CreateViewData(style, IsInplace());
  data->Editor = this;
  data->Transparent = IsTransparentActive();
  if (HandleAllocated()) data->WindowHandle = Handle();
  InitializeViewData(*data);
  return data;
}

// Asks only for a window that exists: Handle() would make one.
HWND TcxCustomEdit::ViewHandle() const {
  return HandleAllocated() ? const_cast<TcxCustomEdit*>(this)->Handle() : nullptr;
}

bool TcxCustomEdit::HasMouseCapture() const { return HandleAllocated() && GetCapture() == ViewHandle(); }

SIZE TcxCustomEdit::MinSize() const {
  auto& constraints = const_cast<TcxCustomEdit*>(this)->Constraints();
  return SIZE{constraints.MinWidth(), constraints.MinHeight()};
}

SIZE TcxCustomEdit::MaxSize() const {
  auto& constraints = const_cast<TcxCustomEdit*>(this)->Constraints();
  return SIZE{constraints.MaxWidth(), constraints.MaxHeight()};
}

// What a transparent editor leaves unpainted shows its parent's pixels.
void TcxCustomEdit::Paint() {
  if (IsTransparentActive()) DrawParentBackground(*this, Canvas(), GetControlRect(*this));
  TcxContainer::Paint();
}

// The container settles the state and the style; the view data lays out
// the border, the buttons and the inner edit from them.
void TcxCustomEdit::CalculateViewInfo(POINT point, bool isMouseEvent) {
  TcxContainer::CalculateViewInfo(point, isMouseEvent);
  TcxCustomEditViewInfo& viewInfo = EditViewInfo();
  const std::unique_ptr<TcxCustomEditViewData> data = CreateViewData();
  data->Enabled = Enabled();
  data->Focused = Focused();
  data->Hot = viewInfo.ContainerState.Contains(csHot);
  data->Calculate(cxScreenCanvas(), GetControlRect(*this), point, FRefreshButton, FRefreshShift, viewInfo,
                  isMouseEvent);
}

bool TcxCustomEdit::RefreshContainer(POINT point, TMouseButton button, TShiftState shift, bool fromMouseLeave) {
  FRefreshButton = button;
  FRefreshShift = shift;
  TcxCustomEditViewInfo previous;
  previous.Assign(&EditViewInfo());
  const TcxWeakSelf self(this);
  FPreviousViewInfo = &previous;
  bool result = false;
  try {
    result = TcxContainer::RefreshContainer(point, button, shift, fromMouseLeave);
  } catch (...) {
    if (self.Alive()) FPreviousViewInfo = nullptr;
    throw;
  }
  if (!self.Alive()) return result;
  FPreviousViewInfo = nullptr;
  ProcessButtonStateChanges(previous);
  return result;
}

// The pointer changes the states of the buttons and the border alone: only
// what changed repaints. Any other refresh repaints the frame, and the
// buttons, which lie inside the content the container leaves to an inner
// window.
void TcxCustomEdit::InvalidateContainer() {
  if (!HandleAllocated()) return;
  if (FPreviousViewInfo && FMouseRefresh) {
    EditViewInfo().Repaint(FPreviousViewInfo, POINT{0, 0});
    return;
  }
  TcxContainer::InvalidateContainer();
  if (!InnerControl()) return;
  for (const auto& button : EditViewInfo().ButtonsInfo) ::InvalidateRect(Handle(), &button->Bounds, FALSE);
}

TRect TcxCustomEdit::GetBorderExtent() {
  const TcxCustomEditViewInfo& viewInfo = EditViewInfo();
  return TRect{viewInfo.ContentRect.left - viewInfo.Bounds.left, viewInfo.ContentRect.top - viewInfo.Bounds.top,
               viewInfo.Bounds.right - viewInfo.ContentRect.right,
               viewInfo.Bounds.bottom - viewInfo.ContentRect.bottom};
}

TcxContainerStyleValues TcxCustomEdit::GetIgnoredStyleValues() const {
  return {svButtonStyle, svButtonTransparency, svPopupBorderStyle, svGradientButtons, svGradient, svGradientDirection};
}

void TcxCustomEdit::AdjustInnerEditPosition() {
  if (!FInnerEdit) return;
  const TRect rect = EditViewInfo().InnerEditRect;
  TWinControl* control = FInnerEdit->GetControl();
  const TRect current = control->BoundsRect();
  if (!EqualRect(&current, &rect))
    control->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// ---- auto size

void TcxCustomEdit::SetAutoSize(bool value) {
  if (value == FAutoSize || IsInplace()) return;
  FAutoSize = value;
  if (!value) return;
  if (Parent()) HandleNeeded();
  const TcxWeakSelf self(this);
  AdjustAutoSize();
  if (self.Alive()) ShortRefreshContainer();
}

// The height follows the font and the buttons unless an alignment
// stretches it; the width follows the content only for a kind that may.
void TcxCustomEdit::AdjustAutoSize() {
  if (!IsAutoSizeActive() || FAutoSizing || IsLoading() || Destroying()) return;
  const TcxWeakSelf self(this);
  const TcxFlagScope sizing(self, FAutoSizing, true);
  const std::unique_ptr<TcxCustomEditViewData> data = CreateViewData();
  TcxCanvas& canvas = cxScreenCanvas();
  if (data->Style.Font()) canvas.SetFont(*data->Style.Font());
  const bool autoWidth = CanAutoWidth() && (Align() == alNone || Align() == alLeft || Align() == alRight);
  const SIZE size = data->GetEditSize(canvas, autoWidth ? canvas.TextWidth(data->GetDisplayText()) : 0);
  const bool autoHeight = Align() != alLeft && Align() != alRight && Align() != alClient;
  const int width = autoWidth ? size.cx : Width();
  const int height = autoHeight ? size.cy : Height();
  if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
  if (self.Alive()) AdjustInnerEditPosition();
}

void TcxCustomEdit::FontChanged() {
  const TcxWeakSelf self(this);
  TcxContainer::FontChanged();
  if (self.Alive()) AdjustAutoSize();
}

// ---- buttons

bool TcxCustomEdit::HasDefaultButton() const {
  const TcxEditButtons& buttons = ActiveProperties()->Buttons();
  for (int i = 0; i < buttons.Count(); ++i)
    if (buttons.Items(i).Default()) return true;
  return false;
}

void TcxCustomEdit::ClickDefaultButton() {
  const TcxEditButtons& buttons = ActiveProperties()->Buttons();
  for (int i = 0; i < buttons.Count(); ++i)
    if (buttons.Items(i).Default()) return DoButtonClick(i);
}

void TcxCustomEdit::DoButtonClick(int buttonIndex) {
  const TcxWeakSelf self(this);
  const TcxEditButtonClickEvent own = FProperties->OnButtonClick();
  if (own) own(this, buttonIndex);
  if (!self.Alive() || !FRepositoryItem) return;
  const TcxEditButtonClickEvent active = ActiveProperties()->OnButtonClick();
  if (active) active(this, buttonIndex);
}

// A button goes down when it turns pressed and up when it stops being so;
// let go over it, it is clicked.
void TcxCustomEdit::ProcessButtonStateChanges(const TcxCustomEditViewInfo& previous) {
  const TcxCustomEditViewInfo& now = EditViewInfo();
  const int pressed = now.PressedButton;
  const int wasPressed = previous.PressedButton;
  if (pressed == wasPressed) return;
  const int hot = now.HotButton;
  const TcxWeakSelf self(this);
  if (wasPressed >= 0) {
    FPressedButton = -1;
    const int index = VisibleButtonIndex(wasPressed);
    DoButtonUp(index);
    if (self.Alive() && hot == wasPressed) DoButtonClick(index);
  }
  if (self.Alive() && pressed >= 0) DoButtonDown(VisibleButtonIndex(pressed));
}

bool TcxCustomEdit::ClickButtonByAccelerator(char ch) {
  const TcxEditButtons& buttons = ActiveProperties()->Buttons();
  for (int i = 0; i < buttons.Count(); ++i) {
    const TcxEditButton& button = buttons.Items(i);
    if (!button.Visible() || !IsAccelerator(ch, button.Caption())) continue;
    DoButtonClick(i);
    return true;
  }
  return false;
}

int TcxCustomEdit::VisibleButtonIndex(int visibleIndex) const {
  const TcxEditButtons& buttons = ActiveProperties()->Buttons();
  for (int i = 0, visible = 0; i < buttons.Count(); ++i) {
    if (!buttons.Items(i).Visible()) continue;
    if (visible++ == visibleIndex) return i;
  }
  return -1;
}

// ---- the mouse

// A press soon after a mouse activation, away from the buttons, completes
// the double click the activating press began.
void TcxCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const POINT point{x, y};
  bool doubleClick = false;
  if (button == mbLeft && FClickTimer->Enabled()) {
    FClickTimer->SetEnabled(false);
    doubleClick = !EditViewInfo().IsPointOverButton(point);
  }
  const TcxWeakSelf self(this);
  {
    const TcxFlagScope fromMouse(self, FMouseRefresh, true);
    TcxContainer::MouseDown(button, shift, x, y);
  }
  if (!self.Alive()) return;
  const int index = EditViewInfo().GetButtonIndexAt(point);
  if (button == mbLeft && HasMouseCapture() && index >= 0 &&
      EditViewInfo().ButtonsInfo[index]->Data.State == ebstPressed)
    FPressedButton = index;
  if (doubleClick) DblClick();
}

// For the left button the inner edit asked for the focus before it passes
// its press on: another editor that refused to let the focus go has said so
// once, and the press ends there, as the editor's own press ends when it gets
// no focus. The native edit leaves the other buttons' focus to the editor.
void TcxCustomEdit::InnerEditMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && !shift.Contains(ssDouble) && !IsFocused() && !AllowsMouseDownWithoutFocus()) return;
  MouseDown(button, shift, x, y);
}

void TcxCustomEdit::MouseMove(TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  const TcxFlagScope fromMouse(self, FMouseRefresh, true);
  TcxContainer::MouseMove(shift, x, y);
}

void TcxCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  const TcxFlagScope fromMouse(self, FMouseRefresh, true);
  TcxContainer::MouseUp(button, shift, x, y);
}

bool TcxCustomEdit::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) {
  if (IsInplace() && !ActiveProperties()->UseMouseWheel() && !shift.Contains(ssCtrl)) return false;
  return TcxContainer::DoMouseWheel(shift, wheelDelta, mousePos);
}

void TcxCustomEdit::Click() {
  if (IsLoading() || FEditValueSettingLock > 0 || IsDesigning()) return;
  TcxContainer::Click();
}

void TcxCustomEdit::DefaultHandler(TMessage& message) {
  if (message.Msg == WM_CONTEXTMENU && IsInplace()) return;
  TcxContainer::DefaultHandler(message);
}

// The editor's focus is its window's or its inner window's: passing
// between the two changes nothing.
void TcxCustomEdit::FocusMoved(bool gaining, HWND partner) {
  const bool focused = gaining || IsChildWindow(partner);
  if (focused == FEffectiveFocus) return;
  FEffectiveFocus = focused;
  FFocusLostTo = focused ? nullptr : partner;
  FocusChanged();
}

void TcxCustomEdit::OwnFocusMessage(TMessage& message) {
  const TcxWeakSelf self(this);
  {
    const TcxFlagScope inMessage(self, FInFocusMessage, true);
    TcxContainer::WndProc(message);
  }
  if (self.Alive()) FocusMoved(message.Msg == WM_SETFOCUS, FocusPartner(message));
}

void TcxCustomEdit::FocusChanged() {
  if (FInFocusMessage) return;
  const TcxWeakSelf self(this);
  TcxContainer::FocusChanged();
  if (self.Alive()) UpdateDisplayText();
  if (self.Alive() && !FEffectiveFocus && ValidatesOnFocusLoss()) ValidateEdit(false);
}

// No form control takes the focus to validate the value on the way out
// when the editor is its form's only control, nor when the form closes.
bool TcxCustomEdit::ValidatesOnFocusLoss() {
  TForm* form = GetParentForm(*this);
  if (!form) return false;
  const TModalResult result = form->ModalResult();
  if (result != mrNone && result != mrCancel) return true;
  if (form->ControlCount() != 1 || !FFocusLostTo || !form->HandleAllocated()) return false;
  return GetAncestor(FFocusLostTo, GA_ROOT) == GetAncestor(form->Handle(), GA_ROOT);
}

// ---- the keyboard

void TcxCustomEdit::KeyDown(WORD& key, TShiftState shift) {
  FEscapePressed = false;
  const TcxWeakSelf self(this);
  const TcxFlagScope fired(self, FKeyDownFired, false);
  if (!IsClickKey(key, shift)) {
    FKeyDownFired = true;
    TcxContainer::KeyDown(key, shift);
    if (!self.Alive()) return;
  }
  if (key == 0) return;
  DoEditKeyDown(key, shift);
  if (self.Alive() && key != 0 && FiresKeyDownAfterEditKeyDown()) TcxContainer::KeyDown(key, shift);
}

// OnKeyDown runs once a key: the key handling may have run it already.
void TcxCustomEdit::FireKeyDown(WORD& key, TShiftState shift) {
  if (FKeyDownFired) return;
  FKeyDownFired = true;
  TWinControl::KeyDown(key, shift);
}

void TcxCustomEdit::DoEditKeyDown(WORD& key, TShiftState shift) {
  if (key == 0) return;
  const TShortCut shortCut = ShortCut(key, shift);
  TcxCustomEditProperties* properties = ActiveProperties();
  if (shortCut == properties->ClearKey()) {
    key = 0;
    return ClearByKey();
  }
  if (IsClickKey(key, shift)) {
    key = 0;
    RemovePendingChars();
    return ClickDefaultButton();
  }
  const TcxWeakSelf self(this);
  if (!CanProcessKeyDown(key, shift)) {
    if (self.Alive()) FireKeyDown(key, shift);
    key = 0;
    return;
  }
  if (!self.Alive()) return;
  switch (key) {
    case VK_TAB:
      if (!Focused() || shift.Contains(ssAlt) || shift.Contains(ssCtrl) || ActiveProperties()->ProcessesTabKey())
        return;
      ProcessTabKey();
      if (self.Alive()) FireKeyDown(key, shift);
      if (!self.Alive() || key == 0) return;
      key = 0;
      return MoveFocusByTab(shift);
    case VK_RETURN:
      if (!properties->ValidateOnEnter()) return;
      key = 0;
      return ValidateByEnter();
    case VK_ESCAPE:
      if (RevertByEscape()) key = 0;
      return;
    default:
      if (HandlesNavigationKeys() || !IsNavigationKey(key)) return;
      FireKeyDown(key, shift);
      key = 0;
  }
}

void TcxCustomEdit::ClearByKey() {
  const TcxWeakSelf self(this);
  TChangeEventsLock lock(self, *this);
  {
    const TcxFlagScope userAction(self, FUserAction, true);
    SetEditValueInternally(GetEmptyEditValue());
    if (self.Alive()) FValidated = true;
  }
  lock.Unlock();
}

// A character the key left in the queue would type into the editor.
void TcxCustomEdit::RemovePendingChars() {
  if (HandleAllocated()) RemovePendingMessages(Handle(), WM_CHAR, WM_CHAR, true);
  if (!InnerControl() || !InnerControl()->HandleAllocated()) return;
  RemovePendingMessages(InnerControl()->Handle(), WM_CHAR, WM_CHAR, true);
}

void TcxCustomEdit::MoveFocusByTab(TShiftState shift) {
  TForm* form = GetParentForm(*this);
  if (!form || !form->HandleAllocated()) return;
  const TcxWeakSelf self(this);
  if (HWND next = GetNextDlgTabItem(form->Handle(), GetFocus(), shift.Contains(ssShift))) ::SetFocus(next);
  if (!self.Alive() || !FInnerEdit || !FInnerEdit->GetControl()->HandleAllocated()) return;
  if (GetFocus() == FInnerEdit->GetControl()->Handle()) FInnerEdit->SafelySetFocus();
}

void TcxCustomEdit::ValidateByEnter() {
  const TcxWeakSelf self(this);
  TChangeEventsLock lock(self, *this);
  if (ValidateEdit(true) && self.Alive() && FDataBinding->CanPost()) PostEditValue(false);
  lock.Unlock();
}

bool TcxCustomEdit::RevertByEscape() {
  if (!FModifiedAfterEnter) return false;
  TcxCustomEditProperties* properties = ActiveProperties();
  const IcxEditDefaultValuesProvider* provider = FDataBinding->GetDefaultValuesProvider();
  if (!(provider && provider->IsDataStorage()) && !properties->CanRevertValue()) return false;
  const TcxWeakSelf self(this);
  TChangeEventsLock lock(self, *this);
  FDataBinding->Reset();
  if (!self.Alive()) return true;
  FEditModified = true;
  lock.Unlock();
  if (self.Alive()) FEscapePressed = true;
  return true;
}

bool TcxCustomEdit::IsClickKey(WORD key, TShiftState shift) {
  return HasDefaultButton() && ShortCut(key, shift) == ActiveProperties()->ClickKey();
}

bool TcxCustomEdit::CanProcessKeyDown(WORD key, TShiftState shift) {
  return FDataBinding->IsInEditingState() || !IsEditingKeyDown(key, shift) || DoEditing();
}

// The Escape that reverted the value leaves a character behind that the
// editor must not see.
void TcxCustomEdit::KeyPress(char& key) {
  if (key == VK_ESCAPE && FEscapePressed) {
    FEscapePressed = false;
    key = 0;
    return;
  }
  const TcxWeakSelf self(this);
  TcxContainer::KeyPress(key);
  if (self.Alive() && key != 0) DoEditKeyPress(key);
}

void TcxCustomEdit::KeyUp(WORD& key, TShiftState shift) {
  const TcxWeakSelf self(this);
  TcxContainer::KeyUp(key, shift);
  if (self.Alive() && key != 0) DoEditKeyUp(key, shift);
}

void TcxCustomEdit::DoEditKeyPress(char& key) { ValidateKeyPress(key); }

bool TcxCustomEdit::IsValidChar(char key) {
  const IcxEditDefaultValuesProvider* provider = ActiveProperties()->DefaultValuesProvider();
  return !provider || provider->IsOnlyAnyCharAccepted() || provider->IsValidChar(key);
}

// A refused character beeps whatever BeepOnError says: the user typed
// something that cannot be typed here.
bool TcxCustomEdit::ValidateKeyPress(char& key) {
  if (IsTextChar(key) && !IsValidChar(key)) {
    key = 0;
    cxEditBeep()();
    return false;
  }
  if (FDataBinding->IsInEditingState() || !IsEditingChar(key)) return true;
  if (!DoEditing()) key = 0;
  return key != 0;
}

// ---- in-place activation

void TcxCustomEdit::Activate(TcxCustomEditData*& editData) {
  if (!editData) editData = CreateEditData();
  FEditData = editData;
  const TcxWeakSelf self(this);
  if (editData && editData->Fresh()) {
    InitializeEditData();
    if (!self.Alive()) return;
    editData->SetFresh(false);
  }
  SetVisible(true);
  if (!self.Alive()) return;
  if (HandleAllocated() && CanFocus()) {
    SetFocus();
    if (self.Alive() && ActiveProperties()->AutoSelect()) SelectAll();
    if (!self.Alive()) return;
  }
  UpdateDisplayFromEditValue();
  if (!self.Alive()) return;
  SetEditModified(false);
  FActivated = true;
}

// The character that started the editing types into the window that takes
// text: the inner edit's when there is one.
void TcxCustomEdit::ActivateByKey(char key, TcxCustomEditData*& editData) {
  const TcxWeakSelf self(this);
  HookInnerEditWndProc();
  Activate(editData);
  if (self.Alive() && CanSendActivationChar(key)) {
    TWinControl* target = InnerControl() && InnerControl()->HandleAllocated() ? InnerControl() : this;
    SendMessageA(target->Handle(), WM_CHAR, static_cast<unsigned char>(key), 0);
  }
  if (self.Alive()) UnhookInnerEditWndProc();
}

void TcxCustomEdit::ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& editData) {
  const TcxWeakSelf self(this);
  Activate(editData);
  if (!self.Alive() || !HandleAllocated()) return;
  POINT point{x, y};
  if (Parent()) point = ScreenToClient(Parent()->ClientToScreen(point));
  if (shift.Contains(ssLeft)) {
    SendMessageA(Handle(), WM_LBUTTONDOWN, ShiftStateToKeys(shift), PointToLParam(point));
    if (!self.Alive()) return;
    if (HasMouseCapture() && (cxInputApi().GetKeyState(VK_LBUTTON) & 0x8000) == 0) ReleaseCapture();
  } else {
    SendMessageA(Handle(), WM_LBUTTONUP, ShiftStateToKeys(shift), PointToLParam(point));
    if (!self.Alive()) return;
  }
  FClickTimer->SetEnabled(true);
}

bool TcxCustomEdit::Deactivate() {
  FClickTimer->SetEnabled(false);
  FUserAction = false;
  const TcxWeakSelf self(this);
  const bool valid = ValidateEdit(true);
  if (!self.Alive() || !valid) return valid;
  UpdateDisplayFromEditValue();
  if (self.Alive()) FValidated = true;
  return valid;
}

bool TcxCustomEdit::IsChildWindow(HWND window) const {
  return HandleAllocated() && window && IsChildOrSelf(ViewHandle(), window);
}

// ---- the inner window's hook

LRESULT CALLBACK TcxCustomEdit::InnerEditHookProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* edit = static_cast<TcxCustomEdit*>(GetPropA(window, kInnerEditHookProperty));
  TMessage message{msg, wParam, lParam, 0};
  edit->InnerEditWndProc(message);
  return message.Result;
}

void TcxCustomEdit::InnerEditWndProc(TMessage& message) {
  message.Result = CallWindowProcA(FSavedInnerWndProc, FInnerEdit->GetControl()->Handle(), message.Msg, message.WParam,
                                   message.LParam);
}

void TcxCustomEdit::HookInnerEditWndProc() {
  if (!FInnerEdit || FSavedInnerWndProc) return;
  const HWND window = FInnerEdit->GetControl()->Handle();
  SetPropA(window, kInnerEditHookProperty, this);
  FSavedInnerWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TcxCustomEdit::InnerEditHookProc)));
}

void TcxCustomEdit::UnhookInnerEditWndProc() {
  if (!FSavedInnerWndProc) return;
  if (FInnerEdit && FInnerEdit->GetControl()->HandleAllocated()) {
    const HWND window = FInnerEdit->GetControl()->Handle();
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FSavedInnerWndProc));
    RemovePropA(window, kInnerEditHookProperty);
  }
  FSavedInnerWndProc = nullptr;
}
