#include "controls/editors/mask/cxMaskEditRegExprMode.h"

#include <algorithm>

#include "controls/editors/base/cxEditConsts.h"
#include "platform/rtl/Streams.h"

namespace {

void CompileText(TcxRegExpr& regExpr, const std::string& text) {
  TMemoryStream stream;
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  try {
    regExpr.Compile(&stream);
  } catch (const EcxRegExprError& error) {
    std::string message = cxGetResourceString(cxMsgRegExprErrorsHeading);
    for (int i = 0; i < error.Errors().Count(); ++i) message += "\r\n" + error.Errors().Items(i).FullText();
    throw EcxMaskEditError(message);
  }
}

}  // namespace

// ---- TcxMaskEditRegExprMode

TcxMaskEditRegExprMode::TcxMaskEditRegExprMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties)
    : TcxMaskEditCustomMode(host, properties) {
  FRegExpr.SetCaseInsensitive(Properties().ModeCaseInsensitive());
}

void TcxMaskEditRegExprMode::Compile(const std::string& mask) {
  TcxMaskEditCustomMode::Compile(mask);
  if (IsMaskNonBlank(mask)) CompileText(FRegExpr, mask);
}

std::unique_ptr<TcxRegExpr> TcxMaskEditRegExprMode::CreateTemporaryRegExpr() {
  TStream* source = FRegExpr.GetStream();
  if (!source) return nullptr;
  auto regExpr = std::make_unique<TcxRegExpr>();
  regExpr->SetCaseInsensitive(Properties().ModeCaseInsensitive());
  regExpr->Compile(source);
  return regExpr;
}

// The accepted characters in the pattern's case; what the expression cannot
// take is dropped.
std::string TcxMaskEditRegExprMode::Format(const std::string& text, bool) {
  if (!FRegExpr.IsCompiled()) return {};
  FRegExpr.Reset();
  std::string accepted;
  for (char ch : text) {
    if (FRegExpr.Next(ch)) accepted += ch;
  }
  return accepted;
}

bool TcxMaskEditRegExprMode::IsFullValid(const std::string& text) {
  if (text.empty()) return true;
  std::unique_ptr<TcxRegExpr> regExpr = CreateTemporaryRegExpr();
  if (!regExpr) return false;
  for (char ch : text) {
    if (!regExpr->Next(ch)) return false;
  }
  return Properties().ModeIgnoreMaskBlank() || regExpr->IsFinal();
}

void TcxMaskEditRegExprMode::SynchronizeSplit() {
  const std::string text = Host()->EditText();
  if (!FResynchronize && !(FConsumed.empty() && FRemaining.empty() && !text.empty())) return;
  FResynchronize = false;
  FRegExpr.Reset();
  FRemaining = text;
  FConsumed.clear();
  const int caret = std::min(Host()->CaretCharIndex(), static_cast<int>(text.size()));
  for (int i = 0; i < caret; ++i) {
    char ch = text[i];
    FRegExpr.Next(ch);
  }
  MoveToConsumed(caret);
}

void TcxMaskEditRegExprMode::MoveToConsumed(int count) {
  const std::string moved = FRemaining.substr(0, count);
  FConsumed += moved;
  FRemaining.erase(0, moved.size());
}

void TcxMaskEditRegExprMode::MoveToRemaining(int count) {
  const size_t moved = std::min(FConsumed.size(), static_cast<size_t>(std::max(count, 0)));
  FRemaining.insert(0, FConsumed, FConsumed.size() - moved, moved);
  FConsumed.erase(FConsumed.size() - moved);
}

// The parts hold the characters as the text shows them: the engine gets a
// copy to turn into the pattern's case, lest a part's letter fit where the
// text's does not.
bool TcxMaskEditRegExprMode::Offer(char ch) { return FRegExpr.Next(ch); }

void TcxMaskEditRegExprMode::StepForward() {
  Offer(FRemaining[0]);
  MoveToConsumed(1);
}

void TcxMaskEditRegExprMode::StepBack() {
  FRegExpr.Prev();
  MoveToRemaining(1);
}

// Leaves the engine where it found it.
bool TcxMaskEditRegExprMode::RemainingFits() {
  size_t accepted = 0;
  while (accepted < FRemaining.size() && Offer(FRemaining[accepted])) ++accepted;
  for (size_t i = 0; i < accepted; ++i) FRegExpr.Prev();
  return accepted == FRemaining.size();
}

