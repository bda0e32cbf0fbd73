#pragma once
// The mask edit with a drop-down button and a popup window it opens below
// or above itself. The editor decides when the popup opens and closes (the
// button, F4, Alt+Up and Alt+Down, Enter, Escape, Tab, a typed character, a
// paste, a click on a fixed list's text, the focus leaving) and why it
// closed; the popup window sizes, places, frames and paints itself.
//
// One opening: the popup is initialised (OnInitPopup), a show message is
// queued, the popup shows (OnPopup); closing asks OnCloseQuery, takes the
// popup's value over and posts it, and after the popup has gone OnCloseUp
// fires and the popup is finalised.
#include <windows.h>

#include "controls/editors/base/cxEditPopupWindow.h"
#include "controls/editors/dropdown/cxDropDownEditProperties.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "controls/editors/text/cxTextEditViewInfo.h"

// The editor locates its text in its open list once a paste has opened it.
constexpr UINT CM_DROPDOWNLOCATE = 0x806C;

class TcxCustomDropDownEdit;

// What an in-place drop-down editor keeps between its activations: the size
// the user gave its popup.
class TcxCustomDropDownEditData : public TcxCustomEditData {
 public:
  using TcxCustomEditData::TcxCustomEditData;

  bool HasPopupSize() const { return FHasPopupSize; }
  SIZE PopupSize() const { return FPopupSize; }
  void SetPopupSize(SIZE value) {
    FPopupSize = value;
    FHasPopupSize = true;
  }

 private:
  bool FHasPopupSize = false;
  SIZE FPopupSize{};
};

// The popup's look-and-feel: that of the editor's active style. A change of
// the style's kind, native style or skin is told to the popup.
class TcxEditPopupControlLookAndFeel : public TcxLookAndFeel {
 public:
  explicit TcxEditPopupControlLookAndFeel(TcxCustomDropDownEdit& edit);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Compares the style's values with those seen before and raises a change of those that differ.
  void EditStyleChanged();

 protected:
  TcxLookAndFeelKind InternalGetKind() const override;
  bool InternalGetNativeStyle() const override;
  TdxSkinName InternalGetSkinName() const override;

 private:
  TcxLookAndFeel* StyleLookAndFeel() const;
  TcxLookAndFeelData StyleData() const;

  TcxCustomDropDownEdit& FEdit;
  TcxLookAndFeelData FSeen;
};

// The drop-down button shows pressed while the popup is open, and while it
// has just closed under the pointer, so that the press that closed it does
// not open it again.
class TcxCustomDropDownEditViewData : public TcxCustomTextEditViewData {
 public:
  using TcxCustomTextEditViewData::TcxCustomTextEditViewData;

  void CalculateButtonState(TcxCustomEditViewInfo& viewInfo, int index, const POINT& mousePoint, TMouseButton button,
                            TShiftState shift, bool isMouseEvent) override;

 private:
  bool IsDropDownButton(int visibleIndex) const;
};

std::unique_ptr<TcxCustomEditViewData> CreateDropDownEditViewData(TcxCustomEditProperties& properties,
                                                                  TcxCustomEditStyle& style, bool inplace);

class TcxCustomDropDownEdit : public TcxCustomMaskEdit, public IcxEditPopupWindowEdit {
 public:
  explicit TcxCustomDropDownEdit(TComponent* owner, bool inplace = false,
                                 TClass propertiesClass = TcxCustomDropDownEditProperties::StaticClass());
  ~TcxCustomDropDownEdit() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void AfterConstruction() override;
  void BeforeDestruction() override;

  TcxCustomDropDownEditProperties& DropDownProperties() const {
    return static_cast<TcxCustomDropDownEditProperties&>(*ActiveProperties());
  }
  // nullptr while designing.
  TcxCustomEditPopupWindow* PopupWindow() const { return FPopupWindow; }
  TcxEditPopupControlLookAndFeel& PopupControlsLookAndFeel() const { return *FPopupControlsLookAndFeel; }
  // Whether the popup is shown; setting opens it (unless it is about to
  // open) or closes it without a reason.
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  // Why the popup closed last: cxEditPopupCloseReason*.
  int CloseUpReason() const { return FCloseUpReason; }
  // The popup was open while the pointer was over the editor at the last mouse refresh.
  bool ClosedUnderPointer() const { return FClosedUnderPointer; }

