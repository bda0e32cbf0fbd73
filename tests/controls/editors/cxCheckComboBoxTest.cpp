// The check-list combo box on real windows: the text its states show, the
// states the program reads and writes, the user's toggles in the open list
// by Space and by the mouse, the states following their items when items
// go, and the value always decoding back to the states.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/check/cxCheckComboBox.h"
#include "controls/editors/check/cxCheckComboBoxList.h"
#include "controls/editors/text/cxTextEdit.h"
#include "platform/classes/FormReader.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "tests/controls/foundation/FoundationFixture.h"
#include "tests/platform/controls/Capture.h"

namespace {

void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++count)
    Application().ProcessMessages();
}

// A point inside the item's row, right of its check.
LPARAM ItemPoint(TcxCustomEditListBox& list, int index) {
  RECT rect{};
  SendMessageA(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return MAKELPARAM(rect.left + 30, (rect.top + rect.bottom) / 2);
}

std::string StatesText(const TcxCheckStates& states) {
  std::string text;
  for (const TcxCheckBoxState state : states) text += static_cast<char>('0' + state);
  return text;
}

class cxCheckComboBoxTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    cxTextEditInitialize();
    cxCheckComboBoxInitialize();
    Form->SetBounds(100, 100, 300, 240);
    Edit = CreateComponent<TcxCheckComboBox>(Form.get());
    Edit->SetBounds(10, 10, 150, 24);
    Edit->SetParent(Form.get());
    for (const char* description : {"ETH1", "ETH2", "ETH3", "ETH4", "ETH5"}) Items().Add().SetDescription(description);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ProcessPendingMessages();
  }
  void TearDown() override {
    Form.reset();
    cxCheckComboBoxFinalize();
    cxTextEditFinalize();
    cxEditFinalize();
  }

  TcxCheckComboBoxProperties& Properties() const { return Edit->PropertiesObject(); }
  TcxCheckComboBoxItems& Items() const { return Properties().Items(); }
  // Sets the states from their digits through the value.
  void SetStates(const std::string& digits) {
    Properties().SetEditValueFormat(cvfStatesString);
    Edit->SetEditValue(Variant(digits));
  }
  std::string Text() const { return Edit->InnerTextEdit()->Edit().GetTextBuf(); }

  TOwned<TForm> Form{new TForm(nullptr)};
  TcxCheckComboBox* Edit = nullptr;
};

