// The inner text edit on real windows, hosted by the smallest editor that
// serves it: keys, characters, focus, clipboard and selection reach the
// editor, which may swallow them; what is left reaches the native edit.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/text/cxTextEditInner.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "platform/graphics/GdiHandles.h"
#include "tests/controls/foundation/FoundationFixture.h"
#include "tests/support/FakeClipboard.h"

namespace {

using TLog = std::vector<std::string>;
TLog gLog;

// Tells which characters the native edit itself got.
class TProbeInnerEdit : public TcxCustomInnerTextEdit {
 public:
  using TcxCustomInnerTextEdit::TcxCustomInnerTextEdit;

 protected:
  void DefaultHandler(TMessage& message) override {
    if (message.Msg == WM_CHAR) gLog.push_back("native " + std::to_string(message.WParam));
    TcxCustomInnerTextEdit::DefaultHandler(message);
  }
};

// A text editor reduced to what its inner edit asks of it.
class TTextHost : public TcxCustomEdit, public IcxInnerTextEditContainer {
 public:
  explicit TTextHost(TComponent* owner, bool inplace = false) : TcxCustomEdit(owner, inplace) {
    SetOnKeyDown([this](TObject*, WORD& key, TShiftState) {
      gLog.push_back("OnKeyDown " + std::to_string(key));
      if (key == SwallowedKey) key = 0;
    });
    SetOnKeyPress([this](TObject*, char& key) {
      gLog.push_back("OnKeyPress " + std::to_string(static_cast<unsigned char>(key)));
      if (key == SwallowedChar) key = 0;
    });
  }
  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TTextHost>("TTextHost", TcxCustomEdit::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  TcxCustomInnerTextEditHelper& Helper() const { return *static_cast<TcxCustomInnerTextEditHelper*>(InnerEdit()); }
  TcxCustomInnerTextEdit& Inner() const { return Helper().Edit(); }
  HWND InnerWindow() const { return Inner().Handle(); }
  std::string InnerText() const { return Inner().GetTextBuf(); }

  // ---- IcxInnerTextEditContainer
  bool BeepOnEnter() const override { return Beep; }
  bool FindSelection() const override { return Find; }
  void SetFindSelection(bool value) override { Find = value; }
  void ClearSelection() override {
    gLog.push_back("clear");
    Helper().ClearSelection();
  }
  bool SendKeyToPopup(TMessage& message) override {
    if (!PopupOpen) return false;
    gLog.push_back("popup " + std::to_string(message.WParam));
    return true;
  }
  bool HasOpenPopup() override { return PopupOpen; }

  void CopyToClipboard() override {
    gLog.push_back("copy");
    Helper().CopyToClipboard();
  }
  void CutToClipboard() override {
    gLog.push_back(UserAction() ? "cut by the user" : "cut");
    Helper().CutToClipboard();
  }
  void PasteFromClipboard() override {
    gLog.push_back("paste");
    Helper().PasteFromClipboard();
  }
  std::string GetInnerEditText() const override { return InnerText(); }
  bool DoInnerControlMessage(TMessage& message) override {
    if (message.Msg == CM_BUFFEREDPAINTONGLASS) gLog.push_back("editor re-render " + std::to_string(message.WParam));
    return TcxCustomEdit::DoInnerControlMessage(message);
  }

  int FocusChanges = 0;
  bool Beep = false;
  bool Find = false;
  bool PopupOpen = false;
  WORD SwallowedKey = 0;
  char SwallowedChar = 0;

 protected:
  // The editor's text is its inner edit's.
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_GETTEXT) return AnswerGetText(message, InnerText());
    if (message.Msg == WM_GETTEXTLENGTH) {
      message.Result = static_cast<LRESULT>(InnerText().size());
      return;
    }
    TcxCustomEdit::WndProc(message);
  }
  void FocusChanged() override {
    ++FocusChanges;
    TcxCustomEdit::FocusChanged();
  }
  IcxCustomInnerEdit* CreateInnerEdit() override { return &(new TProbeInnerEdit(this))->Helper(); }
};

