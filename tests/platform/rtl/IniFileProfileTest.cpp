// An INI file edited by hand, or saved by another tool, reads and changes
// through TIniFile exactly as through the system's profile API: the same
// random edits go to one copy through each, and every section and key then
// reads the same from both copies, through both; each copy stays in the
// encoding the file was saved in.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/rtl/IniFile.h"
#include "platform/rtl/TextEncoding.h"
#include "tests/support/TemporaryFolder.h"

namespace {

constexpr int kFiles = 1000;
constexpr unsigned kDefaultSeed = 20261208;
const char kAbsent[] = "<absent>";

// Names repeat in other cases; "\u00C9t\u00E9" and "\u00E9T\u00C9" differ
// beyond A to Z only.
const std::vector<std::u16string> kSectionNames = {u"Dev1",  u"dev1", u"DEV2",          u"Device-3",
                                                   u"NEPL0", u"A b",  u"\u00C9t\u00E9", u"\u00E9T\u00C9"};
const std::vector<std::u16string> kKeyNames = {u"IP", u"ip", u"Addr", u"Type", u"Comm Rd", u"K"};
const std::vector<std::u16string> kValues = {u"10.0.0.1", u"a=b",          u"x;y",      u"\"quoted\"",
                                             u"'single'", u"\"",           u"'mixed\"", u"",
                                             u"D\u00E9",  u"\u0414\u0430", u"\u0100",   u"in  side"};
// What the program writes: no line breaks, no blanks around a name or value.
const std::vector<std::string> kWrittenValues = {"1.2.3.4", "v=w", "p;q", "\"qq\"", "D\xE9", ""};
const std::vector<std::u16string> kLineEnds = {u"\r\n", u"\n", u"\r", u"\r\r\n", u"\n\n", u"\r\n\r\n"};

struct TEdit {
  enum TKind { Write, Erase } Kind;
  std::string Section;
  std::string Key;
  std::string Value;
};

std::string Printable(const std::string& bytes) {
  std::ostringstream text;
  for (const unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '\\')
      text << c;
    else
      text << "\\x" << std::hex << static_cast<int>(c) << std::dec;
  }
  return text.str();
}

std::string Ansi(const std::u16string& text) { return EncodeText(text, TTextEncoding::Ansi); }

class THandEditedFile {
 public:
  explicit THandEditedFile(unsigned seed) : FRandom(seed) {}

  std::string Bytes() {
    const TTextEncoding encoding =
        Pick(std::vector{TTextEncoding::Ansi, TTextEncoding::Utf8, TTextEncoding::Utf16Le, TTextEncoding::Utf16Be});
    return TextEncodingMark(encoding) + EncodeText(Text(), encoding);
  }

  std::vector<TEdit> Edits() {
    std::vector<TEdit> edits;
    for (int count = Between(1, 4); count > 0; --count) edits.push_back(Edit(static_cast<int>(edits.size())));
    return edits;
  }

 private:
  std::u16string Text() {
    const int shape = Between(0, 29);
    if (shape == 0) return u"";
    const bool commentsOnly = shape == 1;
    const int lineEndStyle = Between(0, 3);
    std::u16string text;
    for (int count = Between(1, 14); count > 0; --count)
      text += (commentsOnly ? Comment() : Line()) + LineEnd(lineEndStyle);
    if (Chance(5)) text.erase(text.find_last_not_of(u"\r\n") + 1);
    return text;
  }

  // 0 CR LF, 1 LF, 2 CR alone, 3 any of them line by line.
  std::u16string LineEnd(int style) { return style < 3 ? kLineEnds[style] : Pick(kLineEnds); }

  std::u16string Line() {
    switch (Between(0, 9)) {
      case 0:
      case 1:
      case 2: return Header();
      case 3: return Blank() + Pick(kKeyNames) + Blank();
      case 4: return Comment();
      case 5: return Blank();
      case 6: return u"[unclosed " + Pick(kSectionNames);
      default: return Blank() + Pick(kKeyNames) + Blank() + u"=" + Blank() + Pick(kValues) + Blank();
    }
  }

