#include "controls/editors/base/cxEditPopupWindow.h"

#include <algorithm>

#include "controls/foundation/container/cxContainerRoutines.h"
#include "controls/foundation/controls/cxControls.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Screen.h"

namespace {

// The minimal width leaves this much room beside the grip and the close button.
constexpr int kSysPanelSpacing = 10;
// The outline is never thinner than this, so it shows around a thin border.
constexpr int kMinOutlineWidth = 2;

int RectWidth(const TRect& r) { return r.right - r.left; }
int RectHeight(const TRect& r) { return r.bottom - r.top; }

}  // namespace

TCursor EditPopupSizingCursor(const TcxEditPopupSizingDirections& directions) {
  const int h = directions.Horizontal;
  const int v = directions.Vertical;
  if (h != 0 && v != 0) return h == v ? crSizeNWSE : crSizeNESW;
  if (h != 0) return crSizeWE;
  if (v != 0) return crSizeNS;
  return crDefault;
}

std::unique_ptr<TcxRegion> CreateEditPopupWindowRegion(SIZE size, bool nativeStyle, bool shadow,
                                                       const TRect& exclusion) {
  TRect r{0, 0, size.cx, size.cy};
  if (!nativeStyle && shadow) {
    r.right -= cxContainerShadowWidth;
    r.bottom -= cxContainerShadowWidth;
  }
  auto region = CreateContainerWindowRegion(!nativeStyle, r, shadow);
  if (region && !IsRectEmpty(&exclusion)) region->Combine(TcxRegion(exclusion), roSubtract);
  return region;
}

// ---- the window

TClass TcxCustomEditPopupWindow::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomEditPopupWindow>("TcxCustomEditPopupWindow", TcxCustomPopupWindow::StaticClass()).Build();
  return &metaClass;
}

TcxCustomEditPopupWindow::TcxCustomEditPopupWindow(TWinControl* ownerControl, IcxEditPopupWindowEdit* edit)
    : TcxCustomPopupWindow(ownerControl), FEdit(edit) {
  // A press on the frame or the grip keeps the pointer until the release, wherever it goes.
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  SetControlStyle(style);
  EditViewInfo().CloseButtonState = cxbsNormal;
}

TcxCustomEditPopupWindowViewInfo& TcxCustomEditPopupWindow::EditViewInfo() {
  return static_cast<TcxCustomEditPopupWindowViewInfo&>(ViewInfo());
}

void TcxCustomEditPopupWindow::SetEditPopupBorderStyle(TcxEditPopupBorderStyle value) {
  FEditPopupBorderStyle = EditViewInfo().PopupBorderStyle = value;
}

void TcxCustomEditPopupWindow::SetPopupClientEdge(bool value) { FPopupClientEdge = EditViewInfo().ClientEdge = value; }

void TcxCustomEditPopupWindow::SetCloseButton(bool value) { FCloseButton = EditViewInfo().CloseButton = value; }

void TcxCustomEditPopupWindow::SetNativeStyle(bool value) { FNativeStyle = EditViewInfo().NativeStyle = value; }

void TcxCustomEditPopupWindow::SetShadow(bool value) { FShadow = EditViewInfo().Shadow = value; }

void TcxCustomEditPopupWindow::SetPopupSizeable(bool value) { FPopupSizeable = EditViewInfo().Sizeable = value; }

void TcxCustomEditPopupWindow::SetPopupSysPanelStyle(bool value) {
  FPopupSysPanelStyle = EditViewInfo().SysPanelStyle = value;
}

void TcxCustomEditPopupWindow::Popup(TWinControl* focusedControl) {
  if (!IsOwnerControlVisible()) FEdit->FinalizePopup();
  TcxCustomPopupWindow::Popup(focusedControl);
}

bool TcxCustomEditPopupWindow::CanShrinkToWorkArea() { return FEdit->CanShrinkPopupToWorkArea(); }

void TcxCustomEditPopupWindow::ModalCloseUp() {
  int reason = cxEditPopupCloseReasonUnknown;
  if (ModalResult() == mrOk) reason = cxEditPopupCloseReasonAccept;
  if (ModalResult() == mrCancel) reason = cxEditPopupCloseReasonCancel;
  FEdit->ClosePopup(reason);
}

// A sizing cursor left on the screen would stay over every window of the program.
void TcxCustomEditPopupWindow::DoClosed() {
  FSizing.Active = false;
  RestoreDefaultCursor();
  TcxCustomPopupWindow::DoClosed();
}

void TcxCustomEditPopupWindow::DoClosing() {
  TcxCustomPopupWindow::DoClosing();
  EraseOutline();
}

