#pragma once
// The settings of an editor that opens a popup window below or above itself:
// the popup's size limits, alignment, frame and sys panel, the keys and
// characters that open it, and the events of one opening. The drop-down
// button is the first button; giving it a glyph makes it a glyph button.
#include <cstdint>

#include "controls/editors/base/cxEditPopupWindow.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "platform/controls/core/Form.h"

class TcxCustomDropDownEdit;

// Makes the popup window of an editor; each kind of popup names its own.
using TcxEditPopupWindowClass = TcxCustomEditPopupWindow* (*)(TcxCustomDropDownEdit& edit);

// Where the popup lies beside the editor, as the popup window counts.
enum TcxPopupHorzAlignment : uint8_t { phaLeft, phaCenter, phaRight };
constexpr int kPopupBelow = 2;

class TcxCustomDropDownEditProperties : public TcxCustomMaskEditProperties {
 public:
  explicit TcxCustomDropDownEditProperties(TPersistent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Adds the drop-down button once the buttons exist.
  void AfterConstruction() override;
  void Assign(const TPersistent* source) override;

  // A typed character opens the popup.
  bool ImmediateDropDown() const { return FImmediateDropDown; }
  void SetImmediateDropDown(bool value) { FImmediateDropDown = value; }
  // The popup opens as soon as the editor is activated.
  bool ImmediatePopup() const { return FImmediatePopup; }
  void SetImmediatePopup(bool value) { FImmediatePopup = value; }
  bool PopupAutoSize() const { return FPopupAutoSize; }
  void SetPopupAutoSize(bool value) { FPopupAutoSize = value; }
  bool PopupClientEdge() const { return FPopupClientEdge; }
  void SetPopupClientEdge(bool value);
  TcxEditPopupBorderStyle PopupBorderStyle() const { return FPopupBorderStyle; }
  void SetPopupBorderStyle(TcxEditPopupBorderStyle value) { FPopupBorderStyle = value; }
  // Never below PopupMinHeight.
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int value);
  TcxPopupHorzAlignment PopupHorzAlignment() const { return FPopupHorzAlignment; }
  void SetPopupHorzAlignment(TcxPopupHorzAlignment value) { FPopupHorzAlignment = value; }
  TAlignment PopupAlignment() const;
  void SetPopupAlignment(TAlignment value);
  // Raising a minimum raises the size with it.
  int PopupMinHeight() const { return FPopupMinHeight; }
  void SetPopupMinHeight(int value);
  int PopupMinWidth() const { return FPopupMinWidth; }
  void SetPopupMinWidth(int value);
  bool PopupSizeable() const { return FPopupSizeable; }
  void SetPopupSizeable(bool value);
  bool PopupSysPanelStyle() const { return FPopupSysPanelStyle; }
  void SetPopupSysPanelStyle(bool value);
  int PopupVertAlignment() const { return FPopupVertAlignment; }
  void SetPopupVertAlignment(int value) { FPopupVertAlignment = value; }
  // 0 (as wide as the editor) or at least PopupMinWidth.
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int value);
  // Tab takes the popup's value and closes it.
  bool PostPopupValueOnTab() const { return FPostPopupValueOnTab; }
  void SetPostPopupValueOnTab(bool value) { FPostPopupValueOnTab = value; }
  // The drop-down button's glyph; nullptr when the button has none.
  TBitmap* ButtonGlyph() const;
  void SetButtonGlyph(const TBitmap* value);

  const TCloseQueryEvent& OnCloseQuery() const { return FOnCloseQuery; }
  void SetOnCloseQuery(TCloseQueryEvent value) { FOnCloseQuery = std::move(value); }
  const TNotifyEvent& OnCloseUp() const { return FOnCloseUp; }
  void SetOnCloseUp(TNotifyEvent value) { FOnCloseUp = std::move(value); }
  // Fired as the popup is finalised after it closed; no form publishes it.
  const TNotifyEvent& OnFinalizePopup() const { return FOnFinalizePopup; }
  void SetOnFinalizePopup(TNotifyEvent value) { FOnFinalizePopup = std::move(value); }
  const TNotifyEvent& OnInitPopup() const { return FOnInitPopup; }
  void SetOnInitPopup(TNotifyEvent value) { FOnInitPopup = std::move(value); }
  const TNotifyEvent& OnPopup() const { return FOnPopup; }
  void SetOnPopup(TNotifyEvent value) { FOnPopup = std::move(value); }

  // The index in Buttons of the button that opens the popup.
  virtual int GetDropDownButtonIndex() const { return 0; }
  // The text is only ever one of a fixed list: a click on it opens the popup.
  virtual bool IsFixedList() const { return false; }
  // The value is posted once the popup has closed rather than as it closes.
  virtual bool PostsValueAfterCloseUp() const { return false; }
  virtual TcxEditPopupWindowClass GetPopupWindowClass() const;
  virtual bool PopupCanShrinkToWorkArea() const { return true; }
  // The popup belongs to the editor's form, takes the focus and the
  // characters typed into the editor.
  virtual bool PopupOwnedByParentForm() const { return false; }

  TClass GetContainerClass() const override;
  TcxCustomEditViewDataClass GetViewDataClass() const override;
  // A glyph makes the drop-down button a glyph button, no glyph an arrow again.
  void ButtonsChangedHandler(TObject* sender) override;

 private:
  template <class V>
  void Change(V& field, V value);
  TcxEditButton* DropDownButton() const;
  void UpdateDropDownButtonKind();

  bool FImmediateDropDown = true;
  bool FImmediatePopup = false;
  bool FUpdatingButtonKind = false;
  bool FPopupAutoSize = true;
  bool FPopupClientEdge = false;
  TcxEditPopupBorderStyle FPopupBorderStyle = epbsSingle;
  int FPopupHeight = 0;
  TcxPopupHorzAlignment FPopupHorzAlignment = phaLeft;
  int FPopupMinHeight = 0;
  int FPopupMinWidth = 0;
  bool FPopupSizeable = false;
  bool FPopupSysPanelStyle = false;
  int FPopupVertAlignment = kPopupBelow;
  int FPopupWidth = 0;
  bool FPostPopupValueOnTab = false;
  TCloseQueryEvent FOnCloseQuery;
  TNotifyEvent FOnCloseUp;
  TNotifyEvent FOnFinalizePopup;
  TNotifyEvent FOnInitPopup;
  TNotifyEvent FOnPopup;
};
