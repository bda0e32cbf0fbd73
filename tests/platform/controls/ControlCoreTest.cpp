// The message path every control shares: component messages without a
// window, mouse enter and leave, keys offered before the dialog manager, and
// destruction while the object is whole.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/core/Application.h"
#include "platform/controls/core/CustomControl.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/GraphicControl.h"
#include "platform/controls/standard/ListBox.h"
#include "platform/controls/drawn/Panel.h"
#include "platform/controls/common/StatusBar.h"
#include "tests/platform/controls/Capture.h"
#include "tests/platform/controls/TestForm.h"

namespace {

using TLog = std::vector<std::string>;

// Logs the component messages that are its own (not a child's passed up).
void LogOwnMessage(TLog* log, const std::string& tag, const TMessage& message) {
  if (!log || message.LParam != 0) return;
  switch (message.Msg) {
    case CM_MOUSEENTER: log->push_back(tag + " enter"); break;
    case CM_MOUSELEAVE: log->push_back(tag + " leave"); break;
    case CM_ENABLEDCHANGED: log->push_back(tag + " enabled"); break;
  }
}

class TProbe : public TGraphicControl {
 public:
  TProbe(TComponent* owner, TColor colour) : TGraphicControl(owner), Colour(colour) {}

  void WndProc(TMessage& message) override {
    LogOwnMessage(Log, Name(), message);
    TGraphicControl::WndProc(message);
  }

  TColor Colour;
  TLog* Log = nullptr;
  std::function<void()> OnPaint;

 protected:
  void Paint() override {
    if (OnPaint) OnPaint();
    Canvas().Brush().SetColor(Colour);
    Canvas().FillRect(ClientRect());
  }
};

class TProbePanel : public TPanel {
 public:
  using TPanel::TPanel;

  void WndProc(TMessage& message) override {
    LogOwnMessage(Log, Name(), message);
    TPanel::WndProc(message);
  }

  TLog* Log = nullptr;
  std::function<void()> OnPaint;

 protected:
  void Paint() override {
    if (OnPaint) OnPaint();
    TPanel::Paint();
  }
};

// Counts the windows the thread creates while it lives.
class TWindowCreations {
 public:
  TWindowCreations() { FHook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId()); }
  ~TWindowCreations() { UnhookWindowsHookEx(FHook); }
  int Count() const { return count; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) ++count;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline int count = 0;
  HHOOK FHook;
};

// What a thread's window procedures are sent, in order.
class TSentMessages {
 public:
  explicit TSentMessages(HWND window) {
    watched = window;
    sent.clear();
    FHook = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
  }
  ~TSentMessages() { UnhookWindowsHookEx(FHook); }
  int IndexOf(UINT msg) const {
    for (size_t i = 0; i < sent.size(); ++i)
      if (sent[i] == msg) return static_cast<int>(i);
    return -1;
  }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call.hwnd == watched) sent.push_back(call.message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline HWND watched = nullptr;
  static inline std::vector<UINT> sent;
  HHOOK FHook;
};

template <class T, class... Args>
T* Place(TForm& form, TWinControl& parent, const std::string& name, RECT bounds, Args... args) {
  T* control = new T(&form, args...);
  control->SetName(name);
  control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  control->SetParent(&parent);
  return control;
}

LPARAM At(int x, int y) { return PointToLParam(POINT{x, y}); }

int RowHeight(const RECT& rect) { return rect.bottom - rect.top; }

class ControlCoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    Form = CreateUnowned<TTestForm>();
    Form->HandleNeeded();
  }
  void TearDown() override { Application().SetMouseControl(nullptr); }

  TOwned<TTestForm> Form;
};

TEST_F(ControlCoreTest, AGraphicControlWithNoWindowAnywhereGetsItsChangeMessages) {
  TLog log;
  TProbe probe(nullptr, clRed);
  probe.SetName("probe");
  probe.Log = &log;
  probe.SetEnabled(false);
  EXPECT_EQ(probe.Perform(CM_HITTEST), HTCLIENT);
  EXPECT_EQ(log, TLog{"probe enabled"});
  EXPECT_EQ(probe.Parent(), nullptr);
}

