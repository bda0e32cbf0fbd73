#include "platform/graphics/TextOutput.h"

void TextOutRun(HDC dc, int x, int y, std::string_view text, bool expandTabs) {
  const int length = static_cast<int>(text.size());
  if (expandTabs)
    TabbedTextOutA(dc, x, y, text.data(), length, 0, nullptr, x);
  else
    TextOutA(dc, x, y, text.data(), length);
}

void ClippedTextOutRun(HDC dc, int x, int y, const RECT& bounds, bool clipped, std::string_view text) {
  ExtTextOutA(dc, x, y, clipped ? ETO_CLIPPED : 0, &bounds, text.data(), static_cast<UINT>(text.size()), nullptr);
}
