#include "controls/editors/check/cxCheckComboBox.h"

#include <unordered_map>

#include "controls/editors/base/cxExtEditConsts.h"
#include "controls/editors/check/cxCheckComboBoxList.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Units.h"

namespace {

constexpr const char* kDefaultDelimiter = ";";
constexpr int kDefaultGlyphCount = 6;
constexpr int kTextGap = 2;

const TIdentMap& ValueFormatIdents() {
  static const TIdentMap idents = {{cvfCaptions, "cvfCaptions"},
                                   {cvfIndices, "cvfIndices"},
                                   {cvfInteger, "cvfInteger"},
                                   {cvfStatesString, "cvfStatesString"}};
  return idents;
}

std::string DefaultEmptySelectionText() { return cxGetResourceString(cxMsgCheckComboBoxEmptySelectionText); }

TUnitGuard gUnit;
const TcxFilterCheckComboBoxHelper gFilterCheckComboBoxHelper;

}  // namespace

// ---- TcxCheckPaintHelper

TcxCheckBoxState TcxCheckPaintHelper::NextState(TcxCheckBoxState state) {
  return state == cbsUnchecked ? cbsChecked : cbsUnchecked;
}

TRect TcxCheckPaintHelper::TextRect(const TRect& itemRect) {
  TRect rect = itemRect;
  rect.left += (itemRect.bottom - itemRect.top) + kTextGap;
  return rect;
}

// ---- TcxCustomCheckComboBoxProperties

TcxCustomCheckComboBoxProperties::TcxCustomCheckComboBoxProperties(TPersistent* owner)
    : TcxCustomComboBoxProperties(owner),
      FDelimiter(kDefaultDelimiter),
      FEmptySelectionText(DefaultEmptySelectionText()),
      FGlyphCount(kDefaultGlyphCount),
      FItems(std::make_unique<TcxCheckComboBoxItems>(this)) {
  SetDropDownListStyle(lsFixedList);
}

TcxCustomCheckComboBoxProperties::~TcxCustomCheckComboBoxProperties() = default;

TClass TcxCustomCheckComboBoxProperties::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomCheckComboBoxProperties>("TcxCustomCheckComboBoxProperties",
                                                      TcxCustomComboBoxProperties::StaticClass())
          .Build();
  return &metaClass;
}

template <class V>
void TcxCustomCheckComboBoxProperties::Change(V& field, V value) {
  if (field == value) return;
  field = std::move(value);
  Changed();
}

void TcxCustomCheckComboBoxProperties::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxCustomCheckComboBoxProperties*>(source);
  if (!other) return TcxCustomComboBoxProperties::Assign(source);
  BeginUpdate();
  TcxCustomComboBoxProperties::Assign(source);
  SetDelimiter(other->FDelimiter);
  SetEditValueFormat(other->FEditValueFormat);
  SetGlyph(other->FGlyph.get());
  SetGlyphCount(other->FGlyphCount);
  SetShowEmptyText(other->FShowEmptyText);
  SetEmptySelectionText(other->FEmptySelectionText);
  SetItems(other->FItems.get());
  FOnClickCheck = other->FOnClickCheck;
  FOnEditValueToStates = other->FOnEditValueToStates;
  FOnStatesToEditValue = other->FOnStatesToEditValue;
  EndUpdate();
}

void TcxCustomCheckComboBoxProperties::SetDelimiter(const std::string& value) { Change(FDelimiter, value); }

bool TcxCustomCheckComboBoxProperties::IsDelimiterStored() const { return FDelimiter != kDefaultDelimiter; }

void TcxCustomCheckComboBoxProperties::SetEditValueFormat(TcxCheckStatesValueFormat value) {
  FEditValueFormat = value;
  Changed();
}

void TcxCustomCheckComboBoxProperties::SetEmptySelectionText(const std::string& value) {
  Change(FEmptySelectionText, value);
}

bool TcxCustomCheckComboBoxProperties::IsEmptySelectionTextStored() const {
  return FEmptySelectionText != DefaultEmptySelectionText();
}

TBitmap& TcxCustomCheckComboBoxProperties::Glyph() {
  if (!FGlyph) {
    FGlyph = std::make_unique<TBitmap>();
    FGlyph->SetOnChange([this] { Changed(); });
  }
  return *FGlyph;
}

void TcxCustomCheckComboBoxProperties::SetGlyph(const TBitmap* value) {
  if (value) return CopyBitmap(Glyph(), *value);
  if (!FGlyph) return;
  FGlyph.reset();
  FGlyphResourceName.clear();
  Changed();
}

