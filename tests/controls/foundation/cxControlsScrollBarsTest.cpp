#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/foundation/controls/cxControlsScrollBars.h"

namespace {

struct TInfoCase {
  std::string Name;
  int ScrollBars;
  TScrollBarKind Kind;
  int Min, Max, Page, Position;
  bool AllowShow, AllowHide;
  bool Visible, Enabled;
};

TEST(SetScrollBarInfo, ShowsEnablesOrHidesAsTheRangeAndSettingSay) {
  const TInfoCase cases[] = {
      {"vertical left out by a horizontal setting", 1, sbVertical, 0, 100000, 10, 0, true, true, false, false},
      {"vertical left out even when it may not hide", 1, sbVertical, 0, 100000, 10, 0, true, false, false, false},
      {"horizontal kept by a horizontal setting", 1, sbHorizontal, 0, 999, 10, 0, true, true, true, true},
      {"horizontal left out by a vertical setting", 2, sbHorizontal, 0, 999, 10, 0, true, true, false, false},
      {"vertical kept by both", 3, sbVertical, 0, 999, 10, 0, true, true, true, true},
      {"none shows nothing", 0, sbHorizontal, 0, 999, 10, 0, true, false, false, false},
      {"page covers the range, may hide", 3, sbVertical, 0, 99, 100, 0, true, true, false, false},
      {"page covers the range, may not hide", 3, sbVertical, 0, 99, 100, 0, true, false, true, false},
      {"page one short of the range", 3, sbVertical, 0, 99, 99, 0, true, true, true, true},
      {"position before the start", 3, sbHorizontal, 10, 99, 5, 9, true, true, false, false},
      {"position before the start, may not hide", 3, sbHorizontal, 10, 99, 5, 9, true, false, true, false},
      {"inverted range", 3, sbHorizontal, 50, 10, 0, 50, true, false, true, false},
      {"not allowed to show", 3, sbHorizontal, 0, 999, 10, 0, false, false, false, false},
  };
  for (const TInfoCase& c : cases) {
    TcxScrollBarData data;
    data.Enabled = !c.Enabled;
    SetScrollBarInfo(data, c.Kind, c.ScrollBars, c.Min, c.Max, 3, c.Page, c.Position, c.AllowShow, c.AllowHide);
    EXPECT_EQ(data.Visible, c.Visible) << c.Name;
    if (c.Visible) {
      EXPECT_EQ(data.Enabled, c.Enabled) << c.Name;
    }
  }
}

TEST(SetScrollBarInfo, ANeededBarTakesTheRangeAndThePageAsItsLargeStep) {
  TcxScrollBarData data;
  SetScrollBarInfo(data, sbVertical, cxScrollBarsBoth, 5, 205, 7, 40, 30, true, true);
  EXPECT_EQ(data.Min, 5);
  EXPECT_EQ(data.Max, 205);
  EXPECT_EQ(data.Position, 30);
  EXPECT_EQ(data.PageSize, 40);
  EXPECT_EQ(data.SmallChange, 7);
  EXPECT_EQ(data.LargeChange, 40);
}

// One bar as the control sees it: what it shows and what it was told.
struct TFakeBar {
  bool Visible = false;
  bool Enabled = true;
  int Thickness = 17;
  int Applies = 0;
  int Disables = 0;
  TcxScrollBarData Data;
};

// A control whose ranges come from a script; bounds changes update again as
// the control base does.
class TFakeHost : public TcxScrollBarsHost {
 public:
  bool HasScrollBars() override { return Has; }
  void InitScrollBarsParameters() override {
    ++InitCalls;
    if (Init) Init(*this);
  }
  bool NeedsScrollBar(TScrollBarKind kind) override { return kind == sbHorizontal ? NeedsH : NeedsV; }
  void BoundsChanged() override {
    ++BoundsChanges;
    UpdateScrollBars(*this, State);
  }
  void ShowSizeGrip(bool show) override { GripShown = show; }
  void SetScrollBarsBounds() override { ++BoundsSet; }
  bool CanBringInternalControlsToFront() override { return CanBring; }
  void BringInternalControlsToFront() override { ++Brought; }
  TcxScrollBarData& ScrollBarData(TScrollBarKind kind) override { return Bar(kind).Data; }
  bool ScrollBarVisible(TScrollBarKind kind) override { return Bar(kind).Visible; }
  int ScrollBarThickness(TScrollBarKind kind) override { return Bar(kind).Thickness; }
  void ApplyScrollBarData(TScrollBarKind kind) override {
    TFakeBar& bar = Bar(kind);
    ++bar.Applies;
    bar.Enabled = bar.Data.Enabled;
    bar.Visible = bar.Data.Visible;
  }
  void ShowScrollBarDisabled(TScrollBarKind kind) override {
    TFakeBar& bar = Bar(kind);
    ++bar.Disables;
    bar.Enabled = false;
    bar.Visible = true;
  }

