#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "controls/foundation/container/cxContainer.h"
#include "controls/foundation/container/cxContainerListBox.h"
#include "controls/foundation/graphics/cxDWMApi.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/Form.h"
#include "platform/graphics/Bitmap.h"
#include "tests/controls/foundation/FakeCurrentTheme.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

POINT gCursor{-1000, -1000};
BOOL WINAPI FakeGetCursorPos(LPPOINT point) {
  *point = gCursor;
  return TRUE;
}
UINT_PTR WINAPI FakeSetTimer(HWND, UINT_PTR id, UINT, TIMERPROC) { return id; }
BOOL WINAPI FakeKillTimer(HWND, UINT_PTR) { return TRUE; }
HRESULT WINAPI CompositionOn(BOOL* enabled) {
  *enabled = TRUE;
  return S_OK;
}

// A visual style that has every part, fills with one colour and keeps a
// one-pixel frame.
constexpr COLORREF kThemeFill = RGB(10, 20, 30);
HRESULT WINAPI FakeGetThemeColor(HTHEME, int, int, int, COLORREF* color) {
  *color = kThemeFill;
  return S_OK;
}
HRESULT WINAPI FakeGetThemeBackgroundContentRect(HTHEME, HDC, int, int, LPCRECT bounding, LPRECT content) {
  *content = {bounding->left + 1, bounding->top + 1, bounding->right - 1, bounding->bottom - 1};
  return S_OK;
}

TUxThemeBinding FakeThemeBinding() {
  TUxThemeBinding binding = FakeCurrentThemeBinding();
  binding.Api.GetThemeColor = FakeGetThemeColor;
  binding.Api.GetThemeBackgroundContentRect = FakeGetThemeBackgroundContentRect;
  return binding;
}

void UseThemeBinding(const TUxThemeBinding& binding) {
  CloseAllThemes();
  SetUxThemeBinding(binding);
  SendMessageA(ThemeChangedReceiverWindow(), WM_THEMECHANGED, 0, 0);
}

class TTestContainer;

// A plain EDIT inside a container: the container sees its messages first.
class TTestInnerEdit : public TEdit, public IcxContainerInnerControl {
 public:
  TTestInnerEdit(TcxContainer* container, bool multiline)
      : TEdit(container), FContainer(container), FMultiline(multiline) {}
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return FContainer; }
  int RedrawRequests = 0;

 protected:
  void CreateParams(TCreateParams& params) override {
    TEdit::CreateParams(params);
    if (FMultiline) params.Style |= ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL;
  }
  void WndProc(TMessage& message) override {
    if (FContainer->DoInnerControlKeyMessage(message)) return;
    TEdit::WndProc(message);
  }
  void DefaultHandler(TMessage& message) override {
    if (message.Msg == CM_BUFFEREDPAINTONGLASS) ++RedrawRequests;
    if (FContainer->DoInnerControlMessage(message)) return;
    TEdit::DefaultHandler(message);
  }

 private:
  TcxContainer* FContainer;
  bool FMultiline;
};

class TTestContainer : public TcxContainer {
 public:
  explicit TTestContainer(TComponent* owner) : TcxContainer(owner) {}
  TTestInnerEdit* AddInnerEdit(bool multiline = false) {
    auto* edit = new TTestInnerEdit(this, multiline);
    SetInnerControl(edit);
    return edit;
  }
  // Whether the container was whole whenever its inner window lost the focus.
  std::vector<bool>* WholeAtInnerKillFocus = nullptr;

  bool DoInnerControlMessage(TMessage& message) override {
    if (message.Msg == WM_KILLFOCUS && WholeAtInnerKillFocus) WholeAtInnerKillFocus->push_back(!IsDestroying());
    return TcxContainer::DoInnerControlMessage(message);
  }
};

// A container whose descendant ignores the shadow.
class TShadowlessContainer : public TcxContainer {
 public:
  using TcxContainer::TcxContainer;

 protected:
  TcxContainerStyleValues GetIgnoredStyleValues() const override { return {csvShadow}; }
};

// A menu of the library's own interface that records where it showed.
class TRecordingMenu : public TComponent, public IcxPopupMenu {
 public:
  using TComponent::TComponent;
  bool IsShortCut(const TMessage& message) override { return KeyCode(message) == 'K'; }
  void Popup(int x, int y) override { Shown.push_back(POINT{x, y}); }
  std::vector<POINT> Shown;
};

