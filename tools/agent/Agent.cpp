#include "tools/agent/Agent.h"

#include <algorithm>
#include <limits>

#include "platform/rtl/SysUtils.h"

namespace {

enum TErrorStatus : int32_t {
  esNoError = 0,
  esNoSuchName = 2,
  esBadValue = 3,
  esNoAccess = 6,
  esWrongType = 7,
  esWrongLength = 8,
  esWrongValue = 10,
  esNoCreation = 11,
  esNotWritable = 17
};

// The program reads link traps by trap number 14, with bit 0x02 of the
// alarm variable meaning "link up"; E1 alarms by trap numbers 1 to 4, with the
// port's alarm octet, whose bits they test.
constexpr int kLinkTrap = 14;
constexpr int32_t kLinkUpValue = 0x02;

// Device-wide alarms come as traps of port 1, each with the bit of the alarm
// variable the program tests set while the alarm is raised.
struct TDeviceAlarmTrap {
  int Number;
  int32_t RaisedValue;
};

TDeviceAlarmTrap DeviceAlarmTrap(TDeviceAlarm alarm) {
  switch (alarm) {
    case TDeviceAlarm::LOA: return {11, 0x01};
    case TDeviceAlarm::GID: return {12, 0x02};
    case TDeviceAlarm::LOF: return {15, 0x01};
  }
  return {0, 0};
}
constexpr int kDeviceAlarmPort = 1;

int E1AlarmTrap(TE1Alarm alarm) {
  switch (alarm) {
    case TE1Alarm::LOS: return 1;
    case TE1Alarm::CV: return 2;
    case TE1Alarm::AIS: return 3;
    case TE1Alarm::LOF: return 4;
  }
  return 0;
}

std::string StatusName(int32_t status) {
  static const char* const kNames[] = {"noError",
                                       "tooBig",
                                       "noSuchName",
                                       "badValue",
                                       "readOnly",
                                       "genErr",
                                       "noAccess",
                                       "wrongType",
                                       "wrongLength",
                                       "wrongEncoding",
                                       "wrongValue",
                                       "noCreation",
                                       "inconsistentValue",
                                       "resourceUnavailable",
                                       "commitFailed",
                                       "undoFailed",
                                       "authorizationError",
                                       "notWritable",
                                       "inconsistentName"};
  if (status >= 0 && status < static_cast<int32_t>(std::size(kNames))) return kNames[status];
  return "error " + IntToStr(status);
}

int32_t SetErrorStatus(TSetCheck check, int32_t version) {
  if (version == SnmpVersion::V1) {
    return check == TSetCheck::NoSuchObject || check == TSetCheck::NotWritable ? esNoSuchName : esBadValue;
  }
  switch (check) {
    case TSetCheck::NoSuchObject: return esNoCreation;
    case TSetCheck::NotWritable: return esNotWritable;
    case TSetCheck::WrongType: return esWrongType;
    case TSetCheck::WrongLength: return esWrongLength;
    default: return esWrongValue;
  }
}

std::string Describe(const TSnmpMessage& request) {
  std::string text = request.Version == SnmpVersion::V1 ? "v1" : "v2c";
  text += request.PduType == PduTag::GetRequest   ? " GET"
          : request.PduType == PduTag::SetRequest ? " SET"
                                                  : " PDU " + IntToHex(request.PduType, 2);
  for (size_t i = 0; i < request.Bindings.size(); ++i) text += (i == 0 ? " " : ", ") + request.Bindings[i].Oid;
  return text;
}

std::string Outcome(const TSnmpMessage& reply) {
  std::string text = StatusName(reply.ErrorStatus);
  if (reply.ErrorStatus != esNoError) text += " at " + IntToStr(reply.ErrorIndex);
  int missing = 0;
  for (const TVarBind& binding : reply.Bindings) missing += binding.Type == BerTag::NoSuchObject ? 1 : 0;
  if (missing != 0) text += ", noSuchObject for " + IntToStr(missing);
  return text;
}

std::string HexOctets(const std::string& octets) {
  std::string text;
  for (char octet : octets) text += " " + IntToHex(static_cast<uint8_t>(octet), 2);
  return text;
}

// "set OID type T octets 01 02 community C": what a test compares with what a dialog should send.
std::vector<std::string> SetLines(const TSnmpMessage& request) {
  std::vector<std::string> lines;
  for (const TVarBind& binding : request.Bindings) {
    lines.push_back("set " + binding.Oid + " type " + IntToStr(binding.Type) + " octets" + HexOctets(binding.Value) +
                    " community " + request.Community);
  }
  return lines;
}

TSnmpMessage ResponseTo(const TSnmpMessage& request) {
  TSnmpMessage reply = request;
  reply.PduType = PduTag::GetResponse;
  reply.ErrorStatus = esNoError;
  reply.ErrorIndex = 0;
  return reply;
}

TSnmpMessage ErrorResponse(const TSnmpMessage& request, int32_t status, size_t index) {
  TSnmpMessage reply = ResponseTo(request);
  reply.ErrorStatus = status;
  reply.ErrorIndex = static_cast<int32_t>(index);
  return reply;
}

// The same identifier with its last component raised by one, so it names
// another object and no longer begins with the one asked for.
std::string OtherOid(const std::string& oid) {
  const size_t dot = oid.rfind('.');
  const uint64_t last = std::stoull(oid.substr(dot + 1)) + 1;
  return oid.substr(0, dot + 1) +
         IntToStr(static_cast<int64_t>(last > std::numeric_limits<uint32_t>::max() ? 0 : last));
}

}  // namespace

