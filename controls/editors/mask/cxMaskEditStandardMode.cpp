#include "controls/editors/mask/cxMaskEditStandardMode.h"

#include <algorithm>

TcxMaskEditStandardMode::TcxMaskEditStandardMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties)
    : TcxMaskEditCustomMode(host, properties) {}

bool TcxMaskEditStandardMode::IsLiteralAt(int position) const {
  return position >= 0 && position < FStandardMask.Count() &&
         dynamic_cast<const TcxStandardMaskLiteralItem*>(&FStandardMask.Items(position)) != nullptr;
}

bool TcxMaskEditStandardMode::IsInputAt(int position) const {
  return position >= 0 && position < FStandardMask.Count() &&
         dynamic_cast<const TcxStandardMaskManyItem*>(&FStandardMask.Items(position)) != nullptr;
}

int TcxMaskEditStandardMode::TextLength() const { return static_cast<int>(Host()->EditText().size()); }

// The caret shows as the one character it stands on, which typing replaces.
void TcxMaskEditStandardMode::PlaceCaret(int position) {
  Host()->SetSelStartInternally(position);
  SelectionChanged();
}

void TcxMaskEditStandardMode::Compile(const std::string& mask) {
  TcxMaskEditCustomMode::Compile(mask);
  FStandardMask.Clear();
  if (!IsMaskNonBlank(mask)) return;
  FStandardMask.Compile(mask);
  SetPendingEmpty(!CanReachEditor());
}

std::string TcxMaskEditStandardMode::GetEmptyValueText() {
  std::string text;
  FStandardMask.GetEmptyValue(text);
  return text;
}

// A text as long as the mask is a display text: its literals stand in their
// places, also where the value leaves them out.
bool TcxMaskEditStandardMode::IsDisplayText(const std::string& text) const {
  return static_cast<int>(text.size()) == FStandardMask.Count();
}

std::string TcxMaskEditStandardMode::Format(const std::string& text, bool) {
  std::string formatted = text;
  FStandardMask.Format(formatted, Properties().ModeCharCaseNormal(), IsDisplayText(text));
  return formatted;
}

std::string TcxMaskEditStandardMode::GetValue(const std::string& text, bool textHasLiterals) {
  std::string value = text;
  FStandardMask.Format(value, Properties().ModeCharCaseNormal(), textHasLiterals || IsDisplayText(text));
  FStandardMask.ExtractValue(value);
  return value;
}

// With IgnoreMaskBlank an incomplete text stands when it was filled from
// the start: taking its blanks out and formatting it again gives it back.
bool TcxMaskEditStandardMode::IsFullValid(const std::string& text) {
  std::string checked = text;
  if (FStandardMask.IsFullValid(checked)) return true;
  if (!Properties().ModeIgnoreMaskBlank()) return false;
  std::string stripped = text;
  std::erase(stripped, FStandardMask.Blank());
  FStandardMask.Format(stripped, Properties().ModeCharCaseNormal(), true);
  return stripped == text;
}

bool TcxMaskEditStandardMode::IsCaretAtStart() {
  int leadingLiterals = 0;
  while (IsLiteralAt(leadingLiterals)) ++leadingLiterals;
  return Host() && Host()->EditSelStart() <= leadingLiterals && Host()->EditSelLength() <= 1;
}

void TcxMaskEditStandardMode::SelectionChanged() {
  IcxMaskEditHost* host = Host();
  if (!host || !host->IsFocused() || !IsMaskNonBlank(Mask()) || host->EditSelLength() != 0) return;
  host->SetSelLengthInternally(1);
}

void TcxMaskEditStandardMode::DisplayTextChanged(const std::string&) { SelectionChanged(); }

void TcxMaskEditStandardMode::RefreshEditing() {
  TcxMaskEditCustomMode::RefreshEditing();
  SelectionChanged();
}

void TcxMaskEditStandardMode::ApplyPendingEmpty() {
  if (!PendingEmpty() || !Host()) return;
  SetPendingEmpty(false);
  Host()->SetEditValueTextInternally(GetEmptyValueText());
}

// A paste runs these twice, once around the replacement of the selection
// and once around the whole paste: both work from where the paste began,
// so the second run changes nothing.
void TcxMaskEditStandardMode::PreparePaste() {
  if (!Host()) return;
  FPasteStart = Host()->EditSelStart();
  Host()->SetSelLengthInternally(PasteLength());
}

