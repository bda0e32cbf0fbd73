#include "controls/editors/text/cxTextEditProperties.h"

#include <windows.h>

#include <algorithm>

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/text/cxTextEdit.h"
#include "controls/editors/text/cxTextEditViewInfo.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Locale.h"

namespace {

// What the text editor adds to what every editor can do.
constexpr uint32_t kTextEditCapabilities = 0x15e;

const char kDefaultPasswordChar = '*';

// Empty and Null read as no text.
std::string VarText(const Variant& value) {
  if (VarIsEmpty(value) || VarIsNull(value)) return {};
  return value.AsString();
}

}  // namespace

const TIdentMap& EditEchoModeIdents() {
  static const TIdentMap idents = {{eemNormal, "eemNormal"}, {eemPassword, "eemPassword"}};
  return idents;
}

const TIdentMap& ImeModeIdents() {
  static const TIdentMap idents = {{imDisable, "imDisable"},   {imClose, "imClose"},       {imOpen, "imOpen"},
                                   {imDontCare, "imDontCare"}, {imSAlpha, "imSAlpha"},     {imAlpha, "imAlpha"},
                                   {imHira, "imHira"},         {imSKata, "imSKata"},       {imKata, "imKata"},
                                   {imChinese, "imChinese"},   {imSHanguel, "imSHanguel"}, {imHanguel, "imHanguel"}};
  return idents;
}

// ---- the assigned values

TcxTextEditPropertiesValues::TcxTextEditPropertiesValues(TPersistent* owner) : TcxCustomEditPropertiesValues(owner) {}

TClass TcxTextEditPropertiesValues::StaticClass() {
  using V = TcxTextEditPropertiesValues;
  static const TMetaClass metaClass =
      TClassBuilder<V>("TcxTextEditPropertiesValues", TcxCustomEditPropertiesValues::StaticClass())
          .Boolean("DisplayFormat", &V::DisplayFormat, &V::SetDisplayFormat, false)
          .Stored(&V::IsDisplayFormatStored)
          .Boolean("EditFormat", &V::EditFormat, &V::SetEditFormat, false)
          .Stored(&V::IsEditFormatStored)
          .Boolean("MaxLength", &V::MaxLength, &V::SetMaxLength, false)
          .Build();
  return &metaClass;
}

TcxCustomTextEditProperties& TcxTextEditPropertiesValues::TextProperties() const {
  return static_cast<TcxCustomTextEditProperties&>(Properties());
}

void TcxTextEditPropertiesValues::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxTextEditPropertiesValues*>(source);
  if (!other) return TcxCustomEditPropertiesValues::Assign(source);
  Properties().BeginUpdate();
  TcxCustomEditPropertiesValues::Assign(source);
  SetDisplayFormat(other->FDisplayFormat);
  SetEditFormat(other->FEditFormat);
  SetMaxLength(other->FMaxLength);
  Properties().EndUpdate(true);
}

void TcxTextEditPropertiesValues::RestoreDefaults() {
  Properties().BeginUpdate();
  TcxCustomEditPropertiesValues::RestoreDefaults();
  SetDisplayFormat(false);
  SetEditFormat(false);
  SetMaxLength(false);
  Properties().EndUpdate(true);
}

void TcxTextEditPropertiesValues::SetDisplayFormat(bool value) { ChangeFlag(FDisplayFormat, value); }

void TcxTextEditPropertiesValues::SetEditFormat(bool value) { ChangeFlag(FEditFormat, value); }

void TcxTextEditPropertiesValues::SetMaxLength(bool value) {
  if (FMaxLength == value) return;
  FMaxLength = value;
  TextProperties().MaxLengthChanged();
}

bool TcxTextEditPropertiesValues::IsDisplayFormatStored() const {
  return FDisplayFormat && TextProperties().StoredDisplayFormat().empty() &&
         TextProperties().ClassType()->FindProperty("DisplayFormat");
}

bool TcxTextEditPropertiesValues::IsEditFormatStored() const {
  return FEditFormat && TextProperties().StoredEditFormat().empty() &&
         TextProperties().ClassType()->FindProperty("EditFormat");
}

