#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "controls/editors/EditorsUnits.h"
#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxTextDrawing.h"
#include "controls/editors/check/cxCheckBox.h"
#include "controls/editors/check/cxCheckComboBox.h"
#include "controls/editors/dropdown/cxComboBox.h"
#include "controls/editors/dropdown/cxDropDownEditPopupEdit.h"
#include "controls/editors/dropdown/cxImageComboBox.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "controls/editors/text/cxTextEdit.h"
#include "platform/classes/ClassBuilder.h"

namespace {

TEST(EditorsUnitsTest, UnitsStartInOrderAndEndInReverse) {
  std::vector<std::string> names;
  for (const TUnitInfo& unit : EditorsUnits()) names.push_back(unit.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"cxTextDrawing", "cxFormatController", "cxDateUtils", "cxEdit",
                                             "cxTextEdit", "cxMaskEdit", "cxDropDownEdit", "cxCheckBox",
                                             "cxImageComboBox", "cxCheckComboBox"}));
  EXPECT_EQ(cxEndEllipsis(), "");
  InitializeUnits(EditorsUnits());
  EXPECT_EQ(InitializedUnits(), names);
  EXPECT_EQ(cxEndEllipsis(), "...");
  FinalizeUnits();
  EXPECT_TRUE(InitializedUnits().empty());
  EXPECT_EQ(cxEndEllipsis(), "");
}

TEST(EditorsUnitsTest, ASecondStartOrEndOfAnyUnitDoesNothing) {
  cxTextDrawingInitialize();
  cxTextDrawingInitialize();
  cxTextDrawingFinalize();
  EXPECT_EQ(cxEndEllipsis(), "...");
  cxTextDrawingFinalize();
  cxTextDrawingFinalize();
  EXPECT_EQ(cxEndEllipsis(), "");
  cxTextDrawingInitialize();
  EXPECT_EQ(cxEndEllipsis(), "...");
  cxTextDrawingFinalize();
}

// What the editor units register, in their order of start-up: the
// properties class with its description in the edit repository, and the
// filter helper that answers for it.
struct TRegistration {
  TClass Properties;
  std::string Description;
  // nullptr where the unit registers none.
  TClass Helper;
};

std::vector<TRegistration> EditorRegistrations() {
  return {
      {TcxTextEditProperties::StaticClass(), "TextEdit|Represents a single line text editor",
       TcxFilterTextEditHelper::StaticClass()},
      {TcxMaskEditProperties::StaticClass(), "MaskEdit|Represents a generic masked edit control.",
       TcxFilterMaskEditHelper::StaticClass()},
      {TcxComboBoxProperties::StaticClass(), "ComboBox|Represents the combo box editor",
       TcxFilterComboBoxHelper::StaticClass()},
      {TcxPopupEditProperties::StaticClass(), "PopupEdit|Represents an edit control with a dropdown list", nullptr},
      {TcxCheckBoxProperties::StaticClass(), "CheckBox|Represents a check box control that allows selecting an option",
       TcxFilterCheckBoxHelper::StaticClass()},
      {TcxImageComboBoxProperties::StaticClass(),
       "ImageComboBox|Represents an editor displaying the list of images and text strings within the dropdown window",
       TcxFilterImageComboBoxHelper::StaticClass()},
      {TcxCheckComboBoxProperties::StaticClass(), "CheckComboBox|Represents a CheckComboBox",
       TcxFilterCheckComboBoxHelper::StaticClass()},
  };
}

