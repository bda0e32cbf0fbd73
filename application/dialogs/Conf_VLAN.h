#pragma once
// TConf_VLANW: the device's VLAN table. The device keeps up to sixteen
// entries in numbered slots, each a VLAN identifier, its member ports ETH1 to
// ETH5 and a priority; the dialog reads the whole table at once and adds or
// deletes one entry by setting its slot. The list shows the used slots, one
// row each in slot order; beyond its two shown columns every row keeps its
// slot number (column 2) and priority (column 3).
#include <array>
#include <cstdint>
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/standard/CheckBox.h"
#include "platform/controls/standard/ComboBox.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/standard/GroupBox.h"
#include "platform/controls/drawn/Label.h"

constexpr int kVlanSlotCount = 16;

// What the dialog knows of a slot: nothing before a read, then the device's
// word. A state octet other than 0 and 1 marks a slot neither listed nor free.
enum class TVlanSlotState { Unknown, Free, Used, Unrecognised };

struct TVlanSlot {
  TVlanSlotState State = TVlanSlotState::Unknown;
  int Id = 0;
  uint8_t Members = 0;  // bit b: port ETH b+1
  int Priority = 0;
};

class TConf_VLANW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdAddClick(TObject* Sender);
  void cmdDelClick(TObject* Sender);

  // Reads the table into the slots and the list; shows no box.
  void ReadVLANW(std::string& Result);

  TGroupBox* GroupBoxList = nullptr;
  TStringGrid* StringGridvlan = nullptr;
  TGroupBox* GroupBoxAdd = nullptr;
  TLabel* LabelID = nullptr;
  TEdit* EditID = nullptr;
  TLabel* LabelRange = nullptr;
  TGroupBox* GroupBoxPorts = nullptr;
  TCheckBox* ckbEth1 = nullptr;
  TCheckBox* ckbEth2 = nullptr;
  TCheckBox* ckbEth3 = nullptr;
  TCheckBox* ckbEth4 = nullptr;
  TCheckBox* ckbEth5 = nullptr;
  TLabel* LabelPRI = nullptr;
  TComboBox* cmbPRI = nullptr;
  TButton* cmdAdd = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdDel = nullptr;
  TBitBtn* BitBtnClose = nullptr;
  TLabel* Label3 = nullptr;

 private:
  void ShowReadResult(const std::string& result);
  void ShowSlots(const std::string& table);
  void ShowVlanList();
  // The first slot an add may take: free, or not known yet; 0 when there is none.
  int FreeSlot() const;
  bool IdExists(int id) const;
  uint8_t CheckedMembers() const;
  // A validation message: nothing is sent. With a field, the field takes the focus.
  void Refuse(const std::string& text, TWinControl* field = nullptr);
  bool OneEntryRowSelected() const;

  TConfExchange FDevice{*this, TSetCommunity::Write};
  std::array<TVlanSlot, kVlanSlotCount> FSlots;
};

// The instance the program body creates at start-up; the menu opens fresh ones.
extern TConf_VLANW* Conf_VLANW;
