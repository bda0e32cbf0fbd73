#include "platform/controls/core/Clipboard.h"

#include <cstring>
#include <utility>

#include "platform/controls/core/Application.h"

namespace {

// Open for the scope; the application window owns what is put on it.
class TOpenClipboard {
 public:
  TOpenClipboard() {
    if (!OpenClipboard(Application().Handle())) throw EClipboardException("Cannot open clipboard");
  }
  ~TOpenClipboard() { CloseClipboard(); }
  TOpenClipboard(const TOpenClipboard&) = delete;
  TOpenClipboard& operator=(const TOpenClipboard&) = delete;
};

// Holds global memory until the clipboard takes it.
class TGlobalText {
 public:
  explicit TGlobalText(const std::string& text) : FMemory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    if (!FMemory) throw EClipboardException("Cannot put text on the clipboard");
    auto* buffer = static_cast<char*>(GlobalLock(FMemory));
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    GlobalUnlock(FMemory);
  }
  ~TGlobalText() {
    if (FMemory) GlobalFree(FMemory);
  }
  TGlobalText(const TGlobalText&) = delete;
  TGlobalText& operator=(const TGlobalText&) = delete;
  HGLOBAL Get() const { return FMemory; }
  HGLOBAL Release() { return std::exchange(FMemory, nullptr); }

 private:
  HGLOBAL FMemory;
};

std::string SystemText() {
  const TOpenClipboard open;
  const HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  const auto* text = static_cast<const char*>(GlobalLock(data));
  std::string result = text ? std::string(text, strnlen(text, GlobalSize(data))) : std::string();
  GlobalUnlock(data);
  return result;
}

void SetSystemText(const std::string& text) {
  TGlobalText memory(text);
  const TOpenClipboard open;
  EmptyClipboard();
  // The clipboard owns the memory once it took it.
  if (SetClipboardData(CF_TEXT, memory.Get())) memory.Release();
}

}  // namespace

TClipboardApi SystemClipboardApi() {
  return TClipboardApi{[](UINT format) { return IsClipboardFormatAvailable(format) != FALSE; }, SystemText,
                       SetSystemText};
}

TClipboardApi& ClipboardApi() {
  static TClipboardApi api = SystemClipboardApi();
  return api;
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}
