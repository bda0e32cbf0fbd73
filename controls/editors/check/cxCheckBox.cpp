#include "controls/editors/check/cxCheckBox.h"

#include "controls/editors/base/cxEditConsts.h"
#include "controls/foundation/cxVariants.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/Units.h"

namespace {

constexpr int kDefaultWidth = 121;
constexpr int kDefaultGlyphCount = 6;

TUnitGuard gUnit;
const TcxFilterCheckBoxHelper gFilterCheckBoxHelper;

bool SameValue(const Variant& a, const Variant& b) {
  if (VarIsNull(a) || VarIsNull(b)) return VarIsNull(a) && VarIsNull(b);
  return VarEqualsExact(a, b);
}

}  // namespace

const TIdentMap& CheckBoxStateIdents() {
  static const TIdentMap idents = {
      {cbsUnchecked, "cbsUnchecked"}, {cbsChecked, "cbsChecked"}, {cbsGrayed, "cbsGrayed"}};
  return idents;
}

const TIdentMap& CheckBoxNullStyleIdents() {
  static const TIdentMap idents = {
      {nssUnchecked, "nssUnchecked"}, {nssInactive, "nssInactive"}, {nssGrayedChecked, "nssGrayedChecked"}};
  return idents;
}

// ---- the style

TClass TcxCheckBoxStyle::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCheckBoxStyle>("TcxCheckBoxStyle", TcxEditStyle::StaticClass()).Build();
  return &metaClass;
}

TOwned<TcxContainerStyle> CreateCheckBoxStyle(TPersistent* owner, TcxContainerState state,
                                              TcxContainerStyle* parentStyle) {
  return TOwned<TcxContainerStyle>(new TcxCheckBoxStyle(owner, state, parentStyle, false));
}

// ---- the properties

TcxCustomCheckBoxProperties::TcxCustomCheckBoxProperties(TPersistent* owner)
    : TcxCustomEditProperties(owner),
      FDisplayChecked(cxGetResourceString(cxMsgCheckBoxChecked)),
      FDisplayGrayed(cxGetResourceString(cxMsgCheckBoxGrayed)),
      FDisplayUnchecked(cxGetResourceString(cxMsgCheckBoxUnchecked)),
      FGlyphCount(kDefaultGlyphCount),
      FValueChecked(true),
      FValueGrayed(Variant::Null()),
      FValueUnchecked(false) {}

TcxCustomCheckBoxProperties::~TcxCustomCheckBoxProperties() = default;

TClass TcxCustomCheckBoxProperties::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomCheckBoxProperties>("TcxCustomCheckBoxProperties", TcxCustomEditProperties::StaticClass())
          .Build();
  return &metaClass;
}

TClass TcxCustomCheckBoxProperties::GetContainerClass() const { return TcxCheckBox::StaticClass(); }

void TcxCustomCheckBoxProperties::Assign(const TPersistent* source) { TcxCustomEditProperties::Assign(source); }