void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++count)
    Application().ProcessMessages();
}

class cxTextEditInnerTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    gLog.clear();
    Form->SetBounds(100, 100, 300, 200);
    Host = CreateComponent<TTextHost>(Form.get());
    Host->SetBounds(10, 10, 120, 24);
    Host->SetParent(Form.get());
    Other = CreateComponent<TEdit>(Form.get());
    Other->SetBounds(10, 60, 120, 24);
    Other->SetParent(Form.get());
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ProcessPendingMessages();
    Inner().SetFocus();
  }
  void TearDown() override {
    Form.reset();
    cxEditFinalize();
  }

  TcxCustomInnerTextEdit& Inner() const { return Host->Inner(); }
  void Reset(const std::string& text) {
    Inner().SetReadOnly(false);
    Inner().SetText(text);
    gLog.clear();
  }
  void Key(WORD key, char ch) {
    if (key) SendMessageA(Host->InnerWindow(), WM_KEYDOWN, key, 0);
    if (ch) SendMessageA(Host->InnerWindow(), WM_CHAR, static_cast<unsigned char>(ch), 0);
  }
  void Type(const std::string& text) {
    for (const char ch : text) Key(static_cast<WORD>(VkKeyScanA(ch) & 0xFF), ch);
  }

  // Made without a form resource: the form holds only what the test puts on it.
  TOwned<TForm> Form{new TForm(nullptr)};
  TTextHost* Host = nullptr;
  TEdit* Other = nullptr;
  TFakeClipboard Clipboard;
};

}  // namespace

