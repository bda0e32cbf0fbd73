// The masked edit on real windows, focused and its form in the foreground:
// without a mask it is the text editor; with a picture mask it types in
// overtype with the caret shown as a one-character selection, steps over
// the literals, blanks what is deleted and places what is pasted; its
// settings keep the mask's rules.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "controls/editors/text/cxTextEdit.h"
#include "controls/foundation/base/cxDataStorage.h"
#include "platform/classes/FormReader.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "tests/controls/editors/TextEditTypingCases.h"
#include "tests/controls/foundation/FoundationFixture.h"
#include "tests/support/FakeClipboard.h"

namespace {

const char kPhoneMask[] = "(000) 000-0000";
const char kEmptyPhone[] = "(___) ___-____";

void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++count)
    Application().ProcessMessages();
}

class cxMaskEditTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    cxTextEditInitialize();
    cxMaskEditInitialize();
    Form->SetBounds(100, 100, 300, 240);
    Edit = CreateComponent<TcxMaskEdit>(Form.get());
    Edit->SetBounds(10, 10, 160, 24);
    Edit->SetParent(Form.get());
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ProcessPendingMessages();
    InnerEditOf(*Edit).SetFocus();
    cxEditBeep() = [this] { ++Beeps; };
  }
  void TearDown() override {
    cxEditBeep() = nullptr;
    Form.reset();
    cxMaskEditFinalize();
    cxTextEditFinalize();
    cxEditFinalize();
  }

  TcxMaskEditProperties& Properties() const { return Edit->PropertiesObject(); }
  static TOwned<TcxMaskEditProperties> NewProperties() {
    return CreatePersistentOf<TcxMaskEditProperties>(TcxMaskEditProperties::StaticClass(), nullptr);
  }
  int SelStart() const { return InnerEditOf(*Edit).SelStart(); }
  int SelLength() const { return InnerEditOf(*Edit).SelLength(); }

  // "{L}" "{R}" "{H}" "{E}" "{Del}" "{BS}" "{Ins}" are keys, "^" before one holds
  // Ctrl and "+" Shift, as the keyboard state the key handling reads;
  // "{Cut}" "{Paste}" "{Undo}" "{EmUndo}" are the edit's messages, "{All}" and
  // "{Sel6,9}" select, "{Click7}" clicks the text before character 7,
  // "{=text}" puts text on the clipboard, "{Echo}" hides the text behind the
  // password echo; any other character is typed.
  void Press(const std::string& keys) {
    std::vector<BYTE> held;
    for (size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] == '^' || keys[i] == '+') {
        held.push_back(keys[i] == '^' ? VK_CONTROL : VK_SHIFT);
        continue;
      }
      if (keys[i] != '{') {
        TypeText(*Edit, std::string(1, keys[i]));
        continue;
      }
      const size_t end = keys.find('}', i);
      PressKey(keys.substr(i + 1, end - i - 1), held);
      held.clear();
      i = end;
    }
  }

  void PressKey(const std::string& name, const std::vector<BYTE>& held) {
    const HWND inner = InnerEditOf(*Edit).Handle();
    if (name[0] == '=') {
      Clipboard.Text = name.substr(1);
      return;
    }
    if (name == "Echo") {
      Properties().SetEchoMode(eemPassword);
      return;
    }
    int from = 0, to = 0;
    if (sscanf(name.c_str(), "Sel%d,%d", &from, &to) == 2 || name == "All") {
      SendMessageA(inner, EM_SETSEL, name == "All" ? 0 : from, name == "All" ? -1 : to);
      return;
    }
    if (sscanf(name.c_str(), "Click%d", &from) == 1) {
      const LPARAM place = SendMessageA(inner, EM_POSFROMCHAR, from, 0);
      SendMessageA(inner, WM_LBUTTONDOWN, MK_LBUTTON, place);
      SendMessageA(inner, WM_LBUTTONUP, 0, place);
      return;
    }
    const UINT message = name == "Cut"      ? WM_CUT
                         : name == "Paste"  ? WM_PASTE
                         : name == "Undo"   ? WM_UNDO
                         : name == "EmUndo" ? EM_UNDO
                                            : 0;
    if (message) {
      SendMessageA(inner, message, 0, 0);
      return;
    }
    BYTE state[256] = {};
    GetKeyboardState(state);
    for (const BYTE key : held) state[key] = 0x80;
    SetKeyboardState(state);
    if (name == "BS")
      SendKey(*Edit, VK_BACK, '\b');
    else
      SendKey(*Edit, name == "L"     ? VK_LEFT
                     : name == "R"   ? VK_RIGHT
                     : name == "H"   ? VK_HOME
                     : name == "E"   ? VK_END
                     : name == "Ins" ? VK_INSERT
                                     : VK_DELETE);
    for (const BYTE key : held) state[key] = 0;
    SetKeyboardState(state);
  }

  // Made without a form resource: the form holds only what the test puts on it.
  TOwned<TForm> Form{new TForm(nullptr)};
  TcxMaskEdit* Edit = nullptr;
  TFakeClipboard Clipboard;
  int Beeps = 0;
};

