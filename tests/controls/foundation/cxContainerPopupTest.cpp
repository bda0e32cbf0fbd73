#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FoundationFixture.h"
#include "controls/foundation/container/cxContainer.h"
#include "controls/foundation/container/cxContainerPopup.h"
#include "controls/foundation/controls/cxControlsControl.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Screen.h"
#include "platform/graphics/Bitmap.h"

namespace {

class TRecordingControl : public TWinControl {
 public:
  TRecordingControl(TWinControl* parent, RECT bounds) : TWinControl(parent) {
    SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    SetParent(parent);
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_SETFOCUS || message.Msg == WM_LBUTTONDOWN || message.Msg == WM_NCACTIVATE)
      Received.push_back(message.Msg);
    TWinControl::WndProc(message);
  }
  bool Got(UINT msg) const { return std::find(Received.begin(), Received.end(), msg) != Received.end(); }
  std::vector<UINT> Received;
};

class TTestPopup : public TcxCustomPopupWindow {
 public:
  explicit TTestPopup(TWinControl* owner) : TcxCustomPopupWindow(owner) {
    SetBounds(0, 0, 80, 60);
    SetModalPopup(false);
  }
  bool HandleOutsideMouseMessage(HWND, UINT, POINT, TShiftState) override {
    ++OutsideCalls;
    if (ThrowOutside) throw Exception("outside");
    return OutsideAnswer;
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_SYSKEYDOWN) SysKeys.push_back(KeyCode(message));
    TcxCustomPopupWindow::WndProc(message);
  }
  bool OutsideAnswer = false;
  bool ThrowOutside = false;
  int OutsideCalls = 0;
  std::vector<WORD> SysKeys;
};

class TRecordingForm : public TForm {
 public:
  TRecordingForm() : TForm(nullptr) {}
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_NCACTIVATE || message.Msg == WM_CLOSE) Received.push_back(message.Msg);
    TForm::WndProc(message);
  }
  int Count(UINT msg) const { return static_cast<int>(std::count(Received.begin(), Received.end(), msg)); }
  std::vector<UINT> Received;
};

class TFreeWatch : public TComponent {
 public:
  TFreeWatch() : TComponent(nullptr) {}
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove) Freed = true;
  }
  bool Freed = false;
};

TRecordingForm* NewForm(RECT bounds, TFormStyle style = fsNormal) {
  auto* form = new TRecordingForm;
  form->SetFormStyle(style);
  form->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  form->Show();
  return form;
}

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

TMessage Message(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return TMessage{msg, wParam, lParam, 0}; }

class cxContainerPopupTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    Form.reset(NewForm(RECT{100, 100, 500, 400}));
    Owner = new TRecordingControl(Form.get(), RECT{10, 10, 110, 30});
    Other = new TRecordingControl(Form.get(), RECT{10, 200, 110, 220});
    Popup = new TTestPopup(Owner);
    Popup->SetOwnerBounds(RECT{80, 0, 100, 20});
  }
  void TearDown() override {
    Form.reset();
    Application().SetMessageBoxHandler(nullptr);
  }

  POINT OnScreen(TWinControl* control, POINT point) { return control->ClientToScreen(point); }

  TOwned<TRecordingForm> Form;
  TRecordingControl* Owner = nullptr;
  TRecordingControl* Other = nullptr;
  TTestPopup* Popup = nullptr;
};

TEST_F(cxContainerPopupTest, APopupOpensOnceAndOnlyWhileItsOwnerIsVisible) {
  int showings = 0;
  Popup->SetOnShowing([&](TObject*) { ++showings; });
  Popup->Popup(nullptr);
  Popup->Popup(nullptr);
  EXPECT_EQ(showings, 1);
  EXPECT_EQ(ShownPopupWindows(), std::vector<TcxCustomPopupWindow*>{Popup});
  Popup->CloseUp();
  EXPECT_TRUE(ShownPopupWindows().empty());
  EXPECT_FALSE(Popup->Visible());

  Owner->SetVisible(false);
  Popup->Popup(nullptr);
  EXPECT_FALSE(Popup->IsShown());
  EXPECT_EQ(showings, 1);
}