// Runs the queued messages; a bounded number, so endless posting fails a
// test instead of hanging it.
void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++count) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

class cxContainerControlTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxInputApi().GetCursorPos = FakeGetCursorPos;
    cxTimerApi() = {FakeSetTimer, FakeKillTimer};
    gCursor = POINT{-1000, -1000};
    Form.reset(new TForm(nullptr));
    Form->SetBounds(100, 100, 300, 200);
    Container = MakeContainer(10, 10);
    Form->Show();
    ProcessPendingMessages();
  }
  void TearDown() override {
    Form.reset();
    cxInputApi() = {};
    cxTimerApi() = {};
    DwmApi().DwmIsCompositionEnabled = nullptr;
  }

  TTestContainer* MakeContainer(int left, int top) {
    auto* container = new TTestContainer(Form.get());
    container->SetBounds(left, top, 80, 24);
    container->SetParent(Form.get());
    return container;
  }
  // The container as it paints now, in a picture of its size.
  void Capture() {
    Picture.SetSize(Container->Width(), Container->Height());
    Picture.Canvas().Brush().SetColor(clFuchsia);
    Picture.Canvas().FillRect(RECT{0, 0, Container->Width(), Container->Height()});
    Container->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Picture.DC()), PRF_CLIENT);
  }
  TColor Pixel(int x, int y) { return Picture.Canvas().Pixels(x, y); }
  void HoverAt(int x, int y) {
    gCursor = Container->ClientToScreen(POINT{x, y});
    SendMessageA(Container->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }
  // The pointer goes away and the tracking timers tick once.
  static void LeaveAndTick() {
    gCursor = POINT{-1000, -1000};
    for (UINT_PTR id : cxRunningTimerIDs()) SendMessageA(cxTimerWindowHandle(), WM_TIMER, id, 0);
  }

  TOwned<TForm> Form;
  TTestContainer* Container = nullptr;
  TBitmap Picture;
};

}  // namespace

TEST_F(cxContainerControlTest, BorderAndBackgroundPerLookAndFeelKindAndState) {
  struct TCase {
    const char* Name;
    TcxLookAndFeelKind Kind;
    const char* State;
    TColor Outer;
    TColor Inner;
    TColor Background;
  };
  const TColor shadow = ColorToRGB(clBtnShadow);
  const TColor highlight = ColorToRGB(clHighlight);
  const TColor window = ColorToRGB(clWindow);
  const TColor face = ColorToRGB(clBtnFace);
  const TColor office = ColorToRGB(Office11Colors().SelectedBorderColor);
  const TColor dark = ColorToRGB(cl3DDkShadow);
  const TCase cases[] = {
      {"ultra flat", lfUltraFlat, "normal", shadow, window, window},
      {"ultra flat", lfUltraFlat, "hot", highlight, window, window},
      {"ultra flat", lfUltraFlat, "focused", highlight, window, window},
      {"ultra flat", lfUltraFlat, "disabled", shadow, face, face},
      {"office 2003", lfOffice11, "normal", shadow, window, window},
      {"office 2003", lfOffice11, "hot", office, window, window},
      {"office 2003", lfOffice11, "focused", office, window, window},
      {"office 2003", lfOffice11, "disabled", shadow, face, face},
      {"flat", lfFlat, "normal", shadow, face, window},
      {"flat raised when hot", lfFlat, "hot", shadow, dark, window},
      {"flat raised when focused", lfFlat, "focused", shadow, dark, window},
      {"flat", lfFlat, "disabled", shadow, face, face},
      {"standard", lfStandard, "normal", shadow, dark, window},
      {"standard", lfStandard, "hot", shadow, dark, window},
      {"standard", lfStandard, "disabled", shadow, dark, face},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Name) + " " + c.State);
    Container->GetStyle()->LookAndFeel()->SetKind(c.Kind);
    Container->GetStyle()->SetTransparentBorder(false);
    Container->SetEnabled(std::string(c.State) != "disabled");
    ::SetFocus(Form->Handle());
    if (std::string(c.State) == "focused") Container->SetFocus();
    LeaveAndTick();
    if (std::string(c.State) == "hot") HoverAt(40, 12);
    Capture();
    EXPECT_EQ(Pixel(0, 12), c.Outer);
    EXPECT_EQ(Pixel(1, 12), c.Inner);
    EXPECT_EQ(Pixel(40, 12), c.Background);
  }
}

