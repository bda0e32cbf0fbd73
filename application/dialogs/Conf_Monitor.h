#pragma once
// TConf_MonitorW: the addresses of up to six monitoring stations, to which
// the device reports. An entry whose edit is empty is marked unused on the
// device.
#include <array>
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/Form.h"

class TConf_MonitorW : public TForm {
 public:
  static constexpr int StationCount = 6;

  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);

  void ReadMonitor(std::string& Result);
  void SetMonitor(std::string& Result);

  TEdit* Edit1 = nullptr;
  TEdit* Edit2 = nullptr;
  TEdit* Edit3 = nullptr;
  TEdit* Edit4 = nullptr;
  TEdit* Edit5 = nullptr;
  TEdit* Edit6 = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  std::array<TEdit*, StationCount> Edits() const { return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}; }
  // The identifiers of one column of the station table, entry 1 to 6.
  std::vector<std::string> StationOids(const std::string& object) const;
  // The first edit that holds something other than an address, or none.
  TEdit* FirstInvalidAddress() const;

  TConfExchange FDevice{*this, TSetCommunity::Write};
};

// The instance the program body creates at start-up.
extern TConf_MonitorW* Conf_MonitorW;
