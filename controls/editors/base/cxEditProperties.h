#pragma once
// An editor's behaviour settings live apart from the editor, in a properties
// object the editor makes or borrows from a repository item: its buttons,
// alignment, keys, read-only state, value bounds and events. What the
// settings leave open the editor's data binding may answer through a
// default-values provider. Every properties object is listed while it lives,
// so a provider on its way out can make every holder let go of it.
//
// Properties are made through their class (CreatePersistentOf), never
// directly: the buttons and assigned values are made in AfterConstruction
// from the classes the most derived class names.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/base/cxEditButtons.h"
#include "controls/foundation/base/cxClasses.h"
#include "controls/foundation/container/cxContainerStyles.h"
#include "controls/foundation/container/cxContainerViewInfo.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "platform/classes/Component.h"
#include "platform/classes/Sets.h"
#include "platform/controls/core/Menus.h"
#include "platform/rtl/Variants.h"

class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxCustomEditStyle;
class TcxCustomEditViewData;

enum TcxEditVertAlignment { taTopJustify, taBottomJustify, taVCenter };

const TIdentMap& VertAlignmentIdents();

// An editor's text alignment. Horz counts as set only once someone sets it;
// until then the properties show a default there.
class TcxEditAlignment : public TPersistent {
 public:
  using TChangedEvent = std::function<void(TcxEditAlignment* sender)>;

  explicit TcxEditAlignment(TPersistent* owner) : FOwner(owner) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TPersistent* GetOwner() const override { return FOwner; }
  void Assign(const TPersistent* source) override;

  TAlignment Horz() const { return FHorz; }
  void SetHorz(TAlignment value);
  bool IsHorzAssigned() const { return FIsHorzAssigned; }
  // Shows a default in Horz without counting it as set.
  void ShowDefaultHorz(TAlignment value) { FHorz = value; }
  TcxEditVertAlignment Vert() const { return FVert; }
  void SetVert(TcxEditVertAlignment value);
  // Horz is no longer set.
  void Reset();

  bool IsHorzStored() const { return FIsHorzAssigned; }
  bool IsVertStored() const { return FVert != taTopJustify; }

  const TChangedEvent& OnChanged() const { return FOnChanged; }
  void SetOnChanged(TChangedEvent handler) { FOnChanged = std::move(handler); }

 private:
  void DoChanged();

  TPersistent* FOwner;
  TAlignment FHorz = taLeftJustify;
  bool FIsHorzAssigned = false;
  TcxEditVertAlignment FVert = taTopJustify;
  TChangedEvent FOnChanged;
};

// Which of ReadOnly, MaxValue and MinValue the properties set themselves.
class TcxCustomEditPropertiesValues : public TPersistent {
 public:
  // `owner` is the properties object.
  explicit TcxCustomEditPropertiesValues(TPersistent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TPersistent* GetOwner() const override;
  void Assign(const TPersistent* source) override;
  virtual void RestoreDefaults();

  bool MaxValue() const { return FMaxValue; }
  void SetMaxValue(bool value);
  bool MinValue() const { return FMinValue; }
  void SetMinValue(bool value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);

  bool IsMaxValueStored() const;
  bool IsMinValueStored() const;

 protected:
  TcxCustomEditProperties& Properties() const { return FProperties; }
  void ChangeFlag(bool& field, bool value);

 private:
  TcxCustomEditProperties& FProperties;
  bool FMaxValue = false;
  bool FMinValue = false;
  bool FReadOnly = false;
};

// What an editor's data binding says of the value where the properties set
// nothing themselves.
class IcxEditDefaultValuesProvider {
 public:
  static constexpr const char* kGUID = "{AE727882-6FDF-4E3A-AB35-E58AB28EFE7B}";

