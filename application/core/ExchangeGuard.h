#pragma once
// TExchangeGuard: keeps a window disabled, and the hourglass up when asked,
// while an exchange with a device runs, however the exchange ends. A disabled
// window takes no input, so the operator cannot start a second exchange from
// it while the first one waits for its reply.
#include "platform/controls/core/Control.h"
#include "platform/controls/core/Form.h"

class TExchangeGuard {
 public:
  TExchangeGuard(TForm& form, bool hourglass);
  ~TExchangeGuard();
  TExchangeGuard(const TExchangeGuard&) = delete;
  TExchangeGuard& operator=(const TExchangeGuard&) = delete;

 private:
  TForm& FForm;
  TCursor FCursor;
};
