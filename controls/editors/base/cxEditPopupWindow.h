#pragma once
// The popup window of a drop-down edit: a frame in one of four border
// styles, an optional client edge, an optional shadow and an optional sys
// panel (a strip along the edge away from the editor holding a size grip and
// a close button). The view info lays these out and paints them without a
// window, so the geometry and the pixels are checked on a bitmap.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "controls/editors/base/cxEditStyles.h"
#include "controls/foundation/cxContainerPopup.h"
#include "controls/foundation/cxContainerViewInfo.h"
#include "controls/foundation/cxLookAndFeels.h"

// The corner of the popup that holds the size grip, always the one away
// from the editor; the sys panel lies along the edge of that corner.
enum TcxEditPopupSysPanelCorner : uint8_t { spcTopLeft, spcTopRight, spcBottomLeft, spcBottomRight };

constexpr bool IsLeftCorner(TcxEditPopupSysPanelCorner corner) {
  return corner == spcTopLeft || corner == spcBottomLeft;
}
constexpr bool IsTopCorner(TcxEditPopupSysPanelCorner corner) { return corner == spcTopLeft || corner == spcTopRight; }

// Which edges a drag moves: -1 the left (top) edge, +1 the right (bottom)
// edge, 0 neither.
struct TcxEditPopupSizingDirections {
  int Horizontal = 0;
  int Vertical = 0;
};

class TcxCustomEditPopupWindowViewInfo : public TcxContainerViewInfo {
 public:
  TcxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
  bool ClientEdge = false;
  bool CloseButton = false;
  TRect CloseButtonRect{};
  // The kind whose painter draws a close button that is neither themed nor skinned.
  TcxLookAndFeelKind LookAndFeelKind = lfUltraFlat;
  // 0 when the close button is not drawn themed, else its themed state.
  int CloseButtonNativeState = 0;
  // 1 normal, 2 hot, 3 pressed.
  int CloseButtonState = cxbsNormal;
  bool Sizeable = false;
  TcxEditPopupSysPanelCorner SysPanelCorner = spcBottomRight;
  // Where the grip is drawn, and where a press starts a two-way resize.
  TRect SizeGripRect{};
  TRect SizeGripSizingRect{};
  // The inside of the border, from which the grip and the close button are placed.
  TRect SysPanelArea{};
  // How near the outer edge a press on the frame resizes.
  int SizingBorderWidth = 0;
  // 0 without the sys panel.
  int SysPanelHeight = 0;
  bool SysPanelStyle = false;

  // Lays out the client rectangle, the sys panel, the grip and the close
  // button in Bounds moved to (0, 0).
  virtual void Calculate();
  // Draws the frame in `r`, which shrinks by what was drawn.
  virtual void DrawPopupBorder(TcxCanvas& canvas, TRect& r);
  // The four side widths (left, top, right, bottom) taken by the frame, the
  // client edge, the shadow and the sys panel; stores the sys-panel height
  // and the sizing border width.
  virtual TRect InternalGetBorderExtent();
  virtual TRect GetBorderExtent() { return InternalGetBorderExtent(); }
  virtual int CalculateSysPanelHeight() const;
  // True on the frame or on the grip's sizing rectangle, even when no edge
  // moves from there; `directions` tells which edges move.
  virtual bool IsSizingPlace(const POINT& p, TcxEditPopupSizingDirections& directions) const;
  void InternalPaint(TcxCanvas& canvas) override;

  // The frame's width, with or without the client edge.
  int PopupBorderWidth(bool withClientEdge) const;
  int ClientEdgeWidth() const;
  // The native style draws its close button with the window theme.
  bool CanDrawWindowTheme() const;
  bool CanDrawScrollBarTheme() const;

 protected:
  void CalculateSizeGrip();
  void CalculateCloseButton();
  // A separator line between the client and the sys panel.
  bool HasSysPanelSeparator() const;
  int SysPanelSideWidth() const;
  void DrawSysPanelSeparator(TcxCanvas& canvas);
  void DrawClientEdge(TcxCanvas& canvas, const TRect& r);
  void DrawSizeGrip(TcxCanvas& canvas, const TRect& r);
  void DrawClassicSizeGrip(TcxCanvas& canvas, const TRect& r);
  void DrawCloseButton(TcxCanvas& canvas, const TRect& r);
  void FillWindowContent(TcxCanvas& canvas, const TRect& r);
};

std::unique_ptr<TcxContainerViewInfo> CreateEditPopupWindowViewInfo();

// A character typed into the editor that the popup's focused control shall receive.
constexpr UINT CM_POPUPCONTROLKEY = 0x806B;

// Close-up reasons the popup hands its editor.
constexpr int cxEditPopupCloseReasonUnknown = 0;
constexpr int cxEditPopupCloseReasonTab = 1;
constexpr int cxEditPopupCloseReasonCloseKey = 2;
constexpr int cxEditPopupCloseReasonCancel = 3;
constexpr int cxEditPopupCloseReasonAccept = 4;

