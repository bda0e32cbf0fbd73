#pragma once
// The SNMP side of one simulated device: checks the community, answers GET
// and SET with the error semantics of SNMPv1 or SNMPv2c, injects the fault it
// was given, applies scripted events and builds its traps. No sockets here:
// datagrams in, datagrams out.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/agent/DeviceModel.h"
#include "tools/agent/Script.h"
#include "tools/agent/SnmpMessage.h"
#include "tools/agent/Traps.h"

enum class TFaultKind { None, Drop, Late, OtherOid, ExtendedOid, ErrorStatus, Truncated, Malformed };

// A fault for the replies of a device: every reply, or only the first Count.
struct TFault {
  TFaultKind Kind = TFaultKind::None;
  int32_t Argument = 0;  // milliseconds for Late, the status for ErrorStatus
  int Count = 0;         // 0: every reply
};

struct TDeviceConfig {
  std::string Address = "127.0.0.1";
  uint16_t Port = 161;
  uint32_t NeAddress = 0;
  std::string Type = "111*16";
  std::string ReadCommunity = "kolmer";
  std::string WriteCommunity = "drastun";
  int32_t TrapVersion = SnmpVersion::V2c;
  TFault Fault;
};

// What to do with one request: the reply (if any), when, and a line for the log.
struct TAnswer {
  bool Reply = false;
  std::string Datagram;
  uint32_t DelayMs = 0;
  std::string Log;
  // One line per binding of a SET: what was asked, whether or not it was taken.
  std::vector<std::string> SetLog;
};

class TAgentDevice {
 public:
  // `agentAddress` is the dotted address the device answers from; SNMPv1
  // traps carry it.
  TAgentDevice(const TDeviceConfig& config, const std::string& agentAddress);

  TAnswer Answer(const std::string& datagram);
  std::string ColdStartTrap(uint32_t uptimeTicks) const;
  // Changes the device's state as the event says and returns the matching trap.
  std::string ApplyEvent(const TScriptEvent& event, uint32_t uptimeTicks);

  const TDeviceConfig& Config() const { return FConfig; }
  TDeviceModel& Model() { return FModel; }

 private:
  TSnmpMessage AnswerGet(const TSnmpMessage& request);
  TSnmpMessage AnswerSet(const TSnmpMessage& request);
  bool MayWrite(const TSnmpMessage& request) const;
  void InjectFault(TSnmpMessage reply, TAnswer& answer);

  TDeviceConfig FConfig;
  TDeviceModel FModel;
  TTrapSource FTrapSource;
  int FRepliesFaulted = 0;
};
