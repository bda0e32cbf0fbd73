#include "platform/classes/Messages.h"

#include <algorithm>

POINT MessagePoint(const TMessage& message) {
  return POINT{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
}

LPARAM PointToLParam(POINT point) {
  return MAKELPARAM(static_cast<WORD>(static_cast<short>(point.x)), static_cast<WORD>(static_cast<short>(point.y)));
}

TShiftState MouseShiftState(const TMessage& message) {
  TShiftState state;
  const WPARAM keys = message.WParam;
  if (keys & MK_SHIFT) state.Include(ssShift);
  if (keys & MK_CONTROL) state.Include(ssCtrl);
  if (keys & MK_LBUTTON) state.Include(ssLeft);
  if (keys & MK_RBUTTON) state.Include(ssRight);
  if (keys & MK_MBUTTON) state.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) state.Include(ssAlt);
  if (IsMouseDoubleClickMessage(message.Msg)) state.Include(ssDouble);
  return state;
}

TShiftState KeyboardShiftState() {
  TShiftState state;
  if (GetKeyState(VK_SHIFT) < 0) state.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) state.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) state.Include(ssAlt);
  return state;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState state = KeyboardShiftState();
  constexpr LPARAM altDown = 0x20000000;
  if (keyData & altDown)
    state.Include(ssAlt);
  else
    state.Exclude(ssAlt);
  return state;
}

bool IsMouseDownMessage(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || IsMouseDoubleClickMessage(msg);
}

bool IsMouseUpMessage(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

bool IsMouseDoubleClickMessage(UINT msg) {
  return msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsMouseButtonMessage(UINT msg) { return IsMouseDownMessage(msg) || IsMouseUpMessage(msg); }

TMouseButton MouseButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return mbMiddle;
    default: return mbLeft;
  }
}

int WheelDelta(const TMessage& message) { return GET_WHEEL_DELTA_WPARAM(message.WParam); }

HDC MessageDC(const TMessage& message) { return reinterpret_cast<HDC>(message.WParam); }

UINT PrintFlags(const TMessage& message) { return static_cast<UINT>(message.LParam); }

void SetPrintFlags(TMessage& message, UINT flags) { message.LParam = static_cast<LPARAM>(flags); }

HWND NotifyingWindow(const TMessage& message, HWND receiver) {
  switch (message.Msg) {
    case WM_NOTIFY: return MessageRecord<NMHDR>(message).hwndFrom;
    case WM_DRAWITEM: return MessageRecord<DRAWITEMSTRUCT>(message).hwndItem;
    case WM_DELETEITEM: return MessageRecord<DELETEITEMSTRUCT>(message).hwndItem;
    case WM_COMPAREITEM: return MessageRecord<COMPAREITEMSTRUCT>(message).hwndItem;
    case WM_MEASUREITEM: {
      // The item's window is not in the record: its control id names it.
      const MEASUREITEMSTRUCT& item = MessageRecord<MEASUREITEMSTRUCT>(message);
      return item.CtlType == ODT_MENU ? nullptr : GetDlgItem(receiver, static_cast<int>(item.CtlID));
    }
    default: return reinterpret_cast<HWND>(message.LParam);
  }
}

WORD CommandCode(const TMessage& message) { return HIWORD(message.WParam); }

UINT NotifyCode(const TMessage& message) { return MessageRecord<NMHDR>(message).code; }

WORD CommandId(const TMessage& message) { return LOWORD(message.WParam); }

WORD KeyCode(const TMessage& message) { return static_cast<WORD>(message.WParam); }

bool IsDeactivation(const TMessage& message) { return LOWORD(message.WParam) == WA_INACTIVE; }

HWND ActivationPartner(const TMessage& message) { return reinterpret_cast<HWND>(message.LParam); }

bool IsAppActivation(const TMessage& message) { return message.WParam != 0; }

THookedMessage CallWndProcHookMessage(LPARAM hookData) {
  const auto& record = *reinterpret_cast<const CWPSTRUCT*>(hookData);
  return {TMessage{record.message, record.wParam, record.lParam, 0}, record.hwnd, POINT{}};
}

MSG& GetMessageHookRecord(LPARAM hookData) { return *reinterpret_cast<MSG*>(hookData); }

bool GetMessageHookRemoved(WPARAM hookFlags) { return (hookFlags & PM_REMOVE) != 0; }

THookedMessage MouseHookMessage(WPARAM message, LPARAM hookData) {
  const auto& record = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(hookData);
  return {TMessage{static_cast<UINT>(message), 0, 0, 0}, record.hwnd, record.pt};
}

bool IsBeingShown(const TMessage& message) { return message.WParam != 0; }

bool IsNcActivation(const TMessage& message) { return message.WParam != 0; }

bool IsRedrawOn(const TMessage& message) { return message.WParam != 0; }

WORD SetCursorHitTest(const TMessage& message) { return LOWORD(message.LParam); }

HWND FocusPartner(const TMessage& message) { return reinterpret_cast<HWND>(message.WParam); }

HWND SetCursorWindow(const TMessage& message) { return reinterpret_cast<HWND>(message.WParam); }

WORD ScrollCode(const TMessage& message) { return LOWORD(message.WParam); }

SIZE ClientSizeOf(const TMessage& message) { return SIZE{LOWORD(message.LParam), HIWORD(message.LParam)}; }

UINT SettingChangeParameter(const TMessage& message) { return static_cast<UINT>(message.WParam); }

// A broadcast of a changed system parameter often comes without a name.
std::string SettingChangeSection(const TMessage& message) {
  return message.LParam ? reinterpret_cast<const char*>(message.LParam) : "";
}

std::string SetTextText(const TMessage& message) {
  return message.LParam ? reinterpret_cast<const char*>(message.LParam) : "";
}

void AnswerGetText(TMessage& message, const std::string& text) {
  auto* buffer = reinterpret_cast<char*>(message.LParam);
  const size_t size = message.WParam;
  message.Result = 0;
  if (!buffer || size == 0) return;
  const size_t count = std::min(size - 1, text.size());
  text.copy(buffer, count);
  buffer[count] = '\0';
  message.Result = static_cast<LRESULT>(count);
}

TMessage QueuedMessage(const MSG& msg) { return TMessage{msg.message, msg.wParam, msg.lParam, 0}; }

int QuitExitCode(const TMessage& message) { return static_cast<int>(message.WParam); }

UINT_PTR TimerId(const TMessage& message) { return static_cast<UINT_PTR>(message.WParam); }
