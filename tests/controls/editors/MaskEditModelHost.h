#pragma once
// A mask edit without a window, for the mask modes: a text, a selection
// with an anchor and a caret, and the keys the modes send handled as a
// native single-line edit handles them. Selection changes made through the
// ordinary setters reach the mode, as the editor's inner edit reports them.
#include <algorithm>
#include <string>

#include "controls/editors/mask/cxMaskEditCustomMode.h"

struct TMaskEditModelProperties : IcxMaskEditModeProperties {
  bool BeepOnError = true;
  bool CaseInsensitive = true;
  bool IgnoreMaskBlank = false;
  bool CharCaseNormal = true;

  bool ModeBeepOnError() const override { return BeepOnError; }
  bool ModeCaseInsensitive() const override { return CaseInsensitive; }
  bool ModeIgnoreMaskBlank() const override { return IgnoreMaskBlank; }
  bool ModeCharCaseNormal() const override { return CharCaseNormal; }
};

class TMaskEditModelHost : public IcxMaskEditHost {
 public:
  TMaskEditModelProperties Properties;
  TcxMaskEditCustomMode* Mode = nullptr;
  std::string Text;
  int Anchor = 0;
  int Caret = 0;
  std::string EditValue;
  bool Focused = true;
  bool Shift = false;
  bool ModifiedAfterEnter = false;
  int Beeps = 0;

  // Sets text and selection as the program does, which the mode hears of.
  void Show(const std::string& text, int selStart, int selLength = 0) {
    Text = text;
    Select(selStart, selStart + selLength);
    if (Mode) Mode->SelectionChanged();
  }
  std::string Selected() const {
    return Text.substr(static_cast<size_t>(EditSelStart()), static_cast<size_t>(EditSelLength()));
  }

  IcxMaskEditModeProperties& ModeProperties() override { return Properties; }
  bool CanTakeText() const override { return true; }
  bool HasWindow() const override { return true; }
  bool IsFocused() const override { return Focused; }
  bool ShiftHeld() const override { return Shift; }
  bool IsModifiedAfterEnter() const override { return ModifiedAfterEnter; }
  std::string EditText() const override { return Text; }
  int EditSelStart() const override { return std::min(Anchor, Caret); }
  int EditSelLength() const override { return std::abs(Caret - Anchor); }
  void SetEditSelStart(int value) override {
    SetSelStartInternally(value);
    if (Mode) Mode->SelectionChanged();
  }
  void SetEditSelLength(int value) override {
    SetSelLengthInternally(value);
    if (Mode) Mode->SelectionChanged();
  }
  void SetSelStartInternally(int value) override { Select(value, value); }
  void SetSelLengthInternally(int value) override {
    const int start = EditSelStart();
    Select(start, start + std::max(value, 0));
  }
  int CaretCharIndex() const override { return Caret; }
  std::string DisplayText() const override { return Text; }
  // A new text puts the caret at its start, as the native edit does.
  void SetDisplayText(const std::string& text) override {
    Text = text;
    Select(0, 0);
  }
  void SetInternalDisplayText(const std::string& text) override { SetDisplayText(text); }
  std::string PreparedEditValueText() override { return Mode ? Mode->Format(EditValue, true) : EditValue; }
  void SetEditValueTextInternally(const std::string& text) override { EditValue = text; }

  void SendKeyDown(uint16_t key) override {
    switch (key) {
      case cxMaskKeyDelete: return DeleteSelectionOr(EditSelStart(), 1);
      case cxMaskKeyLeft: return MoveCaret(Caret - 1);
      case cxMaskKeyRight: return MoveCaret(Caret + 1);
      case cxMaskKeyHome: return MoveCaret(0);
      case cxMaskKeyEnd: return MoveCaret(Length());
      default: break;
    }
  }
  void SendChar(char ch) override {
    if (ch == cxMaskCharBackspace) return DeleteSelectionOr(EditSelStart() - 1, 1);
    const int start = EditSelStart();
    Text.replace(static_cast<size_t>(start), static_cast<size_t>(EditSelLength()), 1, ch);
    Select(start + 1, start + 1);
  }
  void Beep() override { ++Beeps; }

 private:
  int Length() const { return static_cast<int>(Text.size()); }
  void Select(int anchor, int caret) {
    Anchor = std::clamp(anchor, 0, Length());
    Caret = std::clamp(caret, 0, Length());
  }
  // Shift extends the selection from its anchor; without it the caret stands alone.
  void MoveCaret(int caret) { Select(Shift ? Anchor : caret, caret); }
  // Removes the selection, or else `count` characters from `start` when they lie within the text.
  void DeleteSelectionOr(int start, int count) {
    if (EditSelLength() == 0) {
      if (start < 0 || start + count > Length()) return;
      Select(start, start + count);
    }
    const int from = EditSelStart();
    Text.erase(static_cast<size_t>(from), static_cast<size_t>(EditSelLength()));
    Select(from, from);
  }
};
