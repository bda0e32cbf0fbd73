#pragma once
// Look-and-feel settings. So far: the notification of system colour changes.
// While any notifier lives, one hidden window hears WM_SYSCOLORCHANGE, fills
// the Office 2003 colours again and tells the notifiers, the primary ones
// first, so that what the painters cache is rebuilt before any control
// chooses its painter again.
#include <windows.h>

#include "platform/classes/Component.h"

class TcxSystemPaletteChangedNotifier : public TObject {
 public:
  explicit TcxSystemPaletteChangedNotifier(bool isPrimary = false);
  ~TcxSystemPaletteChangedNotifier() override;
  TcxSystemPaletteChangedNotifier(const TcxSystemPaletteChangedNotifier&) = delete;
  TcxSystemPaletteChangedNotifier& operator=(const TcxSystemPaletteChangedNotifier&) = delete;

  bool IsPrimary() const { return FIsPrimary; }
  void SetOnSystemPaletteChanged(std::function<void()> handler) { FOnSystemPaletteChanged = std::move(handler); }

  virtual void DoChanged();

 private:
  bool FIsPrimary;
  std::function<void()> FOnSystemPaletteChanged;
};

// The listener's window while a notifier lives; nullptr otherwise.
HWND SystemPaletteChangedListenerWindow();
