#pragma once
// The settings of the single-line text editor and of every editor built on
// it: the case and echo of the text, its length limit, the characters typed
// input may add, the lookup items that incremental search walks, and the
// display and edit formats a numeric descendant uses. The text shown is
// always the value's text with the echo and the case applied.
#include <bitset>
#include <string>

#include "controls/editors/base/cxEditProperties.h"
#include "controls/editors/engines/cxFormatController.h"
#include "controls/editors/text/cxTextEditInner.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/WinControl.h"
#include "platform/controls/standard/Edit.h"
#include "platform/rtl/StringList.h"

const TIdentMap& EditEchoModeIdents();
const TIdentMap& ImeModeIdents();

// How the text of an editor may change: typed freely, typed but kept to the
// lookup items, chosen from the items only, or not at all.
enum TcxEditEditingStyle { esEdit, esEditList, esFixedList, esNoEdit };

using TcxNewLookupDisplayTextEvent = std::function<void(TObject* sender, const std::string& text)>;
using TcxValidChars = std::bitset<256>;

class TcxCustomTextEditProperties;

// Adds the display format, the edit format and the length limit to the
// values the properties may set themselves.
class TcxTextEditPropertiesValues : public TcxCustomEditPropertiesValues {
 public:
  explicit TcxTextEditPropertiesValues(TPersistent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;
  void RestoreDefaults() override;

  bool DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(bool value);
  bool EditFormat() const { return FEditFormat; }
  void SetEditFormat(bool value);
  bool MaxLength() const { return FMaxLength; }
  void SetMaxLength(bool value);

  // Only a flag set over an empty text says more than the text itself, and
  // only where the properties publish that text.
  bool IsDisplayFormatStored() const;
  bool IsEditFormatStored() const;

 private:
  TcxCustomTextEditProperties& TextProperties() const;

  bool FDisplayFormat = false;
  bool FEditFormat = false;
  bool FMaxLength = false;
};

class TcxCustomTextEditProperties : public TcxCustomEditProperties, private IcxFormatControllerListener {
 public:
  explicit TcxCustomTextEditProperties(TPersistent* owner);
  ~TcxCustomTextEditProperties() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;
  TcxTextEditPropertiesValues* AssignedValues() const {
    return static_cast<TcxTextEditPropertiesValues*>(TcxCustomEditProperties::AssignedValues());
  }

