#include "platform/controls/core/Control.h"

#include <utility>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/WinControl.h"

const TIdentMap& CursorIdents() {
  static const TIdentMap idents = {{crDefault, "crDefault"},   {crArrow, "crArrow"},   {crHourGlass, "crHourGlass"},
                                   {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"}, {crHandPoint, "crHandPoint"},
                                   {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"}, {crSizeNWSE, "crSizeNWSE"},
                                   {crSizeWE, "crSizeWE"}};
  return idents;
}

const TIdentMap& AlignIdents() {
  static const TIdentMap idents = {{alNone, "alNone"}, {alTop, "alTop"},     {alBottom, "alBottom"},
                                   {alLeft, "alLeft"}, {alRight, "alRight"}, {alClient, "alClient"}};
  return idents;
}

const TIdentMap& ScrollBarKindIdents() {
  static const TIdentMap idents = {{sbHorizontal, "sbHorizontal"}, {sbVertical, "sbVertical"}};
  return idents;
}

TClass TSizeConstraints::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TSizeConstraints>("TSizeConstraints", TPersistent::StaticClass())
          .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth)
          .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
          .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
          .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
          .Build();
  return &metaClass;
}

void TSizeConstraints::SetMinWidth(int value) {
  FMinWidth = value;
  Changed();
}

void TSizeConstraints::SetMinHeight(int value) {
  FMinHeight = value;
  Changed();
}

void TSizeConstraints::SetMaxWidth(int value) {
  FMaxWidth = value;
  Changed();
}

void TSizeConstraints::SetMaxHeight(int value) {
  FMaxHeight = value;
  Changed();
}

int TSizeConstraints::Constrain(int size, int minimum, int maximum) {
  if (maximum > 0 && size > maximum) size = maximum;
  if (minimum > 0 && size < minimum) size = minimum;
  return size;
}

void TSizeConstraints::Changed() {
  FControl.SetBounds(FControl.FLeft, FControl.FTop, FControl.FWidth, FControl.FHeight);
}

TClass TControl::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TControl>("TControl", TComponent::StaticClass())
          .Integer("Left", &TControl::Left, &TControl::SetLeft)
          .Integer("Top", &TControl::Top, &TControl::SetTop)
          .Integer("Width", &TControl::Width, &TControl::SetWidth)
          .Integer("Height", &TControl::Height, &TControl::SetHeight)
          .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
          .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
          .Object("Constraints", &TControl::Constraints)
          .Enumeration("Align", &TControl::Align, &TControl::SetAlign, AlignIdents(), alNone)
          .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault, &CursorIdents())
          .Component("Action", &TControl::Action, &TControl::SetAction)
          .Build();
  return &metaClass;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  FFont.SetOnChange([this](TObject*) { FontChanged(); });
}

TControl::~TControl() {
  // Deleted without Free: still leave the parent.
  if (FParent) FParent->RemoveControl(this);
}

void TControl::BeforeDestruction() {
  MarkDestroying();
  LeaveDrag();
  Application().ControlDestroying(this);
  SetAction(nullptr);
  if (FParent) {
    InvalidateInParent(BoundsRect());
    TWinControl* parent = std::exchange(FParent, nullptr);
    parent->RemoveControl(this);
    if (FAlign != alNone && !parent->Destroying()) parent->AlignControls();
  }
  TComponent::BeforeDestruction();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: MouseMessage(message); return;
    case WM_MOUSEWHEEL: MouseWheelMessage(message); return;
    case WM_CONTEXTMENU: ContextMenuMessage(message); return;
    case CM_HITTEST: message.Result = HTCLIENT; return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED: Invalidate(); break;
    case CM_VISIBLECHANGED: InvalidateInParent(BoundsRect()); break;
    case CM_PARENTCOLORCHANGED: TakeParentColor(); break;
    case CM_PARENTFONTCHANGED: TakeParentFont(); break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      // The parents hear of it too, told which control the pointer met.
      if (FParent && message.LParam == 0) FParent->Perform(message.Msg, 0, reinterpret_cast<LPARAM>(this));
      break;
  }
  DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) { TextMessage(message); }

