#pragma once
// TConf_SetVlanW: the port VLANs. The device's VLAN function is switched on
// or off as a whole, and each port has a VLAN identifier, a mode and its
// member ports. The four Ethernet ports are the "Output" side, port 5 the
// "Input" side; the grid shows one side at a time, one row per port, with
// the port's check-list combo box of member ports over its "Ports" cell.
// What is typed for the ports of one side stays with them while the other
// side is shown.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "application/dialogs/ConfDialog.h"
#include "controls/editors/check/cxCheckComboBox.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/common/PageControl.h"
#include "platform/controls/standard/RadioGroup.h"

constexpr int kVlanPortCount = 5;

// What a read asks for: the enable and every port, the enable only, or the
// ports of the side shown.
enum class TVlanReadScope { All, Enable, ShownPorts };

enum class TVlanSide { Output, Input };

// The grid's columns: the port's label, its mode, its VLAN identifier, a
// priority that is never sent, and the cell its member ports lie over.
enum TVlanColumn { vcPort, vcMode, vcId, vcPriority, vcPorts, vcCount };

// A port row's texts by column, kept while the other side is shown.
using TVlanRowTexts = std::array<std::string, vcCount>;

class TConf_SetVlanW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);
  void RDGVlanClick(TObject* Sender);
  void StringGridVlanSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);

  // Shows no box: its callers say how it went.
  void ReadVlanConfig(TVlanReadScope scope, std::string& Result);
  void SetVlanConfig(std::string& Result);
  void SetVlanEnable(std::string& Result);

  TPageControl* PgcVlan = nullptr;
  TTabSheet* TabSheetEnable = nullptr;
  TRadioGroup* RdgEnable = nullptr;
  TTabSheet* TabSheetConfig = nullptr;
  TRadioGroup* RDGVlan = nullptr;
  TPageControl* PgcPorts = nullptr;
  TTabSheet* TbsVlan = nullptr;
  TStringGrid* StringGridVlan = nullptr;
  TcxCheckComboBox* chkPort1 = nullptr;
  TcxCheckComboBox* chkPort2 = nullptr;
  TcxCheckComboBox* chkPort3 = nullptr;
  TcxCheckComboBox* chkPort4 = nullptr;
  TcxCheckComboBox* chkPort5 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  void SetUpGrid();
  void ShowReadResult(const std::string& result);
  bool ReadEnable();
  bool ReadPort(int port);
  void ShowPortVlan(int port, const std::string& value);
  // Into the port's row, or into the texts kept for it while it is not shown.
  void SetPortText(int port, TVlanColumn column, const std::string& text);
  bool IdsValid() const;
  std::vector<uint8_t> PortRecord(int row) const;
  void ModeItemClick(TObject* Sender);

  // The side shown, its ports and their rows.
  TVlanSide ChosenSide() const;
  void ShowSide(TVlanSide side);
  void KeepShownRows();
  void ShowKeptRows();
  int RowCountOf(TVlanSide side) const;
  int PortOfRow(int row) const;
  // The row that shows the port, or 0 while the other side is up.
  int RowOfPort(int port) const;
  TcxCheckComboBox& MemberBox(int port) const;
  void PlaceMemberBox(int port, int row);

  TConfExchange FDevice{*this, TSetCommunity::Write};
  TVlanSide FSide = TVlanSide::Output;
  std::array<TVlanRowTexts, kVlanPortCount> FKeptRows;
};

// The instance the program body creates at start-up; the menu opens fresh ones.
extern TConf_SetVlanW* Conf_SetVlanW;
