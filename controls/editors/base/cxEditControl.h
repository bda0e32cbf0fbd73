#pragma once
// The control every editor derives from. It holds one value, the edit value,
// shows it as a display value, lets the user change the display value,
// validates it, turns it back into an edit value and posts it to its data
// binding. Its settings are the active properties: the repository item's
// when one is set, else its own.
//
// Handlers run user code that may free the editor: every step after one
// checks the control's weak link and stops once the editor is gone.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/editors/base/cxEditErrors.h"
#include "controls/editors/base/cxEditProperties.h"
#include "controls/editors/base/cxEditRepository.h"
#include "controls/editors/base/cxEditViewInfo.h"
#include "controls/foundation/container/cxContainerControl.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/Variants.h"

class TcxCustomEdit;

// The child window that carries a text editor's text. It belongs to the
// editor (its owner) and hands its keys to the editor's InnerEditKeyDown,
// InnerEditKeyPress and InnerEditKeyUp before it handles them itself.
class IcxCustomInnerEdit : public IcxContainerInnerControl {
 public:
  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool value) = 0;
  // Reports each change of the text; nullptr stops the reports.
  virtual void SetOnChange(TNotifyEvent value) = 0;
  // Makes the focus its window holds known again after it was moved by hand.
  virtual void SafelySetFocus() = 0;
};

// Through the binding an editor reads and stores its value and obtains the
// default-values provider of its settings. The base binding stores nothing.
class TcxEditDataBinding : public TPersistent {
 public:
  // `owner` is the editor.
  explicit TcxEditDataBinding(TPersistent* owner);
  ~TcxEditDataBinding() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void AfterConstruction() override;
  TPersistent* GetOwner() const override;
  TcxCustomEdit& Edit() const { return FEdit; }

  virtual void DefaultValuesChanged();
  virtual Variant GetDisplayValue() const;
  virtual bool IsInEditingState() const;
  virtual void GetStoredValue(Variant& value) const;
  virtual void Reset();
  virtual void SetDisplayValue(const Variant& value);
  virtual bool SetModified();
  virtual void StoreValue(const Variant&) {}
  virtual bool CanCheckEditorValue() const;
  virtual bool CanPostEditorValue() const { return IsInEditingState(); }
  virtual TClass GetDefaultValuesProviderClass() const;
  virtual void DisplayValueChangedUnfocused() {}
  virtual void UpdateDisplayValue();
  virtual void UpdateNotConnected() {}

  bool CanModify() const;
  IcxEditDefaultValuesProvider* GetDefaultValuesProvider() const { return FDefaultValuesProvider.get(); }
  // Posting is for a running program and a binding in its editing state.
  bool CanPost() const;

 private:
  TcxCustomEdit& FEdit;
  TOwned<TcxCustomEditDefaultValuesProvider> FDefaultValuesProvider;
};

// Holds change events back while the editor is inside a compound operation
// and fires each kind once when the outermost lock ends.
class TcxEditChangeEventsCatcher {
 public:
  explicit TcxEditChangeEventsCatcher(TcxCustomEdit& edit) : FEdit(edit) {}

  void Lock(bool lock, bool invoke);
  bool IsLocked() const { return FLockCount > 0; }
  bool OnChangeEvent() const { return FOnChangeEvent; }
  void SetOnChangeEvent(bool value) { FOnChangeEvent = value; }
  bool OnEditValueChangedEvent() const { return FOnEditValueChangedEvent; }
  void SetOnEditValueChangedEvent(bool value) { FOnEditValueChangedEvent = value; }

 private:
  TcxCustomEdit& FEdit;
  int FLockCount = 0;
  bool FOnChangeEvent = false;
  bool FOnEditValueChangedEvent = false;
};

// The per-activation state of an in-place editor. It lets go of the editor
// when the editor goes first.
class TcxCustomEditData : public TObject {
 public:
  explicit TcxCustomEditData(TcxCustomEdit* edit);
  ~TcxCustomEditData() override;

