// Draws what the control library paints into pictures, so a
// reader sees it without running the program:
//   canvas.bmp          edges, frames, gradients with and without the
//                       system's gradient routine, grip dots, every filter
//   office-colours.bmp  the 49 Office 2003 colours of each scheme
//   painters.bmp        one row per visual style (Office11 in each colour
//                       scheme, WinXP with the visual style and without),
//                       one column per element and state
//   lookandfeel.bmp     a button, check box and scroll bar drawn through a
//                       look-and-feel that follows the root, as a controller
//                       sets each kind and then native style, beside one
//                       with its own kind that stays put
//   scrollbars.bmp      the painter-drawn scroll bar of each look-and-feel
//                       kind, horizontal and vertical: normal, hot, pressed
//                       and disabled, then the thumb at Min, halfway and Max
//   popup-frames.bmp    the four frames of a popup window (none, a line in
//                       its frame colour, one raised edge, two raised edges)
//   edit-text.bmp       the text editors' own text drawing: a paragraph
//                       wrapped left, justified, centred in the middle,
//                       on one row cut with an ellipsis, with a selection
//   control-base.bmp    a form on the screen with one control base per
//                       look-and-feel kind, each with its border, both bars
//                       and the size grip, scrolling a numbered grid by
//                       its own bars
//   containers.bmp      a container per border style, then with the bottom
//                       edge only and with a shadow: normal, hot, focused
//                       and disabled, cut to their window regions
//   edit-styles.bmp     an editor with two buttons per look-and-feel kind,
//                       its looks set on its own style or through a style
//                       controller, hot-tracking on and off: normal, hot,
//                       focused, a pressed button and disabled
//   edit-borders.bmp    an editor per border style and look-and-feel kind,
//                       with buttons and without, and in native style
// and the pictures of real editors on a shown form, each page in a unit of
// its own (TextEditsPicture, MaskEditsPicture...).
// Usage: nepl-gallery <output folder>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "controls/editors/EditorsUnits.h"
#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxEditViewInfo.h"
#include "controls/editors/base/cxTextDrawingGdi.h"
#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/container/cxContainer.h"
#include "controls/foundation/controls/cxControls.h"
#include "controls/foundation/controls/cxControlsControl.h"
#include "controls/foundation/controls/cxScrollBar.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Label.h"
#include "platform/graphics/Msimg32.h"
#include "tools/gallery/CheckBoxesPicture.h"
#include "tools/gallery/CheckComboPicture.h"
#include "tools/gallery/ComboBoxesPicture.h"
#include "tools/gallery/ImageComboPicture.h"
#include "tools/gallery/InnerListBoxesPicture.h"
#include "tools/gallery/MaskEditsPicture.h"
#include "tools/gallery/PopupEditsPicture.h"
#include "tools/gallery/TextEditsPicture.h"
#include "tools/snapshot/WindowPicture.h"

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

constexpr int kPainterLabelWidth = 112;
constexpr int kPainterCell = 26;
constexpr int kPainterElement = 20;
constexpr int kPainterHeaderHeight = 18;

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

// One column of the painters picture: an element in one state, drawn in a
// 20 x 20 cell; the columns of a group share a caption.
struct TPainterColumn {
  const char* Group;
  std::function<void(TcxLookAndFeelPainterClass, TcxCanvas&, const TRect&)> Draw;
};

