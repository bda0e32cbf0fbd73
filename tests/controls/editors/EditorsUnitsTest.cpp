#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/editors/EditorsUnits.h"
#include "controls/editors/base/cxTextDrawing.h"

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

}  // namespace
