#pragma once
// The windowed base of the library's controls: a look-and-feel and a canvas
// of its own, focus on click, the keys it asks the dialog manager for, its
// popup menu, wheel and directional scrolling, and the library's own
// drag-and-drop, in which a press arms a drag that starts once the pointer
// leaves the drag threshold.
//
// Input arrives through the class library's typed virtuals (MouseDown,
// MouseMove, MouseUp, KeyDown, DoMouseWheel, DoContextPopup, Resize); the
// component messages of the class library become the notifications below
// (ColorChanged, FontChanged, MouseEnter...), which descendants override.
// A handler may free the control: every step that runs code of others checks
// the control's weak link and stops once it reads nil.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "controls/foundation/base/cxClasses.h"
#include "controls/foundation/controls/cxControls.h"
#include "controls/foundation/controls/cxControlsScrollBar.h"
#include "controls/foundation/controls/cxControlsScrollBars.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/controls/core/CustomControl.h"
#include "platform/controls/core/DragObjects.h"
#include "platform/controls/core/Menus.h"

class TcxControl;
class TcxControlChildComponent;

// The library's drag-and-drop in progress: where the pointer was and is,
// and the cursor that says whether a drop would be accepted.
class TcxDragAndDropObject : public TObject {
 public:
  explicit TcxDragAndDropObject(TcxControl& control);

  TcxControl& Control() const { return FControl; }
  TcxCanvas& Canvas() const;
  bool Dirty() const { return FDirty; }
  void SetDirty(bool value);
  POINT CurMousePos() const { return FCurMousePos; }
  POINT PrevMousePos() const { return FPrevMousePos; }

  // Both points become the pointer in the control's client coordinates.
  void Init();
  void DoDragAndDrop(POINT point, bool& accepted);
  void DoEndDragAndDrop(bool accepted);

  virtual void DirtyChanged() {}
  virtual TCursor GetDragAndDropCursor(bool accepted) { return accepted ? crDrag : crNoDrop; }
  // True: the drag starts with the press, not once the pointer left the threshold.
  virtual bool GetImmediateStart() { return false; }

 protected:
  virtual void AfterDragAndDrop() {}
  virtual void BeginDragAndDrop() { DirtyChanged(); }
  virtual void DragAndDrop(POINT point, bool& accepted);
  virtual void EndDragAndDrop(bool /*accepted*/) { SetDirty(true); }

 private:
  TcxControl& FControl;
  bool FDirty = false;
  POINT FCurMousePos{-1, -1};
  POINT FPrevMousePos{-1, -1};
};

// Makes the drag-and-drop object of a control.
using TcxDragAndDropObjectClass = std::function<std::unique_ptr<TcxDragAndDropObject>(TcxControl& control)>;

// Is told about a control's font whenever it changes.
class IcxFontListener {
 public:
  virtual ~IcxFontListener() = default;
  virtual void Changed(TObject* sender, TFont& font) = 0;
};

// The class library's drag of a library control: the copy cursor while Ctrl
// is down over a target that accepts; frees itself when the drag ends.
class TcxDragControlObject : public TDragControlObject {
 public:
  using TDragControlObject::TDragControlObject;
  void Finished(TObject* target, int x, int y, bool accepted) override;
  TCursor GetDragCursor(bool accepted, int x, int y) override;
  TDragImageList* GetDragImages() override;
};

class TcxDragImageList : public TDragImageList {
 public:
  using TDragImageList::TDragImageList;
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};

// The keys a control asks the dialog manager to leave to it.
enum TcxKey { kAll, kArrows, kChars, kTab };
using TcxKeys = TSet<TcxKey>;

// What WM_GETDLGCODE answers for a set of keys; Tab only while Ctrl is up,
// so Ctrl+Tab still moves the focus on.
LRESULT DialogCodeOfKeys(TcxKeys keys, bool ctrlPressed);

enum TcxControlBorderStyle { cxcbsNone, cxcbsDefault };

// The library's wheel setting that asks for a page per notch (WHEEL_PAGESCROLL).
constexpr unsigned cxWheelPageScroll = 0xFFFFFFFFu;
// How many lines a wheel notch scrolls; tests replace it.
struct TcxWheelApi {
  unsigned (*WheelScrollLines)() = nullptr;
};
TcxWheelApi& cxWheelApi();
unsigned WheelScrollLines();

// Owns its two bars and the size grip between them and lays them out by the
// settling update of the bars; a click on a bar focuses the control when it
// would focus on a click of its own.
class TcxControl : public TCustomControl, public TcxScrollBarsHost, public IcxFocusWhenChildIsClicked {
 public:
  explicit TcxControl(TComponent* owner);
  ~TcxControl() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void BeforeDestruction() override;

