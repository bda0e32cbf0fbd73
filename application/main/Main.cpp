#include "application/main/Main.h"

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/ProgramFolder.h"

TMainW* MainW = nullptr;
const std::string AppDir = ProgramFolder();

namespace {

constexpr int kConnectionPanel = 1;
constexpr int kOutcomePanel = 2;

// Device traps as they arrive from port 1 and the Ethernet ports.
constexpr int32_t kTrapLOA = 11;
constexpr int32_t kTrapGID = 12;
constexpr int32_t kTrapLink = 14;
constexpr int32_t kTrapLOF = 15;

}  // namespace

TClass TMainW::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TMainW>("TMainW", TForm::StaticClass()).Field("StatusBar", &TMainW::StatusBar).Build();
  return &metaClass;
}

void TMainW::ShowExchange(const std::string& connection, const std::string& outcome, bool connected) {
  StatusBar->Panels().Items(kConnectionPanel).SetText(connection);
  StatusBar->Panels().Items(kOutcomePanel).SetText(outcome);
  FConnected = connected;
}

void TMainW::ShowAlarm(const TPDU& trap) {
  if (trap.SenderIP != CurrentDevice.IP || trap.NEAddr != CurrentDevice.Addr) return;
  if (trap.Port == 1) {
    ShowPortOneAlarm(trap);
  } else if (trap.Port >= 2 && trap.Port <= kEthPortCount) {
    // Any trap of an Ethernet port but a cleared link trap means the link is up.
    FEthStates[trap.Port - 1].LinkUp = !(trap.TrapIndex == kTrapLink && trap.State == 0);
  }
}

void TMainW::ShowPortOneAlarm(const TPDU& trap) {
  const bool raised = trap.State != 0;
  switch (trap.TrapIndex) {
    case kTrapLOA: FIndicators[indLOA] = raised; break;
    case kTrapGID: FIndicators[indGID] = raised; break;
    case kTrapLink: FEthStates[0].LinkUp = raised; break;
    case kTrapLOF: FIndicators[indLOF] = raised; break;
    default: break;
  }
}
