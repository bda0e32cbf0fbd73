#pragma once
// A scroll bar drawn entirely by the look-and-feel painter. The view info
// lays out the arrow buttons, the thumb and the page areas; the control paints
// them into an off-screen bitmap of its own size and copies that to the
// window, and handles the mouse itself: hot and pressed parts, dragging the
// thumb within a tracking margin, and the auto-repeat of a held arrow or page
// area through its own timer.
//
// The geometry is a set of plain functions over a small description of the
// bar, so it can be checked without a window.
#include <windows.h>

#include <memory>

#include "controls/foundation/controls/cxControls.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "platform/controls/core/CustomControl.h"
#include "platform/graphics/Bitmap.h"

// What the layout of a bar depends on.
struct TcxScrollBarMetrics {
  bool Horizontal = true;
  int Width = 0;
  int Height = 0;
  int Min = 0;
  int Max = 100;
  int PageSize = 0;
  int Position = 0;
  // The system's arrow-button length across the bar: SM_CYHSCROLL for a
  // horizontal bar, SM_CXVSCROLL for a vertical one.
  int ArrowSize = 0;
  // The system's thumb length, used when there is no page: SM_CXHTHUMB or SM_CYVTHUMB.
  int ThumbSize = 0;
  // The painter's smallest thumb, used with a page.
  int MinThumbSize = 0;
  bool Enabled = true;
};

// The rectangles of a bar in its client coordinates; the page areas and the
// thumb are empty when there is no room for a thumb.
struct TcxScrollBarRects {
  TRect FirstArrow{};
  TRect SecondArrow{};
  TRect Thumb{};
  TRect PageBefore{};
  TRect PageAfter{};
};

TcxScrollBarRects CalculateScrollBarRects(const TcxScrollBarMetrics& metrics);
// The thumb alone, for arrows already laid out.
TRect CalculateScrollBarThumb(const TcxScrollBarMetrics& metrics, const TRect& firstArrow, const TRect& secondArrow);
// The page areas on both sides of the thumb as it lies now.
void CalculateScrollBarPageAreas(bool horizontal, int width, int height, TcxScrollBarRects& rects);
// The part under `point`; sbpNone outside the bar.
TcxScrollBarPart ScrollBarHitTest(const TcxScrollBarRects& rects, int width, int height, POINT point);
// The position the thumb shows where it lies now.
int ScrollBarThumbPosition(const TcxScrollBarMetrics& metrics, const TcxScrollBarRects& rects);

// The length the thumb may travel: between the arrows.
int ScrollBarTrackLength(bool horizontal, const TcxScrollBarRects& rects);

// How far the pointer may stray from a bar while dragging its thumb before
// the bar goes back to where the drag began.
constexpr int cxScrollBarTrackingMarginAcross = 136;
constexpr int cxScrollBarTrackingMarginAlong = 34;

class TcxScrollBar;

class TcxScrollBarViewInfo : public TObject {
 public:
  explicit TcxScrollBarViewInfo(TcxScrollBar& owner);

  TcxScrollBar& Owner() const { return FOwner; }
  const TcxScrollBarRects& Rects() const { return FRects; }
  TcxScrollBarRects& Rects() { return FRects; }
  const TRect& FirstArrowRect() const { return FRects.FirstArrow; }
  const TRect& SecondArrowRect() const { return FRects.SecondArrow; }
  const TRect& ThumbRect() const { return FRects.Thumb; }
  const TRect& PageBeforeRect() const { return FRects.PageBefore; }
  const TRect& PageAfterRect() const { return FRects.PageAfter; }
  int MinThumbSize() const { return FMinThumbSize; }
  void SetMinThumbSize(int value) { FMinThumbSize = value; }

  // The arrows, then the thumb.
  virtual void CalculateRects();
  virtual void Calculate();
  // The thumb and the page areas only: the arrows stay.
  void CalculateThumb();

  // What the layout is computed from.
  TcxScrollBarMetrics Metrics() const;

 private:
  TcxScrollBar& FOwner;
  TcxScrollBarRects FRects;
  int FMinThumbSize = 0;
};

// Makes the view info a scroll bar lays itself out with.
using TcxScrollBarViewInfoClass = std::unique_ptr<TcxScrollBarViewInfo> (*)(TcxScrollBar& owner);

