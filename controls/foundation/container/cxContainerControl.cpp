#include "controls/foundation/container/cxContainerControl.h"

#include "controls/foundation/graphics/cxDWMApi.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Form.h"

namespace {

// Theme property of a part's fill colour.
constexpr int kThemeFillColorProperty = 3802;

// The edit part's states.
constexpr int kEditStateNormal = 1;
constexpr int kEditStateHot = 2;
constexpr int kEditStateDisabled = 4;
constexpr int kEditStateFocused = 5;
constexpr int kEditStateReadOnly = 6;

bool RectsEqual(const TRect& a, const TRect& b) { return EqualRect(&a, &b) != FALSE; }

TRect ShrinkBy(const TRect& rect, const TRect& widths) {
  return TRect{rect.left + widths.left, rect.top + widths.top, rect.right - widths.right, rect.bottom - widths.bottom};
}

TShiftStateFlag ButtonShiftFlag(TMouseButton button) {
  switch (button) {
    case mbRight: return ssRight;
    case mbMiddle: return ssMiddle;
    default: return ssLeft;
  }
}

// A flag set for the length of a scope.
class TFlagScope {
 public:
  TFlagScope(bool& flag, bool value) : FFlag(flag), FSaved(flag) { flag = value; }
  ~TFlagScope() { FFlag = FSaved; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FSaved;
};

}  // namespace

TClass TcxContainer::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxContainer>("TcxContainer", TcxControl::StaticClass())
          .Component("FakeStyleController", &TcxContainer::FakeStyleController, &TcxContainer::SetFakeStyleController)
          .Boolean("TabStop", &TcxContainer::TabStop, &TcxContainer::SetTabStop, true)
          .Build();
  return &metaClass;
}

TcxContainer::TcxContainer(TComponent* owner, TcxContainerStyleClass styleClass,
                           TcxContainerViewInfoClass viewInfoClass)
    : TcxControl(owner), FStyleClass(styleClass), FViewInfoClass(viewInfoClass) {
  const TFlagScope creating(FIsCreating, true);
  FStyles = std::make_unique<TcxContainerStyles>(this, styleClass);
  FStyles->SetOnChanged([this](TObject* sender) { ContainerStyleChanged(sender); });
  FActiveStyleCache = GetStyle();
  FViewInfo = viewInfoClass();
  LookAndFeel().SetMasterLookAndFeel(GetStyle()->LookAndFeel());
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  style.Include(csSetCaption);
  SetControlStyle(style);
  SetTabStop(true);
  const bool parentColor = IsDefaultParentColor() && !IsInplace() && !GetStyle()->IsValueAssigned(csvColor);
  SetParentColor(parentColor);
  if (!parentColor) SetColor(clWindow);
  ResetInnerControlVisibleBounds();
}

TcxContainer::~TcxContainer() = default;

// The windows go first, while the view info and the styles are whole: the
// focus, cursor and inner-control messages their destruction sends still
// find everything they read. Marked as going first, nothing makes a window
// again meanwhile.
void TcxContainer::BeforeDestruction() {
  MarkDestroying();
  EndMouseTracking(&FTrackingCaller);
  DestroyWindows();
  FIsDestroyingFlag = true;
  FViewInfo.reset();
  FStyles->SetOnChanged(nullptr);
  FStyles.reset();
  FActiveStyleCache = nullptr;
  TcxControl::BeforeDestruction();
}

void TcxContainer::DestroyWindows() {
  if (HasInnerWindow()) DestroyWindow(FInnerControl->Handle());
  if (HandleAllocated()) DestroyHandle();
}

// ---- the inner control

void TcxContainer::SetInnerControl(TWinControl* value) {
  if (value == FInnerControl) return;
  if (FInnerControl) FInnerControl->RemoveFreeNotification(this);
  FInnerControl = value;
  ResetInnerControlVisibleBounds();
  if (FInnerControl) {
    FInnerControl->FreeNotification(this);
    if (FInnerControl->Parent() != this) FInnerControl->SetParent(this);
  }
  if (HandleAllocated()) {
    const LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE,
                      FInnerControl ? (exStyle | WS_EX_CONTROLPARENT) : (exStyle & ~WS_EX_CONTROLPARENT));
    ShortRefreshContainer();
  }
}

