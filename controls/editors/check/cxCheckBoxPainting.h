#pragma once
// The check mark every check-style editor draws, in its box and in the
// lists of its check-list kin: from a strip of glyphs when one is given,
// else by the look-and-feel's skin painter, else through the visual style,
// else classically, as a frame by the check border style and a mark by
// DrawFrameControl or, for the flat kinds, through the check-mark mask in
// the colour the state asks for.
#include <windows.h>

#include <cstdint>

#include "controls/editors/base/cxEditStyles.h"
#include "controls/editors/check/cxCheckBoxStates.h"
#include "controls/foundation/cxGraphics.h"
#include "controls/foundation/cxLookAndFeelPainters.h"
#include "platform/graphics/GdiHandles.h"

// The state of the check button under the pointer and the keys.
enum TcxEditCheckState : uint8_t { ecsNormal, ecsHot, ecsPressed, ecsDisabled };

// The painter's button state of a check button state.
TcxButtonState EditCheckPainterState(TcxEditCheckState state);

// The border style the check frame is drawn with: a hot check (hot state 2)
// draws one step heavier, the flat kinds stay as they are.
TcxEditBorderStyle EditCheckBorderStyle(TcxEditBorderStyle styleBorderStyle, int hotState);

// The pixels between the check's own frame and its mark: with the border of
// the check border style they make 2; none when the check is drawn from a
// glyph strip, by a painter or themed.
int EditCheckBorderWidth(TcxEditBorderStyle checkBorderStyle, bool drawnClassically);

// Whether a strip of `glyphCount` images can be drawn: an image at least a
// pixel wide.
bool IsEditCheckGlyphValid(const TBitmap* glyph, int glyphCount);

// The image of the strip for the state: unchecked, checked, grayed, and one
// group later when pressed. A group holds 3 images, or 2 when grayed is not
// allowed and an even count is no multiple of 3. The index always names an
// image of the strip.
int EditCheckGlyphIndex(TcxCheckBoxState state, bool pressed, int glyphCount, bool allowGrayed);

// The size of the check as it will be drawn: one image of a valid strip, the
// skin painter's check, the themed check when the visual style draws
// buttons, else the system's check-box cell.
SIZE GetEditCheckSize(const TBitmap* glyph, int glyphCount, TcxLookAndFeelPainterClass skinPainter, bool nativeStyle);

// The visual-style state of BP_CHECKBOX: 1 to 4 unchecked normal, hot,
// pressed, disabled; 5 to 8 checked; 9 to 12 mixed.
int EditCheckThemeState(TcxCheckBoxState state, TcxEditCheckState buttonState);

// The DrawFrameControl flags of a classic check.
UINT EditCheckFrameControlFlags(TcxCheckBoxState state, TcxEditCheckState buttonState,
                                TcxCheckBoxNullValueShowingStyle nullStyle, TcxEditBorderStyle checkBorderStyle);

struct TcxEditCheckDrawParams {
  TcxCheckBoxState State = cbsUnchecked;
  TcxEditCheckState ButtonState = ecsNormal;
  TcxCheckBoxNullValueShowingStyle NullStyle = nssGrayedChecked;
  // A strip of GlyphCount images, or nullptr.
  const TBitmap* Glyph = nullptr;
  int GlyphCount = 0;
  // Whether the strip holds grayed images.
  bool AllowGrayed = true;
  TcxLookAndFeelPainterClass SkinPainter = nullptr;
  bool FillBackground = true;
  TColor BackgroundColor = clWindow;
  TColor BorderColor = clBtnShadow;
  TcxEditBorderStyle CheckBorderStyle = ebsNone;
  bool NativeStyle = false;
  bool IsDesigning = false;
  bool Focused = false;
};

// Draws the check in `r`; the canvas is handed back as it was found.
void DrawEditCheck(TcxCanvas& canvas, const TRect& r, const TcxEditCheckDrawParams& params);

// ---- the check-mark mask

// A monochrome mask of what cell 1 (checked) of a check-box bitmap adds to
// cell 0 (unchecked): black where their pixels differ, white elsewhere.
TGdiObject<HBITMAP> MakeCheckMarkMask(HBITMAP checkBoxes, SIZE cell);
// The mask the check-box unit made of the system's check-box bitmap at its
// start; null when the system has none.
HBITMAP CheckMarkMask();
void CreateCheckMarkMask();
void FreeCheckMarkMask();