  virtual ~IcxEditDefaultValuesProvider() = default;
  virtual bool CanSetEditMode() const = 0;
  virtual bool IsDataAvailable() const = 0;
  virtual TAlignment DefaultAlignment() const = 0;
  virtual double DefaultMaxValue() const = 0;
  virtual double DefaultMinValue() const = 0;
  virtual bool DefaultReadOnly() const = 0;
  virtual bool IsValidChar(char ch) const = 0;
  virtual bool IsOnlyAnyCharAccepted() const = 0;
  virtual int DefaultPrecision() const = 0;
  virtual int DefaultScale() const = 0;
  virtual std::string DefaultDisplayFormat() const = 0;
  virtual std::string DefaultEditFormat() const = 0;
  // The longest text the data holds; 0 for no limit.
  virtual int DefaultMaxLength() const = 0;
  // Whether the data defines its own format; `forDisplay` asks for the
  // display-time answer, else the edit-time one.
  virtual bool IsFormatDefined(bool forDisplay) const = 0;
  // Whether the editor is bound to stored data it can go back to.
  virtual bool IsDataStorage() const = 0;
};

// The fixed answers of a binding that knows nothing about its data.
class TcxCustomEditDefaultValuesProvider : public TcxInterfacedPersistent, public IcxEditDefaultValuesProvider {
 public:
  explicit TcxCustomEditDefaultValuesProvider(TPersistent* owner) : TcxInterfacedPersistent(owner) {}
  // Every properties object that holds this provider lets go of it.
  ~TcxCustomEditDefaultValuesProvider() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  bool CanSetEditMode() const override { return true; }
  bool IsDataAvailable() const override { return true; }
  TAlignment DefaultAlignment() const override { return taLeftJustify; }
  double DefaultMaxValue() const override { return 0; }
  double DefaultMinValue() const override { return 0; }
  bool DefaultReadOnly() const override { return false; }
  bool IsValidChar(char) const override { return true; }
  bool IsOnlyAnyCharAccepted() const override { return false; }
  int DefaultPrecision() const override;
  int DefaultScale() const override;
  std::string DefaultDisplayFormat() const override { return {}; }
  std::string DefaultEditFormat() const override { return {}; }
  int DefaultMaxLength() const override { return 0; }
  bool IsFormatDefined(bool) const override { return false; }
  bool IsDataStorage() const override { return false; }
};

using TcxEditButtonClickEvent = std::function<void(TObject* sender, int buttonIndex)>;
using TcxEditValidateEvent =
    std::function<void(TObject* sender, Variant& displayValue, std::string& errorText, bool& error)>;

enum TcxEditCapability : uint8_t { ecHasButtons = 5 };
using TcxEditCapabilities = TSet<TcxEditCapability>;

// The editor kinds name the features they have; the base has none.
enum TcxEditSpecialFeature : uint8_t {};
using TcxEditSpecialFeatures = TSet<TcxEditSpecialFeature>;

// Makes the view data of an editor kind from its properties, a style and the
// in-place flag.
using TcxCustomEditViewDataClass = std::unique_ptr<TcxCustomEditViewData> (*)(TcxCustomEditProperties& properties,
                                                                              TcxCustomEditStyle& style, bool inplace);

enum TcxEditProviderOption : uint8_t {
  // The properties consult the provider at all.
  epoConsultProvider,
  // They take its edit-time answer instead of its display-time one.
  epoEditTimeAnswer
};
using TcxEditProviderOptions = TSet<TcxEditProviderOption>;

// How the buttons take part in sizing the editor.
enum TcxEditButtonsViewMode : uint8_t { bvmDefault, bvmShareWidth, bvmFitContentWidth };

constexpr TShortCut kDefaultClickKey = scCtrl | VK_RETURN;

class TcxCustomEditProperties : public TcxInterfacedPersistent {
 public:
  explicit TcxCustomEditProperties(TPersistent* owner);
  ~TcxCustomEditProperties() override;
  TcxCustomEditProperties(const TcxCustomEditProperties&) = delete;
  TcxCustomEditProperties& operator=(const TcxCustomEditProperties&) = delete;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void AfterConstruction() override;
  void Assign(const TPersistent* source) override;

  void BeginUpdate();
  // Ends one level of updates; a change inside them is told at the end of the
  // outermost only when `invokeChanged`.
  void EndUpdate(bool invokeChanged = true);
  int UpdateCount() const { return FUpdateCount; }
  // A descendant drops what it derived from the settings.
  virtual void Changed();
  // While set, changes are kept back as during an update.
  bool ChangedLocked() const { return FChangedLocked; }
  void SetChangedLocked(bool value) { FChangedLocked = value; }