TEST_F(ControlCoreTest, TheControlUnderThePointerHearsItEnterAndLeaveInOrder) {
  TLog log;
  auto* graphic = Place<TProbe>(*Form, *Form, "graphic", RECT{10, 10, 60, 60}, clRed);
  auto* left = Place<TProbePanel>(*Form, *Form, "left", RECT{100, 10, 160, 60});
  auto* right = Place<TProbePanel>(*Form, *Form, "right", RECT{200, 10, 260, 60});
  graphic->Log = &log;
  left->Log = &log;
  right->Log = &log;
  Application().SetMouseControl(nullptr);

  SendMessageA(Form->Handle(), WM_MOUSEMOVE, 0, At(20, 20));
  SendMessageA(Form->Handle(), WM_MOUSEMOVE, 0, At(30, 30));
  SendMessageA(left->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageA(right->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageA(right->Handle(), WM_MOUSELEAVE, 0, 0);
  // The pointer left the form's window while over the graphic control: it leaves that too.
  SendMessageA(Form->Handle(), WM_MOUSEMOVE, 0, At(20, 20));
  SendMessageA(Form->Handle(), WM_MOUSELEAVE, 0, 0);

  EXPECT_EQ(log, (TLog{"graphic enter", "graphic leave", "left enter", "left leave", "right enter", "right leave",
                       "graphic enter", "graphic leave"}));
}

TEST_F(ControlCoreTest, AKeyReachesTheFocusedControlAsCnKeyDownBeforeTheDialogManagerMovesTheFocus) {
  auto* first = Place<TEdit>(*Form, *Form, "first", RECT{10, 10, 110, 31});
  auto* second = Place<TEdit>(*Form, *Form, "second", RECT{10, 40, 110, 61});
  Form->Show();
  first->SetFocus();
  ASSERT_EQ(GetFocus(), first->Handle());

  const TSentMessages sent(first->Handle());
  PostMessageA(first->Handle(), WM_KEYDOWN, VK_TAB, 1);
  Application().ProcessMessages();

  EXPECT_EQ(GetFocus(), second->Handle());
  ASSERT_GE(sent.IndexOf(CN_KEYDOWN), 0);
  const int dialogManagerAsks = sent.IndexOf(WM_GETDLGCODE);
  EXPECT_TRUE(dialogManagerAsks < 0 || sent.IndexOf(CN_KEYDOWN) < dialogManagerAsks);
  // The form follows the focus.
  EXPECT_EQ(Form->ActiveControl(), second);
  Form->Hide();
}

TEST_F(ControlCoreTest, FreeingAFormForgetsTheGraphicControlUnderThePointerAndHoldingTheCapture) {
  auto* graphic = Place<TProbe>(*Form, *Form, "graphic", RECT{10, 10, 60, 60}, clRed);
  SendMessageA(Form->Handle(), WM_MOUSEMOVE, 0, At(20, 20));
  SendMessageA(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  ASSERT_EQ(Application().MouseControl(), graphic);
  ASSERT_EQ(Application().CaptureControl(), graphic);

  Form.reset();
  EXPECT_EQ(Application().MouseControl(), nullptr);
  EXPECT_EQ(Application().CaptureControl(), nullptr);

  // The pointer moves on to another window at the same place; the cursor is asked for there.
  TOwned<TTestForm> other = CreateUnowned<TTestForm>();
  SendMessageA(other->Handle(), WM_MOUSEMOVE, 0, At(20, 20));
  SendMessageA(other->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(other->Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(Application().MouseControl(), other.get());
}

TEST_F(ControlCoreTest, AGraphicControlFreedWhileItsParentPaintsIsNotPainted) {
  auto* panel = Place<TProbePanel>(*Form, *Form, "panel", RECT{0, 0, 90, 30});
  TProbe* freedByParent = Place<TProbe>(*Form, *panel, "freedByParent", RECT{0, 0, 30, 30}, clRed);
  TProbe* freeing = Place<TProbe>(*Form, *panel, "freeing", RECT{30, 0, 60, 30}, clLime);
  TProbe* freedBySibling = Place<TProbe>(*Form, *panel, "freedBySibling", RECT{60, 0, 90, 30}, clBlue);
  panel->OnPaint = [&freedByParent] {
    if (freedByParent) std::exchange(freedByParent, nullptr)->Free();
  };
  freeing->OnPaint = [&freedBySibling] {
    if (freedBySibling) std::exchange(freedBySibling, nullptr)->Free();
  };

  TBitmap picture;
  CaptureClient(panel->Handle(), picture);
  EXPECT_NE(PixelAt(picture, 15, 15), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(picture, 45, 15), RGB(0, 255, 0));
  EXPECT_NE(PixelAt(picture, 75, 15), RGB(0, 0, 255));
  EXPECT_EQ(panel->ControlCount(), 1);
}

// A change is painted whether the form was on screen when it came (the control
// is marked for repainting) or hidden (the form is painted whole as it shows).
TEST_F(ControlCoreTest, AControlChangedWhileItsFormIsShownOrHiddenIsPaintedOnScreen) {
  auto* panel = Place<TProbePanel>(*Form, *Form, "panel", RECT{0, 0, 90, 30});
  auto* probe = Place<TProbe>(*Form, *panel, "probe", RECT{0, 0, 30, 30}, clRed);
  const auto paintPending = [this] { RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); };
  for (const bool onScreen : {true, false}) {
    Form->SetVisible(onScreen);
    paintPending();
    int panelPaints = 0, probePaints = 0;
    panel->OnPaint = [&panelPaints] { ++panelPaints; };
    probe->OnPaint = [&probePaints] { ++probePaints; };
    panel->Invalidate();
    probe->Invalidate();
    Form->Show();
    paintPending();
    EXPECT_EQ(panelPaints, 1) << "on screen " << onScreen;
    EXPECT_EQ(probePaints, 1) << "on screen " << onScreen;
  }
  Form->Hide();
}

TEST_F(ControlCoreTest, ControlsOnAFreedPanelEndWithoutParentAndGetNoNewWindow) {
  auto* panel = Place<TPanel>(*Form, *Form, "panel", RECT{0, 0, 200, 100});
  auto* label = Place<TProbe>(*Form, *panel, "label", RECT{0, 0, 20, 20}, clRed);
  auto* edit = Place<TEdit>(*Form, *panel, "edit", RECT{0, 30, 100, 51});
  ASSERT_TRUE(edit->HandleAllocated());

  const TWindowCreations creations;
  panel->Free();
  EXPECT_EQ(label->Parent(), nullptr);
  EXPECT_EQ(edit->Parent(), nullptr);
  EXPECT_FALSE(edit->HandleAllocated());
  edit->SetCaption("changed");
  label->Invalidate();
  Application().ProcessMessages();
  EXPECT_EQ(creations.Count(), 0);
}

TEST_F(ControlCoreTest, AControlTakesItsParentsFontAndColourUntilItIsGivenItsOwn) {
  auto* panel = Place<TPanel>(*Form, *Form, "panel", RECT{0, 0, 200, 100});
  auto* follower = Place<TProbe>(*Form, *panel, "follower", RECT{0, 0, 20, 20}, clRed);
  auto* own = Place<TProbe>(*Form, *panel, "own", RECT{30, 0, 50, 20}, clRed);
  follower->SetParentColor(true);
  own->SetParentColor(true);
  own->Font().SetSize(14);
  own->SetColor(clYellow);
  EXPECT_TRUE(follower->ParentFont());
  EXPECT_FALSE(own->ParentFont());
  EXPECT_FALSE(own->ParentColor());

  panel->Font().SetName("Arial");
  panel->Font().SetSize(12);
  panel->SetColor(clAqua);
  EXPECT_EQ(follower->Font().Name(), "Arial");
  EXPECT_EQ(follower->Font().Size(), 12);
  EXPECT_EQ(follower->Color(), clAqua);
  EXPECT_TRUE(follower->ParentFont());
  EXPECT_EQ(own->Font().Size(), 14);
  EXPECT_EQ(own->Color(), clYellow);
}

// Paints nothing itself: what shows is the background the control gives it, or none when it is opaque.
class TBlankControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {}
};

TEST_F(ControlCoreTest, AnOpaqueControlLeavesItsBackgroundToItsOwnPainting) {
  auto* blank = Place<TBlankControl>(*Form, *Form, "blank", RECT{0, 0, 20, 20});
  blank->SetColor(clLime);
  TBitmap picture;
  picture.SetSize(20, 20);
  for (const bool opaque : {false, true}) {
    TControlStyle style = blank->ControlStyle();
    if (opaque) style.Include(csOpaque);
    blank->SetControlStyle(style);
    picture.Canvas().Brush().SetColor(clRed);
    picture.Canvas().FillRect(RECT{0, 0, 20, 20});
    SendMessageA(blank->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
    EXPECT_EQ(PixelAt(picture, 10, 10), opaque ? RGB(255, 0, 0) : RGB(0, 255, 0)) << "opaque " << opaque;
  }
}

// Reads the list box's choice when told it is going.
class TChoiceReader : public TComponent {
 public:
  explicit TChoiceReader(TListBox& list) : TComponent(nullptr), FList(&list) { list.FreeNotification(this); }
  int Choice = -2;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FList) Choice = FList->ItemIndex();
  }

 private:
  TListBox* FList;
};

TEST_F(ControlCoreTest, AListBoxKeepsItsChoiceThroughItsDestruction) {
  auto* list = Place<TListBox>(*Form, *Form, "list", RECT{0, 0, 100, 80});
  list->Items().Add("one");
  list->Items().Add("two");
  list->Items().Add("three");
  list->SetItemIndex(2);
  TChoiceReader reader(*list);
  Form.reset();
  EXPECT_EQ(reader.Choice, 2);
}

TEST_F(ControlCoreTest, AControlMovedBetweenWindowsKeepsItsWindowAndWhatItHolds) {
  auto* left = Place<TPanel>(*Form, *Form, "left", RECT{0, 0, 200, 100});
  auto* right = Place<TPanel>(*Form, *Form, "right", RECT{200, 0, 400, 100});
  auto* box = Place<TPanel>(*Form, *left, "box", RECT{10, 10, 150, 60});
  auto* edit = Place<TEdit>(*Form, *box, "edit", RECT{5, 5, 100, 26});
  SetWindowTextA(edit->Handle(), "typed");
  const HWND boxWindow = box->Handle();
  const HWND editWindow = edit->Handle();
  // A top-level window of its own, as a drop-down shows a borrowed control in.
  TOwned<TPanel> popup = CreateUnowned<TPanel>();
  popup->SetBounds(0, 0, 300, 200);
  popup->HandleNeeded();

  const TWindowCreations creations;
  box->SetParent(right);
  EXPECT_EQ(box->Handle(), boxWindow);
  EXPECT_EQ(GetParent(boxWindow), right->Handle());
  EXPECT_EQ(edit->Handle(), editWindow);
  char text[16] = {};
  GetWindowTextA(editWindow, text, sizeof text);
  EXPECT_STREQ(text, "typed");
  RECT bounds;
  GetWindowRect(boxWindow, &bounds);
  MapWindowPoints(nullptr, right->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, 10);
  EXPECT_EQ(bounds.top, 10);

  box->SetParent(popup.get());
  EXPECT_EQ(GetParent(boxWindow), popup->Handle());
  box->SetParent(left);
  EXPECT_EQ(GetParent(boxWindow), left->Handle());
  EXPECT_EQ(creations.Count(), 0);

  box->SetParent(nullptr);
  EXPECT_FALSE(box->HandleAllocated());
  EXPECT_FALSE(edit->HandleAllocated());
}

TEST_F(ControlCoreTest, AFormPlacedOnAControlBecomesAChildWindowAndATopLevelOneAgainWhenItLeaves) {
  auto* host = Place<TPanel>(*Form, *Form, "host", RECT{0, 0, 200, 100});
  TOwned<TForm> guest = CreateUnowned<TTestForm>();
  guest->HandleNeeded();
  EXPECT_FALSE(GetWindowLongA(guest->Handle(), GWL_STYLE) & WS_CHILD);

  guest->SetParent(host);
  EXPECT_TRUE(GetWindowLongA(guest->Handle(), GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(GetParent(guest->Handle()), host->Handle());
  guest->Show();
  EXPECT_TRUE(GetWindowLongA(guest->Handle(), GWL_STYLE) & WS_VISIBLE);

  guest->Hide();
  guest->SetParent(nullptr);
  EXPECT_FALSE(GetWindowLongA(guest->Handle(), GWL_STYLE) & WS_CHILD);
}

TEST_F(ControlCoreTest, AControlContainsItselfAndWhatSitsOnItAtAnyDepth) {
  auto* outer = Place<TPanel>(*Form, *Form, "outer", RECT{0, 0, 200, 100});
  auto* inner = Place<TPanel>(*Form, *outer, "inner", RECT{0, 0, 100, 50});
  auto* edit = Place<TEdit>(*Form, *inner, "edit", RECT{0, 0, 50, 21});
  auto* beside = Place<TPanel>(*Form, *Form, "beside", RECT{0, 100, 200, 200});
  struct TCase {
    TWinControl* Container;
    TControl* Control;
    bool Contains;
  };
  const TCase cases[] = {
      {outer, outer, true},  {outer, inner, true},     {outer, edit, true},     {inner, outer, false},
      {beside, edit, false}, {Form.get(), edit, true}, {outer, nullptr, false},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(c.Container->ContainsControl(c.Control), c.Contains)
        << c.Container->Name() << " / " << (c.Control ? c.Control->Name() : "none");
}

// The rows of owner-drawn lists as their windows lay them out, whether the
// height is set before or after the window is made.
TEST_F(ControlCoreTest, OwnerDrawnListsLayOutTheirRowsByItemHeightAndMeasuring) {
  // The style takes effect when the window is made: the list gets its parent last.
  const auto makeList = [&](TListBoxStyle style, const std::function<void(TListBox&)>& setUp) {
    auto* list = new TListBox(Form.get());
    list->SetStyle(style);
    setUp(*list);
    list->SetParent(Form.get());
    list->HandleNeeded();
    return list;
  };
  const int fontRow = [&] {
    TListBox* plain = makeList(lbOwnerDrawFixed, [](TListBox&) {});
    plain->Items().Add("x");
    return RowHeight(plain->ItemRect(0));
  }();
  ASSERT_GT(fontRow, 0);
  struct Case {
    const char* name;
    TListBoxStyle style;
    int itemHeight;
    bool measured;
    bool heightAfterWindow;
    std::vector<int> rows;
  };
  // The measuring handler gives each row 3 pixels more than the last, from the height it is offered.
  const std::vector<Case> cases = {
      {"fixed of the font", lbOwnerDrawFixed, 0, false, false, {fontRow, fontRow, fontRow}},
      {"fixed set", lbOwnerDrawFixed, 23, false, false, {23, 23, 23}},
      {"fixed set later", lbOwnerDrawFixed, 21, false, true, {21, 21, 21}},
      {"fixed never measured", lbOwnerDrawFixed, 23, true, false, {23, 23, 23}},
      {"variable unmeasured", lbOwnerDrawVariable, 12, false, false, {12, 12, 12}},
      {"variable measured", lbOwnerDrawVariable, 12, true, false, {12, 15, 18}},
      {"variable of the font", lbOwnerDrawVariable, 0, true, false, {fontRow, fontRow + 3, fontRow + 6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TListBox* list = makeList(c.style, [&c](TListBox& made) {
      if (!c.heightAfterWindow) made.SetItemHeight(c.itemHeight);
      if (c.measured) made.SetOnMeasureItem([](TWinControl*, int index, int& height) { height += 3 * index; });
    });
    if (c.heightAfterWindow) list->SetItemHeight(c.itemHeight);
    for (const char* item : {"a", "b", "c"}) list->Items().Add(item);
    std::vector<int> rows;
    for (int i = 0; i < 3; ++i) rows.push_back(RowHeight(list->ItemRect(i)));
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(list->ItemRect(1).top, c.rows[0]);
    EXPECT_EQ(RowHeight(list->ItemRect(3)), 0);
  }
}

TEST_F(ControlCoreTest, AListsScrollWidthReachesItsWindowWhenMadeAndWhenChanged) {
  auto* list = Place<TListBox>(*Form, *Form, "list", RECT{0, 0, 100, 80});
  list->SetScrollWidth(250);
  const HWND window = list->Handle();
  EXPECT_EQ(SendMessageA(window, LB_GETHORIZONTALEXTENT, 0, 0), 250);
  list->SetScrollWidth(-5);
  EXPECT_EQ(list->ScrollWidth(), 0);
  EXPECT_EQ(SendMessageA(window, LB_GETHORIZONTALEXTENT, 0, 0), 0);
}

}  // namespace

TEST_F(ControlCoreTest, AWindowThatSizesItselfMovesItsAlignedSiblingsBeforeTheyAreMade) {
  // Made without a form resource: the form holds only what the test puts on it.
  TOwned<TForm> form{new TForm(nullptr)};
  form->SetBounds(0, 0, 300, 200);
  auto* rest = Place<TPanel>(*form, *form, "rest", RECT{0, 0, 10, 10});
  rest->SetAlign(alClient);
  // Too low for its font: the status bar's window makes itself higher.
  auto* status = Place<TStatusBar>(*form, *form, "status", RECT{0, 0, 10, 2});
  status->SetAlign(alBottom);
  form->HandleNeeded();
  ASSERT_GT(status->Height(), 2);
  EXPECT_EQ(rest->Top() + rest->Height(), status->Top());
  RECT window;
  GetWindowRect(rest->Handle(), &window);
  MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&window), 2);
  EXPECT_EQ(window.bottom, status->Top());
}
