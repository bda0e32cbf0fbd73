#include "controls/editors/dropdown/cxDropDownEdit.h"

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/dropdown/cxComboBox.h"
#include "controls/editors/dropdown/cxDropDownEditPopupEdit.h"
#include "controls/editors/text/cxTextEditListBox.h"
#include "controls/foundation/container/cxContainerRoutines.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"

namespace {

TUnitGuard gUnit;

// The user changes the value for the length of a scope.
class TUserActionScope {
 public:
  TUserActionScope(const TcxWeakSelf& self, TcxCustomEdit& edit) : FSelf(self), FEdit(edit), FSaved(edit.UserAction()) {
    edit.SetUserAction(true);
  }
  ~TUserActionScope() {
    if (FSelf.Alive()) FEdit.SetUserAction(FSaved);
  }
  TUserActionScope(const TUserActionScope&) = delete;
  TUserActionScope& operator=(const TUserActionScope&) = delete;

 private:
  const TcxWeakSelf& FSelf;
  TcxCustomEdit& FEdit;
  bool FSaved;
};

bool IsUserCloseReason(int reason) {
  return reason == cxEditPopupCloseReasonTab || reason == cxEditPopupCloseReasonCloseKey ||
         reason == cxEditPopupCloseReasonAccept;
}

}  // namespace

// ---- TcxEditPopupControlLookAndFeel

TClass TcxEditPopupControlLookAndFeel::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxEditPopupControlLookAndFeel>("TcxEditPopupControlLookAndFeel", TcxLookAndFeel::StaticClass())
          .Build();
  return &metaClass;
}

TcxEditPopupControlLookAndFeel::TcxEditPopupControlLookAndFeel(TcxCustomDropDownEdit& edit)
    : TcxLookAndFeel(&edit), FEdit(edit), FSeen(StyleData()) {
  Changed({lfvKind, lfvNativeStyle, lfvSkinName});
}

TcxLookAndFeel* TcxEditPopupControlLookAndFeel::StyleLookAndFeel() const {
  TcxContainerStyle* style = FEdit.GetActiveStyle();
  return style ? style->LookAndFeel() : nullptr;
}

TcxLookAndFeelData TcxEditPopupControlLookAndFeel::StyleData() const {
  const TcxLookAndFeel* lookAndFeel = StyleLookAndFeel();
  if (!lookAndFeel) return {};
  return {lookAndFeel->Kind(), lookAndFeel->NativeStyle(), lookAndFeel->SkinName()};
}

TcxLookAndFeelKind TcxEditPopupControlLookAndFeel::InternalGetKind() const { return StyleData().Kind; }

bool TcxEditPopupControlLookAndFeel::InternalGetNativeStyle() const { return StyleData().NativeStyle; }

TdxSkinName TcxEditPopupControlLookAndFeel::InternalGetSkinName() const { return StyleData().SkinName; }

void TcxEditPopupControlLookAndFeel::EditStyleChanged() {
  const TcxLookAndFeelData now = StyleData();
  TcxLookAndFeelValues changed;
  if (now.Kind != FSeen.Kind) changed.Include(lfvKind);
  if (now.NativeStyle != FSeen.NativeStyle) changed.Include(lfvNativeStyle);
  if (now.SkinName != FSeen.SkinName) changed.Include(lfvSkinName);
  FSeen = now;
  Changed(changed);
}

// ---- TcxCustomDropDownEditViewData

bool TcxCustomDropDownEditViewData::IsDropDownButton(int visibleIndex) const {
  const auto& properties = static_cast<TcxCustomDropDownEditProperties&>(Properties);
  const int dropDownIndex = properties.GetDropDownButtonIndex();
  const TcxEditButtons& buttons = properties.Buttons();
  if (dropDownIndex < 0 || dropDownIndex >= buttons.Count() || !buttons.Items(dropDownIndex).Visible()) return false;
  int visible = 0;
  for (int i = 0; i < dropDownIndex; ++i)
    if (buttons.Items(i).Visible()) ++visible;
  return visible == visibleIndex;
}

