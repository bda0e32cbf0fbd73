// The text editor on real windows, focused and its form in the foreground:
// what the user types, pastes and cuts keeps to the properties; the window
// text messages answer the editing text within the caller's buffer; the
// lookup items complete typed text and follow the navigation keys.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "controls/editors/text/cxTextEdit.h"
#include "controls/editors/text/cxTextEditListBox.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/classes/FormReader.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "platform/rtl/Locale.h"
#include "tests/controls/editors/TextEditTypingCases.h"
#include "tests/controls/foundation/FoundationFixture.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/TestLocale.h"

namespace {

// Text properties whose editing style and page size the test chooses.
class TStyledProperties : public TcxTextEditProperties {
 public:
  using TcxTextEditProperties::TcxTextEditProperties;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TStyledProperties>("TStyledProperties", TcxTextEditProperties::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  TcxEditEditingStyle GetEditingStyle() const override { return Style; }
  int GetDropDownPageRowCount() const override { return PageRows; }

  TcxEditEditingStyle Style = esEdit;
  int PageRows = 8;
};

// A text editor whose navigation keys walk the lookup items, as a combo's do.
class TNavigatingEdit : public TcxCustomTextEdit {
 public:
  explicit TNavigatingEdit(TComponent* owner, bool inplace = false)
      : TcxCustomTextEdit(owner, inplace, TStyledProperties::StaticClass()) {}
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TNavigatingEdit>("TNavigatingEdit", TcxCustomTextEdit::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  bool CanUseLookupNavigation() override { return true; }
  TStyledProperties& Styled() const { return static_cast<TStyledProperties&>(*Properties()); }
};

void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++count)
    Application().ProcessMessages();
}

class cxTextEditTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    cxTextEditInitialize();
    Form->SetBounds(100, 100, 300, 240);
    Edit = CreateComponent<TcxTextEdit>(Form.get());
    Edit->SetBounds(10, 10, 120, 24);
    Edit->SetParent(Form.get());
    Lookup = CreateComponent<TNavigatingEdit>(Form.get());
    Lookup->SetBounds(10, 40, 120, 24);
    Lookup->SetParent(Form.get());
    Other = CreateComponent<TEdit>(Form.get());
    Other->SetBounds(10, 70, 120, 24);
    Other->SetParent(Form.get());
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ProcessPendingMessages();
    Inner(*Edit).SetFocus();
  }
  void TearDown() override {
    Form.reset();
    cxTextEditFinalize();
    cxEditFinalize();
  }

  static TcxCustomInnerTextEdit& Inner(const TcxCustomTextEdit& edit) { return InnerEditOf(edit); }
  static std::string InnerText(const TcxCustomTextEdit& edit) { return InnerTextOf(edit); }
  static void Key(const TcxCustomTextEdit& edit, WORD key, char ch = 0) { SendKey(edit, key, ch); }
  static void Type(const TcxCustomTextEdit& edit, const std::string& text) { TypeText(edit, text); }
  void ResetEdit() { ResetTextEdit(*Edit); }

  // Made without a form resource: the form holds only what the test puts on it.
  TOwned<TForm> Form{new TForm(nullptr)};
  TcxTextEdit* Edit = nullptr;
  TNavigatingEdit* Lookup = nullptr;
  TEdit* Other = nullptr;
  TFakeClipboard Clipboard;
};

TEST_F(cxTextEditTest, TypedAndPastedTextKeepsToTheProperties) { RunTypedAndPastedCases(*Edit, Clipboard); }

TEST_F(cxTextEditTest, TabMovesTheFocusWithoutTypingAndLeavingPostsTheText) {
  ASSERT_EQ(GetFocus(), Inner(*Edit).Handle());
  int changes = 0;
  Edit->PropertiesObject().SetOnChange([&](TObject*) { ++changes; });
  // Each key is translated into its character before the next comes.
  for (const char ch : std::string("ab")) {
    PostMessageA(Inner(*Edit).Handle(), WM_KEYDOWN, VkKeyScanA(ch) & 0xFF, 0);
    ProcessPendingMessages();
  }
  PostMessageA(Inner(*Edit).Handle(), WM_KEYDOWN, VK_TAB, 0);
  PostMessageA(Inner(*Edit).Handle(), WM_CHAR, '\t', 0);
  ProcessPendingMessages();
  EXPECT_EQ(Edit->Text(), "ab");
  EXPECT_EQ(GetFocus(), Lookup->InnerTextEdit()->Handle());
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Edit->EditValue().AsString(), "ab");
  EXPECT_FALSE(Edit->ModifiedAfterEnter());
}

