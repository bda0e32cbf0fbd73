#include "controls/editors/check/cxCheckBoxPainting.h"

#include "controls/editors/base/cxEditUtils.h"
#include "controls/foundation/cxLookAndFeelPaintersUtils.h"
#include "controls/foundation/dxThemeManager.h"
#include "controls/foundation/dxUxTheme.h"

namespace {

// BP_CHECKBOX of the "Button" class.
constexpr int kCheckBoxPart = 3;
constexpr int kCheckBoxesBitmap = 32759;
// Where the mask leaves the destination (white source bits) and elsewhere
// paints the brush: ((D xor P) and S) xor P.
constexpr DWORD kRopMaskedBrush = 0x00B8074A;
// The check's own frame and the pad in the background colour together.
constexpr int kCheckFrameWidth = 2;

TGdiObject<HBITMAP> gCheckMarkMask;

TRect Deflated(TRect r, int by) {
  InflateRect(&r, -by, -by);
  return r;
}

// The width of the container border of that style around an editor.
int ContainerBorderWidth(TcxEditBorderStyle style) {
  switch (style) {
    case ebsNone: return 0;
    case ebsSingle:
    case ebsUltraFlat:
    case ebsOffice11: return 1;
    case ebsThick:
    case ebsFlat:
    case ebs3D: break;
  }
  return 2;
}

bool IsFlatKind(TcxEditBorderStyle style) { return style == ebsUltraFlat || style == ebsOffice11; }

HTHEME ButtonTheme(bool nativeStyle) { return nativeStyle ? OpenTheme(totButton) : nullptr; }

bool IsGrayedShownChecked(const TcxEditCheckDrawParams& params) {
  return params.State == cbsGrayed && params.NullStyle == nssGrayedChecked;
}

// ---- the glyph strip

void DrawGlyphCheck(TcxCanvas& canvas, const TRect& r, const TcxEditCheckDrawParams& params) {
  const TBitmap& strip = *params.Glyph;
  const int cellWidth = strip.Width() / params.GlyphCount;
  const int index =
      EditCheckGlyphIndex(params.State, params.ButtonState == ecsPressed, params.GlyphCount, params.AllowGrayed);
  TBitmap cell;
  cell.SetSize(cellWidth, strip.Height());
  BitBlt(cell.DC(), 0, 0, cellWidth, strip.Height(), strip.DC(), index * cellWidth, 0, SRCCOPY);
  cell.SetTransparentColor(strip.TransparentColor());
  canvas.FillRectWithColor(r, params.BackgroundColor);
  DrawGlyph(canvas, r.left, r.top, &cell, nullptr, -1, true, clNone, nullptr);
}

// ---- the skin painter and the visual style

void DrawPainterCheck(TcxCanvas& canvas, const TRect& r, const TcxEditCheckDrawParams& params) {
  canvas.FillRectWithColor(r, params.BackgroundColor);
  params.SkinPainter->DrawCheckButton(canvas, r, EditCheckPainterState(params.ButtonState),
                                      params.State == cbsChecked ? cbsChecked : cbsUnchecked);
}

void DrawThemedCheck(TcxCanvas& canvas, HTHEME theme, const TRect& r, const TcxEditCheckDrawParams& params) {
  dxUxTheme::DrawThemeBackground(theme, canvas.Handle(), kCheckBoxPart,
                                 EditCheckThemeState(params.State, params.ButtonState), r);
}

// ---- classic

bool IsFlatFrameHighlighted(const TcxEditCheckDrawParams& params) {
  switch (params.ButtonState) {
    case ecsHot:
    case ecsPressed: return true;
    case ecsNormal: return params.Focused || params.IsDesigning;
    case ecsDisabled: break;
  }
  return false;
}

TColor FlatFrameColor(const TcxEditCheckDrawParams& params) {
  const bool office11 = params.CheckBorderStyle == ebsOffice11;
  if (IsFlatFrameHighlighted(params)) return GetEditHighlightColor(office11);
  if (office11 && params.ButtonState == ecsNormal) return clBtnText;
  return clBtnShadow;
}

void DrawCheckFrame(TcxCanvas& canvas, const TRect& r, const TcxEditCheckDrawParams& params) {
  switch (params.CheckBorderStyle) {
    case ebsNone: return;
    case ebsSingle: return canvas.FrameRect(r, params.BorderColor);
    case ebsThick: return canvas.FrameRect(r, params.BorderColor, 2);
    case ebsFlat: canvas.DrawEdge(r, true, true); return canvas.FrameRect(Deflated(r, 1), clBtnFace);
    case ebs3D: canvas.DrawEdge(r, true, true); return canvas.DrawComplexFrame(Deflated(r, 1), cl3DDkShadow, cl3DLight);
    case ebsUltraFlat:
    case ebsOffice11: return canvas.FrameRect(r, FlatFrameColor(params));
  }
}

TColor FlatInteriorColor(const TcxEditCheckDrawParams& params) {
  const bool office11 = params.CheckBorderStyle == ebsOffice11;
  switch (params.ButtonState) {
    case ecsDisabled: return clBtnFace;
    case ecsHot:
    case ecsPressed: return GetEditButtonHighlightColor(office11, params.ButtonState == ecsPressed);
    case ecsNormal: break;
  }
  return params.State == cbsGrayed && params.NullStyle == nssInactive ? clBtnFace : clWindow;
}

// The mask lies over the whole check, its frame included. The canvas
// selects its own objects when asked for its handle: the brush goes in last.
void PaintMaskedMark(TcxCanvas& canvas, const TRect& checkRect, const TRect& markRect, TColor color) {
  BITMAP info{};
  GetObjectA(CheckMarkMask(), sizeof info, &info);
  canvas.SaveDC();
  canvas.IntersectClipRect(markRect);
  const HDC dc = canvas.Handle();
  const TMemoryDC maskDC;
  const TSelectedObject selectedMask(maskDC.Get(), CheckMarkMask());
  const TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(color)));
  {
    const TSelectedObject selectedBrush(dc, brush.Get());
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, checkRect.left, checkRect.top, info.bmWidth, info.bmHeight, maskDC.Get(), 0, 0, kRopMaskedBrush);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
  }
  canvas.RestoreDC();
}

