#include "controls/foundation/controls/cxScrollBar.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"

namespace {

constexpr UINT kFirstRepeatInterval = 400;
constexpr UINT kRepeatInterval = 60;
constexpr int kDefaultWidth = 121;

// A rectangle across the whole bar, from `start` to `end` along it.
TRect AlongRect(bool horizontal, int width, int height, int start, int end) {
  return horizontal ? TRect{start, 0, end, height} : TRect{0, start, width, end};
}

int StartAlong(bool horizontal, const TRect& r) { return horizontal ? r.left : r.top; }
int EndAlong(bool horizontal, const TRect& r) { return horizontal ? r.right : r.bottom; }
int LengthAlong(bool horizontal, const TRect& r) { return EndAlong(horizontal, r) - StartAlong(horizontal, r); }

bool IsEmpty(const TRect& r) { return IsRectEmpty(&r) != FALSE; }
bool Contains(const TRect& r, POINT point) { return PtInRect(&r, point) != FALSE; }

// Where the thumb starts, as an offset from the end of the first arrow, when
// the thumb shows a page of the range.
int PageThumbOffset(const TcxScrollBarMetrics& metrics, int travel) {
  const int range = metrics.Max - metrics.Min - (metrics.PageSize - 1);
  // A page that covers the whole range leaves the thumb nowhere to go; the
  // division would give -1 and push the thumb onto the first arrow.
  if (range <= 0) return 0;
  return MulDiv(travel, std::min(metrics.Position - metrics.Min, range), range);
}

bool IsRepeatingPart(TcxScrollBarPart part) {
  return part == sbpLineUp || part == sbpLineDown || part == sbpPageUp || part == sbpPageDown;
}

TScrollCode PartScrollCode(TcxScrollBarPart part) {
  switch (part) {
    case sbpLineUp: return scLineUp;
    case sbpLineDown: return scLineDown;
    case sbpPageUp: return scPageUp;
    default: return scPageDown;
  }
}

std::unique_ptr<TcxScrollBarViewInfo> CreateScrollBarViewInfo(TcxScrollBar& owner) {
  return std::make_unique<TcxScrollBarViewInfo>(owner);
}

}  // namespace

// ---- geometry

TcxScrollBarRects CalculateScrollBarRects(const TcxScrollBarMetrics& metrics) {
  const bool horizontal = metrics.Horizontal;
  const int length = horizontal ? metrics.Width : metrics.Height;
  const int arrow = std::min(metrics.ArrowSize, length / 2);
  TcxScrollBarRects rects;
  rects.FirstArrow = AlongRect(horizontal, metrics.Width, metrics.Height, 0, arrow);
  rects.SecondArrow = AlongRect(horizontal, metrics.Width, metrics.Height, length - arrow, length);
  rects.Thumb = CalculateScrollBarThumb(metrics, rects.FirstArrow, rects.SecondArrow);
  CalculateScrollBarPageAreas(horizontal, metrics.Width, metrics.Height, rects);
  return rects;
}

TRect CalculateScrollBarThumb(const TcxScrollBarMetrics& metrics, const TRect& firstArrow, const TRect& secondArrow) {
  if (!metrics.Enabled) return {};
  const bool horizontal = metrics.Horizontal;
  const int first = EndAlong(horizontal, firstArrow);
  const int track = StartAlong(horizontal, secondArrow) - first;
  int thumbLength;
  int offset;
  if (metrics.PageSize != 0) {
    if (track < metrics.MinThumbSize || metrics.Max == metrics.Min) return {};
    thumbLength = std::min(track, MulDiv(metrics.PageSize, track, metrics.Max - metrics.Min + 1));
    thumbLength = std::max(thumbLength, metrics.MinThumbSize);
    offset = PageThumbOffset(metrics, track - thumbLength);
  } else {
    thumbLength = metrics.ThumbSize;
    if (track < thumbLength) return {};
    const bool canTravel = track - thumbLength > 0 && metrics.Max != metrics.Min;
    offset = canTravel ? MulDiv(track - thumbLength, metrics.Position - metrics.Min, metrics.Max - metrics.Min) : 0;
  }
  return AlongRect(horizontal, metrics.Width, metrics.Height, first + offset, first + offset + thumbLength);
}

