#pragma once
// TListBox: the Win32 list box. Choosing a line with the mouse or the keys runs OnClick.
#include "platform/controls/CustomListControl.h"

class TListBox : public TCustomListControl {
 public:
  explicit TListBox(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};
