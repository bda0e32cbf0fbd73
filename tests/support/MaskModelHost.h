#pragma once
// A model of a masked editor for its modes: a string with a native edit's
// selection and keys, a beep counter, and the display value set through the
// mask's formatting as the editor sets it. The driver routes each key as the
// editor does: to the mode first, and on to the native edit when the mode
// lets it pass.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "controls/editors/mask/cxMaskEditCustomMode.h"

class TMaskModelHost : public IcxMaskEditHost, public IcxMaskEditModeProperties {
 public:
  bool BeepOnError = true;
  bool CaseInsensitive = true;
  bool IgnoreMaskBlank = false;
  bool Reachable = true;
  bool Shift = false;
  int Beeps = 0;
  std::string Text;
  int Anchor = 0;
  int Caret = 0;
  // The mode the editor runs, and the one its properties format with.
  TcxMaskEditCustomMode* Mode = nullptr;
  TcxMaskEditCustomMode* Formatter = nullptr;

  bool ModeBeepOnError() const override { return BeepOnError; }
  bool ModeCaseInsensitive() const override { return CaseInsensitive; }
  bool ModeIgnoreMaskBlank() const override { return IgnoreMaskBlank; }
  bool ModeCharCaseNormal() const override { return true; }

  IcxMaskEditModeProperties& ModeProperties() override { return *this; }
  bool CanTakeText() const override { return Reachable; }
  bool HasWindow() const override { return Reachable; }
  bool IsFocused() const override { return true; }
  bool ShiftHeld() const override { return Shift; }
  bool IsModifiedAfterEnter() const override { return true; }

  std::string EditText() const override { return Text; }
  int EditSelStart() const override { return std::min(Anchor, Caret); }
  int EditSelLength() const override { return std::abs(Caret - Anchor); }
  void SetEditSelStart(int value) override {
    SetSelStartInternally(value);
    Mode->SelectionChanged();
  }
  void SetEditSelLength(int value) override {
    SetSelLengthInternally(value);
    Mode->SelectionChanged();
  }
  void SetSelStartInternally(int value) override { Select(value, value); }
  void SetSelLengthInternally(int value) override { Select(EditSelStart(), EditSelStart() + value); }
  int CaretCharIndex() const override { return Caret; }

  std::string DisplayText() const override { return Text; }
  // As the editor shows a display value: formatted into the mask, the caret
  // at the start as the native edit puts it, and the mode told.
  void SetDisplayText(const std::string& text) override {
    Text = Formatter->Format(text, true);
    Select(0, 0);
    Mode->DisplayTextChanged(Text);
  }
  void SetInternalDisplayText(const std::string& text) override { SetDisplayText(text); }
  std::string PreparedEditValueText() override { return Text; }
  void SetEditValueTextInternally(const std::string& text) override { SetDisplayText(text); }

  void SendKeyDown(uint16_t key) override { NativeKey(key); }
  void SendChar(char ch) override { NativeChar(ch); }
  void Beep() override { ++Beeps; }

  void Select(int anchor, int caret) {
    const int length = static_cast<int>(Text.size());
    Anchor = std::clamp(anchor, 0, length);
    Caret = std::clamp(caret, 0, length);
  }

  // A native single-line edit: a key without Shift collapses the selection
  // towards its own direction, with Shift it moves the caret alone.
  void NativeKey(uint16_t key) {
    const int length = static_cast<int>(Text.size());
    const bool selected = EditSelLength() > 0;
    int caret = Caret;
    switch (key) {
      case cxMaskKeyLeft: caret = selected && !Shift ? EditSelStart() : Caret - 1; break;
      case cxMaskKeyRight: caret = selected && !Shift ? EditSelStart() + EditSelLength() : Caret + 1; break;
      case cxMaskKeyHome: caret = 0; break;
      case cxMaskKeyEnd: caret = length; break;
      case cxMaskKeyDelete:
        if (!selected) Select(Caret, Caret + 1);
        ReplaceSelection("");
        return;
    }
    Select(Shift ? Anchor : caret, caret);
  }

  void NativeChar(char ch) {
    if (ch != cxMaskCharBackspace) {
      ReplaceSelection(std::string(1, ch));
    } else {
      if (EditSelLength() == 0) Select(Caret, Caret - 1);
      ReplaceSelection("");
    }
  }

  void ReplaceSelection(const std::string& text) {
    const int start = EditSelStart();
    Text.replace(start, EditSelLength(), text);
    Select(start + static_cast<int>(text.size()), start + static_cast<int>(text.size()));
  }

  // The text with the caret as "|", or the selection in brackets.
  std::string Shown() const {
    std::string shown = Text;
    if (EditSelLength() == 0) return shown.insert(Caret, "|");
    return shown.insert(EditSelStart() + EditSelLength(), "]").insert(EditSelStart(), "[");
  }
};

// The editor's routing of keys, characters and outside selection changes.
class TMaskKeyDriver {
 public:
  TMaskKeyDriver(TMaskModelHost& host, TcxMaskEditCustomMode& mode) : FHost(host), FMode(mode) {}

  // Characters are typed; "{L}", "{R}", "{H}", "{E}" (with "+" for Shift),
  // "{BS}" and "{DEL}" are keys; "{S2,1}" selects one character from 2 as
  // the program would.
  void Type(const std::string& keys) {
    for (size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] != '{') {
        PressChar(keys[i]);
        continue;
      }
      const size_t close = keys.find('}', i);
      Key(keys.substr(i + 1, close - i - 1));
      i = close;
    }
  }

  // The keys one by one: a character, a key by its name above, or a
  // selection the program makes.
  void PressChar(char ch) {
    if (FMode.PressChar(ch)) FHost.NativeChar(ch);
  }

  void Select(int start, int length) {
    FHost.SetEditSelStart(start);
    FHost.SetEditSelLength(length);
  }

  void Key(const std::string& name) {
    if (name[0] == 'S') {
      const size_t comma = name.find(',');
      Select(std::stoi(name.substr(1, comma - 1)), std::stoi(name.substr(comma + 1)));
      return;
    }
    if (name == "BS") {
      if (FMode.Backspace()) FHost.NativeChar(cxMaskCharBackspace);
      return;
    }
    FHost.Shift = name[0] == '+';
    const std::string key = FHost.Shift ? name.substr(1) : name;
    if (key == "L") Route(FMode.Left(), cxMaskKeyLeft);
    if (key == "R") Route(FMode.Right(), cxMaskKeyRight);
    if (key == "H") Route(FMode.Home(), cxMaskKeyHome);
    if (key == "E") Route(FMode.End(), cxMaskKeyEnd);
    if (key == "DEL") Route(FMode.Delete(), cxMaskKeyDelete);
    FHost.Shift = false;
  }

 private:
  void Route(bool passes, uint16_t key) {
    if (passes) FHost.NativeKey(key);
  }

  TMaskModelHost& FHost;
  TcxMaskEditCustomMode& FMode;
};
