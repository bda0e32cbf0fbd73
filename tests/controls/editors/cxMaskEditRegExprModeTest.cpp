// The expression masks' modes against a model of the editor.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/editors/mask/cxMaskEditRegExprMode.h"
#include "tests/support/MaskModelHost.h"
#include "tests/support/TestLocale.h"

namespace {

class cxMaskEditRegExprModeTest : public testing::Test {
 protected:
  TTestLocale Locale{'.', ';', ','};
  TMaskModelHost Host;
  std::unique_ptr<TcxMaskEditRegExprMode> Mode;
  std::unique_ptr<TcxMaskEditRegExprMode> Formatter;

  TcxMaskEditRegExprMode& Start(TcxEditMaskKind kind, const std::string& mask, const std::string& text = "") {
    Mode = Create(kind, &Host);
    Formatter = Create(kind, nullptr);
    Host.Mode = Mode.get();
    Host.Formatter = Formatter.get();
    Mode->Compile(mask);
    Formatter->Compile(mask);
    Host.SetDisplayText(text);
    return *Mode;
  }

  std::unique_ptr<TcxMaskEditRegExprMode> Create(TcxEditMaskKind kind, IcxMaskEditHost* host) {
    if (kind == emkRegExprEx) return std::make_unique<TcxMaskEditRegExprExMode>(host, Host.Properties);
    return std::make_unique<TcxMaskEditRegExprMode>(host, Host.Properties);
  }
};

struct TTypingCase {
  TcxEditMaskKind Kind;
  const char* Mask;
  const char* Text;
  const char* Keys;
  const char* Shown;
  int Beeps;
};

constexpr TcxEditMaskKind F = emkRegExpr;
constexpr TcxEditMaskKind X = emkRegExprEx;

const TTypingCase kTypingCases[] = {
    // Filtering: what the expression cannot continue with is refused.
    {F, "\\d\\d", "", "1a23", "12|", 2},
    {F, "abc", "", "ABC", "abc|", 0},
    // Subranges do not fold case, while a literal letter does.
    {F, "[a-z]a", "", "AA", "|", 2},
    {F, "[a-z]a", "", "aA", "aa|", 0},
    // A letter moved on by typing before it is judged in the case the text shows.
    {F, "\\w?\\dB[A-C]", "", "b{H}8b", "8B|", 0},
    // What no longer fits after the caret goes.
    {F, "a\\d|b[a-z]", "a1", "{H}b", "b|", 0},
    {F, "\\d-\\d", "1-2", "{H}9", "9|", 0},
    {F, "a\\d|b[a-z]", "a1", "{S1,0}{BS}", "|", 0},
    {F, "\\d\\d", "12", "{H}{DEL}", "|2", 0},
    {F, "\\d\\d", "12", "{E}{BS}3", "13|", 0},
    {F, "\\d\\d\\d", "12", "{S1,0}5", "15|2", 0},
    // A replaced or deleted selection beeps when the rest no longer fits.
    {F, "\\d\\d", "12", "{S0,2}5", "5|", 0},
    {F, "a\\d|b[a-z]", "a1", "{S0,1}b", "b|", 1},
    {F, "a\\d|b[a-z]", "a1", "{S0,1}{DEL}", "|", 1},
    {F, "a\\d|b[a-z]", "a1", "{S0,1}{BS}", "|", 1},
    {F, "\\d\\d", "12", "{S0,1}x", "[1]2", 1},
    // Arrows move the split with the caret.
    {F, "\\d\\d\\d", "123", "{S0,3}{L}5", "5|", 0},
    {F, "\\d\\d\\d", "123", "{E}{+L}{+L}4", "14|", 0},
    {F, "\\d\\d\\d", "123", "{H}{R}{R}{BS}", "1|3", 0},
    // Completing: the forced literals are typed, and go with their unit.
    {X, "\\d-\\d", "", "1", "1-|", 0},
    {X, "\\d-\\d", "", "1{BS}", "|", 0},
    {X, "\\d-\\d", "", "1{L}", "|1-", 0},
    {X, "\\d\\d-\\d\\d", "", "1234{BS}{BS}", "12-|", 0},
    {X, "\\d\\d-\\d\\d", "", "1234{BS}{BS}{BS}", "1|", 0},
    {X, "\\d\\d-\\d\\d", "12-34", "{E}{L}{L}{L}", "1|2-34", 0},
    {X, "\\d\\d-\\d\\d", "12-34", "{E}{L}{L}{L}{R}", "12-|34", 0},
    {X, "\\d\\d-\\d\\d", "12-34", "{E}{L}{L}5", "12-5|", 0},
    {X, "\\d\\d-\\d\\d", "12-34", "{H}{R}{DEL}", "1|", 0},
    {X, "\\d\\d-\\d\\d", "12", "{E}x", "12-|", 1},
    // The literals forced at the start stay.
    {X, "\\(\\d\\d\\)", "", "{E}12", "(12)|", 0},
    {X, "\\(\\d\\d\\)", "", "{E}{BS}", "(|", 1},
    {X, "\\(\\d\\d\\)", "", "{H}{DEL}", "|(", 1},
    {X, "\\(\\d\\d\\)", "(12", "{S0,2}5", "(5|2)", 0},
    {X, "\\(\\d\\d\\)", "(12", "{S0,4}{BS}", "(|", 0},
    {X, "ab\\d", "", "{E}1", "ab1|", 0},
    {X, "ab\\d", "", "{H}A", "ab|", 0},
};

}  // namespace

