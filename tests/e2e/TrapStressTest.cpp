// A burst of 10,000 traps sent as fast as another thread can: the program
// keeps handling its other messages while it decodes them, and says how many
// arrived and how fast.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "application/core/CommClass.h"
#include "tests/e2e/Pump.h"
#include "tests/e2e/RecordingMonitor.h"
#include "tools/agent/Traps.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kTrapCount = 10000;
constexpr UINT kProbeMessage = WM_APP + 7;
constexpr auto kProbeInterval = std::chrono::milliseconds(10);

// A message-only window that measures how long posted messages wait in the queue.
class TLatencyProbe {
 public:
  TLatencyProbe() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "NeplLatencyProbe";
    RegisterClassA(&windowClass);
    FWindow = CreateWindowA("NeplLatencyProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, this);
    SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~TLatencyProbe() { DestroyWindow(FWindow); }

  void Post() {
    const auto sent = TClock::now().time_since_epoch().count();
    PostMessageA(FWindow, kProbeMessage, 0, static_cast<LPARAM>(sent));
    ++FPosted;
  }
  int Posted() const { return FPosted; }
  int Handled() const { return FHandled; }
  std::chrono::milliseconds WorstWait() const { return FWorstWait; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TLatencyProbe*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != kProbeMessage || !self) return DefWindowProcA(window, message, wParam, lParam);
    const auto sent = TClock::time_point(TClock::duration(lParam));
    self->FWorstWait =
        std::max(self->FWorstWait, std::chrono::duration_cast<std::chrono::milliseconds>(TClock::now() - sent));
    ++self->FHandled;
    return 0;
  }

  HWND FWindow = nullptr;
  int FPosted = 0;
  int FHandled = 0;
  std::chrono::milliseconds FWorstWait{0};
};

std::string EnterpriseTrap() { return DeviceTrap({0, "public", std::string("\x7F\x00\x00\x01", 4), 5}, 14, 2, 2, 100); }

}  // namespace

TEST(TrapStress, TenThousandTrapsWhileTheWindowsStayResponsive) {
  Application().Initialize();
  RegisterCommClasses();
  TRecordingMonitor* monitor = nullptr;
  Application().CreateForm(monitor);
  Application().CreateForm(CommClassW);
  int received = 0;
  const auto decode = CommClassW->IdUDPServerTrap->OnUDPRead();
  CommClassW->IdUDPServerTrap->SetOnUDPRead([&](const std::string& datagram, const TPeer& peer) {
    ++received;
    decode(datagram, peer);
  });

  const std::string trap = EnterpriseTrap();
  std::atomic<bool> sent{false};
  const auto start = TClock::now();
  std::thread sender([&] {
    TUdpSocket socket;
    for (int i = 0; i < kTrapCount; ++i) socket.SendTo("127.0.0.1", 162, trap);
    sent = true;
  });

  TLatencyProbe probe;
  auto lastArrival = TClock::now();
  int lastCount = 0;
  auto nextProbe = TClock::now();
  const auto burstOver = [&] {
    if (TClock::now() >= nextProbe) {
      probe.Post();
      nextProbe += kProbeInterval;
    }
    if (received != lastCount) {
      lastCount = received;
      lastArrival = TClock::now();
    }
    return received == kTrapCount || (sent && TClock::now() - lastArrival > std::chrono::milliseconds(500));
  };
  const bool ended = PumpUntil(burstOver, 30000);
  sender.join();
  PumpUntil([&] { return probe.Handled() == probe.Posted(); }, 2000);

  const double seconds = std::chrono::duration<double>(lastArrival - start).count();
  std::printf(
      "traps sent %d, received %d, decoded %zu, lost %d; %.0f traps/s; worst wait of a posted message %lld ms\n",
      kTrapCount, received, monitor->Traps.size(), kTrapCount - received, received / seconds,
      static_cast<long long>(probe.WorstWait().count()));
  EXPECT_TRUE(ended);
  EXPECT_EQ(monitor->Traps.size(), static_cast<size_t>(received));
  EXPECT_GT(received, kTrapCount / 2);
  EXPECT_EQ(probe.Handled(), probe.Posted());
  EXPECT_LT(probe.WorstWait(), std::chrono::milliseconds(1000));

  CommClassW->Free();
  CommClassW = nullptr;
  delete monitor;
}
