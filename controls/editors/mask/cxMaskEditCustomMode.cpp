#include "controls/editors/mask/cxMaskEditCustomMode.h"

#include <algorithm>

bool IsMaskNonBlank(const std::string& mask) {
  return std::any_of(mask.begin(), mask.end(), [](char ch) { return ch != ' '; });
}

TcxMaskEditCustomMode::TcxMaskEditCustomMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties)
    : FProperties(properties), FHost(host) {}

TcxMaskEditCustomMode::~TcxMaskEditCustomMode() = default;

IcxMaskEditModeProperties& TcxMaskEditCustomMode::Properties() const {
  return FHost ? FHost->ModeProperties() : FProperties;
}

void TcxMaskEditCustomMode::Compile(const std::string& mask) { FMask = mask; }

std::string TcxMaskEditCustomMode::Format(const std::string& text, bool) { return text; }

bool TcxMaskEditCustomMode::IsCaretAtStart() { return FHost && FHost->EditSelStart() == 0; }

bool TcxMaskEditCustomMode::IsCaretAtEnd() {
  return FHost && FHost->EditSelStart() == static_cast<int>(FHost->EditText().size());
}

bool TcxMaskEditCustomMode::IsFullValid(const std::string&) { return true; }

bool TcxMaskEditCustomMode::PressChar(char&) { return true; }

void TcxMaskEditCustomMode::RefreshEditing() {
  if (!CanReachEditor()) return;
  const std::string text =
      FHost->IsModifiedAfterEnter() ? Format(FHost->EditText(), true) : FHost->PreparedEditValueText();
  FHost->SetInternalDisplayText(text);
}

std::string TcxMaskEditCustomMode::GetValue(const std::string& text, bool) { return text; }

void TcxMaskEditCustomMode::BeepOnError() const {
  if (FHost && Properties().ModeBeepOnError()) FHost->Beep();
}