std::vector<TPainterColumn> PainterColumns() {
  std::vector<TPainterColumn> columns;
  for (int state = cxbsDefault; state <= cxbsDisabled; ++state)
    columns.push_back({"buttons 0-4", [state](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
                         painter->DrawButton(canvas, r, "", static_cast<TcxButtonState>(state));
                       }});
  for (const TcxCheckBoxState check : {cbsUnchecked, cbsChecked, cbsGrayed})
    for (const TcxButtonState state : {cxbsNormal, cxbsHot, cxbsDisabled})
      columns.push_back(
          {"check boxes", [check, state](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
             const SIZE size = painter->CheckButtonSize();
             painter->DrawCheckButton(canvas, {r.left + 2, r.top + 3, r.left + 2 + size.cx, r.top + 3 + size.cy}, state,
                                      check);
           }});
  for (const bool checked : {false, true})
    for (int state = cxbsNormal; state <= cxbsDisabled; ++state)
      columns.push_back(
          {"radio buttons", [checked, state](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
             painter->DrawRadioButton(canvas, r.left + 3, r.top + 3, static_cast<TcxButtonState>(state), checked, false,
                                      clDefault);
           }});
  for (const TcxButtonState state : {cxbsNormal, cxbsHot, cxbsPressed})
    columns.push_back({"drop-down", [state](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
                         painter->DrawDropDownButton(canvas, {r.left + 3, r.top, r.right - 2, r.bottom}, state, false);
                       }});
  for (const TcxButtonState state : {cxbsNormal, cxbsPressed, cxbsDisabled})
    columns.push_back({"scroll arrows", [state](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
                         painter->DrawScrollBarPart(canvas, false, {r.left + 2, r.top + 2, r.left + 19, r.top + 19},
                                                    sbpLineDown, state);
                       }});
  for (const TcxScrollBarPart part : {sbpThumbnail, sbpPageUp})
    for (const TcxButtonState state : {cxbsNormal, cxbsPressed})
      columns.push_back(
          {"thumb, page", [part, state](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
             painter->DrawScrollBarPart(canvas, false, {r.left + 2, r.top, r.left + 19, r.bottom}, part, state);
           }});
  columns.push_back({"border", [](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
                       painter->DrawBorder(canvas, r);
                     }});
  for (const bool expanded : {true, false})
    columns.push_back({"expand", [expanded](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
                         const int size = painter->ExpandButtonSize();
                         const TRect button{r.left + 4, r.top + 4, r.left + 4 + size, r.top + 4 + size};
                         canvas.SaveDC();
                         painter->DrawExpandButton(canvas, button, expanded);
                         canvas.RestoreDC();
                       }});
  for (const TcxButtonState state : {cxbsNormal, cxbsHot})
    columns.push_back({"header", [state](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
                         painter->DrawHeader(canvas, r, r, {}, cxBordersAll, state, taCenter, vaCenter, false, false,
                                             "H", nullptr, clBtnText, clBtnFace);
                       }});
  columns.push_back({"grip", [](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
                       painter->DrawSizeGrip(canvas, {r.left + 2, r.top + 2, r.left + 19, r.top + 19}, clBtnFace);
                     }});
  for (const TcxButtonState state : {cxbsNormal, cxbsHot})
    columns.push_back({"close", [state](TcxLookAndFeelPainterClass painter, TcxCanvas& canvas, const TRect& r) {
                         painter->DrawCloseButton(canvas, {r.left + 2, r.top + 3, r.left + 18, r.top + 17}, state);
                       }});
  return columns;
}

void DrawPainterRow(TcxCanvas& canvas, int top, const std::string& label, TcxLookAndFeelPainterClass painter,
                    const std::vector<TPainterColumn>& columns) {
  Label(canvas, 4, top + (kPainterCell - kLabelHeight) / 2, label, kPainterLabelWidth);
  int left = kPainterLabelWidth;
  for (const TPainterColumn& column : columns) {
    const TRect cell{left + 3, top + 3, left + 3 + kPainterElement, top + 3 + kPainterElement};
    column.Draw(painter, canvas, cell);
    left += kPainterCell;
  }
}

void DrawPainterCaptions(TcxCanvas& canvas, const std::vector<TPainterColumn>& columns) {
  int left = kPainterLabelWidth;
  std::string previous;
  for (const TPainterColumn& column : columns) {
    if (column.Group != previous) {
      canvas.FillRectWithColor({left, 0, left + 1, kPainterHeaderHeight}, clBtnShadow);
      Label(canvas, left + 3, 2, column.Group, 150);
      previous = column.Group;
    }
    left += kPainterCell;
  }
}

// The visual style as the library sees it: Luna in the colour named, so the
// Office 2003 colours take that scheme; an empty name stands for no scheme.
const TUxThemeBinding* gRealBinding = nullptr;
const wchar_t* gSchemeColorName = L"";

HRESULT WINAPI SchemeThemeName(LPWSTR file, int fileLength, LPWSTR color, int colorLength, LPWSTR, int) {
  if (!*gSchemeColorName) return E_FAIL;
  lstrcpynW(file, kLunaThemeFileName, fileLength);
  lstrcpynW(color, gSchemeColorName, colorLength);
  return S_OK;
}

void UseOffice11Scheme(const wchar_t* colorName) {
  gSchemeColorName = colorName;
  TUxThemeBinding binding = *gRealBinding;
  binding.WinXPOrLater = binding.Loaded = true;
  binding.Api.GetCurrentThemeName = SchemeThemeName;
  SetUxThemeBinding(binding);
  InitOffice11Colors();
  cxRadioButtonImageList()->Rebuild();
}

