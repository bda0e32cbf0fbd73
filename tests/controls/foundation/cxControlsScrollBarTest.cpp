#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/controls/cxControlsScrollBar.h"
#include "platform/controls/core/Form.h"
#include "platform/graphics/Colors.h"

namespace {

class ControlScrollBarEnvironment : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits(FoundationUnits()); }
  void TearDown() override { FinalizeUnits(); }
};
const testing::Environment* const gEnvironment = testing::AddGlobalTestEnvironment(new ControlScrollBarEnvironment);

class TRecordingBar : public TcxControlScrollBar {
 public:
  using TcxControlScrollBar::TcxControlScrollBar;
  int ShowingChanges = 0;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == CM_SHOWINGCHANGED) ++ShowingChanges;
    TcxControlScrollBar::WndProc(message);
  }
};

// A parent that answers for itself whether a click on a child focuses it.
class TDecidingForm : public TForm, public IcxFocusWhenChildIsClicked {
 public:
  TDecidingForm() : TForm(nullptr) {}
  bool FocusWhenChildIsClicked(TControl* child) override {
    AskedFor = child;
    return Agrees;
  }
  bool Agrees = true;
  TControl* AskedFor = nullptr;
};

class cxControlScrollBarTest : public testing::Test {
 protected:
  void SetUp() override {
    Form.reset(new TDecidingForm());
    Form->SetBounds(50, 50, 300, 300);
    Owner = std::make_unique<TcxLookAndFeel>(nullptr);
    Bar = new TRecordingBar(Form.get(), Owner.get());
    Bar->SetParent(Form.get());
    Bar->SetBounds(0, 283, 283, 17);
    Form->Show();
  }
  void TearDown() override {
    Form.reset();
    Owner.reset();
    Drain();
  }
  // Only the posted focus messages: a shown form keeps its WM_PAINT until painted.
  void Drain() {
    MSG rest;
    while (PeekMessageA(&rest, nullptr, WM_SETFOCUS, WM_SETFOCUS, PM_REMOVE)) {
    }
  }
  // Whether the form got a WM_SETFOCUS posted, and the window it names.
  bool FocusPosted(HWND& focused) {
    MSG posted;
    if (!PeekMessageA(&posted, Form->Handle(), WM_SETFOCUS, WM_SETFOCUS, PM_REMOVE)) return false;
    focused = reinterpret_cast<HWND>(posted.wParam);
    return true;
  }
  // A press outside the arrows, thumb and pages: the bar itself does nothing.
  void Click() { Bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({-5, -5})); }

  TOwned<TDecidingForm> Form;
  std::unique_ptr<TcxLookAndFeel> Owner;
  TRecordingBar* Bar = nullptr;
};

TEST_F(cxControlScrollBarTest, StartsHiddenUnframedAndFollowingTheControlsLook) {
  EXPECT_FALSE(Bar->Visible());
  EXPECT_EQ(Bar->Color(), clBtnFace);
  EXPECT_FALSE(Bar->ControlStyle().Contains(csFramed));
  EXPECT_TRUE(Bar->ControlStyle().Contains(csNoDesignVisible));
  EXPECT_TRUE(Bar->ControlStyle().Contains(csCaptureMouse));
  EXPECT_EQ(Bar->LookAndFeel().GetMasterLookAndFeel(), Owner.get());
  Owner->SetKind(lfOffice11);
  EXPECT_EQ(Bar->LookAndFeel().Kind(), lfOffice11);
  EXPECT_EQ(Bar->Perform(CM_DESIGNHITTEST), 1);
}

struct TApplyCase {
  std::string Name;
  TcxScrollBarData Data;
  bool Visible, Enabled;
  int Max, PageSize, Position, SmallChange, LargeChange;
  bool ShowingChanged;
};

TEST_F(cxControlScrollBarTest, ApplyDataTakesTheRangeOnlyOfABarItShows) {
  const TApplyCase cases[] = {
      {"shown", {10, 500, 40, 50, 3, 50, true, true, true, true}, true, true, 500, 50, 40, 3, 50, true},
      {"shown again", {10, 400, 60, 20, 2, 20, true, true, true, true}, true, true, 400, 20, 60, 2, 20, false},
      {"shown disabled", {10, 400, 60, 20, 2, 20, false, true, true, false}, true, false, 400, 20, 60, 2, 20, false},
      {"hidden keeps the range it had",
       {0, 9, 0, 5, 9, 9, true, false, true, true},
       false,
       true,
       400,
       20,
       60,
       2,
       20,
       true},
  };
  for (const TApplyCase& c : cases) {
    Bar->ShowingChanges = 0;
    Bar->Data() = c.Data;
    Bar->ApplyData();
    EXPECT_EQ(Bar->Visible(), c.Visible) << c.Name;
    EXPECT_EQ(Bar->Enabled(), c.Enabled) << c.Name;
    EXPECT_EQ(Bar->Max(), c.Max) << c.Name;
    EXPECT_EQ(Bar->PageSize(), c.PageSize) << c.Name;
    EXPECT_EQ(Bar->Position(), c.Position) << c.Name;
    EXPECT_EQ(Bar->SmallChange(), c.SmallChange) << c.Name;
    EXPECT_EQ(Bar->LargeChange(), c.LargeChange) << c.Name;
    EXPECT_EQ(Bar->ShowingChanges > 0, c.ShowingChanged) << c.Name;
  }
}

TEST_F(cxControlScrollBarTest, ShowDisabledShowsTheBarGreyedWhateverItsData) {
  Bar->ShowDisabled();
  EXPECT_TRUE(Bar->Visible());
  EXPECT_FALSE(Bar->Enabled());
  EXPECT_FALSE(Bar->Data().Visible);
}

TEST_F(cxControlScrollBarTest, AClickAsksADecidingParentAndPostsItTheFocus) {
  for (bool agrees : {true, false}) {
    Form->Agrees = agrees;
    Form->AskedFor = nullptr;
    Click();
    EXPECT_EQ(Form->AskedFor, Bar) << agrees;
    HWND focused = reinterpret_cast<HWND>(-1);
    EXPECT_EQ(FocusPosted(focused), agrees) << agrees;
    if (agrees) {
      EXPECT_EQ(focused, GetFocus());
    }
    Drain();
  }
}

TEST_F(cxControlScrollBarTest, AnotherParentTakesTheFocusWhenItCanFocus) {
  TOwned<TForm> plain(new TForm(nullptr));
  plain->SetBounds(50, 50, 200, 200);
  auto* bar = new TcxControlScrollBar(plain.get(), nullptr);
  bar->SetParent(plain.get());
  plain->Show();
  const struct {
    std::string Name;
    bool Enabled;
    bool Posted;
  } cases[] = {{"enabled", true, true}, {"disabled", false, false}};
  for (const auto& c : cases) {
    plain->SetEnabled(c.Enabled);
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({-5, -5}));
    MSG posted;
    EXPECT_EQ(PeekMessageA(&posted, plain->Handle(), WM_SETFOCUS, WM_SETFOCUS, PM_REMOVE) != 0, c.Posted) << c.Name;
  }
}

}  // namespace
