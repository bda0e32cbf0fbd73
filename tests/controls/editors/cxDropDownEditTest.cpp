// The drop-down editor on real windows, focused and its form in the
// foreground: the keys and clicks that open and close its popup, the order of
// the events of one opening with the reason it closed, the popup's settings
// taken from the properties, and the setters' limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/editors/text/cxTextEditListBox.h"
#include "platform/classes/ClassBuilder.h"
#include "tests/controls/editors/DropDownEditorFixture.h"
#include "tests/support/FakeClipboard.h"

namespace {

// Properties whose fixed-list style and popup ownership the test chooses.
class TTestProperties : public TcxCustomDropDownEditProperties {
 public:
  using TcxCustomDropDownEditProperties::TcxCustomDropDownEditProperties;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestProperties>("TTestProperties", TcxCustomDropDownEditProperties::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  bool IsFixedList() const override { return FixedList; }
  bool PopupOwnedByParentForm() const override { return OwnedByForm; }

  bool FixedList = false;
  bool OwnedByForm = false;
};

// Counts the values the editor posts.
class TCountingBinding : public TcxEditDataBinding {
 public:
  using TcxEditDataBinding::TcxEditDataBinding;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TCountingBinding>("TCountingBinding", TcxEditDataBinding::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  void StoreValue(const Variant&) override { ++Posted; }

  static inline int Posted = 0;
};

// A drop-down editor with content of 80 by 60 whose popup opens while the
// test lets it; a popup owned by the form focuses the control the test puts in it.
class TTestDropDownEdit : public TcxCustomDropDownEdit {
 public:
  explicit TTestDropDownEdit(TComponent* owner, bool inplace = false)
      : TcxCustomDropDownEdit(owner, inplace, TTestProperties::StaticClass()) {}
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestDropDownEdit>("TTestDropDownEdit", TcxCustomDropDownEdit::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  bool CanDropDown() override { return Openable; }
  SIZE GetPopupContentSize() override { return SIZE{80, 60}; }
  TWinControl* GetPopupFocusedControl() override {
    return PopupControl ? PopupControl : TcxCustomDropDownEdit::GetPopupFocusedControl();
  }
  TClass GetDataBindingClass() const override { return TCountingBinding::StaticClass(); }
  TTestProperties& Test() const { return static_cast<TTestProperties&>(*Properties()); }

  bool Openable = true;
  TWinControl* PopupControl = nullptr;
};

class cxDropDownEditTest : public DropDownEditorTest {
 protected:
  void SetUp() override {
    DropDownEditorTest::SetUp();
    Edit = CreateComponent<TTestDropDownEdit>(Form.get());
    ShowWith(*Edit);
    ListenToEvents();
  }

  TTestProperties& Properties() const { return Edit->Test(); }
  TWinControl* InnerWindow() const { return &Edit->InnerTextEdit()->Edit(); }
  void ListenToEvents() {
    TcxCustomDropDownEditProperties& properties = Properties();
    properties.SetOnInitPopup([this](TObject*) { Events.push_back("init"); });
    properties.SetOnPopup([this](TObject*) { Events.push_back("popup"); });
    properties.SetOnCloseQuery([this](TObject*, bool& canClose) {
      Events.push_back("query");
      canClose = CanClose;
    });
    properties.SetOnCloseUp([this](TObject*) { Events.push_back(CloseUpEvent(*Edit)); });
    properties.SetOnFinalizePopup([this](TObject*) { Events.push_back("final"); });
  }
  TcxEditButtonState DropDownButtonState() const {
    Edit->ShortRefreshContainer();
    return Edit->EditViewInfo().ButtonsInfo.at(0)->Data.State;
  }

