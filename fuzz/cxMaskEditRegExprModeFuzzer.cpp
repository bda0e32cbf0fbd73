// Types at the expression masks' modes in a model of their editor, with any
// expression and any keys. Nothing may crash, leak or hang; the text must
// stay one the expression can go on from, the split must stand at the caret
// whenever the mode holds it in step, and the completing mode must keep the
// literals forced at the start.
//
// Input: a flags byte (bit 0 completing, bit 1 case-insensitive, bit 2
// IgnoreMaskBlank), a length byte, that many bytes of expression, each
// standing for a character of the syntax, then keys
// of one byte each: a character the native edit types (a blank or above,
// but not 127, below 0xE0) stands for itself, any other byte for a key, the
// selection key followed by its start and length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "controls/editors/mask/cxMaskEditRegExprMode.h"
#include "fuzz/FuzzInput.h"
#include "platform/rtl/Locale.h"
#include "tests/support/MaskModelHost.h"
#include "tests/support/SmallStack.h"

namespace {

// The syntax without the letters of the escapes that stand for control
// characters: a literal the native edit cannot type would be a forced
// literal that never reaches the text.
const std::string kSyntax = "bcBC019-()[]|?*+{},^\\.'dDwWsSp /:";

std::string Expression(const std::string& bytes) {
  std::string expression;
  for (const char byte : bytes) expression += kSyntax[static_cast<uint8_t>(byte) % kSyntax.size()];
  return expression;
}

constexpr uint8_t kFirstKey = 0xE0;
const char* const kKeys[] = {"L", "R", "H", "E", "+L", "+R", "+H", "+E", "BS", "DEL"};
constexpr int kKeyCount = sizeof kKeys / sizeof kKeys[0];

std::unique_ptr<TcxMaskEditRegExprMode> CreateMode(bool completing, IcxMaskEditHost* host,
                                                   IcxMaskEditModeProperties& properties) {
  if (completing) return std::make_unique<TcxMaskEditRegExprExMode>(host, properties);
  return std::make_unique<TcxMaskEditRegExprMode>(host, properties);
}

void Press(TMaskKeyDriver& driver, TMaskModelHost& host, TFuzzInput& input) {
  const uint8_t byte = input.Byte();
  if (byte >= ' ' && byte != 127 && byte < kFirstKey) return driver.PressChar(static_cast<char>(byte));
  const int key = byte % (kKeyCount + 1);
  if (key < kKeyCount) return driver.Key(kKeys[key]);
  const int length = static_cast<int>(host.Text.size()) + 1;
  const int start = input.Byte() % length;
  driver.Select(start, input.Byte() % (length - start));
}

// Under case folding a letter keeps the case it was typed in when typing
// before it moves it to a place of the pattern that would have changed it.
bool FormatsToItself(TcxMaskEditRegExprMode& judge, const TMaskModelHost& host) {
  const std::string formatted = judge.Format(host.Text, true);
  if (host.Properties.CaseInsensitive) return AnsiUpperCase(formatted) == AnsiUpperCase(host.Text);
  return formatted == host.Text;
}

void CheckInStep(TcxMaskEditRegExprMode& mode, TcxMaskEditRegExprMode& judge, TMaskModelHost& host,
                 const std::string& leading, bool completing) {
  FuzzRequire(FormatsToItself(judge, host));
  const bool stale = mode.Resynchronize() || (mode.Consumed().empty() && mode.Remaining().empty());
  if (!stale) {
    FuzzRequire(mode.Consumed() + mode.Remaining() == host.Text);
    if (host.EditSelLength() == 0) FuzzRequire(mode.Consumed() == host.Text.substr(0, host.Caret));
  }
  if (completing) FuzzRequire(host.Text.compare(0, leading.size(), leading) == 0);
}

void FuzzModes(uint8_t flags, const std::string& pattern, TFuzzInput& input) {
  const bool completing = flags & 1;
  TMaskModelHost host;
  host.Properties.CaseInsensitive = flags & 2;
  host.Properties.IgnoreMaskBlank = flags & 4;
  std::unique_ptr<TcxMaskEditRegExprMode> mode = CreateMode(completing, &host, host.Properties);
  std::unique_ptr<TcxMaskEditRegExprMode> formatter = CreateMode(completing, nullptr, host.Properties);
  std::unique_ptr<TcxMaskEditRegExprMode> judge = CreateMode(false, nullptr, host.Properties);
  try {
    mode->Compile(pattern);
  } catch (const EcxMaskEditError& error) {
    FuzzRequire(!error.Message().empty());
    return;
  }
  if (!mode->RegExpr().IsCompiled()) return;
  formatter->Compile(pattern);
  judge->Compile(pattern);
  host.Mode = mode.get();
  host.Formatter = formatter.get();
  host.SetDisplayText("");
  const std::string leading = mode->GetEmptyValueText();
  TMaskKeyDriver driver(host, *mode);
  while (!input.AtEnd()) {
    Press(driver, host, input);
    CheckInStep(*mode, *judge, host, leading, completing);
    mode->IsFullValid(host.Text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFuzzInput input(data, size);
  const uint8_t flags = input.Byte();
  const std::string pattern = Expression(input.Bytes(input.Byte()));
  RunOnStack(WindowsDefaultStack, [&] { FuzzModes(flags, pattern, input); });
  return 0;
}
