#include <gtest/gtest.h>

#include <random>
#include <string>

#include "controls/editors/engines/cxStandardMask.h"
#include "tests/support/TestLocale.h"

namespace {

class cxStandardMaskTest : public testing::Test {
 protected:
  TTestLocale Locale{'-', '.', ','};
  TcxStandardMask Mask;

  std::string Formatted(const std::string& mask, std::string text, bool convertCase = true,
                        bool textHasLiterals = false) {
    Mask.Compile(mask);
    Mask.Format(text, convertCase, textHasLiterals);
    return text;
  }

  std::string EmptyText() {
    std::string text;
    Mask.GetEmptyText(text);
    return text;
  }
};

struct TCompiledCase {
  const char* Mask;
  int Count;
  char Blank;
  bool SaveLiteralChars;
  bool FillFromEnd;
  const char* EmptyText;
  const char* EmptyValue;
};

const TCompiledCase kCompiledCases[] = {
    {"(000) 000-0000;1;_", 14, '_', true, false, "(___) ___-____", "(   )    -    "},
    {"00:00;0", 5, '_', false, false, "__.__", "    "},
    {"99/99/9999;1; ", 10, ' ', true, false, "  -  -    ", "  -  -    "},
    {"000;x;_", 7, '_', true, false, "___;x;_", "   ;x;_"},
    {"00;0;", 5, '_', true, false, "__;_;", "  ; ;"},
    {"LL\\", 2, '_', true, false, "__", "  "},
    {"\\L\\\\0", 3, '_', true, false, "L\\_", "L\\ "},
    {"!9!9;1;*", 3, '*', true, true, "*!*", " ! "},
    {"#0;1", 2, '_', true, false, "__", "  "},
    {"a;1;", 4, '_', true, false, "_;1;", " ;1;"},
};

}  // namespace

TEST_F(cxStandardMaskTest, CompilingReadsPositionsFieldsAndSeparators) {
  for (const TCompiledCase& c : kCompiledCases) {
    SCOPED_TRACE(c.Mask);
    Mask.Compile(c.Mask);
    EXPECT_EQ(Mask.Count(), c.Count);
    EXPECT_EQ(Mask.Blank(), c.Blank);
    EXPECT_EQ(Mask.SaveLiteralChars(), c.SaveLiteralChars);
    EXPECT_EQ(Mask.FillFromEnd(), c.FillFromEnd);
    EXPECT_EQ(EmptyText(), c.EmptyText);
    std::string value;
    Mask.GetEmptyValue(value);
    EXPECT_EQ(value, c.EmptyValue);
  }
}

TEST_F(cxStandardMaskTest, RecompilingStartsFromTheDefaults) {
  Mask.Compile("!00;0;*");
  Mask.Compile("00");
  EXPECT_EQ(Mask.Blank(), '_');
  EXPECT_TRUE(Mask.SaveLiteralChars());
  EXPECT_FALSE(Mask.FillFromEnd());
  EXPECT_EQ(Mask.Mask(), "00");
}

struct TFormatCase {
  const char* Mask;
  const char* Text;
  bool ConvertCase;
  bool TextHasLiterals;
  const char* Result;
};

const TFormatCase kFormatCases[] = {
    {"000-000;0", "12a345", true, false, "123-45_"},
    {"!000-000;0", "12a345", true, false, "_12-345"},
    {"000-000;1", "123-456", true, false, "123-456"},
    {"000-000;0", "123-456", true, true, "123-456"},
    {"000-000;0", "12-3456", true, false, "123-456"},
    {"000", "1 2", true, false, "1_2"},
    {"000", "1_2", true, false, "1_2"},
    {"000", "12345", true, false, "123"},
    {">LL<LL<>LL", "abCDeF", true, false, "ABcdeF"},
    {">LL<LL<>LL", "abCDeF", false, false, "abCDeF"},
    {"L<L", "AB", true, false, "Ab"},
    {"#99", "-12", true, false, "-12"},
    {"aaa", "x-y", true, false, "xy_"},
    {"CCC", "_ a", true, false, "_ a"},
};

TEST_F(cxStandardMaskTest, FormatPlacesEachCharacterAtTheFirstPositionThatTakesIt) {
  for (const TFormatCase& c : kFormatCases) {
    SCOPED_TRACE(std::string(c.Mask) + " <- " + c.Text);
    EXPECT_EQ(Formatted(c.Mask, c.Text, c.ConvertCase, c.TextHasLiterals), c.Result);
  }
}

