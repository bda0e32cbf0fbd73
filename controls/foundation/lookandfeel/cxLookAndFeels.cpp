#include "controls/foundation/lookandfeel/cxLookAndFeels.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/foundation/graphics/dxOffice11.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/classes/UtilWindow.h"
#include "platform/controls/core/Form.h"
#include "platform/rtl/Units.h"

namespace {

class TcxSystemPaletteChangedListener {
 public:
  TcxSystemPaletteChangedListener() : FWindow(&TcxSystemPaletteChangedListener::WndProc) {}

  void Add(TcxSystemPaletteChangedNotifier* notifier) { ListOf(notifier).push_back(notifier); }
  void Remove(TcxSystemPaletteChangedNotifier* notifier) { std::erase(ListOf(notifier), notifier); }
  bool Empty() const { return FNotifiers.empty() && FPrimaryNotifiers.empty(); }
  bool Contains(const TcxSystemPaletteChangedNotifier* notifier) {
    const std::vector<TcxSystemPaletteChangedNotifier*>& list = ListOf(notifier);
    return std::find(list.begin(), list.end(), notifier) != list.end();
  }
  HWND Handle() const { return FWindow.Handle(); }
  // The primary notifiers from the last to the first, then the others likewise.
  std::vector<TcxSystemPaletteChangedNotifier*> NotificationOrder() const {
    std::vector<TcxSystemPaletteChangedNotifier*> order(FPrimaryNotifiers.rbegin(), FPrimaryNotifiers.rend());
    order.insert(order.end(), FNotifiers.rbegin(), FNotifiers.rend());
    return order;
  }

 private:
  std::vector<TcxSystemPaletteChangedNotifier*>& ListOf(const TcxSystemPaletteChangedNotifier* notifier) {
    return notifier->IsPrimary() ? FPrimaryNotifiers : FNotifiers;
  }
  static bool WndProc(TMessage& message);

  std::vector<TcxSystemPaletteChangedNotifier*> FNotifiers;
  std::vector<TcxSystemPaletteChangedNotifier*> FPrimaryNotifiers;
  TUtilWindow FWindow;
};

std::unique_ptr<TcxSystemPaletteChangedListener> gListener;
TUnitGuard gUnit;
std::unique_ptr<TcxLookAndFeel> gRootLookAndFeel;

const TIdentMap kKinds = {
    {lfFlat, "lfFlat"}, {lfStandard, "lfStandard"}, {lfUltraFlat, "lfUltraFlat"}, {lfOffice11, "lfOffice11"}};

const TcxLookAndFeelData kDefaultData;

bool IsController(IcxLookAndFeelListener* listener) {
  return dynamic_cast<TcxLookAndFeelController*>(listener->GetObject()) != nullptr;
}

TcxLookAndFeelValues Without(TcxLookAndFeelValues values, TcxLookAndFeelValues removed) {
  return TcxLookAndFeelValues::FromBits(values.Bits() & ~removed.Bits());
}

// A notifier's handler may free notifiers, the last one and with it this
// listener included: the order is taken first, and each notifier is asked for
// only while it is still listed.
void NotifySystemPaletteChanged() {
  for (TcxSystemPaletteChangedNotifier* notifier : gListener->NotificationOrder())
    if (gListener && gListener->Contains(notifier)) notifier->DoChanged();
}

bool TcxSystemPaletteChangedListener::WndProc(TMessage& message) {
  if (message.Msg != WM_SYSCOLORCHANGE) return false;
  RefreshOffice11Colors();
  NotifySystemPaletteChanged();
  // The default processing follows.
  return false;
}

}  // namespace

TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool isPrimary) : FIsPrimary(isPrimary) {
  if (!gListener) {
    AddOffice11ColorsRef();
    gListener = std::make_unique<TcxSystemPaletteChangedListener>();
  }
  gListener->Add(this);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier() {
  gListener->Remove(this);
  if (!gListener->Empty()) return;
  gListener.reset();
  ReleaseOffice11ColorsRef();
}

void TcxSystemPaletteChangedNotifier::DoChanged() {
  if (FOnSystemPaletteChanged) FOnSystemPaletteChanged();
}

HWND SystemPaletteChangedListenerWindow() { return gListener ? gListener->Handle() : nullptr; }

TcxLookAndFeel* RootLookAndFeel = nullptr;

TcxLookAndFeelPainterClass KindPainter(TcxLookAndFeelKind kind) {
  switch (kind) {
    case lfFlat: return cxFlatLookAndFeelPainter();
    case lfStandard: return cxStandardLookAndFeelPainter();
    case lfOffice11: return cxOffice11LookAndFeelPainter();
    case lfUltraFlat: break;
  }
  return cxUltraFlatLookAndFeelPainter();
}

TcxLookAndFeel::TcxLookAndFeel(TPersistent* owner)
    : TcxInterfacedPersistent(owner),
      FSystemPaletteChangedNotifier(std::make_unique<TcxSystemPaletteChangedNotifier>()) {
  FSystemPaletteChangedNotifier->SetOnSystemPaletteChanged([this] { NotifyNativeStyleChanged(); });
  if (RootLookAndFeel) RootLookAndFeel->AddChangeListener(this);
  UpdateCurrentData();
}

TcxLookAndFeel::~TcxLookAndFeel() {
  if (TcxExtendedStylePainters* painters = GetExtendedStylePainters()) painters->RemoveListener(this);
  FSystemPaletteChangedNotifier.reset();
  // Listeners may leave or join while they hear of the end; each is told once,
  // and only while still listed.
  FIsDestroying = true;
  const std::vector<IcxLookAndFeelListener*> listeners = FChangeListeners;
  for (IcxLookAndFeelListener* listener : listeners)
    if (std::find(FChangeListeners.begin(), FChangeListeners.end(), listener) != FChangeListeners.end())
      listener->MasterLookAndFeelDestroying(this);
  FIsDestroying = false;
  FChangeListeners.clear();
  if (TcxLookAndFeel* master = GetMasterLookAndFeel()) master->RemoveChangeListener(this);
  if (FIsRoot) RootLookAndFeel = nullptr;
}

TClass TcxLookAndFeel::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxLookAndFeel>("TcxLookAndFeel", TcxInterfacedPersistent::StaticClass())
          .Enumeration("Kind", &TcxLookAndFeel::Kind, &TcxLookAndFeel::SetKind, kKinds, lfUltraFlat)
          .NoDefault()
          .Stored(&TcxLookAndFeel::IsKindStored)
          .Boolean("NativeStyle", &TcxLookAndFeel::NativeStyle, &TcxLookAndFeel::SetNativeStyle, false)
          .NoDefault()
          .Stored(&TcxLookAndFeel::IsNativeStyleStored)
          .String("SkinName", &TcxLookAndFeel::SkinName, &TcxLookAndFeel::SetSkinName)
          .Stored(&TcxLookAndFeel::IsSkinNameStored)
          .Build();
  return &metaClass;
}

void TcxLookAndFeel::Assign(const TPersistent* source) {
  const auto* lookAndFeel = dynamic_cast<const TcxLookAndFeel*>(source);
  if (!lookAndFeel) {
    TcxInterfacedPersistent::Assign(source);
    return;
  }
  SaveValues();
  FData = lookAndFeel->FData;
  FAssignedValues = lookAndFeel->FAssignedValues;
  SetMasterLookAndFeel(lookAndFeel->FMasterLookAndFeel);
  CheckValuesChanged();
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind value) {
  const TcxLookAndFeelKind previous = InternalGetKind();
  FAssignedValues.Include(lfvKind);
  FData.Kind = value;
  if (InternalGetKind() != previous) Changed({lfvKind});
}

void TcxLookAndFeel::SetNativeStyle(bool value) {
  const bool previous = InternalGetNativeStyle();
  FAssignedValues.Include(lfvNativeStyle);
  FData.NativeStyle = value;
  if (InternalGetNativeStyle() != previous) Changed({lfvNativeStyle});
}

void TcxLookAndFeel::SetSkinName(const TdxSkinName& value) {
  const TdxSkinName previous = InternalGetSkinName();
  FAssignedValues.Include(lfvSkinName);
  FData.SkinName = value;
  if (InternalGetSkinName() != previous) Changed({lfvSkinName});
}

void TcxLookAndFeel::SetAssignedValues(TcxLookAndFeelValues value) {
  if (value == FAssignedValues) return;
  SaveValues();
  FAssignedValues = value;
  CheckValuesChanged();
}

TcxLookAndFeel* TcxLookAndFeel::GetMasterLookAndFeel() const {
  if (FIsRoot) return nullptr;
  return FMasterLookAndFeel ? FMasterLookAndFeel : RootLookAndFeel;
}

