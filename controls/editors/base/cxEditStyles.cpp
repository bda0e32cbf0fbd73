#include "controls/editors/base/cxEditStyles.h"

#include <array>

#include "platform/classes/ClassBuilder.h"
#include "platform/graphics/Colors.h"

namespace {

constexpr int kFirstEditValue = svButtonStyle;
constexpr std::array<const char*, kEditStyleValueCount - kFirstEditValue> kEditValueNames = {
    "ButtonStyle", "ButtonTransparency", "PopupBorderStyle", "GradientButtons", "Gradient", "GradientDirection"};

const TIdentMap kEditBorderStyles = {
    {ebsNone, "ebsNone"}, {ebsSingle, "ebsSingle"},       {ebsThick, "ebsThick"},      {ebsFlat, "ebsFlat"},
    {ebs3D, "ebs3D"},     {ebsUltraFlat, "ebsUltraFlat"}, {ebsOffice11, "ebsOffice11"}};
const TIdentMap kButtonStyles = {{btsDefault, "btsDefault"},  {bts3D, "bts3D"},
                                 {btsFlat, "btsFlat"},        {btsSimple, "btsSimple"},
                                 {btsHotFlat, "btsHotFlat"},  {btsUltraFlat, "btsUltraFlat"},
                                 {btsOffice11, "btsOffice11"}};
const TIdentMap kButtonTransparencies = {{ebtNone, "ebtNone"},
                                         {ebtInactive, "ebtInactive"},
                                         {ebtAlways, "ebtAlways"},
                                         {ebtHideInactive, "ebtHideInactive"},
                                         {ebtHideUnselected, "ebtHideUnselected"}};
const TIdentMap kGradientDirections = {
    {dirLeft, "dirLeft"}, {dirRight, "dirRight"}, {dirUp, "dirUp"}, {dirDown, "dirDown"}};
const TIdentMap kPopupBorderStyles = {
    {epbsDefault, "epbsDefault"}, {epbsSingle, "epbsSingle"}, {epbsFrame3D, "epbsFrame3D"}, {epbsFlat, "epbsFlat"}};

const TcxContainerStyleValues kEditCommonValues = [] {
  TcxContainerStyleValues values;
  for (const TcxContainerStyleValue value :
       {svButtonTransparency, svPopupBorderStyle, svGradientButtons, svGradient, svGradientDirection})
    values.Include(value);
  return values;
}();

bool IsEditValue(TcxContainerStyleValue value) { return value >= kFirstEditValue && value < kEditStyleValueCount; }

// The container's value names followed by the edit style's own.
const TIdentMap& EditStyleValueIdents() {
  static const TIdentMap idents = [] {
    TIdentMap result = *TcxContainerStyle::StaticClass()->FindProperty("AssignedValues")->Idents;
    for (int value = kFirstEditValue; value < kEditStyleValueCount; ++value)
      result.push_back({value, kEditValueNames[static_cast<size_t>(value - kFirstEditValue)]});
    return result;
  }();
  return idents;
}

}  // namespace

TcxCustomEditStyle::TcxCustomEditStyle(TPersistent* owner, TcxContainerState state, TcxContainerStyle* parentStyle,
                                       bool directAccess)
    : TcxContainerStyle(owner, state, parentStyle, directAccess) {
  // The container chose its controller before this class could say that an
  // in-place editor follows none by default: choose again.
  if (IsBaseStyle() && !directAccess) SetStyleController(nullptr);
}

TClass TcxCustomEditStyle::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomEditStyle>("TcxCustomEditStyle", TcxContainerStyle::StaticClass()).Build();
  return &metaClass;
}

void TcxCustomEditStyle::Assign(const TPersistent* source) {
  const auto* style = dynamic_cast<const TcxCustomEditStyle*>(source);
  if (!style) {
    TcxContainerStyle::Assign(source);
    return;
  }
  BeginUpdate();
  FButtonStyle = style->FButtonStyle;
  FButtonTransparency = style->FButtonTransparency;
  FPopupBorderStyle = style->FPopupBorderStyle;
  FGradientButtons = style->FGradientButtons;
  FGradient = style->FGradient;
  FGradientDirection = style->FGradientDirection;
  FPopupOption = style->FPopupOption;
  TcxContainerStyle::Assign(source);
  Changed();
  EndUpdate();
}

