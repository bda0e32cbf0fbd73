#pragma once
// TPopupMenu: the menu a control opens on a right click, made of menu items
// (Menus.h). Its hidden window receives the WM_COMMAND of the item chosen and
// runs that item's Click.
#include <windows.h>

#include <functional>
#include <memory>

#include "platform/classes/Component.h"
#include "platform/controls/Menus.h"

class TPopupMenu : public TComponent {
 public:
  // Replaces the menu's modal tracking: receives the menu and the screen point.
  using TPopupHandler = std::function<void(TPopupMenu& menu, int x, int y)>;

  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The invisible root whose items the menu shows.
  TMenuItem& Items() { return *FItems; }

  // Opens the menu at a screen point and returns when it is closed; the chosen
  // item's Click runs when its WM_COMMAND reaches WindowHandle.
  void Popup(int x, int y);
  // The hidden window that receives the items' WM_COMMAND.
  HWND WindowHandle();

  // Tests replace the modal tracking, which would wait for a real click.
  static void SetPopupHandler(TPopupHandler handler);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Track(int x, int y);

  std::unique_ptr<TMenuItem> FItems;
  HWND FWindow = nullptr;
};
