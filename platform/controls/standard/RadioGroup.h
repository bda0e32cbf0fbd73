#pragma once
// TRadioGroup: a captioned frame holding one radio button per line of Items,
// laid out in Columns (filled top to bottom, then left to right). ItemIndex is
// the chosen line, -1 for none; an index that names no line means none.
//
// OnClick runs whenever ItemIndex changes, by a click on a button, by the
// program, or because an edit of Items left the index naming no line; never
// when it is set to the value it has, nor while a form is read. Items can be
// edited or replaced at any time: the buttons are made again from it.
// Enabled is carried to the buttons, so a disabled group looks disabled.
#include <vector>

#include "platform/controls/standard/GroupBox.h"
#include "platform/rtl/StringList.h"

class TRadioButton;

class TRadioGroup : public TGroupBox {
 public:
  explicit TRadioGroup(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TStringList& Items() { return FItems; }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int value);
  int Columns() const { return FColumns; }
  void SetColumns(int value);
  // The button of line `index`, as the user sees it.
  TRadioButton& Buttons(int index) const { return *FButtons.at(index); }

  void Loaded() override;

 protected:
  void WndProc(TMessage& message) override;
  void Resize() override { ArrangeButtons(); }

 private:
  void ItemsChanged();
  void RebuildButtons();
  void ArrangeButtons();
  void CheckButtons();
  int ValidIndex(int index) const { return index >= 0 && index < FItems.Count() ? index : -1; }

  TStringList FItems;
  std::vector<TRadioButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
};
