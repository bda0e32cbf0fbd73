// The expression masks' modes typed at by seeded random keys, with PCRE2 as
// the judge of what the text may be after every step.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <gtest/gtest.h>
#include <pcre2.h>

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

// Expressions that PCRE2 reads the same way: no blanks, no separators.
const char* const kPatterns[] = {
    "\\d\\d-\\d\\d",  "\\(\\d\\d\\d\\)\\d\\d-\\d\\d",
    "a\\d|b[a-z]",    "[a-c]+x?",
    "(ab|a)c*",       "\\d{2,4}",
    "x(-\\d)+",       "ab\\d",
    "[^a]b?",         "(a|b)*c",
    "\\d+(,\\d\\d)?",
};
// Mostly digits and letters, which most of the expressions take.
const std::string kTyped = "0123456789012abcabcx-(),A";
const char* const kKeys[] = {"{L}", "{R}", "{H}", "{E}", "{+L}", "{+R}", "{+H}", "{+E}", "{BS}", "{DEL}"};

class cxMaskEditRegExprModePropertyTest : public testing::TestWithParam<TcxEditMaskKind> {
 protected:
  TTestLocale Locale{'.', ';', ','};
  TMaskModelHost Host;
  std::mt19937 Random{20261207};

  std::unique_ptr<TcxMaskEditRegExprMode> Create(IcxMaskEditHost* host) {
    if (GetParam() == emkRegExprEx) return std::make_unique<TcxMaskEditRegExprExMode>(host, Host.Properties);
    return std::make_unique<TcxMaskEditRegExprMode>(host, Host.Properties);
  }

  std::string RandomKey() {
    const unsigned pick = Random() % 40;
    if (pick < kTyped.size()) return std::string(1, kTyped[pick]);
    if (pick < kTyped.size() + std::size(kKeys)) return kKeys[pick - kTyped.size()];
    const int length = static_cast<int>(Host.Text.size()) + 1;
    const int start = static_cast<int>(Random() % length);
    return "{S" + std::to_string(start) + "," + std::to_string(Random() % (length - start)) + "}";
  }
};

}  // namespace

TEST_P(cxMaskEditRegExprModePropertyTest, EveryKeyKeepsTheTextAndTheSplitInStep) {
  Host.Properties.CaseInsensitive = false;
  for (const char* pattern : kPatterns) {
    const TPcreOracle oracle(pattern);
    std::unique_ptr<TcxMaskEditRegExprMode> mode = Create(&Host);
    std::unique_ptr<TcxMaskEditRegExprMode> formatter = Create(nullptr);
    Host.Mode = mode.get();
    Host.Formatter = formatter.get();
    mode->Compile(pattern);
    formatter->Compile(pattern);
    const std::string leading = mode->GetEmptyValueText();
    for (int run = 0; run < 40; ++run) {
      Host.SetDisplayText("");
      std::string keys;
      for (int step = 0; step < 40; ++step) {
        const std::string key = RandomKey();
        keys += key;
        const std::string before = Host.Text;
        const int beeps = Host.Beeps;
        TMaskKeyDriver(Host, *mode).Type(key);
        SCOPED_TRACE(std::string(pattern) + " " + keys + " -> " + Host.Shown());
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
          ASSERT_EQ(formatter->Format(Host.Text, true), Host.Text);
        }
        const bool validByRule = Host.Text.empty() || (GetParam() == emkRegExprEx && Host.Text == leading);
        ASSERT_EQ(mode->IsFullValid(Host.Text), validByRule || oracle.Full(Host.Text));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothModes, cxMaskEditRegExprModePropertyTest, testing::Values(emkRegExpr, emkRegExprEx));