void TcxCustomDropDownEditViewData::CalculateButtonState(TcxCustomEditViewInfo& viewInfo, int index,
                                                         const POINT& mousePoint, TMouseButton button,
                                                         TShiftState shift, bool isMouseEvent) {
  TcxCustomTextEditViewData::CalculateButtonState(viewInfo, index, mousePoint, button, shift, isMouseEvent);
  auto* edit = dynamic_cast<TcxCustomDropDownEdit*>(Editor);
  TcxEditButtonViewInfoData& data = viewInfo.ButtonsInfo[index]->Data;
  if (!edit || data.State == ebstDisabled || !IsDropDownButton(index)) return;
  if (edit->DroppedDown() || edit->ClosedUnderPointer()) data.State = ebstPressed;
}

std::unique_ptr<TcxCustomEditViewData> CreateDropDownEditViewData(TcxCustomEditProperties& properties,
                                                                  TcxCustomEditStyle& style, bool inplace) {
  return std::make_unique<TcxCustomDropDownEditViewData>(properties, style, inplace);
}

// ---- TcxCustomDropDownEdit

TClass TcxCustomDropDownEdit::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomDropDownEdit>("TcxCustomDropDownEdit", TcxCustomMaskEdit::StaticClass()).Build();
  return &metaClass;
}

TcxCustomDropDownEdit::TcxCustomDropDownEdit(TComponent* owner, bool inplace, TClass propertiesClass)
    : TcxCustomMaskEdit(owner, inplace, propertiesClass) {}

TcxCustomDropDownEdit::~TcxCustomDropDownEdit() = default;

void TcxCustomDropDownEdit::AfterConstruction() {
  TcxCustomMaskEdit::AfterConstruction();
  FPopupControlsLookAndFeel.reset(new TcxEditPopupControlLookAndFeel(*this));
  if (!IsDesigning()) CreatePopupWindow();
}

void TcxCustomDropDownEdit::CreatePopupWindow() {
  FPopupWindow = DropDownProperties().GetPopupWindowClass()(*this);
  FPopupWindow->SetOnCloseQuery([this](TObject*, bool& canClose) { PopupCloseQuery(canClose); });
  FPopupWindow->SetOnClosed([this](TObject*) { PopupClosed(); });
  FPopupWindow->SetOnShowed([this](TObject*) { PopupShowed(); });
}

// The popup closes and is finalised while the editor is still whole; the
// editor owns it and frees it with itself.
void TcxCustomDropDownEdit::BeforeDestruction() {
  const TcxWeakSelf self(this);
  ClosePopup(cxEditPopupCloseReasonUnknown);
  if (self.Alive()) FinalizePopup();
  if (self.Alive() && FPopupWindow) {
    FPopupWindow->SetOnCloseQuery(nullptr);
    FPopupWindow->SetOnClosed(nullptr);
    FPopupWindow->SetOnShowed(nullptr);
  }
  if (self.Alive()) TcxCustomMaskEdit::BeforeDestruction();
}

void TcxCustomDropDownEdit::FireEvent(const TNotifyEvent& (TcxCustomDropDownEditProperties::*event)() const) {
  const TcxWeakSelf self(this);
  const TNotifyEvent own = (static_cast<TcxCustomDropDownEditProperties&>(*Properties()).*event)();
  if (own) own(this);
  if (!self.Alive() || !RepositoryItem()) return;
  const TNotifyEvent active = (DropDownProperties().*event)();
  if (active) active(this);
}

// ---- opening

bool TcxCustomDropDownEdit::DroppedDown() const { return FPopupWindow && FPopupWindow->IsShown(); }

void TcxCustomDropDownEdit::SetDroppedDown(bool value) {
  if (value == DroppedDown()) return;
  if (!value) return ClosePopup(cxEditPopupCloseReasonUnknown);
  if (!IsPopupShowQueued()) DropDown();
}

bool TcxCustomDropDownEdit::IsPopupShowQueued() const {
  if (!FPopupWindow || !FPopupWindow->HandleAllocated()) return false;
  MSG message;
  return PeekMessageA(&message, FPopupWindow->Handle(), CM_SHOWPOPUPWINDOW, CM_SHOWPOPUPWINDOW, PM_NOREMOVE) != FALSE;
}

void TcxCustomDropDownEdit::DoInitPopup() {
  if (FPopupInitialized) return;
  FPopupInitialized = true;
  FireEvent(&TcxCustomDropDownEditProperties::OnInitPopup);
}

void TcxCustomDropDownEdit::FinalizePopup() {
  if (!FPopupInitialized) return;
  FPopupInitialized = false;
  FireEvent(&TcxCustomDropDownEditProperties::OnFinalizePopup);
}