  TcxCustomEdit* Edit() const { return FEdit; }
  bool Fresh() const { return FFresh; }
  void SetFresh(bool value) { FFresh = value; }

 private:
  // Hears of the editor's destruction.
  class TLink : public TComponent {
   public:
    explicit TLink(TcxCustomEditData& data) : TComponent(nullptr), FData(data) {}

   protected:
    void Notification(TComponent* component, TOperation operation) override;

   private:
    TcxCustomEditData& FData;
  };

  TcxCustomEdit* FEdit;
  bool FFresh = true;
  TOwned<TLink> FLink;
};

class EcxEditValidationError : public EcxEditError {
 public:
  using EcxEditError::EcxEditError;
};

using TcxEditEditingEvent = std::function<void(TObject* sender, bool& canEdit)>;

// Where an editor rings when it refuses input; tests count the rings.
using TcxEditBeepProc = std::function<void()>;
TcxEditBeepProc& cxEditBeep();

class TcxCustomEdit : public TcxContainer, public IcxEditViewOwner, private IcxEditRepositoryItemListener {
 public:
  // `styleClass` makes the styles of an editor kind whose looks need more
  // than the edit style.
  explicit TcxCustomEdit(TComponent* owner, bool inplace = false,
                         TClass propertiesClass = TcxCustomEditProperties::StaticClass(),
                         TcxContainerStyleClass styleClass = CreateEditStyle);
  ~TcxCustomEdit() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  // The own properties, the binding and the catcher are made here, where the
  // descendant's classes are known.
  void AfterConstruction() override;
  void BeforeDestruction() override;
  void Loaded() override;
  void SetParent(TWinControl* parent) override;

  // An in-place editor of class T, made as CreateComponent makes a form control.
  template <class T>
  static T* CreateInplace(TComponent* owner) {
    auto* edit = new T(owner, true);
    edit->AfterConstruction();
    return edit;
  }

  TcxCustomEditProperties* ActiveProperties() const;
  TcxCustomEditProperties* Properties() const { return FProperties.get(); }
  TcxEditDataBinding* DataBinding() const { return FDataBinding.get(); }
  TcxCustomEditData* EditData() const { return FEditData; }
  void SetEditData(TcxCustomEditData* value) { FEditData = value; }
  TcxEditRepositoryItem* RepositoryItem() const { return FRepositoryItem; }
  void SetRepositoryItem(TcxEditRepositoryItem* value);

