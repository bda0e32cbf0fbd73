#include "controls/editors/dropdown/cxComboBox.h"

#include <algorithm>

#include "controls/editors/base/cxEditConsts.h"
#include "controls/foundation/controls/cxControls.h"
#include "platform/classes/ClassBuilder.h"

namespace {

const TcxFilterComboBoxHelper gFilterComboBoxHelper;

bool IsFocusedFixedList(const TcxCustomEditViewData& data, const TcxCustomComboBoxProperties& properties) {
  return data.Focused && properties.DropDownListStyle() == lsFixedList;
}

}  // namespace

// ---- TcxCustomComboBoxInnerEdit

TClass TcxCustomComboBoxInnerEdit::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomComboBoxInnerEdit>("TcxCustomComboBoxInnerEdit", TcxCustomInnerTextEdit::StaticClass())
          .Build();
  return &metaClass;
}

void TcxCustomComboBoxInnerEdit::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONUP) {
    TControlState state = ControlState();
    state.Exclude(csClicked);
    SetControlState(state);
  }
  TcxCustomInnerTextEdit::WndProc(message);
}

// ---- TcxCustomComboBoxViewInfo

void TcxCustomComboBoxViewInfo::Assign(const TcxContainerViewInfo* source) {
  TcxCustomTextEditViewInfo::Assign(source);
  if (const auto* other = dynamic_cast<const TcxCustomComboBoxViewInfo*>(source)) {
    ComboProperties = other->ComboProperties;
    ItemIndex = other->ItemIndex;
    ItemState = other->ItemState;
  }
}

void TcxCustomComboBoxViewInfo::DrawTextContent(TcxCanvas& canvas) {
  if (ItemIndex < 0 || !ComboProperties || !ComboProperties->OnDrawItem())
    return TcxCustomTextEditViewInfo::DrawTextContent(canvas);
  const bool selected = ItemState.Contains(odSelected);
  canvas.SetBrushColor(selected ? clHighlight : BackgroundColor);
  canvas.Font().SetColor(selected ? clHighlightText : TextColor);
  ComboProperties->OnDrawItem()(dynamic_cast<TcxCustomComboBox*>(Editor), &canvas, ItemIndex, TextAreaRect(),
                                ItemState);
}

std::unique_ptr<TcxContainerViewInfo> CreateComboBoxViewInfo() { return std::make_unique<TcxCustomComboBoxViewInfo>(); }

// ---- TcxCustomComboBoxViewData

// A focused fixed list shows its text as a chosen item.
void TcxCustomComboBoxViewData::Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint,
                                          TMouseButton button, TShiftState shift, TcxCustomEditViewInfo& viewInfo,
                                          bool isMouseEvent) {
  TcxCustomDropDownEditViewData::Calculate(canvas, bounds, mousePoint, button, shift, viewInfo, isMouseEvent);
  if (!IsFocusedFixedList(*this, ComboProperties())) return;
  viewInfo.SetBackgroundColor(clHighlight);
  viewInfo.TextColor = clHighlightText;
}

// Without the focus a fixed list with a drawing handler draws the item its value names.
void TcxCustomComboBoxViewData::EditValueToDrawValue(const Variant& editValue, TcxCustomEditViewInfo& viewInfo) {
  TcxCustomDropDownEditViewData::EditValueToDrawValue(editValue, viewInfo);
  auto* comboInfo = dynamic_cast<TcxCustomComboBoxViewInfo*>(&viewInfo);
  if (!comboInfo) return;
  comboInfo->ComboProperties = &ComboProperties();
  comboInfo->ItemIndex = -1;
  const TcxCustomComboBoxProperties& properties = ComboProperties();
  if (properties.DropDownListStyle() != lsFixedList || !properties.OnDrawItem()) return;
  comboInfo->ItemIndex = properties.Items().IndexOf(DisplayTextOf(editValue));
  comboInfo->ItemState = TOwnerDrawState();
  if (Focused) {
    comboInfo->ItemState.Include(odSelected);
    comboInfo->ItemState.Include(odFocused);
  }
}

std::unique_ptr<TcxCustomEditViewData> CreateComboBoxViewData(TcxCustomEditProperties& properties,
                                                              TcxCustomEditStyle& style, bool inplace) {
  return std::make_unique<TcxCustomComboBoxViewData>(properties, style, inplace);
}

// ---- TcxCustomComboBox

TClass TcxCustomComboBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomComboBox>("TcxCustomComboBox", TcxCustomDropDownEdit::StaticClass()).Build();
  return &metaClass;
}

TcxCustomComboBox::TcxCustomComboBox(TComponent* owner, bool inplace, TClass propertiesClass)
    : TcxCustomDropDownEdit(owner, inplace, propertiesClass) {}