// One table, two kinds of no mask: an empty one and one of blanks.
TEST_F(cxMaskEditTest, WithoutAMaskTheTextEditorsCasesGiveTheSameResults) {
  for (const char* mask : {"", "   "}) {
    SCOPED_TRACE(std::string("mask '") + mask + "'");
    Properties().SetEditMask(mask);
    EXPECT_FALSE(Edit->IsMasked());
    RunTypedAndPastedCases(*Edit, Clipboard);
    RunClipboardCases(*Edit, Clipboard);
  }
}

TEST_F(cxMaskEditTest, APhoneMaskTypesInOvertypeAndSkipsItsLiterals) {
  struct TCase {
    const char* Keys;
    const char* Text;
    int SelStart;
    int SelLength;
  };
  const TCase cases[] = {
      {"", kEmptyPhone, 0, 1},
      {"555", "(555) ___-____", 6, 1},
      {"5551234567", "(555) 123-4567", 14, 0},
      {"555{H}", "(555) ___-____", 1, 1},
      {"555{L}", "(555) ___-____", 3, 1},
      {"555{L}{R}", "(555) ___-____", 6, 1},
      {"555{H}9", "(955) ___-____", 2, 1},
      {"555{H}{Del}", "(_55) ___-____", 1, 1},
      {"555{BS}", "(55_) ___-____", 3, 1},
      {"555{E}", "(555) ___-____", 14, 0},
      {"555^{L}", "(555) ___-____", 1, 1},
      {"555{H}^{R}", "(555) ___-____", 14, 0},
      {"555{H}+{Del}", "(_55) ___-____", 1, 1},
      {"5551234567{E}+{Del}", "(555) 123-456_", 13, 1},
      // A click shows the caret where it falls as the character Delete blanks.
      {"5551234567{Click7}{Del}", "(555) 1_3-4567", 7, 1},
      {"x", kEmptyPhone, 1, 1},
      // A paste runs the paste steps twice: the digits are placed once and
      // the caret stands after them.
      {"{H}{=5551234567}{Paste}", "(555) 123-4567", 11, 1},
      {"{H}{=5551234567}{Paste}{=99}{Paste}", "(555) 123-4997", 13, 1},
      // Only the first line of a paste is placed.
      {"{H}{=555\r\n1234567}{Paste}", "(555) ___-____", 6, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Keys);
    Properties().SetEditMask("");
    Edit->SetEditValue(Variant());
    Properties().SetEditMask(kPhoneMask);
    Press(c.Keys);
    EXPECT_EQ(InnerTextOf(*Edit), c.Text);
    EXPECT_EQ(SelStart(), c.SelStart);
    EXPECT_EQ(SelLength(), c.SelLength);
  }
}

// The activating key is the first one typed into the mask.
TEST_F(cxMaskEditTest, AnInPlaceEditorActivatedByAKeyTypesItIntoTheMask) {
  for (const bool autoSelect : {true, false}) {
    SCOPED_TRACE(autoSelect);
    auto* edit = TcxCustomEdit::CreateInplace<TcxMaskEdit>(Form.get());
    edit->SetBounds(10, 100, 160, 24);
    edit->SetParent(Form.get());
    edit->PropertiesObject().SetAutoSelect(autoSelect);
    edit->PropertiesObject().SetEditMask(kPhoneMask);
    edit->SetEditValue(Variant("5551234567"));
    TcxCustomEditData* data = nullptr;
    edit->ActivateByKey('9', data);
    EXPECT_EQ(InnerTextOf(*edit), autoSelect ? "(9__) ___-____" : "(955) 123-4567");
    EXPECT_EQ(InnerEditOf(*edit).SelStart(), 2);
    EXPECT_TRUE(IsWindowVisible(InnerEditOf(*edit).Handle()));
    edit->Free();
  }
}