TEST_F(cxMaskEditRegExprModeTest, TypingFollowsTheExpression) {
  for (const TTypingCase& c : kTypingCases) {
    SCOPED_TRACE(std::string(c.Mask) + " " + c.Text + " " + c.Keys);
    Host.Beeps = 0;
    Start(c.Kind, c.Mask, c.Text);
    TMaskKeyDriver(Host, *Mode).Type(c.Keys);
    EXPECT_EQ(Host.Shown(), c.Shown);
    EXPECT_EQ(Host.Beeps, c.Beeps);
  }
}

namespace {

struct TValueCase {
  TcxEditMaskKind Kind;
  const char* Mask;
  bool IgnoreMaskBlank;
  const char* Text;
  const char* Formatted;
  bool FullValid;
};

const TValueCase kValueCases[] = {
    {F, "\\d\\d", false, "", "", true},
    {F, "\\d\\d", false, "1a2b3", "12", false},
    {F, "\\d\\d", false, "12", "12", true},
    {F, "\\d\\d", false, "1", "1", false},
    {F, "\\d\\d", true, "1", "1", true},
    {F, "[a-z]+", false, "aBc", "ac", false},
    {F, "abc", false, "ABC", "abc", true},
    {X, "\\d-\\d", false, "", "", true},
    {X, "\\d-\\d", false, "1", "1-", false},
    {X, "\\d-\\d", false, "1-2", "1-2", true},
    {X, "\\(\\d\\d\\)", false, "", "(", false},
    {X, "\\(\\d\\d\\)", false, "(", "(", true},
    {X, "\\(\\d\\d\\)", false, "(1", "(1", false},
    {X, "\\(\\d\\d\\)", true, "(1", "(1", true},
    {X, "\\(\\d\\d\\)", false, "(12", "(12)", false},
    {X, "\\(\\d\\d\\)", false, "(12)", "(12)", true},
    {X, "(\\(\\d\\))?", false, "", "", true},
};

}  // namespace

TEST_F(cxMaskEditRegExprModeTest, FormattingAndValidityFollowTheExpression) {
  for (const TValueCase& c : kValueCases) {
    SCOPED_TRACE(std::string(c.Mask) + " " + c.Text);
    Host.Properties.IgnoreMaskBlank = c.IgnoreMaskBlank;
    TcxMaskEditRegExprMode& mode = Start(c.Kind, c.Mask);
    EXPECT_EQ(mode.Format(c.Text, true), c.Formatted);
    EXPECT_EQ(mode.IsFullValid(c.Text), c.FullValid);
  }
}

TEST_F(cxMaskEditRegExprModeTest, TheEmptyValueHoldsTheLiteralsForcedAtTheStart) {
  EXPECT_EQ(Start(F, "\\(\\d").GetEmptyValueText(), "");
  EXPECT_EQ(Start(X, "\\(\\d").GetEmptyValueText(), "(");
  EXPECT_EQ(Start(X, "ab:\\d").GetEmptyValueText(), "ab;");
  EXPECT_EQ(Start(X, "a?b").GetEmptyValueText(), "");
  // A mode whose editor could not take the empty value yet gives it later.
  Host.Reachable = false;
  Start(X, "\\(\\d");
  Host.Reachable = true;
  Mode->ApplyPendingEmpty();
  EXPECT_EQ(Host.EditValue, "(");
  Host.EditValue.clear();
  Mode->ApplyPendingEmpty();
  EXPECT_EQ(Host.EditValue, "") << "given once";
}

TEST_F(cxMaskEditRegExprModeTest, AnInvalidExpressionRaisesEveryErrorAfterTheModeIsGone) {
  for (TcxEditMaskKind kind : {F, X}) {
    try {
      Create(kind, nullptr)->Compile("a**|[z-a]");
      ADD_FAILURE();
    } catch (const EcxMaskEditError& error) {
      EXPECT_EQ(error.Message(),
                "Regular expression errors:\r\n"
                "Line1, Char3: The '*' quantifier cannot be applied here\r\n"
                "Line1, Char6: The starting character of the subrange must be less than the finishing one");
    }
  }
}
