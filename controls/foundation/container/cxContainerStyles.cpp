#include "controls/foundation/container/cxContainerStyles.h"

#include <algorithm>
#include <array>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Control.h"
#include "platform/controls/core/WinControl.h"

namespace {

TcxStyleController* gDefaultStyleController = nullptr;

constexpr int kContainerStyleValueCount = 10;
constexpr std::array<const char*, kContainerStyleValueCount> kValueNames = {
    "BorderColor", "BorderStyle", "Color",     "Edges",     "Font",
    "HotTrack",    "Shadow",      "TextColor", "TextStyle", "TransparentBorder"};
constexpr std::array<int, cbsOffice11 + 1> kBorderWidths = {0, 1, 2, 2, 2, 1, 1};

const TIdentMap kBorderStyles = {{cbsNone, "cbsNone"},        {cbsSingle, "cbsSingle"}, {cbsThick, "cbsThick"},
                                 {cbsFlat, "cbsFlat"},        {cbs3D, "cbs3D"},         {cbsUltraFlat, "cbsUltraFlat"},
                                 {cbsOffice11, "cbsOffice11"}};
const TIdentMap kBorders = {{bLeft, "bLeft"}, {bTop, "bTop"}, {bRight, "bRight"}, {bBottom, "bBottom"}};
const TIdentMap kStyleValues = [] {
  TIdentMap idents;
  for (int value = 0; value < kContainerStyleValueCount; ++value)
    idents.push_back({value, kValueNames[static_cast<size_t>(value)]});
  return idents;
}();

// A direct-access style starts out holding its colours and font.
const TcxContainerStyleValues kDirectAccessValues{csvColor, csvFont, csvTextColor, csvTextStyle};
const TcxContainerStyleValues kCommonValues{csvEdges, csvFont, csvHotTrack, csvShadow, csvTransparentBorder};

TcxContainerStyleValues AllValuesBelow(int count) {
  constexpr int kBitCount = 32;
  return TcxContainerStyleValues::FromBits(count >= kBitCount ? ~0u : (1u << count) - 1);
}

TcxContainerBorderStyle BorderStyleOfKind(TcxLookAndFeelKind kind) {
  switch (kind) {
    case lfFlat: return cbsFlat;
    case lfStandard: return cbs3D;
    case lfOffice11: return cbsOffice11;
    case lfUltraFlat: break;
  }
  return cbsUltraFlat;
}

// The focused and hot states raise a plain border by one step.
TcxContainerBorderStyle RaisedBorderStyle(TcxContainerBorderStyle borderStyle) {
  switch (borderStyle) {
    case cbsNone: return cbsFlat;
    case cbsSingle:
    case cbsThick: return cbsThick;
    case cbsFlat:
    case cbs3D: return cbs3D;
    case cbsUltraFlat:
    case cbsOffice11: break;
  }
  return borderStyle;
}

// Font changes made while it lives are the style's own doing, not an assignment.
class TFontLock {
 public:
  explicit TFontLock(int& count) : FCount(count) { ++FCount; }
  ~TFontLock() { --FCount; }
  TFontLock(const TFontLock&) = delete;
  TFontLock& operator=(const TFontLock&) = delete;

 private:
  int& FCount;
};

}  // namespace

int GetContainerBorderWidth(TcxContainerBorderStyle borderStyle) { return kBorderWidths.at(borderStyle); }

TcxStyleController* GetDefaultStyleController() { return gDefaultStyleController; }

void SetDefaultStyleController(TcxStyleController* value) { gDefaultStyleController = value; }

