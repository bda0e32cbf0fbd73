#include "tools/agent/CommandLine.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr uint16_t kAgentPort = 161;
constexpr uint16_t kTrapPort = 162;

int32_t NumberIn(const std::string& text, int32_t low, int32_t high, const std::string& what) {
  int32_t value = 0;
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || !TryStrToInt(text, value) ||
      value < low || value > high) {
    throw EConvertError(what + " '" + text + "' is not a number from " + IntToStr(low) + " to " + IntToStr(high));
  }
  return value;
}

// "HOST" or "HOST:PORT".
void SplitHostPort(const std::string& text, uint16_t defaultPort, std::string& host, uint16_t& port) {
  const size_t colon = text.rfind(':');
  host = text.substr(0, colon);
  port = colon == std::string::npos ? defaultPort
                                    : static_cast<uint16_t>(NumberIn(text.substr(colon + 1), 0, 65535, "port"));
}

TFault ParseFault(const std::string& text) {
  TFault fault;
  std::string rest = text;
  const size_t at = rest.find('@');
  if (at != std::string::npos) {
    fault.Count = NumberIn(rest.substr(at + 1), 1, 0x7FFFFFFF, "fault count");
    rest.erase(at);
  }
  const size_t colon = rest.find(':');
  const std::string name = rest.substr(0, colon);
  const std::string argument = colon == std::string::npos ? "" : rest.substr(colon + 1);
  struct TNamedFault {
    const char* Name;
    TFaultKind Kind;
    bool TakesArgument;
  };
  static const TNamedFault kFaults[] = {
      {"drop", TFaultKind::Drop, false},          {"late", TFaultKind::Late, true},
      {"other-oid", TFaultKind::OtherOid, false}, {"extended-oid", TFaultKind::ExtendedOid, false},
      {"error", TFaultKind::ErrorStatus, true},   {"truncated", TFaultKind::Truncated, false},
      {"malformed", TFaultKind::Malformed, false}};
  for (const TNamedFault& named : kFaults) {
    if (name != named.Name) continue;
    if (named.TakesArgument != (colon != std::string::npos)) {
      throw EConvertError("fault '" + text + "': " + name + (named.TakesArgument ? " needs" : " takes no") +
                          " value after ':'");
    }
    fault.Kind = named.Kind;
    if (named.TakesArgument) fault.Argument = NumberIn(argument, 0, 0x7FFFFFFF, name);
    return fault;
  }
  throw EConvertError("'" + text + "' is not a fault (see --help)");
}

int32_t ParseTrapVersion(const std::string& text) {
  if (text == "1") return SnmpVersion::V1;
  if (text == "2c") return SnmpVersion::V2c;
  throw EConvertError("trap version '" + text + "' is neither 1 nor 2c");
}

class TArgumentReader {
 public:
  explicit TArgumentReader(const std::vector<std::string>& arguments) : FArguments(arguments) {}

  bool AtEnd() const { return FNext == FArguments.size(); }
  std::string Next() { return FArguments[FNext++]; }
  std::string ValueOf(const std::string& option) {
    if (AtEnd()) throw EConvertError(option + " needs a value");
    return Next();
  }

 private:
  const std::vector<std::string>& FArguments;
  size_t FNext = 0;
};

TDeviceConfig& LastDevice(TAgentOptions& options, const std::string& option) {
  if (options.Devices.empty()) throw EConvertError(option + " belongs to a --device given before it");
  return options.Devices.back();
}

