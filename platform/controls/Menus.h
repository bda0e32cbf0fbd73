#pragma once
// TMainMenu and TMenuItem: a form's menu bar. Items nest as they nest in the
// form; captions mark their mnemonic with "&", a caption of "-" is a
// separator. Each command item has a command number of its own, and the
// form hands the WM_COMMAND of that number back to the item. The Win32 menu
// is built from the items and rebuilt whenever one of them changes.
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/controls/Actions.h"

class TMainMenu;

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

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(index); }
  TMenuItem* Parent() const { return FParent; }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  // An item nested in a menu's or an item's block of a form is added to it.
  void SetParentComponent(TComponent* parent) override;

  // The number WM_COMMAND carries for this item.
  WORD Command() const { return FCommand; }
  void Click();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMainMenu;

  void ActionChanged(const TAction& action) override;
  void Changed();
  TMenuItem* FindCommand(WORD command);
  void AppendItems(HMENU menu) const;
  void AppendTo(HMENU menu) const;

  std::string FCaption;
  bool FEnabled = true;
  bool FVisible = true;
  TAction* FAction = nullptr;
  TNotifyEvent FOnClick;
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

  struct TMenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
  };
  using TMenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, TMenuDeleter>;

  void Rebuild();
  TMenuHandle Build() const;

  std::unique_ptr<TMenuItem> FItems;
  TMenuHandle FHandle;
  HWND FWindowHandle = nullptr;
};
