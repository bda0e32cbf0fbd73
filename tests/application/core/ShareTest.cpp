#include <gtest/gtest.h>
#include <windows.h>

#include "application/core/Share.h"
#include "tests/support/TemporaryFolder.h"

class InventoryTest : public ::testing::Test {
 protected:
  void SetUp() override { CurrentDevice = TNE_Attr(); }

  TemporaryFolder FFolder;
  TIniFile FIni{FFolder.File("devices.ini")};
};

TEST_F(InventoryTest, LoadingAMissingSectionGivesTheDefaults) {
  LoadDevice(FIni, "Nowhere");
  EXPECT_EQ(CurrentDevice.Name, "Nowhere");
  EXPECT_EQ(CurrentDevice.NETID, "");
  EXPECT_EQ(CurrentDevice.ID, "");
  EXPECT_EQ(CurrentDevice.Addr, 0);
  EXPECT_EQ(CurrentDevice.IP, "192.168.0.155");
  EXPECT_EQ(CurrentDevice.GateWay, "");
  EXPECT_EQ(CurrentDevice.SNMPVer, 1);
  EXPECT_EQ(CurrentDevice.CommunityRd, "kolmer");
  EXPECT_EQ(CurrentDevice.CommunityWr, "drastun");
  EXPECT_EQ(CurrentDevice.Type, "11");
}

TEST_F(InventoryTest, SavesTheNineKeysInOrderAndReadsThemBack) {
  CurrentDevice = {
      "201071495123400000", "201071495567800000", 7, "Dev1", "10.1.2.3", "10.1.2.254", 0, "pub", "priv", "116*8"};
  SaveDevice(FIni);
  EXPECT_EQ(FFolder.Read("devices.ini"),
            "[Dev1]\r\nNETID=201071495123400000\r\nID=201071495567800000\r\nAddr=7\r\nIP=10.1.2.3\r\n"
            "GateWay=10.1.2.254\r\nSNMPVer=0\r\nCommunityRd=pub\r\nCommunityWr=priv\r\nType=116*8\r\n");

  CurrentDevice = TNE_Attr();
  LoadDevice(FIni, "Dev1");
  EXPECT_EQ(CurrentDevice.Name, "Dev2");
  EXPECT_EQ(CurrentDevice.NETID, "201071495123400000");
  EXPECT_EQ(CurrentDevice.ID, "201071495567800000");
  EXPECT_EQ(CurrentDevice.Addr, 7);
  EXPECT_EQ(CurrentDevice.IP, "10.1.2.3");
  EXPECT_EQ(CurrentDevice.GateWay, "10.1.2.254");
  EXPECT_EQ(CurrentDevice.SNMPVer, 0);
  EXPECT_EQ(CurrentDevice.CommunityRd, "pub");
  EXPECT_EQ(CurrentDevice.CommunityWr, "priv");
  EXPECT_EQ(CurrentDevice.Type, "116*8");
}

TEST_F(InventoryTest, NamesANewDeviceAfterTheFirstFreeSection) {
  LoadDevice(FIni, "NEPL");
  EXPECT_EQ(CurrentDevice.Name, "NEPL0");

  FFolder.Write("devices.ini", "[NEPL0]\r\nAddr=1\r\n[nepl1]\r\nAddr=2\r\n[Dev1]\r\nAddr=3\r\n[Dev3]\r\nAddr=4\r\n");
  LoadDevice(FIni, "NEPL");
  EXPECT_EQ(CurrentDevice.Name, "NEPL2");
  EXPECT_EQ(CurrentDevice.Addr, 0);

  LoadDevice(FIni, "Dev1");
  EXPECT_EQ(CurrentDevice.Name, "Dev2");
  EXPECT_EQ(CurrentDevice.Addr, 3);

  LoadDevice(FIni, "Dev3");
  EXPECT_EQ(CurrentDevice.Name, "Dev4");

  TStringList sections;
  FIni.ReadSections(sections);
  ASSERT_EQ(sections.Count(), 4);
  EXPECT_EQ(sections[1], "nepl1");
  EXPECT_EQ(sections[3], "Dev3");
}

TEST_F(InventoryTest, OnlyTheExactTemplateNameGetsAZeroAppended) {
  LoadDevice(FIni, "nepl");
  EXPECT_EQ(CurrentDevice.Name, "nepl");
  FFolder.Write("devices.ini", "[Router]\r\nAddr=1\r\n");
  LoadDevice(FIni, "Router");
  EXPECT_EQ(CurrentDevice.Name, "Router0");
}