TcxContainerStyle::TcxContainerStyle(TPersistent* owner, TcxContainerState state, TcxContainerStyle* parentStyle,
                                     bool directAccess)
    : TcxInterfacedPersistent(owner),
      FDirectAccessMode(directAccess),
      FParentStyle(state == csNormal ? nullptr : parentStyle),
      FState(state),
      FVisibleFont(std::make_unique<TFont>()) {
  if (FDirectAccessMode) FAssignedValues = kDirectAccessValues;
  if (!IsBaseStyle() || FDirectAccessMode) return;
  FOwnedFont = std::make_unique<TFont>();
  FFont = FOwnedFont.get();
  FFont->SetOnChange([this](TObject* sender) { FontChanged(sender); });
  FLookAndFeel = std::make_unique<TcxLookAndFeel>(this);
  FLookAndFeel->SetOnChanged([this](TcxLookAndFeel*, TcxLookAndFeelValues) { Changed(); });
  SetStyleController(nullptr);
}

void TcxContainerStyle::BeforeDestruction() {
  FIsDestroying = true;
  if (IsBaseStyle() && FStyleController) FStyleController->RemoveListener(this);
  TcxInterfacedPersistent::BeforeDestruction();
}

TcxContainerStyle::~TcxContainerStyle() {
  FLookAndFeel.reset();
  FVisibleFont.reset();
  FOwnedFont.reset();
}

TClass TcxContainerStyle::StaticClass() {
  using S = TcxContainerStyle;
  static const TMetaClass metaClass =
      TClassBuilder<S>("TcxContainerStyle", TcxInterfacedPersistent::StaticClass())
          .Set("AssignedValues", &S::AssignedValues, &S::SetAssignedValues, kStyleValues, TcxContainerStyleValues{})
          .NoDefault()
          .Integer("BorderColor", &S::BorderColor, &S::SetBorderColor, clWindowFrame, &ColorIdents())
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvBorderColor); })
          .Enumeration("BorderStyle", &S::BorderStyle, &S::SetBorderStyle, kBorderStyles, cbsNone)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvBorderStyle); })
          .Integer("Color", &S::GetColor, &S::SetColor, clWindow, &ColorIdents())
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvColor); })
          .Set("Edges", &S::Edges, &S::SetEdges, kBorders, TcxBorders{})
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvEdges); })
          .Object("Font", &S::FontObject)
          .Stored([](const S& style) { return style.IsValueStored(csvFont); })
          .Boolean("HotTrack", &S::HotTrack, &S::SetHotTrack, true)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvHotTrack); })
          .Object("LookAndFeel", &S::LookAndFeelObject)
          .Stored(&S::IsLookAndFeelStored)
          .Boolean("Shadow", &S::Shadow, &S::SetShadow, false)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvShadow); })
          .Component("StyleController", &S::StyleController, &S::SetStyleController)
          .Stored(&S::IsStyleControllerStored)
          .Integer("TextColor", &S::GetTextColor, &S::SetTextColor, clWindowText, &ColorIdents())
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvTextColor); })
          .Set("TextStyle", &S::GetTextStyle, &S::SetTextStyle, FontStyleIdents(), TFontStyles{})
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvTextStyle); })
          .Boolean("TransparentBorder", &S::TransparentBorder, &S::SetTransparentBorder, true)
          .NoDefault()
          .Stored([](const S& style) { return style.IsValueStored(csvTransparentBorder); })
          .DefineBoolean("IsFontAssigned", &S::ReadIsFontAssigned)
          .Build();
  return &metaClass;
}

void TcxContainerStyle::Assign(const TPersistent* source) {
  const auto* style = dynamic_cast<const TcxContainerStyle*>(source);
  if (!style) {
    TcxInterfacedPersistent::Assign(source);
    return;
  }
  BeginUpdate();
  if (IsBaseStyle()) {
    SetStyleController(style->StyleController());
    if (style->LookAndFeel()) SetLookAndFeel(style->LookAndFeel());
  }
  FBorderColor = style->FBorderColor;
  FBorderStyle = style->FBorderStyle;
  FEdges = style->FEdges;
  FHotTrack = style->FHotTrack;
  FShadow = style->FShadow;
  FTransparentBorder = style->FTransparentBorder;
  FColor = style->FColor;
  if (FDirectAccessMode) {
    FFont = style->Font();
    FTextColor = style->GetTextColor();
  } else {
    if (FOwnedFont && style->Font()) {
      FOwnedFont->Assign(*style->Font());
      if (style->FDirectAccessMode) FOwnedFont->SetColor(style->GetTextColor());
    }
    FTextColor = style->GetTextColor();
    FTextStyle = style->GetTextStyle();
  }
  SetAssignedValues(style->AssignedValues());
  Changed();
  EndUpdate();
}

