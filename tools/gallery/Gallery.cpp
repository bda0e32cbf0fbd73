// Draws what the control library's foundation paints into two pictures, so a
// reader sees it without running the program:
//   canvas.bmp          edges, frames, gradients with and without the
//                       system's gradient routine, grip dots, every filter
//   office-colours.bmp  the 49 Office 2003 colours of each scheme
// Usage: nepl-gallery <output folder>
#include <windows.h>

#include <cstdio>
#include <string>

#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/cxGraphics.h"
#include "controls/foundation/dxOffice11.h"
#include "platform/graphics/Msimg32.h"

namespace {

constexpr int kCanvasWidth = 570;
constexpr int kCanvasHeight = 330;
constexpr int kLabelHeight = 14;
constexpr int kSwatchWidth = 90;
constexpr int kSwatchHeight = 14;
constexpr int kIndexColumnWidth = 30;
constexpr int kFilterSampleSize = 40;
constexpr int kFilterSampleStep = 50;

const char* const kFilterNames[] = {"lighten", "disable", "average", "opaque",  "mask",
                                    "weights", "luma",    "alpha",   "checker", "fill"};
const char* const kSchemeNames[] = {"system", "blue", "olive", "silver"};

void Label(TcxCanvas& canvas, int x, int y, const std::string& text, int width = 120) {
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(text, {x, y, x + width, y + kLabelHeight}, cxSingleLine | cxAlignLeft);
}

void DrawEdges(TcxCanvas& canvas, int top) {
  Label(canvas, 8, top, "edges and frames", 200);
  const struct { bool Sunken, Outer; } edges[] = {{false, true}, {false, false}, {true, true}, {true, false}};
  int x = 8;
  for (const auto& edge : edges) {
    canvas.DrawEdge({x, top + 18, x + 40, top + 48}, edge.Sunken, edge.Outer);
    x += 48;
  }
  canvas.DrawEdge({x, top + 18, x + 40, top + 48}, false, true);
  canvas.DrawEdge({x + 1, top + 19, x + 39, top + 47}, false, false);
  canvas.DrawEdge({x + 48, top + 18, x + 88, top + 48}, true, true);
  canvas.DrawEdge({x + 49, top + 19, x + 87, top + 47}, true, false);
  x += 96;
  canvas.FrameRect({x, top + 18, x + 40, top + 48}, clNavy);
  canvas.FrameRect({x + 48, top + 18, x + 88, top + 48}, clMaroon, 3);
  canvas.FrameRect({x + 96, top + 18, x + 136, top + 48}, clGreen, 4, {bLeft, bBottom});
  canvas.DrawComplexFrame({x + 144, top + 18, x + 184, top + 48}, clRed, clBlue, cxBordersAll, 2);
}

void DrawGradients(TcxCanvas& canvas, int top) {
  const TMsimg32Api bound = Msimg32Api();
  Label(canvas, 8, top, "gradients: system routine", 200);
  FillGradientRect(canvas.Handle(), {8, top + 18, 248, top + 42}, 0x00FEECDD, 0x00E2A981, true);
  FillGradientRect(canvas.Handle(), {8, top + 46, 248, top + 70}, clRed, clBlue, true);
  Label(canvas, 264, top, "gradients: bands", 200);
  Msimg32Api().GradientFill = nullptr;
  FillGradientRect(canvas.Handle(), {264, top + 18, 504, top + 42}, 0x00FEECDD, 0x00E2A981, true);
  FillGradientRect(canvas.Handle(), {264, top + 46, 504, top + 70}, clRed, clBlue, true);
  Msimg32Api() = bound;
}

void DrawGrips(TcxCanvas& canvas, int top) {
  Label(canvas, 8, top, "grip dots", 200);
  const TOffice11Colors& colors = Office11Colors();
  canvas.FillRectWithColor({8, top + 18, 20, top + 78}, colors.SchemeColors[2]);
  DrawGripDots(canvas.Handle(), {8, top + 18, 20, top + 78}, true);
  canvas.FillRectWithColor({28, top + 18, 128, top + 30}, colors.SchemeColors[2]);
  DrawGripDots(canvas.Handle(), {28, top + 18, 128, top + 30}, false);
  canvas.FillRectWithColor({136, top + 18, 176, top + 58}, colors.SchemeColors[2]);
  DrawSizeGripDots(canvas.Handle(), {136, top + 18, 176, top + 58});
}

// A sample with colours, a gradient and a patch of the transparent colour.
void DrawFilterSample(TcxBitmap& sample) {
  sample.SetBitmapSize(kFilterSampleSize, kFilterSampleSize);
  FillGradientRect(sample.DC(), {0, 0, kFilterSampleSize, kFilterSampleSize}, clYellow, clNavy, false);
  TcxCanvas canvas(sample.Canvas());
  canvas.FillRectWithColor({4, 4, 18, 18}, clRed);
  canvas.FillRectWithColor({22, 4, 36, 18}, clLime);
  canvas.FillRectWithColor({4, 22, 18, 36}, clFuchsia);
  canvas.FillRectWithColor({22, 22, 36, 36}, clWhite);
  sample.Filter(bfAlphaFix);
}

void DrawFilters(TcxCanvas& canvas, int top) {
  Label(canvas, 8, top, "filters (fuchsia is the transparent colour)", 300);
  int x = 8;
  for (int kind = -1; kind <= bfFill; ++kind) {
    TcxBitmap sample(kFilterSampleSize, kFilterSampleSize, clFuchsia);
    DrawFilterSample(sample);
    sample.SetCheckerboard(clWhite, 160, clBlack, 160, 5);
    if (kind >= 0) sample.Filter(static_cast<TcxBitmapFilter>(kind));
    sample.Filter(bfOpaque);
    canvas.Draw(x, top + 18, sample);
    Label(canvas, x, top + 20 + kFilterSampleSize, kind < 0 ? "source" : kFilterNames[kind], kFilterSampleStep);
    x += kFilterSampleStep;
  }
}

void SaveCanvasPicture(const std::string& folder) {
  TBitmap picture;
  picture.SetSize(kCanvasWidth, kCanvasHeight);
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, kCanvasWidth, kCanvasHeight}, clBtnFace);
  DrawEdges(canvas, 6);
  DrawGradients(canvas, 66);
  DrawGrips(canvas, 150);
  DrawFilters(canvas, 240);
  picture.SaveToFile(folder + "\\canvas.bmp");
}