void TcxCustomComboBox::AfterConstruction() {
  TcxCustomDropDownEdit::AfterConstruction();
  TControlStyle style = ControlStyle();
  style.Exclude(csClickEvents);
  SetControlStyle(style);
}

IcxCustomInnerEdit* TcxCustomComboBox::CreateInnerEdit() { return &(new TcxCustomComboBoxInnerEdit(this))->Helper(); }

TcxCustomComboBoxProperties* TcxCustomComboBox::RepositoryComboProperties() const {
  if (!RepositoryItem()) return nullptr;
  return dynamic_cast<TcxCustomComboBoxProperties*>(ActiveProperties());
}

void TcxCustomComboBox::SetItemIndex(int value) { LookupData().SetItemIndex(value); }

// ---- the drop-down

bool TcxCustomComboBox::CanDropDown() { return LookupData().GetItemCount() > 0; }

// The list, made on the first opening, goes into the popup and draws its
// scroll bars and checks in the editor's look, not the program's.
void TcxCustomComboBox::PreparePopupWindow() {
  TcxCustomEditListBox& list = LookupData().List();
  if (list.Parent() != PopupWindow()) list.SetParent(PopupWindow());
  list.LookAndFeel().SetMasterLookAndFeel(&PopupControlsLookAndFeel());
  TcxCustomDropDownEdit::PreparePopupWindow();
}

void TcxCustomComboBox::SetupPopupWindow() {
  TcxCustomDropDownEdit::SetupPopupWindow();
  if (auto* popup = dynamic_cast<TcxComboBoxPopupWindow*>(PopupWindow())) SetupComboPopupWindow(*popup);
}

void TcxCustomComboBox::SetupComboPopupWindow(TcxComboBoxPopupWindow& popup) {
  popup.SetPopupSysPanelStyle(ComboProperties().PopupSizeable());
  const auto* data = dynamic_cast<TcxCustomDropDownEditData*>(EditData());
  popup.SetUserSizeHeld(IsInplace() ? data && data->HasPopupSize() : FHasUserPopupSize);
}

void TcxCustomComboBox::PopupResizedByUser() {
  TcxCustomDropDownEdit::PopupResizedByUser();
  FHasUserPopupSize = true;
}

// The list's rows for the popup's width, within the larger of the room
// below and above the editor on the work area.
SIZE TcxCustomComboBox::GetPopupContentSize() {
  TcxCustomEditPopupWindow& popup = *PopupWindow();
  const TRect extent = popup.EditViewInfo().GetBorderExtent();
  RECT owner = PopupOwnerBounds();
  if (HandleAllocated()) owner = MapWindowRect(Handle(), nullptr, owner);
  const RECT area = GetDesktopWorkArea(POINT{owner.left, owner.top});
  int borderHeight = extent.top + extent.bottom;
  if (popup.Shadow()) borderHeight += cxContainerShadowWidth;
  const int availableHeight = std::max(area.bottom - owner.bottom, owner.top - area.top) - borderHeight;
  const TcxCustomComboBoxProperties& properties = ComboProperties();
  int width = owner.right - owner.left;
  if (!properties.DropDownSizeable() && !properties.DropDownAutoWidth() && properties.DropDownWidth() >= 1)
    width = properties.DropDownWidth();
  return ComboLookupData().GetListSize(width - extent.left - extent.right, availableHeight);
}

void TcxCustomComboBox::PopupClientBoundsChanged(const RECT& clientBounds) {
  if (LookupData().HasList()) ComboLookupData().SetVisualAreaBounds(clientBounds);
}

// A list that opens under the resting pointer keeps its item until the pointer moves.
void TcxCustomComboBox::DoPopup() {
  const TcxWeakSelf self(this);
  TcxCustomDropDownEdit::DoPopup();
  if (!self.Alive()) return;
  ShowCurrentItemInList();
  if (IsPointerOverList()) ComboLookupData().ComboList().IgnoreMouseRestingAt(GetCursorPosition());
}

void TcxCustomComboBox::ShowCurrentItemInList() {
  if (LookupData().IsListVisible()) LookupData().List().SetItemIndex(LookupData().ItemIndex());
}

// The list closed without its item taken: the text's own item is the current one again.
void TcxCustomComboBox::DoCloseUp() {
  LookupData().TextChanged();
  TcxCustomDropDownEdit::DoCloseUp();
}

// The text a form gave the editor names its item.
void TcxCustomComboBox::Loaded() {
  TcxCustomDropDownEdit::Loaded();
  LookupData().TextChanged();
}

