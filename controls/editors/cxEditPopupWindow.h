#pragma once
// The popup window of a drop-down edit: a frame in one of four border
// styles, an optional client edge, an optional shadow and an optional sys
// panel (a strip along the edge away from the editor holding a size grip and
// a close button). The view info lays these out and paints them without a
// window, so the geometry and the pixels are checked on a bitmap.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "controls/editors/cxEditStyles.h"
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