TAgentDevice::TAgentDevice(const TDeviceConfig& config, const std::string& agentAddress)
    : FConfig(config),
      FModel(config.NeAddress, config.Type),
      FTrapSource{config.TrapVersion, config.ReadCommunity, BerIpAddressContent(agentAddress), config.NeAddress} {}

TAnswer TAgentDevice::Answer(const std::string& datagram) {
  TAnswer answer;
  TSnmpMessage request;
  try {
    request = ParseSnmpMessage(datagram);
  } catch (const EBerError& error) {
    answer.Log = "not answered: malformed request (" + error.Message() + ")";
    return answer;
  }
  answer.Log = Describe(request) + " -> ";
  const bool readable = request.Community == FConfig.ReadCommunity || request.Community == FConfig.WriteCommunity;
  if (!readable) {
    answer.Log += "not answered: wrong community";
    return answer;
  }
  TSnmpMessage reply;
  if (request.PduType == PduTag::GetRequest) {
    reply = AnswerGet(request);
  } else if (request.PduType == PduTag::SetRequest) {
    reply = AnswerSet(request);
    answer.SetLog = SetLines(request);
  } else {
    answer.Log += "not answered: only GET and SET are served";
    return answer;
  }
  answer.Log += Outcome(reply);
  InjectFault(reply, answer);
  return answer;
}

TSnmpMessage TAgentDevice::AnswerGet(const TSnmpMessage& request) {
  TSnmpMessage reply = ResponseTo(request);
  for (size_t i = 0; i < request.Bindings.size(); ++i) {
    const std::string& oid = request.Bindings[i].Oid;
    const std::optional<TVarBind> value = FModel.Get(oid);
    if (value) {
      reply.Bindings[i] = *value;
    } else if (request.Version == SnmpVersion::V2c) {
      reply.Bindings[i] = {oid, BerTag::NoSuchObject, {}};
    } else {
      return ErrorResponse(request, esNoSuchName, i + 1);
    }
  }
  return reply;
}