// Typing completes the text to an item: an open list shows it.
void TcxCustomComboBox::DoEditKeyPress(char& key) {
  const TcxWeakSelf self(this);
  TcxCustomDropDownEdit::DoEditKeyPress(key);
  if (self.Alive()) ShowCurrentItemInList();
}

bool TcxCustomComboBox::IsPointerOverList() const {
  if (!LookupData().HasList() || !LookupData().List().HandleAllocated()) return false;
  RECT bounds{};
  GetWindowRect(LookupData().List().Handle(), &bounds);
  const POINT pointer = GetCursorPosition();
  return PtInRect(&bounds, pointer) != FALSE;
}

// ---- the edit base

void TcxCustomComboBox::AdjustInnerControl() {
  TcxCustomDropDownEdit::AdjustInnerControl();
  if (InnerControl() && Focused() && ComboProperties().DropDownListStyle() == lsFixedList)
    InnerControl()->Font().SetColor(EditViewInfo().TextColor);
}

void TcxCustomComboBox::Activate(TcxCustomEditData*& editData) {
  const TcxWeakSelf self(this);
  TcxCustomDropDownEdit::Activate(editData);
  if (self.Alive()) LookupData().TextChanged();
}

// The text edit keeps the lookup in step with every change of the text; a
// change of the item it stands on is a change the user made.
void TcxCustomComboBox::InnerEditChangeHandler(TObject* sender) {
  const int itemIndex = LookupData().ItemIndex();
  const TcxWeakSelf self(this);
  TcxCustomDropDownEdit::InnerEditChangeHandler(sender);
  if (!self.Alive() || LookupData().ItemIndex() == itemIndex) return;
  SetModifiedAfterEnter(true);
  ShowCurrentItemInList();
}

void TcxCustomComboBox::DoEditKeyDown(WORD& key, TShiftState shift) {
  if (MoveInOpenList(key, shift)) {
    key = 0;
    return;
  }
  TcxCustomDropDownEdit::DoEditKeyDown(key, shift);
}

bool TcxCustomComboBox::MoveInOpenList(WORD key, TShiftState shift) {
  if (shift.Contains(ssAlt) || !DroppedDown() || !LookupData().IsListVisible()) return false;
  const bool fixedList = ComboProperties().DropDownListStyle() == lsFixedList;
  const bool ctrl = shift.Contains(ssCtrl);
  switch (key) {
    case VK_UP: LookupData().SelectItem(elmPrevious, false); return true;
    case VK_DOWN: LookupData().SelectItem(elmNext, false); return true;
    case VK_PRIOR: LookupData().SelectItem(ctrl ? elmFirst : elmPageUp, false); return true;
    case VK_NEXT: LookupData().SelectItem(ctrl ? elmLast : elmPageDown, false); return true;
    case VK_HOME:
      if (fixedList) LookupData().SelectItem(elmFirst, false);
      return fixedList;
    case VK_END:
      if (fixedList) LookupData().SelectItem(elmLast, false);
      return fixedList;
    default: return false;
  }
}

bool TcxCustomComboBox::HasDrawItemHandler() const {
  const auto& own = static_cast<const TcxCustomComboBoxProperties&>(*Properties());
  const TcxCustomComboBoxProperties* repository = RepositoryComboProperties();
  return own.OnDrawItem() || (repository && repository->OnDrawItem());
}

bool TcxCustomComboBox::HasMeasureItemHandler() const {
  const auto& own = static_cast<const TcxCustomComboBoxProperties&>(*Properties());
  const TcxCustomComboBoxProperties* repository = RepositoryComboProperties();
  return own.OnMeasureItem() || (repository && repository->OnMeasureItem());
}

bool TcxCustomComboBox::DoDrawItem(TcxCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state) {
  const TcxWeakSelf self(this);
  const auto& own = static_cast<const TcxCustomComboBoxProperties&>(*Properties());
  bool drawn = false;
  if (own.OnDrawItem()) {
    own.OnDrawItem()(this, &canvas, index, rect, state);
    drawn = true;
  }
  const TcxCustomComboBoxProperties* repository = self.Alive() ? RepositoryComboProperties() : nullptr;
  if (repository && repository->OnDrawItem()) {
    repository->OnDrawItem()(this, &canvas, index, rect, state);
    drawn = true;
  }
  return drawn;
}

void TcxCustomComboBox::DoMeasureItem(TWinControl* list, int index, int& height) {
  const TcxWeakSelf self(this);
  const auto& own = static_cast<const TcxCustomComboBoxProperties&>(*Properties());
  if (own.OnMeasureItem()) own.OnMeasureItem()(list, index, height);
  const TcxCustomComboBoxProperties* repository = self.Alive() ? RepositoryComboProperties() : nullptr;
  if (repository && repository->OnMeasureItem()) repository->OnMeasureItem()(list, index, height);
}

