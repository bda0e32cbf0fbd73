#include "controls/foundation/cxControlsControl.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/Form.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"

namespace {

unsigned SystemWheelScrollLines() { return static_cast<unsigned>(Mouse().WheelScrollLines()); }

bool IsBackward(TcxDirection direction) { return direction == dirLeft || direction == dirUp; }

}  // namespace

TcxWheelApi& cxWheelApi() {
  static TcxWheelApi api{SystemWheelScrollLines};
  return api;
}

unsigned WheelScrollLines() { return cxWheelApi().WheelScrollLines(); }

LRESULT DialogCodeOfKeys(TcxKeys keys, bool ctrlPressed) {
  LRESULT code = 0;
  if (keys.Contains(kAll)) code |= DLGC_WANTALLKEYS;
  if (keys.Contains(kArrows)) code |= DLGC_WANTARROWS;
  if (keys.Contains(kChars)) code |= DLGC_WANTCHARS;
  if (keys.Contains(kTab) && !ctrlPressed) code |= DLGC_WANTTAB;
  return code;
}

// ---- the drag-and-drop object

TcxDragAndDropObject::TcxDragAndDropObject(TcxControl& control) : FControl(control) {}

TcxCanvas& TcxDragAndDropObject::Canvas() const { return FControl.Canvas(); }

void TcxDragAndDropObject::SetDirty(bool value) {
  if (value == FDirty) return;
  FDirty = value;
  DirtyChanged();
}

void TcxDragAndDropObject::Init() {
  FCurMousePos = FControl.ScreenToClient(GetCursorPosition());
  FPrevMousePos = FCurMousePos;
  BeginDragAndDrop();
}

void TcxDragAndDropObject::DoDragAndDrop(POINT point, bool& accepted) {
  FPrevMousePos = FCurMousePos;
  FCurMousePos = point;
  DragAndDrop(point, accepted);
}

void TcxDragAndDropObject::DoEndDragAndDrop(bool accepted) {
  const TcxWeakSelf control(&FControl);
  EndDragAndDrop(accepted);
  if (control.Alive()) AfterDragAndDrop();
}

void TcxDragAndDropObject::DragAndDrop(POINT /*point*/, bool& accepted) {
  SetDirty(false);
  Screen().SetCursor(GetDragAndDropCursor(accepted));
}

// ---- the control

TClass TcxControl::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxControl>("TcxControl", TCustomControl::StaticClass()).Build();
  return &metaClass;
}

TcxControl::TcxControl(TComponent* owner)
    : TCustomControl(owner),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)),
      FCanvas(std::make_unique<TcxCanvas>(TCustomControl::Canvas())) {
  // The library's controls press, capture and click like the class library's own.
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  style.Include(csClickEvents);
  SetControlStyle(style);
  FLookAndFeel->SetOnChanged(
      [this](TcxLookAndFeel* sender, TcxLookAndFeelValues changed) { LookAndFeelChanged(sender, changed); });
  FDefaultCursor = Cursor();
}

TcxControl::~TcxControl() { ClearObjectLinks(this); }

void TcxControl::BeforeDestruction() {
  // Whoever checks a weak link from here on finds the control gone.
  ClearObjectLinks(this);
  FDragAndDropObject.reset();
  SetPopupMenu(nullptr);
  FFontListeners.clear();
  TCustomControl::BeforeDestruction();
}

void TcxControl::SetBorderStyle(TcxControlBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  BoundsChanged();
  Invalidate();
}

