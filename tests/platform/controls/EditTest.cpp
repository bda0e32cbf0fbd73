// The single-line edit over its Win32 window: the selection, the clipboard
// (a fake one here), the settings that reach the window, and the text a
// control answers through its messages.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/Edit.h"
#include "tests/support/FakeClipboard.h"

namespace {

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    Form->SetBounds(100, 100, 300, 200);
    Edit = CreateComponent<TEdit>(Form.get());
    Edit->SetParent(Form.get());
    Form->Show();
  }

  LONG_PTR Style() { return GetWindowLongPtrA(Edit->Handle(), GWL_STYLE); }
  std::string WindowText() {
    char text[64]{};
    GetWindowTextA(Edit->Handle(), text, sizeof text);
    return text;
  }
  void Select(int start, int length) {
    Edit->SetSelStart(start);
    Edit->SetSelLength(length);
  }

  // Made without a form resource: the form holds only what the test puts on it.
  TOwned<TForm> Form{new TForm(nullptr)};
  TEdit* Edit = nullptr;
  TFakeClipboard Clipboard;
};

}  // namespace

TEST_F(EditTest, ClipboardMessagesGoThroughTheProgramsClipboard) {
  struct TCase {
    const char* Name;
    UINT Msg;
    WPARAM Char;
    bool ReadOnly;
    int MaxLength;
    std::optional<std::string> Before;
    std::string Text;
    std::optional<std::string> After;
    char PasswordChar = '\0';
  };
  const TCase cases[] = {
      {"copy", WM_COPY, 0, false, 0, std::nullopt, "abcd", "bc"},
      {"cut", WM_CUT, 0, false, 0, "old", "ad", "bc"},
      {"paste", WM_PASTE, 0, false, 0, "xy", "axyd", "xy"},
      {"clear", WM_CLEAR, 0, false, 0, "old", "ad", "old"},
      {"Ctrl+X typed", WM_CHAR, 0x18, false, 0, std::nullopt, "ad", "bc"},
      {"Ctrl+V typed", WM_CHAR, 0x16, false, 0, "xy", "axyd", "xy"},
      {"paste with nothing there", WM_PASTE, 0, false, 0, std::nullopt, "abcd", std::nullopt},
      {"read-only cut only copies", WM_CUT, 0, true, 0, std::nullopt, "abcd", "bc"},
      {"read-only paste", WM_PASTE, 0, true, 0, "xy", "abcd", "xy"},
      {"read-only clear", WM_CLEAR, 0, true, 0, std::nullopt, "abcd", std::nullopt},
      {"paste within MaxLength", WM_PASTE, 0, false, 5, "wxyz", "awxyd", "wxyz"},
      {"paste over the selection of a full text", WM_PASTE, 0, false, 4, "wxyz", "awxd", "wxyz"},
      {"a paste into a text past MaxLength leaves it", WM_PASTE, 0, false, 1, "xy", "abcd", "xy"},
      {"a password copies nothing", WM_COPY, 0, false, 0, "old", "abcd", "old", '#'},
      {"a password cuts nothing", WM_CUT, 0, false, 0, "old", "abcd", "old", '#'},
      {"a password takes a paste", WM_PASTE, 0, false, 0, "xy", "axyd", "xy", '#'},
      {"a paste keeps its first line", WM_PASTE, 0, false, 0, "x\r\ny", "axd", "x\r\ny"},
      {"Ctrl+V of a line feed first keeps nothing", WM_CHAR, 0x16, false, 0, "\nxy", "ad", "\nxy"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetReadOnly(false);
    Edit->SetMaxLength(c.MaxLength);
    Edit->SetPasswordChar(c.PasswordChar);
    Edit->SetText("abcd");
    Edit->SetReadOnly(c.ReadOnly);
    Clipboard.Text = c.Before;
    Select(1, 2);
    SendMessageA(Edit->Handle(), c.Msg, c.Char, 0);
    EXPECT_EQ(WindowText(), c.Text);
    EXPECT_EQ(Edit->Text(), c.Text);
    EXPECT_EQ(Clipboard.Text, c.After);
  }
}

TEST_F(EditTest, TheSelectionReadsAndReplacesAndCopiesNothingWhenEmpty) {
  Edit->SetText("hello world");
  Select(6, 5);
  EXPECT_EQ(Edit->SelStart(), 6);
  EXPECT_EQ(Edit->SelLength(), 5);
  EXPECT_EQ(Edit->SelText(), "world");
  Edit->SetSelText("there");
  EXPECT_EQ(Edit->Text(), "hello there");
  EXPECT_EQ(Edit->SelStart(), 11);
  EXPECT_EQ(Edit->SelLength(), 0);
  Edit->CopyToClipboard();
  EXPECT_FALSE(Clipboard.Text.has_value());
  Edit->SelectAll();
  EXPECT_EQ(Edit->SelText(), "hello there");
  Edit->SetMaxLength(3);
  Edit->SetSelText("abcdef");
  EXPECT_EQ(Edit->Text(), "abc");
}

TEST_F(EditTest, SettingsReachTheWindowAndAlignmentRemakesIt) {
  const auto typed = [this](const std::string& text) {
    Edit->SetText("");
    for (const char ch : text) SendMessageA(Edit->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 1);
    return WindowText();
  };
  struct TCase {
    const char* Name;
    std::function<void()> Change;
    LONG_PTR StyleBit;
    bool Remade;
  };
  const TCase cases[] = {
      {"password", [&] { Edit->SetPasswordChar('#'); }, ES_PASSWORD, false},
      {"upper case", [&] { Edit->SetCharCase(ecUpperCase); }, ES_UPPERCASE, false},
      {"lower case", [&] { Edit->SetCharCase(ecLowerCase); }, ES_LOWERCASE, false},
      {"OEM conversion", [&] { Edit->SetOEMConvert(true); }, ES_OEMCONVERT, false},
      {"selection kept", [&] { Edit->SetHideSelection(false); }, ES_NOHIDESEL, true},
      {"right", [&] { Edit->SetAlignment(taRightJustify); }, ES_RIGHT, true},
      {"centre", [&] { Edit->SetAlignment(taCenter); }, ES_CENTER, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetText("kept");
    const HWND before = Edit->Handle();
    c.Change();
    EXPECT_EQ(Style() & c.StyleBit, c.StyleBit);
    EXPECT_EQ(Edit->Handle() != before, c.Remade);
    EXPECT_EQ(WindowText(), "kept");
  }
  EXPECT_EQ(SendMessageA(Edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '#');
  EXPECT_EQ(typed("aBc"), "abc") << "lower case";
  Edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(typed("aBc"), "ABC");
  EXPECT_EQ(Style() & ES_LOWERCASE, 0);
  Edit->SetCharCase(ecNormal);
  EXPECT_EQ(typed("aBc"), "aBc");
}

// Each change of the font gives the window the font object the control now
// holds, a live one: a window left with a deleted font draws in the system's.
TEST_F(EditTest, TheWindowDrawsWithTheFontTheControlHolds) {
  const std::function<void()> changes[] = {
      [&] { Edit->Font().SetSize(12); },
      [&] { Edit->Font().SetColor(clGrayText); },
      [&] { Edit->Font().SetStyle(TFontStyles{fsBold}); },
  };
  for (const auto& change : changes) {
    change();
    const auto shown = reinterpret_cast<HFONT>(SendMessageA(Edit->Handle(), WM_GETFONT, 0, 0));
    EXPECT_EQ(shown, Edit->Font().Handle());
    LOGFONTA font{};
    EXPECT_NE(GetObjectA(shown, sizeof font, &font), 0);
  }
}

TEST_F(EditTest, MarginsAndCharacterPositions) {
  Edit->SetText("abc");
  Edit->SetMargins(0, 0);
  const int unindented = Edit->PosFromChar(0).x;
  Edit->SetMargins(7, 5);
  const LRESULT margins = SendMessageA(Edit->Handle(), EM_GETMARGINS, 0, 0);
  EXPECT_EQ(LOWORD(margins), 7);
  EXPECT_EQ(HIWORD(margins), 5);
  EXPECT_EQ(Edit->PosFromChar(0).x, unindented + 7);
  EXPECT_GT(Edit->PosFromChar(1).x, Edit->PosFromChar(0).x);
  EXPECT_EQ(Edit->PosFromChar(100).x, -1);
  EXPECT_EQ(Edit->PosFromChar(100).y, -1);
}

// The buffer is the caller's: nothing is written past the size it gives,
// and a size of 0 or no buffer at all gets nothing.
TEST_F(EditTest, AControlsTextAnswersGetTextWithinTheCallersBuffer) {
  TEdit unmade(nullptr);
  unmade.SetText("abcdef");
  struct TCase {
    const char* Name;
    WPARAM Size;
    bool Buffer;
    LRESULT Copied;
    std::string Written;
  };
  const TCase cases[] = {
      {"size 0", 0, true, 0, "########"},
      {"no buffer", 8, false, 0, "########"},
      {"size 1", 1, true, 0, std::string("\0#######", 8)},
      {"too small", 4, true, 3, std::string("abc\0####", 8)},
      {"room to spare", 8, true, 6, std::string("abcdef\0#", 8)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    std::string buffer(8, '#');
    const LPARAM target = c.Buffer ? reinterpret_cast<LPARAM>(buffer.data()) : 0;
    EXPECT_EQ(unmade.Perform(WM_GETTEXT, c.Size, target), c.Copied);
    EXPECT_EQ(buffer, c.Written);
  }
  EXPECT_EQ(unmade.GetTextLen(), 6);
  EXPECT_EQ(unmade.GetTextBuf(), "abcdef");
  unmade.SetTextBuf("xy");
  EXPECT_EQ(unmade.Text(), "xy");
  Edit->SetTextBuf("typed");
  EXPECT_EQ(WindowText(), "typed");
  EXPECT_EQ(Edit->Text(), "typed");
  EXPECT_EQ(Edit->GetTextBuf(), "typed");
}

namespace {

WNDPROC gSubclassedProcedure = nullptr;

LRESULT CALLBACK PassingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(gSubclassedProcedure, window, message, wParam, lParam);
}

}  // namespace

// Editors hook their inner edit's window procedure while they type the key
// that activated them: the control must still hear of the change, or setting
// the old text back would be taken for no change at all.
TEST_F(EditTest, ASubclassedWindowStillReportsItsChanges) {
  const HWND window = Edit->Handle();
  gSubclassedProcedure =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassingProcedure)));
  SendMessageA(window, WM_CHAR, 'x', 0);
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gSubclassedProcedure));
  EXPECT_EQ(TWinControl::FindControl(window), Edit);
  EXPECT_EQ(Edit->Text(), "x");
  Edit->SetText("");
  EXPECT_EQ(WindowText(), "");
}
