#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/Picture.h"

namespace {

COLORREF PixelAt(const TBitmap& bitmap, int x, int y) { return GetPixel(bitmap.DC(), x, y); }

// A bitmap of that size filled with one colour.
void Fill(TBitmap& bitmap, int width, int height, TColor color) {
  bitmap.SetSize(width, height);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(Rect(0, 0, width, height));
}

TEST(ColorTest, SystemColoursAreResolvedWhenDrawingAndOthersPassThrough) {
  EXPECT_EQ(clBtnFace, static_cast<TColor>(0xFF00000F));
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindow), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ColorToRGB(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(ColorToRGB(clLime), RGB(0, 255, 0));
  EXPECT_EQ(ColorToRGB(clSilver), RGB(192, 192, 192));
}

TEST(ColorTest, FormsNameColoursWithOrWithoutCase) {
  int64_t value = 0;
  ASSERT_TRUE(IdentToInt(ColorIdents(), "clWhite", value));
  EXPECT_EQ(value, 0xFFFFFF);
  ASSERT_TRUE(IdentToInt(ColorIdents(), "CLBTNFACE", value));
  EXPECT_EQ(static_cast<TColor>(value), clBtnFace);
  ASSERT_TRUE(IdentToInt(ColorIdents(), "clNone", value));
  EXPECT_EQ(value, 0x1FFFFFFF);
  EXPECT_FALSE(IdentToInt(ColorIdents(), "clMauve", value));
}

TEST(CanvasTest, FillRectPaintsExactlyTheRectangleInTheBrushColour) {
  TBitmap bitmap;
  Fill(bitmap, 20, 20, clWhite);
  bitmap.Canvas().Brush().SetColor(clRed);
  bitmap.Canvas().FillRect(Rect(5, 5, 10, 10));
  EXPECT_EQ(PixelAt(bitmap, 5, 5), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(bitmap, 9, 9), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(bitmap, 10, 10), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(bitmap, 4, 5), RGB(255, 255, 255));
}

TEST(CanvasTest, ABrushChangedWhileInUseDrawsInItsNewColour) {
  TBitmap bitmap;
  Fill(bitmap, 4, 4, clRed);
  bitmap.Canvas().Brush().SetColor(clBtnFace);
  bitmap.Canvas().FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(PixelAt(bitmap, 1, 1), GetSysColor(COLOR_BTNFACE));
  bitmap.Canvas().Pen().SetColor(clBlue);
  bitmap.Canvas().MoveTo(0, 2);
  bitmap.Canvas().LineTo(4, 2);
  bitmap.Canvas().Pen().SetColor(clLime);
  bitmap.Canvas().MoveTo(0, 3);
  bitmap.Canvas().LineTo(4, 3);
  EXPECT_EQ(PixelAt(bitmap, 1, 2), RGB(0, 0, 255));
  EXPECT_EQ(PixelAt(bitmap, 1, 3), RGB(0, 255, 0));
}

TEST(CanvasTest, TextWidthMeasuresWithTheCanvasFont) {
  TBitmap bitmap;
  bitmap.SetSize(10, 10);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetName("Arial");
  canvas.Font().SetSize(20);
  canvas.Font().SetStyle({fsBold});
  const std::string text = "Alarm Mask";

  TBitmap reference;
  reference.SetSize(10, 10);
  LOGFONTA font{};
  font.lfHeight = -MulDiv(20, GetDeviceCaps(reference.DC(), LOGPIXELSY), 72);
  font.lfWeight = FW_BOLD;
  lstrcpyA(font.lfFaceName, "Arial");
  const TGdiObject<HFONT> handle(CreateFontIndirectA(&font));
  const TSelectedObject selected(reference.DC(), handle.Get());
  SIZE expected{};
  GetTextExtentPoint32A(reference.DC(), text.c_str(), static_cast<int>(text.size()), &expected);

  EXPECT_EQ(canvas.TextWidth(text), expected.cx);
  EXPECT_EQ(canvas.TextHeight(text), expected.cy);
  EXPECT_GT(canvas.TextWidth(text), canvas.TextWidth("Alarm"));
  EXPECT_EQ(canvas.TextWidth(""), 0);
}

TEST(CanvasTest, TextIsDrawnInTheFontColourOnTheBrushUnlessTheBrushIsClear) {
  TBitmap bitmap;
  Fill(bitmap, 60, 30, clRed);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetColor(clBlue);
  canvas.Brush().SetColor(clWhite);
  canvas.TextOut(0, 0, "MMM");
  const int width = canvas.TextWidth("MMM");
  const int height = canvas.TextHeight("MMM");
  int blue = 0;
  int white = 0;
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      blue += PixelAt(bitmap, x, y) == RGB(0, 0, 255);
      white += PixelAt(bitmap, x, y) == RGB(255, 255, 255);
    }
  }
  EXPECT_GT(blue, 0);
  EXPECT_GT(white, 0);
  EXPECT_EQ(PixelAt(bitmap, width + 1, 1), RGB(255, 0, 0));

  Fill(bitmap, 60, 30, clRed);
  canvas.Brush().SetStyle(bsClear);
  canvas.TextOut(0, 0, "MMM");
  int background = 0;
  for (int x = 0; x < width; ++x) background += PixelAt(bitmap, x, 0) == RGB(255, 255, 255);
  EXPECT_EQ(background, 0);
}