void TcxCustomDropDownEdit::DoPopup() {
  FCloseUpReason = cxEditPopupCloseReasonUnknown;
  FireEvent(&TcxCustomDropDownEditProperties::OnPopup);
}

// The popup shows when its window handles the queued show message.
void TcxCustomDropDownEdit::DropDown() {
  if (!FPopupWindow || !HandleAllocated() || !IsWindowVisible(Handle()) || DroppedDown() || IsPopupShowQueued()) return;
  const TcxWeakSelf self(this);
  DoInitPopup();
  if (!self.Alive()) return;
  if (!CanDropDown()) return FinalizePopup();
  SetupPopupWindow();
  PreparePopupWindow();
  FPopupWindow->HandleNeeded();
  FPopupWindow->SetFocusedControl(GetPopupFocusedControl());
  PostMessageA(FPopupWindow->Handle(), CM_SHOWPOPUPWINDOW, 0, 0);
}

TWinControl* TcxCustomDropDownEdit::GetPopupFocusedControl() { return FPopupWindow; }

void TcxCustomDropDownEdit::SetPopupFocus() {
  if (!DroppedDown() || IsDesigning()) return;
  TWinControl* control = FPopupWindow->FocusedControl();
  (control ? control : FPopupWindow)->SetFocus();
}

RECT TcxCustomDropDownEdit::PopupOwnerBounds() { return RECT{0, 0, Width(), Height()}; }

void TcxCustomDropDownEdit::SetupPopupWindow() {
  const TcxCustomDropDownEditProperties& properties = DropDownProperties();
  TcxCustomEditPopupWindow& popup = *FPopupWindow;
  popup.SetAlignHorz(properties.PopupHorzAlignment());
  popup.SetAlignVert(properties.PopupVertAlignment());
  popup.SetPopupClientEdge(properties.PopupClientEdge());
  popup.SetPopupMinHeight(properties.PopupMinHeight());
  popup.SetPopupMinWidth(properties.PopupMinWidth());
  popup.SetPopupAutoSize(properties.PopupAutoSize());
  popup.SetPopupSizeable(properties.PopupSizeable());
  popup.SetPopupSysPanelStyle(properties.PopupSysPanelStyle());
  SIZE wanted{properties.PopupWidth(), properties.PopupHeight()};
  const auto* data = dynamic_cast<const TcxCustomDropDownEditData*>(EditData());
  if (IsInplace() && properties.PopupSizeable() && data && data->HasPopupSize()) wanted = data->PopupSize();
  popup.SetWantedWidth(wanted.cx);
  popup.SetWantedHeight(wanted.cy);
  popup.SetCloseButton(static_cast<TcxCustomEditStyle&>(*GetActiveStyle()).PopupOption());
  popup.SetEditPopupBorderStyle(CreateViewData()->GetPopupBorderStyle());
  popup.SetNativeStyle(EditViewInfo().NativeStyle);
  popup.SetShadow(EditViewInfo().Shadow);
}

void TcxCustomDropDownEdit::PreparePopupWindow() {
  FPopupWindow->SetOwnedByParentForm(DropDownProperties().PopupOwnedByParentForm());
  FPopupWindow->CalculateViewInfo();
  if (FPopupWindow->HandleAllocated()) FPopupWindow->UpdatePopupWindowRegion();
}

bool TcxCustomDropDownEdit::HasVisualLookupList() { return TextProperties().IsLookupDataVisual(); }

void TcxCustomDropDownEdit::PopupClientBoundsChanged(const RECT& clientBounds) {
  if (!HasVisualLookupList() || !LookupData().HasList()) return;
  LookupData().List().SetBounds(clientBounds.left, clientBounds.top, clientBounds.right - clientBounds.left,
                                clientBounds.bottom - clientBounds.top);
}

void TcxCustomDropDownEdit::LocateTextInLookup(const std::string& text) {
  std::string located = text;
  std::string tail;
  if (LookupData().Locate(located, tail, false, false)) LookupData().SetItemIndex(LookupData().ItemIndex());
}

void TcxCustomDropDownEdit::PopupShowed() {
  const TcxWeakSelf self(this);
  ShortRefreshContainer();
  if (!self.Alive()) return;
  PopupClientBoundsChanged(FPopupWindow->EditViewInfo().ClientRect);
  DoPopup();
  if (!self.Alive()) return;
  UpdateDisplayText();
  if (!self.Alive()) return;
  const TcxCustomDropDownEditProperties& properties = DropDownProperties();
  if (HasVisualLookupList() && properties.PopupOwnedByParentForm() && properties.ImmediateDropDown())
    LocateTextInLookup(GetEditingText().substr(0, static_cast<size_t>(SelStart())));
  FPopupResizedByUser = false;
}

