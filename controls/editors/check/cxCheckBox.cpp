#include "controls/editors/check/cxCheckBox.h"

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/check/cxCheckBoxActionLink.h"
#include "controls/foundation/base/cxVariants.h"
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

void TcxCustomCheckBoxProperties::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxCustomCheckBoxProperties*>(source);
  if (!other) return TcxCustomEditProperties::Assign(source);
  BeginUpdate();
  TcxCustomEditProperties::Assign(source);
  SetAllowGrayed(other->FAllowGrayed);
  SetCaption(other->FCaption);
  SetDisplayChecked(other->FDisplayChecked);
  SetDisplayGrayed(other->FDisplayGrayed);
  SetDisplayUnchecked(other->FDisplayUnchecked);
  SetFullFocusRect(other->FFullFocusRect);
  if (other->FGlyph) CopyGlyph(*other->FGlyph);
  FGlyphResourceName = other->FGlyphResourceName;
  SetGlyphCount(other->FGlyphCount);
  SetMultiLine(other->FMultiLine);
  SetNullStyle(other->FNullStyle);
  SetUseAlignmentWhenInplace(other->FUseAlignmentWhenInplace);
  AssignValues(other->FValueChecked, other->FValueGrayed, other->FValueUnchecked);
  EndUpdate();
}

// The three values change together, or not at all.
void TcxCustomCheckBoxProperties::AssignValues(const Variant& checked, const Variant& grayed,
                                               const Variant& unchecked) {
  const bool distinct = !SameValue(checked, grayed) && !SameValue(checked, unchecked) && !SameValue(grayed, unchecked);
  if (!distinct || VarIsNull(checked) || VarIsNull(unchecked)) return;
  FValueChecked = checked;
  FValueGrayed = grayed;
  FValueUnchecked = unchecked;
  Changed();
}

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

void TcxCustomCheckBoxProperties::CopyGlyph(const TBitmap& source) {
  TBitmap& glyph = Glyph();
  glyph.SetTransparentColor(source.TransparentColor());
  glyph.SetSize(source.Width(), source.Height());
  glyph.SetPixels(source.GetPixels());
}

void TcxCustomCheckBoxProperties::LoadGlyphResource(const std::string& name) {
  FGlyphResourceName = name;
  Glyph().LoadFromResourceName(GetModuleHandleA(nullptr), name);
}

void TcxCustomCheckBoxProperties::SetGlyphCount(int value) { Change(FGlyphCount, value); }
void TcxCustomCheckBoxProperties::SetMultiLine(bool value) { Change(FMultiLine, value); }
void TcxCustomCheckBoxProperties::SetNullStyle(TcxCheckBoxNullValueShowingStyle value) { Change(FNullStyle, value); }
void TcxCustomCheckBoxProperties::SetUseAlignmentWhenInplace(bool value) { Change(FUseAlignmentWhenInplace, value); }

bool TcxCustomCheckBoxProperties::IsOwnerLoading() const {
  for (TPersistent* owner = GetOwner(); owner; owner = owner->GetOwner())
    if (const auto* component = dynamic_cast<const TComponent*>(owner))
      return component->ComponentState().Contains(csLoading);
  return false;
}

bool TcxCustomCheckBoxProperties::AcceptsValue(const Variant& value, const Variant& field, bool nullAllowed) const {
  if (VarIsNull(value) && !nullAllowed) return false;
  for (const Variant* other : {&FValueChecked, &FValueGrayed, &FValueUnchecked})
    if (other != &field && SameValue(value, *other)) return false;
  return true;
}

void TcxCustomCheckBoxProperties::ChangeValue(Variant& field, const Variant& value, bool nullAllowed) {
  if (IsOwnerLoading()) {
    field = value;
    return;
  }
  if (SameValue(value, field) || !AcceptsValue(value, field, nullAllowed)) return;
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
  if (!TcxCustomEditProperties::IsEditValueValid(editValue, editing)) return false;
  return SameValue(editValue, FValueChecked) || SameValue(editValue, FValueGrayed) ||
         SameValue(editValue, FValueUnchecked);
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
          .VariantValue("ValueChecked", &P::SetValueChecked)
          .VariantValue("ValueGrayed", &P::SetValueGrayed)
          .VariantValue("ValueUnchecked", &P::SetValueUnchecked)
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
  TControlStyle style = ControlStyle();
  style.Exclude(csDoubleClicks);
  // The check box clicks itself when its state changes, not on every button release.
  style.Exclude(csClickEvents);
  SetControlStyle(style);
  SetBounds(Left(), Top(), kDefaultWidth, Height());
  if (!IsInplace()) SetParentColor(true);
  AssignEditValue(CheckProperties().ValueOfState(cbsUnchecked));
  FShownState = cbsUnchecked;
}