TEST_F(cxStandardMaskTest, ExtractValueTurnsBlanksIntoSpacesAndKeepsLiteralsOnlyWhenSaved) {
  Mask.Compile("000-000;0");
  std::string text = "12_-3__";
  Mask.ExtractValue(text);
  EXPECT_EQ(text, "12 3  ");
  Mask.Compile("000-000;1");
  text = "12_-3__xyz";
  Mask.ExtractValue(text);
  EXPECT_EQ(text, "12 -3  ");
}

struct TValidCase {
  const char* Mask;
  const char* Text;
  bool Valid;
};

const TValidCase kValidCases[] = {
    {"00-99", "12-34", true},  {"00-99", "12-3_", true},   {"00-99", "12-3 ", true}, {"00-99", "1_-34", false},
    {"00-99", "12_34", false}, {"00-99", "12-345", false}, {"#0", "_5", true},       {"C", "_", true},
    {"c", "_", true},          {"L", "_", false},          {"l", " ", true},         {"A", "!", false},
};

TEST_F(cxStandardMaskTest, IsFullValidAcceptsBlanksOnlyAtOptionalInputPositions) {
  for (const TValidCase& c : kValidCases) {
    SCOPED_TRACE(std::string(c.Mask) + " : " + c.Text);
    Mask.Compile(c.Mask);
    std::string text = c.Text;
    EXPECT_EQ(Mask.IsFullValid(text), c.Valid);
  }
}

TEST_F(cxStandardMaskTest, IsFullValidConvertsTheCaseOfTheTextInPlace) {
  Mask.Compile(">LL");
  std::string text = "ab";
  EXPECT_TRUE(Mask.IsFullValid(text));
  EXPECT_EQ(text, "AB");
}

namespace {

std::string RandomMask(std::mt19937& random) {
  static const std::string kAlphabet = "LlAaCc09#:/\\><;-() x";
  std::string mask = random() % 4 == 0 ? "!" : "";
  const int length = static_cast<int>(random() % 12);
  for (int i = 0; i < length; ++i) mask += kAlphabet[random() % kAlphabet.size()];
  static const char* const kFields[] = {"", ";0", ";1", ";0;*", ";1; ", ";1;_"};
  return mask + kFields[random() % 6];
}

std::string RandomText(std::mt19937& random) {
  static const std::string kAlphabet = "aZ09+-_ *():x!";
  std::string text;
  const int length = static_cast<int>(random() % 16);
  for (int i = 0; i < length; ++i) text += kAlphabet[random() % kAlphabet.size()];
  return text;
}

bool IsInput(const TcxStandardMaskCustomItem& item) {
  return dynamic_cast<const TcxStandardMaskManyItem*>(&item) != nullptr;
}

}  // namespace

// Seeded so that a failure repeats; each round checks what every formatted
// text must be, whatever the mask and the typing.
TEST_F(cxStandardMaskTest, RandomMasksAndTextsFormatIntoWellFormedDisplayTexts) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 5000; ++round) {
    const std::string mask = RandomMask(random);
    const std::string typed = RandomText(random);
    const bool convertCase = random() % 2 == 0;
    SCOPED_TRACE("mask '" + mask + "' text '" + typed + "'");
    const std::string result = Formatted(mask, typed, convertCase, random() % 2 == 0);
    ASSERT_EQ(static_cast<int>(result.size()), Mask.Count());
    const std::string empty = EmptyText();
    for (int i = 0; i < Mask.Count(); ++i) {
      char ch = result[i];
      if (IsInput(Mask.Items(i))) {
        ASSERT_TRUE(ch == Mask.Blank() || Mask.Items(i).Check(ch)) << "position " << i;
      } else {
        ASSERT_EQ(ch, empty[i]) << "position " << i;
      }
    }
    std::string again = result;
    Mask.Format(again, convertCase, true);
    ASSERT_EQ(again, result);
  }
}

TEST_F(cxStandardMaskTest, TheEmptyTextIsFullyValidExactlyWhenNoInputPositionRequiresACharacter) {
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    Mask.Compile(RandomMask(random));
    SCOPED_TRACE(Mask.Mask());
    bool expected = true;
    for (int i = 0; i < Mask.Count(); ++i) {
      const auto* input = dynamic_cast<const TcxStandardMaskManyItem*>(&Mask.Items(i));
      char blank = Mask.Blank();
      if (input && !input->Optional() && !input->Check(blank)) expected = false;
    }
    std::string empty = EmptyText();
    ASSERT_EQ(Mask.IsFullValid(empty), expected);
  }
}