template <class V>
void TcxCustomCheckBoxProperties::Change(V& field, V value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TcxCustomCheckBoxProperties::SetAllowGrayed(bool value) { Change(FAllowGrayed, value); }

void TcxCustomCheckBoxProperties::SetCaption(const std::string& value) {
  if (FCaption == value) return;
  FCaption = value;
  FCaptionChanged = true;
  Changed();
}

void TcxCustomCheckBoxProperties::SetDisplayChecked(const std::string& value) { Change(FDisplayChecked, value); }
void TcxCustomCheckBoxProperties::SetDisplayGrayed(const std::string& value) { Change(FDisplayGrayed, value); }
void TcxCustomCheckBoxProperties::SetDisplayUnchecked(const std::string& value) { Change(FDisplayUnchecked, value); }

bool TcxCustomCheckBoxProperties::IsDisplayCheckedStored() const {
  return FDisplayChecked != cxGetResourceString(cxMsgCheckBoxChecked);
}
bool TcxCustomCheckBoxProperties::IsDisplayGrayedStored() const {
  return FDisplayGrayed != cxGetResourceString(cxMsgCheckBoxGrayed);
}
bool TcxCustomCheckBoxProperties::IsDisplayUncheckedStored() const {
  return FDisplayUnchecked != cxGetResourceString(cxMsgCheckBoxUnchecked);
}

void TcxCustomCheckBoxProperties::SetFullFocusRect(bool value) { Change(FFullFocusRect, value); }

TBitmap& TcxCustomCheckBoxProperties::Glyph() {
  if (!FGlyph) {
    FGlyph = std::make_unique<TBitmap>();
    FGlyph->SetOnChange([this] { Changed(); });
  }
  return *FGlyph;
}

void TcxCustomCheckBoxProperties::LoadGlyphResource(const std::string& name) {
  FGlyphResourceName = name;
  Glyph().LoadFromResourceName(GetModuleHandleA(nullptr), name);
}

void TcxCustomCheckBoxProperties::SetGlyphCount(int value) { Change(FGlyphCount, value); }
void TcxCustomCheckBoxProperties::SetMultiLine(bool value) { Change(FMultiLine, value); }
void TcxCustomCheckBoxProperties::SetNullStyle(TcxCheckBoxNullValueShowingStyle value) { Change(FNullStyle, value); }
void TcxCustomCheckBoxProperties::SetUseAlignmentWhenInplace(bool value) { Change(FUseAlignmentWhenInplace, value); }

bool TcxCustomCheckBoxProperties::IsOwnerLoading() const { return false; }

bool TcxCustomCheckBoxProperties::AcceptsValue(const Variant&, const Variant&, bool) const { return true; }

void TcxCustomCheckBoxProperties::ChangeValue(Variant& field, const Variant& value, bool) {
  field = value;
  Changed();
}

void TcxCustomCheckBoxProperties::SetValueChecked(const Variant& value) { ChangeValue(FValueChecked, value, false); }
void TcxCustomCheckBoxProperties::SetValueGrayed(const Variant& value) { ChangeValue(FValueGrayed, value, true); }
void TcxCustomCheckBoxProperties::SetValueUnchecked(const Variant& value) {
  ChangeValue(FValueUnchecked, value, false);
}

TcxCheckBoxState TcxCustomCheckBoxProperties::StateOfValue(const Variant& value) const {
  if (SameValue(value, FValueChecked)) return cbsChecked;
  if (SameValue(value, FValueUnchecked)) return cbsUnchecked;
  return cbsGrayed;
}

const Variant& TcxCustomCheckBoxProperties::ValueOfState(TcxCheckBoxState state) const {
  switch (state) {
    case cbsChecked: return FValueChecked;
    case cbsGrayed: return FValueGrayed;
    case cbsUnchecked: break;
  }
  return FValueUnchecked;
}

bool TcxCustomCheckBoxProperties::IsDisplayValueEqual(const Variant& editValue1, const Variant& editValue2) {
  return StateOfValue(editValue1) == StateOfValue(editValue2);
}

std::string TcxCustomCheckBoxProperties::GetDisplayText(const Variant& editValue, bool) const {
  switch (StateOfValue(editValue)) {
    case cbsChecked: return FDisplayChecked;
    case cbsGrayed: return FDisplayGrayed;
    case cbsUnchecked: break;
  }
  return FDisplayUnchecked;
}

bool TcxCustomCheckBoxProperties::IsEditValueValid(Variant& editValue, bool editing) const {
  return TcxCustomEditProperties::IsEditValueValid(editValue, editing);
}

void TcxCustomCheckBoxProperties::PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool) {
  displayValue = Variant(static_cast<int>(StateOfValue(editValue)));
}

TAlignment TcxCheckBoxProperties::AlignmentHorz() const {
  return const_cast<TcxCheckBoxProperties*>(this)->Alignment()->Horz();
}

