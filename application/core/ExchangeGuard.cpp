#include "application/core/ExchangeGuard.h"

#include "platform/controls/core/Screen.h"

TExchangeGuard::TExchangeGuard(TForm& form, bool hourglass) : FForm(form), FCursor(Screen().Cursor()) {
  if (hourglass) Screen().SetCursor(crHourGlass);
  FForm.SetEnabled(false);
}

TExchangeGuard::~TExchangeGuard() {
  Screen().SetCursor(FCursor);
  FForm.SetEnabled(true);
}
