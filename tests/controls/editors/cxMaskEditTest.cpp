// The masked edit on real windows, focused and its form in the foreground:
// without a mask it is the text editor; with a picture mask it types in
// overtype with the caret shown as a one-character selection, steps over
// the literals, blanks what is deleted and places what is pasted; its
// settings keep the mask's rules.
#include <gtest/gtest.h>

#include <string>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/mask/cxMaskEdit.h"
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
  // Ctrl and "+" Shift, as the keyboard state the key handling reads; any
  // other character is typed.
  void Press(const std::string& keys) {
    for (size_t i = 0; i < keys.size(); ++i) {
      const bool modifier = (keys[i] == '^' || keys[i] == '+') && i + 1 < keys.size() && keys[i + 1] == '{';
      if (keys[i] != '{' && !modifier) {
        TypeText(*Edit, std::string(1, keys[i]));
        continue;
      }
      const BYTE held = modifier ? (keys[i] == '^' ? VK_CONTROL : VK_SHIFT) : 0;
      if (modifier) ++i;
      const size_t end = keys.find('}', i);
      PressKey(keys.substr(i + 1, end - i - 1), held);
      i = end;
    }
  }

  void PressKey(const std::string& name, BYTE held) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    if (held) state[held] = 0x80;
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
    if (held) state[held] = 0;
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
      {"x", kEmptyPhone, 1, 1},
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

