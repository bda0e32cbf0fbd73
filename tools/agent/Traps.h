#pragma once
// The traps of a simulated device, in the binding layouts the program decodes:
// after the header (SNMPv1) or after sysUpTime and snmpTrapOID (SNMPv2c) come
// the bindings "trap number", NE address, port and alarm variable, the first
// of them named by a 15-component identifier of the device's trap subtree.
#include <cstdint>
#include <string>

struct TTrapSource {
  int32_t Version = 0;  // SnmpVersion::V1 or SnmpVersion::V2c
  std::string Community;
  std::string AgentAddress;  // four octets, the address the device listens on
  uint32_t NeAddress = 0;
};

// Enterprise-specific traps are numbered 1..16 under this identifier.
extern const char* const kDeviceTrapPrefix;

// The standard coldStart trap: the device has just started.
std::string ColdStartTrap(const TTrapSource& source, uint32_t uptimeTicks);
// Trap `number` (1..16) for `port`, whose alarm variable has `value`.
std::string DeviceTrap(const TTrapSource& source, int number, int port, int32_t value, uint32_t uptimeTicks);
