#pragma once
// The list a combo box opens: its rows are ItemHeight high or measured one by
// one, drawn by the properties' OnDrawItem or as text; a release of the left
// button over an item accepts that item and closes the popup. The lookup
// data sizes the list by rows for the popup, and the popup sizes itself to
// that content or to the size the user gave it.
#include <windows.h>

#include "controls/editors/base/cxEditPopupWindow.h"
#include "controls/editors/dropdown/cxComboBoxProperties.h"
#include "controls/editors/text/cxTextEditListBox.h"
#include "controls/editors/text/cxTextEditLookupData.h"

class TcxCustomComboBox;

class TcxCustomComboBoxListBox : public TcxCustomEditListBox {
 public:
  TcxCustomComboBoxListBox(TComponent* owner, TcxContainer* container, TcxCustomTextEditLookupData& lookupData);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCustomComboBox& Edit() const;
  TcxCustomComboBoxProperties& ComboProperties() const;
  // The height of row `index`: ItemHeight (or the font's height) as
  // OnMeasureItem changes it, at least one pixel.
  virtual int GetItemHeight(int index);
  using TcxCustomEditListBox::GetItemHeight;
  // The pointer rests at this screen point where the list opened: moves
  // that leave it there choose nothing.
  void IgnoreMouseRestingAt(POINT screenPoint);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Resize() override;
  void MeasureItem(int index, int& height) override;
  bool DoDrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // The left button released over item `index`: it becomes the value and the popup closes.
  virtual void AcceptItem(int index);
  // The fixed height, or the variable rows of a measured list.
  virtual bool HasVariableItemHeight() const;

 private:
  bool FPointerResting = false;
  POINT FRestingPoint{};
};

class TcxComboBoxListBox : public TcxCustomComboBoxListBox {
 public:
  using TcxCustomComboBoxListBox::TcxCustomComboBoxListBox;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};

class TcxComboBoxLookupData : public TcxCustomTextEditLookupData {
 public:
  using TcxCustomTextEditLookupData::TcxCustomTextEditLookupData;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCustomComboBoxListBox& ComboList() { return static_cast<TcxCustomComboBoxListBox&>(List()); }
  // The size of the list for a popup `width` wide with at most `maxHeight`
  // for the list: min(items, DropDownRows) rows, at least one, as wide as
  // the widest item with the scroll bars it then needs.
  virtual SIZE GetListSize(int width, int maxHeight);
  // The list fills the popup's client rectangle.
  virtual void SetVisualAreaBounds(const RECT& bounds);

 protected:
  TcxCustomEditListBox* CreateList() override;
};

class TcxComboBoxPopupWindow : public TcxCustomEditPopupWindow {
 public:
  explicit TcxComboBoxPopupWindow(TcxCustomComboBox& edit);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The wanted size is one the user gave the popup before.
  bool UserSizeHeld() const { return FUserSizeHeld; }
  void SetUserSizeHeld(bool value) { FUserSizeHeld = value; }
  // The user's size, the wanted size or the list's, within the minimum sizes.
  void CalculateSize() override;

 private:
  int CalculateWidth(const TRect& extent, const SIZE& content) const;
  int CalculateHeight(const TRect& extent, const SIZE& content) const;

  TcxCustomComboBox& FComboBox;
  bool FUserSizeHeld = false;
};

TcxCustomEditPopupWindow* CreateComboBoxPopupWindow(TcxCustomDropDownEdit& edit);
