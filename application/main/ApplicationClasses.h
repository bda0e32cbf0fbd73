#pragma once
#include <vector>

#include "platform/rtl/Units.h"

// Registers every form class of the application and every component class
// its form resources name beyond the standard controls. Idempotent.
void RegisterApplicationClasses();

// Creates the forms the program makes before its message loop, in their
// order: the main window first, so that it becomes the main form.
void CreateApplicationForms();

// The units the program starts before it creates a form, in their order:
// the control library's foundation, then its editors, which build on it and
// register the editor controls the forms name.
std::vector<TUnitInfo> ApplicationUnits();
