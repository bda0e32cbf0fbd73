#pragma once
// TMainW: the main window. It shows where the last exchange with a device
// ended and keeps the state of the selected device that the port-state
// display is drawn from; the communication form reports to it.
#include <array>
#include <cstdint>
#include <string>

#include "application/core/CommClass.h"
#include "application/core/SnmpTypes.h"
#include "platform/controls/Form.h"
#include "platform/controls/StatusBar.h"

// The state of one E1 port.
struct TPortState {
  bool AlarmMask = false;
  bool Loop = false;
  bool LOS = false;
  bool CV = false;
  bool AIS = false;
  bool LOF = false;
  bool ErrOver = false;
  bool CRC = false;
  bool VactErr = false;
  int32_t TxSQ = 0;
  uint8_t TxCtrl = 0;
  int32_t RxSQ = 0;
  uint8_t RxCtrl = 0;
};

// The state of one Ethernet port.
struct TEthState {
  bool LinkUp = false;
  bool Speed100 = false;
  bool FullDuplex = false;
};

// The six device indicators, in the order of the display.
enum TIndicator { indALM, indCV, indLOA, indGID, indLOF, indETH_ERR, IndicatorCount };

constexpr int kEthPortCount = 4;
constexpr int kE1PortCount = 16;

class TMainW : public TForm, public TExchangeMonitor {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  bool Connected() const { return FConnected; }
  const std::array<TPortState, kE1PortCount>& PortStates() const { return FPortStates; }
  const std::array<TEthState, kEthPortCount>& EthStates() const { return FEthStates; }
  const std::array<bool, IndicatorCount>& Indicators() const { return FIndicators; }

  // Status panel 1 the connection, panel 2 the outcome of the last exchange.
  void ShowExchange(const std::string& connection, const std::string& outcome, bool connected) override;
  // Applies a trap of the selected device to its indicator and link flags;
  // the lamps show them the next time they are painted.
  void ShowAlarm(const TPDU& trap) override;

  TStatusBar* StatusBar = nullptr;

 private:
  void ShowPortOneAlarm(const TPDU& trap);

  bool FConnected = false;
  std::array<TPortState, kE1PortCount> FPortStates{};
  std::array<TEthState, kEthPortCount> FEthStates{};
  std::array<bool, IndicatorCount> FIndicators{};
};

extern TMainW* MainW;
// The folder of the executable, without a trailing separator.
extern const std::string AppDir;
