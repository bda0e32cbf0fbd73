#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "tests/support/FileHolders.h"
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

TFileHolder NoHolder() { return {}; }

// A change made on the Unix side for as long as the holder lives; none where it cannot be made.
std::optional<TFileHolder> ChangedOnUnixSide(const char* command, const char* undo, const std::string& file) {
  const std::optional<std::string> path = UnixPath(file);
  auto change = std::make_shared<TUnixSideChange>(UnixCommand(command, path), UnixCommand(undo, path));
  if (!change->Made()) return std::nullopt;
  return change;
}

// A shell test of the file's Unix path, which comes between `before` and `after`.
bool HoldsOnUnixSide(const std::string& before, const std::string& file, const std::string& after = "") {
  const std::optional<std::string> path = UnixPath(file);
  return path && RunOnUnixSide(before + " " + ShellQuoted(*path) + after) == 0;
}

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
      {"a file this user may not write",
       [](const TemporaryFolder& folder) {
         return ChangedOnUnixSide("chattr +i", "chattr -i", folder.File("test.ini")).value_or(NoHolder());
       },
       "Unable to write to ", "test.ini", true},
      {"the file away when the update starts",
       [](const TemporaryFolder& folder) { return TakeAway(folder.File("test.ini")); }, "Unable to read ", "test.ini",
       false},
  };
  for (const TCase& c : cases) {
    const TemporaryFolder folder;
    const std::string fileName = c.Prepare ? folder.File("test.ini") : folder.File("no\\such\\folder\\test.ini");
    if (c.Prepare) folder.Write("test.ini", inventory);
    const DWORD attributes = Attributes(fileName);
    TIniFile ini(fileName);
    ini.ReadContent();
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
    std::function<TFileHolder(const TemporaryFolder&)> Take;
    // The object made the file with its own saves instead of reading it.
    bool MadeBySave;
  } const cases[] = {
      {"the read", [](const TemporaryFolder& folder) { return Hold(folder.File("test.ini"), 0); }, false},
      {"writing the copy", [](const TemporaryFolder& folder) { return Hold(folder.File("test.ini.tmp"), 0); }, false},
      {"the swap", [](const TemporaryFolder& folder) { return Hold(folder.File("test.ini"), FILE_SHARE_READ); }, false},
      {"the file away", [](const TemporaryFolder& folder) { return TakeAway(folder.File("test.ini")); }, false},
      {"the file away after a save made it",
       [](const TemporaryFolder& folder) { return TakeAway(folder.File("test.ini")); }, true},
  };
  for (const TCase& c : cases) {
    std::filesystem::remove(FFolder.File("test.ini"));
    TIniFile ini(FFolder.File("test.ini"));
    if (c.MadeBySave) {
      ini.Update([&] {
        ini.WriteString("S", "K", "old");
        ini.WriteString("T", "K", "kept");
      });
    } else {
      FFolder.Write("test.ini", "[S]\r\nK=old\r\n[T]\r\nK=kept\r\n");
      ini.ReadContent();
    }
    FFolder.Write("test.ini.tmp", "left by a program that ended");
    std::thread anotherProgram([holder = c.Take(FFolder)]() mutable {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      holder.reset();
    });
    try {
      EXPECT_EQ(ini.ReadString("S", "K", ""), "old") << c.Step;
      ini.WriteString("S", "K", "new");
    } catch (const EIniFileException& error) {
      ADD_FAILURE() << c.Step << ": " << error.Message();
    }
    anotherProgram.join();
    EXPECT_EQ(FFolder.Read("test.ini"), "[S]\r\nK=new\r\n[T]\r\nK=kept\r\n") << c.Step;
  }
}

