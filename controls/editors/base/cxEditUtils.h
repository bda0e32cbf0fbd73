#pragma once
// Painting routines the editors share: button borders and glyphs, one-pixel
// lines, frames, the painter for a look-and-feel kind, button widths and
// theme metrics in classic and native mode, highlight colours, and the
// conversion between DrawText's flags and the editors' own text flags.
#include <windows.h>
#undef DrawText

#include <span>
#include <string>

#include "controls/editors/base/cxEditButtons.h"
#include "controls/editors/base/cxEditStyles.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/controls/common/ImageList.h"

// The editors' own text flags.
constexpr int cxEditTextLeft = 1;
constexpr int cxEditTextRight = 2;
constexpr int cxEditTextCenter = 4;
constexpr int cxEditTextTop = 8;
constexpr int cxEditTextSingleLine = 16;
constexpr int cxEditTextWordBreak = 32;
constexpr int cxEditTextExternalLeading = 64;
constexpr int cxEditTextNoClip = 1024;

// Left and top are DrawText's zero values: they have no flag of their own
// there and come back as nothing.
int DrawTextFlagsToTextOutFlags(UINT drawTextFlags);
UINT TextOutFlagsToDrawTextFlags(int textOutFlags);

// A button's state as the editors keep it, in the order of the native states.
enum TcxEditButtonState { ebstDisabled, ebstNormal, ebstPressed, ebstHot };

// What the button routines read of an edit button and what they set.
struct TcxEditButtonInfo {
  TcxEditButtonKind Kind = bkDown;
  // 0 or less: as wide as the content needs.
  int Width = 0;
  const TBitmap* Glyph = nullptr;
  std::string Caption;
  // A drop-down button is themed as a combo box's, any other as a button.
  bool IsDropDown = false;
  bool NativeStyle = false;
  TcxEditButtonState State = ebstNormal;
  // Set by CalculateEditButtonNativeInfo; 0 without a theme.
  int NativePart = 0;
  int NativeState = 0;
  bool BackgroundPartiallyTransparent = false;
};

// The WinXP painter when native style is asked for and buttons have a visual
// style; else the painter of the kind.
TcxLookAndFeelPainterClass GetEditPainterClass(bool nativeStyle, TcxLookAndFeelKind kind);

// One-pixel lines in the colour along the chosen sides of `r`, left, right,
// top and bottom in that order, each side moved inward by the line.
void DrawEditButtonBorderLines(TcxCanvas& canvas, TRect& r, TcxBorders sides, TColor color);
// Lines through the points, the last point's pixel included; `flat` draws
// each segment as a one-pixel-thick rectangle from its start to its end.
void DrawLines(TcxCanvas& canvas, std::span<const POINT> points, bool flat, TColor color);
// The glyph bitmap with its transparent colour showing what is under it,
// through `workBitmap` when given; or, when not `useBitmap`, the glyph (the
// image of `images` when there is no glyph) through an image list over
// `backgroundColor` (clNone: over what is there).
void DrawGlyph(TcxCanvas& canvas, int x, int y, const TBitmap* glyph, const TImageList* images, int imageIndex,
               bool useBitmap, TColor backgroundColor, TBitmap* workBitmap);
// The image drawn into `workBitmap` over the background colour (clNone: over
// what the canvas has there), then the bitmap onto the canvas at `position`;
// a disabled image is blended half with the background.
void DrawImageWithBackground(TcxCanvas& canvas, const TImageList& images, int imageIndex, TBitmap& workBitmap,
                             bool enabled, TColor backgroundColor, const POINT& position);
// With the shared solid brush of the colour.
void FillRectByColor(TcxCanvas& canvas, const TRect& r, TColor color);
// The strips of `outer` outside `inner`: all of it when `inner` is empty,
// nothing when `outer` is empty or equal to `inner`.
void FillRectFrameDC(TcxCanvas& canvas, const TRect& outer, const TRect& inner, TColor color);

// Native: the button theme's top and bottom margins; classic: the offset of
// the index (0 to 6, 0 outside). A theme that cannot answer gives the classic value.
int GetEditButtonContentOffset(TcxCanvas& canvas, int index, bool nativeStyle);
// Native: the theme's left and right margins; classic 4. A theme that cannot
// answer gives the classic value.
int GetEditButtonBorderWidth(TcxCanvas& canvas, bool nativeStyle, bool isDropDown);
int CalculateEditButtonWidth(TcxCanvas& canvas, const TcxEditButtonInfo& button);
void CalculateEditButtonNativeInfo(TcxEditButtonInfo& button);

TColor GetEditHighlightColor(bool office11);
TColor GetEditButtonHighlightColor(bool office11, bool pressed);

// The style draws a shadow and the look-and-feel has no painter of its own.
bool EditHasShadow(const TcxCustomEditStyle& style);

class TcxCustomEditViewInfo;

struct TcxEditBackgroundOptions {
  // Native: the area inside the themed frame. 0 the theme's content
  // rectangle, 1 the bounds less 3 with the bottom above the client's, 2
  // the client rectangle.
  int NativeContentMode = 0;
  // Native: fill that area rather than the frame between it and the content.
  bool FillContent = false;
  // Someone else has drawn the background; only the border is drawn.
  bool SkipBackground = false;
};
// The editor's border and background, in native or classic mode; the
// buttons keep what they have, the clip is as it was afterwards.
void DrawEditBackgroundAndBorder(TcxCanvas& canvas, const TcxCustomEditViewInfo& viewInfo,
                                 const TcxEditBackgroundOptions& options = {});
