#include "platform/controls/PopupMenu.h"

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/Application.h"

namespace {

const char kPopupWindowClass[] = "TPopupList";

TPopupMenu::TPopupHandler& PopupHandler() {
  static TPopupMenu::TPopupHandler handler;
  return handler;
}

// The Win32 menu of one popup, destroyed with its sub-menus when it closes.
class TMenuHandle {
 public:
  TMenuHandle() : FHandle(CreatePopupMenu()) {}
  ~TMenuHandle() { DestroyMenu(FHandle); }
  TMenuHandle(const TMenuHandle&) = delete;
  TMenuHandle& operator=(const TMenuHandle&) = delete;

  HMENU Get() const { return FHandle; }

 private:
  HMENU FHandle;
};

void AppendItems(HMENU menu, const TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    if (!item.Visible()) continue;
    if (item.IsLine()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT flags = MF_STRING | (item.Enabled() ? MF_ENABLED : MF_GRAYED);
    if (item.Count() == 0) {
      AppendMenuA(menu, flags, item.Command(), item.Caption().c_str());
      continue;
    }
    // The sub-menu becomes part of `menu` and is destroyed with it.
    const HMENU subMenu = CreatePopupMenu();
    AppendItems(subMenu, item);
    AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(subMenu), item.Caption().c_str());
  }
}

TMenuItem* FindCommand(const TMenuItem& parent, WORD command) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (item->Count() == 0 && item->Command() == command) return item;
    if (TMenuItem* found = FindCommand(*item, command)) return found;
  }
  return nullptr;
}

}  // namespace

TClass TPopupMenu::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TPopupMenu>("TPopupMenu", TComponent::StaticClass()).Build();
  return &metaClass;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), FItems(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() {
  if (FWindow) DestroyWindow(FWindow);
}

void TPopupMenu::SetPopupHandler(TPopupHandler handler) { PopupHandler() = std::move(handler); }

void TPopupMenu::Popup(int x, int y) {
  if (PopupHandler())
    PopupHandler()(*this, x, y);
  else
    Track(x, y);
}

void TPopupMenu::Track(int x, int y) {
  const TMenuHandle menu;
  AppendItems(menu.Get(), *FItems);
  const HWND window = WindowHandle();
  // Without the foreground the menu would stay open after a click elsewhere.
  SetForegroundWindow(window);
  TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, window, nullptr);
  PostMessageA(window, WM_NULL, 0, 0);
}

HWND TPopupMenu::WindowHandle() {
  if (FWindow) return FWindow;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExA(instance, kPopupWindowClass, &windowClass)) {
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kPopupWindowClass;
    if (!RegisterClassExA(&windowClass)) throw EOSError("Cannot register the popup menu window class");
  }
  FWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kPopupWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                            nullptr);
  if (!FWindow) throw EOSError("Cannot create the popup menu window");
  SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return FWindow;
}

LRESULT CALLBACK TPopupMenu::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* menu = reinterpret_cast<TPopupMenu*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!menu || message != WM_COMMAND || HIWORD(wParam) != 0) return DefWindowProcA(window, message, wParam, lParam);
  try {
    if (TMenuItem* item = FindCommand(*menu->FItems, LOWORD(wParam))) item->Click();
  } catch (...) {
    Application().HandleException(menu);
  }
  return 0;
}