void CalculateScrollBarPageAreas(bool horizontal, int width, int height, TcxScrollBarRects& rects) {
  if (IsEmpty(rects.Thumb)) {
    rects.PageBefore = {};
    rects.PageAfter = {};
    return;
  }
  rects.PageBefore =
      AlongRect(horizontal, width, height, EndAlong(horizontal, rects.FirstArrow), StartAlong(horizontal, rects.Thumb));
  rects.PageAfter = AlongRect(horizontal, width, height, EndAlong(horizontal, rects.Thumb),
                              StartAlong(horizontal, rects.SecondArrow));
}

TcxScrollBarPart ScrollBarHitTest(const TcxScrollBarRects& rects, int width, int height, POINT point) {
  if (!Contains(TRect{0, 0, width, height}, point)) return sbpNone;
  if (Contains(rects.FirstArrow, point)) return sbpLineUp;
  if (Contains(rects.SecondArrow, point)) return sbpLineDown;
  if (IsEmpty(rects.Thumb)) return sbpNone;
  if (Contains(rects.Thumb, point)) return sbpThumbnail;
  if (Contains(rects.PageBefore, point)) return sbpPageUp;
  if (Contains(rects.PageAfter, point)) return sbpPageDown;
  return sbpNone;
}

int ScrollBarTrackLength(bool horizontal, const TcxScrollBarRects& rects) {
  return StartAlong(horizontal, rects.SecondArrow) - EndAlong(horizontal, rects.FirstArrow);
}

int ScrollBarThumbPosition(const TcxScrollBarMetrics& metrics, const TcxScrollBarRects& rects) {
  // Without a thumb nothing says where the bar is: it stays where it was.
  if (IsEmpty(rects.Thumb)) return metrics.Position;
  const bool horizontal = metrics.Horizontal;
  int range = metrics.Max - metrics.Min;
  if (metrics.PageSize > 0) range += 1 - metrics.PageSize;
  const int travel = ScrollBarTrackLength(horizontal, rects) - LengthAlong(horizontal, rects.Thumb);
  // A thumb that fills the track can only show the start.
  if (travel <= 0) return metrics.Min;
  const int offset = StartAlong(horizontal, rects.Thumb) - EndAlong(horizontal, rects.FirstArrow);
  return metrics.Min + MulDiv(range, offset, travel);
}

// ---- view info

TcxScrollBarViewInfo::TcxScrollBarViewInfo(TcxScrollBar& owner) : FOwner(owner) {}

TcxScrollBarMetrics TcxScrollBarViewInfo::Metrics() const {
  const bool horizontal = FOwner.Kind() == sbHorizontal;
  TcxScrollBarMetrics metrics;
  metrics.Horizontal = horizontal;
  metrics.Width = FOwner.Width();
  metrics.Height = FOwner.Height();
  metrics.Min = FOwner.Min();
  metrics.Max = FOwner.Max();
  metrics.PageSize = FOwner.PageSize();
  metrics.Position = FOwner.Position();
  metrics.ArrowSize = GetSystemMetrics(horizontal ? SM_CYHSCROLL : SM_CXVSCROLL);
  metrics.ThumbSize = GetSystemMetrics(horizontal ? SM_CXHTHUMB : SM_CYVTHUMB);
  metrics.MinThumbSize = FMinThumbSize;
  metrics.Enabled = FOwner.Enabled();
  return metrics;
}

void TcxScrollBarViewInfo::CalculateRects() { FRects = CalculateScrollBarRects(Metrics()); }

void TcxScrollBarViewInfo::Calculate() { CalculateRects(); }

void TcxScrollBarViewInfo::CalculateThumb() {
  const TcxScrollBarMetrics metrics = Metrics();
  FRects.Thumb = CalculateScrollBarThumb(metrics, FRects.FirstArrow, FRects.SecondArrow);
  CalculateScrollBarPageAreas(metrics.Horizontal, metrics.Width, metrics.Height, FRects);
}

