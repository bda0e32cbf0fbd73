#pragma once
// The looks of a container control: its border, colours, font, hot-tracking
// and shadow. A container holds one style per visual state; what a style
// does not set itself it takes from a shared style controller (which holds
// four styles of its own), and failing that from a default that depends on
// the state and on the look-and-feel. Values every state shares live in the
// normal style only; the other three read and write them there.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/foundation/base/cxClasses.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/classes/Component.h"
#include "platform/classes/Sets.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"

class TControl;
class TcxStyleController;

enum TcxContainerState : uint8_t { csNormal, csFocused, csDisabled, csHot };
using TcxContainerStates = TSet<TcxContainerState>;
constexpr int kContainerStateCount = 4;

enum TcxContainerBorderStyle : uint8_t { cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11 };

// The values a style may set; each is a bit of the assigned set. Descendant
// styles number their own values after these.
enum TcxContainerStyleValue : uint8_t {
  csvBorderColor,
  csvBorderStyle,
  csvColor,
  csvEdges,
  csvFont,
  csvHotTrack,
  csvShadow,
  csvTextColor,
  csvTextStyle,
  csvTransparentBorder
};
using TcxContainerStyleValues = TSet<TcxContainerStyleValue>;

// Pixels of border each style draws.
int GetContainerBorderWidth(TcxContainerBorderStyle borderStyle);

// What a style asks of the container that owns it. The container is a
// control: the style reads and sets its ParentColor and ParentFont and takes
// its parent's colour through it.
class IcxContainerStyleOwner {
 public:
  virtual ~IcxContainerStyleOwner() = default;
  virtual TControl& StyleOwnerControl() = 0;
  // Whether the container takes its parent's colour unless told otherwise.
  virtual bool IsDefaultParentColor() const = 0;
  virtual bool IsInplace() const = 0;
  // The container's say on whether a style property goes into the form.
  virtual bool IsStylePropertyStored(const std::string& name, bool isStateStyle) const = 0;
};

class TcxContainerStyle : public TcxInterfacedPersistent {
 public:
  // The other states need the normal style as their parent. A direct-access
  // style only holds values: it has no controller and no look-and-feel, and
  // refers to a font it does not own.
  TcxContainerStyle(TPersistent* owner, TcxContainerState state, TcxContainerStyle* parentStyle, bool directAccess);
  ~TcxContainerStyle() override;
  TcxContainerStyle(const TcxContainerStyle&) = delete;
  TcxContainerStyle& operator=(const TcxContainerStyle&) = delete;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  // Leaves its controller while whole.
  void BeforeDestruction() override;

  void Assign(const TPersistent* source) override;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();

  TColor BorderColor() const;
  void SetBorderColor(TColor value);
  TcxContainerBorderStyle BorderStyle() const;
  void SetBorderStyle(TcxContainerBorderStyle value);
  virtual TColor GetColor() const;
  void SetColor(TColor value);
  // The colour the container shows: an own or inherited value wins over the
  // parent control's colour, which an in-place container never shows.
  virtual TColor GetVisibleColor() const;
  TcxBorders Edges() const;
  void SetEdges(TcxBorders value);
  TFont* Font() const;
  void SetFont(TFont* value);
  bool HotTrack() const;
  void SetHotTrack(bool value);
  bool Shadow() const;
  void SetShadow(bool value);
  virtual TColor GetTextColor() const;
  void SetTextColor(TColor value);
  virtual TFontStyles GetTextStyle() const;
  void SetTextStyle(TFontStyles value);
  bool TransparentBorder() const;
  void SetTransparentBorder(bool value);
  // The font with the text colour and style applied.
  TFont* GetVisibleFont();

  TcxContainerStyleValues AssignedValues() const;
  void SetAssignedValues(TcxContainerStyleValues value);
  TcxLookAndFeel* LookAndFeel() const;
  void SetLookAndFeel(TcxLookAndFeel* value);
  // nullptr while the default controller is the one in effect.
  TcxStyleController* StyleController() const;
  // nullptr means the default controller. A controller whose styles lead
  // back to this one is refused.
  void SetStyleController(TcxStyleController* value);
  // The controller in effect, the default one included.
  TcxStyleController* GetActiveStyleController() const;

