#pragma once
// The desktop window manager, bound at run time: it exists from Windows 6 on,
// and without it (older systems, or the library or a function missing) windows
// are drawn without composition. Every function is a pointer of the table,
// nullptr when absent; callers test it before calling. Tests replace the table.
#include <windows.h>
// The window-manager declarations build on windows.h.
#include <dwmapi.h>

// The library's functions, in the order they are looked up.
struct TDwmApi {
  decltype(&::DwmDefWindowProc) DwmDefWindowProc = nullptr;
  decltype(&::DwmEnableBlurBehindWindow) DwmEnableBlurBehindWindow = nullptr;
  decltype(&::DwmEnableComposition) DwmEnableComposition = nullptr;
  decltype(&::DwmEnableMMCSS) DwmEnableMMCSS = nullptr;
  decltype(&::DwmExtendFrameIntoClientArea) DwmExtendFrameIntoClientArea = nullptr;
  decltype(&::DwmGetColorizationColor) DwmGetColorizationColor = nullptr;
  decltype(&::DwmGetWindowAttribute) DwmGetWindowAttribute = nullptr;
  decltype(&::DwmIsCompositionEnabled) DwmIsCompositionEnabled = nullptr;
  decltype(&::DwmSetWindowAttribute) DwmSetWindowAttribute = nullptr;
};

TDwmApi& DwmApi();

// Binds the library as the unit's start-up does, for a system of that major
// version; true when it was loaded.
bool BindDwmApi(DWORD majorVersion);
// Binds the library for the running system; true when it was loaded.
bool InitDwmApi();
bool IsDwmLoaded();
// False unless the window manager answers that composition is on.
bool IsCompositionEnabled();

void cxDWMApiInitialize();
void cxDWMApiFinalize();
