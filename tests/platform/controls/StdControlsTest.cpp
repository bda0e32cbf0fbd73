#include <windows.h>
// The common controls' declarations build on windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/core/Application.h"
#include "platform/controls/standard/CheckBox.h"
#include "tests/platform/controls/Capture.h"
#include "tests/platform/controls/TControlsForm.h"

namespace {

std::string Text(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string MenuText(HMENU menu, int position) {
  char text[64] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

void ClickAt(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
  SendMessageA(window, WM_LBUTTONUP, 0, Point(x, y));
}

void Type(HWND window, const std::string& text) {
  for (char c : text) SendMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PostKey(HWND window, WORD key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

class StdControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterClasses({TControlsForm::StaticClass()});
    Application().SetModalHandler(nullptr);
    Form = CreateUnowned<TControlsForm>();
    Form->HandleNeeded();
  }
  void TearDown() override { Application().SetModalHandler(nullptr); }

  // Runs the form modally; `act` plays the user once the form is shown.
  TModalResult ShowModal(std::function<void(TControlsForm&)> act) {
    Application().SetModalHandler([&act](TForm& form) { act(static_cast<TControlsForm&>(form)); });
    return Form->ShowModal();
  }

  TOwned<TControlsForm> Form;
};

TEST_F(StdControlsTest, TheFormResourceSetsEveryControlsPublishedProperties) {
  EXPECT_EQ(Form->Menu(), Form->MainMenu);
  EXPECT_EQ(Text(Form->Community->Handle()), "kolmer");
  EXPECT_EQ(SendMessageA(Form->Community->Handle(), EM_GETLIMITTEXT, 0, 0), 31);
  EXPECT_EQ(Form->Address->MaxValue(), 255);
  EXPECT_TRUE(GetWindowLongA(Form->Version->Handle(), GWL_STYLE) & CBS_DROPDOWNLIST);
  EXPECT_EQ(Form->Version->ItemIndex(), 0);
  EXPECT_EQ(Text(Form->Version->Handle()), "SNMPv1");
  EXPECT_EQ(Form->WebLabel->Caption(), "www.example.com");
  EXPECT_EQ(Form->WebLabel->Cursor(), crHandPoint);
  EXPECT_EQ(Form->Splitter->Cursor(), crHSplit);

  // A caption given before the kind stays; the kind makes the button the default OK button.
  EXPECT_EQ(Text(Form->OkButton->Handle()), "Ok");
  EXPECT_TRUE(Form->OkButton->Default());
  EXPECT_EQ(Form->OkButton->ModalResult(), mrOk);
  EXPECT_EQ(GetWindowLongA(Form->OkButton->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(Form->CloseButton->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

  EXPECT_EQ(Form->Images->Count(), 3);
  EXPECT_EQ(SendMessageA(Form->ToolBar->Handle(), TB_BUTTONCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(Form->ToolBar->Handle(), TB_GETIMAGELIST, 0, 0),
            reinterpret_cast<LRESULT>(Form->Images->Handle()));
}

TEST_F(StdControlsTest, TheMenuBarShowsNestedItemsSeparatorsAndActionCaptions) {
  const HMENU bar = GetMenu(Form->Handle());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  EXPECT_EQ(MenuText(bar, 0), "&File");
  const HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 3);
  EXPECT_EQ(MenuText(file, 0), "New");
  EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(MenuText(file, 2), "&Version");

  Form->VersionAction->SetCaption("&Versions");
  Form->VersionAction->SetEnabled(false);
  const HMENU rebuilt = GetSubMenu(GetMenu(Form->Handle()), 0);
  EXPECT_EQ(MenuText(rebuilt, 2), "&Versions");
  EXPECT_TRUE(GetMenuState(rebuilt, 2, MF_BYPOSITION) & MF_GRAYED);

  Form->VersionItem->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(Form->Handle()), 0)), 2);
}

TEST_F(StdControlsTest, AMenuCommandRunsTheItemsHandlerOrItsAction) {
  const HMENU file = GetSubMenu(GetMenu(Form->Handle()), 0);
  SendMessageA(Form->Handle(), WM_COMMAND, GetMenuItemID(file, 0), 0);
  SendMessageA(Form->Handle(), WM_COMMAND, GetMenuItemID(file, 2), 0);
  EXPECT_EQ(Form->Log, (std::vector<std::string>{"new", "version"}));

  // A disabled action runs nothing; a deleted one leaves its item without it.
  Form->VersionAction->SetEnabled(false);
  SendMessageA(Form->Handle(), WM_COMMAND, Form->VersionItem->Command(), 0);
  Form->VersionAction->Free();
  EXPECT_EQ(Form->VersionItem->Action(), nullptr);
  Form->VersionItem->SetEnabled(true);
  SendMessageA(Form->Handle(), WM_COMMAND, Form->VersionItem->Command(), 0);
  EXPECT_EQ(Form->Log.size(), 2u);
}

// A control bound to an action shows it and runs it when clicked without a
// handler of its own; the action freed leaves it unbound and clickable.
TEST_F(StdControlsTest, AButtonBoundToAnActionShowsAndRunsItUntilTheActionGoes) {
  auto* button = new TButton(Form.get());
  button->SetParent(Form->ClientPanel);
  button->SetAction(Form->VersionAction);
  EXPECT_EQ(Text(button->Handle()), "&Version");
  Form->VersionAction->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  Form->VersionAction->SetEnabled(true);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  button->SetOnClick([this](TObject*) { Form->Log.push_back("own"); });
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Form->Log, (std::vector<std::string>{"version", "own"}));

  Form->VersionAction->Free();
  EXPECT_EQ(button->Action(), nullptr);
  button->SetOnClick(nullptr);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Form->Log.size(), 2u);
}

TEST_F(StdControlsTest, MenuCommandNumbersAreUniqueAndReusedAfterTheirItemsGo) {
  auto other = CreateUnowned<TControlsForm>();
  EXPECT_NE(other->VersionItem->Command(), Form->VersionItem->Command());
  const WORD freed = other->VersionItem->Command();
  other.reset();
  TMenuItem item(nullptr);
  EXPECT_LE(item.Command(), freed);
  EXPECT_GE(item.Command(), 100);
}

TEST_F(StdControlsTest, ListBoxItemsAndSelectionFollowTheWindowBothWays) {
  TListBox& devices = *Form->Devices;
  const HWND window = devices.Handle();
  devices.Items().Add("Dev3");
  ASSERT_EQ(SendMessageA(window, LB_GETCOUNT, 0, 0), 3);
  char text[16] = {};
  SendMessageA(window, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Dev3");
  EXPECT_EQ(devices.ItemIndex(), -1);

  // Clicking a line selects it and runs OnClick with the line selected.
  const int itemHeight = static_cast<int>(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0));
  ClickAt(window, 5, itemHeight + itemHeight / 2);
  EXPECT_EQ(devices.ItemIndex(), 1);
  EXPECT_EQ(Form->Log, std::vector<std::string>{"device 1"});

  devices.SetItemIndex(2);
  EXPECT_EQ(SendMessageA(window, LB_GETCURSEL, 0, 0), 2);
  // Edits of the list keep the selected line selected, wherever it moves.
  devices.Items().Delete(0);
  EXPECT_EQ(devices.ItemIndex(), 1);
  devices.Items().SetStrings(1, "Dev9");
  EXPECT_EQ(devices.ItemIndex(), 1);
  SendMessageA(window, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Dev9");
  devices.Items().Delete(1);
  EXPECT_EQ(devices.ItemIndex(), -1);
  devices.Items().Clear();
  EXPECT_EQ(SendMessageA(window, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(StdControlsTest, ComboDropDownListChoosesByKeyAndFollowsItsItems) {
  TComboBox& version = *Form->Version;
  SendMessageA(version.Handle(), WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(version.ItemIndex(), 1);
  EXPECT_EQ(version.Text(), "SNMPV2");
  EXPECT_EQ(Form->Log, std::vector<std::string>{"version 1"});

  version.SetItemIndex(-1);
  EXPECT_EQ(SendMessageA(version.Handle(), CB_GETCURSEL, 0, 0), CB_ERR);
  version.Items().Add("SNMPv3");
  EXPECT_EQ(SendMessageA(version.Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(Form->Log.size(), 1u);
}

TEST_F(StdControlsTest, TheEditWindowEnforcesMaxLengthAndTextFollowsTyping) {
  const HWND window = Form->Community->Handle();
  SetWindowTextA(window, "");
  Form->Log.clear();
  Type(window, std::string(40, 'x'));
  EXPECT_EQ(Form->Community->Text(), std::string(31, 'x'));
  EXPECT_EQ(Form->Log.back(), "community " + std::string(31, 'x'));
  // A text the program sets is what the window shows, even after the user typed.
  Form->Community->SetText("kolmer");
  EXPECT_EQ(Text(window), "kolmer");
  EXPECT_EQ(Form->Log.back(), "community kolmer");
}

TEST_F(StdControlsTest, SpinEditClampsTypedAndSteppedValuesToItsBounds) {
  TSpinEdit& address = *Form->Address;
  const HWND edit = address.EditHandle();
  SetWindowTextA(edit, "300");
  EXPECT_EQ(address.Value(), 255);
  // Leaving the edit keeps what the user typed, for the form to judge.
  SendMessageA(address.Handle(), WM_COMMAND, MAKEWPARAM(0, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(Text(edit), "300");

  address.SetValue(254);
  SendMessageA(edit, WM_KEYDOWN, VK_UP, 1);
  EXPECT_EQ(address.Value(), 255);
  SendMessageA(edit, WM_KEYDOWN, VK_UP, 1);
  EXPECT_EQ(address.Value(), 255);
  EXPECT_EQ(Text(edit), "255");

  address.SetValue(1);
  SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 1);
  SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(address.Value(), 0);
  EXPECT_EQ(Text(edit), "0");

  SetWindowTextA(edit, "");
  EXPECT_EQ(address.Value(), 0);
  SetWindowTextA(edit, "7X");
  EXPECT_EQ(address.Value(), 0);
  address.SetValue(-5);
  EXPECT_EQ(address.Value(), 0);
  address.SetValue(1000);
  EXPECT_EQ(Text(edit), "255");
}

TEST_F(StdControlsTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
  EXPECT_EQ(ShowModal([](TControlsForm& form) { PostKey(form.Community->Handle(), VK_RETURN); }), mrOk);
  EXPECT_EQ(Form->Log, std::vector<std::string>{"ok"});
  EXPECT_EQ(ShowModal([](TControlsForm& form) { PostKey(form.Community->Handle(), VK_ESCAPE); }), mrCancel);
  EXPECT_EQ(Form->Log.size(), 1u);
}

TEST_F(StdControlsTest, EnterPressesTheFocusedButtonRatherThanTheDefault) {
  EXPECT_EQ(ShowModal([](TControlsForm& form) {
              form.CloseButton->SetFocus();
              PostKey(form.CloseButton->Handle(), VK_RETURN);
            }),
            mrCancel);
  EXPECT_TRUE(Form->Log.empty());
}

TEST_F(StdControlsTest, TabMovesTheFocusThroughTheControlsInsideContainers) {
  ShowModal([](TControlsForm& form) {
    form.Community->SetFocus();
    PostKey(form.Community->Handle(), VK_TAB);
    Application().ProcessMessages();
    EXPECT_EQ(GetFocus(), form.Address->EditHandle());
    form.SetModalResult(mrOk);
  });
}

// TabStop tells what the window is, and turning it off stays off when the window is made again.
TEST_F(StdControlsTest, ButtonsCheckBoxesListsAndCombosAreTabStopsAsTheirWindowsSay) {
  auto* check = new TCheckBox(Form.get());
  check->SetName("Check");
  check->SetParent(Form->ClientPanel);
  for (TWinControl* control :
       std::initializer_list<TWinControl*>{Form->OkButton, check, Form->Devices, Form->Version}) {
    EXPECT_TRUE(control->TabStop()) << control->Name();
    EXPECT_TRUE(GetWindowLongA(control->Handle(), GWL_STYLE) & WS_TABSTOP) << control->Name();
    control->SetTabStop(false);
    control->RecreateWnd();
    EXPECT_FALSE(GetWindowLongA(control->Handle(), GWL_STYLE) & WS_TABSTOP) << control->Name();
  }
}

TEST_F(StdControlsTest, ClickingALabelOrAToolButtonRunsItsHandler) {
  const POINT onLabel = HostPoint(*Form->WebLabel, 2, 2);
  ClickAt(HostWindow(*Form->WebLabel), onLabel.x, onLabel.y);
  RECT button{};
  SendMessageA(Form->ToolBar->Handle(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
  ClickAt(Form->ToolBar->Handle(), (button.left + button.right) / 2, (button.top + button.bottom) / 2);
  EXPECT_EQ(Form->Log, (std::vector<std::string>{"web", "reset"}));
  // The label's cursor shows over it, although the window under the pointer is its frame's.
  const HWND frame = HostWindow(*Form->WebLabel);
  SetCursorPos(Form->WebLabel->ClientToScreen(POINT{2, 2}).x, Form->WebLabel->ClientToScreen(POINT{2, 2}).y);
  EXPECT_EQ(SendMessageA(frame, WM_SETCURSOR, reinterpret_cast<WPARAM>(frame), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
}

TEST_F(StdControlsTest, AlignedControlsShareTheClientAreaAfterAResize) {
  Form->SetBounds(0, 0, 800, 600);
  RECT client;
  GetClientRect(Form->Handle(), &client);
  const TStatusBar& status = *Form->StatusBar;
  const TToolBar& tools = *Form->ToolBar;
  EXPECT_EQ(status.Top() + status.Height(), client.bottom);
  EXPECT_EQ(status.Width(), client.right);
  EXPECT_EQ(tools.Top(), 0);
  EXPECT_EQ(tools.Width(), client.right);
  const TPanel& left = *Form->LeftPanel;
  const TPanel& rest = *Form->ClientPanel;
  EXPECT_EQ(left.Left(), 0);
  EXPECT_EQ(left.Top(), tools.Height());
  EXPECT_EQ(left.Height(), status.Top() - tools.Height());
  EXPECT_EQ(Form->Splitter->Left(), left.Width());
  EXPECT_EQ(rest.Left(), left.Width() + Form->Splitter->Width());
  EXPECT_EQ(rest.Left() + rest.Width(), client.right);
  EXPECT_EQ(rest.Height(), left.Height());
  // The list box fills its panel.
  EXPECT_EQ(Form->Devices->Height(), left.Height());

  // The minimum width holds, and dragging the splitter widens the left panel at the client panel's cost.
  Form->SetWidth(100);
  EXPECT_EQ(Form->Width(), 400);
  Form->SetWidth(800);
  const int width = left.Width();
  // The splitter lives on the form's window: the form hands it the mouse.
  const int grip = Form->Splitter->Left() + 1;
  const int y = Form->Splitter->Top() + 10;
  SendMessageA(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(grip, y));
  SendMessageA(Form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Point(grip + 50, y));
  SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, Point(grip + 50, y));
  EXPECT_EQ(left.Width(), width + 50);
  EXPECT_EQ(rest.Left(), left.Width() + Form->Splitter->Width());
  EXPECT_EQ(rest.Left() + rest.Width(), client.right);
  // Never past the far edge.
  const int moved = Form->Splitter->Left() + 1;
  SendMessageA(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(moved, y));
  SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, Point(moved + 5000, y));
  EXPECT_EQ(rest.Width(), Form->Splitter->MinSize());
}

TEST(ExecutableResourcesTest, CarryTheProgramsIconAndVersion) {
  EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), "MAINICON"), nullptr);
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::vector<char> info(GetFileVersionInfoSizeA(path, nullptr));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 1));
  char* product = nullptr;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\ProductName", reinterpret_cast<void**>(&product),
                             &size));
  EXPECT_STREQ(product, "NEPL");
}

}  // namespace

TEST_F(StdControlsTest, LabelsAndFramesSitOnTheFaceColourOfTheirWindow) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(face, RGB(255, 255, 255));
  const HWND frame = HostWindow(*Form->WebLabel);

  TBitmap inside;
  RECT client{};
  GetClientRect(frame, &client);
  inside.SetSize(client.right, client.bottom);
  SendMessageA(frame, WM_ERASEBKGND, reinterpret_cast<WPARAM>(inside.DC()), 0);
  EXPECT_EQ(PixelAt(inside, client.right / 2, client.bottom - 4), face);

  TBitmap text;
  CaptureControl(*Form->WebLabel, text);
  EXPECT_EQ(PixelAt(text, 0, Form->WebLabel->Height() - 1), face);
}
