// The choice controls of the configuration dialogs, driven through their
// windows: when each runs its event, what it shows, and how pages switch.
#include <windows.h>
// The common controls' declarations build on windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/core/Application.h"
#include "tests/platform/controls/ChoiceForm.h"

namespace {

using TLog = std::vector<std::string>;
using TAction = std::function<void(TChoiceForm&)>;

// One thing done to the form, the state the control must then have, and the events it ran.
struct TStep {
  const char* Does;
  TAction Act;
  int Expected;
  TLog Log;
};

bool WindowChecked(TButtonControl& button) { return SendMessageA(button.Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void UserClick(TButtonControl& button) { SendMessageA(button.Handle(), BM_CLICK, 0, 0); }

RECT TabRect(TPageControl& pages, int index) {
  RECT rect{};
  TabCtrl_GetItemRect(pages.Handle(), index, &rect);
  return rect;
}

void ClickTab(TPageControl& pages, int index) {
  const RECT tab = TabRect(pages, index);
  const LPARAM point = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  SendMessageA(pages.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(pages.Handle(), WM_LBUTTONUP, 0, point);
}

// As a program driving the tab control does it: the selection moves, then the parent is told.
void SelectTabAndNotify(TPageControl& pages, int index) {
  const HWND tabs = pages.Handle();
  TabCtrl_SetCurSel(tabs, index);
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

std::string TabText(TPageControl& pages, int index) {
  char text[64] = {};
  TCITEMA item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
  SendMessageA(pages.Handle(), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
  return text;
}

TStringList Lines(std::initializer_list<const char*> texts) {
  TStringList lines;
  for (const char* text : texts) lines.Add(text);
  return lines;
}

class ChoiceControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterClasses({TChoiceForm::StaticClass()});
    Form = CreateUnowned<TChoiceForm>();
    Form->HandleNeeded();
  }

  // Runs the steps in order; `state` reads what the control shows.
  void RunSteps(const std::vector<TStep>& steps, const std::function<int(TChoiceForm&)>& state) {
    for (const TStep& step : steps) {
      SCOPED_TRACE(step.Does);
      Form->Log.clear();
      step.Act(*Form);
      EXPECT_EQ(state(*Form), step.Expected);
      EXPECT_EQ(Form->Log, step.Log);
    }
  }

  // Only the active sheet is in sight, and the tab control has its tab chosen.
  static void ExpectOnlyActiveSheetShown(TPageControl& pages) {
    for (int i = 0; i < pages.PageCount(); ++i)
      EXPECT_EQ(IsWindowVisible(pages.Pages(i)->Handle()) != FALSE, i == pages.ActivePageIndex()) << "page " << i;
    EXPECT_EQ(TabCtrl_GetCurSel(pages.Handle()), pages.ActivePageIndex());
  }

  TOwned<TChoiceForm> Form;
};

TEST_F(ChoiceControlsTest, TheFormSetsTheInitialChoicesWithoutRunningEvents) {
  EXPECT_EQ(Form->Log, TLog{});
  EXPECT_TRUE(WindowChecked(Form->Speed->Buttons(0)));
  EXPECT_EQ(Form->Speed->Buttons(2).Caption(), "Auto");
  EXPECT_TRUE(WindowChecked(*Form->Nego));
  EXPECT_TRUE(WindowChecked(*Form->ModeA));
  EXPECT_EQ(Form->Pages->ActivePage(), Form->ModeSheet);
  Form->Show();
  ExpectOnlyActiveSheetShown(*Form->Pages);
}

TEST_F(ChoiceControlsTest, ARadioGroupClicksWheneverItsIndexChangesAndOnlyThen) {
  auto code = [](int index) -> TAction { return [index](TChoiceForm& form) { form.Speed->SetItemIndex(index); }; };
  auto user = [](int index) -> TAction {
    return [index](TChoiceForm& form) { UserClick(form.Speed->Buttons(index)); };
  };
  auto items = [](TStringList lines) -> TAction { return [lines](TChoiceForm& form) { form.Speed->Items() = lines; }; };
  RunSteps({{"the program picks another line", code(1), 1, {"speed 1"}},
            {"the program picks the same line", code(1), 1, {}},
            {"the user clicks another button", user(2), 2, {"speed 2"}},
            {"the user clicks the chosen button", user(2), 2, {}},
            {"the program picks none", code(-1), -1, {"speed -1"}},
            {"the user picks a line from none", user(0), 0, {"speed 0"}},
            {"an index past the lines means none", code(7), -1, {"speed -1"}},
            {"the program picks the last line", code(2), 2, {"speed 2"}},
            {"new lines that still name the index", items(Lines({"A", "B", "C"})), 2, {}},
            {"new lines that no longer do", items(Lines({"Enable", "Disable"})), -1, {"speed -1"}}},
           [](TChoiceForm& form) {
             // The buttons are the lines, and only the chosen one is checked in its window.
             TRadioGroup& speed = *form.Speed;
             for (int i = 0; i < speed.Items().Count(); ++i) {
               EXPECT_EQ(speed.Buttons(i).Caption(), speed.Items()[i]);
               EXPECT_EQ(WindowChecked(speed.Buttons(i)), i == speed.ItemIndex()) << "button " << i;
             }
             return speed.ItemIndex();
           });
}

TEST_F(ChoiceControlsTest, ARadioGroupFillsItsColumnsTopDownAndCarriesEnabledToItsButtons) {
  TRadioGroup& speed = *Form->Speed;
  EXPECT_EQ(speed.Buttons(1).Left(), speed.Buttons(0).Left());
  EXPECT_GT(speed.Buttons(1).Top(), speed.Buttons(0).Top());
  EXPECT_EQ(speed.Buttons(2).Top(), speed.Buttons(0).Top());
  EXPECT_GE(speed.Buttons(2).Left(), speed.Buttons(0).Left() + speed.Buttons(0).Width());
  EXPECT_LE(speed.Buttons(2).Left() + speed.Buttons(2).Width(), speed.Width());

  // Buttons made while the group is disabled are disabled too.
  speed.SetEnabled(false);
  speed.Items() = Lines({"Enable", "Disable"});
  EXPECT_FALSE(IsWindowEnabled(speed.Buttons(1).Handle()));
  speed.SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(speed.Buttons(1).Handle()));
}

TEST_F(ChoiceControlsTest, ACheckBoxClicksOnEveryChangeOfCheckedAndOnlyThen) {
  auto code = [](bool checked) -> TAction { return [checked](TChoiceForm& form) { form.Nego->SetChecked(checked); }; };
  auto space = [](TChoiceForm& form) {
    SendMessageA(form.Nego->Handle(), WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(form.Nego->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
  };
  RunSteps({{"the user clicks it", [](TChoiceForm& form) { UserClick(*form.Nego); }, false, {"nego off"}},
            {"the user presses space", space, true, {"nego on"}},
            {"the program checks it again", code(true), true, {}},
            {"the program clears it", code(false), false, {"nego off"}}},
           [](TChoiceForm& form) {
             EXPECT_EQ(WindowChecked(*form.Nego), form.Nego->Checked());
             return form.Nego->Checked();
           });
}

TEST_F(ChoiceControlsTest, ARadioButtonClearsItsSiblingsAndClicksWhenItBecomesChecked) {
  auto user = [](TRadioButton* TChoiceForm::*button) -> TAction {
    return [button](TChoiceForm& form) { UserClick(*(form.*button)); };
  };
  auto code = [](TRadioButton* TChoiceForm::*button, bool checked) -> TAction {
    return [button, checked](TChoiceForm& form) { (form.*button)->SetChecked(checked); };
  };
  RunSteps({{"the user checks the other button", user(&TChoiceForm::ModeB), 2, {"ModeB"}},
            {"the user clicks the checked button", user(&TChoiceForm::ModeB), 2, {}},
            {"the program checks the first", code(&TChoiceForm::ModeA, true), 1, {"ModeA"}},
            {"the program clears the checked one", code(&TChoiceForm::ModeA, false), 0, {}}},
           [](TChoiceForm& form) {
             EXPECT_EQ(WindowChecked(*form.ModeB), form.ModeB->Checked());
             return WindowChecked(*form.ModeA) + 2 * WindowChecked(*form.ModeB);
           });
  // The buttons of another parent are another choice.
  EXPECT_TRUE(WindowChecked(Form->Speed->Buttons(0)));
}

TEST_F(ChoiceControlsTest, ADropDownListChangesOnlyWhenTheUserChoosesAnotherLine) {
  auto down = [](TChoiceForm& form) { SendMessageA(form.Clock->Handle(), WM_KEYDOWN, VK_DOWN, 1); };
  RunSteps({{"the user chooses the first line", down, 0, {"clock 0"}},
            {"the user chooses the next line", down, 1, {"clock 1"}},
            {"the user goes past the last line", down, 1, {}},
            {"the program chooses", [](TChoiceForm& form) { form.Clock->SetItemIndex(0); }, 0, {}},
            {"the user chooses again", down, 1, {"clock 1"}}},
           [](TChoiceForm& form) { return form.Clock->ItemIndex(); });
}

TEST_F(ChoiceControlsTest, ASheetShowsWhenItsPageBecomesActiveByClickOrByCode) {
  Form->Show();
  auto code = [](int index) -> TAction {
    return [index](TChoiceForm& form) { form.Pages->SetActivePageIndex(index); };
  };
  auto click = [](int index) -> TAction { return [index](TChoiceForm& form) { ClickTab(*form.Pages, index); }; };
  RunSteps({{"the user clicks a tab", click(0), 0, {"show EthSheet"}},
            {"the user clicks the same tab", click(0), 0, {}},
            {"the program activates a page", code(2), 2, {"show NestedSheet"}},
            {"the program activates it again", code(2), 2, {}},
            {"an index that names no page", code(3), 2, {}},
            {"the tab control tells of a new selection",
             [](TChoiceForm& form) { SelectTabAndNotify(*form.Pages, 1); },
             1,
             {"show ModeSheet"}}},
           [](TChoiceForm& form) {
             ExpectOnlyActiveSheetShown(*form.Pages);
             return form.Pages->ActivePageIndex();
           });

  // A nested page control switches on its own.
  Form->Pages->SetActivePageIndex(2);
  Form->Log.clear();
  ClickTab(*Form->InnerPages, 1);
  EXPECT_EQ(Form->Log, TLog{"show InnerSecond"});
  EXPECT_EQ(Form->Pages->ActivePageIndex(), 2);
  ExpectOnlyActiveSheetShown(*Form->InnerPages);
}

// A page hidden when the form is made gets its windows when first turned to,
// laid in the order of its controls (the order Tab takes), and the check and
// choice it was given while it had no window.
TEST_F(ChoiceControlsTest, AHiddenPageMakesItsWindowsWhenFirstTurnedTo) {
  Form->Show();
  EXPECT_FALSE(Form->EthSheet->HandleAllocated());
  EXPECT_FALSE(Form->Nego->HandleAllocated());
  EXPECT_TRUE(Form->ModeA->HandleAllocated());
  Form->Nego->SetChecked(false);

  Form->Pages->SetActivePageIndex(0);
  ASSERT_TRUE(Form->EthSheet->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(Form->Nego->Handle()));
  std::vector<HWND> inZOrder, inControlOrder;
  for (HWND window = GetWindow(Form->EthSheet->Handle(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT))
    inZOrder.push_back(window);
  for (int i = 0; i < Form->EthSheet->ControlCount(); ++i)
    inControlOrder.push_back(static_cast<TWinControl*>(Form->EthSheet->Controls(i))->Handle());
  EXPECT_EQ(inZOrder, inControlOrder);
  EXPECT_FALSE(WindowChecked(*Form->Nego));
  EXPECT_TRUE(WindowChecked(Form->Speed->Buttons(0)));
}

// The sheets go before the form's other components do: a sheet's handler
// run then would find them freed.
TEST_F(ChoiceControlsTest, SheetsFreedWithTheirFormShowNoOtherPage) {
  Form->Show();
  Form->Pages->SetActivePageIndex(2);
  TLog shown;
  for (int i = 0; i < Form->Pages->PageCount(); ++i)
    Form->Pages->Pages(i)->SetOnShow(
        [&shown](TObject* sender) { shown.push_back(static_cast<TComponent*>(sender)->Name()); });
  Form.reset();
  EXPECT_EQ(shown, TLog{});
}

TEST_F(ChoiceControlsTest, TabsFollowSheetsAndCaptionsAndWrapIntoRowsAboveThePages) {
  Form->Show();
  TPageControl& pages = *Form->Pages;
  Form->EthSheet->SetCaption("FX1 ");
  EXPECT_EQ(TabText(pages, 0), "FX1 ");
  for (int i = 1; i <= 6; ++i) {
    auto* sheet = CreateComponent<TTabSheet>(Form.get());
    sheet->SetCaption("Ethernet port " + std::to_string(i));
    sheet->SetParent(&pages);
  }
  EXPECT_EQ(TabText(pages, 8), "Ethernet port 6");
  EXPECT_GT(TabCtrl_GetRowCount(pages.Handle()), 1);
  for (int i = 0; i < pages.PageCount(); ++i) EXPECT_LE(TabRect(pages, i).bottom, pages.ActivePage()->Top());
  ExpectOnlyActiveSheetShown(pages);

  pages.SetMultiLine(false);
  EXPECT_EQ(TabCtrl_GetRowCount(pages.Handle()), 1);
  EXPECT_EQ(TabCtrl_GetItemCount(pages.Handle()), 9);
  ExpectOnlyActiveSheetShown(pages);

  // The page that takes the tab of the active page that goes becomes active.
  Form->Log.clear();
  Form->ModeSheet->Free();
  EXPECT_EQ(Form->Log, TLog{"show NestedSheet"});
  EXPECT_EQ(TabCtrl_GetItemCount(pages.Handle()), 8);
  ExpectOnlyActiveSheetShown(pages);
}

TEST_F(ChoiceControlsTest, PopupItemsRefilledAtRunTimeKeepTheirCaptionsExactly) {
  TPopupMenu& popup = *Form->Popup;
  for (const auto& captions : {TLog{"None", "Loop"}, TLog{"Active", "Inactive"}}) {
    popup.Items().Clear();
    for (const std::string& caption : captions) {
      auto* item = CreateComponent<TMenuItem>(&popup);
      item->SetCaption(caption);
      popup.Items().Add(item);
    }
  }
  // The items of the first filling are gone, not only out of the menu.
  EXPECT_EQ(popup.ComponentCount(), 2);
  const TMenuHandle menu(CreatePopupMenu());
  popup.Items().AppendItems(menu.get());
  char text[16] = {};
  GetMenuStringA(menu.get(), 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Inactive");
  EXPECT_EQ(popup.Items().Items(0)->Caption(), "Active");
}

}  // namespace