// A paste from the clipboard runs the paste steps twice: the digits are
// placed once and the caret stands after them.
TEST_F(cxMaskEditTest, APastePlacesTheDigitsIntoTheMaskOnce) {
  Properties().SetEditMask(kPhoneMask);
  Press("{H}");
  Clipboard.Text = "5551234567";
  SendMessageA(InnerEditOf(*Edit).Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(InnerTextOf(*Edit), "(555) 123-4567");
  EXPECT_EQ(SelStart(), 11);
  EXPECT_EQ(SelLength(), 1);
  Clipboard.Text = "99";
  SendMessageA(InnerEditOf(*Edit).Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(InnerTextOf(*Edit), "(555) 123-4997");
  EXPECT_EQ(SelStart(), 13);
}

TEST_F(cxMaskEditTest, CutTakesTheSelectionAndBlanksIt) {
  Properties().SetEditMask(kPhoneMask);
  Press("5551234567");
  SendMessageA(InnerEditOf(*Edit).Handle(), EM_SETSEL, 6, 9);
  SendMessageA(InnerEditOf(*Edit).Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(Clipboard.Text, "123");
  EXPECT_EQ(InnerTextOf(*Edit), "(555) ___-4567");
}

// Cut with only a caret takes nothing, and the expression's modes go on from
// the text they hold.
TEST_F(cxMaskEditTest, CutWithoutASelectionLeavesTheTextAsItWas) {
  for (const TcxEditMaskKind kind : {emkRegExpr, emkRegExprEx}) {
    SCOPED_TRACE(kind);
    Properties().SetMaskKind(kind);
    Properties().SetEditMask("[A-F]\\d{2,3}");
    Edit->SetText("");
    Clipboard.Text = "kept";
    Press("D");
    SendMessageA(InnerEditOf(*Edit).Handle(), WM_CUT, 0, 0);
    EXPECT_EQ(InnerTextOf(*Edit), "D");
    EXPECT_EQ(Clipboard.Text, "kept");
    Press("C12");
    EXPECT_EQ(InnerTextOf(*Edit), "D12");
  }
}

// Shift+Insert pastes as the paste message does, through the mask; Ctrl+Insert
// only copies.
TEST_F(cxMaskEditTest, ShiftInsertPastesThroughTheMask) {
  for (const TcxEditMaskKind kind : {emkStandard, emkRegExpr}) {
    SCOPED_TRACE(kind);
    Properties().SetMaskKind(kind);
    Properties().SetEditMask(kind == emkStandard ? "L00" : "[A-F]\\d{2,3}");
    Edit->SetText("");
    Press("{H}");
    Clipboard.Text = "D12x";
    Press("+{Ins}");
    EXPECT_EQ(InnerTextOf(*Edit), "D12");
    Press("^{Ins}");
    EXPECT_EQ(InnerTextOf(*Edit), "D12");
    // Shift and Ctrl together paste too.
    Edit->SetText("");
    Press("{H}");
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    Press("+{Ins}");
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
    EXPECT_EQ(InnerTextOf(*Edit), "D12");
  }
}

// The native edit deletes to the end with Ctrl, and nothing with Shift and
// Ctrl: under a mask both leave the text, and typing goes on from it.
TEST_F(cxMaskEditTest, CtrlDeleteLeavesAMaskedText) {
  for (const TcxEditMaskKind kind : {emkRegExpr, emkRegExprEx}) {
    for (const bool withShift : {false, true}) {
      SCOPED_TRACE(std::to_string(kind) + (withShift ? " Shift+Ctrl+Delete" : " Ctrl+Delete"));
      Properties().SetMaskKind(kind);
      Properties().SetEditMask("[A-F]\\d{2,3}");
      Edit->SetText("");
      Press("D12{L}{L}");
      BYTE state[256] = {};
      GetKeyboardState(state);
      state[VK_CONTROL] = 0x80;
      state[VK_SHIFT] = withShift ? 0x80 : 0;
      SetKeyboardState(state);
      SendKey(*Edit, VK_DELETE);
      state[VK_CONTROL] = 0;
      state[VK_SHIFT] = 0;
      SetKeyboardState(state);
      EXPECT_EQ(InnerTextOf(*Edit), "D12");
      Press("{E}3");
      EXPECT_EQ(InnerTextOf(*Edit), "D123");
    }
  }
}

// The native edit's undo would bring back a text the mask never saw.
TEST_F(cxMaskEditTest, UnderAMaskNothingUndoes) {
  const HWND inner = InnerEditOf(*Edit).Handle();
  const UINT undos[] = {WM_UNDO, EM_UNDO};
  for (const TcxEditMaskKind kind : {emkStandard, emkRegExpr, emkRegExprEx}) {
    Properties().SetMaskKind(kind);
    Properties().SetEditMask(kind == emkStandard ? "L00" : "[A-F]\\d{2,3}");
    for (const UINT undo : undos) {
      SCOPED_TRACE(std::to_string(kind) + " message " + std::to_string(undo));
      Edit->SetText("");
      Press("{H}E52");
      SendMessageA(inner, EM_SETSEL, 0, -1);
      Press("D");
      const std::string typed = InnerTextOf(*Edit);
      SendMessageA(inner, undo, 0, 0);
      EXPECT_EQ(InnerTextOf(*Edit), typed);
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

TEST_F(cxMaskEditTest, TheUnitRegistersTheEditorsPropertiesAndFilterHelper) {
  TcxRegisteredClasses* registered = GetRegisteredEditProperties();
  ASSERT_NE(registered, nullptr);
  const int index = registered->IndexOf(TcxMaskEditProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registered->Descriptions(index), "MaskEdit|Represents a generic masked edit control.");
  const auto* helper =
      dynamic_cast<const TcxFilterMaskEditHelper*>(FindFilterEditHelper(TcxMaskEditProperties::StaticClass()));
  ASSERT_NE(helper, nullptr);
  EXPECT_EQ(helper->GetFilterEditClass(), TcxMaskEdit::StaticClass());
  struct TCase {
    TcxEditMaskKind Kind;
    const char* Mask;
    bool Extended;
    uint32_t Operators;
    TcxEditMaskKind FilterKind;
    bool AutoSelect;
  };
  const TCase cases[] = {
      {emkStandard, "", false, 0x7FE, emkStandard, true},
      {emkStandard, "", true, 0x7FFE, emkStandard, true},
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