void SaveOfficeColoursPicture(const std::string& folder) {
  TBitmap picture;
  picture.SetSize(kIndexColumnWidth + 4 * kSwatchWidth, (kOffice11SchemeColorCount + 1) * kSwatchHeight);
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clWhite);
  const TOffice11SystemColors system = CurrentOffice11SystemColors();
  for (int scheme = schSystem; scheme <= schSilver; ++scheme) {
    const int left = kIndexColumnWidth + scheme * kSwatchWidth;
    Label(canvas, left + 4, 0, kSchemeNames[scheme], kSwatchWidth);
    const TOffice11Colors colors = ComputeOffice11Colors(static_cast<TOffice11Scheme>(scheme), scheme != 0, system);
    for (int index = 0; index < kOffice11SchemeColorCount; ++index) {
      const int top = (index + 1) * kSwatchHeight;
      canvas.FillRectWithColor({left, top, left + kSwatchWidth, top + kSwatchHeight}, colors.SchemeColors[index]);
      if (scheme == schSystem) Label(canvas, 4, top, std::to_string(index), kIndexColumnWidth);
    }
  }
  picture.SaveToFile(folder + "\\office-colours.bmp");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: nepl-gallery <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  try {
    InitializeUnits(FoundationUnits());
    InitOffice11Colors();
    SaveCanvasPicture(folder);
    SaveOfficeColoursPicture(folder);
    FinalizeUnits();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "nepl-gallery: %s\n", error.what());
    return 1;
  }
  std::printf("%s\\canvas.bmp\n%s\\office-colours.bmp\n", folder.c_str(), folder.c_str());
  return 0;
}