// A file once deleted is new again: the first save after it neither waits
// for the old file nor says it cannot be read.
TEST_F(IniFileTest, AClearedFileTakesANewListAtOnce) {
  FFolder.Write("test.ini", "[S]\r\nK=old\r\n");
  EXPECT_EQ(FIni.ReadString("S", "K", ""), "old");
  FIni.Delete();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_NO_THROW(FIni.WriteString("S", "K", "new"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
  EXPECT_EQ(FFolder.Read("test.ini"), "[S]\r\nK=new\r\n");
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

  // A link whose file is missing stays a link: the file is made through it,
  // or, where its folder is missing too (a share not mounted), nothing is.
  const TUnixSideChange dangling = SymbolicLink(FFolder.File("dangling.ini"), FFolder.File("kept\\made.ini"));
  TIniFile(FFolder.File("dangling.ini")).WriteString("S", "K", "new");
  EXPECT_EQ(FFolder.Read("kept\\made.ini"), "[S]\r\nK=new\r\n");
  std::filesystem::create_directory(FFolder.File("share"));
  const TUnixSideChange unmounted = SymbolicLink(FFolder.File("unmounted.ini"), FFolder.File("share\\devices.ini"));
  std::filesystem::remove(FFolder.File("share"));
  ASSERT_TRUE(unmounted.Made());
  EXPECT_THROW(TIniFile(FFolder.File("unmounted.ini")).WriteString("S", "K", "new"), EIniFileException);
  EXPECT_TRUE(HoldsOnUnixSide("test -L", FFolder.File("unmounted.ini")));
}

namespace {

enum class TDiskFault {
  None,
  // The disk fills while the copy is written: half of it gets there, and the
  // system reports the failure or, as some do, success.
  CopyCutShortAndSaid,
  CopyCutShortWithoutAWord,
  // A file written in place finds room for a few more bytes only.
  NoRoomToGrow,
  // A file written in place: the write over its old bytes fails before it
  // writes one, or writes none and reports success, or changes half of them
  // and fails, the disk working again for the put-back.
  OldBytesUnwritten,
  OldBytesLeftWithoutAWord,
  OldBytesHalfChanged,
  // ReplaceFileW's documented failures after it has taken the file out of
  // its name: removed, or under a name of its own, the copy under its own.
  ReplacedFileRemoved,
  ReplacedFileRenamed,
  // As the first, with the copy held by a virus scanner for longer than a save waits.
  ReplacedFileRemovedCopyHeld,
  // The swap made, and reported as failed; then the file away for a moment,
  // as when a program takes it to read it.
  SwapMadeButSaidFailed,
  // The swap refused because another program holds the file while it lets
  // others write it, and the disk failing for good after a third of the text
  // written in place, with another program holding the file for a moment as
  // soon as it can; or the program ended there.
  PartWrittenInPlaceThenHeld,
  ProgramEndedWritingInPlace,
};

// What ends a save when the program ends half-way: nothing after it runs.
struct TProgramEnded {};

constexpr uint64_t kBytesLeftOnDisk = 4;

// A disk, and a system, that fail once in the way given; the next save
// finds them sound.
class FaultyDiskIniFile : public TIniFile {
 public:
  FaultyDiskIniFile(const std::string& fileName, TDiskFault fault) : TIniFile(fileName), FFault(fault) {}
  ~FaultyDiskIniFile() override { LetGo(); }

  // The virus scanner lets go of the copy, other programs of the file, and a failed disk comes back.
  void LetGo() {
    FCopyHolder.reset();
    if (FAnotherProgram.joinable()) FAnotherProgram.join();
    FDiskFailed = false;
  }

 protected:
  bool WriteCopy(const std::wstring& copyName, const std::string& text, uint32_t attributes) override {
    const TDiskFault fault = FFault;
    if (fault != TDiskFault::CopyCutShortAndSaid && fault != TDiskFault::CopyCutShortWithoutAWord)
      return TIniFile::WriteCopy(copyName, text, attributes);
    FFault = TDiskFault::None;
    std::ofstream(std::filesystem::path(copyName), std::ios::binary) << text.substr(0, text.size() / 2);
    SetLastError(ERROR_DISK_FULL);
    return fault == TDiskFault::CopyCutShortWithoutAWord;
  }

  bool WriteAt(void* file, uint64_t offset, const std::string& bytes) override {
    if (FDiskFailed) return Fail(ERROR_IO_DEVICE);
    switch (FFault) {
      case TDiskFault::NoRoomToGrow: return WriteWhatFits(file, offset, bytes);
      case TDiskFault::OldBytesUnwritten:
        if (offset == 0) return Fail(ERROR_IO_DEVICE);
        break;
      case TDiskFault::OldBytesLeftWithoutAWord:
        if (offset != 0) break;
        FFault = TDiskFault::None;
        return true;
      case TDiskFault::OldBytesHalfChanged:
        if (offset != 0) break;
        TIniFile::WriteAt(file, offset, bytes.substr(0, bytes.size() / 2));
        return Fail(ERROR_IO_DEVICE);
      case TDiskFault::PartWrittenInPlaceThenHeld:
        TIniFile::WriteAt(file, offset, bytes.substr(0, bytes.size() / 3));
        FDiskFailed = true;
        FAnotherProgram = HoldOnceFree(FReplacedName, std::chrono::milliseconds(500));
        return Fail(ERROR_IO_DEVICE);
      case TDiskFault::ProgramEndedWritingInPlace:
        TIniFile::WriteAt(file, offset, bytes.substr(0, bytes.size() / 3));
        FFault = TDiskFault::None;
        throw TProgramEnded();
      default: break;
    }
    return TIniFile::WriteAt(file, offset, bytes);
  }

  bool ReplaceWithCopy(const std::wstring& replacedName, const std::wstring& copyName, bool replacing) override {
    FReplacedName = replacedName;
    switch (FFault) {
      case TDiskFault::ReplacedFileRemoved:
        DeleteFileW(replacedName.c_str());
        return Fail(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
      case TDiskFault::ReplacedFileRenamed:
        MoveFileW(replacedName.c_str(), (replacedName + L".replaced").c_str());
        return Fail(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
      case TDiskFault::ReplacedFileRemovedCopyHeld:
        DeleteFileW(replacedName.c_str());
        FCopyHolder = {CreateFileW(copyName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), CloseHandle};
        return Fail(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
      case TDiskFault::SwapMadeButSaidFailed:
        TIniFile::ReplaceWithCopy(replacedName, copyName, replacing);
        MoveFileW(replacedName.c_str(), (replacedName + L".away").c_str());
        FAnotherProgram = std::thread([replacedName] {
          std::this_thread::sleep_for(std::chrono::milliseconds(300));
          MoveFileW((replacedName + L".away").c_str(), replacedName.c_str());
        });
        return Fail(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
      case TDiskFault::PartWrittenInPlaceThenHeld:
      case TDiskFault::ProgramEndedWritingInPlace: SetLastError(ERROR_SHARING_VIOLATION); return false;
      default: return TIniFile::ReplaceWithCopy(replacedName, copyName, replacing);
    }
  }

 private:
  bool WriteWhatFits(void* file, uint64_t offset, const std::string& bytes) {
    LARGE_INTEGER length;
    GetFileSizeEx(file, &length);
    const uint64_t end = static_cast<uint64_t>(length.QuadPart) + kBytesLeftOnDisk;
    const uint64_t fits = offset >= end ? 0 : std::min<uint64_t>(bytes.size(), end - offset);
    TIniFile::WriteAt(file, offset, bytes.substr(0, fits));
    return fits == bytes.size() || Fail(ERROR_DISK_FULL);
  }

  bool Fail(DWORD error) {
    FFault = TDiskFault::None;
    SetLastError(error);
    return false;
  }

  // Another program that opens the file, alone, as soon as it can, and holds it for `howLong`.
  static std::thread HoldOnceFree(const std::wstring& name, std::chrono::milliseconds howLong) {
    return std::thread([name, howLong] {
      const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
      HANDLE file = INVALID_HANDLE_VALUE;
      while ((file = CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) ==
                 INVALID_HANDLE_VALUE &&
             std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      std::this_thread::sleep_for(howLong);
      CloseHandle(file);
    });
  }

  TDiskFault FFault;
  bool FDiskFailed = false;
  std::wstring FReplacedName;
  std::shared_ptr<void> FCopyHolder;
  std::thread FAnotherProgram;
};

}  // namespace

// Where a swap would lose what the file is, the file is written where it
// is, whether the text grows or shrinks, and a write that fails on the way
// (a disk without room for the longer text, one that fails, changes half of
// it, or writes none without a word) leaves it as it was, byte for byte.
TEST_F(IniFileTest, AFileASwapWouldNotKeepIsWrittenInPlace) {
  if (!HasUnixSide()) GTEST_SKIP() << "needs Wine's Unix side";
  struct TCase {
    const char* File;
    // What makes the file so while it lives; none where this system cannot.
    std::function<std::optional<TFileHolder>(const TemporaryFolder&)> Prepare;
    // What the file keeps, checked after the saves.
    std::function<bool(const TemporaryFolder&)> Kept;
  } const cases[] = {
      {"in a folder that takes no new file",
       [](const TemporaryFolder& folder) { return ChangedOnUnixSide("chattr +i", "chattr -i", folder.File("place")); },
       nullptr},
      {"held by a program that lets others write it",
       [](const TemporaryFolder& folder) {
         return Hold(folder.File("place\\test.ini"), FILE_SHARE_READ | FILE_SHARE_WRITE);
       },
       nullptr},
      {"held by a program that lets others write and delete it",
       [](const TemporaryFolder& folder) {
         return Hold(folder.File("place\\test.ini"), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
       },
       nullptr},
      {"with a second name",
       [](const TemporaryFolder& folder) -> std::optional<TFileHolder> {
         if (!CreateHardLinkA(folder.File("place\\other.ini").c_str(), folder.File("place\\test.ini").c_str(), nullptr))
           return std::nullopt;
         return NoHolder();
       },
       [](const TemporaryFolder& folder) { return folder.Read("place\\other.ini") == folder.Read("place\\test.ini"); }},
      {"of another user",
       [](const TemporaryFolder& folder) {
         return ChangedOnUnixSide("chown nobody", "chown root", folder.File("place\\test.ini"));
       },
       [](const TemporaryFolder& folder) {
         return HoldsOnUnixSide("test nobody = $(stat -c %U", folder.File("place\\test.ini"), ")");
       }},
      {"that only its owner may read",
       [](const TemporaryFolder& folder) {
         return ChangedOnUnixSide("chmod 600", "chmod 644", folder.File("place\\test.ini"));
       },
       [](const TemporaryFolder& folder) {
         return HoldsOnUnixSide("test 600 = $(stat -c %a", folder.File("place\\test.ini"), ")");
       }},
  };
  for (const TCase& c : cases) {
    const TemporaryFolder folder;
    std::filesystem::create_directory(folder.File("place"));
    folder.Write("place\\test.ini", "[S]\r\nK=old\r\n");
    TIniFile ini(folder.File("place\\test.ini"));
    const std::optional<TFileHolder> holder = c.Prepare(folder);
    if (!holder) continue;
    try {
      ini.WriteString("S", "K", "a value longer than the old one");
      EXPECT_EQ(folder.Read("place\\test.ini"), "[S]\r\nK=a value longer than the old one\r\n") << c.File;
      ini.WriteString("S", "K", "v");
      EXPECT_EQ(folder.Read("place\\test.ini"), "[S]\r\nK=v\r\n") << c.File;
    } catch (const EIniFileException& error) {
      ADD_FAILURE() << c.File << ": " << error.Message();
    }

    for (const TDiskFault fault : {TDiskFault::NoRoomToGrow, TDiskFault::OldBytesUnwritten,
                                   TDiskFault::OldBytesLeftWithoutAWord, TDiskFault::OldBytesHalfChanged}) {
      FaultyDiskIniFile faulty(folder.File("place\\test.ini"), fault);
      EXPECT_THROW(faulty.WriteString("S", "K", "a value the disk does not take"), EIniFileException) << c.File;
      EXPECT_EQ(folder.Read("place\\test.ini"), "[S]\r\nK=v\r\n") << c.File << ", fault " << static_cast<int>(fault);
      for (const char* left : {"place\\test.ini.tmp", "place\\test.ini.kept-1"}) {
        EXPECT_FALSE(std::filesystem::exists(folder.File(left))) << c.File << left;
      }
    }
    if (c.Kept) {
      EXPECT_TRUE(c.Kept(folder)) << c.File;
    }
  }
}

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
    TDiskFault DiskFault;
  } const cases[] = {
      {"a key refused after the erase and four keys", 5, TDiskFault::None},
      {"the disk fills and says so", 0, TDiskFault::CopyCutShortAndSaid},
      {"the disk cuts the copy short without a word", 0, TDiskFault::CopyCutShortWithoutAWord},
  };
  const char* const keys[] = {"NETID", "ID", "Addr", "IP", "GateWay", "SNMPVer", "CommunityRd", "CommunityWr", "Type"};
  for (const TCase& c : cases) {
    FFolder.Write("test.ini", inventory);
    FaultyDiskIniFile ini(FFolder.File("test.ini"), c.DiskFault);
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

// After a failed save the new list is whole where the box says: in the
// file, also where ReplaceFileW took the file out of its name or reported a
// swap it made as failed, or under a name of its own, which no later save
// writes over, nor does a later failed save keep its own list there. A
// program ended while it writes in place leaves it there too.
TEST_F(IniFileTest, ASaveThatFailsHalfWayLeavesAWholeListWhereTheBoxSays) {
  const std::string newList = "[S]\r\nK=new\r\n[T]\r\nK=kept\r\n";
  struct TCase {
    const char* Outcome;
    TDiskFault Fault;
    const char* HoldingFile;
    // A list an earlier failed save kept, there before this one.
    bool KeptBefore = false;
  } const cases[] = {
      {"the file removed", TDiskFault::ReplacedFileRemoved, "test.ini"},
      {"the file renamed", TDiskFault::ReplacedFileRenamed, "test.ini"},
      {"the file removed and the copy held", TDiskFault::ReplacedFileRemovedCopyHeld, "test.ini.kept-1"},
      {"the file removed and the copy held, a list kept before", TDiskFault::ReplacedFileRemovedCopyHeld,
       "test.ini.kept-2", true},
      {"the swap made but said failed, the file away after", TDiskFault::SwapMadeButSaidFailed, "test.ini"},
      {"written in place, failing part-way, then held", TDiskFault::PartWrittenInPlaceThenHeld, "test.ini.kept-1"},
      {"the program ended writing in place", TDiskFault::ProgramEndedWritingInPlace, "test.ini.kept-1"},
  };
  for (const TCase& c : cases) {
    const TemporaryFolder folder;
    const std::string earlierList = "[S]\r\nK=earlier\r\n";
    folder.Write("test.ini", "[S]\r\nK=old\r\n[T]\r\nK=kept\r\n");
    if (c.KeptBefore) folder.Write("test.ini.kept-1", earlierList);
    FaultyDiskIniFile ini(folder.File("test.ini"), c.Fault);
    std::string box;
    bool ended = false;
    try {
      ini.WriteString("S", "K", "new");
    } catch (const EIniFileException& error) {
      box = error.Message();
    } catch (const TProgramEnded&) {
      ended = true;
    }
    ini.LetGo();
    EXPECT_EQ(folder.Read(c.HoldingFile), newList) << c.Outcome;
    if (c.KeptBefore) {
      EXPECT_EQ(folder.Read("test.ini.kept-1"), earlierList) << c.Outcome;
    }
    const bool kept = c.HoldingFile != std::string("test.ini");
    EXPECT_EQ(box, kept && !ended ? "Unable to write to " + folder.File("test.ini") + "; the list is kept in " +
                                        folder.File(c.HoldingFile)
                                  : "")
        << c.Outcome;
    if (!kept) continue;
    // Later saves, by this object and by one of a new start, whether they
    // succeed or not (this object waits for a file that went), leave it alone.
    TIniFile afterANewStart(folder.File("test.ini"));
    for (TIniFile* later : {static_cast<TIniFile*>(&ini), &afterANewStart}) {
      try {
        later->WriteString("S", "K", "later");
      } catch (const EIniFileException&) {
      }
    }
    EXPECT_EQ(folder.Read(c.HoldingFile), newList) << c.Outcome;
  }
}
