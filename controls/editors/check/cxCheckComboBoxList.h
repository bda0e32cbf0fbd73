#pragma once
// The popup list of a check-list combo box: one row per item with its check
// mark left of its description. Space toggles the current item, a press and
// release on one item toggles that item; a disabled item is never toggled
// by the user, and a click leaves the list open.
#include <string>

#include "controls/editors/check/cxCheckBoxPainting.h"
#include "controls/editors/check/cxCheckComboBoxItems.h"
#include "controls/editors/dropdown/cxComboBox.h"

class TcxCustomCheckComboBox;
class TcxCustomCheckComboBoxProperties;

class TcxCustomCheckComboBoxListBox : public TcxCustomComboBoxListBox {
 public:
  TcxCustomCheckComboBoxListBox(TComponent* owner, TcxContainer* container, TcxCustomTextEditLookupData& lookupData);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // -1 while the pointer is over no item, presses none or captured none.
  int HotIndex() const { return FHotIndex; }
  int PressedIndex() const { return FPressedIndex; }
  // Toggles the current item unless it is disabled.
  void ToggleCurrentItem();
  // The check of an item within its row, as drawn.
  TRect CheckRect(const TRect& itemRect) const;
  // A row holds the check with a pixel above and below it.
  int GetItemHeight(int index) override;
  using TcxCustomComboBoxListBox::GetItemHeight;
  // The check takes a square of the row's height left of the text.
  int GetItemWidth(int index) override;

 protected:
  void CreateWnd() override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WndProc(TMessage& message) override;
  bool DoDrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

 private:
  TcxCustomCheckComboBox& CheckEdit() const;
  const TcxCustomCheckComboBoxProperties& CheckProperties() const;
  bool IsItemEnabled(int index) const;
  // Toggles the item when the user may.
  void ToggleItem(int index);
  void SetHotIndex(int value);
  void SetPressedIndex(int value);
  void InvalidateCheck(int index);
  SIZE CheckSize() const;
  // The pixels the check's own frame takes on each side.
  int CheckBorderWidth() const;
  TcxEditCheckState ButtonStateOf(int index) const;
  TcxEditBorderStyle CheckBorderStyleOf(TcxEditCheckState buttonState) const;

  int FHotIndex = -1;
  int FPressedIndex = -1;
  int FCapturedIndex = -1;
};

class TcxCheckComboBoxLookupData : public TcxComboBoxLookupData {
 public:
  using TcxComboBoxLookupData::TcxComboBoxLookupData;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCustomCheckComboBoxListBox& CheckList() { return static_cast<TcxCustomCheckComboBoxListBox&>(List()); }

  // The items' descriptions; an empty text for an index that names no item.
  std::string GetItem(int index) const override;
  int GetItemCount() const override;
  // The text is made of the states, never typed: there is nothing to follow.
  void TextChanged() override {}

 protected:
  TcxCustomEditListBox* CreateList() override;

 private:
  const TcxCheckComboBoxItems& Items() const;
};
