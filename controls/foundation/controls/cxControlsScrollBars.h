#pragma once
// How a control lays out its own two scroll bars: what each bar should show
// (the pending data the control writes while it computes its ranges), and
// the update that applies that data without letting the bars flip on and off
// as each one's appearance shrinks the room the other one sees.
//
// The control owns the bars and an update state; it implements
// TcxScrollBarsHost and calls UpdateScrollBars whenever its bounds or
// content change.
#include "platform/controls/core/Control.h"

// The values a bar takes at the next update.
struct TcxScrollBarData {
  int Min = 0;
  int Max = 0;
  int Position = 0;
  int PageSize = 0;
  int SmallChange = 1;
  int LargeChange = 1;
  bool Enabled = false;
  bool Visible = false;
  bool AllowShow = false;
  bool AllowHide = false;
};

// The control's ScrollBars setting.
constexpr int cxScrollBarsNone = 0;
constexpr int cxScrollBarsHorizontal = 1;
constexpr int cxScrollBarsVertical = 2;
constexpr int cxScrollBarsBoth = 3;

bool ScrollBarsInclude(int scrollBars, TScrollBarKind kind);

// Fills the pending data of the bar of `kind`: a range the page covers (or a
// position before the start) needs no bar, which is then hidden when
// `allowHide`, else shown disabled. A kind the ScrollBars setting leaves out
// is never shown.
void SetScrollBarInfo(TcxScrollBarData& data, TScrollBarKind kind, int scrollBars, int min, int max, int step, int page,
                      int position, bool allowShow, bool allowHide);

// The bookkeeping of the updates; the control keeps one and never touches it
// but through the functions below.
struct TcxScrollBarsUpdateState {
  int LockCount = 0;
  bool UpdateDue = false;
  bool InProgress = false;
  int Depth = 0;
  bool SavedHorizontalVisible = false;
  bool SavedVerticalVisible = false;
  bool RestoreMarked = false;
  bool CalculatingScrollBars = false;
};

// What the update asks of the control that owns the bars.
class TcxScrollBarsHost {
 public:
  virtual ~TcxScrollBarsHost() = default;

  virtual bool HasScrollBars() = 0;
  // Sets the ranges through SetScrollBarInfo; may ask IsScrollBarVisible,
  // which answers the pending visibility meanwhile.
  virtual void InitScrollBarsParameters() = 0;
  // Whether the bar of `kind` may be dropped when the other bar's room would
  // let the page cover its range.
  virtual bool NeedsScrollBar(TScrollBarKind kind) = 0;
  // Relayout after a bar appeared or went; normally calls UpdateScrollBars again.
  virtual void BoundsChanged() = 0;
  virtual void ShowSizeGrip(bool show) = 0;
  virtual void SetScrollBarsBounds() = 0;
  virtual bool CanBringInternalControlsToFront() = 0;
  virtual void BringInternalControlsToFront() = 0;

  virtual TcxScrollBarData& ScrollBarData(TScrollBarKind kind) = 0;
  // The bar as it is now.
  virtual bool ScrollBarVisible(TScrollBarKind kind) = 0;
  // The vertical bar's width, the horizontal bar's height.
  virtual int ScrollBarThickness(TScrollBarKind kind) = 0;
  // Gives the bar its pending data.
  virtual void ApplyScrollBarData(TScrollBarKind kind) = 0;
  // Shows the bar disabled, whatever its pending data says.
  virtual void ShowScrollBarDisabled(TScrollBarKind kind) = 0;
};

// The pending visibility while the ranges are being computed, else the bar's
// own; false for a control without its own bars.
bool IsScrollBarVisible(TcxScrollBarsHost& host, const TcxScrollBarsUpdateState& state, TScrollBarKind kind);

void UpdateScrollBars(TcxScrollBarsHost& host, TcxScrollBarsUpdateState& state);
void BeginUpdateScrollBars(TcxScrollBarsUpdateState& state);
// Runs the update that came due while locked, once, when the last lock goes.
void EndUpdateScrollBars(TcxScrollBarsHost& host, TcxScrollBarsUpdateState& state);
