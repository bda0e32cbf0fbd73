#pragma once
// A drop-down editor on real windows: its form in the foreground with a plain
// edit below the editor to take the focus away, the editor's inner window
// focused, and the keys and mouse input the user would send.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/dropdown/cxDropDownEdit.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "tests/controls/foundation/FoundationFixture.h"

inline void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++count)
    Application().ProcessMessages();
}

constexpr LPARAM kAltDown = 0x20000000;

class DropDownEditorTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    cxTextEditInitialize();
    cxDropDownEditInitialize();
    Form->SetBounds(100, 100, 300, 240);
  }
  void TearDown() override {
    Form.reset();
    cxDropDownEditFinalize();
    cxTextEditFinalize();
    cxEditFinalize();
  }

  // Places the editor at the top of the form and the other control below it,
  // shows the form and focuses the editor.
  void ShowWith(TcxCustomDropDownEdit& editor) {
    editor.SetBounds(10, 10, 120, 24);
    editor.SetParent(Form.get());
    Other = CreateComponent<TEdit>(Form.get());
    Other->SetBounds(10, 70, 120, 24);
    Other->SetParent(Form.get());
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ProcessPendingMessages();
    editor.InnerTextEdit()->Edit().SetFocus();
  }
  // A key as the keyboard sends it to the focused window; the message loop
  // translates a letter into its character.
  void Key(WORD key, LPARAM keyData = 0) {
    PostMessageA(GetFocus(), keyData & kAltDown ? WM_SYSKEYDOWN : WM_KEYDOWN, key, keyData);
    ProcessPendingMessages();
  }
  void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    ProcessPendingMessages();
  }
  void Click(TWinControl& control, POINT point) {
    const POINT screen = control.ClientToScreen(point);
    SetCursorPos(screen.x, screen.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
  }
  static POINT DropDownButtonCentre(TcxCustomDropDownEdit& editor) {
    const TRect button = editor.EditViewInfo().ButtonsInfo.at(0)->Bounds;
    return POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  }
  static std::string CloseUpEvent(const TcxCustomDropDownEdit& editor) {
    return "closeup " + std::to_string(editor.CloseUpReason());
  }

  TOwned<TForm> Form{new TForm(nullptr)};
  TEdit* Other = nullptr;
  std::vector<std::string> Events;
};
