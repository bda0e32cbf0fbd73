#include "controls/foundation/controls/cxControlsControl.h"

#include <algorithm>

#include "controls/foundation/controls/cxControlsPanning.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/Mouse.h"
#include "platform/controls/core/Screen.h"

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
  SetTabStop(Focusable());
  SetParentBackground(true);
  CreateScrollBars();
}

TcxControl::~TcxControl() { ClearObjectLinks(this); }

void TcxControl::BeforeDestruction() {
  // Whoever checks a weak link from here on finds the control gone.
  ClearObjectLinks(this);
  FDragAndDropObject.reset();
  FMouseCaptureObject = nullptr;
  FDragImages.reset();
  // The settings controller would otherwise tell a freed control of the next change.
  DestroyScrollBars();
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
  if (value && !value->InheritsFrom(TPopupMenu::StaticClass()) && !dynamic_cast<IcxPopupMenu*>(value)) value = nullptr;
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
  if (FHScrollBar && FHScrollBar->Visible()) bounds.bottom -= FHScrollBar->Height();
  if (FVScrollBar && FVScrollBar->Visible()) bounds.right -= FVScrollBar->Width();
  return bounds;
}

RECT TcxControl::GetHScrollBarBounds() {
  RECT bounds = GetClientBounds();
  bounds.top = bounds.bottom;
  bounds.bottom = bounds.top + FHScrollBar->Height();
  return bounds;
}

RECT TcxControl::GetVScrollBarBounds() {
  RECT bounds = GetClientBounds();
  bounds.left = bounds.right;
  bounds.right = bounds.left + FVScrollBar->Width();
  return bounds;
}

RECT TcxControl::GetSizeGripBounds() {
  const int left = FVScrollBar->Left();
  const int top = FHScrollBar->Top();
  return RECT{left, top, left + FVScrollBar->Width(), top + FHScrollBar->Height()};
}

// ---- the bars

void TcxControl::CreateScrollBars() {
  if (FHScrollBar) return;
  FHScrollBar = new TcxControlScrollBar(this, FLookAndFeel.get());
  FHScrollBar->SetKind(sbHorizontal);
  FHScrollBar->SetOnScroll([this](TObject*, TScrollCode code, int& position) { Scroll(sbHorizontal, code, position); });
  FVScrollBar = new TcxControlScrollBar(this, FLookAndFeel.get());
  FVScrollBar->SetKind(sbVertical);
  FVScrollBar->SetOnScroll([this](TObject*, TScrollCode code, int& position) { Scroll(sbVertical, code, position); });
  FSizeGrip = new TcxSizeGrip(this);
  FSizeGrip->SetVisible(false);
  FHScrollBar->SetHeight(GetSystemMetrics(SM_CYHSCROLL));
  FVScrollBar->SetWidth(GetSystemMetrics(SM_CXVSCROLL));
  cxSettingsController().AddListener(this);
}

void TcxControl::DestroyScrollBars() {
  if (!FHScrollBar) return;
  cxSettingsController().RemoveListener(this);
  std::exchange(FSizeGrip, nullptr)->Free();
  std::exchange(FVScrollBar, nullptr)->Free();
  std::exchange(FHScrollBar, nullptr)->Free();
}

void TcxControl::InitScrollBars() {
  if (!FHScrollBar) return;
  FHScrollBar->SetParent(this);
  FVScrollBar->SetParent(this);
  FSizeGrip->SetParent(this);
}

void TcxControl::CreateWnd() {
  TCustomControl::CreateWnd();
  if (HasScrollBars())
    CreateScrollBars();
  else
    DestroyScrollBars();
  InitScrollBars();
}

bool TcxControl::IsInternalControl(TControl* control) {
  return control && (control == FHScrollBar || control == FVScrollBar || control == FSizeGrip);
}

void TcxControl::SetScrollBars(int value) {
  if (value == FScrollBars) return;
  FScrollBars = value;
  UpdateScrollBars();
}

void TcxControl::SetScrollBarInfo(TScrollBarKind kind, int min, int max, int step, int page, int position,
                                  bool allowShow, bool allowHide) {
  if (FHScrollBar)
    ::SetScrollBarInfo(Bar(kind)->Data(), kind, FScrollBars, min, max, step, page, position, allowShow, allowHide);
}