void TcxCustomCheckComboBoxProperties::LoadGlyphResource(const std::string& name) {
  FGlyphResourceName = name;
  Glyph().LoadFromResourceName(GetModuleHandleA(nullptr), name);
}

void TcxCustomCheckComboBoxProperties::SetGlyphCount(int value) {
  if (FGlyphCount == value) return;
  FGlyphCount = value;
  if (FGlyph) Changed();
}

void TcxCustomCheckComboBoxProperties::SetItems(const TcxCheckComboBoxItems* value) { FItems->Assign(value); }

void TcxCustomCheckComboBoxProperties::SetShowEmptyText(bool value) { Change(FShowEmptyText, value); }

bool TcxCustomCheckComboBoxProperties::EditValueToStates(TObject* sender, const Variant& value,
                                                         TcxCheckStates& states) const {
  if (!FOnEditValueToStates) return CalculateCheckStates(value, *FItems, FEditValueFormat, states);
  const size_t count = static_cast<size_t>(FItems->Count());
  states.assign(count, cbsUnchecked);
  FOnEditValueToStates(sender, value, states);
  // The program's decoder may have resized the list; the items decide.
  states.resize(count, cbsUnchecked);
  return true;
}

Variant TcxCustomCheckComboBoxProperties::StatesToEditValue(TObject* sender, const TcxCheckStates& states) const {
  if (!FOnStatesToEditValue) return CalculateCheckStatesValue(states, *FItems, FEditValueFormat);
  Variant value;
  FOnStatesToEditValue(sender, states, value);
  return value;
}

std::string TcxCustomCheckComboBoxProperties::StatesToDisplayText(const TcxCheckStates& states) const {
  std::string text;
  const int count = std::min(FItems->Count(), static_cast<int>(states.size()));
  for (int index = 0; index < count; ++index) {
    if (states[static_cast<size_t>(index)] != cbsChecked) continue;
    if (!text.empty()) text += FDelimiter;
    text += FItems->Items(index).DisplayDescription();
  }
  if (text.empty() && FShowEmptyText) text = FEmptySelectionText;
  return text;
}

std::string TcxCustomCheckComboBoxProperties::GetDisplayText(const Variant& editValue, bool) const {
  TcxCheckStates states;
  EditValueToStates(nullptr, editValue, states);
  return ApplyCharCase(StatesToDisplayText(states));
}

void TcxCustomCheckComboBoxProperties::PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool) {
  TcxCheckStates states;
  EditValueToStates(nullptr, editValue, states);
  displayValue = Variant(StatesToDisplayText(states));
}

TClass TcxCustomCheckComboBoxProperties::GetContainerClass() const { return TcxCheckComboBox::StaticClass(); }

TClass TcxCustomCheckComboBoxProperties::GetLookupDataClass() const {
  return TcxCheckComboBoxLookupData::StaticClass();
}

// ---- TcxCheckComboBoxProperties

