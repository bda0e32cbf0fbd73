// The text editor's clipboard operations once through the system's clipboard.
#include <gtest/gtest.h>

#include "controls/editors/cxEdit.h"
#include "controls/editors/cxTextEdit.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/Form.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

class cxTextEditClipboardTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    Edit = CreateComponent<TcxTextEdit>(Form.get());
    Edit->SetParent(Form.get());
    Form->Show();
  }
  void TearDown() override {
    Form.reset();
    cxEditFinalize();
  }
  void Send(UINT msg, int selStart, int selEnd) {
    const HWND inner = Edit->InnerTextEdit()->Handle();
    SendMessageA(inner, EM_SETSEL, selStart, selEnd);
    SendMessageA(inner, msg, 0, 0);
  }

  TOwned<TForm> Form{new TForm(nullptr)};
  TcxTextEdit* Edit = nullptr;
};

TEST_F(cxTextEditClipboardTest, CopyCutAndPasteGoThroughTheSystemClipboard) {
  Edit->SetText("abcd");
  Send(WM_COPY, 1, 3);
  EXPECT_EQ(Clipboard().AsText(), "bc");
  Send(WM_CUT, 0, 1);
  EXPECT_EQ(Edit->Text(), "bcd");
  EXPECT_EQ(Clipboard().AsText(), "a");
  Send(WM_PASTE, 3, 3);
  EXPECT_EQ(Edit->Text(), "bcda");
  Edit->PropertiesObject().SetCharCase(ecUpperCase);
  Clipboard().SetAsText("xy");
  Send(WM_PASTE, 0, 0);
  EXPECT_EQ(Edit->Text(), "XYbcda") << "the case applies to what comes in";
}

}  // namespace
