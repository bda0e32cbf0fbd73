#pragma once
// The popup edit: a drop-down edit whose popup shows a control of the form,
// PopupControl. The control belongs to the form; the editor only borrows it
// while the popup is open, and gives it back with its old parent, alignment,
// bounds and visibility (a form also its border style) when the popup closes
// or the editor goes. A control that holds the editor cannot be shown in the
// editor's own popup.
#include <windows.h>

#include "controls/editors/dropdown/cxDropDownEdit.h"
#include "platform/controls/core/Form.h"

// The popup's frame: a non-native 3-D frame keeps its two flat inner rings
// whether or not the client edge is on.
class TcxPopupEditPopupWindowViewInfo : public TcxCustomEditPopupWindowViewInfo {
 public:
  void DrawPopupBorder(TcxCanvas& canvas, TRect& r) override;
};

// The popup takes the focus into the shown control; the keys that close the
// editor's popup (Escape, F4, Alt+Up, Alt+Down) close it from there too, or
// the keyboard could never leave it.
class TcxPopupEditPopupWindow : public TcxCustomEditPopupWindow {
 public:
  using TcxCustomEditPopupWindow::TcxCustomEditPopupWindow;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Escape comes as a dialog key: a cancel button of the shown control takes it first.
  bool DialogKey(WORD key) override;

 protected:
  std::unique_ptr<TcxContainerViewInfo> CreateViewInfo() override;
  void KeyDown(WORD& key, TShiftState shift) override;

 private:
  // Hands a close key to the editor; true when the editor took it.
  bool PassCloseKeyToEdit(WORD key, TShiftState shift);
};

class TcxCustomPopupEditProperties : public TcxCustomDropDownEditProperties {
 public:
  explicit TcxCustomPopupEditProperties(TPersistent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  // The control the popup shows; nullptr (the popup does not open) when the
  // control is freed.
  TControl* PopupControl() const { return FPopupControl; }
  void SetPopupControl(TControl* value);

  TClass GetContainerClass() const override;
  TcxEditPopupWindowClass GetPopupWindowClass() const override;
  bool PopupOwnedByParentForm() const override { return true; }
  void FreeNotification(TComponent* component) override;

 private:
  TControl* FPopupControl = nullptr;
};

// The popup edit's settings as a form holds them.
class TcxPopupEditProperties : public TcxCustomPopupEditProperties {
 public:
  explicit TcxPopupEditProperties(TPersistent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};

class TcxCustomPopupEdit : public TcxCustomDropDownEdit {
 public:
  explicit TcxCustomPopupEdit(TComponent* owner, bool inplace = false,
                              TClass propertiesClass = TcxCustomPopupEditProperties::StaticClass());

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  // A popup control shown at that moment goes back to its place first.
  void BeforeDestruction() override;

  TcxCustomPopupEditProperties& PopupEditProperties() const {
    return static_cast<TcxCustomPopupEditProperties&>(*ActiveProperties());
  }

  bool CanDropDown() override { return PopupEditProperties().PopupControl() != nullptr; }
  // Raises EcxEditError when the popup control is the editor or holds it.
  void DoInitPopup() override;
  // Gives the popup control back before the popup is finalised.
  void FinalizePopup() override;
  // The popup control when it has a window of its own.
  TWinControl* GetPopupFocusedControl() override;
  SIZE GetPopupContentSize() override;
  void PopupClientBoundsChanged(const RECT& clientBounds) override;
  // Keeps the popup control's place, then moves it into the popup.
  void PreparePopupWindow() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // Where a borrowed control came from.
  struct TPopupControlPlace {
    TWinControl* Parent = nullptr;
    TAlign Align = alNone;
    RECT Bounds{};
    bool Visible = false;
    TFormBorderStyle BorderStyle = bsNone;
  };

  void BorrowPopupControl(TControl& control);
  void ReturnPopupControl();

  // The control shown in the popup now; nullptr while none is borrowed.
  TControl* FBorrowed = nullptr;
  TPopupControlPlace FPlace;
};

class TcxPopupEdit : public TcxCustomPopupEdit {
 public:
  explicit TcxPopupEdit(TComponent* owner, bool inplace = false)
      : TcxCustomPopupEdit(owner, inplace, TcxPopupEditProperties::StaticClass()) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxPopupEditProperties& PropertiesObject() const { return static_cast<TcxPopupEditProperties&>(*Properties()); }
};