// Clipboard messages and keys under each kind of mask. Cut with only a
// caret takes nothing; Shift+Insert pastes as the paste message does, with
// Ctrl too, while Ctrl+Insert only copies; the native edit's Ctrl+Delete
// (deleting to the end) and Shift+Ctrl+Delete (deleting nothing) leave a
// masked text; the native undo would bring back a text the mask never saw;
// a password echo cuts nothing. Typing goes on from what each left.
TEST_F(cxMaskEditTest, ClipboardMessagesAndEditingKeysKeepTheMasksText) {
  struct TCase {
    const char* Label;
    TcxEditMaskKind Kind;
    const char* Mask;
    const char* Keys;
    const char* Text;
    const char* Clipboard;
  };
  const char kCode[] = "[A-F]\\d{2,3}";
  const TCase cases[] = {
      {"cut a selection", emkStandard, kPhoneMask, "5551234567{Sel6,9}{Cut}", "(555) ___-4567", "123"},
      {"cut a caret", emkRegExpr, kCode, "D{Cut}C12", "D12", "kept"},
      {"cut a caret", emkRegExprEx, kCode, "D{Cut}C12", "D12", "kept"},
      {"Shift+Insert", emkStandard, "L00", "{H}{=D12x}+{Ins}", "D12", "D12x"},
      {"Shift+Insert", emkRegExpr, kCode, "{H}{=D12x}+{Ins}", "D12", "D12x"},
      {"Ctrl+Insert after", emkStandard, "L00", "{H}{=D12x}+{Ins}^{Ins}", "D12", nullptr},
      {"Ctrl+Insert after", emkRegExpr, kCode, "{H}{=D12x}+{Ins}^{Ins}", "D12", nullptr},
      {"Shift+Ctrl+Insert", emkStandard, "L00", "{H}{=D12x}^+{Ins}", "D12", "D12x"},
      {"Shift+Ctrl+Insert", emkRegExpr, kCode, "{H}{=D12x}^+{Ins}", "D12", "D12x"},
      {"Ctrl+Delete", emkRegExpr, kCode, "D12{L}{L}^{Del}{E}3", "D123", "kept"},
      {"Ctrl+Delete", emkRegExprEx, kCode, "D12{L}{L}^{Del}{E}3", "D123", "kept"},
      {"Shift+Ctrl+Delete", emkRegExpr, kCode, "D12{L}{L}^+{Del}{E}3", "D123", "kept"},
      {"Shift+Ctrl+Delete", emkRegExprEx, kCode, "D12{L}{L}^+{Del}{E}3", "D123", "kept"},
      {"undo", emkStandard, "L00", "{H}E52{All}D{Undo}", "D__", "kept"},
      {"undo", emkRegExpr, kCode, "{H}E52{All}D{Undo}", "D", "kept"},
      {"undo", emkRegExprEx, kCode, "{H}E52{All}D{Undo}", "D", "kept"},
      {"EM_UNDO", emkStandard, "L00", "{H}E52{All}D{EmUndo}", "D__", "kept"},
      {"EM_UNDO", emkRegExpr, kCode, "{H}E52{All}D{EmUndo}", "D", "kept"},
      {"EM_UNDO", emkRegExprEx, kCode, "{H}E52{All}D{EmUndo}", "D", "kept"},
      {"password echo cuts nothing", emkStandard, "L00", "{Echo}{H}E52{All}{Cut}", "E52", "kept"},
  };
  for (const TCase& c : cases) {
    Properties().SetMaskKind(c.Kind);
    Properties().SetEditMask(c.Mask);
    Properties().SetEchoMode(eemNormal);
    Edit->SetText("");
    Clipboard.Text = "kept";
    Press(c.Keys);
    EXPECT_EQ(InnerTextOf(*Edit), c.Text) << c.Label << " " << c.Mask;
    if (c.Clipboard) {
      EXPECT_EQ(Clipboard.Text, c.Clipboard) << c.Label << " " << c.Mask;
    }
  }
}

