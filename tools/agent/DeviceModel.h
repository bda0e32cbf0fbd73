#pragma once
// One simulated device: its configuration records, its alarm and link state,
// and the managed objects through which the program reads and changes them.
// Every object lies under the enterprise prefix and carries the device's NE
// address; values are kept as BER content octets of their type.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "tools/agent/SnmpMessage.h"

// Why a binding of a SET cannot be applied; the agent maps it to the error
// status of the request's SNMP version.
enum class TSetCheck { Ok, NoSuchObject, NotWritable, WrongType, WrongLength, WrongValue };

// The alarm bits of an E1 port that events can raise, as they sit in the
// port's octet of the port-state block.
enum class TE1Alarm : uint8_t { LOS = 0x01, CV = 0x02, AIS = 0x04, LOF = 0x08 };

// The device-wide alarms that events can raise, as they sit in the indicator
// octet of the port-state block.
enum class TDeviceAlarm : uint8_t { LOA = 0x04, GID = 0x08, LOF = 0x10 };

constexpr int kE1PortCount = 16;
constexpr int kEthPortCount = 4;

extern const char* const kEnterprisePrefix;

struct TObjectDef;

class TDeviceModel {
 public:
  // The type text has the form the program derives from the identification
  // object: three digits, "*" and the E1 port count 4, 8 or 16 ("116*16").
  // Raises EConvertError for any other form.
  TDeviceModel(uint32_t neAddress, const std::string& typeText);

  uint32_t NeAddress() const { return FNeAddress; }

  // The value of a readable object, or nothing when the device has none by
  // that name. Reading the Ethernet counters advances them.
  std::optional<TVarBind> Get(const std::string& oid);
  // Whether Apply would accept the binding; changes nothing.
  TSetCheck Check(const TVarBind& binding) const;
  // Applies a binding that passed Check.
  void Apply(const TVarBind& binding);
  // Whether the read community may set the object: the device lets the
  // program's flow-control, port-reset and combined settings through with it.
  bool SetByReadCommunity(const std::string& oid) const;

  // Changes of state from outside (the event script).
  void SetEthLink(int port, bool up);
  void SetE1Alarm(int port, TE1Alarm alarm, bool raised);
  void SetDeviceAlarm(TDeviceAlarm alarm, bool raised);
  // The alarm octet of E1 port 1..16, without its loopback bit.
  uint8_t E1Alarms(int port) const { return FE1Alarms[port - 1]; }

 private:
  struct TObjectRef {
    const TObjectDef* Def;
    std::string Key;
  };

  std::optional<TObjectRef> Find(const std::string& oid) const;
  void LoadDefaults();
  void ClearCounters();
  std::string Record(const std::string& arcs) const;
  std::string PortStateBlock() const;
  std::string VlanTable() const;
  std::string CurrentClockLine() const;
  std::string AdvanceEthCounters(const std::string& key);

  uint32_t FNeAddress;
  std::string FNeText;
  std::string FIdentification;
  std::map<std::string, std::string> FRecords;
  std::array<uint8_t, kE1PortCount> FE1Alarms{};
  std::array<bool, kEthPortCount> FEthLinkUp{};
  uint8_t FDeviceAlarms = 0;
};