void SavePaintersPicture(const std::string& folder) {
  const TUxThemeBinding realBinding = UxThemeBinding();
  gRealBinding = &realBinding;
  const std::vector<TPainterColumn> columns = PainterColumns();
  const int rows = 9;
  TBitmap picture;
  picture.SetSize(kPainterLabelWidth + static_cast<int>(columns.size()) * kPainterCell + 4,
                  kPainterHeaderHeight + rows * kPainterCell + 4);
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clBtnFace);
  DrawPainterCaptions(canvas, columns);
  int top = kPainterHeaderHeight;
  const auto row = [&](const std::string& label, TcxLookAndFeelPainterClass painter) {
    DrawPainterRow(canvas, top, label, painter, columns);
    top += kPainterCell;
  };
  row("Flat", cxFlatLookAndFeelPainter());
  row("Standard", cxStandardLookAndFeelPainter());
  row("UltraFlat", cxUltraFlatLookAndFeelPainter());
  const wchar_t* const schemeColorNames[] = {L"", L"NormalColor", L"HomeStead", L"Metallic"};
  for (int scheme = schSystem; scheme <= schSilver; ++scheme) {
    UseOffice11Scheme(schemeColorNames[scheme]);
    row(std::string("Office11 ") + kSchemeNames[scheme], cxOffice11LookAndFeelPainter());
  }
  SetUxThemeBinding(realBinding);
  InitOffice11Colors();
  cxRadioButtonImageList()->Rebuild();
  row("WinXP, themed", cxWinXPLookAndFeelPainter());
  SetUxThemeBinding({});
  row("WinXP, no theme", cxWinXPLookAndFeelPainter());
  SetUxThemeBinding(realBinding);
  picture.SaveToFile(folder + "\\painters.bmp");
}

// What a button, a check box and a horizontal scroll bar drawn with `painter` look like.
void DrawLookAndFeelSample(TcxCanvas& canvas, int left, int top, TcxLookAndFeelPainterClass painter) {
  painter->DrawButton(canvas, {left, top + 2, left + 60, top + 24}, "Button", cxbsNormal);
  const SIZE check = painter->CheckButtonSize();
  painter->DrawCheckButton(canvas, {left + 68, top + 6, left + 68 + check.cx, top + 6 + check.cy}, cxbsNormal,
                           cbsChecked);
  const struct {
    TcxScrollBarPart Part;
    int Width;
  } parts[] = {{sbpLineUp, 17}, {sbpThumbnail, 40}, {sbpPageDown, 30}, {sbpLineDown, 17}};
  int x = left + 92;
  for (const auto& part : parts) {
    painter->DrawScrollBarPart(canvas, true, {x, top + 4, x + part.Width, top + 21}, part.Part, cxbsNormal);
    x += part.Width;
  }
}

void SaveLookAndFeelPicture(const std::string& folder) {
  constexpr int kSampleWidth = 210;
  constexpr int kRowHeight = 28;
  const struct {
    const char* Label;
    TcxLookAndFeelKind Kind;
    bool NativeStyle;
  } rows[] = {{"root Flat", lfFlat, false},
              {"root Standard", lfStandard, false},
              {"root UltraFlat", lfUltraFlat, false},
              {"root Office11", lfOffice11, false},
              {"root native", lfOffice11, true}};
  const TOwned<TcxLookAndFeelController> controller = CreateUnowned<TcxLookAndFeelController>();
  TcxLookAndFeel follower(nullptr);
  TcxLookAndFeel standard(nullptr);
  standard.SetKind(lfStandard);
  standard.SetNativeStyle(false);
  TBitmap picture;
  picture.SetSize(kPainterLabelWidth + 2 * kSampleWidth, kPainterHeaderHeight + std::size(rows) * kRowHeight + 4);
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clBtnFace);
  Label(canvas, kPainterLabelWidth, 2, "follows the root", kSampleWidth);
  Label(canvas, kPainterLabelWidth + kSampleWidth, 2, "its own Standard kind", kSampleWidth);
  int top = kPainterHeaderHeight;
  for (const auto& row : rows) {
    controller->SetKind(row.Kind);
    controller->SetNativeStyle(row.NativeStyle);
    Label(canvas, 4, top + (kRowHeight - kLabelHeight) / 2, row.Label, kPainterLabelWidth);
    DrawLookAndFeelSample(canvas, kPainterLabelWidth, top, follower.GetPainter());
    DrawLookAndFeelSample(canvas, kPainterLabelWidth + kSampleWidth, top, standard.GetPainter());
    top += kRowHeight;
  }
  picture.SaveToFile(folder + "\\lookandfeel.bmp");
}

// How a bar in the scroll-bar picture is shown.
enum TScrollBarSample { sbsNormal, sbsHot, sbsPressed, sbsDisabled, sbsAtMin, sbsHalfway, sbsAtMax };

constexpr int kScrollBarLength = 110;
constexpr int kScrollBarCell = 124;
constexpr int kScrollBarPage = 20;
constexpr int kScrollBarLabelWidth = 136;

int SamplePosition(TScrollBarSample sample) {
  if (sample == sbsAtMin) return 0;
  if (sample == sbsAtMax) return 100 - kScrollBarPage;
  return (100 - kScrollBarPage) / 2;
}

