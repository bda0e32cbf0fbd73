#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "controls/editors/engines/cxRegExpr.h"
#include "tests/support/SmallStack.h"
#include "tests/support/TestLocale.h"

namespace {

void CompileText(TcxRegExpr& expression, const std::string& pattern) {
  TMemoryStream stream;
  stream.WriteBuffer(pattern.data(), static_cast<int64_t>(pattern.size()));
  expression.Compile(&stream);
}

std::string JoinedErrors(const TcxRegExprErrors& errors) {
  std::string text;
  for (int i = 0; i < errors.Count(); ++i) text += (i ? "\n" : "") + errors.Items(i).FullText();
  return text;
}

// The errors one compilation reports, one full text a line; empty when it
// compiles.
std::string CompileErrors(const std::string& pattern) {
  TcxRegExpr expression;
  try {
    CompileText(expression, pattern);
  } catch (const EcxRegExprError& error) {
    EXPECT_EQ(error.Message(), "");
    return JoinedErrors(error.Errors());
  }
  return "";
}

class cxRegExprTest : public testing::Test {
 protected:
  TTestLocale Locale{'-', '.', ','};
  TcxRegExpr Expression;
  std::string Added;
  int Deleted = 0;

  void Compile(const std::string& pattern, bool completing = false) {
    Expression.SetOnAddChar([this](char ch) { Added += ch; });
    Expression.SetOnDeleteChar([this] { ++Deleted; });
    Expression.SetUpdateOnNext(completing);
    CompileText(Expression, pattern);
  }

  // The characters the automaton takes, each as it handed it back.
  std::string Type(const std::string& text) {
    std::string accepted;
    for (char ch : text) {
      if (Expression.Next(ch)) accepted += ch;
    }
    return accepted;
  }
};

struct TErrorCase {
  const char* Pattern;
  const char* Errors;
};

const TErrorCase kErrorCases[] = {
    {"*a", "Line1, Char1: Illegal quantifier '*'"},
    {"a|+", "Line1, Char3: Illegal quantifier '+'"},
    {"a{256}", "Line1, Char3: Illegal integer value"},
    {"(a)\\2", "Line1, Char4: Too big reference number"},
    {"(a\\1)", "Line1, Char3: Too big reference number"},
    {"[]", "Line1, Char1: Can't create empty enumeration"},
    {"[^]", "Line1, Char1: Can't create empty enumeration"},
    {"[z-a]", "Line1, Char2: The starting character of the subrange must be less than the finishing one"},
    {"[a-a]", "Line1, Char2: The starting character of the subrange must be less than the finishing one"},
    {"\\x4", "Line1, Char4: Hexadecimal number expected"},
    {"\\x4g", "Line1, Char4: Hexadecimal number expected but 'g' found"},
    {"(a", "Missing ')'"},
    {"[a", "Line1, Char3: Missing ']'"},
    {"a{2", "Line1, Char4: Missing '}'"},
    {"'ab", "Line1, Char4: Missing '''"},
    {"a)", "Unnecessary ')'"},
    {"a\\ b", "Line1, Char2: The space character is not allowed after '\\'"},
    {"{2}", "Line1, Char1: Incorrect parameter quantifier"},
    {"a{3,2}", "Line1, Char6: Incorrect parameter quantifier"},
    {"a{,2}", "Line1, Char3: Incorrect parameter quantifier"},
    {"a?{2}", "Line1, Char3: The parameter quantifier cannot be applied here"},
    {"(b?){2}", "Line1, Char5: The parameter quantifier cannot be applied here"},
    {"a*+", "Line1, Char3: The '+' quantifier cannot be applied here"},
    {"a**", "Line1, Char3: The '*' quantifier cannot be applied here"},
    {"a\r**", "Line2, Char4: The '*' quantifier cannot be applied here"},
    {"a?*", "Line1, Char3: The '*' quantifier cannot be applied here"},
    {"((a?))*", "Line1, Char7: The '*' quantifier cannot be applied here"},
    {"a|", "Line1, Char2: The alternative should not be empty"},
    {"|a", "Line1, Char1: The alternative should not be empty"},
    {"''", "The alternative should not be empty"},
    {"()", "Line1, Char2: The block should not be empty"},
    {")a(", "Line1, Char1: Illegal ')'\nLine1, Char3: The alternative should not be empty\nMissing ')'"},
    {"[a-b-c]", "Line1, Char5: Illegal '-'"},
    {"a{'}", "Line1, Char3: Illegal '''"},
    {"a{x}", "Line1, Char3: Illegal 'x'"},
    {"[a-\\d]", "Line1, Char3: Illegal '-'"},
    {"[/-z]", "Line1, Char3: Illegal '-'"},
    {" \t\r\n", "The source stream is empty"},
};

}  // namespace

