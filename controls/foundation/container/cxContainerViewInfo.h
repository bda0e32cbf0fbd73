#pragma once
// What a container calculated for painting, and the geometry behind it: the
// state set, the style that state chooses, the border's extent and colour,
// the part of the control that shows, the shadow and the window region. The
// geometry is pure: it reads a view info and a few facts of the styles, so
// it is checked without a window.
#include <windows.h>

#include <array>
#include <memory>

#include "controls/foundation/container/cxContainerStyles.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/graphics/dxThemeManager.h"

// The shadow's width to the right and below the border.
constexpr int cxContainerShadowWidth = 3;

class TcxContainerViewInfo : public TObject {
 public:
  TcxContainerViewInfo() = default;
  ~TcxContainerViewInfo() override = default;
  TcxContainerViewInfo(const TcxContainerViewInfo&) = delete;
  TcxContainerViewInfo& operator=(const TcxContainerViewInfo&) = delete;

  TColor BackgroundColor = clWindow;
  TColor BorderColor = clWindowFrame;
  // Inside the border; filled with the background colour.
  TRect ContentRect{};
  TcxContainerBorderStyle BorderStyle = cbsNone;
  int BorderWidth = 0;
  TRect Bounds{};
  // Where the inner control goes: ContentRect once calculated.
  TRect ClientRect{};
  TcxContainerStates ContainerState{csNormal};
  TcxBorders Edges = cxBordersAll;
  // 0 no hot-tracking, 1 normal, 2 hot.
  int HotState = 0;
  int NativePart = 0;
  int NativeState = 0;
  bool NativeStyle = false;
  // The look-and-feel's own painter (a skin's), or nullptr.
  TcxLookAndFeelPainterClass Painter = nullptr;
  bool Shadow = false;
  TdxThemedObjectType ThemedObjectType = totEdit;

  virtual void DrawBorder(TcxCanvas& canvas, TRect rect);
  virtual TcxContainerBorderStyle GetBorderStyle() { return BorderStyle; }
  virtual void InternalPaint(TcxCanvas& canvas);
  virtual void SetBackgroundColor(TColor value) { BackgroundColor = value; }
  // Takes ClientRect from the other view info.
  virtual void Assign(const TcxContainerViewInfo* source);
  // What must be painted again when this view info replaces `other`: nothing here.
  virtual std::unique_ptr<TcxRegion> GetUpdateRegion(const TcxContainerViewInfo* other);
  virtual void Offset(int dx, int dy);
  virtual void Paint(TcxCanvas& canvas) { InternalPaint(canvas); }

 protected:
  void PaintClassic(TcxCanvas& canvas);
  void PaintNative(TcxCanvas& canvas);
};

using TcxContainerViewInfoClass = std::unique_ptr<TcxContainerViewInfo> (*)();
std::unique_ptr<TcxContainerViewInfo> CreateContainerViewInfo();

// ---- the geometry

// What decides the state set.
struct TcxContainerStateFacts {
  bool Enabled = true;
  bool Designing = false;
  bool Focused = false;
  // The call comes from a mouse event and the pointer is in the visible bounds.
  bool HotPointer = false;
};
TcxContainerStates CalculateContainerState(const TcxContainerStateFacts& facts);

// The state whose style applies: disabled, else focused, else hot when the
// normal style hot-tracks, else normal.
TcxContainerState ActiveStyleState(TcxContainerStates states, bool hotTrack);

// 0 without hot-tracking, 2 focused or hot, else 1.
int CalculateHotState(TcxContainerStates states, bool hotTrack);

// The style facts the extents and bounds read.
struct TcxContainerStyleFacts {
  // Of the active style.
  bool TransparentBorder = false;
  bool HasBorder = true;
  bool HasShadow = false;
  // Of the normal style.
  TcxContainerBorderStyle NormalBorderStyle = cbsSingle;
  bool NormalHasBorder = true;
  bool Inplace = false;
};
TcxContainerStyleFacts ContainerStyleFacts(const TcxContainerStyle& active, const TcxContainerStyle& normal,
                                           bool nativeStyle, bool inplace);

// The border as stored in a view info: the normal style's when native; the
// two flat kinds draw as single.
TcxContainerBorderStyle ViewInfoBorderStyle(TcxContainerBorderStyle activeBorderStyle,
                                            TcxContainerBorderStyle normalBorderStyle, bool nativeStyle);

// The widths of the border on each side (left, top, right, bottom as a
// rectangle), the shadow included.
TRect GetContainerBorderExtent(const TcxContainerViewInfo& viewInfo, const TcxContainerStyleFacts& facts);

// The part of the control (0, 0, width, height) that shows.
TRect GetContainerVisibleBounds(const TRect& controlRect, const TcxContainerViewInfo& viewInfo,
                                const TcxContainerStyleFacts& facts);

// The border's outline: Bounds less the extent, grown by the border width
// on the sides in Edges.
TRect GetContainerShadowBounds(const TcxContainerViewInfo& viewInfo, const TRect& borderExtent);

// The border colour for the state: the painter's, the flat kinds' highlight,
// or the style's own.
TColor CalculateContainerBorderColor(const TcxContainerViewInfo& viewInfo, const TcxContainerStyle& active,
                                     bool designing, bool enabled);

// The window region: the shadow bounds, with the shadow's copy moved by
// (3, 3); nullptr for none.
std::unique_ptr<TcxRegion> CreateContainerWindowRegion(bool needsRegion, const TRect& shadowBounds, bool shadow);

// ---- painting routines the editors share

// The classic border in `rect` (its outer edge), by style; with a painter a
// plain frame of BorderWidth.
void DrawContainerBorder(TcxCanvas& canvas, const TRect& rect, TcxContainerBorderStyle borderStyle, int borderWidth,
                         TColor borderColor, TcxBorders edges, TcxLookAndFeelPainterClass painter);
// The 3-pixel shadow strips below and right of `rect`, each then excluded from the clip.
void DrawContainerShadow(TcxCanvas& canvas, const TRect& rect);
// Moves each side not in `edges` inward by `width`.
TRect ShrinkRectOnMissingEdges(const TRect& rect, int width, TcxBorders edges);
// The four strips of `outer` outside `inner`: left, top, right, bottom.
std::array<TRect, 4> RectFrameStrips(const TRect& outer, const TRect& inner);
// Fills the strips; nothing when outer is empty or equals inner.
void FillRectFrame(TcxCanvas& canvas, const TRect& outer, const TRect& inner, TColor color);