  TcxLookAndFeel& LookAndFeel() const { return *FLookAndFeel; }
  void SetLookAndFeel(const TcxLookAndFeel& value) { FLookAndFeel->Assign(&value); }
  // The library's canvas over the control's own.
  TcxCanvas& Canvas() const { return *FCanvas; }

  TcxControlBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TcxControlBorderStyle value);
  bool FocusOnClick() const { return FFocusOnClick; }
  void SetFocusOnClick(bool value) { FFocusOnClick = value; }
  TcxKeys Keys() const { return FKeys; }
  void SetKeys(TcxKeys value) { FKeys = value; }
  // A TPopupMenu or a menu of the library's interface; any other component is not taken.
  TComponent* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* value);

  int DragAndDropState() const { return FDragAndDropState; }
  void SetDragAndDropState(int value);
  // Created on first use, freed when the drag-and-drop ends.
  TcxDragAndDropObject& DragAndDropObject();
  void SetDragAndDropObjectClass(TcxDragAndDropObjectClass value) { FDragAndDropObjectClass = std::move(value); }
  // Ends a drag-and-drop in either state; in the dragging state the drop is
  // made (accepted) or cancelled.
  void FinishDragAndDrop(bool accepted);
  // Holds the mouse while set; a new one first cancels the one before.
  IcxMouseCaptureObject* MouseCaptureObject() const { return FMouseCaptureObject; }
  void SetMouseCaptureObject(IcxMouseCaptureObject* value);
  // The pictures of the class library's drag, made once; nullptr while they hold none.
  TDragImageList* GetDragImages();
  POINT MouseDownPos() const { return FMouseDownPos; }
  bool IsMouseDown() const { return FMouseDown; }
  TCursor DefaultCursor() const { return FDefaultCursor; }

  void AddFontListener(IcxFontListener* listener);
  void RemoveFontListener(IcxFontListener* listener);

  // A child component took this control as its parent, or is going.
  virtual void AddChildComponent(TcxControlChildComponent* /*component*/) {}
  virtual void RemoveChildComponent(TcxControlChildComponent* /*component*/) {}

  void SetOnFocusChanged(TNotifyEvent handler) { FOnFocusChanged = std::move(handler); }
  void SetOnMouseEnter(TNotifyEvent handler) { FOnMouseEnter = std::move(handler); }
  void SetOnMouseLeave(TNotifyEvent handler) { FOnMouseLeave = std::move(handler); }

  // The whole area, or the bounds a descendant stored.
  virtual RECT GetBounds();
  // GetBounds less the border and the visible bars.
  virtual RECT GetClientBounds();
  void SetStoredBounds(const RECT& value) { FStoredBounds = value; }
  virtual int GetBorderSize();
  virtual bool IsFocused() { return Focused(); }
  bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  // Visible and enabled up to the form, which shows and takes input too.
  virtual bool CanFocusEx();
  virtual bool CanFocusOnClick();
  virtual bool CanFocusOnClickAt(int /*x*/, int /*y*/) { return CanFocusOnClick(); }
  bool FocusWhenChildIsClicked(TControl* /*child*/) override { return CanFocusOnClick(); }
  virtual bool IsCopyDragDrop() { return IsCtrlPressed(); }
  virtual bool IsWithinDragThreshold(int x, int y);
  void InvalidateRect(const RECT& rect, bool eraseBackground);
  // ---- the bars: 0 none, 1 horizontal, 2 vertical, 3 both
  int ScrollBars() const { return FScrollBars; }
  void SetScrollBars(int value);
  TcxControlScrollBar* HScrollBar() const { return FHScrollBar; }
  TcxControlScrollBar* VScrollBar() const { return FVScrollBar; }
  TcxSizeGrip* SizeGrip() const { return FSizeGrip; }
  // Called from InitScrollBarsParameters: what the bar of `kind` shows next.
  void SetScrollBarInfo(TScrollBarKind kind, int min, int max, int step, int page, int position, bool allowShow,
                        bool allowHide);
  void UpdateScrollBars();
  void BeginUpdateScrollBars() { ::BeginUpdateScrollBars(FScrollBarsState); }
  void EndUpdateScrollBars() { ::EndUpdateScrollBars(*this, FScrollBarsState); }
  // The pending visibility while the ranges are computed; false without own bars.
  bool IsHScrollBarVisible() { return IsOwnScrollBarVisible(sbHorizontal); }
  bool IsVScrollBarVisible() { return IsOwnScrollBarVisible(sbVertical); }
  virtual RECT GetHScrollBarBounds();
  virtual RECT GetVScrollBarBounds();
  virtual RECT GetSizeGripBounds();

  // The direction's step on that bar through Scroll; false when the control
  // cannot scroll that way.
  bool ScrollByDirection(TcxDirection direction, bool byPage = false);

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void DestroyWindowHandle() override;
  void DoStartDrag(TDragObject*& dragObject) override;
  void DoEndDrag(TObject* target, int x, int y) override;
  void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
  void DoContextPopup(POINT mousePos, bool& handled) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void Resize() override;
  // Lays out the bars again, after the window itself moved.
  void BoundsChanged() override;

  // Screen point; true when a menu showed.
  virtual bool DoShowPopupMenu(TComponent* menu, int x, int y);
  virtual void ParentBackgroundChanged() {}
  // Tells the form designer, while designed and neither this control nor a
  // parent is loading or going.
  virtual void SetDesignerModified();
  // After a press: the class library's automatic drag once the pointer moves
  // away, or panning for the middle button.
  virtual void StartAutoDragOrScroll(TMouseButton button, int x, int y);
  virtual bool GetDesignHitTest(int /*x*/, int /*y*/, TShiftState /*shift*/) { return true; }
  virtual void BeforeMouseDown(TMouseButton /*button*/, TShiftState /*shift*/, int /*x*/, int /*y*/) {}
  virtual void EndMouseOperations();
  // Whether a press may go on when the click did not bring the focus.
  virtual bool AllowsMouseDownWithoutFocus() { return false; }
  // Whether the control takes the focus at all.
  virtual bool Focusable() { return true; }
  virtual TCursor GetCurrentCursor(int /*x*/, int /*y*/) { return FDefaultCursor; }
  virtual bool NeedsEraseBackground() { return false; }
  virtual TcxLookAndFeelPainterClass GetPainter() { return FLookAndFeel->GetPainter(); }
  virtual void LookAndFeelChanged(TcxLookAndFeel* /*sender*/, TcxLookAndFeelValues /*changedValues*/) {}
  virtual bool CanScrollByDirection(TcxDirection /*direction*/) { return false; }
  // 2 scrolls vertically, any other non-zero value horizontally, 0 not at all.
  virtual int GetMouseWheelScrollingKind() { return IsVScrollBarVisible() ? 2 : 0; }
  virtual void Scroll(TScrollBarKind /*kind*/, TScrollCode /*scrollCode*/, int& /*scrollPos*/) {}
  bool HasOwnScrollBars() { return FHScrollBar != nullptr; }
  // Makes the control the parent of its bars and grip.
  virtual void InitScrollBars();
  virtual bool IsInternalControl(TControl* control);
  void CreateWnd() override;
  // Whether a popup menu of this control or of a library control around it
  // takes the key as its shortcut.
  bool IsMenuShortCut(const TMessage& message);

  // ---- the bars' layout, asked by the settling update
  bool HasScrollBars() override { return true; }
  void InitScrollBarsParameters() override {}
  bool NeedsScrollBar(TScrollBarKind /*kind*/) override { return false; }
  void ShowSizeGrip(bool show) override;
  void SetScrollBarsBounds() override;
  bool CanBringInternalControlsToFront() override { return !IsDesigning(); }
  void BringInternalControlsToFront() override;
  TcxScrollBarData& ScrollBarData(TScrollBarKind kind) override { return Bar(kind)->Data(); }
  bool ScrollBarVisible(TScrollBarKind kind) override { return Bar(kind)->Visible(); }
  int ScrollBarThickness(TScrollBarKind kind) override;
  void ApplyScrollBarData(TScrollBarKind kind) override { Bar(kind)->ApplyData(); }
  void ShowScrollBarDisabled(TScrollBarKind kind) override { Bar(kind)->ShowDisabled(); }

  // The notifications.
  virtual void ColorChanged() {}
  virtual void FontChanged();
  virtual void CursorChanged();
  virtual void TextChanged() {}
  virtual void VisibleChanged() {}
  virtual void FocusChanged();
  virtual void MouseEnter(TControl* control);
  virtual void MouseLeave(TControl* control);
  virtual void CancelMouseOperations();

  // The library's drag-and-drop.
  virtual bool StartDragAndDrop(POINT /*point*/) { return false; }
  virtual void BeginDragAndDrop();
  virtual void DragAndDrop(POINT point, bool& accepted);
  virtual void EndDragAndDrop(bool accepted);
  virtual TcxDragAndDropObjectClass GetDragAndDropObjectClass();
  bool CanDrag() { return FDragAndDropState == 0; }

  // The class library's drag.
  virtual bool AcceptsDragObject(TDragObject* /*dragObject*/) { return true; }
  virtual bool HasDragImages() { return false; }
  virtual SIZE GetDragImagesSize() { return SIZE{0, 0}; }
  virtual void DrawDragImage(TcxCanvas& /*canvas*/, const RECT& /*rect*/) {}
  virtual void InitDragImages(TcxDragImageList& images);

 private:
  TcxControlScrollBar* Bar(TScrollBarKind kind) const { return kind == sbHorizontal ? FHScrollBar : FVScrollBar; }
  bool IsOwnScrollBarVisible(TScrollBarKind kind);
  void CreateScrollBars();
  void DestroyScrollBars();
  void SettingsChanged();
  void PostNcSizeNotice();
  bool InternalControlsInFront();
  void StartPanning();
  bool TakesPressBeforeItsDrag(const TMessage& message);
  bool DesignCursorMessage(TMessage& message);
  void PaintMessage(TMessage& message);
  void AfterMessage(TMessage& message);
  void ContextMenuMessage(TMessage& message);
  bool KeyDuringDragAndDrop(TMessage& message);
  void FocusOnMouseDown(int& x, int& y);
  void ArmDragAndDrop(TMouseButton button, TShiftState shift, POINT point);
  void SetOwnCursor(TCursor cursor);
  void FreeDragAndDropObject();

  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  std::unique_ptr<TcxCanvas> FCanvas;
  TcxControlBorderStyle FBorderStyle = cxcbsNone;
  bool FFocusOnClick = true;
  TcxKeys FKeys;
  TComponent* FPopupMenu = nullptr;
  IcxMouseCaptureObject* FMouseCaptureObject = nullptr;
  TOwned<TcxDragImageList> FDragImages;
  TDragObject* FDragObject = nullptr;
  bool FParentBackground = true;
  TCursor FDefaultCursor = crDefault;
  bool FSettingOwnCursor = false;
  int FDragAndDropState = 0;
  std::unique_ptr<TcxDragAndDropObject> FDragAndDropObject;
  TcxDragAndDropObjectClass FDragAndDropObjectClass;
  TCursor FDragAndDropPrevCursor = crDefault;
  bool FFinishingDragAndDrop = false;
  bool FMouseDown = false;
  POINT FMouseDownPos{};
  std::vector<IcxFontListener*> FFontListeners;
  RECT FStoredBounds{};
  int FScrollBars = cxScrollBarsBoth;
  TcxControlScrollBar* FHScrollBar = nullptr;
  TcxControlScrollBar* FVScrollBar = nullptr;
  TcxSizeGrip* FSizeGrip = nullptr;
  TcxScrollBarsUpdateState FScrollBarsState;
  bool FNcSizeNoticePending = false;
  TNotifyEvent FOnFocusChanged;
  TNotifyEvent FOnMouseEnter;
  TNotifyEvent FOnMouseLeave;
};