void TcxContainerStyle::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  CheckChanges();
}

TColor TcxContainerStyle::BorderColor() const {
  if (FDirectAccessMode) return clDefault;
  return Resolve(csvBorderColor, &TcxContainerStyle::FBorderColor, &TcxContainerStyle::DefaultBorderColor);
}

void TcxContainerStyle::SetBorderColor(TColor value) {
  StoreValue(csvBorderColor, &TcxContainerStyle::FBorderColor, value);
}

TcxContainerBorderStyle TcxContainerStyle::BorderStyle() const {
  if (FDirectAccessMode) return HasOwnValue(csvBorderStyle) ? FBorderStyle : DefaultBorderStyle();
  return Resolve(csvBorderStyle, &TcxContainerStyle::FBorderStyle, &TcxContainerStyle::DefaultBorderStyle);
}

void TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle value) {
  StoreValue(csvBorderStyle, &TcxContainerStyle::FBorderStyle, value);
}

TColor TcxContainerStyle::GetColor() const {
  if (FDirectAccessMode) return FColor;
  if (IsBaseStyle())
    if (const std::optional<TColor> parentColor = ParentControlColor()) return *parentColor;
  return Resolve(csvColor, &TcxContainerStyle::FColor, &TcxContainerStyle::DefaultColor);
}

void TcxContainerStyle::SetColor(TColor value) { StoreValue(csvColor, &TcxContainerStyle::FColor, value); }

TColor TcxContainerStyle::GetVisibleColor() const {
  if (FDirectAccessMode) return FColor;
  if (const TcxContainerStyle* holder = FindValueHolder(csvColor)) return holder->FColor;
  const IcxContainerStyleOwner* container = GetContainer();
  if (IsBaseStyle() && container && !container->IsInplace())
    if (const std::optional<TColor> parentColor = ParentControlColor()) return *parentColor;
  return DefaultColor();
}

TcxBorders TcxContainerStyle::Edges() const {
  if (FDirectAccessMode) return {};
  return Resolve(csvEdges, &TcxContainerStyle::FEdges, &TcxContainerStyle::DefaultEdges);
}

void TcxContainerStyle::SetEdges(TcxBorders value) { StoreValue(csvEdges, &TcxContainerStyle::FEdges, value); }

TFont* TcxContainerStyle::Font() const { return GetBaseStyle()->FFont; }

void TcxContainerStyle::SetFont(TFont* value) {
  if (FDirectAccessMode) {
    FFont = value;
    return;
  }
  TcxContainerStyle* base = GetBaseStyle();
  if (!value) return;
  base->BeginUpdate();
  base->FFont->Assign(*value);
  base->FAssignedValues.Include(csvFont);
  base->Changed();
  base->EndUpdate();
}

bool TcxContainerStyle::HotTrack() const {
  if (FDirectAccessMode) return HasOwnValue(csvHotTrack) ? FHotTrack : DefaultHotTrack();
  return Resolve(csvHotTrack, &TcxContainerStyle::FHotTrack, &TcxContainerStyle::DefaultHotTrack);
}

void TcxContainerStyle::SetHotTrack(bool value) { StoreValue(csvHotTrack, &TcxContainerStyle::FHotTrack, value); }

bool TcxContainerStyle::Shadow() const {
  if (FDirectAccessMode) return false;
  return Resolve(csvShadow, &TcxContainerStyle::FShadow, &TcxContainerStyle::DefaultShadow);
}

void TcxContainerStyle::SetShadow(bool value) { StoreValue(csvShadow, &TcxContainerStyle::FShadow, value); }

TColor TcxContainerStyle::GetTextColor() const {
  if (FDirectAccessMode) return FTextColor;
  return Resolve(csvTextColor, &TcxContainerStyle::FTextColor, &TcxContainerStyle::DefaultTextColor);
}

