// A masked edit with a completing expression on a real, focused window: the
// keys reach the mode through the native edit's messages, and the literals
// the mode types itself land in the native edit.
#include <gtest/gtest.h>

#include <string>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "controls/editors/text/cxTextEdit.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
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
    Edit = CreateComponent<TcxMaskEdit>(Form.get());
    Edit->SetBounds(10, 10, 200, 24);
    Edit->SetParent(Form.get());
    Edit->PropertiesObject().SetBeepOnError(true);
    Edit->PropertiesObject().SetMaskKind(emkRegExprEx);
    Edit->PropertiesObject().SetEditMask("\\(\\d\\d\\d\\)\\d\\d\\d-\\d\\d\\d\\d");
    Form->Show();
    SetForegroundWindow(Form->Handle());
    Inner().SetFocus();
  }
  void TearDown() override {
    Form.reset();
    cxEditBeep() = [] {};
    cxMaskEditFinalize();
    cxTextEditFinalize();
    cxEditFinalize();
  }

  TcxCustomInnerTextEdit& Inner() const { return Edit->InnerTextEdit()->Edit(); }
  std::string Shown() const {
    std::string text = Inner().GetTextBuf();
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(Inner().Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == end ? text.insert(start, "|") : text.insert(end, "]").insert(start, "[");
  }
  void Key(WORD key, char ch = 0) const {
    if (key) SendMessageA(Inner().Handle(), WM_KEYDOWN, key, 0);
    if (ch) SendMessageA(Inner().Handle(), WM_CHAR, static_cast<unsigned char>(ch), 0);
  }
  void Type(const std::string& text) const {
    for (const char ch : text) Key(static_cast<WORD>(VkKeyScanA(ch) & 0xFF), ch);
  }

  TOwned<TForm> Form{new TForm(nullptr)};
  TcxMaskEdit* Edit = nullptr;
  int Beeps = 0;
};

}  // namespace

TEST_F(cxMaskEditRegExprWindowTest, TypingDigitsTypesTheForcedLiteralsAndKeysMoveOverUnits) {
  Key(VK_END);
  EXPECT_EQ(Shown(), "(|");
  Type("555123");
  EXPECT_EQ(Shown(), "(555)123-|");
  Key(VK_LEFT);
  EXPECT_EQ(Shown(), "(555)12|3-");
  Key(VK_END);
  Type("4567x");
  EXPECT_EQ(Shown(), "(555)123-4567|");
  EXPECT_EQ(Beeps, 1);
  for (int i = 0; i < 5; ++i) Key(VK_BACK, '\b');
  EXPECT_EQ(Shown(), "(555)12|");
  // The leading bracket stays.
  Key(VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(Shown(), "|(555)12");
  EXPECT_EQ(Beeps, 2);
}
