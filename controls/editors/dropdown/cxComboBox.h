#pragma once
// The combo box: a drop-down edit whose popup lists its items. The list
// opens on the button, F4, Alt+arrows or a typed character, follows the
// text while it is open, and a release over an item takes that item. With
// Revertable a double click on the closed editor steps to the next item; the
// wheel scrolls an open list. A fixed list shows its text in the highlight
// colours while focused, and OnDrawItem draws the chosen item when not.
#include <windows.h>

#include "controls/editors/dropdown/cxComboBoxListBox.h"
#include "controls/editors/dropdown/cxComboBoxProperties.h"
#include "controls/editors/dropdown/cxDropDownEdit.h"

// A click released on the editor is no pending click of the inner edit.
class TcxCustomComboBoxInnerEdit : public TcxCustomInnerTextEdit {
 public:
  using TcxCustomInnerTextEdit::TcxCustomInnerTextEdit;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

 protected:
  void WndProc(TMessage& message) override;
};

// The chosen item of a fixed list drawn by OnDrawItem where the editor
// draws its text itself (a host's cells); the handler gets no editor there.
class TcxCustomComboBoxViewInfo : public TcxCustomTextEditViewInfo {
 public:
  const TcxCustomComboBoxProperties* ComboProperties = nullptr;
  // The item OnDrawItem draws in the text area; -1 for the text itself.
  int ItemIndex = -1;
  // The owner-draw state OnDrawItem is given.
  TOwnerDrawState ItemState;

  void Assign(const TcxContainerViewInfo* source) override;

 protected:
  void DrawTextContent(TcxCanvas& canvas) override;
};

std::unique_ptr<TcxContainerViewInfo> CreateComboBoxViewInfo();

class TcxCustomComboBoxViewData : public TcxCustomDropDownEditViewData {
 public:
  using TcxCustomDropDownEditViewData::TcxCustomDropDownEditViewData;

  void Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint, TMouseButton button,
                 TShiftState shift, TcxCustomEditViewInfo& viewInfo, bool isMouseEvent) override;
  void EditValueToDrawValue(const Variant& editValue, TcxCustomEditViewInfo& viewInfo) override;

 protected:
  TcxCustomComboBoxProperties& ComboProperties() const { return static_cast<TcxCustomComboBoxProperties&>(Properties); }
};

std::unique_ptr<TcxCustomEditViewData> CreateComboBoxViewData(TcxCustomEditProperties& properties,
                                                              TcxCustomEditStyle& style, bool inplace);

class TcxCustomComboBox : public TcxCustomDropDownEdit {
 public:
  explicit TcxCustomComboBox(TComponent* owner, bool inplace = false,
                             TClass propertiesClass = TcxCustomComboBoxProperties::StaticClass());

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void AfterConstruction() override;

  TcxCustomComboBoxProperties& ComboProperties() const {
    return static_cast<TcxCustomComboBoxProperties&>(*ActiveProperties());
  }
  TcxComboBoxLookupData& ComboLookupData() const { return static_cast<TcxComboBoxLookupData&>(LookupData()); }
  void SetItemIndex(int value);

  // ---- the drop-down
  bool CanDropDown() override;
  void DoPopup() override;
  SIZE GetPopupContentSize() override;
  void SetupPopupWindow() override;
  void PopupClientBoundsChanged(const RECT& clientBounds) override;
  bool HasVisualLookupList() override { return true; }

  // ---- the edit base
  void Activate(TcxCustomEditData*& editData) override;
  void InnerEditChangeHandler(TObject* sender) override;
  bool CanUseLookupNavigation() override { return true; }

  // Runs the properties' OnDrawItem, then the repository item's; false when neither is assigned.
  virtual bool DoDrawItem(TcxCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);
  // Runs the properties' OnMeasureItem, then the repository item's.
  virtual void DoMeasureItem(TWinControl* list, int index, int& height);
  bool HasMeasureItemHandler() const;
  bool HasDrawItemHandler() const;
  // The left button went down on the editor and came up at a screen point:
  // over the open list the list takes the press and the release there.
  void MouseReleasedOverList(POINT screenPoint);
  void PopupResizedByUser() override;
  void DoEditKeyDown(WORD& key, TShiftState shift) override;
  void DoEditKeyPress(char& key) override;
  void DoCloseUp() override;
  void Loaded() override;

 protected:
  IcxCustomInnerEdit* CreateInnerEdit() override;
  void DblClick() override;
  void FocusChanged() override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void PreparePopupWindow() override;
  // A focused fixed list's native edit shows the text in the chosen item's colours.
  void AdjustInnerControl() override;
  // The popup's size limits and the size the user gave it.
  void SetupComboPopupWindow(TcxComboBoxPopupWindow& popup);

 private:
  // The repository item's combo properties, when the editor uses one of that kind.
  TcxCustomComboBoxProperties* RepositoryComboProperties() const;
  void StepToNextItem();
  // Up, Down, Page Up and Page Down (Home and End in a fixed list) walk the open list.
  bool MoveInOpenList(WORD key, TShiftState shift);
  bool IsPointerOverList() const;
  // The open list shows the item the text stands on.
  void ShowCurrentItemInList();

  // The user sized the popup of this standalone editor once: its size is the one kept.
  bool FHasUserPopupSize = false;
};

// The combo box as a form holds it.
class TcxComboBox : public TcxCustomComboBox {
 public:
  explicit TcxComboBox(TComponent* owner, bool inplace = false)
      : TcxCustomComboBox(owner, inplace, TcxComboBoxProperties::StaticClass()) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxComboBoxProperties& PropertiesObject() const { return static_cast<TcxComboBoxProperties&>(*Properties()); }
};

// A filter row's combo box: the mask edit's settings, then a plain
// free-text list of eight rows that opens only on request.
class TcxFilterComboBoxHelper : public TcxFilterMaskEditHelper {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TClass GetFilterEditClass() const { return TcxComboBox::StaticClass(); }
  void InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const override;
};

// The combo box's share of the drop-down unit's start and end.
void cxComboBoxInitialize();
void cxComboBoxFinalize();
