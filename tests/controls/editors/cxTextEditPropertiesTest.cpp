#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/editors/text/cxTextEditProperties.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "tests/controls/editors/EditUnitsFixture.h"

namespace {

// Text edit properties in the editing style a descendant would choose.
class TStyledProperties : public TcxTextEditProperties {
 public:
  TStyledProperties(TPersistent* owner, TcxEditEditingStyle style) : TcxTextEditProperties(owner), FStyle(style) {}
  TcxEditEditingStyle GetEditingStyle() const override { return FStyle; }

 private:
  TcxEditEditingStyle FStyle;
};

// Properties of an editor that keeps no lookup items.
class TNoLookupProperties : public TStyledProperties {
 public:
  using TStyledProperties::TStyledProperties;
  TClass GetLookupDataClass() const override { return nullptr; }
};

// Properties whose values are numbers, as a numeric descendant's are.
class TNumericProperties : public TcxTextEditProperties {
 public:
  using TcxTextEditProperties::TcxTextEditProperties;
  bool IsEditValueNumeric() const override { return true; }
};

// Bound data that holds texts of a limited length.
class TLimitedProvider : public TcxCustomEditDefaultValuesProvider {
 public:
  explicit TLimitedProvider(int maxLength) : TcxCustomEditDefaultValuesProvider(nullptr), FMaxLength(maxLength) {}
  int DefaultMaxLength() const override { return FMaxLength; }

 private:
  int FMaxLength;
};

TOwned<TcxTextEditProperties> MakeProperties(TcxEditEditingStyle style = esEdit) {
  TOwned<TcxTextEditProperties> properties(new TStyledProperties(nullptr, style));
  properties->AfterConstruction();
  return properties;
}

// What the system tells every window when the regional settings change.
void AnnounceRegionalChange() {
  SendMessageA(GetFormatController().WindowHandle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("intl"));
}

class TextEditPropertiesTest : public EditUnitsTest {};

}  // namespace

TEST_F(TextEditPropertiesTest, ShownTextTakesTheEchoAndTheCase) {
  struct TCase {
    TcxEditEchoMode Echo;
    char PasswordChar;
    TEditCharCase CharCase;
    Variant Value;
    const char* Shown;
  };
  const TCase cases[] = {
      {eemPassword, '\0', ecNormal, Variant("abc"), "***"}, {eemPassword, '#', ecUpperCase, Variant("abc"), "###"},
      {eemNormal, '#', ecUpperCase, Variant("abc"), "ABC"}, {eemNormal, '\0', ecLowerCase, Variant("AbC"), "abc"},
      {eemNormal, '\0', ecUpperCase, Variant(), ""},        {eemNormal, '\0', ecNormal, Variant(int32_t{42}), "42"},
  };
  for (const TCase& c : cases) {
    TOwned<TcxTextEditProperties> properties = MakeProperties();
    properties->SetEchoMode(c.Echo);
    properties->SetPasswordChar(c.PasswordChar);
    properties->SetCharCase(c.CharCase);
    EXPECT_EQ(properties->GetDisplayText(c.Value, false), c.Shown) << c.Shown;
  }
}

