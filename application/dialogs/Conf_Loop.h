#pragma once
// TConf_LoopW: the loopback dialog. One row per E1 line says whether the line
// is looped back; the operator changes cells through the grid's popup menu.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/core/Menus.h"

class TConf_LoopW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);
  void StringGridLoopSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void fillcellstrings(TObject* Sender);

  void ReadPortLoop(std::string& Result);
  void SetPortLoop(std::string& Result);

  TStringGrid* StringGridLoop = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  void ShowLoops(const std::string& value);

  TConfExchange FDevice{*this, TSetCommunity::Write};
};
