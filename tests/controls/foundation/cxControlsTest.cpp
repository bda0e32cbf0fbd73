#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "controls/foundation/controls/cxControls.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/core/Mouse.h"
#include "platform/controls/core/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"
#include "tests/platform/controls/Capture.h"

namespace {

// The system timers as the timer window asks for them; ticks are sent by the
// tests through the real timer window.
struct TFakeTimers {
  std::vector<std::string> Calls;
  bool Fail = false;
};
TFakeTimers* gTimers = nullptr;

UINT_PTR WINAPI FakeSetTimer(HWND, UINT_PTR id, UINT elapse, TIMERPROC) {
  gTimers->Calls.push_back("set " + std::to_string(elapse));
  return gTimers->Fail ? 0 : id;
}

BOOL WINAPI FakeKillTimer(HWND, UINT_PTR) {
  gTimers->Calls.push_back("kill");
  return TRUE;
}

POINT gCursor{};
BOOL WINAPI FakeGetCursorPos(LPPOINT point) {
  *point = gCursor;
  return TRUE;
}

// Two monitors side by side; the left one has a task bar along its bottom.
constexpr RECT kLeftWorkArea{0, 0, 1024, 738};
constexpr RECT kRightWorkArea{1024, 0, 2048, 768};
HMONITOR WINAPI FakeMonitorFromPoint(POINT point, DWORD) {
  return reinterpret_cast<HMONITOR>(static_cast<intptr_t>(point.x < 1024 ? 1 : 2));
}
BOOL WINAPI FakeGetMonitorInfoA(HMONITOR monitor, LPMONITORINFO info) {
  info->rcWork = monitor == reinterpret_cast<HMONITOR>(1) ? kLeftWorkArea : kRightWorkArea;
  return TRUE;
}

// A top-level window that records the component messages it gets.
class TRecordingForm : public TForm {
 public:
  TRecordingForm() : TForm(nullptr) {
    SetBounds(100, 100, 200, 100);
    HandleNeeded();
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == CM_MOUSELEAVE || message.Msg == CM_NCSIZECHANGED || message.Msg == WM_NCACTIVATE)
      Received.push_back(message);
    TForm::WndProc(message);
  }
  std::vector<TMessage> Received;
};

class TCaller : public IcxMouseTrackingCaller {
 public:
  void MouseLeave() override {
    ++Leaves;
    if (EndsTracking) EndMouseTracking(this);
  }
  int Leaves = 0;
  bool EndsTracking = false;
};

class TShapedCaller : public IcxMouseTrackingCaller2 {
 public:
  void MouseLeave() override { ++Leaves; }
  bool PtInCaller(POINT point) override {
    Asked.push_back(point);
    return Inside;
  }
  std::vector<POINT> Asked;
  bool Inside = true;
  int Leaves = 0;
};

class cxControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cxControlsInitialize();
    gTimers = &Timers;
    cxTimerApi() = {FakeSetTimer, FakeKillTimer};
    cxInputApi().GetCursorPos = FakeGetCursorPos;
    cxMonitorApi() = {FakeMonitorFromPoint, FakeGetMonitorInfoA};
  }
  void TearDown() override {
    cxControlsFinalize();
    cxTimerApi() = {};
    cxInputApi() = {};
    gTimers = nullptr;
  }

  static void Tick(UINT_PTR id) { SendMessageA(cxTimerWindowHandle(), WM_TIMER, id, 0); }
  static void TickTracking(IcxMouseTrackingCaller* caller) { Tick(GetMouseTrackingTimer(caller)->TimerID()); }

  TFakeTimers Timers;
};

TEST_F(cxControlsTest, TimerRestartsOnlyForARealChange) {
  TOwned<TcxTimer> timer(new TcxTimer(nullptr));
  EXPECT_TRUE(Timers.Calls.empty()) << "no handler, no timer";
  timer->SetOnTimer([](TObject*) {});
  timer->SetInterval(1000);
  timer->SetInterval(0);
  EXPECT_EQ(Timers.Calls, (std::vector<std::string>{"set 1000"}));
  timer->SetInterval(250);
  timer->SetEnabled(false);
  timer->SetEnabled(false);
  EXPECT_EQ(Timers.Calls, (std::vector<std::string>{"set 1000", "kill", "set 250", "kill"}));
  EXPECT_FALSE(timer->TimerOn());
}

TEST_F(cxControlsTest, RemovingTheHandlerStopsAnEnabledTimer) {
  TOwned<TcxTimer> timer(new TcxTimer(nullptr));
  timer->SetOnTimer([](TObject*) {});
  timer->SetOnTimer(nullptr);
  EXPECT_EQ(Timers.Calls, (std::vector<std::string>{"set 1000", "kill"}));
  EXPECT_TRUE(timer->Enabled());
  EXPECT_TRUE(cxRunningTimerIDs().empty());
}

