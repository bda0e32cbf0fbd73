#pragma once
// The modes of the expression masks. The filter mode refuses every
// character the expression cannot continue with and cuts off what no longer
// fits after an edit; the completing mode also types the literal characters
// the expression forces and moves the caret over a typed character and its
// forced literals as one unit.
//
// Both keep the text split at the caret: the consumed part, before the
// caret, has been offered to the engine character by character; the
// remaining part follows. A selection change the mode did not make itself
// marks the split stale, and the next operation rebuilds it.
#include <memory>
#include <string>

#include "controls/editors/engines/cxRegExpr.h"
#include "controls/editors/mask/cxMaskEditCustomMode.h"

class TcxMaskEditRegExprMode : public TcxMaskEditCustomMode {
 public:
  TcxMaskEditRegExprMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties);

  TcxEditMaskKind GetMaskKind() const override { return emkRegExpr; }
  void Compile(const std::string& mask) override;
  std::string Format(const std::string& text, bool withBlanks) override;
  void AdvanceToEnd() override;
  bool IsFullValid(const std::string& text) override;
  void SelectionChanged() override { FResynchronize = true; }
  bool Backspace() override;
  bool Delete() override;
  bool End() override;
  bool Home() override;
  bool Left() override;
  bool Right() override;
  bool PressChar(char& ch) override;
  void DisplayTextChanged(const std::string& text) override;
  void RefreshEditing() override;
  // Takes the selection out of the split, from whichever side of it the
  // selection lies; RestoreCut puts it back.
  virtual void CutSelection();
  virtual void RestoreCut();
  // The engine matches letters regardless of their case when set.
  virtual void SetCaseInsensitive(bool value) { FRegExpr.SetCaseInsensitive(value); }

  TcxRegExpr& RegExpr() { return FRegExpr; }
  const std::string& Consumed() const { return FConsumed; }
  const std::string& Remaining() const { return FRemaining; }
  bool Resynchronize() const { return FResynchronize; }

 protected:
  // A fresh engine compiled from this mode's expression, or none before the
  // mode has one.
  std::unique_ptr<TcxRegExpr> CreateTemporaryRegExpr();
  bool HasSelection() const { return Host()->EditSelLength() > 0; }
  int SelEnd() const { return Host()->EditSelStart() + Host()->EditSelLength(); }
  bool CaretAtSelEnd() const { return Host()->CaretCharIndex() == SelEnd(); }
  bool CaretAtSelStart() const { return Host()->CaretCharIndex() == Host()->EditSelStart(); }
  int ConsumedLength() const { return static_cast<int>(FConsumed.size()); }
  void SynchronizeSplit();
  bool Offer(char ch);
  void StepForward();
  void StepBack();
  bool RemainingFits();
  void DeleteRemaining();
  // Moves characters across the split without offering them to the engine.
  void MoveToConsumed(int count);
  void MoveToRemaining(int count);
  // Removes the selection by the given native key or character and cuts off
  // what no longer fits; the answer tells whether the key may pass.
  bool DeleteSelection(bool byChar);
  bool HasCutText() const { return !FCutText.empty(); }
  const std::string& CutText() const { return FCutText; }
  void ClearCutText() { FCutText.clear(); }
  void SetConsumed(const std::string& text) { FConsumed = text; }
  void SetRemaining(const std::string& text) { FRemaining = text; }
  void SetResynchronize(bool value) { FResynchronize = value; }

 private:
  bool FCutFromRemaining = false;
  std::string FConsumed;
  TcxRegExpr FRegExpr;
  std::string FCutText;
  std::string FRemaining;
  bool FResynchronize = false;
};

class TcxMaskEditRegExprExMode : public TcxMaskEditRegExprMode {
 public:
  TcxMaskEditRegExprExMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties);

  TcxEditMaskKind GetMaskKind() const override { return emkRegExprEx; }
  void Compile(const std::string& mask) override;
  std::string GetEmptyValueText() override;
  std::string Format(const std::string& text, bool withBlanks) override;
  void AdvanceToEnd() override;
  bool IsFullValid(const std::string& text) override;
  void PreparePaste() override { SynchronizeUnits(); }
  bool Backspace() override;
  bool Delete() override;
  bool End() override;
  bool Home() override;
  bool Left() override;
  bool Right() override;
  bool PressChar(char& ch) override;
  void DisplayTextChanged(const std::string& text) override;
  void ApplyPendingEmpty() override;
  void CutSelection() override;
  void RestoreCut() override;

 private:
  void ClearRecords();
  void CompletionOff() { RegExpr().SetUpdateOnNext(false); }
  void CompletionOn() { RegExpr().SetUpdateOnNext(true); }
  // Switches completion off and on: whether that typed the literals forced
  // at the engine's state.
  bool CompletesHere();
  int CompletionLength() const { return static_cast<int>(FCompletion.size()); }
  // What a fresh engine types before the first character.
  std::string LeadingLiterals(TcxRegExpr& regExpr);
  bool CanSynchronize() const { return CanReachEditor() && Host()->HasWindow(); }
  void StepUnitForward();
  void StepUnitBack();
  void SynchronizeUnits();
  void SynchronizeStart(int start);
  void RestoreCompletion();
  // After an edit: the forced literals follow the text again when the rest
  // still fits, else the rest goes.
  void FinishEdit();
  // With a selection from 0, moves it past the forced leading literals, which
  // stay; false when there are none.
  bool SkipLeadingLiterals();
  bool BackspaceSelection();
  bool BackspaceUnit();

  std::string FTempCompletion;
  int FDeletedCount = 0;
  std::string FCompletion;
};
