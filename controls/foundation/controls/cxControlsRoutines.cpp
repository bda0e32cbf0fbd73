// The unit's menu, designer, key and size-grip routines.
#include "controls/foundation/controls/cxControls.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Menus.h"

UINT cxControls::GetDoubleClickTime() { return cxInputApi().GetDoubleClickTime(); }

WORD TranslateKey(WORD key, bool rightToLeft) {
  if (!rightToLeft) return key;
  if (key == VK_LEFT) return VK_RIGHT;
  if (key == VK_RIGHT) return VK_LEFT;
  return key;
}

bool ShowPopupMenu(TComponent* caller, TComponent* menu, int x, int y) {
  if (auto* custom = dynamic_cast<IcxPopupMenu*>(menu)) {
    custom->Popup(x, y);
    return true;
  }
  auto* popupMenu = dynamic_cast<TPopupMenu*>(menu);
  if (!popupMenu || !popupMenu->AutoPopup()) return false;
  popupMenu->SetPopupComponent(caller);
  popupMenu->Popup(x, y);
  return true;
}

bool IsPopupMenuShortCut(TComponent* menu, const TMessage& message) {
  if (auto* custom = dynamic_cast<IcxPopupMenu*>(menu)) return custom->IsShortCut(message);
  auto* popupMenu = dynamic_cast<TPopupMenu*>(menu);
  return popupMenu && popupMenu->Items().Count() > 0 && popupMenu->IsShortCut(message);
}

// A control of the library is in design mode exactly when it carries
// csDesigning, as every other component: one test serves both.
void SetDesignerModified(TComponent* component) {
  if (component && component->ComponentState().Contains(csDesigning)) DesignerModified(*component);
}

TClass TcxSizeGrip::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxSizeGrip>("TcxSizeGrip", TCustomControl::StaticClass()).Build();
  return &metaClass;
}

TcxSizeGrip::TcxSizeGrip(TComponent* owner) : TCustomControl(owner) {
  SetColor(clBtnFace);
  TControlStyle style = ControlStyle();
  style.Include(csNoDesignVisible);
  // Paint covers the whole square.
  style.Include(csOpaque);
  SetControlStyle(style);
}

void TcxSizeGrip::Paint() {
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
}