TClass TcxCheckComboBoxProperties::StaticClass() {
  using P = TcxCheckComboBoxProperties;
  static const TMetaClass metaClass =
      TClassBuilder<P>("TcxCheckComboBoxProperties", TcxCustomCheckComboBoxProperties::StaticClass())
          .Boolean("AllowGrayed", &P::AllowGrayed, &P::SetAllowGrayed, false)
          .Stored([](const P&) { return false; })
          .Object("AssignedValues", [](P& p) -> TPersistent& { return *p.AssignedValues(); })
          .String("Delimiter", &P::Delimiter, &P::SetDelimiter)
          .Stored(&P::IsDelimiterStored)
          .String("EmptySelectionText", &P::EmptySelectionText, &P::SetEmptySelectionText)
          .Stored(&P::IsEmptySelectionTextStored)
          .Boolean("ShowEmptyText", &P::ShowEmptyText, &P::SetShowEmptyText, true)
          .Object("Alignment", [](P& p) -> TPersistent& { return *p.Alignment(); })
          .Stored(&P::IsAlignmentStored)
          .Boolean("BeepOnError", &P::BeepOnError, &P::SetBeepOnError, false)
          .Enumeration("CharCase", &P::CharCase, &P::SetCharCase, EditCharCaseIdents(), ecNormal)
          .Integer("ClearKey", &P::ClearKey, &P::SetClearKey, 0)
          .Boolean("DropDownAutoWidth", &P::DropDownAutoWidth, &P::SetDropDownAutoWidth, true)
          .Integer("DropDownRows", &P::DropDownRows, &P::SetDropDownRows, 8)
          .Boolean("DropDownSizeable", &P::DropDownSizeable, &P::SetDropDownSizeable, false)
          .Integer("DropDownWidth", &P::DropDownWidth, &P::SetDropDownWidth, 0)
          .Enumeration("EditValueFormat", &P::EditValueFormat, &P::SetEditValueFormat, ValueFormatIdents(), cvfInteger)
          .Bitmap("Glyph", &P::GlyphResourceName, &P::LoadGlyphResource)
          .Integer("GlyphCount", &P::GlyphCount, &P::SetGlyphCount, kDefaultGlyphCount)
          .Enumeration("ImeMode", &P::ImeMode, &P::SetImeMode, ImeModeIdents(), imDontCare)
          .String("ImeName", &P::ImeName, &P::SetImeName)
          .Boolean("ImmediateDropDown", &P::ImmediateDropDown, &P::SetImmediateDropDown, true)
          .Boolean("ImmediatePopup", &P::ImmediatePopup, &P::SetImmediatePopup, false)
          .Boolean("ImmediatePost", &P::ImmediatePost, &P::SetImmediatePost, false)
          .Collection("Items", [](P& p) -> TCollection& { return p.Items(); })
          .Enumeration("PopupAlignment", &P::PopupAlignment, &P::SetPopupAlignment, AlignmentIdents(), taLeftJustify)
          .Boolean("ReadOnly", &P::ReadOnly, &P::SetReadOnly, false)
          .NoDefault()
          .Stored(&P::IsReadOnlyStored)
          .Boolean("ValidateOnEnter", &P::ValidateOnEnter, &P::SetValidateOnEnter, true)
          .Event("OnChange", &P::SetOnChange)
          .Event("OnClickCheck", &P::SetOnClickCheck)
          .Event("OnCloseUp", &P::SetOnCloseUp)
          .Event("OnEditValueChanged", &P::SetOnEditValueChanged)
          .Event("OnEditValueToStates", &P::SetOnEditValueToStates)
          .Event("OnInitPopup", &P::SetOnInitPopup)
          .Event("OnPopup", &P::SetOnPopup)
          .Event("OnStatesToEditValue", &P::SetOnStatesToEditValue)
          .Build();
  return &metaClass;
}

// ---- TcxCustomCheckComboBox

TcxCustomCheckComboBox::TcxCustomCheckComboBox(TComponent* owner, bool inplace, TClass propertiesClass)
    : TcxCustomComboBox(owner, inplace, propertiesClass) {}

TClass TcxCustomCheckComboBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomCheckComboBox>("TcxCustomCheckComboBox", TcxCustomComboBox::StaticClass()).Build();
  return &metaClass;
}

void TcxCustomCheckComboBox::AfterConstruction() {
  TcxCustomComboBox::AfterConstruction();
  AssignEditValue(Variant(int64_t{0}));
  TControlStyle style = ControlStyle();
  style.Exclude(csClickEvents);
  SetControlStyle(style);
  FollowItems();
}

// The value read from the form is decoded once every item is there.
void TcxCustomCheckComboBox::Loaded() {
  DecodeEditValue();
  TcxCustomComboBox::Loaded();
}

TcxCheckBoxState TcxCustomCheckComboBox::GetItemState(int index) const {
  if (index < 0 || index >= static_cast<int>(FStates.size())) return cbsUnchecked;
  return FStates[static_cast<size_t>(index)];
}

void TcxCustomCheckComboBox::SetItemState(int index, TcxCheckBoxState state) {
  if (index < 0 || index >= static_cast<int>(FStates.size()) || state == cbsGrayed) return;
  TcxCheckBoxState& current = FStates[static_cast<size_t>(index)];
  if (current == state) return;
  current = state;
  UpdateEditValueFromDisplay();
}

std::string TcxCustomCheckComboBox::EditValueText() {
  const Variant value = GetEditValue();
  return VarIsEmpty(value) || VarIsNull(value) ? std::string() : value.AsString();
}

// An integer-format value is kept as the number the text writes.
void TcxCustomCheckComboBox::SetEditValueText(const std::string& value) {
  int64_t number = 0;
  if (CheckProperties().EditValueFormat() == cvfInteger && TryStrToInt64(value, number))
    SetEditValue(Variant(number));
  else
    SetEditValue(Variant(value));
}