void TcxContainer::Notification(TComponent* component, TOperation operation) {
  TcxControl::Notification(component, operation);
  if (operation == opRemove && component == FInnerControl) FInnerControl = nullptr;
}

bool TcxContainer::HasInnerWindow() const { return FInnerControl && FInnerControl->HandleAllocated(); }

bool TcxContainer::InnerWindowFocused() const { return HasInnerWindow() && FInnerControl->Focused(); }

void TcxContainer::AdjustInnerControl() {
  if (!FInnerControl) return;
  FInnerControl->SetColor(FViewInfo->BackgroundColor);
  FInnerControl->SetFont(*GetActiveStyle()->GetVisibleFont());
}

void TcxContainer::AlignInnerControl() {
  if (!FInnerControl) return;
  const TRect client = FViewInfo->ClientRect;
  if (RectsEqual(FInnerControl->BoundsRect(), client)) return;
  const TFlagScope lock(FRefreshLock, true);
  FInnerControl->SetBounds(client.left, client.top, client.right - client.left, client.bottom - client.top);
  ApplyInnerControlVisibleBounds();
}

void TcxContainer::LockInnerControlSetBounds(bool lock) {
  FInnerControlSetBoundsLockCount += lock ? 1 : -1;
  if (FInnerControlSetBoundsLockCount == 0) ApplyInnerControlVisibleBounds();
}

void TcxContainer::BoundsChanged() {
  TcxControl::BoundsChanged();
  if (!FIsDestroyingFlag) ApplyInnerControlVisibleBounds();
}

// The part of the inner window outside the client area is cut away by a
// window region, so it never paints over the border.
void TcxContainer::ApplyInnerControlVisibleBounds() {
  if (IsPlainContainer() || FInnerControlSetBoundsLockCount > 0 || !HasInnerWindow() || FIsDestroyingFlag) return;
  TcxContainerInnerControlBounds bounds;
  GetInnerControlVisibleBounds(FInnerControl, FViewInfo->ClientRect, bounds);
  if (!bounds.WhollyVisible && bounds.WhollyVisible == FInnerControlVisibleBounds.WhollyVisible &&
      RectsEqual(bounds.Rect, FInnerControlVisibleBounds.Rect))
    return;
  ::UpdateWindowRegion(FInnerControl->Handle(),
                       bounds.WhollyVisible ? nullptr : std::make_unique<TcxRegion>(bounds.Rect));
  FInnerControlVisibleBounds = bounds;
}

void TcxContainer::GetInnerControlVisibleBounds(TWinControl* control, const TRect& clientRect,
                                                TcxContainerInnerControlBounds& bounds) {
  bounds.WhollyVisible = false;
  if (!control) {
    bounds.WhollyVisible = true;
    return;
  }
  const TRect controlRect = control->BoundsRect();
  TRect visible{};
  IntersectRect(&visible, &controlRect, &clientRect);
  OffsetRect(&visible, -controlRect.left, -controlRect.top);
  bounds.Rect = visible;
  const TRect whole{0, 0, control->Width(), control->Height()};
  bounds.WhollyVisible = RectsEqual(visible, whole);
}

void TcxContainer::ResetInnerControlVisibleBounds() {
  FInnerControlVisibleBounds = TcxContainerInnerControlBounds{};
  FInnerControlVisibleBounds.WhollyVisible = false;
}

// ---- focus

bool TcxContainer::IsContainerFocused() { return Focused(); }

bool TcxContainer::Focused() {
  if (IsDesigning()) return false;
  return TcxControl::Focused() || InnerWindowFocused();
}

void TcxContainer::FocusInnerControl() {
  if (FInnerControl) FInnerControl->SetFocus();
}

void TcxContainer::SetFocus() {
  TcxControl::SetFocus();
  if (TcxControl::Focused() && HasInnerWindow()) MakeInnerControlFocusedControl();
}

void TcxContainer::MakeInnerControlFocusedControl() {
  if (TForm* form = GetParentForm(*this)) form->FocusedControlChanged(FInnerControl);
}

