#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/classes/FormReader.h"
#include "platform/controls/core/Control.h"
#include "tests/controls/editors/EditUnitsFixture.h"

namespace {

// Stands in for an editor: a control that owns edit styles and says whether it is in place.
class TFakeEditor : public TControl, public IcxContainerStyleOwner {
 public:
  explicit TFakeEditor(bool inplace) : TControl(nullptr), FInplace(inplace), FStyles(this, CreateEditStyle) {}

  TControl& StyleOwnerControl() override { return *this; }
  bool IsDefaultParentColor() const override { return false; }
  bool IsInplace() const override { return FInplace; }
  bool IsStylePropertyStored(const std::string& name, bool) const override { return name != "Gradient"; }

  TcxEditStyle& Style(TcxContainerState state) { return static_cast<TcxEditStyle&>(*FStyles.GetStyleByState(state)); }

 private:
  bool FInplace;
  TcxContainerStyles FStyles;
};

struct TEditValueRow {
  const char* Name;
  TcxContainerStyleValue Value;
  std::function<void(TcxCustomEditStyle&, int)> Set;
  std::function<int(const TcxCustomEditStyle&)> Get;
  int Own;
  int FromController;
  int ByDefault;
};

const std::vector<TEditValueRow>& EditValueRows() {
  using S = TcxCustomEditStyle;
  static const std::vector<TEditValueRow> rows = {
      {"ButtonStyle", svButtonStyle, [](S& s, int v) { s.SetButtonStyle(static_cast<TcxEditButtonStyle>(v)); },
       [](const S& s) { return int{s.ButtonStyle()}; }, bts3D, btsFlat, btsDefault},
      {"ButtonTransparency", svButtonTransparency,
       [](S& s, int v) { s.SetButtonTransparency(static_cast<TcxEditButtonTransparency>(v)); },
       [](const S& s) { return int{s.ButtonTransparency()}; }, ebtAlways, ebtInactive, ebtNone},
      {"PopupBorderStyle", svPopupBorderStyle,
       [](S& s, int v) { s.SetPopupBorderStyle(static_cast<TcxEditPopupBorderStyle>(v)); },
       [](const S& s) { return int{s.PopupBorderStyle()}; }, epbsFlat, epbsSingle, epbsDefault},
      {"GradientButtons", svGradientButtons, [](S& s, int v) { s.SetGradientButtons(v != 0); },
       [](const S& s) { return int{s.GradientButtons()}; }, true, true, false},
      {"Gradient", svGradient, [](S& s, int v) { s.SetGradient(v != 0); }, [](const S& s) { return int{s.Gradient()}; },
       true, true, false},
      {"GradientDirection", svGradientDirection,
       [](S& s, int v) { s.SetGradientDirection(static_cast<TcxEditGradientDirection>(v)); },
       [](const S& s) { return int{s.GradientDirection()}; }, dirLeft, dirUp, dirDown},
  };
  return rows;
}

int CountChanges(TcxContainerStyle& style, const std::function<void()>& action) {
  int changes = 0;
  style.SetOnChanged([&](TObject*) { ++changes; });
  action();
  style.SetOnChanged(nullptr);
  return changes;
}

using EditStylesTest = EditUnitsTest;

TEST_F(EditStylesTest, EachValueComesFromTheStyleThenTheControllerChainThenTheDefaultInEveryState) {
  for (const TcxContainerState state : {csNormal, csHot}) {
    for (const TEditValueRow& row : EditValueRows()) {
      SCOPED_TRACE(std::string(row.Name) + (state == csNormal ? " normal" : " hot"));
      TOwned<TcxEditStyleController> outer = CreateUnowned<TcxEditStyleController>();
      TOwned<TcxEditStyleController> inner = CreateUnowned<TcxEditStyleController>();
      TFakeEditor editor(false);
      TcxEditStyle& style = editor.Style(state);
      EXPECT_EQ(row.Get(style), row.ByDefault) << "default";

      inner->Style()->SetStyleController(outer.get());
      style.SetStyleController(inner.get());
      row.Set(*outer->StyleHot(), row.FromController);
      row.Set(*outer->Style(), row.FromController);
      EXPECT_EQ(row.Get(style), row.FromController) << "through two controllers";

      row.Set(style, row.Own);
      EXPECT_EQ(row.Get(style), row.Own) << "own";
      EXPECT_TRUE(style.IsValueAssigned(row.Value));
      style.GetBaseStyle()->SetAssignedValues({});
      style.SetAssignedValues({});
      EXPECT_EQ(row.Get(style), row.FromController) << "own value forgotten";

      outer->Style()->SetAssignedValues({});
      outer->StyleHot()->SetAssignedValues({});
      EXPECT_EQ(row.Get(style), row.ByDefault) << "nothing assigned on the way";
      row.Set(*DefaultEditStyleController()->StyleHot(), row.FromController);
      row.Set(*DefaultEditStyleController()->Style(), row.FromController);
      EXPECT_EQ(row.Get(style), row.FromController) << "the default controller ends the chain";
      DefaultEditStyleController()->Style()->SetAssignedValues({});
      DefaultEditStyleController()->StyleHot()->SetAssignedValues({});
    }
  }
}

TEST_F(EditStylesTest, CommonValuesLiveInTheNormalStyleAndButtonStyleInEachState) {
  TFakeEditor editor(false);
  editor.Style(csFocused).SetButtonTransparency(ebtHideInactive);
  EXPECT_EQ(editor.Style(csNormal).ButtonTransparency(), ebtHideInactive);
  editor.Style(csHot).SetGradientButtons(true);
  EXPECT_TRUE(editor.Style(csNormal).AssignedValues().Contains(svGradientButtons));
  EXPECT_FALSE(editor.Style(csHot).AssignedValues().Contains(svGradientButtons));
  editor.Style(csHot).SetButtonStyle(btsHotFlat);
  EXPECT_EQ(editor.Style(csNormal).ButtonStyle(), btsDefault);
  EXPECT_EQ(editor.Style(csFocused).ButtonStyle(), btsDefault);
  editor.Style(csNormal).SetButtonStyle(btsUltraFlat);
  EXPECT_EQ(editor.Style(csFocused).ButtonStyle(), btsUltraFlat);
  EXPECT_EQ(editor.Style(csHot).ButtonStyle(), btsHotFlat);
  editor.Style(csDisabled).SetPopupOption(false);
  EXPECT_FALSE(editor.Style(csNormal).PopupOption());
}

TEST_F(EditStylesTest, AHotStyleReadsTheControllersHotButtonStyle) {
  TOwned<TcxEditStyleController> controller = CreateUnowned<TcxEditStyleController>();
  controller->StyleHot()->SetButtonStyle(btsFlat);
  TFakeEditor editor(false);
  editor.Style(csNormal).SetStyleController(controller.get());
  EXPECT_EQ(editor.Style(csHot).ButtonStyle(), btsFlat);
  EXPECT_EQ(editor.Style(csNormal).ButtonStyle(), btsDefault);
}

TEST_F(EditStylesTest, OnlyAnEditorNotInPlaceFollowsTheDefaultController) {
  DefaultEditStyleController()->Style()->SetButtonStyle(btsSimple);
  TFakeEditor standalone(false);
  TFakeEditor inplace(true);
  EXPECT_EQ(standalone.Style(csNormal).GetActiveStyleController(), DefaultEditStyleController());
  EXPECT_EQ(standalone.Style(csNormal).ButtonStyle(), btsSimple);
  EXPECT_EQ(inplace.Style(csNormal).GetActiveStyleController(), nullptr);
  EXPECT_EQ(inplace.Style(csNormal).ButtonStyle(), btsDefault);
  const std::vector<TcxContainerStyle*>& listeners = DefaultEditStyleController()->Listeners();
  EXPECT_EQ(std::count(listeners.begin(), listeners.end(), &inplace.Style(csNormal)), 0);
}

TEST_F(EditStylesTest, ValueNamesCountAndAssignedAnswers) {
  TFakeEditor editor(false);
  TcxEditStyle& style = editor.Style(csNormal);
  EXPECT_EQ(style.GetValueCount(), 16);
  EXPECT_EQ(style.GetCommonValues().Bits(), 64120u);
  const char* names[] = {"BorderColor",
                         "BorderStyle",
                         "Color",
                         "Edges",
                         "Font",
                         "HotTrack",
                         "Shadow",
                         "TextColor",
                         "TextStyle",
                         "TransparentBorder",
                         "ButtonStyle",
                         "ButtonTransparency",
                         "PopupBorderStyle",
                         "GradientButtons",
                         "Gradient",
                         "GradientDirection"};
  for (int value = 0; value < 16; ++value) {
    std::string name;
    EXPECT_TRUE(style.GetValueName(static_cast<TcxContainerStyleValue>(value), name));
    EXPECT_EQ(name, names[value]);
  }
  std::string name;
  EXPECT_FALSE(style.GetValueName(static_cast<TcxContainerStyleValue>(16), name));

  style.SetAssignedValues(TcxContainerStyleValues::FromBits(0xFFFF));
  for (int value = 0; value < 16; ++value)
    EXPECT_EQ(style.IsValueAssigned(static_cast<TcxContainerStyleValue>(value)), value != csvTransparentBorder)
        << names[value];
}

TEST_F(EditStylesTest, AssignCopiesTheSixValuesAndThePopupOptionInOneNotification) {
  TFakeEditor source(false);
  TcxEditStyle& from = source.Style(csNormal);
  for (const TEditValueRow& row : EditValueRows()) row.Set(from, row.Own);
  from.SetPopupOption(false);
  from.SetColor(clRed);
  TFakeEditor target(false);
  TcxEditStyle& to = target.Style(csNormal);
  EXPECT_EQ(CountChanges(to, [&] { to.Assign(&from); }), 1);
  for (const TEditValueRow& row : EditValueRows()) {
    EXPECT_EQ(row.Get(to), row.Own) << row.Name;
    EXPECT_TRUE(to.AssignedValues().Contains(row.Value)) << row.Name;
  }
  EXPECT_FALSE(to.PopupOption());
  EXPECT_EQ(to.GetColor(), clRed);
}

TEST_F(EditStylesTest, SettingTheSameValueTwiceNotifiesOnce) {
  for (const TEditValueRow& row : EditValueRows()) {
    TFakeEditor editor(false);
    TcxEditStyle& style = editor.Style(csFocused);
    int changes = 0;
    const TNotifyEvent count = [&](TObject*) { ++changes; };
    style.SetOnChanged(count);
    style.GetBaseStyle()->SetOnChanged(count);
    row.Set(style, row.Own);
    row.Set(style, row.Own);
    EXPECT_EQ(changes, 1) << row.Name;
  }
}

TEST_F(EditStylesTest, AValueIsStoredWhenAssignedAndTheEditorCallsItItsOwn) {
  TFakeEditor editor(false);
  TcxEditStyle& style = editor.Style(csNormal);
  const TClass cls = TcxEditStyle::StaticClass();
  struct TCase {
    const char* Property;
    std::function<void()> Assign;
    bool Expected;
  };
  const TCase cases[] = {
      {"ButtonStyle", [] {}, false},
      {"ButtonStyle", [&] { style.SetButtonStyle(btsFlat); }, true},
      {"Gradient", [&] { style.SetGradient(true); }, false},
      {"GradientDirection", [&] { style.SetGradientDirection(dirUp); }, true},
      {"PopupBorderStyle", [&] { style.SetPopupBorderStyle(epbsFrame3D); }, true},
      {"BorderStyle", [&] { style.SetEditBorderStyle(ebsOffice11); }, true},
      {"StyleController", [] {}, false},
  };
  for (const TCase& c : cases) {
    c.Assign();
    EXPECT_EQ(cls->FindProperty(c.Property)->IsStored(style), c.Expected) << c.Property;
  }
  EXPECT_EQ(cls->FindProperty("GradientButtons"), nullptr);
}

TEST_F(EditStylesTest, AFormSetsAControllersStylesByName) {
  RegisterClasses({TcxEditStyleController::StaticClass()});
  TOwned<TcxEditStyleController> controller = CreateUnowned<TcxEditStyleController>();
  ReadComponentResource(*controller,
                        "object Shared: TcxEditStyleController\n"
                        "  Style.BorderStyle = ebsUltraFlat\n"
                        "  Style.ButtonTransparency = ebtHideUnselected\n"
                        "  StyleHot.ButtonStyle = btsOffice11\n"
                        "  Style.GradientDirection = dirRight\n"
                        "end\n",
                        "test");
  EXPECT_EQ(controller->Style()->EditBorderStyle(), ebsUltraFlat);
  EXPECT_EQ(controller->Style()->ButtonTransparency(), ebtHideUnselected);
  EXPECT_EQ(controller->StyleHot()->ButtonStyle(), btsOffice11);
  EXPECT_EQ(controller->StyleFocused()->GradientDirection(), dirRight);
  UnRegisterClass(TcxEditStyleController::StaticClass());
}

}  // namespace
