#include "application/main/Legend.h"

#include "platform/classes/ClassBuilder.h"

TClass TLegend::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TLegend>("TLegend", TForm::StaticClass())
                                          .Field("ShapeSpeed100", &TLegend::ShapeSpeed100)
                                          .Field("ShapeSpeed10", &TLegend::ShapeSpeed10)
                                          .Field("ShapeDuplexFull", &TLegend::ShapeDuplexFull)
                                          .Field("ShapeDuplexHalf", &TLegend::ShapeDuplexHalf)
                                          .Field("ShapeDisconnected", &TLegend::ShapeDisconnected)
                                          .Field("BitBtnOk", &TLegend::BitBtnOk)
                                          .Build();
  return &metaClass;
}
