#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>

#include "controls/foundation/lookandfeel/cxLookAndFeelPaintersUtils.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/rtl/Units.h"

namespace {

constexpr int kIndicatorImageCount = 6;
constexpr int kIndicatorImageSize = 9;

TUnitGuard gUnit;
std::unique_ptr<TcxExtendedStylePainters> gExtendedStylePainters;
TOwned<TImageList> gIndicatorImages;
std::unique_ptr<TBitmap> gPatternBitmaps[2];
std::unique_ptr<TcxRadioButtonImageList> gRadioButtonImageList;
// Read from the system's check-box picture when first asked for.
std::optional<SIZE> gCheckButtonSize;

// Rebuilds the radio images whenever the system colours change, before any
// control draws with them again.
class TSystemPaletteChangedNotifier : public TcxSystemPaletteChangedNotifier {
 public:
  TSystemPaletteChangedNotifier() : TcxSystemPaletteChangedNotifier(true) {}
  void DoChanged() override {
    if (gRadioButtonImageList) gRadioButtonImageList->Rebuild();
    TcxSystemPaletteChangedNotifier::DoChanged();
  }
};
std::unique_ptr<TSystemPaletteChangedNotifier> gSystemPaletteChangedNotifier;

const TcxStandardLookAndFeelPainter gStandardPainter;
const TcxFlatLookAndFeelPainter gFlatPainter;
const TcxUltraFlatLookAndFeelPainter gUltraFlatPainter;
const TcxOffice11LookAndFeelPainter gOffice11Painter;
const TcxWinXPLookAndFeelPainter gWinXPPainter;

// Pixel (x, y) takes the first colour where x and y are both even or both odd.
std::unique_ptr<TBitmap> MakePatternBitmap(TColor evenColor, TColor oddColor) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ::SetPixel(bitmap->DC(), x, y, ColorToRGB((x + y) % 2 == 0 ? evenColor : oddColor));
  return bitmap;
}

void MakePatternBitmaps() {
  gPatternBitmaps[0] = MakePatternBitmap(clBtnFace, clBtnHighlight);
  gPatternBitmaps[1] = MakePatternBitmap(clBlack, cl3DDkShadow);
}

// The indicator images: small black glyphs on white, which shows through.
using TIndicatorGlyph = void (*)(TCanvas& canvas);

void DrawArrowGlyph(TCanvas& canvas) {
  for (int i = 0; i < 4; ++i) canvas.Rectangle(2 + i, i, 3 + i, 9 - i);
}
void DrawEditGlyph(TCanvas& canvas) {
  canvas.Rectangle(4, 0, 5, 9);
  canvas.Rectangle(2, 0, 7, 1);
  canvas.Rectangle(2, 8, 7, 9);
}
void DrawInsertGlyph(TCanvas& canvas) {
  canvas.Rectangle(3, 1, 6, 8);
  canvas.Rectangle(1, 3, 8, 6);
}
void DrawMultiDotGlyph(TCanvas& canvas) {
  for (int y = 1; y < 9; y += 3) canvas.Rectangle(3, y, 6, y + 2);
}
void DrawMultiArrowGlyph(TCanvas& canvas) {
  for (int i = 0; i < 3; ++i) canvas.Rectangle(1 + i, 2 + i, 2 + i, 7 - i);
  for (int i = 0; i < 3; ++i) canvas.Rectangle(5 + i, 2 + i, 6 + i, 7 - i);
}
void DrawFilterGlyph(TCanvas& canvas) {
  for (int i = 0; i < 4; ++i) canvas.Rectangle(i, i, 9 - i, i + 1);
  canvas.Rectangle(4, 4, 5, 9);
}

constexpr TIndicatorGlyph kIndicatorGlyphs[kIndicatorImageCount] = {
    DrawArrowGlyph, DrawEditGlyph, DrawInsertGlyph, DrawMultiDotGlyph, DrawMultiArrowGlyph, DrawFilterGlyph};

void FillIndicatorImages() {
  gIndicatorImages = CreateUnowned<TImageList>();
  gIndicatorImages->SetWidth(kIndicatorImageSize);
  gIndicatorImages->SetHeight(kIndicatorImageSize);
  for (const TIndicatorGlyph glyph : kIndicatorGlyphs) {
    TBitmap image;
    image.SetSize(kIndicatorImageSize, kIndicatorImageSize);
    TCanvas& canvas = image.Canvas();
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect({0, 0, kIndicatorImageSize, kIndicatorImageSize});
    canvas.Brush().SetColor(clBlack);
    canvas.Pen().SetColor(clBlack);
    glyph(canvas);
    gIndicatorImages->AddMasked(image, clWhite);
  }
}

// Drawn when a grid first shows an indicator, not at start-up: most runs never do.
TImageList* IndicatorImages() {
  if (!gIndicatorImages && gUnit.Active()) FillIndicatorImages();
  return gIndicatorImages.get();
}

}  // namespace

// State guard and shared drawing.

SIZE CheckBoxBitmapCellSize() {
  constexpr int kCheckBoxesBitmap = 32759;
  const TGdiObject<HBITMAP> bitmap(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckBoxesBitmap)));
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap.Get(), sizeof info, &info)) return {};
  return {info.bmWidth / 4, info.bmHeight / 3};
}

TcxPaintStateGuard::TcxPaintStateGuard(TcxCanvas& canvas)
    : FCanvas(canvas),
      FDC(canvas.Handle()),
      FTextColor(GetTextColor(FDC)),
      FBkColor(GetBkColor(FDC)),
      FBkMode(GetBkMode(FDC)),
      FSelectedPen(GetCurrentObject(FDC, OBJ_PEN)),
      FSelectedBrush(GetCurrentObject(FDC, OBJ_BRUSH)),
      FSelectedFont(GetCurrentObject(FDC, OBJ_FONT)) {
  FFont.Assign(canvas.Font());
  FBrush.Assign(canvas.Brush());
  FPen.Assign(canvas.Pen());
}