  TcxContainerState State() const { return FState; }
  bool DirectAccessMode() const { return FDirectAccessMode; }
  bool IsBaseStyle() const { return FParentStyle == nullptr; }
  TcxContainerStyle* GetBaseStyle() const;
  TcxContainerStyle* ParentStyle() const { return FParentStyle; }
  IcxContainerStyleOwner* GetContainer() const;
  void SetOnChanged(TNotifyEvent handler) { FOnChanged = std::move(handler); }

  virtual TcxContainerStyleValues GetCommonValues() const;
  virtual int GetValueCount() const;
  virtual bool GetValueName(TcxContainerStyleValue value, std::string& name) const;
  virtual bool HasBorder() const { return true; }
  // Whether the style or its controllers give the value.
  virtual bool IsValueAssigned(TcxContainerStyleValue value) const;
  virtual void RestoreDefaults();

  virtual void Changed();
  // Takes the font from the controllers again, and tells the owner.
  virtual void UpdateFontAndNotify();
  virtual void ControllerFreeNotification(TcxStyleController* controller);

  // Whether the form keeps the property of that name.
  bool IsValueStored(TcxContainerStyleValue value) const;
  bool IsStyleControllerStored() const;
  bool IsLookAndFeelStored() const;
  // The form says the font was set, whatever the value it gives.
  void ReadIsFontAssigned(bool value);

 protected:
  virtual TColor DefaultBorderColor() const;
  virtual TcxContainerBorderStyle DefaultBorderStyle() const;
  virtual TColor DefaultColor() const;
  virtual TcxBorders DefaultEdges() const;
  virtual bool DefaultHotTrack() const;
  virtual bool DefaultShadow() const;
  virtual TColor DefaultTextColor() const;
  virtual TFontStyles DefaultTextStyle() const;
  virtual bool DefaultTransparentBorder() const;
  virtual void FontChanged(TObject* sender);
  virtual TcxStyleController* GetDefaultStyleController() const;

  bool HasOwnValue(TcxContainerStyleValue value) const { return FAssignedValues.Contains(value); }
  // Marks a value a descendant stores as set here.
  void IncludeAssignedValue(TcxContainerStyleValue value) { FAssignedValues.Include(value); }
  // The style a value lives in: the base style for a value every state shares.
  TcxContainerStyle* ValueStyle(TcxContainerStyleValue value) const;
  // The style that gives the value: the style it lives in when assigned
  // there, else the same state's style of the controller in effect, and so
  // on; nullptr when none does.
  const TcxContainerStyle* FindValueHolder(TcxContainerStyleValue value) const;

 private:
  bool IsCommonValue(TcxContainerStyleValue value) const { return GetCommonValues().Contains(value); }
  template <class V>
  V Resolve(TcxContainerStyleValue value, V TcxContainerStyle::*field, V (TcxContainerStyle::*byDefault)() const) const;
  template <class V>
  void StoreValue(TcxContainerStyleValue value, V TcxContainerStyle::*field, V newValue);
  TcxContainerBorderStyle MapParentBorderStyle(TcxContainerBorderStyle parentBorderStyle) const;
  // The colour of the container's parent while the container takes it.
  std::optional<TColor> ParentControlColor() const;
  // Whether the controller's styles, or those of the controllers they follow, include this style.
  bool ReachesThisStyle(TcxStyleController* controller) const;
  // The default controller, unless it follows this style.
  TcxStyleController* AcceptableDefaultController() const;
  void ChangeStyleController(TcxStyleController* value);
  void ResetFont();
  void UpdateFont();
  void CheckChanges();
  TFont& FontObject() { return *Font(); }
  TcxLookAndFeel& LookAndFeelObject() { return *LookAndFeel(); }

  TColor FBorderColor = clWindowFrame;
  TcxContainerBorderStyle FBorderStyle = cbsNone;
  TcxBorders FEdges;
  bool FHotTrack = true;
  bool FShadow = false;
  bool FTransparentBorder = true;
  bool FDirectAccessMode;
  int FFontLockCount = 0;
  bool FIsDestroying = false;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  bool FModified = false;
  TcxContainerStyle* FParentStyle;
  TcxContainerState FState;
  TFontStyles FTextStyle;
  int FUpdateCount = 0;
  std::unique_ptr<TFont> FVisibleFont;
  TNotifyEvent FOnChanged;
  TcxContainerStyleValues FAssignedValues;
  TcxStyleController* FStyleController = nullptr;
  TColor FColor = clWindow;
  std::unique_ptr<TFont> FOwnedFont;
  TFont* FFont = nullptr;
  TColor FTextColor = clWindowText;
};