void DrawFlatMark(TcxCanvas& canvas, const TRect& checkRect, const TRect& markRect,
                  const TcxEditCheckDrawParams& params) {
  canvas.FillRectWithColor(markRect, FlatInteriorColor(params));
  if (params.State != cbsChecked && !IsGrayedShownChecked(params)) return;
  const bool dimmed = params.ButtonState == ecsDisabled || params.State == cbsGrayed;
  const TColor color = dimmed ? clBtnShadow : clBtnText;
  if (CheckMarkMask()) return PaintMaskedMark(canvas, checkRect, markRect, color);
  // Without the system's check-box bitmap the painter draws its own mark.
  canvas.Brush().SetStyle(bsClear);
  cxStandardLookAndFeelPainter()->DrawCheck(canvas, markRect, EditCheckPainterState(params.ButtonState), cbsChecked,
                                            color);
}

// DrawFrameControl draws its own frame around the mark: only its inside shows.
void DrawFrameControlMark(TcxCanvas& canvas, const TRect& markRect, const TcxEditCheckDrawParams& params) {
  TRect whole = Deflated(markRect, -kCheckFrameWidth);
  canvas.SaveDC();
  canvas.IntersectClipRect(markRect);
  DrawFrameControl(
      canvas.Handle(), &whole, DFC_BUTTON,
      EditCheckFrameControlFlags(params.State, params.ButtonState, params.NullStyle, params.CheckBorderStyle));
  canvas.RestoreDC();
}

void DrawClassicCheck(TcxCanvas& canvas, const TRect& r, const TcxEditCheckDrawParams& params) {
  const int padWidth = EditCheckBorderWidth(params.CheckBorderStyle, true);
  const TRect frameRect = Deflated(r, padWidth);
  if (params.FillBackground && padWidth >= 1) canvas.FrameRect(r, params.BackgroundColor, padWidth);
  DrawCheckFrame(canvas, frameRect, params);
  const TRect markRect = Deflated(r, kCheckFrameWidth);
  if (IsFlatKind(params.CheckBorderStyle))
    DrawFlatMark(canvas, r, markRect, params);
  else
    DrawFrameControlMark(canvas, markRect, params);
}

}  // namespace

TcxButtonState EditCheckPainterState(TcxEditCheckState state) {
  switch (state) {
    case ecsHot: return cxbsHot;
    case ecsPressed: return cxbsPressed;
    case ecsDisabled: return cxbsDisabled;
    case ecsNormal: break;
  }
  return cxbsNormal;
}

TcxEditBorderStyle EditCheckBorderStyle(TcxEditBorderStyle styleBorderStyle, int hotState) {
  constexpr int kHot = 2;
  if (hotState != kHot) return styleBorderStyle;
  switch (styleBorderStyle) {
    case ebsNone: return ebsFlat;
    case ebsSingle: return ebsThick;
    case ebsFlat: return ebs3D;
    case ebsThick:
    case ebs3D:
    case ebsUltraFlat:
    case ebsOffice11: break;
  }
  return styleBorderStyle;
}

int EditCheckBorderWidth(TcxEditBorderStyle checkBorderStyle, bool drawnClassically) {
  return drawnClassically ? kCheckFrameWidth - ContainerBorderWidth(checkBorderStyle) : 0;
}