TcxPaintStateGuard::~TcxPaintStateGuard() {
  FCanvas.Font().Assign(FFont);
  FCanvas.Brush().Assign(FBrush);
  FCanvas.Pen().Assign(FPen);
  if (GetCurrentObject(FDC, OBJ_PEN) != FSelectedPen || GetCurrentObject(FDC, OBJ_BRUSH) != FSelectedBrush ||
      GetCurrentObject(FDC, OBJ_FONT) != FSelectedFont)
    FCanvas.Canvas().ReleaseSelections();
  SetTextColor(FDC, FTextColor);
  SetBkColor(FDC, FBkColor);
  SetBkMode(FDC, FBkMode);
}

int AlignmentFlags(TAlignment alignmentHorz, TcxAlignmentVert alignmentVert) {
  const int horz = alignmentHorz == taRightJustify ? cxAlignRight
                   : alignmentHorz == taCenter     ? cxAlignHCenter
                                                   : cxAlignLeft;
  const int vert = alignmentVert == vaBottom ? cxAlignBottom : alignmentVert == vaCenter ? cxAlignVCenter : cxAlignTop;
  return horz | vert;
}

int HeaderTextFlags(TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis) {
  return AlignmentFlags(alignmentHorz, alignmentVert) | (multiLine ? cxWordBreak : cxSingleLine) |
         (showEndEllipsis ? cxShowEndEllipsis : 0);
}

void DrawTransparentText(TcxCanvas& canvas, const std::string& text, const TRect& r, int flags, const TFont* font,
                         TColor color) {
  if (font) canvas.SetFont(*font);
  canvas.Font().SetColor(color);
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(text, r, flags);
  canvas.Brush().SetStyle(bsSolid);
}

void DrawTriangle(TcxCanvas& canvas, const POINT& a, const POINT& b, const POINT& c, TColor color) {
  canvas.SetBrushColor(color);
  canvas.Pen().SetColor(color);
  const POINT points[] = {a, b, c};
  canvas.Polygon(points);
}

void DrawExpandSign(TcxCanvas& canvas, const TRect& r, bool expanded, TColor color) {
  const TRect sign = DeflatedRect(r, 2);
  if (IsEmptyRect(sign)) return;
  const int middleX = (sign.left + sign.right - 1) / 2;
  const int middleY = (sign.top + sign.bottom - 1) / 2;
  canvas.FillRectWithColor({sign.left, middleY, sign.right, middleY + 1}, color);
  if (!expanded) canvas.FillRectWithColor({middleX, sign.top, middleX + 1, sign.bottom}, color);
}

void DrawSortingTriangle(TcxCanvas& canvas, const TRect& r, SIZE size, bool ascending, TColor lightColor,
                         TColor darkColor) {
  const int left = r.left + (RectWidth(r) - size.cx) / 2;
  const int top = r.top + (RectHeight(r) - size.cy) / 2;
  const int right = left + size.cx - 1;
  const int bottom = top + size.cy - 1;
  const int middle = left + (size.cx - 1) / 2;
  const POINT apex = ascending ? POINT{middle, top} : POINT{middle, bottom};
  const int baseY = ascending ? bottom : top;
  canvas.Pen().SetColor(darkColor);
  canvas.MoveTo(left, baseY);
  canvas.LineTo(apex.x, apex.y);
  canvas.Pen().SetColor(lightColor);
  canvas.LineTo(right, baseY);
  canvas.LineTo(left, baseY);
  canvas.SetPixel(right, baseY, lightColor);
}

TRect SideLine(const TRect& r, TcxBorder side) {
  switch (side) {
    case bLeft: return {r.left, r.top, r.left + 1, r.bottom};
    case bTop: return {r.left, r.top, r.right, r.top + 1};
    case bRight: return {r.right - 1, r.top, r.right, r.bottom};
    case bBottom: return {r.left, r.bottom - 1, r.right, r.bottom};
  }
  return EmptyRect;
}

TcxArrowDirection ScrollBarArrowDirection(bool horizontal, TcxScrollBarPart part) {
  if (part == sbpLineUp) return horizontal ? adLeft : adUp;
  return horizontal ? adRight : adDown;
}

bool IsScrollBarArrow(TcxScrollBarPart part) { return part == sbpLineUp || part == sbpLineDown; }
bool IsScrollBarPage(TcxScrollBarPart part) { return part == sbpPageUp || part == sbpPageDown; }

void DrawScrollBarPage(TcxCanvas& canvas, const TRect& r, TcxButtonState state) {
  canvas.FillRect(r, &cxScrollBarPatternBitmap(state == cxbsPressed));
}

// General.

void TcxCustomLookAndFeelPainter::DrawBackground(TcxCanvas& canvas, const TRect& r, bool transparent, TColor color,
                                                 const TBitmap* bitmap) const {
  const TcxPaintStateGuard guard(canvas);
  if (!transparent)
    canvas.FillRectWithColor(r, color);
  else if (IsGlyphAssigned(bitmap))
    canvas.FillRect(r, bitmap);
}

void TcxCustomLookAndFeelPainter::DrawDropDownArrow(TcxCanvas& canvas, const TRect& r, TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  int width = RectWidth(r) / 2;
  if (width % 2 == 0) ++width;
  const int height = width / 2 + 1;
  const int left = r.left + (RectWidth(r) - width) / 2;
  const int top = (r.top + r.bottom - height) / 2;
  DrawTriangle(canvas, {left, top}, {left + width - 1, top}, {left + width / 2, top + height - 1}, color);
}