  Variant EditValue() { return GetEditValue(); }
  Variant EditingValue() { return GetEditingValue(); }
  bool EditModified() const { return FEditModified; }
  void SetEditModified(bool value);
  bool ModifiedAfterEnter() const { return FModifiedAfterEnter; }
  void SetModifiedAfterEnter(bool value);
  bool IsInplace() const override { return FIsInplace; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool AutoSize() const { return FAutoSize; }
  // Ignored in place: the host sizes its editors.
  virtual void SetAutoSize(bool value);
  bool Validated() const { return FValidated; }
  bool Validating() const { return FValidating; }
  bool Posting() const { return FIsPosting; }
  bool Initialising() const { return FInitialising; }
  bool UserAction() const { return FUserAction; }
  void SetUserAction(bool value) { FUserAction = value; }
  void LockValidation(bool lock) { FValidationLock += lock ? 1 : -1; }

  const TNotifyEvent& PropertiesEvents() const { return FPropertiesEvents; }
  void SetPropertiesEvents(TNotifyEvent value) { FPropertiesEvents = std::move(value); }
  const TcxEditEditingEvent& OnEditing() const { return FOnEditing; }
  void SetOnEditing(TcxEditEditingEvent value) { FOnEditing = std::move(value); }
  const TNotifyEvent& OnFocusChanged() const { return FOnFocusChanged; }
  void SetOnFocusChanged(TNotifyEvent value) { FOnFocusChanged = std::move(value); }
  // An in-place editor's host stores the value when this fires.
  const TNotifyEvent& OnPostEditValue() const { return FOnPostEditValue; }
  void SetOnPostEditValue(TNotifyEvent value) { FOnPostEditValue = std::move(value); }

  // Whether the display value may stand; raises EcxEditValidationError on a
  // failure with an error text when `raiseOnError`.
  bool ValidateEdit(bool raiseOnError);
  void PostEditValue(bool validateFirst);
  // May the user change the value now?
  bool DoEditing();
  void LockChangeEvents(bool lock, bool invoke = true);
  bool ChangeEventsLocked() const { return FChangeEventsCatcher->IsLocked(); }
  // What leaving the editor does: validate, post and refresh; false when the
  // display value failed.
  bool ValidateOnExit();

  // ---- the looks
  TcxCustomEditViewInfo& EditViewInfo() const { return static_cast<TcxCustomEditViewInfo&>(ViewInfo()); }
  virtual std::unique_ptr<TcxCustomEditViewData> CreateViewData();
  // -1 while no button is held down.
  int PressedButton() const { return FPressedButton; }
  IcxCustomInnerEdit* InnerEdit() const { return FInnerEdit; }
  // Runs while a press soon after a mouse activation counts as a double click.
  TcxTimer& ClickTimer() const { return *FClickTimer; }

  // ---- IcxEditViewOwner
  HWND ViewHandle() const override;
  bool HasMouseCapture() const override;
  bool HasNativeBackground() const override { return false; }
  TRect InnerEditBounds(const TRect& contentRect) const override { return contentRect; }
  SIZE MinSize() const override;
  SIZE MaxSize() const override;

  // ---- in-place editing: a host starts editing with an Activate call and
  // ends it with Deactivate, which answers whether the value is valid.
  virtual void Activate(TcxCustomEditData*& editData);
  virtual void ActivateByKey(char key, TcxCustomEditData*& editData);
  virtual void ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& editData);
  bool Deactivate();
  bool Activated() const { return FActivated; }
  // Whether `window` is the editor's or one of its children.
  bool IsChildWindow(HWND window) const;

  // ---- the inner edit's keys: what is left non-zero the inner edit handles
  void InnerEditKeyDown(WORD& key, TShiftState shift) { KeyDown(key, shift); }
  void InnerEditKeyPress(char& key) { KeyPress(key); }
  void InnerEditKeyUp(WORD& key, TShiftState shift) { KeyUp(key, shift); }

  // ---- the inner edit's mouse, in the editor's coordinates
  void InnerEditMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void InnerEditMouseMove(TShiftState shift, int x, int y) { MouseMove(shift, x, y); }
  void InnerEditMouseUp(TMouseButton button, TShiftState shift, int x, int y) { MouseUp(button, shift, x, y); }
  // As on the editor's own window, only where its style takes clicks.
  void InnerEditClick() {
    if (ControlStyle().Contains(csClickEvents)) Click();
  }
  void InnerEditDblClick() {
    if (ControlStyle().Contains(csDoubleClicks)) DblClick();
  }

  bool DoInnerControlMessage(TMessage& message) override;

  // ---- buttons and keys
  // Fires OnButtonClick with the button's index in the collection.
  virtual void DoButtonClick(int buttonIndex);
  virtual void DoButtonDown(int) {}
  virtual void DoButtonUp(int) {}
  void ClickDefaultButton();
  virtual void DoEditKeyDown(WORD& key, TShiftState shift);
  virtual void DoEditKeyPress(char& key);
  virtual void DoEditKeyUp(WORD&, TShiftState) {}
  virtual bool IsEditingKeyDown(WORD, TShiftState) { return false; }
  virtual bool IsEditingChar(char) { return false; }
  virtual bool IsClickKey(WORD key, TShiftState shift);
  virtual bool IsValidChar(char key);
  // A character a text editor may type; a refused one becomes 0 with a beep.
  virtual bool ValidateKeyPress(char& key);
  virtual bool CanProcessKeyDown(WORD key, TShiftState shift);
  virtual bool HandlesNavigationKeys() { return false; }
  virtual bool FiresKeyDownAfterEditKeyDown() { return false; }
  virtual void ProcessTabKey() {}
  virtual bool CanSendActivationChar(char) { return true; }

