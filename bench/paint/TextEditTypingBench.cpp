// Microseconds per keystroke when typing into a text editor on a shown form,
// against a plain edit window typed into in the same run, and the
// microseconds of one full repaint of each. A keystroke is delivered as the
// message loop delivers one: its key-down and key-up posted to the focused
// window, then the pending messages processed by the application, which
// translates the key-down into its character. The median of several runs is
// printed; the text typed is checked, so a lost or doubled character shows.
// Usage: TextEditTypingBench [characters]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bench/paint/PaintBenchRoutines.h"
#include "controls/editors/EditorsUnits.h"
#include "controls/editors/text/cxTextEdit.h"
#include "controls/foundation/FoundationUnits.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/Form.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kTypingRuns = 5;
constexpr int kRepaints = 200;

// The key's lParam as the keyboard driver fills it: repeat count one, the
// scan code, and for a key-up the previous-state and transition bits.
LPARAM KeyLParam(WORD key, bool up) {
  const auto scanCode = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  const LPARAM upBits = up ? (LPARAM{1} << 30) | (LPARAM{1} << 31) : 0;
  return 1 | (scanCode << 16) | upBits;
}

void TypeCharacter(char ch) {
  const auto key = static_cast<WORD>(VkKeyScanA(ch) & 0xFF);
  const HWND focused = GetFocus();
  PostMessageA(focused, WM_KEYDOWN, key, KeyLParam(key, false));
  PostMessageA(focused, WM_KEYUP, key, KeyLParam(key, true));
  ProcessPendingMessages();
}

// Lower-case letters and spaces: no shift state is needed to type them.
char CharacterAt(int index) { return index % 8 == 7 ? ' ' : static_cast<char>('a' + index % 26); }

struct TTypingTarget {
  TWinControl* Control;
  std::function<void()> Clear;
};

double MicrosecondsPerKeystroke(const TTypingTarget& target, int characters) {
  target.Clear();
  target.Control->SetFocus();
  ProcessPendingMessages();
  const auto start = TClock::now();
  for (int i = 0; i < characters; ++i) TypeCharacter(CharacterAt(i));
  const double elapsed = std::chrono::duration<double, std::micro>(TClock::now() - start).count();
  const int typed = GetWindowTextLengthA(GetFocus());
  if (typed != characters) {
    std::fprintf(stderr, "TextEditTypingBench: %d characters typed, %d arrived\n", characters, typed);
    std::exit(1);
  }
  return elapsed / characters;
}

double MedianMicrosecondsPerKeystroke(const TTypingTarget& target, int characters) {
  std::vector<double> runs;
  for (int run = 0; run < kTypingRuns; ++run) runs.push_back(MicrosecondsPerKeystroke(target, characters));
  return MedianOf(runs);
}

// The window and its children invalidated, erased and painted at once.
double MedianMicrosecondsPerRepaint(TWinControl& control) {
  std::vector<double> repaints;
  for (int repaint = 0; repaint < kRepaints; ++repaint) {
    const auto start = TClock::now();
    RedrawWindow(control.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    repaints.push_back(std::chrono::duration<double, std::micro>(TClock::now() - start).count());
  }
  return MedianOf(repaints);
}

void RunBench(int characters) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 320, 120);
  auto* editor = CreateComponent<TcxTextEdit>(form.get());
  editor->SetBounds(10, 10, 280, 24);
  editor->SetParent(form.get());
  auto* plain = CreateComponent<TEdit>(form.get());
  plain->SetBounds(10, 50, 280, 24);
  plain->SetParent(form.get());
  form->Show();
  SetForegroundWindow(form->Handle());
  ProcessPendingMessages();
  const double editorKeystroke =
      MedianMicrosecondsPerKeystroke({editor, [editor] { editor->SetText(""); }}, characters);
  const double plainKeystroke = MedianMicrosecondsPerKeystroke({plain, [plain] { plain->SetText(""); }}, characters);
  std::printf("microseconds per keystroke, %d characters typed, median of %d runs:\n", characters, kTypingRuns);
  std::printf("  %-22s %8.1f\n", "text editor", editorKeystroke);
  std::printf("  %-22s %8.1f\n", "plain edit window", plainKeystroke);
  std::printf("  %-22s %8.2f\n", "ratio", editorKeystroke / plainKeystroke);
  std::printf("microseconds per full repaint, the typed text shown, median of %d:\n", kRepaints);
  std::printf("  %-22s %8.1f\n", "text editor", MedianMicrosecondsPerRepaint(*editor));
  std::printf("  %-22s %8.1f\n", "plain edit window", MedianMicrosecondsPerRepaint(*plain));
}

}  // namespace

int main(int argc, char** argv) {
  const int characters = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  InitializeUnits(FoundationUnits());
  InitializeUnits(EditorsUnits());
  RunBench(characters);
  FinalizeUnits();
  return 0;
}