  TTestDropDownEdit* Edit = nullptr;
  bool CanClose = true;
  TFakeClipboard Clipboard;
};

// Each case opens the popup with a key, closes it and reads the events of
// the opening with the reason the popup closed for, and the values posted
// with ImmediatePost.
TEST_F(cxDropDownEditTest, KeysAndTheFocusOpenAndCloseThePopupWithTheirReasonsInOrder) {
  struct TCase {
    const char* Name;
    WORD OpenKey;
    LPARAM OpenKeyData;
    std::function<void()> Close;
    int Reason;
    int Posted;
    // The mouse hook closes the popup without asking.
    bool Asked = true;
  };
  const auto key = [this](WORD k, LPARAM data = 0) { return [this, k, data] { Key(k, data); }; };
  const TCase cases[] = {
      {"F4 twice", VK_F4, 0, key(VK_F4), cxEditPopupCloseReasonCloseKey, 0},
      {"Alt+Down, Alt+Up", VK_DOWN, kAltDown, key(VK_UP, kAltDown), cxEditPopupCloseReasonCloseKey, 0},
      {"Enter after typing", VK_F4, 0,
       [this] {
         Key('A');
         Key(VK_RETURN);
       },
       cxEditPopupCloseReasonAccept, 1},
      {"Enter refused by OnEditing", VK_F4, 0,
       [this] {
         Edit->SetOnEditing([](TObject*, bool& canEdit) { canEdit = false; });
         Key(VK_RETURN);
       },
       cxEditPopupCloseReasonCancel, 0},
      {"Escape", VK_F4, 0, key(VK_ESCAPE), cxEditPopupCloseReasonCancel, 0},
      {"Tab with PostPopupValueOnTab", VK_F4, 0,
       [this] {
         Properties().SetPostPopupValueOnTab(true);
         Key('A');
         Key(VK_TAB);
       },
       cxEditPopupCloseReasonTab, 1},
      {"focus leaving", VK_F4, 0, [this] { Other->SetFocus(); }, cxEditPopupCloseReasonUnknown, 0},
      // Beside the popup, which covers the left of the other control.
      {"a click outside", VK_F4, 0,
       [this] {
         Click(*Other, POINT{110, 5});
       },
       cxEditPopupCloseReasonUnknown, 0, false},
  };
  Properties().SetImmediatePost(true);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetOnEditing(nullptr);
    Properties().SetPostPopupValueOnTab(false);
    Edit->SetText("");
    Edit->SetModifiedAfterEnter(false);
    InnerWindow()->SetFocus();
    Events.clear();
    TCountingBinding::Posted = 0;
    Key(c.OpenKey, c.OpenKeyData);
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(DropDownButtonState(), ebstPressed) << "the drop-down button shows the open popup";
    EXPECT_EQ(GetFocus(), InnerWindow()->Handle()) << "the popup leaves the focus in the editor";
    c.Close();
    EXPECT_FALSE(Edit->DroppedDown());
    std::vector<std::string> expected{"init", "popup", "query", "final", "closeup " + std::to_string(c.Reason)};
    if (!c.Asked) expected.erase(expected.begin() + 2);
    EXPECT_EQ(Events, expected);
    EXPECT_EQ(TCountingBinding::Posted, c.Posted);
  }
}

TEST_F(cxDropDownEditTest, ThePopupOpensOnlyWhenItMayAndStaysWhileTheQueryRefuses) {
  WORD altF4 = VK_F4;
  Edit->DoEditKeyDown(altF4, TShiftState{ssAlt});
  EXPECT_EQ(altF4, VK_F4) << "Alt+F4 is left to the form";
  EXPECT_FALSE(Edit->DroppedDown());

  Edit->Openable = false;
  Key(VK_F4);
  EXPECT_FALSE(Edit->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"init", "final"}));