TEST_F(cxTextEditTest, EnteringTheEditorSelectsItsTextWithAutoSelect) {
  for (const bool autoSelect : {true, false}) {
    SCOPED_TRACE(autoSelect);
    Edit->PropertiesObject().SetAutoSelect(autoSelect);
    Edit->SetText("abc");
    Other->SetFocus();
    SendMessageA(Inner(*Edit).Handle(), EM_SETSEL, 1, 1);
    Inner(*Edit).SetFocus();
    EXPECT_EQ(Inner(*Edit).SelText(), autoSelect ? "abc" : "");
    Edit->ShortRefreshContainer();
    EXPECT_EQ(static_cast<TcxCustomTextEditViewInfo&>(Edit->EditViewInfo()).SelLength, autoSelect ? 3 : 0);
  }
}

TEST_F(cxTextEditTest, AnActivatedInPlaceEditorStartsAtTheStartOrSelectsWithAutoSelect) {
  struct TCase {
    bool AutoSelect;
    char Key;
    const char* Text;
    int SelStart;
    int SelLength;
  };
  const TCase cases[] = {
      {true, 0, "abc", 0, 3},
      {false, 0, "abc", 0, 0},
      {true, 'q', "q", 1, 0},
      {false, 'q', "qabc", 1, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(1, c.Key) + (c.AutoSelect ? " auto" : " plain"));
    auto* edit = TcxCustomEdit::CreateInplace<TcxTextEdit>(Form.get());
    edit->SetBounds(10, 100, 120, 24);
    edit->SetParent(Form.get());
    edit->PropertiesObject().SetAutoSelect(c.AutoSelect);
    edit->SetEditValue(Variant("abc"));
    SendMessageA(Inner(*edit).Handle(), EM_SETSEL, 2, 2);
    TcxCustomEditData* data = nullptr;
    if (c.Key)
      edit->ActivateByKey(c.Key, data);
    else
      edit->Activate(data);
    EXPECT_EQ(InnerText(*edit), c.Text);
    EXPECT_EQ(Inner(*edit).SelStart(), c.SelStart);
    EXPECT_EQ(Inner(*edit).SelLength(), c.SelLength);
  }
}

// An editor whose inner window the test hooks as an activation by key does.
class THookedTextEdit : public TcxTextEdit {
 public:
  using TcxTextEdit::HookInnerEditWndProc;
  using TcxTextEdit::TcxTextEdit;
  using TcxTextEdit::UnhookInnerEditWndProc;
};

TEST_F(cxTextEditTest, TheHookedInnerEditSelectsItsTextOnFocusWithItsAutoSelect) {
  for (const bool autoSelect : {true, false}) {
    SCOPED_TRACE(autoSelect);
    auto* edit = TcxCustomEdit::CreateInplace<THookedTextEdit>(Form.get());
    edit->SetBounds(10, 100, 120, 24);
    edit->SetParent(Form.get());
    edit->SetEditValue(Variant("abc"));
    edit->InnerTextEdit()->SetAutoSelect(autoSelect);
    edit->HookInnerEditWndProc();
    SendMessageA(Inner(*edit).Handle(), EM_SETSEL, 1, 1);
    SendMessageA(Inner(*edit).Handle(), WM_SETFOCUS, 0, 0);
    EXPECT_EQ(Inner(*edit).SelText(), autoSelect ? "abc" : "");
    edit->UnhookInnerEditWndProc();
  }
}

TEST_F(cxTextEditTest, TheClipboardAndClearAskTheEditorFirst) { RunClipboardCases(*Edit, Clipboard); }