TEST_F(cxCheckComboBoxTest, TheTextNamesTheCheckedItems) {
  struct TCase {
    const char* Name;
    std::function<void(TcxCheckComboBoxProperties&)> Setup;
    std::string States;
    std::string Text;
  };
  const TCase cases[] = {
      {"two checked", [](auto&) {}, "10100", "ETH1;ETH3"},
      {"none checked", [](auto&) {}, "00000", "None selected"},
      {"none checked, no empty text", [](auto& p) { p.SetShowEmptyText(false); }, "00000", ""},
      {"an own empty text", [](auto& p) { p.SetEmptySelectionText("-"); }, "0", "-"},
      {"grayed shows nothing", [](auto&) {}, "21201", "ETH2;ETH5"},
      {"only grayed", [](auto&) {}, "22", "None selected"},
      {"another delimiter", [](auto& p) { p.SetDelimiter(", "); }, "11", "ETH1, ETH2"},
      {"a short description", [](auto& p) { p.Items().Items(1).SetShortDescription("2"); }, "011", "2;ETH3"},
      {"upper case",
       [](auto& p) {
         p.Items().Items(0).SetDescription("eth1");
         p.SetCharCase(ecUpperCase);
       },
       "1", "ETH1"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TOwned<TcxCustomEditProperties> saved = Properties().CreateInstanceOfSameClass();
    saved->Assign(&Properties());
    c.Setup(Properties());
    SetStates(c.States);
    EXPECT_EQ(Text(), c.Text);
    EXPECT_EQ(Properties().GetDisplayText(Edit->EditValue(), false), c.Text) << "the value's text";
    Edit->ShortRefreshContainer();
    EXPECT_EQ(static_cast<TcxCustomTextEditViewInfo&>(Edit->EditViewInfo()).Text, c.Text) << "what is painted";
    Properties().Assign(saved.get());
  }
  // A short description is only for the text: the list and a captions value name the item by its description.
  Items().Items(1).SetShortDescription("2");
  Properties().SetEditValueFormat(cvfCaptions);
  Edit->SetItemState(1, cbsChecked);
  EXPECT_EQ(Text(), "2");
  EXPECT_EQ(Edit->EditValue().AsString(), ";4:ETH2");
  EXPECT_EQ(Edit->LookupData().GetItem(1), "ETH2");
}

// The program's reads and writes of single states; an index that names no
// item reads unchecked and writes nothing.
TEST_F(cxCheckComboBoxTest, TheProgramReadsAndWritesSingleStates) {
  struct TCase {
    const char* Name;
    int Index;
    TcxCheckBoxState State;
    std::string States;
    std::string Text;
    int Changes;
  };
  const TCase cases[] = {
      {"check item 3", 3, cbsChecked, "00010", "ETH4", 1},
      {"the state it has", 3, cbsUnchecked, "00000", "None selected", 0},
      {"grayed is ignored", 2, cbsGrayed, "00000", "None selected", 0},
      {"a disabled item", 4, cbsChecked, "00001", "ETH5", 1},
      {"below the items", -1, cbsChecked, "00000", "None selected", 0},
      {"past the items", 5, cbsChecked, "00000", "None selected", 0},
      {"far past the items", 1000, cbsChecked, "00000", "None selected", 0},
  };
  Items().Items(4).SetEnabled(false);
  int changes = 0;
  Properties().SetOnEditValueChanged([&](TObject*) { ++changes; });
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetEditValue(Variant(int64_t{0}));
    changes = 0;
    Edit->SetItemState(c.Index, c.State);
    EXPECT_EQ(StatesText(Edit->States()), c.States);
    EXPECT_EQ(Text(), c.Text);
    EXPECT_EQ(changes, c.Changes);
    EXPECT_EQ(Edit->GetItemState(c.Index), c.Changes ? c.State : cbsUnchecked);
  }
  Edit->SetItemState(3, cbsChecked);
  EXPECT_EQ(Edit->EditValue().AsInt64(), 8);
}