void TcxMaskEditRegExprMode::DeleteRemaining() {
  std::string text = Host()->DisplayText();
  const size_t start = std::min(static_cast<size_t>(Host()->EditSelStart()), text.size());
  text.erase(start, FRemaining.size());
  Host()->SetDisplayText(text);
  Host()->SetSelStartInternally(static_cast<int>(text.size()));
  FRemaining.clear();
}

void TcxMaskEditRegExprMode::CutSelection() {
  const int start = Host()->EditSelStart();
  const int length = Host()->EditSelLength();
  if (ConsumedLength() == start) {
    FCutText = FRemaining.substr(0, length);
    FRemaining.erase(0, FCutText.size());
    FCutFromRemaining = true;
  } else if (ConsumedLength() == start + length) {
    FCutText = FConsumed.substr(start, length);
    FConsumed.erase(start);
    for (int i = 0; i < length; ++i) FRegExpr.Prev();
    FCutFromRemaining = false;
  }
}

void TcxMaskEditRegExprMode::RestoreCut() {
  if (FCutFromRemaining) {
    FRemaining.insert(0, FCutText);
    return;
  }
  for (char ch : FCutText) {
    FConsumed += ch;
    FRegExpr.Next(ch);
  }
}

void TcxMaskEditRegExprMode::AdvanceToEnd() {
  SynchronizeSplit();
  while (!FRemaining.empty()) StepForward();
}

bool TcxMaskEditRegExprMode::Home() {
  SynchronizeSplit();
  if (!FConsumed.empty()) {
    FRemaining.insert(0, FConsumed);
    FConsumed.clear();
    FRegExpr.Reset();
  }
  return true;
}

bool TcxMaskEditRegExprMode::End() {
  SynchronizeSplit();
  while (!FRemaining.empty()) StepForward();
  return true;
}

// The native edit moves the caret; the split follows it.
bool TcxMaskEditRegExprMode::Left() {
  SynchronizeSplit();
  if (FConsumed.empty()) return true;
  const bool collapses = HasSelection() && !Host()->ShiftHeld();
  if (!collapses) {
    StepBack();
  } else if (CaretAtSelEnd()) {
    for (int i = Host()->EditSelLength(); i > 0 && !FConsumed.empty(); --i) StepBack();
  }
  return true;
}

bool TcxMaskEditRegExprMode::Right() {
  SynchronizeSplit();
  if (FRemaining.empty()) return true;
  const bool collapses = HasSelection() && !Host()->ShiftHeld();
  if (!collapses) {
    StepForward();
  } else if (CaretAtSelStart()) {
    for (int i = Host()->EditSelLength(); i > 0 && !FRemaining.empty(); --i) StepForward();
  }
  return true;
}

bool TcxMaskEditRegExprMode::PressChar(char& ch) {
  SynchronizeSplit();
  if (HasSelection()) CutSelection();
  bool passes = false;
  if (!FRegExpr.Next(ch)) {
    RestoreCut();
    BeepOnError();
  } else {
    FConsumed += ch;
    if (RemainingFits()) {
      passes = true;
    } else if (HasCutText()) {
      // The native edit replaces the selection, and the rest that no longer
      // fits goes.
      Host()->SendKeyDown(cxMaskKeyDelete);
      Host()->SendChar(ch);
      BeepOnError();
      DeleteRemaining();
    } else {
      DeleteRemaining();
      passes = true;
    }
  }
  FCutText.clear();
  return passes;
}

bool TcxMaskEditRegExprMode::DeleteSelection(bool byChar) {
  CutSelection();
  const bool fits = RemainingFits();
  if (!fits) {
    if (byChar) {
      Host()->SendChar(cxMaskCharBackspace);
    } else {
      Host()->SendKeyDown(cxMaskKeyDelete);
    }
    DeleteRemaining();
    BeepOnError();
  }
  FCutText.clear();
  return fits;
}

// Without a selection the native edit deletes the character after the
// caret; when what follows it no longer fits, the rest goes first and the
// caret stands before the last character left, for the key to delete.
bool TcxMaskEditRegExprMode::Delete() {
  SynchronizeSplit();
  if (HasSelection()) return DeleteSelection(false);
  if (FRemaining.empty()) return true;
  FRemaining.erase(0, 1);
  if (!RemainingFits()) {
    DeleteRemaining();
    if (Host()->EditSelStart() > 0) Host()->SetSelStartInternally(Host()->EditSelStart() - 1);
  }
  return true;
}