TEST_F(TextEditPropertiesTest, ListStylesTakeOnlyLookupItemsInTheirCase) {
  struct TCase {
    TcxEditEditingStyle Style;
    TEditCharCase CharCase;
    Variant Value;
    bool Valid;
    const char* Becomes;
  };
  const TCase cases[] = {
      {esEdit, ecNormal, Variant("pear"), true, "pear"},
      {esNoEdit, ecUpperCase, Variant("pear"), true, "PEAR"},
      {esEditList, ecNormal, Variant("aPPLE"), true, "aPPLE"},
      {esEditList, ecUpperCase, Variant("apple"), true, "APPLE"},
      {esEditList, ecNormal, Variant("pear"), false, "pear"},
      {esFixedList, ecNormal, Variant("appl"), false, "appl"},
      {esFixedList, ecNormal, Variant(""), true, ""},
  };
  for (const TCase& c : cases) {
    TOwned<TcxTextEditProperties> properties = MakeProperties(c.Style);
    properties->LookupItems().Add("Apple");
    properties->SetCharCase(c.CharCase);
    Variant value = c.Value;
    EXPECT_EQ(properties->IsValueValid(value, false), c.Valid) << c.Style << " " << c.Becomes;
    EXPECT_EQ(value.AsString(), c.Becomes) << c.Style;
  }
  TOwned<TcxTextEditProperties> fixedList = MakeProperties(esFixedList);
  Variant number(int32_t{7});
  EXPECT_TRUE(fixedList->IsEditValueValid(number, false)) << "a value that is no text stands";
  EXPECT_FALSE(fixedList->IsDisplayValueEqual(Variant("a"), Variant("A"))) << "the case shows";
}

TEST_F(TextEditPropertiesTest, WithoutLookupDataTheListStylesTakeAnyText) {
  for (TcxEditEditingStyle style : {esEditList, esFixedList}) {
    TOwned<TcxTextEditProperties> properties(new TNoLookupProperties(nullptr, style));
    properties->AfterConstruction();
    properties->LookupItems().Add("Apple");
    Variant value("pear");
    EXPECT_FALSE(properties->IsLookupDataVisual()) << style;
    EXPECT_TRUE(properties->IsValueValid(value, false)) << style;
  }
  EXPECT_TRUE(MakeProperties(esEditList)->IsLookupDataVisual());
}

TEST_F(TextEditPropertiesTest, MaxLengthDefaultsToTheBoundDataUntilAssigned) {
  TLimitedProvider provider(12);
  TOwned<TcxTextEditProperties> properties = MakeProperties();
  EXPECT_EQ(properties->MaxLength(), 0) << "no binding, no limit";
  properties->SetDefaultValuesProvider(&provider);
  EXPECT_EQ(properties->MaxLength(), 12);
  properties->SetMaxLength(5);
  EXPECT_EQ(properties->MaxLength(), 5) << "an assigned limit wins over the data's";
  properties->SetDefaultValuesProvider(nullptr);
}

TEST_F(TextEditPropertiesTest, NumericValuesShowInTheDisplayFormat) {
  struct TCase {
    const char* Format;
    Variant Value;
    const char* Shown;
  };
  const TCase cases[] = {
      {"", Variant(), ""},
      {"0.00", Variant(""), ""},
      {"", Variant(int32_t{42}), "42"},
      {"", Variant(" 2.50 "), "2.5"},
      {"0.00", Variant(2.5), "2.50"},
      {"0.00", Variant("3"), "3.00"},
      {",0.0;(,0.0)", Variant(-1234.5), "(1,234.5)"},
  };
  for (const TCase& c : cases) {
    TOwned<TcxTextEditProperties> properties(new TNumericProperties(nullptr));
    properties->AfterConstruction();
    properties->SetDisplayFormat(c.Format);
    Variant shown;
    properties->PrepareDisplayValue(c.Value, shown, false);
    EXPECT_EQ(shown.AsString(), c.Shown) << c.Format;
    EXPECT_EQ(properties->GetDisplayText(c.Value, false), c.Shown) << c.Format;
  }
  TOwned<TcxTextEditProperties> properties(new TNumericProperties(nullptr));
  properties->AfterConstruction();
  Variant shown;
  for (const Variant& value : {Variant("abc"), Variant(TDateTime{45000})})
    EXPECT_THROW(properties->PrepareDisplayValue(value, shown, false), EConvertError) << value.AsString();
}

