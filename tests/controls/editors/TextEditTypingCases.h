#pragma once
// The text editor's cases of typing, pasting, cutting and clearing, run on
// a focused editor in a shown form. Every editor that must behave as the
// text editor (the masked edit without a mask among them) runs the same
// table with the same results.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "controls/editors/text/cxTextEdit.h"
#include "tests/support/FakeClipboard.h"

inline TcxCustomInnerTextEdit& InnerEditOf(const TcxCustomTextEdit& edit) { return edit.InnerTextEdit()->Edit(); }

inline std::string InnerTextOf(const TcxCustomTextEdit& edit) { return InnerEditOf(edit).GetTextBuf(); }

inline void SendKey(const TcxCustomTextEdit& edit, WORD key, char ch = 0) {
  if (key) SendMessageA(InnerEditOf(edit).Handle(), WM_KEYDOWN, key, 0);
  if (ch) SendMessageA(InnerEditOf(edit).Handle(), WM_CHAR, static_cast<unsigned char>(ch), 0);
}

// As the key handling reads it: from the keyboard state.
inline void SendKeyHeld(const TcxCustomTextEdit& edit, WORD key, BYTE held) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[held] = 0x80;
  SetKeyboardState(state);
  SendKey(edit, key);
  state[held] = 0;
  SetKeyboardState(state);
}

inline void TypeText(const TcxCustomTextEdit& edit, const std::string& text) {
  for (const char ch : text) SendKey(edit, static_cast<WORD>(VkKeyScanA(ch) & 0xFF), ch);
}

inline void ResetTextEdit(TcxCustomTextEdit& edit) {
  TcxCustomTextEditProperties& properties = edit.TextProperties();
  properties.SetReadOnly(false);
  properties.SetEchoMode(eemNormal);
  properties.SetPasswordChar('\0');
  properties.SetCharCase(ecNormal);
  properties.SetMaxLength(0);
  properties.SetNonEditable(false);
  properties.LookupItems().Clear();
  edit.SetText("");
}

using TTextPropertiesSetup = std::function<void(TcxCustomTextEditProperties&)>;