TEST_F(cxContainerControlTest, WithoutHotTrackingHoveringKeepsTheBorder) {
  Container->GetStyle()->LookAndFeel()->SetKind(lfUltraFlat);
  Container->GetStyle()->SetHotTrack(false);
  Container->GetStyle()->SetTransparentBorder(false);
  HoverAt(40, 12);
  EXPECT_EQ(Container->ViewInfo().HotState, 0);
  Capture();
  EXPECT_EQ(Pixel(0, 12), ColorToRGB(clBtnShadow));
}

TEST_F(cxContainerControlTest, EdgesAtTheBottomOnlyLeaveTheOtherBorderPixelsOutsideTheWindow) {
  Container->GetStyle()->LookAndFeel()->SetKind(lfUltraFlat);
  Container->GetStyle()->SetTransparentBorder(false);
  Container->GetStyle()->SetEdges({bBottom});
  ProcessPendingMessages();
  Capture();
  EXPECT_EQ(Pixel(0, 5), ColorToRGB(clWindow));
  EXPECT_EQ(Pixel(79, 5), ColorToRGB(clWindow));
  EXPECT_EQ(Pixel(40, 23), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Container->InnerControl(), nullptr);
}

TEST_F(cxContainerControlTest, AShadowGivesTheWindowTheBoundsAndTheirCopyMovedByThree) {
  Container->GetStyle()->LookAndFeel()->SetKind(lfUltraFlat);
  Container->GetStyle()->SetShadow(true);
  Container->GetStyle()->SetTransparentBorder(false);
  ProcessPendingMessages();
  TcxRegion windowRegion;
  ASSERT_NE(GetWindowRgn(Container->Handle(), windowRegion.Handle()), ERROR);
  TcxRegion expected(TRect{0, 0, 77, 21});
  TcxRegion moved(TRect{0, 0, 77, 21});
  moved.Offset(3, 3);
  expected.Combine(moved, roAdd);
  EXPECT_TRUE(EqualRgn(windowRegion.Handle(), expected.Handle()));
  Capture();
  EXPECT_EQ(Pixel(40, 22), ColorToRGB(clBtnShadow));
}

TEST_F(cxContainerControlTest, TheWindowRegionIsSetOnlyWhenItChanges) {
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  const HWND window = edit->Handle();
  EXPECT_TRUE(UpdateWindowRegion(window, std::make_unique<TcxRegion>(TRect{0, 0, 10, 10})));
  EXPECT_FALSE(UpdateWindowRegion(window, std::make_unique<TcxRegion>(TRect{0, 0, 10, 10})));
  EXPECT_TRUE(UpdateWindowRegion(window, std::make_unique<TcxRegion>(TRect{0, 0, 20, 10})));
  EXPECT_TRUE(UpdateWindowRegion(window, nullptr));
  EXPECT_FALSE(UpdateWindowRegion(window, nullptr));
}

class cxContainerInnerEditTest : public cxContainerControlTest {
 protected:
  void SetUp() override {
    cxContainerControlTest::SetUp();
    Container->GetStyle()->LookAndFeel()->SetKind(lfUltraFlat);
    Edit = Container->AddInnerEdit();
    Next = MakeContainer(10, 60);
    ProcessPendingMessages();
  }
  TTestInnerEdit* Edit = nullptr;
  TTestContainer* Next = nullptr;
};