  std::u16string Header() {
    static const std::vector<std::u16string> tails = {u"", u"", u" ; was [old]", u" ; note", u"x", u"\t"};
    return Blank() + u"[" + Blank() + Pick(kSectionNames) + Blank() + u"]" + Pick(tails);
  }

  std::u16string Comment() {
    static const std::vector<std::u16string> comments = {u";", u"; IP=9.9.9.9", u"# Addr=3", u"#[Dev1]", u";x]"};
    return Blank() + Pick(comments);
  }

  std::u16string Blank() {
    static const std::vector<std::u16string> blanks = {u"", u"", u"", u" ", u"\t", u"  \t", u"\x1A"};
    return Pick(blanks);
  }

  TEdit Edit(int serial) {
    const std::string section = Ansi(Pick(kSectionNames));
    switch (Between(0, 9)) {
      case 0:
      case 1: return {TEdit::Erase, section, "", ""};
      case 2:
      case 3: return {TEdit::Write, section, "New" + std::to_string(serial), Pick(kWrittenValues)};
      case 4: return {TEdit::Write, "Added" + std::to_string(serial), Ansi(Pick(kKeyNames)), Pick(kWrittenValues)};
      default: return {TEdit::Write, section, Ansi(Pick(kKeyNames)), Pick(kWrittenValues)};
    }
  }

  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(FRandom); }
  bool Chance(int inTen) { return Between(0, 9) < inTen; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<size_t>(Between(0, static_cast<int>(items.size()) - 1))];
  }

  std::mt19937 FRandom;
};

// ---- the two ways of editing and reading

void EditThroughProfileApi(const std::string& fileName, const std::vector<TEdit>& edits) {
  for (const TEdit& edit : edits) {
    if (edit.Kind == TEdit::Erase)
      WritePrivateProfileStringA(edit.Section.c_str(), nullptr, nullptr, fileName.c_str());
    else
      WritePrivateProfileStringA(edit.Section.c_str(), edit.Key.c_str(), edit.Value.c_str(), fileName.c_str());
  }
}

void ApplyEdit(TIniFile& ini, const TEdit& edit) {
  if (edit.Kind == TEdit::Erase)
    ini.EraseSection(edit.Section);
  else
    ini.WriteString(edit.Section, edit.Key, edit.Value);
}

// Most files take their edits in one update, as the program saves a device;
// some take each edit as a save of its own.
void EditThroughIniFile(const std::string& fileName, const std::vector<TEdit>& edits, bool oneUpdate) {
  TIniFile ini(fileName);
  if (!oneUpdate) {
    for (const TEdit& edit : edits) ApplyEdit(ini, edit);
    return;
  }
  ini.Update([&] {
    for (const TEdit& edit : edits) ApplyEdit(ini, edit);
  });
}

std::vector<std::string> ProfileSections(const std::string& fileName) {
  std::vector<char> buffer(16384);
  GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), fileName.c_str());
  std::vector<std::string> names;
  for (const char* name = buffer.data(); *name; name += names.back().size() + 1) names.emplace_back(name);
  return names;
}

std::string ProfileString(const std::string& fileName, const std::string& section, const std::string& key) {
  std::vector<char> buffer(4096);
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), kAbsent, buffer.data(),
                                                static_cast<DWORD>(buffer.size()), fileName.c_str());
  return std::string(buffer.data(), length);
}

// What one reader sees of a file: its section list, then every value asked for.
struct TReading {
  std::vector<std::string> Sections;
  std::vector<std::string> Values;
  bool operator==(const TReading&) const = default;
};

void PrintTo(const TReading& reading, std::ostream* out) {
  *out << "sections:";
  for (const std::string& name : reading.Sections) *out << " [" << Printable(name) << "]";
  *out << "\nvalues:";
  for (const std::string& value : reading.Values) *out << " {" << Printable(value) << "}";
}

std::string Describe(const std::vector<TEdit>& edits) {
  std::string text;
  for (const TEdit& edit : edits)
    text += edit.Kind == TEdit::Erase
                ? " erase [" + Printable(edit.Section) + "]"
                : " [" + Printable(edit.Section) + "] " + Printable(edit.Key) + "=" + Printable(edit.Value);
  return text;
}

