#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "controls/editors/text/cxTextEditViewInfo.h"
#include "tests/controls/editors/EditUnitsFixture.h"
#include "tests/controls/editors/FakeEditViewOwner.h"

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 40;

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

COLORREF Rgb(TColor color) { return ColorToRGB(color); }

class TextEditViewTest : public EditUnitsTest {
 protected:
  void SetUp() override {
    EditUnitsTest::SetUp();
    FProperties = CreatePersistentOf<TcxTextEditProperties>(TcxTextEditProperties::StaticClass(), nullptr);
    FEditor = std::make_unique<TFakeEditor>();
    FEditor->Style().SetEditBorderStyle(ebsSingle);
    FEditor->Style().SetShadow(false);
    FBitmap.SetSize(kWidth, kHeight);
    FCanvas.FillRectWithColor(TRect{0, 0, kWidth, kHeight}, clBlue);
  }
  void TearDown() override {
    FEditor.reset();
    FProperties.reset();
    EditUnitsTest::TearDown();
  }
  std::unique_ptr<TcxCustomTextEditViewData> MakeViewData(bool inplace = false) {
    std::unique_ptr<TcxCustomEditViewData> data = FProperties->CreateViewData(FEditor->Style(), inplace);
    data->Editor = FEditor.get();
    return std::unique_ptr<TcxCustomTextEditViewData>(static_cast<TcxCustomTextEditViewData*>(data.release()));
  }
  // Calculates the looks of `text` in bounds of the height and width.
  void Calculate(TcxCustomTextEditViewData& data, const std::string& text, int height, int width = kWidth) {
    data.Calculate(FCanvas, TRect{0, 0, width, height}, {-1, -1}, mbLeft, {}, FViewInfo, false);
    data.EditValueToDrawValue(Variant(text), FViewInfo);
  }
  int LineHeight() {
    FCanvas.SetFont(*FEditor->Style().Font());
    return FCanvas.TextHeight("Zg");
  }
  int TextWidth(const std::string& text) {
    FCanvas.SetFont(*FEditor->Style().Font());
    return FCanvas.TextWidth(text);
  }
  COLORREF Pixel(int x, int y) { return GetPixel(FBitmap.DC(), x, y); }
  int CountInside(const TRect& r, COLORREF color) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) count += Pixel(x, y) == color;
    return count;
  }
  // The right end of the pixels in `color` inside `r`; r.left when there are none.
  int RightOf(const TRect& r, COLORREF color) {
    int right = r.left;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (Pixel(x, y) == color) right = std::max(right, x + 1);
    return right;
  }

  TOwned<TcxTextEditProperties> FProperties;
  std::unique_ptr<TFakeEditor> FEditor;
  TBitmap FBitmap;
  TcxCanvas FCanvas{FBitmap.Canvas()};
  TcxCustomTextEditViewInfo FViewInfo;
};

}  // namespace

TEST_F(TextEditViewTest, TheTextRectangleIsALineOfTheFontHighOutOfPlace) {
  const int line = LineHeight();
  ASSERT_GT(line, 6);
  struct TCase {
    const char* Name;
    bool Inplace;
    int Height;
    std::string Rect;
  };
  const TCase cases[] = {
      {"grows to the line", false, line + 1, "1,1,99," + std::to_string(line + 1)},
      {"grows no further than the bounds", false, 6, "1,1,99,6"},
      {"higher content stays", false, 40, "1,1,99,39"},
      {"in place it never grows", true, line - 2, "0,0,100," + std::to_string(line - 2)},
  };
  for (const TCase& c : cases) {
    std::unique_ptr<TcxCustomTextEditViewData> data = MakeViewData(c.Inplace);
    Calculate(*data, "Zg", c.Height);
    EXPECT_EQ(Text(FViewInfo.TextRect), c.Rect) << c.Name;
  }
}

TEST_F(TextEditViewTest, SelectionColours) {
  const COLORREF windowText = Rgb(clWindowText);
  const COLORREF highlight = Rgb(clHighlight);
  struct TCase {
    const char* Name;
    TColor Selection;
    TColor SelectionText;
    TColor Background;
    COLORREF ExpectedBackground;
    COLORREF ExpectedText;
  };
  const TCase cases[] = {
      {"a text colour and the inverse", clDefault, clRed, clWindow, Rgb(clAqua), Rgb(clRed)},
      {"a system text colour inverted by its RGB", clDefault, clWindowText, clWindow, windowText ^ 0xFFFFFF,
       windowText},
      {"both set", clYellow, clRed, clWindow, Rgb(clYellow), Rgb(clRed)},
      {"a system background inverted by its RGB", clHighlight, clDefault, clWindow, highlight, highlight ^ 0xFFFFFF},
      {"over the highlight colour", clDefault, clDefault, clHighlight, Rgb(clWhite), Rgb(clBlack)},
      {"over the highlight's RGB", clDefault, clDefault, static_cast<TColor>(highlight), Rgb(clWhite), Rgb(clBlack)},
      {"the system's highlight elsewhere", clDefault, clDefault, clWindow, highlight, Rgb(clHighlightText)},
  };
  for (const TCase& c : cases) {
    const TcxTextSelectionColors colors = TextSelectionColors(c.Selection, c.SelectionText, c.Background);
    EXPECT_EQ(Rgb(colors.Background), c.ExpectedBackground) << c.Name;
    EXPECT_EQ(Rgb(colors.Text), c.ExpectedText) << c.Name;
  }
}

