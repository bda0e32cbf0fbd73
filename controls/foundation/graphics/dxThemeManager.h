#pragma once
// One theme handle per kind of themed window element, opened on first use
// and closed when the user changes the visual style; objects that draw with
// themes hear of the change through a notificator.
#include <windows.h>
// The visual-style declarations build on windows.h.
#include <uxtheme.h>

#include <functional>
#include <string>

#include "platform/classes/Component.h"
#include "platform/classes/Sets.h"

enum TdxThemedObjectType {
  totButton,
  totClock,
  totComboBox,
  totEdit,
  totExplorerBar,
  totHeader,
  totListView,
  totMenu,
  totPage,
  totProgress,
  totRebar,
  totScrollBar,
  totSpin,
  totStartPanel,
  totStatus,
  totTab,
  totTaskBand,
  totTaskBar,
  totToolBar,
  totToolTip,
  totTrackBar,
  totTrayNotify,
  totTreeView,
  totWindow
};
constexpr int kThemedObjectTypeCount = totWindow + 1;
using TdxThemedObjectTypes = TSet<TdxThemedObjectType>;

// The file name of the visual style whose colour names the Office 2003
// colours recognise before Windows 6.
constexpr const wchar_t* kLunaThemeFileName = L"LUNA.MSSTYLES";

// True when styles are active, the library is bound and every type of the
// set has a theme; the empty set asks for the first two only.
bool AreVisualStylesAvailable(TdxThemedObjectTypes types = {});
bool IsThemeTypeAvailable(TdxThemedObjectType type);
// The type's theme handle, opened when needed with `classList` (empty: the
// list it was opened with before, else the type's own); null when none opens.
HTHEME OpenTheme(TdxThemedObjectType type, const std::wstring& classList = {});
// 1 when styles are unavailable, 0 when the type has no open theme, else the
// library's answer.
HRESULT CloseTheme(TdxThemedObjectType type);
// Closes every open handle; the class lists stay for the next open.
void CloseAllThemes();
bool IsThemeActiveFlag();

// Tells its owner after every change of the visual style, once the themes are
// closed and the active flag read again.
class TdxThemeChangedNotificator : public TObject {
 public:
  TdxThemeChangedNotificator();
  ~TdxThemeChangedNotificator() override;
  TdxThemeChangedNotificator(const TdxThemeChangedNotificator&) = delete;
  TdxThemeChangedNotificator& operator=(const TdxThemeChangedNotificator&) = delete;

  void SetOnThemeChanged(std::function<void()> handler) { FOnThemeChanged = std::move(handler); }
  void ThemeChanged() const;

 private:
  std::function<void()> FOnThemeChanged;
};

// The hidden window that hears WM_THEMECHANGED; null outside the unit's life.
HWND ThemeChangedReceiverWindow();

void dxThemeManagerInitialize();
void dxThemeManagerFinalize();
