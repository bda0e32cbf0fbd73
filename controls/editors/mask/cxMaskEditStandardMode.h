#pragma once
// The mode of a picture mask ("(000) 000-0000"): the text always has the
// mask's length, the caret shows as a one-character selection that typing
// overwrites, the caret steps over the literal positions, and deleting
// blanks positions instead of closing the text up.
#include "controls/editors/engines/cxStandardMask.h"
#include "controls/editors/mask/cxMaskEditCustomMode.h"

class TcxMaskEditStandardMode : public TcxMaskEditCustomMode {
 public:
  TcxMaskEditStandardMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties);

  void FinishPaste() override;
  void Compile(const std::string& mask) override;
  std::string GetEmptyValueText() override;
  std::string Format(const std::string& text, bool withBlanks) override;
  bool IsCaretAtStart() override;
  bool IsFullValid(const std::string& text) override;
  void SelectionChanged() override;
  void PreparePaste() override;
  bool Backspace() override;
  bool Delete() override;
  bool End() override;
  bool Home() override;
  bool Left() override;
  bool Right() override;
  bool PressChar(char& ch) override;
  void DisplayTextChanged(const std::string& text) override;
  void RefreshEditing() override;
  void ApplyPendingEmpty() override;
  std::string GetValue(const std::string& text, bool textHasLiterals) override;
  // What Delete writes into a blanked position.
  virtual char BlankChar() const { return FStandardMask.Blank(); }

  const TcxStandardMask& StandardMask() const { return FStandardMask; }

 private:
  bool IsDisplayText(const std::string& text) const;
  bool IsLiteralAt(int position) const;
  bool IsInputAt(int position) const;
  int TextLength() const;
  void PlaceCaret(int position);
  // Left and Right without Shift.
  bool StepLeft();
  bool StepRight();
  // Writes the blank into the selected input positions.
  void BlankSelection(std::string& text) const;
  bool PressCharAtLiteral(char& ch, std::string& text);

  TcxStandardMask FStandardMask;
  // Where the paste in progress began.
  int FPasteStart = 0;
};
