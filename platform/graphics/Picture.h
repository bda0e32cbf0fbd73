#pragma once
// TPicture: the picture of an image control. A form names a bitmap resource
// of the executable (Picture.Bitmap = 'NAME'); the picture loads it and keeps
// the name, so the form can be written back.
#include <string>

#include "platform/classes/Component.h"
#include "platform/graphics/Bitmap.h"

class TPicture : public TPersistent {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TBitmap& Bitmap() { return FBitmap; }
  const TBitmap& Bitmap() const { return FBitmap; }
  // The resource the picture came from; empty when it came from elsewhere or is empty.
  const std::string& BitmapName() const { return FBitmapName; }
  // Loads the bitmap resource of that name from the executable; raises EInvalidGraphic.
  void LoadBitmapResource(const std::string& name);

  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

 private:
  TBitmap FBitmap;
  std::string FBitmapName;
  TNotifyEvent FOnChange;
};