// Holds a weak link to an object for the length of a scope: Alive reads
// false once a handler freed the object.
class TcxWeakSelf {
 public:
  explicit TcxWeakSelf(TObject* object) : FLink(AddObjectLink(object)) {}
  ~TcxWeakSelf() { RemoveObjectLink(FLink); }
  TcxWeakSelf(const TcxWeakSelf&) = delete;
  TcxWeakSelf& operator=(const TcxWeakSelf&) = delete;
  bool Alive() const { return FLink && FLink->Ref; }

 private:
  TcxObjectLink* FLink;
};

// Sets a flag for a scope and restores it unless the object holding the flag
// went meanwhile.
class TcxFlagScope {
 public:
  TcxFlagScope(const TcxWeakSelf& self, bool& flag, bool value) : FSelf(self), FFlag(flag), FSaved(flag) {
    flag = value;
  }
  ~TcxFlagScope() {
    if (FSelf.Alive()) FFlag = FSaved;
  }
  TcxFlagScope(const TcxFlagScope&) = delete;
  TcxFlagScope& operator=(const TcxFlagScope&) = delete;

 private:
  const TcxWeakSelf& FSelf;
  bool& FFlag;
  bool FSaved;
};

// A component that belongs to a control of the library and lists under it
// in the designer.
class TcxControlChildComponent : public TcxComponent {
 public:
  explicit TcxControlChildComponent(TComponent* owner) : TcxComponent(owner) {}
  // Owned by the control's owner when `assignOwner`, else by nobody.
  template <class T>
  static T* CreateEx(TcxControl* control, bool assignOwner) {
    T* component = CreateComponent<T>(assignOwner ? control->Owner() : nullptr);
    component->SetControl(control);
    return component;
  }
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void AfterConstruction() override { Initialize(); }
  void BeforeDestruction() override;

  TcxControl* Control() const { return FControl; }
  virtual void SetControl(TcxControl* value);
  virtual bool IsDestroying() const { return Destroying(); }
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return FControl != nullptr; }
  void SetParentComponent(TComponent* parent) override;

 protected:
  virtual void Initialize() {}
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TcxControl* FControl = nullptr;
};
