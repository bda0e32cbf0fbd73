#include "platform/controls/core/Menus.h"

#include <algorithm>
#include <vector>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"

namespace {

// Command numbers are 16 bits wide and dialogs come and go, so numbers are
// reused once their items are gone. They start above IDOK, IDCANCEL and the
// other numbers the dialog manager sends as commands.
class TCommandPool {
 public:
  WORD Allocate() {
    auto it = std::find(FUsed.begin(), FUsed.end(), false);
    if (it == FUsed.end()) it = FUsed.insert(FUsed.end(), false);
    *it = true;
    return static_cast<WORD>(kFirstCommand + (it - FUsed.begin()));
  }
  void Release(WORD command) { FUsed.at(command - kFirstCommand) = false; }

 private:
  static constexpr WORD kFirstCommand = 100;
  std::vector<bool> FUsed;
};

TCommandPool& CommandPool() {
  static TCommandPool pool;
  return pool;
}

TPopupMenu::TPopupHandler& PopupHandler() {
  static TPopupMenu::TPopupHandler handler;
  return handler;
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  TShortCut result = key & 0xFF;
  if (shift.Contains(ssShift)) result |= scShift;
  if (shift.Contains(ssCtrl)) result |= scCtrl;
  if (shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

TShortCut ShortCutOfMessage(const TMessage& message) {
  return ShortCut(KeyCode(message), KeyDataToShiftState(message.LParam));
}

TClass TMenuItem::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TMenuItem>("TMenuItem", TComponent::StaticClass())
                                          .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                          .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
                                          .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
                                          .Component("Action", &TMenuItem::Action, &TMenuItem::SetAction)
                                          .Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, 0)
                                          .Event("OnClick", &TMenuItem::SetOnClick)
                                          .Build();
  return &metaClass;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(CommandPool().Allocate()) {}

TMenuItem::~TMenuItem() {
  if (FAction) FAction->RemoveClient(this);
  for (TMenuItem* item : FItems) item->FParent = nullptr;
  FItems.clear();
  if (FParent) FParent->Remove(this);
  CommandPool().Release(FCommand);
}

void TMenuItem::SetCaption(const std::string& value) {
  FCaption = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  FEnabled = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  FVisible = value;
  Changed();
}

void TMenuItem::SetAction(TAction* action) {
  if (action == FAction) return;
  if (FAction) {
    FAction->RemoveClient(this);
    RemoveFreeNotification(FAction);
  }
  FAction = action;
  if (!FAction) return;
  FAction->AddClient(this);
  FAction->FreeNotification(this);
  ActionChanged(*FAction);
}

void TMenuItem::ActionChanged(const TAction& action) {
  FCaption = action.Caption();
  FEnabled = action.Enabled();
  FVisible = action.Visible();
  Changed();
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  // The action is going: it has no clients to tell any more.
  if (operation == opRemove && component == FAction) FAction = nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
  if (item->FParent) item->FParent->Remove(item);
  item->FParent = this;
  FItems.push_back(item);
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  std::erase(FItems, item);
  item->FParent = nullptr;
  Changed();
}

void TMenuItem::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (!parent) return;
  if (parent->InheritsFrom(TMenuItem::StaticClass()))
    static_cast<TMenuItem*>(parent)->Add(this);
  else if (parent->InheritsFrom(TMainMenu::StaticClass()))
    static_cast<TMainMenu*>(parent)->Items().Add(this);
  else if (parent->InheritsFrom(TPopupMenu::StaticClass()))
    static_cast<TPopupMenu*>(parent)->Items().Add(this);
}

void TMenuItem::Click() {
  if (FOnClick)
    FOnClick(this);
  else if (FAction)
    FAction->Execute();
}

void TMenuItem::Changed() {
  TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  if (root->FMenu) root->FMenu->Rebuild();
}

TMenuItem* TMenuItem::FindCommand(WORD command) {
  for (TMenuItem* item : FItems) {
    if (item->FItems.empty() && item->FCommand == command) return item;
    if (TMenuItem* found = item->FindCommand(command)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
  for (TMenuItem* item : FItems) {
    if (item->FShortCut == shortCut) return item;
    if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
  }
  return nullptr;
}

void TMenuItem::AppendItems(HMENU menu) const {
  for (const TMenuItem* item : FItems)
    if (item->FVisible) item->AppendTo(menu);
}

void TMenuItem::AppendTo(HMENU menu) const {
  if (IsLine()) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  const UINT flags = MF_STRING | (FEnabled ? MF_ENABLED : MF_GRAYED);
  if (FItems.empty()) {
    AppendMenuA(menu, flags, FCommand, FCaption.c_str());
    return;
  }
  // The popup becomes part of `menu` and is destroyed with it.
  const HMENU popup = CreatePopupMenu();
  AppendItems(popup);
  AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(popup), FCaption.c_str());
}

TClass TMainMenu::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TMainMenu>("TMainMenu", TComponent::StaticClass()).Build();
  return &metaClass;
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), FItems(CreateUnowned<TMenuItem>()) {
  FItems->FMenu = this;
}

TMainMenu::~TMainMenu() {
  SetWindowHandle(nullptr);
  FItems->FMenu = nullptr;
}

HMENU TMainMenu::Handle() {
  if (!FHandle) FHandle = Build();
  return FHandle.get();
}

TMenuHandle TMainMenu::Build() const {
  TMenuHandle menu(CreateMenu());
  FItems->AppendItems(menu.get());
  return menu;
}

void TMainMenu::Rebuild() {
  if (!FHandle) return;
  TMenuHandle menu = Build();
  if (FWindowHandle) {
    ::SetMenu(FWindowHandle, menu.get());
    DrawMenuBar(FWindowHandle);
  }
  FHandle = std::move(menu);
}

void TMainMenu::SetWindowHandle(HWND window) {
  if (FWindowHandle && IsWindow(FWindowHandle)) ::SetMenu(FWindowHandle, nullptr);
  FWindowHandle = window;
  if (FWindowHandle) ::SetMenu(FWindowHandle, Handle());
}

bool TMainMenu::DispatchCommand(WORD command) {
  TMenuItem* item = FItems->FindCommand(command);
  if (!item) return false;
  if (item->Enabled()) item->Click();
  return true;
}

TClass TPopupMenu::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TPopupMenu>("TPopupMenu", TComponent::StaticClass())
                                          .Boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true)
                                          .Build();
  return &metaClass;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), FItems(CreateUnowned<TMenuItem>()) {}

