#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxEditControl.h"
#include "controls/editors/base/cxEditViewInfo.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Screen.h"
#include "tests/controls/editors/EditUnitsFixture.h"

namespace {

class TRightProvider : public TcxCustomEditDefaultValuesProvider {
 public:
  TRightProvider() : TcxCustomEditDefaultValuesProvider(nullptr) {}
  TAlignment DefaultAlignment() const override { return taRightJustify; }
  double DefaultMaxValue() const override { return 99; }
  bool DefaultReadOnly() const override { return true; }
};

class TTestValues : public TcxCustomEditPropertiesValues {
 public:
  using TcxCustomEditPropertiesValues::TcxCustomEditPropertiesValues;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestValues>("TTestValues", TcxCustomEditPropertiesValues::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
};

class TTestButtons : public TcxEditButtons {
 public:
  using TcxEditButtons::TcxEditButtons;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestButtons>("TTestButtons", TcxEditButtons::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
};

class TTestViewData : public TcxCustomEditViewData {
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
};

// A descendant as an editor kind makes one: its own classes of values,
// buttons and view data, and its own display texts.
class TTestProperties : public TcxCustomEditProperties {
 public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestProperties>("TTestProperties", TcxCustomEditProperties::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  TClass GetAssignedValuesClass() const override { return TTestValues::StaticClass(); }
  TClass GetButtonsClass() const override { return TTestButtons::StaticClass(); }
  TcxCustomEditViewDataClass GetViewDataClass() const override {
    return [](TcxCustomEditProperties& properties, TcxCustomEditStyle& style,
              bool inplace) -> std::unique_ptr<TcxCustomEditViewData> {
      return std::make_unique<TTestViewData>(properties, style, inplace);
    };
  }
  std::string GetDisplayText(const Variant& editValue, bool) const override { return "shown " + editValue.AsString(); }
  void FreeNotification(TComponent* component) override { Freed.push_back(component); }
  std::vector<TComponent*> Freed;
};

class TFakeHelper : public TcxCustomFilterEditHelper {
 public:
  static TClass StaticClass() {
    static const TMetaClass metaClass("TFakeHelper", TcxCustomFilterEditHelper::StaticClass(), nullptr, {}, {}, {});
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
};

template <class T = TcxCustomEditProperties>
TOwned<T> MakeProperties(TPersistent* owner = nullptr) {
  return CreatePersistentOf<T>(T::StaticClass(), owner);
}

using EditPropertiesTest = EditUnitsTest;

TEST_F(EditPropertiesTest, UpdatesTellAChangeOnceAtTheOutermostEndWhenAsked) {
  auto properties = MakeProperties();
  struct TCase {
    const char* Label;
    std::function<void(TcxCustomEditProperties&)> Action;
    int Expected;
  };
  const TCase cases[] = {
      {"a change outside updates", [](auto& p) { p.SetAutoSelect(false); }, 1},
      {"the same value again", [](auto& p) { p.SetAutoSelect(true); }, 0},
      {"nested updates",
       [](auto& p) {
         p.BeginUpdate();
         p.BeginUpdate();
         p.SetAutoSelect(false);
         p.SetBeepOnError(true);
         p.EndUpdate(true);
         p.SetTransparent(true);
         p.EndUpdate(true);
       },
       1},
      {"an update without changes",
       [](auto& p) {
         p.BeginUpdate();
         p.EndUpdate(true);
       },
       0},
      {"an end that does not invoke",
       [](auto& p) {
         p.BeginUpdate();
         p.SetAutoSelect(false);
         p.EndUpdate(false);
       },
       0},
      {"a later update clears what was kept back",
       [](auto& p) {
         p.BeginUpdate();
         p.SetAutoSelect(false);
         p.EndUpdate(false);
         p.BeginUpdate();
         p.EndUpdate(true);
       },
       0},
      {"an end too many",
       [](auto& p) {
         p.EndUpdate(true);
         p.SetAutoSelect(false);
       },
       1},
      {"the change lock",
       [](auto& p) {
         p.SetChangedLocked(true);
         p.SetAutoSelect(false);
         p.SetChangedLocked(false);
       },
       0},
  };
  for (const TCase& c : cases) {
    properties->SetAutoSelect(true);
    EXPECT_EQ(CountChanges(*properties, [&] { c.Action(*properties); }), c.Expected) << c.Label;
    EXPECT_EQ(properties->UpdateCount(), 0) << c.Label;
  }
}

TEST_F(EditPropertiesTest, AnOwnerOnItsWayOutHearsNothing) {
  TComponent owner(nullptr);
  auto properties = MakeProperties(&owner);
  int changes = 0;
  properties->SetOnPropertiesChanged([&](TObject*) { ++changes; });
  owner.BeforeDestruction();
  properties->SetBeepOnError(true);
  properties->Buttons().Add();
  EXPECT_EQ(changes, 0);
}

TEST_F(EditPropertiesTest, AssignCopiesTheSettingsAndEventsButNotTheButtonNotification) {
  TRightProvider provider;
  auto source = MakeProperties();
  int clicks = 0;
  source->SetAutoSelect(false);
  source->SetBeepOnError(true);
  source->Buttons().Add().SetCaption("&Open");
  source->SetButtonsViewMode(bvmShareWidth);
  source->SetClearKey(scCtrl | 'D');
  source->SetClickKey(scAlt | VK_DOWN);
  source->SetUseLeftAlignmentOnEditing(false);
  source->SetDefaultValuesProvider(&provider);
  source->Alignment()->SetVert(taVCenter);
  source->SetMaxValue(10);
  source->SetReadOnly(false);
  source->SetImmediatePost(true);
  source->SetTransparent(true);
  source->SetUseMouseWheel(false);
  source->SetValidateOnEnter(true);
  source->SetOnChange([&](TObject*) { ++clicks; });
  source->SetOnButtonClick([&](TObject*, int) { ++clicks; });
  source->SetOnEditValueChanged([&](TObject*) { ++clicks; });
  source->SetOnButtonNotify([&](TObject*, int) { ++clicks; });
  auto target = MakeProperties();

  EXPECT_EQ(CountChanges(*target, [&] { target->Assign(source.get()); }), 1);

  struct TCase {
    const char* Label;
    bool Holds;
  };
  const TCase cases[] = {
      {"AutoSelect", !target->AutoSelect()},
      {"BeepOnError", target->BeepOnError()},
      {"Buttons", target->Buttons().Count() == 1 && target->Buttons().Items(0).Caption() == "&Open"},
      {"buttons view mode", target->ButtonsViewMode() == bvmShareWidth},
      {"ClearKey", target->ClearKey() == (scCtrl | 'D')},
      {"ClickKey", target->ClickKey() == (scAlt | VK_DOWN)},
      {"UseLeftAlignmentOnEditing", !target->UseLeftAlignmentOnEditing()},
      {"provider", target->DefaultValuesProvider() == &provider},
      {"Alignment.Vert", target->Alignment()->Vert() == taVCenter},
      {"MaxValue", target->AssignedValues()->MaxValue() && target->MaxValue() == 10},
      {"MinValue left to the provider", !target->AssignedValues()->MinValue()},
      {"ReadOnly", target->AssignedValues()->ReadOnly() && !target->ReadOnly()},
      {"ImmediatePost", target->ImmediatePost()},
      {"Transparent", target->Transparent()},
      {"mouse wheel", !target->UseMouseWheel()},
      {"ValidateOnEnter", target->ValidateOnEnter()},
      {"OnChange", static_cast<bool>(target->OnChange())},
      {"OnButtonClick", static_cast<bool>(target->OnButtonClick())},
      {"OnEditValueChanged", static_cast<bool>(target->OnEditValueChanged())},
      {"button notification not copied", !target->OnButtonNotify()},
      {"OnValidate stays empty", !target->OnValidate()},
  };
  for (const TCase& c : cases) EXPECT_TRUE(c.Holds) << c.Label;
}

TEST_F(EditPropertiesTest, HorzShowsTheDefaultUntilSetEvenAfterAVertWrite) {
  TRightProvider provider;
  struct TCase {
    const char* Label;
    IcxEditDefaultValuesProvider* Provider;
    bool WriteVertFirst;
    TAlignment Expected;
  };
  const TCase cases[] = {
      {"no provider", nullptr, false, taLeftJustify},
      {"right-justified provider", &provider, false, taRightJustify},
      {"no provider, Vert written", nullptr, true, taLeftJustify},
      {"right-justified provider, Vert written", &provider, true, taRightJustify},
  };
  for (const TCase& c : cases) {
    auto properties = MakeProperties();
    properties->SetDefaultValuesProvider(c.Provider);
    if (c.WriteVertFirst) properties->Alignment()->SetVert(taBottomJustify);
    EXPECT_EQ(properties->Alignment()->Horz(), c.Expected) << c.Label;
    EXPECT_FALSE(properties->Alignment()->IsHorzAssigned()) << c.Label;
    EXPECT_EQ(properties->IsAlignmentStored(), c.WriteVertFirst) << c.Label;
    properties->Alignment()->SetHorz(taCenter);
    EXPECT_EQ(properties->Alignment()->Horz(), taCenter) << c.Label;
    EXPECT_TRUE(properties->IsAlignmentStored()) << c.Label;
    properties->RestoreDefaults();
    EXPECT_EQ(properties->Alignment()->Horz(), c.Expected) << c.Label;
  }
}

TEST_F(EditPropertiesTest, AShownDefaultDoesNotOutliveItsProvider) {
  TRightProvider provider;
  auto properties = MakeProperties();
  properties->SetDefaultValuesProvider(&provider);
  properties->Alignment()->SetVert(taBottomJustify);
  properties->SetDefaultValuesProvider(nullptr);
  EXPECT_EQ(properties->Alignment()->Horz(), taLeftJustify);
  EXPECT_EQ(properties->Alignment()->Vert(), taBottomJustify);
}

TEST_F(EditPropertiesTest, BoundsAndReadOnlyComeFromTheSettingThenTheProviderThenZero) {
  TRightProvider provider;
  struct TCase {
    const char* Label;
    bool Assign;
    bool Provide;
    double MaxValue;
    bool ReadOnly;
  };
  const TCase cases[] = {
      {"assigned", true, true, 5, false},
      {"provided", false, true, 99, true},
      {"neither", false, false, 0, false},
  };
  for (const TCase& c : cases) {
    auto properties = MakeProperties();
    if (c.Provide) properties->SetDefaultValuesProvider(&provider);
    if (c.Assign) {
      properties->SetMaxValue(5);
      properties->SetReadOnly(false);
    }
    EXPECT_EQ(properties->MaxValue(), c.MaxValue) << c.Label;
    EXPECT_EQ(properties->MinValue(), 0) << c.Label;
    EXPECT_EQ(properties->ReadOnly(), c.ReadOnly) << c.Label;
  }
}

TEST_F(EditPropertiesTest, SettingAnAssignedValueAgainTellsNothing) {
  auto properties = MakeProperties();
  EXPECT_EQ(CountChanges(*properties, [&] { properties->SetReadOnly(false); }), 1);
  EXPECT_EQ(CountChanges(*properties, [&] { properties->SetReadOnly(false); }), 0);
  EXPECT_EQ(CountChanges(*properties, [&] { properties->SetMaxValue(0); }), 1);
  EXPECT_EQ(CountChanges(*properties, [&] { properties->SetMaxValue(0); }), 0);
  EXPECT_EQ(CountChanges(*properties, [&] { properties->RestoreDefaults(); }), 1);
  EXPECT_FALSE(properties->AssignedValues()->ReadOnly());
  EXPECT_FALSE(properties->AssignedValues()->MaxValue());
}

TEST_F(EditPropertiesTest, CapabilitiesFollowTheButtons) {
  auto properties = MakeProperties();
  EXPECT_FALSE(properties->GetEditCapabilities().Contains(ecHasButtons));
  EXPECT_EQ(CountChanges(*properties, [&] { properties->Buttons().Add(); }), 1);
  EXPECT_TRUE(properties->GetEditCapabilities().Contains(ecHasButtons));
  properties->Buttons().Add();
  properties->Buttons().Delete(0);
  EXPECT_TRUE(properties->GetEditCapabilities().Contains(ecHasButtons));
  properties->Buttons().Delete(0);
  EXPECT_EQ(properties->GetEditCapabilities().Bits(), 0u);
}

TEST_F(EditPropertiesTest, AProviderOnItsWayOutLeavesNoHolder) {
  auto first = MakeProperties();
  auto second = MakeProperties();
  {
    TRightProvider provider;
    first->SetDefaultValuesProvider(&provider);
    second->Assign(first.get());
    ASSERT_EQ(second->DefaultValuesProvider(), &provider);
  }
  EXPECT_EQ(first->DefaultValuesProvider(), nullptr);
  EXPECT_EQ(second->DefaultValuesProvider(), nullptr);
  EXPECT_EQ(first->Alignment()->Horz(), taLeftJustify);
}

TEST_F(EditPropertiesTest, AProviderOutlivingTheListClearsNothing) {
  auto properties = MakeProperties();
  auto provider = std::make_unique<TRightProvider>();
  properties->SetDefaultValuesProvider(provider.get());
  cxEditFinalize();
  EXPECT_EQ(EditPropertiesListCount(), -1);
  provider.reset();
  properties->SetDefaultValuesProvider(nullptr);
  properties.reset();
  cxEditInitialize();
  EXPECT_EQ(EditPropertiesListCount(), 0);
}

TEST_F(EditPropertiesTest, ADescendantsClassesAreTheOnesMade) {
  auto properties = MakeProperties<TTestProperties>();
  EXPECT_EQ(properties->AssignedValues()->ClassType(), TTestValues::StaticClass());
  EXPECT_EQ(properties->Buttons().ClassType(), TTestButtons::StaticClass());
  properties->SetClearKey(scShift | VK_DELETE);
  TOwned<TcxCustomEditProperties> copy = properties->CreateInstanceOfSameClass();
  EXPECT_EQ(copy->ClassType(), TTestProperties::StaticClass());
  EXPECT_EQ(copy->GetOwner(), nullptr);
  EXPECT_EQ(copy->ClearKey(), scNone);
  EXPECT_EQ(copy->ClickKey(), 16397);

  TComponent* linked = new TComponent(nullptr);
  properties->FreeNotificator().FreeNotification(linked);
  linked->Free();
  EXPECT_EQ(properties->Freed, std::vector<TComponent*>{linked});
}

TEST_F(EditPropertiesTest, TheViewDataIsTheKindsOwnAndKeepsThePreviewFlag) {
  auto properties = MakeProperties<TTestProperties>();
  const TOwned<TcxContainerStyle> style = CreateEditStyle(nullptr, csNormal, nullptr);
  for (const bool preview : {false, true}) {
    const auto data = properties->CreateViewData(static_cast<TcxCustomEditStyle&>(*style), true, preview);
    EXPECT_NE(dynamic_cast<TTestViewData*>(data.get()), nullptr);
    EXPECT_TRUE(data->Inplace);
    EXPECT_EQ(data->IsPreview, preview);
  }
}

TEST_F(EditPropertiesTest, StoredRules) {
  auto properties = MakeProperties();
  TComponent writtenOwner(nullptr);
  auto written = MakeProperties(&writtenOwner);
  TcxCustomEditPropertiesValues& values = *properties->AssignedValues();
  TClass valuesClass = TcxCustomEditPropertiesValues::StaticClass();
  TClass alignmentClass = TcxEditAlignment::StaticClass();
  struct TCase {
    const char* Label;
    std::function<void()> Arrange;
    std::function<bool()> Stored;
    bool Expected;
  };
  const TCase cases[] = {
      {"MaxValue not set", [] {}, [&] { return valuesClass->FindProperty("MaxValue")->IsStored(values); }, false},
      {"MaxValue set to 0", [&] { properties->SetMaxValue(0); },
       [&] { return valuesClass->FindProperty("MaxValue")->IsStored(values); }, false},
      {"MaxValue set to 7", [&] { properties->SetMaxValue(7); },
       [&] { return valuesClass->FindProperty("MaxValue")->IsStored(values); }, true},
      {"ReadOnly flag never", [&] { properties->SetReadOnly(true); },
       [&] { return valuesClass->FindProperty("ReadOnly")->IsStored(values); }, false},
      {"ReadOnly once set", [] {}, [&] { return properties->IsReadOnlyStored(); }, true},
      {"UseLeftAlignmentOnEditing at its default", [] {},
       [&] { return properties->IsUseLeftAlignmentOnEditingStored(); }, false},
      {"UseLeftAlignmentOnEditing changed", [&] { properties->SetUseLeftAlignmentOnEditing(false); },
       [&] { return properties->IsUseLeftAlignmentOnEditingStored(); }, true},
      {"Horz shown, not set", [] {},
       [&] { return alignmentClass->FindProperty("Horz")->IsStored(*properties->Alignment()); }, false},
      {"Vert at top", [] {}, [&] { return alignmentClass->FindProperty("Vert")->IsStored(*properties->Alignment()); },
       false},
      {"Vert centred", [&] { properties->Alignment()->SetVert(taVCenter); },
       [&] { return alignmentClass->FindProperty("Vert")->IsStored(*properties->Alignment()); }, true},
  };
  for (const TCase& c : cases) {
    c.Arrange();
    EXPECT_EQ(c.Stored(), c.Expected) << c.Label;
  }

  // While its form is written, a stored alignment goes out as it was set.
  TRightProvider provider;
  written->SetDefaultValuesProvider(&provider);
  written->Alignment()->SetVert(taVCenter);
  writtenOwner.SetWriting(true);
  EXPECT_EQ(written->Alignment()->Horz(), taLeftJustify);
  writtenOwner.SetWriting(false);
  EXPECT_EQ(written->Alignment()->Horz(), taRightJustify);
}

TEST_F(EditPropertiesTest, RegisteredClassesSortByNameIgnoringCase) {
  TcxRegisteredClasses* registry = GetRegisteredEditProperties();
  ASSERT_NE(registry, nullptr);
  registry->Register(TTestProperties::StaticClass(), "textEdit|second");
  registry->Register(TcxCustomEditProperties::StaticClass(), "ComboBox|first");
  registry->Register(TcxEditStyle::StaticClass(), "Zeta|last");
  ASSERT_EQ(registry->Count(), 3);
  EXPECT_EQ(registry->Descriptions(0), "ComboBox|first");
  EXPECT_EQ(registry->Descriptions(1), "textEdit|second");
  EXPECT_EQ(registry->Descriptions(2), "Zeta|last");
  cxEditFinalize();
  EXPECT_EQ(GetRegisteredEditProperties(), nullptr);
  cxEditInitialize();
  EXPECT_EQ(GetRegisteredEditProperties()->Count(), 0);
}

TEST_F(EditPropertiesTest, AValidationErrorTextIsTheLibrarysMessage) {
  auto properties = MakeProperties();
  std::string text;
  properties->GetValidationErrorText(text);
  EXPECT_EQ(text, "Invalid input value. Use escape key to abandon changes");
  EXPECT_TRUE(properties->IsDisplayValueEqual(Variant(3), Variant(3)));
  EXPECT_FALSE(properties->IsDisplayValueEqual(Variant("3"), Variant("4")));
}

TEST_F(EditPropertiesTest, ADescendantPropertiesClassFindsItsAncestorsHelper) {
  const TcxCustomFilterEditHelper base;
  const TFakeHelper fake;
  EXPECT_EQ(FindFilterEditHelper(TcxCustomEditProperties::StaticClass()), nullptr);
  EXPECT_FALSE(FilterEditsControllerExists());
  RegisterFilterEditHelper(TcxCustomEditProperties::StaticClass(), base);
  EXPECT_EQ(FindFilterEditHelper(TTestProperties::StaticClass()), &base);
  RegisterFilterEditHelper(TTestProperties::StaticClass(), fake);
  EXPECT_EQ(FindFilterEditHelper(TTestProperties::StaticClass()), &fake);
  EXPECT_EQ(FindFilterEditHelper(TcxCustomEditProperties::StaticClass()), &base);
  UnregisterFilterEditHelper(TTestProperties::StaticClass(), fake);
  EXPECT_TRUE(FilterEditsControllerExists());
  UnregisterFilterEditHelper(TcxCustomEditProperties::StaticClass(), base);
  EXPECT_FALSE(FilterEditsControllerExists());
  EXPECT_EQ(FindFilterEditHelper(TTestProperties::StaticClass()), nullptr);
  EXPECT_EQ(FilterEditsController().Count(), 0);
  UnregisterFilterEditHelper(TcxCustomEditProperties::StaticClass(), base);
}

TEST_F(EditPropertiesTest, FilterPropertiesArePreparedOnACopy) {
  TRightProvider provider;
  auto source = MakeProperties<TTestProperties>();
  source->Alignment()->SetHorz(taCenter);
  source->Alignment()->SetVert(taBottomJustify);
  source->SetBeepOnError(true);
  source->Buttons().Add();
  source->SetReadOnly(true);
  source->SetDefaultValuesProvider(&provider);
  source->SetOnChange([](TObject*) {});
  source->SetOnValidate([](TObject*, Variant&, std::string&, bool&) {});
  const TcxCustomFilterEditHelper helper;
  for (const bool keepButtons : {false, true}) {
    TOwned<TcxCustomEditProperties> filter = helper.GetFilterEditProperties(*source, keepButtons);
    EXPECT_EQ(filter->ClassType(), TTestProperties::StaticClass());
    EXPECT_EQ(filter->Alignment()->Horz(), taLeftJustify);
    EXPECT_EQ(filter->Alignment()->Vert(), taTopJustify);
    EXPECT_FALSE(filter->BeepOnError());
    EXPECT_EQ(filter->Buttons().Count(), keepButtons ? 1 : 0);
    EXPECT_FALSE(filter->ReadOnly());
    EXPECT_TRUE(filter->ValidateOnEnter());
    EXPECT_EQ(filter->DefaultValuesProvider(), nullptr);
    EXPECT_FALSE(filter->OnChange());
    EXPECT_FALSE(filter->OnValidate());
  }
  EXPECT_EQ(source->Alignment()->Horz(), taCenter);
  EXPECT_TRUE(source->BeepOnError());
  EXPECT_EQ(source->Buttons().Count(), 1);
  EXPECT_TRUE(source->ReadOnly());
  EXPECT_EQ(source->DefaultValuesProvider(), &provider);
  EXPECT_TRUE(source->OnChange());
}

TEST_F(EditPropertiesTest, AFilterRowShowsTheEditorsValueAsTheSettingsShowIt) {
  const TcxCustomFilterEditHelper helper;
  TcxCustomEdit* edit = CreateComponent<TcxCustomEdit>(nullptr);
  edit->SetEditValue(Variant("a"));
  auto properties = MakeProperties<TTestProperties>();
  Variant value;
  std::string text;
  helper.GetFilterValue(*edit, *properties, value, text);
  EXPECT_EQ(value.AsString(), "a");
  EXPECT_EQ(text, "shown a");
  edit->Free();
}

TEST_F(EditPropertiesTest, FilterRowsMatchPatternsOnlyInText) {
  const TcxCustomFilterEditHelper helper;
  auto properties = MakeProperties();
  const uint32_t comparisons = 0x67E;
  const uint32_t patterns = 0x180;
  const struct {
    TcxValueTypeClass Type;
    bool Extended;
    uint32_t Operators;
  } cases[] = {
      {&TcxStringValueType::Class, false, comparisons | patterns},
      {&TcxWideStringValueType::Class, true, comparisons | patterns},
      {&TcxIntegerValueType::Class, false, comparisons},
      {nullptr, true, comparisons},
  };
  for (const auto& c : cases)
    EXPECT_EQ(helper.GetSupportedFilterOperators(*properties, c.Type, c.Extended).Bits(), c.Operators)
        << (c.Type ? c.Type->ClassName() : "no type");
}

TEST(EditUnitTest, StartUpMakesTheCursorAndDefaultControllerOnceAndTheEndTakesThemAway) {
  cxLookAndFeelsInitialize();
  Screen().SetCursors(crcxEditMouseWheel, nullptr);
  cxEditInitialize();
  TcxEditStyleController* controller = DefaultEditStyleController();
  ASSERT_NE(controller, nullptr);
  EXPECT_EQ(GetDefaultStyleController(), controller);
  EXPECT_NE(Screen().Cursors(crcxEditMouseWheel), nullptr);
  cxEditInitialize();
  EXPECT_EQ(DefaultEditStyleController(), controller);
  cxEditFinalize();
  EXPECT_EQ(GetDefaultStyleController(), controller);
  cxEditFinalize();
  EXPECT_EQ(DefaultEditStyleController(), nullptr);
  EXPECT_EQ(GetDefaultStyleController(), nullptr);
  EXPECT_EQ(EditPropertiesListCount(), -1);
  cxEditFinalize();
  EXPECT_EQ(GetRegisteredEditProperties(), nullptr);
  cxLookAndFeelsFinalize();
}

}  // namespace
