// The combo box on real windows, focused and its form in the foreground:
// the list's size by rows on the work area, the keys and clicks that walk,
// accept or leave the list, the double click that steps through the items,
// and the combo box in a form resource.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/editors/dropdown/cxComboBox.h"
#include "controls/foundation/controls/cxControls.h"
#include "controls/foundation/controls/cxScrollBar.h"
#include "platform/classes/FormReader.h"
#include "tests/controls/editors/DropDownEditorFixture.h"
#include "tests/platform/controls/Capture.h"

namespace {

const std::vector<std::string> kTenItems = {"apple", "banana", "cherry", "date", "elder",
                                            "fig",   "grape",  "hazel",  "iris", "jade"};

// The item a text stands for: the first one it begins; -1 for none.
int ItemBegunBy(const std::vector<std::string>& items, const std::string& text) {
  const auto found = std::find_if(items.begin(), items.end(), [&text](const std::string& item) {
    return !text.empty() && item.compare(0, text.size(), text) == 0;
  });
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

// The work area the test gives the monitor of every point.
RECT gWorkArea{};
HMONITOR WINAPI FakeMonitorFromPoint(POINT, DWORD) { return reinterpret_cast<HMONITOR>(1); }
BOOL WINAPI FakeGetMonitorInfoA(HMONITOR, LPMONITORINFO info) {
  info->rcMonitor = info->rcWork = gWorkArea;
  return TRUE;
}

class cxComboBoxTest : public DropDownEditorTest {
 protected:
  void SetUp() override {
    DropDownEditorTest::SetUp();
    SavedMonitorApi = cxMonitorApi();
    Combo = CreateComponent<TcxComboBox>(Form.get());
    for (const std::string& item : kTenItems) Properties().Items().Add(item);
    ShowWith(*Combo);
    Properties().SetOnCloseUp([this](TObject*) { Events.push_back(CloseUpEvent(*Combo)); });
  }
  void TearDown() override {
    cxMonitorApi() = SavedMonitorApi;
    DropDownEditorTest::TearDown();
  }

  TcxComboBoxProperties& Properties() const { return Combo->PropertiesObject(); }
  TWinControl* Inner() const { return &Combo->InnerTextEdit()->Edit(); }
  TcxCustomComboBoxListBox& List() const { return Combo->ComboLookupData().ComboList(); }
  void Reset(const std::string& text) {
    Combo->SetDroppedDown(false);
    Combo->SetText(text);
    Inner()->SetFocus();
    Events.clear();
  }
  // The centre of a list item on the screen.
  POINT ItemOnScreen(int index) const {
    const RECT item = List().ItemRect(index);
    return List().ClientToScreen(POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  }
  RECT ScreenRect(TWinControl& control) const {
    RECT rect{};
    GetWindowRect(control.Handle(), &rect);
    return rect;
  }
  void UseWorkArea(const RECT& area) {
    gWorkArea = area;
    cxMonitorApi() = {FakeMonitorFromPoint, FakeGetMonitorInfoA};
  }

  TcxComboBox* Combo = nullptr;
  TcxMonitorApi SavedMonitorApi;
};

TEST_F(cxComboBoxTest, TheSettersKeepTheirLimitsAndTheListStyleDecidesTheEditingStyle) {
  TcxComboBoxProperties& properties = Properties();
  properties.SetDropDownRows(0);
  EXPECT_EQ(properties.DropDownRows(), 8);
  properties.SetDropDownRows(3);
  const std::pair<TcxEditDropDownListStyle, TcxEditEditingStyle> styles[] = {
      {lsEditFixedList, esEditList}, {lsEditList, esEdit}, {lsFixedList, esFixedList}};
  for (const auto& [listStyle, editingStyle] : styles) {
    properties.SetDropDownListStyle(listStyle);
    EXPECT_EQ(properties.GetEditingStyle(), editingStyle);
    EXPECT_EQ(properties.IsFixedList(), listStyle == lsFixedList);
  }
  properties.SetItemHeight(17);
  properties.SetRevertable(true);
  TOwned<TcxComboBoxProperties> made(
      static_cast<TcxComboBoxProperties*>(TcxComboBoxProperties::StaticClass()->CreatePersistent(nullptr)));
  TcxComboBoxProperties& copy = *made;
  copy.Assign(&properties);
  EXPECT_EQ(copy.DropDownRows(), 3);
  EXPECT_EQ(copy.DropDownListStyle(), lsFixedList);
  EXPECT_EQ(copy.ItemHeight(), 17);
  EXPECT_TRUE(copy.Revertable());
  EXPECT_EQ(copy.Items().Count(), 10);
}

// Each case opens the list under a work area of its own and reads the rows
// the list shows, whether it scrolls and whether it opened above the editor.
TEST_F(cxComboBoxTest, TheListShowsItsRowsWithinTheWorkAreaBelowOrAboveTheEditor) {
  enum TArea { Screen, NoRoom, BottomNear, ThreeRowsBelow };
  struct TCase {
    const char* Name;
    int Items;
    int Rows;
    int ItemHeight;
    std::function<void(int, int&)> Measure;
    TArea Area;
    std::vector<int> RowHeights;
    bool Scrolls;
    bool Above;
    int EditorWidth = 120;
  };
  const int font = List().GetItemHeight();
  const int bar = GetSystemMetrics(SM_CYHSCROLL);
  Key(VK_F4);
  const int borders = Combo->PopupWindow()->Height() - List().Height();
  Combo->SetDroppedDown(false);
  const TCase cases[] = {
      {"ten items in eight rows", 10, 8, 0, nullptr, Screen, std::vector<int>(8, font), true, false},
      {"three items in eight rows", 3, 8, 0, nullptr, Screen, std::vector<int>(3, font), false, false},
      {"rows of ItemHeight", 4, 8, 20, nullptr, Screen, std::vector<int>(4, 20), false, false},
      {"measured rows", 3, 8, 10, [](int index, int& height) { height += index; }, Screen, {10, 11, 12}, false, false},
      {"rows measured empty or negative",
       3,
       8,
       0,
       [](int index, int& height) { height = -index; },
       Screen,
       {1, 1, 1},
       false,
       false},
      {"no room above or below", 10, 8, 0, nullptr, NoRoom, {font}, true, false},
      {"the bottom of the work area near", 10, 8, 0, nullptr, BottomNear, std::vector<int>(8, font), true, true},
      {"room below for three rows exactly", 10, 8, 0, nullptr, ThreeRowsBelow, std::vector<int>(3, font), true, false},
      // The list is a scroll bar higher for the one its width may need.
      {"an editor narrower than its items", 10, 8, bar, nullptr, Screen, std::vector<int>(9, bar), true, false, 30},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    // A new editor each: the list's row style is fixed when its window is made.
    TOwned<TcxComboBox> combo(CreateComponent<TcxComboBox>(nullptr));
    combo->SetBounds(10, 40, c.EditorWidth, 24);
    combo->SetParent(Form.get());
    TcxComboBoxProperties& properties = combo->PropertiesObject();
    for (int i = 0; i < c.Items; ++i) properties.Items().Add(kTenItems[i]);
    properties.SetDropDownRows(c.Rows);
    properties.SetItemHeight(c.ItemHeight);
    if (c.Measure)
      properties.SetOnMeasureItem([&c](TWinControl*, int index, int& height) { c.Measure(index, height); });
    const RECT editor = ScreenRect(*combo);
    cxMonitorApi() = SavedMonitorApi;
    if (c.Area == NoRoom) UseWorkArea(editor);
    if (c.Area == BottomNear) UseWorkArea(RECT{0, 0, 1024, editor.bottom + 3 * font});
    if (c.Area == ThreeRowsBelow) UseWorkArea(RECT{0, editor.top, 1024, editor.bottom + 3 * font + borders});
    combo->InnerTextEdit()->Edit().SetFocus();
    Key(VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    TcxCustomComboBoxListBox& list = combo->ComboLookupData().ComboList();
    std::vector<int> rows;
    for (int i = list.TopIndex(); i < c.Items && list.ItemRect(i).top < list.ClientRect().bottom; ++i)
      rows.push_back(list.ItemRect(i).bottom - list.ItemRect(i).top);
    EXPECT_EQ(rows, c.RowHeights);
    int top = 0;
    for (int height : c.RowHeights) top += height;
    EXPECT_GE(list.ClientRect().bottom, top) << "every row shows whole";
    EXPECT_EQ(list.VScrollBar() && list.VScrollBar()->Visible(), c.Scrolls);
    EXPECT_GE(list.ClientRect().right, list.ScrollWidth()) << "the widest item shows whole";
    const RECT popup = ScreenRect(*combo->PopupWindow());
    EXPECT_EQ(popup.bottom <= editor.top, c.Above);
    combo->SetDroppedDown(false);
    cxMonitorApi() = SavedMonitorApi;
  }
}

// Keys on a closed combo box walk its items; an open list takes them
// itself until Enter takes its item or Escape leaves the text. Without
// items no key finds an item to go to and no list opens. An item longer
// than MaxLength enters a free text as far as typing would, and a list
// style's text whole.
TEST_F(cxComboBoxTest, KeysWalkTheItemsOrTheOpenListAndNothingWithoutItems) {
  struct TCase {
    const char* Name;
    std::vector<std::string> Items;
    std::string Start;
    std::vector<WORD> Keys;
    std::string Text;
    bool Open;
    int ListIndex;
    std::vector<std::string> Events;
    int MaxLength = 0;
    TcxEditDropDownListStyle Style = lsEditList;
  };
  const std::vector<std::string> alike = {"band", "banana", "cherry"};
  const TCase cases[] = {
      {"Down", kTenItems, "banana", {VK_DOWN}, "cherry", false, -1, {}},
      {"Up", kTenItems, "banana", {VK_UP}, "apple", false, -1, {}},
      {"Page Down from no item", kTenItems, "", {VK_NEXT}, "hazel", false, -1, {}},
      {"Page Up", kTenItems, "iris", {VK_PRIOR}, "banana", false, -1, {}},
      {"a typed letter opens the list at its item", kTenItems, "", {'C'}, "cherry", true, 2, {}},
      {"Down in the open list", kTenItems, "banana", {VK_F4, VK_DOWN, VK_DOWN}, "banana", true, 3, {}},
      {"Enter takes the list's item",
       kTenItems,
       "banana",
       {VK_F4, VK_DOWN, VK_RETURN},
       "cherry",
       false,
       -1,
       {"closeup 4"}},
      {"Escape leaves the text", kTenItems, "banana", {VK_F4, VK_DOWN, VK_ESCAPE}, "banana", false, -1, {"closeup 3"}},
      {"no items: the walking keys and F4", {}, "", {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_F4}, "", false, -1, {}},
      {"Down to an item past MaxLength", kTenItems, "apple", {VK_DOWN}, "ban", false, -1, {}, 3},
      {"Down past items alike up to MaxLength", alike, "band", {VK_DOWN, VK_DOWN}, "che", false, -1, {}, 3},
      {"Enter takes the list's item up to MaxLength",
       kTenItems,
       "apple",
       {VK_F4, VK_DOWN, VK_RETURN},
       "ban",
       false,
       -1,
       {"closeup 4"},
       3},
      {"a typed letter completes up to MaxLength", kTenItems, "", {'B'}, "ban", true, 1, {}, 3},
      {"a list style's item whole", kTenItems, "apple", {VK_DOWN}, "banana", false, -1, {}, 3, lsEditFixedList},
      {"a fixed list's item whole", kTenItems, "apple", {VK_DOWN}, "banana", false, -1, {}, 3, lsFixedList},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Properties().Items().Clear();
    for (const std::string& item : c.Items) Properties().Items().Add(item);
    Properties().SetMaxLength(c.MaxLength);
    Properties().SetDropDownListStyle(c.Style);
    Reset(c.Start);
    for (WORD key : c.Keys) Key(key);
    EXPECT_EQ(Combo->Text(), c.Text);
    EXPECT_EQ(Combo->DroppedDown(), c.Open);
    if (c.Open) {
      EXPECT_EQ(List().ItemIndex(), c.ListIndex);
    } else {
      EXPECT_EQ(Combo->ItemIndex(), ItemBegunBy(c.Items, c.Text));
    }
    EXPECT_EQ(Events, c.Events);
  }
}

// The left button released over an item takes it, whether it was pressed
// there, on the drop-down button or on a fixed list's text; a click beside
// the list leaves the text, and so does a click on an open fixed list's text,
// which closes the list without opening it again.
TEST_F(cxComboBoxTest, AReleaseOverAnItemTakesItAndAClickElsewhereLeavesTheText) {
  enum TPress { ByKey, OnButton, OnText };
  constexpr int kOutside = -1;
  constexpr int kOnText = -2;
  struct TCase {
    const char* Name;
    TPress Press;
    // The item the button is released over, or kOutside, or kOnText.
    int Item;
    std::string Text;
    std::vector<std::string> Events;
    TcxEditDropDownListStyle Style = lsEditList;
  };
  const TCase cases[] = {
      {"a click on an item", ByKey, 3, "date", {"closeup 4"}},
      {"pressed on the button, released over an item", OnButton, 2, "cherry", {"closeup 4"}},
      {"a click outside", ByKey, kOutside, "banana", {"closeup 0"}},
      {"pressed on a fixed list's text, released over an item", OnText, 2, "cherry", {"closeup 4"}, lsFixedList},
      {"a click on an open fixed list's text", ByKey, kOnText, "banana", {"closeup 0"}, lsFixedList},
  };
  const auto onScreen = [](TWinControl& control, POINT point) {
    const POINT screen = control.ClientToScreen(point);
    SetCursorPos(screen.x, screen.y);
  };
  const POINT onText{20, 5};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Properties().SetDropDownListStyle(c.Style);
    Reset("banana");
    if (c.Press == ByKey) {
      Key(VK_F4);
    } else {
      if (c.Press == OnButton) onScreen(*Combo, DropDownButtonCentre(*Combo));
      if (c.Press == OnText) onScreen(*Inner(), onText);
      SendMouse(MOUSEEVENTF_LEFTDOWN);
    }
    ASSERT_TRUE(Combo->DroppedDown());
    if (c.Item >= 0) {
      const POINT item = ItemOnScreen(c.Item);
      SetCursorPos(item.x, item.y);
    }
    if (c.Item == kOutside) onScreen(*Form, POINT{250, 180});
    if (c.Item == kOnText) onScreen(*Inner(), onText);
    SendMouse(MOUSEEVENTF_MOVE);
    if (c.Press == ByKey) SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->Text(), c.Text);
    EXPECT_EQ(Events, c.Events);
  }
}

// The pointer resting where the list opens chooses nothing until it moves.
TEST_F(cxComboBoxTest, AListOpenedUnderTheRestingPointerChoosesNothingUntilItMoves) {
  Reset("apple");
  Key(VK_F4);
  const POINT item = ItemOnScreen(4);
  Combo->SetDroppedDown(false);
  SetCursorPos(item.x, item.y);
  Key(VK_F4);
  const POINT client = List().ScreenToClient(item);
  SendMessageA(List().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  EXPECT_EQ(List().ItemIndex(), 0);
  SendMessageA(List().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y + 1));
  EXPECT_EQ(List().ItemIndex(), 4);
}

// With Revertable a double click on the closed editor, beside its text or
// on it, steps to the next item and wraps after the last, leaving a fixed
// list closed; without Revertable or without items it changes nothing.
TEST_F(cxComboBoxTest, ARevertableDoubleClickStepsThroughTheItemsAndWraps) {
  const auto besideTheText = [this] {
    for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
      SendMessageA(Combo->Handle(), press, MK_LBUTTON, MAKELPARAM(1, 1));
      SendMessageA(Combo->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    }
    ProcessPendingMessages();
  };
  const auto onTheText = [this] {
    const POINT text = Inner()->ClientToScreen(POINT{20, 5});
    SetCursorPos(text.x, text.y);
    for (int click = 0; click < 2; ++click) {
      SendMouse(MOUSEEVENTF_LEFTDOWN);
      SendMouse(MOUSEEVENTF_LEFTUP);
    }
  };
  struct TCase {
    const char* Name;
    std::function<void()> DoubleClick;
    TcxEditDropDownListStyle Style;
  };
  const TCase cases[] = {
      {"beside the text", besideTheText, lsEditList},
      {"on the text", onTheText, lsEditList},
      {"on a fixed list's text", onTheText, lsFixedList},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Properties().Items().Clear();
    for (const std::string& item : kTenItems) Properties().Items().Add(item);
    Properties().SetDropDownListStyle(c.Style);
    Properties().SetRevertable(true);
    Reset("iris");
    std::vector<std::string> texts;
    for (int i = 0; i < 3; ++i) {
      c.DoubleClick();
      texts.push_back(Combo->Text());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"jade", "apple", "banana"}));
    EXPECT_FALSE(Combo->DroppedDown());
    Properties().SetRevertable(false);
    c.DoubleClick();
    EXPECT_EQ(Combo->Text(), "banana");
    Properties().SetRevertable(true);
    Properties().Items().Clear();
    Reset("");
    c.DoubleClick();
    EXPECT_EQ(Combo->Text(), "");
    EXPECT_EQ(Combo->ItemIndex(), -1);
  }
}