void TcxControl::UpdateScrollBars() {
  if (FHScrollBar && HasScrollBars()) ::UpdateScrollBars(*this, FScrollBarsState);
}

bool TcxControl::IsOwnScrollBarVisible(TScrollBarKind kind) {
  return FHScrollBar && IsScrollBarVisible(*this, FScrollBarsState, kind);
}

int TcxControl::ScrollBarThickness(TScrollBarKind kind) {
  return kind == sbHorizontal ? FHScrollBar->Height() : FVScrollBar->Width();
}

void TcxControl::ShowSizeGrip(bool show) { FSizeGrip->SetVisible(show); }

void TcxControl::SetScrollBarsBounds() {
  auto place = [](TControl* control, const RECT& r) {
    if (control->Visible()) control->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  };
  place(FHScrollBar, GetHScrollBarBounds());
  place(FVScrollBar, GetVScrollBarBounds());
  place(FSizeGrip, GetSizeGripBounds());
}

void TcxControl::BringInternalControlsToFront() {
  if (InternalControlsInFront()) {
    // Nothing moves; they are drawn again as bringing them forward would.
    FHScrollBar->Invalidate();
    FVScrollBar->Invalidate();
    FSizeGrip->Invalidate();
    return;
  }
  FHScrollBar->BringToFront();
  FVScrollBar->BringToFront();
  FSizeGrip->BringToFront();
}

// Every layout pass brings the bars and the grip forward; once they are the
// last children and their windows the topmost, in that order, moving them
// again changes nothing.
bool TcxControl::InternalControlsInFront() {
  TWinControl* const frontmost[] = {FSizeGrip, FVScrollBar, FHScrollBar};
  const int count = ControlCount();
  if (count < 3) return false;
  HWND window = HandleAllocated() ? GetWindow(Handle(), GW_CHILD) : nullptr;
  for (int index = 0; index < 3; ++index) {
    TWinControl* const control = frontmost[index];
    if (Controls(count - 1 - index) != control || !control->HandleAllocated() || window != control->Handle())
      return false;
    window = GetWindow(window, GW_HWNDNEXT);
  }
  return true;
}

// The layout follows the new frame once the queued notice arrives; frames
// changed again before it do not need a notice of their own.
void TcxControl::PostNcSizeNotice() {
  if (!HandleAllocated() || FNcSizeNoticePending) return;
  FNcSizeNoticePending = PostMessageA(Handle(), CM_NCSIZECHANGED, 0, 0) != FALSE;
}

// The system's bar sizes changed: the bars take them and the layout follows.
void TcxControl::SettingsChanged() {
  if (!FHScrollBar) return;
  if (FHScrollBar->Height() != GetSystemMetrics(SM_CYHSCROLL)) FHScrollBar->SetHeight(GetSystemMetrics(SM_CYHSCROLL));
  if (FVScrollBar->Width() != GetSystemMetrics(SM_CXVSCROLL)) FVScrollBar->SetWidth(GetSystemMetrics(SM_CXVSCROLL));
  BoundsChanged();
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

void TcxControl::BoundsChanged() {
  TCustomControl::BoundsChanged();
  UpdateScrollBars();
}

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

void TcxControl::CancelMouseOperations() {
  FMouseDown = false;
  SetMouseCaptureObject(nullptr);
}

void TcxControl::EndMouseOperations() {
  const TcxWeakSelf self(this);
  FinishDragAndDrop(true);
  if (self.Alive()) SetMouseCaptureObject(nullptr);
}

void TcxControl::SetMouseCaptureObject(IcxMouseCaptureObject* value) {
  if (value == FMouseCaptureObject) return;
  const TcxWeakSelf self(this);
  if (IcxMouseCaptureObject* previous = std::exchange(FMouseCaptureObject, value)) previous->DoCancelMode();
  if (self.Alive()) SetMouseCapture(FMouseCaptureObject != nullptr);
}

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
    case CN_SYSKEYDOWN: {
      const TcxWeakSelf self(this);
      if (IsMenuShortCut(message)) {
        message.Result = 1;
        return;
      }
      if (!self.Alive() || (message.Msg == CN_KEYDOWN && KeyDuringDragAndDrop(message))) return;
      break;
    }
    case WM_PAINT: return PaintMessage(message);
    case WM_SETCURSOR:
      if (DesignCursorMessage(message)) return;
      break;
    case CM_NCSIZECHANGED: FNcSizeNoticePending = false; return SettingsChanged();
    case WM_NCCALCSIZE: PostNcSizeNotice(); break;
    case WM_NCDESTROY: FNcSizeNoticePending = false; break;
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
  // The press is the control's own first: the class library's automatic
  // drag waits for the drag detection that follows it.
  const bool ownPress = TakesPressBeforeItsDrag(message);
  if (ownPress) SetDragMode(dmManual);
  TCustomControl::WndProc(message);
  if (!self.Alive()) return;
  if (ownPress) SetDragMode(dmAutomatic);
  AfterMessage(message);
}