// ---- the control

TClass TcxScrollBar::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxScrollBar>("TcxScrollBar", TCustomControl::StaticClass())
          .Boolean("Ctl3D", &TcxScrollBar::Ctl3D, &TcxScrollBar::SetCtl3D, true)
          .Enumeration("Kind", &TcxScrollBar::Kind, &TcxScrollBar::SetKind, ScrollBarKindIdents(), sbHorizontal)
          .Integer("LargeChange", &TcxScrollBar::LargeChange, &TcxScrollBar::SetLargeChange, 1)
          .Object("LookAndFeel", &TcxScrollBar::LookAndFeel)
          .Integer("Max", &TcxScrollBar::Max, &TcxScrollBar::SetMax, 100)
          .Integer("Min", &TcxScrollBar::Min, &TcxScrollBar::SetMin, 0)
          .Integer("PageSize", &TcxScrollBar::PageSize, &TcxScrollBar::SetPageSize, 0)
          .Boolean("ParentCtl3D", &TcxScrollBar::ParentCtl3D, &TcxScrollBar::SetParentCtl3D, true)
          .Integer("Position", &TcxScrollBar::Position, &TcxScrollBar::SetPosition, 0)
          .Integer("SmallChange", &TcxScrollBar::SmallChange, &TcxScrollBar::SetSmallChange, 1)
          .Boolean("UnlimitedTracking", &TcxScrollBar::UnlimitedTracking, &TcxScrollBar::SetUnlimitedTracking, false)
          .Event("OnChange", &TcxScrollBar::SetOnChange)
          .Event("OnContextPopup", &TcxScrollBar::SetOnContextPopup)
          .Event("OnKeyDown", &TcxScrollBar::SetOnKeyDown)
          .Event("OnKeyPress", &TcxScrollBar::SetOnKeyPress)
          .Event("OnKeyUp", &TcxScrollBar::SetOnKeyUp)
          .Event("OnScroll", &TcxScrollBar::SetOnScroll)
          .Build();
  return &metaClass;
}

TcxScrollBar::TcxScrollBar(TComponent* owner)
    : TCustomControl(owner),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)),
      FThemeChangedNotificator(std::make_unique<TdxThemeChangedNotificator>()),
      FTimer(CreateUnowned<TcxTimer>()) {
  FLookAndFeel->SetOnChanged([this](TcxLookAndFeel*, TcxLookAndFeelValues) { LookAndFeelChanged(); });
  FThemeChangedNotificator->SetOnThemeChanged([this] { ThemeChanged(); });
  FTimer->SetEnabled(false);
  FTimer->SetInterval(kFirstRepeatInterval);
  FTimer->SetOnTimer([this](TObject*) { TimerTick(); });
  CreateViewInfo();
  SetControlStyle(TControlStyle{csCaptureMouse, csFramed, csOpaque});
  SetBounds(Left(), Top(), kDefaultWidth, GetSystemMetrics(SM_CYHSCROLL));
}

TcxScrollBar::~TcxScrollBar() {
  // Its last change must not reach a view info that is gone.
  FLookAndFeel.reset();
}

void TcxScrollBar::BeforeDestruction() {
  FTimer->SetEnabled(false);
  FThemeChangedNotificator.reset();
  TCustomControl::BeforeDestruction();
}

void TcxScrollBar::CreateViewInfo() {
  FViewInfo = GetViewInfoClass()(*this);
  UpdateMinThumbSize();
  FViewInfo->Calculate();
}

void TcxScrollBar::SetKind(TScrollBarKind value) {
  if (FKind == value) return;
  FKind = value;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  // A square bar keeps its size: its layout still turns.
  UpdateMinThumbSize();
  FViewInfo->Calculate();
  Invalidate();
}

void TcxScrollBar::SetLookAndFeel(const TcxLookAndFeel& value) { FLookAndFeel->Assign(&value); }