void TcxCustomLookAndFeelPainter::DrawHeaderContent(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                                    TcxButtonState, TAlignment alignmentHorz,
                                                    TcxAlignmentVert alignmentVert, bool multiLine,
                                                    bool showEndEllipsis, const std::string& text, const TFont* font,
                                                    TColor textColor, TColor bkColor,
                                                    const TcxDrawBackgroundEvent& onDrawBackground, bool) const {
  const TcxPaintStateGuard guard(canvas);
  if (!onDrawBackground || !onDrawBackground(canvas, bounds)) canvas.FillRectWithColor(bounds, bkColor);
  if (text.empty()) return;
  DrawTransparentText(canvas, text, textAreaBounds,
                      HeaderTextFlags(alignmentHorz, alignmentVert, multiLine, showEndEllipsis), font, textColor);
}

TRect TcxCustomLookAndFeelPainter::FrameContentBounds(const TRect& r) const { return DeflatedRect(r, FrameSize()); }
TRect TcxCustomLookAndFeelPainter::FrameTextBounds(const TRect& r) const {
  return DeflatedRect(FrameContentBounds(r), 2);
}
TcxLookAndFeelStyle TcxCustomLookAndFeelPainter::LookAndFeelStyle() const { return lfsStandard; }

// Arrows and buttons.

void TcxCustomLookAndFeelPainter::DrawArrow(TcxCanvas& canvas, const TRect& r, TcxArrowDirection direction,
                                            TColor color, bool proportional) const {
  const TcxPaintStateGuard guard(canvas);
  TRect box = r;
  if (proportional) {
    const int excess = RectWidth(box) - RectHeight(box);
    if (excess > 0)
      box = {box.left + excess / 2, box.top, box.left + excess / 2 + RectHeight(box), box.bottom};
    else
      box = {box.left, box.top - excess / 2, box.right, box.top - excess / 2 + RectWidth(box)};
  }
  const bool vertical = direction == adUp || direction == adDown;
  const int size = ((vertical ? RectWidth(box) : RectHeight(box)) - 1) / 4 + 1;
  const int across = 2 * size - 1;
  if (vertical) {
    const int left = box.left + (RectWidth(box) - across) / 2;
    const int top = box.top + (RectHeight(box) - size) / 2;
    const int baseY = direction == adDown ? top : top + size - 1;
    const int apexY = direction == adDown ? top + size - 1 : top;
    DrawTriangle(canvas, {left, baseY}, {left + across - 1, baseY}, {left + size - 1, apexY}, color);
  } else {
    const int left = box.left + (RectWidth(box) - size) / 2;
    const int top = box.top + (RectHeight(box) - across) / 2;
    const int baseX = direction == adRight ? left : left + size - 1;
    const int apexX = direction == adRight ? left + size - 1 : left;
    DrawTriangle(canvas, {baseX, top}, {baseX, top + across - 1}, {apexX, top + size - 1}, color);
  }
}

void TcxCustomLookAndFeelPainter::DrawScrollBarArrow(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                     TcxArrowDirection direction, bool drawButton) const {
  const TcxPaintStateGuard guard(canvas);
  if (drawButton)
    DrawButtonBackground(canvas, r, state);
  else
    canvas.FillRectWithColor(r, ButtonColor(state));
  DrawArrow(canvas, r, direction, ButtonSymbolColor(state, clDefault));
}

void TcxCustomLookAndFeelPainter::DrawButtonBackground(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FillRectWithColor(r, ButtonColor(state));
  DrawButtonBorder(canvas, r, state);
}

void TcxCustomLookAndFeelPainter::DrawButtonArrow(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                  TcxArrowDirection direction) const {
  const TcxPaintStateGuard guard(canvas);
  const int shift = state == cxbsPressed ? ButtonTextShift() : 0;
  const TRect box = MovedRect(r, shift, shift);
  if (state == cxbsDisabled) DrawArrow(canvas, MovedRect(box, 1, 1), direction, clBtnHighlight);
  DrawArrow(canvas, box, direction, ButtonSymbolColor(state));
}

int TcxCustomLookAndFeelPainter::BorderSize() const { return 0; }
void TcxCustomLookAndFeelPainter::DrawBorder(TcxCanvas&, const TRect&) const {}
TRect TcxCustomLookAndFeelPainter::ButtonDrawRect(const TRect& r) const { return r; }
int TcxCustomLookAndFeelPainter::ButtonBorderSize(TcxButtonState) const { return 0; }
TColor TcxCustomLookAndFeelPainter::ButtonColor(TcxButtonState) const { return clBtnFace; }

TRect TcxCustomLookAndFeelPainter::ButtonFocusRect(TcxCanvas&, const TRect& r) const {
  const TRect focus = DeflatedRect(r, 4);
  return IsEmptyRect(focus) ? r : focus;
}

TcxBorderSizes TcxCustomLookAndFeelPainter::ButtonGroupBorderSizes(int, int) const {
  const int size = ButtonBorderSize(cxbsNormal);
  return {size, size, size, size};
}

int TcxCustomLookAndFeelPainter::ButtonContentOffset() const { return 0; }
int TcxCustomLookAndFeelPainter::ButtonTextShift() const { return 0; }

TColor TcxCustomLookAndFeelPainter::ButtonSymbolColor(TcxButtonState state, TColor color) const {
  if (state == cxbsDisabled) return clBtnShadow;
  return color == clDefault ? clBtnText : color;
}

TcxButtonState TcxCustomLookAndFeelPainter::ButtonSymbolState(TcxButtonState state) const { return state; }

void TcxCustomLookAndFeelPainter::DrawButton(TcxCanvas& canvas, const TRect& r, const std::string& caption,
                                             TcxButtonState state, bool drawBorder, TColor color,
                                             TColor textColor) const {
  const TcxPaintStateGuard guard(canvas);
  TRect face = r;
  if (drawBorder) {
    DrawButtonBorder(canvas, r, state);
    face = DeflatedRect(r, ButtonBorderSize(state));
  }
  canvas.FillRectWithColor(face, color == clDefault ? ButtonColor(state) : color);
  if (caption.empty()) return;
  const int shift = state == cxbsPressed ? ButtonTextShift() : 0;
  DrawTransparentText(canvas, caption, MovedRect(face, shift, shift), cxAlignHCenter | cxAlignVCenter | cxSingleLine,
                      nullptr, textColor == clDefault ? ButtonSymbolColor(state) : textColor);
}