// The open list's scroll bar looks as a scroll bar of the editor's own kind
// does, whatever kind the program's other controls have.
TEST_F(cxComboBoxTest, TheOpenListsScrollBarTakesTheEditorsLookAndFeel) {
  for (const TcxLookAndFeelKind kind : {lfStandard, lfFlat, lfUltraFlat, lfOffice11}) {
    SCOPED_TRACE(static_cast<int>(kind));
    Combo->GetStyle()->LookAndFeel()->SetKind(kind);
    Reset("apple");
    Key(VK_F4);
    ASSERT_TRUE(Combo->DroppedDown());
    TcxScrollBar& bar = *List().VScrollBar();
    ASSERT_TRUE(bar.Visible());
    TOwned<TcxScrollBar> reference(new TcxScrollBar(nullptr));
    reference->SetKind(sbVertical);
    reference->LookAndFeel().SetKind(kind);
    reference->SetParams(bar.Min(), bar.Max(), true, bar.PageSize(), bar.Position());
    reference->SetBounds(0, 0, bar.Width(), bar.Height());
    reference->SetParent(Form.get());
    TBitmap drawn;
    TBitmap expected;
    CaptureClient(bar.Handle(), drawn);
    CaptureClient(reference->Handle(), expected);
    EXPECT_TRUE(drawn.GetPixels() == expected.GetPixels());
    Combo->SetDroppedDown(false);
  }
}