  // The alignment as it shows: a Horz nobody set shows the default.
  TcxEditAlignment* Alignment();
  virtual void SetAlignment(const TcxEditAlignment* value);
  bool IsAlignmentStored() const;
  TcxCustomEditPropertiesValues* AssignedValues() const { return FAssignedValues.get(); }
  void SetAssignedValues(const TcxCustomEditPropertiesValues* value) { FAssignedValues->Assign(value); }
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value);
  bool BeepOnError() const { return FBeepOnError; }
  void SetBeepOnError(bool value);
  TcxEditButtons& Buttons() const { return *FButtons; }
  void SetButtons(const TcxEditButtons* value) { FButtons->Assign(value); }
  TcxEditButtonsViewMode ButtonsViewMode() const { return FButtonsViewMode; }
  void SetButtonsViewMode(TcxEditButtonsViewMode value);
  TShortCut ClearKey() const { return FClearKey; }
  void SetClearKey(TShortCut value);
  TShortCut ClickKey() const { return FClickKey; }
  void SetClickKey(TShortCut value);
  bool ImmediatePost() const { return FImmediatePost; }
  void SetImmediatePost(bool value);
  double MaxValue() const { return GetMaxValue(); }
  void SetMaxValue(double value);
  double MinValue() const { return GetMinValue(); }
  void SetMinValue(double value);
  bool IsMaxValueStored() const { return FAssignedValues->MaxValue(); }
  bool IsMinValueStored() const { return FAssignedValues->MinValue(); }
  bool ReadOnly() const;
  void SetReadOnly(bool value);
  bool IsReadOnlyStored() const { return FAssignedValues->ReadOnly(); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool UseLeftAlignmentOnEditing() const { return FUseLeftAlignmentOnEditing; }
  void SetUseLeftAlignmentOnEditing(bool value);
  bool IsUseLeftAlignmentOnEditingStored() const;
  // When off, an in-place editor takes the wheel only with Ctrl held.
  bool UseMouseWheel() const { return FUseMouseWheel; }
  void SetUseMouseWheel(bool value);
  bool ValidateOnEnter() const { return FValidateOnEnter; }
  void SetValidateOnEnter(bool value);

  const TcxEditButtonClickEvent& OnButtonClick() const { return FOnButtonClick; }
  void SetOnButtonClick(TcxEditButtonClickEvent value) { FOnButtonClick = std::move(value); }
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = std::move(value); }
  // Fired by the editor as a button goes down; Assign leaves it alone.
  const TcxEditButtonClickEvent& OnButtonNotify() const { return FOnButtonNotify; }
  void SetOnButtonNotify(TcxEditButtonClickEvent value) { FOnButtonNotify = std::move(value); }
  const TNotifyEvent& OnEditValueChanged() const { return FOnEditValueChanged; }
  void SetOnEditValueChanged(TNotifyEvent value) { FOnEditValueChanged = std::move(value); }
  const TcxEditValidateEvent& OnValidate() const { return FOnValidate; }
  void SetOnValidate(TcxEditValidateEvent value) { FOnValidate = std::move(value); }
  // The owner's PropertiesChanged; the owner clears it when it lets go.
  void SetOnPropertiesChanged(TNotifyEvent value) { FOnPropertiesChanged = std::move(value); }

  IcxEditDefaultValuesProvider* DefaultValuesProvider() const { return FDefaultValuesProvider; }
  void SetDefaultValuesProvider(IcxEditDefaultValuesProvider* value);
  // The component whose free notifications reach FreeNotification.
  TComponent& FreeNotificator() const { return *FFreeNotificator; }

