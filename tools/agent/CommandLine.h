#pragma once
// The agent's command line: the devices with their settings and faults, where
// traps go, the event script, the ready file and the stop file.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/agent/Agent.h"

struct TAgentOptions {
  std::vector<TDeviceConfig> Devices;
  bool SendTraps = true;
  std::string ManagerHost = "127.0.0.1";
  uint16_t ManagerPort = 162;
  std::string ScriptPath;
  // The script starts again this many milliseconds after it started; 0: it plays once.
  uint32_t ScriptCycleMs = 0;
  std::string ReadyFile;
  std::string StopFile;
  bool Help = false;
};

// Raises EConvertError with a message for the operator on anything it cannot
// read. Without --device there is one device on 127.0.0.1:161.
TAgentOptions ParseCommandLine(const std::vector<std::string>& arguments);
std::string UsageText();
