#pragma once
// TCommClassW: the application's single gateway to the devices. A form that is
// created at start-up and never shown; it holds the SNMP client's settings and
// the trap server, runs every get and set, reports the outcome of each to the
// main window and hands each trap of this device family to it.
#include <memory>
#include <string>
#include <vector>

#include "application/core/IdSNMP.h"
#include "application/core/SnmpTypes.h"
#include "platform/controls/core/Form.h"
#include "platform/net/AntiFreeze.h"
#include "platform/net/UdpServer.h"
#include "platform/rtl/StringList.h"

// The main window as the communication form sees it: it shows where each
// exchange ended and keeps the Connected flag, and it applies each accepted trap.
class TExchangeMonitor {
 public:
  virtual ~TExchangeMonitor() = default;
  virtual void ShowExchange(const std::string& connection, const std::string& outcome, bool connected) = 0;
  virtual void ShowAlarm(const TPDU& trap) = 0;
};

class TCommClassW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void AfterConstruction() override;

  // One GetRequest for every OID, each with an empty OCTET STRING value; the
  // reply's values are appended to `values` in order. Result "1" or "0".
  void SnmpGet(int32_t version, const std::string& community, const std::string& host, const TStringList& oids,
               TStringList& values, std::string& result);
  // One SetRequest with every item as its own type. Result "1" or "0".
  void SnmpSet(int32_t version, const std::string& community, const std::string& host,
               const std::vector<TSetOid>& items, std::string& result);
  // SnmpGet through a client that asks port 161 and waits 500 ms at most,
  // with SNMP's broadcast setting.
  void SnmpGetOnce(int32_t version, const std::string& community, const std::string& host, const TStringList& oids,
                   TStringList& values, std::string& result);

  void IdUDPServerTrapUDPRead(const std::string& datagram, const TPeer& peer);

  TIdSNMP* SNMP = nullptr;
  TIdAntiFreeze* IdAntiFreeze1 = nullptr;
  TIdUDPServer* IdUDPServerTrap = nullptr;

 private:
  // A client with SNMP's port, time-out and broadcast setting, for one exchange.
  std::unique_ptr<TIdSNMP> ExchangeClient() const;
  void RunGet(TIdSNMP& client, int32_t version, const std::string& community, const std::string& host,
              const TStringList& oids, TStringList& values, std::string& result);
  void ShowExchange(const std::string& connection, const std::string& outcome, bool connected);

  // The last trap: each decoder writes only the fields of its own case.
  TPDU FPDU;
};

extern TCommClassW* CommClassW;

// Registers the form and the components its resource names. Idempotent.
void RegisterCommClasses();
