#include "controls/foundation/controls/cxControlsScrollBar.h"

#include "platform/graphics/Colors.h"

TcxControlScrollBar::TcxControlScrollBar(TWinControl* owner, TcxLookAndFeel* ownerLookAndFeel) : TcxScrollBar(owner) {
  SetColor(clBtnFace);
  TControlStyle style = ControlStyle();
  style.Exclude(csFramed);
  style.Include(csNoDesignVisible);
  SetControlStyle(style);
  SetTabStop(false);
  SetVisible(false);
  LookAndFeel().SetMasterLookAndFeel(ownerLookAndFeel);
}

void TcxControlScrollBar::ApplyData() {
  if (FData.Visible) {
    SetParams(FData.Min, FData.Max, true, FData.PageSize, FData.Position);
    SetSmallChange(FData.SmallChange);
    SetLargeChange(FData.LargeChange);
  }
  SetEnabled(FData.Enabled);
  // Showing or hiding announces itself (CM_SHOWINGCHANGED) to the bar.
  if (Visible() != FData.Visible) SetVisible(FData.Visible);
}

void TcxControlScrollBar::ShowDisabled() {
  SetEnabled(false);
  SetVisible(true);
}

bool TcxControlScrollBar::ParentTakesFocus() {
  if (auto* decider = dynamic_cast<IcxFocusWhenChildIsClicked*>(Parent()))
    return decider->FocusWhenChildIsClicked(this);
  return Parent()->CanFocus();
}

void TcxControlScrollBar::FocusParent() {
  if (!Parent() || !Parent()->HandleAllocated() || !ParentTakesFocus()) return;
  PostMessageA(Parent()->Handle(), WM_SETFOCUS, reinterpret_cast<WPARAM>(GetFocus()), 0);
}

void TcxControlScrollBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: FocusParent(); break;
    case CM_DESIGNHITTEST: message.Result = 1; return;
  }
  TcxScrollBar::WndProc(message);
}