void TcxCustomLookAndFeelPainter::DrawButtonInGroup(TcxCanvas& canvas, const TRect& r, TcxButtonState state, int,
                                                    int) const {
  const TcxPaintStateGuard guard(canvas);
  DrawButton(canvas, r, "", state);
}

void TcxCustomLookAndFeelPainter::DrawButtonBorder(TcxCanvas&, const TRect&, TcxButtonState) const {}
void TcxCustomLookAndFeelPainter::DrawButtonGroupBorder(TcxCanvas&, const TRect&, bool, TcxButtonState) const {}
void TcxCustomLookAndFeelPainter::DrawExpandButton(TcxCanvas&, const TRect&, bool, TColor) const {}
bool TcxCustomLookAndFeelPainter::ExpandButtonClassicFlag() const { return true; }

void TcxCustomLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded,
                                                        TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  DrawButton(canvas, r, "", state);
  // Two chevrons one above the other, pointing up when the group is open.
  const TColor color = ButtonSymbolColor(state);
  const int middleX = (r.left + r.right - 1) / 2;
  const int middleY = (r.top + r.bottom - 1) / 2;
  canvas.Pen().SetColor(color);
  for (const int top : {middleY - 3, middleY + 1}) {
    const int tipY = expanded ? top : top + 2;
    const int wingY = expanded ? top + 2 : top;
    canvas.MoveTo(middleX - 3, wingY);
    canvas.LineTo(middleX, tipY);
    canvas.LineTo(middleX + 3, wingY);
    canvas.SetPixel(middleX + 3, wingY, color);
  }
}

void TcxCustomLookAndFeelPainter::DrawSmallExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded,
                                                        TColor borderColor, TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FrameRect(r, borderColor);
  if (color != clDefault) canvas.FillRectWithColor(DeflatedRect(r, 1), color);
  DrawExpandSign(canvas, r, expanded, clWindowText);
}

int TcxCustomLookAndFeelPainter::ExpandButtonSize() const { return 0; }
int TcxCustomLookAndFeelPainter::GroupExpandButtonSize() const { return 15; }
bool TcxCustomLookAndFeelPainter::IsButtonHotTrack() const { return false; }
bool TcxCustomLookAndFeelPainter::IsPointOverGroupExpandButton(const TRect& r, const POINT& p) const {
  return PtInRect(&r, p) != FALSE;
}
int TcxCustomLookAndFeelPainter::SmallExpandButtonSize() const { return 9; }

// Check boxes and radio buttons.

int TcxCustomLookAndFeelPainter::CheckBorderSize() const { return 2; }

TColor TcxCustomLookAndFeelPainter::CheckButtonColor(TcxButtonState state) const {
  return state == cxbsPressed || state == cxbsDisabled ? clBtnFace : clWindow;
}

SIZE TcxCustomLookAndFeelPainter::CheckButtonSize() const {
  if (!gCheckButtonSize && gUnit.Active()) gCheckButtonSize = CheckBoxBitmapCellSize();
  return gCheckButtonSize.value_or(SIZE{});
}

void TcxCustomLookAndFeelPainter::DrawCheck(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                            TcxCheckBoxState checkState, TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  if (canvas.Brush().Style() == bsSolid) canvas.FillRectWithColor(r, CheckButtonColor(state));
  if (checkState == cbsUnchecked) return;
  const int w = RectWidth(r) - 2;
  const int h = RectHeight(r) - 4;
  const int cx = (r.left + r.right) / 2;
  canvas.Pen().SetColor(color);
  for (int i = 0; i < 3; ++i) {
    const int y = (r.top + r.bottom + h) / 2 - 2 + i;
    const POINT stroke[] = {{cx - w / 2, y - h / 2}, {cx - 1, y}, {cx + w / 2 + 1, y - h}};
    canvas.Polyline(stroke);
  }
}

void TcxCustomLookAndFeelPainter::DrawCheckBorder(TcxCanvas&, const TRect&, TcxButtonState) const {}

void TcxCustomLookAndFeelPainter::DrawCheckButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                  TcxCheckBoxState checkState) const {
  const TcxPaintStateGuard guard(canvas);
  DrawCheckBorder(canvas, r, state);
  DrawCheck(canvas, DeflatedRect(r, CheckBorderSize()), state, checkState,
            state == cxbsDisabled ? clGrayText : clBtnText);
}

void TcxCustomLookAndFeelPainter::DrawRadioButton(TcxCanvas& canvas, int x, int y, TcxButtonState state, bool checked,
                                                  bool focused, TColor brushColor) const {
  const TcxPaintStateGuard guard(canvas);
  if (TcxRadioButtonImageList* images = cxRadioButtonImageList())
    images->Draw(canvas, x, y, LookAndFeelStyle(), state, checked, focused, brushColor);
}

SIZE TcxCustomLookAndFeelPainter::RadioButtonSize() const {
  const TcxRadioButtonImageList* images = cxRadioButtonImageList();
  return images ? images->GlyphSize() : SIZE{};
}

// Headers and sorting marks.

void TcxCustomLookAndFeelPainter::DrawHeader(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                             TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                                             TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                                             bool showEndEllipsis, const std::string& text, const TFont* font,
                                             TColor textColor, TColor bkColor,
                                             const TcxDrawBackgroundEvent& onDrawBackground) const {
  const TcxPaintStateGuard guard(canvas);
  DrawHeaderBorder(canvas, bounds, neighbors, borders);
  DrawHeaderContent(canvas, HeaderContentBoundsByBorders(bounds, borders), textAreaBounds, state, alignmentHorz,
                    alignmentVert, multiLine, showEndEllipsis, text, font, textColor, bkColor, onDrawBackground, false);
}