// ---- closing

void TcxCustomDropDownEdit::PopupCloseQuery(bool& canClose) {
  const TcxWeakSelf self(this);
  const TCloseQueryEvent own = static_cast<TcxCustomDropDownEditProperties&>(*Properties()).OnCloseQuery();
  if (own) own(this, canClose);
  if (!self.Alive() || !RepositoryItem()) return;
  const TCloseQueryEvent active = DropDownProperties().OnCloseQuery();
  if (active) active(this, canClose);
}

void TcxCustomDropDownEdit::ClosePopup(int reason) {
  if (!DroppedDown()) return;
  const TcxWeakSelf self(this);
  if (!FPopupWindow->CloseQuery() || !self.Alive()) return;
  {
    TChangeEventsLock lock(self, *this);
    if (IsUserCloseReason(reason) && HasVisualLookupList()) TakeOverPopupValue();
    if (self.Alive() && IsUserCloseReason(reason) && !DropDownProperties().PostsValueAfterCloseUp() &&
        ActiveProperties()->ImmediatePost() && Focused() && DataBinding()->CanPost())
      PostEditValue(false);
    lock.Unlock();
  }
  if (!self.Alive()) return;
  FCloseUpReason = reason;
  FPopupWindow->CloseUp();
}

// The list's current item becomes the editor's text, selected.
void TcxCustomDropDownEdit::TakeOverPopupValue() {
  TcxCustomTextEditLookupData& lookup = LookupData();
  if (!lookup.HasList()) return;
  const int index = lookup.List().ItemIndex();
  if (index < 0) return;
  lookup.SetItemIndex(index);
  const std::string text = lookup.GetItemEditText(index);
  const TcxWeakSelf self(this);
  if (text != GetEditingText()) {
    InternalSetDisplayValue(Variant(text));
    if (self.Alive()) SetModifiedAfterEnter(true);
  }
  if (self.Alive()) SelectAll();
}

void TcxCustomDropDownEdit::KeepUserPopupSize() {
  const SIZE size{FPopupWindow->Width(), FPopupWindow->Height()};
  auto* data = dynamic_cast<TcxCustomDropDownEditData*>(EditData());
  if (IsInplace() && data) return data->SetPopupSize(size);
  DropDownProperties().SetPopupWidth(size.cx);
  DropDownProperties().SetPopupHeight(size.cy);
}

void TcxCustomDropDownEdit::PopupClosed() {
  if (DropDownProperties().PopupSizeable() && FPopupResizedByUser) KeepUserPopupSize();
  const TcxWeakSelf self(this);
  FinalizePopup();
  if (self.Alive() && DropDownProperties().IsFixedList()) Invalidate();
  if (self.Alive()) DoCloseUp();
  if (self.Alive()) PostValueAfterCloseUp();
  if (!self.Alive()) return;
  ShortRefreshContainer();
  if (self.Alive() && !HandleAllocated()) FClosedUnderPointer = false;
}

void TcxCustomDropDownEdit::DoCloseUp() { FireEvent(&TcxCustomDropDownEditProperties::OnCloseUp); }

void TcxCustomDropDownEdit::PostValueAfterCloseUp() {
  if (!DropDownProperties().PostsValueAfterCloseUp() || !ActiveProperties()->ImmediatePost() || !Focused()) return;
  const TcxWeakSelf self(this);
  TChangeEventsLock lock(self, *this);
  if (DoEditing() && self.Alive() && DataBinding()->CanPost()) PostEditValue(false);
  lock.Unlock();
}

// ---- keys and characters

bool TcxCustomDropDownEdit::IsPopupToggleKey(WORD key, TShiftState shift) {
  const bool alt = shift.Contains(ssAlt);
  return ((key == VK_UP || key == VK_DOWN) && alt) || (key == VK_F4 && !alt);
}