TEST(TrailingNumberPos, FindsTheDigitRunThatEndsTheText) {
  EXPECT_EQ(TrailingNumberPos("12"), 1);
  EXPECT_EQ(TrailingNumberPos("ab"), 0);
  EXPECT_EQ(TrailingNumberPos(""), 0);
  EXPECT_EQ(TrailingNumberPos("a1b22"), 4);
  EXPECT_EQ(TrailingNumberPos("x007"), 2);
}

TEST(IncTrailingNumber, IncrementsTheDigitRunAsDecimalText) {
  const std::pair<std::string, std::string> cases[] = {
      {"abc7", "abc8"},
      {"a099", "a100"},
      {"x007", "x8"},
      {"9", "10"},
      {"abc", "abc0"},
      {"", "0"},
      {"x000", "x1"},
      {"a1b9", "a1b10"},
      {"SN123456789012345678901234567890", "SN123456789012345678901234567891"},
      {"SN999999999999999999999999999999", "SN1000000000000000000000000000000"},
      {"dev4294967295", "dev4294967296"}};
  for (const auto& [before, after] : cases) {
    std::string text = before;
    IncTrailingNumber(text);
    EXPECT_EQ(text, after) << before;
  }
}

TEST(PadZeros, AppendsUpToTheWidthOrStripsLeadingZeros) {
  EXPECT_EQ(PadZeros("2010", 8, false), "20100000");
  EXPECT_EQ(PadZeros("123456789", 4, false), "123456789");
  EXPECT_EQ(PadZeros("00120", 0, true), "120");
  EXPECT_EQ(PadZeros("000", 0, true), "0");
  EXPECT_EQ(PadZeros("", 0, true), "0");
  EXPECT_EQ(PadZeros("", 3, false), "000");
}

TEST(MakeTimestampId, JoinsTheClockAndTheRandomNumberPaddedToEighteen) {
  EXPECT_EQ(FormatTimestampId({2010, 7, 14, 9, 5, 0}, 1234), "201071495123400000");
  EXPECT_EQ(FormatTimestampId({2026, 12, 31, 23, 59, 0}, 9998), "202612312359999800");
  EXPECT_EQ(FormatTimestampId({2026, 1, 2, 3, 4, 0}, 0), "202612340000000000");
  const std::string id = MakeTimestampId();
  EXPECT_GE(id.size(), 18u);
  EXPECT_EQ(id.find_first_not_of("0123456789"), std::string::npos);
  EXPECT_EQ(id.substr(0, 4), std::to_string(Now().Year));
}

TEST(LcasCtrlName, NamesTheDefinedControlWordsOnly) {
  const std::pair<uint8_t, const char*> cases[] = {{0, "fixed"},   {1, "add"},     {2, "norm"},    {3, "eos"},
                                                   {5, "idle"},    {15, "dnu"},    {4, "Unknow"},  {6, "Unknow"},
                                                   {14, "Unknow"}, {16, "Unknow"}, {255, "Unknow"}};
  for (const auto& [ctrl, name] : cases) EXPECT_EQ(LcasCtrlName(ctrl), name) << int(ctrl);
}

TEST(StringToBytes, CopiesEveryOctetWithoutConversion) {
  StringToBytes(
      std::string("\x00\x81\xFF"
                  "A",
                  4));
  EXPECT_EQ(ReplyBytes, (std::vector<uint8_t>{0x00, 0x81, 0xFF, 0x41}));
  StringToBytes("");
  EXPECT_TRUE(ReplyBytes.empty());
}

namespace {

int gDispatched = 0;

LRESULT CALLBACK CountingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++gDispatched;
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateCountingWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = CountingWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "DelayTestWindow";
  RegisterClassA(&windowClass);
  return CreateWindowA("DelayTestWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

TEST(Delay, LastsItsTimeWhilePostedMessagesAreDispatched) {
  const HWND window = CreateCountingWindow();
  ASSERT_NE(window, nullptr);
  gDispatched = 0;
  PostMessageA(window, WM_APP, 0, 0);
  PostMessageA(window, WM_APP, 0, 0);
  const uint32_t start = TickCount();
  Delay(150);
  EXPECT_GE(TickCount() - start, 150u);
  EXPECT_EQ(gDispatched, 2);

  PostMessageA(window, WM_APP, 0, 0);
  Delay(0);
  EXPECT_EQ(gDispatched, 3);
  DestroyWindow(window);
}
