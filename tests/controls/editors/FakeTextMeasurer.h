#pragma once
// A font without a device context: every single-byte character is 10 pixels
// wide, a two-byte character 20, rows 16 high with 2 of external leading.
// Tabs expand to the next multiple of 80 pixels. With `doubleByte`, bytes
// from 0x81 on start two-byte characters, as in a Far-East code page.
#include <string_view>

#include "controls/editors/base/cxTextDrawing.h"

class TFakeTextMeasurer : public TcxTextMeasurer {
 public:
  static constexpr int kCharWidth = 10;
  static constexpr int kTabWidth = 80;
  static constexpr int kHeight = 16;
  static constexpr int kExternalLeading = 2;

  explicit TFakeTextMeasurer(bool doubleByte = false, bool farEast = false)
      : FDoubleByte(doubleByte), FFarEast(farEast) {}

  TcxFontMetrics FontMetrics() override { return {kHeight, kExternalLeading, 2 * kCharWidth, ' ', 0}; }
  TcxTextExtent TextExtent(std::string_view text, bool expandTabs) override {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\t' && expandTabs) {
        width = (width / kTabWidth + 1) * kTabWidth;
      } else if (IsLeadByte(text[i]) && i + 1 < text.size()) {
        width += 2 * kCharWidth;
        ++i;
      } else {
        width += kCharWidth;
      }
    }
    return {width, kHeight};
  }
  bool IsLeadByte(char ch) override { return FDoubleByte && static_cast<unsigned char>(ch) >= 0x81; }
  bool FarEastLocale() override { return FFarEast; }

 private:
  bool FDoubleByte;
  bool FFarEast;
};
