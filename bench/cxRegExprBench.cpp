// Compile time and time per keystroke of the expression engine against
// PCRE2, on the expressions the mask edit is given most: a phone number, an
// IPv4 address, the US date with its smart words, an e-mail address. The
// engine takes each keystroke as one step from its current states; PCRE2
// matches the whole text typed so far with a hard partial match, which is
// what it would take to answer the same question. Measure in an optimised
// build without sanitizers.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <benchmark/benchmark.h>
#include <pcre2.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/editors/engines/cxRegExpr.h"

namespace {

struct TExpression {
  const char* Name;
  std::string Ours;
  std::string Pcre;
  std::string Typed;
};

const std::string kShortMonths = "'Jan'|'Feb'|'Mar'|'Apr'|'May'|'Jun'|'Jul'|'Aug'|'Sep'|'Oct'|'Nov'|'Dec'";
const std::string kSmartWords =
    "'today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|'Thursday'|'Friday'|'Saturday'|"
    "'first'|'second'|'third'|'fourth'|'fifth'|'sixth'|'seventh'|'bom'|'eom'";

// The date expression the format settings build for "M/d/yyyy", with the
// smart words and their day offset.
std::string UsDate(const std::string& months, const std::string& words) {
  const std::string date = "((0?[1-9]|1[012])|(" + months + "))\\/([012]?[1-9]|[123]0|31)\\/\\d\\d\\d\\d";
  return "(" + date + ")|(" + words + ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
}

std::string Unquoted(std::string text) {
  std::string result;
  for (const char ch : text) {
    if (ch != '\'') result += ch;
  }
  return result;
}

const std::vector<TExpression> kExpressions = {
    {"Phone", "\\(\\d\\d\\d\\)' '\\d\\d\\d-\\d\\d\\d\\d", "\\(\\d\\d\\d\\) \\d\\d\\d-\\d\\d\\d\\d", "(555) 123-4567"},
    {"IPv4", "((25[0-5]|2[0-4]\\d|[01]?\\d\\d?)\\.){3}(25[0-5]|2[0-4]\\d|[01]?\\d\\d?)",
     "((25[0-5]|2[0-4]\\d|[01]?\\d\\d?)\\.){3}(25[0-5]|2[0-4]\\d|[01]?\\d\\d?)", "192.168.100.254"},
    {"UsDate", UsDate(kShortMonths, kSmartWords), UsDate(Unquoted(kShortMonths), Unquoted(kSmartWords)), "12/25/2026"},
    {"UsDateWord", UsDate(kShortMonths, kSmartWords), UsDate(Unquoted(kShortMonths), Unquoted(kSmartWords)),
     "tomorrow+14"},
    {"EMail", "[\\w.\\-]+@[\\w\\-]+(\\.[\\w\\-]+)+", "[\\w.\\-]+@[\\w\\-]+(\\.[\\w\\-]+)+",
     "john.smith@mail.example.com"},
};

void CompileOurs(TcxRegExpr& expression, const std::string& pattern) {
  TMemoryStream stream;
  stream.WriteBuffer(pattern.data(), static_cast<int64_t>(pattern.size()));
  expression.Compile(&stream);
}

pcre2_code* CompilePcre(const std::string& pattern, bool jit) {
  const std::string anchored = "\\A(?:" + pattern + ")\\z";
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code =
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(anchored.c_str()), anchored.size(), 0, &error, &offset, nullptr);
  if (!code) {
    std::fprintf(stderr, "PCRE2 refuses %s\n", anchored.c_str());
    std::exit(1);
  }
  if (jit) pcre2_jit_compile(code, PCRE2_JIT_COMPLETE | PCRE2_JIT_PARTIAL_HARD);
  return code;
}

void SetPerKeystroke(benchmark::State& state, const TExpression& expression) {
  state.counters["per_keystroke"] =
      benchmark::Counter(static_cast<double>(state.iterations() * expression.Typed.size()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void OurCompile(benchmark::State& state, const TExpression& expression) {
  for (auto _ : state) {
    TcxRegExpr ours;
    CompileOurs(ours, expression.Ours);
    benchmark::DoNotOptimize(ours.IsCompiled());
  }
}

void PcreCompile(benchmark::State& state, const TExpression& expression, bool jit) {
  for (auto _ : state) pcre2_code_free(CompilePcre(expression.Pcre, jit));
}

void OurKeystrokes(benchmark::State& state, const TExpression& expression) {
  TcxRegExpr ours;
  CompileOurs(ours, expression.Ours);
  for (auto _ : state) {
    ours.Reset();
    for (char ch : expression.Typed) {
      if (!ours.Next(ch)) state.SkipWithError("the engine refuses the sample");
    }
    benchmark::DoNotOptimize(ours.IsFinal());
  }
  SetPerKeystroke(state, expression);
}

void PcreKeystrokes(benchmark::State& state, const TExpression& expression, bool jit) {
  pcre2_code* code = CompilePcre(expression.Pcre, jit);
  pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
  const auto* text = reinterpret_cast<PCRE2_SPTR>(expression.Typed.data());
  for (auto _ : state) {
    for (size_t length = 1; length <= expression.Typed.size(); ++length) {
      const int rc = pcre2_match(code, text, length, 0, PCRE2_PARTIAL_HARD, data, nullptr);
      if (rc < 0 && rc != PCRE2_ERROR_PARTIAL) state.SkipWithError("PCRE2 refuses the sample");
    }
  }
  SetPerKeystroke(state, expression);
  pcre2_match_data_free(data);
  pcre2_code_free(code);
}

void RegisterAll() {
  for (const TExpression& expression : kExpressions) {
    const std::string name = expression.Name;
    benchmark::RegisterBenchmark(("Compile/Ours/" + name).c_str(), OurCompile, expression);
    benchmark::RegisterBenchmark(("Compile/Pcre2/" + name).c_str(), PcreCompile, expression, false);
    benchmark::RegisterBenchmark(("Compile/Pcre2Jit/" + name).c_str(), PcreCompile, expression, true);
    benchmark::RegisterBenchmark(("Keystrokes/Ours/" + name).c_str(), OurKeystrokes, expression);
    benchmark::RegisterBenchmark(("Keystrokes/Pcre2/" + name).c_str(), PcreKeystrokes, expression, false);
    benchmark::RegisterBenchmark(("Keystrokes/Pcre2Jit/" + name).c_str(), PcreKeystrokes, expression, true);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
