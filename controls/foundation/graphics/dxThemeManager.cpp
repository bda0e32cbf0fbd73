#include "controls/foundation/graphics/dxThemeManager.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/classes/UtilWindow.h"
#include "platform/rtl/Units.h"

namespace {

struct TdxThemeData {
  HTHEME Theme = nullptr;
  std::wstring ClassList;
};

constexpr const wchar_t* kDefaultClassLists[kThemedObjectTypeCount] = {
    L"Button",   L"Clock",    L"ComboBox", L"Edit",      L"ExplorerBar", L"Header",     L"ListView", L"Menu",
    L"Page",     L"Progress", L"Rebar",    L"ScrollBar", L"Spin",        L"StartPanel", L"Status",   L"Tab",
    L"TaskBand", L"TaskBar",  L"ToolBar",  L"ToolTip",   L"TrackBar",    L"TrayNotify", L"TreeView", L"Window"};

TUnitGuard gUnit;
TdxThemeData gThemes[kThemedObjectTypeCount];
bool gThemeActive = false;
std::unique_ptr<std::vector<TdxThemeChangedNotificator*>> gNotificators;

class TdxThemeChangedEventReceiver {
 public:
  TdxThemeChangedEventReceiver() : FWindow([this](TMessage& message) { return WndProc(message); }) {}
  ~TdxThemeChangedEventReceiver() { gThemeActive = false; }
  TdxThemeChangedEventReceiver(const TdxThemeChangedEventReceiver&) = delete;
  TdxThemeChangedEventReceiver& operator=(const TdxThemeChangedEventReceiver&) = delete;

  HWND Handle() const { return FWindow.Handle(); }

 private:
  bool WndProc(TMessage& message);

  TUtilWindow FWindow;
};

std::unique_ptr<TdxThemeChangedEventReceiver> gReceiver;

bool SameClassList(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

bool ThemesUsable() { return gThemeActive && IsUxThemeLoaded(); }

// Closes the handle whatever the active flag says: a handle replaced or
// forgotten without its close stays open in the library.
HRESULT ReleaseTheme(TdxThemeData& data) {
  const HRESULT result = dxUxTheme::CloseThemeData(data.Theme);
  data.Theme = nullptr;
  data.ClassList.clear();
  return result;
}

void ReadThemeActive() { gThemeActive = dxUxTheme::IsThemeActive() != FALSE; }

// Handlers may free notificators, their own included: walk a copy and skip
// the ones that left the list meanwhile.
void NotifyThemeChanged() {
  if (!gNotificators) return;
  const std::vector<TdxThemeChangedNotificator*> snapshot = *gNotificators;
  for (TdxThemeChangedNotificator* notificator : snapshot) {
    if (!gNotificators || std::find(gNotificators->begin(), gNotificators->end(), notificator) == gNotificators->end())
      continue;
    notificator->ThemeChanged();
  }
}

bool TdxThemeChangedEventReceiver::WndProc(TMessage& message) {
  if (message.Msg != WM_THEMECHANGED) return false;
  CloseAllThemes();
  DefWindowProcA(Handle(), message.Msg, message.WParam, message.LParam);
  ReadThemeActive();
  message.Result = 0;
  try {
    NotifyThemeChanged();
  } catch (...) {
    HandleApplicationException(nullptr);
  }
  return true;
}

}  // namespace

bool AreVisualStylesAvailable(TdxThemedObjectTypes types) {
  if (!ThemesUsable()) return false;
  for (int type = 0; type < kThemedObjectTypeCount; ++type) {
    const auto member = static_cast<TdxThemedObjectType>(type);
    if (types.Contains(member) && !OpenTheme(member)) return false;
  }
  return true;
}

bool IsThemeTypeAvailable(TdxThemedObjectType type) { return ThemesUsable() && OpenTheme(type) != nullptr; }

HTHEME OpenTheme(TdxThemedObjectType type, const std::wstring& classList) {
  if (!ThemesUsable()) return nullptr;
  TdxThemeData& data = gThemes[type];
  if (data.Theme) {
    if (classList.empty() || SameClassList(classList, data.ClassList)) return data.Theme;
    ReleaseTheme(data);
  }
  std::wstring list = classList;
  if (list.empty()) list = data.ClassList.empty() ? kDefaultClassLists[type] : data.ClassList;
  data.Theme = dxUxTheme::OpenThemeData(nullptr, list.c_str());
  data.ClassList = data.Theme ? list : std::wstring();
  return data.Theme;
}

HRESULT CloseTheme(TdxThemedObjectType type) {
  if (!ThemesUsable()) return 1;
  TdxThemeData& data = gThemes[type];
  if (!data.Theme) return 0;
  return ReleaseTheme(data);
}

// Closes the handles itself, not through CloseTheme: at shutdown the active
// flag is already cleared, and CloseTheme would leave every handle open.
void CloseAllThemes() {
  for (TdxThemeData& data : gThemes) {
    if (data.Theme) dxUxTheme::CloseThemeData(data.Theme);
    data.Theme = nullptr;
  }
}

bool IsThemeActiveFlag() { return gThemeActive; }

TdxThemeChangedNotificator::TdxThemeChangedNotificator() {
  if (IsUxThemeLoaded() && gNotificators) gNotificators->push_back(this);
}

TdxThemeChangedNotificator::~TdxThemeChangedNotificator() {
  if (gNotificators) std::erase(*gNotificators, this);
}

void TdxThemeChangedNotificator::ThemeChanged() const {
  if (FOnThemeChanged) FOnThemeChanged();
}

HWND ThemeChangedReceiverWindow() { return gReceiver ? gReceiver->Handle() : nullptr; }

void dxThemeManagerInitialize() {
  if (!gUnit.Enter() || !IsUxThemeLoaded()) return;
  ReadThemeActive();
  gReceiver = std::make_unique<TdxThemeChangedEventReceiver>();
  gNotificators = std::make_unique<std::vector<TdxThemeChangedNotificator*>>();
}

void dxThemeManagerFinalize() {
  if (!gUnit.Leave()) return;
  gReceiver.reset();
  CloseAllThemes();
  gNotificators.reset();
}
