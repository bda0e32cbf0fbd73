#pragma once
// TfrmPortEnable: the bandwidth allocation dialog. One row per E1 line says
// whether the line carries traffic in the receive and in the transmit
// direction; the operator changes cells through the grid's popup menu.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/core/Menus.h"

class TfrmPortEnable : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);
  void StringGridE1SelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void fillcellstrings(TObject* Sender);

  void ReadPortEnable(std::string& Result);
  void SetPortEnable(std::string& Result);

  TStringGrid* StringGridE1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  void ShowBandwidth(const std::string& value);
  uint8_t BandwidthOctet(int row) const;

  TConfExchange FDevice{*this, TSetCommunity::Write};
  std::string FActive;
  std::string FInactive;
};

// The instance the program body creates at start-up; the menu opens fresh ones.
extern TfrmPortEnable* frmPortEnable;