struct TQuestions {
  std::set<std::string> Sections;
  std::set<std::string> Keys;
};

TQuestions QuestionsFor(const std::vector<TEdit>& edits, const std::vector<std::vector<std::string>>& sectionLists) {
  TQuestions questions;
  for (const std::u16string& name : kSectionNames) questions.Sections.insert(Ansi(name));
  for (const std::u16string& name : kKeyNames) questions.Keys.insert(Ansi(name));
  for (const auto& list : sectionLists) questions.Sections.insert(list.begin(), list.end());
  for (const TEdit& edit : edits) {
    questions.Sections.insert(edit.Section);
    if (edit.Kind == TEdit::Write) questions.Keys.insert(edit.Key);
  }
  return questions;
}

TReading ReadThroughProfileApi(const std::string& fileName, const TQuestions& questions) {
  TReading reading{ProfileSections(fileName), {}};
  for (const std::string& section : questions.Sections)
    for (const std::string& key : questions.Keys) reading.Values.push_back(ProfileString(fileName, section, key));
  return reading;
}

TReading ReadThroughIniFile(const std::string& fileName, const TQuestions& questions) {
  const TIniContent content = TIniFile(fileName).ReadContent();
  TStringList sections;
  content.ReadSections(sections);
  TReading reading{{}, {}};
  for (int i = 0; i < sections.Count(); ++i) reading.Sections.push_back(sections[i]);
  for (const std::string& section : questions.Sections)
    for (const std::string& key : questions.Keys) reading.Values.push_back(content.ReadString(section, key, kAbsent));
  return reading;
}

unsigned Seed() {
  const char* given = std::getenv("NEPL_INI_SEED");
  return given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : kDefaultSeed;
}

}  // namespace

TEST(IniFileProfile, HandEditedFilesReadAndChangeAsThroughTheProfileApi) {
  const TemporaryFolder folder;
  const unsigned seed = Seed();
  for (int file = 0; file < kFiles; ++file) {
    THandEditedFile generator(seed + static_cast<unsigned>(file));
    const std::string original = generator.Bytes();
    const std::vector<TEdit> edits = generator.Edits();
    // Names of their own: the profile API keeps files it has read in a cache.
    const std::string ours = folder.File("ours" + std::to_string(file) + ".ini");
    const std::string theirs = folder.File("theirs" + std::to_string(file) + ".ini");
    folder.Write("ours" + std::to_string(file) + ".ini", original);
    folder.Write("theirs" + std::to_string(file) + ".ini", original);

    EditThroughIniFile(ours, edits, file % 4 != 0);
    EditThroughProfileApi(theirs, edits);

    const TQuestions questions = QuestionsFor(edits, {ProfileSections(ours), ProfileSections(theirs)});
    const TReading expected = ReadThroughProfileApi(theirs, questions);
    const TReading readings[] = {ReadThroughProfileApi(ours, questions), ReadThroughIniFile(ours, questions),
                                 ReadThroughIniFile(theirs, questions)};
    const char* const readers[] = {"the profile API on TIniFile's copy", "TIniFile on its copy",
                                   "TIniFile on the profile API's copy"};
    const std::string ourBytes = folder.Read("ours" + std::to_string(file) + ".ini");
    const std::string theirBytes = folder.Read("theirs" + std::to_string(file) + ".ini");
    const auto failure = [&](const std::string& what) {
      return "seed " + std::to_string(seed + static_cast<unsigned>(file)) + " (NEPL_INI_SEED=" + std::to_string(seed) +
             ", file " + std::to_string(file) + "), " + what + "\nfile: " + Printable(original) +
             "\nedits:" + Describe(edits) + "\nafter TIniFile: " + Printable(ourBytes) +
             "\nafter the profile API: " + Printable(theirBytes);
    };
    for (int reader = 0; reader < 3; ++reader)
      ASSERT_EQ(readings[reader], expected) << failure(std::string("read by ") + readers[reader]);
    // Written back in the file's own encoding, so the tool that saved it still reads it.
    ASSERT_EQ(DetectTextEncoding(ourBytes), DetectTextEncoding(theirBytes)) << failure("in another encoding");
  }
}