  Edit->Openable = true;
  Events.clear();
  Key(VK_F4);
  CanClose = false;
  Key(VK_ESCAPE);
  EXPECT_TRUE(Edit->DroppedDown());
  CanClose = true;
  Edit->SetDroppedDown(false);
  EXPECT_EQ(Events, (std::vector<std::string>{"init", "popup", "query", "query", "final", "closeup 0"}));
}

// A popup owned by the form takes the focus and the character that opened
// it; another leaves the character to the editor's text. A paste opens only
// when it changed the text; ImmediatePopup opens on any activation.
TEST_F(cxDropDownEditTest, CharactersPastesAndActivationsOpenThePopupAsThePropertiesSay) {
  enum THow { Typing, Pasting, ActivatingByKey, Activating };
  struct TCase {
    THow How;
    bool OwnedByForm, ImmediateDropDown, ImmediatePopup;
    std::string Before;
    bool Opens;
    std::string EditorText, PopupText;
  };
  const TCase cases[] = {
      {Typing, true, true, false, "", true, "", "x"},          {Typing, false, true, false, "", true, "x", ""},
      {Typing, true, false, false, "", false, "x", ""},        {Pasting, false, true, false, "", true, "x", ""},
      {Pasting, false, true, false, "x", false, "x", ""},      {Pasting, false, false, false, "", false, "x", ""},
      {ActivatingByKey, true, true, false, "", true, "", "x"}, {ActivatingByKey, false, true, false, "", true, "x", ""},
      {ActivatingByKey, true, true, true, "", true, "", ""},   {Activating, false, false, true, "", true, "", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.How << c.OwnedByForm << c.ImmediateDropDown << c.ImmediatePopup << c.Before);
    // An editor of its own each: an activated editor keeps its text.
    TOwned<TTestDropDownEdit> edit(CreateComponent<TTestDropDownEdit>(nullptr));
    edit->SetBounds(10, 40, 120, 24);
    edit->SetParent(Form.get());
    edit->PopupWindow()->SetModalPopup(false);
    TOwned<TEdit> inside(CreateComponent<TEdit>(nullptr));
    inside->SetParent(edit->PopupWindow());
    inside->SetTabStop(true);
    edit->SetText(c.Before);
    edit->InnerTextEdit()->Edit().SetFocus();
    edit->Test().OwnedByForm = c.OwnedByForm;
    edit->Test().SetImmediateDropDown(c.ImmediateDropDown);
    edit->Test().SetImmediatePopup(c.ImmediatePopup);
    edit->PopupControl = c.OwnedByForm ? inside.get() : nullptr;
    TcxCustomEditData* data = nullptr;
    switch (c.How) {
      case Typing: Key('X'); break;
      case Pasting:
        Clipboard.Text = "x";
        SendMessageA(edit->InnerTextEdit()->Handle(), EM_SETSEL, 0, -1);
        SendMessageA(edit->InnerTextEdit()->Handle(), WM_PASTE, 0, 0);
        break;
      case ActivatingByKey: edit->ActivateByKey('x', data); break;
      case Activating: edit->Activate(data); break;
    }
    ProcessPendingMessages();
    delete data;
    EXPECT_EQ(edit->DroppedDown(), c.Opens);
    EXPECT_EQ(edit->Text(), c.EditorText);
    EXPECT_EQ(inside->GetTextBuf(), c.PopupText);
    const HWND focusWanted = c.OwnedByForm && c.Opens ? inside->Handle() : edit->InnerTextEdit()->Handle();
    if (c.How == Typing) {
      EXPECT_EQ(GetFocus(), focusWanted);
    }
    edit->SetDroppedDown(false);
  }
}

// The popup follows the looks of the editor's style and hears which of them changed.
TEST_F(cxDropDownEditTest, ThePopupLooksFollowTheEditorsStyle) {
  TcxEditPopupControlLookAndFeel& looks = Edit->PopupControlsLookAndFeel();
  std::vector<TcxLookAndFeelValues> heard;
  looks.SetOnChanged([&](TcxLookAndFeel*, TcxLookAndFeelValues values) { heard.push_back(values); });
  TcxLookAndFeel& style = *Edit->GetStyle()->LookAndFeel();
  style.SetKind(lfFlat);
  style.SetNativeStyle(false);
  Edit->ShortRefreshContainer();
  heard.clear();
  style.SetKind(lfOffice11);
  style.SetNativeStyle(true);
  Edit->ShortRefreshContainer();
  const auto told = [&](TcxLookAndFeelValue value) {
    return std::any_of(heard.begin(), heard.end(), [&](TcxLookAndFeelValues values) { return values.Contains(value); });
  };
  EXPECT_TRUE(told(lfvKind));
  EXPECT_TRUE(told(lfvNativeStyle));
  EXPECT_FALSE(told(lfvSkinName));
  EXPECT_EQ(looks.Kind(), lfOffice11);
  EXPECT_TRUE(looks.NativeStyle());
  const size_t count = heard.size();
  Edit->ShortRefreshContainer();
  EXPECT_EQ(heard.size(), count) << "a refresh without a change tells nothing";
  Key(VK_F4);
  EXPECT_EQ(Edit->PopupWindow()->EditViewInfo().LookAndFeelKind, lfOffice11);
}

// The user's reasons make the list's current item the text; the others leave it.
TEST_F(cxDropDownEditTest, ClosingForTheUsersReasonsTakesTheListsItemOver) {
  Properties().LookupItems().Add("one");
  Properties().LookupItems().Add("two");
  TcxCustomEditListBox& list = Edit->LookupData().List();
  struct TCase {
    const char* Name;
    std::function<void()> Close;
    std::string Text;
  };
  const TCase cases[] = {
      {"close key", [this] { Key(VK_F4); }, "two"},
      {"Enter", [this] { Key(VK_RETURN); }, "two"},
      {"Escape", [this] { Key(VK_ESCAPE); }, "one"},
      {"focus leaving", [this] { Other->SetFocus(); }, "one"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetText("one");
    InnerWindow()->SetFocus();
    Key(VK_F4);
    const RECT client = Edit->PopupWindow()->EditViewInfo().ClientRect;
    const RECT bounds = list.BoundsRect();
    EXPECT_TRUE(EqualRect(&bounds, &client)) << "the list fills the popup";
    list.SetItemIndex(1);
    c.Close();
    EXPECT_EQ(Edit->Text(), c.Text);
  }
}

// The drop-down button opens the popup by its own press; the text area only
// of a focused fixed list.
TEST_F(cxDropDownEditTest, ClicksOnTheButtonAndOnAFixedListsTextOpenThePopup) {
  const POINT onButton = DropDownButtonCentre(*Edit);
  const POINT onText{5, 5};
  struct TCase {
    bool FixedList;
    // The press activates an in-place editor rather than reaching a working one.
    bool Activating;
    POINT Point;
    bool Opens;
  };
  const TCase cases[] = {
      {false, false, onButton, true},
      {true, false, onText, true},
      {false, false, onText, false},
      {true, true, onText, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.FixedList << c.Activating << c.Point.x);
    Edit->SetDroppedDown(false);
    Properties().FixedList = c.FixedList;
    if (c.Activating) {
      TcxCustomEditData* data = nullptr;
      Edit->ActivateByMouse(TShiftState{ssLeft}, 10 + c.Point.x, 10 + c.Point.y, data);
      delete data;
    } else {
      SendMessageA(Edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.Point.x, c.Point.y));
    }
    SendMessageA(Edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(c.Point.x, c.Point.y));
    ProcessPendingMessages();
    EXPECT_EQ(Edit->DroppedDown(), c.Opens);
  }
}

// The press that closes the open popup must not open it again, with the
// pointer tracked or not.
TEST_F(cxDropDownEditTest, AClickOnTheDropDownButtonOfAnOpenPopupClosesIt) {
  const POINT onButton = DropDownButtonCentre(*Edit);
  for (const bool hotTrack : {true, false}) {
    SCOPED_TRACE(hotTrack);
    Edit->GetStyle()->SetHotTrack(hotTrack);
    Click(*Edit, onButton);
    ASSERT_TRUE(Edit->DroppedDown());
    Click(*Edit, onButton);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_NE(DropDownButtonState(), ebstPressed);
  }
}

// A standalone editor keeps the user's size in its properties, an in-place
// one in its edit data, for the next opening.
TEST_F(cxDropDownEditTest, ThePopupTakesTheSizeOfThePropertiesAndKeepsTheSizeTheUserGaveIt) {
  for (const bool inplace : {false, true}) {
    SCOPED_TRACE(inplace);
    TOwned<TTestDropDownEdit> edit(new TTestDropDownEdit(nullptr, inplace));
    edit->AfterConstruction();
    edit->SetBounds(10, 40, 120, 24);
    edit->SetParent(Form.get());
    TTestProperties& properties = edit->Test();
    properties.SetPopupAutoSize(false);
    properties.SetPopupSizeable(true);
    properties.SetPopupSysPanelStyle(true);
    properties.SetPopupWidth(150);
    properties.SetPopupHeight(100);
    TcxCustomEditData* data = nullptr;
    edit->Activate(data);
    Key(VK_F4);
    TcxCustomEditPopupWindow& popup = *edit->PopupWindow();
    ASSERT_TRUE(edit->DroppedDown());
    EXPECT_EQ(popup.Width(), 150);
    EXPECT_EQ(popup.Height(), 100);
    // The press lies on the grip, the release 20 pixels further out.
    SendMessageA(popup.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(147, 97));
    SendMessageA(popup.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(167, 117));
    SendMessageA(popup.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(167, 117));
    Key(VK_ESCAPE);
    EXPECT_EQ(properties.PopupWidth(), inplace ? 150 : 170);
    EXPECT_EQ(properties.PopupHeight(), inplace ? 100 : 120);
    Key(VK_F4);
    EXPECT_EQ(popup.Width(), 170);
    EXPECT_EQ(popup.Height(), 120);
    edit.reset();
    delete data;
  }
}

TEST_F(cxDropDownEditTest, SettersKeepTheSizesWithinTheirMinimums) {
  struct TCase {
    const char* Name;
    std::function<void(TcxCustomDropDownEditProperties&)> Set;
    SIZE Size;
    SIZE MinSize;
  };
  const TCase cases[] = {
      {"a width below the minimum", [](auto& p) { p.SetPopupWidth(50); }, {100, 200}, {100, 100}},
      {"width 0 means the editor's", [](auto& p) { p.SetPopupWidth(0); }, {0, 200}, {100, 100}},
      {"a negative width", [](auto& p) { p.SetPopupWidth(-5); }, {0, 200}, {100, 100}},
      {"a height below the minimum", [](auto& p) { p.SetPopupHeight(20); }, {250, 100}, {100, 100}},
      {"a minimum height above the height", [](auto& p) { p.SetPopupMinHeight(300); }, {250, 300}, {100, 300}},
      {"a minimum width above the width", [](auto& p) { p.SetPopupMinWidth(260); }, {260, 200}, {260, 100}},
      {"a negative minimum", [](auto& p) { p.SetPopupMinWidth(-1); }, {250, 200}, {0, 100}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    auto properties = CreatePersistentOf<TcxCustomDropDownEditProperties>(TTestProperties::StaticClass(), nullptr);
    properties->SetPopupMinWidth(100);
    properties->SetPopupMinHeight(100);
    properties->SetPopupWidth(250);
    properties->SetPopupHeight(200);
    c.Set(*properties);
    EXPECT_EQ(properties->PopupWidth(), c.Size.cx);
    EXPECT_EQ(properties->PopupHeight(), c.Size.cy);
    EXPECT_EQ(properties->PopupMinWidth(), c.MinSize.cx);
    EXPECT_EQ(properties->PopupMinHeight(), c.MinSize.cy);
  }
}

TEST_F(cxDropDownEditTest, AGlyphMakesTheDropDownButtonAGlyphButton) {
  TTestProperties& properties = Properties();
  EXPECT_EQ(properties.Buttons().Items(0).Kind(), bkDown);
  TBitmap glyph;
  glyph.SetSize(8, 8);
  properties.SetButtonGlyph(&glyph);
  EXPECT_EQ(properties.Buttons().Items(0).Kind(), bkGlyph);
  properties.SetButtonGlyph(nullptr);
  EXPECT_EQ(properties.Buttons().Items(0).Kind(), bkDown);
}

}  // namespace
