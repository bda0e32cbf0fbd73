#pragma once
// TPrefor_QueryW: the traffic counters of the four Ethernet ports and the CRC
// error counters of the E1 ports. It only reads, and only when the operator
// presses Read: the counters of the page that is shown.
#include <cstdint>
#include <string>
#include <vector>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/common/PageControl.h"

class TPrefor_QueryW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);

  // The counters of Ethernet port 1..4 in the order of its record, or of the
  // E1 ports 1..16; a short value yields only the counters whose octets all
  // came. Result "1" only for a value that is not empty; no box is shown.
  void GetPrefor(int port, std::vector<int64_t>& counters, std::string& Result);
  void GetPreforE1(std::vector<int64_t>& counters, std::string& Result);

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TabSheetEth = nullptr;
  TStringGrid* StringGridPerfor = nullptr;
  TTabSheet* TabSheetE1 = nullptr;
  TStringGrid* StringGridE1 = nullptr;
  TButton* cmdRead = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  void GetCounters(const std::string& routine, const std::string& oid, size_t count, std::vector<int64_t>& counters,
                   std::string& Result);
  bool ReadEthCounters();
  bool ReadE1Counters();

  TConfExchange FDevice{*this, TSetCommunity::Read};
};
