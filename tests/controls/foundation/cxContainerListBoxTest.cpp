#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/container/cxContainerListBox.h"
#include "platform/controls/core/Form.h"
#include "platform/graphics/Bitmap.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

DWORD gTicks = 0;
DWORD WINAPI FakeGetTickCount() { return gTicks; }
UINT gCodePage = 1252;
UINT WINAPI FakeGetACP() { return gCodePage; }

// Records what its inner list box hands on.
class TRecordingContainer : public TcxContainer {
 public:
  using TcxContainer::TcxContainer;
  std::vector<char> KeysPressed;
  std::vector<POINT> MouseDowns;
  int Clicks = 0;

 protected:
  void KeyPress(char& key) override {
    KeysPressed.push_back(key);
    TcxContainer::KeyPress(key);
  }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    MouseDowns.push_back(POINT{x, y});
    TcxContainer::MouseDown(button, shift, x, y);
  }
  void Click() override {
    ++Clicks;
    TcxContainer::Click();
  }
};

void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++count) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

class cxContainerListBoxTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxInnerListBoxApi() = {FakeGetTickCount, FakeGetACP};
    gTicks = 10000;
    gCodePage = 1252;
    Form.reset(new TForm(nullptr));
    Form->SetBounds(100, 100, 300, 200);
    Container = new TRecordingContainer(Form.get());
    Container->SetBounds(10, 10, 120, 80);
    Container->SetParent(Form.get());
    ListBox = new TcxCustomInnerListBox(Container, Container);
    Container->SetInnerControl(ListBox);
    ListBox->SetOnKeyPress([this](TObject*, char& key) { KeyPressEvents.push_back(key); });
    Form->Show();
    ProcessPendingMessages();
  }
  void TearDown() override {
    Form.reset();
    cxInnerListBoxApi() = {};
  }

  void AddItems(const std::vector<std::string>& items) {
    for (const std::string& item : items) ListBox->Items().Add(item);
  }
  void AddNumberedItems(int count) {
    for (int index = 0; index < count; ++index) ListBox->Items().Add("item " + std::to_string(index));
  }
  void Type(char key) { SendMessageA(ListBox->Handle(), WM_CHAR, static_cast<unsigned char>(key), 0); }

  TOwned<TForm> Form;
  TRecordingContainer* Container = nullptr;
  TcxCustomInnerListBox* ListBox = nullptr;
  std::vector<char> KeyPressEvents;
};

}  // namespace

TEST(RemoveLastCharacterTest, RemovesAWholeDoubleByteCharacter) {
  struct TCase {
    std::string Text;
    UINT CodePage;
    std::string Expected;
  } const cases[] = {
      {"", 932, ""},
      {"ab", 932, "a"},
      {"ab\x82\xa0", 932, "ab"},
      {"a\x82\xa0"
       "b",
       932, "a\x82\xa0"},
      // A trail byte that is also a lead byte value.
      {"\x82\x82", 932, ""},
      {"\x82\x82\x82\xa0", 932, "\x82\x82"},
      {"ab\x82\xa0", 1252, "ab\x82"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(RemoveLastCharacter(c.Text, c.CodePage), c.Expected);
  }
}

TEST_F(cxContainerListBoxTest, IncrementalSearchFollowsTheTypedKeysAndTheDelay) {
  struct TKey {
    char Key;
    DWORD Delay;
  };
  struct TCase {
    const char* Name;
    std::vector<TKey> Keys;
    std::string SearchText;
    int ItemIndex;
  } const cases[] = {
      {"within the delay", {{'a', 600}, {'b', 100}}, "ab", 1},
      {"after the delay", {{'a', 600}, {'b', 500}}, "b", 3},
      {"no match keeps the choice", {{'b', 600}, {'x', 100}}, "bx", 3},
      {"backspace", {{'a', 600}, {'b', 100}, {'c', 100}, {VK_BACK, 100}}, "ab", 1},
      {"backspace on empty", {{'b', 600}, {VK_BACK, 600}}, "", 0},
  };
  AddItems({"apple", "abacus", "abc", "banana", "b2"});
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    for (const TKey& key : c.Keys) {
      gTicks += key.Delay;
      Type(key.Key);
    }
    EXPECT_EQ(ListBox->SearchText(), c.SearchText);
    EXPECT_EQ(ListBox->ItemIndex(), c.ItemIndex);
  }
}

