#pragma once
// TConf_ClockW: the clock source dialog. The device's clock is internal or
// taken from one of its E1 lines; the dialog also shows the line that
// supplies the clock now.
#include <string>

#include "application/dialogs/ConfDialog.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/standard/ComboBox.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Label.h"

class TConf_ClockW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void FormShow(TObject* Sender);
  void cmdReadClick(TObject* Sender);
  void cmdSetClick(TObject* Sender);
  // The mode rule: an E1 line is chosen only while the clock comes from one.
  void cmbModeChange(TObject* Sender);

  void ReadClockW(std::string& Result);
  void SetClockW(std::string& Result);

  TLabel* LabelMode = nullptr;
  TLabel* LabelClock = nullptr;
  TLabel* LabelCurrent = nullptr;
  TComboBox* cmbMode = nullptr;
  TComboBox* CmbClock = nullptr;
  TEdit* EditClock = nullptr;
  TButton* cmdRead = nullptr;
  TButton* cmdSet = nullptr;
  TBitBtn* BitBtnClose = nullptr;

 private:
  void ShowClock(const std::string& value);
  void ShowCurrentClockLine();
  bool InternalChosen() const;

  TConfExchange FDevice{*this, TSetCommunity::Write};
};

// The instance the program body creates at start-up; the menu opens fresh ones.
extern TConf_ClockW* Conf_ClockW;