// The caption is the check box's text, which the check box stores itself.
TClass TcxCheckBoxProperties::StaticClass() {
  using P = TcxCheckBoxProperties;
  static const TMetaClass metaClass =
      TClassBuilder<P>("TcxCheckBoxProperties", TcxCustomCheckBoxProperties::StaticClass())
          .Enumeration("Alignment", &P::AlignmentHorz, &P::SetAlignmentHorz, AlignmentIdents(), taLeftJustify)
          .Stored(&P::IsAlignmentStored)
          .Boolean("AllowGrayed", &P::AllowGrayed, &P::SetAllowGrayed, false)
          .Object("AssignedValues", [](P& p) -> TPersistent& { return *p.AssignedValues(); })
          .String("Caption", &P::Caption, &P::SetCaption)
          .Stored([](const P&) { return false; })
          .Integer("ClearKey", &P::ClearKey, &P::SetClearKey, 0)
          .String("DisplayChecked", &P::DisplayChecked, &P::SetDisplayChecked)
          .Stored(&P::IsDisplayCheckedStored)
          .String("DisplayUnchecked", &P::DisplayUnchecked, &P::SetDisplayUnchecked)
          .Stored(&P::IsDisplayUncheckedStored)
          .String("DisplayGrayed", &P::DisplayGrayed, &P::SetDisplayGrayed)
          .Stored(&P::IsDisplayGrayedStored)
          .Boolean("FullFocusRect", &P::FullFocusRect, &P::SetFullFocusRect, false)
          .Bitmap("Glyph", &P::GlyphResourceName, &P::LoadGlyphResource)
          .Integer("GlyphCount", &P::GlyphCount, &P::SetGlyphCount, kDefaultGlyphCount)
          .Boolean("ImmediatePost", &P::ImmediatePost, &P::SetImmediatePost, false)
          .Boolean("MultiLine", &P::MultiLine, &P::SetMultiLine, false)
          .Enumeration("NullStyle", &P::NullStyle, &P::SetNullStyle, CheckBoxNullStyleIdents(), nssGrayedChecked)
          .Boolean("ReadOnly", &P::ReadOnly, &P::SetReadOnly, false)
          .NoDefault()
          .Stored(&P::IsReadOnlyStored)
          .Boolean("UseAlignmentWhenInplace", &P::UseAlignmentWhenInplace, &P::SetUseAlignmentWhenInplace, false)
          .Event("OnChange", &P::SetOnChange)
          .Event("OnEditValueChanged", &P::SetOnEditValueChanged)
          .Build();
  return &metaClass;
}

// ---- the check box

TClass TcxCustomCheckBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomCheckBox>("TcxCustomCheckBox", TcxCustomEdit::StaticClass()).Build();
  return &metaClass;
}

TcxCustomCheckBox::TcxCustomCheckBox(TComponent* owner, bool inplace, TClass propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass, CreateCheckBoxStyle) {}

TcxCustomCheckBox::~TcxCustomCheckBox() = default;

void TcxCustomCheckBox::AfterConstruction() {
  TcxCustomEdit::AfterConstruction();
  SetBounds(Left(), Top(), kDefaultWidth, Height());
}

void TcxCustomCheckBox::Loaded() { TcxCustomEdit::Loaded(); }

TcxCheckBoxState TcxCustomCheckBox::State() const {
  return CheckProperties().StateOfValue(const_cast<TcxCustomCheckBox*>(this)->EditValue());
}

void TcxCustomCheckBox::SetState(TcxCheckBoxState value) {
  SetEditValueInternally(CheckProperties().ValueOfState(value));
}

std::string TcxCustomCheckBox::Caption() const { return const_cast<TcxCustomCheckBox*>(this)->GetTextBuf(); }

void TcxCustomCheckBox::SetCaption(const std::string& value) { SetTextBuf(value); }

void TcxCustomCheckBox::Toggle() {}

void TcxCustomCheckBox::DoEditKeyDown(WORD& key, TShiftState shift) { TcxCustomEdit::DoEditKeyDown(key, shift); }
void TcxCustomCheckBox::DoEditKeyPress(char& key) { TcxCustomEdit::DoEditKeyPress(key); }
void TcxCustomCheckBox::DoEditKeyUp(WORD& key, TShiftState shift) { TcxCustomEdit::DoEditKeyUp(key, shift); }

void TcxCustomCheckBox::InternalSetEditValue(const Variant& value, bool validateEditValue) {
  TcxCustomEdit::InternalSetEditValue(value, validateEditValue);
}

void TcxCustomCheckBox::PropertiesChanged(TObject* sender) { TcxCustomEdit::PropertiesChanged(sender); }

void TcxCustomCheckBox::PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool focused) {
  TcxCustomEdit::PrepareDisplayValue(editValue, displayValue, focused);
}

void TcxCustomCheckBox::ProcessButtonStateChanges(const TcxCustomEditViewInfo& previous) {
  TcxCustomEdit::ProcessButtonStateChanges(previous);
}

void TcxCustomCheckBox::InitializeViewData(TcxCustomEditViewData&) {}

void TcxCustomCheckBox::InvalidateContainer() { TcxCustomEdit::InvalidateContainer(); }

TcxCustomCheckBoxViewInfo& TcxCustomCheckBox::CheckViewInfo() const {
  return static_cast<TcxCustomCheckBoxViewInfo&>(EditViewInfo());
}

void TcxCustomCheckBox::SetCheckButtonState(TcxEditCheckState) {}

void TcxCustomCheckBox::UpdateShownState(bool) {}