// A container that asks for Tab moves the focus on with it as the form
// would, and hands it to its inner control when it stays here.
void TcxContainer::KeyDown(WORD& key, TShiftState shift) {
  const TcxWeakSelf self(this);
  TcxControl::KeyDown(key, shift);
  if (!self.Alive() || key != VK_TAB || shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return;
  if (!Focused() || !TabMovesFocus()) return;
  key = 0;
  if (TForm* form = GetParentForm(*this)) form->Perform(WM_NEXTDLGCTL, shift.Contains(ssShift) ? 1 : 0);
  if (self.Alive() && TcxControl::Focused()) FocusInnerControl();
}

bool TcxContainer::CanFocusOnClick() {
  return TcxControl::CanFocusOnClick() && !InnerWindowFocused() && !FRefusesFocusOnClick;
}

void TcxContainer::FocusChanged() {
  const TcxWeakSelf self(this);
  TcxControl::FocusChanged();
  if (self.Alive()) RefreshForCursorPos(false);
}

// Focus that comes back from the inner window stays; any other goes on to it.
bool TcxContainer::SetFocusMessage(TMessage& message) {
  if (!HasInnerWindow()) return false;
  if (FocusPartner(message) == FInnerControl->Handle()) return true;
  const TcxWeakSelf self(this);
  TcxControl::WndProc(message);
  if (self.Alive() && FInnerControl && FInnerControl->CanFocus()) FInnerControl->SetFocus();
  return true;
}

bool TcxContainer::KillFocusMessage(TMessage& message) {
  return HasInnerWindow() && FocusPartner(message) == FInnerControl->Handle();
}

bool TcxContainer::SetCursorMessage(TMessage& message) {
  if (SetCursorWindow(message) != Handle() || SetCursorHitTest(message) != HTCLIENT) return false;
  const POINT point = ScreenToClient(GetMouseCursorPos());
  if (PtInRect(&FViewInfo->ClientRect, point)) return false;
  ::SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  message.Result = TRUE;
  return true;
}

// ---- the state and the style

TcxContainerStates TcxContainer::GetContainerState(POINT point, bool isMouseEvent) {
  TcxContainerStateFacts facts;
  facts.Enabled = Enabled();
  facts.Designing = IsDesigning();
  facts.Focused = Focused();
  if (isMouseEvent) {
    const TRect visible = GetVisibleBounds();
    facts.HotPointer = PtInRect(&visible, point) != FALSE;
  }
  return CalculateContainerState(facts);
}

TcxContainerStyle* TcxContainer::GetActiveStyle() {
  if (FViewInfo->ContainerState != FActiveStateCache || !FActiveStyleCache) {
    FActiveStyleCache = InternalGetActiveStyle();
    FActiveStateCache = FViewInfo->ContainerState;
  }
  return FActiveStyleCache;
}

TcxContainerStyle* TcxContainer::InternalGetActiveStyle() {
  return FStyles->GetStyleByState(ActiveStyleState(FViewInfo->ContainerState, GetStyle()->HotTrack()));
}

bool TcxContainer::IsNativeStyle() {
  return LookAndFeel().NativeStyle() && OpenTheme(GetNativeThemeObject()) != nullptr;
}

int TcxContainer::GetNativeState() {
  if (!Enabled()) return kEditStateDisabled;
  if (IsReadOnlyState()) return kEditStateReadOnly;
  if (Focused()) return kEditStateFocused;
  if (FViewInfo->ContainerState.Contains(csHot)) return kEditStateHot;
  return kEditStateNormal;
}

bool TcxContainer::HasShadow() { return GetActiveStyle()->Shadow() && !FViewInfo->NativeStyle; }

TRect TcxContainer::GetBorderExtent() {
  TcxContainerStyleFacts facts =
      ContainerStyleFacts(*GetActiveStyle(), *GetStyle(), FViewInfo->NativeStyle, IsInplace());
  facts.HasShadow = HasShadow();
  return GetContainerBorderExtent(*FViewInfo, facts);
}

TRect TcxContainer::GetVisibleBounds() {
  TcxContainerStyleFacts facts =
      ContainerStyleFacts(*GetActiveStyle(), *GetStyle(), FViewInfo->NativeStyle, IsInplace());
  facts.HasShadow = HasShadow();
  return GetContainerVisibleBounds(GetControlRect(*this), *FViewInfo, facts);
}

TRect TcxContainer::GetShadowBounds() { return GetContainerShadowBounds(*FViewInfo, GetBorderExtent()); }

void TcxContainer::CalculateViewInfo(POINT point, bool isMouseEvent) {
  TcxContainerViewInfo& viewInfo = *FViewInfo;
  viewInfo.NativeStyle = IsNativeStyle();
  viewInfo.Painter = LookAndFeel().SkinPainter();
  viewInfo.ContainerState = GetContainerState(point, isMouseEvent);
  TcxContainerStyle* active = GetActiveStyle();
  viewInfo.HotState = CalculateHotState(viewInfo.ContainerState, active->HotTrack());
  viewInfo.BorderStyle = ViewInfoBorderStyle(active->BorderStyle(), GetStyle()->BorderStyle(), viewInfo.NativeStyle);
  if (viewInfo.NativeStyle) {
    viewInfo.ThemedObjectType = GetNativeThemeObject();
    viewInfo.NativePart = GetNativePart();
    viewInfo.NativeState = GetNativeState();
  }
  viewInfo.BorderWidth = viewInfo.Painter ? 1 : GetContainerBorderWidth(viewInfo.BorderStyle);
  viewInfo.Edges = active->Edges();
  viewInfo.Shadow = HasShadow();
  viewInfo.Bounds = GetControlRect(*this);
  viewInfo.ContentRect = ShrinkBy(viewInfo.Bounds, GetBorderExtent());
  viewInfo.ClientRect = viewInfo.ContentRect;
  viewInfo.BorderColor = CalculateContainerBorderColor(viewInfo, *active, IsDesigning(), Enabled());
  viewInfo.SetBackgroundColor(active->GetColor());
  if (viewInfo.NativeStyle && !Enabled() && !active->IsValueAssigned(csvColor)) {
    COLORREF fill = 0;
    if (HTHEME theme = OpenTheme(viewInfo.ThemedObjectType);
        theme && SUCCEEDED(dxUxTheme::GetThemeColor(theme, viewInfo.NativePart, viewInfo.NativeState,
                                                    kThemeFillColorProperty, fill)))
      viewInfo.SetBackgroundColor(static_cast<TColor>(fill));
  }
}

void TcxContainer::SetViewInfoClass(TcxContainerViewInfoClass viewInfoClass) {
  if (viewInfoClass == FViewInfoClass || FIsDestroyingFlag) return;
  FViewInfoClass = viewInfoClass;
  FViewInfo = viewInfoClass();
  FViewInfoCalculated = false;
}

void TcxContainer::EnsureViewInfoCalculated() {
  if (!FViewInfoCalculated) RefreshForCursorPos(false);
}

// ---- refreshing

bool TcxContainer::RefreshContainer(POINT point, TMouseButton /*button*/, TShiftState /*shift*/, bool fromMouseLeave) {
  if (FRefreshLock || FIsDestroyingFlag) return true;
  FViewInfoCalculated = true;
  CalculateViewInfo(point, !fromMouseLeave && GetStyle()->HotTrack());
  AlignInnerControl();
  AdjustInnerControl();
  UpdateWindowRegion();
  InvalidateContainer();
  if (FViewInfo->ContainerState.Contains(csHot)) BeginMouseTracking(this, GetVisibleBounds(), &FTrackingCaller);
  return true;
}

// With an inner window only the frame around it repaints: the inner window
// paints itself.
void TcxContainer::InvalidateContainer() {
  if (!HandleAllocated()) return;
  if (FInnerControl)
    InvalidateRectFrame(Handle(), FViewInfo->Bounds, FViewInfo->ContentRect, false);
  else
    Invalidate();
}

void TcxContainer::RefreshForCursorPos(bool fromMouseLeave) {
  if (!HandleAllocated() || FIsDestroyingFlag || FRefreshGuard) return;
  const TFlagScope guard(FRefreshGuard, true);
  const POINT cursor = GetMouseCursorPos();
  const HWND under = WindowFromPoint(cursor);
  const bool over = under == Handle() || IsChild(Handle(), under);
  RefreshContainer(over ? ScreenToClient(cursor) : POINT{-1, -1}, mbLeft, GetCurrentShiftState(), fromMouseLeave);
}

void TcxContainer::ShortRefreshContainer() { RefreshForCursorPos(false); }

void TcxContainer::ContainerStyleChanged(TObject* /*sender*/) {
  if (FIsCreating || IsLoading() || FIsDestroyingFlag) return;
  const TcxWeakSelf self(this);
  RefreshForCursorPos(false);
  if (!self.Alive()) return;
  TcxContainerStyle* style = GetStyle();
  const TFlagScope fromStyle(FChangingFromStyle, true);
  if (!(ParentColor() && !style->IsValueAssigned(csvColor))) SetColor(style->GetVisibleColor());
  if (!self.Alive()) return;
  SetFont(*style->Font());
  if (self.Alive() && style->IsValueAssigned(csvFont)) SetParentFont(false);
}

bool TcxContainer::NeedsWindowRegion() { return !(FViewInfo->NativeStyle && FViewInfo->BorderStyle != cbsNone); }

void TcxContainer::UpdateWindowRegion() {
  if (!HandleAllocated()) return;
  ::UpdateWindowRegion(Handle(),
                       CreateContainerWindowRegion(NeedsWindowRegion(), GetShadowBounds(), FViewInfo->Shadow));
}

void TcxContainer::ClipCanvasToVisibleRegion() {
  std::unique_ptr<TcxRegion> region = CreateContainerWindowRegion(true, GetShadowBounds(), FViewInfo->Shadow);
  Canvas().SetClipRegion(*region, roIntersect);
}

void TcxContainer::Paint() {
  if (FIsDestroyingFlag || !RectVisible(Canvas().Handle(), &FViewInfo->Bounds)) return;
  if (NeedsWindowRegion()) ClipCanvasToVisibleRegion();
  EnsureViewInfoCalculated();
  FViewInfo->Paint(Canvas());
}

// ---- colour, font and cursor

// A colour taken from the parent stays the parent's: the style reads it
// from there and does not keep it as its own.
void TcxContainer::ColorChanged() {
  TcxControl::ColorChanged();
  if (FIsCreating || FIsDestroyingFlag) return;
  if (FChangingFromStyle || ParentColor()) return RefreshForCursorPos(false);
  const TFlagScope fromControl(FChangingFromStyle, true);
  GetStyle()->SetColor(Color());
}

void TcxContainer::FontChanged() {
  if (FIsDestroyingFlag) return TcxControl::FontChanged();
  const TcxWeakSelf self(this);
  if (FChangingFromStyle) {
    TcxControl::FontChanged();
    if (!self.Alive()) return;
    AlignInnerControl();
    SynchronizeScrollBars(false);
    RefreshForCursorPos(false);
    return;
  }
  if (!FIsCreating) CopyFontToStyle();
  if (self.Alive()) TcxControl::FontChanged();
}

// The style draws with the control's font, the parent's included; a font
// taken from the parent is no font of the style's own, so the style's
// assigned bit stays as it was.
void TcxContainer::CopyFontToStyle() {
  TcxContainerStyle* style = GetStyle();
  const bool wasAssigned = style->AssignedValues().Contains(csvFont);
  const TFlagScope fromControl(FChangingFromStyle, true);
  style->BeginUpdate();
  style->SetFont(&Font());
  if (ParentFont() && !wasAssigned) {
    TcxContainerStyleValues values = style->AssignedValues();
    values.Exclude(csvFont);
    style->SetAssignedValues(values);
  }
  style->EndUpdate();
}

void TcxContainer::CursorChanged() {
  TcxControl::CursorChanged();
  if (FInnerControl && !FIsDestroyingFlag) FInnerControl->SetCursor(Cursor());
}

void TcxContainer::ParentColorChangedMessage(TMessage& message) {
  const TcxWeakSelf self(this);
  TcxControl::WndProc(message);
  if (!self.Alive() || FIsDestroyingFlag) return;
  TcxContainerStyle* style = GetStyle();
  if (!style->AssignedValues().Contains(csvColor) || ParentColor()) {
    TcxContainerStyleValues values = style->AssignedValues();
    values.Exclude(csvColor);
    style->SetAssignedValues(values);
  }
  if (style->GetColor() != Color()) ContainerStyleChanged(style);
  if (self.Alive() && FViewInfoCalculated && !ParentColor()) Invalidate();
}

void TcxContainer::ParentFontChangedMessage(TMessage& message) {
  const TcxWeakSelf self(this);
  TcxContainerStyle* style = GetStyle();
  const bool wasAssigned = style->AssignedValues().Contains(csvFont);
  TcxControl::WndProc(message);
  if (!self.Alive() || FIsDestroyingFlag) return;
  if (!ParentFont()) style->UpdateFontAndNotify();
  if (!(wasAssigned && !ParentFont())) {
    TcxContainerStyleValues values = style->AssignedValues();
    values.Exclude(csvFont);
    style->SetAssignedValues(values);
  }
}

void TcxContainer::EnabledChangedMessage(TMessage& message) {
  const TcxWeakSelf self(this);
  TcxControl::WndProc(message);
  if (!self.Alive() || FIsDestroyingFlag) return;
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->InheritsFrom(TcxScrollBar::StaticClass())) Controls(i)->SetEnabled(Enabled());
  RefreshForCursorPos(false);
}