// What the form set shows as it is: a form's state is no user's choice.
void TcxCustomCheckBox::Loaded() {
  const TcxWeakSelf self(this);
  {
    const TcxFlagScope inLoaded(self, FInLoaded, true);
    TcxCustomEdit::Loaded();
  }
  if (!self.Alive()) return;
  const TcxCheckBoxState state = FHasPendingState ? FPendingState : cbsUnchecked;
  FHasPendingState = false;
  AssignEditValue(CheckProperties().ValueOfState(state));
  FShownState = state;
  ShortRefreshContainer();
}

TcxCheckBoxState TcxCustomCheckBox::State() const {
  return CheckProperties().StateOfValue(const_cast<TcxCustomCheckBox*>(this)->EditValue());
}

void TcxCustomCheckBox::SetState(TcxCheckBoxState value) {
  if (IsReading()) {
    FPendingState = value;
    FHasPendingState = true;
    return;
  }
  if (value != State()) SetEditValueInternally(CheckProperties().ValueOfState(value));
}

void TcxCustomCheckBox::SetStateQuietly(TcxCheckBoxState value) {
  const TcxWeakSelf self(this);
  const TChangeEventsLock lock(self, *this);
  if (IsReading())
    SetState(value);
  else if (value != State())
    SetEditValue(CheckProperties().ValueOfState(value));
}

std::unique_ptr<TControlActionLink> TcxCustomCheckBox::CreateActionLink(TAction& action) {
  return std::make_unique<TcxCheckBoxActionLink>(*this, action);
}

void TcxCustomCheckBox::Toggle() {
  const TcxWeakSelf self(this);
  TcxCheckBoxState next = cbsUnchecked;
  switch (State()) {
    case cbsUnchecked: next = CheckProperties().AllowGrayed() ? cbsGrayed : cbsChecked; break;
    case cbsGrayed: next = cbsChecked; break;
    case cbsChecked: break;
  }
  LockChangeEvents(true);
  const bool wasUserAction = UserAction();
  SetUserAction(true);
  try {
    SetState(next);
  } catch (...) {
    if (self.Alive()) {
      SetUserAction(wasUserAction);
      LockChangeEvents(false, false);
    }
    throw;
  }
  if (!self.Alive()) return;
  SetUserAction(wasUserAction);
  LockChangeEvents(false);
  if (self.Alive()) PostImmediately();
}

void TcxCustomCheckBox::PostImmediately() {
  if (ActiveProperties()->ImmediatePost() && Focused() && DataBinding()->CanPost()) PostEditValue(true);
}

void TcxCustomCheckBox::InternalSetEditValue(const Variant& value, bool validateEditValue) {
  const TcxWeakSelf self(this);
  TcxCustomEdit::InternalSetEditValue(value, validateEditValue);
  if (self.Alive()) UpdateShownState(!IsReading());
}

void TcxCustomCheckBox::UpdateShownState(bool notify) {
  const TcxCheckBoxState state = State();
  if (state == FShownState) return;
  FShownState = state;
  const TcxWeakSelf self(this);
  if (notify) {
    Click();
    if (self.Alive()) ChangeStep();
  }
  if (self.Alive()) ShortRefreshContainer();
}

void TcxCustomCheckBox::PropertiesChanged(TObject* sender) {
  TcxCustomCheckBoxProperties& properties = CheckProperties();
  if (properties.IsCaptionChanged()) {
    properties.ClearCaptionChanged();
    SetCaption(properties.Caption());
  }
  const TcxWeakSelf self(this);
  TcxCustomEdit::PropertiesChanged(sender);
  if (self.Alive()) UpdateShownState(!IsReading());
}

// ---- keys

void TcxCustomCheckBox::DoEditKeyDown(WORD& key, TShiftState shift) {
  if (key != VK_SPACE) return TcxCustomEdit::DoEditKeyDown(key, shift);
  key = 0;
  if (CheckViewInfo().CheckBoxState == ecsPressed) return;
  FPressedBySpace = true;
  ShortRefreshContainer();
}

void TcxCustomCheckBox::DoEditKeyUp(WORD& key, TShiftState shift) {
  if (key != VK_SPACE || !FPressedBySpace) return TcxCustomEdit::DoEditKeyUp(key, shift);
  key = 0;
  FPressedBySpace = false;
  const TcxWeakSelf self(this);
  {
    const TcxFlagScope releasing(self, FReleasingSpace, true);
    ShortRefreshContainer();
  }
  if (self.Alive()) Toggle();
}

