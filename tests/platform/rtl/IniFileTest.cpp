#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/UnixSide.h"

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

TFileHolder NoHolder() { return {nullptr, CloseHandle}; }

DWORD Attributes(const std::string& file) { return GetFileAttributesA(file.c_str()); }

constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

}  // namespace

// A save the system refuses names the file that failed, at once unless
// another program holds that file, and leaves the file as it was.
TEST(IniFile, RaisesWhenTheFileCannotBeWritten) {
  const std::string inventory = "[S]\r\nK=old\r\n";
  struct TCase {
    const char* Refusal;
    std::function<TFileHolder(const TemporaryFolder&)> Prepare;
    const char* Message;
    const char* FailedFile;
    bool AtOnce;
  } const cases[] = {
      {"a missing folder", nullptr, "Unable to write to ", "no\\such\\folder\\test.ini.tmp", true},
      {"a read-only file",
       [](const TemporaryFolder& folder) {
         SetFileAttributesA(folder.File("test.ini").c_str(), FILE_ATTRIBUTE_READONLY);
         return NoHolder();
       },
       "Unable to write to ", "test.ini", true},
      {"a read-only copy left beside it",
       [](const TemporaryFolder& folder) {
         folder.Write("test.ini.tmp", "left");
         SetFileAttributesA(folder.File("test.ini.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
         return NoHolder();
       },
       "Unable to write to ", "test.ini.tmp", true},
      {"a folder in the copy's place",
       [](const TemporaryFolder& folder) {
         std::filesystem::create_directory(folder.File("test.ini.tmp"));
         return NoHolder();
       },
       "Unable to write to ", "test.ini.tmp", true},
      {"the copy held by another program",
       [](const TemporaryFolder& folder) {
         folder.Write("test.ini.tmp", "left");
         return Hold(folder.File("test.ini.tmp"), 0);
       },
       "Unable to write to ", "test.ini.tmp", false},
      {"the file held by another program when the update starts",
       [](const TemporaryFolder& folder) { return Hold(folder.File("test.ini"), 0); }, "Unable to read ", "test.ini",
       false},
  };
  for (const TCase& c : cases) {
    const TemporaryFolder folder;
    const std::string fileName = c.Prepare ? folder.File("test.ini") : folder.File("no\\such\\folder\\test.ini");
    if (c.Prepare) folder.Write("test.ini", inventory);
    const DWORD attributes = Attributes(fileName);
    TIniFile ini(fileName);
    {
      const TFileHolder holder = c.Prepare ? c.Prepare(folder) : NoHolder();
      const DWORD before = Attributes(fileName);
      const auto start = std::chrono::steady_clock::now();
      try {
        ini.WriteString("S", "K", "new");
        ADD_FAILURE() << c.Refusal << ": saved";
      } catch (const EIniFileException& error) {
        EXPECT_EQ(error.Message(), c.Message + folder.File(c.FailedFile)) << c.Refusal;
      }
      if (c.AtOnce) {
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.Refusal;
      }
      EXPECT_EQ(Attributes(fileName), before) << c.Refusal;
    }
    EXPECT_EQ(folder.Read("test.ini"), c.Prepare ? inventory : "") << c.Refusal;
    SetFileAttributesA(fileName.c_str(), attributes);
    SetFileAttributesA((fileName + ".tmp").c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

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

// A save keeps what the file kept: its hidden and system attributes, and a
// link, which goes on naming the file that takes the changes.
TEST_F(IniFileTest, ASaveKeepsTheAttributesOfTheFileAndTheLinkToIt) {
  FFolder.Write("test.ini", "[S]\r\nK=old\r\n");
  SetFileAttributesA(FFolder.File("test.ini").c_str(), kHiddenSystem);
  FIni.WriteString("S", "K", "new");
  EXPECT_EQ(Attributes(FFolder.File("test.ini")) & kHiddenSystem, kHiddenSystem);
  EXPECT_EQ(FFolder.Read("test.ini"), "[S]\r\nK=new\r\n");
  SetFileAttributesA(FFolder.File("test.ini").c_str(), FILE_ATTRIBUTE_NORMAL);

  std::filesystem::create_directory(FFolder.File("kept"));
  FFolder.Write("kept\\devices.ini", "[S]\r\nK=old\r\n");
  const TUnixSideChange link = SymbolicLink(FFolder.File("link.ini"), FFolder.File("kept\\devices.ini"));
  if (!link.Made()) GTEST_SKIP() << "needs Wine's Unix side to make a symbolic link";
  TIniFile(FFolder.File("link.ini")).WriteString("S", "K", "new");
  EXPECT_EQ(FFolder.Read("kept\\devices.ini"), "[S]\r\nK=new\r\n");
  EXPECT_FALSE(std::filesystem::exists(FFolder.File("kept\\devices.ini.tmp")));
  EXPECT_FALSE(std::filesystem::exists(FFolder.File("link.ini.tmp")));
}

// A setup that lets the file be written in a folder that takes no new file
// has the file written where it is, whether the text grows or shrinks.
TEST_F(IniFileTest, AFolderThatTakesNoNewFileHasTheFileWrittenInPlace) {
  std::filesystem::create_directory(FFolder.File("locked"));
  FFolder.Write("locked\\test.ini", "[S]\r\nK=old\r\n");
  TIniFile ini(FFolder.File("locked\\test.ini"));
  const TUnixSideChange folder = Immutable(FFolder.File("locked"));
  if (!folder.Made()) GTEST_SKIP() << kNoImmutableHere;
  ini.WriteString("S", "K", "a value longer than the old one");
  EXPECT_EQ(FFolder.Read("locked\\test.ini"), "[S]\r\nK=a value longer than the old one\r\n");
  ini.WriteString("S", "K", "v");
  EXPECT_EQ(FFolder.Read("locked\\test.ini"), "[S]\r\nK=v\r\n");
  EXPECT_FALSE(std::filesystem::exists(FFolder.File("locked\\test.ini.tmp")));
}

namespace {

enum class TCopyFault { None, Reported, Silent };

// A disk that fills while the copy is written: half of it gets there, and
// the system reports the failure or, as some do, success.
class FullDiskIniFile : public TIniFile {
 public:
  FullDiskIniFile(const std::string& fileName, TCopyFault fault) : TIniFile(fileName), FFault(fault) {}

 protected:
  // The disk fills once: the next save finds room again.
  bool WriteCopy(const std::wstring& copyName, const std::string& text, uint32_t attributes) override {
    if (std::exchange(FFault, TCopyFault::None) == TCopyFault::None)
      return TIniFile::WriteCopy(copyName, text, attributes);
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

    // Nothing of the failed update lingers to swallow the next one.
    ini.WriteString("Device-2", "IP", "10.9.9.9");
    EXPECT_EQ(ini.ReadString("Device-2", "IP", ""), "10.9.9.9") << c.Fault;
    EXPECT_EQ(ini.ReadString("Device-1", "IP", ""), "10.0.0.1") << c.Fault;
  }
}