bool TcxMaskEditRegExprMode::Backspace() {
  SynchronizeSplit();
  if (HasSelection()) return DeleteSelection(true);
  if (FConsumed.empty()) return true;
  FRegExpr.Prev();
  FConsumed.pop_back();
  if (!RemainingFits()) DeleteRemaining();
  return true;
}

// A paste has just put its text at the selection: the split stands after it.
void TcxMaskEditRegExprMode::DisplayTextChanged(const std::string& text) {
  FRegExpr.Reset();
  FConsumed.clear();
  FRemaining = text;
  if (PasteLength() >= 1 && !text.empty()) {
    const int pasted = std::min(Host()->EditSelStart() + PasteLength(), static_cast<int>(text.size()));
    for (int i = 0; i < pasted; ++i) {
      char ch = text[i];
      FRegExpr.Next(ch);
    }
    MoveToConsumed(pasted);
    SetPasteLength(0);
  }
}

void TcxMaskEditRegExprMode::RefreshEditing() {
  TcxMaskEditCustomMode::RefreshEditing();
  if (!CanReachEditor()) return;
  const std::string text = Host()->EditText();
  Host()->SetEditSelStart(static_cast<int>(text.size()));
  FConsumed = text;
  FRemaining.clear();
  FRegExpr.Reset();
  std::string accepted;
  FRegExpr.NextText(text, accepted);
}

// ---- TcxMaskEditRegExprExMode

TcxMaskEditRegExprExMode::TcxMaskEditRegExprExMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties)
    : TcxMaskEditRegExprMode(host, properties) {
  RegExpr().SetOnAddChar([this](char ch) { FCompletion += ch; });
  RegExpr().SetOnDeleteChar([this] { ++FDeletedCount; });
  CompletionOn();
  ClearRecords();
}

void TcxMaskEditRegExprExMode::ClearRecords() {
  FCompletion.clear();
  FDeletedCount = 0;
}

bool TcxMaskEditRegExprExMode::CompletesHere() {
  ClearRecords();
  CompletionOff();
  CompletionOn();
  return !FCompletion.empty();
}

// An editor that cannot take text yet gets its empty value, the literals
// forced at the start, once it can.
void TcxMaskEditRegExprExMode::Compile(const std::string& mask) {
  ClearRecords();
  TcxMaskEditRegExprMode::Compile(mask);
  SetPendingEmpty(!CanReachEditor());
}

// The literals are computed afresh rather than taken from what the compile
// completed: a display text shown since then has cleared that.
void TcxMaskEditRegExprExMode::ApplyPendingEmpty() {
  if (!PendingEmpty()) return;
  Host()->SetEditValueTextInternally(GetEmptyValueText());
  SetPendingEmpty(false);
}

std::string TcxMaskEditRegExprExMode::LeadingLiterals(TcxRegExpr& regExpr) {
  FTempCompletion.clear();
  regExpr.SetOnAddChar([this](char ch) { FTempCompletion += ch; });
  regExpr.SetUpdateOnNext(true);
  return FTempCompletion;
}

std::string TcxMaskEditRegExprExMode::GetEmptyValueText() {
  std::unique_ptr<TcxRegExpr> regExpr = CreateTemporaryRegExpr();
  return regExpr ? LeadingLiterals(*regExpr) : std::string();
}

// The text of the forced leading literals alone is complete too: it is what
// an emptied editor shows.
bool TcxMaskEditRegExprExMode::IsFullValid(const std::string& text) {
  std::unique_ptr<TcxRegExpr> regExpr = CreateTemporaryRegExpr();
  if (!regExpr) return text.empty();
  if (text == LeadingLiterals(*regExpr)) return true;
  regExpr->SetUpdateOnNext(false);
  regExpr->Reset();
  for (char ch : text) {
    if (!regExpr->Next(ch)) return false;
  }
  return Properties().ModeIgnoreMaskBlank() || regExpr->IsFinal();
}

std::string TcxMaskEditRegExprExMode::Format(const std::string& text, bool withBlanks) {
  if (!RegExpr().IsCompiled()) return {};
  CompletionOff();
  ClearRecords();
  const std::string accepted = TcxMaskEditRegExprMode::Format(text, withBlanks);
  CompletionOn();
  return accepted + FCompletion;
}

void TcxMaskEditRegExprExMode::AdvanceToEnd() {
  CompletionOff();
  TcxMaskEditRegExprMode::AdvanceToEnd();
  CompletionOn();
}