void TcxCustomCheckBox::DoEditKeyPress(char& key) {
  if (key != ' ' || !IsInplace()) return TcxCustomEdit::DoEditKeyPress(key);
  key = 0;
  if (CheckViewInfo().CheckBoxState != ecsPressed) Toggle();
}

// ---- the mouse and the looks

void TcxCustomCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  const TcxFlagScope buttonDown(self, FButtonDownEvent, true);
  TcxCustomEdit::MouseDown(button, shift, x, y);
}

void TcxCustomCheckBox::InitializeViewData(TcxCustomEditViewData& data) {
  auto* checkData = dynamic_cast<TcxCustomCheckBoxViewData*>(&data);
  if (!checkData) return;
  checkData->Caption = Caption();
  checkData->PressedBySpace = FPressedBySpace;
  checkData->IsDesigning = IsDesigning();
  checkData->ButtonDownEvent = FButtonDownEvent;
}

void TcxCustomCheckBox::CalculateViewInfo(POINT point, bool isMouseEvent) {
  TcxCustomEdit::CalculateViewInfo(point, isMouseEvent);
  const std::unique_ptr<TcxCustomEditViewData> data = CreateViewData();
  data->Enabled = Enabled();
  data->Focused = Focused();
  data->EditValueToDrawValue(EditValue(), EditViewInfo());
}

TcxCustomCheckBoxViewInfo& TcxCustomCheckBox::CheckViewInfo() const {
  return static_cast<TcxCustomCheckBoxViewInfo&>(EditViewInfo());
}

bool TcxCustomCheckBox::RefreshContainer(POINT point, TMouseButton button, TShiftState shift, bool fromMouseLeave) {
  TcxCustomCheckBoxViewInfo previous;
  previous.Assign(&CheckViewInfo());
  const TcxCustomCheckBoxViewInfo* outer = FPreviousCheckInfo;
  FPreviousCheckInfo = &previous;
  const TcxWeakSelf self(this);
  bool result = false;
  try {
    result = TcxCustomEdit::RefreshContainer(point, button, shift, fromMouseLeave);
  } catch (...) {
    if (self.Alive()) FPreviousCheckInfo = outer;
    throw;
  }
  if (self.Alive()) FPreviousCheckInfo = outer;
  return result;
}

// The edit base repaints only what its buttons and frame changed: a check
// box repaints its check itself.
void TcxCustomCheckBox::InvalidateContainer() {
  const TcxCustomCheckBoxViewInfo& now = CheckViewInfo();
  if (!HandleAllocated() || !FPreviousCheckInfo || !now.CheckChanged(*FPreviousCheckInfo))
    return TcxCustomEdit::InvalidateContainer();
  if (now.OnlyCheckChanged(*FPreviousCheckInfo))
    ::InvalidateRect(Handle(), &now.CheckBoxRect, FALSE);
  else
    Invalidate();
}

void TcxCustomCheckBox::ProcessButtonStateChanges(const TcxCustomEditViewInfo&) {
  if (!FPreviousCheckInfo || FReleasingSpace) return;
  if (FPreviousCheckInfo->CheckBoxState == ecsPressed && CheckViewInfo().CheckBoxState == ecsHot) Toggle();
}

// The state a form sets waits for the end of the reading; Checked says the
// same as State and is not stored.
TClass TcxCheckBox::StaticClass() {
  using E = TcxCheckBox;
  static const TMetaClass metaClass = [] {
    TClassBuilder<E> builder("TcxCheckBox", TcxCustomCheckBox::StaticClass());
    builder.String("Caption", &E::Caption, &E::SetCaption)
        .Boolean("Checked", &E::Checked, &E::SetChecked, false)
        .Stored([](const E&) { return false; })
        .Boolean("ParentBackground", &E::ParentBackground, &E::SetParentBackground, true)
        .Boolean("ParentColor", &E::ParentColor, &E::SetParentColor, true)
        .Boolean("ParentFont", &E::ParentFont, &E::SetParentFont, true)
        .Object("Properties", &E::PropertiesObject)
        .Enumeration("State", &E::State, &E::SetState, CheckBoxStateIdents(), cbsUnchecked)
        .Stored(&E::IsStateStored);
    PublishEditStyles(builder)
        .Boolean("TabStop", &E::TabStop, &E::SetTabStop, true)
        .Boolean("Transparent", &E::Transparent, &E::SetTransparent, false)
        .Event("OnClick", &E::SetOnClick)
        .Event("OnEditing", &E::SetOnEditing);
    return PublishEditInputEvents(builder).Build();
  }();
  return &metaClass;
}

bool TcxCheckBox::IsStateStored() const {
  const TAction* action = Action();
  return !action || State() != (action->Checked() ? cbsChecked : cbsUnchecked);
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