void TControl::TextMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_GETTEXTLENGTH: message.Result = static_cast<LRESULT>(FCaption.size()); break;
    case WM_GETTEXT: AnswerGetText(message, FCaption); break;
    case WM_SETTEXT:
      SetCaption(SetTextText(message));
      message.Result = TRUE;
      break;
    default: break;
  }
}

int TControl::GetTextLen() { return static_cast<int>(Perform(WM_GETTEXTLENGTH)); }

std::string TControl::GetTextBuf() {
  std::string text(static_cast<size_t>(GetTextLen()) + 1, '\0');
  const LRESULT copied = Perform(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

void TControl::SetTextBuf(const std::string& value) { Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str())); }

void TControl::MouseMessage(TMessage& message) {
  if (DragMouseMessage(message)) return;
  TrackButtonState(message);
  // A windowed control's own window procedure sees the press first (a Win32 button presses itself).
  DefaultHandler(message);
  const POINT point = MessagePoint(message);
  const TShiftState shift = MouseShiftState(message);
  if (message.Msg == WM_MOUSEMOVE) {
    MouseMove(shift, point.x, point.y);
    return;
  }
  const TMouseButton button = MouseButtonOf(message.Msg);
  if (IsMouseDownMessage(message.Msg)) {
    if (button == mbLeft && FDragMode == dmAutomatic && !ComponentState().Contains(csDesigning)) {
      BeginDrag(false);
      return;
    }
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (button == mbLeft && FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    if (IsMouseDoubleClickMessage(message.Msg) && FControlStyle.Contains(csDoubleClicks)) DblClick();
    MouseDown(button, shift, point.x, point.y);
    return;
  }
  if (FControlStyle.Contains(csCaptureMouse) && MouseCapture()) SetMouseCapture(false);
  if (button == mbLeft && FControlState.Contains(csClicked)) {
    FControlState.Exclude(csClicked);
    const RECT client = ClientRect();
    if (PtInRect(&client, point)) Click();
  }
  MouseUp(button, shift, point.x, point.y);
}

void TControl::TrackButtonState(const TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
    FControlState.Include(csLButtonDown);
    FLeftDownPos = ClientToScreen(MessagePoint(message));
  }
  if (message.Msg == WM_LBUTTONUP) FControlState.Exclude(csLButtonDown);
}

void TControl::MouseWheelMessage(TMessage& message) {
  if (DoMouseWheel(KeyboardShiftState(), WheelDelta(message), MessagePoint(message)))
    message.Result = 1;
  else
    DefaultHandler(message);
}

void TControl::ContextMenuMessage(TMessage& message) {
  bool handled = false;
  DoContextPopup(MessagePoint(message), handled);
  if (handled)
    message.Result = 1;
  else
    DefaultHandler(message);
}

void TControl::Click() {
  if (FOnClick)
    FOnClick(this);
  else if (FActionLink)
    FActionLink->Execute();
}

void TControl::SetAction(TAction* action) {
  if (action == Action()) return;
  if (FActionLink) {
    RemoveFreeNotification(&FActionLink->Action());
    FActionLink.reset();
  }
  if (!action) return;
  FActionLink = CreateActionLink(*action);
  action->FreeNotification(this);
  FActionLink->Apply();
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink(TAction& action) {
  return std::make_unique<TControlActionLink>(*this, action);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove || !FActionLink || component != &FActionLink->Action()) return;
  FActionLink->ForgetAction();
  FActionLink.reset();
}

