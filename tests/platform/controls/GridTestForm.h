#pragma once
// A form read from tests/platform/controls/forms/TGridTestForm.form: a grid
// wider than the form, one sized column by column, a popup menu, a lamp and a hidden template image, as the port-state
// display and the port dialogs lay them out. It logs the cells selected and
// can refuse a row.
#include <utility>
#include <vector>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/drawn/Image.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/drawn/Shape.h"

class TGridTestForm : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TGridTestForm>("TGridTestForm", TForm::StaticClass())
                                            .Field("Grid", &TGridTestForm::Grid)
                                            .Field("SizedGrid", &TGridTestForm::SizedGrid)
                                            .Field("Lamp", &TGridTestForm::Lamp)
                                            .Field("Template", &TGridTestForm::Template)
                                            .Field("PopupMenu1", &TGridTestForm::PopupMenu1)
                                            .Method("GridSelectCell", &TGridTestForm::GridSelectCell)
                                            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  void GridSelectCell(TObject*, int col, int row, bool& canSelect) {
    Selected.emplace_back(col, row);
    canSelect = row != RefusedRow;
  }

  TStringGrid* Grid = nullptr;
  TStringGrid* SizedGrid = nullptr;
  TShape* Lamp = nullptr;
  TImage* Template = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  std::vector<std::pair<int, int>> Selected;
  int RefusedRow = -1;
};