POINT CenterOf(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A real bar on a hidden form, put in the sample's state through the mouse
// messages a user would send, drawn at (left, top).
void DrawScrollBarSample(TcxCanvas& canvas, TForm& form, int left, int top, TcxLookAndFeelKind kind,
                         TScrollBarKind barKind, TScrollBarSample sample) {
  const TOwned<TcxScrollBar> bar(new TcxScrollBar(nullptr));
  bar->SetParent(&form);
  bar->LookAndFeel().SetKind(kind);
  bar->LookAndFeel().SetNativeStyle(false);
  bar->SetKind(barKind);
  const int thickness = GetSystemMetrics(SM_CYHSCROLL);
  if (barKind == sbHorizontal)
    bar->SetBounds(0, 0, kScrollBarLength, thickness);
  else
    bar->SetBounds(0, 0, thickness, kScrollBarLength);
  bar->SetParams(0, 99, false, kScrollBarPage, SamplePosition(sample));
  if (sample == sbsHot) bar->Perform(WM_MOUSEMOVE, 0, PointToLParam(CenterOf(bar->ViewInfo().ThumbRect())));
  if (sample == sbsPressed)
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(CenterOf(bar->ViewInfo().SecondArrowRect())));
  if (sample == sbsDisabled) bar->SetEnabled(false);
  canvas.SetWindowOrg({-left, -top});
  bar->DrawScrollBar(canvas);
  canvas.SetWindowOrg({0, 0});
  bar->Perform(WM_CANCELMODE);
}

void SaveScrollBarsPicture(const std::string& folder) {
  const char* const columns[] = {"normal", "hot", "pressed", "disabled", "thumb at Min", "halfway", "at Max"};
  const struct {
    const char* Label;
    TcxLookAndFeelKind Kind;
  } kinds[] = {{"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};
  const int horizontalRow = GetSystemMetrics(SM_CYHSCROLL) + 8;
  const int verticalRow = kScrollBarLength + 8;
  const TOwned<TForm> form(new TForm(nullptr));
  form->HandleNeeded();
  TBitmap picture;
  picture.SetSize(kScrollBarLabelWidth + static_cast<int>(std::size(columns)) * kScrollBarCell,
                  kPainterHeaderHeight + static_cast<int>(std::size(kinds)) * (horizontalRow + verticalRow));
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clBtnFace);
  for (int column = 0; column < static_cast<int>(std::size(columns)); ++column)
    Label(canvas, kScrollBarLabelWidth + column * kScrollBarCell, 2, columns[column], kScrollBarCell);
  int top = kPainterHeaderHeight;
  for (const auto& kind : kinds) {
    for (const TScrollBarKind barKind : {sbHorizontal, sbVertical}) {
      Label(canvas, 4, top, std::string(kind.Label) + (barKind == sbHorizontal ? ", horizontal" : ", vertical"),
            kScrollBarLabelWidth);
      for (int column = 0; column < static_cast<int>(std::size(columns)); ++column)
        DrawScrollBarSample(canvas, *form, kScrollBarLabelWidth + column * kScrollBarCell, top, kind.Kind, barKind,
                            static_cast<TScrollBarSample>(column));
      top += barKind == sbHorizontal ? horizontalRow : verticalRow;
    }
  }
  picture.SaveToFile(folder + "\\scrollbars.bmp");
}

void SavePopupFramesPicture(const std::string& folder) {
  constexpr int kFrameWidth = 90;
  constexpr int kFrameHeight = 50;
  constexpr int kStep = kFrameWidth + 16;
  const char* const names[] = {"0 none", "1 line", "2 raised", "3 raised twice"};
  TBitmap picture;
  picture.SetSize(8 + 4 * kStep, kPainterHeaderHeight + kFrameHeight + 12);
  TcxCanvas canvas(picture.Canvas());
  // The popup's own face on a window's white, so the light edges show against both.
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clWindow);
  for (int style = 0; style <= 3; ++style) {
    const TOwned<TcxPopupWindow> popup(new TcxPopupWindow(nullptr));
    popup->SetBounds(0, 0, kFrameWidth, kFrameHeight);
    popup->SetPopupBorderStyle(style);
    popup->SetFrameColor(clNavy);
    TBitmap sample;
    sample.SetSize(kFrameWidth, kFrameHeight);
    TcxCanvas sampleCanvas(sample.Canvas());
    sampleCanvas.FillRectWithColor({0, 0, kFrameWidth, kFrameHeight}, clBtnFace);
    popup->DrawFrame(sampleCanvas);
    const int x = 8 + style * kStep;
    Label(canvas, x, 2, names[style], kStep);
    canvas.Draw(x, kPainterHeaderHeight, sample);
  }
  picture.SaveToFile(folder + "\\popup-frames.bmp");
}

constexpr int kTextSampleWidth = 150;
constexpr int kTextSampleHeight = 96;
constexpr int kTextSampleStep = kTextSampleWidth + 16;

const char kEditSampleText[] =
    "The quick brown fox jumps over the lazy dog and runs back again.\r\nA second paragraph.";

struct TEditTextSample {
  const char* Name;
  uint32_t Flags;
  int SelectionStart;
  int SelectionLength;
};