void TcxCustomLookAndFeelPainter::DrawHeaderEx(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                               TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                                               TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                                               bool showEndEllipsis, const std::string& text, const TFont* font,
                                               TColor textColor, TColor bkColor,
                                               const TcxDrawBackgroundEvent& onDrawBackground) const {
  const TcxPaintStateGuard guard(canvas);
  DrawHeader(canvas, bounds, textAreaBounds, neighbors, borders, state, alignmentHorz, alignmentVert, multiLine,
             showEndEllipsis, text, font, textColor, bkColor, onDrawBackground);
}

void TcxCustomLookAndFeelPainter::DrawHeaderBorder(TcxCanvas&, const TRect&, TcxNeighbors, TcxBorders) const {}

void TcxCustomLookAndFeelPainter::DrawHeaderPressed(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.InvertRect(r);
}

void TcxCustomLookAndFeelPainter::DrawHeaderSection(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                                    TcxNeighbors, TcxBorders borders, TcxButtonState state,
                                                    TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                                    bool multiLine, bool showEndEllipsis, const std::string& text,
                                                    const TFont* font, TColor textColor, TColor bkColor) const {
  const TcxPaintStateGuard guard(canvas);
  DrawHeaderSectionBorder(canvas, bounds, borders, state);
  DrawHeaderSectionContent(canvas, HeaderSectionContentBounds(bounds, state), textAreaBounds, state, alignmentHorz,
                           alignmentVert, multiLine, showEndEllipsis, text, font, textColor, bkColor);
}

void TcxCustomLookAndFeelPainter::DrawHeaderSectionBorder(TcxCanvas&, const TRect&, TcxBorders, TcxButtonState) const {}

void TcxCustomLookAndFeelPainter::DrawHeaderSectionContent(TcxCanvas& canvas, const TRect& bounds,
                                                           const TRect& textAreaBounds, TcxButtonState state,
                                                           TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                                           bool multiLine, bool showEndEllipsis,
                                                           const std::string& text, const TFont* font, TColor textColor,
                                                           TColor bkColor) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FillRectWithColor(bounds, bkColor);
  DrawHeaderSectionText(canvas, HeaderSectionContentOffset(textAreaBounds, state), state, alignmentHorz, alignmentVert,
                        multiLine, showEndEllipsis, text, font, textColor);
}

void TcxCustomLookAndFeelPainter::DrawHeaderSectionText(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                        TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                                        bool multiLine, bool showEndEllipsis, const std::string& text,
                                                        const TFont* font, TColor textColor) const {
  const TcxPaintStateGuard guard(canvas);
  const int flags = HeaderTextFlags(alignmentHorz, alignmentVert, multiLine, showEndEllipsis);
  if (state != cxbsDisabled) return DrawTransparentText(canvas, text, r, flags, font, textColor);
  DrawTransparentText(canvas, text, MovedRect(r, 1, 1), flags, font, clBtnHighlight);
  DrawTransparentText(canvas, text, r, flags, font, clBtnShadow);
}

void TcxCustomLookAndFeelPainter::DrawSortingMark(TcxCanvas&, const TRect&, bool) const {}
TcxBorders TcxCustomLookAndFeelPainter::HeaderBorders(TcxNeighbors) const { return cxBordersAll; }
int TcxCustomLookAndFeelPainter::HeaderBorderSize() const { return 0; }

TRect TcxCustomLookAndFeelPainter::HeaderContentBounds(const TRect& r, TcxNeighbors neighbors) const {
  return HeaderContentBoundsByBorders(r, HeaderBorders(neighbors));
}

TRect TcxCustomLookAndFeelPainter::HeaderContentBoundsByBorders(const TRect& r, TcxBorders borders) const {
  const int size = HeaderBorderSize();
  return {r.left + (borders.Contains(bLeft) ? size : 0), r.top + (borders.Contains(bTop) ? size : 0),
          r.right - (borders.Contains(bRight) ? size : 0), r.bottom - (borders.Contains(bBottom) ? size : 0)};
}

bool TcxCustomLookAndFeelPainter::HeaderClassicFlag() const { return true; }
int TcxCustomLookAndFeelPainter::HeaderHeight(int fontHeight) const {
  return (HeaderBorderSize() + 2) * 2 + fontHeight;
}
int TcxCustomLookAndFeelPainter::HeaderSectionBorderSize(TcxButtonState) const { return 1; }

TRect TcxCustomLookAndFeelPainter::HeaderSectionContentOffset(const TRect& r, TcxButtonState state) const {
  return state == cxbsPressed ? MovedRect(r, 1, 1) : r;
}

TRect TcxCustomLookAndFeelPainter::HeaderSectionContentBounds(const TRect& r, TcxButtonState state) const {
  return DeflatedRect(r, HeaderSectionBorderSize(state));
}

// Each border takes its own width, so a header with both borders is two borders wider than its text.
int TcxCustomLookAndFeelPainter::HeaderWidth(TcxCanvas& canvas, TcxBorders borders, const std::string& text,
                                             const TFont* font) const {
  const TcxPaintStateGuard guard(canvas);
  if (font) canvas.SetFont(*font);
  const int borderCount = (borders.Contains(bLeft) ? 1 : 0) + (borders.Contains(bRight) ? 1 : 0);
  return canvas.TextWidth(text) + 4 + borderCount * HeaderBorderSize();
}

bool TcxCustomLookAndFeelPainter::HeaderHotTrackFlag() const { return false; }
SIZE TcxCustomLookAndFeelPainter::SortingMarkAreaSize() const { return {16, SortingMarkSize().cy}; }
SIZE TcxCustomLookAndFeelPainter::SortingMarkSize() const { return {0, 0}; }

