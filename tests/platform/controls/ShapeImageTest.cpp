#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "platform/controls/core/Application.h"
#include "platform/controls/drawn/Image.h"
#include "platform/controls/drawn/Shape.h"
#include "tests/platform/controls/Capture.h"
#include "tests/platform/controls/GridTestForm.h"

namespace {

class ShapeImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterClasses({TGridTestForm::StaticClass()});
    Form = CreateUnowned<TGridTestForm>();
  }

  TOwned<TGridTestForm> Form;
};

TEST_F(ShapeImageTest, ALampIsACircleInItsBrushColour) {
  TShape& lamp = *Form->Lamp;
  EXPECT_EQ(lamp.Shape(), stCircle);
  TBitmap captured;
  CaptureControl(lamp, captured);
  EXPECT_EQ(PixelAt(captured, 5, 5), RGB(0, 255, 0));

  lamp.Brush().SetColor(clYellow);
  CaptureControl(lamp, captured);
  EXPECT_EQ(PixelAt(captured, 5, 5), RGB(255, 255, 0));
  EXPECT_EQ(PixelAt(captured, 0, 5), RGB(0, 0, 0));
  // Only the circle is drawn: the parent shows in the corners.
  EXPECT_EQ(PixelAt(captured, 0, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(PixelAt(captured, 9, 9), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ShapeImageTest, ALampMadeAtRunTimeIsSquaredInsideItsBounds) {
  TShape* lamp = CreateComponent<TShape>(Form.get());
  lamp->SetParent(Form.get());
  lamp->SetBounds(0, 0, 30, 10);
  lamp->SetShape(stCircle);
  lamp->Brush().SetColor(clSilver);
  TBitmap captured;
  CaptureControl(*lamp, captured);
  EXPECT_EQ(PixelAt(captured, 15, 5), RGB(192, 192, 192));
  EXPECT_NE(PixelAt(captured, 5, 5), RGB(192, 192, 192));
  EXPECT_NE(PixelAt(captured, 25, 5), RGB(192, 192, 192));

  lamp->SetShape(stRectangle);
  lamp->Pen().SetColor(clRed);
  CaptureControl(*lamp, captured);
  EXPECT_EQ(PixelAt(captured, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(captured, 29, 9), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(captured, 5, 5), RGB(192, 192, 192));
}

TEST_F(ShapeImageTest, AnImageShowsThePictureItsFormNames) {
  TImage& image = *Form->Template;
  EXPECT_FALSE(image.Visible());
  EXPECT_EQ(image.Picture().BitmapName(), "RED10");
  EXPECT_EQ(image.Picture().Bitmap().Width(), 10);
  image.SetBounds(0, 0, 20, 20);
  image.SetVisible(true);
  TBitmap captured;
  CaptureControl(image, captured);
  EXPECT_EQ(PixelAt(captured, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(captured, 9, 9), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(captured, 15, 15), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
