#include "application/core/CommClassTraps.h"

#include "application/core/AppUtils.h"
#include "platform/rtl/SysUtils.h"

namespace {

const char kDeviceTrapPrefix[] = "1.3.6.1.4.1.6215.1.4.1.3.";
const char kColdStartOid[] = "1.3.6.1.6.3.1.1.5.1";
const char kWarmStartOid[] = "1.3.6.1.6.3.1.1.5.2";
constexpr int32_t kColdStartIndex = 101;
constexpr int32_t kWarmStartIndex = 102;
constexpr int32_t kUnknownTrapIndex = 255;
constexpr int32_t kNoAlarmState = 2;
constexpr int32_t kDeviceTrapCount = 16;

constexpr int32_t kGenericColdStart = 0;
constexpr int32_t kGenericWarmStart = 1;
constexpr int32_t kGenericEnterpriseSpecific = 6;

// The alarm bit of device traps 1..15 (15: any bit).
constexpr int32_t kAlarmBitOfTrap[kDeviceTrapCount - 1] = {0x01, 0x02, 0x04, 0x08, 0x40, 0x01, 0x02, 0x04,
                                                           0x08, 0x10, 0x01, 0x02, 0x01, 0x02, ~0};

// Only identifiers of this device family's alarm subtree are taken: 15
// components with 6215, 2 and 1 in places 6, 8 and 9.
bool IsDeviceAlarmOid(const TStringList& components) {
  return components.Count() == 15 && components[6] == "6215" && components[8] == "2" && components[9] == "1";
}

// A restart trap: what the device sends, and where, differs by version only.
struct TRestartFields {
  int32_t Value0;
  int32_t NEAddr;
};

void ApplyRestart(const TRestartFields& fields, const char* trapOid, int32_t trapIndex, TPDU& pdu) {
  pdu.Value0 = fields.Value0;
  pdu.NEAddr = fields.NEAddr;
  pdu.TrapOid = trapOid;
  pdu.TrapIndex = trapIndex;
  pdu.State = 1;
}

// The bindings of a device alarm trap, from the first one that carries Value0.
// Every number is converted before the TPDU changes, so a bad trap leaves it whole.
void ApplyAlarm(const TSNMPInfo& trap, int first, const std::string& trapOid, TPDU& pdu) {
  const int32_t value0 = StrToInt(trap.Values[first]);
  const int32_t neAddr = StrToInt(trap.Values[first + 1]);
  const int32_t port = StrToInt(trap.Values[first + 2]);
  const std::string& varOid = trap.Oids[first + 3];
  const int32_t value = StrToInt(trap.Values[first + 3]);
  pdu.Value0 = value0;
  pdu.NEAddr = neAddr;
  pdu.Port = port;
  pdu.TrapOid = trapOid;
  pdu.TrapIndex = TrapIndexOfOid(trapOid);
  pdu.VarOid = varOid;
  pdu.Value = value;
  pdu.State = TrapStateOf(trapOid, value);
}

TRestartFields RestartFields(const TSNMPInfo& trap, int first) {
  return {StrToInt(trap.Values[first]), StrToInt(trap.Values[first + 1])};
}

}  // namespace

std::string BuildTrapOid(const TStringList& testedOidComponents, int32_t specificTrap) {
  const bool alarmSubtree = StrToIntDef(testedOidComponents[8], 0) == 2 && StrToIntDef(testedOidComponents[9], 0) == 1;
  if (!alarmSubtree || specificTrap < 1 || specificTrap > kDeviceTrapCount) return "";
  return kDeviceTrapPrefix + IntToStr(specificTrap);
}

int32_t TrapIndexOfOid(const std::string& trapOid) {
  for (int32_t n = 1; n <= kDeviceTrapCount; ++n)
    if (trapOid == kDeviceTrapPrefix + IntToStr(n)) return n;
  return kUnknownTrapIndex;
}

int32_t TrapStateOf(const std::string& trapOid, int32_t value) {
  const int32_t n = TrapIndexOfOid(trapOid);
  if (n < 1 || n >= kDeviceTrapCount) return kNoAlarmState;
  return (value & kAlarmBitOfTrap[n - 1]) != 0 ? 1 : 0;
}

std::string DecodeTrapV1(const TSNMPInfo& trap, TPDU& pdu) {
  const TStringList components = SplitString(trap.Oids[0], ".");
  if (!IsDeviceAlarmOid(components)) return "0";
  switch (trap.GenericTrap) {
    case kGenericColdStart: ApplyRestart(RestartFields(trap, 0), kColdStartOid, kColdStartIndex, pdu); return "1";
    case kGenericWarmStart: ApplyRestart(RestartFields(trap, 0), kWarmStartOid, kWarmStartIndex, pdu); return "1";
    case kGenericEnterpriseSpecific: ApplyAlarm(trap, 0, BuildTrapOid(components, trap.SpecificTrap), pdu); return "1";
    default: return "0";
  }
}

std::string DecodeTrapV2(const TSNMPInfo& trap, TPDU& pdu) {
  const TStringList components = SplitString(trap.Oids[2], ".");
  if (!IsDeviceAlarmOid(components)) return "0";
  const std::string& trapOid = trap.Values[1];
  if (trapOid == kColdStartOid) {
    ApplyRestart(RestartFields(trap, 2), kColdStartOid, kColdStartIndex, pdu);
  } else if (trapOid == kWarmStartOid) {
    ApplyRestart(RestartFields(trap, 2), kWarmStartOid, kWarmStartIndex, pdu);
  } else {
    ApplyAlarm(trap, 2, trapOid, pdu);
  }
  return "1";
}
