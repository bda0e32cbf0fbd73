#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "tests/support/TemporaryFolder.h"

class IniFileTest : public ::testing::Test {
 protected:
  TemporaryFolder FFolder;
  TIniFile FIni{FFolder.File("test.ini")};
};

TEST_F(IniFileTest, ReadsDefaultsFromAFileThatDoesNotExist) {
  EXPECT_EQ(FIni.ReadString("S", "K", "dflt"), "dflt");
  EXPECT_EQ(FIni.ReadInteger("S", "K", 7), 7);
  EXPECT_FALSE(FIni.SectionExists("S"));
  TStringList sections;
  sections.Add("stale");
  FIni.ReadSections(sections);
  EXPECT_EQ(sections.Count(), 0);
}

TEST_F(IniFileTest, WritesKeysInOrderAndReadsThemBack) {
  FIni.WriteString("Dev1", "IP", "10.0.0.1");
  FIni.WriteInteger("Dev1", "Addr", -3);
  FIni.WriteString("Dev1", "Empty", "");
  EXPECT_EQ(FFolder.Read("test.ini"), "[Dev1]\r\nIP=10.0.0.1\r\nAddr=-3\r\nEmpty=\r\n");
  EXPECT_EQ(FIni.ReadString("Dev1", "IP", ""), "10.0.0.1");
  EXPECT_EQ(FIni.ReadInteger("Dev1", "Addr", 0), -3);
  EXPECT_EQ(FIni.ReadString("Dev1", "Empty", "dflt"), "");
}

TEST_F(IniFileTest, ReadsIntegersLeniently) {
  FFolder.Write("test.ini", "[S]\r\nHex=0x1F\r\nDollar=$10\r\nWord=abc\r\n");
  EXPECT_EQ(FIni.ReadInteger("S", "Hex", 0), 31);
  EXPECT_EQ(FIni.ReadInteger("S", "Dollar", 0), 16);
  EXPECT_EQ(FIni.ReadInteger("S", "Word", 5), 5);
}

TEST_F(IniFileTest, ListsSectionsInFileOrderAndErasesOneOfThem) {
  FFolder.Write("test.ini", "[Zeta]\r\nA=1\r\n[alpha]\r\nA=2\r\n[Mid]\r\nA=3\r\n");
  TStringList sections;
  FIni.ReadSections(sections);
  ASSERT_EQ(sections.Count(), 3);
  EXPECT_EQ(sections[0], "Zeta");
  EXPECT_EQ(sections[1], "alpha");
  EXPECT_EQ(sections[2], "Mid");
  EXPECT_TRUE(FIni.SectionExists("ALPHA"));

  FIni.EraseSection("alpha");
  FIni.ReadSections(sections);
  ASSERT_EQ(sections.Count(), 2);
  EXPECT_EQ(sections[1], "Mid");
  EXPECT_FALSE(FIni.SectionExists("alpha"));
  EXPECT_EQ(FIni.ReadString("Mid", "A", ""), "3");
}

TEST_F(IniFileTest, ReadsValuesLongerThanItsFirstBuffer) {
  const std::string longValue(5000, 'v');
  FIni.WriteString("S", "Long", longValue);
  EXPECT_EQ(FIni.ReadString("S", "Long", ""), longValue);
}

TEST_F(IniFileTest, RefusesALineBreakInASectionKeyOrValueAndWritesNothing) {
  FIni.WriteString("Dev1", "IP", "10.0.0.1");
  const std::string before = FFolder.Read("test.ini");
  EXPECT_THROW(FIni.WriteString("Dev1", "CommunityWr", "x\n[Dev2]\nIP=1.2.3.4"), EIniFileException);
  EXPECT_THROW(FIni.WriteString("Dev1", "Key\r\nIP", "v"), EIniFileException);
  EXPECT_THROW(FIni.WriteString("Dev2]\r\n[Dev3", "IP", "v"), EIniFileException);
  EXPECT_EQ(FFolder.Read("test.ini"), before);
}

TEST(IniFile, RaisesWhenTheFileCannotBeWritten) {
  TIniFile ini("Z:\\no\\such\\folder\\x.ini");
  EXPECT_THROW(ini.WriteString("S", "K", "v"), EIniFileException);
}
