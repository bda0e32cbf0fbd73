// The expression masks' modes typed at by seeded random keys on seeded random
// expressions, with PCRE2 as the judge after every step of what the text may
// be and of which characters the mode must be ready to take.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <gtest/gtest.h>
#include <pcre2.h>

#include <cctype>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "controls/editors/mask/cxMaskEditRegExprMode.h"
#include "tests/support/MaskModelHost.h"
#include "tests/support/TestLocale.h"

namespace {

// Whole-text and partial matches of one pattern.
class TPcreOracle {
 public:
  explicit TPcreOracle(const std::string& pattern) {
    int error = 0;
    PCRE2_SIZE offset = 0;
    const std::string anchored = "\\A(?:" + pattern + ")\\z";
    FCode = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(anchored.c_str()), anchored.size(), 0, &error, &offset, nullptr);
    FData = pcre2_match_data_create_from_pattern(FCode, nullptr);
  }
  ~TPcreOracle() {
    pcre2_match_data_free(FData);
    pcre2_code_free(FCode);
  }
  TPcreOracle(const TPcreOracle&) = delete;
  TPcreOracle& operator=(const TPcreOracle&) = delete;

  // A complete text also answers partial under a hard partial match; the
  // empty text, where nothing is inspected, never does.
  bool Viable(const std::string& text) const {
    return text.empty() || Match(text, PCRE2_PARTIAL_HARD) != PCRE2_ERROR_NOMATCH;
  }
  bool Full(const std::string& text) const { return Match(text, 0) >= 0; }

 private:
  int Match(const std::string& text, uint32_t options) const {
    return pcre2_match(FCode, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, options, FData, nullptr);
  }

  pcre2_code* FCode;
  pcre2_match_data* FData;
};

// An expression in the engine's syntax and the same in PCRE2's.
struct TPattern {
  std::string Ours;
  std::string Pcre;
  bool CanMissing = false;
};

// Random expressions of literals, sets, classes and groups of alternatives,
// each item with at most one quantifier. Under case folding a literal letter
// matches either case while a subrange matches only its own.
class TPatternGenerator {
 public:
  TPatternGenerator(std::mt19937& random, bool caseInsensitive) : FRandom(random), FCaseInsensitive(caseInsensitive) {}

  TPattern Expression() { return Alternatives(false); }

 private:
  int Below(int n) { return static_cast<int>(FRandom() % static_cast<unsigned>(n)); }

  // Groups hold no groups.
  TPattern Alternatives(bool inGroup) {
    TPattern pattern;
    const int count = Below(3) == 0 ? 2 : 1;
    for (int i = 0; i < count; ++i) {
      const TPattern alternative = Sequence(inGroup);
      pattern.Ours += (i > 0 ? "|" : "") + alternative.Ours;
      pattern.Pcre += (i > 0 ? "|" : "") + alternative.Pcre;
      pattern.CanMissing = pattern.CanMissing || alternative.CanMissing;
    }
    return pattern;
  }

  TPattern Sequence(bool inGroup) {
    TPattern sequence{"", "", true};
    const int count = 1 + Below(3);
    for (int i = 0; i < count; ++i) {
      const TPattern item = Quantified(Atom(inGroup));
      sequence.Ours += item.Ours;
      sequence.Pcre += item.Pcre;
      sequence.CanMissing = sequence.CanMissing && item.CanMissing;
    }
    return sequence;
  }

  TPattern Atom(bool inGroup) {
    const int choice = Below(100);
    if (choice < 15 && !inGroup) {
      const TPattern inner = Alternatives(true);
      return {"(" + inner.Ours + ")", "(?:" + inner.Pcre + ")", inner.CanMissing};
    }
    if (choice < 35) return Set();
    if (choice < 50) {
      static const char* const kClasses[] = {"\\d", "\\w", "."};
      const std::string name = kClasses[Below(3)];
      return {name, name};
    }
    return Literal();
  }