TEST_F(TextEditViewTest, ASelectedEditorOverTheHighlightColourShowsBlackOnWhite) {
  struct TCase {
    TColor Background;
    COLORREF Fill;
    COLORREF Ink;
  };
  for (const TCase& c :
       {TCase{clHighlight, Rgb(clWhite), Rgb(clBlack)}, TCase{clWindow, Rgb(clHighlight), Rgb(clHighlightText)}}) {
    SCOPED_TRACE(c.Background);
    FEditor->Style().SetColor(c.Background);
    std::unique_ptr<TcxCustomTextEditViewData> data = MakeViewData();
    data->Selected = true;
    Calculate(*data, "WWW", kHeight);
    FViewInfo.Paint(FCanvas);
    const TRect area = FViewInfo.TextAreaRect();
    EXPECT_EQ(Pixel(area.right - 2, area.bottom - 2), c.Fill) << "the area beside the text";
    EXPECT_GT(CountInside(area, c.Ink), 0) << "the text";
    EXPECT_EQ(CountInside(area, Rgb(clBlue)), 0) << "nothing left unpainted";
  }
}

TEST_F(TextEditViewTest, AnUnfocusedEditorShowsItsSelectionOnlyWhenItDoesNotHideIt) {
  const COLORREF highlight = Rgb(clHighlight);
  for (bool hideSelection : {true, false}) {
    SCOPED_TRACE(hideSelection);
    FProperties->SetHideSelection(hideSelection);
    std::unique_ptr<TcxCustomTextEditViewData> data = MakeViewData();
    data->SelStart = 0;
    data->SelLength = 3;
    Calculate(*data, "WWWWWW", kHeight);
    FViewInfo.Paint(FCanvas);
    const TRect& text = FViewInfo.TextRect;
    if (hideSelection) {
      EXPECT_EQ(CountInside(text, highlight), 0);
      continue;
    }
    EXPECT_EQ(RightOf(text, highlight), text.left + TextWidth("WWW")) << "the first three letters";
    EXPECT_GT(CountInside(text, Rgb(clHighlightText)), 0) << "their ink";
  }
}

TEST_F(TextEditViewTest, TheCutTextQuery) {
  const std::string longText(30, 'W');
  struct TCase {
    const char* Name;
    std::string Text;
    bool Inplace;
    int Height;
    POINT Point;
    bool Hint;
  };
  const TCase cases[] = {
      {"a text that fits", "Wg", false, kHeight, {10, 10}, false},
      {"a line wider than its rectangle", longText, false, kHeight, {10, 10}, true},
      {"a point beside the text rectangle", longText, false, kHeight, {0, 10}, false},
      {"blanks past the end count for nothing", "Wg" + std::string(80, ' '), false, kHeight, {10, 10}, false},
      {"a line higher than its rectangle", "Wg", true, 5, {10, 2}, true},
  };
  for (const TCase& c : cases) {
    std::unique_ptr<TcxCustomTextEditViewData> data = MakeViewData(c.Inplace);
    Calculate(*data, c.Text, c.Height);
    std::string hint = "untouched";
    TRect hintRect{};
    EXPECT_EQ(FViewInfo.GetTextHint(FCanvas, c.Point, hint, hintRect), c.Hint) << c.Name;
    if (!c.Hint) continue;
    EXPECT_EQ(hint, c.Text) << c.Name;
    EXPECT_EQ(Text(hintRect), Text(FViewInfo.TextRect)) << c.Name;
  }
}

TEST_F(TextEditViewTest, TheTextBottomByVerticalAlignment) {
  const TRect rect{0, 10, 50, 30};
  struct TCase {
    TcxEditVertAlignment Alignment;
    int TextHeight;
    int Bottom;
  };
  const TCase cases[] = {
      {taTopJustify, 8, 17}, {taBottomJustify, 8, 29}, {taVCenter, 8, 23}, {taVCenter, 9, 23}, {taVCenter, 25, 31},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(TextEditTextBottom(rect, c.TextHeight, c.Alignment), c.Bottom) << c.Alignment << " " << c.TextHeight;
}

TEST_F(TextEditViewTest, MovedAndCopiedLooksKeepTheirLinesWithTheText) {
  FProperties->Alignment()->SetHorz(taRightJustify);
  std::unique_ptr<TcxCustomTextEditViewData> data = MakeViewData();
  Calculate(*data, "Wg", kHeight);
  ASSERT_EQ(FViewInfo.TextRows.size(), 1u);
  EXPECT_EQ(FViewInfo.TextRows[0].TextOriginX, 99 - TextWidth("Wg")) << "laid out by the alignment";
  const TcxTextRow before = FViewInfo.TextRows[0];
  FViewInfo.Offset(5, 7);
  EXPECT_EQ(Text(FViewInfo.TextRect), "6,8,104,46");
  EXPECT_EQ(FViewInfo.TextRows[0].TextOriginX, before.TextOriginX + 5);
  EXPECT_EQ(FViewInfo.TextRows[0].TextOriginY, before.TextOriginY + 7);

  TcxCustomTextEditViewInfo copy;
  copy.Assign(&FViewInfo);
  FViewInfo.Text = "changed";
  ASSERT_EQ(copy.TextRows.size(), 1u);
  EXPECT_EQ(std::string(copy.TextRows[0].Text, copy.TextRows[0].TextLength), "Wg");
}