TEST_F(TextEditPropertiesTest, MaxLengthIsNeverNegativeAndStoredOnlyWhenAssigned) {
  TOwned<TcxTextEditProperties> properties = MakeProperties();
  const TPropertyInfo* info = TcxTextEditProperties::StaticClass()->FindProperty("MaxLength");
  ASSERT_NE(info, nullptr);
  EXPECT_FALSE(info->StoredRule(*properties));
  EXPECT_EQ(CountChanges(*properties, [&] { properties->SetMaxLength(-5); }), 1);
  EXPECT_EQ(properties->MaxLength(), 0);
  EXPECT_TRUE(info->StoredRule(*properties)) << "an assigned 0 is a limit of its own";
  EXPECT_EQ(CountChanges(*properties, [&] { properties->SetMaxLength(0); }), 0);
  properties->SetMaxLength(3);
  EXPECT_EQ(CountChanges(*properties, [&] { properties->AssignedValues()->SetMaxLength(false); }), 1);
  EXPECT_EQ(properties->MaxLength(), 0) << "the default again";
}

TEST_F(TextEditPropertiesTest, AssignCopiesEverySettingInOneChange) {
  TOwned<TcxTextEditProperties> source = MakeProperties();
  source->SetCharCase(ecUpperCase);
  source->SetEchoMode(eemPassword);
  source->SetPasswordChar('#');
  source->SetHideSelection(false);
  source->SetFixedListBackspace(false);
  source->SetIncrementalSearch(false);
  source->SetImeMode(imOpen);
  source->SetImeName("ime");
  source->SetOEMConvert(true);
  source->SetMaxLength(5);
  source->SetDisplayFormat("0.00");
  source->LookupItems().Add("b");
  source->LookupItems().Add("a");
  source->SetLookupItemsSorted(true);
  TcxValidChars valid;
  valid.set('+');
  source->SetValidChars(valid);
  std::string announced;
  source->SetOnNewLookupDisplayText([&](TObject*, const std::string& text) { announced = text; });

  TOwned<TcxTextEditProperties> target = MakeProperties();
  target->LookupItems().Add("c");
  EXPECT_EQ(CountChanges(*target, [&] { target->Assign(source.get()); }), 1);
  EXPECT_EQ(target->CharCase(), ecUpperCase);
  EXPECT_EQ(target->EchoMode(), eemPassword);
  EXPECT_EQ(target->PasswordChar(), '#');
  EXPECT_FALSE(target->HideSelection());
  EXPECT_FALSE(target->FixedListBackspace());
  EXPECT_FALSE(target->IncrementalSearch());
  EXPECT_EQ(target->ImeMode(), imOpen);
  EXPECT_EQ(target->ImeName(), "ime");
  EXPECT_TRUE(target->OEMConvert());
  EXPECT_EQ(target->MaxLength(), 5);
  EXPECT_EQ(target->DisplayFormat(), "0.00");
  EXPECT_TRUE(target->LookupItemsSorted());
  ASSERT_EQ(target->LookupItems().Count(), 2);
  EXPECT_EQ(target->LookupItems()[0], "a");
  EXPECT_TRUE(target->ValidChars().test('+'));
  target->OnNewLookupDisplayText()(nullptr, "new");
  EXPECT_EQ(announced, "new");

  // What the source left to the defaults, the target leaves to them too.
  TOwned<TcxTextEditProperties> plain = MakeProperties();
  target->Assign(plain.get());
  EXPECT_FALSE(target->IsMaxLengthStored());
  EXPECT_FALSE(target->AssignedValues()->DisplayFormat());
  EXPECT_FALSE(target->LookupItemsSorted());
  EXPECT_EQ(target->LookupItems().Count(), 0);
}

