#include "controls/foundation/graphics/cxDWMApi.h"

#include "platform/rtl/DynamicLibrary.h"
#include "platform/rtl/Units.h"

namespace {

TUnitGuard gUnit;
bool gLoaded = false;

// Windows Vista, the first with a window manager.
constexpr DWORD kDwmMajorVersion = 6;

TDynamicLibrary& DwmLibrary() {
  static TDynamicLibrary library;
  return library;
}

void BindEntries(const TDynamicLibrary& library, TDwmApi& api) {
  library.Bind("DwmDefWindowProc", api.DwmDefWindowProc);
  library.Bind("DwmEnableBlurBehindWindow", api.DwmEnableBlurBehindWindow);
  library.Bind("DwmEnableComposition", api.DwmEnableComposition);
  library.Bind("DwmEnableMMCSS", api.DwmEnableMMCSS);
  library.Bind("DwmExtendFrameIntoClientArea", api.DwmExtendFrameIntoClientArea);
  library.Bind("DwmGetColorizationColor", api.DwmGetColorizationColor);
  library.Bind("DwmGetWindowAttribute", api.DwmGetWindowAttribute);
  library.Bind("DwmIsCompositionEnabled", api.DwmIsCompositionEnabled);
  library.Bind("DwmSetWindowAttribute", api.DwmSetWindowAttribute);
}

}  // namespace

TDwmApi& DwmApi() {
  static TDwmApi api;
  return api;
}

bool BindDwmApi(DWORD majorVersion) {
  DwmApi() = {};
  gLoaded = majorVersion >= kDwmMajorVersion && DwmLibrary().Load("dwmapi.dll");
  if (gLoaded) BindEntries(DwmLibrary(), DwmApi());
  return gLoaded;
}

bool InitDwmApi() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  return BindDwmApi(version.dwMajorVersion);
}

bool IsDwmLoaded() { return gLoaded; }

// A library without the function, or one that fails, tells nothing: the
// answer stays "no composition" rather than whatever the flag held before.
bool IsCompositionEnabled() {
  if (!DwmApi().DwmIsCompositionEnabled) return false;
  BOOL enabled = FALSE;
  return SUCCEEDED(DwmApi().DwmIsCompositionEnabled(&enabled)) && enabled;
}

void cxDWMApiInitialize() {
  if (!gUnit.Enter()) return;
  InitDwmApi();
}

void cxDWMApiFinalize() {
  if (!gUnit.Leave()) return;
  DwmApi() = {};
  gLoaded = false;
  DwmLibrary().Unload();
}