template <class V>
V TcxCustomEditStyle::Resolve(TcxContainerStyleValue value, V TcxCustomEditStyle::*field,
                              V (TcxCustomEditStyle::*byDefault)() const) const {
  if (DirectAccessMode()) return HasOwnValue(value) ? this->*field : (this->*byDefault)();
  if (const auto* holder = dynamic_cast<const TcxCustomEditStyle*>(FindValueHolder(value))) return holder->*field;
  return (static_cast<const TcxCustomEditStyle*>(ValueStyle(value))->*byDefault)();
}

template <class V>
void TcxCustomEditStyle::Store(TcxContainerStyleValue value, V TcxCustomEditStyle::*field, V newValue) {
  auto* style = static_cast<TcxCustomEditStyle*>(ValueStyle(value));
  if (style->HasOwnValue(value) && style->*field == newValue) return;
  style->*field = newValue;
  style->IncludeAssignedValue(value);
  style->Changed();
}

TcxEditButtonStyle TcxCustomEditStyle::ButtonStyle() const {
  return Resolve(svButtonStyle, &TcxCustomEditStyle::FButtonStyle, &TcxCustomEditStyle::DefaultButtonStyle);
}

void TcxCustomEditStyle::SetButtonStyle(TcxEditButtonStyle value) {
  Store(svButtonStyle, &TcxCustomEditStyle::FButtonStyle, value);
}

TcxEditButtonTransparency TcxCustomEditStyle::ButtonTransparency() const {
  return Resolve(svButtonTransparency, &TcxCustomEditStyle::FButtonTransparency,
                 &TcxCustomEditStyle::DefaultButtonTransparency);
}

void TcxCustomEditStyle::SetButtonTransparency(TcxEditButtonTransparency value) {
  Store(svButtonTransparency, &TcxCustomEditStyle::FButtonTransparency, value);
}

TcxEditPopupBorderStyle TcxCustomEditStyle::PopupBorderStyle() const {
  return Resolve(svPopupBorderStyle, &TcxCustomEditStyle::FPopupBorderStyle,
                 &TcxCustomEditStyle::DefaultPopupBorderStyle);
}

void TcxCustomEditStyle::SetPopupBorderStyle(TcxEditPopupBorderStyle value) {
  Store(svPopupBorderStyle, &TcxCustomEditStyle::FPopupBorderStyle, value);
}

bool TcxCustomEditStyle::GradientButtons() const {
  return Resolve(svGradientButtons, &TcxCustomEditStyle::FGradientButtons, &TcxCustomEditStyle::DefaultGradientButtons);
}

void TcxCustomEditStyle::SetGradientButtons(bool value) {
  Store(svGradientButtons, &TcxCustomEditStyle::FGradientButtons, value);
}

bool TcxCustomEditStyle::Gradient() const {
  return Resolve(svGradient, &TcxCustomEditStyle::FGradient, &TcxCustomEditStyle::DefaultGradient);
}

void TcxCustomEditStyle::SetGradient(bool value) { Store(svGradient, &TcxCustomEditStyle::FGradient, value); }

TcxEditGradientDirection TcxCustomEditStyle::GradientDirection() const {
  return Resolve(svGradientDirection, &TcxCustomEditStyle::FGradientDirection,
                 &TcxCustomEditStyle::DefaultGradientDirection);
}

void TcxCustomEditStyle::SetGradientDirection(TcxEditGradientDirection value) {
  Store(svGradientDirection, &TcxCustomEditStyle::FGradientDirection, value);
}

bool TcxCustomEditStyle::PopupOption() const { return EditBaseStyle()->FPopupOption; }

void TcxCustomEditStyle::SetPopupOption(bool value) {
  auto* base = const_cast<TcxCustomEditStyle*>(EditBaseStyle());
  if (base->FPopupOption == value) return;
  base->FPopupOption = value;
  base->Changed();
}

TcxContainerStyleValues TcxCustomEditStyle::GetCommonValues() const {
  return TcxContainerStyleValues::FromBits(TcxContainerStyle::GetCommonValues().Bits() | kEditCommonValues.Bits());
}

int TcxCustomEditStyle::GetValueCount() const { return kEditStyleValueCount; }

bool TcxCustomEditStyle::GetValueName(TcxContainerStyleValue value, std::string& name) const {
  if (!IsEditValue(value)) return TcxContainerStyle::GetValueName(value, name);
  name = kEditValueNames[static_cast<size_t>(value - kFirstEditValue)];
  return true;
}