// Breaks, lays out and draws the sample text in the rectangle as a text
// editor would, on a window's face with a frame around it.
void DrawEditTextSample(TcxCanvas& canvas, const TRect& rect, const TEditTextSample& sample) {
  canvas.FillRectWithColor({rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1}, clBtnShadow);
  canvas.FillRectWithColor(rect, clWindow);
  const TRect textRect{rect.left + 3, rect.top + 2, rect.right - 3, rect.bottom - 2};
  TcxTextParams params;
  InitTextParams(canvas, sample.Flags, params);
  int lineCount = 0;
  TcxTextRows rows;
  MakeTextRows(canvas, kEditSampleText, textRect, 0, lineCount, rows, params);
  LayoutTextRows(textRect, lineCount, rows, params);
  DrawTextRows(canvas.Handle(), textRect, params, false, clHighlightText, clHighlight, sample.SelectionStart,
               sample.SelectionLength, lineCount, rows);
}

void SaveEditTextPicture(const std::string& folder) {
  const TEditTextSample samples[] = {
      {"wrapped", TF_WORDBREAK, 0, 0},
      {"justified", TF_WORDBREAK | cxHAlignJustify, 0, 0},
      {"centred, middle", TF_WORDBREAK | cxHAlignCenter | cxVAlignCenter << 4, 0, 0},
      {"ellipsis", TF_SINGLELINE | TF_END_ELLIPSIS, 0, 0},
      {"selection", TF_WORDBREAK, 10, 30},
  };
  TBitmap picture;
  picture.SetSize(8 + static_cast<int>(std::size(samples)) * kTextSampleStep,
                  kPainterHeaderHeight + kTextSampleHeight + 12);
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clBtnFace);
  for (size_t i = 0; i < std::size(samples); ++i) {
    const int x = 8 + static_cast<int>(i) * kTextSampleStep;
    Label(canvas, x, 2, samples[i].Name, kTextSampleStep);
    DrawEditTextSample(
        canvas, {x, kPainterHeaderHeight, x + kTextSampleWidth, kPainterHeaderHeight + kTextSampleHeight}, samples[i]);
  }
  picture.SaveToFile(folder + "\\edit-text.bmp");
}

// A grid of numbered cells, scrolled a cell at a time by the control's own bars.
class TNumberedGrid : public TcxControl {
 public:
  static constexpr int kColumns = 12;
  static constexpr int kRows = 40;
  static constexpr int kCellWidth = 44;
  static constexpr int kCellHeight = 20;

  using TcxControl::TcxControl;

 protected:
  void InitScrollBarsParameters() override {
    const RECT client = GetClientBounds();
    SetScrollBarInfo(sbHorizontal, 0, kColumns - 1, 1, (client.right - client.left) / kCellWidth, FLeftColumn, true,
                     true);
    SetScrollBarInfo(sbVertical, 0, kRows - 1, 1, (client.bottom - client.top) / kCellHeight, FTopRow, true, true);
  }
  void Scroll(TScrollBarKind kind, TScrollCode code, int& position) override {
    int& first = kind == sbHorizontal ? FLeftColumn : FTopRow;
    const RECT client = GetClientBounds();
    const int visible =
        kind == sbHorizontal ? (client.right - client.left) / kCellWidth : (client.bottom - client.top) / kCellHeight;
    const int last = std::max(0, (kind == sbHorizontal ? kColumns : kRows) - visible);
    switch (code) {
      case scLineUp: --first; break;
      case scLineDown: ++first; break;
      case scPageUp: first -= visible; break;
      case scPageDown: first += visible; break;
      case scPosition:
      case scTrack: first = position; break;
      case scTop: first = 0; break;
      case scBottom: first = last; break;
      default: break;
    }
    first = std::clamp(first, 0, last);
    position = first;
    UpdateScrollBars();
    Invalidate();
  }
  void Paint() override {
    TcxControl::Paint();
    TcxCanvas& canvas = Canvas();
    const RECT client = GetClientBounds();
    canvas.FillRectWithColor(client, clWindow);
    for (int row = FTopRow; row < kRows; ++row)
      for (int column = FLeftColumn; column < kColumns; ++column) {
        const int left = client.left + (column - FLeftColumn) * kCellWidth;
        const int top = client.top + (row - FTopRow) * kCellHeight;
        if (left >= client.right || top >= client.bottom) continue;
        const TRect cell{left, top, left + kCellWidth, top + kCellHeight};
        canvas.FrameRect(cell, clBtnShadow, 1, TcxBorders{bRight, bBottom});
        canvas.Brush().SetStyle(bsClear);
        canvas.DrawText(std::to_string(row * kColumns + column + 1), cell,
                        cxSingleLine | cxAlignHCenter | cxAlignVCenter);
      }
  }

 private:
  int FLeftColumn = 0;
  int FTopRow = 0;
};