void TcxContainerStyle::SetTextColor(TColor value) { StoreValue(csvTextColor, &TcxContainerStyle::FTextColor, value); }

TFontStyles TcxContainerStyle::GetTextStyle() const {
  if (FDirectAccessMode) return FFont ? FFont->Style() : TFontStyles{};
  return Resolve(csvTextStyle, &TcxContainerStyle::FTextStyle, &TcxContainerStyle::DefaultTextStyle);
}

void TcxContainerStyle::SetTextStyle(TFontStyles value) {
  StoreValue(csvTextStyle, &TcxContainerStyle::FTextStyle, value);
}

bool TcxContainerStyle::TransparentBorder() const {
  if (FDirectAccessMode) return true;
  return Resolve(csvTransparentBorder, &TcxContainerStyle::FTransparentBorder,
                 &TcxContainerStyle::DefaultTransparentBorder);
}

void TcxContainerStyle::SetTransparentBorder(bool value) {
  StoreValue(csvTransparentBorder, &TcxContainerStyle::FTransparentBorder, value);
}

TFont* TcxContainerStyle::GetVisibleFont() {
  if (const TFont* font = Font()) FVisibleFont->Assign(*font);
  FVisibleFont->SetColor(GetTextColor());
  FVisibleFont->SetStyle(GetTextStyle());
  return FVisibleFont.get();
}

TcxContainerStyleValues TcxContainerStyle::AssignedValues() const {
  return FDirectAccessMode ? AllValuesBelow(GetValueCount()) : FAssignedValues;
}

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues value) {
  if (value == FAssignedValues) return;
  FAssignedValues = value;
  if (IsBaseStyle()) UpdateFont();
  Changed();
}

TcxLookAndFeel* TcxContainerStyle::LookAndFeel() const { return GetBaseStyle()->FLookAndFeel.get(); }

void TcxContainerStyle::SetLookAndFeel(TcxLookAndFeel* value) {
  if (TcxLookAndFeel* lookAndFeel = LookAndFeel(); lookAndFeel && value) lookAndFeel->Assign(value);
}

TcxStyleController* TcxContainerStyle::StyleController() const {
  TcxStyleController* controller = GetActiveStyleController();
  return controller == GetDefaultStyleController() ? nullptr : controller;
}

void TcxContainerStyle::SetStyleController(TcxStyleController* value) {
  if (!IsBaseStyle()) {
    FParentStyle->SetStyleController(value);
    return;
  }
  TcxStyleController* defaultController = GetDefaultStyleController();
  if (FDirectAccessMode || (defaultController && GetOwner() == defaultController)) return;
  if (!value)
    value = AcceptableDefaultController();
  else if (ReachesThisStyle(value))
    return;
  ChangeStyleController(value);
}

TcxStyleController* TcxContainerStyle::GetActiveStyleController() const { return GetBaseStyle()->FStyleController; }

TcxContainerStyle* TcxContainerStyle::GetBaseStyle() const {
  return IsBaseStyle() ? const_cast<TcxContainerStyle*>(this) : FParentStyle;
}

IcxContainerStyleOwner* TcxContainerStyle::GetContainer() const {
  return dynamic_cast<IcxContainerStyleOwner*>(GetOwner());
}

TcxContainerStyleValues TcxContainerStyle::GetCommonValues() const { return kCommonValues; }

int TcxContainerStyle::GetValueCount() const { return kContainerStyleValueCount; }

bool TcxContainerStyle::GetValueName(TcxContainerStyleValue value, std::string& name) const {
  if (value >= kContainerStyleValueCount) return false;
  name = kValueNames[value];
  return true;
}

bool TcxContainerStyle::IsValueAssigned(TcxContainerStyleValue value) const {
  // TransparentBorder and what lies beyond answer False here, set or not:
  // descendants answer for their own values.
  if (value >= csvTransparentBorder) return false;
  return FindValueHolder(value) != nullptr;
}

