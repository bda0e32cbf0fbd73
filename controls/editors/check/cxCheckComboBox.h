#pragma once
// The check-list combo box: a fixed-list combo box whose popup lists items
// with a check mark each. Its value is the set of the items' check states,
// kept in one edit value by the check-states codec (or by the program's own
// events); its text names the checked items. The user toggles items in the
// list with Space or a click, the program reads and writes single states.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/check/cxCheckBoxStates.h"
#include "controls/editors/check/cxCheckComboBoxItems.h"
#include "controls/editors/dropdown/cxComboBox.h"

class TcxCustomCheckComboBox;

using TcxCheckComboClickCheckEvent = std::function<void(TObject* sender, int itemIndex, bool& allowToggle)>;
using TcxValueToCheckStatesEvent =
    std::function<void(TObject* sender, const Variant& value, TcxCheckStates& checkStates)>;
using TcxCheckStatesToValueEvent =
    std::function<void(TObject* sender, const TcxCheckStates& checkStates, Variant& value)>;

// Where the list puts an item's text, and what a toggle makes of a state.
class TcxCheckPaintHelper {
 public:
  // Checked and grayed clear, unchecked checks.
  static TcxCheckBoxState NextState(TcxCheckBoxState state);
  // The item's room right of its check, a square of the item's height.
  static TRect TextRect(const TRect& itemRect);
};

class TcxCustomCheckComboBoxProperties : public TcxCustomComboBoxProperties {
 public:
  explicit TcxCustomCheckComboBoxProperties(TPersistent* owner);
  ~TcxCustomCheckComboBoxProperties() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  // Published but never stored: nothing the editor does reads it.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }
  const std::string& Delimiter() const { return FDelimiter; }
  void SetDelimiter(const std::string& value);
  bool IsDelimiterStored() const;
  TcxCheckStatesValueFormat EditValueFormat() const { return FEditValueFormat; }
  // Told as a change of all items: the editor rebuilds its value in the new format.
  void SetEditValueFormat(TcxCheckStatesValueFormat value);
  const std::string& EmptySelectionText() const { return FEmptySelectionText; }
  void SetEmptySelectionText(const std::string& value);
  bool IsEmptySelectionTextStored() const;
  // Made on first read.
  TBitmap& Glyph();
  const TBitmap* GlyphIfAny() const { return FGlyph.get(); }
  // A copy of `value`; nullptr frees the glyph.
  void SetGlyph(const TBitmap* value);
  // The glyph from the executable's bitmap resource of that name.
  void LoadGlyphResource(const std::string& name);
  const std::string& GlyphResourceName() const { return FGlyphResourceName; }
  int GlyphCount() const { return FGlyphCount; }
  void SetGlyphCount(int value);
  TcxCheckComboBoxItems& Items() const { return *FItems; }
  void SetItems(const TcxCheckComboBoxItems* value);
  bool ShowEmptyText() const { return FShowEmptyText; }
  void SetShowEmptyText(bool value);

  const TcxCheckComboClickCheckEvent& OnClickCheck() const { return FOnClickCheck; }
  void SetOnClickCheck(TcxCheckComboClickCheckEvent value) { FOnClickCheck = std::move(value); }
  const TcxValueToCheckStatesEvent& OnEditValueToStates() const { return FOnEditValueToStates; }
  void SetOnEditValueToStates(TcxValueToCheckStatesEvent value) { FOnEditValueToStates = std::move(value); }
  const TcxCheckStatesToValueEvent& OnStatesToEditValue() const { return FOnStatesToEditValue; }
  void SetOnStatesToEditValue(TcxCheckStatesToValueEvent value) { FOnStatesToEditValue = std::move(value); }

  // One state per item read from `value`, by the program's event or the
  // codec; false when the codec could not read it (every item unchecked).
  bool EditValueToStates(TObject* sender, const Variant& value, TcxCheckStates& states) const;
  Variant StatesToEditValue(TObject* sender, const TcxCheckStates& states) const;
  // The checked items' descriptions joined by the delimiter, else the
  // empty-selection text when it is to be shown.
  std::string StatesToDisplayText(const TcxCheckStates& states) const;

  TClass GetContainerClass() const override;
  TClass GetLookupDataClass() const override;
  bool IsEditValueValid(Variant&, bool) const override { return true; }
  std::string GetDisplayText(const Variant& editValue, bool fullText) const override;
  void PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool focused) override;

 private:
  template <class V>
  void Change(V& field, V value);

  bool FAllowGrayed = false;
  std::string FDelimiter;
  TcxCheckStatesValueFormat FEditValueFormat = cvfInteger;
  std::string FEmptySelectionText;
  std::unique_ptr<TBitmap> FGlyph;
  std::string FGlyphResourceName;
  int FGlyphCount = 6;
  std::unique_ptr<TcxCheckComboBoxItems> FItems;
  bool FShowEmptyText = true;
  TcxCheckComboClickCheckEvent FOnClickCheck;
  TcxValueToCheckStatesEvent FOnEditValueToStates;
  TcxCheckStatesToValueEvent FOnStatesToEditValue;
};