void TcxScrollBar::SetMin(int value) { SetParams(value, FMax, true, FPageSize, FPosition); }
void TcxScrollBar::SetMax(int value) { SetParams(FMin, value, true, FPageSize, FPosition); }
void TcxScrollBar::SetPageSize(int value) { SetParams(FMin, FMax, true, value, FPosition); }
void TcxScrollBar::SetPosition(int value) { SetParams(FMin, FMax, true, FPageSize, value); }

void TcxScrollBar::SetParams(int min, int max, bool redraw, int pageSize, int position) {
  if (max < min || max < pageSize) throw EInvalidOperation("Scrollbar property out of range");
  redraw = redraw && HandleAllocated();
  position = std::clamp(position, min, max);
  if (min == FMin && max == FMax && pageSize == FPageSize && position == FPosition) return;
  FMin = min;
  FMax = max;
  FPageSize = pageSize;
  const bool positionChanged = position != FPosition;
  if (positionChanged) {
    // A bar that is given somewhere to be shows it, even one disabled before.
    SetEnabled(true);
    FPosition = position;
  }
  FViewInfo->CalculateThumb();
  if (redraw) Repaint();
  if (positionChanged) Change();
}

void TcxScrollBar::DoScroll(TScrollCode scrollCode) {
  int newPos = FPosition;
  switch (scrollCode) {
    case scLineUp: newPos -= FSmallChange; break;
    case scLineDown: newPos += FSmallChange; break;
    case scPageUp: newPos -= FLargeChange; break;
    case scPageDown: newPos += FLargeChange; break;
    case scTop: newPos = FMin; break;
    case scBottom: newPos = FMax; break;
    default: break;
  }
  newPos = std::clamp(newPos, FMin, FMax);
  Scroll(scrollCode, newPos);
  newPos = std::clamp(newPos, FMin, FMax);
  if (newPos == FPosition) return;
  if (scrollCode != scTrack) {
    SetPosition(newPos);
    return;
  }
  FPosition = newPos;
  // A dragged thumb follows the pointer, not the position.
  if (!IsThumbDragging()) FViewInfo->CalculateThumb();
  Repaint();
}

TcxButtonState TcxScrollBar::GetPartState(TcxScrollBarPart part) const {
  if (!Enabled()) return cxbsDisabled;
  if (part == sbpThumbnail && !Painter()->IsButtonHotTrack()) return cxbsNormal;
  if (FPressedPart != sbpNone) return part == FPressedPart && part == FHotPart ? cxbsPressed : cxbsNormal;
  if (part == FHotPart && !ComponentState().Contains(csDesigning)) return cxbsHot;
  return cxbsNormal;
}

TcxScrollBarPart TcxScrollBar::GetScrollBarPart(POINT point) const {
  return ScrollBarHitTest(FViewInfo->Rects(), Width(), Height(), point);
}

void TcxScrollBar::Change() {
  if (FOnChange) FOnChange(this);
}

TcxScrollBarViewInfoClass TcxScrollBar::GetViewInfoClass() const { return CreateScrollBarViewInfo; }

void TcxScrollBar::DrawScrollBar(TcxCanvas& canvas) {
  const TcxScrollBarRects& rects = FViewInfo->Rects();
  if (IsEmpty(rects.Thumb))
    DrawScrollBarPart(canvas, ClientRect(), sbpPageUp, cxbsNormal);
  else
    DrawScrollBarPart(canvas, rects.Thumb, sbpThumbnail, GetPartState(sbpThumbnail));
  DrawScrollBarPart(canvas, rects.FirstArrow, sbpLineUp, GetPartState(sbpLineUp));
  DrawScrollBarPart(canvas, rects.SecondArrow, sbpLineDown, GetPartState(sbpLineDown));
  if (!IsEmpty(rects.PageBefore)) DrawScrollBarPart(canvas, rects.PageBefore, sbpPageUp, GetPartState(sbpPageUp));
  if (!IsEmpty(rects.PageAfter)) DrawScrollBarPart(canvas, rects.PageAfter, sbpPageDown, GetPartState(sbpPageDown));
}

void TcxScrollBar::DrawScrollBarPart(TcxCanvas& canvas, const TRect& r, TcxScrollBarPart part, TcxButtonState state) {
  Painter()->DrawScrollBarPart(canvas, FKind == sbHorizontal, r, part, state);
}