TEST_F(cxControlsTest, ATimerTheSystemRefusesStaysOffAndNeverTicks) {
  Timers.Fail = true;
  int ticks = 0;
  TOwned<TcxTimer> timer(new TcxTimer(nullptr));
  timer->SetOnTimer([&](TObject*) { ++ticks; });
  EXPECT_FALSE(timer->TimerOn());
  Tick(timer->TimerID());
  EXPECT_EQ(ticks, 0);
  timer->SetInterval(500);
  EXPECT_EQ(Timers.Calls, (std::vector<std::string>{"set 1000", "set 500"})) << "nothing to kill";
}

TEST_F(cxControlsTest, AHandlerFreesItsTimerAndItsStaleTickFindsNothing) {
  int ticks = 0;
  auto* timer = new TcxTimer(nullptr);
  timer->SetOnTimer([&ticks, timer](TObject* sender) {
    ++ticks;
    EXPECT_EQ(sender, timer);
    timer->Free();
  });
  const UINT_PTR id = timer->TimerID();
  Tick(id);
  EXPECT_EQ(ticks, 1);

  // A newer timer takes a new id, so the freed timer's tick still in the
  // queue does not fire it.
  int newerTicks = 0;
  TOwned<TcxTimer> newer(new TcxTimer(nullptr));
  newer->SetOnTimer([&](TObject*) { ++newerTicks; });
  EXPECT_NE(newer->TimerID(), id);
  Tick(id);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(newerTicks, 0);
  Tick(newer->TimerID());
  EXPECT_EQ(newerTicks, 1);
}

TEST_F(cxControlsTest, TrackingTwiceRunsOneTimerUntilThePointerLeaves) {
  TCaller caller;
  gCursor = {50, 50};
  BeginMouseTracking(nullptr, RECT{0, 0, 100, 100}, &caller);
  BeginMouseTracking(nullptr, RECT{0, 0, 100, 100}, &caller);
  EXPECT_EQ(Timers.Calls, (std::vector<std::string>{"set 10"}));
  TickTracking(&caller);
  EXPECT_EQ(caller.Leaves, 0);
  gCursor = {100, 50};
  TickTracking(&caller);
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_FALSE(IsMouseTracking(&caller));
  EXPECT_TRUE(cxRunningTimerIDs().empty());
}

TEST_F(cxControlsTest, LeavingAControlTellsItAndTheCallerWhichMayEndTheTrackingItself) {
  TOwned<TRecordingForm> form(new TRecordingForm);
  TCaller caller;
  caller.EndsTracking = true;
  const POINT origin = form->ClientToScreen(POINT{0, 0});
  gCursor = {origin.x + 5, origin.y + 5};
  BeginMouseTracking(form.get(), RECT{0, 0, 10, 10}, &caller);
  EXPECT_EQ(GetMouseTrackingTimer(&caller)->Bounds().left, origin.x);
  TickTracking(&caller);
  EXPECT_TRUE(form->Received.empty());

  gCursor = {origin.x - 1, origin.y + 5};
  TickTracking(&caller);
  ASSERT_EQ(form->Received.size(), 1u);
  EXPECT_EQ(form->Received[0].Msg, CM_MOUSELEAVE);
  EXPECT_EQ(form->Received[0].LParam, reinterpret_cast<LPARAM>(form.get()));
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_FALSE(IsMouseTracking(&caller));
}

TEST_F(cxControlsTest, AShapedCallerDecidesWhereItIsInClientCoordinates) {
  TOwned<TRecordingForm> form(new TRecordingForm);
  TShapedCaller caller;
  const POINT origin = form->ClientToScreen(POINT{0, 0});
  gCursor = {origin.x + 150, origin.y + 7};
  BeginMouseTracking(form.get(), RECT{0, 0, 10, 10}, &caller);
  TickTracking(&caller);
  ASSERT_EQ(caller.Asked.size(), 1u);
  EXPECT_EQ(caller.Asked[0].x, 150);
  EXPECT_EQ(caller.Asked[0].y, 7);
  EXPECT_EQ(caller.Leaves, 0) << "outside the bounds but inside the shape";
  caller.Inside = false;
  TickTracking(&caller);
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_TRUE(form->Received.empty()) << "still over the control's client area";
}

