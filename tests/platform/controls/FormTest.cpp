#include <windows.h>
// The common controls' declarations build on windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/FormResources.h"
#include "platform/controls/core/Screen.h"
#include "tests/platform/controls/TestForm.h"

namespace {

// A form class whose resource the executable does not have.
class TMissingForm : public TForm {
 public:
  using TForm::TForm;
  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TMissingForm>("TMissingForm", TForm::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
};

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterClasses({TTestForm::StaticClass()});
    Application().SetModalHandler(nullptr);
  }

  static std::string PanelText(TStatusBar& statusBar, int index) {
    char text[256] = {};
    SendMessageA(statusBar.Handle(), SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text));
    return text;
  }
};

TEST_F(FormTest, EveryEmbeddedFormLoadsWithAllItsNamesResolved) {
  const std::vector<std::string> names = EmbeddedFormNames();
  ASSERT_NE(std::find(names.begin(), names.end(), "TTESTFORM"), names.end());
  for (const std::string& name : names) {
    const TClass cls = GetClass(name);
    ASSERT_NE(cls, nullptr) << "no registered form class for the resource " << name;
    EXPECT_NO_THROW(TOwned<TComponent>(cls->Create(nullptr))) << name;
  }
}

TEST_F(FormTest, IsBuiltFromItsResourceWithMembersAndHandlersBound) {
  auto form = CreateUnowned<TTestForm>();
  EXPECT_EQ(form->Name(), "TestForm");
  EXPECT_EQ(form->Log, std::vector<std::string>{"create"});
  ASSERT_NE(form->StatusBar, nullptr);
  EXPECT_EQ(form->StatusBar->Owner(), form.get());
  EXPECT_EQ(form->StatusBar->Parent(), form.get());
  EXPECT_EQ(form->ActiveControl(), form->StatusBar);

  char caption[64] = {};
  GetWindowTextA(form->Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Test form");
  const LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(GetParent(form->StatusBar->Handle()), form->Handle());

  form->SetWidth(100);
  EXPECT_EQ(form->Width(), 300);
  RECT bounds;
  GetWindowRect(form->Handle(), &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 300);
}

TEST_F(FormTest, AFormWithoutAResourceIsNotLeftWithItsOwner) {
  TComponent owner(nullptr);
  EXPECT_THROW(CreateComponent<TMissingForm>(&owner), EResNotFound);
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(FormTest, StatusBarPanelsReachTheWindow) {
  auto form = CreateUnowned<TTestForm>();
  TStatusBar& statusBar = *form->StatusBar;
  int edges[4] = {};
  ASSERT_EQ(SendMessageA(statusBar.Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[0], 100);
  EXPECT_EQ(edges[1], 250);
  EXPECT_EQ(edges[2], -1);
  EXPECT_EQ(PanelText(statusBar, 0), "0.0.0.0");
  EXPECT_EQ(PanelText(statusBar, 1), "Disconnected");
  EXPECT_EQ(PanelText(statusBar, 2), "");

  statusBar.Panels().Items(1).SetText("Connected");
  statusBar.Panels().Items(0).SetWidth(120);
  EXPECT_EQ(PanelText(statusBar, 1), "Connected");
  SendMessageA(statusBar.Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[1], 270);
  statusBar.Panels().Items(1).SetText("");
  statusBar.Panels().Items(0).SetText("10.0.0.1");
  EXPECT_EQ(PanelText(statusBar, 0), "10.0.0.1");
  EXPECT_EQ(PanelText(statusBar, 1), "");

  // A style change makes the form's windows again; the new bar starts blank.
  form->SetFormStyle(fsStayOnTop);
  ASSERT_EQ(SendMessageA(statusBar.Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[1], 270);
  EXPECT_EQ(PanelText(statusBar, 0), "10.0.0.1");
}

TEST_F(FormTest, ActiveControlIsClearedWhenItsControlGoes) {
  auto form = CreateUnowned<TTestForm>();
  form->StatusBar->Free();
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_EQ(form->ComponentCount(), 0);
}

TEST_F(FormTest, ShowModalReturnsTheResultTheModalHandlerSets) {
  auto form = CreateUnowned<TTestForm>();
  auto other = CreateUnowned<TTestForm>();
  other->Show();
  TForm* modalForm = nullptr;
  Application().SetModalHandler([&](TForm& shown) {
    modalForm = &shown;
    EXPECT_TRUE(IsWindowVisible(shown.Handle()));
    EXPECT_FALSE(IsWindowEnabled(other->Handle()));
    shown.SetModalResult(mrOk);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(modalForm, form.get());
  EXPECT_EQ(form->Log, (std::vector<std::string>{"create", "show", "close"}));
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(IsWindowEnabled(other->Handle()));
  EXPECT_THROW(other->ShowModal(), EInvalidOperation);
}

TEST_F(FormTest, OnCloseCanKeepAModalFormOpenUntilTheNextClose) {
  auto form = CreateUnowned<TTestForm>();
  int closes = 0;
  form->CloseRule = [&](TCloseAction& action) {
    if (++closes > 1) return;
    action = caNone;
    PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
  };
  Application().SetModalHandler([](TForm& shown) { shown.SetModalResult(mrOk); });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(closes, 2);
}

TEST_F(FormTest, CloseHidesAFormOrFreesItWhenOnCloseSaysSo) {
  TComponent owner(nullptr);
  auto* form = CreateComponent<TTestForm>(&owner);
  form->Show();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  form->Close();
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->Log.back(), "close");

  bool destroyed = false;
  form->DestroyedFlag = &destroyed;
  form->CloseRule = [](TCloseAction& action) { action = caFree; };
  form->Show();
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(destroyed);
  Application().ProcessMessages();
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(FormTest, ADialogIsCentredOnTheMainForm) {
  TTestForm* mainForm = nullptr;
  Application().CreateForm(mainForm);
  mainForm->SetBounds(100, 100, 800, 600);
  mainForm->HandleNeeded();
  auto dialog = CreateUnowned<TTestForm>();
  dialog->Show();
  EXPECT_EQ(dialog->Left(), 300);
  EXPECT_EQ(dialog->Top(), 250);
  RECT bounds;
  GetWindowRect(dialog->Handle(), &bounds);
  EXPECT_EQ(bounds.left, 300);
  mainForm->Free();
  EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST_F(FormTest, ABorderStyleSetOnAShownFormChangesItsFrameAndKeepsItsWindow) {
  auto form = CreateUnowned<TTestForm>();
  form->SetBounds(0, 0, 300, 200);
  form->Show();
  const HWND window = form->Handle();
  struct TCase {
    TFormBorderStyle Style;
    DWORD Present;
    DWORD Absent;
  };
  const TCase cases[] = {
      {bsNone, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU},
      {bsSingle, WS_CAPTION | WS_SYSMENU, WS_POPUP | WS_THICKFRAME},
      {bsSizeable, WS_CAPTION | WS_THICKFRAME, WS_POPUP},
  };
  for (const TCase& c : cases) {
    form->SetBorderStyle(c.Style);
    const DWORD style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & c.Present, c.Present) << c.Style;
    EXPECT_EQ(style & c.Absent, 0u) << c.Style;
    EXPECT_TRUE(style & WS_VISIBLE) << c.Style;
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right == 300 && client.bottom == 200, c.Style == bsNone) << c.Style;
  }
  EXPECT_EQ(form->Handle(), window);
}

}  // namespace
