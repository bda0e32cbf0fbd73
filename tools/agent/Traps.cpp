#include "tools/agent/Traps.h"

#include <vector>

#include "platform/rtl/SysUtils.h"
#include "tools/agent/SnmpMessage.h"

const char* const kDeviceTrapPrefix = "1.3.6.1.4.1.6215.1.4.1.3";

namespace {

const char* const kColdStartOid = "1.3.6.1.6.3.1.1.5.1";
const char* const kSysUpTimeOid = "1.3.6.1.2.1.1.3.0";
const char* const kSnmpTrapOid = "1.3.6.1.6.3.1.1.4.1.0";
// The program accepts a trap only when the first of these bindings is named
// with 15 components whose 7th, 9th and 10th are 6215, 2 and 1.
const char* const kTrapVariablePrefix = "1.3.6.1.4.1.6215.1.2.1.1.1";

constexpr int32_t kGenericColdStart = 0;
constexpr int32_t kGenericEnterpriseSpecific = 6;

enum TTrapVariable { tvNumber = 1, tvNeAddress = 2, tvPort = 3, tvAlarm = 4 };

TVarBind TrapVariable(const TTrapSource& source, TTrapVariable variable, int port, int32_t value) {
  const std::string name = std::string(kTrapVariablePrefix) + "." + IntToStr(variable) + "." +
                           IntToStr(source.NeAddress) + "." + IntToStr(port);
  return {name, BerTag::Integer, BerIntegerContent(value)};
}

// SNMPv1 carries the trap's identity in its header, SNMPv2c in two leading bindings.
std::string EncodeTrap(const TTrapSource& source, int32_t generic, int32_t specific, const std::string& trapOid,
                       const std::vector<TVarBind>& variables, uint32_t uptimeTicks) {
  TSnmpMessage message;
  message.Version = source.Version;
  message.Community = source.Community;
  if (source.Version == SnmpVersion::V1) {
    message.PduType = PduTag::TrapV1;
    message.Trap = {kDeviceTrapPrefix, source.AgentAddress, generic, specific, uptimeTicks};
  } else {
    message.PduType = PduTag::TrapV2;
    message.Bindings = {{kSysUpTimeOid, BerTag::TimeTicks, BerUnsignedContent(uptimeTicks)},
                        {kSnmpTrapOid, BerTag::ObjectId, BerOidContent(trapOid)}};
  }
  message.Bindings.insert(message.Bindings.end(), variables.begin(), variables.end());
  return EncodeSnmpMessage(message);
}

}  // namespace

std::string ColdStartTrap(const TTrapSource& source, uint32_t uptimeTicks) {
  const int port = 0;
  return EncodeTrap(source, kGenericColdStart, 0, kColdStartOid,
                    {TrapVariable(source, tvNumber, port, 0),
                     TrapVariable(source, tvNeAddress, port, static_cast<int32_t>(source.NeAddress))},
                    uptimeTicks);
}

std::string DeviceTrap(const TTrapSource& source, int number, int port, int32_t value, uint32_t uptimeTicks) {
  return EncodeTrap(source, kGenericEnterpriseSpecific, number, std::string(kDeviceTrapPrefix) + "." + IntToStr(number),
                    {TrapVariable(source, tvNumber, port, number),
                     TrapVariable(source, tvNeAddress, port, static_cast<int32_t>(source.NeAddress)),
                     TrapVariable(source, tvPort, port, port), TrapVariable(source, tvAlarm, port, value)},
                    uptimeTicks);
}
