// The legend's lamps show the colours the Ethernet lamps of the main window use.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "application/main/ApplicationClasses.h"
#include "application/main/Legend.h"
#include "platform/controls/core/Application.h"
#include "tests/platform/controls/Capture.h"

namespace {

COLORREF CentreColour(TShape& lamp) {
  TBitmap captured;
  CaptureControl(lamp, captured);
  return PixelAt(captured, lamp.Width() / 2, lamp.Height() / 2);
}

class LegendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterApplicationClasses();
    Legend = CreateUnowned<TLegend>();
  }
  void TearDown() override { Application().SetModalHandler(nullptr); }

  TOwned<TLegend> Legend;
};

TEST_F(LegendTest, LampsAreLimeAndYellowForSpeedAndDuplexAndSilverWhenDisconnected) {
  EXPECT_EQ(CentreColour(*Legend->ShapeSpeed100), RGB(0, 255, 0));
  EXPECT_EQ(CentreColour(*Legend->ShapeSpeed10), RGB(255, 255, 0));
  EXPECT_EQ(CentreColour(*Legend->ShapeDuplexFull), RGB(0, 255, 0));
  EXPECT_EQ(CentreColour(*Legend->ShapeDuplexHalf), RGB(255, 255, 0));
  EXPECT_EQ(CentreColour(*Legend->ShapeDisconnected), RGB(192, 192, 192));
}

TEST_F(LegendTest, OkAndEnterCloseTheWindowWithTheOkResult) {
  Application().SetModalHandler([](TForm& form) { static_cast<TLegend&>(form).BitBtnOk->Click(); });
  EXPECT_EQ(Legend->ShowModal(), mrOk);
  Application().SetModalHandler([](TForm& form) { PostMessageA(form.Handle(), WM_KEYDOWN, VK_RETURN, 1); });
  EXPECT_EQ(Legend->ShowModal(), mrOk);
}

}  // namespace
