#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

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

namespace {

// Another program holding a file open, letting others share it only as far as `sharing` says.
using TFileHolder = std::unique_ptr<void, decltype(&CloseHandle)>;
TFileHolder Hold(const std::string& file, DWORD sharing) {
  return {CreateFileA(file.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr), CloseHandle};
}

}  // namespace

// A backup or a virus scanner holds the file, or a copy left beside it, for
// a moment: reads and saves wait for it instead of failing.
TEST_F(IniFileTest, AFileAnotherProgramHoldsForAMomentIsTriedAgain) {
  struct TCase {
    const char* Step;
    const char* HeldFile;
    DWORD Sharing;
  } const cases[] = {
      {"the read", "test.ini", 0},
      {"writing the copy", "test.ini.tmp", 0},
      {"the swap", "test.ini", FILE_SHARE_READ},
  };
  for (const TCase& c : cases) {
    FFolder.Write("test.ini", "[S]\r\nK=old\r\n");
    FFolder.Write("test.ini.tmp", "left by a program that ended");
    std::thread anotherProgram([holder = Hold(FFolder.File(c.HeldFile), c.Sharing)]() mutable {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      holder.reset();
    });
    try {
      EXPECT_EQ(FIni.ReadString("S", "K", ""), "old") << c.Step;
      FIni.WriteString("S", "K", "new");
    } catch (const EIniFileException& error) {
      ADD_FAILURE() << c.Step << ": " << error.Message();
    }
    anotherProgram.join();
    EXPECT_EQ(FFolder.Read("test.ini"), "[S]\r\nK=new\r\n") << c.Step;
  }
}

TEST(IniFile, RaisesWhenTheFileCannotBeWritten) {
  TIniFile ini("Z:\\no\\such\\folder\\x.ini");
  EXPECT_THROW(ini.WriteString("S", "K", "v"), EIniFileException);
}

namespace {

enum class TCopyFault { None, Reported, Silent };

// A disk that fills while the copy is written: half of it gets there, and
// the system reports the failure or, as some do, success.
class FullDiskIniFile : public TIniFile {
 public:
  FullDiskIniFile(const std::string& fileName, TCopyFault fault) : TIniFile(fileName), FFault(fault) {}

 protected:
  bool WriteCopy(const std::wstring& copyName, const std::string& text) override {
    if (FFault == TCopyFault::None) return TIniFile::WriteCopy(copyName, text);
    std::ofstream(std::filesystem::path(copyName), std::ios::binary) << text.substr(0, text.size() / 2);
    SetLastError(ERROR_DISK_FULL);
    return FFault == TCopyFault::Silent;
  }

 private:
  TCopyFault FFault;
};

}  // namespace

// An edited device is erased and written again in one update: whatever goes
// wrong on the way, the file stays the whole old inventory.
TEST_F(IniFileTest, AnUpdateThatFailsOnTheWayLeavesTheFileAsItWas) {
  std::string inventory;
  for (int device = 1; device <= 30; ++device)
    inventory += "[Device-" + std::to_string(device) + "]\r\nAddr=" + std::to_string(device) + "\r\nIP=10.0.0." +
                 std::to_string(device) + "\r\nCommunityRd=kolmer\r\nType=11\r\n";
  struct TCase {
    const char* Fault;
    int RefusedKey;
    TCopyFault CopyFault;
  } const cases[] = {
      {"a key refused after the erase and four keys", 5, TCopyFault::None},
      {"the disk fills and says so", 0, TCopyFault::Reported},
      {"the disk cuts the copy short without a word", 0, TCopyFault::Silent},
  };
  const char* const keys[] = {"NETID", "ID", "Addr", "IP", "GateWay", "SNMPVer", "CommunityRd", "CommunityWr", "Type"};
  for (const TCase& c : cases) {
    FFolder.Write("test.ini", inventory);
    FullDiskIniFile ini(FFolder.File("test.ini"), c.CopyFault);
    EXPECT_THROW(ini.Update([&] {
      ini.EraseSection("Device-1");
      for (int key = 1; key <= 9; ++key) ini.WriteString("Device-1", keys[key - 1], key == c.RefusedKey ? "\n" : "new");
    }),
                 EIniFileException)
        << c.Fault;
    EXPECT_EQ(FFolder.Read("test.ini"), inventory) << c.Fault;
    EXPECT_FALSE(std::filesystem::exists(FFolder.File("test.ini.tmp"))) << c.Fault;
  }
}