void TcxControl::SetPopupMenu(TComponent* value) {
  if (value && !value->InheritsFrom(TPopupMenu::StaticClass())) value = nullptr;
  if (value == FPopupMenu) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TcxControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

void TcxControl::AddFontListener(IcxFontListener* listener) {
  if (std::find(FFontListeners.begin(), FFontListeners.end(), listener) == FFontListeners.end())
    FFontListeners.push_back(listener);
}

void TcxControl::RemoveFontListener(IcxFontListener* listener) { std::erase(FFontListeners, listener); }

void TcxControl::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

// ---- geometry

RECT TcxControl::GetBounds() {
  if (!IsRectEmpty(&FStoredBounds)) return FStoredBounds;
  return ClientRect();
}

int TcxControl::GetBorderSize() {
  if (FBorderStyle == cxcbsNone) return 0;
  return GetPainter()->BorderSize();
}

RECT TcxControl::GetClientBounds() {
  RECT bounds = GetBounds();
  const int border = GetBorderSize();
  InflateRect(&bounds, -border, -border);
  return bounds;
}

void TcxControl::InvalidateRect(const RECT& rect, bool eraseBackground) {
  if (HandleAllocated()) ::InvalidateRect(Handle(), &rect, eraseBackground);
}

void TcxControl::Paint() {
  if (FBorderStyle == cxcbsDefault) {
    GetPainter()->DrawBorder(*FCanvas, GetBounds());
    FCanvas->IntersectClipRect(GetClientBounds());
  }
}

void TcxControl::Resize() {
  TCustomControl::Resize();
  BoundsChanged();
}

void TcxControl::BoundsChanged() { TCustomControl::BoundsChanged(); }

// ---- focus

bool TcxControl::CanFocusEx() {
  if (!CanFocus()) return false;
  TForm* form = GetParentForm(*this);
  return !form || (form->Enabled() && form->Visible());
}

bool TcxControl::CanFocusOnClick() { return !IsDesigning() && FFocusOnClick && Focusable() && CanFocus(); }

void TcxControl::FocusChanged() {
  if (FOnFocusChanged) FOnFocusChanged(this);
}

// ---- notifications

void TcxControl::FontChanged() {
  const TcxWeakSelf self(this);
  for (IcxFontListener* listener : std::vector<IcxFontListener*>(FFontListeners)) {
    listener->Changed(this, Font());
    if (!self.Alive()) return;
  }
  Invalidate();
}

void TcxControl::CursorChanged() {
  if (!FSettingOwnCursor) FDefaultCursor = Cursor();
}

void TcxControl::MouseEnter(TControl* /*control*/) {
  if (FOnMouseEnter) FOnMouseEnter(this);
}

void TcxControl::MouseLeave(TControl* /*control*/) {
  if (FOnMouseLeave) FOnMouseLeave(this);
}

void TcxControl::CancelMouseOperations() { FMouseDown = false; }

void TcxControl::EndMouseOperations() { FinishDragAndDrop(true); }

// ---- the window procedure

void TcxControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE: message.Result = DialogCodeOfKeys(FKeys, IsCtrlPressed()); return;
    case WM_ERASEBKGND:
      if (NeedsEraseBackground()) return DefaultHandler(message);
      message.Result = 1;
      return;
    case WM_CONTEXTMENU: return ContextMenuMessage(message);
    case CN_KEYDOWN:
      if (KeyDuringDragAndDrop(message)) return;
      break;
    case WM_CANCELMODE: {
      const TcxWeakSelf self(this);
      FinishDragAndDrop(false);
      if (!self.Alive()) return;
      CancelMouseOperations();
      if (!self.Alive()) return;
      break;
    }
    default: break;
  }
  const TcxWeakSelf self(this);
  TCustomControl::WndProc(message);
  if (self.Alive()) AfterMessage(message);
}

void TcxControl::AfterMessage(const TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: FocusChanged(); break;
    case CM_COLORCHANGED: ColorChanged(); break;
    case CM_FONTCHANGED: FontChanged(); break;
    case CM_CURSORCHANGED: CursorChanged(); break;
    case CM_TEXTCHANGED: TextChanged(); break;
    case CM_VISIBLECHANGED: VisibleChanged(); break;
    case CM_MOUSEENTER: MouseEnter(MessageObject<TControl>(message, this)); break;
    case CM_MOUSELEAVE: MouseLeave(MessageObject<TControl>(message, this)); break;
    default: break;
  }
}