TEST_F(cxContainerListBoxTest, SearchKeysReachOnKeyPressButNotTheListsOwnSearch) {
  AddItems({"apple", "banana", "cherry"});
  ListBox->SetItemIndex(2);
  Type('b');
  EXPECT_EQ(KeyPressEvents, std::vector<char>{'b'});
  EXPECT_EQ(ListBox->ItemIndex(), 1);
  ListBox->SetAutoComplete(false);
  Type('c');
  EXPECT_EQ(ListBox->SearchText(), "b");
  EXPECT_EQ(ListBox->ItemIndex(), 2);
}

TEST_F(cxContainerListBoxTest, LeadByteJoinsOnlyAQueuedTrailByte) {
  gCodePage = 932;
  AddItems({"x", "\x82\xa0y", "z"});
  ProcessPendingMessages();
  PostMessageA(ListBox->Handle(), WM_CHAR, 0xA0, 0);
  Type('\x82');
  EXPECT_EQ(ListBox->SearchText(), "\x82\xa0");
  EXPECT_EQ(ListBox->ItemIndex(), 1);
  MSG left{};
  EXPECT_FALSE(PeekMessageA(&left, ListBox->Handle(), WM_CHAR, WM_CHAR, PM_NOREMOVE));

  gTicks += 1000;
  ListBox->SetItemIndex(2);
  PostQuitMessage(7);
  Type('\x82');
  EXPECT_EQ(ListBox->SearchText(), "");
  EXPECT_EQ(ListBox->ItemIndex(), 0);
  MSG quit{};
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 7u);
}

TEST_F(cxContainerListBoxTest, MultiSelectSearchSelectsTheFoundItemAlone) {
  ListBox->SetMultiSelect(true);
  ListBox->RecreateWnd();
  AddItems({"apple", "banana", "cherry"});
  SendMessageA(ListBox->Handle(), LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 2));
  Type('b');
  EXPECT_EQ(SendMessageA(ListBox->Handle(), LB_GETSELCOUNT, 0, 0), 1);
  EXPECT_TRUE(SendMessageA(ListBox->Handle(), LB_GETSEL, 1, 0) > 0);
}

TEST_F(cxContainerListBoxTest, TabAndEnterStopShortOfTheSearch) {
  struct TCase {
    char Key;
    char ContainerSees;
    bool ReachesOnKeyPress;
  } const cases[] = {{'\t', 0, false}, {'\r', '\r', false}, {'q', 'q', true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Key));
    Container->KeysPressed.clear();
    KeyPressEvents.clear();
    Type(c.Key);
    ASSERT_EQ(Container->KeysPressed.size(), 1u);
    EXPECT_EQ(Container->KeysPressed[0], c.ContainerSees);
    EXPECT_EQ(KeyPressEvents.size(), c.ReachesOnKeyPress ? 1u : 0u);
  }
}

TEST_F(cxContainerListBoxTest, MouseAndClickReachTheContainerInItsCoordinates) {
  AddItems({"apple", "banana"});
  SendMessageA(ListBox->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7));
  SendMessageA(ListBox->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 7));
  ASSERT_EQ(Container->MouseDowns.size(), 1u);
  EXPECT_EQ(Container->MouseDowns[0].x, 5 + ListBox->Left());
  EXPECT_EQ(Container->MouseDowns[0].y, 7 + ListBox->Top());
  EXPECT_GE(Container->Clicks, 1);
}

