#pragma once
// The simulated device agent, started for one test and stopped when the test
// ends (also when it fails). Natively it is the native build's agent; in the
// Windows build under Wine it is nepl-agent.exe, started through Wine's own
// process creation. The agent's path comes from the build as NEPL_AGENT_PATH.
// It is stopped through its stop file, so it closes its sockets itself, and
// killed only when it does not end within a few seconds.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/TemporaryFolder.h"
#include "tests/support/WindowsPath.h"

#ifdef _WIN32
#include <windows.h>

#include "tests/support/ChildProcess.h"
#include "tests/support/FixedPort.h"
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

class AgentProcess {
 public:
  // Starts the agent with `arguments` and a ready file of its own, and waits
  // until every device's socket is bound. A port that a program stopped a
  // moment ago held (the previous test's agent) is not always free at once,
  // and Wine now and then refuses to create a process under load, so an
  // agent that could not start or bind is started again a few times.
  explicit AgentProcess(const std::vector<std::string>& arguments) {
    std::vector<std::string> all = arguments;
    all.push_back("--ready-file");
    all.push_back(FFolder.File("ready"));
    all.push_back("--stop-file");
    all.push_back(FFolder.File("stop"));
    for (int attempt = 1;; ++attempt) {
      try {
        Start(all);
        WaitUntilReady();
        return;
      } catch (const ENotStarted& failure) {
        Stop();
        if (attempt == kStartAttempts) throw ENotStarted(failure.what() + PortHolders(arguments));
        std::this_thread::sleep_for(kRetryPause);
      } catch (...) {
        Stop();
        throw;
      }
    }
  }
  ~AgentProcess() { Stop(); }
  AgentProcess(const AgentProcess&) = delete;
  AgentProcess& operator=(const AgentProcess&) = delete;

  // Stops the agent; false when it had to be killed. Returns only when the
  // devices' ports are free again (or after a bound), so the next agent or
  // scripted device can bind them at once.
  bool Stop() {
    if (!Started()) return true;
    FFolder.Write("stop", "");
    const bool ended = EndedWithin(kStopTimeout);
    if (!ended) Kill();
    std::error_code ignored;
    std::filesystem::remove(FFolder.File("stop"), ignored);
    Release();
    return ended;
  }

  // The port device `device` (0 = the first on the command line) listens on.
  uint16_t Port(size_t device = 0) const { return FEndpoints.at(device).Port; }
  // What the agent has logged so far.
  std::string Log() const { return FFolder.Read("log"); }

 private:
  // A start that another try may get through.
  class ENotStarted : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
  };

  static constexpr int kStartAttempts = 20;
  static constexpr auto kRetryPause = std::chrono::milliseconds(100);
  static constexpr auto kReadyTimeout = std::chrono::seconds(15);
  static constexpr auto kStopTimeout = std::chrono::seconds(10);
  static constexpr auto kPollInterval = std::chrono::milliseconds(10);

  static std::string AgentPath() { return WindowsPath(NEPL_AGENT_PATH); }

  // The agent renames its ready file into place whole, but the file can exist
  // a moment before it can be opened (Wine's rename still holds it), so the
  // wait is for its content, not for its name.
  void WaitUntilReady() {
    const auto deadline = std::chrono::steady_clock::now() + kReadyTimeout;
    std::string ready;
    while ((ready = FFolder.Read("ready")).empty()) {
      if (!Running()) throw ENotStarted("the agent ended before it was ready:\n" + Log());
      if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("the agent is not ready:\n" + Log());
      std::this_thread::sleep_for(kPollInterval);
    }
    std::istringstream lines(ready);
    size_t number = 0;
    std::string address;
    unsigned port = 0;
    while (lines >> number >> address >> port) FEndpoints.push_back({address, static_cast<uint16_t>(port)});
  }

  struct TEndpoint {
    std::string Address;
    uint16_t Port;
  };

  // The fixed ports the devices of `arguments` ask for ("--device 127.0.0.1"
  // listens on 161, "--device 127.0.0.1:0" on any free port).
  static std::vector<uint16_t> FixedPorts(const std::vector<std::string>& arguments) {
    constexpr uint16_t kDefaultPort = 161;
    std::vector<uint16_t> ports;
    for (size_t i = 0; i + 1 < arguments.size(); ++i) {
      if (arguments[i] != "--device") continue;
      const std::string& device = arguments[i + 1];
      const size_t colon = device.rfind(':');
      const unsigned long port = colon == std::string::npos ? kDefaultPort : std::stoul(device.substr(colon + 1));
      if (port != 0) ports.push_back(static_cast<uint16_t>(port));
    }
    return ports;
  }

#ifdef _WIN32
  static std::string PortHolders(const std::vector<std::string>& arguments) {
    std::string note;
    for (uint16_t port : FixedPorts(arguments)) note += "\n" + DescribeUdpPortHolders(port);
    return note;
  }

  void Start(const std::vector<std::string>& arguments) {
    std::string commandLine = "\"" + AgentPath() + "\"";
    for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    FLogHandle = CreateFileA(FFolder.File("log").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (FLogHandle == INVALID_HANDLE_VALUE)
      throw ENotStarted("cannot write the agent's log (system error " + std::to_string(GetLastError()) + ")");
    try {
      FProcess = StartChildProcess(commandLine, FLogHandle, CREATE_NO_WINDOW).hProcess;
    } catch (const std::runtime_error& failure) {
      CloseHandle(FLogHandle);
      throw ENotStarted(failure.what());
    }
  }

  bool Running() const { return WaitForSingleObject(FProcess, 0) == WAIT_TIMEOUT; }
  bool Started() const { return FProcess != nullptr; }

  bool EndedWithin(std::chrono::milliseconds timeout) const {
    return WaitForSingleObject(FProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
  }

  void Kill() {
    TerminateProcess(FProcess, 1);
    WaitForSingleObject(FProcess, INFINITE);
  }

  // Lets go of the ended process and waits until its ports are free: Wine
  // releases a socket a little after its process ends.
  void Release() {
    CloseHandle(FProcess);
    CloseHandle(FLogHandle);
    FProcess = nullptr;
    for (const TEndpoint& endpoint : FEndpoints) WaitUntilUdpPortFree(endpoint.Address, endpoint.Port);
  }

  HANDLE FProcess = nullptr;
  HANDLE FLogHandle = nullptr;
#else
  static std::string PortHolders(const std::vector<std::string>&) { return ""; }

  void Start(const std::vector<std::string>& arguments) {
    const std::string path = AgentPath();
    const std::string log = FFolder.File("log");
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    FPid = fork();
    if (FPid < 0) throw std::runtime_error("cannot start " + path);
    if (FPid == 0) {
      const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(output, STDOUT_FILENO);
      dup2(output, STDERR_FILENO);
      execv(path.c_str(), argv.data());
      _exit(127);
    }
  }

  // An agent that ended is reaped here, so Stop never signals a reused process id.
  bool Running() {
    if (waitpid(FPid, nullptr, WNOHANG) == 0) return true;
    FPid = -1;
    return false;
  }

  bool Started() const { return FPid > 0; }

  bool EndedWithin(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Running()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(kPollInterval);
    }
    return true;
  }

  void Kill() {
    kill(FPid, SIGKILL);
    waitpid(FPid, nullptr, 0);
    FPid = -1;
  }

  // The ports of an ended process are free at once.
  void Release() {}

  pid_t FPid = -1;
#endif

  TemporaryFolder FFolder;
  std::vector<TEndpoint> FEndpoints;
};