TEST_F(cxTextEditInnerTest, KeysAndCharactersReachTheEditorFirst) {
  struct TCase {
    const char* Name;
    std::function<void()> Setup;
    WORD Key;
    char Char;
    TLog Expected;
    std::string Text;
    bool KeyHandled;
  };
  const TCase cases[] = {
      {"a letter", [] {}, 'A', 'a', {"OnKeyDown 65", "OnKeyPress 97", "native 97"}, "a", false},
      {"a key the editor swallows", [&] { Host->SwallowedKey = 'A'; }, 'A', 0, {"OnKeyDown 65"}, "", true},
      {"a character the editor swallows",
       [&] { Host->SwallowedChar = 'a'; },
       'A',
       'a',
       {"OnKeyDown 65", "OnKeyPress 97"},
       "",
       true},
      {"a Tab character reaches no one", [] {}, 0, '\t', {}, "", false},
      {"Enter without the beep", [] {}, 0, '\r', {"OnKeyPress 13"}, "", false},
      {"Enter with the beep", [&] { Host->Beep = true; }, 0, '\r', {"OnKeyPress 13", "native 13"}, "", false},
      {"Escape", [] {}, 0, '\x1b', {"OnKeyPress 27"}, "", false},
      {"an open popup takes the key", [&] { Host->PopupOpen = true; }, VK_DOWN, 0, {"popup 40"}, "", false},
      {"an arrow the editor keeps", [] {}, VK_LEFT, 0, {"OnKeyDown 37"}, "", true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Reset("");
    Host->Beep = Host->PopupOpen = false;
    Host->SwallowedKey = 0;
    Host->SwallowedChar = 0;
    c.Setup();
    Key(c.Key, c.Char);
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_EQ(Host->InnerText(), c.Text);
    EXPECT_EQ(Host->Helper().KeyHandled(), c.KeyHandled);
  }
}

TEST_F(cxTextEditInnerTest, TypedCharactersArriveAndTabMovesTheFocusThroughTheMessageLoop) {
  ASSERT_EQ(GetFocus(), Host->InnerWindow());
  Host->FocusChanges = 0;
  // The keys are translated into their characters on the way.
  for (const char ch : std::string("ab")) PostMessageA(Host->InnerWindow(), WM_KEYDOWN, VkKeyScanA(ch) & 0xFF, 0);
  PostMessageA(Host->InnerWindow(), WM_KEYDOWN, VK_TAB, 0);
  PostMessageA(Host->InnerWindow(), WM_CHAR, '\t', 0);
  ProcessPendingMessages();
  EXPECT_EQ(Host->InnerText(), "ab");
  EXPECT_EQ(GetFocus(), Other->Handle());
  EXPECT_EQ(Host->FocusChanges, 1) << "the editor lost the focus";
  EXPECT_EQ(Host->GetTextBuf(), "ab") << "the editor's text is its inner edit's";
}

TEST_F(cxTextEditInnerTest, ClipboardMessagesGoToTheEditorAndReadOnlyOnlyCopies) {
  struct TCase {
    const char* Name;
    UINT Msg;
    bool ReadOnly;
    TLog Expected;
    std::string Text;
    std::string Clipboard;
  };
  const TCase cases[] = {
      {"cut", WM_CUT, false, {"cut by the user"}, "ad", "bc"},
      {"copy", WM_COPY, false, {"copy"}, "abcd", "bc"},
      {"paste", WM_PASTE, false, {"paste"}, "axyd", "xy"},
      {"clear", WM_CLEAR, false, {"clear"}, "ad", "xy"},
      {"read-only cut copies", WM_CUT, true, {"copy"}, "abcd", "bc"},
      {"read-only paste", WM_PASTE, true, {}, "abcd", "xy"},
      {"read-only clear", WM_CLEAR, true, {}, "abcd", "xy"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Reset("abcd");
    Inner().SetReadOnly(c.ReadOnly);
    Clipboard.Text = "xy";
    SendMessageA(Host->InnerWindow(), EM_SETSEL, 1, 3);
    SendMessageA(Host->InnerWindow(), c.Msg, 0, 0);
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_EQ(Host->InnerText(), c.Text);
    EXPECT_EQ(Clipboard.Text, c.Clipboard);
    EXPECT_FALSE(Host->UserAction());
  }
}

TEST_F(cxTextEditInnerTest, TheWindowIsBorderlessAndAlignmentRemakesIt) {
  TcxCustomInnerTextEditHelper& helper = Host->Helper();
  Reset("kept");
  const auto style = [&] { return GetWindowLongPtrA(Host->InnerWindow(), GWL_STYLE); };
  EXPECT_EQ(style() & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME), 0);
  EXPECT_EQ(GetWindowLongPtrA(Host->InnerWindow(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_NE(style() & ES_AUTOHSCROLL, 0);
  EXPECT_EQ(HIWORD(SendMessageA(Host->InnerWindow(), EM_GETMARGINS, 0, 0)), 1);
  const HWND before = Host->InnerWindow();
  helper.SetAlignment(taRightJustify);
  EXPECT_NE(Host->InnerWindow(), before);
  EXPECT_EQ(helper.Alignment(), taRightJustify);
  EXPECT_NE(style() & ES_RIGHT, 0);
  EXPECT_EQ(GetWindowLongPtrA(Host->InnerWindow(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(Host->InnerText(), "kept");
  helper.SetHideSelection(false);
  EXPECT_NE(style() & ES_NOHIDESEL, 0);
}

TEST_F(cxTextEditInnerTest, SelectionEventsAndTheCaretIndex) {
  Reset("hello");
  int selectionChanges = 0;
  Host->Helper().SetOnSelChange([&](TObject* sender) {
    EXPECT_EQ(sender, &Inner());
    ++selectionChanges;
  });
  for (int index = 0; index <= 5; ++index) {
    SendMessageA(Host->InnerWindow(), EM_SETSEL, index, index);
    EXPECT_EQ(Inner().GetCaretCharIndex(), index);
  }
  EXPECT_EQ(selectionChanges, 6);
  Host->Helper().SetSelStart(1);
  Host->Helper().SetSelLength(3);
  EXPECT_EQ(Host->Helper().SelText(), "ell");
  EXPECT_EQ(selectionChanges, 8);
  Other->SetText("another text");
  Other->SetFocus();
  SendMessageA(Other->Handle(), EM_SETSEL, 9, 9);
  SendMessageA(Host->InnerWindow(), EM_SETSEL, 2, 2);
  EXPECT_EQ(Inner().GetCaretCharIndex(), 2) << "the caret is the other edit's";
}

// The native edit may take an input method's character whole, so that the
// character messages counted on never come: a key or the focus leaving
// ends the wait, or the selection would read as it was for ever.
TEST_F(cxTextEditInnerTest, PendingInputMethodCharactersEndWithAKeyOrTheFocus) {
  TcxCustomInnerTextEditHelper& helper = Host->Helper();
  struct TCase {
    const char* Name;
    std::function<void()> End;
  };
  const TCase cases[] = {
      {"a key", [&] { SendMessageA(Host->InnerWindow(), WM_KEYDOWN, VK_END, 0); }},
      {"the focus leaving", [&] { Other->SetFocus(); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Inner().SetFocus();
    Reset("abc");
    SendMessageA(Host->InnerWindow(), EM_SETSEL, 1, 2);
    SendMessageA(Host->InnerWindow(), WM_IME_CHAR, 0x8140, 0);
    EXPECT_EQ(Inner().PendingImeCount(), 2);
    EXPECT_EQ(helper.ImeLastChar(), '\x81');
    SendMessageA(Host->InnerWindow(), EM_SETSEL, 3, 3);
    EXPECT_EQ(helper.SelStart(), 1) << "the selection before the input method's characters";
    EXPECT_EQ(helper.SelLength(), 1);
    c.End();
    EXPECT_EQ(Inner().PendingImeCount(), 0);
    EXPECT_EQ(helper.ImeLastChar(), '\0');
    EXPECT_EQ(helper.SelStart(), Inner().SelStart());
  }
}

TEST_F(cxTextEditInnerTest, ABoundsLockKeepsTheInnerEditWhereItIs) {
  TcxCustomInnerTextEditHelper& helper = Host->Helper();
  const RECT placed = Inner().BoundsRect();
  helper.LockBounds(true);
  Inner().SetBounds(0, 0, 10, 10);
  const RECT locked = Inner().BoundsRect();
  EXPECT_TRUE(EqualRect(&placed, &locked));
  helper.LockBounds(false);
  helper.LockBounds(false);
  Inner().SetBounds(1, 2, 30, 12);
  const RECT moved = Inner().BoundsRect();
  EXPECT_EQ(moved.left, 1);
  EXPECT_EQ(moved.right, 31);
  helper.LockBounds(true);
  Inner().SetBounds(0, 0, 10, 10);
  EXPECT_EQ(Inner().Width(), 30) << "an unlock too many left no debt";
}

// The inner edit's own repaint request carries the number of the editor's
// re-render request: the editor must see only its own.
TEST_F(cxTextEditInnerTest, TheInnerEditsOwnRepaintRequestStaysWithIt) {
  Host->GetStyle()->LookAndFeel()->SetNativeStyle(true);
  ASSERT_TRUE(Host->IsNativeStyle()) << "the visual style is active";
  ProcessPendingMessages();
  gLog.clear();
  const TWindowDC dc(Host->InnerWindow());
  for (int i = 0; i < 2; ++i)
    SendMessageA(Host->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                 reinterpret_cast<LPARAM>(Host->InnerWindow()));
  MSG request{};
  EXPECT_TRUE(PeekMessageA(&request, Host->InnerWindow(), CM_BUFFEREDPAINTONGLASS, CM_BUFFEREDPAINTONGLASS, PM_REMOVE));
  EXPECT_FALSE(
      PeekMessageA(&request, Host->InnerWindow(), CM_BUFFEREDPAINTONGLASS, CM_BUFFEREDPAINTONGLASS, PM_NOREMOVE))
      << "one request for both notifications";
  DispatchMessageA(&request);
  ProcessPendingMessages();
  EXPECT_EQ(gLog, TLog{});
  PostMessageA(Host->InnerWindow(), CM_BUFFEREDPAINTONGLASS, 0, 0);
  ProcessPendingMessages();
  EXPECT_EQ(gLog, TLog{"editor re-render 0"});
}