// The menu shows where the pointer is, or at the control's corner for the
// menu key; a click on the bars or the border is the parent's.
void TcxControl::ContextMenuMessage(TMessage& message) {
  const POINT point = MessagePoint(message);
  if (!IsDesigning() && (point.x != -1 || point.y != -1)) {
    const POINT local = ScreenToClient(point);
    const RECT client = GetClientBounds();
    if (!PtInRect(&client, local)) return DefaultHandler(message);
  }
  TCustomControl::WndProc(message);
}

void TcxControl::DoContextPopup(POINT mousePos, bool& handled) {
  const TcxWeakSelf self(this);
  TCustomControl::DoContextPopup(mousePos, handled);
  if (handled || !self.Alive() || IsDesigning()) return;
  const POINT at = mousePos.x == -1 && mousePos.y == -1 ? ClientToScreen(POINT{0, 0}) : mousePos;
  handled = DoShowPopupMenu(FPopupMenu, at.x, at.y);
}

bool TcxControl::DoShowPopupMenu(TComponent* menu, int x, int y) {
  if (!menu) return false;
  static_cast<TPopupMenu*>(menu)->Popup(x, y);
  return true;
}

// While dragging, keys serve the drag alone: Escape goes straight to
// KeyDown, which cancels it (posted, the loop would offer it here again).
bool TcxControl::KeyDuringDragAndDrop(TMessage& message) {
  if (FDragAndDropState != 2) return false;
  if (KeyCode(message) == VK_ESCAPE) Perform(WM_KEYDOWN, VK_ESCAPE);
  message.Result = 1;
  return true;
}

void TcxControl::KeyDown(WORD& key, TShiftState shift) {
  const TcxWeakSelf self(this);
  TCustomControl::KeyDown(key, shift);
  if (self.Alive() && key == VK_ESCAPE && FDragAndDropState != 0) FinishDragAndDrop(false);
}

// ---- the mouse

void TcxControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  FMouseDownPos = POINT{x, y};
  if (!shift.Contains(ssDouble) && CanFocusOnClickAt(x, y)) {
    const POINT before = ClientToScreen(POINT{0, 0});
    SetFocus();
    if (!self.Alive()) return;
    if (!IsFocused() && !AllowsMouseDownWithoutFocus()) {
      if (self.Alive()) SetMouseCapture(false);
      return;
    }
    if (!self.Alive()) return;
    const POINT after = ClientToScreen(POINT{0, 0});
    x -= after.x - before.x;
    y -= after.y - before.y;
  }
  ArmDragAndDrop(button, shift, POINT{x, y});
  if (!self.Alive()) return;
  BeforeMouseDown(button, shift, x, y);
  if (!self.Alive()) return;
  TCustomControl::MouseDown(button, shift, x, y);
  if (self.Alive()) FMouseDown = MouseCapture();
}

void TcxControl::ArmDragAndDrop(TMouseButton button, TShiftState shift, POINT point) {
  const TcxWeakSelf self(this);
  if (button == mbLeft && !shift.Contains(ssDouble) && StartDragAndDrop(point)) {
    if (!self.Alive()) return;
    if (DragAndDropObject().GetImmediateStart()) {
      if (self.Alive()) BeginDragAndDrop();
    } else if (self.Alive()) {
      SetDragAndDropState(1);
    }
  } else if (self.Alive() && FDragAndDropState != 0) {
    FinishDragAndDrop(false);
  }
}

void TcxControl::MouseMove(TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  SetOwnCursor(GetCurrentCursor(x, y));
  if (!self.Alive()) return;
  TCustomControl::MouseMove(shift, x, y);
  if (!self.Alive()) return;
  if (FDragAndDropState == 1 && !IsWithinDragThreshold(x, y)) BeginDragAndDrop();
  if (!self.Alive() || FDragAndDropState != 2) return;
  bool accepted = false;
  DragAndDrop(POINT{x, y}, accepted);
}

void TcxControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  FMouseDown = false;
  EndMouseOperations();
  if (self.Alive()) TCustomControl::MouseUp(button, shift, x, y);
}

void TcxControl::SetOwnCursor(TCursor cursor) {
  FSettingOwnCursor = true;
  SetCursor(cursor);
  FSettingOwnCursor = false;
}

bool TcxControl::IsWithinDragThreshold(int x, int y) { return IsPointWithinDragThreshold(FMouseDownPos, x, y); }

