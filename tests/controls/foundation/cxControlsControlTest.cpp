#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/controls/cxControlsControl.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/core/Mouse.h"
#include "platform/controls/core/Screen.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

bool gCtrlDown = false;
SHORT WINAPI FakeGetKeyState(int key) { return key == VK_CONTROL && gCtrlDown ? SHORT(0x8000) : SHORT(0); }

POINT gCursor{};
BOOL WINAPI FakeGetCursorPos(LPPOINT point) {
  *point = gCursor;
  return TRUE;
}

unsigned gWheelLines = 3;
unsigned FakeWheelScrollLines() { return gWheelLines; }

// Records what the drag-and-drop asks of its object.
class TRecordingDragObject : public TcxDragAndDropObject {
 public:
  TRecordingDragObject(TcxControl& control, std::vector<std::string>& log) : TcxDragAndDropObject(control), FLog(log) {}
  bool GetImmediateStart() override { return ImmediateStart; }
  bool ImmediateStart = false;

 protected:
  void BeginDragAndDrop() override { FLog.push_back("begin"); }
  void DragAndDrop(POINT point, bool& accepted) override {
    FLog.push_back("drag " + std::to_string(point.x));
    TcxDragAndDropObject::DragAndDrop(point, accepted);
  }
  void EndDragAndDrop(bool accepted) override { FLog.push_back(accepted ? "drop" : "cancel"); }

 private:
  std::vector<std::string>& FLog;
};

class TTestControl : public TcxControl {
 public:
  explicit TTestControl(TComponent* owner) : TcxControl(owner) {
    SetDragAndDropObjectClass([this](TcxControl& control) {
      auto object = std::make_unique<TRecordingDragObject>(control, Log);
      object->ImmediateStart = ImmediateStart;
      return object;
    });
  }

  std::vector<std::string> Log;
  bool StartsDrag = false;
  bool ImmediateStart = false;
  int WheelKind = 0;
  bool FreeOnFocusChanged = false;
  bool FreeOnBeforeMouseDown = false;
  bool AcceptsDrag = true;
  SIZE DragImagesSize{0, 0};
  // The range each bar is given: min, max, page.
  struct TRange {
    int Min = 0;
    int Max = 0;
    int Page = 1;
  };
  TRange HRange;
  TRange VRange;
  bool AllowHide = true;
  TCursor CurrentCursor = crDefault;

  using TcxControl::CanDrag;
  using TcxControl::SetDesignerModified;

 protected:
  bool StartDragAndDrop(POINT) override { return StartsDrag; }
  TCursor GetCurrentCursor(int x, int y) override {
    return CurrentCursor != crDefault ? CurrentCursor : TcxControl::GetCurrentCursor(x, y);
  }
  int GetMouseWheelScrollingKind() override {
    return WheelKind < 0 ? TcxControl::GetMouseWheelScrollingKind() : WheelKind;
  }
  void InitScrollBarsParameters() override {
    SetScrollBarInfo(sbHorizontal, HRange.Min, HRange.Max, 1, HRange.Page, 0, true, AllowHide);
    SetScrollBarInfo(sbVertical, VRange.Min, VRange.Max, 1, VRange.Page, 0, true, AllowHide);
  }
  bool AcceptsDragObject(TDragObject*) override { return AcceptsDrag; }
  SIZE GetDragImagesSize() override { return DragImagesSize; }
  void DrawDragImage(TcxCanvas& canvas, const RECT& rect) override {
    canvas.Brush().SetColor(clRed);
    canvas.Canvas().FillRect(rect);
  }
  bool CanScrollByDirection(TcxDirection) override { return true; }
  bool GetDesignHitTest(int x, int, TShiftState) override { return x < 50; }
  void Scroll(TScrollBarKind kind, TScrollCode code, int&) override {
    Log.push_back(std::string(kind == sbHorizontal ? "h" : "v") + " " + std::to_string(code));
  }
  void FocusChanged() override {
    TcxControl::FocusChanged();
    if (FreeOnFocusChanged && Focused()) Free();
  }
  void BeforeMouseDown(TMouseButton, TShiftState, int, int) override {
    Log.push_back("before mouse down");
    if (FreeOnBeforeMouseDown) Free();
  }
  void ColorChanged() override { Log.push_back("color"); }
  void TextChanged() override { Log.push_back("text"); }
  void VisibleChanged() override { Log.push_back("visible"); }
};