void TcxCustomEditPopupWindow::CalculateViewInfo() {
  TcxCustomEditPopupWindowViewInfo& viewInfo = EditViewInfo();
  viewInfo.Bounds = Rect(0, 0, Width(), Height());
  viewInfo.Calculate();
  viewInfo.LookAndFeelKind = FEdit->PopupLookAndFeelKind();
  viewInfo.Painter = FEdit->PopupSkinPainter();
}

SIZE TcxCustomEditPopupWindow::GetMinSize() {
  TcxCustomEditPopupWindowViewInfo& viewInfo = EditViewInfo();
  const TRect extent = viewInfo.GetBorderExtent();
  SIZE size{extent.left + extent.right, extent.top + extent.bottom};
  if (FPopupSizeable && FPopupSysPanelStyle)
    size.cx += RectWidth(viewInfo.CloseButtonRect) + RectWidth(viewInfo.SizeGripSizingRect) + kSysPanelSpacing;
  return size;
}

void TcxCustomEditPopupWindow::CalculateSize() {
  EditViewInfo().SysPanelCorner = spcBottomRight;
  SetOwnerBounds(FEdit->PopupOwnerBounds());
  CalculateViewInfo();
  const TRect extent = EditViewInfo().GetBorderExtent();
  const SIZE minSize = GetMinSize();
  const SIZE content = FEdit->GetPopupContentSize();
  int width = FWantedWidth != 0 ? FWantedWidth : RectWidth(OwnerBounds());
  if (FPopupAutoSize) width = content.cx + extent.left + extent.right;
  if (FPopupSizeable && FPopupMinWidth > 0) width = std::max(width, FPopupMinWidth);
  width = std::max<int>(width, minSize.cx);
  int height = FWantedHeight >= 1 ? FWantedHeight : std::max<int>(FPopupMinHeight, minSize.cy);
  if (FPopupAutoSize) height = content.cy + extent.top + extent.bottom;
  if (FPopupSizeable && FPopupMinHeight > 0) height = std::max(height, FPopupMinHeight);
  height = std::max<int>(height, minSize.cy);
  SetBounds(Left(), Top(), width, height);
}

// The popup extends to the left (upward) when its right (bottom) edge was
// placed on the owner's or the work area's edge.
void TcxCustomEditPopupWindow::CalculatePosition(POINT& position) {
  SetOwnerBounds(FEdit->PopupOwnerBounds());
  TcxCustomPopupWindow::CalculatePosition(position);
  const RECT owner = GetOwnerScreenBounds();
  const RECT area = GetDesktopWorkArea(position);
  const int right = position.x + Width();
  const int bottom = position.y + Height();
  const bool left = (AlignHorz() == 2 && right == owner.right && position.x > area.left) || right == owner.left ||
                    (right == area.right && position.x < owner.right);
  const bool above = (AlignVert() == 2 && bottom == owner.bottom && position.y > area.top) || bottom == owner.top ||
                     (bottom == area.bottom && position.y < owner.bottom);
  TcxEditPopupSysPanelCorner corner = left ? spcBottomLeft : spcBottomRight;
  if (above) corner = left ? spcTopLeft : spcTopRight;
  EditViewInfo().SysPanelCorner = corner;
  if (above && FShadow) position.y += cxContainerShadowWidth;
  CalculateViewInfo();
}

bool TcxCustomEditPopupWindow::CanResize(int& width, int& height) {
  if (!FPopupSizeable || (width == Width() && height == Height())) return true;
  SIZE minSize = GetMinSize();
  if (FPopupMinWidth > 0) minSize.cx = std::max<int>(minSize.cx, FPopupMinWidth);
  if (FPopupMinHeight > 0) minSize.cy = std::max<int>(minSize.cy, FPopupMinHeight);
  width = std::max<int>(width, minSize.cx);
  height = std::max<int>(height, minSize.cy);
  if (!FEdit->HasVisualLookupList()) return true;
  const TRect extent = EditViewInfo().GetBorderExtent();
  const int extentWidth = extent.left + extent.right;
  const int extentHeight = extent.top + extent.bottom;
  const RECT area = GetDesktopWorkArea(POINT{Left(), Top()});
  const int available =
      IsTopCorner(EditViewInfo().SysPanelCorner) ? GetOwnerScreenBounds().top - area.top : area.bottom - Top();
  SIZE content{width - extentWidth, height - extentHeight};
  if (FEdit->FitLookupContentSize(content, available - extentHeight)) {
    width = std::max<int>(content.cx + extentWidth, minSize.cx);
    height = std::max<int>(content.cy + extentHeight, minSize.cy);
  } else {
    width = Width();
    height = Height();
  }
  return true;
}

void TcxCustomEditPopupWindow::Resize() {
  TcxCustomPopupWindow::Resize();
  CalculateViewInfo();
  if (HandleAllocated()) UpdatePopupWindowRegion();
}