// ---- the mouse

void TcxContainer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TcxControl::MouseDown(button, shift, x, y);
  if (!self.Alive()) return;
  FShiftState = shift;
  FShiftState.Include(ButtonShiftFlag(button));
  RefreshContainer(POINT{x, y}, button, FShiftState, false);
}

void TcxContainer::MouseMove(TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TcxControl::MouseMove(shift, x, y);
  if (!self.Alive()) return;
  FShiftState = shift;
  RefreshContainer(POINT{x, y}, mbLeft, shift, false);
  if (self.Alive() && !FIsDestroyingFlag) BeginMouseTracking(this, GetVisibleBounds(), &FTrackingCaller);
}

void TcxContainer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TcxControl::MouseUp(button, shift, x, y);
  if (!self.Alive()) return;
  FShiftState = shift;
  RefreshContainer(POINT{x, y}, button, shift, false);
}

void TcxContainer::MouseEnter(TControl* control) {
  const TcxWeakSelf self(this);
  TcxControl::MouseEnter(control);
  if (self.Alive()) RefreshForCursorPos(false);
}

void TcxContainer::MouseLeave(TControl* control) {
  const TcxWeakSelf self(this);
  TcxControl::MouseLeave(control);
  if (!self.Alive()) return;
  FShiftState = TShiftState{};
  RefreshForCursorPos(true);
  EndMouseTracking(&FTrackingCaller);
}

