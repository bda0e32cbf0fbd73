// nepl-agent: simulated SNMP devices for the element manager (see --help).
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/net/UdpSocket.h"
#include "platform/rtl/Exceptions.h"
#include "tools/agent/AgentServer.h"
#include "tools/agent/CommandLine.h"
#include "tools/agent/Script.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kStartError = 1;

std::string ReadScript(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EConvertError("cannot read the script '" + path + "'");
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  TAgentOptions options;
  try {
    options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const EConvertError& error) {
    std::cerr << "nepl-agent: " << error.Message() << "\n";
    return kUsageError;
  }
  if (options.Help) {
    std::cout << UsageText();
    return 0;
  }
  try {
    std::vector<TScriptEvent> events;
    if (!options.ScriptPath.empty()) {
      events = ParseScript(ReadScript(options.ScriptPath), static_cast<int>(options.Devices.size()));
    }
    TAgentServer server(options, std::move(events));
    server.Run();
  } catch (const Exception& error) {
    std::cerr << "nepl-agent: " << error.Message() << "\n";
    return kStartError;
  }
}