TEST(CanvasTest, TextRectKeepsTheTextInsideTheRectangle) {
  TBitmap bitmap;
  Fill(bitmap, 100, 20, clRed);
  bitmap.Canvas().Brush().SetColor(clWhite);
  bitmap.Canvas().Font().SetColor(clBlack);
  bitmap.Canvas().TextRect(Rect(0, 0, 10, 20), 2, 2, "WWWWWWWWWW");
  EXPECT_EQ(PixelAt(bitmap, 0, 0), RGB(255, 255, 255));
  for (int x = 10; x < 100; ++x) ASSERT_EQ(PixelAt(bitmap, x, 5), RGB(255, 0, 0)) << x;
}

TEST(CanvasTest, DrawCopiesABitmapResourceToThePoint) {
  TBitmap picture;
  picture.LoadFromResourceName(GetModuleHandleA(nullptr), "BLUEGREEN");
  ASSERT_EQ(picture.Width(), 8);
  ASSERT_EQ(picture.Height(), 6);
  TBitmap bitmap;
  Fill(bitmap, 20, 20, clWhite);
  bitmap.Canvas().Draw(5, 7, picture);
  EXPECT_EQ(PixelAt(bitmap, 5, 7), RGB(0, 0, 255));
  EXPECT_EQ(PixelAt(bitmap, 8, 12), RGB(0, 0, 255));
  EXPECT_EQ(PixelAt(bitmap, 9, 7), RGB(0, 255, 0));
  EXPECT_EQ(PixelAt(bitmap, 12, 12), RGB(0, 255, 0));
  EXPECT_EQ(PixelAt(bitmap, 13, 7), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(bitmap, 5, 13), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(bitmap, 4, 7), RGB(255, 255, 255));
}

TEST(CanvasTest, LettingGoOfAContextSelectsItsOwnObjectsBack) {
  TBitmap bitmap;
  bitmap.SetSize(4, 4);
  const HDC dc = bitmap.DC();
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  {
    TCanvas canvas(dc);
    canvas.Rectangle(0, 0, 4, 4);
    canvas.TextOut(0, 0, "x");
    EXPECT_NE(GetCurrentObject(dc, OBJ_BRUSH), brush);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidGraphicOperation);
    canvas.SetHandle(dc);
    canvas.Ellipse(0, 0, 4, 4);
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
}

// A leak check reads this count: a move must not count a handle twice, nor
// a handed-on one stay counted.
TEST(GdiHandlesTest, TheLiveCountFollowsTheHandlesTheOwnersHold) {
  const long start = TGdiHandleCount::Live();
  const auto held = [start] { return TGdiHandleCount::Live() - start; };
  {
    TGdiObject<HBRUSH> brush(CreateSolidBrush(0));
    TGdiObject<HBRUSH> other;
    EXPECT_EQ(held(), 1);
    TGdiObject<HBRUSH> moved(std::move(brush));
    EXPECT_EQ(held(), 1) << "moved";
    other = std::move(moved);
    EXPECT_EQ(held(), 1) << "move-assigned";
    other.Reset(CreateSolidBrush(0));
    EXPECT_EQ(held(), 1) << "replaced";
    TGdiObject<HRGN> region(CreateRectRgn(0, 0, 1, 1));
    DeleteObject(region.Release());
    EXPECT_EQ(held(), 1) << "handed on";
    const TGdiObject<HPEN> failed(nullptr);
    EXPECT_EQ(held(), 1) << "a failed creation";
    const TMemoryDC dc;
    const TWindowDC screen(nullptr);
    EXPECT_EQ(held(), 3) << "device contexts";
  }
  EXPECT_EQ(held(), 0);
}

TEST(BitmapTest, ResizingAndMissingResources) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  bitmap.Canvas().Draw(0, 0, bitmap);
  bitmap.SetSize(3, 2);
  EXPECT_FALSE(bitmap.Empty());
  EXPECT_EQ(PixelAt(bitmap, 2, 1), RGB(0, 0, 0));
  bitmap.SetSize(0, 5);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Width(), 0);

  TPicture picture;
  picture.LoadBitmapResource("RED10");
  EXPECT_EQ(picture.BitmapName(), "RED10");
  EXPECT_THROW(picture.LoadBitmapResource("NO_SUCH_BITMAP"), EInvalidGraphic);
  EXPECT_EQ(picture.BitmapName(), "RED10");
  EXPECT_EQ(PixelAt(picture.Bitmap(), 9, 9), RGB(255, 0, 0));
}

}  // namespace