void TcxScrollBar::Scroll(TScrollCode scrollCode, int& scrollPos) {
  if (FOnScroll) FOnScroll(this, scrollCode, scrollPos);
}

void TcxScrollBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED: CancelScroll(); break;
    case CN_HSCROLL:
    case CN_VSCROLL:
      if (ScrollCode(message) <= scEndScroll) DoScroll(static_cast<TScrollCode>(ScrollCode(message)));
      message.Result = 0;
      return;
    case CM_SYSCOLORCHANGE:
    case CN_CTLCOLORSCROLLBAR: RefreshPatterns(); break;
    case CM_MOUSEENTER:
      if (!MessageObject<TControl>(message, nullptr)) MouseEnter();
      break;
    case CM_MOUSELEAVE:
      if (!MessageObject<TControl>(message, nullptr)) MouseLeave();
      break;
  }
  TCustomControl::WndProc(message);
  switch (message.Msg) {
    case CM_ENABLEDCHANGED:
      FViewInfo->Calculate();
      if (!Enabled()) CancelScroll();
      Invalidate();
      break;
    case CM_VISIBLECHANGED:
      if (!Visible()) CancelScroll();
      break;
  }
}

void TcxScrollBar::Paint() {
  const TBitmap& bitmap = SizedBitmap();
  if (bitmap.Empty()) return;
  DrawScrollBar(*FCanvas);
  BitBlt(Canvas().RequiredHandle(), 0, 0, bitmap.Width(), bitmap.Height(), bitmap.DC(), 0, 0, SRCCOPY);
}

void TcxScrollBar::Resize() {
  if (FBitmap) ResizeBitmap();
  FViewInfo->Calculate();
  TCustomControl::Resize();
}

TBitmap& TcxScrollBar::SizedBitmap() const {
  if (!FBitmap) {
    FBitmap = std::make_unique<TBitmap>();
    FCanvas = std::make_unique<TcxCanvas>(FBitmap->Canvas());
  }
  ResizeBitmap();
  return *FBitmap;
}

void TcxScrollBar::ResizeBitmap() const {
  if (Width() < 1 || Height() < 1) return;
  if (FBitmap->Width() == Width() && FBitmap->Height() == Height()) return;
  FBitmap->SetSize(Width(), Height());
}

void TcxScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  const TcxScrollBarPart part = GetScrollBarPart({x, y});
  if (part == sbpNone) return;
  if (part == sbpThumbnail) {
    FDownMousePos = {x, y};
    FSavedPosition = FPosition;
    FSavedThumbPos = {FViewInfo->ThumbRect().left, FViewInfo->ThumbRect().top};
    DoScroll(scTrack);
  }
  FPressedPart = part;
  FHotPart = part;
  if (part != sbpThumbnail) {
    ScrollPart(part);
    StartAutoRepeat();
  }
  Repaint();
}

void TcxScrollBar::StartAutoRepeat() {
  FTimer->SetInterval(kFirstRepeatInterval);
  FTimer->SetEnabled(true);
}

void TcxScrollBar::ScrollPart(TcxScrollBarPart part) { DoScroll(PartScrollCode(part)); }

void TcxScrollBar::TimerTick() {
  if (!MouseCapture() || !IsRepeatingPart(FPressedPart)) {
    CancelScroll();
    return;
  }
  if (FTimer->Interval() == kFirstRepeatInterval) FTimer->SetInterval(kRepeatInterval);
  ScrollPart(FPressedPart);
  FTimer->SetEnabled(GetScrollBarPart(ScreenToClient(GetCursorPosition())) == FPressedPart);
}

void TcxScrollBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (IsThumbDragging()) {
    DragThumb(x, y);
    return;
  }
  const TcxScrollBarPart part = GetScrollBarPart({x, y});
  if (FPressedPart != sbpNone) FTimer->SetEnabled(part == FPressedPart);
  if (part == FHotPart) return;
  FHotPart = part;
  if (Painter()->IsButtonHotTrack()) Repaint();
}