  std::string Folded(char ch) const {
    if (!FCaseInsensitive || !std::isalpha(static_cast<unsigned char>(ch))) return std::string(1, ch);
    return {static_cast<char>(std::tolower(ch)), static_cast<char>(std::toupper(ch))};
  }

  TPattern Literal() {
    static const std::string kLiterals = "abxAB1-(,";
    const char ch = kLiterals[Below(static_cast<int>(kLiterals.size()))];
    if (ch == '(') return {"\\(", "\\("};
    const std::string folded = Folded(ch);
    return {std::string(1, ch), folded.size() > 1 ? "[" + folded + "]" : folded};
  }

  TPattern Set() {
    static const char* const kMembers[] = {"a", "b", "1", "A", "a-c", "A-C", "0-4", "5-9"};
    const bool negative = Below(5) == 0;
    TPattern set{negative ? "[^" : "[", negative ? "[^" : "["};
    const int count = 1 + Below(2);
    for (int i = 0; i < count; ++i) {
      const std::string member = kMembers[Below(static_cast<int>(std::size(kMembers)))];
      set.Ours += member;
      set.Pcre += member.size() > 1 ? member : Folded(member[0]);
    }
    set.Ours += "]";
    set.Pcre += "]";
    return set;
  }

  // The engine refuses to repeat what can match nothing: that takes "?".
  TPattern Quantified(TPattern item) {
    static const char* const kQuantifiers[] = {"?", "*", "+", "{2}", "{1,}", "{0,2}", "{1,3}"};
    if (Below(2) == 0) return item;
    std::string quantifier = kQuantifiers[Below(static_cast<int>(std::size(kQuantifiers)))];
    if (item.CanMissing) quantifier = "?";
    const bool canMissing = item.CanMissing || quantifier == "?" || quantifier == "*" || quantifier == "{0,2}";
    return {item.Ours + quantifier, item.Pcre + quantifier, canMissing};
  }

  std::mt19937& FRandom;
  bool FCaseInsensitive;
};

// Mostly digits and letters of both cases, which most of the expressions take.
const std::string kTyped = "0123456789012abcabcxABCX-(),";
// The same characters, each once.
const std::string kAlphabet = "0123456789abcxABCX-(),";
const char* const kKeys[] = {"{L}", "{R}", "{H}", "{E}", "{+L}", "{+R}", "{+H}", "{+E}", "{BS}", "{DEL}"};

bool SameLetter(char a, char b) {
  return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

std::string Upper(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return text;
}

class cxMaskEditRegExprModePropertyTest : public testing::TestWithParam<TcxEditMaskKind> {
 protected:
  TTestLocale Locale{'.', ';', ','};
  TMaskModelHost Host;
  // A twin editor, for trying characters without touching the one under test.
  TMaskModelHost Probe;
  std::mt19937 Random{20261207};

  std::unique_ptr<TcxMaskEditRegExprMode> Create(IcxMaskEditHost* host) {
    if (GetParam() == emkRegExprEx) return std::make_unique<TcxMaskEditRegExprExMode>(host, Host.Properties);
    return std::make_unique<TcxMaskEditRegExprMode>(host, Host.Properties);
  }

  std::string RandomKey() {
    const unsigned pick = Random() % 42;
    if (pick < kTyped.size()) return std::string(1, kTyped[pick]);
    if (pick < kTyped.size() + std::size(kKeys)) return kKeys[pick - kTyped.size()];
    const int length = static_cast<int>(Host.Text.size()) + 1;
    const int start = static_cast<int>(Random() % length);
    return "{S" + std::to_string(start) + "," + std::to_string(Random() % (length - start)) + "}";
  }

  // The twin shows the editor's text and caret; the answer is the text
  // before the twin's caret once its mode has put the caret where typing
  // goes.
  std::string ShowInProbe(TcxMaskEditRegExprMode& probe) {
    Probe.SetDisplayText(Host.Text);
    Probe.SetEditSelStart(Host.Caret);
    probe.PreparePaste();
    return Probe.Text.substr(0, static_cast<size_t>(Probe.Caret));
  }

  // Whether the mode takes, in the twin, one of the characters that PCRE2
  // lets follow the text before the caret; true when none may follow.
  bool TakesSomeFollower(TcxMaskEditRegExprMode& probe, const TPcreOracle& oracle) {
    const std::string before = ShowInProbe(probe);
    bool anyFollows = false;
    for (const char ch : kAlphabet) {
      if (!oracle.Viable(before + ch)) continue;
      if (anyFollows) ShowInProbe(probe);
      anyFollows = true;
      TMaskKeyDriver(Probe, probe).PressChar(ch);
      const size_t at = before.size();
      if (Probe.Text.size() > at && Probe.Text.compare(0, at, before) == 0 && SameLetter(Probe.Text[at], ch) &&
          static_cast<size_t>(Probe.Caret) > at)
        return true;
    }
    return !anyFollows;
  }
};

}  // namespace