TEST_F(cxControlsTest, TheEndFreesLeftoverTrackingAndNothingStartsAfterIt) {
  TCaller caller;
  gCursor = {5, 5};
  BeginMouseTracking(nullptr, RECT{0, 0, 10, 10}, &caller);
  EXPECT_NO_THROW(cxControlsFinalize());
  EXPECT_FALSE(IsMouseTracking(&caller));
  EXPECT_EQ(Timers.Calls, (std::vector<std::string>{"set 10", "kill"}));
  BeginMouseTracking(nullptr, RECT{0, 0, 10, 10}, &caller);
  EXPECT_FALSE(IsMouseTracking(&caller));
  EXPECT_EQ(cxTimerWindowHandle(), nullptr);
}

TEST_F(cxControlsTest, SettingsReachListeningControlsWhileTheWindowLives) {
  TOwned<TRecordingForm> form(new TRecordingForm);
  TcxSettingsController& controller = cxSettingsController();
  EXPECT_EQ(controller.Window(), nullptr);
  controller.AddListener(form.get());
  controller.AddListener(form.get());
  ASSERT_NE(controller.Window(), nullptr);
  SendMessageA(controller.Window(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  EXPECT_TRUE(form->Received.empty());
  EXPECT_EQ(SendMessageA(controller.Window(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0), 0);
  ASSERT_EQ(form->Received.size(), 1u) << "listed once";
  EXPECT_EQ(form->Received[0].Msg, CM_NCSIZECHANGED);
  controller.RemoveListener(form.get());
  EXPECT_EQ(controller.Window(), nullptr);
}

struct TPlacementCase {
  const char* Name;
  RECT Owner;
  int Width, Height, AlignHorz, AlignVert;
  bool Vertical;
  POINT Expected;
};

TEST_F(cxControlsTest, PopupsGoWhereThereIsRoomOnTheOwnersMonitor) {
  const TPlacementCase cases[] = {
      {"below", {100, 100, 200, 120}, 100, 200, 0, 2, true, {100, 120}},
      {"right-aligned below", {100, 100, 200, 120}, 150, 200, 2, 2, true, {50, 120}},
      {"below near the bottom flips above", {100, 600, 200, 620}, 100, 200, 0, 2, true, {100, 400}},
      {"below with less room above stays", {100, 150, 200, 170}, 100, 700, 0, 2, true, {100, 170}},
      {"above off the top flips below", {100, 50, 200, 70}, 100, 200, 0, 0, true, {100, 70}},
      {"above with more room above stays", {100, 700, 200, 720}, 100, 710, 0, 0, true, {100, -10}},
      {"vertically centred is pushed down", {100, 150, 200, 170}, 100, 700, 0, 1, true, {100, 0}},
      {"centred both ways", {400, 300, 600, 340}, 100, 100, 1, 1, true, {450, 270}},
      {"slides left off the right edge", {980, 100, 1020, 120}, 100, 50, 0, 2, true, {924, 120}},
      {"right of the owner flips left", {900, 100, 1000, 120}, 200, 50, 2, 2, false, {700, 70}},
      {"left of the owner flips right", {50, 100, 150, 120}, 200, 50, 0, 0, false, {150, 100}},
      {"sideways slides up", {100, 150, 200, 170}, 100, 700, 2, 0, false, {200, 38}},
      {"second monitor's left edge", {1030, 100, 1080, 120}, 100, 50, 2, 2, true, {1024, 120}},
  };
  for (const TPlacementCase& c : cases) {
    TcxPopupPlacement placement{c.Owner, c.Width, c.Height, c.AlignHorz, c.AlignVert, c.Vertical};
    const POINT p = CalculatePopupPosition(placement, POINT{c.Owner.left, c.Owner.top});
    EXPECT_EQ(p.x, c.Expected.x) << c.Name;
    EXPECT_EQ(p.y, c.Expected.y) << c.Name;
  }
}

TEST_F(cxControlsTest, WithoutMonitorFunctionsTheWorkAreaIsTheSystemOne) {
  cxMonitorApi() = {};
  const RECT area = GetDesktopWorkArea(POINT{1500, 10});
  EXPECT_EQ(area.right, 1024);
  EXPECT_EQ(area.bottom, 768);
}

TEST_F(cxControlsTest, APopupKeepsItsOwnersCaptionActiveUntilTheProgramLosesTheActivation) {
  TOwned<TRecordingForm> owner(new TRecordingForm);
  TOwned<TcxPopupWindow> popup(new TcxPopupWindow(nullptr));
  owner->Show();
  SetActiveWindow(owner->Handle());
  owner->Received.clear();
  popup->Show();
  SetActiveWindow(popup->Handle());
  EXPECT_EQ(popup->PrevActiveWindow(), owner->Handle());
  ASSERT_FALSE(owner->Received.empty());
  EXPECT_EQ(owner->Received.back().Msg, static_cast<UINT>(WM_NCACTIVATE));
  EXPECT_EQ(owner->Received.back().WParam, static_cast<WPARAM>(TRUE)) << "after the system's deactivation";

  SendMessageA(popup->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_TRUE(popup->Visible());
  const size_t before = owner->Received.size();
  SendMessageA(popup->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  // The system activates the owner again once the popup is hidden.
  ASSERT_GT(owner->Received.size(), before);
  EXPECT_EQ(owner->Received[before].Msg, static_cast<UINT>(WM_NCACTIVATE));
  EXPECT_EQ(owner->Received[before].WParam, static_cast<WPARAM>(FALSE));
  EXPECT_FALSE(popup->Visible());
}

// The form's deactivation, as the system sends it, closes the popup.
TEST_F(cxControlsTest, APopupClosesWhenTheSystemActivatesAnotherOfTheProgramsWindows) {
  TOwned<TRecordingForm> owner(new TRecordingForm);
  TOwned<TRecordingForm> other(new TRecordingForm);
  owner->Show();
  other->Show();
  const struct {
    const char* Name;
    TForm* Activated;
  } cases[] = {{"its owner's form", owner.get()}, {"another form", other.get()}};
  for (const auto& c : cases) {
    TOwned<TcxPopupWindow> popup(new TcxPopupWindow(nullptr));
    popup->SetOwnerControl(owner.get());
    popup->Popup();
    SetActiveWindow(popup->Handle());
    ASSERT_EQ(GetActiveWindow(), popup->Handle()) << c.Name;
    SetActiveWindow(c.Activated->Handle());
    EXPECT_FALSE(popup->Visible()) << c.Name;
    EXPECT_FALSE(IsWindowVisible(popup->Handle())) << c.Name;
    EXPECT_EQ(GetActiveWindow(), c.Activated->Handle()) << c.Name;
  }
}

TEST_F(cxControlsTest, APopupOpensBesideItsOwnerControlSizedToItsContentsAndFrame) {
  TOwned<TRecordingForm> owner(new TRecordingForm);
  const POINT origin = owner->ClientToScreen(POINT{0, 0});
  // One popup through every frame: each opening places the child inside the
  // frame it has now, whatever frame it had before.
  TOwned<TcxPopupWindow> popup(new TcxPopupWindow(nullptr));
  popup->SetClientEdgeWidth(1);
  auto* child = new TControl(popup.get());
  child->SetBounds(0, 0, 50, 20);
  child->SetParent(popup.get());
  popup->SetOwnerControl(owner.get());
  popup->SetOwnerBounds(RECT{10, 10, 60, 30});
  for (const int style : {0, 3, 1, 2}) {
    popup->SetPopupBorderStyle(style);
    const int frame = (style == 3 ? 2 : style == 0 ? 0 : 1) + 1;
    for (const int opening : {1, 2}) {
      SCOPED_TRACE("opening " + std::to_string(opening));
      popup->Popup();
      EXPECT_EQ(popup->Width(), 50 + 2 * frame) << style;
      EXPECT_EQ(popup->Height(), 20 + 2 * frame) << style;
      EXPECT_EQ(child->Left(), frame) << style;
      EXPECT_EQ(child->Top(), frame) << style;
      EXPECT_EQ(popup->Left(), origin.x + 10) << style;
      EXPECT_EQ(popup->Top(), origin.y + 30) << style;
      EXPECT_TRUE(popup->Visible());
      popup->CloseUp();
    }
  }
}

TEST_F(cxControlsTest, APopupWithoutChildrenKeepsItsSize) {
  TOwned<TcxPopupWindow> popup(new TcxPopupWindow(nullptr));
  popup->SetPopupBorderStyle(3);
  popup->SetBounds(0, 0, 70, 40);
  popup->CalculateSize();
  EXPECT_EQ(popup->Width(), 70);
  EXPECT_EQ(popup->Height(), 40);
}

TEST_F(cxControlsTest, PopupFramesDrawTheirLinesAndEdges) {
  struct TCase {
    int Style;
    COLORREF Corner, Inner, FarCorner;
  };
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF background = RGB(1, 2, 3);
  const TCase cases[] = {
      {1, RGB(255, 0, 0), background, RGB(255, 0, 0)},
      {2, highlight, background, shadow},
      {3, GetSysColor(COLOR_3DLIGHT), highlight, GetSysColor(COLOR_3DDKSHADOW)},
  };
  for (const TCase& c : cases) {
    TOwned<TcxPopupWindow> popup(new TcxPopupWindow(nullptr));
    popup->SetBounds(0, 0, 10, 8);
    popup->SetPopupBorderStyle(c.Style);
    popup->SetFrameColor(clRed);
    TBitmap bitmap;
    bitmap.SetSize(10, 8);
    bitmap.Canvas().Brush().SetColor(static_cast<TColor>(background));
    bitmap.Canvas().FillRect(RECT{0, 0, 10, 8});
    TcxCanvas canvas(bitmap.Canvas());
    popup->DrawFrame(canvas);
    EXPECT_EQ(GetPixel(bitmap.DC(), 0, 0), c.Corner) << c.Style;
    EXPECT_EQ(GetPixel(bitmap.DC(), 1, 1), c.Inner) << c.Style;
    EXPECT_EQ(GetPixel(bitmap.DC(), 9, 7), c.FarCorner) << c.Style;
  }
}

struct TPosted {
  UINT Msg;
  WPARAM WParam;
  POINT At;  // from the start, for mouse moves
};

struct TDragCase {
  const char* Name;
  std::vector<TPosted> Posted;
  int Expected;
  size_t Dispatched;  // the posted messages up to the one that decides
};

TEST_F(cxControlsTest, DragDetectTellsReleaseDragAndCancel) {
  std::vector<UINT> dispatched;
  // The capture goes when the window is told so, as when another window takes it.
  TUtilWindow window([&dispatched](TMessage& message) {
    // Only what was posted: not what the system sends on its way.
    if (message.Msg == WM_CAPTURECHANGED || message.Msg == WM_CONTEXTMENU) return false;
    dispatched.push_back(message.Msg);
    if (message.Msg == WM_APP) ReleaseCapture();
    return false;
  });
  const int t = Mouse().DragThreshold();
  const TDragCase cases[] = {
      {"released", {{WM_MOUSEMOVE, 0, {t - 1, 1 - t}}, {WM_LBUTTONUP, 0, {}}}, 0, 2},
      {"right button released", {{WM_RBUTTONUP, 0, {}}}, 0, 1},
      {"moved out", {{WM_MOUSEMOVE, 0, {0, -t - 1}}, {WM_LBUTTONUP, 0, {}}}, 1, 1},
      {"moved out to the right", {{WM_MOUSEMOVE, 0, {t, 0}}}, 1, 1},
      {"escape", {{WM_KEYDOWN, 'A', {}}, {WM_KEYDOWN, VK_ESCAPE, {}}, {WM_LBUTTONUP, 0, {}}}, 2, 2},
      {"capture lost", {{WM_APP, 0, {}}, {WM_LBUTTONUP, 0, {}}}, 2, 1},
  };
  POINT start{20, 20};
  ClientToScreen(window.Handle(), &start);
  gCursor = start;
  for (const TDragCase& c : cases) {
    dispatched.clear();
    for (const TPosted& posted : c.Posted)
      PostMessageA(window.Handle(), posted.Msg, posted.WParam, MAKELPARAM(20 + posted.At.x, 20 + posted.At.y));
    EXPECT_EQ(DragDetect(window.Handle()), c.Expected) << c.Name;
    EXPECT_EQ(GetCapture(), nullptr) << c.Name;
    std::vector<UINT> expected;
    for (size_t i = 0; i < c.Dispatched; ++i) expected.push_back(c.Posted[i].Msg);
    EXPECT_EQ(dispatched, expected) << c.Name;
    MSG rest;
    while (PeekMessageA(&rest, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
}

TEST_F(cxControlsTest, DragDetectLeavesTheQuitForTheProgramsLoop) {
  TUtilWindow window([](TMessage&) { return false; });
  PostQuitMessage(7);
  EXPECT_EQ(DragDetect(window.Handle()), 2);
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 7u);
}

TEST_F(cxControlsTest, TheLibrarysCursorsAreOnTheScreenWithTheirHotSpots) {
  std::set<HCURSOR> distinct;
  for (TCursor id = crcxDragCopy; id <= crcxColorPicker; ++id) {
    ASSERT_NE(Screen().Cursors(id), nullptr) << id;
    distinct.insert(Screen().Cursors(id));
  }
  EXPECT_EQ(distinct.size(), 15u);
  EXPECT_EQ(Screen().Cursors(crcxHandPoint), LoadCursorA(nullptr, IDC_HAND));

  const struct {
    TCursor Id;
    DWORD X, Y;
  } hotSpots[] = {{crcxDragCopy, 0, 0}, {crcxDragCopy + 1, 15, 15}, {crcxColorPicker, 1, 30}};
  for (const auto& spot : hotSpots) {
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(Screen().Cursors(spot.Id), &info));
    EXPECT_EQ(info.xHotspot, spot.X) << spot.Id;
    EXPECT_EQ(info.yHotspot, spot.Y) << spot.Id;
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
  }
}

TEST(cxControlsRoutinesTest, AcceleratorMarksAreRemoved) {
  const struct {
    const char* Text;
    const char* Expected;
  } cases[] = {
      {"&File", "File"}, {"Save &As", "Save As"}, {"R&&D", "R&D"}, {"&&&x", "&x"}, {"Tail&", "Tail_"}, {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(RemoveAccelChars(c.Text), c.Expected) << c.Text;
}

TEST(cxControlsRoutinesTest, TheDragThresholdIsExclusiveOnBothAxes) {
  const int t = Mouse().DragThreshold();
  const POINT start{100, 100};
  EXPECT_TRUE(IsPointWithinDragThreshold(start, 100 + t - 1, 100 - t + 1));
  EXPECT_FALSE(IsPointWithinDragThreshold(start, 100 + t, 100));
  EXPECT_FALSE(IsPointWithinDragThreshold(start, 100, 100 - t));
}

TEST(cxControlsRoutinesTest, ShiftStatesBecomeMouseKeyFlags) {
  EXPECT_EQ(ShiftStateToKeys(TShiftState{ssShift, ssCtrl, ssLeft, ssRight, ssMiddle}),
            static_cast<WPARAM>(MK_SHIFT | MK_CONTROL | MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
  EXPECT_EQ(ShiftStateToKeys(TShiftState{ssAlt, ssDouble}), 0u);
}

TEST(cxControlsRoutinesTest, AControlCanMakeAWindowThroughAWindowedAncestor) {
  TOwned<TRecordingForm> form(new TRecordingForm);
  TOwned<TWinControl> loose(new TWinControl(nullptr));
  auto* looseChild = new TWinControl(loose.get());
  looseChild->SetParent(loose.get());
  EXPECT_FALSE(CanAllocateHandle(looseChild));
  auto* inner = new TWinControl(form.get());
  auto* innermost = new TWinControl(form.get());
  inner->SetParent(form.get());
  innermost->SetParent(inner);
  EXPECT_TRUE(CanAllocateHandle(innermost));
  EXPECT_TRUE(IsChildOrSelf(form->Handle(), innermost->Handle()));
  EXPECT_TRUE(IsChildOrSelf(form->Handle(), form->Handle()));
  EXPECT_FALSE(IsChildOrSelf(nullptr, nullptr));
  EXPECT_FALSE(IsChildOrSelf(innermost->Handle(), form->Handle()));
  EXPECT_TRUE(HasChildWindowStyle(innermost->Handle()));
  EXPECT_FALSE(HasChildWindowStyle(form->Handle()));
}

TEST(cxControlsRoutinesTest, SystemVersionFlags) {
  const struct {
    DWORD Platform, Major, Minor;
    bool Win9X, Win2K, WinXP, NT4, Vista;
  } cases[] = {
      {VER_PLATFORM_WIN32_WINDOWS, 4, 10, true, false, false, false, false},
      {VER_PLATFORM_WIN32_NT, 4, 0, false, false, false, true, false},
      {VER_PLATFORM_WIN32_NT, 5, 0, false, true, false, true, false},
      {VER_PLATFORM_WIN32_NT, 5, 1, false, true, true, true, false},
      {VER_PLATFORM_WIN32_NT, 6, 0, false, true, false, true, true},
      {VER_PLATFORM_WIN32_NT, 10, 0, false, true, false, true, true},
  };
  for (const auto& c : cases) {
    const TcxSystemVersion flags = SystemVersionFlags(c.Platform, c.Major, c.Minor);
    const std::string name = std::to_string(c.Platform) + " " + std::to_string(c.Major) + "." + std::to_string(c.Minor);
    EXPECT_EQ(flags.IsWin9X, c.Win9X) << name;
    EXPECT_EQ(flags.IsWin2KOrLater, c.Win2K) << name;
    EXPECT_EQ(flags.IsWinXPOrLater, c.WinXP) << name;
    EXPECT_EQ(flags.IsWinNT4OrLater, c.NT4) << name;
    EXPECT_EQ(flags.IsWinVistaOrLater, c.Vista) << name;
  }
}

TEST_F(cxControlsTest, TheSharedMessageWindowLivesUntilTheEnd) {
  TcxMessageWindow* window = cxMessageWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(cxMessageWindow(), window);
  EXPECT_TRUE(IsWindow(window->Handle()));
  const HWND handle = window->Handle();
  cxControlsFinalize();
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(cxMessageWindow(), nullptr);
}

TEST_F(cxControlsTest, APopupClosesWhenItLosesTheActivationAndPaintsItsFrameOnItsOwnCanvas) {
  TOwned<TcxPopupWindow> popup(new TcxPopupWindow(nullptr));
  popup->SetBounds(50, 50, 40, 30);
  popup->SetPopupBorderStyle(1);
  popup->SetFrameColor(clRed);
  popup->Show();
  TBitmap picture;
  CaptureClient(popup->Handle(), picture);
  EXPECT_EQ(GetPixel(picture.DC(), 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(picture.DC(), 39, 29), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(picture.DC(), 1, 1), RGB(255, 0, 0));

  SendMessageA(popup->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_FALSE(popup->Visible());
}

TEST_F(cxControlsTest, TheSizeGripIsItsColourAndNothingElse) {
  TOwned<TRecordingForm> form(new TRecordingForm);
  auto* grip = new TcxSizeGrip(form.get());
  EXPECT_EQ(grip->Color(), clBtnFace);
  EXPECT_TRUE(grip->ControlStyle().Contains(csNoDesignVisible));
  grip->SetColor(static_cast<TColor>(RGB(10, 200, 30)));
  grip->SetBounds(0, 0, 17, 17);
  grip->SetParent(form.get());
  TBitmap picture;
  CaptureClient(grip->Handle(), picture);
  int others = 0;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x) others += GetPixel(picture.DC(), x, y) != RGB(10, 200, 30);
  EXPECT_EQ(others, 0);
}

// A menu of the library's own kind, told apart by the interface alone.
class TCustomMenu : public TComponent, public IcxPopupMenu {
 public:
  TCustomMenu(std::vector<std::string>& log) : TComponent(nullptr), FLog(log) {}
  bool IsShortCut(const TMessage& message) override {
    FLog.push_back("asked " + std::to_string(KeyCode(message)));
    return true;
  }
  void Popup(int x, int y) override { FLog.push_back("custom " + std::to_string(x) + "," + std::to_string(y)); }

 private:
  std::vector<std::string>& FLog;
};

TEST_F(cxControlsTest, PopupMenusOpenThroughTheirInterfaceOrWhenTheyOpenByThemselves) {
  std::vector<std::string> log;
  TOwned<TComponent> caller(new TComponent(nullptr));
  TOwned<TCustomMenu> custom(new TCustomMenu(log));
  TOwned<TPopupMenu> automatic(new TPopupMenu(nullptr));
  TOwned<TPopupMenu> manual(new TPopupMenu(nullptr));
  TOwned<TComponent> other(new TComponent(nullptr));
  automatic->SetName("automatic");
  manual->SetName("manual");
  EXPECT_TRUE(manual->AutoPopup());
  manual->SetAutoPopup(false);
  TPopupMenu::SetPopupHandler([&](TPopupMenu& menu, int x, int y) {
    log.push_back(menu.Name() + " " + std::to_string(x) + "," + std::to_string(y));
  });
  const struct {
    const char* Name;
    TComponent* Menu;
    bool Shown;
    std::vector<std::string> Log;
  } cases[] = {
      {"interface", custom.get(), true, {"custom 30,40"}},
      {"opens by itself", automatic.get(), true, {"automatic 30,40"}},
      {"opens only when asked", manual.get(), false, {}},
      {"no menu at all", other.get(), false, {}},
      {"nothing", nullptr, false, {}},
  };
  for (const auto& c : cases) {
    log.clear();
    EXPECT_EQ(ShowPopupMenu(caller.get(), c.Menu, 30, 40), c.Shown) << c.Name;
    EXPECT_EQ(log, c.Log) << c.Name;
  }
  TPopupMenu::SetPopupHandler(nullptr);
  EXPECT_EQ(automatic->PopupComponent(), caller.get());
  EXPECT_EQ(manual->PopupComponent(), nullptr);
  caller.reset();
  EXPECT_EQ(automatic->PopupComponent(), nullptr) << "forgotten when it goes";
}

TMenuItem* AddItem(TMenuItem& parent, const std::string& caption, TShortCut shortCut,
                   std::vector<std::string>& clicks) {
  auto* item = new TMenuItem(&parent);
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  item->SetOnClick([&clicks, caption](TObject*) { clicks.push_back(caption); });
  parent.Add(item);
  return item;
}

void SetControlKey(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

TEST_F(cxControlsTest, AKeyIsAPopupMenusShortCutWhenAnEnabledItemHasIt) {
  std::vector<std::string> clicks;
  TOwned<TPopupMenu> menu(new TPopupMenu(nullptr));
  AddItem(menu->Items(), "Copy", scCtrl | 'C', clicks);
  AddItem(menu->Items(), "Delete", VK_DELETE, clicks);
  AddItem(menu->Items(), "Off", scCtrl | 'O', clicks)->SetEnabled(false);
  TMenuItem* more = AddItem(menu->Items(), "More", scNone, clicks);
  AddItem(*more, "Nested", scCtrl | 'N', clicks);
  AddItem(*more, "Hidden", scCtrl | 'H', clicks);
  constexpr LPARAM kAltDown = 0x20000000;
  const struct {
    const char* Name;
    UINT Msg;
    WORD Key;
    bool Ctrl;
    LPARAM KeyData;
    const char* Clicked;  // nullptr: not a shortcut
  } cases[] = {
      {"ctrl+C", WM_KEYDOWN, 'C', true, 0, "Copy"},
      {"C alone", WM_KEYDOWN, 'C', false, 0, nullptr},
      {"ctrl+alt+C", WM_SYSKEYDOWN, 'C', true, kAltDown, nullptr},
      {"delete", WM_KEYDOWN, VK_DELETE, false, 0, "Delete"},
      {"delete as the control sees it", CN_KEYDOWN, VK_DELETE, false, 0, "Delete"},
      {"ctrl+delete", WM_KEYDOWN, VK_DELETE, true, 0, nullptr},
      {"disabled item", WM_KEYDOWN, 'O', true, 0, nullptr},
      {"in a submenu", WM_KEYDOWN, 'N', true, 0, "Nested"},
  };
  for (const auto& c : cases) {
    clicks.clear();
    SetControlKey(c.Ctrl);
    const TMessage message{c.Msg, c.Key, c.KeyData, 0};
    EXPECT_EQ(IsPopupMenuShortCut(menu.get(), message), c.Clicked != nullptr) << c.Name;
    EXPECT_EQ(clicks, c.Clicked ? std::vector<std::string>{c.Clicked} : std::vector<std::string>{}) << c.Name;
  }
  clicks.clear();
  more->SetEnabled(false);
  SetControlKey(true);
  EXPECT_FALSE(IsPopupMenuShortCut(menu.get(), TMessage{WM_KEYDOWN, 'H', 0, 0})) << "behind a disabled submenu";
  SetControlKey(false);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(cxControlsTest, OnlyMenusWithItemsOrTheInterfaceAreAskedForShortCuts) {
  std::vector<std::string> log;
  TOwned<TPopupMenu> empty(new TPopupMenu(nullptr));
  TOwned<TCustomMenu> custom(new TCustomMenu(log));
  const TMessage message{WM_KEYDOWN, VK_DELETE, 0, 0};
  EXPECT_FALSE(IsPopupMenuShortCut(empty.get(), message));
  EXPECT_FALSE(IsPopupMenuShortCut(nullptr, message));
  EXPECT_TRUE(IsPopupMenuShortCut(custom.get(), message));
  EXPECT_EQ(log, (std::vector<std::string>{"asked " + std::to_string(VK_DELETE)}));
}

TEST_F(cxControlsTest, OnlyComponentsInDesignModeTellTheDesigner) {
  std::vector<TComponent*> told;
  SetDesignerModifiedHook([&](TComponent& component) { told.push_back(&component); });
  TOwned<TComponent> running(new TComponent(nullptr));
  TOwned<TComponent> designed(new TComponent(nullptr));
  designed->SetDesigning(true);
  SetDesignerModified(running.get());
  SetDesignerModified(designed.get());
  SetDesignerModified(nullptr);
  SetDesignerModifiedHook(nullptr);
  EXPECT_EQ(told, (std::vector<TComponent*>{designed.get()}));
}

TEST_F(cxControlsTest, TheLibrarysMessageIsRegisteredUnderItsName) {
  EXPECT_GE(cxControlsMessageID(), 0xC000u);
  EXPECT_EQ(cxControlsMessageID(), RegisterWindowMessageA("{B2CE3777-44D8-4998-9701-47BBBC10B656}"));
}

TEST(cxControlsRoutinesTest, ArrowsTradePlacesOnlyWhereTextReadsRightToLeft) {
  const struct {
    WORD Key;
    bool RightToLeft;
    WORD Expected;
  } cases[] = {
      {VK_LEFT, false, VK_LEFT}, {VK_RIGHT, false, VK_RIGHT}, {VK_LEFT, true, VK_RIGHT},
      {VK_RIGHT, true, VK_LEFT}, {VK_UP, true, VK_UP},        {'A', true, 'A'},
  };
  for (const auto& c : cases) EXPECT_EQ(TranslateKey(c.Key, c.RightToLeft), c.Expected) << c.Key << c.RightToLeft;
}

}  // namespace
