#pragma once
// TForm: a top-level window whose components, properties and handler names
// come from its form resource, read when the form is created through its
// class (CreateComponent, TApplication::CreateForm, TMetaClass::Create).
//
// A form class lists its component members and handler methods once, in its
// StaticClass():
//   TClassBuilder<TMainW>("TMainW", TForm::StaticClass())
//       .Field("StatusBar", &TMainW::StatusBar)
//       .Method("FormShow", &TMainW::FormShow)
#include <functional>

#include "platform/classes/Sets.h"
#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/WinControl.h"

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poScreenCenter, poMainFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
// fsStayOnTop keeps the window above the others (WS_EX_TOPMOST); the program
// has no multi-document windows, so fsMDIChild is only ever asked about.
enum TFormStyle { fsNormal, fsStayOnTop, fsMDIChild };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TMainMenu;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // Runs OnDestroy while the form and its controls are whole, then goes as a control does.
  void BeforeDestruction() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Reads the form resource, then runs OnCreate.
  void AfterConstruction() override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  // A live window takes the new frame at once and stays the same window.
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value) { FBorderIcons = value; }
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle value);
  // The form whose window owns this one's (stays below it, hides with it);
  // none: the application window.
  TForm* PopupParent() const { return FPopupParent; }
  void SetPopupParent(TForm* value);

  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  // A control of the form got the focus: CM_EXIT to the one that had it,
  // CM_ENTER to it, and it becomes the ActiveControl.
  virtual void FocusedControlChanged(TWinControl* control);
  // The form sees the keys of its controls first.
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool value) { FKeyPreview = value; }

  // The menu bar the window shows.
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }

  void SetOnCreate(TNotifyEvent handler) { FOnCreate = std::move(handler); }
  void SetOnShow(TNotifyEvent handler) { FOnShow = std::move(handler); }
  void SetOnClose(TCloseEvent handler) { FOnClose = std::move(handler); }
  void SetOnCloseQuery(TCloseQueryEvent handler) { FOnCloseQuery = std::move(handler); }
  void SetOnDestroy(TNotifyEvent handler) { FOnDestroy = std::move(handler); }

  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Shows the form with every other window of the thread disabled and runs
  // messages until ModalResult is set (a button, Close, the application's
  // modal handler) and OnClose lets it go; returns ModalResult.
  TModalResult ShowModal();
  // Asks OnClose; hides the form, frees it later (caFree) or, for the main
  // form, ends the application. A modal form's Close sets ModalResult mrCancel.
  void Close();
  // Whether the form may close now: OnCloseQuery decides, yes without one.
  virtual bool CloseQuery();
  // Deletes the form once the messages queued before have run.
  void Release();

  // During Paint the paint's context; at other times the window's, taken on demand.
  TCanvas& Canvas() { return FCanvas; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // The form paints itself (csCustomPaint) or has graphic controls: after its
  // own painting, with Canvas on the paint's context.
  void PaintWindow(HDC dc) override;
  virtual void Paint() {}
  // Another window of this program, or another program, took the activation.
  virtual void Deactivate() {}

 private:
  void VisibleChanged();
  void ApplyFrameStyle();
  // Enter and Escape the focused control does not want: the default or cancel button.
  bool DialogKeyMessage(WORD key);
  void DoClose(TCloseAction& action);
  bool CloseModal();
  bool ModalLoopDone();
  void PlaceOnScreen();
  void FocusActiveControl();
  // A menu command, or the Enter (IDOK) and Escape (IDCANCEL) keys the dialog manager turns into commands.
  void Command(WORD command);
  // Tab and Shift+Tab as the dialog manager asks for them.
  void FocusNextControl(const TMessage& message);

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  TFormStyle FFormStyle = fsNormal;
  TForm* FPopupParent = nullptr;
  TWinControl* FActiveControl = nullptr;
  TMainMenu* FMenu = nullptr;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  bool FKeyPreview = false;
  TNotifyEvent FOnCreate;
  TNotifyEvent FOnShow;
  TCloseEvent FOnClose;
  TCloseQueryEvent FOnCloseQuery;
  TNotifyEvent FOnDestroy;
  TControlCanvas FCanvas{*this};
};

// The form a control sits on, or nullptr.
TForm* GetParentForm(const TControl& control);
