#pragma once
// TClipboard: the system clipboard as the program uses it, text only. Its
// work goes through one replaceable table, so tests keep a clipboard of their
// own and run side by side without touching the system's.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/rtl/Exceptions.h"

// Opening a clipboard another program holds fails.
class EClipboardException : public Exception {
 public:
  using Exception::Exception;
};

struct TClipboardApi {
  std::function<bool(UINT format)> HasFormat;
  // What the clipboard holds as CF_TEXT; empty when it holds no text.
  std::function<std::string()> GetText;
  // Replaces whatever the clipboard holds by `text`.
  std::function<void(const std::string& text)> SetText;
};
// The table in force: the system's, unless replaced.
TClipboardApi& ClipboardApi();
// The system clipboard's table, to put back after a test.
TClipboardApi SystemClipboardApi();

class TClipboard {
 public:
  // Whether the clipboard holds data of `format` (CF_TEXT...).
  bool HasFormat(UINT format) const { return ClipboardApi().HasFormat(format); }
  std::string AsText() const { return ClipboardApi().GetText(); }
  void SetAsText(const std::string& text) { ClipboardApi().SetText(text); }
};

TClipboard& Clipboard();