void TcxMaskEditRegExprExMode::CutSelection() {
  CompletionOff();
  TcxMaskEditRegExprMode::CutSelection();
  if (CompletesHere()) {
    RegExpr().Prev();
    ClearRecords();
  }
}

void TcxMaskEditRegExprExMode::RestoreCut() {
  CompletionOff();
  TcxMaskEditRegExprMode::RestoreCut();
  if (CompletesHere()) {
    RegExpr().Prev();
    ClearRecords();
  }
}

void TcxMaskEditRegExprExMode::StepUnitForward() {
  if (Remaining().empty()) return;
  ClearRecords();
  char ch = Remaining()[0];
  RegExpr().Next(ch);
  MoveToConsumed(1 + CompletionLength());
}

void TcxMaskEditRegExprExMode::StepUnitBack() {
  if (Consumed().empty()) return;
  ClearRecords();
  RegExpr().Prev();
  MoveToRemaining(FDeletedCount + 1);
  if (RegExpr().IsStart()) MoveToRemaining(ConsumedLength());
}

// Moves the split to the unit boundary at the caret, or at the selection's
// end; a caret or selection end inside a unit goes to the unit's boundary.
void TcxMaskEditRegExprExMode::SynchronizeUnits() {
  if (!CanSynchronize()) return;
  const std::string text = Host()->EditText();
  if (Consumed().empty() && Remaining().empty() && !text.empty()) {
    SetRemaining(text);
    RegExpr().Reset();
    SetResynchronize(true);
  }
  if (!Resynchronize()) return;
  SetResynchronize(false);
  const int start = Host()->EditSelStart();
  const int end = SelEnd();
  SynchronizeStart(start);
  if (start >= end) return;
  while (ConsumedLength() < end && !Remaining().empty()) StepUnitForward();
  Host()->SetSelLengthInternally(ConsumedLength() - Host()->EditSelStart());
}

void TcxMaskEditRegExprExMode::SynchronizeStart(int start) {
  while (ConsumedLength() < start) {
    StepUnitForward();
    if (ConsumedLength() > start) {
      StepUnitBack();
      Host()->SetSelStartInternally(ConsumedLength());
      return;
    }
    if (Remaining().empty()) return;
  }
  while (ConsumedLength() > start) {
    StepUnitBack();
    if (ConsumedLength() < start) {
      Host()->SetSelStartInternally(ConsumedLength());
      return;
    }
  }
}

// Runs with completion off: types after the text the literals the
// expression forces there, and comes back to the split.
void TcxMaskEditRegExprExMode::RestoreCompletion() {
  ClearRecords();
  if (Remaining().empty()) return;
  for (char ch : Remaining()) {
    RegExpr().Next(ch);
    Host()->SetSelStartInternally(Host()->EditSelStart() + 1);
  }
  CompletionOn();
  for (char ch : FCompletion) Host()->SendChar(ch);
  SetRemaining(Remaining() + FCompletion);
  CompletionOff();
  for (size_t i = 0; i < Remaining().size(); ++i) {
    RegExpr().Prev();
    Host()->SetSelStartInternally(Host()->EditSelStart() - 1);
  }
}

void TcxMaskEditRegExprExMode::FinishEdit() {
  CompletionOff();
  if (RemainingFits()) {
    RestoreCompletion();
  } else {
    DeleteRemaining();
  }
  CompletionOn();
}

bool TcxMaskEditRegExprExMode::SkipLeadingLiterals() {
  if (Host()->EditSelStart() != 0 || !CompletesHere()) return false;
  const std::string literals = FCompletion;
  const int end = SelEnd();
  SetConsumed(literals);
  ClearRecords();
  Host()->SetEditSelStart(static_cast<int>(literals.size()));
  Host()->SetEditSelLength(std::max(end - static_cast<int>(literals.size()), 0));
  SetRemaining(CutText().substr(std::min(literals.size(), CutText().size())) + Remaining());
  ClearCutText();
  return true;
}

bool TcxMaskEditRegExprExMode::PressChar(char& ch) {
  SynchronizeUnits();
  ClearRecords();
  if (HasSelection()) {
    CutSelection();
    if (SkipLeadingLiterals()) return PressChar(ch);
  }
  char typed = ch;
  if (RegExpr().Next(typed)) {
    const std::string completion = FCompletion;
    SetConsumed(Consumed() + typed + completion);
    Host()->SendChar(typed);
    for (char literal : completion) Host()->SendChar(literal);
    FinishEdit();
  } else {
    if (HasSelection()) RestoreCut();
    BeepOnError();
  }
  ClearCutText();
  return false;
}

