#pragma once
// Look-and-feel settings: the style kind, the native visual style and a skin
// name of a control. What an object does not assign itself it inherits from
// its master, and every object without one follows the root, so that one
// controller changes the look of every control at once. Every change goes to
// the listeners with the set of values that changed.
//
// The notification of system colour changes: while any notifier lives, one
// hidden window hears WM_SYSCOLORCHANGE, fills the Office 2003 colours again
// and tells the notifiers, the primary ones first, so that what the painters
// cache is rebuilt before any control chooses its painter again.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/base/cxClasses.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "platform/classes/Component.h"
#include "platform/classes/Sets.h"

class TcxSystemPaletteChangedNotifier : public TObject {
 public:
  explicit TcxSystemPaletteChangedNotifier(bool isPrimary = false);
  ~TcxSystemPaletteChangedNotifier() override;
  TcxSystemPaletteChangedNotifier(const TcxSystemPaletteChangedNotifier&) = delete;
  TcxSystemPaletteChangedNotifier& operator=(const TcxSystemPaletteChangedNotifier&) = delete;

  bool IsPrimary() const { return FIsPrimary; }
  void SetOnSystemPaletteChanged(std::function<void()> handler) { FOnSystemPaletteChanged = std::move(handler); }

  virtual void DoChanged();

 private:
  bool FIsPrimary;
  std::function<void()> FOnSystemPaletteChanged;
};

// The listener's window while a notifier lives; nullptr otherwise.
HWND SystemPaletteChangedListenerWindow();

enum TcxLookAndFeelKind : uint8_t { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
enum TcxLookAndFeelValue : uint8_t { lfvKind, lfvNativeStyle, lfvSkinName };
using TcxLookAndFeelValues = TSet<TcxLookAndFeelValue>;
using TdxSkinName = std::string;

struct TcxLookAndFeelData {
  TcxLookAndFeelKind Kind = lfUltraFlat;
  bool NativeStyle = false;
  TdxSkinName SkinName;
};

// The painter that draws each kind.
TcxLookAndFeelPainterClass KindPainter(TcxLookAndFeelKind kind);

class TcxLookAndFeel;

// Told of the changes of a look-and-feel it listens to.
class IcxLookAndFeelListener {
 public:
  virtual ~IcxLookAndFeelListener() = default;
  virtual TObject* GetObject() = 0;
  virtual void MasterLookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changedValues) = 0;
  // The sender is still whole, but on its way out.
  virtual void MasterLookAndFeelDestroying(TcxLookAndFeel* sender) = 0;
};

using TcxLookAndFeelChangedEvent = std::function<void(TcxLookAndFeel* Sender, TcxLookAndFeelValues changedValues)>;

class TcxLookAndFeel : public TcxInterfacedPersistent,
                       public IcxLookAndFeelListener,
                       private IcxLookAndFeelPainterListener {
 public:
  explicit TcxLookAndFeel(TPersistent* owner);
  ~TcxLookAndFeel() override;
  TcxLookAndFeel(const TcxLookAndFeel&) = delete;
  TcxLookAndFeel& operator=(const TcxLookAndFeel&) = delete;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  TcxLookAndFeelKind Kind() const { return FCurrentData.Kind; }
  void SetKind(TcxLookAndFeelKind value);
  bool NativeStyle() const { return FCurrentData.NativeStyle; }
  void SetNativeStyle(bool value);
  const TdxSkinName& SkinName() const { return FCurrentData.SkinName; }
  void SetSkinName(const TdxSkinName& value);

  TcxLookAndFeelValues AssignedValues() const { return FAssignedValues; }
  // A value taken out is inherited again.
  void SetAssignedValues(TcxLookAndFeelValues value);

  // nullptr for the root; otherwise the master set, or the root.
  TcxLookAndFeel* GetMasterLookAndFeel() const;
  // Ignored for the root, and for a master that is this object or follows it:
  // a chain of masters that comes back to its start would never end.
  void SetMasterLookAndFeel(TcxLookAndFeel* value);

  // The painter chosen at the last change: the one a control draws with.
  TcxLookAndFeelPainterClass GetPainter() const { return FPainter; }
  // The skin's painter in effect, or nullptr.
  TcxLookAndFeelPainterClass SkinPainter() const { return FSkinPainter; }
  // As GetPainter, but native only when the visual style has that part.
  TcxLookAndFeelPainterClass GetAvailablePainter(TdxThemedObjectType themedObjectType) const;

  // Controllers are accepted by the root only; a listener is listed once.
  void AddChangeListener(IcxLookAndFeelListener* listener);
  void RemoveChangeListener(IcxLookAndFeelListener* listener);

  bool IsRoot() const { return FIsRoot; }
  void SetOnChanged(TcxLookAndFeelChangedEvent handler) { FOnChanged = std::move(handler); }

  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changedValues) override;
  void MasterLookAndFeelDestroying(TcxLookAndFeel* sender) override;

 protected:
  virtual TcxLookAndFeelKind InternalGetKind() const;
  virtual bool InternalGetNativeStyle() const;
  virtual TdxSkinName InternalGetSkinName() const;
  virtual bool GetSkinPainter(TcxLookAndFeelPainterClass& painter) const;
  virtual bool FindSkinPainter(const TdxSkinName& name, TcxLookAndFeelPainterClass& painter) const;
  virtual void NotifyNativeStyleChanged();

  void Changed(TcxLookAndFeelValues changedValues);

 private:
  friend void cxLookAndFeelsInitialize();

  void PainterChanged() override;

  void SaveValues();
  void CheckValuesChanged();
  // Caches the effective values and chooses the painter from them.
  void UpdateCurrentData();
  bool IsKindStored() const { return FAssignedValues.Contains(lfvKind); }
  bool IsNativeStyleStored() const { return FAssignedValues.Contains(lfvNativeStyle); }
  bool IsSkinNameStored() const { return FAssignedValues.Contains(lfvSkinName); }

  TcxLookAndFeelValues FAssignedValues;
  std::vector<IcxLookAndFeelListener*> FChangeListeners;
  TcxLookAndFeelData FCurrentData;
  TcxLookAndFeelPainterClass FPainter = nullptr;
  TcxLookAndFeelData FData;
  bool FIsDestroying = false;
  bool FIsRoot = false;
  TcxLookAndFeel* FMasterLookAndFeel = nullptr;
  TcxLookAndFeelPainterClass FSkinPainter = nullptr;
  TcxLookAndFeelData FSavedData;
  std::unique_ptr<TcxSystemPaletteChangedNotifier> FSystemPaletteChangedNotifier;
  TcxLookAndFeelChangedEvent FOnChanged;
  // The controllers the root has accepted.
  int FControllerCount = 0;
};

// The look-and-feel every other one follows unless given a master; made and
// freed by the unit.
extern TcxLookAndFeel* RootLookAndFeel;

// Sets the root, and with it every look-and-feel that follows it. Freeing
// the last controller lets the root fall back to its defaults.
class TcxLookAndFeelController : public TComponent, public IcxLookAndFeelListener {
 public:
  explicit TcxLookAndFeelController(TComponent* owner);
  ~TcxLookAndFeelController() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Without a root: the defaults, and writes are ignored.
  TcxLookAndFeelKind Kind() const;
  void SetKind(TcxLookAndFeelKind value);
  bool NativeStyle() const;
  void SetNativeStyle(bool value);
  TdxSkinName SkinName() const;
  void SetSkinName(const TdxSkinName& value);

  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) override {}
  void MasterLookAndFeelDestroying(TcxLookAndFeel*) override {}
};

void cxLookAndFeelsInitialize();
void cxLookAndFeelsFinalize();