void SaveControlBasePicture(const std::string& folder) {
  constexpr int kGridWidth = 220;
  constexpr int kGridHeight = 160;
  constexpr int kGap = 10;
  const struct {
    const char* Label;
    TcxLookAndFeelKind Kind;
  } kinds[] = {{"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Control base: a numbered grid per look-and-feel kind");
  const int width = kGap + static_cast<int>(std::size(kinds)) * (kGridWidth + kGap);
  const int height = kPainterHeaderHeight + kGridHeight + kGap;
  form->SetBounds(40, 40, width, height);
  form->HandleNeeded();
  // The frame around the client area as the system draws it.
  const RECT client = form->ClientRect();
  form->SetBounds(40, 40, 2 * width - client.right, 2 * height - client.bottom);
  int left = kGap;
  for (const auto& kind : kinds) {
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetCaption(kind.Label);
    label->SetBounds(left, 2, kGridWidth, kPainterHeaderHeight - 2);
    auto* grid = new TNumberedGrid(form.get());
    grid->SetParent(form.get());
    grid->LookAndFeel().SetKind(kind.Kind);
    grid->LookAndFeel().SetNativeStyle(false);
    grid->SetBorderStyle(cxcbsDefault);
    grid->SetBounds(left, kPainterHeaderHeight, kGridWidth, kGridHeight);
    left += kGridWidth + kGap;
  }
  form->Show();
  // Each grid scrolled as a user would with its bars: the vertical bar a
  // page and a line down, the horizontal one a line right.
  for (int i = 0; i < form->ControlCount(); ++i) {
    auto* grid = dynamic_cast<TNumberedGrid*>(form->Controls(i));
    if (!grid) continue;
    grid->VScrollBar()->Perform(CN_VSCROLL, SB_PAGEDOWN);
    grid->VScrollBar()->Perform(CN_VSCROLL, SB_LINEDOWN);
    grid->HScrollBar()->Perform(CN_HSCROLL, SB_LINEDOWN);
  }
  SaveWindowPicture(form->Handle(), folder + "\\control-base.bmp");
}

constexpr int kContainerWidth = 100;
constexpr int kContainerHeight = 24;
constexpr int kContainerCell = kContainerWidth + 16;
constexpr int kContainerRow = kContainerHeight + 10;

enum TContainerSample { csmNormal, csmHot, csmFocused, csmDisabled };

struct TContainerLooks {
  const char* Label;
  TcxContainerBorderStyle BorderStyle;
  TcxBorders Edges;
  bool Shadow;
};

// A real container on the shown form, put in the sample's state as a user
// would, drawn at (left, top) through its own window region.
void DrawContainerSample(TcxCanvas& canvas, TForm& form, int left, int top, const TContainerLooks& looks,
                         TContainerSample sample) {
  const TOwned<TcxContainer> container(new TcxContainer(nullptr));
  container->SetBounds(0, 0, kContainerWidth, kContainerHeight);
  container->SetParent(&form);
  TcxContainerStyle* style = container->GetStyle();
  style->LookAndFeel()->SetKind(lfUltraFlat);
  style->SetBorderStyle(looks.BorderStyle);
  style->SetEdges(looks.Edges);
  style->SetShadow(looks.Shadow);
  style->SetTransparentBorder(false);
  container->HandleNeeded();
  container->ShortRefreshContainer();
  if (sample == csmHot) container->Perform(WM_MOUSEMOVE, 0, PointToLParam({kContainerWidth / 2, kContainerHeight / 2}));
  if (sample == csmFocused) container->SetFocus();
  if (sample == csmDisabled) container->SetEnabled(false);
  TBitmap picture;
  picture.SetSize(kContainerWidth, kContainerHeight);
  TcxCanvas pictureCanvas(picture.Canvas());
  pictureCanvas.FillRectWithColor({0, 0, kContainerWidth, kContainerHeight}, clBtnFace);
  container->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
  TcxRegion region(0, 0, kContainerWidth, kContainerHeight);
  GetWindowRgn(container->Handle(), region.Handle());
  region.Offset(left, top);
  canvas.SaveState();
  canvas.SetClipRegion(region, roIntersect);
  canvas.Draw(left, top, picture);
  canvas.RestoreState();
}

void SaveContainersPicture(const std::string& folder) {
  const char* const columns[] = {"normal", "hot", "focused", "disabled"};
  const TContainerLooks rows[] = {
      {"None", cbsNone, cxBordersAll, false},
      {"Single", cbsSingle, cxBordersAll, false},
      {"Thick", cbsThick, cxBordersAll, false},
      {"Flat", cbsFlat, cxBordersAll, false},
      {"3D", cbs3D, cxBordersAll, false},
      {"UltraFlat", cbsUltraFlat, cxBordersAll, false},
      {"Office11", cbsOffice11, cxBordersAll, false},
      {"Single, bottom only", cbsSingle, {bBottom}, false},
      {"Single, shadow", cbsSingle, cxBordersAll, true},
  };
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 300, 200);
  form->Show();
  TBitmap picture;
  picture.SetSize(kScrollBarLabelWidth + static_cast<int>(std::size(columns)) * kContainerCell,
                  kPainterHeaderHeight + static_cast<int>(std::size(rows)) * kContainerRow);
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clBtnFace);
  for (int column = 0; column < static_cast<int>(std::size(columns)); ++column)
    Label(canvas, kScrollBarLabelWidth + column * kContainerCell, 2, columns[column], kContainerCell);
  int top = kPainterHeaderHeight;
  for (const TContainerLooks& row : rows) {
    Label(canvas, 4, top + 4, row.Label, kScrollBarLabelWidth);
    for (int column = 0; column < static_cast<int>(std::size(columns)); ++column)
      DrawContainerSample(canvas, *form, kScrollBarLabelWidth + column * kContainerCell, top, row,
                          static_cast<TContainerSample>(column));
    top += kContainerRow;
  }
  picture.SaveToFile(folder + "\\containers.bmp");
}