void TcxContainer::MouseTrackingMouseLeave() {
  MouseLeave(nullptr);
  EndMouseTracking(&FTrackingCaller);
}

void TcxContainer::DoContextPopup(POINT mousePos, bool& handled) {
  const bool byMouse = mousePos.x != -1 || mousePos.y != -1;
  if (FScrollBarLockCount > 0 || (byMouse && !CanShowPopupMenu())) {
    handled = true;
    return;
  }
  TcxControl::DoContextPopup(mousePos, handled);
}

// ---- the inner control's messages

bool TcxContainer::DoInnerControlMessage(TMessage& message) {
  if (FIsDestroyingFlag) return false;
  switch (message.Msg) {
    case WM_CONTEXTMENU:
      message.Result = Perform(message.Msg, message.WParam, message.LParam);
      return message.Result != 0;
    case CM_BUFFEREDPAINTONGLASS:
      if (FRedrawPending && HasInnerWindow()) {
        RedrawWindowWithBufferedPaint(FInnerControl->Handle());
        // Cleared after the re-render: its WM_PRINTCLIENT asks for colours
        // again, which must not post another re-render.
        FRedrawPending = false;
      }
      return true;
    case CN_CTLCOLOREDIT:
      if (FOnCompositedParent && CompositionActive() && !FRedrawPending && HasInnerWindow()) {
        FRedrawPending = true;
        PostMessageA(FInnerControl->Handle(), CM_BUFFEREDPAINTONGLASS, 0, 0);
      }
      return false;
    default: return false;
  }
}