  TEditCharCase CharCase() const { return FCharCase; }
  virtual void SetCharCase(TEditCharCase value);
  // The assigned text, else the provider's, else the default.
  std::string DisplayFormat() const;
  void SetDisplayFormat(const std::string& value);
  const std::string& StoredDisplayFormat() const { return FDisplayFormat; }
  bool IsDisplayFormatStored() const { return AssignedValues()->DisplayFormat(); }
  TcxEditEchoMode EchoMode() const { return FEchoMode; }
  void SetEchoMode(TcxEditEchoMode value);
  std::string EditFormat() const;
  void SetEditFormat(const std::string& value);
  const std::string& StoredEditFormat() const { return FEditFormat; }
  bool IsEditFormatStored() const { return AssignedValues()->EditFormat(); }
  // Whether Backspace is honoured in the fixed-list style.
  bool FixedListBackspace() const { return FFixedListBackspace; }
  void SetFixedListBackspace(bool value);
  // Set while a change of the regional formats is announced.
  bool InChangedFormat() const { return FInChangedFormat; }
  bool NonEditable() const { return FNonEditable; }
  void SetNonEditable(bool value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode value);
  const std::string& ImeName() const { return FImeName; }
  void SetImeName(const std::string& value);
  bool ImmediateUpdateText() const { return FImmediateUpdateText; }
  void SetImmediateUpdateText(bool value);
  bool IncrementalSearch() const { return FIncrementalSearch; }
  void SetIncrementalSearch(bool value);
  TStringList& LookupItems() { return FLookupItems; }
  const TStringList& LookupItems() const { return FLookupItems; }
  bool LookupItemsSorted() const { return FLookupItems.Sorted(); }
  void SetLookupItemsSorted(bool value) { FLookupItems.SetSorted(value); }
  // The assigned limit, else the default; 0 means none.
  int MaxLength() const;
  // A negative limit is kept as 0.
  void SetMaxLength(int value);
  bool IsMaxLengthStored() const { return AssignedValues()->MaxLength(); }
  bool ExactLookupMatch() const { return FExactLookupMatch; }
  void SetExactLookupMatch(bool value);
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool value);
  // Character 0 echoes "*".
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char value);
  // Characters typed input may add to those the editor takes anyway.
  const TcxValidChars& ValidChars() const { return FValidChars; }
  void SetValidChars(const TcxValidChars& value);
  const TcxNewLookupDisplayTextEvent& OnNewLookupDisplayText() const { return FOnNewLookupDisplayText; }
  void SetOnNewLookupDisplayText(TcxNewLookupDisplayTextEvent value) { FOnNewLookupDisplayText = std::move(value); }

  // Announces the properties again, marked as a change of the regional formats.
  void FormatChanged() override;
  // Sets the error when a numeric value lies outside a defined bound.
  virtual void CheckEditValueBounds(const Variant& value, bool& error, std::string& errorText) const;
  virtual Variant GetEmptyDisplayValue() const { return Variant(std::string()); }
  // Whether an item equals the text, both in the locale's upper case.
  virtual bool FindLookupText(const std::string& text) const;
  virtual std::string GetDefaultDisplayFormat() const { return {}; }
  // The bound data's length limit; 0 (none) without a binding.
  virtual int GetDefaultMaxLength() const;
  virtual int GetDropDownPageRowCount() const { return 8; }
  virtual TcxEditEditingStyle GetEditingStyle() const { return FNonEditable ? esNoEdit : esEdit; }
  // Whether the editor's values are numbers, shown and checked as such.
  virtual bool IsEditValueNumeric() const { return false; }
  // 0 the minimum, 1 the maximum: a bound counts once it is set.
  virtual bool IsValueBoundDefined(int index) const;
  bool IsAnyValueBoundDefined() const { return IsValueBoundDefined(0) || IsValueBoundDefined(1); }
  virtual void DisplayFormatChanged() { Changed(); }
  virtual void MaxLengthChanged() { Changed(); }
  // The class of the lookup data an editor of these properties keeps;
  // none for an editor without lookup items.
  virtual TClass GetLookupDataClass() const;
  // Whether the editor keeps a list of lookup items it searches and shows.
  bool IsLookupDataVisual() const { return GetLookupDataClass() != nullptr; }
  // The text as shown: the echo character for every character with a
  // password echo, else the text in its case.
  void ApplyEchoModeAndCharCase(std::string& text) const;
  std::string ApplyCharCase(const std::string& text) const;
  // Whether the value may stand as the editor's text; in the list styles
  // only a lookup item may. An accepted value becomes its text in its case.
  virtual bool IsValueValid(Variant& value, bool editFocused) const;

  std::string GetDisplayText(const Variant& editValue, bool fullText) const override;
  TClass GetAssignedValuesClass() const override { return TcxTextEditPropertiesValues::StaticClass(); }
  TClass GetContainerClass() const override;
  TcxContainerViewInfoClass GetViewInfoClass() const override;
  TcxCustomEditViewDataClass GetViewDataClass() const override;
  TcxEditCapabilities GetEditCapabilities() const override;
  bool IsDisplayValueEqual(const Variant& editValue1, const Variant& editValue2) override;
  bool IsEditValueValid(Variant& editValue, bool editing) const override;
  bool CanRevertValue() const override { return GetEditingStyle() != esNoEdit; }
  bool CanValidate() const override { return true; }
  bool IsChangeReportedByInnerEdit() const override { return true; }
  bool DetectsEditValueChangeOnSet() const override { return true; }
  void PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool focused) override;
  void ValidateDisplayValue(Variant& displayValue, std::string& errorText, bool& error, TcxCustomEdit* edit) override;

 protected:
  // The value's text as shown before the echo and case: a numeric
  // editor's value in its display format.
  virtual std::string DisplayValueText(const Variant& editValue) const;

 private:
  template <class V>
  void Change(V& field, V value);
  // Keeps the text and marks it assigned; false when nothing changed.
  bool StoreFormat(std::string& field, bool assigned, const std::string& value,
                   void (TcxTextEditPropertiesValues::*flag)(bool));
  void ReadIsDisplayFormatAssigned(bool value);
  std::string NumericDisplayText(const Variant& editValue) const;

  TEditCharCase FCharCase = ecNormal;
  std::string FDisplayFormat;
  TcxEditEchoMode FEchoMode = eemNormal;
  std::string FEditFormat;
  bool FFixedListBackspace = true;
  bool FInChangedFormat = false;
  bool FNonEditable = false;
  bool FHideSelection = true;
  TImeMode FImeMode = imDontCare;
  std::string FImeName;
  bool FImmediateUpdateText = false;
  bool FIncrementalSearch = true;
  TStringList FLookupItems;
  int FMaxLength = 0;
  bool FExactLookupMatch = false;
  bool FOEMConvert = false;
  char FPasswordChar = '\0';
  TcxValidChars FValidChars;
  TcxNewLookupDisplayTextEvent FOnNewLookupDisplayText;
};

