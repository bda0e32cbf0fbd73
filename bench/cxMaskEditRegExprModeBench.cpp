// Time per keystroke of the expression masks' modes, typing a 64-character
// text into a model of their editor, against PCRE2 answering the same
// question (can the text still become a match?) with a hard partial match
// over the whole text at every keystroke. The filter mode is typed every
// character; the completing mode only the digits, the dashes typing
// themselves. Measure in an optimised build without sanitizers.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <benchmark/benchmark.h>
#include <pcre2.h>

#include <memory>
#include <string>

#include "controls/editors/mask/cxMaskEditRegExprMode.h"
#include "tests/support/MaskModelHost.h"

namespace {

const std::string kPattern = "(\\d\\d\\d\\d-){12}\\d\\d\\d\\d";
const std::string kText = [] {
  std::string text = "1234";
  for (int group = 0; group < 12; ++group) text += "-5678";
  return text;
}();
const std::string kDigits = [] {
  std::string digits;
  for (const char ch : kText) {
    if (ch != '-') digits += ch;
  }
  return digits;
}();

void SetPerKeystroke(benchmark::State& state, size_t keystrokes) {
  state.counters["per_keystroke"] = benchmark::Counter(static_cast<double>(state.iterations() * keystrokes),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void OurKeystrokes(benchmark::State& state, bool completing) {
  TMaskModelHost host;
  std::unique_ptr<TcxMaskEditRegExprMode> mode;
  if (completing) {
    mode = std::make_unique<TcxMaskEditRegExprExMode>(&host, host.Properties);
  } else {
    mode = std::make_unique<TcxMaskEditRegExprMode>(&host, host.Properties);
  }
  mode->Compile(kPattern);
  host.Mode = mode.get();
  host.Formatter = mode.get();
  const std::string& typed = completing ? kDigits : kText;
  TMaskKeyDriver driver(host, *mode);
  for (auto _ : state) {
    host.SetDisplayText("");
    for (const char ch : typed) driver.PressChar(ch);
    if (host.Text != kText) state.SkipWithError("the mode refuses the sample");
  }
  SetPerKeystroke(state, typed.size());
}

void PcreKeystrokes(benchmark::State& state, bool jit) {
  const std::string anchored = "\\A(?:" + kPattern + ")\\z";
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code =
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(anchored.c_str()), anchored.size(), 0, &error, &offset, nullptr);
  if (jit) pcre2_jit_compile(code, PCRE2_JIT_PARTIAL_HARD);
  pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
  const auto* text = reinterpret_cast<PCRE2_SPTR>(kText.data());
  for (auto _ : state) {
    for (size_t length = 1; length <= kText.size(); ++length) {
      const int rc = pcre2_match(code, text, length, 0, PCRE2_PARTIAL_HARD, data, nullptr);
      if (rc < 0 && rc != PCRE2_ERROR_PARTIAL) state.SkipWithError("PCRE2 refuses the sample");
    }
  }
  SetPerKeystroke(state, kText.size());
  pcre2_match_data_free(data);
  pcre2_code_free(code);
}

}  // namespace

BENCHMARK_CAPTURE(OurKeystrokes, Filter, false);
BENCHMARK_CAPTURE(OurKeystrokes, Completing, true);
BENCHMARK_CAPTURE(PcreKeystrokes, Pcre2, false);
BENCHMARK_CAPTURE(PcreKeystrokes, Pcre2Jit, true);
BENCHMARK_MAIN();
