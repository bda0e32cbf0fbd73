#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "controls/foundation/controls/cxControls.h"
#include "controls/foundation/controls/cxControlsPanning.h"

namespace {

constexpr SIZE kMark{28, 28};
constexpr RECT kScreen{0, 0, 1024, 768};
constexpr POINT kStart{500, 400};
constexpr TcxPanningBars kBoth{true, true};
constexpr TcxPanningBars kHorizontal{true, false};
constexpr TcxPanningBars kVertical{false, true};

struct TMotionCase {
  std::string Name;
  TcxPanningBars Bars;
  POINT Cursor;
  int Direction, Speed;
};

TEST(PanningMotion, DirectionAndSpeedFollowThePointer) {
  const TMotionCase cases[] = {
      {"on the start", kBoth, {500, 400}, cxScrollNone, 0},
      {"last pixel inside, right", kBoth, {513, 400}, cxScrollNone, 0},
      {"first pixel outside, right", kBoth, {514, 400}, cxScrollRight, 1},
      {"last pixel inside, left", kBoth, {486, 400}, cxScrollNone, 0},
      {"first pixel outside, left", kBoth, {485, 400}, cxScrollLeft, 1},
      {"first pixel outside, down", kBoth, {500, 414}, cxScrollDown, 1},
      {"first pixel outside, up", kBoth, {500, 385}, cxScrollUp, 1},
      {"five pixels farther", kBoth, {519, 400}, cxScrollRight, 2},
      {"four pixels farther", kBoth, {518, 400}, cxScrollRight, 1},
      {"far away", kBoth, {1000, 400}, cxScrollRight, 12},
      {"mostly across", kBoth, {530, 420}, cxScrollRight, 4},
      {"mostly down", kBoth, {520, 430}, cxScrollDown, 4},
      {"as much across as down", kBoth, {530, 430}, cxScrollDown, 4},
      {"down without a vertical bar", kHorizontal, {500, 700}, cxScrollNone, 0},
      {"down a little across without a vertical bar", kHorizontal, {514, 700}, cxScrollRight, 1},
      {"across without a horizontal bar", kVertical, {1000, 400}, cxScrollNone, 0},
      {"up a little down without a horizontal bar", kVertical, {0, 385}, cxScrollUp, 1},
      {"left and off the top without a vertical bar", kHorizontal, {485, -50}, cxScrollLeft, 1},
  };
  for (const TMotionCase& c : cases) {
    const TcxPanningMotion motion = PanningMotion(kStart, c.Cursor, kMark, c.Bars, kScreen);
    EXPECT_EQ(motion.Direction, c.Direction) << c.Name;
    EXPECT_EQ(motion.Speed, c.Speed) << c.Name;
  }
}

TEST(PanningMotion, SpeedGrowsWithDistanceAndStopsAtTwelve) {
  for (TcxPanningBars bars : {kBoth, kHorizontal, kVertical}) {
    int previous = 1;
    for (int distance = 15; distance < 2000; ++distance) {
      const POINT cursor =
          bars.Horizontal ? POINT{kStart.x + distance, kStart.y} : POINT{kStart.x, kStart.y - distance};
      const TcxPanningMotion motion = PanningMotion(kStart, cursor, kMark, bars, kScreen);
      ASSERT_NE(motion.Direction, cxScrollNone) << distance;
      ASSERT_GE(motion.Speed, previous) << distance;
      ASSERT_LE(motion.Speed, cxPanningMaxSpeed) << distance;
      previous = motion.Speed;
    }
    EXPECT_EQ(previous, cxPanningMaxSpeed);
  }
}

TEST(PanningMotion, AMarkWiderThanHighStillScrollsAtTheSlowestSpeed) {
  const TcxPanningMotion motion = PanningMotion(kStart, {500, 406}, SIZE{40, 10}, kBoth, kScreen);
  EXPECT_EQ(motion.Direction, cxScrollDown);
  EXPECT_EQ(motion.Speed, 1);
}

TEST(PanningStepDue, FasterScrollsOnMoreTicks) {
  const struct { int Speed, StepsIn120Ticks; } cases[] = {{1, 10}, {2, 10}, {6, 17}, {11, 60}, {12, 120}};
  for (const auto& c : cases) {
    int steps = 0;
    for (int counter = 1; counter <= 120; ++counter) steps += PanningStepDue(counter, c.Speed);
    EXPECT_EQ(steps, c.StepsIn120Ticks) << c.Speed;
  }
}

TEST(PanningCursor, ShowsTheWayOrTheBarsThatCanScroll) {
  const struct {
    int Direction;
    TcxPanningBars Bars;
    TCursor Cursor;
  } cases[] = {
      {cxScrollNone, kBoth, crcxFullScroll},         {cxScrollNone, kHorizontal, crcxHorScroll},
      {cxScrollNone, kVertical, crcxVerScroll},      {cxScrollUp, kBoth, crcxUpScroll},
      {cxScrollRight, kHorizontal, crcxRightScroll}, {cxScrollDown, kVertical, crcxDownScroll},
      {cxScrollLeft, kBoth, crcxLeftScroll},
  };
  for (const auto& c : cases) EXPECT_EQ(PanningCursor(c.Direction, c.Bars), c.Cursor) << c.Direction;
  EXPECT_STREQ(PanningMarkName(kBoth), "CX_FULLSCROLLBITMAP");
  EXPECT_STREQ(PanningMarkName(kHorizontal), "CX_HORSCROLLBITMAP");
  EXPECT_STREQ(PanningMarkName(kVertical), "CX_VERSCROLLBITMAP");
}

// The pointer walks through the points the test gives, one per reading, and
// stays on the last.
std::deque<POINT> gCursorPath;
BOOL WINAPI FakeGetCursorPos(LPPOINT point) {
  *point = gCursorPath.front();
  if (gCursorPath.size() > 1) gCursorPath.pop_front();
  return TRUE;
}

constexpr UINT_PTR kTimerId = 77;
std::vector<std::string> gTimerCalls;
UINT_PTR WINAPI FakeSetTimer(HWND window, UINT_PTR, UINT elapse, TIMERPROC) {
  gTimerCalls.push_back((window ? "window " : "set ") + std::to_string(elapse));
  return kTimerId;
}
BOOL WINAPI FakeKillTimer(HWND, UINT_PTR id) {
  gTimerCalls.push_back("kill " + std::to_string(id));
  return TRUE;
}

class MousePanningTest : public testing::Test {
 protected:
  void SetUp() override {
    FSavedInput = cxInputApi();
    FSavedTimers = cxTimerApi();
    cxInputApi().GetCursorPos = FakeGetCursorPos;
    cxTimerApi().SetTimer = FakeSetTimer;
    cxTimerApi().KillTimer = FakeKillTimer;
    Reset();
  }
  void TearDown() override {
    cxInputApi() = FSavedInput;
    cxTimerApi() = FSavedTimers;
    Reset();
  }
  void Reset() {
    gCursorPath = {kStart};
    gTimerCalls.clear();
    Steps.clear();
    MSG rest;
    while (PeekMessageA(&rest, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  // The pointer goes to `to` and the next mouse move reads it there.
  void MoveTo(POINT to) {
    gCursorPath.push_back(to);
    PostThreadMessageA(GetCurrentThreadId(), WM_MOUSEMOVE, 0, 0);
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) PostThreadMessageA(GetCurrentThreadId(), WM_TIMER, kTimerId, 0);
  }
  void Post(UINT msg, WPARAM wParam = 0) { PostThreadMessageA(GetCurrentThreadId(), msg, wParam, 0); }

  // Pans, noting each step and the window that held the capture meanwhile.
  void Pan(TcxPanningBars bars) {
    RunMousePanning(bars, [this](int direction) {
      Steps.push_back(direction);
      MarkWindow = GetCapture();
    });
  }

  std::vector<int> Steps;
  HWND MarkWindow = nullptr;

 private:
  TcxInputApi FSavedInput;
  TcxTimerApi FSavedTimers;
};

TEST_F(MousePanningTest, ScrollsTowardsThePointerAtItsSpeed) {
  MoveTo({kStart.x + 200, kStart.y});
  Ticks(3);
  MoveTo({kStart.x, kStart.y + 14});
  Ticks(12);
  MoveTo({kStart.x + 5, kStart.y - 5});
  Ticks(24);
  MoveTo({kStart.x - 40, kStart.y});
  Ticks(6);
  Post(WM_KEYDOWN, VK_ESCAPE);
  Ticks(12);
  Pan(kBoth);
  // Speed 12 steps on every tick (1 to 3); speed 1 on every twelfth (the
  // 12th); none while back on the mark (16 to 39); speed 6 on every seventh
  // (the 42nd); nothing after Escape.
  const std::vector<int> expected{cxScrollRight, cxScrollRight, cxScrollRight, cxScrollDown, cxScrollLeft};
  EXPECT_EQ(Steps, expected);
  const std::vector<std::string> timer{"set 20", "kill 77"};
  EXPECT_EQ(gTimerCalls, timer);
}

TEST_F(MousePanningTest, TheMarkHoldsTheCaptureUntilTheEndAndThenGoes) {
  MoveTo({kStart.x, kStart.y + 100});
  Ticks(1);
  Post(WM_KEYUP, VK_ESCAPE);
  Pan(kVertical);
  ASSERT_EQ(Steps, std::vector<int>{cxScrollDown});
  ASSERT_NE(MarkWindow, nullptr);
  EXPECT_FALSE(IsWindow(MarkWindow));
  EXPECT_EQ(GetCapture(), nullptr);
}

struct TEndCase {
  std::string Name;
  bool LeaveTheMarkFirst;
  UINT Msg;
  WPARAM WParam;
  bool Ends;
};

TEST_F(MousePanningTest, ButtonsAndEscapeEndIt) {
  const TEndCase cases[] = {
      {"escape down", false, WM_KEYDOWN, VK_ESCAPE, true},
      {"escape up", false, WM_KEYUP, VK_ESCAPE, true},
      {"another key", false, WM_KEYDOWN, 'A', false},
      {"left button down", false, WM_LBUTTONDOWN, 0, true},
      {"left button up", false, WM_LBUTTONUP, 0, true},
      {"right button down", false, WM_RBUTTONDOWN, 0, true},
      {"right button up", false, WM_RBUTTONUP, 0, true},
      {"middle button up on the mark", false, WM_MBUTTONUP, 0, false},
      {"middle button up after leaving the mark", true, WM_MBUTTONUP, 0, true},
  };
  for (const TEndCase& c : cases) {
    Reset();
    if (c.LeaveTheMarkFirst) {
      MoveTo({kStart.x + 100, kStart.y});
      MoveTo(kStart);
    }
    Post(c.Msg, c.WParam);
    MoveTo({kStart.x + 200, kStart.y});
    Ticks(1);
    Post(WM_KEYDOWN, VK_ESCAPE);
    Pan(kHorizontal);
    EXPECT_EQ(Steps.size(), c.Ends ? 0u : 1u) << c.Name;
    EXPECT_EQ(gTimerCalls.back(), "kill 77") << c.Name;
    EXPECT_EQ(GetCapture(), nullptr) << c.Name;
  }
}

TEST_F(MousePanningTest, TheProgramsQuitEndsItAndStaysQueued) {
  PostQuitMessage(5);
  Pan(kBoth);
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 5u);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MousePanningTest, NothingHappensWithoutABar) {
  Ticks(1);
  Pan(TcxPanningBars{});
  EXPECT_TRUE(gTimerCalls.empty());
  MSG tick;
  EXPECT_TRUE(PeekMessageA(&tick, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

}  // namespace