// The check-list combo box's settings as a form holds them.
class TcxCheckComboBoxProperties : public TcxCustomCheckComboBoxProperties {
 public:
  using TcxCustomCheckComboBoxProperties::TcxCustomCheckComboBoxProperties;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};

class TcxCustomCheckComboBox : public TcxCustomComboBox {
 public:
  explicit TcxCustomCheckComboBox(TComponent* owner, bool inplace = false,
                                  TClass propertiesClass = TcxCustomCheckComboBoxProperties::StaticClass());

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void AfterConstruction() override;
  void Loaded() override;

  TcxCustomCheckComboBoxProperties& CheckProperties() const {
    return static_cast<TcxCustomCheckComboBoxProperties&>(*ActiveProperties());
  }

  // One state per item, always as many as there are items.
  const TcxCheckStates& States() const { return FStates; }
  // Unchecked for an index that names no item.
  TcxCheckBoxState GetItemState(int index) const;
  // Sets a checked or unchecked state of an existing item, enabled or not;
  // grayed, the state it has and an index that names no item change nothing.
  void SetItemState(int index, TcxCheckBoxState state);
  Variant Value() { return GetEditValue(); }
  void SetValue(const Variant& value) { SetEditValueInternally(value); }
  // Kept for the forms that set it; nothing reads it.
  bool StatesItems() const { return FStatesItems; }
  void SetStatesItems(bool value) { FStatesItems = value; }
  // The edit value's text form, as a form holds it.
  std::string EditValueText();
  void SetEditValueText(const std::string& value);
  bool IsEditValueStored() override;

  // May the user toggle the item now? Editing allowed, and neither the
  // properties' nor the repository item's OnClickCheck refused.
  virtual bool CanToggleItemState(int index);
  // The user's toggle of an item in the list.
  void ToggleItemState(int index);

  // ---- the edit base
  void UpdateDisplayFromEditValue() override;
  void UpdateEditValueFromDisplay() override;
  void UpdateDisplayText() override;
  void PropertiesChanged(TObject* sender) override;
  void InternalSetDisplayValue(const Variant&) override {}
  std::string GetEditingText() const override;
  void DoEditKeyPress(char& key) override;
  // The text is never an item of the list.
  void ValidateLookupText() override {}
  // The list's current item is no value: the states are.
  void TakeOverPopupValue() override {}

 private:
  bool ClickCheckAllowed(const TcxCustomCheckComboBoxProperties& properties, int index);
  // Gives every item the state it had, whatever came and went meanwhile.
  void FollowItems();
  void RememberItems();
  void DecodeEditValue();

  TcxCheckStates FStates;
  // The serial of the item each state belongs to.
  std::vector<uint64_t> FStateSerials;
  // The edit value could not be read: it stands until a state really changes.
  bool FUndecodedValue = false;
  bool FStatesItems = false;
};

// The check-list combo box as a form holds it.
class TcxCheckComboBox : public TcxCustomCheckComboBox {
 public:
  explicit TcxCheckComboBox(TComponent* owner, bool inplace = false)
      : TcxCustomCheckComboBox(owner, inplace, TcxCheckComboBoxProperties::StaticClass()) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCheckComboBoxProperties& PropertiesObject() const {
    return static_cast<TcxCheckComboBoxProperties&>(*Properties());
  }
};

// A filter row's editor for an editor whose value is a set of check states:
// a check-list combo box with the source's captions as its items.
class TcxFilterChecksHelper : public TcxFilterComboBoxHelper {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TClass GetFilterEditClass() const { return TcxCheckComboBox::StaticClass(); }
  TcxFilterOperatorKinds GetSupportedFilterOperators(const TcxCustomEditProperties& properties,
                                                     TcxValueTypeClass valueType, bool extended) const override;
  void InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const override;

 protected:
  // The source editor's value format and items, read from its properties.
  virtual TcxCheckStatesValueFormat SourceFormat(const TcxCustomEditProperties& source) const = 0;
  virtual const IcxCheckItems& SourceItems(const TcxCustomEditProperties& source) const = 0;
};

class TcxFilterCheckComboBoxHelper : public TcxFilterChecksHelper {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

 protected:
  TcxCheckStatesValueFormat SourceFormat(const TcxCustomEditProperties& source) const override;
  const IcxCheckItems& SourceItems(const TcxCustomEditProperties& source) const override;
};

// Registers the check-list combo box's properties with the editors'
// registry, its filter helper, and the editor with the form reader; the end
// undoes them.
void cxCheckComboBoxInitialize();
void cxCheckComboBoxFinalize();