// The shadow of a popup above the editor would fall on the editor: that strip is cut away.
void TcxCustomEditPopupWindow::UpdatePopupWindowRegion() {
  TRect exclusion{};
  if (!FNativeStyle && FShadow && IsTopCorner(EditViewInfo().SysPanelCorner)) {
    const RECT owner = GetOwnerScreenBounds();
    const POINT topLeft = ScreenToClient(POINT{owner.left, owner.top});
    const POINT bottomRight = ScreenToClient(POINT{owner.right, owner.bottom});
    exclusion = {topLeft.x, Height() - cxContainerShadowWidth, bottomRight.x - cxContainerShadowWidth, Height()};
  }
  UpdateWindowRegion(Handle(), CreateEditPopupWindowRegion(SIZE{Width(), Height()}, FNativeStyle, FShadow, exclusion));
}

void TcxCustomEditPopupWindow::WndProc(TMessage& message) {
  if (message.Msg == CM_POPUPCONTROLKEY) {
    PassCharToFocusedControl(static_cast<char>(KeyCode(message)));
    return;
  }
  if (message.Msg == CM_MOUSELEAVE && MessageObject<TControl>(message, this) == this) MouseLeave();
  TcxCustomPopupWindow::WndProc(message);
}

void TcxCustomEditPopupWindow::PassCharToFocusedControl(char key) {
  if (!IsShown()) return;
  if (const HWND focus = GetFocus())
    SendMessageA(focus, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(key)), 0);
}

// ---- the close button and user sizing

TRect TcxCustomEditPopupWindow::ScreenBounds() const {
  const POINT topLeft = ClientToScreen(POINT{0, 0});
  return Rect(topLeft.x, topLeft.y, topLeft.x + Width(), topLeft.y + Height());
}

void TcxCustomEditPopupWindow::SetCloseButtonState(int state) {
  TcxCustomEditPopupWindowViewInfo& viewInfo = EditViewInfo();
  if (viewInfo.CloseButtonState == state) return;
  viewInfo.CloseButtonState = state;
  if (HandleAllocated()) InvalidateRect(Handle(), &viewInfo.CloseButtonRect, FALSE);
}

void TcxCustomEditPopupWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TcxCustomPopupWindow::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  const POINT p{x, y};
  if (PtInRect(&EditViewInfo().CloseButtonRect, p)) {
    FCloseButtonPressed = true;
    SetCloseButtonState(cxbsPressed);
    return;
  }
  TcxEditPopupSizingDirections directions;
  if (FPopupSizeable && MouseCapture() && EditViewInfo().IsSizingPlace(p, directions)) BeginSizing(p, directions);
}

void TcxCustomEditPopupWindow::BeginSizing(const POINT& p, const TcxEditPopupSizingDirections& directions) {
  FSizing.Directions = directions;
  FSizing.PressedOnGrip = PtInRect(&EditViewInfo().SizeGripSizingRect, p) != FALSE;
  FSizing.Distance = {directions.Horizontal > 0 ? Width() - p.x : p.x, directions.Vertical > 0 ? Height() - p.y : p.y};
  FSizing.Active = true;
  ShowSizingCursor(p);
  DrawOutline(ScreenBounds());
}

void TcxCustomEditPopupWindow::ShowSizingCursor(const POINT& p) {
  TcxEditPopupSizingDirections directions;
  const bool sizing = FPopupSizeable && EditViewInfo().IsSizingPlace(p, directions);
  const TCursor cursor = sizing ? EditPopupSizingCursor(directions) : crDefault;
  if (cursor == crDefault && !FSizing.CursorChanged) return;
  FSizing.CursorChanged = cursor != crDefault;
  SetCursor(cursor);
  Screen().SetCursor(cursor);
}

void TcxCustomEditPopupWindow::MouseMove(TShiftState shift, int x, int y) {
  TcxCustomPopupWindow::MouseMove(shift, x, y);
  const POINT p{x, y};
  if (FSizing.Active) return SizeTo(p);
  ShowSizingCursor(p);
  const bool overButton = PtInRect(&EditViewInfo().CloseButtonRect, p) != FALSE;
  if (!overButton) {
    FCloseButtonPressed = false;
    SetCloseButtonState(cxbsNormal);
  } else if (EditViewInfo().CloseButtonState == cxbsNormal && !shift.Contains(ssLeft) && !shift.Contains(ssRight) &&
             !shift.Contains(ssMiddle)) {
    SetCloseButtonState(cxbsHot);
  }
}