TEST(cxRegExprErrorsTest, EachFaultReportsItsMessageAtItsPlace) {
  for (const TErrorCase& c : kErrorCases) EXPECT_EQ(CompileErrors(c.Pattern), c.Errors) << c.Pattern;
}

TEST(cxRegExprErrorsTest, OneCompilationReportsEveryFaultWithLineAndColumn) {
  EXPECT_EQ(CompileErrors("a**|[z-a]\r\n b?+"),
            "Line1, Char3: The '*' quantifier cannot be applied here\n"
            "Line1, Char6: The starting character of the subrange must be less than the finishing one\n"
            "Line2, Char4: The '+' quantifier cannot be applied here");
  EXPECT_EQ(CompileErrors("\\x4g\r\n\\ 'ab"),
            "Line1, Char4: Hexadecimal number expected but 'g' found\n"
            "Line2, Char1: The space character is not allowed after '\\'\n"
            "Line2, Char6: Missing '''");
}

TEST(cxRegExprErrorsTest, TheExceptionKeepsItsErrorsAfterTheEngineIsGone) {
  try {
    TcxRegExpr expression;
    CompileText(expression, "a**");
    FAIL();
  } catch (const EcxRegExprError& error) {
    ASSERT_EQ(error.Errors().Count(), 1);
    EXPECT_EQ(error.Errors().Items(0).Line(), 1);
    EXPECT_EQ(error.Errors().Items(0).Char(), 3);
    EXPECT_EQ(error.Errors().Items(0).Text(), "The '*' quantifier cannot be applied here");
  }
}

TEST(cxRegExprErrorsTest, NoStreamAndMatchingBeforeCompilingAreRefused) {
  TcxRegExpr expression;
  try {
    expression.Compile(nullptr);
    FAIL();
  } catch (const EcxRegExprError& error) {
    EXPECT_EQ(JoinedErrors(error.Errors()), "The source stream is not assigned");
  }
  EXPECT_FALSE(expression.IsCompiled());
  EXPECT_EQ(expression.GetStream(), nullptr);
  char ch = 'a';
  try {
    expression.Next(ch);
    FAIL();
  } catch (const EcxEditError& error) {
    EXPECT_EQ(error.Message(), "Regular expression is not compiled");
  }
  EXPECT_THROW(expression.Prev(), EcxEditError);
  EXPECT_THROW(expression.IsFinal(), EcxEditError);
}

TEST_F(cxRegExprTest, AFailedCompilationKeepsItsErrorsUntilTheNextOne) {
  EXPECT_THROW(Compile("a**"), EcxRegExprError);
  EXPECT_EQ(Expression.Errors().Count(), 1);
  Compile("ab");
  EXPECT_EQ(Expression.Errors().Count(), 0);
  EXPECT_TRUE(Expression.IsCompiled());
  EXPECT_EQ(Type("ab"), "ab");
  EXPECT_TRUE(Expression.IsFinal());
}

struct TMatchCase {
  const char* Pattern;
  const char* Typed;
  const char* Accepted;
  bool Final;
};