// All bindings are checked before any is applied: a SET takes effect whole or not at all.
TSnmpMessage TAgentDevice::AnswerSet(const TSnmpMessage& request) {
  if (!MayWrite(request)) {
    const int32_t status = request.Version == SnmpVersion::V1 ? esNoSuchName : esNoAccess;
    return ErrorResponse(request, status, request.Bindings.empty() ? 0 : 1);
  }
  for (size_t i = 0; i < request.Bindings.size(); ++i) {
    const TSetCheck check = FModel.Check(request.Bindings[i]);
    if (check != TSetCheck::Ok) return ErrorResponse(request, SetErrorStatus(check, request.Version), i + 1);
  }
  for (const TVarBind& binding : request.Bindings) FModel.Apply(binding);
  return ResponseTo(request);
}

bool TAgentDevice::MayWrite(const TSnmpMessage& request) const {
  if (request.Community == FConfig.WriteCommunity) return true;
  return !request.Bindings.empty() &&
         std::all_of(request.Bindings.begin(), request.Bindings.end(),
                     [this](const TVarBind& binding) { return FModel.SetByReadCommunity(binding.Oid); });
}

void TAgentDevice::InjectFault(TSnmpMessage reply, TAnswer& answer) {
  const TFault& fault = FConfig.Fault;
  const bool active = fault.Kind != TFaultKind::None && (fault.Count == 0 || FRepliesFaulted < fault.Count);
  if (active) ++FRepliesFaulted;
  const TFaultKind kind = active ? fault.Kind : TFaultKind::None;
  switch (kind) {
    case TFaultKind::Drop: answer.Log += " (fault: reply dropped)"; return;
    case TFaultKind::Late:
      answer.DelayMs = static_cast<uint32_t>(fault.Argument);
      answer.Log += " (fault: reply " + IntToStr(fault.Argument) + " ms late)";
      break;
    case TFaultKind::OtherOid:
      for (TVarBind& binding : reply.Bindings) binding.Oid = OtherOid(binding.Oid);
      answer.Log += " (fault: other identifiers)";
      break;
    case TFaultKind::ExtendedOid:
      for (TVarBind& binding : reply.Bindings) binding.Oid += ".0";
      answer.Log += " (fault: extended identifiers)";
      break;
    case TFaultKind::ErrorStatus:
      reply.ErrorStatus = fault.Argument;
      reply.ErrorIndex = 1;
      answer.Log += " (fault: error status " + IntToStr(fault.Argument) + ")";
      break;
    case TFaultKind::Truncated: answer.Log += " (fault: truncated)"; break;
    case TFaultKind::Malformed: answer.Log += " (fault: malformed)"; break;
    case TFaultKind::None: break;
  }
  answer.Reply = true;
  answer.Datagram = kind == TFaultKind::Malformed ? EncodeWithOverrunningBindings(reply) : EncodeSnmpMessage(reply);
  if (kind == TFaultKind::Truncated) answer.Datagram.resize(answer.Datagram.size() / 2);
}

std::string TAgentDevice::ColdStartTrap(uint32_t uptimeTicks) const {
  return ::ColdStartTrap(FTrapSource, uptimeTicks);
}

std::string TAgentDevice::ApplyEvent(const TScriptEvent& event, uint32_t uptimeTicks) {
  if (event.Kind == TEventKind::Link) {
    FModel.SetEthLink(event.Port, event.On);
    return DeviceTrap(FTrapSource, kLinkTrap, event.Port, event.On ? kLinkUpValue : 0, uptimeTicks);
  }
  if (event.Kind == TEventKind::DeviceAlarm) {
    FModel.SetDeviceAlarm(event.DeviceAlarm, event.On);
    const TDeviceAlarmTrap trap = DeviceAlarmTrap(event.DeviceAlarm);
    return DeviceTrap(FTrapSource, trap.Number, kDeviceAlarmPort, event.On ? trap.RaisedValue : 0, uptimeTicks);
  }
  FModel.SetE1Alarm(event.Port, event.Alarm, event.On);
  return DeviceTrap(FTrapSource, E1AlarmTrap(event.Alarm), event.Port, FModel.E1Alarms(event.Port), uptimeTicks);
}