// The moving edges follow the pointer; the popup keeps overlapping its owner
// and stays in the work area.
void TcxCustomEditPopupWindow::SizeTo(const POINT& p) {
  const POINT s = ClientToScreen(p);
  const TRect current = IsRectEmpty(&FSizing.Outline) ? ScreenBounds() : FSizing.Outline;
  const TcxEditPopupSizingDirections& d = FSizing.Directions;
  TRect gripOnScreen = EditViewInfo().SizeGripSizingRect;
  OffsetRect(&gripOnScreen, current.left, current.top);
  const bool inGrip = PtInRect(&gripOnScreen, s) != FALSE;
  const bool growthAllowed = FSizing.PressedOnGrip || !inGrip;
  TRect r = current;
  if (d.Horizontal > 0) r.right = s.x + FSizing.Distance.x;
  if (d.Horizontal < 0) r.left = s.x - FSizing.Distance.x;
  if (d.Vertical > 0) r.bottom = s.y + FSizing.Distance.y;
  if (d.Vertical < 0) r.top = s.y - FSizing.Distance.y;
  if (!growthAllowed && RectWidth(r) > RectWidth(current)) {
    r.left = current.left;
    r.right = current.right;
  }
  if (!growthAllowed && RectHeight(r) > RectHeight(current)) {
    r.top = current.top;
    r.bottom = current.bottom;
  }
  int width = RectWidth(r);
  int height = RectHeight(r);
  CanResize(width, height);
  if (d.Horizontal < 0)
    r.left = r.right - width;
  else
    r.right = r.left + width;
  if (d.Vertical < 0)
    r.top = r.bottom - height;
  else
    r.bottom = r.top + height;
  const RECT owner = GetOwnerScreenBounds();
  r.right = std::max<int>(r.right, owner.left + 1);
  r.left = std::min<int>(r.left, owner.right - 1);
  const RECT area = GetDesktopWorkArea(POINT{r.left, r.top});
  IntersectRect(&r, &r, &area);
  if (EqualRect(&r, &current)) return;
  FEdit->PopupResizedByUser();
  DrawOutline(r);
}

void TcxCustomEditPopupWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TcxCustomPopupWindow::MouseUp(button, shift, x, y);
  const POINT p{x, y};
  if (button == mbLeft && FSizing.Active) EndSizing(p);
  if (FCloseButtonPressed && PtInRect(&EditViewInfo().CloseButtonRect, p)) ReleaseCloseButton();
  FCloseButtonPressed = false;
}

void TcxCustomEditPopupWindow::EndSizing(const POINT& p) {
  const POINT release = ClientToScreen(p);
  SetMouseCapture(false);
  FSizing.Active = false;
  const TRect bounds = IsRectEmpty(&FSizing.Outline) ? ScreenBounds() : FSizing.Outline;
  EraseOutline();
  SetBounds(bounds.left, bounds.top, RectWidth(bounds), RectHeight(bounds));
  SetOwnerBounds(FEdit->PopupOwnerBounds());
  CalculateViewInfo();
  FEdit->PopupClientBoundsChanged(EditViewInfo().ClientRect);
  Invalidate();
  Update();
  ShowSizingCursor(ScreenToClient(release));
}

void TcxCustomEditPopupWindow::ReleaseCloseButton() {
  FCloseButtonPressed = false;
  if (CloseQuery()) {
    FEdit->ClosePopup(cxEditPopupCloseReasonUnknown);
    if (Visible()) SetCloseButtonState(cxbsHot);
  } else {
    SetCloseButtonState(cxbsHot);
  }
}

void TcxCustomEditPopupWindow::MouseLeave() {
  FCloseButtonPressed = false;
  SetCloseButtonState(cxbsNormal);
  if (!FSizing.Active) RestoreDefaultCursor();
}

void TcxCustomEditPopupWindow::RestoreDefaultCursor() {
  if (!FSizing.CursorChanged) return;
  FSizing.CursorChanged = false;
  SetCursor(crDefault);
  Screen().SetCursor(crDefault);
}

// Drawn with exclusive-or on the screen: drawing an outline again erases it.
void TcxCustomEditPopupWindow::XorOutline(const TRect& bounds) {
  TRect r = bounds;
  if (FShadow) {
    r.right -= cxContainerShadowWidth;
    r.bottom -= cxContainerShadowWidth;
  }
  const int width = std::max(kMinOutlineWidth, EditViewInfo().PopupBorderWidth(false));
  for (int i = 0; i < width && !IsRectEmpty(&r); ++i) {
    cxScreenCanvas().DrawFocusRect(r);
    InflateRect(&r, -1, -1);
  }
}

void TcxCustomEditPopupWindow::DrawOutline(const TRect& bounds) {
  EraseOutline();
  FSizing.Outline = bounds;
  XorOutline(bounds);
}

void TcxCustomEditPopupWindow::EraseOutline() {
  if (IsRectEmpty(&FSizing.Outline)) return;
  XorOutline(FSizing.Outline);
  FSizing.Outline = TRect{};
}
