#include "platform/graphics/GraphicsObjects.h"

#include "platform/classes/ClassBuilder.h"

namespace {

const TIdentMap kBrushStyles = {{bsSolid, "bsSolid"}, {bsClear, "bsClear"}};

int ScreenPixelsPerInch() {
  const TWindowDC screen(nullptr);
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

// Points to the logical height GDI wants: negative, so it is the character height.
int FontHeight(int points) { return -MulDiv(points, ScreenPixelsPerInch(), 72); }

}  // namespace

const TIdentMap& FontStyleIdents() {
  static const TIdentMap idents = {
      {fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"}, {fsStrikeOut, "fsStrikeOut"}};
  return idents;
}

TClass TGraphicsObject::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TGraphicsObject>("TGraphicsObject", TPersistent::StaticClass()).Build();
  return &metaClass;
}

// The old GDI object goes before the owner hears: an owner that hands the
// handle on (a window's font) must get the new one, not one about to be deleted.
void TGraphicsObject::Changed() {
  ReleaseHandle();
  if (FOnChange) FOnChange(this);
}

TClass TFont::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TFont>("TFont", TGraphicsObject::StaticClass())
          .String("Name", &TFont::Name, &TFont::SetName)
          .Integer("Size", &TFont::Size, &TFont::SetSize, 8)
          .Integer("Color", &TFont::Color, &TFont::SetColor, clWindowText, &ColorIdents())
          .Set("Style", &TFont::Style, &TFont::SetStyle, FontStyleIdents(), TFontStyles{})
          .Build();
  return &metaClass;
}

void TFont::SetName(const std::string& value) {
  FName = value;
  Changed();
}

void TFont::SetSize(int value) {
  FSize = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  FColor = value;
  Changed();
}

void TFont::SetStyle(TFontStyles value) {
  FStyle = value;
  Changed();
}

int TFont::Height() const { return FontHeight(FSize); }

void TFont::SetHeight(int value) {
  FSize = -MulDiv(value, 72, ScreenPixelsPerInch());
  Changed();
}

void TFont::SetCharset(BYTE value) {
  FCharset = value;
  Changed();
}

void TFont::Assign(const TFont& source) {
  // An unchanged font keeps its GDI object: canvases assign fonts on every paint.
  if (FName == source.FName && FSize == source.FSize && FColor == source.FColor && FStyle == source.FStyle &&
      FCharset == source.FCharset)
    return;
  FName = source.FName;
  FSize = source.FSize;
  FColor = source.FColor;
  FStyle = source.FStyle;
  FCharset = source.FCharset;
  Changed();
}

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONTA font{};
    font.lfHeight = FontHeight(FSize);
    font.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = FStyle.Contains(fsItalic);
    font.lfUnderline = FStyle.Contains(fsUnderline);
    font.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    font.lfCharSet = FCharset;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(font.lfFaceName, FName.c_str(), LF_FACESIZE);
    FHandle.Reset(CreateFontIndirectA(&font));
  }
  return FHandle.Get();
}

TClass TBrush::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TBrush>("TBrush", TGraphicsObject::StaticClass())
          .Integer("Color", &TBrush::Color, &TBrush::SetColor, clWhite, &ColorIdents())
          .Enumeration("Style", &TBrush::Style, &TBrush::SetStyle, kBrushStyles, bsSolid)
          .Build();
  return &metaClass;
}

// A colour set on a clear brush makes it solid, so only a solid brush of that colour stays as it is.
void TBrush::SetColor(TColor value) {
  if (value == FColor && FStyle == bsSolid) return;
  FColor = value;
  FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TBrush::SetPatternBitmap(HBITMAP value) {
  if (value == FPatternBitmap) return;
  FPatternBitmap = value;
  Changed();
}

void TBrush::Assign(const TBrush& source) {
  if (FColor == source.FColor && FStyle == source.FStyle && FPatternBitmap == source.FPatternBitmap) return;
  FColor = source.FColor;
  FStyle = source.FStyle;
  FPatternBitmap = source.FPatternBitmap;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (!FHandle && FPatternBitmap) FHandle.Reset(CreatePatternBrush(FPatternBitmap));
  if (!FHandle) {
    const LOGBRUSH brush{static_cast<UINT>(FStyle == bsClear ? BS_NULL : BS_SOLID), ColorToRGB(FColor), 0};
    FHandle.Reset(CreateBrushIndirect(&brush));
  }
  return FHandle.Get();
}

TClass TPen::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TPen>("TPen", TGraphicsObject::StaticClass())
                                          .Integer("Color", &TPen::Color, &TPen::SetColor, clBlack, &ColorIdents())
                                          .Integer("Width", &TPen::Width, &TPen::SetWidth, 1)
                                          .Build();
  return &metaClass;
}

void TPen::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value == FWidth) return;
  FWidth = value;
  Changed();
}

void TPen::Assign(const TPen& source) {
  if (FColor == source.FColor && FWidth == source.FWidth) return;
  FColor = source.FColor;
  FWidth = source.FWidth;
  Changed();
}

HPEN TPen::Handle() {
  if (!FHandle) FHandle.Reset(CreatePen(PS_SOLID, FWidth, ColorToRGB(FColor)));
  return FHandle.Get();
}