  TFakeBar& Bar(TScrollBarKind kind) { return kind == sbHorizontal ? H : V; }
  void SetInfo(TScrollBarKind kind, int max, int page) {
    SetScrollBarInfo(Bar(kind).Data, kind, ScrollBars, 0, max, 1, page, 0, true, AllowHide);
  }
  bool PendingOrShown(TScrollBarKind kind) { return IsScrollBarVisible(*this, State, kind); }

  TFakeBar H, V;
  TcxScrollBarsUpdateState State;
  std::function<void(TFakeHost&)> Init;
  int ScrollBars = cxScrollBarsBoth;
  bool AllowHide = true;
  bool Has = true;
  bool NeedsH = true, NeedsV = true;
  bool CanBring = true;
  bool GripShown = false;
  int InitCalls = 0, BoundsChanges = 0, BoundsSet = 0, Brought = 0;
};

// Content of a given size in a client area that each visible bar narrows.
void ShowContent(TFakeHost& host, int width, int height, int clientWidth = 200, int clientHeight = 100) {
  host.Init = [=](TFakeHost& h) {
    const int pageH = clientWidth - (h.PendingOrShown(sbVertical) ? h.V.Thickness : 0);
    const int pageV = clientHeight - (h.PendingOrShown(sbHorizontal) ? h.H.Thickness : 0);
    h.SetInfo(sbHorizontal, width - 1, pageH);
    h.SetInfo(sbVertical, height - 1, pageV);
  };
}

struct TContentCase {
  std::string Name;
  int ScrollBars;
  int Width, Height;
  bool HVisible, VVisible, Grip;
};

TEST(UpdateScrollBars, ShowsTheBarsTheContentNeeds) {
  const TContentCase cases[] = {
      {"content fits", 3, 200, 100, false, false, false},
      {"too wide", 3, 500, 50, true, false, false},
      {"too tall", 3, 100, 500, false, true, false},
      {"too wide and too tall", 3, 500, 500, true, true, true},
      {"tall, so the vertical bar makes it too wide", 3, 190, 500, true, true, true},
      {"horizontal setting with very tall content", 1, 500, 100000, true, false, false},
      {"vertical setting with very wide content", 2, 100000, 500, false, true, false},
      {"no bars at all", 0, 100000, 100000, false, false, false},
  };
  for (const TContentCase& c : cases) {
    TFakeHost host;
    host.ScrollBars = c.ScrollBars;
    ShowContent(host, c.Width, c.Height);
    UpdateScrollBars(host, host.State);
    EXPECT_EQ(host.H.Visible, c.HVisible) << c.Name;
    EXPECT_EQ(host.V.Visible, c.VVisible) << c.Name;
    EXPECT_EQ(host.GripShown, c.Grip) << c.Name;
    EXPECT_GE(host.BoundsSet, 1) << c.Name;
    EXPECT_FALSE(host.State.InProgress) << c.Name;
    EXPECT_FALSE(host.State.CalculatingScrollBars) << c.Name;
  }
}

TEST(UpdateScrollBars, ACoveredRangeShowsADisabledBarWhenItMayNotHide) {
  TFakeHost host;
  host.AllowHide = false;
  host.Init = [](TFakeHost& h) {
    h.SetInfo(sbHorizontal, 999, 50);
    h.SetInfo(sbVertical, 99, 100);
  };
  UpdateScrollBars(host, host.State);
  EXPECT_TRUE(host.V.Visible);
  EXPECT_FALSE(host.V.Enabled);
  EXPECT_TRUE(host.H.Enabled);
}

struct TMutualCase {
  std::string Name;
  int HMax, VMax;
  bool NeedsH, NeedsV, AllowHide;
  bool Visible;
};

// Each page is 100 (horizontal) or 50 (vertical) with the other bar showing;
// each bar is 17 thick.
TEST(UpdateScrollBars, BarsNeededOnlyByEachOtherBothGo) {
  const TMutualCase cases[] = {
      {"both covered by the other's room", 110, 60, true, true, true, false},
      {"exactly covered", 116, 66, true, true, true, false},
      {"horizontal one beyond", 117, 66, true, true, true, true},
      {"vertical one beyond", 116, 67, true, true, true, true},
      {"horizontal not droppable", 116, 66, false, true, true, true},
      {"vertical not droppable", 116, 66, true, false, true, true},
      {"may not hide", 116, 66, true, true, false, true},
  };
  for (const TMutualCase& c : cases) {
    TFakeHost host;
    host.NeedsH = c.NeedsH;
    host.NeedsV = c.NeedsV;
    host.AllowHide = c.AllowHide;
    host.Init = [&](TFakeHost& h) {
      h.SetInfo(sbHorizontal, c.HMax, 100);
      h.SetInfo(sbVertical, c.VMax, 50);
    };
    UpdateScrollBars(host, host.State);
    EXPECT_EQ(host.H.Visible, c.Visible) << c.Name;
    EXPECT_EQ(host.V.Visible, c.Visible) << c.Name;
  }
}

TEST(UpdateScrollBars, ANestedUpdateThatWouldFlipBackKeepsTheBarShownDisabled) {
  TFakeHost host;
  // Showing the bar leaves room for everything, hiding it takes the room away.
  host.Init = [](TFakeHost& h) { h.SetInfo(sbHorizontal, 99, h.H.Visible ? 100 : 90); };
  UpdateScrollBars(host, host.State);
  EXPECT_TRUE(host.H.Visible);
  EXPECT_FALSE(host.H.Enabled);
  EXPECT_EQ(host.H.Disables, 1);
  EXPECT_EQ(host.BoundsChanges, 1);
  EXPECT_FALSE(host.State.RestoreMarked);

  // The next update would hide it and show it again; it ends shown disabled.
  UpdateScrollBars(host, host.State);
  EXPECT_TRUE(host.H.Visible);
  EXPECT_FALSE(host.H.Enabled);
  EXPECT_EQ(host.H.Disables, 2);
}

TEST(UpdateScrollBars, ARangeThatNeverSettlesStillEnds) {
  TFakeHost host;
  host.Init = [](TFakeHost& h) { h.SetInfo(sbHorizontal, 99, h.H.Data.Visible ? 100 : 10); };
  UpdateScrollBars(host, host.State);
  EXPECT_GT(host.InitCalls, 1);
  EXPECT_LE(host.InitCalls, 8 * (host.BoundsChanges + 1));
  EXPECT_FALSE(host.State.CalculatingScrollBars);
}

TEST(UpdateScrollBars, NestedUpdatesThatNeverReturnToTheStartStillEnd) {
  TFakeHost host;
  // Each pass asks for another of the three shown states, never for none.
  int turn = 0;
  host.Init = [&](TFakeHost& h) {
    const int state = turn++ % 3;
    h.SetInfo(sbHorizontal, 999, state == 1 ? 2000 : 10);
    h.SetInfo(sbVertical, 999, state == 0 ? 2000 : 10);
  };
  UpdateScrollBars(host, host.State);
  EXPECT_LE(host.BoundsChanges, 5);
  EXPECT_FALSE(host.State.InProgress);
  EXPECT_EQ(host.State.Depth, 0);
}

TEST(UpdateScrollBars, LocksDeferTheUpdateToTheLastUnlock) {
  TFakeHost host;
  ShowContent(host, 500, 50);
  BeginUpdateScrollBars(host.State);
  BeginUpdateScrollBars(host.State);
  UpdateScrollBars(host, host.State);
  UpdateScrollBars(host, host.State);
  EndUpdateScrollBars(host, host.State);
  EXPECT_EQ(host.H.Applies, 0);
  EXPECT_FALSE(host.H.Visible);
  EndUpdateScrollBars(host, host.State);
  EXPECT_TRUE(host.H.Visible);
  EXPECT_FALSE(host.State.UpdateDue);
  // The bar appeared, so one nested update followed the deferred one.
  EXPECT_EQ(host.H.Applies, 2);
  EndUpdateScrollBars(host, host.State);
  EXPECT_EQ(host.State.LockCount, 0);
  EXPECT_EQ(host.H.Applies, 2);
}

TEST(UpdateScrollBars, UnlockingWithNothingDueUpdatesNothing) {
  TFakeHost host;
  ShowContent(host, 500, 50);
  BeginUpdateScrollBars(host.State);
  EndUpdateScrollBars(host, host.State);
  EXPECT_EQ(host.InitCalls, 0);
}

TEST(UpdateScrollBars, AControlWithoutItsOwnBarsIsLeftAlone) {
  TFakeHost host;
  host.Has = false;
  ShowContent(host, 500, 500);
  UpdateScrollBars(host, host.State);
  EXPECT_EQ(host.InitCalls, 0);
  EXPECT_EQ(host.BoundsSet, 0);
  EXPECT_FALSE(host.PendingOrShown(sbHorizontal));
}

TEST(UpdateScrollBars, InternalControlsComeToFrontOnlyWhenTheControlAllows) {
  for (bool can : {true, false}) {
    TFakeHost host;
    host.CanBring = can;
    ShowContent(host, 100, 50);
    UpdateScrollBars(host, host.State);
    EXPECT_EQ(host.Brought, can ? 1 : 0);
  }
}

}  // namespace