// The shortcut check runs here directly: sent back to the container as
// CN_KEYDOWN, the key would go on to the inner window again.
bool TcxContainer::DoInnerControlKeyMessage(TMessage& message) {
  if (FIsDestroyingFlag || (message.Msg != CN_KEYDOWN && message.Msg != CN_SYSKEYDOWN)) return false;
  if (!IsMenuShortCut(message)) return false;
  message.Result = 1;
  return true;
}

void TcxContainer::ForwardToInnerWindow(TMessage& message) {
  message.Result = SendMessageA(FInnerControl->Handle(), message.Msg, message.WParam, message.LParam);
}

// ---- composition

bool TcxContainer::IsCompositedParent() const {
  for (TWinControl* parent = Parent(); parent; parent = parent->Parent())
    if (parent->HandleAllocated() && (GetWindowLongPtrA(parent->Handle(), GWL_EXSTYLE) & WS_EX_COMPOSITED)) return true;
  return false;
}

bool TcxContainer::CompositionActive() const { return IsCompositionEnabled(); }

void TcxContainer::CompositedPaintMessage(TMessage& message) {
  PaintWindowWithBufferedPaint(Handle());
  message.Result = 0;
  TcxControl::WndProc(message);
}

void TcxContainer::CtlColorMessage(TMessage& message) {
  const TcxWeakSelf self(this);
  TcxControl::WndProc(message);
  if (!self.Alive() || !FOnCompositedParent || !CompositionActive() || FRedrawPosted) return;
  FRedrawPosted = true;
  PostMessageA(Handle(), CM_BUFFEREDPAINTONGLASS, 0, 0);
}