TEST_F(cxContainerPopupTest, ThePopupLaysOutAndPaintsThroughItsViewInfo) {
  auto* child = new TRecordingControl(Popup, RECT{0, 0, 10, 10});
  child->SetAlign(alClient);
  Popup->SetBounds(0, 0, 80, 60);
  EXPECT_EQ(Text(Popup->ClientRect()), "0,0,80,60") << "nothing calculated yet";
  Popup->ViewInfo().ClientRect = TRect{3, 4, 50, 40};
  Popup->ViewInfo().ContentRect = TRect{0, 0, 80, 60};
  Popup->ViewInfo().BackgroundColor = clRed;
  Popup->SetBounds(0, 0, 81, 60);
  EXPECT_EQ(Text(child->BoundsRect()), "3,4,50,40");
  Popup->Popup(nullptr);
  TBitmap bitmap;
  bitmap.SetSize(80, 60);
  SendMessageA(Popup->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.DC()), PRF_CLIENT);
  EXPECT_EQ(GetPixel(bitmap.DC(), 70, 50), ColorToRGB(clRed));
}

TEST_F(cxContainerPopupTest, TheFocusGoesToTheGivenControlATabStopInsideOrThePopup) {
  auto* tabStop = new TRecordingControl(Popup, RECT{0, 0, 20, 20});
  tabStop->SetTabStop(true);
  auto* noTabStop = new TRecordingControl(Popup, RECT{20, 0, 40, 20});
  struct TCase {
    const char* Name;
    bool Owned;
    TWinControl* Given;
    TWinControl* Expected;
    bool TakesFocus;
  };
  // A popup that is not owned never takes the activation, so neither the focus.
  const TCase cases[] = {
      {"none given", true, nullptr, Popup, true},
      {"a tab stop", true, tabStop, tabStop, true},
      {"no tab stop: the first one inside", true, noTabStop, tabStop, true},
      {"not owned: as given", false, noTabStop, noTabStop, false},
  };
  for (const TCase& c : cases) {
    Popup->SetOwnedByParentForm(c.Owned);
    Popup->Popup(c.Given);
    EXPECT_EQ(Popup->FocusedControl(), c.Expected) << c.Name;
    EXPECT_EQ(GetFocus() == c.Expected->Handle(), c.TakesFocus) << c.Name;
    Popup->CloseUp();
  }
  tabStop->SetVisible(false);
  Popup->SetOwnedByParentForm(true);
  Popup->Popup(noTabStop);
  EXPECT_EQ(Popup->FocusedControl(), Popup) << "no tab stop can take the focus";
}