class TListener : public IcxFontListener {
 public:
  void Changed(TObject* sender, TFont& font) override {
    Sender = sender;
    Size = font.Size();
  }
  TObject* Sender = nullptr;
  int Size = 0;
};

// A menu of the library's own interface.
class TInterfaceMenu : public TComponent, public IcxPopupMenu {
 public:
  using TComponent::TComponent;
  bool IsShortCut(const TMessage& message) override { return KeyCode(message) == ShortCutKey; }
  void Popup(int x, int y) override { Shown.push_back(POINT{x, y}); }
  WORD ShortCutKey = 'K';
  std::vector<POINT> Shown;
};

class TCaptureObject : public IcxMouseCaptureObject {
 public:
  void DoCancelMode() override { ++Cancels; }
  int Cancels = 0;
};

class cxControlsControlTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxInputApi().GetKeyState = FakeGetKeyState;
    cxInputApi().GetCursorPos = FakeGetCursorPos;
    cxWheelApi().WheelScrollLines = FakeWheelScrollLines;
    Mouse().SetDragThreshold(4);
    gCtrlDown = false;
    gWheelLines = 3;
    Form.reset(new TForm(nullptr));
    Form->SetBounds(100, 100, 300, 200);
    Control = new TTestControl(Form.get());
    Control->SetBounds(10, 10, 100, 80);
    Control->SetParent(Form.get());
    Form->Show();
    TPopupMenu::SetPopupHandler([this](TPopupMenu&, int x, int y) { Popups.push_back(POINT{x, y}); });
  }
  void TearDown() override {
    TPopupMenu::SetPopupHandler(nullptr);
    CancelDrag();
    Form.reset();
    cxInputApi() = {};
    cxWheelApi() = {};
    Mouse().SetDragThreshold(0);
    Screen().SetCursor(crDefault);
  }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(Control->Handle(), message, wParam, lParam);
  }
  LRESULT SendMouse(UINT message, int x, int y) {
    return Send(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
  }
  LRESULT Wheel(int delta) {
    const POINT at = Control->ClientToScreen(POINT{5, 5});
    return Send(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(at.x, at.y));
  }

  TOwned<TForm> Form;
  TTestControl* Control = nullptr;
  std::vector<POINT> Popups;
};

TEST_F(cxControlsControlTest, AClickFocusesTheControlUnlessItShouldNot) {
  struct TCase {
    const char* Name;
    bool FocusOnClick;
    UINT Message;
    bool Focused;
  };
  const TCase cases[] = {
      {"a click", true, WM_LBUTTONDOWN, true},
      {"a right click", true, WM_RBUTTONDOWN, true},
      {"focus on click off", false, WM_LBUTTONDOWN, false},
      {"a double click", true, WM_LBUTTONDBLCLK, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ::SetFocus(Form->Handle());
    Control->SetFocusOnClick(c.FocusOnClick);
    SendMouse(c.Message, 20, 20);
    SendMouse(WM_LBUTTONUP, 20, 20);
    EXPECT_EQ(Control->Focused(), c.Focused);
    EXPECT_EQ(Control->MouseDownPos().x, 20);
  }
}

TEST_F(cxControlsControlTest, AHandlerThatFreesTheControlStopsThePress) {
  struct TCase {
    const char* Name;
    bool FreeOnFocus;
  };
  for (const TCase& c : {TCase{"while it takes the focus", true}, TCase{"before the press event", false}}) {
    SCOPED_TRACE(c.Name);
    ::SetFocus(Form->Handle());
    bool pressEvent = false;
    auto* control = new TTestControl(Form.get());
    control->SetBounds(0, 100, 50, 50);
    control->SetParent(Form.get());
    control->FreeOnFocusChanged = c.FreeOnFocus;
    control->FreeOnBeforeMouseDown = !c.FreeOnFocus;
    control->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { pressEvent = true; });
    const HWND window = control->Handle();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(pressEvent);
    EXPECT_EQ(Form->ControlCount(), 1);
  }
}