// A properties class no unit registers, under one that is registered.
template <class Base>
class TDerivedProperties : public Base {
 public:
  using Base::Base;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TDerivedProperties>("TDerivedProperties", Base::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
};

TClass HelperClassOf(TClass properties) {
  const TcxCustomFilterEditHelper* helper = FindFilterEditHelper(properties);
  return helper ? helper->ClassType() : nullptr;
}

TEST(EditorsUnitsTest, TheEditorsRegisterTheirPropertiesAndFilterHelpersWhileStarted) {
  const std::vector<TRegistration> registrations = EditorRegistrations();
  for (int start = 0; start < 2; ++start) {
    SCOPED_TRACE(start == 0 ? "first start" : "second start");
    // Started again, nothing registers twice.
    InitializeUnits(EditorsUnits());
    InitializeUnits(EditorsUnits());
    TcxRegisteredClasses* repository = GetRegisteredEditProperties();
    ASSERT_NE(repository, nullptr);
    std::vector<std::string> listed;
    for (int i = 0; i < repository->Count(); ++i) listed.push_back(repository->Descriptions(i));
    std::vector<std::string> expected;
    for (const TRegistration& registration : registrations) expected.push_back(registration.Description);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected) << "the repository lists them by name";
    std::vector<TClass> helped;
    for (const TRegistration& registration : registrations) {
      SCOPED_TRACE(registration.Description);
      const int index = repository->IndexOf(registration.Properties);
      ASSERT_GE(index, 0);
      EXPECT_EQ(repository->Descriptions(index), registration.Description);
      EXPECT_EQ(HelperClassOf(registration.Properties), registration.Helper);
      if (registration.Helper) helped.push_back(registration.Properties);
    }
    std::vector<TClass> registryOrder;
    for (int i = 0; i < FilterEditsController().Count(); ++i)
      registryOrder.push_back(FilterEditsController().Items(i).ItemClass);
    EXPECT_EQ(registryOrder, helped) << "the helpers are registered in the units' order";
    EXPECT_EQ(HelperClassOf(TDerivedProperties<TcxTextEditProperties>::StaticClass()),
              TcxFilterTextEditHelper::StaticClass());
    EXPECT_EQ(HelperClassOf(TDerivedProperties<TcxMaskEditProperties>::StaticClass()),
              TcxFilterMaskEditHelper::StaticClass());
    FinalizeUnits();
    EXPECT_EQ(GetRegisteredEditProperties(), nullptr);
    EXPECT_FALSE(FilterEditsControllerExists());
    for (const TRegistration& registration : registrations) EXPECT_EQ(HelperClassOf(registration.Properties), nullptr);
    EXPECT_EQ(GetClass("TcxTextEdit"), nullptr);
    EXPECT_EQ(GetClass("TcxMaskEdit"), nullptr);
    EXPECT_EQ(GetClass("TcxCheckBox"), nullptr);
    EXPECT_EQ(GetClass("TcxComboBox"), nullptr);
    EXPECT_EQ(GetClass("TcxPopupEdit"), nullptr);
    EXPECT_EQ(GetClass("TcxImageComboBox"), nullptr);
    EXPECT_EQ(GetClass("TcxCheckComboBox"), nullptr);
    // Ended again, nothing goes wrong.
    FinalizeUnits();
    for (const TUnitInfo& unit : EditorsUnits()) unit.Finalize();
  }
}

// The comparisons each filter helper offers, for a text field and for an
// integer one, plain and extended.
TEST(EditorsUnitsTest, EachFilterHelperOffersItsOperators) {
  InitializeUnits(EditorsUnits());
  struct TCase {
    const char* Name;
    TClass Properties;
    uint32_t Text;
    uint32_t TextExtended;
    uint32_t Integer;
    uint32_t IntegerExtended;
  };
  const TCase cases[] = {
      {"unmasked edit", TcxMaskEditProperties::StaticClass(), 0x7FE, 0x7FFE, 0x67E, 0x7E7E},
      {"combo box", TcxComboBoxProperties::StaticClass(), 0x7FE, 0x7FFE, 0x67E, 0x7E7E},
      {"check box", TcxCheckBoxProperties::StaticClass(), 0x606, 0x606, 0x606, 0x606},
      {"check-list combo box", TcxCheckComboBoxProperties::StaticClass(), 0x606, 0x6606, 0x606, 0x6606},
      {"image combo box", TcxImageComboBoxProperties::StaticClass(), 0x606, 0x6606, 0x606, 0x6606},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TcxCustomFilterEditHelper* helper = FindFilterEditHelper(c.Properties);
    ASSERT_NE(helper, nullptr);
    TOwned<TcxCustomEditProperties> properties = CreatePersistentOf<TcxCustomEditProperties>(c.Properties, nullptr);
    const auto offered = [&](TcxValueTypeClass type, bool extended) {
      return helper->GetSupportedFilterOperators(*properties, type, extended).Bits();
    };
    EXPECT_EQ(offered(&TcxStringValueType::Class, false), c.Text);
    EXPECT_EQ(offered(&TcxStringValueType::Class, true), c.TextExtended);
    EXPECT_EQ(offered(&TcxIntegerValueType::Class, false), c.Integer);
    EXPECT_EQ(offered(&TcxIntegerValueType::Class, true), c.IntegerExtended);
  }
  EXPECT_TRUE(TcxFilterDropDownEditHelper().IsDropDownEditHelper());
  FinalizeUnits();
}

const char* IdentName(const TIdentMap& map, int64_t value) {
  for (const TIdentMapEntry& entry : map)
    if (entry.Value == value) return entry.Name;
  return "?";
}

