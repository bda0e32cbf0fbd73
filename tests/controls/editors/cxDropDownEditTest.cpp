// The drop-down editor on real windows, focused and its form in the
// foreground: the keys and clicks that open and close its popup, the order of
// the events of one opening with the reason it closed, the popup's settings
// taken from the properties, and the setters' limits.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/dropdown/cxDropDownEdit.h"
#include "controls/editors/text/cxTextEditListBox.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "tests/controls/foundation/FoundationFixture.h"
#include "tests/support/FakeClipboard.h"

namespace {

// A drop-down editor with content of 80 by 60 whose popup opens while the
// test lets it.
class TTestDropDownEdit : public TcxCustomDropDownEdit {
 public:
  explicit TTestDropDownEdit(TComponent* owner, bool inplace = false) : TcxCustomDropDownEdit(owner, inplace) {}
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestDropDownEdit>("TTestDropDownEdit", TcxCustomDropDownEdit::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  bool CanDropDown() override { return Openable; }
  SIZE GetPopupContentSize() override { return SIZE{80, 60}; }

  bool Openable = true;
};

void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++count)
    Application().ProcessMessages();
}

constexpr LPARAM kAltDown = 0x20000000;

class cxDropDownEditTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    cxTextEditInitialize();
    cxDropDownEditInitialize();
    Form->SetBounds(100, 100, 300, 240);
    Edit = CreateComponent<TTestDropDownEdit>(Form.get());
    Edit->SetBounds(10, 10, 120, 24);
    Edit->SetParent(Form.get());
    Other = CreateComponent<TEdit>(Form.get());
    Other->SetBounds(10, 70, 120, 24);
    Other->SetParent(Form.get());
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ProcessPendingMessages();
    InnerWindow()->SetFocus();
    ListenToEvents();
  }
  void TearDown() override {
    Form.reset();
    cxDropDownEditFinalize();
    cxTextEditFinalize();
    cxEditFinalize();
  }

  TcxCustomDropDownEditProperties& Properties() const {
    return static_cast<TcxCustomDropDownEditProperties&>(*Edit->Properties());
  }
  TWinControl* InnerWindow() const { return &Edit->InnerTextEdit()->Edit(); }
  void ListenToEvents() {
    TcxCustomDropDownEditProperties& properties = Properties();
    properties.SetOnInitPopup([this](TObject*) { Events.push_back("init"); });
    properties.SetOnPopup([this](TObject*) { Events.push_back("popup"); });
    properties.SetOnCloseQuery([this](TObject*, bool& canClose) {
      Events.push_back("query");
      canClose = CanClose;
    });
    properties.SetOnCloseUp([this](TObject*) { Events.push_back("closeup " + std::to_string(Edit->CloseUpReason())); });
    properties.SetOnFinalizePopup([this](TObject*) { Events.push_back("final"); });
  }
  // A key as the keyboard sends it to the focused inner edit, with its character.
  void Key(WORD key, LPARAM keyData = 0, char ch = 0) {
    const HWND focus = GetFocus();
    PostMessageA(focus, keyData & kAltDown ? WM_SYSKEYDOWN : WM_KEYDOWN, key, keyData);
    if (ch) PostMessageA(focus, WM_CHAR, static_cast<unsigned char>(ch), keyData);
    ProcessPendingMessages();
  }
  void Open() {
    Key(VK_F4);
    ASSERT_TRUE(Edit->DroppedDown());
    Events.clear();
  }

  TOwned<TForm> Form{new TForm(nullptr)};
  TTestDropDownEdit* Edit = nullptr;
  TEdit* Other = nullptr;
  std::vector<std::string> Events;
  bool CanClose = true;
  TFakeClipboard Clipboard;
};

TEST_F(cxDropDownEditTest, KeysOpenAndClosePopupWithTheirReasonsInOrder) {
  Key(VK_F4);
  EXPECT_TRUE(Edit->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"init", "popup"}));
  EXPECT_EQ(GetFocus(), InnerWindow()->Handle()) << "the popup of a drop-down leaves the focus in the editor";
}

}  // namespace