// ---- the properties

TcxCustomTextEditProperties::TcxCustomTextEditProperties(TPersistent* owner) : TcxCustomEditProperties(owner) {
  FLookupItems.SetOnChange([this] { Changed(); });
  GetFormatController().AddListener(this);
}

TcxCustomTextEditProperties::~TcxCustomTextEditProperties() { GetFormatController().RemoveListener(this); }

TClass TcxCustomTextEditProperties::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomTextEditProperties>("TcxCustomTextEditProperties", TcxCustomEditProperties::StaticClass())
          .DefineBoolean("IsDisplayFormatAssigned", &TcxCustomTextEditProperties::ReadIsDisplayFormatAssigned)
          .Build();
  return &metaClass;
}

void TcxCustomTextEditProperties::ReadIsDisplayFormatAssigned(bool value) { AssignedValues()->SetDisplayFormat(value); }

void TcxCustomTextEditProperties::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxCustomTextEditProperties*>(source);
  if (!other) return TcxCustomEditProperties::Assign(source);
  BeginUpdate();
  TcxCustomEditProperties::Assign(source);
  SetCharCase(other->FCharCase);
  SetEchoMode(other->FEchoMode);
  SetFixedListBackspace(other->FFixedListBackspace);
  SetNonEditable(other->FNonEditable);
  SetHideSelection(other->FHideSelection);
  SetImmediateUpdateText(other->FImmediateUpdateText);
  SetIncrementalSearch(other->FIncrementalSearch);
  SetExactLookupMatch(other->FExactLookupMatch);
  SetValidChars(other->FValidChars);
  FLookupItems.SetSorted(other->FLookupItems.Sorted());
  FLookupItems = other->FLookupItems;
  AssignedValues()->SetDisplayFormat(false);
  if (other->IsDisplayFormatStored()) SetDisplayFormat(other->FDisplayFormat);
  AssignedValues()->SetEditFormat(false);
  if (other->IsEditFormatStored()) SetEditFormat(other->FEditFormat);
  AssignedValues()->SetMaxLength(false);
  if (other->IsMaxLengthStored()) SetMaxLength(other->FMaxLength);
  SetOEMConvert(other->FOEMConvert);
  SetImeMode(other->FImeMode);
  SetImeName(other->FImeName);
  SetPasswordChar(other->FPasswordChar);
  FOnNewLookupDisplayText = other->FOnNewLookupDisplayText;
  EndUpdate(true);
}