void TcxContainerStyle::RestoreDefaults() {
  BeginUpdate();
  SetAssignedValues({});
  if (IsBaseStyle() && FLookAndFeel) FLookAndFeel->SetAssignedValues({});
  if (IcxContainerStyleOwner* container = GetContainer()) {
    TControl& control = container->StyleOwnerControl();
    control.SetParentColor(false);
    control.SetParentFont(true);
    if (container->IsDefaultParentColor()) {
      const TcxStyleController* controller = GetActiveStyleController();
      if (!controller || !controller->Style()->IsValueAssigned(csvColor)) control.SetParentColor(true);
    }
  } else if (FOwnedFont) {
    ResetFont();
  }
  EndUpdate();
}

void TcxContainerStyle::Changed() {
  FModified = true;
  CheckChanges();
}

// The font's own change notice and this one make a single notification.
void TcxContainerStyle::UpdateFontAndNotify() {
  BeginUpdate();
  UpdateFont();
  Changed();
  EndUpdate();
}

void TcxContainerStyle::ControllerFreeNotification(TcxStyleController* controller) {
  // The default controller's own styles refuse new controllers, but must let
  // go of a dying one all the same.
  if (controller && controller == GetActiveStyleController())
    GetBaseStyle()->ChangeStyleController(AcceptableDefaultController());
}

bool TcxContainerStyle::IsValueStored(TcxContainerStyleValue value) const {
  std::string name;
  if (!HasOwnValue(value) || !GetValueName(value, name)) return false;
  const IcxContainerStyleOwner* container = GetContainer();
  return !container || container->IsStylePropertyStored(name, !IsBaseStyle());
}

bool TcxContainerStyle::IsStyleControllerStored() const { return FState == csNormal && StyleController(); }

bool TcxContainerStyle::IsLookAndFeelStored() const { return FLookAndFeel != nullptr; }

void TcxContainerStyle::ReadIsFontAssigned(bool) {
  TcxContainerStyle* base = GetBaseStyle();
  TcxContainerStyleValues values = base->FAssignedValues;
  values.Include(csvFont);
  base->SetAssignedValues(values);
}

