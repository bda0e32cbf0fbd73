#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/editors/EditorsUnits.h"
#include "controls/editors/engines/cxFormatController.h"
#include "platform/controls/core/Application.h"
#include "tests/support/TestLocale.h"

namespace {

// Records what it is told in a shared log; it may stop listening, or make
// another listener stop, while it is told.
class TRecordingListener : public IcxFormatControllerListener {
 public:
  TRecordingListener(std::string name, std::vector<std::string>& log) : FName(std::move(name)), FLog(log) {}
  void FormatChanged() override {
    FLog.push_back(FName);
    if (OnChanged) OnChanged();
  }
  std::function<void()> OnChanged;

 protected:
  std::string FName;
  std::vector<std::string>& FLog;
};

class TTimeListener : public TRecordingListener, public IcxFormatControllerListener2 {
 public:
  using TRecordingListener::TRecordingListener;
  void TimeChanged() override { FLog.push_back(FName + " time"); }
};

class cxFormatControllerTest : public testing::Test {
 protected:
  TTestFormatLocale Locale;
  TcxFormatController Controller;
  std::vector<std::string> Log;

  void TearDown() override { Application().SetUpdateFormatSettings(true); }

  LRESULT SendSettingChange(WPARAM parameter, const char* section) {
    return SendMessageA(Controller.WindowHandle(), WM_SETTINGCHANGE, parameter, reinterpret_cast<LPARAM>(section));
  }
};

TEST_F(cxFormatControllerTest, FormatsAreBuiltFromTheRegionalSettings) {
  EXPECT_EQ(Controller.DateEditMask(), "!99/99/9999;1; ");
  EXPECT_EQ(Controller.StandardDateEditMask(), "!99/99/9999;1; ");
  EXPECT_EQ(Controller.DateTimeEditMask(), "!99/99/9999\\ 99:99:99;1; ");
  EXPECT_EQ(Controller.DateEditFormat(), "dd/MM/yyyy");
  EXPECT_EQ(Controller.DateDisplayFormat(), "dd/mm/yyyy");
  EXPECT_EQ(Controller.DateTimeDisplayFormat(), "dd/mm/yyyy' 'hh:nn:ss");
  EXPECT_EQ(Controller.CurrencyFormat(), "$,0.00;($,0.00)");
  EXPECT_EQ(Controller.StartOfWeek(), 1);
  EXPECT_EQ(Controller.TimeFormatInfo().Items.size(), 5u);
  EXPECT_TRUE(Controller.DateEditRegExpr().starts_with("(([012]?[1-9]|[123]0|31)\\/"));
  EXPECT_EQ(Controller.DateEditRegExpr().find("'now'"), std::string::npos);
  EXPECT_NE(Controller.DateTimeEditRegExpr().find("' '("), std::string::npos);
  EXPECT_NE(Controller.DateTimeEditRegExpr().find("'now'"), std::string::npos);
}

TEST_F(cxFormatControllerTest, TheWeekStartsOnSundayWhereTheRegionSaysSo) {
  Locale.FirstDay = 6;
  Controller.GetFormats();
  EXPECT_EQ(Controller.StartOfWeek(), 0);
}

TEST_F(cxFormatControllerTest, AnEraLeavesTheSmartWordsAloneForTyping) {
  Locale.ShortDate = "gg yyyy/M/d";
  Controller.GetFormats();
  EXPECT_TRUE(Controller.DateFormatInfo().Items.empty());
  EXPECT_EQ(Controller.DateEditMask(), "");
  EXPECT_TRUE(Controller.DateEditRegExpr().starts_with("('today'|"));
  EXPECT_TRUE(Controller.DateTimeEditRegExpr().starts_with("('today'|"));
  EXPECT_NE(Controller.DateTimeEditRegExpr().find("'now'"), std::string::npos);
}

TEST_F(cxFormatControllerTest, FormatsTheProgramSetSurviveARebuild) {
  Controller.SetCurrencyFormat("0.00 EUR");
  Controller.SetDateEditRegExpr("\\d");
  Controller.SetDateTimeEditRegExpr("\\d\\d");
  Controller.SetDateEditMask("99");
  Controller.SetDateTimeEditMask("9999");
  Controller.SetStartOfWeek(3);
  Locale.ShortDate = "yyyy-MM-dd";
  Controller.GetFormats();
  EXPECT_EQ(Controller.CurrencyFormat(), "0.00 EUR");
  EXPECT_EQ(Controller.DateEditRegExpr(), "\\d");
  EXPECT_EQ(Controller.DateTimeEditRegExpr(), "\\d\\d");
  EXPECT_EQ(Controller.DateEditMask(), "99");
  EXPECT_EQ(Controller.DateTimeEditMask(), "9999");
  EXPECT_EQ(Controller.StartOfWeek(), 3);
  EXPECT_EQ(Controller.StandardDateEditMask(), "!9999\\-99\\-99;1; ");
  EXPECT_EQ(Controller.DateEditFormat(), "yyyy-MM-dd");
}

TEST_F(cxFormatControllerTest, TheHiddenWindowLivesWhileAnyoneListens) {
  TRecordingListener first("first", Log);
  TRecordingListener second("second", Log);
  EXPECT_EQ(Controller.WindowHandle(), nullptr);
  Controller.AddListener(&first);
  const HWND window = Controller.WindowHandle();
  ASSERT_NE(window, nullptr);
  Controller.AddListener(&second);
  Controller.AddListener(&first);
  EXPECT_EQ(Controller.WindowHandle(), window);
  Controller.RemoveListener(&first);
  EXPECT_TRUE(IsWindow(window));
  Controller.RemoveListener(&second);
  EXPECT_EQ(Controller.WindowHandle(), nullptr);
  EXPECT_FALSE(IsWindow(window));
}

struct TSettingChangeCase {
  WPARAM Parameter;
  const char* Section;
  bool UpdateFormatSettings;
  bool Notified;
};

const TSettingChangeCase kSettingChangeCases[] = {
    {0, "intl", true, true},
    {0, nullptr, true, false},
    {SPI_SETNONCLIENTMETRICS, nullptr, true, false},
    {SPI_SETNONCLIENTMETRICS, "intl", true, false},
    {0, "Windows", true, false},
    {0, "intl", false, false},
};

TEST_F(cxFormatControllerTest, ARegionalSettingsChangeRebuildsTheFormatsAndTellsTheListeners) {
  TRecordingListener first("first", Log);
  TRecordingListener second("second", Log);
  Controller.AddListener(&first);
  Controller.AddListener(&second);
  for (const TSettingChangeCase& c : kSettingChangeCases) {
    const std::string section = c.Section ? c.Section : "(none)";
    Log.clear();
    Locale.ShortDate = "d/M/yyyy";
    Controller.GetFormats();
    Locale.ShortDate = "yyyy-M-d";
    Application().SetUpdateFormatSettings(c.UpdateFormatSettings);
    SendSettingChange(c.Parameter, c.Section);
    const std::vector<std::string> told =
        c.Notified ? std::vector<std::string>{"first", "second"} : std::vector<std::string>();
    EXPECT_EQ(Log, told) << section;
    EXPECT_EQ(Controller.DateEditFormat(), c.Notified ? "yyyy-MM-dd" : "dd/MM/yyyy") << section;
  }
  Controller.RemoveListener(&first);
  Controller.RemoveListener(&second);
}

TEST_F(cxFormatControllerTest, ListenersLeavingWhileTheyAreToldAreToldNoMore) {
  TRecordingListener first("first", Log);
  TRecordingListener second("second", Log);
  TRecordingListener third("third", Log);
  first.OnChanged = [&] { Controller.RemoveListener(&second); };
  third.OnChanged = [&] {
    Controller.RemoveListener(&first);
    Controller.RemoveListener(&third);
  };
  for (auto* listener : {&first, &second, &third}) Controller.AddListener(listener);
  EXPECT_EQ(SendSettingChange(0, "intl"), 0);
  EXPECT_EQ(Log, (std::vector<std::string>{"first", "third"}));
  EXPECT_EQ(Controller.WindowHandle(), nullptr);
}

TEST_F(cxFormatControllerTest, AClockChangeReachesTheListenersThatAskForIt) {
  TRecordingListener formats("formats", Log);
  TTimeListener time("clock", Log);
  Controller.AddListener(&formats);
  Controller.AddListener(&time);
  EXPECT_EQ(SendMessageA(Controller.WindowHandle(), WM_TIMECHANGE, 0, 0), 0);
  EXPECT_EQ(Log, std::vector<std::string>{"clock time"});
  Controller.RemoveListener(&formats);
  Controller.RemoveListener(&time);
}

TEST(cxFormatControllerUnitTest, TheEndOfTheEditorUnitsFreesTheController) {
  InitializeUnits(EditorsUnits());
  std::vector<std::string> log;
  TRecordingListener listener("listener", log);
  GetFormatController().AddListener(&listener);
  EXPECT_EQ(&GetFormatController(), &GetFormatController());
  const HWND window = GetFormatController().WindowHandle();
  FinalizeUnits();
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
