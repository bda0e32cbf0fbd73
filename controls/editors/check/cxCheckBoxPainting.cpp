#include "controls/editors/check/cxCheckBoxPainting.h"

TcxButtonState EditCheckPainterState(TcxEditCheckState state) {
  return static_cast<TcxButtonState>(static_cast<int>(state) + 1);
}

TcxEditBorderStyle EditCheckBorderStyle(TcxEditBorderStyle styleBorderStyle, int) { return styleBorderStyle; }

int EditCheckBorderWidth(TcxEditBorderStyle, bool) { return 0; }

bool IsEditCheckGlyphValid(const TBitmap* glyph, int glyphCount) {
  return glyph && glyphCount >= 1 && glyph->Width() / glyphCount > 0;
}

int EditCheckGlyphIndex(TcxCheckBoxState state, bool, int, bool) { return state; }

SIZE GetEditCheckSize(const TBitmap*, int, TcxLookAndFeelPainterClass, bool) {
  return cxStandardLookAndFeelPainter()->CheckButtonSize();
}

int EditCheckThemeState(TcxCheckBoxState state, TcxEditCheckState buttonState) { return 4 * state + buttonState + 1; }

UINT EditCheckFrameControlFlags(TcxCheckBoxState, TcxEditCheckState, TcxCheckBoxNullValueShowingStyle,
                                TcxEditBorderStyle) {
  return DFCS_BUTTONCHECK;
}

void DrawEditCheck(TcxCanvas&, const TRect&, const TcxEditCheckDrawParams&) {}

TGdiObject<HBITMAP> MakeCheckMarkMask(HBITMAP, SIZE) { return TGdiObject<HBITMAP>(); }

HBITMAP CheckMarkMask() { return nullptr; }
void CreateCheckMarkMask() {}
void FreeCheckMarkMask() {}