// Frames.

void TcxCustomLookAndFeelPainter::DrawFrameBackground(TcxCanvas& canvas, const TRect& r, bool transparent, TColor color,
                                                      const TBitmap* bitmap) const {
  const TcxPaintStateGuard guard(canvas);
  DrawBackground(canvas, r, transparent, color, bitmap);
}

TcxBorders TcxCustomLookAndFeelPainter::FrameBorders() const { return cxBordersAll; }
int TcxCustomLookAndFeelPainter::FrameSeparatorSize() const { return 0; }
int TcxCustomLookAndFeelPainter::FrameSize() const { return 0; }
int TcxCustomLookAndFeelPainter::FrameContentOffset() const { return 0; }
bool TcxCustomLookAndFeelPainter::FrameClassicFlag() const { return true; }
TColor TcxCustomLookAndFeelPainter::FrameBorderColor() const { return clBtnShadow; }
int TcxCustomLookAndFeelPainter::FrameLineWidth() const { return 1; }

void TcxCustomLookAndFeelPainter::DrawFrameCell(TcxCanvas& canvas, const TRect& r, const std::string& text,
                                                const TFont* font, TColor textColor, TColor bkColor) const {
  const TcxPaintStateGuard guard(canvas);
  DrawFrameBorder(canvas, r);
  DrawHeaderContent(canvas, FrameContentBounds(r), FrameTextBounds(r), cxbsNormal, taLeftJustify, vaCenter, false,
                    false, text, font, textColor, bkColor, nullptr);
}

void TcxCustomLookAndFeelPainter::DrawFrameSeparator(TcxCanvas&, const TRect&) const {}
void TcxCustomLookAndFeelPainter::DrawFrameBorder(TcxCanvas&, const TRect&) const {}

void TcxCustomLookAndFeelPainter::DrawFrameText(TcxCanvas& canvas, const TRect& r, const std::string& text) const {
  const TcxPaintStateGuard guard(canvas);
  if (IsEmptyRect(r)) return;
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(text, r, cxSingleLine | cxAlignLeft | cxAlignVCenter);
}

void TcxCustomLookAndFeelPainter::DrawFrameArea(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FillRectWithColor(r, FrameBorderColor());
}

void TcxCustomLookAndFeelPainter::DrawFrameCheck(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                                 TcxCheckBoxState checkState) const {
  const TcxPaintStateGuard guard(canvas);
  DrawCheckButton(canvas, r, state, checkState);
}

// Close and drop-down buttons, windows.

void TcxCustomLookAndFeelPainter::DrawCloseButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  DrawButtonBorder(canvas, r, state);
  const TRect face = DeflatedRect(r, ButtonBorderSize(state));
  canvas.FillRectWithColor(face, ButtonColor(state));
  const int shift = state == cxbsPressed ? ButtonTextShift() : 0;
  // The cross is two strokes two pixels wide, corner to corner of a square in the face.
  const TRect symbolArea = MovedRect(face, shift, shift);
  const int size = std::min(RectWidth(symbolArea), RectHeight(symbolArea)) - 6;
  if (size <= 0) return;
  const int left = symbolArea.left + (RectWidth(symbolArea) - size) / 2;
  const int top = symbolArea.top + (RectHeight(symbolArea) - size) / 2;
  canvas.Pen().SetColor(ButtonSymbolColor(ButtonSymbolState(state)));
  for (int dx = 0; dx < 2; ++dx) {
    canvas.MoveTo(left + dx, top);
    canvas.LineTo(left + dx + size - 1, top + size);
    canvas.MoveTo(left + dx + size - 2, top);
    canvas.LineTo(left + dx - 2, top + size);
  }
}

void TcxCustomLookAndFeelPainter::DrawDropDownButton(TcxCanvas&, const TRect&, TcxButtonState, bool) const {}

void TcxCustomLookAndFeelPainter::DrawWindowBackground(TcxCanvas& canvas, const TRect& r, bool transparent,
                                                       TColor color, const TBitmap* bitmap) const {
  const TcxPaintStateGuard guard(canvas);
  DrawBackground(canvas, r, transparent, color, bitmap);
}

SIZE TcxCustomLookAndFeelPainter::SmallGlyphSize() const { return {13, 13}; }
SIZE TcxCustomLookAndFeelPainter::CloseButtonSize() const { return {16, 14}; }
POINT TcxCustomLookAndFeelPainter::WindowGlyphOffset() const { return {15, 0}; }

void TcxCustomLookAndFeelPainter::DrawWindowContent(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FillRectWithColor(r, clBtnFace);
}

bool TcxCustomLookAndFeelPainter::WindowClassicFlag() const { return true; }

// Tabs.

void TcxCustomLookAndFeelPainter::DrawTab(TcxCanvas&, const TRect&, TcxBorders, const std::string&, TcxButtonState,
                                          bool, const TFont*, TColor, TColor) const {}
void TcxCustomLookAndFeelPainter::DrawTabBorder(TcxCanvas&, const TRect&, TcxBorder, TcxBorders, bool) const {}
void TcxCustomLookAndFeelPainter::DrawTabPane(TcxCanvas&, const TRect&, TcxBorders) const {}
bool TcxCustomLookAndFeelPainter::TabThemedHorz() const { return false; }
bool TcxCustomLookAndFeelPainter::TabThemedVert() const { return false; }
int TcxCustomLookAndFeelPainter::TabBorderSize(bool) const { return 0; }

// Indicator, scroll bar and size grip.

