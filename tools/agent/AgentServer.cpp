#include "tools/agent/AgentServer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"

namespace {

// How long one idle wait on a device's socket lasts; it bounds how late an
// event or a delayed reply leaves.
constexpr uint32_t kWaitSliceMs = 5;

std::string PeerText(const TPeer& peer) { return peer.IP + ":" + IntToStr(peer.Port); }

std::string EventText(const TScriptEvent& event) {
  switch (event.Kind) {
    case TEventKind::Link: return "link " + IntToStr(event.Port) + (event.On ? " up" : " down");
    case TEventKind::E1Alarm: return "E1 " + IntToStr(event.Port) + (event.On ? " alarm on" : " alarm off");
    case TEventKind::DeviceAlarm: return std::string("device alarm") + (event.On ? " on" : " off");
  }
  return {};
}

// A device bound to all addresses answers from whichever one was asked.
std::string AgentAddressOf(const std::string& listenAddress) {
  return listenAddress.empty() ? "0.0.0.0" : ResolveHost(listenAddress);
}

}  // namespace

TAgentServer::TAgentServer(const TAgentOptions& options, std::vector<TScriptEvent> events)
    : FOptions(options), FEvents(std::move(events)) {
  // Events are in time order: the last one must fall inside the cycle, or it would never play.
  if (FOptions.ScriptCycleMs > 0 && !FEvents.empty() && FEvents.back().AtMs >= FOptions.ScriptCycleMs) {
    throw EConvertError("the script cycle of " + IntToStr(FOptions.ScriptCycleMs) +
                        " ms does not reach its last event at " + IntToStr(FEvents.back().AtMs) + " ms");
  }
  for (const TDeviceConfig& config : options.Devices) {
    TServedDevice device{std::make_unique<TAgentDevice>(config, AgentAddressOf(config.Address)),
                         std::make_unique<TUdpSocket>()};
    BindDevice(*device.Socket, config);
    FDevices.push_back(std::move(device));
  }
}

// The operator must learn which address and port could not be had, not only that one could not.
void TAgentServer::BindDevice(TUdpSocket& socket, const TDeviceConfig& config) {
  try {
    socket.Bind(config.Address, config.Port);
  } catch (const ESocketError& error) {
    const std::string address = config.Address.empty() ? "every address" : config.Address;
    throw ESocketError("cannot listen on UDP port " + IntToStr(config.Port) + " of " + address + ": " +
                       error.Message());
  }
}

// A stop asked through the file ends the agent between two waits, and the
// sockets are closed by the agent itself: under Wine, the socket of a process
// killed while it waited on it was seen to keep its port bound for good.
bool TAgentServer::StopAsked() const {
  std::error_code unreadable;
  return !FOptions.StopFile.empty() && std::filesystem::exists(FOptions.StopFile, unreadable);
}

uint32_t TAgentServer::ElapsedMs() const { return TickCount() - FStartTick; }

// Written under another name first, so a reader never sees half a file.
void TAgentServer::WriteReadyFile() const {
  if (FOptions.ReadyFile.empty()) return;
  const std::string partial = FOptions.ReadyFile + ".partial";
  {
    std::ofstream file(partial, std::ios::trunc);
    for (size_t i = 0; i < FDevices.size(); ++i) {
      file << i + 1 << " " << AgentAddressOf(FDevices[i].Agent->Config().Address) << " "
           << FDevices[i].Socket->LocalPort() << "\n";
    }
  }
  std::filesystem::rename(partial, FOptions.ReadyFile);
}

void TAgentServer::Run() {
  FStartTick = TickCount();
  WriteReadyFile();
  for (size_t i = 0; i < FDevices.size(); ++i) SendTrap(i, FDevices[i].Agent->ColdStartTrap(UptimeTicks()));
  while (!StopAsked()) {
    PlayDueEvents();
    SendDueLateReplies();
    for (size_t i = 0; i < FDevices.size(); ++i) ServeRequests(i);
  }
}

void TAgentServer::SendTrap(size_t device, const std::string& datagram) {
  if (!FOptions.SendTraps) return;
  try {
    FDevices[device].Socket->SendTo(FOptions.ManagerHost, FOptions.ManagerPort, datagram);
    Log(device, "trap sent to " + FOptions.ManagerHost + ":" + IntToStr(FOptions.ManagerPort));
  } catch (const ESocketError& error) {
    Log(device, "trap not sent: " + error.Message());
  }
}

void TAgentServer::PlayDueEvents() {
  if (FOptions.ScriptCycleMs > 0 && ElapsedMs() - FCycleStartMs >= FOptions.ScriptCycleMs) {
    FCycleStartMs += FOptions.ScriptCycleMs;
    FNextEvent = 0;
  }
  for (; FNextEvent < FEvents.size() && FEvents[FNextEvent].AtMs <= ElapsedMs() - FCycleStartMs; ++FNextEvent) {
    const TScriptEvent& event = FEvents[FNextEvent];
    const size_t device = static_cast<size_t>(event.Device - 1);
    Log(device, "event: " + EventText(event));
    SendTrap(device, FDevices[device].Agent->ApplyEvent(event, UptimeTicks()));
  }
}

void TAgentServer::SendDueLateReplies() {
  const uint32_t now = ElapsedMs();
  for (size_t i = 0; i < FLateReplies.size();) {
    if (static_cast<int32_t>(now - FLateReplies[i].DueMs) >= 0) {
      Reply(FLateReplies[i].Device, FLateReplies[i].Peer, FLateReplies[i].Datagram);
      FLateReplies.erase(FLateReplies.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

void TAgentServer::ServeRequests(size_t device) {
  TUdpSocket& socket = *FDevices[device].Socket;
  for (uint32_t wait = kWaitSliceMs; socket.WaitReadable(wait); wait = 0) {
    TPeer peer;
    std::string request;
    try {
      request = socket.ReceiveFrom(peer);
    } catch (const ESocketError& error) {
      Log(device, "receive failed: " + error.Message());
      continue;
    }
    const TAnswer answer = FDevices[device].Agent->Answer(request);
    Log(device, PeerText(peer) + " " + answer.Log);
    for (const std::string& line : answer.SetLog) Log(device, line);
    if (!answer.Reply) continue;
    if (answer.DelayMs == 0) {
      Reply(device, peer, answer.Datagram);
    } else {
      FLateReplies.push_back({ElapsedMs() + answer.DelayMs, device, peer, answer.Datagram});
    }
  }
}

void TAgentServer::Reply(size_t device, const TPeer& peer, const std::string& datagram) {
  try {
    FDevices[device].Socket->SendTo(peer.IP, peer.Port, datagram);
  } catch (const ESocketError& error) {
    Log(device, "reply to " + PeerText(peer) + " not sent: " + error.Message());
  }
}

void TAgentServer::Log(size_t device, const std::string& line) const {
  std::cout << "device " << device + 1 << " " << line << std::endl;
}