// ---- editors

constexpr int kEditWidth = 110;
constexpr int kEditHeight = 21;
constexpr int kEditCell = kEditWidth + 10;
constexpr int kEditRow = kEditHeight + 8;

// Owns an editor's styles and its properties, so a view data can paint
// the editor without a window.
class TGalleryEditor : public TControl, public IcxContainerStyleOwner {
 public:
  explicit TGalleryEditor(bool withButtons)
      : TControl(nullptr),
        FStyles(this, CreateEditStyle),
        FProperties(CreatePersistentOf<TcxCustomEditProperties>(TcxCustomEditProperties::StaticClass(), nullptr)) {
    if (!withButtons) return;
    FProperties->Buttons().Add().SetKind(bkDown);
    FProperties->Buttons().Add().SetKind(bkEllipsis);
  }

  TControl& StyleOwnerControl() override { return *this; }
  bool IsDefaultParentColor() const override { return false; }
  bool IsInplace() const override { return false; }
  bool IsStylePropertyStored(const std::string&, bool) const override { return true; }

  TcxEditStyle& Style() { return static_cast<TcxEditStyle&>(*FStyles.GetStyleByState(csNormal)); }
  TcxCustomEditProperties& Properties() { return *FProperties; }

 private:
  TcxContainerStyles FStyles;
  TOwned<TcxCustomEditProperties> FProperties;
};

enum TEditSample { esNormal, esHot, esFocused, esPressed, esDisabled };

// The editor in the sample's state drawn at (left, top): its view data
// calculated with the pointer where a user's would be, then painted.
void DrawEditSample(TcxCanvas& canvas, TGalleryEditor& editor, int left, int top, TEditSample sample) {
  TcxCustomEditViewData data(editor.Properties(), editor.Style(), false);
  data.Enabled = sample != esDisabled;
  data.Focused = sample == esFocused;
  data.HotTracked = sample == esHot || sample == esPressed;
  const TRect bounds{left, top, left + kEditWidth, top + kEditHeight};
  // Over the text for hot, over the right-hand button for pressed.
  const POINT mouse = sample == esPressed ? POINT{bounds.right - 6, top + kEditHeight / 2}
                      : sample == esHot   ? POINT{left + 10, top + kEditHeight / 2}
                                          : POINT{-1, -1};
  const TShiftState shift = sample == esPressed ? TShiftState{ssLeft} : TShiftState{};
  TcxCustomEditViewInfo viewInfo;
  data.Calculate(canvas, bounds, mouse, mbLeft, shift, viewInfo, false);
  viewInfo.Paint(canvas);
}

TcxEditBorderStyle BorderStyleOfKind(TcxLookAndFeelKind kind) {
  switch (kind) {
    case lfFlat: return ebsFlat;
    case lfStandard: return ebs3D;
    case lfUltraFlat: return ebsUltraFlat;
    case lfOffice11: return ebsOffice11;
  }
  return ebsSingle;
}