// ---- the library's drag-and-drop

void TcxControl::SetDragAndDropState(int value) {
  FDragAndDropState = value;
  if (value == 0 && !FFinishingDragAndDrop) CancelMouseOperations();
}

TcxDragAndDropObjectClass TcxControl::GetDragAndDropObjectClass() {
  if (FDragAndDropObjectClass) return FDragAndDropObjectClass;
  return [](TcxControl& control) { return std::make_unique<TcxDragAndDropObject>(control); };
}

TcxDragAndDropObject& TcxControl::DragAndDropObject() {
  if (!FDragAndDropObject) FDragAndDropObject = GetDragAndDropObjectClass()(*this);
  return *FDragAndDropObject;
}

void TcxControl::BeginDragAndDrop() {
  const TcxWeakSelf self(this);
  DragAndDropObject().Init();
  if (!self.Alive()) return;
  SetMouseCapture(true);
  FDragAndDropPrevCursor = Screen().Cursor();
  FDragAndDropState = 2;
}

void TcxControl::DragAndDrop(POINT point, bool& accepted) { DragAndDropObject().DoDragAndDrop(point, accepted); }

void TcxControl::EndDragAndDrop(bool accepted) {
  const TcxWeakSelf self(this);
  SetDragAndDropState(0);
  Screen().SetCursor(FDragAndDropPrevCursor);
  SetMouseCapture(false);
  if (self.Alive()) DragAndDropObject().DoEndDragAndDrop(accepted);
}

void TcxControl::FinishDragAndDrop(bool accepted) {
  if (FFinishingDragAndDrop) return;
  const TcxWeakSelf self(this);
  FFinishingDragAndDrop = true;
  if (FDragAndDropState == 2)
    EndDragAndDrop(accepted);
  else
    SetDragAndDropState(0);
  if (!self.Alive()) return;
  FFinishingDragAndDrop = false;
  FDragAndDropObject.reset();
}

// ---- the wheel and directional scrolling

bool TcxControl::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) {
  const TcxWeakSelf self(this);
  if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos) || !self.Alive()) return true;
  const int kind = GetMouseWheelScrollingKind();
  if (kind == 0) return false;
  TcxDirection direction = wheelDelta > 0 ? dirLeft : dirRight;
  if (kind == 2) direction = wheelDelta > 0 ? dirUp : dirDown;
  // A page per notch when the user asked for a screen at a time: as many
  // lines as the setting's number would never end.
  const unsigned lines = WheelScrollLines();
  if (lines == cxWheelPageScroll) {
    ScrollByDirection(direction, true);
    return true;
  }
  for (unsigned line = 0; line < lines && self.Alive(); ++line) ScrollByDirection(direction);
  return true;
}

bool TcxControl::ScrollByDirection(TcxDirection direction, bool byPage) {
  if (direction == dirNone || (!HasOwnScrollBars() && !CanScrollByDirection(direction))) return false;
  const TScrollBarKind kind = direction == dirLeft || direction == dirRight ? sbHorizontal : sbVertical;
  TScrollCode code = IsBackward(direction) ? scLineUp : scLineDown;
  if (byPage) code = IsBackward(direction) ? scPageUp : scPageDown;
  int position = ScrollBarPosition(kind);
  const TcxWeakSelf self(this);
  Scroll(kind, code, position);
  if (self.Alive()) Update();
  return true;
}

// ---- child components

TClass TcxControlChildComponent::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxControlChildComponent>("TcxControlChildComponent", TcxComponent::StaticClass()).Build();
  return &metaClass;
}

TComponent* TcxControlChildComponent::GetParentComponent() const { return FControl; }

void TcxControlChildComponent::BeforeDestruction() {
  if (FControl) FControl->RemoveChildComponent(this);
  TcxComponent::BeforeDestruction();
}

void TcxControlChildComponent::SetParentComponent(TComponent* parent) {
  if (parent && parent->InheritsFrom(TcxControl::StaticClass()))
    static_cast<TcxControl*>(parent)->AddChildComponent(this);
}