TEST_F(TextEditPropertiesTest, WhatAnnouncesAChange) {
  struct TCase {
    const char* Name;
    TcxEditEditingStyle Style;
    std::function<void(TcxTextEditProperties&)> Action;
    int Changes;
  };
  const TCase cases[] = {
      {"a lookup item", esEdit, [](TcxTextEditProperties& p) { p.LookupItems().Add("x"); }, 1},
      {"Backspace outside the fixed list", esEdit, [](TcxTextEditProperties& p) { p.SetFixedListBackspace(false); }, 0},
      {"Backspace in the fixed list", esFixedList, [](TcxTextEditProperties& p) { p.SetFixedListBackspace(false); }, 1},
      {"the same case", esEdit, [](TcxTextEditProperties& p) { p.SetCharCase(ecNormal); }, 0},
      {"a display format", esEdit, [](TcxTextEditProperties& p) { p.SetDisplayFormat("0"); }, 1},
      {"an empty display format assigned", esEdit, [](TcxTextEditProperties& p) { p.SetDisplayFormat(""); }, 1},
      {"several inside one update", esEdit,
       [](TcxTextEditProperties& p) {
         p.BeginUpdate();
         p.SetEchoMode(eemPassword);
         p.SetPasswordChar('x');
         p.SetNonEditable(true);
         p.EndUpdate();
       },
       1},
      {"a change of the regional settings", esEdit, [](TcxTextEditProperties&) { AnnounceRegionalChange(); }, 1},
  };
  for (const TCase& c : cases) {
    TOwned<TcxTextEditProperties> properties = MakeProperties(c.Style);
    EXPECT_EQ(CountChanges(*properties, [&] { c.Action(*properties); }), c.Changes) << c.Name;
  }
  TOwned<TcxTextEditProperties> properties = MakeProperties();
  properties->SetEditFormat("0");
  EXPECT_EQ(CountChanges(*properties, [&] { properties->SetEditFormat("0"); }), 0);
  bool inChangedFormat = false;
  properties->SetOnPropertiesChanged([&](TObject*) { inChangedFormat = properties->InChangedFormat(); });
  AnnounceRegionalChange();
  EXPECT_TRUE(inChangedFormat);
  EXPECT_FALSE(properties->InChangedFormat());
  properties.reset();
  EXPECT_EQ(GetFormatController().WindowHandle(), nullptr) << "the last listener gone";
}

TEST_F(TextEditPropertiesTest, OlderFormsAssignTheDisplayFormatWhichIsNeverWrittenWhereUnpublished) {
  TOwned<TcxTextEditProperties> properties = MakeProperties();
  const TPropertyInfo* hidden = TcxTextEditProperties::StaticClass()->FindDefinedProperty("IsDisplayFormatAssigned");
  ASSERT_NE(hidden, nullptr);
  hidden->SetOrdinal(*properties, 1);
  EXPECT_TRUE(properties->AssignedValues()->DisplayFormat());
  EXPECT_EQ(properties->DisplayFormat(), "");
  const TPropertyInfo* flag = TcxTextEditPropertiesValues::StaticClass()->FindProperty("DisplayFormat");
  ASSERT_NE(flag, nullptr);
  EXPECT_FALSE(flag->StoredRule(*properties->AssignedValues()));
}

TEST_F(TextEditPropertiesTest, BoundsCheckNumbersOnlyAgainstTheBoundsSet) {
  struct TCase {
    bool MinSet;
    bool MaxSet;
    Variant Value;
    bool Error;
  };
  const TCase cases[] = {
      {true, true, Variant(0.5), true},          {true, true, Variant(int32_t{5}), false},
      {true, true, Variant(11.0), true},         {true, true, Variant("100"), false},
      {false, true, Variant(int32_t{0}), false}, {true, false, Variant(int32_t{100}), false},
      {true, true, Variant(10.0), false},
  };
  for (const TCase& c : cases) {
    TOwned<TcxTextEditProperties> properties = MakeProperties();
    if (c.MinSet) properties->SetMinValue(1);
    if (c.MaxSet) properties->SetMaxValue(10);
    bool error = false;
    std::string text;
    properties->CheckEditValueBounds(c.Value, error, text);
    EXPECT_EQ(error, c.Error) << c.Value.AsString();
    EXPECT_EQ(text, c.Error ? "Value out of bounds" : "");
  }
}
