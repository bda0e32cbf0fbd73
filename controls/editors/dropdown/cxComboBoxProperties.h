#pragma once
// The settings of a combo box: a drop-down edit whose popup lists the
// lookup items. The list style says whether the text is typed freely, kept
// to the items or chosen from them only; the list shows DropDownRows rows,
// each ItemHeight high or as OnMeasureItem measures it, drawn by
// OnDrawItem or as text.
#include <cstdint>
#include <functional>

#include "controls/editors/dropdown/cxDropDownEditProperties.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "platform/controls/standard/ListBox.h"

class TcxCustomComboBox;

enum TcxEditDropDownListStyle : uint8_t { lsEditFixedList, lsEditList, lsFixedList };
const TIdentMap& EditDropDownListStyleIdents();

using TcxEditDrawItemEvent = std::function<void(TcxCustomComboBox* AControl, TcxCanvas* ACanvas, int AIndex,
                                                const TRect& ARect, TOwnerDrawState AState)>;

class TcxCustomComboBoxProperties : public TcxCustomDropDownEditProperties {
 public:
  explicit TcxCustomComboBoxProperties(TPersistent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  bool DropDownAutoWidth() const { return PopupAutoSize(); }
  void SetDropDownAutoWidth(bool value) { SetPopupAutoSize(value); }
  TcxEditDropDownListStyle DropDownListStyle() const { return FDropDownListStyle; }
  void SetDropDownListStyle(TcxEditDropDownListStyle value);
  // At least 1: smaller values are ignored.
  int DropDownRows() const { return FDropDownRows; }
  void SetDropDownRows(int value);
  bool DropDownSizeable() const { return PopupSizeable(); }
  void SetDropDownSizeable(bool value) { SetPopupSizeable(value); }
  int DropDownWidth() const { return PopupWidth(); }
  void SetDropDownWidth(int value) { SetPopupWidth(value); }
  // Below 1: the height the list takes from its font.
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int value);
  TStringList& Items() { return LookupItems(); }
  const TStringList& Items() const { return LookupItems(); }
  // A double click on the closed editor steps to the next item.
  bool Revertable() const { return FRevertable; }
  void SetRevertable(bool value) { FRevertable = value; }
  bool Sorted() const { return LookupItemsSorted(); }
  void SetSorted(bool value) { SetLookupItemsSorted(value); }
  const TcxEditDrawItemEvent& OnDrawItem() const { return FOnDrawItem; }
  void SetOnDrawItem(TcxEditDrawItemEvent value) { FOnDrawItem = std::move(value); }
  const TMeasureItemEvent& OnMeasureItem() const { return FOnMeasureItem; }
  void SetOnMeasureItem(TMeasureItemEvent value) { FOnMeasureItem = std::move(value); }

  TClass GetContainerClass() const override;
  TcxContainerViewInfoClass GetViewInfoClass() const override;
  TcxCustomEditViewDataClass GetViewDataClass() const override;
  TClass GetLookupDataClass() const override;
  TcxEditPopupWindowClass GetPopupWindowClass() const override;
  TcxEditEditingStyle GetEditingStyle() const override;
  bool IsFixedList() const override { return FDropDownListStyle == lsFixedList; }
  int GetDropDownPageRowCount() const override { return FDropDownRows; }

 private:
  TcxEditDropDownListStyle FDropDownListStyle = lsEditList;
  int FDropDownRows = 8;
  int FItemHeight = 0;
  bool FRevertable = false;
  TcxEditDrawItemEvent FOnDrawItem;
  TMeasureItemEvent FOnMeasureItem;
};

// The combo box's settings as a form holds them.
class TcxComboBoxProperties : public TcxCustomComboBoxProperties {
 public:
  using TcxCustomComboBoxProperties::TcxCustomComboBoxProperties;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};
