#pragma once
// The list of a text editor's lookup items, as its drop-down shows it. Its
// entries are placeholders: the texts are the lookup data's, so the list
// only keeps as many entries as there are items. It draws them itself, one
// line of "Wg" high, follows the pointer, scrolls by lines at the wheel and
// tells its lookup data of the item chosen.
#include <string>

#include "controls/foundation/cxContainerListBox.h"

class TcxCustomTextEditLookupData;

class TcxCustomEditListBox : public TcxCustomInnerListBox {
 public:
  TcxCustomEditListBox(TComponent* owner, TcxContainer* container, TcxCustomTextEditLookupData& lookupData);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The item under the pointer becomes the current one.
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool value) { FHotTrack = value; }
  // Raised whenever the current item changes through the list.
  void SetOnSelectItem(TNotifyEvent value) { FOnSelectItem = std::move(value); }

  // The height of "Wg" in the list's font.
  int GetItemHeight();
  int GetHeight(int rowCount) { return GetItemHeight() * rowCount; }
  virtual int GetItemWidth(int index);
  int ItemCount() const { return FItemCount; }
  // Adds or removes placeholders at the end until there are `count`.
  void SetItemCount(int count);
  std::string GetItemText(int index) const;
  // Shows the selection as focused in the styles that take no typing.
  bool NeedsDrawFocusRect() override;

 protected:
  TcxCustomTextEditLookupData& LookupData() const { return FLookupData; }
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Click() override;
  void SelectionSet() override;
  void MouseMove(TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  // A descendant's own drawing of an item; false leaves it to the list.
  virtual bool DoDrawItem(int, const TRect&, TOwnerDrawState) { return false; }
  // One line of an item's text in the canvas's font, vertically centred, over
  // what is drawn already.
  void DrawItemText(const TRect& rect, const std::string& text);

 private:
  void SelectItemChanged();

  bool FHotTrack = true;
  TcxCustomTextEditLookupData& FLookupData;
  int FItemCount = 0;
  int FReportedIndex = -1;
  TNotifyEvent FOnSelectItem;
};