class TcxScrollBar : public TCustomControl {
 public:
  explicit TcxScrollBar(TComponent* owner);
  ~TcxScrollBar() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void BeforeDestruction() override;

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind value);
  TScrollBarInc LargeChange() const { return FLargeChange; }
  void SetLargeChange(TScrollBarInc value) { FLargeChange = value; }
  TScrollBarInc SmallChange() const { return FSmallChange; }
  void SetSmallChange(TScrollBarInc value) { FSmallChange = value; }
  TcxLookAndFeel& LookAndFeel() const { return *FLookAndFeel; }
  void SetLookAndFeel(const TcxLookAndFeel& value);
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int value);
  int Position() const { return FPosition; }
  void SetPosition(int value);
  bool UnlimitedTracking() const { return FUnlimitedTracking; }
  void SetUnlimitedTracking(bool value) { FUnlimitedTracking = value; }
  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }
  void SetOnScroll(TScrollEvent handler) { FOnScroll = std::move(handler); }

  // Raises EInvalidOperation for a range that cannot hold the page; a
  // position outside the range is taken to its nearest end.
  void SetParams(int min, int max, bool redraw, int pageSize, int position);
  // Scrolls as a scroll code asks, through OnScroll.
  void DoScroll(TScrollCode scrollCode);

  TcxScrollBarPart HotPart() const { return FHotPart; }
  TcxScrollBarPart PressedPart() const { return FPressedPart; }
  TcxScrollBarViewInfo& ViewInfo() const { return *FViewInfo; }
  TcxTimer& Timer() const { return *FTimer; }
  // The bar's picture, drawn off screen and copied: made at the bar's size
  // when first painted or asked for, so a bar that never shows costs none.
  const TBitmap& Bitmap() const { return SizedBitmap(); }
  TcxLookAndFeelPainterClass Painter() const { return FLookAndFeel->GetPainter(); }
  // The state a part is drawn in now.
  TcxButtonState GetPartState(TcxScrollBarPart part) const;
  // The part under a point of the client area.
  TcxScrollBarPart GetScrollBarPart(POINT point) const;
  bool IsThumbDragging() const { return FPressedPart == sbpThumbnail; }

  virtual void Change();
  virtual TcxScrollBarViewInfoClass GetViewInfoClass() const;
  virtual void DrawScrollBar(TcxCanvas& canvas);
  virtual void DrawScrollBarPart(TcxCanvas& canvas, const TRect& r, TcxScrollBarPart part, TcxButtonState state);
  virtual void Scroll(TScrollCode scrollCode, int& scrollPos);

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual void MouseEnter();
  virtual void MouseLeave();

  // Lets go of a pressed part: a dragged thumb settles where it lies.
  void CancelScroll();
  void UpdateMinThumbSize();
  // Recomputes the layout and repaints.
  void LayoutChanged();
  // Makes the view info of GetViewInfoClass and lays it out; a class that
  // answers another view info calls it again from its constructor.
  void CreateViewInfo();

 private:
  void LookAndFeelChanged();
  void ThemeChanged();
  void RefreshPatterns();
  TBitmap& SizedBitmap() const;
  void ResizeBitmap() const;
  void TimerTick();
  void ScrollPart(TcxScrollBarPart part);
  void StartAutoRepeat();
  void DragThumb(int x, int y);
  void SettleThumb();
  bool IsInTrackingArea(int x, int y) const;
  bool RepaintsOnEnterOrLeave() const;

  mutable std::unique_ptr<TBitmap> FBitmap;
  mutable std::unique_ptr<TcxCanvas> FCanvas;
  POINT FDownMousePos{};
  TScrollBarKind FKind = sbHorizontal;
  TScrollBarInc FLargeChange = 1;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  int FMax = 100;
  int FMin = 0;
  int FPageSize = 0;
  int FPosition = 0;
  int FSavedPosition = 0;
  POINT FSavedThumbPos{};
  TScrollBarInc FSmallChange = 1;
  std::unique_ptr<TdxThemeChangedNotificator> FThemeChangedNotificator;
  TOwned<TcxTimer> FTimer;
  bool FUnlimitedTracking = false;
  TNotifyEvent FOnChange;
  TScrollEvent FOnScroll;
  TcxScrollBarPart FPressedPart = sbpNone;
  TcxScrollBarPart FHotPart = sbpNone;
  std::unique_ptr<TcxScrollBarViewInfo> FViewInfo;
};