TEST_F(cxContainerInnerEditTest, TheEditFillsTheClientAreaAndTheContainerIsAControlParent) {
  EXPECT_EQ(Edit->Parent(), Container);
  const RECT bounds = Edit->BoundsRect();
  EXPECT_TRUE(EqualRect(&bounds, &Container->ViewInfo().ClientRect));
  EXPECT_EQ(bounds.left, 2) << "a transparent border";
  EXPECT_TRUE(GetWindowLongPtrA(Container->Handle(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

TEST_F(cxContainerInnerEditTest, AClickOnTheBorderFocusesTheEdit) {
  ::SetFocus(Form->Handle());
  SendMessageA(Container->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  SendMessageA(Container->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(GetFocus(), Edit->Handle());
  EXPECT_EQ(Form->ActiveControl(), Edit);
  EXPECT_TRUE(Container->Focused());
  EXPECT_TRUE(Container->ViewInfo().ContainerState.Contains(csFocused));
}

TEST_F(cxContainerInnerEditTest, KeysAndCharactersSentToTheContainerReachTheEdit) {
  for (char ch : std::string("ab")) SendMessageA(Container->Handle(), WM_CHAR, ch, 0);
  EXPECT_EQ(TWinControl::FindControl(Edit->Handle()), Edit);
  char text[16]{};
  GetWindowTextA(Edit->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "ab");
  SendMessageA(Container->Handle(), WM_KEYDOWN, VK_HOME, 0);
  DWORD start = 0;
  SendMessageA(Edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  EXPECT_EQ(start, 0u);
}

TEST_F(cxContainerInnerEditTest, ColourAndFontSetOnTheContainerReachTheEdit) {
  Container->SetColor(clYellow);
  EXPECT_EQ(Container->GetStyle()->GetColor(), clYellow);
  EXPECT_EQ(Edit->Color(), clYellow);
  TFont font;
  font.SetSize(15);
  Container->SetFont(font);
  EXPECT_EQ(Container->GetStyle()->Font()->Size(), 15);
  EXPECT_EQ(Edit->Font().Size(), 15);
}

TEST_F(cxContainerInnerEditTest, TheFormsFontReachesTheEditThroughTheStyleWithoutBecomingItsOwn) {
  TFont font;
  font.SetSize(15);
  Form->SetFont(font);
  // A refresh hands the edit the style's font.
  Container->ShortRefreshContainer();
  EXPECT_TRUE(Container->ParentFont());
  EXPECT_EQ(Edit->Font().Size(), 15);
  EXPECT_FALSE(Container->GetStyle()->AssignedValues().Contains(csvFont));
}

TEST_F(cxContainerInnerEditTest, HoveringHighlightsTheBorderAndLeavingRestoresIt) {
  HoverAt(1, 1);
  EXPECT_TRUE(Container->ViewInfo().ContainerState.Contains(csHot));
  EXPECT_EQ(Container->ViewInfo().BorderColor, clHighlight);
  EXPECT_FALSE(cxRunningTimerIDs().empty()) << "the pointer is tracked";
  LeaveAndTick();
  EXPECT_FALSE(Container->ViewInfo().ContainerState.Contains(csHot));
  EXPECT_EQ(Container->ViewInfo().BorderColor, clBtnShadow);
}

TEST_F(cxContainerInnerEditTest, TheEditsContextMenuIsTheContainers) {
  auto* menu = new TRecordingMenu(Form.get());
  Container->SetPopupMenu(menu);
  const POINT at = Edit->ClientToScreen(POINT{5, 5});
  SendMessageA(Edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Edit->Handle()), MAKELPARAM(at.x, at.y));
  ASSERT_EQ(menu->Shown.size(), 1u);
  EXPECT_EQ(menu->Shown[0].x, at.x);
  SendMessageA(Edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Edit->Handle()), MAKELPARAM(-1, -1));
  ASSERT_EQ(menu->Shown.size(), 2u) << "the menu key too";
  EXPECT_EQ(menu->Shown[1].x, Container->ClientToScreen(POINT{0, 0}).x);
}

TEST_F(cxContainerInnerEditTest, TheEditsShortcutKeysReachTheContainersMenuWithoutLooping) {
  auto* menu = new TRecordingMenu(Form.get());
  Container->SetPopupMenu(menu);
  EXPECT_EQ(SendMessageA(Edit->Handle(), CN_KEYDOWN, 'K', 0), 1);
  EXPECT_EQ(SendMessageA(Edit->Handle(), CN_KEYDOWN, 'J', 0), 0);
  EXPECT_EQ(SendMessageA(Container->Handle(), CN_KEYDOWN, 'K', 0), 1) << "forwarded to the edit, answered once";
}

TEST_F(cxContainerInnerEditTest, FreeingAFocusedContainerDestroysItsWindowsFirst) {
  Edit->SetFocus();
  ASSERT_EQ(Form->ActiveControl(), Edit);
  const HWND containerWindow = Container->Handle();
  const HWND editWindow = Edit->Handle();
  std::vector<bool> whole;
  Container->WholeAtInnerKillFocus = &whole;
  Container->Free();
  EXPECT_FALSE(IsWindow(containerWindow));
  EXPECT_FALSE(IsWindow(editWindow));
  EXPECT_EQ(whole, std::vector<bool>{true}) << "the edit lost the focus while the container was whole";
  EXPECT_EQ(Form->ActiveControl(), nullptr);
  EXPECT_EQ(Form->ControlCount(), 1);
}

TEST_F(cxContainerControlTest, UnderACompositedParentEachPaintReRendersTheEditOnce) {
  DwmApi().DwmIsCompositionEnabled = CompositionOn;
  SetWindowLongPtrA(Form->Handle(), GWL_EXSTYLE, GetWindowLongPtrA(Form->Handle(), GWL_EXSTYLE) | WS_EX_COMPOSITED);
  TTestContainer* container = MakeContainer(10, 100);
  TTestInnerEdit* edit = container->AddInnerEdit();
  container->HandleNeeded();
  ProcessPendingMessages();
  ASSERT_TRUE(container->OnCompositedParent());
  for (int paint = 1; paint <= 3; ++paint) {
    SCOPED_TRACE(paint);
    edit->RedrawRequests = 0;
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ProcessPendingMessages();
    EXPECT_EQ(edit->RedrawRequests, 1);
    EXPECT_FALSE(container->RedrawPending());
  }
}

TEST_F(cxContainerControlTest, WithoutACompositedParentNothingIsReRendered) {
  DwmApi().DwmIsCompositionEnabled = CompositionOn;
  TTestInnerEdit* edit = Container->AddInnerEdit();
  ProcessPendingMessages();
  EXPECT_FALSE(Container->OnCompositedParent());
  RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ProcessPendingMessages();
  EXPECT_EQ(edit->RedrawRequests, 0);
}

TEST_F(cxContainerControlTest, TheMultiLineEditsBarIsMirroredAndFollowsItsScrolling) {
  TTestInnerEdit* edit = Container->AddInnerEdit(true);
  Container->SetBounds(10, 10, 120, 80);
  std::string text;
  for (int line = 0; line < 30; ++line) text += "line " + std::to_string(line) + "\r\n";
  SetWindowTextA(edit->Handle(), text.c_str());
  ProcessPendingMessages();
  Container->SynchronizeScrollBars(false);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(edit->Handle(), SB_VERT, &info));
  TcxControlScrollBar* bar = Container->VScrollBar();
  ASSERT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Max(), info.nMax);
  EXPECT_EQ(bar->PageSize(), static_cast<int>(info.nPage));
  SendMessageA(edit->Handle(), EM_LINESCROLL, 0, 5);
  Container->SynchronizeScrollBars(true);
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_FALSE(Container->ScrollBarRegion().Empty) << "both bars: the corner is the edit's";
  Container->SetEnabled(false);
  EXPECT_FALSE(bar->Enabled());
}

TEST_F(cxContainerControlTest, ANativeContainerTakesTheEditPartsStateAndTheThemesFillWhenDisabled) {
  const TUxThemeBinding saved = UxThemeBinding();
  UseThemeBinding(FakeThemeBinding());
  Container->GetStyle()->LookAndFeel()->SetNativeStyle(true);
  struct TCase {
    const char* State;
    int NativeState;
    TColor Background;
  };
  const TCase cases[] = {
      {"normal", 1, clWindow},
      {"hot", 2, clWindow},
      {"focused", 5, clWindow},
      {"disabled", 4, static_cast<TColor>(kThemeFill)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.State);
    Container->SetEnabled(std::string(c.State) != "disabled");
    ::SetFocus(Form->Handle());
    if (std::string(c.State) == "focused") Container->SetFocus();
    LeaveAndTick();
    if (std::string(c.State) == "hot") HoverAt(40, 12);
    const TcxContainerViewInfo& viewInfo = Container->ViewInfo();
    EXPECT_TRUE(viewInfo.NativeStyle);
    EXPECT_EQ(viewInfo.NativePart, 1);
    EXPECT_EQ(viewInfo.NativeState, c.NativeState);
    EXPECT_EQ(viewInfo.BackgroundColor, c.Background);
    EXPECT_FALSE(viewInfo.Shadow);
  }
  Container->SetEnabled(true);
  Container->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  UseThemeBinding(saved);
}

TEST_F(cxContainerInnerEditTest, TabSkipsTheContainerForItsEditBothWays) {
  Edit->SetFocus();
  SendMessageA(Form->Handle(), WM_NEXTDLGCTL, 0, 0);
  EXPECT_EQ(GetFocus(), Next->Handle());
  SendMessageA(Form->Handle(), WM_NEXTDLGCTL, 1, 0);
  EXPECT_EQ(GetFocus(), Edit->Handle());
  EXPECT_EQ(Form->ActiveControl(), Edit);
}

TEST_F(cxContainerControlTest, TheFormKeepsAStylePropertyUnlessTheStateSharesItOrTheContainerIgnoresIt) {
  TOwned<TShadowlessContainer> shadowless(new TShadowlessContainer(nullptr));
  struct TCase {
    const char* Name;
    bool StateStyle;
    bool Stored;
    bool StoredWhenIgnored;
  };
  const TCase cases[] = {
      {"LookAndFeel", false, true, true}, {"LookAndFeel", true, false, false}, {"StyleController", true, false, false},
      {"Edges", false, true, true},       {"Edges", true, false, false},       {"BorderColor", true, true, true},
      {"Shadow", false, true, false},     {"Shadow", true, false, false},      {"Unknown", true, true, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Name) + (c.StateStyle ? " of a state" : " of the normal style"));
    EXPECT_EQ(Container->IsStylePropertyStored(c.Name, c.StateStyle), c.Stored);
    EXPECT_EQ(shadowless->IsStylePropertyStored(c.Name, c.StateStyle), c.StoredWhenIgnored);
  }
}

TEST_F(cxContainerInnerEditTest, TheEditTakesTheContainersCursorAndTheBorderShowsTheArrow) {
  Container->SetCursor(crHandPoint);
  EXPECT_EQ(Edit->Cursor(), crHandPoint);
  gCursor = Container->ClientToScreen(POINT{1, 1});
  const LPARAM hitClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  EXPECT_EQ(SendMessageA(Container->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Container->Handle()), hitClient),
            TRUE);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(cxContainerControlTest, StringsCompareWithOrWithoutCase) {
  struct TCase {
    const char* A;
    const char* B;
    bool CaseSensitive;
    bool Equal;
  };
  const TCase cases[] = {
      {"Edges", "Edges", true, true},
      {"Edges", "EDGES", true, false},
      {"Edges", "EDGES", false, true},
      {"Edge", "Edges", false, false},
      {"", "", true, true},
      {"edges", "Edges", false, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.A) + " / " + c.B);
    EXPECT_EQ(StringsEqual(c.A, c.B, c.CaseSensitive), c.Equal);
  }
}

TEST_F(cxContainerControlTest, RemovingPendingMessagesTakesOneOrAllAndLeavesAQuitQueued) {
  const HWND window = Container->Handle();
  ProcessPendingMessages();
  auto pending = [window] {
    int count = 0;
    MSG message{};
    while (PeekMessageA(&message, window, WM_USER, WM_USER + 1, PM_REMOVE)) ++count;
    return count;
  };
  for (int i = 0; i < 3; ++i) PostMessageA(window, WM_USER, 0, 0);
  RemovePendingMessages(window, WM_USER, WM_USER + 1, false);
  EXPECT_EQ(pending(), 2);
  for (int i = 0; i < 3; ++i) PostMessageA(window, WM_USER, 0, 0);
  RemovePendingMessages(window, WM_USER, WM_USER + 1, true);
  EXPECT_EQ(pending(), 0);
  PostQuitMessage(7);
  RemovePendingMessages(nullptr, 0, 0, true);
  MSG quit{};
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 7u);
}