// While designed, the control shows the cursor of the part under the pointer
// where it handles the mouse itself.
bool TcxControl::DesignCursorMessage(TMessage& message) {
  if (!IsDesigning() || DragControl()) return false;
  const POINT point = ScreenToClient(GetCursorPosition());
  if (!GetDesignHitTest(point.x, point.y, TShiftState{})) return false;
  ::SetCursor(Screen().CursorHandle(GetCurrentCursor(point.x, point.y)));
  message.Result = TRUE;
  return true;
}

void TcxControl::SetDesignerModified() {
  if (!IsDesigning()) return;
  for (TControl* control = this; control; control = control->Parent())
    if (control->ComponentState().Contains(csLoading) || control->Destroying()) return;
  ::SetDesignerModified(this);
}

bool TcxControl::TakesPressBeforeItsDrag(const TMessage& message) {
  const bool leftPress = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK;
  return leftPress && DragMode() == dmAutomatic && !IsDesigning() && !DragControl();
}

// The image of a drag over the control hides while the control paints
// beneath it; a changed ParentBackground shows at the next paint.
void TcxControl::PaintMessage(TMessage& message) {
  const TcxWeakSelf self(this);
  TDragObject* dragObject = FDragObject && FDragObject == DragObject() ? FDragObject : nullptr;
  if (dragObject) dragObject->HideDragImage();
  TCustomControl::WndProc(message);
  if (dragObject && DragObject() == dragObject) dragObject->ShowDragImage();
  if (!self.Alive() || ParentBackground() == FParentBackground) return;
  FParentBackground = ParentBackground();
  ParentBackgroundChanged();
}

void TcxControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case CM_DESIGNHITTEST:
      if (message.Result == 0) {
        const POINT point = MessagePoint(message);
        message.Result = GetDesignHitTest(point.x, point.y, MouseShiftState(message)) ? 1 : 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: FocusChanged(); break;
    case CM_COLORCHANGED: ColorChanged(); break;
    case CM_FONTCHANGED: FontChanged(); break;
    case CM_CURSORCHANGED: CursorChanged(); break;
    case CM_TEXTCHANGED: TextChanged(); break;
    case CM_VISIBLECHANGED: VisibleChanged(); break;
    case CM_MOUSEENTER: MouseEnter(MessageObject<TControl>(message, this)); break;
    case CM_MOUSELEAVE: MouseLeave(MessageObject<TControl>(message, this)); break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const POINT point = MessagePoint(message);
      StartAutoDragOrScroll(MouseButtonOf(message.Msg), point.x, point.y);
      break;
    }
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

bool TcxControl::DoShowPopupMenu(TComponent* menu, int x, int y) { return ShowPopupMenu(this, menu, x, y); }

bool TcxControl::IsMenuShortCut(const TMessage& message) {
  for (TControl* control = this; control; control = control->Parent()) {
    if (!control->InheritsFrom(TcxControl::StaticClass())) continue;
    TComponent* menu = static_cast<TcxControl*>(control)->FPopupMenu;
    if (menu && IsPopupMenuShortCut(menu, message)) return true;
  }
  return false;
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
  int position = HasOwnScrollBars() ? Bar(kind)->Position() : 0;
  const TcxWeakSelf self(this);
  Scroll(kind, code, position);
  if (self.Alive()) Update();
  return true;
}

// ---- the class library's drag

void TcxControl::StartAutoDragOrScroll(TMouseButton button, int x, int y) {
  if (button == mbMiddle) return StartPanning();
  if (button != mbLeft || DragMode() != dmAutomatic || !MouseCapture()) return;
  if (IsDesigning() && !GetDesignHitTest(x, y, TShiftState{})) return;
  if (CanDrag() && DragDetect(Handle()) == 1) BeginDrag(true, -1);
}