void SaveEditStylesPicture(const std::string& folder) {
  const char* const columns[] = {"normal", "hot", "focused", "button pressed", "disabled"};
  const struct {
    const char* Label;
    TcxLookAndFeelKind Kind;
  } kinds[] = {{"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};
  const struct {
    const char* Label;
    bool Controller;
    bool HotTrack;
  } ways[] = {{"", false, true},
              {", no hot-tracking", false, false},
              {", controller", true, true},
              {", controller, no hot-tracking", true, false}};
  const int rows = static_cast<int>(std::size(kinds) * std::size(ways));
  TBitmap picture;
  picture.SetSize(kScrollBarLabelWidth + 70 + static_cast<int>(std::size(columns)) * kEditCell,
                  kPainterHeaderHeight + rows * kEditRow);
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clBtnFace);
  const int first = kScrollBarLabelWidth + 70;
  for (int column = 0; column < static_cast<int>(std::size(columns)); ++column)
    Label(canvas, first + column * kEditCell, 2, columns[column], kEditCell);
  int top = kPainterHeaderHeight;
  for (const auto& kind : kinds)
    for (const auto& way : ways) {
      Label(canvas, 4, top + 4, std::string(kind.Label) + way.Label, kScrollBarLabelWidth + 66);
      const TOwned<TcxEditStyleController> controller = CreateUnowned<TcxEditStyleController>();
      TGalleryEditor editor(true);
      TcxCustomEditStyle& looks = way.Controller ? *controller->Style() : editor.Style();
      if (way.Controller) editor.Style().SetEditStyleController(controller.get());
      looks.LookAndFeel()->SetKind(kind.Kind);
      looks.LookAndFeel()->SetNativeStyle(false);
      looks.SetBorderStyle(static_cast<TcxContainerBorderStyle>(BorderStyleOfKind(kind.Kind)));
      looks.SetHotTrack(way.HotTrack);
      for (int column = 0; column < static_cast<int>(std::size(columns)); ++column)
        DrawEditSample(canvas, editor, first + column * kEditCell, top, static_cast<TEditSample>(column));
      top += kEditRow;
    }
  picture.SaveToFile(folder + "\\edit-styles.bmp");
}

void SaveEditBordersPicture(const std::string& folder) {
  const struct {
    const char* Label;
    TcxEditBorderStyle Style;
  } rows[] = {{"None", ebsNone}, {"Single", ebsSingle},       {"Thick", ebsThick},      {"Flat", ebsFlat},
              {"3D", ebs3D},     {"UltraFlat", ebsUltraFlat}, {"Office11", ebsOffice11}};
  const struct {
    const char* Label;
    TcxLookAndFeelKind Kind;
    bool Buttons;
    bool Native;
  } columns[] = {{"Flat", lfFlat, true, false},
                 {"Standard", lfStandard, true, false},
                 {"UltraFlat", lfUltraFlat, true, false},
                 {"Office11", lfOffice11, true, false},
                 {"no buttons", lfStandard, false, false},
                 {"native", lfStandard, true, true}};
  TBitmap picture;
  picture.SetSize(kScrollBarLabelWidth + static_cast<int>(std::size(columns)) * kEditCell,
                  kPainterHeaderHeight + static_cast<int>(std::size(rows)) * kEditRow);
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clBtnFace);
  for (int column = 0; column < static_cast<int>(std::size(columns)); ++column)
    Label(canvas, kScrollBarLabelWidth + column * kEditCell, 2, columns[column].Label, kEditCell);
  int top = kPainterHeaderHeight;
  for (const auto& row : rows) {
    Label(canvas, 4, top + 4, row.Label, kScrollBarLabelWidth);
    int left = kScrollBarLabelWidth;
    for (const auto& column : columns) {
      TGalleryEditor editor(column.Buttons);
      editor.Style().LookAndFeel()->SetKind(column.Kind);
      editor.Style().LookAndFeel()->SetNativeStyle(column.Native);
      editor.Style().SetEditBorderStyle(row.Style);
      DrawEditSample(canvas, editor, left, top, esNormal);
      left += kEditCell;
    }
    top += kEditRow;
  }
  picture.SaveToFile(folder + "\\edit-borders.bmp");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: nepl-gallery <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  // An error shown in a box would stop the gallery until someone answers it.
  Application().SetMessageBoxHandler([](const std::string& text, const std::string&, UINT) {
    std::fprintf(stderr, "nepl-gallery: %s\n", text.c_str());
    return IDOK;
  });
  // Each picture, in the order they are drawn, with the name it is saved under.
  const struct {
    const char* Name;
    void (*Save)(const std::string& folder);
  } pictures[] = {
      {"canvas", SaveCanvasPicture},
      {"office-colours", SaveOfficeColoursPicture},
      {"painters", SavePaintersPicture},
      {"lookandfeel", SaveLookAndFeelPicture},
      {"scrollbars", SaveScrollBarsPicture},
      {"popup-frames", SavePopupFramesPicture},
      {"edit-text", SaveEditTextPicture},
      {"control-base", SaveControlBasePicture},
      {"containers", SaveContainersPicture},
      {"edit-styles", SaveEditStylesPicture},
      {"edit-borders", SaveEditBordersPicture},
      {"text-edits", SaveTextEditsPicture},
      {"mask-edits", SaveMaskEditsPicture},
      {"check-boxes", SaveCheckBoxesPicture},
      {"inner-list-boxes", SaveInnerListBoxesPicture},
      {"combo-boxes", SaveComboBoxesPicture},
      {"check-combo", SaveCheckComboPicture},
      {"popup-edit", SavePopupEditsPicture},
      {"image-combo", SaveImageComboPicture},
  };
  try {
    InitializeUnits(FoundationUnits());
    InitializeUnits(EditorsUnits());
    InitOffice11Colors();
    for (const auto& picture : pictures) picture.Save(folder);
    FinalizeUnits();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "nepl-gallery: %s\n", error.what());
    return 1;
  }
  for (const auto& picture : pictures) std::printf("%s\\%s.bmp\n", folder.c_str(), picture.Name);
  return 0;
}