// Pattern, what is typed, what the automaton takes of it, and whether that
// is a complete match. The locale's separators are "-" and "." here and its
// decimal separator ",".
const TMatchCase kMatchCases[] = {
    {"a b", "ab", "ab", true},
    {"' 'a", " a", " a", true},
    {"\\s\\S", "\tx", "\tx", true},
    {"\\0", "0", "0", true},
    {"\\x41\\e", "A\x1b", "A\x1b", true},
    {"a+?", "", "", true},
    {"a+?", "aaa", "aaa", true},
    {"a{2}", "aaa", "aa", true},
    {"a{2,2}", "aaa", "aa", true},
    {"a{2,}", "a", "a", false},
    {"a{2,}", "aaaa", "aaaa", true},
    {"a{2,4}", "aaaaa", "aaaa", true},
    {"a{0}b", "ab", "b", true},
    {"(ab)\\1", "abab", "abab", true},
    {"(a|b)\\1", "ab", "ab", true},
    {"(ab){2}\\1", "ababab", "ababab", true},
    {"(a+){2}\\1", "aaa", "aaa", true},
    {"(ab){0,}\\1", "ab", "ab", true},
    {"(ab){0,1}\\1", "", "", false},
    {"[a-]", "-", "-", true},
    {"[-a]", "a", "a", true},
    {"[^a-c]", "bd", "d", true},
    {"[\\d_]x", "_x", "_x", true},
    {"[\\x01-\\xff]", "\x80", "\x80", true},
    {"[a-\\xe9]", "\xe0", "\xe0", true},
    {"\\w\\W\\d\\D", "_.1a", "_.1a", true},
    {".", "\xff", "\xff", true},
    {"\\d/\\d:\\d", "1-2.3", "1-2.3", true},
    {"\\d/\\d", "1/2", "1", false},
    {"[/:]", ".", ".", true},
    {"\\p", ",", ",", true},
    {"'a''b'", "a'b", "a'b", true},
    {"xa?", "x", "x", true},
    {"x(a?)", "x", "x", true},
    {"x(a?)", "xa", "xa", true},
    {"(a?)", "", "", true},
    {"xa{0,1}", "x", "x", true},
    {"x\\d{0,3}", "x", "x", true},
    {"x\\d{0,3}", "x1234", "x123", true},
    {"x(a|b?)(c?)", "x", "x", true},
    {"x((a?)b?)", "x", "x", true},
    {"x(a|bc?)", "xb", "xb", true},
    {"x(ab)*", "xa", "xa", false},
    {"a*a*a*a*", "aaaaaaaaaaaa", "aaaaaaaaaaaa", true},
};

TEST_F(cxRegExprTest, TheAutomatonTakesExactlyTheCharactersThatKeepAMatchPossible) {
  for (const TMatchCase& c : kMatchCases) {
    SCOPED_TRACE(c.Pattern);
    Compile(c.Pattern);
    std::string accepted;
    Expression.NextText(c.Typed, accepted);
    EXPECT_EQ(accepted, c.Accepted);
    EXPECT_EQ(Expression.IsFinal(), c.Final);
  }
}

TEST_F(cxRegExprTest, ARefusedCharacterChangesNothingAndPrevStepsBackOneCharacter) {
  Compile("ab|ac");
  EXPECT_TRUE(Expression.IsStart());
  EXPECT_EQ(Type("ax"), "a");
  EXPECT_FALSE(Expression.IsStart());
  EXPECT_EQ(Type("c"), "c");
  EXPECT_TRUE(Expression.IsFinal());
  EXPECT_TRUE(Expression.Prev());
  EXPECT_FALSE(Expression.IsFinal());
  EXPECT_EQ(Type("b"), "b");
  EXPECT_TRUE(Expression.Prev());
  EXPECT_TRUE(Expression.Prev());
  EXPECT_TRUE(Expression.IsStart());
  EXPECT_FALSE(Expression.Prev());
  EXPECT_EQ(Type("ac"), "ac");
  Expression.Reset();
  EXPECT_TRUE(Expression.IsStart());
  EXPECT_FALSE(Expression.Prev());
}

TEST_F(cxRegExprTest, SeparatorsAreTheLocalesAtTheMomentOfTheTest) {
  Compile("\\d/\\d");
  EXPECT_EQ(Type("1/"), "1");
  Locale.SetDateSeparator('/');
  EXPECT_EQ(Type("/2"), "/2");
  EXPECT_TRUE(Expression.IsFinal());
}