void TcxMaskEditStandardMode::FinishPaste() {
  if (!Host()) return;
  int caret = std::clamp(FPasteStart + PasteLength(), 0, TextLength());
  while (IsLiteralAt(caret)) ++caret;
  PlaceCaret(std::min(caret, TextLength()));
}

void TcxMaskEditStandardMode::BlankSelection(std::string& text) const {
  const int start = Host()->EditSelStart();
  const int end = std::min(start + Host()->EditSelLength(), static_cast<int>(text.size()));
  for (int position = start; position < end; ++position)
    if (IsInputAt(position)) text[static_cast<size_t>(position)] = BlankChar();
}

bool TcxMaskEditStandardMode::Delete() {
  std::string text = Host()->EditText();
  const int start = Host()->EditSelStart();
  BlankSelection(text);
  Host()->SetDisplayText(text);
  PlaceCaret(start);
  return false;
}

bool TcxMaskEditStandardMode::Backspace() {
  if (Host()->EditSelLength() <= 1) StepLeft();
  return Delete();
}

bool TcxMaskEditStandardMode::End() {
  if (Host()->ShiftHeld()) return true;
  PlaceCaret(TextLength());
  return false;
}

bool TcxMaskEditStandardMode::Home() {
  if (Host()->ShiftHeld()) return true;
  PlaceCaret(0);
  if (IsLiteralAt(0)) StepRight();
  return false;
}

bool TcxMaskEditStandardMode::Left() {
  IcxMaskEditHost* host = Host();
  if (!host->ShiftHeld()) return StepLeft();
  if (host->EditSelLength() == 1) host->SetSelStartInternally(host->EditSelStart() + 1);
  return true;
}

bool TcxMaskEditStandardMode::StepLeft() {
  const int start = Host()->EditSelStart();
  const int length = Host()->EditSelLength();
  if (length <= 1) {
    int literalsBefore = 0;
    while (IsLiteralAt(start - 1 - literalsBefore)) ++literalsBefore;
    PlaceCaret(std::max(start - 1 - literalsBefore, 0));
  } else {
    int caret = start;
    while (caret < start + length && IsLiteralAt(caret)) ++caret;
    PlaceCaret(caret);
  }
  return false;
}

bool TcxMaskEditStandardMode::Right() {
  IcxMaskEditHost* host = Host();
  if (!host->ShiftHeld()) return StepRight();
  if (host->EditSelLength() == 1 && host->CaretCharIndex() == host->EditSelStart()) host->SetSelLengthInternally(0);
  return true;
}

bool TcxMaskEditStandardMode::StepRight() {
  const int start = Host()->EditSelStart();
  const int length = Host()->EditSelLength();
  if (length <= 1) {
    int caret = start + 1;
    while (IsLiteralAt(caret)) ++caret;
    PlaceCaret(caret > TextLength() ? start : caret);
  } else {
    int caret = start + length;
    while (caret > start && caret < TextLength() && IsLiteralAt(caret)) --caret;
    PlaceCaret(caret);
  }
  return false;
}

// Typing overwrites: the text keeps the mask's length.
bool TcxMaskEditStandardMode::PressChar(char& ch) {
  IcxMaskEditHost* host = Host();
  std::string text = host->EditText();
  const int start = host->EditSelStart();
  if (text.empty() || start >= static_cast<int>(text.size())) return false;
  if (IsLiteralAt(start)) return PressCharAtLiteral(ch, text);
  char accepted = ch;
  if (start >= FStandardMask.Count() || !FStandardMask.Items(start).Check(accepted)) {
    BeepOnError();
    return false;
  }
  if (host->EditSelLength() > 1) BlankSelection(text);
  text[static_cast<size_t>(start)] = accepted;
  host->SetDisplayText(text);
  int caret = start + 1;
  while (IsLiteralAt(caret)) ++caret;
  PlaceCaret(std::min(caret, TextLength()));
  return false;
}

// On a literal the character belongs to the next input position.
bool TcxMaskEditStandardMode::PressCharAtLiteral(char& ch, std::string& text) {
  IcxMaskEditHost* host = Host();
  const int start = host->EditSelStart();
  if (host->EditSelLength() > 1) {
    BlankSelection(text);
    host->SetDisplayText(text);
    PlaceCaret(start);
  }
  StepRight();
  if (host->EditSelStart() == start) return false;
  return PressChar(ch);
}
