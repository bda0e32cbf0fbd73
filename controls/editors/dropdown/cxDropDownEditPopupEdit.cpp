#include "controls/editors/dropdown/cxDropDownEditPopupEdit.h"

#include <utility>

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/base/cxEditErrors.h"
#include "platform/classes/ClassBuilder.h"

namespace {

TcxCustomEditPopupWindow* CreatePopupEditPopupWindow(TcxCustomDropDownEdit& edit) {
  return new TcxPopupEditPopupWindow(&edit, &edit);
}

}  // namespace

// ---- the popup window

void TcxPopupEditPopupWindowViewInfo::DrawPopupBorder(TcxCanvas& canvas, TRect& r) {
  if (NativeStyle || Painter || PopupBorderStyle != epbsFrame3D)
    return TcxCustomEditPopupWindowViewInfo::DrawPopupBorder(canvas, r);
  for (const bool outer : {true, false}) {
    canvas.DrawEdge(r, false, outer);
    InflateRect(&r, -1, -1);
  }
  for (const TColor color : {clInactiveBorder, clBtnFace}) {
    canvas.FrameRect(r, color);
    InflateRect(&r, -1, -1);
  }
}

TClass TcxPopupEditPopupWindow::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxPopupEditPopupWindow>("TcxPopupEditPopupWindow", TcxCustomEditPopupWindow::StaticClass())
          .Build();
  return &metaClass;
}

std::unique_ptr<TcxContainerViewInfo> TcxPopupEditPopupWindow::CreateViewInfo() {
  return std::make_unique<TcxPopupEditPopupWindowViewInfo>();
}

bool TcxPopupEditPopupWindow::PassCloseKeyToEdit(WORD key, TShiftState shift) {
  auto* edit = dynamic_cast<TcxCustomDropDownEdit*>(OwnerControl());
  if (!edit || !edit->DroppedDown()) return false;
  edit->DoEditKeyDown(key, shift);
  return key == 0;
}

bool TcxPopupEditPopupWindow::DialogKey(WORD key) {
  if (TcxCustomEditPopupWindow::DialogKey(key)) return true;
  return key == VK_ESCAPE && PassCloseKeyToEdit(key, TShiftState());
}

void TcxPopupEditPopupWindow::KeyDown(WORD& key, TShiftState shift) {
  TcxCustomEditPopupWindow::KeyDown(key, shift);
  if (TcxCustomDropDownEdit::IsPopupToggleKey(key, shift) && PassCloseKeyToEdit(key, shift)) key = 0;
}

// ---- the properties

TClass TcxCustomPopupEditProperties::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomPopupEditProperties>("TcxCustomPopupEditProperties",
                                                  TcxCustomDropDownEditProperties::StaticClass())
          .Build();
  return &metaClass;
}

TcxCustomPopupEditProperties::TcxCustomPopupEditProperties(TPersistent* owner)
    : TcxCustomDropDownEditProperties(owner) {
  // The minimums first: the size setters keep to them.
  SetPopupMinHeight(100);
  SetPopupMinWidth(100);
  SetPopupHeight(200);
  SetPopupWidth(250);
  SetPopupAutoSize(true);
  SetPopupSizeable(true);
}

void TcxCustomPopupEditProperties::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TcxCustomPopupEditProperties*>(source)) {
    BeginUpdate();
    try {
      TcxCustomDropDownEditProperties::Assign(source);
      SetPopupControl(other->PopupControl());
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
    return;
  }
  TcxCustomDropDownEditProperties::Assign(source);
}

void TcxCustomPopupEditProperties::SetPopupControl(TControl* value) {
  if (value == FPopupControl) return;
  if (FPopupControl) FPopupControl->RemoveFreeNotification(&FreeNotificator());
  FPopupControl = value;
  if (FPopupControl) FPopupControl->FreeNotification(&FreeNotificator());
}

void TcxCustomPopupEditProperties::FreeNotification(TComponent* component) {
  TcxCustomDropDownEditProperties::FreeNotification(component);
  if (component == FPopupControl) FPopupControl = nullptr;
}

TClass TcxCustomPopupEditProperties::GetContainerClass() const { return TcxPopupEdit::StaticClass(); }

TcxEditPopupWindowClass TcxCustomPopupEditProperties::GetPopupWindowClass() const { return CreatePopupEditPopupWindow; }

TcxPopupEditProperties::TcxPopupEditProperties(TPersistent* owner) : TcxCustomPopupEditProperties(owner) {
  SetImmediateDropDown(true);
  SetImmediatePopup(true);
}

TClass TcxPopupEditProperties::StaticClass() {
  using P = TcxPopupEditProperties;
  static const TMetaClass metaClass = [] {
    TClassBuilder<P> builder("TcxPopupEditProperties", TcxCustomPopupEditProperties::StaticClass());
    builder.Component("PopupControl", &P::PopupControl, &P::SetPopupControl)
        .Boolean("ImmediateDropDown", &P::ImmediateDropDown, &P::SetImmediateDropDown, true)
        .Boolean("ImmediatePopup", &P::ImmediatePopup, &P::SetImmediatePopup, true)
        .Enumeration("PopupAlignment", &P::PopupAlignment, &P::SetPopupAlignment, AlignmentIdents(), taLeftJustify)
        .Boolean("PopupAutoSize", &P::PopupAutoSize, &P::SetPopupAutoSize, true)
        .Boolean("PopupClientEdge", &P::PopupClientEdge, &P::SetPopupClientEdge, false)
        .Integer("PopupHeight", &P::PopupHeight, &P::SetPopupHeight, 200)
        .Integer("PopupMinHeight", &P::PopupMinHeight, &P::SetPopupMinHeight, 100)
        .Integer("PopupMinWidth", &P::PopupMinWidth, &P::SetPopupMinWidth, 100)
        .Boolean("PopupSizeable", &P::PopupSizeable, &P::SetPopupSizeable, true)
        .Boolean("PopupSysPanelStyle", &P::PopupSysPanelStyle, &P::SetPopupSysPanelStyle, false)
        .Integer("PopupWidth", &P::PopupWidth, &P::SetPopupWidth, 250)
        .Boolean("PostPopupValueOnTab", &P::PostPopupValueOnTab, &P::SetPostPopupValueOnTab, false)
        .Event("OnCloseQuery", &P::SetOnCloseQuery)
        .Event("OnCloseUp", &P::SetOnCloseUp)
        .Event("OnInitPopup", &P::SetOnInitPopup)
        .Event("OnPopup", &P::SetOnPopup);
    return PublishTextEditProperties(builder, true).Build();
  }();
  return &metaClass;
}