TColor TcxContainerStyle::DefaultBorderColor() const {
  if (FState == csDisabled) return clBtnShadow;
  return IsBaseStyle() ? clWindowFrame : FParentStyle->BorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::DefaultBorderStyle() const {
  if (!IsBaseStyle()) return MapParentBorderStyle(FParentStyle->BorderStyle());
  if (const TcxLookAndFeel* lookAndFeel = LookAndFeel()) return BorderStyleOfKind(lookAndFeel->Kind());
  return BorderStyleOfKind(RootLookAndFeel ? RootLookAndFeel->Kind() : TcxLookAndFeelData{}.Kind);
}

TColor TcxContainerStyle::DefaultColor() const {
  const IcxContainerStyleOwner* container = GetContainer();
  const bool parentColorByDefault = !container || container->IsDefaultParentColor();
  if (IsBaseStyle()) return parentColorByDefault ? clBtnFace : clWindow;
  if (FState == csDisabled && !parentColorByDefault) return clBtnFace;
  return FParentStyle->GetColor();
}

TcxBorders TcxContainerStyle::DefaultEdges() const { return cxBordersAll; }

bool TcxContainerStyle::DefaultHotTrack() const { return true; }

bool TcxContainerStyle::DefaultShadow() const { return false; }

TColor TcxContainerStyle::DefaultTextColor() const {
  if (FState == csDisabled) return clBtnShadow;
  if (!IsBaseStyle()) return FParentStyle->GetTextColor();
  return Font() ? Font()->Color() : clWindowText;
}

TFontStyles TcxContainerStyle::DefaultTextStyle() const {
  if (!IsBaseStyle()) return FParentStyle->GetTextStyle();
  return Font() ? Font()->Style() : TFontStyles{};
}

bool TcxContainerStyle::DefaultTransparentBorder() const { return true; }

void TcxContainerStyle::FontChanged(TObject*) {
  if (FFontLockCount == 0) FAssignedValues.Include(csvFont);
  Changed();
}

TcxStyleController* TcxContainerStyle::GetDefaultStyleController() const { return ::GetDefaultStyleController(); }

TcxContainerStyle* TcxContainerStyle::ValueStyle(TcxContainerStyleValue value) const {
  return IsCommonValue(value) ? GetBaseStyle() : const_cast<TcxContainerStyle*>(this);
}

const TcxContainerStyle* TcxContainerStyle::FindValueHolder(TcxContainerStyleValue value) const {
  const TcxContainerStyle* style = ValueStyle(value);
  if (style->HasOwnValue(value)) return style;
  const TcxStyleController* controller = style->GetActiveStyleController();
  return controller ? controller->Styles().GetStyleByState(style->FState)->FindValueHolder(value) : nullptr;
}

template <class V>
V TcxContainerStyle::Resolve(TcxContainerStyleValue value, V TcxContainerStyle::*field,
                             V (TcxContainerStyle::*byDefault)() const) const {
  if (const TcxContainerStyle* holder = FindValueHolder(value)) return holder->*field;
  return (ValueStyle(value)->*byDefault)();
}

template <class V>
void TcxContainerStyle::StoreValue(TcxContainerStyleValue value, V TcxContainerStyle::*field, V newValue) {
  TcxContainerStyle* style = ValueStyle(value);
  if (style->HasOwnValue(value) && style->*field == newValue) return;
  style->*field = newValue;
  style->FAssignedValues.Include(value);
  style->Changed();
}

TcxContainerBorderStyle TcxContainerStyle::MapParentBorderStyle(TcxContainerBorderStyle parentBorderStyle) const {
  const TcxContainerState row = HotTrack() || FState == csDisabled ? FState : csNormal;
  return row == csFocused || row == csHot ? RaisedBorderStyle(parentBorderStyle) : parentBorderStyle;
}

std::optional<TColor> TcxContainerStyle::ParentControlColor() const {
  IcxContainerStyleOwner* container = GetContainer();
  if (!container) return std::nullopt;
  const TControl& control = container->StyleOwnerControl();
  if (!control.ParentColor() || !control.Parent()) return std::nullopt;
  return control.Parent()->Color();
}

bool TcxContainerStyle::ReachesThisStyle(TcxStyleController* controller) const {
  const TcxContainerStyle* base = GetBaseStyle();
  for (; controller; controller = controller->Style()->GetActiveStyleController())
    if (controller->Style() == base) return true;
  return false;
}

TcxStyleController* TcxContainerStyle::AcceptableDefaultController() const {
  TcxStyleController* defaultController = GetDefaultStyleController();
  return ReachesThisStyle(defaultController) ? nullptr : defaultController;
}

void TcxContainerStyle::ChangeStyleController(TcxStyleController* value) {
  if (value == FStyleController) return;
  if (FStyleController) FStyleController->RemoveListener(this);
  FStyleController = value;
  if (FStyleController) FStyleController->AddListener(this);
  UpdateFontAndNotify();
}

void TcxContainerStyle::ResetFont() {
  const TFontLock lock(FFontLockCount);
  FOwnedFont->Assign(TFont());
}

void TcxContainerStyle::UpdateFont() {
  if (!FOwnedFont || HasOwnValue(csvFont)) return;
  const TFontLock lock(FFontLockCount);
  const TcxStyleController* controller = GetActiveStyleController();
  if (const TcxContainerStyle* holder = controller ? controller->Style()->FindValueHolder(csvFont) : nullptr) {
    FOwnedFont->Assign(*holder->Font());
    return;
  }
  IcxContainerStyleOwner* container = GetContainer();
  if (!container || !container->StyleOwnerControl().ParentFont()) ResetFont();
}

void TcxContainerStyle::CheckChanges() {
  if (!FModified || FUpdateCount > 0) return;
  FModified = false;
  if (!FIsDestroying && !FDirectAccessMode && FOnChanged) FOnChanged(this);
}

TOwned<TcxContainerStyle> CreateContainerStyle(TPersistent* owner, TcxContainerState state,
                                               TcxContainerStyle* parentStyle) {
  return TOwned<TcxContainerStyle>(new TcxContainerStyle(owner, state, parentStyle, false));
}

TcxContainerStyles::TcxContainerStyles(TPersistent* owner, TcxContainerStyleClass styleClass) {
  FStyles[csNormal] = styleClass(owner, csNormal, nullptr);
  for (const TcxContainerState state : {csFocused, csDisabled, csHot})
    FStyles[state] = styleClass(owner, state, FStyles[csNormal].get());
}

// The state styles read the normal one: they go first, the last first.
TcxContainerStyles::~TcxContainerStyles() {
  for (auto style = FStyles.rbegin(); style != FStyles.rend(); ++style) style->reset();
}

void TcxContainerStyles::SetOnChanged(const TNotifyEvent& handler) {
  for (const TOwned<TcxContainerStyle>& style : FStyles) style->SetOnChanged(handler);
}

TcxStyleController::TcxStyleController(TComponent* owner, TcxContainerStyleClass styleClass)
    : TComponent(owner), FStyleClass(styleClass), FStyles(std::make_unique<TcxContainerStyles>(this, styleClass)) {
  FStyles->SetOnChanged([this](TObject*) { StyleChanged(); });
}

// Every listener lets go before the styles go, so none keeps this controller.
void TcxStyleController::BeforeDestruction() {
  FIsDestruction = true;
  if (gDefaultStyleController == this) gDefaultStyleController = nullptr;
  const std::vector<TcxContainerStyle*> listeners = FListeners;
  for (auto listener = listeners.rbegin(); listener != listeners.rend(); ++listener)
    if (std::find(FListeners.begin(), FListeners.end(), *listener) != FListeners.end())
      (*listener)->ControllerFreeNotification(this);
  TComponent::BeforeDestruction();
  FStyles.reset();
}

TClass TcxStyleController::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxStyleController>("TcxStyleController", TComponent::StaticClass())
                                          .Component("FakeStyleController", &TcxStyleController::FakeStyleController,
                                                     &TcxStyleController::SetFakeStyleController)
                                          .Build();
  return &metaClass;
}

