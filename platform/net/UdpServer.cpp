#include "platform/net/UdpServer.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/ClassBuilder.h"
#include "platform/classes/UtilWindow.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr uint32_t kListenSliceMs = 1000;
// A burst of datagrams must survive while the GUI thread is busy elsewhere;
// the default buffer holds only a few hundred small ones.
constexpr int kReceiveBufferOctets = 4 * 1024 * 1024;
constexpr UINT kHandOffMessage = WM_USER + 1;
// Every message sent to the GUI thread runs its call-wnd-proc hooks, which
// under Wine are three round trips to the window server: the datagrams that
// wait together go over together, and a flood costs a hand-off per batch.
constexpr size_t kMostDatagramsPerHandOff = 128;

struct TDatagram {
  std::string Octets;
  TPeer Peer;
};

// What the listener hands to the GUI thread: the datagrams that were waiting,
// in the order they came, then the failure that ended listening, if any.
struct THandOff {
  std::vector<TDatagram> Datagrams;
  std::exception_ptr Error;
};

[[noreturn]] void RaiseLastSystemError() {
  const DWORD code = GetLastError();
  char* text = nullptr;
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length == 0 ? "System error " + IntToStr(code) : Trim(std::string(text, length));
  LocalFree(text);
  throw EOSError(message);
}

struct THandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using TKernelHandle = std::unique_ptr<void, THandleCloser>;

// Waits for `thread` to end while still answering messages other threads send
// to this one, so a listener blocked in a hand-off can finish it.
void WaitServicingSentMessages(HANDLE thread) {
  HANDLE handles[] = {thread};
  while (MsgWaitForMultipleObjects(1, handles, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace

// Exists while the server is active: the bound socket, the hidden window that
// receives hand-offs on the activating thread, and the listener thread.
class TIdUDPServer::TListener {
 public:
  TListener(TIdUDPServer& server, uint16_t port) : FServer(server) {
    FSocket.SetReceiveBufferSize(kReceiveBufferOctets);
    FSocket.Bind("", port);
    FWindow = TUtilWindow([this](TMessage& message) { return HandOffMessage(message); });
    FThread.reset(CreateThread(nullptr, 0, &TListener::ThreadMain, this, 0, nullptr));
    if (!FThread) RaiseLastSystemError();
  }

  // The listener notices the stop flag after its current wait slice (cut
  // short by a datagram to itself) or hand-off; a hand-off that arrives now is
  // answered without running the handler. When the handler itself stops the
  // server, its hand-off is answered first, or the listener would wait for it.
  ~TListener() {
    *FListening = false;
    FStopping = true;
    if (FServer.FDelivering) ReplyMessage(0);
    WakeListener();
    WaitServicingSentMessages(FThread.get());
  }

 private:
  static DWORD WINAPI ThreadMain(void* listener) {
    static_cast<TListener*>(listener)->Listen();
    return 0;
  }

  // Listener thread. Datagrams taken before a failure are handed over with it.
  void Listen() {
    THandOff handOff;
    try {
      while (!FStopping) {
        if (!FSocket.WaitReadable(kListenSliceMs)) continue;
        ReceiveWaiting(handOff.Datagrams);
        HandToGuiThread(handOff);
        handOff = THandOff();
      }
    } catch (const std::exception&) {
      handOff.Error = std::current_exception();
      HandToGuiThread(handOff);
    }
  }

  void ReceiveWaiting(std::vector<TDatagram>& datagrams) {
    do {
      TDatagram& datagram = datagrams.emplace_back();
      datagram.Octets = FSocket.ReceiveFrom(datagram.Peer);
    } while (datagrams.size() < kMostDatagramsPerHandOff && FSocket.WaitReadable(0));
  }

  void HandToGuiThread(THandOff& handOff) {
    if (FStopping) return;
    SendMessageA(FWindow.Handle(), kHandOffMessage, 0, reinterpret_cast<LPARAM>(&handOff));
  }

  void WakeListener() {
    try {
      TUdpSocket waker;
      waker.SendTo("127.0.0.1", FSocket.LocalPort(), "");
    } catch (const std::exception&) {
      // Then the listener sees the stop flag when its wait slice ends.
    }
  }

  // GUI thread. The hand-off is taken over first: a handler that stops the
  // server releases the listener, which owns the original, and ends this
  // object; what was handed over after that handler is dropped.
  bool HandOffMessage(const TMessage& message) {
    if (message.Msg != kHandOffMessage) return false;
    if (FStopping) return true;
    const THandOff handOff = std::move(MessageRecord<THandOff>(message));
    const std::shared_ptr<const bool> listening = FListening;
    TIdUDPServer& server = FServer;
    for (const TDatagram& datagram : handOff.Datagrams) {
      if (!*listening) return true;
      Deliver(server, [&] {
        if (server.FOnUDPRead) server.FOnUDPRead(datagram.Octets, datagram.Peer);
      });
    }
    if (handOff.Error && *listening) Deliver(server, [&] { std::rethrow_exception(handOff.Error); });
    return true;
  }

  // Nothing may leave a window procedure: what the handler raises goes to the
  // exception hook, and the listener goes on.
  template <class F>
  static void Deliver(TIdUDPServer& server, F&& handle) {
    const bool outerDelivering = server.FDelivering;
    server.FDelivering = true;
    try {
      handle();
    } catch (const std::exception& error) {
      Report(server, error);
    } catch (...) {
    }
    server.FDelivering = outerDelivering;
  }

  static void Report(TIdUDPServer& server, const std::exception& error) {
    if (!server.FOnException) return;
    try {
      server.FOnException(error);
    } catch (...) {
    }
  }

  TIdUDPServer& FServer;
  TUdpSocket FSocket;
  TUtilWindow FWindow;
  TKernelHandle FThread;
  std::atomic<bool> FStopping{false};
  // Outlives this object for the hand-off that stops the server.
  const std::shared_ptr<bool> FListening = std::make_shared<bool>(true);
};

TIdUDPServer::TIdUDPServer(TComponent* owner) : TComponent(owner) {}

TClass TIdUDPServer::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TIdUDPServer>("TIdUDPServer", TComponent::StaticClass())
          .Integer("DefaultPort", &TIdUDPServer::DefaultPort, &TIdUDPServer::SetDefaultPort)
          .Boolean("Active", &TIdUDPServer::Active, &TIdUDPServer::SetActive, false)
          .Event("OnUDPRead", &TIdUDPServer::SetOnUDPRead)
          .Build();
  return &metaClass;
}

void TIdUDPServer::Loaded() {
  TComponent::Loaded();
  if (FActivateWhenLoaded) SetActive(true);
}

TIdUDPServer::~TIdUDPServer() { SetActive(false); }

void TIdUDPServer::SetActive(bool active) {
  if (ComponentState().Contains(csLoading)) {
    FActivateWhenLoaded = active;
    return;
  }
  if (active == Active()) return;
  if (active) {
    FListener = std::make_unique<TListener>(*this, FDefaultPort);
  } else {
    FListener.reset();
  }
}
