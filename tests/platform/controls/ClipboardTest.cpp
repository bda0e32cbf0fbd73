// The system clipboard, once: what the program puts there every other
// program reads, and an edit's cut and paste go through it. The test holds
// the clipboard lock; every other test keeps a clipboard of its own.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/controls/core/Application.h"
#include "platform/controls/core/Clipboard.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/Edit.h"

namespace {

std::string RawClipboardText() {
  if (!OpenClipboard(nullptr)) return "(cannot open)";
  const HANDLE data = GetClipboardData(CF_TEXT);
  std::string text = data ? static_cast<const char*>(GlobalLock(data)) : "(no text)";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  return text;
}

}  // namespace

TEST(ClipboardTest, TextGoesThroughTheSystemClipboard) {
  Application().Initialize();
  Clipboard().SetAsText("from the program");
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(RawClipboardText(), "from the program");
  EXPECT_TRUE(Clipboard().HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard().AsText(), "from the program");

  TOwned<TForm> form{new TForm(nullptr)};
  auto* edit = CreateComponent<TEdit>(form.get());
  edit->SetParent(form.get());
  edit->SetText("abcd");
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  SendMessageA(edit->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(edit->Text(), "ad");
  EXPECT_EQ(RawClipboardText(), "bc");
  edit->SetSelStart(2);
  SendMessageA(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), "adbc");

  // The system's edit copies for Ctrl+Insert and cuts for Shift+Delete on
  // its own: a password keeps its clear text off the clipboard for them too.
  edit->SetPasswordChar('*');
  for (const auto& [key, held] : {std::pair<WORD, BYTE>{VK_INSERT, VK_CONTROL}, {VK_DELETE, VK_SHIFT}}) {
    edit->SelectAll();
    BYTE state[256] = {};
    state[held] = 0x80;
    SetKeyboardState(state);
    SendMessageA(edit->Handle(), WM_KEYDOWN, key, 0);
    state[held] = 0;
    SetKeyboardState(state);
    EXPECT_EQ(RawClipboardText(), "bc") << "key " << key;
    EXPECT_EQ(edit->Text(), "adbc") << "key " << key;
  }
}
