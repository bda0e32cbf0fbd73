// Drives the mask engines as a user would, with arbitrary masks and typing:
// a picture mask or an expression, then a run of operations. Nothing may
// crash, leak or hang; a refused character must change nothing; completion
// must stop; and the engine's history must stay in step with the text.
//
// Input: a flags byte (bit 0 expression, bit 1 case-insensitive, bit 2
// completing), a length of two bytes (low first), that many bytes of mask,
// then operations of one byte each, some followed by a character.
//
// An expression runs on the stack a Windows thread gets, so that a pattern
// nested deep enough to overflow it there is found here too.
//
// A step costs time in proportion to the mask (an expression's positions, a
// picture's characters), and a few KiB of mask make tens of thousands of
// positions: an input gets a fixed budget of mask units times steps, so that
// its time is bounded by what the engines must do, and only a hang, a loop
// or worse than linear work per step runs over the fuzzer's timeout.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/editors/engines/cxRegExpr.h"
#include "controls/editors/engines/cxStandardMask.h"
#include "fuzz/FuzzInput.h"
#include "tests/support/SmallStack.h"

namespace {

constexpr size_t StepBudget = size_t{1} << 18;

// How many operations an input may run on a mask of that many units.
size_t StepLimit(size_t maskUnits) { return std::max<size_t>(1, StepBudget / (maskUnits + 1)); }

// The text the user would see, built from the engine's own reports.
class TTypist {
 public:
  explicit TTypist(TcxRegExpr& expression) : FExpression(expression) {
    FExpression.SetOnAddChar([this](char ch) {
      FuzzRequire(++FAddedThisStep <= TcxRegExpr::MaxPositions + 1);
      FText += ch;
    });
    FExpression.SetOnDeleteChar([this] {
      FuzzRequire(!FText.empty());
      FText.pop_back();
    });
  }

  void StartStep() { FAddedThisStep = 0; }

  void Next(char typed) {
    const bool wasFinal = FExpression.IsFinal();
    const std::string before = FText;
    char ch = typed;
    StartStep();
    const size_t length = FText.size();
    if (FExpression.Next(ch)) {
      FText.insert(length, 1, ch);
    } else {
      FuzzRequire(FText == before && FExpression.IsFinal() == wasFinal);
    }
  }

  void Prev() {
    StartStep();
    if (FExpression.Prev()) {
      FuzzRequire(!FText.empty());
      FText.pop_back();
    } else {
      FuzzRequire(FText.empty());
    }
  }

  void Reset() {
    FExpression.Reset();
    FText.clear();
  }

  void SetCompletion(bool on) {
    StartStep();
    FExpression.SetUpdateOnNext(on);
  }

  // The history holds one state set per character of the text.
  void CheckInStep() { FuzzRequire(FExpression.IsStart() == FText.empty()); }

 private:
  TcxRegExpr& FExpression;
  std::string FText;
  int FAddedThisStep = 0;
};

void FuzzExpression(const std::string& pattern, uint8_t flags, TFuzzInput& input) {
  TcxRegExpr expression;
  expression.SetCaseInsensitive(flags & 2);
  TTypist typist(expression);
  typist.SetCompletion(flags & 4);
  TMemoryStream stream;
  stream.WriteBuffer(pattern.data(), static_cast<int64_t>(pattern.size()));
  try {
    expression.Compile(&stream);
  } catch (const EcxRegExprError& error) {
    FuzzRequire(error.Errors().Count() > 0);
    for (int i = 0; i < error.Errors().Count(); ++i) FuzzRequire(!error.Errors().Items(i).FullText().empty());
    return;
  }
  typist.Reset();
  for (size_t steps = StepLimit(static_cast<size_t>(expression.PositionCount())); steps > 0 && !input.AtEnd();
       --steps) {
    switch (input.Byte() % 6) {
      case 0: typist.Next(static_cast<char>(input.Byte())); break;
      case 1: typist.Prev(); break;
      case 2: typist.Reset(); break;
      case 3: typist.SetCompletion(true); break;
      case 4: typist.SetCompletion(false); break;
      default: typist.Next(pattern.empty() ? 'a' : pattern[input.Byte() % pattern.size()]);
    }
    typist.CheckInStep();
  }
}

void FuzzPictureMask(const std::string& mask, TFuzzInput& input) {
  TcxStandardMask standard;
  standard.Compile(mask);
  for (size_t steps = StepLimit(mask.size()); steps > 0 && !input.AtEnd(); --steps) {
    const uint8_t operation = input.Byte();
    std::string text = input.Bytes(input.Byte() % 24);
    standard.Format(text, operation & 1, operation & 2);
    FuzzRequire(static_cast<int>(text.size()) == standard.Count());
    std::string again = text;
    standard.Format(again, operation & 1, true);
    FuzzRequire(again == text);
    standard.IsFullValid(again);
    standard.ExtractValue(text);
    FuzzRequire(static_cast<int>(text.size()) <= standard.Count());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFuzzInput input(data, size);
  const uint8_t flags = input.Byte();
  const size_t length = input.Byte();
  const std::string mask = input.Bytes(length + 256 * input.Byte());
  if (flags & 1) {
    RunOnStack(WindowsDefaultStack, [&] { FuzzExpression(mask, flags, input); });
  } else {
    FuzzPictureMask(mask, input);
  }
  return 0;
}