void TcxCustomLookAndFeelPainter::DrawListGlyph(TcxCanvas& canvas, const TRect& r, TColor color) const {
  const TcxPaintStateGuard guard(canvas);
  const int first = (r.top + r.bottom - 9) / 2;
  const int left = r.left + 3;
  const int right = r.right - 3;
  for (int line = 0; line < 5; ++line) {
    const int y = first + 2 * line;
    // The odd lines (first, third, fifth) start with a dot and a gap.
    if (line % 2 == 0) {
      canvas.FillRectWithColor({left, y, left + 1, y + 1}, color);
      canvas.FillRectWithColor({left + 2, y, right, y + 1}, color);
    } else {
      canvas.FillRectWithColor({left, y, right, y + 1}, color);
    }
  }
}

void TcxCustomLookAndFeelPainter::DrawIndicatorImage(TcxCanvas& canvas, const TRect& r, int kind) const {
  const TcxPaintStateGuard guard(canvas);
  TImageList* images = IndicatorImages();
  if (kind < 1 || kind > kIndicatorImageCount || !images) return;
  const int x = r.left + (RectWidth(r) - images->Width()) / 2;
  const int y = r.top + (RectHeight(r) - images->Height()) / 2;
  images->Draw(canvas.Canvas(), x, y, kind - 1);
}

void TcxCustomLookAndFeelPainter::DrawIndicatorItem(TcxCanvas& canvas, const TRect& r, int kind, TColor color,
                                                    const TcxDrawBackgroundEvent& onDrawBackground) const {
  const TcxPaintStateGuard guard(canvas);
  DrawHeader(canvas, r, r, {}, HeaderBorders({}), cxbsNormal, taLeftJustify, vaCenter, false, false, "", nullptr,
             clWindowText, color, onDrawBackground);
  DrawIndicatorImage(canvas, r, kind);
}

void TcxCustomLookAndFeelPainter::DrawIndicatorItemEx(TcxCanvas& canvas, const TRect& r, int kind, TColor color,
                                                      const TcxDrawBackgroundEvent& onDrawBackground) const {
  const TcxPaintStateGuard guard(canvas);
  DrawHeaderEx(canvas, r, r, {}, HeaderBorders({}), cxbsNormal, taLeftJustify, vaCenter, false, false, "", nullptr,
               clWindowText, color, onDrawBackground);
  DrawIndicatorImage(canvas, r, kind);
}

bool TcxCustomLookAndFeelPainter::IndicatorClassicFlag() const { return true; }
int TcxCustomLookAndFeelPainter::ScrollBarMinimalThumbSize(bool) const { return 8; }
void TcxCustomLookAndFeelPainter::DrawScrollBarPart(TcxCanvas&, bool, const TRect&, TcxScrollBarPart,
                                                    TcxButtonState) const {}

