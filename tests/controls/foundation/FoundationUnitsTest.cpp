#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/cxContainerPopup.h"
#include "controls/foundation/cxControlsControl.h"
#include "controls/foundation/cxDWMApi.h"
#include "controls/foundation/cxEditPaintUtils.h"
#include "controls/foundation/cxGraphics.h"
#include "controls/foundation/cxLookAndFeelPainters.h"
#include "controls/foundation/cxLookAndFeels.h"
#include "controls/foundation/dxOffice11.h"
#include "controls/foundation/dxThemeManager.h"
#include "controls/foundation/dxUxTheme.h"
#include "platform/classes/ClassInfo.h"
#include "platform/graphics/Msimg32.h"

namespace {

std::vector<std::string> Names(const std::vector<TUnitInfo>& units) {
  std::vector<std::string> names;
  for (const TUnitInfo& unit : units) names.push_back(unit.Name);
  return names;
}

TEST(FoundationUnitsTest, UnitsStartInOrderAndEndInReverse) {
  EXPECT_EQ(Names(FoundationUnits()),
            (std::vector<std::string>{"cxClasses", "cxGeometry", "dxUxTheme", "cxGraphics", "dxThemeManager",
                                      "dxOffice11", "cxLookAndFeelPainters", "cxLookAndFeels", "cxControls", "cxDWMApi",
                                      "cxContainer", "cxDataStorage", "cxEditPaintUtils"}));
  const TcxHookCounts hooks = cxPopupHookCounts();
  InitializeUnits(FoundationUnits());
  EXPECT_EQ(InitializedUnits(), Names(FoundationUnits()));
  EXPECT_EQ(cxPopupHookCounts().Installs, hooks.Installs + 3);
  EXPECT_TRUE(IsUxThemeLoaded());
  EXPECT_TRUE(IsDwmLoaded());
  const HBRUSH cached = GetSolidBrush(clRed);
  EXPECT_NE(Msimg32Api().AlphaBlend, nullptr);
  EXPECT_NE(Msimg32Api().GradientFill, nullptr);
  EXPECT_NE(ThemeChangedReceiverWindow(), nullptr);
  EXPECT_EQ(GetClass("TcxRect") != nullptr, true);
  EXPECT_EQ(ClassGroupOf(TcxControlChildComponent::StaticClass()), TControl::StaticClass());
  EXPECT_NE(cxControlsMessageID(), 0u);
  EXPECT_NE(cxRadioButtonImageList(), nullptr);
  EXPECT_NE(GetExtendedStylePainters(), nullptr);
  EXPECT_NE(SystemPaletteChangedListenerWindow(), nullptr);
  ASSERT_NE(RootLookAndFeel, nullptr);
  EXPECT_TRUE(RootLookAndFeel->IsRoot());
  FinalizeUnits();
  EXPECT_TRUE(InitializedUnits().empty());
  EXPECT_EQ(cxPopupHookCounts().Removals, hooks.Removals + 3);
  EXPECT_FALSE(IsUxThemeLoaded());
  EXPECT_FALSE(IsDwmLoaded());
  EXPECT_EQ(GetObjectType(cached), 0u);
  EXPECT_EQ(Msimg32Api().AlphaBlend, nullptr);
  EXPECT_EQ(Msimg32Api().GradientFill, nullptr);
  EXPECT_EQ(ThemeChangedReceiverWindow(), nullptr);
  EXPECT_EQ(GetClass("TcxRect"), nullptr);
  EXPECT_EQ(cxRadioButtonImageList(), nullptr);
  EXPECT_EQ(GetExtendedStylePainters(), nullptr);
  EXPECT_EQ(SystemPaletteChangedListenerWindow(), nullptr);
  EXPECT_EQ(RootLookAndFeel, nullptr);
}

TEST(FoundationUnitsTest, ASecondStartOrEndOfAnyUnitDoesNothing) {
  for (const TUnitInfo& unit : FoundationUnits()) {
    unit.Initialize();
    const HBRUSH halftone = HalftoneBrush();
    const HWND receiver = ThemeChangedReceiverWindow();
    const TcxRadioButtonImageList* radioImages = cxRadioButtonImageList();
    const TcxLookAndFeel* root = RootLookAndFeel;
    unit.Initialize();
    EXPECT_EQ(RootLookAndFeel, root) << unit.Name;
    EXPECT_EQ(HalftoneBrush(), halftone) << unit.Name;
    EXPECT_EQ(ThemeChangedReceiverWindow(), receiver) << unit.Name;
    EXPECT_EQ(cxRadioButtonImageList(), radioImages) << unit.Name;
    unit.Finalize();
    EXPECT_EQ(HalftoneBrush(), halftone) << unit.Name;
    unit.Finalize();
    unit.Finalize();
  }
  EXPECT_EQ(HalftoneBrush(), nullptr);
}

TEST(FoundationUnitsTest, StartUpWithoutTheOptionalLibrariesCompletes) {
  InitializeUnits(FoundationUnits());
  // As on a system without any of the three libraries.
  BindUxTheme(5, 0);
  BindDwmApi(5);
  Msimg32Api() = {};
  dxThemeManagerFinalize();
  dxThemeManagerInitialize();
  {
    TcxSystemPaletteChangedNotifier notifier;
    EXPECT_EQ(Office11Scheme(), schSystem);
    EXPECT_FALSE(IsOffice11TableColors());
    TBitmap bitmap;
    bitmap.SetSize(3, 1);
    FillGradientRect(bitmap.DC(), {0, 0, 3, 1}, clBlack, clWhite, true);
    EXPECT_EQ(GetPixel(bitmap.DC(), 1, 0), RGB(128, 128, 128));
    EXPECT_FALSE(IsCompositionEnabled());
  }
  FinalizeUnits();
}

}  // namespace
