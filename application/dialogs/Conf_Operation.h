#pragma once
// TConf_OperationW: several settings of the device on the pages of one
// dialog. Only the loopback page reads and sets, and the pause page reads;
// the other pages are layouts whose grids offer their values through the
// shared popup menu. The dialog keeps no write community: the device takes
// its settings with the read community.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/common/PageControl.h"
#include "platform/controls/standard/RadioGroup.h"

class TConf_OperationW : public TForm {
 public:
  // The pages, in their order on the page control.
  enum TPage { pgEnable, pgLoop, pgParameter, pgReset, pgNewVlan, pgSetVlan, pgPause, pgPfiExi, pgLcase };

  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void TabSheet1Show(TObject* Sender);
  void TabSheet2Show(TObject* Sender);
  void TabSheet3Show(TObject* Sender);
  void TabSheet4Show(TObject* Sender);
  void TabSheet5Show(TObject* Sender);
  void TabSheet10Show(TObject* Sender);
  void TabSheet11Show(TObject* Sender);
  void TabSheet12Show(TObject* Sender);
  void TabSheet13Show(TObject* Sender);
  void StringGridSwtSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void StringGridLoopSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void StringGridVlanSSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void fillcellstrings(TObject* Sender);
  void RDGVlanClick(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);

  void ReadPortLoop(std::string& Result);
  void SetPortLoop(std::string& Result);
  void ReadPause(std::string& Result);
  void SetPause(std::string& Result);
  void ReadLcase(std::string& Result);
  void SetLcase(std::string& Result);
  // Exchanges nothing: Result is the index of the active Ethernet port page.
  void ReadPortParameter(std::string& Result);

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TabSheet1 = nullptr;
  TTabSheet* TabSheet2 = nullptr;
  TTabSheet* TabSheet3 = nullptr;
  TTabSheet* TabSheet4 = nullptr;
  TTabSheet* TabSheet5 = nullptr;
  TTabSheet* TabSheet10 = nullptr;
  TTabSheet* TabSheet11 = nullptr;
  TTabSheet* TabSheet12 = nullptr;
  TTabSheet* TabSheet13 = nullptr;
  TStringGrid* StringGridSwt = nullptr;
  TStringGrid* StringGridE1 = nullptr;
  TStringGrid* StringGridLoop = nullptr;
  TPageControl* PgcPara = nullptr;
  TStringGrid* StringGridVlan = nullptr;
  TRadioGroup* RDGVlan = nullptr;
  TTabSheet* TbsVlan = nullptr;
  TStringGrid* StringGridVlanS = nullptr;
  TRadioGroup* RDGEnable = nullptr;
  TRadioGroup* rdgPFI = nullptr;
  TRadioGroup* rdgEXI = nullptr;
  TRadioGroup* RdgLcase = nullptr;
  TBitBtn* BitBtn1 = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TButton* cmdDel = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;

 private:
  void ShowSetButton();
  void PrepareGrids();
  void ChooseFirstItems();
  // Remembers the grid whose selection the popup fills, and readies the
  // popup with `choices` in the value column.
  void PreparePopup(TStringGrid& grid, int col, const std::vector<std::string>& choices);
  void ShowLoops(const std::string& value);
  int ActivePage() const { return PageControl1->ActivePageIndex(); }

  TConfExchange FDevice{*this, TSetCommunity::Read};
  TStringGrid* FPopupGrid = nullptr;
};

// The instance the program body creates at start-up.
extern TConf_OperationW* Conf_OperationW;
