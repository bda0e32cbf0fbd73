#pragma once
// The check box editor: its edit value is one of three values, checked,
// unchecked and grayed, that the properties name; what it shows is the
// state of that value. Space and a click toggle it (through grayed when the
// properties allow it), each real change clicks it and tells its change.
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/base/cxEditControl.h"
#include "controls/editors/base/cxEditFilterHelpers.h"
#include "controls/editors/check/cxCheckBoxPainting.h"
#include "controls/editors/check/cxCheckBoxStates.h"
#include "controls/editors/check/cxCheckBoxViewInfo.h"

// A check box has no container border of its own.
class TcxCheckBoxStyle : public TcxEditStyle {
 public:
  using TcxEditStyle::TcxEditStyle;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  bool HasBorder() const override { return false; }
};

TOwned<TcxContainerStyle> CreateCheckBoxStyle(TPersistent* owner, TcxContainerState state,
                                              TcxContainerStyle* parentStyle);

const TIdentMap& CheckBoxStateIdents();
const TIdentMap& CheckBoxNullStyleIdents();

class TcxCustomCheckBoxProperties : public TcxCustomEditProperties {
 public:
  explicit TcxCustomCheckBoxProperties(TPersistent* owner);
  ~TcxCustomCheckBoxProperties() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  // Set by a new caption until the check box takes it.
  bool IsCaptionChanged() const { return FCaptionChanged; }
  void ClearCaptionChanged() { FCaptionChanged = false; }
  const std::string& DisplayChecked() const { return FDisplayChecked; }
  void SetDisplayChecked(const std::string& value);
  const std::string& DisplayGrayed() const { return FDisplayGrayed; }
  void SetDisplayGrayed(const std::string& value);
  const std::string& DisplayUnchecked() const { return FDisplayUnchecked; }
  void SetDisplayUnchecked(const std::string& value);
  bool IsDisplayCheckedStored() const;
  bool IsDisplayGrayedStored() const;
  bool IsDisplayUncheckedStored() const;
  bool FullFocusRect() const { return FFullFocusRect; }
  void SetFullFocusRect(bool value);
  // Made on first read.
  TBitmap& Glyph();
  const TBitmap* GlyphIfAny() const { return FGlyph.get(); }
  // The glyph from the executable's bitmap resource of that name.
  void LoadGlyphResource(const std::string& name);
  const std::string& GlyphResourceName() const { return FGlyphResourceName; }
  int GlyphCount() const { return FGlyphCount; }
  void SetGlyphCount(int value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value);
  TcxCheckBoxNullValueShowingStyle NullStyle() const { return FNullStyle; }
  void SetNullStyle(TcxCheckBoxNullValueShowingStyle value);
  bool UseAlignmentWhenInplace() const { return FUseAlignmentWhenInplace; }
  void SetUseAlignmentWhenInplace(bool value);
  // Each value is refused when one of the three already has it; the checked
  // and unchecked values also refuse Null. While the owner is read every
  // value is taken as it comes.
  const Variant& ValueChecked() const { return FValueChecked; }
  void SetValueChecked(const Variant& value);
  const Variant& ValueGrayed() const { return FValueGrayed; }
  void SetValueGrayed(const Variant& value);
  const Variant& ValueUnchecked() const { return FValueUnchecked; }
  void SetValueUnchecked(const Variant& value);

  // The state a value shows: checked, unchecked, else grayed.
  TcxCheckBoxState StateOfValue(const Variant& value) const;
  // The value that stands for the state.
  const Variant& ValueOfState(TcxCheckBoxState state) const;

  TcxContainerStyleClass GetStyleClass() const override { return CreateCheckBoxStyle; }
  TcxContainerViewInfoClass GetViewInfoClass() const override { return CreateCheckBoxViewInfo; }
  TcxCustomEditViewDataClass GetViewDataClass() const override { return CreateCheckBoxViewData; }
  TClass GetContainerClass() const override;
  bool IsDisplayValueEqual(const Variant& editValue1, const Variant& editValue2) override;
  std::string GetDisplayText(const Variant& editValue, bool fullText) const override;
  bool IsEditValueValid(Variant& editValue, bool editing) const override;
  // Space starts an in-place check box, and the same Space then toggles it.
  bool IsActivationKey(char key) const override { return key == ' '; }
  void PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool focused) override;

 private:
  template <class V>
  void Change(V& field, V value);
  bool IsOwnerLoading() const;
  // Whether `value` may replace `field`: no other of the three has it.
  bool AcceptsValue(const Variant& value, const Variant& field, bool nullAllowed) const;
  void ChangeValue(Variant& field, const Variant& value, bool nullAllowed);
  void CopyGlyph(const TBitmap& source);
  void AssignValues(const Variant& checked, const Variant& grayed, const Variant& unchecked);

  bool FAllowGrayed = false;
  std::string FCaption;
  bool FCaptionChanged = false;
  std::string FDisplayChecked;
  std::string FDisplayGrayed;
  std::string FDisplayUnchecked;
  bool FFullFocusRect = false;
  std::unique_ptr<TBitmap> FGlyph;
  std::string FGlyphResourceName;
  int FGlyphCount;
  bool FMultiLine = false;
  TcxCheckBoxNullValueShowingStyle FNullStyle = nssGrayedChecked;
  bool FUseAlignmentWhenInplace = false;
  Variant FValueChecked;
  Variant FValueGrayed;
  Variant FValueUnchecked;
};