// The text covers all of the editor but its border: what the mouse does on
// it is the editor's, in the editor's coordinates; a masked editor's double
// click goes through its mode.
TEST_F(cxTextEditTest, TheMouseOnTheTextReachesTheEditorsEvents) {
  auto* masked = CreateComponent<TcxMaskEdit>(Form.get());
  masked->SetBounds(10, 100, 120, 24);
  masked->SetParent(Form.get());
  masked->PropertiesObject().SetEditMask("000");
  struct TCase {
    UINT Msg;
    WPARAM Keys;
    std::vector<std::string> Events;
  };
  const TCase cases[] = {
      {WM_MOUSEMOVE, 0, {"move"}},
      {WM_LBUTTONDOWN, MK_LBUTTON, {"down"}},
      {WM_MOUSEMOVE, MK_LBUTTON, {"move"}},
      {WM_LBUTTONUP, 0, {"click", "up"}},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, {"double click", "down"}},
  };
  // The handlers stay with the editors until the form goes.
  static std::vector<std::string> events;
  for (TcxCustomTextEdit* edit : {static_cast<TcxCustomTextEdit*>(Edit), static_cast<TcxCustomTextEdit*>(masked)}) {
    SCOPED_TRACE(edit->ClassName());
    const POINT onText{3, 4};
    const POINT inEditor{Inner(*edit).Left() + onText.x, Inner(*edit).Top() + onText.y};
    const auto log = [inEditor](const char* name, int x, int y) {
      events.push_back(x == inEditor.x && y == inEditor.y ? name : "elsewhere");
    };
    edit->SetOnMouseDown([log](TObject*, TMouseButton, TShiftState, int x, int y) { log("down", x, y); });
    edit->SetOnMouseMove([log](TObject*, TShiftState, int x, int y) { log("move", x, y); });
    edit->SetOnMouseUp([log](TObject*, TMouseButton, TShiftState, int x, int y) { log("up", x, y); });
    edit->SetOnClick([](TObject*) { events.push_back("click"); });
    edit->SetOnDblClick([](TObject*) { events.push_back("double click"); });
    for (const TCase& c : cases) {
      events.clear();
      SendMessageA(Inner(*edit).Handle(), c.Msg, c.Keys, MAKELPARAM(onText.x, onText.y));
      EXPECT_EQ(events, c.Events) << c.Msg;
    }
  }
}

// A double-byte character counts once against the limit and stays whole.
TEST_F(cxTextEditTest, SelectedTextIsReplacedWithinMaxLengthByCharacters) {
  class TDoubleByteLocale : public TTestLocale {
   public:
    TDoubleByteLocale() : TTestLocale('/', ':', '.') {}
    bool IsLeadByte(char ch) const override { return static_cast<unsigned char>(ch) == 0x81; }
  } locale;
  struct TCase {
    int MaxLength;
    std::string Text;
  };
  // Inserted before "z": the caret after the insertion must stay within the limit.
  const TCase cases[] = {{0, "ab\x81\x40z"}, {3, "ab\x81\x40"}, {2, "z"}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.MaxLength);
    ResetEdit();
    Edit->SetText("z");
    Edit->SetSelStart(0);
    Edit->PropertiesObject().SetMaxLength(c.MaxLength);
    Edit->SetSelText("ab\x81\x40");
    EXPECT_EQ(Edit->Text(), c.Text);
  }
}

