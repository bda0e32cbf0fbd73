#pragma once
// SNMPv1 and SNMPv2c messages as the agent reads and writes them: requests,
// responses and both kinds of trap, checked strictly against their structure.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/agent/Ber.h"

namespace PduTag {
constexpr uint8_t GetRequest = 0xA0;
constexpr uint8_t GetResponse = 0xA2;
constexpr uint8_t SetRequest = 0xA3;
constexpr uint8_t TrapV1 = 0xA4;
constexpr uint8_t TrapV2 = 0xA7;
}  // namespace PduTag

namespace SnmpVersion {
constexpr int32_t V1 = 0;
constexpr int32_t V2c = 1;
}  // namespace SnmpVersion

// One variable binding; Value holds the content octets of an item of tag Type.
struct TVarBind {
  std::string Oid;
  uint8_t Type = BerTag::Null;
  std::string Value;
};

// The fields that only an SNMPv1 trap carries in place of request id and errors.
struct TTrapV1Header {
  std::string Enterprise;
  std::string AgentAddress;  // four octets
  int32_t GenericTrap = 0;
  int32_t SpecificTrap = 0;
  uint32_t TimeStamp = 0;
};

struct TSnmpMessage {
  int32_t Version = SnmpVersion::V1;
  std::string Community;
  uint8_t PduType = PduTag::GetRequest;
  int32_t RequestId = 0;
  int32_t ErrorStatus = 0;
  int32_t ErrorIndex = 0;
  TTrapV1Header Trap;  // only for PduTag::TrapV1
  std::vector<TVarBind> Bindings;
};

// Raises EBerError for anything that is not a well-formed SNMPv1/v2c message.
TSnmpMessage ParseSnmpMessage(const std::string& octets);
std::string EncodeSnmpMessage(const TSnmpMessage& message);
// As EncodeSnmpMessage, but every binding claims two octets more than it holds:
// sound on the outside, broken inside (a fault the agent injects on request).
std::string EncodeWithOverrunningBindings(const TSnmpMessage& message);