// Reads the option's value into the last device; false when it is no device option.
bool ReadDeviceOption(const std::string& option, TArgumentReader& reader, TAgentOptions& options) {
  if (option == "--ne") {
    LastDevice(options, option).NeAddress =
        static_cast<uint32_t>(NumberIn(reader.ValueOf(option), 0, 0x7FFFFFFF, "NE address"));
  } else if (option == "--type") {
    LastDevice(options, option).Type = reader.ValueOf(option);
  } else if (option == "--read-community") {
    LastDevice(options, option).ReadCommunity = reader.ValueOf(option);
  } else if (option == "--write-community") {
    LastDevice(options, option).WriteCommunity = reader.ValueOf(option);
  } else if (option == "--trap-version") {
    LastDevice(options, option).TrapVersion = ParseTrapVersion(reader.ValueOf(option));
  } else if (option == "--fault") {
    LastDevice(options, option).Fault = ParseFault(reader.ValueOf(option));
  } else {
    return false;
  }
  return true;
}

}  // namespace

TAgentOptions ParseCommandLine(const std::vector<std::string>& arguments) {
  TAgentOptions options;
  TArgumentReader reader(arguments);
  while (!reader.AtEnd()) {
    const std::string option = reader.Next();
    if (option == "--help") {
      options.Help = true;
    } else if (option == "--device") {
      TDeviceConfig device;
      SplitHostPort(reader.ValueOf(option), kAgentPort, device.Address, device.Port);
      options.Devices.push_back(device);
    } else if (option == "--manager") {
      const std::string manager = reader.ValueOf(option);
      options.SendTraps = manager != "none";
      if (options.SendTraps) SplitHostPort(manager, kTrapPort, options.ManagerHost, options.ManagerPort);
    } else if (option == "--script") {
      options.ScriptPath = reader.ValueOf(option);
    } else if (option == "--script-cycle") {
      options.ScriptCycleMs = static_cast<uint32_t>(NumberIn(reader.ValueOf(option), 1, 0x7FFFFFFF, "script cycle"));
    } else if (option == "--ready-file") {
      options.ReadyFile = reader.ValueOf(option);
    } else if (option == "--stop-file") {
      options.StopFile = reader.ValueOf(option);
    } else if (!ReadDeviceOption(option, reader, options)) {
      throw EConvertError("unknown option '" + option + "' (see --help)");
    }
  }
  if (options.Devices.empty()) options.Devices.push_back(TDeviceConfig{});
  return options;
}

std::string UsageText() {
  return "Usage: nepl-agent [--device ADDRESS[:PORT] [device options]]... [options]\n"
         "Simulated SNMPv1/v2c devices for the element manager.\n"
         "\n"
         "  --device ADDRESS[:PORT]   a device listening there (port 161 when left out, 0 for any free port);\n"
         "                            without --device: one device on 127.0.0.1:161\n"
         "Device options (for the --device before them):\n"
         "  --ne N                    NE address (default 0)\n"
         "  --type TEXT               device type: three digits, '*', E1 ports 4, 8 or 16 (default 111*16)\n"
         "  --read-community TEXT     community for GET (default kolmer)\n"
         "  --write-community TEXT    community for GET and SET (default drastun)\n"
         "  --trap-version 1|2c       SNMP version of the device's traps (default 2c)\n"
         "  --fault FAULT[@K]         a fault for every reply, or only for the first K:\n"
         "                            drop, late:MS, other-oid, extended-oid, error:STATUS, truncated, malformed\n"
         "Other options:\n"
         "  --manager HOST[:PORT]     where traps go (default 127.0.0.1:162); 'none' sends no traps\n"
         "  --script FILE             timed events, one a line:\n"
         "                              MS DEVICE link PORT up|down\n"
         "                              MS DEVICE e1 PORT los|cv|ais|lof on|off\n"
         "                              MS DEVICE alarm loa|gid|lof on|off\n"
         "                            (MS after start, DEVICE numbered from 1 in command-line order)\n"
         "  --script-cycle MS         play the script again every MS milliseconds\n"
         "  --ready-file FILE         written once every socket is bound: a line 'DEVICE ADDRESS PORT' per device\n"
         "  --stop-file FILE          end, with every socket closed, once FILE exists\n"
         "  --help                    this text\n"
         "\n"
         "Each request answered is logged as one line on standard output, followed for a SET by a line\n"
         "'set OID type T octets HEX community C' per binding.\n";
}