TEST_F(cxContainerListBoxTest, WithoutAContainerItIsAPlainListBox) {
  auto* plain = new TcxCustomInnerListBox(Form.get(), nullptr);
  plain->SetBounds(150, 10, 100, 60);
  plain->SetParent(Form.get());
  int clicks = 0;
  plain->SetOnClick([&clicks](TObject*) { ++clicks; });
  plain->Items().Add("apple");
  plain->Items().Add("banana");
  EXPECT_EQ(plain->GetControlContainer(), nullptr);
  SendMessageA(plain->Handle(), WM_CHAR, 'b', 0);
  EXPECT_EQ(plain->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(Container->KeysPressed.empty());
}

TEST_F(cxContainerListBoxTest, BarsShowWhenItemsOverflowAndFollowTheList) {
  TcxScrollBar* bar = ListBox->VScrollBar();
  AddNumberedItems(2);
  EXPECT_FALSE(bar->Visible());
  AddNumberedItems(40);
  ASSERT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Parent(), Container);
  EXPECT_EQ(bar->Max(), 41);
  ListBox->SetTopIndex(5);
  EXPECT_EQ(bar->Position(), 5);
  bar->DoScroll(scLineDown);
  EXPECT_EQ(ListBox->TopIndex(), 6);
  EXPECT_EQ(bar->Position(), 6);
  for (int count = 0; count < 20; ++count) SendMessageA(ListBox->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(bar->Position(), ListBox->TopIndex());
  ListBox->Items().Clear();
  EXPECT_FALSE(bar->Visible());
  EXPECT_FALSE(ListBox->HScrollBar()->Visible());
}

TEST_F(cxContainerListBoxTest, FreeingTheListOrTheContainerFirst) {
  for (const bool listFirst : {true, false}) {
    SCOPED_TRACE(listFirst ? "list first" : "container first");
    auto* container = new TRecordingContainer(Form.get());
    container->SetBounds(150, 10, 100, 60);
    container->SetParent(Form.get());
    const int ownControls = container->ControlCount();
    auto* list = new TcxCustomInnerListBox(container, container);
    container->SetInnerControl(list);
    for (int index = 0; index < 30; ++index) list->Items().Add("line");
    ASSERT_TRUE(list->VScrollBar()->Visible());
    if (listFirst) {
      list->Free();
      EXPECT_EQ(container->InnerControl(), nullptr);
      EXPECT_EQ(container->ControlCount(), ownControls);
    }
    container->Free();
  }
}

TEST_F(cxContainerListBoxTest, BarsWaitForTheEndOfAnUpdate) {
  TcxScrollBar* bar = ListBox->VScrollBar();
  ListBox->BeginUpdate();
  AddNumberedItems(1000);
  EXPECT_TRUE(ListBox->IsRedrawLocked());
  EXPECT_FALSE(bar->Visible());
  ListBox->EndUpdate();
  EXPECT_FALSE(ListBox->IsRedrawLocked());
  EXPECT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Max(), 999);
}

namespace {

// A list box that also scrolls sideways.
class TWideInnerListBox : public TcxCustomInnerListBox {
 public:
  using TcxCustomInnerListBox::TcxCustomInnerListBox;

 protected:
  void CreateParams(TCreateParams& params) override {
    TcxCustomInnerListBox::CreateParams(params);
    params.Style |= WS_HSCROLL;
  }
};

}  // namespace

TEST_F(cxContainerListBoxTest, CornerBetweenTwoBarsIsButtonFace) {
  auto* wide = new TWideInnerListBox(Container, Container);
  Container->SetInnerControl(wide);
  ListBox->Free();
  for (int index = 0; index < 30; ++index) wide->Items().Add("line");
  SendMessageA(wide->Handle(), LB_SETHORIZONTALEXTENT, 500, 0);
  ASSERT_TRUE(wide->HScrollBar()->Visible());
  ASSERT_TRUE(wide->VScrollBar()->Visible());
  const TRect corner = wide->GetScrollBarCornerRect();
  ASSERT_FALSE(IsRectEmpty(&corner));
  EXPECT_EQ(corner.right, wide->Width());
  EXPECT_EQ(corner.bottom, wide->Height());

  TBitmap picture;
  picture.SetSize(wide->Width(), wide->Height());
  picture.Canvas().Brush().SetColor(clFuchsia);
  picture.Canvas().FillRect(RECT{0, 0, wide->Width(), wide->Height()});
  wide->Perform(WM_PRINT, reinterpret_cast<WPARAM>(picture.DC()), PRF_NONCLIENT | PRF_CLIENT);
  EXPECT_EQ(picture.Canvas().Pixels(corner.left + 2, corner.top + 2), ColorToRGB(clBtnFace));

  wide->HScrollBar()->SetVisible(false);
  const TRect none = wide->GetScrollBarCornerRect();
  EXPECT_TRUE(IsRectEmpty(&none));
}