bool TcxCustomCheckComboBox::IsEditValueStored() {
  if (CheckProperties().EditValueFormat() == cvfInteger) {
    const Variant value = GetEditValue();
    return !VarIsNumeric(value) || value.AsInt64() != 0;
  }
  return !EditValueText().empty();
}

bool TcxCustomCheckComboBox::ClickCheckAllowed(const TcxCustomCheckComboBoxProperties& properties, int index) {
  bool allowToggle = true;
  if (properties.OnClickCheck()) properties.OnClickCheck()(this, index, allowToggle);
  return allowToggle;
}

bool TcxCustomCheckComboBox::CanToggleItemState(int index) {
  const TcxWeakSelf self(this);
  if (!CanModify()) return false;
  const auto& own = static_cast<const TcxCustomCheckComboBoxProperties&>(*Properties());
  if (!ClickCheckAllowed(own, index) || !self.Alive()) return false;
  if (RepositoryItem() && (!ClickCheckAllowed(CheckProperties(), index) || !self.Alive())) return false;
  return DoEditing();
}

void TcxCustomCheckComboBox::ToggleItemState(int index) {
  if (index < 0 || index >= static_cast<int>(FStates.size())) return;
  const TcxWeakSelf self(this);
  if (!CanToggleItemState(index) || !self.Alive()) return;
  TcxCheckBoxState& state = FStates[static_cast<size_t>(index)];
  state = TcxCheckPaintHelper::NextState(state);
  UpdateEditValueFromDisplay();
  if (!self.Alive()) return;
  SetModifiedAfterEnter(true);
  if (ActiveProperties()->ImmediatePost() && Focused() && DataBinding()->CanPost()) PostEditValue(false);
}

// ---- values, states and text

void TcxCustomCheckComboBox::DecodeEditValue() {
  FUndecodedValue = !CheckProperties().EditValueToStates(this, GetEditValue(), FStates);
  RememberItems();
}

void TcxCustomCheckComboBox::RememberItems() {
  const TcxCheckComboBoxItems& items = CheckProperties().Items();
  FStateSerials.resize(static_cast<size_t>(items.Count()));
  for (int index = 0; index < items.Count(); ++index)
    FStateSerials[static_cast<size_t>(index)] = items.Items(index).Serial();
}

void TcxCustomCheckComboBox::FollowItems() {
  std::unordered_map<uint64_t, TcxCheckBoxState> previous;
  for (size_t index = 0; index < FStates.size() && index < FStateSerials.size(); ++index)
    previous.emplace(FStateSerials[index], FStates[index]);
  const TcxCheckComboBoxItems& items = CheckProperties().Items();
  FStates.assign(static_cast<size_t>(items.Count()), cbsUnchecked);
  for (int index = 0; index < items.Count(); ++index) {
    const auto found = previous.find(items.Items(index).Serial());
    if (found != previous.end()) FStates[static_cast<size_t>(index)] = found->second;
  }
  RememberItems();
}

void TcxCustomCheckComboBox::UpdateDisplayFromEditValue() {
  DecodeEditValue();
  UpdateDisplayText();
}

void TcxCustomCheckComboBox::UpdateEditValueFromDisplay() {
  FUndecodedValue = false;
  SetEditValueInternally(CheckProperties().StatesToEditValue(this, FStates));
}

void TcxCustomCheckComboBox::UpdateDisplayText() {
  const TcxWeakSelf self(this);
  SetInternalDisplayValue(Variant(CheckProperties().StatesToDisplayText(FStates)));
  if (self.Alive()) InvalidateContainer();
}

std::string TcxCustomCheckComboBox::GetEditingText() const {
  return ComponentState().Contains(csDestroying) ? std::string() : GetInnerEditText();
}

// While the list is open Space toggles its current item, after the
// control's own OnKeyPress has seen it.
void TcxCustomCheckComboBox::DoEditKeyPress(char& key) {
  if (key == ' ' && HasPopupWindow()) {
    auto& lookup = static_cast<TcxCheckComboBoxLookupData&>(LookupData());
    lookup.CheckList().ToggleCurrentItem();
    key = 0;
    return;
  }
  TcxCustomComboBox::DoEditKeyPress(key);
}

void TcxCustomCheckComboBox::PropertiesChanged(TObject* sender) {
  FollowItems();
  const TcxWeakSelf self(this);
  TcxCustomComboBox::PropertiesChanged(sender);
  if (!self.Alive() || IsLoading()) return;
  if (FUndecodedValue)
    UpdateDisplayFromEditValue();
  else
    SetEditValue(CheckProperties().StatesToEditValue(this, FStates));
}

// ---- TcxCheckComboBox