bool TcxMaskEditRegExprExMode::BackspaceSelection() {
  CutSelection();
  if (SkipLeadingLiterals()) return Backspace();
  Host()->SendChar(cxMaskCharBackspace);
  FinishEdit();
  ClearCutText();
  return false;
}

// The literals forced at the start stay: with the caret right after them
// the key is refused.
bool TcxMaskEditRegExprExMode::BackspaceUnit() {
  if (Consumed().empty()) return false;
  RegExpr().Prev();
  if (RegExpr().IsStart() && Host()->EditSelStart() == FDeletedCount) {
    char first = Consumed()[0];
    RegExpr().Next(first);
    BeepOnError();
    return false;
  }
  const int unit = FDeletedCount + 1;
  SetConsumed(Consumed().substr(0, Consumed().size() - std::min(Consumed().size(), static_cast<size_t>(unit))));
  for (int i = 0; i < unit; ++i) Host()->SendChar(cxMaskCharBackspace);
  FinishEdit();
  return false;
}

bool TcxMaskEditRegExprExMode::Backspace() {
  SynchronizeUnits();
  ClearRecords();
  return HasSelection() ? BackspaceSelection() : BackspaceUnit();
}

bool TcxMaskEditRegExprExMode::Delete() {
  SynchronizeUnits();
  ClearRecords();
  if (HasSelection()) return Backspace();
  if (Remaining().empty()) return false;
  if (Host()->EditSelStart() == 0 && CompletesHere()) {
    RegExpr().Prev();
    ClearRecords();
    BeepOnError();
    return false;
  }
  char first = Remaining()[0];
  RegExpr().Next(first);
  const int unit = CompletionLength() + 1;
  for (int i = 0; i < unit; ++i) Host()->SendKeyDown(cxMaskKeyDelete);
  SetRemaining(Remaining().substr(std::min(Remaining().size(), static_cast<size_t>(unit))));
  RegExpr().Prev();
  FinishEdit();
  return false;
}

bool TcxMaskEditRegExprExMode::Home() {
  SynchronizeUnits();
  ClearRecords();
  return TcxMaskEditRegExprMode::Home();
}

bool TcxMaskEditRegExprExMode::End() {
  SynchronizeUnits();
  ClearRecords();
  CompletionOff();
  TcxMaskEditRegExprMode::End();
  CompletionOn();
  return true;
}

// The key itself moves the caret over the typed character; the mode moves
// it first over the literals completion forced before that character.
bool TcxMaskEditRegExprExMode::Left() {
  SynchronizeUnits();
  ClearRecords();
  const bool collapses = HasSelection() && !Host()->ShiftHeld();
  if (collapses && CaretAtSelEnd()) {
    CompletionOff();
    TcxMaskEditRegExprMode::Left();
    if (CompletesHere()) RegExpr().Prev();
  } else if (!collapses) {
    TcxMaskEditRegExprMode::Left();
    int literals = FDeletedCount;
    if (RegExpr().IsStart()) {
      const int start = Host()->EditSelStart();
      if ((start == 0 && Host()->EditSelLength() == literals) || (start != 0 && start == literals)) --literals;
    }
    for (int i = 0; i < literals && !Consumed().empty(); ++i) {
      MoveToRemaining(1);
      Host()->SendKeyDown(cxMaskKeyLeft);
    }
  }
  return true;
}

bool TcxMaskEditRegExprExMode::Right() {
  SynchronizeUnits();
  ClearRecords();
  const bool collapses = HasSelection() && !Host()->ShiftHeld();
  if (collapses && CaretAtSelStart()) {
    CompletionOff();
    TcxMaskEditRegExprMode::Right();
    ClearRecords();
    CompletionOn();
  } else if (!collapses) {
    TcxMaskEditRegExprMode::Right();
    for (int i = 0; i < CompletionLength() && !Remaining().empty(); ++i) {
      MoveToConsumed(1);
      Host()->SendKeyDown(cxMaskKeyRight);
    }
  }
  return true;
}

void TcxMaskEditRegExprExMode::DisplayTextChanged(const std::string& text) {
  CompletionOff();
  RegExpr().Reset();
  for (char ch : text) RegExpr().Next(ch);
  ClearRecords();
  CompletionOn();
  SetConsumed(text + FCompletion);
  SetRemaining({});
  if (CanReachEditor()) {
    SetResynchronize(true);
    SynchronizeUnits();
  }
  SetPasteLength(0);
}