void TcxLookAndFeel::SetMasterLookAndFeel(TcxLookAndFeel* value) {
  if (FIsRoot || value == FMasterLookAndFeel) return;
  for (const TcxLookAndFeel* master = value; master; master = master->FMasterLookAndFeel)
    if (master == this) return;
  SaveValues();
  if (TcxLookAndFeel* master = GetMasterLookAndFeel()) master->RemoveChangeListener(this);
  FMasterLookAndFeel = value;
  if (TcxLookAndFeel* master = GetMasterLookAndFeel()) master->AddChangeListener(this);
  CheckValuesChanged();
}

TcxLookAndFeelPainterClass TcxLookAndFeel::GetAvailablePainter(TdxThemedObjectType themedObjectType) const {
  if (NativeStyle() && IsThemeTypeAvailable(themedObjectType)) return cxWinXPLookAndFeelPainter();
  if (FSkinPainter) return FSkinPainter;
  return KindPainter(Kind());
}

void TcxLookAndFeel::AddChangeListener(IcxLookAndFeelListener* listener) {
  const bool controller = IsController(listener);
  if (controller && !FIsRoot) return;
  if (std::find(FChangeListeners.begin(), FChangeListeners.end(), listener) != FChangeListeners.end()) return;
  FChangeListeners.push_back(listener);
  if (controller) ++FControllerCount;
}

void TcxLookAndFeel::RemoveChangeListener(IcxLookAndFeelListener* listener) {
  const auto position = std::find(FChangeListeners.begin(), FChangeListeners.end(), listener);
  if (position == FChangeListeners.end() || FIsDestroying) return;
  FChangeListeners.erase(position);
  if (FIsRoot && IsController(listener) && --FControllerCount == 0) SetAssignedValues({});
}

void TcxLookAndFeel::MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues changedValues) {
  Changed(Without(changedValues, FAssignedValues));
}

// The master goes: this object follows the root from now on, so that it never
// asks the freed master again.
void TcxLookAndFeel::MasterLookAndFeelDestroying(TcxLookAndFeel* sender) {
  if (sender != GetMasterLookAndFeel()) return;
  SaveValues();
  FMasterLookAndFeel = nullptr;
  if (RootLookAndFeel && RootLookAndFeel != sender) RootLookAndFeel->AddChangeListener(this);
  CheckValuesChanged();
}

TcxLookAndFeelKind TcxLookAndFeel::InternalGetKind() const {
  if (FAssignedValues.Contains(lfvKind)) return FData.Kind;
  const TcxLookAndFeel* master = GetMasterLookAndFeel();
  return master ? master->Kind() : kDefaultData.Kind;
}

bool TcxLookAndFeel::InternalGetNativeStyle() const {
  if (FAssignedValues.Contains(lfvNativeStyle)) return FData.NativeStyle;
  const TcxLookAndFeel* master = GetMasterLookAndFeel();
  return master ? master->NativeStyle() : kDefaultData.NativeStyle;
}

TdxSkinName TcxLookAndFeel::InternalGetSkinName() const {
  if (FAssignedValues.Contains(lfvSkinName)) return FData.SkinName;
  const TcxLookAndFeel* master = GetMasterLookAndFeel();
  return master ? master->SkinName() : kDefaultData.SkinName;
}

bool TcxLookAndFeel::GetSkinPainter(TcxLookAndFeelPainterClass& painter) const {
  if (FAssignedValues.Contains(lfvSkinName)) return FindSkinPainter(FData.SkinName, painter);
  const TcxLookAndFeel* master = GetMasterLookAndFeel();
  return master && master->FindSkinPainter(master->SkinName(), painter);
}

bool TcxLookAndFeel::FindSkinPainter(const TdxSkinName& name, TcxLookAndFeelPainterClass& painter) const {
  painter = nullptr;
  const TcxExtendedStylePainters* painters = GetExtendedStylePainters();
  return !name.empty() && painters && painters->GetPainterByName(name, painter);
}

void TcxLookAndFeel::NotifyNativeStyleChanged() { Changed({lfvNativeStyle}); }

void TcxLookAndFeel::PainterChanged() { Changed({lfvKind, lfvNativeStyle, lfvSkinName}); }

void TcxLookAndFeel::Changed(TcxLookAndFeelValues changedValues) {
  if (changedValues == TcxLookAndFeelValues{} || FIsDestroying) return;
  UpdateCurrentData();
  // A listener may add or remove listeners, itself included: those listed at
  // the start are told once each, while they are still listed.
  const std::vector<IcxLookAndFeelListener*> listeners = FChangeListeners;
  for (IcxLookAndFeelListener* listener : listeners)
    if (std::find(FChangeListeners.begin(), FChangeListeners.end(), listener) != FChangeListeners.end())
      listener->MasterLookAndFeelChanged(this, changedValues);
  if (FOnChanged) FOnChanged(this, changedValues);
}

