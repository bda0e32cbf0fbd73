#include "platform/controls/drawn/Image.h"

#include "platform/classes/ClassBuilder.h"

TClass TImage::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TImage>("TImage", TGraphicControl::StaticClass()).Object("Picture", &TImage::Picture).Build();
  return &metaClass;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  FPicture.SetOnChange([this](TObject*) { Invalidate(); });
}

void TImage::Paint() { Canvas().Draw(0, 0, FPicture.Bitmap()); }