// What a filter row's editor of each kind is set to, in one line.
std::string PreparedSettings(const TcxCustomFilterEditHelper& helper, const TcxCustomEditProperties& properties) {
  std::ostringstream out;
  out << "readonly " << properties.ReadOnly();
  if (const auto* text = dynamic_cast<const TcxCustomTextEditProperties*>(&properties))
    out << ", autoselect " << text->AutoSelect();
  if (const auto* mask = dynamic_cast<const TcxCustomMaskEditProperties*>(&properties))
    out << ", " << IdentName(EditMaskKindIdents(), mask->MaskKind());
  if (const auto* combo = dynamic_cast<const TcxCustomComboBoxProperties*>(&properties))
    out << ", " << IdentName(EditDropDownListStyleIdents(), combo->DropDownListStyle()) << ", rows "
        << combo->DropDownRows() << ", immediate " << combo->ImmediateDropDown() << ", alignment "
        << combo->PopupAlignment() << ", revertable " << combo->Revertable();
  if (const auto* image = dynamic_cast<const TcxCustomImageComboBoxProperties*>(&properties))
    out << ", descriptions " << image->ShowDescriptions();
  if (const auto* checks = dynamic_cast<const TcxCustomCheckComboBoxProperties*>(&properties)) {
    out << ", format " << static_cast<int>(checks->EditValueFormat()) << ", items";
    for (int i = 0; i < checks->Items().Count(); ++i) out << " " << checks->Items().Items(i).Description();
    out << ", buttons";
    for (int i = 0; i < checks->Buttons().Count(); ++i)
      out << (checks->Buttons().Items(i).Kind() == bkDown ? " down" : " other");
  }
  const auto* checkBoxHelper = dynamic_cast<const TcxFilterCheckBoxHelper*>(&helper);
  const auto* checkBox = dynamic_cast<const TcxCustomCheckBoxProperties*>(&properties);
  if (checkBoxHelper && checkBox)
    for (const std::string& item : checkBoxHelper->FilterItems(*checkBox)) out << ", item " << item;
  return out.str();
}

// The filter row's editor of each kind, set up by the helper the registry
// answers from an editor's properties that differ where the set-up decides.
TEST(EditorsUnitsTest, EachFilterHelperSetsUpItsFilterEditor) {
  InitializeUnits(EditorsUnits());
  struct TCase {
    const char* Name;
    TClass Properties;
    std::function<void(TcxCustomEditProperties&)> Source;
    std::string Prepared;
  };
  const auto asCombo = [](TcxCustomEditProperties& p) -> TcxCustomComboBoxProperties& {
    auto& combo = static_cast<TcxCustomComboBoxProperties&>(p);
    combo.SetDropDownRows(3);
    combo.SetImmediateDropDown(true);
    combo.SetPopupAlignment(taRightJustify);
    combo.SetRevertable(true);
    return combo;
  };
  const TCase cases[] = {
      {"text edit", TcxTextEditProperties::StaticClass(),
       [](TcxCustomEditProperties& p) {
         p.SetReadOnly(true);
         static_cast<TcxCustomTextEditProperties&>(p).SetAutoSelect(false);
       },
       "readonly 0, autoselect 1"},
      {"unmasked edit", TcxMaskEditProperties::StaticClass(),
       [](TcxCustomEditProperties& p) { static_cast<TcxCustomTextEditProperties&>(p).SetAutoSelect(false); },
       "readonly 0, autoselect 1, emkStandard"},
      {"expression mask", TcxMaskEditProperties::StaticClass(),
       [](TcxCustomEditProperties& p) {
         auto& mask = static_cast<TcxCustomMaskEditProperties&>(p);
         mask.SetMaskKind(emkRegExpr);
         mask.SetEditMask("\\d+");
       },
       "readonly 0, autoselect 0, emkRegExprEx"},
      {"combo box", TcxComboBoxProperties::StaticClass(),
       [&](TcxCustomEditProperties& p) { asCombo(p).SetDropDownListStyle(lsFixedList); },
       "readonly 0, autoselect 1, emkStandard, lsEditList, rows 8, immediate 0, alignment 0, revertable 0"},
      {"check box", TcxCheckBoxProperties::StaticClass(),
       [](TcxCustomEditProperties& p) { static_cast<TcxCustomCheckBoxProperties&>(p).SetDisplayUnchecked("Off"); },
       "readonly 0, item True, item Off"},
      {"image combo box", TcxImageComboBoxProperties::StaticClass(),
       [&](TcxCustomEditProperties& p) {
         asCombo(p);
         static_cast<TcxCustomImageComboBoxProperties&>(p).SetShowDescriptions(false);
       },
       "readonly 0, autoselect 1, emkStandard, lsFixedList, rows 8, immediate 1, alignment 0, revertable 0, "
       "descriptions 1"},
      {"check-list combo box", TcxCheckComboBoxProperties::StaticClass(),
       [&](TcxCustomEditProperties& p) {
         auto& checks = static_cast<TcxCustomCheckComboBoxProperties&>(asCombo(p));
         checks.SetEditValueFormat(cvfIndices);
         checks.Items().Add().SetDescription("ETH1");
         checks.Items().Add().SetDescription("ETH2");
         checks.Buttons().Add().SetKind(bkEllipsis);
       },
       "readonly 0, autoselect 1, emkStandard, lsFixedList, rows 8, immediate 0, alignment 0, revertable 0, "
       "format 1, items ETH1 ETH2, buttons down"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TcxCustomFilterEditHelper* helper = FindFilterEditHelper(c.Properties);
    ASSERT_NE(helper, nullptr);
    TOwned<TcxCustomEditProperties> source = CreatePersistentOf<TcxCustomEditProperties>(c.Properties, nullptr);
    c.Source(*source);
    TOwned<TcxCustomEditProperties> filter = helper->GetFilterEditProperties(*source, true);
    EXPECT_EQ(PreparedSettings(*helper, *filter), c.Prepared);
  }
  FinalizeUnits();
}

}  // namespace