struct TCaseInsensitiveCase {
  const char* Pattern;
  const char* Typed;
  const char* Accepted;  // as the automaton handed each character back
  bool Final;
};

const TCaseInsensitiveCase kCaseInsensitiveCases[] = {
    {"abc", "ABC", "abc", true}, {"a1|[A-Z]2", "A2", "A2", true}, {"[a-z]", "A", "", false},  {"[ab]", "B", "b", true},
    {"[^ab]", "B", "", false},   {"\xe0", "\xc0", "\xe0", true},  {"\\w", "\xe0", "", false},
};

TEST_F(cxRegExprTest, CaseInsensitiveSymbolsFoldByTheLocaleAndRangesDoNot) {
  Expression.SetCaseInsensitive(true);
  for (const TCaseInsensitiveCase& c : kCaseInsensitiveCases) {
    SCOPED_TRACE(c.Pattern);
    Compile(c.Pattern);
    EXPECT_EQ(Type(c.Typed), c.Accepted);
    EXPECT_EQ(Expression.IsFinal(), c.Final);
  }
}

TEST_F(cxRegExprTest, CompletionTypesTheForcedLiteralsAndTakesThemBackWithTheCharacterBefore) {
  Compile("\\d\\d/\\d\\d", true);
  EXPECT_EQ(Added, "");
  EXPECT_EQ(Type("12"), "12");
  EXPECT_EQ(Added, "-");
  EXPECT_TRUE(Expression.Prev());
  EXPECT_EQ(Deleted, 1);
  EXPECT_FALSE(Expression.IsStart());
  EXPECT_EQ(Type("3"), "3");
  EXPECT_EQ(Added, "--");
  EXPECT_EQ(Type("45"), "45");
  EXPECT_TRUE(Expression.IsFinal());
  EXPECT_EQ(Added, "--");
}

TEST_F(cxRegExprTest, CompletionStopsAtAFinalState) {
  Compile("ab", true);
  EXPECT_EQ(Added, "ab");
  EXPECT_TRUE(Expression.IsFinal());
  Added.clear();
  Expression.Reset();
  EXPECT_EQ(Type("a"), "a");
  EXPECT_EQ(Added, "b");
  EXPECT_TRUE(Expression.IsFinal());

  Added.clear();
  Compile("x(a?)", true);
  EXPECT_EQ(Added, "x");
  Added.clear();
  Compile("(ab)+c?", true);
  Added.clear();
  Expression.Reset();
  EXPECT_EQ(Type("a"), "a");
  EXPECT_EQ(Added, "b");
}

TEST_F(cxRegExprTest, SwitchingCompletionOnCompletesFromTheCurrentState) {
  Compile("a-b");
  EXPECT_EQ(Type("a"), "a");
  EXPECT_EQ(Added, "");
  Expression.SetUpdateOnNext(true);
  EXPECT_EQ(Added, "-b");
  EXPECT_TRUE(Expression.IsFinal());
}

TEST_F(cxRegExprTest, BackwardCompletionStopsAtACharacterTheUserChose) {
  Compile("a(-b|-c)", true);
  EXPECT_EQ(Added, "a-");
  EXPECT_EQ(Type("b"), "b");
  EXPECT_TRUE(Expression.Prev());
  EXPECT_EQ(Deleted, 0);
  // The literals forced from the start go too, and there is nothing left to
  // step back over.
  EXPECT_FALSE(Expression.Prev());
  EXPECT_EQ(Deleted, 2);
  EXPECT_TRUE(Expression.IsStart());
}

struct TLimitCase {
  const char* Name;
  std::string Pattern;
  const char* Errors;
};

std::string Repeated(const std::string& text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) result += text;
  return result;
}