TEST(BitmapTest, PixelsRoundTripAndAreWrittenToABitmapFile) {
  TBitmap bitmap;
  int changes = 0;
  bitmap.SetOnChange([&] { ++changes; });
  bitmap.SetSize(2, 2);
  bitmap.SetPixels({0xFF0000FF, 0x00FF0000, 0x0000FF00, 0x80808080});
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(PixelAt(bitmap, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(PixelAt(bitmap, 1, 0), RGB(255, 0, 0));
  EXPECT_EQ(bitmap.GetPixels()[3], 0x80808080u);

  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string file = std::string(folder) + "nepl-bitmap-test.bmp";
  bitmap.SaveToFile(file);
  const TGdiObject<HBITMAP> loaded(
      static_cast<HBITMAP>(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  ASSERT_TRUE(loaded);
  BITMAP header{};
  GetObjectA(loaded.Get(), sizeof header, &header);
  EXPECT_EQ(header.bmWidth, 2);
  EXPECT_EQ(header.bmBitsPixel, 32);
  DeleteFileA(file.c_str());
  EXPECT_THROW(bitmap.SaveToFile("Z:\\no\\such\\folder\\x.bmp"), EInvalidGraphic);
}

TEST(CanvasTest, PolygonsRoundedRectanglesAndInvertingCopies) {
  TBitmap bitmap;
  Fill(bitmap, 10, 10, clWhite);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clRed);
  canvas.Pen().SetColor(clRed);
  const POINT triangle[] = {{0, 0}, {9, 0}, {0, 9}};
  canvas.Polygon(triangle);
  EXPECT_EQ(PixelAt(bitmap, 1, 1), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(bitmap, 8, 8), RGB(255, 255, 255));
  EXPECT_EQ(canvas.Pixels(1, 1), static_cast<TColor>(RGB(255, 0, 0)));
  canvas.SetCopyMode(DSTINVERT);
  canvas.CopyRect(Rect(0, 0, 10, 10), canvas, Rect(0, 0, 10, 10));
  EXPECT_EQ(PixelAt(bitmap, 1, 1), RGB(0, 255, 255));
  EXPECT_EQ(PixelAt(bitmap, 8, 8), RGB(0, 0, 0));
}

TEST(BitmapTest, TheTransparentColourIsTheBottomLeftPixelUnlessOneIsSet) {
  TBitmap bitmap;
  EXPECT_EQ(bitmap.TransparentColor(), clNone);
  Fill(bitmap, 3, 3, clBlue);
  bitmap.Canvas().SetPixels(0, 2, clLime);
  EXPECT_EQ(bitmap.TransparentColor(), clLime);
  bitmap.SetTransparentColor(clRed);
  EXPECT_EQ(bitmap.TransparentColor(), clRed);
  bitmap.SetTransparentColor(clDefault);
  bitmap.Canvas().SetPixels(0, 2, clYellow);
  EXPECT_EQ(bitmap.TransparentColor(), clYellow);
}

TEST(CanvasTest, BrushCopyPutsTheBrushUnderTheColourOrLeavesWhatIsThereWithAClearBrush) {
  // A 4 x 4 source: blue, with lime at (1, 1) and (2, 2).
  TBitmap source;
  Fill(source, 4, 4, clBlue);
  source.Canvas().SetPixels(1, 1, clLime);
  source.Canvas().SetPixels(2, 2, clLime);
  struct TCase {
    const char* Label;
    TBrushStyle Style;
    TColor Shown;
  };
  const TCase cases[] = {{"solid brush", bsSolid, clRed}, {"clear brush", bsClear, clYellow}};
  for (const TCase& c : cases) {
    TBitmap target;
    Fill(target, 8, 8, clYellow);
    target.Canvas().Brush().SetColor(clRed);
    target.Canvas().Brush().SetStyle(c.Style);
    // The source's lower-right 3 x 3 at (4, 4).
    target.Canvas().BrushCopy(Rect(4, 4, 7, 7), source, Rect(1, 1, 4, 4), clLime);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        const bool copied = x >= 4 && x < 7 && y >= 4 && y < 7;
        const bool lime = (x == 4 && y == 4) || (x == 5 && y == 5);
        const TColor expected = !copied ? clYellow : lime ? c.Shown : clBlue;
        EXPECT_EQ(PixelAt(target, x, y), ColorToRGB(expected)) << c.Label << " at " << x << "," << y;
      }
  }
}
