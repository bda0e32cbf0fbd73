#pragma once
// Trap decoding of the communication form: turns a decoded SNMPv1 or SNMPv2
// trap message into the TPDU the main window applies. Results are the texts
// "1" (a trap of this device family, TPDU filled) and "0" (ignored).
#include <cstdint>
#include <string>

#include "application/core/IdSNMP.h"
#include "application/core/SnmpTypes.h"
#include "platform/rtl/StringList.h"

// "1.3.6.1.4.1.6215.1.4.1.3." + n for the device's own traps 1..16, else "".
std::string BuildTrapOid(const TStringList& testedOidComponents, int32_t specificTrap);
// N for the device's own trap N (1..16), 255 for anything else.
int32_t TrapIndexOfOid(const std::string& trapOid);
// 1 when the trap's alarm bit is set in the value, 0 when clear, 2 when the
// trap carries no alarm state.
int32_t TrapStateOf(const std::string& trapOid, int32_t value);

// Both raise EConvertError or EListError for a trap whose values are not
// numbers or that has too few bindings; the TPDU is then left as it was.
std::string DecodeTrapV1(const TSNMPInfo& trap, TPDU& pdu);
std::string DecodeTrapV2(const TSNMPInfo& trap, TPDU& pdu);
