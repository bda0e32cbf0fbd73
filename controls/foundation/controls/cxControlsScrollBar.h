#pragma once
// The scroll bar a control owns as its horizontal or vertical bar: hidden
// until the control's layout shows it, never a tab stop, following the
// control's look-and-feel, and handing the focus to the control when clicked.
#include "controls/foundation/controls/cxControlsScrollBars.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "controls/foundation/controls/cxScrollBar.h"

// A parent that decides itself whether a click on one of its child controls
// gives it the focus.
class IcxFocusWhenChildIsClicked {
 public:
  virtual ~IcxFocusWhenChildIsClicked() = default;
  virtual bool FocusWhenChildIsClicked(TControl* child) = 0;
};

class TcxControlScrollBar : public TcxScrollBar {
 public:
  // `ownerLookAndFeel` becomes the master of the bar's look-and-feel.
  TcxControlScrollBar(TWinControl* owner, TcxLookAndFeel* ownerLookAndFeel);

  // What the control wants the bar to show at the next ApplyData.
  TcxScrollBarData& Data() { return FData; }
  const TcxScrollBarData& Data() const { return FData; }
  void ApplyData();
  // Shown but disabled, whatever the pending data says.
  void ShowDisabled();

  // Posts the parent a WM_SETFOCUS when the parent agrees to take the focus.
  virtual void FocusParent();

 protected:
  void WndProc(TMessage& message) override;

 private:
  bool ParentTakesFocus();

  TcxScrollBarData FData;
};