TEST_F(cxContainerPopupTest, WindowKindAndStackingFollowTheOwnersForm) {
  struct TCase {
    const char* Name;
    TFormStyle FormStyle;
    bool Owned;
    bool Child;
    bool ToolWindow;
    bool TopMost;
  };
  const TCase cases[] = {
      {"owned by a normal form", fsNormal, true, false, false, false},
      {"owned by a stay-on-top form", fsStayOnTop, true, false, false, true},
      {"not owned", fsNormal, false, true, true, true},
  };
  for (const TCase& c : cases) {
    Form->SetFormStyle(c.FormStyle);
    Popup->SetOwnedByParentForm(c.Owned);
    Popup->Popup(nullptr);
    const LONG_PTR style = GetWindowLongPtrA(Popup->Handle(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(Popup->Handle(), GWL_EXSTYLE);
    EXPECT_EQ((style & WS_CHILD) != 0, c.Child) << c.Name;
    EXPECT_EQ((style & WS_POPUP) != 0, !c.Child) << c.Name;
    EXPECT_EQ((exStyle & WS_EX_TOOLWINDOW) != 0, c.ToolWindow) << c.Name;
    EXPECT_EQ((exStyle & WS_EX_TOPMOST) != 0, c.TopMost) << c.Name;
    EXPECT_EQ(GetWindow(Popup->Handle(), GW_OWNER), c.Owned ? Form->Handle() : nullptr) << c.Name;
    EXPECT_EQ(Popup->PopupParent(), c.Owned ? Form.get() : nullptr) << c.Name;
    Popup->CloseUp();
  }
}

TEST_F(cxContainerPopupTest, AClickClosesThePopupsItFallsOutsideOf) {
  auto* elsewhere = NewForm(RECT{600, 100, 700, 200});
  TOwned<TForm> elsewhereOwned(elsewhere);
  auto* inside = new TRecordingControl(Popup, RECT{0, 0, 20, 20});
  struct TCase {
    const char* Name;
    TWinControl* Target;
    POINT Point;  // in the target's client coordinates
    UINT Msg;
    bool OutsideAnswer;
    bool PassesOn, StaysOpen, OwnerClickHandled;
    int OutsideCalls;
  };
  const TCase cases[] = {
      {"inside the popup", inside, {5, 5}, WM_LBUTTONDOWN, false, true, true, false, 0},
      {"elsewhere on the owner's form", Other, {5, 5}, WM_RBUTTONDOWN, false, true, false, false, 1},
      {"handled elsewhere: swallowed", Other, {5, 5}, WM_LBUTTONDOWN, true, false, false, false, 1},
      {"on the drop area", Owner, {85, 5}, WM_LBUTTONDOWN, true, true, false, true, 1},
      {"on the owner beside the drop area", Owner, {5, 5}, WM_LBUTTONDOWN, false, true, false, false, 1},
      {"right button on the drop area", Owner, {85, 5}, WM_RBUTTONDOWN, false, true, false, false, 1},
      {"another form", elsewhere, {5, 5}, WM_LBUTTONDOWN, false, true, true, false, 0},
  };
  for (const TCase& c : cases) {
    Popup->Popup(nullptr);
    ASSERT_EQ(Screen().ActiveForm(), Popup) << c.Name;
    Popup->OutsideAnswer = c.OutsideAnswer;
    Popup->OutsideCalls = 0;
    Popup->SetOwnerClickHandled(false);
    EXPECT_EQ(PopupClickPassesOn(c.Target->Handle(), c.Msg, OnScreen(c.Target, c.Point)), c.PassesOn) << c.Name;
    EXPECT_EQ(Popup->IsShown(), c.StaysOpen) << c.Name;
    EXPECT_EQ(Popup->OwnerClickHandled(), c.OwnerClickHandled) << c.Name;
    EXPECT_EQ(Popup->OutsideCalls, c.OutsideCalls) << c.Name;
    EXPECT_EQ(Popup->LockCount(), 0) << c.Name;
    Popup->CloseUp();
  }
}

TEST_F(cxContainerPopupTest, AClickOnTheDropAreaOfAnOwnerThatWentAwayIsSwallowed) {
  Popup->Popup(nullptr);
  Popup->SetOnClosed([&](TObject*) { Owner->SetVisible(false); });
  EXPECT_FALSE(PopupClickPassesOn(Owner->Handle(), WM_LBUTTONDOWN, OnScreen(Owner, POINT{85, 5})));
}

TEST_F(cxContainerPopupTest, OnlyTheSystemKeysAPopupAcceptsReachIt) {
  struct TCase {
    const char* Name;
    WORD Key;
    bool Modal;
    bool Removed;
    bool Kept;
  };
  const TCase cases[] = {
      {"Alt+Down", VK_DOWN, false, true, true},    {"Alt+PgUp", VK_PRIOR, false, true, true},
      {"Alt+F4", VK_F4, false, true, true},        {"Alt+X", 'X', false, true, false},
      {"Alt", VK_MENU, false, true, false},        {"Alt+F5", VK_F5, false, true, false},
      {"only peeked at", 'X', false, false, true}, {"a modal popup filters itself", 'X', true, true, true},
  };
  for (const TCase& c : cases) {
    Popup->SetModalPopup(c.Modal);
    if (!c.Modal) Popup->Popup(nullptr);
    TMessage message = Message(WM_SYSKEYDOWN, c.Key, 0x20000000);
    if (c.Modal) {
      Popup->SetOnShowed([&](TObject*) {
        PopupGetMessage(message, c.Removed);
        Popup->CloseUp();
      });
      Popup->Popup(nullptr);
    } else {
      PopupGetMessage(message, c.Removed);
    }
    EXPECT_EQ(message.Msg, c.Kept ? static_cast<UINT>(WM_SYSKEYDOWN) : static_cast<UINT>(WM_NULL)) << c.Name;
    Popup->CloseUp();
  }
}

TEST_F(cxContainerPopupTest, HidingAnOwnerClosesItsPopupsAndThoseOpenedFromThemLatestFirst) {
  auto* inner = new TRecordingControl(Popup, RECT{0, 0, 40, 20});
  auto* second = new TTestPopup(inner);
  std::vector<std::string> closed;
  Popup->SetOnClosed([&](TObject*) { closed.push_back("first"); });
  second->SetOnClosed([&](TObject*) { closed.push_back("second"); });
  Popup->Popup(nullptr);
  second->Popup(nullptr);
  ASSERT_EQ(ShownPopupWindows().size(), 2u);

  PopupCallWndProcMessage(Message(WM_SHOWWINDOW, TRUE), Owner->Handle());
  EXPECT_EQ(ShownPopupWindows().size(), 2u) << "shown, not hidden";
  PopupCallWndProcMessage(Message(WM_SHOWWINDOW, FALSE), Other->Handle());
  EXPECT_EQ(ShownPopupWindows().size(), 2u) << "not an owner";
  PopupCallWndProcMessage(Message(WM_SHOWWINDOW, FALSE), Owner->Handle());
  EXPECT_EQ(closed, (std::vector<std::string>{"second", "first"}));
}

TEST_F(cxContainerPopupTest, MovingTheOwnerOutOfSightClosesItsPopup) {
  struct TCase {
    const char* Name;
    int Left;
    bool StaysOpen;
  };
  const TCase cases[] = {{"moved within the form", 50, true}, {"moved past the form's edge", 2000, false}};
  for (const TCase& c : cases) {
    Popup->Popup(nullptr);
    Owner->SetBounds(c.Left, 10, 100, 20);
    PopupCallWndProcMessage(Message(WM_WINDOWPOSCHANGED), Owner->Handle());
    EXPECT_EQ(Popup->IsShown(), c.StaysOpen) << c.Name;
    Popup->CloseUp();
  }
}

TEST_F(cxContainerPopupTest, TheProgramLosingTheActivationClosesThePopupsThatAreNotActive) {
  struct TCase {
    const char* Name;
    bool Owned;
    bool StaysOpen;
  };
  const TCase cases[] = {{"owned and active", true, true}, {"not owned", false, false}};
  for (const TCase& c : cases) {
    Popup->SetOwnedByParentForm(c.Owned);
    Popup->Popup(nullptr);
    PopupCallWndProcMessage(Message(WM_ACTIVATEAPP, TRUE), Form->Handle());
    EXPECT_TRUE(Popup->IsShown()) << c.Name;
    PopupCallWndProcMessage(Message(WM_ACTIVATEAPP, FALSE), Form->Handle());
    EXPECT_EQ(Popup->IsShown(), c.StaysOpen) << c.Name;
    Popup->CloseUp();
  }
}

TEST_F(cxContainerPopupTest, AContainerOwnerHearsOfTheFocusOnceTheLostActivationClosedItsPopup) {
  struct TCase {
    const char* Name;
    bool OwnerFreedOnClose;
    std::vector<bool> Heard;
  };
  const TCase cases[] = {{"the owner stays", false, {false}}, {"a close handler frees the owner", true, {}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* container = new TcxContainer(Form.get());
    container->SetBounds(150, 10, 100, 20);
    container->SetParent(Form.get());
    auto* popup = new TTestPopup(container);
    popup->SetOwnedByParentForm(false);
    // Whether the popup was still shown each time the owner heard.
    std::vector<bool> heard;
    container->SetOnFocusChanged([&](TObject*) { heard.push_back(popup->IsShown()); });
    popup->Popup(nullptr);
    heard.clear();
    if (c.OwnerFreedOnClose) popup->SetOnClosed([&](TObject*) { container->Free(); });

    PopupCallWndProcMessage(Message(WM_ACTIVATEAPP, FALSE), Form->Handle());
    EXPECT_TRUE(ShownPopupWindows().empty());
    EXPECT_EQ(heard, c.Heard);
    if (!c.OwnerFreedOnClose) container->Free();
  }
}

// The system moves the activation from the popup opened last: the popups
// shown after the one that takes it close, the rest stay.
TEST_F(cxContainerPopupTest, ThePopupsShownAfterTheWindowTheSystemActivatesClose) {
  auto* inner = new TRecordingControl(Popup, RECT{0, 0, 40, 20});
  auto* second = new TTestPopup(inner);
  TRecordingForm* elsewhere = NewForm(RECT{600, 100, 700, 200});
  TOwned<TForm> elsewhereOwned(elsewhere);
  struct TCase {
    const char* Name;
    TForm* Activated;
    bool FirstEnabled;
    bool FirstStaysOpen;
  };
  const TCase cases[] = {
      {"the first popup", Popup, true, true},
      {"the owner's form", Form.get(), true, false},
      {"another form", elsewhere, true, false},
      {"the owner's form, past a disabled popup", Form.get(), false, true},
  };
  for (const TCase& c : cases) {
    Popup->Popup(nullptr);
    second->Popup(nullptr);
    ASSERT_EQ(GetActiveWindow(), second->Handle()) << c.Name;
    EnableWindow(Popup->Handle(), c.FirstEnabled);
    SetActiveWindow(c.Activated->Handle());
    EXPECT_FALSE(second->IsShown()) << c.Name;
    EXPECT_EQ(Popup->IsShown(), c.FirstStaysOpen) << c.Name;
    EXPECT_EQ(GetActiveWindow(), c.Activated->Handle()) << c.Name;
    EnableWindow(Popup->Handle(), TRUE);
    second->CloseUp();
    Popup->CloseUp();
  }
}

TEST_F(cxContainerPopupTest, ClosingThePopupsWindowClosesItAndTheOwnersWindow) {
  Popup->Popup(nullptr);
  Popup->SetOnCloseQuery([](TObject*, bool& canClose) { canClose = false; });
  PopupCallWndProcMessage(Message(WM_CLOSE), Popup->Handle());
  EXPECT_TRUE(Popup->IsShown()) << "the close query said no";
  EXPECT_EQ(Form->Count(WM_CLOSE), 0);

  Popup->SetOnCloseQuery(nullptr);
  PopupCallWndProcMessage(Message(WM_CLOSE), Popup->Handle());
  EXPECT_FALSE(Popup->IsShown());
  EXPECT_EQ(Form->Count(WM_CLOSE), 1);
}

TEST_F(cxContainerPopupTest, TheOwnersFormKeepsItsActiveCaptionWhileThePopupIsOpen) {
  PopupCallWndProcMessage(Message(WM_NCACTIVATE, FALSE), Form->Handle());
  EXPECT_FALSE(IsSwallowPending(Form->Handle())) << "no popup open";
  Popup->Popup(nullptr);
  PopupCallWndProcMessage(Message(WM_NCACTIVATE, TRUE), Form->Handle());
  EXPECT_FALSE(IsSwallowPending(Form->Handle()));
  PopupCallWndProcMessage(Message(WM_NCACTIVATE, FALSE), Form->Handle());
  EXPECT_TRUE(IsSwallowPending(Form->Handle()));
  Form->Received.clear();
  EXPECT_EQ(SendMessageA(Form->Handle(), WM_NCACTIVATE, FALSE, 0), 1);
  EXPECT_TRUE(Form->Received.empty()) << "swallowed";
  SendMessageA(Form->Handle(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(Form->Received, std::vector<UINT>{WM_NCACTIVATE}) << "only once";
}

TEST_F(cxContainerPopupTest, SwallowsPendingOnManyWindowsEachEatOneMessageOfTheirOwn) {
  TRecordingControl* windows[] = {Owner, Other};
  for (int round = 0; round < 2; ++round)
    for (TRecordingControl* window : windows) SwallowNextMessage(window->Handle());
  for (TRecordingControl* window : windows) {
    EXPECT_TRUE(IsSwallowPending(window->Handle()));
    window->Received.clear();
    EXPECT_EQ(SendMessageA(window->Handle(), WM_NCACTIVATE, FALSE, 0), 1);
    EXPECT_TRUE(window->Received.empty());
    EXPECT_FALSE(IsSwallowPending(window->Handle()));
    SendMessageA(window->Handle(), WM_NCACTIVATE, FALSE, 0);
    SendMessageA(window->Handle(), WM_SETFOCUS, 0, 0);
    EXPECT_EQ(window->Received, (std::vector<UINT>{WM_NCACTIVATE, WM_SETFOCUS})) << "its own procedure back";
  }
}

TEST_F(cxContainerPopupTest, ActivationMessagesWhileAPopupClosesAreSwallowed) {
  Popup->Popup(nullptr);
  bool pending = false;
  Popup->SetOnClosing([&](TObject*) {
    PopupCallWndProcMessage(Message(CM_DEACTIVATE), Other->Handle());
    pending = IsSwallowPending(Other->Handle());
  });
  Popup->CloseUp();
  EXPECT_TRUE(pending);
  PopupCallWndProcMessage(Message(CM_ACTIVATE), Owner->Handle());
  EXPECT_FALSE(IsSwallowPending(Owner->Handle())) << "no popup closing";
}

TEST_F(cxContainerPopupTest, TheCloseMessageClosesThePopupAndFocusesTheOwner) {
  Popup->Popup(nullptr);
  Owner->Received.clear();
  SendMessageA(Popup->Handle(), CM_CLOSEPOPUPWINDOW, 0, 0);
  EXPECT_FALSE(Popup->IsShown());
  EXPECT_TRUE(Owner->Got(WM_SETFOCUS));
  SendMessageA(Popup->Handle(), CM_SHOWPOPUPWINDOW, 0, 0);
  EXPECT_TRUE(Popup->IsShown());
}

TEST_F(cxContainerPopupTest, AModalPopupReturnsOnceClosed) {
  Popup->SetModalPopup(true);
  Popup->HandleNeeded();
  Popup->PostClosePopup();
  Popup->Popup(nullptr);
  EXPECT_FALSE(Popup->IsShown());

  Popup->SetOnShowed([&](TObject*) { Popup->SetModalResult(mrOk); });
  Popup->SetOnCloseQuery([&](TObject*, bool& canClose) {
    canClose = false;
    Popup->PostClosePopup();
  });
  Popup->Popup(nullptr);
  EXPECT_FALSE(Popup->IsShown()) << "the refused close went on with the loop";
  EXPECT_EQ(Popup->ModalResult(), mrNone);
}

TEST_F(cxContainerPopupTest, AModalPopupFreedWithItsOwnersFormEndsItsLoop) {
  TRecordingForm* form = Form.release();
  TFreeWatch watch;
  form->FreeNotification(&watch);
  const TcxWeakSelf popupAlive(Popup);
  Popup->SetModalPopup(true);
  Popup->SetOnShowed([&](TObject*) { form->Release(); });
  Popup->Popup(nullptr);
  EXPECT_TRUE(watch.Freed);
  EXPECT_FALSE(popupAlive.Alive());
  EXPECT_TRUE(ShownPopupWindows().empty());
}

TEST_F(cxContainerPopupTest, AModalPopupDropsQueuedAltEnter) {
  Popup->SetModalPopup(true);
  Popup->HandleNeeded();
  PostMessageA(Popup->Handle(), WM_SYSKEYDOWN, VK_RETURN, 0x20000000);
  PostMessageA(Popup->Handle(), WM_SYSKEYDOWN, VK_DOWN, 0x20000000);
  Popup->PostClosePopup();
  Popup->Popup(nullptr);
  EXPECT_EQ(Popup->SysKeys, std::vector<WORD>{VK_DOWN});
}

// A quit carries its exit code where a key carries its code, and the system
// hands it out whatever the filter: an exit code that reads as Enter, Alt or
// Space is still the program's quit. The popup closes before its loop waits,
// so the program's application never takes the quit.
TEST_F(cxContainerPopupTest, AModalPopupLeavesAQueuedQuitWhateverItsExitCode) {
  Popup->SetModalPopup(true);
  Popup->SetOnShowed([&](TObject*) { Popup->SetModalResult(mrOk); });
  for (const WORD exitCode : {VK_RETURN, VK_MENU, VK_SPACE}) {
    PostQuitMessage(exitCode);
    Popup->Popup(nullptr);
    MSG quit{};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == exitCode)
        << "exit code " << exitCode;
  }
}

TEST_F(cxContainerPopupTest, TheHooksAreTheThreadsOwnAndGoWithTheUnit) {
  static std::vector<std::pair<int, DWORD>> installs;
  static std::vector<HHOOK> installed, removed;
  installs.clear();
  installed.clear();
  removed.clear();
  const TcxHookApi saved = cxHookApi();
  cxHookApi().SetWindowsHookExA = [](int kind, HOOKPROC proc, HINSTANCE module, DWORD threadId) {
    installs.emplace_back(kind, threadId);
    installed.push_back(::SetWindowsHookExA(kind, proc, module, threadId));
    return installed.back();
  };
  cxHookApi().UnhookWindowsHookEx = [](HHOOK hook) {
    removed.push_back(hook);
    return ::UnhookWindowsHookEx(hook);
  };
  const TcxHookCounts before = cxPopupHookCounts();
  cxContainerFinalize();
  EXPECT_EQ(cxPopupHookCounts().Removals, before.Removals + 3);
  EXPECT_EQ(GetPopupOwnerWindow(Popup->Handle()), Popup->Handle());
  cxContainerInitialize();
  cxContainerFinalize();
  cxContainerInitialize();
  cxHookApi() = saved;
  const TcxHookCounts after = cxPopupHookCounts();
  EXPECT_EQ(after.Installs - before.Installs, 6);
  EXPECT_EQ(after.Removals - before.Removals, 6);
  const DWORD thread = GetCurrentThreadId();
  EXPECT_EQ(installs, (std::vector<std::pair<int, DWORD>>{{WH_CALLWNDPROC, thread},
                                                          {WH_GETMESSAGE, thread},
                                                          {WH_MOUSE, thread},
                                                          {WH_CALLWNDPROC, thread},
                                                          {WH_GETMESSAGE, thread},
                                                          {WH_MOUSE, thread}}));
  ASSERT_EQ(removed.size(), 6u);
  EXPECT_EQ(std::vector<HHOOK>(removed.begin() + 3, removed.end()),
            (std::vector<HHOOK>{installed[2], installed[1], installed[0]}))
      << "mouse first";
  EXPECT_EQ(GetPopupOwnerWindow(Popup->Handle()), Owner->Handle());
}

// ---- through the hooks themselves

TEST_F(cxContainerPopupTest, TheCallWndProcHookClosesThePopupWhenItsOwnerHides) {
  Popup->Popup(nullptr);
  Owner->SetVisible(false);
  EXPECT_FALSE(Popup->IsShown());
}

TEST_F(cxContainerPopupTest, TheGetMessageHookDropsAltXAndLetsAltDownThrough) {
  Popup->Popup(nullptr);
  PostMessageA(Popup->Handle(), WM_SYSKEYDOWN, 'X', 0x20000000);
  PostMessageA(Popup->Handle(), WM_SYSKEYDOWN, VK_DOWN, 0x20000000);
  Application().ProcessMessages();
  EXPECT_EQ(Popup->SysKeys, std::vector<WORD>{VK_DOWN});
}

// Pointer and buttons are the session's: every press is released on the way out.
class TMouseGuard {
 public:
  ~TMouseGuard() { Send(MOUSEEVENTF_LEFTUP); }
  static void Send(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
  }
};

TEST_F(cxContainerPopupTest, TheMouseHookClosesOnAnOutsideClickThatReachesItsTarget) {
  Popup->Popup(nullptr);
  const POINT target = OnScreen(Other, POINT{5, 5});
  ASSERT_EQ(WindowFromPoint(target), Other->Handle());
  SetCursorPos(target.x, target.y);
  {
    const TMouseGuard guard;
    TMouseGuard::Send(MOUSEEVENTF_LEFTDOWN);
  }
  Application().ProcessMessages();
  EXPECT_FALSE(Popup->IsShown());
  EXPECT_TRUE(Other->Got(WM_LBUTTONDOWN));
}

TEST_F(cxContainerPopupTest, AnExceptionInTheMouseHookIsShownAndTheClickGoesOn) {
  std::vector<std::string> shown;
  Application().SetMessageBoxHandler([&](const std::string& text, const std::string&, UINT) {
    shown.push_back(text);
    return IDOK;
  });
  Popup->ThrowOutside = true;
  Popup->Popup(nullptr);
  const POINT target = OnScreen(Other, POINT{5, 5});
  ASSERT_EQ(WindowFromPoint(target), Other->Handle());
  SetCursorPos(target.x, target.y);
  {
    const TMouseGuard guard;
    TMouseGuard::Send(MOUSEEVENTF_LEFTDOWN);
  }
  Application().ProcessMessages();
  EXPECT_EQ(shown, std::vector<std::string>{"outside"});
  EXPECT_TRUE(Other->Got(WM_LBUTTONDOWN));
}

}  // namespace