  // ---- what the data binding and the properties call back
  virtual void BeginPostingValue() { FIsPosting = true; }
  virtual void EndPostingValue() { FIsPosting = false; }
  virtual bool CanModify();
  virtual void InnerEditChangeHandler(TObject* sender);
  virtual void DoChange();
  virtual void DoEditValueChanged();
  virtual void ReloadEditValue();
  virtual Variant GetEmptyEditValue() const { return Variant(); }
  virtual TClass GetDataBindingClass() const;
  virtual std::string GetInnerEditText() const { return {}; }
  virtual Variant GetEditingValue();
  virtual Variant GetEditValue() { return FEditValue; }
  virtual void HandleValidationError(const std::string& errorText);
  virtual Variant GetDisplayValue() { return GetEditValue(); }
  virtual void InternalSetDisplayValue(const Variant&) {}
  virtual void InternalSetEditValue(const Variant& value, bool validateEditValue);
  void SetDisplayValue(const Variant& value);
  virtual bool IsEditValueStored() { return !VarIsEmpty(FEditValue); }
  virtual void PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool focused);
  virtual void PropertiesChanged(TObject* sender);
  virtual bool IsEffectivelyReadOnly();
  virtual void AfterRepositoryItemChange() {}
  virtual void BeforeRepositoryItemChange() {}
  virtual void RevertEditedValue();
  virtual bool TrySetDisplayText(const std::string&) { return false; }
  virtual void SetEditValue(const Variant& value);
  virtual void SetEditValueInternally(const Variant& value);
  virtual void SetInternalDisplayValue(const Variant&) {}
  virtual void UpdateDisplayFromEditValue() {}
  virtual void UpdateEditValueFromDisplay() {}
  virtual bool InnerEditWantsTab() { return IsInplace(); }
  virtual bool CanReloadFromBinding() { return true; }
  virtual void UpdateDisplayText() {}
  virtual bool RevalidationKeepsDisplayText() { return false; }
  virtual void PrepareEditValue() {}
  virtual void Clear() { SetEditValue(GetEmptyEditValue()); }
  virtual TClass GetPropertiesClass() const { return FPropertiesClass; }
  virtual bool IsRepositoryItemAcceptable(TcxEditRepositoryItem* item) const;
  virtual void SelectAll() {}
  virtual void CopyToClipboard() {}
  virtual void CutToClipboard() {}
  virtual void PasteFromClipboard() {}
  virtual void InitializeEditData() {}
  // The per-activation state an in-place editor of this kind keeps; none here.
  virtual TcxCustomEditData* CreateEditData() { return nullptr; }
  // Runs the OnValidate handlers: the own properties' first, then the
  // repository item's.
  void DoOnValidate(Variant& displayValue, std::string& errorText, bool& error);
  bool HasOnValidate() const;
  bool HasOnChange() const;
  bool HasOnEditValueChanged() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  // The focus came into the editor from elsewhere: the value is read afresh.
  virtual void DoEnterEdit();
  // The focus left for elsewhere: the value is validated and posted.
  virtual void DoExitEdit();
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
  void FontChanged() override;
  // Runs when the editor, with its inner edit, gains or loses the focus.
  void FocusChanged() override;
  void Click() override;

  // ---- the container
  void Paint() override;
  void CalculateViewInfo(POINT point, bool isMouseEvent) override;
  bool RefreshContainer(POINT point, TMouseButton button, TShiftState shift, bool fromMouseLeave) override;
  void InvalidateContainer() override;
  TRect GetBorderExtent() override;
  // The inner edit takes the looks of the state the editor is in (its colour
  // and font) and then its place.
  void AdjustInnerControl() override {
    TcxContainer::AdjustInnerControl();
    AdjustInnerEditPosition();
  }
  bool IsTransparentBackground() override { return HasNativeBackground() || IsTransparentActive(); }
  TcxContainerStyleValues GetIgnoredStyleValues() const override;
  bool TabMovesFocus() override { return false; }

  // The inner edit a text editor makes, owned by the editor; none here.
  virtual IcxCustomInnerEdit* CreateInnerEdit() { return nullptr; }
  virtual void SetupInnerEdit();
  virtual void AdjustInnerEditPosition();
  virtual bool IsAutoSizeActive() const { return FAutoSize && !IsInplace(); }
  virtual bool CanAutoWidth() const { return ActiveProperties()->ButtonsViewMode() == bvmFitContentWidth; }
  virtual bool IsTransparentActive() const { return FTransparent && !IsInplace(); }
  virtual void InitializeViewData(TcxCustomEditViewData&) {}
  // Compares the pressed and hot buttons of `previous` with those of now.
  virtual void ProcessButtonStateChanges(const TcxCustomEditViewInfo& previous);
  // Every message of the hooked inner window passes here.
  virtual void InnerEditWndProc(TMessage& message);
  // Around an activation by key; a descendant may do something else there.
  virtual void HookInnerEditWndProc();
  virtual void UnhookInnerEditWndProc();
  // False while the editor takes no user change at all, whatever its settings say.
  virtual bool IsEditingAllowed() { return true; }
  // The refresh in progress comes from the mouse.
  bool MouseRefresh() const { return FMouseRefresh; }
  // Keeps the value without showing it: for an editor that took it from its display.
  void AssignEditValue(const Variant& value) { FEditValue = value; }
  // Fires OnKeyDown unless it ran for this key already.
  void FireKeyDown(WORD& key, TShiftState shift);
  // Tells of a change of the value: OnChange, held back while the change
  // events are locked, and OnEditValueChanged where no other step tells it.
  void ChangeStep();

 private:
  struct TModifiedState {
    bool EditModified;
    bool ModifiedAfterEnter;
  };

  // ---- IcxEditRepositoryItemListener
  void ItemRemoved(TcxEditRepositoryItem* sender) override;
  void PropertiesChanged(TcxEditRepositoryItem* sender) override;

  void EditValueChangedStep();
  // Runs `fire`; an in-place editor counts as modified meanwhile.
  void FireModifiedInPlace(void (TcxCustomEdit::*fire)());
  void SaveModified();
  void RestoreModified();
  void AttachOwnPropertiesCallback();
  void DetachOwnPropertiesCallback();
  bool CanPostToBinding() const { return FDataBinding->CanPost(); }
  void StoreEditValue();
  bool IsLoadingOrDestroying() const { return IsLoading() || Destroying(); }
  void RevalidateDisplayText(const Variant& displayValue);
  void ClipboardMessage(TMessage& message);
  void CreateClickTimer();
  // False when the editor went meanwhile.
  bool EnterOrExit(bool enter);
  void OwnFocusMessage(TMessage& message);
  // The focus came to the editor's windows or went to `partner`.
  void FocusMoved(bool gaining, HWND partner);
  bool ValidatesOnFocusLoss();
  void AdjustAutoSize();
  bool HasDefaultButton() const;
  void ClearByKey();
  void MoveFocusByTab(TShiftState shift);
  void ValidateByEnter();
  bool RevertByEscape();
  void RemovePendingChars();
  bool ClickButtonByAccelerator(char ch);
  // The collection index of the button shown at `visibleIndex`.
  int VisibleButtonIndex(int visibleIndex) const;
  static LRESULT CALLBACK InnerEditHookProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  bool FAutoSize = true;
  int FEditValueSettingLock = 0;
  TcxCustomEditData* FEditData = nullptr;
  int FEditingLock = 0;
  bool FValidated = false;
  bool FValidating = false;
  bool FInitialising = false;
  bool FIsInplace;
  bool FIsPosting = false;
  bool FUserAction = false;
  int FValidationLock = 0;
  bool FEditModified = false;
  bool FModifiedAfterEnter = false;
  bool FInEditingQuery = false;
  Variant FPrevEditValue;
  Variant FEditValue;
  std::vector<TModifiedState> FModifiedStack;
  TNotifyEvent FPropertiesEvents;
  TcxEditRepositoryItem* FRepositoryItem = nullptr;
  TcxEditEditingEvent FOnEditing;
  TOwned<TcxEditDataBinding> FDataBinding;
  TClass FPropertiesClass;
  TOwned<TcxCustomEditProperties> FProperties;
  bool FTransparent = false;
  bool FFocusSetting = false;
  TNotifyEvent FOnFocusChanged;
  TNotifyEvent FOnPostEditValue;
  std::unique_ptr<TcxEditChangeEventsCatcher> FChangeEventsCatcher;
  IcxCustomInnerEdit* FInnerEdit = nullptr;
  int FPressedButton = -1;
  TOwned<TcxTimer> FClickTimer;
  bool FActivated = false;
  bool FEscapePressed = false;
  // OnKeyDown already ran for the key in hand.
  bool FKeyDownFired = false;
  bool FAutoSizing = false;
  bool FEntered = false;
  bool FEffectiveFocus = false;
  // The control base tells of every focus message; the editor tells of the
  // changes of its effective focus itself.
  bool FInFocusMessage = false;
  HWND FFocusLostTo = nullptr;
  TMouseButton FRefreshButton = mbLeft;
  TShiftState FRefreshShift;
  // The looks before the refresh in progress; what changed repaints.
  const TcxCustomEditViewInfo* FPreviousViewInfo = nullptr;
  bool FMouseRefresh = false;
  WNDPROC FSavedInnerWndProc = nullptr;
};