// Run on the stack a Windows thread gets: the nesting bound must fit in it.
TEST(cxRegExprLimitsTest, CountsPositionsAndNestingAreBounded) {
  const TLimitCase cases[] = {
      {"largest count", "a{255}", ""},
      {"count too big", "a{1,256}", "Line1, Char5: Illegal integer value"},
      {"long count", "a{99999999999999999999}", "Line1, Char3: Illegal integer value"},
      {"counts too big", "((a{999}){999}){999}",
       "Line1, Char5: Illegal integer value\nLine1, Char11: Illegal integer value\n"
       "Line1, Char17: Illegal integer value"},
      {"positions", "((a{255}){255}){255}", "Line1, Char16: Illegal '{'"},
      {"copied positions", "((a{255}){255})\\1", "Line1, Char16: Illegal '\\1'"},
      {"copied groups", "(a" + Repeated("{1}", 200) + "){255}{255}", "Line1, Char609: Illegal '{'"},
      {"deepest nesting", Repeated("(", 256) + "a" + Repeated(")", 256), ""},
      {"nesting", Repeated("(", 257) + "a" + Repeated(")", 257), "Line1, Char257: Illegal '('"},
      {"deepest quantifiers", "a" + Repeated("?", 257), ""},
      {"quantifiers too deep", "a" + Repeated("?", 258), "Line1, Char259: Illegal '?'"},
      {"deepest counts", "a" + Repeated("{1}", 256), ""},
      {"counts too deep", "a" + Repeated("{1}", 257), "Line1, Char770: Illegal '{'"},
      {"optional copies too deep", "a" + Repeated("{1,200}", 2), "Line1, Char9: Illegal '{'"},
      {"quantifiers in groups", Repeated("(", 200) + "a" + Repeated("?", 57) + Repeated(")", 200), ""},
      {"quantifiers too deep in groups", Repeated("(", 200) + "a" + Repeated("?", 58) + Repeated(")", 200),
       "Line1, Char259: Illegal '?'"},
      {"copied nesting", Repeated("(", 200) + "a" + Repeated(")", 200) + Repeated("(", 57) + "\\1" + Repeated(")", 57),
       "Line1, Char459: Illegal '\\1'"},
  };
  std::vector<std::string> errors;
  RunOnStack(WindowsDefaultStack, [&] {
    for (const TLimitCase& c : cases) errors.push_back(CompileErrors(c.Pattern));
  });
  ASSERT_EQ(errors.size(), std::size(cases));
  for (size_t i = 0; i < errors.size(); ++i) EXPECT_EQ(errors[i], cases[i].Errors) << cases[i].Name;
}

// Every extra quantifier wraps the item in a new group; thousands of them
// must be refused, not followed down.
TEST(cxRegExprLimitsTest, PatternsNestedByQuantifiersCompileOrReportAnError) {
  const std::string patterns[] = {"a" + Repeated("?", 8192), "a" + Repeated("{1}", 8192), "a" + Repeated("+{1}", 8192),
                                  Repeated("(", 255) + "a" + Repeated("?", 8192) + Repeated(")", 255)};
  for (const std::string& pattern : patterns) {
    int errors = -1;
    RunOnStack(WindowsDefaultStack, [&] {
      TcxRegExpr expression;
      try {
        CompileText(expression, pattern);
        errors = 0;
      } catch (const EcxRegExprError& error) {
        errors = error.Errors().Count();
      }
    });
    EXPECT_GT(errors, 0) << pattern.substr(0, 10);
  }
}

// Patterns of 4 KiB that a careless engine would spend its memory, stack or
// time on.
TEST(cxRegExprLimitsTest, NoLongPatternTakesASecondToCompileOrToType) {
  const std::string patterns[] = {
      Repeated("a?", 2048),
      "(" + Repeated("a?", 2040) + "b){32}",
      Repeated("(", 2048) + Repeated(")", 2048),
      Repeated("(a|", 1365) + "b" + Repeated(")", 1365),
      "(a{255}){255}" + Repeated("\\1", 2000),
      Repeated("(a+)+", 800),
  };
  for (const std::string& pattern : patterns) {
    const auto start = std::chrono::steady_clock::now();
    TcxRegExpr expression;
    try {
      CompileText(expression, pattern);
      std::string accepted;
      expression.NextText(Repeated("a", 200), accepted);
    } catch (const EcxRegExprError&) {
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << pattern.substr(0, 40);
  }
}