TEST_F(cxTextEditTest, WindowTextMessagesAnswerTheEditingTextWithinTheBuffer) {
  EXPECT_EQ(SendMessageA(Edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("hello")), 1);
  EXPECT_EQ(InnerText(*Edit), "hello");
  EXPECT_EQ(Edit->EditValue().AsString(), "hello");
  EXPECT_EQ(SendMessageA(Edit->Handle(), WM_GETTEXTLENGTH, 0, 0), 5);
  struct TCase {
    WPARAM Size;
    bool NullBuffer;
    LRESULT Result;
    std::string Buffer;
  };
  // The buffer is eight octets of '#': what is not written stays.
  const TCase cases[] = {
      {0, false, 0, "########"},
      {8, true, 0, "########"},
      {1, false, 0, std::string("\0#######", 8)},
      {3, false, 2, std::string("he\0#####", 8)},
      {8, false, 5, std::string("hello\0##", 8)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Size);
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    const LPARAM target = c.NullBuffer ? 0 : reinterpret_cast<LPARAM>(buffer);
    EXPECT_EQ(SendMessageA(Edit->Handle(), WM_GETTEXT, c.Size, target), c.Result);
    EXPECT_EQ(std::string(buffer, sizeof buffer), c.Buffer);
  }
  Lookup->Styled().Style = esEditList;
  Lookup->Styled().LookupItems().Add("Apple");
  EXPECT_EQ(SendMessageA(Lookup->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("pear")), 0) << "no item";
  EXPECT_EQ(SendMessageA(Lookup->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("apple")), 1);
  EXPECT_EQ(Lookup->Text(), "apple");
}

// The inner edit shows the looks of the editor's state: a disabled editor's
// colours, not the window colour it was made with.
TEST_F(cxTextEditTest, TheInnerEditTakesTheColoursOfTheEditorsState) {
  for (const bool enabled : {false, true}) {
    SCOPED_TRACE(enabled ? "enabled" : "disabled");
    Edit->SetEnabled(enabled);
    ProcessPendingMessages();
    EXPECT_EQ(Inner(*Edit).Color(), Edit->ViewInfo().BackgroundColor);
    EXPECT_EQ(Inner(*Edit).Color(), enabled ? clWindow : clBtnFace);
  }
}

