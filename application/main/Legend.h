#pragma once
// TLegend: explains the colours of the Ethernet lamps of the main window.
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Label.h"
#include "platform/controls/drawn/Shape.h"

class TLegend : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TShape* ShapeSpeed100 = nullptr;
  TShape* ShapeSpeed10 = nullptr;
  TShape* ShapeDuplexFull = nullptr;
  TShape* ShapeDuplexHalf = nullptr;
  TShape* ShapeDisconnected = nullptr;
  TBitBtn* BitBtnOk = nullptr;
};
