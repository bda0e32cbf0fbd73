#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "application/core/AppUtils.h"
#include "platform/controls/drawn/Grids.h"

namespace {

class AppUtilsGridTest : public ::testing::Test {
 protected:
  TOwned<TStringGrid> Grid = CreateUnowned<TStringGrid>();
};

TEST_F(AppUtilsGridTest, FillPortGridLabelsOpticalThenEthernetThenE1Rows) {
  FillPortGrid(*Grid, 2, 4, 16, "Port@@Enable@");
  EXPECT_EQ(Grid->RowCount(), 23);
  EXPECT_EQ(Grid->Cells(0, 0), "Port");
  EXPECT_EQ(Grid->Cells(1, 0), "Enable");
  EXPECT_EQ(Grid->Cells(2, 0), "");
  EXPECT_EQ(Grid->Cells(0, 1), "OPTA");
  EXPECT_EQ(Grid->Cells(0, 2), "OPTB");
  EXPECT_EQ(Grid->Cells(0, 3), "ETH-1");
  EXPECT_EQ(Grid->Cells(0, 6), "ETH-4");
  EXPECT_EQ(Grid->Cells(0, 7), "E1-1");
  EXPECT_EQ(Grid->Cells(0, 22), "E1-16");
}

TEST_F(AppUtilsGridTest, FillPortGridNamesOnlySixOpticalPorts) {
  FillPortGrid(*Grid, 7, 1, 0, "\xB6\xD4\xCF\xF3@\xBB\xB7\xBB\xD8");
  EXPECT_EQ(Grid->RowCount(), 9);
  EXPECT_EQ(Grid->Cells(0, 0), "\xB6\xD4\xCF\xF3");
  EXPECT_EQ(Grid->Cells(1, 0), "\xBB\xB7\xBB\xD8");
  EXPECT_EQ(Grid->Cells(0, 6), "OPTF");
  EXPECT_EQ(Grid->Cells(0, 7), "");
  EXPECT_EQ(Grid->Cells(0, 8), "ETH-1");
}

TEST_F(AppUtilsGridTest, FillPortGridWithoutPortsLeavesTheHeaderRowOnly) {
  FillPortGrid(*Grid, 0, 0, 0, "Object@Members");
  EXPECT_EQ(Grid->RowCount(), 1);
  EXPECT_EQ(Grid->Cells(1, 0), "Members");
}

TEST_F(AppUtilsGridTest, SetRowsByE1CountReadsTheTextAfterTheFirstStar) {
  Grid->SetRowCount(17);
  SetRowsByE1Count(*Grid, "11");
  EXPECT_EQ(Grid->RowCount(), 17);
  SetRowsByE1Count(*Grid, "116*8");
  EXPECT_EQ(Grid->RowCount(), 9);
  SetRowsByE1Count(*Grid, "116*4");
  EXPECT_EQ(Grid->RowCount(), 5);
  Grid->SetRowCount(17);
  SetRowsByE1Count(*Grid, "116*8*4");
  SetRowsByE1Count(*Grid, "116*");
  SetRowsByE1Count(*Grid, "");
  EXPECT_EQ(Grid->RowCount(), 17);
  SetRowsByE1Count(*Grid, "8");
  EXPECT_EQ(Grid->RowCount(), 9);
}

}  // namespace