  virtual void AlignmentChangedHandler(TcxEditAlignment* sender);
  virtual void ButtonsChangedHandler(TObject* sender);
  virtual bool CanValidate() const { return false; }
  // Fills an empty error text with the default and runs the editor's
  // OnValidate handlers.
  virtual void ValidateDisplayValue(Variant& displayValue, std::string& errorText, bool& error, TcxCustomEdit* edit);
  virtual bool DefaultUseLeftAlignmentOnEditing() const { return true; }
  virtual void ClearDefaultValuesProvider() { FDefaultValuesProvider = nullptr; }
  virtual void FreeNotification(TComponent*) {}
  virtual TClass GetAssignedValuesClass() const { return TcxCustomEditPropertiesValues::StaticClass(); }
  virtual TAlignment GetDefaultHorzAlignment() const;
  virtual TcxEditProviderOptions GetProviderOptions() const { return {}; }
  virtual double GetMaxValue() const;
  virtual double GetMinValue() const;
  virtual void GetValidationErrorText(std::string& text) const;
  virtual bool QueryProviderOption(bool flag) const;
  virtual bool IsChangeReportedByInnerEdit() const { return false; }
  virtual bool ProcessesTabKey() const { return false; }
  virtual bool IsFocusDependentDisplay() const { return true; }
  virtual bool DetectsEditValueChangeOnSet() const { return false; }
  virtual TClass GetButtonsClass() const { return TcxEditButtons::StaticClass(); }
  virtual TcxContainerStyleClass GetStyleClass() const;
  virtual TcxContainerViewInfoClass GetViewInfoClass() const;
  virtual TcxCustomEditViewDataClass GetViewDataClass() const;
  // The editor class to make for these properties.
  virtual TClass GetContainerClass() const;
  // What measures and lays out an editor of this kind; `preview` when it
  // shows what the settings look like rather than a value.
  std::unique_ptr<TcxCustomEditViewData> CreateViewData(TcxCustomEditStyle& style, bool inplace, bool preview = false);
  virtual bool IsDisplayValueEqual(const Variant& editValue1, const Variant& editValue2);
  // A new object of the same class, without an owner.
  virtual TOwned<TcxCustomEditProperties> CreateInstanceOfSameClass() const;
  virtual void PrepareDisplayValueHook() {}
  virtual std::string GetDisplayText(const Variant& editValue, bool fullText) const;
  virtual TcxEditSpecialFeatures GetSpecialFeatures() const { return {}; }
  virtual TcxEditCapabilities GetEditCapabilities() const;
  virtual int GetEditValueSource() const { return 0; }
  virtual bool IsEditValueValid(Variant& editValue, bool editing) const;
  // Whether the key, typed where an in-place editor of this kind shows but
  // does not edit, starts it (through its ActivateByKey); no key by default.
  virtual bool IsActivationKey(char) const { return false; }
  virtual bool CanRevertValue() const { return false; }
  virtual void PrepareDisplayValue(const Variant& editValue, Variant& displayValue, bool focused);
  virtual void RestoreDefaults();
  virtual void UpdateFromProperties(TcxCustomEditProperties*) {}
  virtual int GetOwnOption(int) const { return 0; }

 private:
  template <class V>
  void Change(V& field, V value);
  bool IsNotificationBlocked() const;
  // The nearest component up the owner chain is being written.
  bool IsOwnerBeingWritten() const;

  bool FAutoSelect = true;
  bool FBeepOnError = false;
  TOwned<TcxEditButtons> FButtons;
  TcxEditButtonsViewMode FButtonsViewMode = bvmDefault;
  bool FChangedWhileLocked = false;
  TShortCut FClearKey = scNone;
  TShortCut FClickKey = kDefaultClickKey;
  std::unique_ptr<TComponent, TObjectDeleter> FFreeNotificator;
  bool FImmediatePost = false;
  std::unique_ptr<TcxEditAlignment> FStoredAlignment;
  double FMaxValue = 0;
  double FMinValue = 0;
  bool FReadOnly = false;
  bool FTransparent = false;
  int FUpdateCount = 0;
  bool FUseLeftAlignmentOnEditing = true;
  bool FUseMouseWheel = true;
  bool FValidateOnEnter = false;
  TcxEditButtonClickEvent FOnButtonClick;
  TNotifyEvent FOnChange;
  TcxEditButtonClickEvent FOnButtonNotify;
  TNotifyEvent FOnEditValueChanged;
  TcxEditValidateEvent FOnValidate;
  TNotifyEvent FOnPropertiesChanged;
  std::unique_ptr<TcxEditAlignment> FAlignmentProxy;
  TOwned<TcxCustomEditPropertiesValues> FAssignedValues;
  bool FChangedLocked = false;
  IcxEditDefaultValuesProvider* FDefaultValuesProvider = nullptr;
};

// The properties classes the editors register, with their descriptions
// ("Name|hint"), sorted by name; nullptr outside the edit base's lifetime.
TcxRegisteredClasses* GetRegisteredEditProperties();

// The edit base's start-up and end make and free the list of all properties
// objects and the registry.
void CreateEditPropertiesList();
void FreeEditPropertiesList();
void FreeRegisteredEditProperties();
// How many properties objects are listed (-1 while there is no list).
int EditPropertiesListCount();