void TPopupMenu::SetPopupHandler(TPopupHandler handler) { PopupHandler() = std::move(handler); }

void TPopupMenu::Popup(int x, int y) {
  if (PopupHandler())
    PopupHandler()(*this, x, y);
  else
    Track(x, y);
}

void TPopupMenu::Track(int x, int y) {
  const TMenuHandle menu(CreatePopupMenu());
  FItems->AppendItems(menu.get());
  const HWND window = WindowHandle();
  // Without the foreground the menu would stay open after a click elsewhere.
  SetForegroundWindow(window);
  TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, window, nullptr);
  PostMessageA(window, WM_NULL, 0, 0);
}

HWND TPopupMenu::WindowHandle() {
  if (!FWindow) {
    TUtilWindowParams params;
    params.ExStyle = WS_EX_TOOLWINDOW;
    FWindow = TUtilWindow([this](TMessage& message) { return CommandMessage(message); }, params);
  }
  return FWindow.Handle();
}

bool TPopupMenu::CommandMessage(const TMessage& message) {
  if (message.Msg != WM_COMMAND || CommandCode(message) != 0) return false;
  if (TMenuItem* item = FItems->FindCommand(CommandId(message))) item->Click();
  return true;
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  if (FPopupComponent) RemoveFreeNotification(FPopupComponent);
  FPopupComponent = component;
  if (FPopupComponent) FPopupComponent->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}

bool TPopupMenu::IsShortCut(const TMessage& message) {
  const TShortCut shortCut = ShortCutOfMessage(message);
  TMenuItem* item = shortCut == scNone ? nullptr : FItems->FindShortCut(shortCut);
  if (!item) return false;
  // An item in a disabled submenu is as far from the key as from the mouse.
  for (const TMenuItem* step = item; step != FItems.get(); step = step->Parent())
    if (!step->Enabled()) return false;
  item->Click();
  return true;
}