SIZE TcxCustomLookAndFeelPainter::SizeGripSize() const {
  return {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

void TcxCustomLookAndFeelPainter::DrawSizeGrip(TcxCanvas& canvas, const TRect& r, TColor backgroundColor) const {
  const TcxPaintStateGuard guard(canvas);
  canvas.FillRectWithColor(r, backgroundColor);
  TRect grip = r;
  DrawFrameControl(canvas.Handle(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

// Further elements and hooks.

void TcxCustomLookAndFeelPainter::DrawHeaderItem(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors,
                                                 const std::string& text, const TFont* font,
                                                 TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  DrawHeader(canvas, r, HeaderContentBounds(r, neighbors), neighbors, HeaderBorders(neighbors), state, taLeftJustify,
             vaCenter, false, true, text, font, clWindowText, clBtnFace);
}

void TcxCustomLookAndFeelPainter::DrawContentBorder(TcxCanvas& canvas, const TRect& r) const {
  const TcxPaintStateGuard guard(canvas);
  DrawBorder(canvas, r);
}

void TcxCustomLookAndFeelPainter::DrawToolBarButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const {
  const TcxPaintStateGuard guard(canvas);
  DrawButton(canvas, r, "", state);
}

void TcxCustomLookAndFeelPainter::DrawCaptionBand(TcxCanvas&, const TRect&, bool, const std::string&) const {}
int TcxCustomLookAndFeelPainter::CaptionBandOffset() const { return 1; }

void TcxCustomLookAndFeelPainter::DrawClock(TcxCanvas& canvas, const TRect& r, TColor backgroundColor,
                                            TColor faceColor) const {
  const TcxPaintStateGuard guard(canvas);
  const double centerX = (r.left + r.right) / 2.0;
  const double centerY = (r.top + r.bottom) / 2.0;
  const double radiusX = RectWidth(r) / 2.0 - 2;
  const double radiusY = RectHeight(r) / 2.0 - 2;
  // The marks leave the clip region, so the background fills only around them.
  canvas.SaveDC();
  for (int mark = 0; mark < 60; ++mark) {
    const double angle = mark * std::numbers::pi / 30;
    const int x = static_cast<int>(std::lround(centerX + radiusX * std::sin(angle)));
    const int y = static_cast<int>(std::lround(centerY - radiusY * std::cos(angle)));
    const int half = mark % 5 == 0 ? 1 : 0;
    const TRect dot{x - half, y - half, x + half + 1, y + half + 1};
    canvas.FillRectWithColor(dot, faceColor);
    canvas.ExcludeClipRect(dot);
  }
  canvas.FillRectWithColor(r, backgroundColor);
  canvas.RestoreDC();
}

void TcxCustomLookAndFeelPainter::DrawEditButton(TcxCanvas&, const TRect&, TcxButtonState, int) const {}
int TcxCustomLookAndFeelPainter::EditButtonTextOffset() const { return 0; }
SIZE TcxCustomLookAndFeelPainter::EditButtonSize() const { return {0, 0}; }
TColor TcxCustomLookAndFeelPainter::EditButtonTextColor() const { return clDefault; }
TColor TcxCustomLookAndFeelPainter::EditBorderColor(bool) const { return clDefault; }

void TcxCustomLookAndFeelPainter::DrawImage(TcxCanvas& canvas, const TRect& r, const TImageList* imageList,
                                            int imageIndex, bool) const {
  const TcxPaintStateGuard guard(canvas);
  if (imageList) imageList->Draw(canvas.Canvas(), r.left, r.top, imageIndex);
}

SIZE TcxCustomLookAndFeelPainter::ExtHookSize1() const { return {0, 0}; }
void TcxCustomLookAndFeelPainter::ExtHookDraw1(TcxCanvas&, const TRect&) const {}
void TcxCustomLookAndFeelPainter::ExtHookDraw2(TcxCanvas&, const TRect&) const {}
TRect TcxCustomLookAndFeelPainter::ExtHookMargins1() const { return EmptyRect; }
TColor TcxCustomLookAndFeelPainter::ExtHookColor1() const { return clDefault; }
void TcxCustomLookAndFeelPainter::ExtHookDraw3(TcxCanvas&, const TRect&) const {}
void TcxCustomLookAndFeelPainter::ExtHookDraw4(TcxCanvas&, const TRect&) const {}
void TcxCustomLookAndFeelPainter::ExtHookDraw5(TcxCanvas&, const TRect&) const {}
TRect TcxCustomLookAndFeelPainter::ExtHookMargins2() const { return EmptyRect; }
TColor TcxCustomLookAndFeelPainter::ExtHookColor2() const { return clDefault; }
void TcxCustomLookAndFeelPainter::ExtHookDraw6(TcxCanvas&, const TRect&) const {}
void TcxCustomLookAndFeelPainter::ExtHookDraw7(TcxCanvas&, const TRect&) const {}
SIZE TcxCustomLookAndFeelPainter::ExtHookSize2() const { return {0, 0}; }
TColor TcxCustomLookAndFeelPainter::ExtHookColor3() const { return clDefault; }
int TcxCustomLookAndFeelPainter::ExtHookValue() const { return 0; }
void TcxCustomLookAndFeelPainter::ExtHookDraw8(TcxCanvas&, const TRect&) const {}
SIZE TcxCustomLookAndFeelPainter::ExtHookSize3() const { return {0, 0}; }

// The instances and the unit.

TcxLookAndFeelPainterClass cxStandardLookAndFeelPainter() { return &gStandardPainter; }
TcxLookAndFeelPainterClass cxFlatLookAndFeelPainter() { return &gFlatPainter; }
TcxLookAndFeelPainterClass cxUltraFlatLookAndFeelPainter() { return &gUltraFlatPainter; }
TcxLookAndFeelPainterClass cxOffice11LookAndFeelPainter() { return &gOffice11Painter; }
TcxLookAndFeelPainterClass cxWinXPLookAndFeelPainter() { return &gWinXPPainter; }

// Drawing the eighty images costs more than the rest of the unit's start-up,
// and a program without radio buttons never needs them: they are made the
// first time they are asked for.
TcxRadioButtonImageList* cxRadioButtonImageList() {
  if (!gRadioButtonImageList && gUnit.Active())
    gRadioButtonImageList = std::make_unique<TcxRadioButtonImageList>(MeasureRadioGlyph());
  return gRadioButtonImageList.get();
}

void TcxExtendedStylePainters::AddListener(IcxLookAndFeelPainterListener* listener) {
  if (std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end()) FListeners.push_back(listener);
}

void TcxExtendedStylePainters::RemoveListener(IcxLookAndFeelPainterListener* listener) {
  std::erase(FListeners, listener);
}

bool TcxExtendedStylePainters::GetPainterByName(const std::string& name, TcxLookAndFeelPainterClass& painter) const {
  for (const TEntry& entry : FEntries)
    if (lstrcmpiA(entry.Name.c_str(), name.c_str()) == 0) {
      painter = entry.Painter;
      return true;
    }
  return false;
}

void TcxExtendedStylePainters::Register(const std::string& name, TcxLookAndFeelPainterClass painter) {
  FEntries.push_back({name, painter});
  NotifyListeners();
}

void TcxExtendedStylePainters::Unregister(TcxLookAndFeelPainterClass painter) {
  std::erase_if(FEntries, [painter](const TEntry& entry) { return entry.Painter == painter; });
  NotifyListeners();
}

// A listener that loses its skin painter leaves the list while it is told:
// the list is taken first, and each is told only while still listed.
void TcxExtendedStylePainters::NotifyListeners() {
  const std::vector<IcxLookAndFeelPainterListener*> listeners = FListeners;
  for (IcxLookAndFeelPainterListener* listener : listeners)
    if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end()) listener->PainterChanged();
}

TcxExtendedStylePainters* GetExtendedStylePainters() { return gExtendedStylePainters.get(); }

// Made when first asked for, and again whenever asked for while missing.
const TBitmap& cxScrollBarPatternBitmap(bool pressed) {
  if (!gPatternBitmaps[0] || !gPatternBitmaps[1]) MakePatternBitmaps();
  return *gPatternBitmaps[pressed ? 1 : 0];
}

void cxRefreshScrollBarPatternBitmaps() {
  gPatternBitmaps[0].reset();
  gPatternBitmaps[1].reset();
}

void cxLookAndFeelPaintersInitialize() {
  if (!gUnit.Enter()) return;
  gExtendedStylePainters = std::make_unique<TcxExtendedStylePainters>();
  gSystemPaletteChangedNotifier = std::make_unique<TSystemPaletteChangedNotifier>();
}

void cxLookAndFeelPaintersFinalize() {
  if (!gUnit.Leave()) return;
  gSystemPaletteChangedNotifier.reset();
  gPatternBitmaps[0].reset();
  gPatternBitmaps[1].reset();
  gIndicatorImages.reset();
  gRadioButtonImageList.reset();
  gExtendedStylePainters.reset();
  gCheckButtonSize.reset();
}
