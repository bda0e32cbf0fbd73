#pragma once
// The settings of the masked edit: the mask, its kind and how it treats
// case and blanks. A mask of blanks only is no mask: the editor then is the
// text editor. While a mask is in effect the text has no length limit of
// its own, and a forced case makes the mask ignore case.
#include <memory>
#include <string>

#include "controls/editors/mask/cxMaskEditCustomMode.h"
#include "controls/editors/text/cxTextEditProperties.h"

using TcxEditMask = std::string;

const TIdentMap& EditMaskKindIdents();

class TcxCustomMaskEditProperties : public TcxCustomTextEditProperties, public IcxMaskEditModeProperties {
 public:
  explicit TcxCustomMaskEditProperties(TPersistent* owner);
  ~TcxCustomMaskEditProperties() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;
  void Changed() override;

  bool AlwaysShowBlanksAndLiterals() const { return FAlwaysShowBlanksAndLiterals; }
  void SetAlwaysShowBlanksAndLiterals(bool value);
  bool CaseInsensitive() const { return FCaseInsensitive; }
  // Stays True while CharCase is not ecNormal.
  void SetCaseInsensitive(bool value);
  // The stored mask text.
  const TcxEditMask& EditMask() const { return FEditMask; }
  // A text other than the mask in effect is compiled first: an invalid
  // expression raises and nothing is stored.
  void SetEditMask(const TcxEditMask& value);
  bool IgnoreMaskBlank() const { return FIgnoreMaskBlank; }
  void SetIgnoreMaskBlank(bool value);
  TcxEditMaskKind MaskKind() const { return FMaskKind; }
  void SetMaskKind(TcxEditMaskKind value);
  void SetCharCase(TEditCharCase value) override;
  void MaxLengthChanged() override;

  // The mask as it applies: the stored one.
  std::string EffectiveMask() const { return FEditMask; }
  bool IsMasked() const { return IsMaskNonBlank(EffectiveMask()); }
  // A mode of the current kind for `host` (nullptr: for these properties alone).
  std::unique_ptr<TcxMaskEditCustomMode> CreateMaskMode(IcxMaskEditHost* host);
  // Clears the stored mask without announcing it: the editor does so when
  // the kind changes between a picture and an expression.
  void ClearStoredMask() { FEditMask.clear(); }
  void RestoreStoredMask(const TcxEditMask& value) { FEditMask = value; }

  // ---- IcxMaskEditModeProperties
  bool ModeBeepOnError() const override { return BeepOnError(); }
  bool ModeCaseInsensitive() const override { return FCaseInsensitive; }
  bool ModeIgnoreMaskBlank() const override { return FIgnoreMaskBlank; }
  bool ModeCharCaseNormal() const override { return CharCase() == ecNormal; }

  TClass GetContainerClass() const override;
  TClass GetLookupDataClass() const override;
  bool IsEditValueValid(Variant& editValue, bool editing) const override;
  void PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool focused) override;
  void ValidateDisplayValue(Variant& displayValue, std::string& errorText, bool& error, TcxCustomEdit* edit) override;

  // The display text of a value in the mask's form, as `mode` gives it: an
  // unfocused picture mask shows the value alone unless the blanks and
  // literals are always shown.
  std::string FormatDisplayText(TcxMaskEditCustomMode& mode, const std::string& text, bool focused) const;

 private:
  template <class V>
  void Change(V& field, V value);
  // The display mode, made again when the kind or the mask changed.
  TcxMaskEditCustomMode& CachedMode();

  bool FAlwaysShowBlanksAndLiterals = false;
  bool FCaseInsensitive = true;
  TcxEditMask FEditMask;
  bool FIgnoreMaskBlank = false;
  TcxEditMaskKind FMaskKind = emkStandard;
  bool FInMaxLengthRule = false;
  std::unique_ptr<TcxMaskEditCustomMode> FCachedMode;
};

// The masked edit's settings as a form holds them.
class TcxMaskEditProperties : public TcxCustomMaskEditProperties {
 public:
  using TcxCustomMaskEditProperties::TcxCustomMaskEditProperties;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};