bool IsEditCheckGlyphValid(const TBitmap* glyph, int glyphCount) {
  return glyphCount >= 1 && IsGlyphAssigned(glyph) && glyph->Width() / glyphCount > 0;
}

int EditCheckGlyphIndex(TcxCheckBoxState state, bool pressed, int glyphCount, bool allowGrayed) {
  const int groupSize = !allowGrayed && glyphCount % 2 == 0 && glyphCount % 3 != 0 ? 2 : 3;
  int index = static_cast<int>(state) + (pressed ? groupSize : 0);
  if (index >= glyphCount) index %= groupSize;
  // A strip shorter than a group still names one of its own images.
  if (index >= glyphCount) index %= glyphCount;
  return index;
}

SIZE GetEditCheckSize(const TBitmap* glyph, int glyphCount, TcxLookAndFeelPainterClass skinPainter, bool nativeStyle) {
  if (IsEditCheckGlyphValid(glyph, glyphCount)) return SIZE{glyph->Width() / glyphCount, glyph->Height()};
  if (skinPainter) return skinPainter->CheckButtonSize();
  if (ButtonTheme(nativeStyle)) return cxWinXPLookAndFeelPainter()->CheckButtonSize();
  return cxStandardLookAndFeelPainter()->CheckButtonSize();
}

int EditCheckThemeState(TcxCheckBoxState state, TcxEditCheckState buttonState) {
  return 4 * static_cast<int>(state) + static_cast<int>(buttonState) + 1;
}

UINT EditCheckFrameControlFlags(TcxCheckBoxState state, TcxEditCheckState buttonState,
                                TcxCheckBoxNullValueShowingStyle nullStyle, TcxEditBorderStyle checkBorderStyle) {
  const bool grayedChecked = state == cbsGrayed && nullStyle == nssGrayedChecked;
  UINT flags = DFCS_BUTTONCHECK;
  if (buttonState == ecsDisabled) {
    flags |= DFCS_BUTTON3STATE | DFCS_PUSHED | (state == cbsChecked || grayedChecked ? DFCS_CHECKED : DFCS_INACTIVE);
  } else {
    if (state == cbsChecked) flags |= DFCS_CHECKED;
    if (state == cbsGrayed) flags |= DFCS_BUTTON3STATE | (nullStyle == nssInactive ? DFCS_INACTIVE : DFCS_CHECKED);
    if (buttonState == ecsPressed) flags |= DFCS_PUSHED;
  }
  if (checkBorderStyle != ebs3D) flags |= DFCS_FLAT;
  return flags;
}

void DrawEditCheck(TcxCanvas& canvas, const TRect& r, const TcxEditCheckDrawParams& params) {
  const TcxPaintStateGuard guard(canvas);
  TcxEditCheckDrawParams shown = params;
  if (!shown.FillBackground) shown.BackgroundColor = clNone;
  if (shown.State == cbsGrayed && shown.NullStyle == nssUnchecked) shown.State = cbsUnchecked;
  if (IsEditCheckGlyphValid(shown.Glyph, shown.GlyphCount)) return DrawGlyphCheck(canvas, r, shown);
  if (shown.SkinPainter) return DrawPainterCheck(canvas, r, shown);
  if (const HTHEME theme = ButtonTheme(shown.NativeStyle)) return DrawThemedCheck(canvas, theme, r, shown);
  DrawClassicCheck(canvas, r, shown);
}

// ---- the check-mark mask

TGdiObject<HBITMAP> MakeCheckMarkMask(HBITMAP checkBoxes, SIZE cell) {
  TGdiObject<HBITMAP> mask(CreateBitmap(cell.cx, cell.cy, 1, 1, nullptr));
  const TMemoryDC sourceDC;
  const TMemoryDC maskDC;
  const TSelectedObject selectedSource(sourceDC.Get(), checkBoxes);
  const TSelectedObject selectedMask(maskDC.Get(), mask.Get());
  for (int y = 0; y < cell.cy; ++y)
    for (int x = 0; x < cell.cx; ++x) {
      const bool differs = GetPixel(sourceDC.Get(), x, y) != GetPixel(sourceDC.Get(), x + cell.cx, y);
      SetPixel(maskDC.Get(), x, y, differs ? RGB(0, 0, 0) : RGB(255, 255, 255));
    }
  return mask;
}

HBITMAP CheckMarkMask() { return gCheckMarkMask.Get(); }

void CreateCheckMarkMask() {
  const TGdiObject<HBITMAP> checkBoxes(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckBoxesBitmap)));
  if (!checkBoxes) return;
  gCheckMarkMask = MakeCheckMarkMask(checkBoxes.Get(), CheckBoxBitmapCellSize());
}

void FreeCheckMarkMask() { gCheckMarkMask.Reset(); }