bool TcxScrollBar::IsInTrackingArea(int x, int y) const {
  const bool horizontal = FKind == sbHorizontal;
  const int alongMargin = cxScrollBarTrackingMarginAlong;
  const int acrossMargin = cxScrollBarTrackingMarginAcross;
  const int dx = horizontal ? alongMargin : acrossMargin;
  const int dy = horizontal ? acrossMargin : alongMargin;
  return Contains(TRect{-dx, -dy, Width() + dx, Height() + dy}, POINT{x, y});
}

void TcxScrollBar::DragThumb(int x, int y) {
  if (!FUnlimitedTracking && !IsInTrackingArea(x, y)) {
    if (FPosition != FSavedPosition) SetPosition(FSavedPosition);
    DoScroll(scTrack);
    return;
  }
  const bool horizontal = FKind == sbHorizontal;
  TcxScrollBarRects& rects = FViewInfo->Rects();
  const int saved = horizontal ? FSavedThumbPos.x : FSavedThumbPos.y;
  const int thumbLength = LengthAlong(horizontal, rects.Thumb);
  int offset = horizontal ? x - FDownMousePos.x : y - FDownMousePos.y;
  offset = std::max(offset, EndAlong(horizontal, rects.FirstArrow) - saved);
  offset = std::min(offset, StartAlong(horizontal, rects.SecondArrow) - thumbLength - saved);
  // Compared with where the thumb lies now, not where the drag began: a
  // pointer back at its starting point brings the thumb back too.
  const int start = saved + offset;
  if (start == StartAlong(horizontal, rects.Thumb)) return;
  rects.Thumb = AlongRect(horizontal, Width(), Height(), start, start + thumbLength);
  CalculateScrollBarPageAreas(horizontal, Width(), Height(), rects);
  Repaint();
  const int newPos = ScrollBarThumbPosition(FViewInfo->Metrics(), rects);
  if (newPos == FPosition) return;
  FPosition = newPos;
  DoScroll(scTrack);
}

void TcxScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  CancelScroll();
  FHotPart = GetScrollBarPart({x, y});
}

void TcxScrollBar::CancelScroll() {
  if (FPressedPart == sbpNone) return;
  if (IsThumbDragging()) SettleThumb();
  FTimer->SetEnabled(false);
  FPressedPart = sbpNone;
  FHotPart = sbpNone;
  DoScroll(scEndScroll);
  FViewInfo->CalculateThumb();
  Invalidate();
}

// Tracking assigned the position without a word; the end of the drag says
// that it changed, or the owner would never hear of a dragged thumb.
void TcxScrollBar::SettleThumb() {
  const int settled = ScrollBarThumbPosition(FViewInfo->Metrics(), FViewInfo->Rects());
  if (settled != FPosition)
    SetPosition(settled);
  else if (FPosition != FSavedPosition)
    Change();
  DoScroll(scPosition);
}

bool TcxScrollBar::RepaintsOnEnterOrLeave() const {
  return Painter()->IsButtonHotTrack() || IsRepeatingPart(FPressedPart);
}

void TcxScrollBar::MouseEnter() {
  if (RepaintsOnEnterOrLeave()) Repaint();
}

void TcxScrollBar::MouseLeave() {
  if (!IsThumbDragging()) FHotPart = sbpNone;
  if (RepaintsOnEnterOrLeave()) Invalidate();
}

void TcxScrollBar::UpdateMinThumbSize() {
  FViewInfo->SetMinThumbSize(Painter()->ScrollBarMinimalThumbSize(FKind == sbHorizontal));
}

void TcxScrollBar::LayoutChanged() {
  UpdateMinThumbSize();
  FViewInfo->Calculate();
  Invalidate();
}

void TcxScrollBar::LookAndFeelChanged() { LayoutChanged(); }

// A theme may change the bar's metrics, and with them the room an aligned
// bar takes from its parent.
void TcxScrollBar::ThemeChanged() {
  RefreshPatterns();
  LayoutChanged();
  if (Parent()) Parent()->Realign();
}

void TcxScrollBar::RefreshPatterns() { cxRefreshScrollBarPatternBitmaps(); }