// The value keeps the literals only when the mask saves them; a text that
// does not fill the mask fails validation.
TEST_F(cxMaskEditTest, ValidationTakesTheValueOfAFullTextAndRefusesAnIncompleteOne) {
  struct TCase {
    const char* Mask;
    bool IgnoreMaskBlank;
    const char* Keys;
    bool Valid;
    const char* Value;
  };
  const TCase cases[] = {
      {kPhoneMask, false, "5551234567", true, "(555) 123-4567"},
      {"(000) 000-0000;0;_", false, "5551234567", true, "5551234567"},
      {kPhoneMask, false, "555", false, ""},
      {kPhoneMask, true, "555", true, "(555)    -    "},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Mask) + " " + c.Keys);
    Properties().SetEditMask("");
    Edit->SetEditValue(Variant(""));
    Properties().SetIgnoreMaskBlank(c.IgnoreMaskBlank);
    Properties().SetEditMask(c.Mask);
    Press(c.Keys);
    if (c.Valid) {
      EXPECT_TRUE(Edit->ValidateEdit(true));
      EXPECT_EQ(Edit->EditValue().AsString(), c.Value);
      continue;
    }
    try {
      Edit->ValidateEdit(true);
      ADD_FAILURE() << "validated";
    } catch (const EcxEditValidationError& error) {
      EXPECT_STREQ(error.what(), "The edit value is invalid");
    }
  }
}

// An incomplete value keeps the focus: a click on the text of another
// editor says so once, as a click on a plain edit does. The middle and right
// buttons ask for the focus through the other editor, not through its inner
// edit.
TEST_F(cxMaskEditTest, AClickElsewhereIsRefusedOnceWhileTheValueIsIncomplete) {
  struct TCase {
    UINT Down;
    WPARAM Held;
    UINT Up;
  };
  const TCase cases[] = {
      {WM_LBUTTONDOWN, MK_LBUTTON, WM_LBUTTONUP},
      {WM_MBUTTONDOWN, MK_MBUTTON, WM_MBUTTONUP},
      // Its release would open the inner edit's own menu.
      {WM_RBUTTONDOWN, MK_RBUTTON, WM_NULL},
  };
  int refusals = 0;
  Application().SetMessageBoxHandler([&refusals](const std::string&, const std::string&, UINT) {
    ++refusals;
    return IDOK;
  });
  auto* other = CreateComponent<TcxTextEdit>(Form.get());
  other->SetBounds(10, 50, 160, 24);
  other->SetParent(Form.get());
  Properties().SetEditMask(kPhoneMask);
  Press("555");
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Down);
    refusals = 0;
    PostMessageA(InnerEditOf(*other).Handle(), c.Down, c.Held, MAKELPARAM(5, 5));
    PostMessageA(InnerEditOf(*other).Handle(), c.Up, 0, MAKELPARAM(5, 5));
    ProcessPendingMessages();
    EXPECT_EQ(refusals, 1);
    EXPECT_TRUE(Edit->Focused());
  }
  Application().SetMessageBoxHandler(nullptr);
}

TEST_F(cxMaskEditTest, AReadOnlyMaskEditNeitherTypesNorBlanks) {
  Properties().SetEditMask(kPhoneMask);
  Press("555{H}");
  Properties().SetReadOnly(true);
  Press("9{Del}{BS}");
  EXPECT_EQ(InnerTextOf(*Edit), "(555) ___-____");
}

TEST_F(cxMaskEditTest, TheSettingsKeepTheMasksRules) {
  Properties().SetCaseInsensitive(false);
  Properties().SetCharCase(ecUpperCase);
  EXPECT_TRUE(Properties().CaseInsensitive());
  Properties().SetCaseInsensitive(false);
  EXPECT_TRUE(Properties().CaseInsensitive()) << "kept while the case is forced";
  Properties().SetCharCase(ecNormal);
  Properties().SetCaseInsensitive(false);
  EXPECT_FALSE(Properties().CaseInsensitive());

  Properties().SetMaxLength(5);
  EXPECT_EQ(Properties().MaxLength(), 5);
  Properties().SetEditMask(kPhoneMask);
  EXPECT_EQ(Properties().MaxLength(), 0);
  Properties().SetMaxLength(5);
  EXPECT_EQ(Properties().MaxLength(), 0) << "set under a mask";
  EXPECT_EQ(InnerEditOf(*Edit).MaxLength(), 0);
}

// The stored mask belongs to its kind: switching between a picture and an
// expression alone drops it, while settings that bring both keep the new mask.
TEST_F(cxMaskEditTest, SwitchingTheKindAloneClearsTheStoredMask) {
  Properties().SetEditMask(kPhoneMask);
  Properties().SetMaskKind(emkRegExpr);
  EXPECT_EQ(Properties().EditMask(), "");
  EXPECT_EQ(Edit->Mode().GetMaskKind(), emkRegExpr);
  Properties().SetMaskKind(emkRegExprEx);
  Properties().SetEditMask("\\d\\d");
  Properties().SetMaskKind(emkRegExpr);
  EXPECT_EQ(Properties().EditMask(), "\\d\\d") << "between the expression kinds";

  TOwned<TcxMaskEditProperties> source = NewProperties();
  source->SetMaskKind(emkStandard);
  source->SetEditMask("000");
  Properties().Assign(source.get());
  EXPECT_EQ(Properties().EditMask(), "000");
  EXPECT_EQ(Edit->Mode().GetMaskKind(), emkStandard);
  EXPECT_EQ(InnerTextOf(*Edit), "___");
}

