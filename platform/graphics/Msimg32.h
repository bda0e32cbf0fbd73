#pragma once
// The two drawing functions of msimg32 the control library uses, bound at run
// time by the units that need them (each keeps its own reference to the
// library); nullptr when the library or the function is missing, and the
// drawing falls back. Tests replace the table.
#include <windows.h>

struct TMsimg32Api {
  decltype(&::AlphaBlend) AlphaBlend = nullptr;
  decltype(&::GradientFill) GradientFill = nullptr;
};

TMsimg32Api& Msimg32Api();