// The settings every text editor publishes, in their order; ValidateOnEnter
// defaults to `validateOnEnter`.
template <class P>
TClassBuilder<P>& PublishTextEditProperties(TClassBuilder<P>& builder, bool validateOnEnter) {
  return builder.Object("Alignment", [](P& p) -> TPersistent& { return *p.Alignment(); })
      .Stored(&P::IsAlignmentStored)
      .Object("AssignedValues", [](P& p) -> TPersistent& { return *p.AssignedValues(); })
      .Boolean("AutoSelect", &P::AutoSelect, &P::SetAutoSelect, true)
      .Boolean("BeepOnError", &P::BeepOnError, &P::SetBeepOnError, false)
      .Enumeration("CharCase", &P::CharCase, &P::SetCharCase, EditCharCaseIdents(), ecNormal)
      .Integer("ClearKey", &P::ClearKey, &P::SetClearKey, 0)
      .Enumeration("EchoMode", &P::EchoMode, &P::SetEchoMode, EditEchoModeIdents(), eemNormal)
      .Boolean("HideSelection", &P::HideSelection, &P::SetHideSelection, true)
      .Enumeration("ImeMode", &P::ImeMode, &P::SetImeMode, ImeModeIdents(), imDontCare)
      .String("ImeName", &P::ImeName, &P::SetImeName)
      .Boolean("IncrementalSearch", &P::IncrementalSearch, &P::SetIncrementalSearch, true)
      .Strings("LookupItems", [](P& p) -> TStringList& { return p.LookupItems(); })
      .Boolean("LookupItemsSorted", &P::LookupItemsSorted, &P::SetLookupItemsSorted, false)
      .Integer("MaxLength", &P::MaxLength, &P::SetMaxLength, 0)
      .NoDefault()
      .Stored(&P::IsMaxLengthStored)
      .Boolean("OEMConvert", &P::OEMConvert, &P::SetOEMConvert, false)
      .Char("PasswordChar", &P::PasswordChar, &P::SetPasswordChar, '\0')
      .Boolean("ReadOnly", &P::ReadOnly, &P::SetReadOnly, false)
      .NoDefault()
      .Stored(&P::IsReadOnlyStored)
      .Boolean("UseLeftAlignmentOnEditing", &P::UseLeftAlignmentOnEditing, &P::SetUseLeftAlignmentOnEditing, true)
      .NoDefault()
      .Stored(&P::IsUseLeftAlignmentOnEditingStored)
      .Boolean("ValidateOnEnter", &P::ValidateOnEnter, &P::SetValidateOnEnter, validateOnEnter)
      .Event("OnChange", &P::SetOnChange)
      .Event("OnEditValueChanged", &P::SetOnEditValueChanged)
      .Event("OnNewLookupDisplayText", &P::SetOnNewLookupDisplayText)
      .Event("OnValidate", &P::SetOnValidate);
}

// The text editor's settings as a form holds them.
class TcxTextEditProperties : public TcxCustomTextEditProperties {
 public:
  using TcxCustomTextEditProperties::TcxCustomTextEditProperties;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};