bool TcxCustomEditStyle::IsValueAssigned(TcxContainerStyleValue value) const {
  if (!IsEditValue(value)) return TcxContainerStyle::IsValueAssigned(value);
  return FindValueHolder(value) != nullptr;
}

TcxEditButtonStyle TcxCustomEditStyle::DefaultButtonStyle() const {
  return IsBaseStyle() ? btsDefault : EditBaseStyle()->ButtonStyle();
}

TcxEditButtonTransparency TcxCustomEditStyle::DefaultButtonTransparency() const {
  return IsBaseStyle() ? ebtNone : EditBaseStyle()->ButtonTransparency();
}

bool TcxCustomEditStyle::DefaultGradient() const { return IsBaseStyle() ? false : EditBaseStyle()->Gradient(); }

bool TcxCustomEditStyle::DefaultGradientButtons() const {
  return IsBaseStyle() ? false : EditBaseStyle()->GradientButtons();
}

TcxEditGradientDirection TcxCustomEditStyle::DefaultGradientDirection() const {
  return IsBaseStyle() ? dirDown : EditBaseStyle()->GradientDirection();
}

TcxEditPopupBorderStyle TcxCustomEditStyle::DefaultPopupBorderStyle() const {
  return IsBaseStyle() ? epbsDefault : EditBaseStyle()->PopupBorderStyle();
}

// An in-place editor is drawn by its host, which gives it its looks.
TcxStyleController* TcxCustomEditStyle::GetDefaultStyleController() const {
  if (DirectAccessMode()) return nullptr;
  if (const IcxContainerStyleOwner* container = GetContainer(); container && container->IsInplace()) return nullptr;
  return TcxContainerStyle::GetDefaultStyleController();
}

TClass TcxEditStyle::StaticClass() {
  using S = TcxEditStyle;
  static const TMetaClass metaClass =
      TClassBuilder<S>("TcxEditStyle", TcxCustomEditStyle::StaticClass())
          .Set("AssignedValues", &S::AssignedValues, &S::SetAssignedValues, EditStyleValueIdents(),
               TcxContainerStyleValues{})
          .NoDefault()
          .Enumeration("BorderStyle", &S::EditBorderStyle, &S::SetEditBorderStyle, kEditBorderStyles, ebsNone)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvBorderStyle); })
          .Enumeration("ButtonStyle", &S::ButtonStyle, &S::SetButtonStyle, kButtonStyles, btsDefault)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(svButtonStyle); })
          .Enumeration("ButtonTransparency", &S::ButtonTransparency, &S::SetButtonTransparency, kButtonTransparencies,
                       ebtNone)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(svButtonTransparency); })
          .Boolean("Gradient", &S::Gradient, &S::SetGradient, false)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(svGradient); })
          .Enumeration("GradientDirection", &S::GradientDirection, &S::SetGradientDirection, kGradientDirections,
                       dirDown)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(svGradientDirection); })
          .Enumeration("PopupBorderStyle", &S::PopupBorderStyle, &S::SetPopupBorderStyle, kPopupBorderStyles,
                       epbsDefault)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(svPopupBorderStyle); })
          .Component("StyleController", &S::EditStyleController, &S::SetEditStyleController)
          .Stored(&S::IsStyleControllerStored)
          .Build();
  return &metaClass;
}

TcxEditStyleController* TcxEditStyle::EditStyleController() const {
  return dynamic_cast<TcxEditStyleController*>(StyleController());
}

void TcxEditStyle::SetEditStyleController(TcxEditStyleController* value) { SetStyleController(value); }

TOwned<TcxContainerStyle> CreateEditStyle(TPersistent* owner, TcxContainerState state, TcxContainerStyle* parentStyle) {
  return TOwned<TcxContainerStyle>(new TcxEditStyle(owner, state, parentStyle, false));
}

TClass TcxEditStyleController::StaticClass() {
  using C = TcxEditStyleController;
  static const TMetaClass metaClass = TClassBuilder<C>("TcxEditStyleController", TcxStyleController::StaticClass())
                                          .Object("Style", &C::StyleObject)
                                          .Object("StyleDisabled", &C::StyleDisabledObject)
                                          .Object("StyleFocused", &C::StyleFocusedObject)
                                          .Object("StyleHot", &C::StyleHotObject)
                                          .Event("OnStyleChanged", &C::SetOnStyleChanged)
                                          .Build();
  return &metaClass;
}
