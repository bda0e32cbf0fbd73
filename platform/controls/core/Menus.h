#pragma once
// TMainMenu, TPopupMenu and TMenuItem: a form's menu bar and the menus a
// control opens on a right click. Items nest as they nest in the form;
// captions mark their mnemonic with "&", a caption of "-" is a separator.
// A caption is shown and kept exactly as given: no hot key is ever added, so
// a handler may compare an item's Caption with the text it was created with.
// Each command item has a command number of its own, and the window that
// receives the WM_COMMAND of that number hands it back to the item. The Win32
// menu is built from the items (the menu bar again whenever one changes).
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Messages.h"
#include "platform/classes/UtilWindow.h"
#include "platform/controls/core/Actions.h"

class TMainMenu;

// A key with its modifiers, as menu items name their shortcuts: the virtual
// key in the low byte and a bit for each modifier.
using TShortCut = WORD;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShiftState shift);
// The shortcut a WM_KEYDOWN or WM_SYSKEYDOWN (or its CN_ form) stands for.
TShortCut ShortCutOfMessage(const TMessage& message);

struct TMenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
// A Win32 menu, destroyed with its sub-menus when its owner goes.
using TMenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, TMenuDeleter>;

class TMenuItem : public TComponent, private TActionClient {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  bool IsLine() const { return FCaption == "-"; }
  // An item bound to an action takes its caption and state, and runs it when
  // clicked unless the item has an OnClick of its own.
  TAction* Action() const { return FAction; }
  void SetAction(TAction* action);
  void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }
  // The key that clicks the item while its menu is asked (IsShortCut).
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value) { FShortCut = value; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(index); }
  TMenuItem* Parent() const { return FParent; }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  // Frees the items below this one: a menu refilled at run time keeps no stale items.
  void Clear();
  // An item nested in a menu's or an item's block of a form is added to it.
  void SetParentComponent(TComponent* parent) override;

  // The number WM_COMMAND carries for this item.
  WORD Command() const { return FCommand; }
  void Click();
  // The command item below this one with that number, or nullptr.
  TMenuItem* FindCommand(WORD command);
  // The item below this one with that shortcut, or nullptr.
  TMenuItem* FindShortCut(TShortCut shortCut);
  // Appends the visible items below this one to a Win32 menu.
  void AppendItems(HMENU menu) const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMainMenu;

  void ActionChanged(const TAction& action) override;
  void Changed();
  void AppendTo(HMENU menu) const;

  std::string FCaption;
  bool FEnabled = true;
  bool FVisible = true;
  TAction* FAction = nullptr;
  TNotifyEvent FOnClick;
  TShortCut FShortCut = scNone;
  WORD FCommand;
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
  TMainMenu* FMenu = nullptr;  // set on a menu's root item only
};

class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The invisible root whose items make the menu bar.
  TMenuItem& Items() { return *FItems; }
  // The Win32 menu bar, built on first use.
  HMENU Handle();
  // The window showing this menu bar, which follows every change; nullptr detaches it.
  void SetWindowHandle(HWND window);
  // Clicks the item of that command number; false when there is none.
  bool DispatchCommand(WORD command);

 private:
  friend class TMenuItem;

  void Rebuild();
  TMenuHandle Build() const;

  TOwned<TMenuItem> FItems;
  TMenuHandle FHandle;
  HWND FWindowHandle = nullptr;
};

class TPopupMenu : public TComponent {
 public:
  // Replaces the menu's modal tracking: receives the menu and the screen point.
  using TPopupHandler = std::function<void(TPopupMenu& menu, int x, int y)>;

  explicit TPopupMenu(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The invisible root whose items the menu shows.
  TMenuItem& Items() { return *FItems; }

  // Opens the menu at a screen point and returns when it is closed; the chosen
  // item's Click runs when its WM_COMMAND reaches WindowHandle.
  void Popup(int x, int y);
  // The hidden window that receives the items' WM_COMMAND.
  HWND WindowHandle();

  // Whether a control's right click or context key opens the menu by itself.
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool value) { FAutoPopup = value; }
  // The component the menu was last opened for.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* component);
  // A key message that is the shortcut of an enabled item clicks that item;
  // true when one took it.
  bool IsShortCut(const TMessage& message);

  // Tests replace the modal tracking, which would wait for a real click.
  static void SetPopupHandler(TPopupHandler handler);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool CommandMessage(const TMessage& message);
  void Track(int x, int y);

  TOwned<TMenuItem> FItems;
  TUtilWindow FWindow;
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
};
