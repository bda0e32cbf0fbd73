#pragma once
// A clipboard of the test's own, in force while the object lives, so that
// tests never touch the system's.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/controls/core/Clipboard.h"

class TFakeClipboard {
 public:
  TFakeClipboard() {
    ClipboardApi() =
        TClipboardApi{[this](UINT format) { return format == CF_TEXT && Text.has_value(); },
                      [this] { return Text.value_or(""); }, [this](const std::string& text) { Text = text; }};
  }
  ~TFakeClipboard() { ClipboardApi() = SystemClipboardApi(); }
  TFakeClipboard(const TFakeClipboard&) = delete;
  TFakeClipboard& operator=(const TFakeClipboard&) = delete;

  // Empty while the clipboard holds no text.
  std::optional<std::string> Text;
};
