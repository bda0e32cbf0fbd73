#include "controls/editors/mask/cxMaskEditProperties.h"

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "controls/editors/mask/cxMaskEditModes.h"
#include "platform/classes/ClassBuilder.h"

namespace {

std::string VarText(const Variant& value) {
  return VarIsEmpty(value) || VarIsNull(value) ? std::string() : value.AsString();
}

}  // namespace

const TIdentMap& EditMaskKindIdents() {
  static const TIdentMap idents = {
      {emkStandard, "emkStandard"}, {emkRegExpr, "emkRegExpr"}, {emkRegExprEx, "emkRegExprEx"}};
  return idents;
}

TcxCustomMaskEditProperties::TcxCustomMaskEditProperties(TPersistent* owner) : TcxCustomTextEditProperties(owner) {
  SetValidateOnEnter(true);
}

TcxCustomMaskEditProperties::~TcxCustomMaskEditProperties() = default;

TClass TcxCustomMaskEditProperties::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxCustomMaskEditProperties>(
                                          "TcxCustomMaskEditProperties", TcxCustomTextEditProperties::StaticClass())
                                          .Build();
  return &metaClass;
}

void TcxCustomMaskEditProperties::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxCustomMaskEditProperties*>(source);
  if (!other) return TcxCustomTextEditProperties::Assign(source);
  BeginUpdate();
  TcxCustomTextEditProperties::Assign(source);
  SetAlwaysShowBlanksAndLiterals(other->FAlwaysShowBlanksAndLiterals);
  SetCaseInsensitive(other->FCaseInsensitive);
  SetIgnoreMaskBlank(other->FIgnoreMaskBlank);
  SetMaskKind(other->FMaskKind);
  SetEditMask(other->FEditMask);
  EndUpdate(true);
}

void TcxCustomMaskEditProperties::Changed() {
  FCachedMode.reset();
  TcxCustomTextEditProperties::Changed();
}

template <class V>
void TcxCustomMaskEditProperties::Change(V& field, V value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TcxCustomMaskEditProperties::SetAlwaysShowBlanksAndLiterals(bool value) {
  Change(FAlwaysShowBlanksAndLiterals, value);
}

void TcxCustomMaskEditProperties::SetCaseInsensitive(bool value) {
  Change(FCaseInsensitive, value || CharCase() != ecNormal);
}

void TcxCustomMaskEditProperties::SetEditMask(const TcxEditMask& value) {
  if (value == EffectiveMask()) return;
  CreateMaskMode(nullptr)->Compile(value);
  FEditMask = value;
  Changed();
}

void TcxCustomMaskEditProperties::SetIgnoreMaskBlank(bool value) { Change(FIgnoreMaskBlank, value); }

void TcxCustomMaskEditProperties::SetMaskKind(TcxEditMaskKind value) { Change(FMaskKind, value); }

void TcxCustomMaskEditProperties::SetCharCase(TEditCharCase value) {
  BeginUpdate();
  TcxCustomTextEditProperties::SetCharCase(value);
  if (value != ecNormal) SetCaseInsensitive(true);
  EndUpdate(true);
}

void TcxCustomMaskEditProperties::MaxLengthChanged() {
  if (!FInMaxLengthRule && IsMasked() && MaxLength() != 0) {
    FInMaxLengthRule = true;
    SetMaxLength(0);
    FInMaxLengthRule = false;
    return;
  }
  TcxCustomTextEditProperties::MaxLengthChanged();
}

std::unique_ptr<TcxMaskEditCustomMode> TcxCustomMaskEditProperties::CreateMaskMode(IcxMaskEditHost* host) {
  return CreateMaskEditMode(FMaskKind, host, *this);
}

TcxMaskEditCustomMode& TcxCustomMaskEditProperties::CachedMode() {
  if (!FCachedMode || FCachedMode->GetMaskKind() != FMaskKind || FCachedMode->Mask() != EffectiveMask()) {
    FCachedMode = CreateMaskMode(nullptr);
    FCachedMode->Compile(EffectiveMask());
  }
  return *FCachedMode;
}

TClass TcxCustomMaskEditProperties::GetContainerClass() const { return TcxMaskEdit::StaticClass(); }

// A masked text is not looked up among items.
TClass TcxCustomMaskEditProperties::GetLookupDataClass() const {
  return IsMasked() ? nullptr : TcxCustomTextEditProperties::GetLookupDataClass();
}

bool TcxCustomMaskEditProperties::IsEditValueValid(Variant& editValue, bool editing) const {
  return IsMasked() || TcxCustomTextEditProperties::IsEditValueValid(editValue, editing);
}

std::string TcxCustomMaskEditProperties::FormatDisplayText(TcxMaskEditCustomMode& mode, const std::string& text,
                                                           bool focused) const {
  if (focused || FMaskKind != emkStandard || FAlwaysShowBlanksAndLiterals) return mode.Format(text, true);
  return mode.GetValue(text, false);
}

void TcxCustomMaskEditProperties::PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool focused) {
  if (!IsMasked()) return TcxCustomTextEditProperties::PrepareDisplayValue(editValue, displayValue, focused);
  displayValue = Variant(FormatDisplayText(CachedMode(), VarText(editValue), focused));
}

void TcxCustomMaskEditProperties::ValidateDisplayValue(Variant& displayValue, std::string& errorText, bool& error,
                                                       TcxCustomEdit* edit) {
  if (!error && IsMasked()) {
    auto* maskEdit = dynamic_cast<TcxCustomMaskEdit*>(edit);
    TcxMaskEditCustomMode& mode = maskEdit ? maskEdit->Mode() : CachedMode();
    if (!mode.IsFullValid(VarText(displayValue))) {
      errorText = cxGetResourceString(cxMsgMaskEditInvalidValue);
      error = true;
    }
  }
  TcxCustomTextEditProperties::ValidateDisplayValue(displayValue, errorText, error, edit);
}

// ---- the published class

TClass TcxMaskEditProperties::StaticClass() {
  using P = TcxMaskEditProperties;
  static const TMetaClass metaClass = [] {
    TClassBuilder<P> builder("TcxMaskEditProperties", TcxCustomMaskEditProperties::StaticClass());
    builder
        .Boolean("AlwaysShowBlanksAndLiterals", &P::AlwaysShowBlanksAndLiterals, &P::SetAlwaysShowBlanksAndLiterals,
                 false)
        .Boolean("CaseInsensitive", &P::CaseInsensitive, &P::SetCaseInsensitive, true)
        .Boolean("IgnoreMaskBlank", &P::IgnoreMaskBlank, &P::SetIgnoreMaskBlank, false)
        .Enumeration("MaskKind", &P::MaskKind, &P::SetMaskKind, EditMaskKindIdents(), emkStandard)
        .String("EditMask", &P::EditMask, &P::SetEditMask);
    return PublishTextEditProperties(builder, true).Build();
  }();
  return &metaClass;
}