TEST_F(cxMaskEditTest, AnInvalidExpressionRaisesBeforeAnythingIsStored) {
  Properties().SetMaskKind(emkRegExpr);
  Properties().SetEditMask("\\d+");
  try {
    Properties().SetEditMask("a**");
    ADD_FAILURE() << "stored";
  } catch (const EcxMaskEditError& error) {
    EXPECT_EQ(error.Message(), "Regular expression errors:\r\nLine1, Char3: The '*' quantifier cannot be applied here");
  }
  EXPECT_EQ(Properties().EditMask(), "\\d+");
  EXPECT_EQ(Edit->Mode().Mask(), "\\d+");
  Press("12a");
  EXPECT_EQ(InnerTextOf(*Edit), "12");
}

// Unfocused, a picture mask shows the value alone unless the blanks and the
// literals are always shown.
TEST_F(cxMaskEditTest, AnUnfocusedEditorShowsTheValueInTheMasksForm) {
  Properties().SetEditMask("(000) 000-0000;0;_");
  Edit->SetEditValue(Variant("555123"));
  EXPECT_EQ(InnerTextOf(*Edit), "(555) 123-____");
  Variant shown;
  Properties().PrepareDisplayValue(Variant("555123"), shown, false);
  EXPECT_EQ(shown.AsString(), "555123    ");
  Properties().SetAlwaysShowBlanksAndLiterals(true);
  Properties().PrepareDisplayValue(Variant("555123"), shown, false);
  EXPECT_EQ(shown.AsString(), "(555) 123-____");
}

TEST_F(cxMaskEditTest, AFormResourceHoldsAMaskEdit) {
  TForm form(nullptr);
  ReadComponentResource(form,
                        "object Holder: TForm\n"
                        "  object Phone: TcxMaskEdit\n"
                        "    Properties.EditMask = '(000) 000-0000'\n"
                        "    Properties.IgnoreMaskBlank = True\n"
                        "    Text = '5551234567'\n"
                        "  end\n"
                        "end\n",
                        "Holder");
  auto* edit = dynamic_cast<TcxMaskEdit*>(form.FindComponent("Phone"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(InnerTextOf(*edit), "(555) 123-4567");
  EXPECT_TRUE(edit->PropertiesObject().IgnoreMaskBlank());
  EXPECT_EQ(edit->Properties()->GetContainerClass(), TcxMaskEdit::StaticClass());
  EXPECT_EQ(GetClass("TcxMaskEdit"), TcxMaskEdit::StaticClass());
}

// Under a mask the filter offers fewer comparisons and its editor keeps the
// source's AutoSelect; an expression filters as the extended kind.
TEST_F(cxMaskEditTest, AMaskedEditorsFilterHelperFollowsTheMask) {
  const auto* helper =
      dynamic_cast<const TcxFilterMaskEditHelper*>(FindFilterEditHelper(TcxMaskEditProperties::StaticClass()));
  ASSERT_NE(helper, nullptr);
  struct TCase {
    TcxEditMaskKind Kind;
    const char* Mask;
    bool Extended;
    uint32_t Operators;
    TcxEditMaskKind FilterKind;
    bool AutoSelect;
  };
  const TCase cases[] = {
      {emkStandard, "000", false, 0x67E, emkStandard, false},
      {emkRegExpr, "\\d+", true, 0x7E7E, emkRegExprEx, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Mask);
    TOwned<TcxMaskEditProperties> properties = NewProperties();
    properties->SetMaskKind(c.Kind);
    properties->SetEditMask(c.Mask);
    properties->SetAutoSelect(false);
    EXPECT_EQ(helper->GetSupportedFilterOperators(*properties, &TcxStringValueType::Class, c.Extended).Bits(),
              c.Operators);
    TOwned<TcxCustomEditProperties> filter = helper->GetFilterEditProperties(*properties, false);
    const auto& mask = static_cast<TcxCustomMaskEditProperties&>(*filter);
    EXPECT_EQ(mask.MaskKind(), c.FilterKind);
    EXPECT_EQ(mask.AutoSelect(), c.AutoSelect);
  }
}

}  // namespace
