#pragma once
// An editor's looks: the container style with the editor's own button and
// popup values, and the style controller several editors may share. An
// editor that is not in place and follows no controller of its own follows
// the default edit style controller the edit base makes at start-up.
#include <memory>
#include <string>

#include "controls/foundation/container/cxContainerStyles.h"
// After windows.h, which the container styles bring: the class library
// undoes its renaming of GetObject.
#include "controls/foundation/base/cxClasses.h"

enum TcxEditBorderStyle : uint8_t { ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11 };
enum TcxEditButtonStyle : uint8_t { btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11 };
enum TcxEditButtonTransparency : uint8_t { ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected };
using TcxEditGradientDirection = TcxDirection;
enum TcxEditPopupBorderStyle : uint8_t { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };

// The edit style's values, numbered after the container's.
constexpr TcxContainerStyleValue svButtonStyle = static_cast<TcxContainerStyleValue>(10);
constexpr TcxContainerStyleValue svButtonTransparency = static_cast<TcxContainerStyleValue>(11);
constexpr TcxContainerStyleValue svPopupBorderStyle = static_cast<TcxContainerStyleValue>(12);
constexpr TcxContainerStyleValue svGradientButtons = static_cast<TcxContainerStyleValue>(13);
constexpr TcxContainerStyleValue svGradient = static_cast<TcxContainerStyleValue>(14);
constexpr TcxContainerStyleValue svGradientDirection = static_cast<TcxContainerStyleValue>(15);
constexpr int kEditStyleValueCount = 16;

class TcxEditStyleController;

class TcxCustomEditStyle : public TcxContainerStyle {
 public:
  TcxCustomEditStyle(TPersistent* owner, TcxContainerState state, TcxContainerStyle* parentStyle, bool directAccess);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  TcxEditButtonStyle ButtonStyle() const;
  void SetButtonStyle(TcxEditButtonStyle value);
  TcxEditButtonTransparency ButtonTransparency() const;
  void SetButtonTransparency(TcxEditButtonTransparency value);
  TcxEditPopupBorderStyle PopupBorderStyle() const;
  void SetPopupBorderStyle(TcxEditPopupBorderStyle value);
  bool GradientButtons() const;
  void SetGradientButtons(bool value);
  bool Gradient() const;
  void SetGradient(bool value);
  TcxEditGradientDirection GradientDirection() const;
  void SetGradientDirection(TcxEditGradientDirection value);
  // A flag drop-down editors read when they set up their popup window.
  bool PopupOption() const;
  void SetPopupOption(bool value);

  TcxContainerStyleValues GetCommonValues() const override;
  int GetValueCount() const override;
  bool GetValueName(TcxContainerStyleValue value, std::string& name) const override;
  bool IsValueAssigned(TcxContainerStyleValue value) const override;

 protected:
  virtual TcxEditButtonStyle DefaultButtonStyle() const;
  virtual TcxEditButtonTransparency DefaultButtonTransparency() const;
  virtual bool DefaultGradient() const;
  virtual bool DefaultGradientButtons() const;
  virtual TcxEditGradientDirection DefaultGradientDirection() const;
  virtual TcxEditPopupBorderStyle DefaultPopupBorderStyle() const;
  TcxStyleController* GetDefaultStyleController() const override;

 private:
  const TcxCustomEditStyle* EditBaseStyle() const { return static_cast<const TcxCustomEditStyle*>(GetBaseStyle()); }
  template <class V>
  V Resolve(TcxContainerStyleValue value, V TcxCustomEditStyle::*field,
            V (TcxCustomEditStyle::*byDefault)() const) const;
  template <class V>
  void Store(TcxContainerStyleValue value, V TcxCustomEditStyle::*field, V newValue);

  TcxEditButtonStyle FButtonStyle = btsDefault;
  TcxEditButtonTransparency FButtonTransparency = ebtNone;
  TcxEditPopupBorderStyle FPopupBorderStyle = epbsDefault;
  bool FGradientButtons = false;
  bool FGradient = false;
  TcxEditGradientDirection FGradientDirection = dirDown;
  bool FPopupOption = true;
};

class TcxEditStyle : public TcxCustomEditStyle {
 public:
  using TcxCustomEditStyle::TcxCustomEditStyle;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxEditBorderStyle EditBorderStyle() const { return static_cast<TcxEditBorderStyle>(BorderStyle()); }
  void SetEditBorderStyle(TcxEditBorderStyle value) { SetBorderStyle(static_cast<TcxContainerBorderStyle>(value)); }
  TcxEditStyleController* EditStyleController() const;
  void SetEditStyleController(TcxEditStyleController* value);
};

TOwned<TcxContainerStyle> CreateEditStyle(TPersistent* owner, TcxContainerState state, TcxContainerStyle* parentStyle);

class TcxEditStyleController : public TcxStyleController {
 public:
  explicit TcxEditStyleController(TComponent* owner) : TcxStyleController(owner, CreateEditStyle) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxEditStyle* Style() const { return EditStyle(csNormal); }
  void SetStyle(const TcxEditStyle* value) { Styles().SetStyle(value); }
  TcxEditStyle* StyleDisabled() const { return EditStyle(csDisabled); }
  void SetStyleDisabled(const TcxEditStyle* value) { Styles().SetStyleDisabled(value); }
  TcxEditStyle* StyleFocused() const { return EditStyle(csFocused); }
  void SetStyleFocused(const TcxEditStyle* value) { Styles().SetStyleFocused(value); }
  TcxEditStyle* StyleHot() const { return EditStyle(csHot); }
  void SetStyleHot(const TcxEditStyle* value) { Styles().SetStyleHot(value); }

 private:
  TcxEditStyle* EditStyle(TcxContainerState state) const {
    return static_cast<TcxEditStyle*>(Styles().GetStyleByState(state));
  }
  TcxEditStyle& StyleObject() { return *Style(); }
  TcxEditStyle& StyleDisabledObject() { return *StyleDisabled(); }
  TcxEditStyle& StyleFocusedObject() { return *StyleFocused(); }
  TcxEditStyle& StyleHotObject() { return *StyleHot(); }
};
