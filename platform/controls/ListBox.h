#pragma once
// TListBox: the Win32 list box. Items is the list the window shows: every
// change of it reaches the window at once. ItemIndex is the window's
// selection (-1: none); choosing a line with the mouse or the keys runs OnClick.
#include "platform/controls/ItemList.h"
#include "platform/controls/WinControl.h"
#include "platform/rtl/StringList.h"

class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TStringList& Items() { return FItems; }
  int ItemIndex() const;
  void SetItemIndex(int value);
  void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  TStringList FItems;
  TItemListWindow FWindowItems{kListBoxMessages};
  int FItemIndex = -1;
  TNotifyEvent FOnClick;
};