TEST_F(cxTextEditTest, AFormResourceHoldsATextEdit) {
  TForm form(nullptr);
  ReadComponentResource(form,
                        "object Holder: TForm\n"
                        "  object Name: TcxTextEdit\n"
                        "    Properties.CharCase = ecUpperCase\n"
                        "    Properties.MaxLength = 5\n"
                        "    Properties.PasswordChar = '#'\n"
                        "    Properties.LookupItems = (\n"
                        "      'one')\n"
                        "    BeepOnEnter = False\n"
                        "    Text = 'abc'\n"
                        "  end\n"
                        "end\n",
                        "Holder");
  auto* edit = dynamic_cast<TcxTextEdit*>(form.FindComponent("Name"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Text(), "ABC");
  EXPECT_EQ(edit->PropertiesObject().MaxLength(), 5);
  EXPECT_EQ(edit->PropertiesObject().PasswordChar(), '#');
  EXPECT_EQ(edit->PropertiesObject().LookupItems().Count(), 1);
  EXPECT_FALSE(edit->BeepOnEnter());
  EXPECT_EQ(edit->Properties()->GetContainerClass(), TcxTextEdit::StaticClass());
}

TEST_F(cxTextEditTest, TheUnitRegistersTheEditorsPropertiesAndFilterHelper) {
  TcxRegisteredClasses* registered = GetRegisteredEditProperties();
  ASSERT_NE(registered, nullptr);
  const int index = registered->IndexOf(TcxTextEditProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registered->Descriptions(index), "TextEdit|Represents a single line text editor");
  const auto* helper =
      dynamic_cast<const TcxFilterTextEditHelper*>(FindFilterEditHelper(TcxTextEditProperties::StaticClass()));
  ASSERT_NE(helper, nullptr);
  EXPECT_EQ(helper->GetFilterEditClass(), TcxTextEdit::StaticClass());
  Edit->PropertiesObject().SetAutoSelect(false);
  Edit->PropertiesObject().SetHideSelection(false);
  TOwned<TcxCustomEditProperties> filter = helper->GetFilterEditProperties(Edit->PropertiesObject(), false);
  const auto& text = static_cast<TcxCustomTextEditProperties&>(*filter);
  EXPECT_TRUE(text.AutoSelect());
  EXPECT_TRUE(text.HideSelection());
  EXPECT_EQ(GetClass("TcxTextEdit"), TcxTextEdit::StaticClass());
}

// One step of a lookup case and what the editor shows after it.
struct TLookupStep {
  std::function<void(TNavigatingEdit&)> Do;
  std::string Text;
  std::string Selected;
  int Index;
  // Where the caret stands after the step; -1 where the case does not ask.
  int Caret = -1;
};

std::function<void(TNavigatingEdit&)> Typed(const std::string& text) {
  return [text](TNavigatingEdit& edit) {
    for (const char ch : text) SendMessageA(edit.InnerTextEdit()->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 0);
  };
}

std::function<void(TNavigatingEdit&)> Pressed(WORD key) {
  return [key](TNavigatingEdit& edit) { SendMessageA(edit.InnerTextEdit()->Handle(), WM_KEYDOWN, key, 0); };
}

std::function<void(TNavigatingEdit&)> Wheeled(int delta) {
  return [delta](TNavigatingEdit& edit) {
    const POINT center = edit.ClientToScreen(POINT{10, 10});
    SendMessageA(edit.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(center.x, center.y));
  };
}

std::function<void(TNavigatingEdit&)> Moved(TcxEditLookupMove move, bool wrap) {
  return [move, wrap](TNavigatingEdit& edit) { edit.LookupData().SelectItem(move, wrap); };
}

TEST_F(cxTextEditTest, IncrementalSearchAndNavigationWalkTheLookupItems) {
  const std::vector<std::string> fruits{"Apple", "apricot", "banana"};
  struct TCase {
    const char* Name;
    TcxEditEditingStyle Style;
    std::vector<std::string> Items;
    int PageRows;
    std::vector<TLookupStep> Steps;
    bool IncrementalSearch = true;
  };
  const TCase cases[] = {
      {"typed text takes the item's case",
       esEdit,
       fruits,
       8,
       {{Typed("a"), "Apple", "pple", 0}, {Typed("p"), "Apple", "ple", 0}, {Typed("r"), "apricot", "icot", 1}}},
      {"the plain style types what starts no item", esEdit, fruits, 8, {{Typed("z"), "z", "", -1}}},
      {"the plain style without incremental search", esEdit, fruits, 8, {{Typed("ap"), "ap", "", 0}}, false},
      {"arrows collapse a completed tail; Delete deletes nothing in the edit-list style",
       esEditList,
       fruits,
       8,
       {{Typed("apr"), "apricot", "icot", 1},
        {Pressed(VK_LEFT), "apricot", "", 1, 3},
        {Pressed(VK_DELETE), "apricot", "", 1}}},
      {"Right collapses a completed tail to its end",
       esEdit,
       fruits,
       8,
       {{Typed("apr"), "apricot", "icot", 1}, {Pressed(VK_RIGHT), "apricot", "", 1, 7}}},
      {"the edit-list style drops what starts no item",
       esEditList,
       fruits,
       8,
       {{Typed("z"), "", "", -1}, {Typed("b"), "banana", "anana", 2}, {Typed("x"), "banana", "anana", 2}}},
      {"the fixed-list style ignores what starts no item",
       esFixedList,
       fruits,
       8,
       {{Typed("b"), "banana", "anana", 2}, {Typed("q"), "banana", "anana", 2}, {Typed("a"), "banana", "nana", 2}}},
      {"backspace takes the tail and a character",
       esEditList,
       fruits,
       8,
       {{Typed("apr"), "apricot", "icot", 1},
        {Typed("\b"), "Apple", "ple", 0},
        {Typed("\b"), "Apple", "pple", 0},
        {Typed("\b"), "", "", -1}}},
      {"backspace at the end of an item, and over a part the user selected",
       esEditList,
       fruits,
       8,
       {{Typed("apr"), "apricot", "icot", 1},
        {Pressed(VK_RIGHT), "apricot", "", 1, 7},
        {Typed("\b"), "apricot", "t", 1},
        {Pressed(VK_LEFT), "apricot", "", 1, 6},
        {[](TNavigatingEdit& edit) { SendMessageA(edit.InnerTextEdit()->Handle(), EM_SETSEL, 2, 4); }, "apricot", "ri",
         1},
        {Typed("\b"), "Apple", "pple", 0}}},
      {"no undo once the style holds items only",
       esEdit,
       fruits,
       8,
       {{Typed("banx\bana"), "banana", "", 2},
        {[](TNavigatingEdit& edit) {
           edit.Styled().Style = esEditList;
           SendMessageA(edit.InnerTextEdit()->Handle(), WM_UNDO, 0, 0);
         },
         "banana", "", 2}},
       false},
      {"backspace in the plain style down to an empty text",
       esEdit,
       fruits,
       8,
       {{Typed("ap"), "Apple", "ple", 0}, {Typed("\b"), "Apple", "pple", 0}, {Typed("\b"), "", "", -1}}},
      {"backspace in the fixed-list style down to an empty text",
       esFixedList,
       fruits,
       8,
       {{Typed("ba"), "banana", "nana", 2}, {Typed("\b"), "banana", "anana", 2}, {Typed("\b"), "", "", -1}}},
      {"keys",
       esFixedList,
       fruits,
       8,
       {{Pressed(VK_DOWN), "Apple", "", 0},
        {Pressed(VK_DOWN), "apricot", "", 1},
        {Pressed(VK_END), "banana", "", 2},
        {Pressed(VK_DOWN), "banana", "", 2},
        {Pressed(VK_HOME), "Apple", "", 0},
        {Pressed(VK_UP), "Apple", "", 0},
        {Pressed(VK_NEXT), "banana", "", 2},
        {Pressed(VK_PRIOR), "Apple", "", 0}}},
      {"Page Up moves by a page less one row",
       esEdit,
       {"a", "b", "c", "d", "e"},
       3,
       {{Moved(elmLast, false), "e", "", 4}, {Pressed(VK_PRIOR), "c", "", 2}, {Pressed(VK_PRIOR), "a", "", 0}}},
      {"a page of one row still moves",
       esEdit,
       fruits,
       1,
       {{Pressed(VK_NEXT), "Apple", "", 0}, {Pressed(VK_NEXT), "apricot", "", 1}}},
      {"the wheel moves without wrapping",
       esEdit,
       fruits,
       8,
       {{Wheeled(-WHEEL_DELTA), "Apple", "", 0},
        {Wheeled(WHEEL_DELTA), "Apple", "", 0},
        {Moved(elmLast, false), "banana", "", 2},
        {Wheeled(-WHEEL_DELTA), "banana", "", 2}}},
      {"moves with wrapping",
       esEdit,
       fruits,
       8,
       {{Moved(elmPrevious, true), "banana", "", 2},
        {Moved(elmNext, true), "Apple", "", 0},
        {Moved(elmPageUp, true), "banana", "", 2},
        {Moved(elmPageDown, true), "Apple", "", 0}}},
      {"no items",
       esEdit,
       {},
       8,
       {{Pressed(VK_DOWN), "", "", -1},
        {Wheeled(-WHEEL_DELTA), "", "", -1},
        {Moved(elmPageDown, true), "", "", -1},
        {Moved(elmLast, true), "", "", -1},
        {Moved(elmFirst, false), "", "", -1},
        {Typed("a"), "a", "", -1}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TStyledProperties& properties = Lookup->Styled();
    properties.Style = esEdit;
    Lookup->SetText("");
    properties.LookupItems().Clear();
    for (const std::string& item : c.Items) properties.LookupItems().Add(item);
    properties.Style = c.Style;
    properties.PageRows = c.PageRows;
    properties.SetIncrementalSearch(c.IncrementalSearch);
    Lookup->LookupData().SetItemIndex(-1);
    Inner(*Lookup).SetFocus();
    int step = 0;
    for (const TLookupStep& s : c.Steps) {
      SCOPED_TRACE(step++);
      s.Do(*Lookup);
      EXPECT_EQ(InnerText(*Lookup), s.Text);
      EXPECT_EQ(Inner(*Lookup).SelText(), s.Selected);
      EXPECT_EQ(Lookup->ItemIndex(), s.Index);
      if (s.Caret >= 0) {
        EXPECT_EQ(Inner(*Lookup).SelStart(), s.Caret);
      }
      EXPECT_GE(Lookup->ItemIndex(), -1);
      EXPECT_LT(Lookup->ItemIndex(), static_cast<int>(c.Items.size()));
    }
  }
}

TEST_F(cxTextEditTest, AnotherItemFoundWhileTypingBecomesTheEditValue) {
  struct TStep {
    const char* Typed;
    const char* EditValue;
    int Changes;
  };
  const TStep steps[] = {{"z", "", 0},        {"\b\ba", "Apple", 1}, {"p", "Apple", 1},
                         {"r", "apricot", 2}, {"\b", "Apple", 3},    {"\b\b", "", 4}};
  TStyledProperties& properties = Lookup->Styled();
  for (const char* item : {"Apple", "apricot"}) properties.LookupItems().Add(item);
  int changes = 0;
  properties.SetOnEditValueChanged([&](TObject*) { ++changes; });
  Inner(*Lookup).SetFocus();
  for (const TStep& s : steps) {
    SCOPED_TRACE(s.Typed);
    Type(*Lookup, s.Typed);
    EXPECT_EQ(Lookup->EditValue().AsString(), s.EditValue);
    EXPECT_EQ(changes, s.Changes);
  }
  EXPECT_TRUE(Lookup->ModifiedAfterEnter());
}

TEST_F(cxTextEditTest, ACurrentItemPastTheEndOfShrunkItemsIsForgotten) {
  TStringList& items = Lookup->Styled().LookupItems();
  for (const char* item : {"one", "two", "three"}) items.Add(item);
  Lookup->LookupData().SetItemIndex(2);
  items.Delete(2);
  EXPECT_EQ(Lookup->ItemIndex(), -1);
  Lookup->LookupData().SetItemIndex(1);
  items.Delete(0);
  EXPECT_EQ(Lookup->ItemIndex(), -1);
  Lookup->LookupData().SetItemIndex(0);
  items.Add("four");
  EXPECT_EQ(Lookup->ItemIndex(), 0) << "still an item";
}

TEST_F(cxTextEditTest, TheEditListBoxMirrorsTheItemsAndTracksThePointer) {
  TStringList& items = Lookup->Styled().LookupItems();
  for (int i = 0; i < 30; ++i) items.Add("item " + std::to_string(i));
  TcxCustomEditListBox& list = Lookup->LookupData().List();
  EXPECT_EQ(&Lookup->LookupData().List(), &list) << "made once";
  EXPECT_EQ(list.Container(), nullptr) << "a list owned for an editor does not feed it";
  EXPECT_EQ(list.Items().Count(), 30);
  list.SetBounds(150, 10, 120, list.GetHeight(5));
  list.SetParent(Form.get());
  ProcessPendingMessages();
  const int itemHeight = list.GetItemHeight();
  TcxCanvas& canvas = cxScreenCanvas();
  canvas.SetFont(list.Font());
  EXPECT_EQ(itemHeight, canvas.TextHeight("Wg"));
  EXPECT_EQ(SendMessageA(list.Handle(), LB_GETITEMHEIGHT, 0, 0), itemHeight);
  EXPECT_EQ(list.GetItemText(3), "item 3");

  std::vector<int> selected;
  list.SetOnSelectItem([&](TObject*) { selected.push_back(list.ItemIndex()); });
  for (const int y : {itemHeight + 1, itemHeight + 2, 2 * itemHeight + 1, 2 * itemHeight + 3})
    SendMessageA(list.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, y));
  EXPECT_EQ(selected, (std::vector<int>{1, 2})) << "once per item";
  list.SetItemIndex(2);
  EXPECT_EQ(selected.size(), 2u);
  list.SetHotTrack(false);
  SendMessageA(list.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 1));
  EXPECT_EQ(list.ItemIndex(), 2);

  const POINT center = list.ClientToScreen(POINT{5, 5});
  SendMessageA(list.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(center.x, center.y));
  EXPECT_EQ(list.TopIndex(), static_cast<int>(WheelScrollLines()));

  list.SetItemCount(30);
  EXPECT_EQ(list.Items().Count(), 30);
  items.Delete(29);
  items.Delete(28);
  EXPECT_EQ(list.ItemCount(), 28);
  EXPECT_EQ(list.Items().Count(), 28);
}

}  // namespace