void TControl::DblClick() {
  if (FOnDblClick) FOnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (FOnMouseDown) FOnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (FOnMouseMove) FOnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (FOnMouseUp) FOnMouseUp(this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) {
  bool handled = false;
  if (FOnMouseWheel) FOnMouseWheel(this, shift, wheelDelta, mousePos, handled);
  return handled;
}

void TControl::DoContextPopup(POINT mousePos, bool& handled) {
  if (FOnContextPopup) FOnContextPopup(this, mousePos, handled);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = static_cast<bool>(FOnDragOver);
  if (FOnDragOver) FOnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) {
  if (FOnDragDrop) FOnDragDrop(this, source, x, y);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent && (Destroying() || parent->Destroying())) return;
  TWinControl* previous = FParent;
  if (previous) {
    InvalidateInParent(BoundsRect());
    previous->RemoveControl(this);
  }
  FParent = parent;
  if (FParent) {
    FParent->InsertControl(this);
    if (FParentFont) TakeParentFont();
    if (FParentColor) TakeParentColor();
    InvalidateInParent(BoundsRect());
  }
  ParentChanged();
  if (FAlign == alNone) return;
  if (previous) previous->AlignControls();
  if (FParent) FParent->AlignControls();
}

void TControl::SetParentComponent(TComponent* parent) {
  if (parent && parent->InheritsFrom(TWinControl::StaticClass())) SetParent(static_cast<TWinControl*>(parent));
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = FConstraints.ConstrainWidth(width);
  height = FConstraints.ConstrainHeight(height);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  const bool resized = width != FWidth || height != FHeight;
  const RECT previous = BoundsRect();
  UpdateBoundsFromWindow(left, top, width, height);
  InvalidateInParent(previous);
  BoundsChanged();
  if (resized) Resize();
  if (FAlign != alNone && FParent) FParent->AlignControls();
}

void TControl::BoundsChanged() { InvalidateInParent(BoundsRect()); }

void TControl::UpdateBoundsFromWindow(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
}

RECT TControl::ClientRect() const { return RECT{0, 0, FWidth, FHeight}; }

void TControl::BringToFront() {
  if (!FParent) return;
  FParent->RemoveControl(this);
  FParent->InsertControl(this);
  Invalidate();
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  if (FParent) FParent->AlignControls();
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Perform(CM_VISIBLECHANGED, value);
  if (FAlign != alNone && FParent) FParent->AlignControls();
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor value) {
  FParentColor = false;
  if (value == FColor) return;
  FColor = value;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  if (value) TakeParentColor();
}

void TControl::TakeParentColor() {
  if (!FParentColor || !FParent || FParent->Color() == FColor) return;
  FColor = FParent->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (value == FParentFont) return;
  FParentFont = value;
  if (value) TakeParentFont();
}

void TControl::TakeParentFont() {
  if (!FParentFont || !FParent) return;
  FTakingParentFont = true;
  struct TTaken {
    bool& Flag;
    ~TTaken() { Flag = false; }
  } taken{FTakingParentFont};
  FFont.Assign(FParent->Font());
}

void TControl::FontChanged() {
  if (!FTakingParentFont) FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetCursor(TCursor value) {
  if (value == FCursor) return;
  FCursor = value;
  Perform(CM_CURSORCHANGED);
}

HWND TControl::ParentWindow() const { return FParent && FParent->HandleAllocated() ? FParent->Handle() : nullptr; }

bool TControl::Dying() const {
  for (const TControl* control = this; control; control = control->FParent)
    if (control->Destroying()) return true;
  return false;
}

// A graphic control is painted by its parent: what it covered or covers is the parent's to repaint.
// A window repaints by itself what it uncovers, and a hidden one is painted whole when it shows.
void TControl::InvalidateInParent(const RECT& area) const {
  const HWND parent = ParentWindow();
  if (!parent || InheritsFrom(TWinControl::StaticClass()) || FParent->Destroying() || !IsWindowVisible(parent)) return;
  InvalidateRect(parent, &area, !FControlStyle.Contains(csOpaque));
}

void TControl::Invalidate() {
  if (FVisible) InvalidateInParent(BoundsRect());
}

void TControl::Update() {
  if (const HWND parent = ParentWindow()) UpdateWindow(parent);
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

bool TControl::MouseCapture() const { return Application().CaptureControl() == this; }

void TControl::SetMouseCapture(bool value) {
  if (value == MouseCapture()) return;
  Application().SetCaptureControl(value ? this : nullptr);
}