namespace {

// Where the list stands along a bar: its top item, or how far it is scrolled sideways.
int ListPosition(TcxCustomInnerListBox& list, const TcxScrollBar& bar) {
  return bar.Kind() == sbVertical ? list.TopIndex() : GetScrollPos(list.Handle(), SB_HORZ);
}

POINT PartCenter(const TcxScrollBar& bar, TcxScrollBarPart part) {
  const TcxScrollBarRects& rects = bar.ViewInfo().Rects();
  const TRect* byPart[] = {nullptr,      &rects.FirstArrow, &rects.SecondArrow,
                           &rects.Thumb, &rects.PageBefore, &rects.PageAfter};
  const TRect& r = *byPart[part];
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A press on a part and a move along the bar by `drag` pixels, with the
// button still down.
POINT PressPart(TcxScrollBar& bar, TcxScrollBarPart part, int drag) {
  const POINT down = PartCenter(bar, part);
  const POINT moved = bar.Kind() == sbVertical ? POINT{down.x, down.y + drag} : POINT{down.x + drag, down.y};
  SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
  if (drag != 0) SendMessageA(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(moved.x, moved.y));
  return moved;
}

}  // namespace

TEST_F(cxContainerListBoxTest, EveryPartOfBothBarsScrollsTheList) {
  Container->SetBounds(10, 10, 180, 150);
  auto* wide = new TWideInnerListBox(Container, Container);
  Container->SetInnerControl(wide);
  ListBox->Free();
  for (int index = 0; index < 60; ++index) wide->Items().Add("line " + std::to_string(index));
  SendMessageA(wide->Handle(), LB_SETHORIZONTALEXTENT, 1000, 0);
  ASSERT_TRUE(wide->VScrollBar()->Visible());
  ASSERT_TRUE(wide->HScrollBar()->Visible());

  enum TMove { LineBack, LineOn, PageBack, PageOn, Dragged };
  const struct TCase {
    const char* Name;
    TcxScrollBarPart Part;
    int Drag;
    TMove Expected;
  } cases[] = {
      {"first arrow", sbpLineUp, 0, LineBack},
      {"second arrow", sbpLineDown, 0, LineOn},
      {"page before the thumb", sbpPageUp, 0, PageBack},
      {"page after the thumb", sbpPageDown, 0, PageOn},
      {"thumb dragged along and released", sbpThumbnail, 20, Dragged},
  };
  const struct {
    TcxScrollBar* Bar;
    int Start;
  } bars[] = {{wide->VScrollBar(), 20}, {wide->HScrollBar(), 400}};
  for (const auto& [bar, start] : bars) {
    for (const TCase& c : cases) {
      SCOPED_TRACE(std::string(bar->Kind() == sbVertical ? "vertical, " : "horizontal, ") + c.Name);
      const UINT message = bar->Kind() == sbVertical ? WM_VSCROLL : WM_HSCROLL;
      SendMessageA(wide->Handle(), message, MAKEWPARAM(SB_THUMBPOSITION, start), 0);
      ASSERT_EQ(ListPosition(*wide, *bar), start);
      ASSERT_EQ(bar->Position(), start);
      const int page = bar->PageSize();
      ASSERT_GT(page, 1);

      const POINT pointer = PressPart(*bar, c.Part, c.Drag);
      const int pressed = ListPosition(*wide, *bar);
      EXPECT_EQ(bar->Position(), pressed) << "the list follows the bar while the button is down";
      SendMessageA(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(pointer.x, pointer.y));

      switch (c.Expected) {
        case LineBack: EXPECT_EQ(pressed, start - 1); break;
        case LineOn: EXPECT_EQ(pressed, start + 1); break;
        case PageBack: EXPECT_EQ(pressed, start - page); break;
        case PageOn: EXPECT_EQ(pressed, start + page); break;
        case Dragged: EXPECT_GT(pressed, start); break;
      }
      EXPECT_EQ(ListPosition(*wide, *bar), pressed) << "the release leaves the list where it is";
      EXPECT_EQ(bar->Position(), pressed);
      EXPECT_EQ(bar->PressedPart(), sbpNone);
    }
  }
}

TEST_F(cxContainerListBoxTest, OwnerDrawnItemsShowTheSelectionOrTheHandlersDrawing) {
  struct TCase {
    const char* Name;
    bool Handler;
    COLORREF Selected;
    COLORREF Other;
  } const cases[] = {
      {"by the list", false, ColorToRGB(clHighlight), ColorToRGB(clWindow)},
      {"by the handler", true, ColorToRGB(clLime), ColorToRGB(clLime)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* drawn = new TcxCustomInnerListBox(Container, Container);
    drawn->SetStyle(lbOwnerDrawFixed);
    Container->SetInnerControl(drawn);
    std::vector<int> indices;
    if (c.Handler)
      drawn->SetOnDrawItem([&indices, drawn](TWinControl*, int index, const TRect& rect, TOwnerDrawState) {
        indices.push_back(index);
        drawn->Canvas().Brush().SetColor(clLime);
        drawn->Canvas().FillRect(rect);
      });
    drawn->Items().Add("apple");
    drawn->Items().Add("banana");
    drawn->SetItemIndex(1);
    const int height = static_cast<int>(SendMessageA(drawn->Handle(), LB_GETITEMHEIGHT, 0, 0));

    TBitmap picture;
    picture.SetSize(drawn->Width(), drawn->Height());
    indices.clear();
    drawn->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
    EXPECT_EQ(picture.Canvas().Pixels(drawn->Width() / 2, height + height / 2), c.Selected);
    EXPECT_EQ(picture.Canvas().Pixels(drawn->Width() / 2, height / 2), c.Other);
    EXPECT_EQ(drawn->NeedsDrawFocusRect(), !c.Handler);
    if (c.Handler) {
      EXPECT_EQ(indices, (std::vector<int>{0, 1}));
    }
    drawn->Free();
  }
}

TEST_F(cxContainerListBoxTest, APressStartsTheContainersDragUnlessItExtendsTheSelection) {
  struct TCase {
    const char* Name;
    bool MultiSelect;
    bool PressOnSelected;
    WPARAM Keys;
    bool Drags;
    int SelectedAfter;
  } const cases[] = {
      {"single", false, false, 0, true, 1},
      {"multi, unselected item", true, false, 0, true, 1},
      {"multi, shift", true, false, MK_SHIFT, false, 2},
      {"multi, ctrl", true, false, MK_CONTROL, false, 3},
      {"multi, ctrl on a selected item", true, true, MK_CONTROL, true, 2},
      {"multi, selected item", true, true, 0, true, 2},
  };
  Container->SetDragMode(dmAutomatic);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* list = new TcxCustomInnerListBox(Container, Container);
    list->SetMultiSelect(c.MultiSelect);
    Container->SetInnerControl(list);
    for (const char* item : {"apple", "banana", "cherry", "date"}) list->Items().Add(item);
    if (c.MultiSelect) SendMessageA(list->Handle(), LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 1));
    const int height = static_cast<int>(SendMessageA(list->Handle(), LB_GETITEMHEIGHT, 0, 0));
    const int row = c.PressOnSelected ? 1 : 2;
    SendMessageA(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | c.Keys, MAKELPARAM(5, row * height + height / 2));
    EXPECT_EQ(Container->Dragging(), c.Drags);
    Container->EndDrag(false);
    SendMessageA(list->Handle(), WM_LBUTTONUP, c.Keys, MAKELPARAM(5, row * height + height / 2));
    if (c.MultiSelect) {
      EXPECT_EQ(SendMessageA(list->Handle(), LB_GETSELCOUNT, 0, 0), c.SelectedAfter);
    }
    list->Free();
  }
}

