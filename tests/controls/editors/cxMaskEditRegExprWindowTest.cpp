// The expression masks on a real, focused window: the keys reach the modes
// through the native edit's messages, and what a completing mode types
// itself lands in the native edit.
#include <gtest/gtest.h>

#include <string>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "tests/controls/editors/TextEditTypingCases.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

class cxMaskEditRegExprWindowTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    cxTextEditInitialize();
    cxMaskEditInitialize();
    cxEditBeep() = [this] { ++Beeps; };
    Form->SetBounds(100, 100, 300, 120);
    Form->Show();
    SetForegroundWindow(Form->Handle());
  }
  void TearDown() override {
    Form.reset();
    cxEditBeep() = nullptr;
    cxMaskEditFinalize();
    cxTextEditFinalize();
    cxEditFinalize();
  }

  // A new focused editor for each case, so that none inherits another's text.
  void NewEdit(TcxEditMaskKind kind, const std::string& mask) {
    if (Edit) Edit->Free();
    Edit = CreateComponent<TcxMaskEdit>(Form.get());
    Edit->SetBounds(10, 10, 200, 24);
    Edit->SetParent(Form.get());
    Edit->PropertiesObject().SetBeepOnError(true);
    Edit->PropertiesObject().SetMaskKind(kind);
    Edit->PropertiesObject().SetEditMask(mask);
    InnerEditOf(*Edit).SetFocus();
    Beeps = 0;
  }

  // "{L}" "{R}" "{H}" "{E}" "{DEL}" "{BS}" are keys, "{S1,2}" selects as the
  // program does, "{C2}" clicks the text before character 2 (or after its
  // end); any other character is typed.
  void Press(const std::string& keys) const {
    for (size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] != '{') {
        TypeText(*Edit, std::string(1, keys[i]));
        continue;
      }
      const size_t end = keys.find('}', i);
      PressKey(keys.substr(i + 1, end - i - 1));
      i = end;
    }
  }

  void PressKey(const std::string& name) const {
    if (name[0] == 'C') {
      ClickBefore(std::stoi(name.substr(1)));
    } else if (name[0] == 'S') {
      const size_t comma = name.find(',');
      Edit->SetSelStart(std::stoi(name.substr(1, comma - 1)));
      Edit->SetSelLength(std::stoi(name.substr(comma + 1)));
    } else if (name == "BS") {
      SendKey(*Edit, VK_BACK, '\b');
    } else {
      SendKey(*Edit, name == "L"   ? VK_LEFT
                     : name == "R" ? VK_RIGHT
                     : name == "H" ? VK_HOME
                     : name == "E" ? VK_END
                                   : VK_DELETE);
    }
  }

  // The native edit places the caret where the click falls, behind the
  // mode's back.
  void ClickBefore(int index) const {
    const HWND inner = InnerEditOf(*Edit).Handle();
    const int length = static_cast<int>(InnerTextOf(*Edit).size());
    RECT client{};
    GetClientRect(inner, &client);
    const LPARAM place = index < length ? SendMessageA(inner, EM_POSFROMCHAR, index, 0)
                                        : MAKELPARAM(client.right - 1, client.bottom / 2);
    SendMessageA(inner, WM_LBUTTONDOWN, MK_LBUTTON, place);
    SendMessageA(inner, WM_LBUTTONUP, 0, place);
  }

  // The text with the caret as "|", or the selection in brackets.
  std::string Shown() const {
    std::string text = InnerTextOf(*Edit);
    const int start = InnerEditOf(*Edit).SelStart();
    const int length = InnerEditOf(*Edit).SelLength();
    return length == 0 ? text.insert(start, "|") : text.insert(start + length, "]").insert(start, "[");
  }

  TOwned<TForm> Form{new TForm(nullptr)};
  TcxMaskEdit* Edit = nullptr;
  int Beeps = 0;
};

constexpr TcxEditMaskKind F = emkRegExpr;
constexpr TcxEditMaskKind X = emkRegExprEx;

}  // namespace

TEST_F(cxMaskEditRegExprWindowTest, KeysFollowTheExpression) {
  struct TCase {
    TcxEditMaskKind Kind;
    const char* Mask;
    const char* Keys;
    const char* Shown;
    int Beeps;
  };
  const TCase cases[] = {
      {F, "\\d\\d", "a12x3", "12|", 3},
      {F, "a\\d|b[a-z]", "a1{H}b", "b|", 0},
      {F, "abc", "ABC", "abc|", 0},
      {F, "[a-z]a", "AaA", "aa|", 1},
      {F, "\\d\\d\\d", "12{S1,0}5", "15|2", 0},
      // What is left after the deleted character no longer fits: all of it goes.
      {F, "\\d-\\d", "1-2{H}{DEL}", "|", 0},
      // A click moves the split with the caret.
      {F, "a\\d|b[a-z]", "a1{C0}b", "b|", 0},
      {F, "[A-F]\\d{2,3}(-[a-z]+)?", "C350{H}{C4}D", "C350|", 1},
      {X, "\\d-\\d", "1", "1-|", 0},
      {X, "\\d-\\d", "1{BS}", "|", 0},
      {X, "\\d-\\d", "1{L}", "|1-", 0},
      {X, "\\(\\d\\d\\)", "{E}", "(|", 0},
      {X, "\\(\\d\\d\\)", "{E}{BS}", "(|", 1},
      {X, "\\(\\d\\d\\)", "{H}{DEL}", "|(", 1},
      {X, "\\d-\\d", "1{C0}{DEL}", "|", 0},
      {X, "\\d\\d-\\d\\d", "1234{S1,0}{R}", "12-|34", 0},
      {X, "\\(\\d\\d\\d\\)\\d\\d\\d-\\d\\d\\d\\d", "{E}555123{L}", "(555)12|3-", 0},
      {X, "\\(\\d\\d\\d\\)\\d\\d\\d-\\d\\d\\d\\d", "{E}5551234567x", "(555)123-4567|", 1},
      {X, "\\(\\d\\d\\d\\)\\d\\d\\d-\\d\\d\\d\\d", "{E}5551234567{BS}{BS}{BS}{BS}{BS}", "(555)12|", 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Mask) + " " + c.Keys);
    NewEdit(c.Kind, c.Mask);
    Press(c.Keys);
    EXPECT_EQ(Shown(), c.Shown);
    EXPECT_EQ(Beeps, c.Beeps);
  }
}

TEST_F(cxMaskEditRegExprWindowTest, AnEmptyTextOrTheForcedLeadingLiteralsAloneAreValid) {
  struct TCase {
    TcxEditMaskKind Kind;
    const char* Mask;
    const char* Keys;
    bool Valid;
  };
  const TCase cases[] = {
      {F, "\\d\\d", "", true},          {F, "\\d\\d", "1", false},          {F, "\\d\\d", "12", true},
      {X, "\\(\\d\\d\\)", "{E}", true}, {X, "\\(\\d\\d\\)", "{E}1", false}, {X, "\\(\\d\\d\\)", "{E}12", true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Mask) + " " + c.Keys);
    NewEdit(c.Kind, c.Mask);
    Press(c.Keys);
    try {
      EXPECT_EQ(Edit->ValidateEdit(true), c.Valid);
    } catch (const EcxEditValidationError& error) {
      EXPECT_FALSE(c.Valid);
      EXPECT_STREQ(error.what(), "The edit value is invalid");
    }
  }
}
