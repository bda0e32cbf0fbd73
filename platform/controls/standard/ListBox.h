#pragma once
// TListBox: the Win32 list box. Choosing a line with the mouse or the keys runs OnClick.
// MultiSelect and Style take effect when the window is made.
#include <functional>
#include <string>

#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/standard/CustomListControl.h"

// An owner-drawn list box draws its items itself, all of one height (fixed)
// or each of the height OnMeasureItem gives it (variable). A virtual one
// holds no texts: it has Count items, asks OnData for the text of one and
// OnDataFind for the item a text starts.
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
enum TOwnerDrawStateFlag { odSelected, odFocused, odDisabled };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
using TLBGetDataEvent = std::function<void(TWinControl* Control, int Index, std::string& Data)>;
using TLBFindDataEvent = std::function<int(TWinControl* Control, const std::string& FindString)>;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

class TListBox : public TCustomListControl {
 public:
  explicit TListBox(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Many changes to the items in a row: the window is not redrawn between them.
  void BeginUpdate();
  void EndUpdate();

  TCanvas& Canvas() { return FCanvas; }
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle value) { FStyle = value; }
  bool IsVirtual() const { return FStyle == lbVirtual || FStyle == lbVirtualOwnerDraw; }
  // The number of items of a virtual list.
  int Count() const { return FCount; }
  void SetCount(int value);
  void SetOnData(TLBGetDataEvent handler) { FOnData = std::move(handler); }
  void SetOnDataFind(TLBFindDataEvent handler) { FOnDataFind = std::move(handler); }
  bool HasDrawItemHandler() const { return static_cast<bool>(FOnDrawItem); }
  void SetOnDrawItem(TDrawItemEvent handler) { FOnDrawItem = std::move(handler); }
  bool HasMeasureItemHandler() const { return static_cast<bool>(FOnMeasureItem); }
  void SetOnMeasureItem(TMeasureItemEvent handler) { FOnMeasureItem = std::move(handler); }

  // The height of a row of an owner-drawn list (of each row before
  // OnMeasureItem in a variable one). 0, the default, keeps the height the
  // window takes from its font; values below 0 are ignored.
  int ItemHeight() const;
  void SetItemHeight(int value);
  // Where an item lies in the client area, scrolled out of view or not;
  // empty for an index that names no item.
  TRect ItemRect(int index) const;
  // The width the horizontal scroll bar scrolls over (0: no horizontal scrolling).
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int value);

  bool Selected(int index) const;
  // The item under a point of the client area; -1 below the last one.
  int ItemAtPos(POINT point) const;

  int TopIndex() const;
  void SetTopIndex(int value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value) { FMultiSelect = value; }
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool value) { FAutoComplete = value; }
  // Milliseconds between typed keys after which a search starts anew.
  unsigned AutoCompleteDelay() const { return FAutoCompleteDelay; }
  void SetAutoCompleteDelay(unsigned value) { FAutoCompleteDelay = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  // The item of a virtual list whose text starts with `data`; -1 for none.
  virtual int DoFindData(const std::string& data);
  // Draws one item of an owner-drawn list on Canvas: OnDrawItem, or the item's text.
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual bool NeedsDrawFocusRect() { return true; }
  // The height of one row of a variable owner-drawn list: OnMeasureItem.
  virtual void MeasureItem(int index, int& height);

 private:
  bool IsOwnerDrawFixed() const { return FStyle == lbOwnerDrawFixed || IsVirtual(); }
  void DrawItemMessage(const DRAWITEMSTRUCT& item);
  void MeasureItemMessage(MEASUREITEMSTRUCT& item);

  void SetRedraw(bool redraw);

  TControlCanvas FCanvas{*this};
  TListBoxStyle FStyle = lbStandard;
  TDrawItemEvent FOnDrawItem;
  TMeasureItemEvent FOnMeasureItem;
  TLBGetDataEvent FOnData;
  TLBFindDataEvent FOnDataFind;
  int FCount = 0;
  int FItemHeight = 0;
  int FScrollWidth = 0;
  int FUpdateCount = 0;
  bool FMultiSelect = false;
  bool FAutoComplete = true;
  unsigned FAutoCompleteDelay = 500;
};
