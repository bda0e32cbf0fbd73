#pragma once
// TControl: a component with a place in a window: bounds, visibility,
// enabled state, caption, colour, font and cursor. A control with a window of
// its own is a TWinControl; a TGraphicControl has none and lives on its
// parent's window, which paints it and hands it its mouse messages.
//
// Every message a control gets arrives in WndProc, with or without a window:
// from its window procedure, from its parent (the mouse over a graphic
// control, a notification reflected as CN_*), or directly through Perform.
// WndProc decodes input once into the typed virtuals below. Property setters
// announce each change with a component message (CM_ENABLEDCHANGED,
// CM_VISIBLECHANGED, CM_TEXTCHANGED, CM_COLORCHANGED, CM_FONTCHANGED,
// CM_CURSORCHANGED, CM_PARENTCOLORCHANGED, CM_PARENTFONTCHANGED,
// CM_SHOWINGCHANGED): a control reacts to a change by handling its message.
//
// The extension points of a control class:
//   WndProc            any message; handle what you know, then call the base
//   MouseDown/MouseMove/MouseUp, Click/DblClick, DoMouseWheel, DoContextPopup
//   KeyDown/KeyPress/KeyUp (windowed controls)
//   Resize             the size changed
//   Paint              TGraphicControl and TCustomControl
//   BeforeDestruction  the object is still whole: let go of what others hold
#include <functional>
#include <memory>
#include <string>

#include "platform/classes/Component.h"
#include "platform/classes/Messages.h"
#include "platform/controls/core/Actions.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHandPoint = -21;

// The names a form uses for cursor values.
const TIdentMap& CursorIdents();

class TControl;
class TWinControl;
class TDragObject;

// An operation a control cannot do in its present state.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// Size limits of a control, 0 meaning none: Constraints.MinWidth in a form.
class TSizeConstraints : public TPersistent {
 public:
  explicit TSizeConstraints(TControl& control) : FControl(control) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int value);
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int value);
  int MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int value);

  int ConstrainWidth(int width) const { return Constrain(width, FMinWidth, FMaxWidth); }
  int ConstrainHeight(int height) const { return Constrain(height, FMinHeight, FMaxHeight); }

 private:
  static int Constrain(int size, int minimum, int maximum);
  void Changed();

  TControl& FControl;
  int FMinWidth = 0;
  int FMinHeight = 0;
  int FMaxWidth = 0;
  int FMaxHeight = 0;
};

// Where a control sits in its parent: along an edge at full length, or in
// what the edge-aligned controls leave free.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// The names a form uses for alignments.
const TIdentMap& AlignIdents();

// The direction of a scroll bar.
enum TScrollBarKind { sbHorizontal, sbVertical };
const TIdentMap& ScrollBarKindIdents();
// What a scroll asks for, numbered as the SB_ codes of WM_HSCROLL and WM_VSCROLL.
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
// The step of a line or a page, 1 to 32767.
using TScrollBarInc = int;

// What a control class does by nature.
enum TControlStyleFlag {
  csAcceptsControls,
  csCaptureMouse,  // takes the mouse capture while a button is down
  csClickEvents,   // a press and release of the left button inside is a Click
  csFramed,
  csSetCaption,
  csOpaque,        // paints its whole area: nothing is filled or erased first
  csDoubleClicks,  // a double click is a DblClick, not a second press
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csParentBackground,
  csPannable,
  csDisplayDragImage  // shows the drag image of a drag over it
};
using TControlStyle = TSet<TControlStyleFlag>;