inline void RunTypedAndPastedCases(TcxCustomTextEdit& edit, TFakeClipboard& clipboard) {
  struct TCase {
    const char* Name;
    TTextPropertiesSetup Setup;
    std::string Typed;
    std::string Pasted;
    std::string Text;
    LRESULT PasswordChar;
    std::string Shown;
  };
  const TCase cases[] = {
      {"plain", [](auto&) {}, "ab", "c", "abc", 0, "abc"},
      {"password echo", [](auto& p) { p.SetEchoMode(eemPassword); }, "abc", "", "abc", '*', "***"},
      {"password echo with its character",
       [](auto& p) {
         p.SetEchoMode(eemPassword);
         p.SetPasswordChar('#');
       },
       "ab", "", "ab", '#', "##"},
      {"a password character without echo", [](auto& p) { p.SetPasswordChar('#'); }, "a", "", "a", 0, "a"},
      {"upper case", [](auto& p) { p.SetCharCase(ecUpperCase); }, "ab", "cd", "ABCD", 0, "ABCD"},
      {"lower case", [](auto& p) { p.SetCharCase(ecLowerCase); }, "AB", "CD", "abcd", 0, "abcd"},
      {"MaxLength typed", [](auto& p) { p.SetMaxLength(3); }, "abcdef", "", "abc", 0, "abc"},
      {"MaxLength pasted", [](auto& p) { p.SetMaxLength(3); }, "a", "bcdef", "abc", 0, "abc"},
      {"MaxLength cuts a completed item",
       [](auto& p) {
         p.SetMaxLength(3);
         p.LookupItems().Add("banana");
       },
       "b", "", "ban", 0, "ban"},
      {"read-only", [](auto& p) { p.SetReadOnly(true); }, "ab", "c", "", 0, ""},
      {"not editable", [](auto& p) { p.SetNonEditable(true); }, "ab", "c", "", 0, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetTextEdit(edit);
    c.Setup(edit.TextProperties());
    TypeText(edit, c.Typed);
    clipboard.Text = c.Pasted;
    if (!c.Pasted.empty()) SendMessageA(InnerEditOf(edit).Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit.Text(), c.Text);
    EXPECT_EQ(InnerTextOf(edit), c.Text);
    EXPECT_EQ(SendMessageA(InnerEditOf(edit).Handle(), EM_GETPASSWORDCHAR, 0, 0), c.PasswordChar);
    EXPECT_EQ(edit.TextProperties().GetDisplayText(Variant(c.Text), false), c.Shown);
    edit.ShortRefreshContainer();
    EXPECT_EQ(static_cast<TcxCustomTextEditViewInfo&>(edit.EditViewInfo()).Text, c.Shown) << "what the editor paints";
  }
}

inline void RunClipboardCases(TcxCustomTextEdit& edit, TFakeClipboard& clipboard) {
  struct TCase {
    const char* Name;
    TTextPropertiesSetup Setup;
    UINT Msg;
    std::string Text;
    std::string Clipboard;
    // With WM_KEYDOWN: the key, pressed while `Held` is down.
    WORD Key = 0;
    BYTE Held = 0;
    // Then undone: by this message, or with WM_CHAR by Ctrl+Z typed.
    UINT Undo = 0;
    std::string Pasted = "xy";
  };
  const TCase cases[] = {
      {"cut", [](auto&) {}, WM_CUT, "ad", "bc"},
      {"copy", [](auto&) {}, WM_COPY, "abcd", "bc"},
      {"clear", [](auto&) {}, WM_CLEAR, "ad", "xy"},
      {"paste", [](auto&) {}, WM_PASTE, "axyd", "xy"},
      {"read-only cut copies", [](auto& p) { p.SetReadOnly(true); }, WM_CUT, "abcd", "bc"},
      {"read-only clear", [](auto& p) { p.SetReadOnly(true); }, WM_CLEAR, "abcd", "xy"},
      {"read-only paste", [](auto& p) { p.SetReadOnly(true); }, WM_PASTE, "abcd", "xy"},
      {"paste within MaxLength", [](auto& p) { p.SetMaxLength(3); }, WM_PASTE, "axd", "xy"},
      {"a paste into a text past MaxLength leaves it", [](auto& p) { p.SetMaxLength(1); }, WM_PASTE, "abcd", "xy"},
      {"not editable copies the whole text", [](auto& p) { p.SetNonEditable(true); }, WM_COPY, "abcd", "abcd"},
      {"password echo copies nothing", [](auto& p) { p.SetEchoMode(eemPassword); }, WM_COPY, "abcd", "xy"},
      {"password echo cuts nothing", [](auto& p) { p.SetEchoMode(eemPassword); }, WM_CUT, "abcd", "xy"},
      {"password echo pastes", [](auto& p) { p.SetEchoMode(eemPassword); }, WM_PASTE, "axyd", "xy"},
      {"Ctrl+Insert copies", [](auto&) {}, WM_KEYDOWN, "abcd", "bc", VK_INSERT, VK_CONTROL},
      {"password echo Shift+Delete cuts nothing", [](auto& p) { p.SetEchoMode(eemPassword); }, WM_KEYDOWN, "abcd", "xy",
       VK_DELETE, VK_SHIFT},
      {"a paste keeps its first line", [](auto&) {}, WM_PASTE, "axd", "x\r\ny", 0, 0, 0, "x\r\ny"},
      {"a paste of a line feed first keeps nothing", [](auto&) {}, WM_PASTE, "ad", "\nxy", 0, 0, 0, "\nxy"},
      {"Ctrl+Z after a paste", [](auto&) {}, WM_PASTE, "abcd", "xy", 0, 0, WM_CHAR},
      {"WM_UNDO after a cut", [](auto&) {}, WM_CUT, "abcd", "bc", 0, 0, WM_UNDO},
      {"EM_UNDO after Shift+Delete", [](auto&) {}, WM_KEYDOWN, "abcd", "bc", VK_DELETE, VK_SHIFT, EM_UNDO},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetTextEdit(edit);
    edit.SetText("abcd");
    c.Setup(edit.TextProperties());
    clipboard.Text = c.Pasted;
    const HWND inner = InnerEditOf(edit).Handle();
    SendMessageA(inner, EM_SETSEL, 1, 3);
    if (c.Msg == WM_KEYDOWN)
      SendKeyHeld(edit, c.Key, c.Held);
    else
      SendMessageA(inner, c.Msg, 0, 0);
    if (c.Undo) SendMessageA(inner, c.Undo, c.Undo == WM_CHAR ? 0x1A : 0, 0);
    EXPECT_EQ(edit.Text(), c.Text);
    EXPECT_EQ(clipboard.Text, c.Clipboard);
  }
}