// Locks an editor's change events for a scope. Unlock fires what was held
// back; a scope left by an exception releases the lock silently.
class TChangeEventsLock {
 public:
  TChangeEventsLock(const TcxWeakSelf& self, TcxCustomEdit& edit) : FSelf(self), FEdit(edit) {
    edit.LockChangeEvents(true);
  }
  ~TChangeEventsLock() {
    if (FLocked && FSelf.Alive()) FEdit.LockChangeEvents(false, false);
  }
  TChangeEventsLock(const TChangeEventsLock&) = delete;
  TChangeEventsLock& operator=(const TChangeEventsLock&) = delete;
  void Unlock() {
    FLocked = false;
    if (FSelf.Alive()) FEdit.LockChangeEvents(false, true);
  }

 private:
  const TcxWeakSelf& FSelf;
  TcxCustomEdit& FEdit;
  bool FLocked = true;
};
// The looks of each state, as a form holds an editor's styles.
template <class E>
TClassBuilder<E>& PublishEditStyles(TClassBuilder<E>& builder) {
  return builder.Object("Style", [](E& e) -> TPersistent& { return *e.Styles().GetStyle(); })
      .Object("StyleDisabled", [](E& e) -> TPersistent& { return *e.Styles().GetStyleDisabled(); })
      .Object("StyleFocused", [](E& e) -> TPersistent& { return *e.Styles().GetStyleFocused(); })
      .Object("StyleHot", [](E& e) -> TPersistent& { return *e.Styles().GetStyleHot(); });
}

// The key and mouse events every editor a form holds publishes.
template <class E>
TClassBuilder<E>& PublishEditInputEvents(TClassBuilder<E>& builder) {
  return builder.Event("OnKeyDown", &E::SetOnKeyDown)
      .Event("OnKeyPress", &E::SetOnKeyPress)
      .Event("OnKeyUp", &E::SetOnKeyUp)
      .Event("OnMouseDown", &E::SetOnMouseDown)
      .Event("OnMouseEnter", &E::SetOnMouseEnter)
      .Event("OnMouseLeave", &E::SetOnMouseLeave)
      .Event("OnMouseMove", &E::SetOnMouseMove)
      .Event("OnMouseUp", &E::SetOnMouseUp);
}