void TcxCustomDropDownEdit::DoEditKeyDown(WORD& key, TShiftState shift) {
  if (IsPopupToggleKey(key, shift)) {
    if (DroppedDown())
      ClosePopup(cxEditPopupCloseReasonCloseKey);
    else
      DropDown();
    key = 0;
    return;
  }
  if ((key == VK_RETURN || key == VK_ESCAPE) && !shift.Contains(ssAlt) && DroppedDown()) {
    const TcxWeakSelf self(this);
    {
      const TUserActionScope userAction(self, *this);
      int reason = cxEditPopupCloseReasonCancel;
      if (key == VK_RETURN && DoEditing()) reason = cxEditPopupCloseReasonAccept;
      if (self.Alive()) ClosePopup(reason);
    }
    if (!self.Alive() || DroppedDown()) return;
    if (key == VK_ESCAPE) ReleaseCapture();
    key = 0;
    return;
  }
  TcxCustomMaskEdit::DoEditKeyDown(key, shift);
}

void TcxCustomDropDownEdit::ProcessTabKey() {
  if (DroppedDown() && DropDownProperties().PostPopupValueOnTab()) ClosePopup(cxEditPopupCloseReasonTab);
}

bool TcxCustomDropDownEdit::InnerEditWantsTab() {
  return TcxCustomMaskEdit::InnerEditWantsTab() || (DroppedDown() && DropDownProperties().PostPopupValueOnTab());
}

// A popup that takes typed characters gets the character that opened it.
bool TcxCustomDropDownEdit::PostTypedCharToPopup(char key) {
  if (!DropDownProperties().PopupOwnedByParentForm() || key == VK_RETURN || !CanDropDown()) return false;
  if (!GetPopupFocusedControl() || !FPopupWindow->HandleAllocated()) return false;
  PostMessageA(FPopupWindow->Handle(), CM_POPUPCONTROLKEY, static_cast<unsigned char>(key), 0);
  return true;
}

void TcxCustomDropDownEdit::DoEditKeyPress(char& key) {
  if (static_cast<unsigned char>(key) >= ' ' && DropDownProperties().ImmediateDropDown() && !DroppedDown()) {
    const TcxWeakSelf self(this);
    DropDown();
    if (!self.Alive()) return;
    if (PostTypedCharToPopup(key)) {
      key = 0;
      return;
    }
  }
  TcxCustomMaskEdit::DoEditKeyPress(key);
}

bool TcxCustomDropDownEdit::CanSendActivationChar(char key) {
  const TcxCustomDropDownEditProperties& properties = DropDownProperties();
  return !(properties.ImmediateDropDown() && properties.PopupOwnedByParentForm() && key != VK_RETURN);
}

void TcxCustomDropDownEdit::ActivateByKey(char key, TcxCustomEditData*& editData) {
  const TcxWeakSelf self(this);
  TcxCustomMaskEdit::ActivateByKey(key, editData);
  if (!self.Alive() || static_cast<unsigned char>(key) < ' ') return;
  const TcxCustomDropDownEditProperties& properties = DropDownProperties();
  if (!properties.ImmediateDropDown() || properties.ImmediatePopup() || CanSendActivationChar(key)) return;
  DropDown();
  if (self.Alive()) PostTypedCharToPopup(key);
}

void TcxCustomDropDownEdit::ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& editData) {
  const TcxWeakSelf self(this);
  const TcxFlagScope inActivate(self, FInActivateByMouse, true);
  TcxCustomMaskEdit::ActivateByMouse(shift, x, y, editData);
}

void TcxCustomDropDownEdit::Activate(TcxCustomEditData*& editData) {
  const TcxWeakSelf self(this);
  TcxCustomMaskEdit::Activate(editData);
  if (self.Alive() && DropDownProperties().ImmediatePopup()) DropDown();
}

// A paste that changed the text opens the popup on the new text.
void TcxCustomDropDownEdit::PasteFromClipboard() {
  if (!Focused()) return TcxCustomMaskEdit::PasteFromClipboard();
  const std::string before = GetEditingText();
  const TcxWeakSelf self(this);
  {
    const TUserActionScope userAction(self, *this);
    TcxCustomMaskEdit::PasteFromClipboard();
  }
  if (!self.Alive()) return;
  if (GetEditingText() == before || !DropDownProperties().ImmediateDropDown() || DroppedDown()) return;
  DropDown();
  if (self.Alive() && HasVisualLookupList() && HandleAllocated()) PostMessageA(Handle(), CM_DROPDOWNLOCATE, 0, 0);
}

// ---- the window, the mouse and the focus

void TcxCustomDropDownEdit::WndProc(TMessage& message) {
  if (message.Msg == CM_DROPDOWNLOCATE) return LocateTextInLookup(GetEditingText());
  TcxCustomMaskEdit::WndProc(message);
}