TEST_F(cxContainerControlTest, InvalidatingAFrameLeavesItsMiddleValid) {
  const HWND window = Container->Handle();
  UpdateWindow(window);
  ValidateRect(window, nullptr);
  InvalidateRectFrame(window, TRect{0, 0, 80, 24}, TRect{2, 2, 78, 22}, false);
  TcxRegion invalid;
  GetUpdateRgn(window, invalid.Handle(), FALSE);
  EXPECT_TRUE(PtInRegion(invalid.Handle(), 0, 0));
  EXPECT_TRUE(PtInRegion(invalid.Handle(), 79, 23));
  EXPECT_FALSE(PtInRegion(invalid.Handle(), 40, 12));
  ValidateRect(window, nullptr);
  InvalidateRectFrame(window, TRect{0, 0, 80, 24}, EmptyRect, false);
  GetUpdateRgn(window, invalid.Handle(), FALSE);
  EXPECT_TRUE(PtInRegion(invalid.Handle(), 40, 12)) << "no inner rectangle: all of it";
  ValidateRect(window, nullptr);
}

TEST_F(cxContainerInnerEditTest, DescendantWindowsAreTheChildrenAndTheShownPopupsOwned) {
  const TOwned<TForm> popup(new TForm(Container));
  popup->SetBounds(0, 0, 50, 50);
  auto* popupEdit = new TEdit(popup.get());
  popupEdit->SetParent(popup.get());
  popup->Show();
  const TOwned<TForm> stranger(new TForm(nullptr));
  struct TCase {
    const char* Name;
    HWND Window;
    bool Descendant;
  };
  const TCase cases[] = {
      {"the inner edit", Edit->Handle(), true},
      {"a shown popup it owns", popup->Handle(), true},
      {"a child of that popup", popupEdit->Handle(), true},
      {"another form", stranger->Handle(), false},
      {"the container itself", Container->Handle(), false},
      {"no window", nullptr, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(IsDescendantWindow(Container, c.Window), c.Descendant);
  }
  popup->Hide();
  EXPECT_FALSE(IsDescendantWindow(Container, popup->Handle())) << "hidden";
}

namespace {

// A container with no inner control that asks for the Tab key.
class TTabContainer : public TcxContainer {
 public:
  explicit TTabContainer(TComponent* owner) : TcxContainer(owner) { SetKeys({kTab}); }
  bool MovesFocus = true;
  int TabsSeen = 0;

 protected:
  bool TabMovesFocus() override { return MovesFocus; }
  void KeyDown(WORD& key, TShiftState shift) override {
    if (key == VK_TAB) ++TabsSeen;
    TcxContainer::KeyDown(key, shift);
  }
};

// Tab pressed on the keyboard with the modifiers held, and the keys handled
// by the program's message loop.
void PressTab(std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> inputs;
  const auto key = [&inputs](WORD code, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  for (const WORD modifier : modifiers) key(modifier, 0);
  key(VK_TAB, 0);
  key(VK_TAB, KEYEVENTF_KEYUP);
  for (const WORD modifier : modifiers) key(modifier, KEYEVENTF_KEYUP);
  ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
  Application().ProcessMessages();
}

}  // namespace

// In tab order: a list box in the fixture's container, an edit in a second
// container, a container that takes Tab itself, a plain edit.
TEST_F(cxContainerControlTest, ATabKeystrokeMovesTheFocusThroughContainersAndTheirInnerControls) {
  auto* listBox = new TcxCustomInnerListBox(Container, Container);
  Container->SetInnerControl(listBox);
  TTestInnerEdit* edit = MakeContainer(10, 40)->AddInnerEdit();
  auto* tabContainer = new TTabContainer(Form.get());
  tabContainer->SetBounds(10, 70, 80, 24);
  tabContainer->SetParent(Form.get());
  auto* plainEdit = new TEdit(Form.get());
  plainEdit->SetBounds(10, 100, 80, 24);
  plainEdit->SetParent(Form.get());
  ProcessPendingMessages();
  SetForegroundWindow(Form->Handle());
  ASSERT_EQ(GetForegroundWindow(), Form->Handle());
  const struct {
    const char* Name;
    TWinControl* From;
    std::initializer_list<WORD> Modifiers;
    bool MovesFocus;
    TWinControl* To;
    int TabsSeen;
  } cases[] = {
      {"list box to the next container's edit", listBox, {}, true, edit, 0},
      {"back from the edit to the list box", edit, {VK_SHIFT}, true, listBox, 0},
      {"edit to the container that takes Tab", edit, {}, true, tabContainer, 0},
      {"that container moves on itself", tabContainer, {}, true, plainEdit, 1},
      {"and back", tabContainer, {VK_SHIFT}, true, edit, 1},
      {"with Ctrl it leaves Tab to the form", tabContainer, {VK_CONTROL}, true, plainEdit, 0},
      {"one that keeps Tab keeps the focus", tabContainer, {}, false, tabContainer, 1},
      {"from the last control round to the first", plainEdit, {}, true, listBox, 0},
  };
  for (const auto& c : cases) {
    tabContainer->MovesFocus = c.MovesFocus;
    tabContainer->TabsSeen = 0;
    c.From->SetFocus();
    ASSERT_EQ(GetFocus(), c.From->Handle()) << c.Name;
    PressTab(c.Modifiers);
    EXPECT_EQ(GetFocus(), c.To->Handle()) << c.Name;
    EXPECT_EQ(Form->ActiveControl(), c.To) << c.Name;
    EXPECT_EQ(tabContainer->TabsSeen, c.TabsSeen) << c.Name;
  }
}