// Each remaining item keeps its own state when items go, also when they go
// inside an update of the collection or of the properties.
TEST_F(cxCheckComboBoxTest, StatesFollowTheirItemsWhenItemsAreDeleted) {
  struct TCase {
    const char* Name;
    std::string States;
    std::function<void(TcxCheckComboBoxItems&)> Delete;
    std::string Left;
    std::string Text;
  };
  const TCase cases[] = {
      {"the middle of three", "021", [](auto& items) { items.Delete(1); }, "01", "ETH3"},
      {"the last", "00101", [](auto& items) { items.Delete(4); }, "0010", "ETH3"},
      {"the first", "11000", [](auto& items) { items.Delete(0); }, "1000", "ETH2"},
      {"two inside an update", "10101",
       [](auto& items) {
         items.BeginUpdate();
         items.Delete(1);
         items.Delete(0);
         items.EndUpdate();
       },
       "101", "ETH3;ETH5"},
      {"inside an update of the properties", "01011",
       [this](auto& items) {
         Properties().BeginUpdate();
         items.Delete(0);
         Properties().EndUpdate();
       },
       "1011", "ETH2;ETH4;ETH5"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Items().Clear();
    for (int index = 0; index < static_cast<int>(c.States.size()); ++index)
      Items().Add().SetDescription("ETH" + std::to_string(index + 1));
    SetStates(c.States);
    c.Delete(Items());
    EXPECT_EQ(StatesText(Edit->States()), c.Left);
    EXPECT_EQ(Text(), c.Text);
    EXPECT_EQ(Edit->EditValue().AsString(), c.Left) << "the value follows the states";
  }
}

// The program's decoder cannot make more or fewer states than items.
TEST_F(cxCheckComboBoxTest, TheProgramsDecoderGivesOneStatePerItem) {
  for (const size_t length : {size_t{0}, size_t{3}, size_t{9}}) {
    SCOPED_TRACE(length);
    Properties().SetOnEditValueToStates(
        [length](TObject*, const Variant&, TcxCheckStates& states) { states.assign(length, cbsChecked); });
    Edit->SetEditValue(Variant(int64_t{1}));
    EXPECT_EQ(Edit->States().size(), 5u);
    EXPECT_EQ(Edit->GetItemState(4), length > 4 ? cbsChecked : cbsUnchecked);
  }
}

// A value the codec cannot read shows every item unchecked but stands until
// a state really changes.
TEST_F(cxCheckComboBoxTest, AnUnreadableValueStandsUntilAStateChanges) {
  Properties().SetEditValueFormat(cvfCaptions);
  Edit->SetEditValue(Variant("1:x"));
  EXPECT_EQ(StatesText(Edit->States()), "00000");
  EXPECT_EQ(Text(), "None selected");
  Properties().SetDelimiter(",");
  Items().Add().SetDescription("x");
  EXPECT_EQ(Edit->EditValue().AsString(), "1:x") << "kept through changes of the properties";
  EXPECT_EQ(StatesText(Edit->States()), "000002") << "read again with the new item";
  Edit->SetItemState(0, cbsChecked);
  EXPECT_EQ(Edit->EditValue().AsString(), "1:x;4:ETH1");
  Edit->SetEditValue(Variant("9:x"));
  Edit->SetItemState(1, cbsChecked);
  EXPECT_EQ(Edit->EditValue().AsString(), ";4:ETH2") << "a real change replaces it";
}

// Whatever the program and the user do, the value reads back as the states
// (the integer form loses grayed states and items past the 64th).
TEST_F(cxCheckComboBoxTest, TheValueAlwaysDecodesBackToTheStates) {
  Items().Clear();
  for (int index = 0; index < 70; ++index) Items().Add().SetDescription("item" + std::to_string(index));
  std::mt19937 random(36);
  for (const TcxCheckStatesValueFormat format : {cvfCaptions, cvfIndices, cvfInteger, cvfStatesString}) {
    SCOPED_TRACE(format);
    Properties().SetEditValueFormat(format);
    for (int step = 0; step < 300; ++step) {
      const int index = static_cast<int>(random() % 72) - 1;
      switch (random() % 3) {
        case 0: Edit->ToggleItemState(index); break;
        case 1: Edit->SetItemState(index, static_cast<TcxCheckBoxState>(random() % 3)); break;
        default: {
          TcxCheckStates states(70);
          for (auto& state : states) state = static_cast<TcxCheckBoxState>(random() % 3);
          Edit->SetEditValue(CalculateCheckStatesValue(states, Items(), format));
        }
      }
      TcxCheckStates decoded;
      ASSERT_TRUE(CalculateCheckStates(Edit->EditValue(), Items(), format, decoded));
      ASSERT_EQ(StatesText(decoded), StatesText(Edit->States())) << "step " << step;
      if (format != cvfInteger) continue;
      for (int late = 64; late < 70; ++late) ASSERT_EQ(Edit->GetItemState(late), cbsUnchecked);
      for (const TcxCheckBoxState state : Edit->States()) ASSERT_NE(state, cbsGrayed);
    }
  }
}

// Space toggles the list's current item, a press and release on one item
// toggles that item; neither touches a disabled item, and the list stays open.
TEST_F(cxCheckComboBoxTest, TheUserTogglesEnabledItemsInTheOpenList) {
  struct TCase {
    const char* Name;
    std::string Before;
    // The list's current item when Space comes or the button is released.
    int Current;
    int PressedOn;
    int ReleasedOn;
    bool Refused;
    std::string After;
  };
  constexpr int kSpace = -1;
  const TCase cases[] = {
      {"Space on an enabled item", "00000", 1, kSpace, kSpace, false, "01000"},
      {"Space on a checked item", "01000", 1, kSpace, kSpace, false, "00000"},
      {"Space on a grayed item", "02000", 1, kSpace, kSpace, false, "00000"},
      {"Space on a disabled item", "00000", 2, kSpace, kSpace, false, "00000"},
      {"Space refused by OnClickCheck", "00000", 1, kSpace, kSpace, true, "00000"},
      {"a click on an enabled item", "00000", 3, 3, 3, false, "00010"},
      {"a click on a checked item", "00010", 3, 3, 3, false, "00000"},
      {"a click on a disabled item", "00000", 2, 2, 2, false, "00000"},
      {"a click on a disabled item while an enabled one is current", "00000", 0, 2, 2, false, "00000"},
      {"a click on an enabled item while a disabled one is current", "00000", 2, 4, 4, false, "00001"},
      {"pressed on one item, released on another", "00000", 1, 1, 3, false, "00000"},
      {"a click refused by OnClickCheck", "00000", 3, 3, 3, true, "00000"},
  };
  Items().Items(2).SetEnabled(false);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    SetStates(c.Before);
    Properties().SetOnClickCheck([&c](TObject*, int, bool& allow) { allow = !c.Refused; });
    Edit->InnerTextEdit()->Edit().SetFocus();
    Edit->SetDroppedDown(true);
    ProcessPendingMessages();
    ASSERT_TRUE(Edit->DroppedDown());
    TcxCustomEditListBox& list = Edit->LookupData().List();
    const auto makeCurrent = [&list](int index) {
      SendMessageA(list.Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    };
    if (c.PressedOn == kSpace) {
      makeCurrent(c.Current);
      SendMessageA(Edit->InnerTextEdit()->Handle(), WM_CHAR, ' ', 0);
    } else {
      // The current item moves (by a key) while the button is held.
      SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, ItemPoint(list, c.PressedOn));
      makeCurrent(c.Current);
      SendMessageA(list.Handle(), WM_LBUTTONUP, 0, ItemPoint(list, c.ReleasedOn));
    }
    ProcessPendingMessages();
    EXPECT_EQ(StatesText(Edit->States()), c.After);
    EXPECT_TRUE(Edit->DroppedDown()) << "the list stays open";
    Edit->SetDroppedDown(false);
    ProcessPendingMessages();
  }
}

