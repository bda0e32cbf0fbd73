#pragma once
// A mask mode: what a masked editor asks about every key, character, paste,
// selection change and validation. The editor only routes; the mode of its
// mask kind decides. A key operation answers true when the key shall go on
// to the native edit and false when the mode swallowed it. A mode without
// a host serves its properties alone, to format display texts.
#include <string>

#include "controls/editors/base/cxEditErrors.h"
#include "controls/editors/mask/cxMaskEditHost.h"

class EcxMaskEditError : public EcxEditError {
 public:
  using EcxEditError::EcxEditError;
};

// Whether a mask text holds anything but blanks, and so is a mask at all.
bool IsMaskNonBlank(const std::string& mask);

class TcxMaskEditCustomMode {
 public:
  TcxMaskEditCustomMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties);
  virtual ~TcxMaskEditCustomMode();
  TcxMaskEditCustomMode(const TcxMaskEditCustomMode&) = delete;
  TcxMaskEditCustomMode& operator=(const TcxMaskEditCustomMode&) = delete;

  virtual TcxEditMaskKind GetMaskKind() const { return emkStandard; }
  virtual void FinishPaste() {}
  // Keeps the mask text; a descendant compiles a non-blank one.
  virtual void Compile(const std::string& mask);
  virtual std::string GetEmptyValueText() { return {}; }
  virtual std::string Format(const std::string& text, bool withBlanks);
  virtual void AdvanceToEnd() {}
  virtual bool IsCaretAtStart();
  virtual bool IsCaretAtEnd();
  virtual bool IsFullValid(const std::string& text);
  virtual void SelectionChanged() {}
  virtual void PreparePaste() {}
  virtual bool Backspace() { return true; }
  virtual bool Delete() { return true; }
  virtual bool End() { return true; }
  virtual bool Home() { return true; }
  virtual bool Left() { return true; }
  virtual bool Right() { return true; }
  virtual bool PressChar(char& ch);
  virtual void DisplayTextChanged(const std::string&) {}
  // Shows the text again in the mask's form: the typed text while the user
  // edits it, else the edit value.
  virtual void RefreshEditing();
  virtual void ApplyPendingEmpty() {}
  virtual std::string GetValue(const std::string& text, bool textHasLiterals);

  const std::string& Mask() const { return FMask; }
  // The case and echo settings the editor told the mode last.
  int CharCase() const { return FCharCase; }
  void SetCharCase(int value) { FCharCase = value; }
  int EchoMode() const { return FEchoMode; }
  void SetEchoMode(int value) { FEchoMode = value; }
  // The length of the text being pasted; 0 otherwise.
  int PasteLength() const { return FPasteLength; }
  void SetPasteLength(int value) { FPasteLength = value; }
  IcxMaskEditHost* Host() const { return FHost; }
  // The host's settings, else those the mode was made with.
  IcxMaskEditModeProperties& Properties() const;

 protected:
  // The host exists and can take text.
  bool CanReachEditor() const { return FHost && FHost->CanTakeText(); }
  // A refused key rings when the settings ask for it.
  void BeepOnError() const;
  bool PendingEmpty() const { return FPendingEmpty; }
  void SetPendingEmpty(bool value) { FPendingEmpty = value; }

 private:
  int FCharCase = 0;
  int FEchoMode = 0;
  std::string FMask;
  IcxMaskEditModeProperties& FProperties;
  int FPasteLength = 0;
  IcxMaskEditHost* FHost;
  bool FPendingEmpty = false;
};
