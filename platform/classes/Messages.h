#pragma once
// The messages of the class library: TMessage, the numbers of its own
// component messages (CM_*) and reflected notifications (CN_*), and the
// decoders of wParam and lParam. Every other file reads a message through
// these decoders, so each field is decoded in one place.
//
// CM_* messages tell a control that one of its properties changed or that
// something happened to it (the mouse entered, a dialog key arrived); they
// reach a control by Perform, with or without a window. CN_* messages are a
// notification a Win32 control sent its parent (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR*, ...) or a key the message loop offers the focused control
// before the dialog manager sees it: CN_BASE + the original number.
#include <windows.h>
// Published-property tables have a member GetObject; Win32 is called as GetObjectA.
#undef GetObject

#include <string>

#include "platform/classes/Sets.h"

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_INVOKEHELP = CM_BASE + 31;
constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_WININICHANGE = CM_BASE + 37;
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr UINT CM_TIMECHANGE = CM_BASE + 39;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_GETDATALINK = CM_BASE + 45;
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
constexpr UINT CM_DRAG = CM_BASE + 47;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr UINT CM_CHANGED = CM_BASE + 55;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

// ---- decoders

// The client point of a mouse message, or the screen point of WM_CONTEXTMENU
// and WM_MOUSEWHEEL; coordinates are signed (a captured mouse left of the window).
POINT MessagePoint(const TMessage& message);
LPARAM PointToLParam(POINT point);
// The buttons and keys a mouse message reports held.
TShiftState MouseShiftState(const TMessage& message);
// Shift, Ctrl and Alt as the keyboard has them now.
TShiftState KeyboardShiftState();
// Shift and Ctrl as now, Alt as the key message's data says.
TShiftState KeyDataToShiftState(LPARAM keyData);
// The button of a WM_xBUTTONDOWN, WM_xBUTTONDBLCLK or WM_xBUTTONUP.
bool IsMouseButtonMessage(UINT msg);
TMouseButton MouseButtonOf(UINT msg);
bool IsMouseDownMessage(UINT msg);
bool IsMouseUpMessage(UINT msg);
bool IsMouseDoubleClickMessage(UINT msg);
// Rotation of WM_MOUSEWHEEL in multiples of WHEEL_DELTA; positive away from the user.
int WheelDelta(const TMessage& message);
// The device context WM_PAINT (when it brings one), WM_PRINTCLIENT,
// WM_ERASEBKGND and WM_CTLCOLOR* hand over.
HDC MessageDC(const TMessage& message);
// The PRF_ flags of WM_PRINT, and the message asking for them changed.
UINT PrintFlags(const TMessage& message);
void SetPrintFlags(TMessage& message, UINT flags);
// The Win32 control a WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM,
// WM_MEASUREITEM, WM_DELETEITEM, WM_COMPAREITEM or scroll message comes
// from, in the window `receiver`; nullptr for a menu command, an accelerator
// or a window's own bar.
HWND NotifyingWindow(const TMessage& message, HWND receiver);
// The notification code of WM_COMMAND.
WORD CommandCode(const TMessage& message);
// The notification code of WM_NOTIFY (TCN_SELCHANGE...).
UINT NotifyCode(const TMessage& message);
WORD CommandId(const TMessage& message);
// The virtual key of a key message; the character of WM_CHAR.
WORD KeyCode(const TMessage& message);
// The window that loses the focus (WM_SETFOCUS) or takes it (WM_KILLFOCUS); may be null.
HWND FocusPartner(const TMessage& message);
// The hit-test code WM_SETCURSOR reports and the window it is for.
WORD SetCursorHitTest(const TMessage& message);
HWND SetCursorWindow(const TMessage& message);
// What a WM_HSCROLL or WM_VSCROLL asks for (SB_LINEUP, SB_THUMBTRACK...).
WORD ScrollCode(const TMessage& message);
// The new client size of WM_SIZE.
SIZE ClientSizeOf(const TMessage& message);
// What WM_SETTINGCHANGE (WM_WININICHANGE) reports changed: the system
// parameter (SPI_...), 0 for settings of a named section, and that section
// ("intl"...) or policy, empty when the message names none.
UINT SettingChangeParameter(const TMessage& message);
std::string SettingChangeSection(const TMessage& message);
// The object a component message names in lParam (the control the pointer
// met for CM_MOUSEENTER and CM_MOUSELEAVE), or `self` when it names none.
template <class T>
T* MessageObject(const TMessage& message, T* self) {
  return message.LParam ? reinterpret_cast<T*>(message.LParam) : self;
}
// WM_ACTIVATE: whether the window is being deactivated, and the window that
// loses (or takes) the activation in exchange, when it is of this thread.
bool IsDeactivation(const TMessage& message);
HWND ActivationPartner(const TMessage& message);
// WM_ACTIVATEAPP: whether this program is being activated.
bool IsAppActivation(const TMessage& message);
// WM_SHOWWINDOW: whether the window is being shown (not hidden).
bool IsBeingShown(const TMessage& message);
// WM_NCACTIVATE: whether the non-client area is drawn active.
bool IsNcActivation(const TMessage& message);
// WM_SETREDRAW: whether redrawing is switched back on.
bool IsRedrawOn(const TMessage& message);
// What a hook of the thread is handed: the message about to be sent
// (WH_CALLWNDPROC), the message taken from or peeked at in the queue
// (WH_GETMESSAGE), the mouse message about to be posted (WH_MOUSE), with the
// window it is for and, for the mouse, the screen point.
struct THookedMessage {
  TMessage Message;
  HWND Window;
  POINT Point;
};
THookedMessage CallWndProcHookMessage(LPARAM hookData);
MSG& GetMessageHookRecord(LPARAM hookData);
bool GetMessageHookRemoved(WPARAM hookFlags);
THookedMessage MouseHookMessage(WPARAM message, LPARAM hookData);

// The pointer to a structure the message carries in lParam.
template <class T>
T& MessageRecord(const TMessage& message) {
  return *reinterpret_cast<T*>(message.LParam);
}
// A message taken from the queue by a loop of its own (a drag detection,
// the panning), to be read through the decoders above.
TMessage QueuedMessage(const MSG& msg);
// The exit code WM_QUIT carries.
int QuitExitCode(const TMessage& message);
// The timer WM_TIMER is for.
UINT_PTR TimerId(const TMessage& message);
// The text WM_SETTEXT brings; empty for none.
std::string SetTextText(const TMessage& message);
// Answers WM_GETTEXT with `text`: at most the buffer's size less one octets
// and a terminating zero; a buffer of size 0 or none gets nothing. The
// result is the number of octets copied.
void AnswerGetText(TMessage& message, const std::string& text);