TEST_F(cxComboBoxTest, AFormResourceHoldsAComboBoxAndTheUnitRegistersIt) {
  TForm form(nullptr);
  ReadComponentResource(form,
                        "object Holder: TForm\n"
                        "  object Name: TcxComboBox\n"
                        "    Properties.DropDownListStyle = lsFixedList\n"
                        "    Properties.DropDownRows = 5\n"
                        "    Properties.Items = (\n"
                        "      'one'\n"
                        "      'two')\n"
                        "    Text = 'two'\n"
                        "  end\n"
                        "end\n",
                        "Holder");
  auto* combo = dynamic_cast<TcxComboBox*>(form.FindComponent("Name"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->PropertiesObject().DropDownListStyle(), lsFixedList);
  EXPECT_EQ(combo->PropertiesObject().DropDownRows(), 5);
  EXPECT_EQ(combo->PropertiesObject().Items().Count(), 2);
  EXPECT_EQ(combo->Text(), "two");
  EXPECT_EQ(combo->ItemIndex(), 1);
  TcxRegisteredClasses* registered = GetRegisteredEditProperties();
  ASSERT_NE(registered, nullptr);
  const int index = registered->IndexOf(TcxComboBoxProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registered->Descriptions(index), "ComboBox|Represents the combo box editor");
  const TcxCustomFilterEditHelper* helper = FindFilterEditHelper(TcxComboBoxProperties::StaticClass());
  ASSERT_NE(helper, nullptr);
  // A filter row's combo box is a plain list of eight rows that opens only on request.
  TcxComboBoxProperties& filter = combo->PropertiesObject();
  filter.SetRevertable(true);
  filter.SetImmediateDropDown(true);
  filter.SetPopupAlignment(taRightJustify);
  helper->InitializeProperties(filter, false);
  EXPECT_EQ(filter.DropDownListStyle(), lsEditList);
  EXPECT_EQ(filter.DropDownRows(), 8);
  EXPECT_FALSE(filter.Revertable());
  EXPECT_FALSE(filter.ImmediateDropDown());
  EXPECT_EQ(filter.PopupAlignment(), taLeftJustify);
}

// The wheel scrolls an open list rather than stepping the text; leaving the
// editor forgets the selection AutoSelect made.
TEST_F(cxComboBoxTest, TheWheelScrollsAnOpenListAndLeavingTheEditorCollapsesTheSelection) {
  Reset("apple");
  Key(VK_F4);
  ASSERT_TRUE(Combo->DroppedDown());
  const POINT over = Combo->ClientToScreen(POINT{5, 5});
  SendMessageA(Combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(over.x, over.y));
  EXPECT_GT(List().TopIndex(), 0);
  EXPECT_EQ(Combo->Text(), "apple");
  Combo->SetDroppedDown(false);

  Inner()->SetFocus();
  Combo->SelectAll();
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Inner()->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  ASSERT_EQ(end, 5u);
  Other->SetFocus();
  ProcessPendingMessages();
  SendMessageA(Inner()->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
}

// A focused fixed list shows its text as a chosen item; in a host's cell a
// drawing handler draws the item the value names, and in the open list every item.
TEST_F(cxComboBoxTest, AFixedListShowsItsTextAsAChosenItemAndItsHandlerDrawsIt) {
  struct TDrawn {
    int Index;
    bool Selected;
    bool Editor;
    bool operator==(const TDrawn&) const = default;
  };
  std::vector<TDrawn> drawn;
  Properties().SetDropDownListStyle(lsFixedList);
  Reset("cherry");
  Combo->ShortRefreshContainer();
  EXPECT_EQ(Inner()->Color(), clHighlight);
  EXPECT_EQ(Inner()->Font().Color(), clHighlightText);

  Properties().SetOnDrawItem(
      [&drawn](TcxCustomComboBox* combo, TcxCanvas* canvas, int index, const TRect& rect, TOwnerDrawState state) {
        drawn.push_back({index, state.Contains(odSelected), combo != nullptr});
        canvas->FillRectWithColor(rect, clRed);
      });
  TBitmap bitmap;
  bitmap.SetSize(120, 24);
  TcxCanvas canvas(bitmap.Canvas());
  canvas.FillRectWithColor(TRect{0, 0, 120, 24}, clBlue);
  auto& style = static_cast<TcxCustomEditStyle&>(*Combo->GetStyle());
  for (const bool focused : {false, true}) {
    SCOPED_TRACE(focused);
    drawn.clear();
    std::unique_ptr<TcxCustomEditViewData> data = Properties().CreateViewData(style, true);
    data->Focused = focused;
    std::unique_ptr<TcxContainerViewInfo> info = Properties().GetViewInfoClass()();
    auto& viewInfo = static_cast<TcxCustomEditViewInfo&>(*info);
    data->Calculate(canvas, TRect{0, 0, 120, 24}, {-1, -1}, mbLeft, {}, viewInfo, false);
    data->EditValueToDrawValue(Variant("cherry"), viewInfo);
    viewInfo.Paint(canvas);
    EXPECT_EQ(drawn, (std::vector<TDrawn>{{2, focused, false}}));
    EXPECT_EQ(GetPixel(bitmap.DC(), 60, 12), ColorToRGB(clRed));
  }

  drawn.clear();
  Inner()->SetFocus();
  Key(VK_F4);
  ASSERT_TRUE(Combo->DroppedDown());
  RedrawWindow(List().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), TDrawn{2, true, true}), drawn.end()) << "the list's chosen item";
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), TDrawn{3, false, true}), drawn.end());
}

// A sizeable list opens again at the size the user gave it, although it
// would size itself to its items; before that it takes the editor's width.
TEST_F(cxComboBoxTest, ASizeableListKeepsTheSizeTheUserGaveIt) {
  Properties().SetDropDownSizeable(true);
  Reset("apple");
  Key(VK_F4);
  ASSERT_TRUE(Combo->DroppedDown());
  TcxCustomEditPopupWindow& popup = *Combo->PopupWindow();
  EXPECT_EQ(popup.Width(), Combo->Width());
  popup.SetBounds(popup.Left(), popup.Top(), 230, 150);
  Combo->PopupResizedByUser();
  Combo->SetDroppedDown(false);
  Key(VK_F4);
  ASSERT_TRUE(Combo->DroppedDown());
  EXPECT_EQ(popup.Width(), 230);
  EXPECT_EQ(popup.Height(), 150);
}

}  // namespace