// The check box's settings as a form holds them.
class TcxCheckBoxProperties : public TcxCustomCheckBoxProperties {
 public:
  using TcxCustomCheckBoxProperties::TcxCustomCheckBoxProperties;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The horizontal part of the alignment as the form holds it.
  TAlignment AlignmentHorz() const;
  void SetAlignmentHorz(TAlignment value) { Alignment()->SetHorz(value); }
};

class TcxCustomCheckBox : public TcxCustomEdit {
 public:
  explicit TcxCustomCheckBox(TComponent* owner, bool inplace = false,
                             TClass propertiesClass = TcxCustomCheckBoxProperties::StaticClass());
  ~TcxCustomCheckBox() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  // Starts unchecked, 121 pixels wide, without double clicks.
  void AfterConstruction() override;
  // Shows the state the form set, else unchecked, without telling of it.
  void Loaded() override;
  // A check box shows the colour of what it stands on.
  bool IsDefaultParentColor() const override { return true; }

  TcxCustomCheckBoxProperties& CheckProperties() const {
    return static_cast<TcxCustomCheckBoxProperties&>(*ActiveProperties());
  }

  TcxCheckBoxState State() const;
  // While the form is read the state waits for Loaded.
  void SetState(TcxCheckBoxState value);
  bool Checked() const { return State() == cbsChecked; }
  void SetChecked(bool value) { SetState(value ? cbsChecked : cbsUnchecked); }
  // A state that is no user's choice (a linked action's): it neither clicks
  // the check box, which would run the action again, nor fires change events.
  void SetStateQuietly(TcxCheckBoxState value);
  bool PressedBySpace() const { return FPressedBySpace; }
  TcxCustomCheckBoxViewInfo& CheckViewInfo() const;

  // Unchecked turns grayed when grayed is allowed, else checked; checked
  // turns unchecked, grayed checked. A user's change: the editor asks first.
  virtual void Toggle();

  // ---- the edit base
  void Clear() override { SetChecked(false); }
  void DoEditKeyDown(WORD& key, TShiftState shift) override;
  void DoEditKeyPress(char& key) override;
  void DoEditKeyUp(WORD& key, TShiftState shift) override;
  // A value that shows another state clicks the check box and tells of the change.
  void InternalSetEditValue(const Variant& value, bool validateEditValue) override;
  void PropertiesChanged(TObject* sender) override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  std::unique_ptr<TControlActionLink> CreateActionLink(TAction& action) override;
  // The caption is the check box's text: a new one is laid out and shown.
  void TextChanged() override { ShortRefreshContainer(); }
  void CalculateViewInfo(POINT point, bool isMouseEvent) override;
  bool RefreshContainer(POINT point, TMouseButton button, TShiftState shift, bool fromMouseLeave) override;
  void InvalidateContainer() override;
  // The left button let go over the pressed check toggles it.
  void ProcessButtonStateChanges(const TcxCustomEditViewInfo& previous) override;
  void InitializeViewData(TcxCustomEditViewData& data) override;

 private:
  bool IsReading() const { return IsLoading() || FInLoaded; }
  // Tells a state that differs from the one shown: a click and the change.
  void UpdateShownState(bool notify);
  void PostImmediately();

  bool FPressedBySpace = false;
  bool FReleasingSpace = false;
  bool FInLoaded = false;
  bool FButtonDownEvent = false;
  bool FHasPendingState = false;
  TcxCheckBoxState FPendingState = cbsUnchecked;
  TcxCheckBoxState FShownState = cbsUnchecked;
  // The looks before the refresh in progress.
  const TcxCustomCheckBoxViewInfo* FPreviousCheckInfo = nullptr;
};

// The check box as a form holds it.
class TcxCheckBox : public TcxCustomCheckBox {
 public:
  explicit TcxCheckBox(TComponent* owner, bool inplace = false)
      : TcxCustomCheckBox(owner, inplace, TcxCheckBoxProperties::StaticClass()) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCheckBoxProperties& PropertiesObject() const { return static_cast<TcxCheckBoxProperties&>(*Properties()); }
  // The action's checked state stands for the state: the form need not hold it.
  bool IsStateStored() const;
};

// A filter row offers a check box's values as a list of two items: the
// checked value's display text, then the unchecked one's; Null is no item.
class TcxFilterCheckBoxHelper : public TcxCustomFilterEditHelper {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxFilterOperatorKinds GetSupportedFilterOperators(const TcxCustomEditProperties& properties,
                                                     TcxValueTypeClass valueType, bool extended) const override;
  // The texts of the two items.
  std::vector<std::string> FilterItems(const TcxCustomCheckBoxProperties& properties) const;
  // The value of an item; Null for no item.
  Variant FilterValueOfItem(const TcxCustomCheckBoxProperties& properties, int itemIndex) const;
  // The item of a value; -1 for Null and any other value.
  int FilterItemOfValue(const TcxCustomCheckBoxProperties& properties, const Variant& value) const;
};

// Registers the check box's properties with the editors' registry, its
// filter helper and the editor with the form reader, then makes the
// check-mark mask; the end undoes them and frees the mask.
void cxCheckBoxInitialize();
void cxCheckBoxFinalize();
