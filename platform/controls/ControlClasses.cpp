#include "platform/controls/ControlClasses.h"

#include "platform/controls/StatusBar.h"

void RegisterControlClasses() { RegisterClasses({TStatusBar::StaticClass()}); }