void TcxStyleController::Loaded() {
  TComponent::Loaded();
  StyleChanged();
}

void TcxStyleController::AddListener(TcxContainerStyle* style) {
  if (!style || std::find(FListeners.begin(), FListeners.end(), style) != FListeners.end()) return;
  FListeners.push_back(style);
  if (TcxLookAndFeel* lookAndFeel = style->LookAndFeel()) lookAndFeel->SetMasterLookAndFeel(Style()->LookAndFeel());
}

void TcxStyleController::RemoveListener(TcxContainerStyle* style) {
  const auto position = std::find(FListeners.begin(), FListeners.end(), style);
  if (position == FListeners.end()) return;
  FListeners.erase(position);
  if (TcxLookAndFeel* lookAndFeel = style->LookAndFeel()) lookAndFeel->SetMasterLookAndFeel(nullptr);
}

void TcxStyleController::ChangeFontScale(int multiplier, int divisor) {
  TcxContainerStyle* style = Style();
  if (!style->AssignedValues().Contains(csvFont)) {
    if (TcxStyleController* controller = style->GetActiveStyleController())
      controller->ChangeFontScale(multiplier, divisor);
    return;
  }
  if (FFontScaled) return;
  FFontScaled = true;
  style->Font()->SetSize(MulDiv(style->Font()->Size(), multiplier, divisor));
}

// A listener may leave while the others hear: each still listed hears once.
void TcxStyleController::StyleChanged() {
  if (FOnStyleChanged) FOnStyleChanged(this);
  if (FIsDestruction) return;
  const std::vector<TcxContainerStyle*> listeners = FListeners;
  for (TcxContainerStyle* listener : listeners)
    if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end()) listener->UpdateFontAndNotify();
}