// Half the expressions fold case.
TEST_P(cxMaskEditRegExprModePropertyTest, EveryKeyKeepsTheTextViableTheSplitInStepAndTheModeTakingWhatMayFollow) {
  for (int round = 0; round < 48; ++round) {
    const bool caseInsensitive = round % 2 == 1;
    Host.Properties.CaseInsensitive = caseInsensitive;
    Probe.Properties = Host.Properties;
    const TPattern pattern = TPatternGenerator(Random, caseInsensitive).Expression();
    const TPcreOracle oracle(pattern.Pcre);
    std::unique_ptr<TcxMaskEditRegExprMode> mode = Create(&Host);
    std::unique_ptr<TcxMaskEditRegExprMode> formatter = Create(nullptr);
    std::unique_ptr<TcxMaskEditRegExprMode> probe = Create(&Probe);
    Host.Mode = mode.get();
    Host.Formatter = formatter.get();
    Probe.Mode = probe.get();
    Probe.Formatter = formatter.get();
    mode->Compile(pattern.Ours);
    formatter->Compile(pattern.Ours);
    probe->Compile(pattern.Ours);
    const std::string leading = mode->GetEmptyValueText();
    for (int run = 0; run < 5; ++run) {
      Host.SetDisplayText("");
      std::string keys;
      for (int step = 0; step < 40; ++step) {
        const std::string key = RandomKey();
        keys += key;
        const std::string before = Host.Text;
        const int beeps = Host.Beeps;
        TMaskKeyDriver(Host, *mode).Type(key);
        SCOPED_TRACE(pattern.Ours + (caseInsensitive ? " (any case) " : " ") + keys + " -> " + Host.Shown());
        ASSERT_TRUE(oracle.Viable(Host.Text));
        if (key.size() == 1 && Host.Beeps > beeps && before.size() == Host.Text.size()) {
          ASSERT_EQ(Host.Text, before);
        }
        const bool stale = mode->Resynchronize() || (mode->Consumed().empty() && mode->Remaining().empty());
        if (!stale) {
          ASSERT_EQ(mode->Consumed() + mode->Remaining(), Host.Text);
          if (Host.EditSelLength() == 0) ASSERT_EQ(mode->Consumed(), Host.Text.substr(0, Host.Caret));
        }
        if (GetParam() == emkRegExprEx) {
          ASSERT_EQ(Host.Text.substr(0, leading.size()), leading);
          // A letter keeps the case it was typed in when later typing moves
          // it to a place of the pattern that would have changed it.
          const std::string formatted = formatter->Format(Host.Text, true);
          if (caseInsensitive) {
            ASSERT_EQ(Upper(formatted), Upper(Host.Text));
          } else {
            ASSERT_EQ(formatted, Host.Text);
          }
        }
        const bool validByRule = Host.Text.empty() || (GetParam() == emkRegExprEx && Host.Text == leading);
        ASSERT_EQ(mode->IsFullValid(Host.Text), validByRule || oracle.Full(Host.Text));
        ASSERT_TRUE(TakesSomeFollower(*probe, oracle)) << "at " << Probe.Shown();
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothModes, cxMaskEditRegExprModePropertyTest, testing::Values(emkRegExpr, emkRegExprEx));
