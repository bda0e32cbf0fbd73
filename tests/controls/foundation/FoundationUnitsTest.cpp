#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/container/cxContainerPopup.h"
#include "controls/foundation/controls/cxControlsControl.h"
#include "controls/foundation/graphics/cxDWMApi.h"
#include "controls/foundation/graphics/cxEditPaintUtils.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/classes/ClassInfo.h"
#include "platform/controls/core/Form.h"
#include "platform/graphics/Msimg32.h"
#include "platform/rtl/DynamicLibrary.h"

namespace {

std::vector<std::string> Names(const std::vector<TUnitInfo>& units) {
  std::vector<std::string> names;
  for (const TUnitInfo& unit : units) names.push_back(unit.Name);
  return names;
}

// A system without the visual-style, drawing and window-manager libraries,
// whose user32 has no monitor functions (an old one, played by kernel32).
HMODULE LoadAsOnAnOldSystem(const char* name) {
  for (const char* missing : {"UxTheme.dll", "msimg32.dll", "dwmapi.dll"})
    if (_stricmp(name, missing) == 0) return nullptr;
  return LoadLibraryA(_stricmp(name, "USER32") == 0 ? "kernel32.dll" : name);
}

class TLeftoverCaller : public IcxMouseTrackingCaller {
 public:
  void MouseLeave() override {}
};

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

TEST(FoundationUnitsTest, TheLogShowsEachStartInOrderAndEachEndInReverseOnce) {
  std::vector<std::string> log;
  SetUnitsLog([&log](const std::string& unit, bool started) { log.push_back((started ? "start " : "end ") + unit); });
  InitializeUnits(FoundationUnits());
  InitializeUnits(FoundationUnits());
  FinalizeUnits();
  FinalizeUnits();
  SetUnitsLog(nullptr);
  std::vector<std::string> expected;
  const std::vector<std::string> names = Names(FoundationUnits());
  for (const std::string& name : names) expected.push_back("start " + name);
  for (auto name = names.rbegin(); name != names.rend(); ++name) expected.push_back("end " + *name);
  EXPECT_EQ(log, expected);
}

TEST(FoundationUnitsTest, StartUpCompletesWhenTheOptionalLibrariesAndEntriesAreMissing) {
  SetLibraryLoader(LoadAsOnAnOldSystem);
  EXPECT_NO_THROW(InitializeUnits(FoundationUnits()));
  SetLibraryLoader(nullptr);
  EXPECT_EQ(InitializedUnits(), Names(FoundationUnits()));
  EXPECT_FALSE(IsUxThemeLoaded());
  EXPECT_FALSE(IsDwmLoaded());
  EXPECT_EQ(Msimg32Api().AlphaBlend, nullptr);
  EXPECT_EQ(Msimg32Api().GradientFill, nullptr);
  EXPECT_EQ(cxMonitorApi().MonitorFromPoint, nullptr);
  EXPECT_EQ(cxMonitorApi().GetMonitorInfoA, nullptr);
  // Each feature falls back: the system work area, a gradient drawn by
  // hand, a control with its bars painted without visual styles.
  RECT workArea{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  const RECT area = GetDesktopWorkArea(POINT{10, 10});
  EXPECT_TRUE(EqualRect(&workArea, &area));
  {
    TBitmap bitmap;
    bitmap.SetSize(3, 1);
    FillGradientRect(bitmap.DC(), {0, 0, 3, 1}, clBlack, clWhite, true);
    EXPECT_EQ(GetPixel(bitmap.DC(), 1, 0), RGB(128, 128, 128));
    TOwned<TForm> form(new TForm(nullptr));
    auto* control = new TcxControl(form.get());
    control->SetParent(form.get());
    control->SetBorderStyle(cxcbsDefault);
    form->Show();
    EXPECT_TRUE(RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN));
  }
  EXPECT_NO_THROW(FinalizeUnits());
  EXPECT_TRUE(InitializedUnits().empty());
}

TEST(FoundationUnitsTest, TheEndFreesWhatWasMadeOnFirstUseAndLeftoverTrackingDoesNotStopIt) {
  InitializeUnits(FoundationUnits());
  TLeftoverCaller caller;
  BeginMouseTracking(nullptr, RECT{0, 0, 10, 10}, &caller);
  ASSERT_TRUE(IsMouseTracking(&caller));
  const HWND timerWindow = cxTimerWindowHandle();
  const HWND messageWindow = cxMessageWindow()->Handle();
  EXPECT_TRUE(IsWindow(timerWindow));
  EXPECT_NO_THROW(FinalizeUnits());
  EXPECT_FALSE(IsMouseTracking(&caller));
  EXPECT_FALSE(IsWindow(timerWindow));
  EXPECT_FALSE(IsWindow(messageWindow));
  EXPECT_EQ(cxTimerWindowHandle(), nullptr);
  EXPECT_EQ(cxMessageWindow(), nullptr);
  EXPECT_EQ(RootLookAndFeel, nullptr);
  InitializeUnits(FoundationUnits());
  EXPECT_NE(cxMessageWindow(), nullptr) << "a new start makes them again";
  FinalizeUnits();
}

}  // namespace
