#include "controls/foundation/cxLookAndFeels.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/foundation/dxOffice11.h"
#include "platform/classes/UtilWindow.h"

namespace {

class TcxSystemPaletteChangedListener {
 public:
  TcxSystemPaletteChangedListener() : FWindow(&TcxSystemPaletteChangedListener::WndProc) {}

  void Add(TcxSystemPaletteChangedNotifier* notifier) { ListOf(notifier).push_back(notifier); }
  void Remove(TcxSystemPaletteChangedNotifier* notifier) { std::erase(ListOf(notifier), notifier); }
  bool Empty() const { return FNotifiers.empty() && FPrimaryNotifiers.empty(); }
  bool Contains(const TcxSystemPaletteChangedNotifier* notifier) {
    const std::vector<TcxSystemPaletteChangedNotifier*>& list = ListOf(notifier);
    return std::find(list.begin(), list.end(), notifier) != list.end();
  }
  HWND Handle() const { return FWindow.Handle(); }
  // The primary notifiers from the last to the first, then the others likewise.
  std::vector<TcxSystemPaletteChangedNotifier*> NotificationOrder() const {
    std::vector<TcxSystemPaletteChangedNotifier*> order(FPrimaryNotifiers.rbegin(), FPrimaryNotifiers.rend());
    order.insert(order.end(), FNotifiers.rbegin(), FNotifiers.rend());
    return order;
  }

 private:
  std::vector<TcxSystemPaletteChangedNotifier*>& ListOf(const TcxSystemPaletteChangedNotifier* notifier) {
    return notifier->IsPrimary() ? FPrimaryNotifiers : FNotifiers;
  }
  static bool WndProc(TMessage& message);

  std::vector<TcxSystemPaletteChangedNotifier*> FNotifiers;
  std::vector<TcxSystemPaletteChangedNotifier*> FPrimaryNotifiers;
  TUtilWindow FWindow;
};

std::unique_ptr<TcxSystemPaletteChangedListener> gListener;

// A notifier's handler may free notifiers, the last one and with it this
// listener included: the order is taken first, and each notifier is asked for
// only while it is still listed.
void NotifySystemPaletteChanged() {
  for (TcxSystemPaletteChangedNotifier* notifier : gListener->NotificationOrder())
    if (gListener && gListener->Contains(notifier)) notifier->DoChanged();
}

bool TcxSystemPaletteChangedListener::WndProc(TMessage& message) {
  if (message.Msg != WM_SYSCOLORCHANGE) return false;
  RefreshOffice11Colors();
  NotifySystemPaletteChanged();
  // The default processing follows.
  return false;
}

}  // namespace

TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool isPrimary) : FIsPrimary(isPrimary) {
  if (!gListener) {
    AddOffice11ColorsRef();
    gListener = std::make_unique<TcxSystemPaletteChangedListener>();
  }
  gListener->Add(this);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier() {
  gListener->Remove(this);
  if (!gListener->Empty()) return;
  gListener.reset();
  ReleaseOffice11ColorsRef();
}

void TcxSystemPaletteChangedNotifier::DoChanged() {
  if (FOnSystemPaletteChanged) FOnSystemPaletteChanged();
}

HWND SystemPaletteChangedListenerWindow() { return gListener ? gListener->Handle() : nullptr; }