// ---- the window

void TcxContainer::CreateParams(TCreateParams& params) {
  TcxControl::CreateParams(params);
  if (FInnerControl) params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TcxContainer::CreateWnd() {
  TcxControl::CreateWnd();
  FOnCompositedParent = IsCompositedParent();
  PostMessageA(Handle(), CM_SHORTREFRESHCONTAINER, 0, 0);
}

void TcxContainer::WndProc(TMessage& message) {
  if (FIsDestroyingFlag) return TcxControl::WndProc(message);
  const TcxWeakSelf self(this);
  switch (message.Msg) {
    case WM_SETFOCUS:
      if (!Visible() || SetFocusMessage(message)) return;
      break;
    case WM_KILLFOCUS:
      if (KillFocusMessage(message)) return;
      break;
    case WM_SETCURSOR:
      if (SetCursorMessage(message)) return;
      break;
    case WM_NCPAINT: return;
    case WM_WINDOWPOSCHANGING: {
      TcxControl::WndProc(message);
      if (self.Alive() && TcxControl::Focused() && FInnerControl && FInnerControl->CanFocus())
        MakeInnerControlFocusedControl();
      return;
    }
    case WM_PAINT:
      if (FOnCompositedParent && CompositionActive()) return CompositedPaintMessage(message);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CN_CHAR:
      if (HasInnerWindow()) return ForwardToInnerWindow(message);
      break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: return CtlColorMessage(message);
    case CM_BUFFEREDPAINTONGLASS:
      if (FRedrawPosted) {
        RedrawWindowWithBufferedPaint(Handle());
        FRedrawPosted = false;
      }
      break;
    case CM_SHORTREFRESHCONTAINER: return ShortRefreshContainer();
    case CM_UPDATESCROLLBARS: return SynchronizeScrollBars(false);
    case CM_PARENTCOLORCHANGED: return ParentColorChangedMessage(message);
    case CM_PARENTFONTCHANGED: return ParentFontChangedMessage(message);
    case CM_ENABLEDCHANGED: return EnabledChangedMessage(message);
    case CM_CTL3DCHANGED:
    case CM_SYSCOLORCHANGE:
    case WM_WINDOWPOSCHANGED:
      TcxControl::WndProc(message);
      if (self.Alive() && (message.Msg != WM_WINDOWPOSCHANGED || Visible())) RefreshForCursorPos(false);
      return;
    default: break;
  }
  TcxControl::WndProc(message);
}

// ---- the mirrored scroll bars

bool TcxContainer::GetScrollBarInfo(TScrollBarKind kind, SCROLLBARINFO& info) {
  if (!Parent() || !HandleAllocated() || !HasInnerWindow() || !cxContainerApi().GetScrollBarInfo) return false;
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  const LONG object = kind == sbHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL;
  return cxContainerApi().GetScrollBarInfo(FInnerControl->Handle(), object, &info) != FALSE;
}

bool TcxContainer::IsScrollBarVisible(const SCROLLBARINFO& info) {
  return (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
}

bool TcxContainer::GetScrollBarEnabled(TcxControlScrollBar* scrollBar, const SCROLLBARINFO& info) {
  return scrollBar->Parent() && scrollBar->Parent()->Enabled() && (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

TRect TcxContainer::GetScrollBarBounds(const TRect& screenRect) {
  const POINT topLeft = ScreenToClient(POINT{screenRect.left, screenRect.top});
  const POINT bottomRight = ScreenToClient(POINT{screenRect.right, screenRect.bottom});
  const TRect rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  const TRect control = GetControlRect(*this);
  TRect inside{};
  IntersectRect(&inside, &rect, &control);
  return RectsEqual(inside, rect) ? rect : EmptyRect;
}

void TcxContainer::SetScrollBarVisible(TcxControlScrollBar* scrollBar, bool visible) {
  scrollBar->SetVisible(visible);
  if (!visible) return;
  scrollBar->SetCtl3D(false);
  scrollBar->BringToFront();
}

void TcxContainer::AdjustScrollBarPosition(TcxControlScrollBar* scrollBar) {
  SCROLLBARINFO info{};
  if (!GetScrollBarInfo(scrollBar->Kind(), info) || !IsScrollBarVisible(info))
    return SetScrollBarVisible(scrollBar, false);
  scrollBar->SetEnabled(GetScrollBarEnabled(scrollBar, info));
  const TRect bounds = GetScrollBarBounds(info.rcScrollBar);
  scrollBar->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  SetScrollBarVisible(scrollBar, bounds.right - bounds.left >= 1 && bounds.bottom - bounds.top > 0);
}

void TcxContainer::SynchronizeScrollBar(TcxControlScrollBar* scrollBar, int bar, bool valuesOnly) {
  if (!valuesOnly) AdjustScrollBarPosition(scrollBar);
  if (!scrollBar->Visible()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  // A failed query leaves the bar as it was.
  if (!GetScrollInfo(FInnerControl->Handle(), bar, &info)) return;
  const int page = std::min(static_cast<int>(info.nPage), info.nMax);
  scrollBar->SetParams(info.nMin, info.nMax, true, page, info.nPos);
  scrollBar->SetSmallChange(1);
}

void TcxContainer::SynchronizeScrollBars(bool valuesOnly) {
  if (!FInnerControl || !HasInnerWindow() || !HasOwnScrollBars() || FIsDestroyingFlag ||
      !cxContainerApi().GetScrollBarInfo)
    return;
  {
    const TFlagScope syncing(FScrollBarsSyncing, true);
    SynchronizeScrollBar(HScrollBar(), SB_HORZ, valuesOnly);
    SynchronizeScrollBar(VScrollBar(), SB_VERT, valuesOnly);
  }
  UpdateScrollBarRegion();
}

// The corner between two visible bars of the inner window is the inner
// window's to paint.
void TcxContainer::UpdateScrollBarRegion() {
  TcxContainerScrollBarRegion region;
  auto* inner = dynamic_cast<IcxContainerInnerControl*>(FInnerControl);
  if (inner && HScrollBar()->Visible() && VScrollBar()->Visible()) {
    region.Empty = false;
    region.Rect = TRect{VScrollBar()->Left(), HScrollBar()->Top(), VScrollBar()->Left() + VScrollBar()->Width(),
                        HScrollBar()->Top() + HScrollBar()->Height()};
  }
  if (region.Empty == FScrollBarRegion.Empty && RectsEqual(region.Rect, FScrollBarRegion.Rect)) return;
  FScrollBarRegion = region;
  if (region.Empty) return;
  const TcxRegion corner(region.Rect);
  SendMessageA(FInnerControl->Handle(), WM_NCPAINT, reinterpret_cast<WPARAM>(corner.Handle()), 0);
}

// ---- what the form keeps

bool TcxContainer::IsStylePropertyStored(const std::string& name, bool isStateStyle) const {
  if (isStateStyle && (name == "LookAndFeel" || name == "StyleController")) return false;
  const TcxContainerStyle* style = GetStyle();
  for (int index = 0; index < style->GetValueCount(); ++index) {
    const auto value = static_cast<TcxContainerStyleValue>(index);
    std::string valueName;
    if (!style->GetValueName(value, valueName) || valueName != name) continue;
    if (isStateStyle && style->GetCommonValues().Contains(value)) return false;
    return !GetIgnoredStyleValues().Contains(value);
  }
  return true;
}