// Each row's check shows its item's state, disabled for a disabled item, in
// a row high enough for it, and in the frame of the editor's own kind.
TEST_F(cxCheckComboBoxTest, EachRowDrawsTheCheckOfItsItemsState) {
  SetStates("11001");
  Items().Items(4).SetEnabled(false);
  std::set<std::vector<COLORREF>> checkedByKind;
  for (const TcxLookAndFeelKind kind : {lfStandard, lfFlat, lfUltraFlat, lfOffice11}) {
    SCOPED_TRACE(static_cast<int>(kind));
    Edit->GetStyle()->LookAndFeel()->SetKind(kind);
    Edit->SetDroppedDown(true);
    ProcessPendingMessages();
    auto& list = static_cast<TcxCustomCheckComboBoxListBox&>(Edit->LookupData().List());
    SendMessageA(list.Handle(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    TBitmap picture;
    CaptureClient(list.Handle(), picture);
    std::vector<std::vector<COLORREF>> checks;
    for (int index = 0; index < 5; ++index) {
      RECT row{};
      SendMessageA(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
      const TRect check = list.CheckRect(row);
      EXPECT_GE(check.top, row.top);
      EXPECT_LE(check.bottom, row.bottom);
      std::vector<COLORREF>& pixels = checks.emplace_back();
      for (int y = check.top; y < check.bottom; ++y)
        for (int x = check.left; x < check.right; ++x) pixels.push_back(PixelAt(picture, x, y));
    }
    EXPECT_EQ(checks[0], checks[1]) << "two checked items";
    EXPECT_EQ(checks[2], checks[3]) << "two unchecked items";
    EXPECT_NE(checks[0], checks[2]) << "checked and unchecked";
    EXPECT_NE(checks[0], checks[4]) << "checked, enabled and disabled";
    checkedByKind.insert(checks[0]);
    Edit->SetDroppedDown(false);
    ProcessPendingMessages();
  }
  EXPECT_EQ(checkedByKind.size(), 4u) << "each kind frames its checks in its own way";
}

TEST_F(cxCheckComboBoxTest, AFormResourceHoldsItemsWithTheirSettings) {
  TForm form(nullptr);
  ReadComponentResource(form,
                        "object Holder: TForm\n"
                        "  object Ports: TcxCheckComboBox\n"
                        "    Left = 8\n"
                        "    Properties.Delimiter = ','\n"
                        "    Properties.Items = <\n"
                        "      item\n"
                        "        Description = 'ETH1'\n"
                        "      end\n"
                        "      item\n"
                        "        Description = 'ETH2'\n"
                        "        Enabled = False\n"
                        "        ShortDescription = '2'\n"
                        "        Tag = 7\n"
                        "      end\n"
                        "      item\n"
                        "        Description = 'ETH3'\n"
                        "      end>\n"
                        "    EditValue = '6'\n"
                        "    Visible = False\n"
                        "  end\n"
                        "end\n",
                        "Holder");
  auto* edit = dynamic_cast<TcxCheckComboBox*>(form.FindComponent("Ports"));
  ASSERT_NE(edit, nullptr);
  TcxCheckComboBoxItems& items = edit->PropertiesObject().Items();
  ASSERT_EQ(items.Count(), 3);
  EXPECT_EQ(items.Items(1).Description(), "ETH2");
  EXPECT_FALSE(items.Items(1).Enabled());
  EXPECT_TRUE(items.Items(2).Enabled());
  EXPECT_EQ(items.Items(1).Tag(), 7);
  EXPECT_EQ(StatesText(edit->States()), "011");
  EXPECT_EQ(edit->EditValue().AsInt64(), 6);
  EXPECT_EQ(edit->PropertiesObject().GetDisplayText(edit->EditValue(), false), "2,ETH3");
  EXPECT_FALSE(edit->Visible());
}

TEST_F(cxCheckComboBoxTest, TheUnitRegistersTheEditorsPropertiesAndFilterHelper) {
  TcxRegisteredClasses* registered = GetRegisteredEditProperties();
  ASSERT_NE(registered, nullptr);
  const int index = registered->IndexOf(TcxCheckComboBoxProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registered->Descriptions(index), "CheckComboBox|Represents a CheckComboBox");
  EXPECT_EQ(GetClass("TcxCheckComboBox"), TcxCheckComboBox::StaticClass());
  const auto* helper = dynamic_cast<const TcxFilterCheckComboBoxHelper*>(
      FindFilterEditHelper(TcxCheckComboBoxProperties::StaticClass()));
  ASSERT_NE(helper, nullptr);
  EXPECT_EQ(helper->GetFilterEditClass(), TcxCheckComboBox::StaticClass());
  EXPECT_EQ(helper->GetSupportedFilterOperators(Properties(), nullptr, false).Bits(), 0x606u);
  EXPECT_EQ(helper->GetSupportedFilterOperators(Properties(), nullptr, true).Bits(), 0x6606u);
  Properties().SetEditValueFormat(cvfIndices);
  Items().Items(1).SetShortDescription("2");
  Items().Items(1).SetEnabled(false);
  TOwned<TcxCustomEditProperties> filter = helper->GetFilterEditProperties(Properties(), true);
  const auto& checks = static_cast<TcxCustomCheckComboBoxProperties&>(*filter);
  EXPECT_EQ(checks.EditValueFormat(), cvfIndices);
  ASSERT_EQ(checks.Items().Count(), 5);
  EXPECT_EQ(checks.Items().Items(1).Description(), "ETH2");
  EXPECT_EQ(checks.Items().Items(1).ShortDescription(), "");
  EXPECT_TRUE(checks.Items().Items(1).Enabled());
  ASSERT_EQ(checks.Buttons().Count(), 1);
  EXPECT_EQ(checks.Buttons().Items(0).Kind(), bkDown);
}

}  // namespace