void TcxCustomComboBox::MouseReleasedOverList(POINT screenPoint) {
  if (!DroppedDown() || !LookupData().HasList()) return;
  TcxCustomEditListBox& list = LookupData().List();
  if (!list.HandleAllocated()) return;
  const POINT point = list.ScreenToClient(screenPoint);
  const RECT client = list.ClientRect();
  if (!PtInRect(&client, point)) return;
  const LPARAM position = MAKELPARAM(point.x, point.y);
  SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, position);
  if (list.HandleAllocated()) SendMessageA(list.Handle(), WM_LBUTTONUP, 0, position);
}

void TcxCustomComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TcxCustomDropDownEdit::MouseUp(button, shift, x, y);
  if (self.Alive() && button == mbLeft) MouseReleasedOverList(ClientToScreen(POINT{x, y}));
}

void TcxCustomComboBox::DblClick() {
  const TcxWeakSelf self(this);
  TcxCustomDropDownEdit::DblClick();
  if (self.Alive() && !DroppedDown() && ComboProperties().Revertable()) StepToNextItem();
}

void TcxCustomComboBox::StepToNextItem() {
  const Variant before = GetEditValue();
  const TcxWeakSelf self(this);
  LookupData().SelectItem(elmNext, true);
  if (!self.Alive() || VarEqualsExact(before, GetEditValue())) return;
  if (Focused() && ComboProperties().ImmediatePost() && DataBinding()->CanPost()) PostEditValue(false);
}

// A selection left behind would show again when the editor comes back.
void TcxCustomComboBox::FocusChanged() {
  const TcxCustomComboBoxProperties& properties = ComboProperties();
  if (properties.AutoSelect() && properties.HideSelection() && !Focused()) {
    SetSelStart(0);
    SetSelLength(0);
  }
  TcxCustomDropDownEdit::FocusChanged();
}

bool TcxCustomComboBox::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) {
  const TcxWeakSelf self(this);
  if (TcxCustomDropDownEdit::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  if (!self.Alive() || !DroppedDown() || LookupData().GetItemCount() == 0 || !LookupData().HasList()) return false;
  LookupData().List().Perform(WM_MOUSEWHEEL, MAKEWPARAM(ShiftStateToKeys(shift), wheelDelta),
                              MAKELPARAM(mousePos.x, mousePos.y));
  return true;
}

// ---- TcxComboBox

TClass TcxComboBox::StaticClass() {
  using E = TcxComboBox;
  static const TMetaClass metaClass = [] {
    TClassBuilder<E> builder("TcxComboBox", TcxCustomComboBox::StaticClass());
    builder.Object("Properties", &E::PropertiesObject);
    return PublishTextEditMembers(builder).Build();
  }();
  return &metaClass;
}

// ---- TcxFilterComboBoxHelper

TClass TcxFilterComboBoxHelper::StaticClass() {
  static const TMetaClass metaClass("TcxFilterComboBoxHelper", TcxFilterMaskEditHelper::StaticClass(), nullptr, {}, {},
                                    {});
  return &metaClass;
}

void TcxFilterComboBoxHelper::InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const {
  TcxFilterMaskEditHelper::InitializeProperties(properties, keepButtons);
  auto* combo = dynamic_cast<TcxCustomComboBoxProperties*>(&properties);
  if (!combo) return;
  combo->BeginUpdate();
  combo->SetButtonGlyph(nullptr);
  combo->SetDropDownRows(8);
  combo->SetDropDownListStyle(lsEditList);
  combo->SetImmediateDropDown(false);
  combo->SetPopupAlignment(taLeftJustify);
  combo->SetRevertable(false);
  combo->EndUpdate(true);
}

// ---- the unit

void cxComboBoxInitialize() {
  GetRegisteredEditProperties()->Register(TcxComboBoxProperties::StaticClass(),
                                          cxGetResourceString(cxMsgComboBoxRegistration));
  RegisterFilterEditHelper(TcxComboBoxProperties::StaticClass(), gFilterComboBoxHelper);
  RegisterClasses({TcxComboBox::StaticClass()});
}

void cxComboBoxFinalize() {
  UnRegisterClass(TcxComboBox::StaticClass());
  UnregisterFilterEditHelper(TcxComboBoxProperties::StaticClass(), gFilterComboBoxHelper);
  if (TcxRegisteredClasses* registered = GetRegisteredEditProperties())
    registered->Unregister(TcxComboBoxProperties::StaticClass());
}