TClass TcxCheckComboBox::StaticClass() {
  using E = TcxCheckComboBox;
  static const TMetaClass metaClass = [] {
    TClassBuilder<E> builder("TcxCheckComboBox", TcxCustomCheckComboBox::StaticClass());
    PublishEditStyles(builder.Object("Properties", &E::PropertiesObject))
        .String(
            "EditValue", [](const E& e) { return const_cast<E&>(e).EditValueText(); }, &E::SetEditValueText)
        .Stored([](const E& e) { return const_cast<E&>(e).IsEditValueStored(); })
        .Boolean("StatesItems", &E::StatesItems, &E::SetStatesItems, false)
        .Stored([](const E&) { return false; })
        .Boolean("BeepOnEnter", &E::BeepOnEnter, &E::SetBeepOnEnter, true)
        .Boolean("ParentColor", &E::ParentColor, &E::SetParentColor, false)
        .Boolean("ParentFont", &E::ParentFont, &E::SetParentFont, true)
        .Event("OnEditing", &E::SetOnEditing);
    return PublishEditInputEvents(builder).Build();
  }();
  return &metaClass;
}

// ---- the filter helpers

TClass TcxFilterChecksHelper::StaticClass() {
  static const TMetaClass metaClass("TcxFilterChecksHelper", TcxFilterComboBoxHelper::StaticClass(), nullptr, {}, {},
                                    {});
  return &metaClass;
}

TcxFilterOperatorKinds TcxFilterChecksHelper::GetSupportedFilterOperators(const TcxCustomEditProperties&,
                                                                          TcxValueTypeClass, bool extended) const {
  TcxFilterOperatorKinds operators{fokEqual, fokNotEqual, fokNull, fokNotNull};
  if (extended) {
    operators.Include(fokInList);
    operators.Include(fokNotInList);
  }
  return operators;
}

// The filter editor lists the source's captions and nothing else of its items.
void TcxFilterChecksHelper::InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const {
  const TcxCheckStatesValueFormat format = SourceFormat(properties);
  const IcxCheckItems& sourceItems = SourceItems(properties);
  std::vector<std::string> captions;
  for (int index = 0; index < sourceItems.GetCount(); ++index) captions.push_back(sourceItems.GetCaption(index));
  TcxFilterComboBoxHelper::InitializeProperties(properties, keepButtons);
  auto& checks = static_cast<TcxCustomCheckComboBoxProperties&>(properties);
  checks.BeginUpdate();
  checks.SetEditValueFormat(format);
  checks.Items().Clear();
  checks.Buttons().Clear();
  checks.Buttons().Add().SetKind(bkDown);
  checks.SetDropDownListStyle(lsFixedList);
  for (const std::string& caption : captions) checks.Items().Add().SetDescription(caption);
  checks.EndUpdate();
}

TClass TcxFilterCheckComboBoxHelper::StaticClass() {
  static const TMetaClass metaClass("TcxFilterCheckComboBoxHelper", TcxFilterChecksHelper::StaticClass(), nullptr, {},
                                    {}, {});
  return &metaClass;
}

TcxCheckStatesValueFormat TcxFilterCheckComboBoxHelper::SourceFormat(const TcxCustomEditProperties& source) const {
  return static_cast<const TcxCustomCheckComboBoxProperties&>(source).EditValueFormat();
}

const IcxCheckItems& TcxFilterCheckComboBoxHelper::SourceItems(const TcxCustomEditProperties& source) const {
  return static_cast<const TcxCustomCheckComboBoxProperties&>(source).Items();
}

// ---- the unit

void cxCheckComboBoxInitialize() {
  if (!gUnit.Enter()) return;
  GetRegisteredEditProperties()->Register(TcxCheckComboBoxProperties::StaticClass(),
                                          cxGetResourceString(cxMsgCheckComboBoxRegistration));
  RegisterFilterEditHelper(TcxCheckComboBoxProperties::StaticClass(), gFilterCheckComboBoxHelper);
  RegisterClasses({TcxCheckComboBox::StaticClass()});
}

void cxCheckComboBoxFinalize() {
  if (!gUnit.Leave()) return;
  UnRegisterClass(TcxCheckComboBox::StaticClass());
  UnregisterFilterEditHelper(TcxCheckComboBoxProperties::StaticClass(), gFilterCheckComboBoxHelper);
  if (TcxRegisteredClasses* registered = GetRegisteredEditProperties())
    registered->Unregister(TcxCheckComboBoxProperties::StaticClass());
}