// A window made again gives the focus back to the open popup.
void TcxCustomDropDownEdit::CreateWnd() {
  TcxCustomMaskEdit::CreateWnd();
  SetPopupFocus();
}

void TcxCustomDropDownEdit::DestroyWindowHandle() {
  const TcxWeakSelf self(this);
  ClosePopup(cxEditPopupCloseReasonUnknown);
  if (self.Alive()) FinalizePopup();
  if (self.Alive()) TcxCustomMaskEdit::DestroyWindowHandle();
}

bool TcxCustomDropDownEdit::IsFocusInPopup() const {
  const HWND focus = GetFocus();
  return focus && FPopupWindow && FPopupWindow->HandleAllocated() && IsChildOrSelf(FPopupWindow->Handle(), focus);
}

void TcxCustomDropDownEdit::FocusChanged() {
  const TcxWeakSelf self(this);
  TcxCustomMaskEdit::FocusChanged();
  if (self.Alive() && !Focused() && !IsFocusInPopup()) ClosePopup(cxEditPopupCloseReasonUnknown);
}

void TcxCustomDropDownEdit::DoButtonDown(int buttonIndex) {
  const TcxWeakSelf self(this);
  TcxCustomMaskEdit::DoButtonDown(buttonIndex);
  if (self.Alive() && buttonIndex == DropDownProperties().GetDropDownButtonIndex()) DropDown();
}

// A press on the text of a fixed list opens it; the buttons open it through
// their own press. The press's own refresh forgets that the popup was open
// under the pointer, so the press that closed it would open it again.
void TcxCustomDropDownEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const bool closedUnderPointer = FClosedUnderPointer;
  const TcxWeakSelf self(this);
  TcxCustomMaskEdit::MouseDown(button, shift, x, y);
  if (!self.Alive() || FInActivateByMouse || button != mbLeft || !DropDownProperties().IsFixedList()) return;
  const POINT point{x, y};
  if (PtInRect(&EditViewInfo().ClientRect, point) && !DroppedDown() && !closedUnderPointer && Focused())
    SetDroppedDown(true);
}

// A press over the buttons that pressed none of them closes the popup.
bool TcxCustomDropDownEdit::RefreshContainer(POINT point, TMouseButton button, TShiftState shift, bool fromMouseLeave) {
  const TcxWeakSelf self(this);
  const bool result = TcxCustomMaskEdit::RefreshContainer(point, button, shift, fromMouseLeave);
  if (!self.Alive()) return result;
  const TcxCustomEditViewInfo& viewInfo = EditViewInfo();
  const bool pressOnButtons = MouseRefresh() && shift.Contains(ssLeft) && viewInfo.IsPointOverButton(point);
  if (DroppedDown() && pressOnButtons && viewInfo.PressedButton < 0) {
    ClosePopup(cxEditPopupCloseReasonUnknown);
    if (!self.Alive()) return result;
  }
  // The pointer's place, not the hot state: without hot-tracking the editor
  // is never hot, and the press that closes the popup would open it again.
  if (MouseRefresh() && !(button == mbRight && shift.Contains(ssRight)))
    FClosedUnderPointer = DroppedDown() && PtInRect(&viewInfo.Bounds, point);
  if (FPopupControlsLookAndFeel) FPopupControlsLookAndFeel->EditStyleChanged();
  return result;
}

// ---- TcxFilterDropDownEditHelper

TClass TcxFilterDropDownEditHelper::StaticClass() {
  static const TMetaClass metaClass("TcxFilterDropDownEditHelper", TcxFilterMaskEditHelper::StaticClass(), nullptr, {},
                                    {}, {});
  return &metaClass;
}

// ---- the unit

void cxDropDownEditInitialize() {
  if (!gUnit.Enter()) return;
  cxComboBoxInitialize();
  GetRegisteredEditProperties()->Register(TcxPopupEditProperties::StaticClass(),
                                          cxGetResourceString(cxMsgPopupEditRegistration));
  RegisterClasses({TcxPopupEdit::StaticClass()});
}

void cxDropDownEditFinalize() {
  if (!gUnit.Leave()) return;
  UnRegisterClass(TcxPopupEdit::StaticClass());
  if (TcxRegisteredClasses* registered = GetRegisteredEditProperties())
    registered->Unregister(TcxPopupEditProperties::StaticClass());
  cxComboBoxFinalize();
}
