#pragma once
// Timed events of the simulated devices, read from a text file so a test or
// a demonstration scripts them without new code. One event a line:
//   <ms after start> <device number> link <Ethernet port 1..4> up|down
//   <ms after start> <device number> e1 <E1 port 1..16> los|cv|ais|lof on|off
//   <ms after start> <device number> alarm loa|gid|lof on|off   (device-wide)
// Devices are numbered from 1 in the order of the command line; blank lines
// and lines starting with "#" are ignored.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/agent/DeviceModel.h"

enum class TEventKind { Link, E1Alarm, DeviceAlarm };

struct TScriptEvent {
  uint32_t AtMs = 0;
  int Device = 1;
  TEventKind Kind = TEventKind::Link;
  int Port = 1;
  TE1Alarm Alarm = TE1Alarm::LOS;
  bool On = false;  // link up, or alarm raised
  TDeviceAlarm DeviceAlarm = TDeviceAlarm::LOA;
};

// Events in time order (events of the same moment keep their order in the
// text). Raises EConvertError "script line N: ..." for a line it cannot read.
std::vector<TScriptEvent> ParseScript(const std::string& text, int deviceCount);