  // ---- the steps of an opening, for descendants to refine
  virtual bool CanDropDown() { return false; }
  // F4, Alt+Up and Alt+Down open the popup and close it again.
  static bool IsPopupToggleKey(WORD key, TShiftState shift);
  // Asks OnCloseQuery; with the user's reasons takes the popup's value over
  // and posts it, then hides the popup. Nothing happens while it is not shown.
  void ClosePopup(int reason) override;
  virtual void DoCloseUp();
  // Once per opening: OnInitPopup of the own, then the repository item's properties.
  virtual void DoInitPopup();
  // Undoes the initialisation: the properties' OnFinalizePopup.
  void FinalizePopup() override;
  virtual void DoPopup();
  virtual void DropDown();
  // The control that takes the focus in the shown popup: the popup itself here.
  virtual TWinControl* GetPopupFocusedControl();
  SIZE GetPopupContentSize() override { return SIZE{0, 0}; }
  // The shown popup's control takes the focus.
  virtual void SetPopupFocus();
  // Copies the settings of the properties, the style and the looks into the popup.
  virtual void SetupPopupWindow();
  // The popup's client area changed: the lookup list fills it.
  void PopupClientBoundsChanged(const RECT& clientBounds) override;
  // Last settings before the popup shows.
  virtual void PreparePopupWindow();
  // The inner editor takes the popup's current value over.
  virtual void TakeOverPopupValue();

  // ---- IcxEditPopupWindowEdit
  bool CanShrinkPopupToWorkArea() override { return DropDownProperties().PopupCanShrinkToWorkArea(); }
  RECT PopupOwnerBounds() override;
  TcxLookAndFeelKind PopupLookAndFeelKind() override { return FPopupControlsLookAndFeel->Kind(); }
  TcxLookAndFeelPainterClass PopupSkinPainter() override { return FPopupControlsLookAndFeel->SkinPainter(); }
  void PopupResizedByUser() override { FPopupResizedByUser = true; }
  bool HasVisualLookupList() override;

  // ---- the edit base
  void DoEditKeyDown(WORD& key, TShiftState shift) override;
  void DoEditKeyPress(char& key) override;
  bool CanSendActivationChar(char key) override;
  bool InnerEditWantsTab() override;
  void ProcessTabKey() override;
  void PasteFromClipboard() override;
  void Activate(TcxCustomEditData*& editData) override;
  void ActivateByKey(char key, TcxCustomEditData*& editData) override;
  void ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& editData) override;
  TcxCustomEditData* CreateEditData() override { return new TcxCustomDropDownEditData(this); }
  bool RefreshContainer(POINT point, TMouseButton button, TShiftState shift, bool fromMouseLeave) override;

 protected:
  void CreateWnd() override;
  void DestroyWindowHandle() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void FocusChanged() override;
  bool HasPopupWindow() override { return DroppedDown(); }
  void DoButtonDown(int buttonIndex) override;
  virtual void CreatePopupWindow();
  bool IsPopupShowQueued() const;

 private:
  void PopupShowed();
  void PopupClosed();
  void PopupCloseQuery(bool& canClose);
  void KeepUserPopupSize();
  void PostValueAfterCloseUp();
  void LocateTextInLookup(const std::string& text);
  bool IsFocusInPopup() const;
  bool PostTypedCharToPopup(char key);
  // Fires `event` of the own properties, then of the repository item's.
  void FireEvent(const TNotifyEvent& (TcxCustomDropDownEditProperties::*event)() const);

  TOwned<TcxEditPopupControlLookAndFeel> FPopupControlsLookAndFeel;
  TcxCustomEditPopupWindow* FPopupWindow = nullptr;
  bool FInActivateByMouse = false;
  bool FPopupInitialized = false;
  bool FPopupResizedByUser = false;
  int FCloseUpReason = cxEditPopupCloseReasonUnknown;
  bool FClosedUnderPointer = false;
};

// A filter row's editor for a drop-down editor's values: the mask edit's,
// marked as standing for a drop-down kind.
class TcxFilterDropDownEditHelper : public TcxFilterMaskEditHelper {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  bool IsDropDownEditHelper() const override { return true; }
};

// The drop-down unit registers the drop-down editors' properties and their
// filter helpers; the end undoes it.
void cxDropDownEditInitialize();
void cxDropDownEditFinalize();