// Makes a style of a class derived from TcxContainerStyle. A style leaves its
// controller on its way out, so it is freed through Free.
using TcxContainerStyleClass = TOwned<TcxContainerStyle> (*)(TPersistent* owner, TcxContainerState state,
                                                             TcxContainerStyle* parentStyle);

TOwned<TcxContainerStyle> CreateContainerStyle(TPersistent* owner, TcxContainerState state,
                                               TcxContainerStyle* parentStyle);

// The four styles of a container or controller, one per state; the normal
// one is the parent of the others. They go through Free.
class TcxContainerStyles {
 public:
  TcxContainerStyles(TPersistent* owner, TcxContainerStyleClass styleClass);
  ~TcxContainerStyles();
  TcxContainerStyles(const TcxContainerStyles&) = delete;
  TcxContainerStyles& operator=(const TcxContainerStyles&) = delete;

  TcxContainerStyle* GetStyle() const { return GetStyleByState(csNormal); }
  TcxContainerStyle* GetStyleFocused() const { return GetStyleByState(csFocused); }
  TcxContainerStyle* GetStyleDisabled() const { return GetStyleByState(csDisabled); }
  TcxContainerStyle* GetStyleHot() const { return GetStyleByState(csHot); }
  TcxContainerStyle* GetStyleByState(TcxContainerState state) const { return FStyles[state].get(); }
  // Setting a style copies the value into the held one.
  void SetStyle(const TcxContainerStyle* value) { SetStyleByState(csNormal, value); }
  void SetStyleFocused(const TcxContainerStyle* value) { SetStyleByState(csFocused, value); }
  void SetStyleDisabled(const TcxContainerStyle* value) { SetStyleByState(csDisabled, value); }
  void SetStyleHot(const TcxContainerStyle* value) { SetStyleByState(csHot, value); }
  void SetStyleByState(TcxContainerState state, const TcxContainerStyle* value) { FStyles[state]->Assign(value); }
  void SetOnChanged(const TNotifyEvent& handler);

 private:
  std::array<TOwned<TcxContainerStyle>, kContainerStateCount> FStyles;
};

// Styles shared by containers: a style that listens to a controller takes
// what it does not set itself from the controller's style of its state.
class TcxStyleController : public TComponent {
 public:
  explicit TcxStyleController(TComponent* owner, TcxContainerStyleClass styleClass = CreateContainerStyle);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  // Every listener lets go while the controller is whole, then its styles go.
  void BeforeDestruction() override;

  void Loaded() override;

  TcxContainerStyles& Styles() const { return *FStyles; }
  TcxContainerStyle* Style() const { return FStyles->GetStyle(); }
  TcxContainerStyleClass GetStyleClass() const { return FStyleClass; }
  TcxStyleController* FakeStyleController() const { return Style()->StyleController(); }
  void SetFakeStyleController(TcxStyleController*) {}
  void SetOnStyleChanged(TNotifyEvent handler) { FOnStyleChanged = std::move(handler); }

  // A listed style is not listed again; a listener follows the controller's
  // look-and-feel.
  virtual void AddListener(TcxContainerStyle* style);
  virtual void RemoveListener(TcxContainerStyle* style);
  const std::vector<TcxContainerStyle*>& Listeners() const { return FListeners; }

  // Scales the font the controller's styles give, once.
  void ChangeFontScale(int multiplier, int divisor);

 private:
  void StyleChanged();

  bool FIsDestruction = false;
  bool FFontScaled = false;
  std::vector<TcxContainerStyle*> FListeners;
  TNotifyEvent FOnStyleChanged;
  TcxContainerStyleClass FStyleClass;
  std::unique_ptr<TcxContainerStyles> FStyles;
};

// The controller every style follows unless given another; the editors set
// it at their start-up and clear it at their end.
TcxStyleController* GetDefaultStyleController();
void SetDefaultStyleController(TcxStyleController* value);