TEST_F(cxControlsControlTest, TheDialogCodeWantsTheKeysTheControlAsksFor) {
  struct TCase {
    TcxKeys Keys;
    bool Ctrl;
    LRESULT Code;
  };
  const TCase cases[] = {
      {TcxKeys{}, false, 0},
      {TcxKeys{kAll}, false, DLGC_WANTALLKEYS},
      {TcxKeys{kArrows, kChars}, false, DLGC_WANTARROWS | DLGC_WANTCHARS},
      {TcxKeys{kTab}, false, DLGC_WANTTAB},
      {TcxKeys{kTab}, true, 0},
      {TcxKeys{kAll, kArrows, kChars, kTab}, true, DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS},
  };
  for (const TCase& c : cases) {
    gCtrlDown = c.Ctrl;
    Control->SetKeys(c.Keys);
    EXPECT_EQ(Send(WM_GETDLGCODE), c.Code);
  }
}

TEST_F(cxControlsControlTest, TheWheelScrollsLineByLineOrAPageAtATime) {
  struct TCase {
    const char* Name;
    int Kind;
    unsigned Lines;
    int Delta;
    LRESULT Handled;
    std::vector<std::string> Scrolls;
  };
  const std::string up = "v " + std::to_string(scLineUp);
  const std::string down = "v " + std::to_string(scLineDown);
  const std::string right = "h " + std::to_string(scLineDown);
  const TCase cases[] = {
      {"no scrolling kind", 0, 3, 120, 0, {}},
      {"vertical, up", 2, 3, 120, 1, {up, up, up}},
      {"vertical, down", 2, 3, -120, 1, {down, down, down}},
      {"horizontal, right", 1, 1, -120, 1, {right}},
      {"no lines", 2, 0, -120, 1, {}},
      {"a screen at a time", 2, cxWheelPageScroll, -120, 1, {"v " + std::to_string(scPageDown)}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Control->Log.clear();
    Control->WheelKind = c.Kind;
    gWheelLines = c.Lines;
    EXPECT_EQ(Wheel(c.Delta), c.Handled);
    EXPECT_EQ(Control->Log, c.Scrolls);
  }
}

TEST_F(cxControlsControlTest, AWheelHandlerThatTakesTheWheelStopsTheScrolling) {
  Control->WheelKind = 2;
  Control->SetOnMouseWheel([](TObject*, TShiftState, int, POINT, bool& handled) { handled = true; });
  EXPECT_EQ(Wheel(120), 1);
  EXPECT_TRUE(Control->Log.empty());
}

TEST_F(cxControlsControlTest, ADragArmsOnPressStartsBeyondTheThresholdAndDropsOnRelease) {
  Control->StartsDrag = true;
  SendMouse(WM_LBUTTONDOWN, 20, 20);
  EXPECT_EQ(Control->DragAndDropState(), 1);
  SendMouse(WM_MOUSEMOVE, 23, 23);
  EXPECT_EQ(Control->DragAndDropState(), 1) << "within the threshold";
  SendMouse(WM_MOUSEMOVE, 24, 20);
  EXPECT_EQ(Control->DragAndDropState(), 2);
  EXPECT_TRUE(Control->MouseCapture());
  EXPECT_EQ(Screen().Cursor(), crNoDrop);
  SendMouse(WM_LBUTTONUP, 30, 20);
  EXPECT_EQ(Control->DragAndDropState(), 0);
  EXPECT_FALSE(Control->MouseCapture());
  EXPECT_EQ(Screen().Cursor(), crDefault);
  EXPECT_EQ(Control->Log, (std::vector<std::string>{"before mouse down", "begin", "drag 24", "drop"}));
}

TEST_F(cxControlsControlTest, EscapeCancelsADragAndTheKeysServeTheDragMeanwhile) {
  Control->StartsDrag = true;
  Control->ImmediateStart = true;
  SendMouse(WM_LBUTTONDOWN, 20, 20);
  EXPECT_EQ(Control->DragAndDropState(), 2) << "an immediate start";
  EXPECT_EQ(Control->Perform(CN_KEYDOWN, 'A'), 1);
  EXPECT_EQ(Control->DragAndDropState(), 2);
  EXPECT_EQ(Control->Perform(CN_KEYDOWN, VK_ESCAPE), 1);
  EXPECT_EQ(Control->DragAndDropState(), 0);
  EXPECT_EQ(Control->Log.back(), "cancel");
  EXPECT_EQ(Control->Perform(CN_KEYDOWN, 'A'), 0) << "after the drag, keys are the dialog's again";
}

TEST_F(cxControlsControlTest, APressThatArmsNoDragEndsAPendingOne) {
  struct TCase {
    const char* Name;
    UINT Message;
    bool StartsDrag;
  };
  const TCase cases[] = {
      {"a double click", WM_LBUTTONDBLCLK, true},
      {"the right button", WM_RBUTTONDOWN, true},
      {"a press the control refuses", WM_LBUTTONDOWN, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Control->StartsDrag = true;
    SendMouse(WM_LBUTTONDOWN, 20, 20);
    ASSERT_EQ(Control->DragAndDropState(), 1);
    Control->StartsDrag = c.StartsDrag;
    SendMouse(c.Message, 20, 20);
    EXPECT_EQ(Control->DragAndDropState(), 0);
    EXPECT_TRUE(Control->CanDrag());
    SendMouse(WM_LBUTTONUP, 20, 20);
  }
}

TEST_F(cxControlsControlTest, CancelModeEndsADragUnaccepted) {
  Control->StartsDrag = true;
  Control->ImmediateStart = true;
  SendMouse(WM_LBUTTONDOWN, 20, 20);
  Send(WM_CANCELMODE);
  EXPECT_EQ(Control->DragAndDropState(), 0);
  EXPECT_EQ(Control->Log.back(), "cancel");
  EXPECT_FALSE(Control->IsMouseDown());
}

TEST_F(cxControlsControlTest, TheContextMenuShowsInTheClientAreaOrAtItsCornerForTheKeyboard) {
  auto* menu = new TPopupMenu(Form.get());
  Control->SetPopupMenu(menu);
  const POINT origin = Control->ClientToScreen(POINT{0, 0});
  struct TCase {
    const char* Name;
    POINT At;
    std::vector<POINT> Shown;
  };
  const TCase cases[] = {
      {"the menu key", {-1, -1}, {origin}},
      {"a click inside", {origin.x + 30, origin.y + 40}, {{origin.x + 30, origin.y + 40}}},
      {"a click outside the client bounds", {origin.x + 100, origin.y + 40}, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Popups.clear();
    Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control->Handle()), MAKELPARAM(c.At.x, c.At.y));
    ASSERT_EQ(Popups.size(), c.Shown.size());
    for (size_t i = 0; i < Popups.size(); ++i) {
      EXPECT_EQ(Popups[i].x, c.Shown[i].x);
      EXPECT_EQ(Popups[i].y, c.Shown[i].y);
    }
  }
}

TEST_F(cxControlsControlTest, TheContextMenuGivesWayToTheEventAndGoesWithItsMenu) {
  auto* menu = new TPopupMenu(Form.get());
  Control->SetPopupMenu(menu);
  Control->SetOnContextPopup([](TObject*, POINT, bool& handled) { handled = true; });
  Send(WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
  EXPECT_TRUE(Popups.empty());
  menu->Free();
  EXPECT_EQ(Control->PopupMenu(), nullptr);
  Control->SetPopupMenu(Form.get());
  EXPECT_EQ(Control->PopupMenu(), nullptr) << "a form is no popup menu";
}

TEST_F(cxControlsControlTest, ComponentMessagesBecomeTheNotifications) {
  TListener listener;
  Control->AddFontListener(&listener);
  Control->SetColor(clRed);
  Control->SetCaption("x");
  Control->SetVisible(false);
  Control->Font().SetSize(14);
  EXPECT_EQ(Control->Log, (std::vector<std::string>{"color", "text", "visible"}));
  EXPECT_EQ(listener.Sender, Control);
  EXPECT_EQ(listener.Size, 14);
  Control->RemoveFontListener(&listener);
  Control->Font().SetSize(9);
  EXPECT_EQ(listener.Size, 14);
}

// Each notification it hears, by name; enabling has none of its own, so its
// component message stands for it.
class TNotifiedControl : public TcxControl {
 public:
  using TcxControl::TcxControl;
  std::vector<std::string> Heard;

 protected:
  void ColorChanged() override { Heard.push_back("color"); }
  void FontChanged() override {
    Heard.push_back("font");
    TcxControl::FontChanged();
  }
  void CursorChanged() override {
    Heard.push_back("cursor");
    TcxControl::CursorChanged();
  }
  void TextChanged() override { Heard.push_back("text"); }
  void VisibleChanged() override { Heard.push_back("visible"); }
  void WndProc(TMessage& message) override {
    if (message.Msg == CM_ENABLEDCHANGED) Heard.push_back("enabled");
    TcxControl::WndProc(message);
  }
};

TEST_F(cxControlsControlTest, EachChangedPropertyIsNotifiedOnce) {
  struct TCase {
    const char* Name;
    void (*Change)(TForm& form, TNotifiedControl& control);
    std::vector<std::string> Heard;
  };
  const TCase cases[] = {
      {"colour", [](TForm&, TNotifiedControl& c) { c.SetColor(clRed); }, {"color"}},
      {"the same colour", [](TForm&, TNotifiedControl& c) { c.SetColor(c.Color()); }, {}},
      {"font size", [](TForm&, TNotifiedControl& c) { c.Font().SetSize(14); }, {"font"}},
      {"a whole other font",
       [](TForm&, TNotifiedControl& c) {
         TFont font;
         font.SetName("Arial");
         font.SetSize(20);
         font.SetColor(clBlue);
         font.SetStyle(TFontStyles{fsBold});
         c.SetFont(font);
       },
       {"font"}},
      {"the parent's font", [](TForm& form, TNotifiedControl&) { form.Font().SetSize(16); }, {"font"}},
      {"cursor", [](TForm&, TNotifiedControl& c) { c.SetCursor(crHandPoint); }, {"cursor"}},
      {"the same cursor", [](TForm&, TNotifiedControl& c) { c.SetCursor(c.Cursor()); }, {}},
      {"disabled", [](TForm&, TNotifiedControl& c) { c.SetEnabled(false); }, {"enabled"}},
      {"still enabled", [](TForm&, TNotifiedControl& c) { c.SetEnabled(true); }, {}},
      {"caption", [](TForm&, TNotifiedControl& c) { c.SetCaption("x"); }, {"text"}},
      {"hidden", [](TForm&, TNotifiedControl& c) { c.SetVisible(false); }, {"visible"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TOwned<TForm> form(new TForm(nullptr));
    auto* control = new TNotifiedControl(form.get());
    control->SetParent(form.get());
    form->Show();
    TListener listener;
    control->AddFontListener(&listener);
    control->Heard.clear();
    c.Change(*form, *control);
    EXPECT_EQ(control->Heard, c.Heard);
    EXPECT_EQ(listener.Sender != nullptr, c.Heard == std::vector<std::string>{"font"});
    control->RemoveFontListener(&listener);
  }
}

TEST_F(cxControlsControlTest, TheControlsOwnCursorLeavesTheDefaultCursorAlone) {
  Control->SetCursor(crHandPoint);
  EXPECT_EQ(Control->DefaultCursor(), crHandPoint);
  Control->CurrentCursor = crHSplit;
  SendMouse(WM_MOUSEMOVE, 5, 5);
  EXPECT_EQ(Control->Cursor(), crHSplit);
  EXPECT_EQ(Control->DefaultCursor(), crHandPoint);
  Control->CurrentCursor = crDefault;
  SendMouse(WM_MOUSEMOVE, 6, 5);
  EXPECT_EQ(Control->Cursor(), crHandPoint);
}

TEST_F(cxControlsControlTest, EnterAndLeaveReachTheirEvents) {
  std::vector<std::string> events;
  Control->SetOnMouseEnter([&](TObject*) { events.push_back("enter"); });
  Control->SetOnMouseLeave([&](TObject*) { events.push_back("leave"); });
  Control->Perform(CM_MOUSEENTER);
  Control->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(cxControlsControlTest, ADefaultBorderNarrowsTheClientBounds) {
  const RECT whole = Control->GetClientBounds();
  Control->SetBorderStyle(cxcbsDefault);
  const int border = Control->GetBorderSize();
  const RECT client = Control->GetClientBounds();
  EXPECT_GT(border, 0);
  EXPECT_EQ(client.left, whole.left + border);
  EXPECT_EQ(client.bottom, whole.bottom - border);
  Control->SetStoredBounds(RECT{5, 5, 50, 40});
  EXPECT_EQ(Control->GetClientBounds().right, 50 - border);
}

TEST_F(cxControlsControlTest, ChildComponentsTellTheirControl) {
  struct TWatchingControl : TcxControl {
    using TcxControl::TcxControl;
    void AddChildComponent(TcxControlChildComponent*) override { ++Added; }
    void RemoveChildComponent(TcxControlChildComponent*) override { ++Removed; }
    int Added = 0;
    int Removed = 0;
  };
  auto* control = new TWatchingControl(Form.get());
  auto* owned = TcxControlChildComponent::CreateEx<TcxControlChildComponent>(control, true);
  EXPECT_EQ(owned->Owner(), Form.get());
  EXPECT_TRUE(owned->HasParent());
  owned->SetParentComponent(control);
  EXPECT_EQ(control->Added, 1);
  TOwned<TcxControlChildComponent> unowned(
      TcxControlChildComponent::CreateEx<TcxControlChildComponent>(control, false));
  EXPECT_EQ(unowned->Owner(), nullptr);
  unowned.reset();
  EXPECT_EQ(control->Removed, 1);
}

TEST_F(cxControlsControlTest, AChildComponentOutlivesItsControlSafely) {
  auto* control = new TcxControl(Form.get());
  TOwned<TcxControlChildComponent> child(TcxControlChildComponent::CreateEx<TcxControlChildComponent>(control, false));
  control->Free();
  EXPECT_EQ(child->Control(), nullptr);
  EXPECT_FALSE(child->HasParent());
}

TEST_F(cxControlsControlTest, OnlyAMenuThatOpensByItselfShowsAndEitherKindGivesItsShortcuts) {
  auto* menu = new TPopupMenu(Form.get());
  menu->SetAutoPopup(false);
  Control->SetPopupMenu(menu);
  Send(WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
  EXPECT_TRUE(Popups.empty());

  auto* own = new TInterfaceMenu(Form.get());
  Control->SetPopupMenu(own);
  ASSERT_EQ(Control->PopupMenu(), own);
  Send(WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
  EXPECT_EQ(own->Shown.size(), 1u);

  // A control inside another answers for the outer control's menu too.
  auto* inner = new TTestControl(Form.get());
  inner->SetParent(Control);
  struct TCase {
    TcxControl* Receiver;
    UINT Message;
    WORD Key;
    LRESULT Result;
  };
  const TCase cases[] = {
      {Control, CN_KEYDOWN, 'K', 1},
      {Control, CN_SYSKEYDOWN, 'K', 1},
      {Control, CN_KEYDOWN, 'L', 0},
      {inner, CN_KEYDOWN, 'K', 1},
  };
  for (const TCase& c : cases) EXPECT_EQ(c.Receiver->Perform(c.Message, c.Key), c.Result) << c.Key;
}

TEST_F(cxControlsControlTest, ANewCaptureObjectCancelsTheOneBefore) {
  TCaptureObject first;
  TCaptureObject second;
  Control->SetMouseCaptureObject(&first);
  EXPECT_TRUE(Control->MouseCapture());
  Control->SetMouseCaptureObject(&second);
  EXPECT_EQ(first.Cancels, 1);
  EXPECT_EQ(second.Cancels, 0);
  SendMouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(Control->MouseCaptureObject(), nullptr) << "the mouse operations ended";
  EXPECT_EQ(second.Cancels, 1);
  EXPECT_FALSE(Control->MouseCapture());
}

TEST_F(cxControlsControlTest, AnAutomaticDragStartsOnceThePressedPointerMoves) {
  struct TCase {
    const char* Name;
    UINT Press;
    bool Accepts;
    bool Drags;
  };
  const TCase cases[] = {
      {"a press", WM_LBUTTONDOWN, true, true},
      {"a press the control refuses to drag", WM_LBUTTONDOWN, false, false},
      {"a double click", WM_LBUTTONDBLCLK, true, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Control->SetDragMode(dmAutomatic);
    Control->AcceptsDrag = c.Accepts;
    bool pressed = false;
    Control->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { pressed = true; });
    gCursor = Control->ClientToScreen(POINT{20, 20});
    PostMessageA(Control->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 20));
    SendMouse(c.Press, 20, 20);
    EXPECT_TRUE(pressed) << "the press reaches the control before any drag";
    EXPECT_EQ(DragControl() == Control, c.Drags);
    EXPECT_EQ(dynamic_cast<TcxDragControlObject*>(DragObject()) != nullptr, c.Drags);
    CancelDrag();
    Application().ProcessMessages();
    SendMouse(WM_LBUTTONUP, 20, 20);
  }
}

TEST_F(cxControlsControlTest, TheDragCursorCopiesWhileCtrlIsDown) {
  struct TCase {
    bool Accepted;
    bool Ctrl;
    TCursor Cursor;
  };
  const TCase cases[] = {{true, true, crcxDragCopy}, {true, false, crDrag}, {false, true, crNoDrop}};
  auto* object = new TcxDragControlObject(Control);
  for (const TCase& c : cases) {
    gCtrlDown = c.Ctrl;
    EXPECT_EQ(object->GetDragCursor(c.Accepted, 0, 0), c.Cursor);
  }
  object->Finished(nullptr, 0, 0, false);
}

TEST_F(cxControlsControlTest, DragImagesExistOnlyWhenTheControlDrawsOne) {
  EXPECT_EQ(Control->GetDragImages(), nullptr);
  auto* sized = new TTestControl(Form.get());
  sized->DragImagesSize = SIZE{16, 12};
  TDragImageList* images = sized->GetDragImages();
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->Count(), 1);
  EXPECT_EQ(images->Height(), 12);
  EXPECT_EQ(sized->GetDragImages(), images) << "made once";
}

TEST_F(cxControlsControlTest, TheBarsShowWhatTheScrollBarsSettingAllows) {
  struct TCase {
    int ScrollBars;
    bool Horizontal;
    bool Vertical;
  };
  const TCase cases[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, true, true}};
  Control->HRange = {0, 1000, 10};
  Control->VRange = {0, 100000, 10};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.ScrollBars);
    Control->SetScrollBars(c.ScrollBars);
    Control->UpdateScrollBars();
    EXPECT_EQ(Control->HScrollBar()->Visible(), c.Horizontal);
    EXPECT_EQ(Control->VScrollBar()->Visible(), c.Vertical);
    EXPECT_EQ(Control->SizeGrip()->Visible(), c.Horizontal && c.Vertical);
  }
}

TEST_F(cxControlsControlTest, ARangeThePageCoversHidesTheBarOrShowsItDisabled) {
  Control->VRange = {0, 99, 100};
  for (bool allowHide : {true, false}) {
    SCOPED_TRACE(allowHide);
    Control->AllowHide = allowHide;
    Control->UpdateScrollBars();
    EXPECT_EQ(Control->VScrollBar()->Visible(), !allowHide);
    EXPECT_FALSE(Control->VScrollBar()->Enabled() && Control->VScrollBar()->Visible());
  }
}

TEST_F(cxControlsControlTest, VisibleBarsSitBesideTheClientBoundsAndTheWheelScrollsTheVerticalOne) {
  Control->HRange = {0, 1000, 10};
  Control->VRange = {0, 1000, 10};
  Control->UpdateScrollBars();
  const RECT client = Control->GetClientBounds();
  const RECT whole = Control->ClientRect();
  EXPECT_EQ(client.bottom, whole.bottom - Control->HScrollBar()->Height());
  EXPECT_EQ(client.right, whole.right - Control->VScrollBar()->Width());
  EXPECT_EQ(Control->HScrollBar()->Top(), client.bottom);
  EXPECT_EQ(Control->VScrollBar()->Left(), client.right);
  EXPECT_EQ(Control->SizeGrip()->Left(), client.right);
  EXPECT_EQ(Control->SizeGrip()->Top(), client.bottom);
  Control->WheelKind = -1;
  Control->Log.clear();
  gWheelLines = 1;
  EXPECT_EQ(Wheel(-120), 1);
  EXPECT_EQ(Control->Log, (std::vector<std::string>{"v " + std::to_string(scLineDown)}));
}

TEST_F(cxControlsControlTest, TheSettingsMessageGivesTheBarsTheSystemSizes) {
  Control->HRange = {0, 1000, 10};
  Control->UpdateScrollBars();
  Control->HScrollBar()->SetHeight(3);
  Control->VScrollBar()->SetWidth(3);
  Control->Perform(CM_NCSIZECHANGED);
  EXPECT_EQ(Control->HScrollBar()->Height(), GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(Control->VScrollBar()->Width(), GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(Control->GetClientBounds().bottom, Control->ClientRect().bottom - GetSystemMetrics(SM_CYHSCROLL))
      << "laid out again";
}

// Handles the frame-change notices queued for the control, counting them.
int HandleNcSizeNotices(HWND window) {
  int notices = 0;
  MSG message;
  while (PeekMessageA(&message, window, CM_NCSIZECHANGED, CM_NCSIZECHANGED, PM_REMOVE)) {
    DispatchMessageA(&message);
    ++notices;
  }
  return notices;
}

void ChangeFrame(TWinControl& control) {
  SetWindowPos(control.Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(cxControlsControlTest, FrameChangesQueueOneNoticeUntilItArrives) {
  HandleNcSizeNotices(Control->Handle());
  ChangeFrame(*Control);
  ChangeFrame(*Control);
  EXPECT_EQ(HandleNcSizeNotices(Control->Handle()), 1) << "one notice for changes before it arrives";
  ChangeFrame(*Control);
  EXPECT_EQ(HandleNcSizeNotices(Control->Handle()), 1) << "a change after the notice arrived queues another";
  ChangeFrame(*Control);
  Control->RecreateWnd();
  HandleNcSizeNotices(Control->Handle());
  ChangeFrame(*Control);
  EXPECT_EQ(HandleNcSizeNotices(Control->Handle()), 1) << "the notice lost with the old window is not waited for";
}

TEST_F(cxControlsControlTest, TheBarsAndGripStayTheTopmostChildrenThroughLayoutPasses) {
  const auto frontmost = [this] {
    std::vector<HWND> windows;
    for (HWND window = GetWindow(Control->Handle(), GW_CHILD); window && windows.size() < 3;
         window = GetWindow(window, GW_HWNDNEXT))
      windows.push_back(window);
    return windows;
  };
  const std::vector<HWND> expected{Control->SizeGrip()->Handle(), Control->VScrollBar()->Handle(),
                                   Control->HScrollBar()->Handle()};
  const char* const passes[] = {"first pass", "again, nothing to move", "after a child is made on top"};
  for (const char* pass : passes) {
    if (pass == passes[2]) {
      auto* child = new TTestControl(Form.get());
      child->SetParent(Control);
      child->HandleNeeded();
      SetWindowPos(child->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    Control->UpdateScrollBars();
    EXPECT_EQ(frontmost(), expected) << pass;
    const int count = Control->ControlCount();
    EXPECT_EQ(Control->Controls(count - 1), Control->SizeGrip()) << pass;
    EXPECT_EQ(Control->Controls(count - 3), Control->HScrollBar()) << pass;
  }
}

TEST_F(cxControlsControlTest, AFreedControlNoLongerHearsOfChangedSettings) {
  ASSERT_NE(cxSettingsController().Window(), nullptr) << "the control listens";
  Control->Free();
  Control = nullptr;
  EXPECT_EQ(cxSettingsController().Window(), nullptr) << "nobody listens any more";
  auto* other = new TTestControl(Form.get());
  other->SetParent(Form.get());
  other->Free();
  SendMessageA(cxSettingsController().Window(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  Application().ProcessMessages();
}

TEST_F(cxControlsControlTest, AMiddlePressPansWhileABarShowsUntilEscape) {
  SendMouse(WM_MBUTTONDOWN, 20, 20);
  EXPECT_EQ(GetCapture(), Control->Handle()) << "no bar: the press's own capture, no panning";
  SendMouse(WM_MBUTTONUP, 20, 20);
  Control->VRange = {0, 1000, 10};
  Control->UpdateScrollBars();
  ASSERT_TRUE(Control->VScrollBar()->Visible());
  gCursor = Control->ClientToScreen(POINT{20, 20});
  PostMessageA(Control->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  SendMouse(WM_MBUTTONDOWN, 20, 20);
  EXPECT_NE(GetCapture(), Control->Handle()) << "the panning took the capture and let go";
  MSG left;
  EXPECT_FALSE(PeekMessageA(&left, Control->Handle(), WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE)) << "Escape ended it";
}

TEST_F(cxControlsControlTest, WhileDesignedTheControlAnswersTheHitTestAndTellsTheDesigner) {
  std::vector<TComponent*> modified;
  SetDesignerModifiedHook([&](TComponent& component) { modified.push_back(&component); });
  Control->SetDesignerModified();
  EXPECT_TRUE(modified.empty()) << "not designed";
  Control->SetDesigning(true);
  struct TCase {
    int X;
    LRESULT Result;
  };
  for (const TCase& c : {TCase{10, 1}, TCase{60, 0}})
    EXPECT_EQ(Control->Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(c.X, 5)), c.Result);
  Control->SetDesignerModified();
  EXPECT_EQ(modified, (std::vector<TComponent*>{Control}));
  Form->BeginLoading();
  Control->SetDesignerModified();
  EXPECT_EQ(modified.size(), 1u) << "a parent is loading";
  Form->Loaded();
  SetDesignerModifiedHook(nullptr);
  Control->SetDesigning(false);
}

}  // namespace