void TcxControl::StartPanning() {
  const TcxWeakSelf self(this);
  RunMousePanning(TcxPanningBars{IsHScrollBarVisible(), IsVScrollBarVisible()}, [this, &self](int direction) {
    if (self.Alive()) ScrollByDirection(static_cast<TcxDirection>(direction));
  });
}

void TcxControl::DoStartDrag(TDragObject*& dragObject) {
  TCustomControl::DoStartDrag(dragObject);
  if (!dragObject) dragObject = new TcxDragControlObject(this);
  if (AcceptsDragObject(dragObject)) return;
  std::exchange(dragObject, nullptr)->Free();
  CancelDrag();
}

void TcxControl::DoEndDrag(TObject* target, int x, int y) {
  const TcxWeakSelf self(this);
  TCustomControl::DoEndDrag(target, x, y);
  if (self.Alive()) FDragImages.reset();
}

void TcxControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  FDragObject = state == dsDragLeave ? nullptr : DragObject();
  TCustomControl::DragOver(source, x, y, state, accept);
}

void TcxControl::DestroyWindowHandle() {
  TControlState state = ControlState();
  state.Exclude(csClicked);
  SetControlState(state);
  TCustomControl::DestroyWindowHandle();
}

TDragImageList* TcxControl::GetDragImages() {
  if (!FDragImages) {
    FDragImages.reset(new TcxDragImageList(nullptr));
    InitDragImages(*FDragImages);
  }
  return FDragImages->Count() > 0 ? FDragImages.get() : nullptr;
}

void TcxControl::InitDragImages(TcxDragImageList& images) {
  const SIZE size = GetDragImagesSize();
  if (size.cx <= 0 || size.cy <= 0) return;
  images.SetWidth(size.cx);
  images.SetHeight(size.cy);
  TBitmap bitmap;
  bitmap.SetSize(size.cx, size.cy);
  // Whatever the drawing leaves in this colour shows through.
  bitmap.Canvas().Brush().SetColor(clFuchsia);
  bitmap.Canvas().FillRect(RECT{0, 0, size.cx, size.cy});
  TcxCanvas canvas(bitmap.Canvas());
  DrawDragImage(canvas, RECT{0, 0, size.cx, size.cy});
  images.AddMasked(bitmap, clFuchsia);
}

TClass TcxDragImageList::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxDragImageList>("TcxDragImageList", TDragImageList::StaticClass()).Build();
  return &metaClass;
}

void TcxDragControlObject::Finished(TObject* target, int x, int y, bool accepted) {
  TDragControlObject::Finished(target, x, y, accepted);
  Free();
}

TCursor TcxDragControlObject::GetDragCursor(bool accepted, int x, int y) {
  TControl* control = Control();
  if (accepted && control && control->InheritsFrom(TcxControl::StaticClass()) &&
      static_cast<TcxControl*>(control)->IsCopyDragDrop())
    return crcxDragCopy;
  return TDragControlObject::GetDragCursor(accepted, x, y);
}

TDragImageList* TcxDragControlObject::GetDragImages() {
  TControl* control = Control();
  if (control && control->InheritsFrom(TcxControl::StaticClass()))
    return static_cast<TcxControl*>(control)->GetDragImages();
  return TDragControlObject::GetDragImages();
}

// ---- child components

TClass TcxControlChildComponent::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxControlChildComponent>("TcxControlChildComponent", TcxComponent::StaticClass()).Build();
  return &metaClass;
}

TComponent* TcxControlChildComponent::GetParentComponent() const { return FControl; }

// The control may go first: it then tells this component, which forgets it.
void TcxControlChildComponent::SetControl(TcxControl* value) {
  if (FControl == value) return;
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = value;
  if (FControl) FControl->FreeNotification(this);
}

void TcxControlChildComponent::Notification(TComponent* component, TOperation operation) {
  TcxComponent::Notification(component, operation);
  if (operation == opRemove && component == FControl) FControl = nullptr;
}

void TcxControlChildComponent::BeforeDestruction() {
  if (FControl) FControl->RemoveChildComponent(this);
  TcxComponent::BeforeDestruction();
}

void TcxControlChildComponent::SetParentComponent(TComponent* parent) {
  if (parent && parent->InheritsFrom(TcxControl::StaticClass()))
    static_cast<TcxControl*>(parent)->AddChildComponent(this);
}