// What the popup asks of the drop-down edit that opens it.
class IcxEditPopupWindowEdit {
 public:
  virtual ~IcxEditPopupWindowEdit() = default;
  // The popup was asked to open while the editor shows no window.
  virtual void FinalizePopup() = 0;
  virtual bool CanShrinkPopupToWorkArea() = 0;
  virtual void ClosePopup(int reason) = 0;
  // The rectangle the popup opens at, in the owner control's client coordinates.
  virtual RECT PopupOwnerBounds() = 0;
  // The size the popup's content wants when the popup sizes itself to it.
  virtual SIZE GetPopupContentSize() = 0;
  virtual TcxLookAndFeelKind PopupLookAndFeelKind() = 0;
  virtual TcxLookAndFeelPainterClass PopupSkinPainter() = 0;
  // The user changed the popup's size: the editor keeps it for the next opening.
  virtual void PopupResizedByUser() = 0;
  virtual void PopupClientBoundsChanged(const RECT& clientBounds) = 0;
  // A lookup list in the popup may fit a content size to its rows within the
  // available height; false keeps the popup's size.
  virtual bool HasVisualLookupList() { return false; }
  virtual bool FitLookupContentSize(SIZE& /*size*/, int /*availableHeight*/) { return true; }
};

// The cursor that shows which edges a drag from a sizing place moves.
TCursor EditPopupSizingCursor(const TcxEditPopupSizingDirections& directions);

// The window region: the popup less its shadow, with the shadow's copy moved
// by (3, 3), less `exclusion`; none with native style.
std::unique_ptr<TcxRegion> CreateEditPopupWindowRegion(SIZE size, bool nativeStyle, bool shadow,
                                                       const TRect& exclusion);

class TcxCustomEditPopupWindow : public TcxCustomPopupWindow {
 public:
  TcxCustomEditPopupWindow(TWinControl* ownerControl, IcxEditPopupWindowEdit* edit);
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  bool PopupAutoSize() const { return FPopupAutoSize; }
  void SetPopupAutoSize(bool value) { FPopupAutoSize = value; }
  TcxEditPopupBorderStyle EditPopupBorderStyle() const { return FEditPopupBorderStyle; }
  void SetEditPopupBorderStyle(TcxEditPopupBorderStyle value);
  bool PopupClientEdge() const { return FPopupClientEdge; }
  void SetPopupClientEdge(bool value);
  bool CloseButton() const { return FCloseButton; }
  void SetCloseButton(bool value);
  int PopupMinHeight() const { return FPopupMinHeight; }
  void SetPopupMinHeight(int value) { FPopupMinHeight = value; }
  int PopupMinWidth() const { return FPopupMinWidth; }
  void SetPopupMinWidth(int value) { FPopupMinWidth = value; }
  bool NativeStyle() const { return FNativeStyle; }
  void SetNativeStyle(bool value);
  // 0 (below 1 for the height): as wide as the owner, as high as the minimum.
  int WantedHeight() const { return FWantedHeight; }
  void SetWantedHeight(int value) { FWantedHeight = value; }
  int WantedWidth() const { return FWantedWidth; }
  void SetWantedWidth(int value) { FWantedWidth = value; }
  bool Shadow() const { return FShadow; }
  void SetShadow(bool value);
  bool PopupSizeable() const { return FPopupSizeable; }
  void SetPopupSizeable(bool value);
  bool PopupSysPanelStyle() const { return FPopupSysPanelStyle; }
  void SetPopupSysPanelStyle(bool value);

  TcxCustomEditPopupWindowViewInfo& EditViewInfo();
  bool Sizing() const { return FSizing.Active; }

  void Popup(TWinControl* focusedControl) override;
  using TcxCustomPopupWindow::Popup;
  bool CanShrinkToWorkArea() override;
  void ModalCloseUp() override;
  void CalculateSize() override;
  void CalculatePosition(POINT& position) override;
  // Raises a size below the minimum and lets a lookup list fit it; true.
  virtual bool CanResize(int& width, int& height);
  SIZE GetMinSize();
  // Bounds, layout, look-and-feel kind and painter from the window and its editor.
  void CalculateViewInfo();
  void UpdatePopupWindowRegion();

 protected:
  std::unique_ptr<TcxContainerViewInfo> CreateViewInfo() override { return CreateEditPopupWindowViewInfo(); }
  void DoClosed() override;
  void DoClosing() override;
  void Resize() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseLeave();
  void PassCharToFocusedControl(char key);

 private:
  struct TSizingState {
    bool Active = false;
    bool CursorChanged = false;
    bool PressedOnGrip = false;
    TcxEditPopupSizingDirections Directions;
    // The pointer's distance from the moving edges.
    POINT Distance{};
    // The last outline drawn, in screen coordinates; empty when none shows.
    TRect Outline{};
  };

  void SetCloseButtonState(int state);
  void BeginSizing(const POINT& p, const TcxEditPopupSizingDirections& directions);
  void SizeTo(const POINT& p);
  void EndSizing(const POINT& p);
  void ReleaseCloseButton();
  void ShowSizingCursor(const POINT& p);
  void RestoreDefaultCursor();
  void XorOutline(const TRect& bounds);
  void DrawOutline(const TRect& bounds);
  void EraseOutline();
  TRect ScreenBounds() const;

  IcxEditPopupWindowEdit* FEdit;
  bool FPopupAutoSize = false;
  TcxEditPopupBorderStyle FEditPopupBorderStyle = epbsDefault;
  bool FPopupClientEdge = false;
  bool FCloseButton = false;
  int FPopupMinHeight = 0;
  int FPopupMinWidth = 0;
  bool FNativeStyle = false;
  int FWantedHeight = 0;
  int FWantedWidth = 0;
  bool FShadow = false;
  bool FPopupSizeable = false;
  bool FPopupSysPanelStyle = false;
  // The close button was pressed and the pointer has not left it since.
  bool FCloseButtonPressed = false;
  TSizingState FSizing;
};