TEST_F(cxContainerListBoxTest, VirtualListsSearchThroughTheirOwnHandler) {
  auto* list = new TcxCustomInnerListBox(Container, Container);
  list->SetStyle(lbVirtual);
  list->SetCount(100);
  std::vector<std::string> asked;
  list->SetOnDataFind([&asked](TWinControl*, const std::string& text) {
    asked.push_back(text);
    return text == "ab" ? 42 : -1;
  });
  Container->SetInnerControl(list);
  SendMessageA(list->Handle(), WM_CHAR, 'a', 0);
  SendMessageA(list->Handle(), WM_CHAR, 'b', 0);
  EXPECT_EQ(asked, (std::vector<std::string>{"a", "ab"}));
  EXPECT_EQ(list->ItemIndex(), 42);
  EXPECT_TRUE(list->VScrollBar()->Visible());
}

TEST_F(cxContainerListBoxTest, TheWheelScrollsTheListAndItsBar) {
  AddNumberedItems(40);
  const POINT center = ListBox->ClientToScreen(POINT{10, 10});
  SendMessageA(ListBox->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(center.x, center.y));
  EXPECT_GT(ListBox->TopIndex(), 0);
  EXPECT_EQ(ListBox->VScrollBar()->Position(), ListBox->TopIndex());
}

TEST_F(cxContainerListBoxTest, DialogCodeAndFocusReachTheContainer) {
  auto* plain = new TcxCustomInnerListBox(Form.get(), nullptr);
  plain->SetParent(Form.get());
  const LRESULT plainCode = SendMessageA(plain->Handle(), WM_GETDLGCODE, 0, 0);
  const LRESULT innerCode = SendMessageA(ListBox->Handle(), WM_GETDLGCODE, 0, 0);
  EXPECT_EQ(innerCode & (DLGC_WANTCHARS | DLGC_WANTARROWS), DLGC_WANTCHARS | DLGC_WANTARROWS);
  EXPECT_EQ(innerCode | plainCode, innerCode);

  ::SetFocus(plain->Handle());
  ::SetFocus(ListBox->Handle());
  EXPECT_TRUE(Container->ViewInfo().ContainerState.Contains(csFocused));
  ::SetFocus(plain->Handle());
  EXPECT_FALSE(Container->ViewInfo().ContainerState.Contains(csFocused));
}