template <class V>
void TcxCustomTextEditProperties::Change(V& field, V value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TcxCustomTextEditProperties::SetCharCase(TEditCharCase value) { Change(FCharCase, value); }

std::string TcxCustomTextEditProperties::DisplayFormat() const {
  if (AssignedValues()->DisplayFormat()) return FDisplayFormat;
  if (const IcxEditDefaultValuesProvider* provider = DefaultValuesProvider()) {
    std::string format = provider->DefaultDisplayFormat();
    if (!format.empty()) return format;
  }
  return GetDefaultDisplayFormat();
}

std::string TcxCustomTextEditProperties::EditFormat() const {
  if (AssignedValues()->EditFormat()) return FEditFormat;
  if (const IcxEditDefaultValuesProvider* provider = DefaultValuesProvider()) {
    std::string format = provider->DefaultEditFormat();
    if (!format.empty()) return format;
  }
  return GetDefaultDisplayFormat();
}

bool TcxCustomTextEditProperties::StoreFormat(std::string& field, bool assigned, const std::string& value,
                                              void (TcxTextEditPropertiesValues::*flag)(bool)) {
  if (assigned && field == value) return false;
  field = value;
  BeginUpdate();
  (AssignedValues()->*flag)(true);
  EndUpdate(false);
  return true;
}

void TcxCustomTextEditProperties::SetDisplayFormat(const std::string& value) {
  if (StoreFormat(FDisplayFormat, AssignedValues()->DisplayFormat(), value,
                  &TcxTextEditPropertiesValues::SetDisplayFormat))
    DisplayFormatChanged();
}

void TcxCustomTextEditProperties::SetEditFormat(const std::string& value) {
  if (StoreFormat(FEditFormat, AssignedValues()->EditFormat(), value, &TcxTextEditPropertiesValues::SetEditFormat))
    Changed();
}

void TcxCustomTextEditProperties::SetEchoMode(TcxEditEchoMode value) { Change(FEchoMode, value); }

// Only the fixed-list style reads it.
void TcxCustomTextEditProperties::SetFixedListBackspace(bool value) {
  if (FFixedListBackspace == value) return;
  FFixedListBackspace = value;
  if (GetEditingStyle() == esFixedList) Changed();
}

void TcxCustomTextEditProperties::SetNonEditable(bool value) { Change(FNonEditable, value); }

void TcxCustomTextEditProperties::SetHideSelection(bool value) { Change(FHideSelection, value); }

void TcxCustomTextEditProperties::SetImeMode(TImeMode value) { Change(FImeMode, value); }

void TcxCustomTextEditProperties::SetImeName(const std::string& value) { Change(FImeName, value); }

void TcxCustomTextEditProperties::SetImmediateUpdateText(bool value) { Change(FImmediateUpdateText, value); }

void TcxCustomTextEditProperties::SetIncrementalSearch(bool value) { Change(FIncrementalSearch, value); }

int TcxCustomTextEditProperties::GetDefaultMaxLength() const {
  const IcxEditDefaultValuesProvider* provider = DefaultValuesProvider();
  return provider ? provider->DefaultMaxLength() : 0;
}

TClass TcxCustomTextEditProperties::GetLookupDataClass() const { return TcxCustomTextEditLookupData::StaticClass(); }

int TcxCustomTextEditProperties::MaxLength() const {
  return AssignedValues()->MaxLength() ? FMaxLength : GetDefaultMaxLength();
}

void TcxCustomTextEditProperties::SetMaxLength(int value) {
  value = std::max(value, 0);
  if (AssignedValues()->MaxLength() && FMaxLength == value) return;
  FMaxLength = value;
  BeginUpdate();
  AssignedValues()->SetMaxLength(true);
  MaxLengthChanged();
  EndUpdate(true);
}

void TcxCustomTextEditProperties::SetExactLookupMatch(bool value) { Change(FExactLookupMatch, value); }

void TcxCustomTextEditProperties::SetOEMConvert(bool value) { Change(FOEMConvert, value); }

void TcxCustomTextEditProperties::SetPasswordChar(char value) { Change(FPasswordChar, value); }

void TcxCustomTextEditProperties::SetValidChars(const TcxValidChars& value) { Change(FValidChars, value); }

void TcxCustomTextEditProperties::FormatChanged() {
  FInChangedFormat = true;
  Changed();
  FInChangedFormat = false;
}

void TcxCustomTextEditProperties::CheckEditValueBounds(const Variant& value, bool& error,
                                                       std::string& errorText) const {
  if (!VarIsNumeric(value)) return;
  const double number = value.AsDouble();
  const bool below = IsValueBoundDefined(0) && number < GetMinValue();
  const bool above = IsValueBoundDefined(1) && number > GetMaxValue();
  if (!below && !above) return;
  error = true;
  errorText = cxGetResourceString(cxMsgValueOutOfBounds);
}

bool TcxCustomTextEditProperties::FindLookupText(const std::string& text) const {
  const std::string wanted = AnsiUpperCase(text);
  for (int i = 0; i < FLookupItems.Count(); ++i)
    if (AnsiUpperCase(FLookupItems[i]) == wanted) return true;
  return false;
}

bool TcxCustomTextEditProperties::IsValueBoundDefined(int index) const {
  return index == 0 ? AssignedValues()->MinValue() : AssignedValues()->MaxValue();
}

std::string TcxCustomTextEditProperties::ApplyCharCase(const std::string& text) const {
  switch (FCharCase) {
    case ecUpperCase: return AnsiUpperCase(text);
    case ecLowerCase: return AnsiLowerCase(text);
    case ecNormal: break;
  }
  return text;
}

void TcxCustomTextEditProperties::ApplyEchoModeAndCharCase(std::string& text) const {
  if (FEchoMode == eemNormal) {
    text = ApplyCharCase(text);
    return;
  }
  text.assign(text.size(), FPasswordChar == '\0' ? kDefaultPasswordChar : FPasswordChar);
}

bool TcxCustomTextEditProperties::IsValueValid(Variant& value, bool) const {
  const std::string text = VarText(value);
  const TcxEditEditingStyle style = GetEditingStyle();
  const bool listStyle = style == esEditList || style == esFixedList;
  if (!text.empty() && listStyle && IsLookupDataVisual() && !FindLookupText(text)) return false;
  value = Variant(ApplyCharCase(text));
  return true;
}

std::string TcxCustomTextEditProperties::DisplayValueText(const Variant& editValue) const {
  return IsEditValueNumeric() ? NumericDisplayText(editValue) : VarText(editValue);
}

// A number, or a text that reads as one, in the display format; a value
// that is neither cannot be shown as a number.
std::string TcxCustomTextEditProperties::NumericDisplayText(const Variant& editValue) const {
  const std::string text = VarText(editValue);
  if (text.empty()) return {};
  const std::string notNumeric = cxGetResourceString(cxMsgCannotConvertToNumeric);
  if (!VarIsNumeric(editValue) && !VarIsStr(editValue)) throw EConvertError(notNumeric);
  double number = 0;
  try {
    number = editValue.AsDouble();
  } catch (const Exception&) {
    throw EConvertError(notNumeric);
  }
  const std::string format = DisplayFormat();
  if (format.empty()) return VarIsStr(editValue) ? Variant(number).AsString() : text;
  return FormatFloat(format, number);
}

std::string TcxCustomTextEditProperties::GetDisplayText(const Variant& editValue, bool) const {
  Variant value = editValue;
  std::string text = IsEditValueValid(value, false) ? DisplayValueText(editValue) : VarText(editValue);
  ApplyEchoModeAndCharCase(text);
  return text;
}

TClass TcxCustomTextEditProperties::GetContainerClass() const { return TcxTextEdit::StaticClass(); }

TcxContainerViewInfoClass TcxCustomTextEditProperties::GetViewInfoClass() const { return CreateTextEditViewInfo; }

TcxCustomEditViewDataClass TcxCustomTextEditProperties::GetViewDataClass() const { return CreateTextEditViewData; }

TcxEditCapabilities TcxCustomTextEditProperties::GetEditCapabilities() const {
  return TcxEditCapabilities::FromBits(TcxCustomEditProperties::GetEditCapabilities().Bits() | kTextEditCapabilities);
}

// Texts that differ only in their case show differently.
bool TcxCustomTextEditProperties::IsDisplayValueEqual(const Variant& editValue1, const Variant& editValue2) {
  const std::string text1 = DisplayValueText(editValue1);
  const std::string text2 = DisplayValueText(editValue2);
  return CompareStringA(LOCALE_USER_DEFAULT, 0, text1.data(), static_cast<int>(text1.size()), text2.data(),
                        static_cast<int>(text2.size())) == CSTR_EQUAL;
}

bool TcxCustomTextEditProperties::IsEditValueValid(Variant& editValue, bool editing) const {
  if (VarIsEmpty(editValue) || VarIsNull(editValue) || !VarIsStr(editValue)) return true;
  return IsValueValid(editValue, editing);
}

void TcxCustomTextEditProperties::PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool) {
  displayValue = Variant(DisplayValueText(editValue));
}

void TcxCustomTextEditProperties::ValidateDisplayValue(Variant& displayValue, std::string& errorText, bool& error,
                                                       TcxCustomEdit* edit) {
  if (IsEditValueNumeric() && IsAnyValueBoundDefined()) CheckEditValueBounds(displayValue, error, errorText);
  TcxCustomEditProperties::ValidateDisplayValue(displayValue, errorText, error, edit);
}

// ---- the published class

TClass TcxTextEditProperties::StaticClass() {
  static const TMetaClass metaClass = [] {
    TClassBuilder<TcxTextEditProperties> builder("TcxTextEditProperties", TcxCustomTextEditProperties::StaticClass());
    return PublishTextEditProperties(builder, false).Build();
  }();
  return &metaClass;
}