void TcxLookAndFeel::UpdateCurrentData() {
  FCurrentData = {InternalGetKind(), InternalGetNativeStyle(), InternalGetSkinName()};
  FSkinPainter = nullptr;
  if (!FCurrentData.NativeStyle) GetSkinPainter(FSkinPainter);
  // Native style wins over a skin, a skin over the kind.
  if (FCurrentData.NativeStyle && AreVisualStylesAvailable())
    FPainter = cxWinXPLookAndFeelPainter();
  else
    FPainter = FSkinPainter ? FSkinPainter : KindPainter(FCurrentData.Kind);
  // The registry says when the skin painter may have gone.
  TcxExtendedStylePainters* painters = GetExtendedStylePainters();
  if (!painters) return;
  if (FSkinPainter)
    painters->AddListener(this);
  else
    painters->RemoveListener(this);
}

void TcxLookAndFeel::SaveValues() { FSavedData = {InternalGetKind(), InternalGetNativeStyle(), InternalGetSkinName()}; }

void TcxLookAndFeel::CheckValuesChanged() {
  TcxLookAndFeelValues changed;
  if (InternalGetKind() != FSavedData.Kind) changed.Include(lfvKind);
  if (InternalGetNativeStyle() != FSavedData.NativeStyle) changed.Include(lfvNativeStyle);
  if (InternalGetSkinName() != FSavedData.SkinName) changed.Include(lfvSkinName);
  Changed(changed);
}

TcxLookAndFeelController::TcxLookAndFeelController(TComponent* owner) : TComponent(owner) {
  if (RootLookAndFeel) RootLookAndFeel->AddChangeListener(this);
}

TcxLookAndFeelController::~TcxLookAndFeelController() {
  if (RootLookAndFeel) RootLookAndFeel->RemoveChangeListener(this);
}

TClass TcxLookAndFeelController::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxLookAndFeelController>("TcxLookAndFeelController", TComponent::StaticClass())
          .Enumeration("Kind", &TcxLookAndFeelController::Kind, &TcxLookAndFeelController::SetKind, kKinds, lfUltraFlat)
          .Boolean("NativeStyle", &TcxLookAndFeelController::NativeStyle, &TcxLookAndFeelController::SetNativeStyle,
                   false)
          .String("SkinName", &TcxLookAndFeelController::SkinName, &TcxLookAndFeelController::SetSkinName)
          .Stored([](const TcxLookAndFeelController& controller) { return !controller.SkinName().empty(); })
          .Build();
  return &metaClass;
}

TcxLookAndFeelKind TcxLookAndFeelController::Kind() const {
  return RootLookAndFeel ? RootLookAndFeel->Kind() : kDefaultData.Kind;
}

void TcxLookAndFeelController::SetKind(TcxLookAndFeelKind value) {
  if (RootLookAndFeel) RootLookAndFeel->SetKind(value);
}

bool TcxLookAndFeelController::NativeStyle() const {
  return RootLookAndFeel ? RootLookAndFeel->NativeStyle() : kDefaultData.NativeStyle;
}

void TcxLookAndFeelController::SetNativeStyle(bool value) {
  if (RootLookAndFeel) RootLookAndFeel->SetNativeStyle(value);
}

TdxSkinName TcxLookAndFeelController::SkinName() const {
  return RootLookAndFeel ? RootLookAndFeel->SkinName() : kDefaultData.SkinName;
}

void TcxLookAndFeelController::SetSkinName(const TdxSkinName& value) {
  if (RootLookAndFeel) RootLookAndFeel->SetSkinName(value);
}

void cxLookAndFeelsInitialize() {
  if (!gUnit.Enter()) return;
  StartClassGroup(TForm::StaticClass());
  GroupDescendentsWith(TcxLookAndFeelController::StaticClass(), TForm::StaticClass());
  gRootLookAndFeel = std::make_unique<TcxLookAndFeel>(nullptr);
  gRootLookAndFeel->FIsRoot = true;
  RootLookAndFeel = gRootLookAndFeel.get();
}

void cxLookAndFeelsFinalize() {
  if (gUnit.Leave()) gRootLookAndFeel.reset();
}
