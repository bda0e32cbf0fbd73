#pragma once
// Runs the simulated devices: binds one socket per device, announces the bound
// ports in the ready file, sends the cold-start traps, then answers requests,
// sends late replies when they fall due and plays the event script (again and
// again, when it has a cycle), until its stop file appears
// or the process is stopped.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/net/UdpSocket.h"
#include "tools/agent/Agent.h"
#include "tools/agent/CommandLine.h"
#include "tools/agent/Script.h"

class TAgentServer {
 public:
  // Raises EConvertError for a device it cannot build and ESocketError for a
  // socket it cannot bind.
  TAgentServer(const TAgentOptions& options, std::vector<TScriptEvent> events);
  TAgentServer(const TAgentServer&) = delete;
  TAgentServer& operator=(const TAgentServer&) = delete;

  void Run();

 private:
  struct TServedDevice {
    std::unique_ptr<TAgentDevice> Agent;
    std::unique_ptr<TUdpSocket> Socket;
  };
  struct TLateReply {
    uint32_t DueMs;
    size_t Device;
    TPeer Peer;
    std::string Datagram;
  };

  bool StopAsked() const;
  uint32_t ElapsedMs() const;
  uint32_t UptimeTicks() const { return ElapsedMs() / 10; }
  static void BindDevice(TUdpSocket& socket, const TDeviceConfig& config);
  void WriteReadyFile() const;
  void SendTrap(size_t device, const std::string& datagram);
  void PlayDueEvents();
  void SendDueLateReplies();
  void ServeRequests(size_t device);
  void Reply(size_t device, const TPeer& peer, const std::string& datagram);
  void Log(size_t device, const std::string& line) const;

  TAgentOptions FOptions;
  std::vector<TServedDevice> FDevices;
  std::vector<TScriptEvent> FEvents;
  size_t FNextEvent = 0;
  // When the script's present round started, in ElapsedMs.
  uint32_t FCycleStartMs = 0;
  std::vector<TLateReply> FLateReplies;
  uint32_t FStartTick = 0;
};