// The state a form sets waits for the end of the reading; Checked says the
// same as State and is not stored.
TClass TcxCheckBox::StaticClass() {
  using E = TcxCheckBox;
  static const TMetaClass metaClass =
      TClassBuilder<E>("TcxCheckBox", TcxCustomCheckBox::StaticClass())
          .String("Caption", &E::Caption, &E::SetCaption)
          .Boolean("Checked", &E::Checked, &E::SetChecked, false)
          .Stored([](const E&) { return false; })
          .Boolean("ParentBackground", &E::ParentBackground, &E::SetParentBackground, true)
          .Boolean("ParentColor", &E::ParentColor, &E::SetParentColor, true)
          .Boolean("ParentFont", &E::ParentFont, &E::SetParentFont, true)
          .Object("Properties", &E::PropertiesObject)
          .Enumeration("State", &E::State, &E::SetState, CheckBoxStateIdents(), cbsUnchecked)
          .Object("Style", [](E& e) -> TPersistent& { return *e.Styles().GetStyle(); })
          .Object("StyleDisabled", [](E& e) -> TPersistent& { return *e.Styles().GetStyleDisabled(); })
          .Object("StyleFocused", [](E& e) -> TPersistent& { return *e.Styles().GetStyleFocused(); })
          .Object("StyleHot", [](E& e) -> TPersistent& { return *e.Styles().GetStyleHot(); })
          .Boolean("TabStop", &E::TabStop, &E::SetTabStop, true)
          .Boolean("Transparent", &E::Transparent, &E::SetTransparent, false)
          .Event("OnClick", &E::SetOnClick)
          .Event("OnEditing", &E::SetOnEditing)
          .Event("OnKeyDown", &E::SetOnKeyDown)
          .Event("OnKeyPress", &E::SetOnKeyPress)
          .Event("OnKeyUp", &E::SetOnKeyUp)
          .Event("OnMouseDown", &E::SetOnMouseDown)
          .Event("OnMouseEnter", &E::SetOnMouseEnter)
          .Event("OnMouseLeave", &E::SetOnMouseLeave)
          .Event("OnMouseMove", &E::SetOnMouseMove)
          .Event("OnMouseUp", &E::SetOnMouseUp)
          .Build();
  return &metaClass;
}

// ---- the filter helper

TClass TcxFilterCheckBoxHelper::StaticClass() {
  static const TMetaClass metaClass("TcxFilterCheckBoxHelper", TcxCustomFilterEditHelper::StaticClass(), nullptr, {},
                                    {}, {});
  return &metaClass;
}

TcxFilterOperatorKinds TcxFilterCheckBoxHelper::GetSupportedFilterOperators(const TcxCustomEditProperties&,
                                                                            TcxValueTypeClass, bool) const {
  return {fokEqual, fokNotEqual, fokNull, fokNotNull};
}

std::vector<std::string> TcxFilterCheckBoxHelper::FilterItems(const TcxCustomCheckBoxProperties& properties) const {
  return {properties.GetDisplayText(properties.ValueChecked(), false),
          properties.GetDisplayText(properties.ValueUnchecked(), false)};
}

Variant TcxFilterCheckBoxHelper::FilterValueOfItem(const TcxCustomCheckBoxProperties& properties, int itemIndex) const {
  if (itemIndex == 0) return properties.ValueChecked();
  if (itemIndex == 1) return properties.ValueUnchecked();
  return Variant::Null();
}

int TcxFilterCheckBoxHelper::FilterItemOfValue(const TcxCustomCheckBoxProperties& properties,
                                               const Variant& value) const {
  if (VarIsNull(value)) return -1;
  switch (properties.StateOfValue(value)) {
    case cbsChecked: return 0;
    case cbsUnchecked: return 1;
    case cbsGrayed: break;
  }
  return -1;
}

// ---- the unit

void cxCheckBoxInitialize() {
  if (!gUnit.Enter()) return;
  GetRegisteredEditProperties()->Register(TcxCheckBoxProperties::StaticClass(),
                                          cxGetResourceString(cxMsgCheckBoxRegistration));
  RegisterFilterEditHelper(TcxCheckBoxProperties::StaticClass(), gFilterCheckBoxHelper);
  RegisterClasses({TcxCheckBox::StaticClass()});
  CreateCheckMarkMask();
}

void cxCheckBoxFinalize() {
  if (!gUnit.Leave()) return;
  FreeCheckMarkMask();
  UnRegisterClass(TcxCheckBox::StaticClass());
  UnregisterFilterEditHelper(TcxCheckBoxProperties::StaticClass(), gFilterCheckBoxHelper);
  if (TcxRegisteredClasses* registered = GetRegisteredEditProperties())
    registered->Unregister(TcxCheckBoxProperties::StaticClass());
}
