#pragma once
// The mask edit's model as the expression modes need it: a display value
// shown as the editor shows it, formatted into the mask with the mode told
// of the new text; and a driver that routes each key as the editor does, to
// the mode first and then, when the mode lets it pass, through the text
// edit's key handling on to the native edit.
#include <string>

#include "tests/controls/editors/MaskEditModelHost.h"

class TMaskModelHost : public TMaskEditModelHost {
 public:
  // Whether the editor can take text yet.
  bool Reachable = true;
  // The mode the properties format display texts with.
  TcxMaskEditCustomMode* Formatter = nullptr;

  bool CanTakeText() const override { return Reachable; }
  bool HasWindow() const override { return Reachable; }
  void SetDisplayText(const std::string& text) override {
    TMaskEditModelHost::SetDisplayText(Formatter->Format(text, true));
    Mode->DisplayTextChanged(Text);
  }
  // The text edit's key handling: Left or Right without Shift puts the caret
  // at the selection's own side and swallows the key. The native edit moves
  // from the caret, also for the arrows the mode sends it itself.
  bool CollapseSelection(uint16_t key) {
    if ((key != cxMaskKeyLeft && key != cxMaskKeyRight) || Shift || EditSelLength() == 0) return false;
    SetSelStartInternally(key == cxMaskKeyLeft ? EditSelStart() : EditSelStart() + EditSelLength());
    return true;
  }

  // The text with the caret as "|", or the selection in brackets.
  std::string Shown() const {
    std::string shown = Text;
    if (EditSelLength() == 0) return shown.insert(Caret, "|");
    return shown.insert(EditSelStart() + EditSelLength(), "]").insert(EditSelStart(), "[");
  }
};

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
    if (FMode.PressChar(ch)) FHost.SendChar(ch);
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
      if (FMode.Backspace()) FHost.SendChar(cxMaskCharBackspace);
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
    if (passes && !FHost.CollapseSelection(key)) FHost.SendKeyDown(key);
  }

  TMaskModelHost& FHost;
  TcxMaskEditCustomMode& FMode;
};
