#include "platform/graphics/Picture.h"

#include "platform/classes/ClassBuilder.h"

TClass TPicture::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TPicture>("TPicture", TPersistent::StaticClass())
                                          .Bitmap("Bitmap", &TPicture::BitmapName, &TPicture::LoadBitmapResource)
                                          .Build();
  return &metaClass;
}

void TPicture::LoadBitmapResource(const std::string& name) {
  FBitmap.LoadFromResourceName(GetModuleHandleA(nullptr), name);
  FBitmapName = name;
  if (FOnChange) FOnChange(this);
}