// ---- the editor

TClass TcxCustomPopupEdit::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomPopupEdit>("TcxCustomPopupEdit", TcxCustomDropDownEdit::StaticClass()).Build();
  return &metaClass;
}

TcxCustomPopupEdit::TcxCustomPopupEdit(TComponent* owner, bool inplace, TClass propertiesClass)
    : TcxCustomDropDownEdit(owner, inplace, propertiesClass) {}

void TcxCustomPopupEdit::BeforeDestruction() {
  ReturnPopupControl();
  TcxCustomDropDownEdit::BeforeDestruction();
}

void TcxCustomPopupEdit::DoInitPopup() {
  const auto* container = dynamic_cast<const TWinControl*>(PopupEditProperties().PopupControl());
  if (container && container->ContainsControl(this)) throw EcxEditError(cxGetResourceString(cxMsgCircularReference));
  TcxCustomDropDownEdit::DoInitPopup();
}

void TcxCustomPopupEdit::FinalizePopup() {
  ReturnPopupControl();
  TcxCustomDropDownEdit::FinalizePopup();
}

TWinControl* TcxCustomPopupEdit::GetPopupFocusedControl() {
  return dynamic_cast<TWinControl*>(PopupEditProperties().PopupControl());
}

// A borrowed control already fills the popup: its own size is the one it
// had in its place.
SIZE TcxCustomPopupEdit::GetPopupContentSize() {
  if (FBorrowed) return SIZE{FPlace.Bounds.right - FPlace.Bounds.left, FPlace.Bounds.bottom - FPlace.Bounds.top};
  const TControl* control = PopupEditProperties().PopupControl();
  return control ? SIZE{control->Width(), control->Height()} : SIZE{0, 0};
}

void TcxCustomPopupEdit::PopupClientBoundsChanged(const RECT& clientBounds) {
  TcxCustomDropDownEdit::PopupClientBoundsChanged(clientBounds);
  if (FBorrowed)
    FBorrowed->SetBounds(clientBounds.left, clientBounds.top, clientBounds.right - clientBounds.left,
                         clientBounds.bottom - clientBounds.top);
}

void TcxCustomPopupEdit::PreparePopupWindow() {
  TControl* control = PopupEditProperties().PopupControl();
  if (control && control != FBorrowed) {
    ReturnPopupControl();
    FBorrowed = control;
    FBorrowed->FreeNotification(this);
    FPlace = {control->Parent(), control->Align(), control->BoundsRect(), control->Visible(), bsNone};
    if (FPlace.Parent) FPlace.Parent->FreeNotification(this);
    if (auto* form = dynamic_cast<TForm*>(control)) {
      FPlace.BorderStyle = form->BorderStyle();
      form->SetBorderStyle(bsNone);
    }
  }
  TcxCustomDropDownEdit::PreparePopupWindow();
  if (FBorrowed) BorrowPopupControl(*FBorrowed);
}

void TcxCustomPopupEdit::BorrowPopupControl(TControl& control) {
  TcxCustomEditPopupWindow* popup = PopupWindow();
  if (!popup) return;
  // The popup's window first, so that the control keeps its own window as it moves in.
  popup->HandleNeeded();
  control.SetParent(popup);
  control.SetVisible(true);
  control.SetAlign(alClient);
}

// The control is hidden while it moves, so that its old parent never lays it
// out or shows it with the popup's alignment.
void TcxCustomPopupEdit::ReturnPopupControl() {
  TControl* control = std::exchange(FBorrowed, nullptr);
  if (!control) return;
  const TPopupControlPlace place = std::exchange(FPlace, {});
  control->SetVisible(false);
  control->SetParent(place.Parent);
  control->SetAlign(place.Align);
  control->SetBounds(place.Bounds.left, place.Bounds.top, place.Bounds.right - place.Bounds.left,
                     place.Bounds.bottom - place.Bounds.top);
  control->SetVisible(place.Visible);
  if (auto* form = dynamic_cast<TForm*>(control)) form->SetBorderStyle(place.BorderStyle);
}

void TcxCustomPopupEdit::Notification(TComponent* component, TOperation operation) {
  TcxCustomDropDownEdit::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FBorrowed) FBorrowed = nullptr;
  if (component == FPlace.Parent) FPlace.Parent = nullptr;
}

TClass TcxPopupEdit::StaticClass() {
  using E = TcxPopupEdit;
  static const TMetaClass metaClass = [] {
    TClassBuilder<E> builder("TcxPopupEdit", TcxCustomPopupEdit::StaticClass());
    builder.Object("Properties", &E::PropertiesObject);
    return PublishTextEditMembers(builder).Build();
  }();
  return &metaClass;
}