// What a control is doing now.
enum TControlStateFlag { csLButtonDown, csClicked, csFocusing, csCreating, csPaintCopy, csCustomPaint };
using TControlState = TSet<TControlStateFlag>;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, POINT MousePos, bool& Handled)>;
using TContextPopupEvent = std::function<void(TObject* Sender, POINT MousePos, bool& Handled)>;
// The handler may move the position the scroll ends at.
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// dmAutomatic starts a drag when the left button goes down on the control.
enum TDragMode { dmManual, dmAutomatic };
// What a drag does over a target: arrives at it, leaves it, moves over it.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// Source is the dragged control, or the drag object when it drags no control.
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Tells the application it is going, clears its place in the parent and
  // leaves it, then frees what it owns.
  void BeforeDestruction() override;

  // ---- messages
  // Runs the message through WndProc at once, window or not; the result is the message's.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);
  // What a message nobody handled gets: the caption answers the text
  // messages, nothing else here; the window's own procedure for a windowed control.
  virtual void DefaultHandler(TMessage& message);

  // ---- place
  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  // A control nested in a window-backed control's block of a form lives on it.
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return FLeft; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  int Top() const { return FTop; }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  int Width() const { return FWidth; }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  int Height() const { return FHeight; }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  // The size is kept within the constraints.
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  // The area the control draws in, in its own coordinates.
  virtual RECT ClientRect() const;
  POINT ClientToScreen(POINT point) const;
  POINT ScreenToClient(POINT point) const;
  // Puts the control above its siblings.
  virtual void BringToFront();

  TSizeConstraints& Constraints() { return FConstraints; }
  // The parent lays out an aligned control whenever its own size or its
  // aligned controls change.
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);

  // ---- state
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  // Visible, and on a parent that shows (a windowed control: its window shows).
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  // The text as the control's WM_GETTEXTLENGTH and WM_GETTEXT answer it, and
  // handed over in WM_SETTEXT: a control that keeps its text elsewhere (an
  // editor, in its inner edit) answers them its own way. Without, it is the caption.
  int GetTextLen();
  std::string GetTextBuf();
  void SetTextBuf(const std::string& value);
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle value) { FControlStyle = value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState value) { FControlState = value; }

  // ---- looks
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  // Takes the parent's colour, now and whenever it changes.
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  TFont& Font() { return FFont; }
  void SetFont(const TFont& value) { FFont.Assign(value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  // The cursor over the control; crDefault leaves the window's own.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value);

  // ---- painting
  // Repaints the control's area when the messages are next processed.
  virtual void Invalidate();
  // Paints what is invalid now.
  virtual void Update();
  void Repaint();

  // ---- mouse
  // The control takes every mouse message until it lets go.
  bool MouseCapture() const;
  void SetMouseCapture(bool value);

  // ---- events
  void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }
  void SetOnDblClick(TNotifyEvent handler) { FOnDblClick = std::move(handler); }
  void SetOnMouseDown(TMouseEvent handler) { FOnMouseDown = std::move(handler); }
  void SetOnMouseMove(TMouseMoveEvent handler) { FOnMouseMove = std::move(handler); }
  void SetOnMouseUp(TMouseEvent handler) { FOnMouseUp = std::move(handler); }
  void SetOnMouseWheel(TMouseWheelEvent handler) { FOnMouseWheel = std::move(handler); }
  void SetOnContextPopup(TContextPopupEvent handler) { FOnContextPopup = std::move(handler); }
  // Runs OnClick, or without one the action.
  virtual void Click();

  // ---- action
  // The control shows the action's caption and state from now on; nullptr unbinds.
  TAction* Action() const { return FActionLink ? &FActionLink->Action() : nullptr; }
  void SetAction(TAction* action);
  TControlActionLink* ActionLink() const { return FActionLink.get(); }

  // ---- streaming
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return true; }

  // ---- drag (one drag at a time in the program; see DragObjects.h)
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode value) { FDragMode = value; }
  // Starts dragging this control: at once, or once the pointer has moved
  // `threshold` pixels (-1: the mouse's drag threshold) before the left
  // button goes up. The control holds the mouse capture until the drag ends.
  void BeginDrag(bool immediate, int threshold = -1);
  // Drops on the control under the pointer when `drop` and it accepts;
  // otherwise the drag is cancelled.
  void EndDrag(bool drop);
  // This control is the source of the drag, started or waiting for the threshold.
  bool Dragging() const;
  // A drag is over this control, in its client coordinates; the base accepts
  // only through OnDragOver.
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  // A drag this control accepted was dropped on it; the base runs OnDragDrop.
  virtual void DragDrop(TObject* source, int x, int y);
  void SetOnDragOver(TDragOverEvent handler) { FOnDragOver = std::move(handler); }
  void SetOnDragDrop(TDragDropEvent handler) { FOnDragDrop = std::move(handler); }

 protected:
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // True when the wheel was handled; the base runs OnMouseWheel.
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos);
  virtual void DoContextPopup(POINT mousePos, bool& handled);
  virtual void Resize() {}
  // The link a control of this class keeps with its action.
  virtual std::unique_ptr<TControlActionLink> CreateActionLink(TAction& action);
  // The action going unbinds the control.
  void Notification(TComponent* component, TOperation operation) override;
  // The drag starts: a control may give its own drag object (it then frees
  // it, in its Finished for one); left nullptr, the drag makes and frees one.
  virtual void DoStartDrag(TDragObject*& /*dragObject*/) {}
  // The drag ended; `target` is the control dropped on, nullptr when cancelled.
  virtual void DoEndDrag(TObject* /*target*/, int /*x*/, int /*y*/) {}

  // What a windowed control does with new bounds; a graphic one repaints its places.
  virtual void BoundsChanged();
  virtual void ParentChanged() {}
  // The bounds the window really has, without telling it again.
  void UpdateBoundsFromWindow(int left, int top, int width, int height);
  // The text the window really shows (an edit the user typed in), without telling it again.
  void UpdateCaptionFromWindow(const std::string& text) { FCaption = text; }
  // The parent's window, for drawing and capture; nullptr without one.
  HWND ParentWindow() const;
  // True while this control or a parent of it is being destroyed.
  bool Dying() const;

 private:
  friend class TSizeConstraints;
  friend class TWinControl;
  friend class TDragSession;

  void MouseMessage(TMessage& message);
  void TrackButtonState(const TMessage& message);
  // The drag of which this control is the source takes the mouse message; true when it used it up.
  bool DragMouseMessage(const TMessage& message);
  // The control goes: a drag from it is cancelled, a drag over it forgets it.
  void LeaveDrag();
  void MouseWheelMessage(TMessage& message);
  void ContextMenuMessage(TMessage& message);
  void TextMessage(TMessage& message);
  void FontChanged();
  void TakeParentFont();
  void TakeParentColor();
  void InvalidateInParent(const RECT& area) const;

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  std::string FCaption;
  TAlign FAlign = alNone;
  TCursor FCursor = crDefault;
  TSizeConstraints FConstraints{*this};
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  TFont FFont;
  bool FParentFont = true;
  bool FTakingParentFont = false;
  TNotifyEvent FOnClick;
  TNotifyEvent FOnDblClick;
  TMouseEvent FOnMouseDown;
  TMouseMoveEvent FOnMouseMove;
  TMouseEvent FOnMouseUp;
  TMouseWheelEvent FOnMouseWheel;
  TContextPopupEvent FOnContextPopup;
  TDragMode FDragMode = dmManual;
  // Where the left button last went down, in screen coordinates: a drag's threshold counts from there.
  POINT FLeftDownPos{};
  TDragOverEvent FOnDragOver;
  TDragDropEvent FOnDragDrop;
  std::unique_ptr<TControlActionLink> FActionLink;
};
