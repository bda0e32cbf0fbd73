#pragma once
// TCustomListControl: a Win32 control that shows a list of texts and one
// chosen line (a list box, a combo box). Items is the list the window shows:
// every change of it reaches the window at once. ItemIndex is the window's
// choice (-1: none); it is kept while there is no window, and read back from
// the window when the window goes, so it survives a new window and the
// control's own destruction. SelectionSet tells a descendant that the
// program, not the user, decided what the window shows now.
#include "platform/controls/standard/ItemList.h"
#include "platform/controls/core/WinControl.h"
#include "platform/rtl/StringList.h"

class TCustomListControl : public TWinControl {
 public:
  TCustomListControl(TComponent* owner, const TItemListMessages& messages);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TStringList& Items() { return FItems; }
  int ItemIndex() const;
  void SetItemIndex(int value);

 protected:
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  virtual void SelectionSet() {}

 private:
  const TItemListMessages& FMessages;
  TStringList FItems;
  TItemListWindow FWindowItems;
  int FItemIndex = -1;
};
