#include "controls/foundation/controls/cxControlsPanning.h"

#include <algorithm>
#include <cstdlib>

#include "controls/foundation/controls/cxControls.h"
#include "platform/classes/Messages.h"
#include "platform/controls/core/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GdiHandles.h"

namespace {

// Each step of speed shortens the wait between scroll steps by one tick; the
// fastest scrolls every tick.
constexpr int kTicksAtSlowest = 13;
// Pixels of distance from the mark per step of speed.
constexpr int kPixelsPerSpeed = 5;

bool EndsPanningAlways(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return true;
    default: return false;
  }
}

bool IsEscape(const TMessage& message) {
  return (message.Msg == WM_KEYDOWN || message.Msg == WM_KEYUP) && KeyCode(message) == VK_ESCAPE;
}

RECT VirtualScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The borderless round window that shows the mark centred on the start point.
class TPanningMark {
 public:
  TPanningMark(POINT start, TcxPanningBars bars) {
    FBitmap.LoadFromResourceName(GetModuleHandleA(nullptr), PanningMarkName(bars));
    const int width = FBitmap.Width();
    const int height = FBitmap.Height();
    FWindow = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP, start.x - width / 2, start.y - height / 2, width,
                              height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!FWindow) return;
    SetWindowRgn(FWindow, OutlineRegion().Release(), FALSE);
    ShowWindow(FWindow, SW_SHOWNOACTIVATE);
    ValidateRect(FWindow, nullptr);
    Draw(TWindowDC(FWindow).Get());
  }
  ~TPanningMark() {
    if (FWindow) DestroyWindow(FWindow);
  }
  TPanningMark(const TPanningMark&) = delete;
  TPanningMark& operator=(const TPanningMark&) = delete;

  HWND Window() const { return FWindow; }
  SIZE Size() const { return SIZE{FBitmap.Width(), FBitmap.Height()}; }
  void Paint() { Draw(TPaintDC(FWindow).Get()); }

 private:
  TGdiObject<HRGN> OutlineRegion() const {
    return TGdiObject<HRGN>(CreateEllipticRgn(0, 0, FBitmap.Width() + 1, FBitmap.Height() + 1));
  }
  void Draw(HDC dc) {
    BitBlt(dc, 0, 0, FBitmap.Width(), FBitmap.Height(), FBitmap.DC(), 0, 0, SRCCOPY);
    FrameRgn(dc, OutlineRegion().Get(), GetSysColorBrush(COLOR_WINDOWFRAME), 1, 1);
  }

  TBitmap FBitmap;
  HWND FWindow = nullptr;
};

// One panning: the mark, the tick timer and the capture, all given back when
// it ends.
class TPanningSession {
 public:
  TPanningSession(TcxPanningBars bars, const TcxPanningScroll& scroll)
      : FBars(bars), FScroll(scroll), FStart(GetCursorPosition()), FMark(FStart, bars), FScreen(VirtualScreen()) {
    FTimer = cxTimerApi().SetTimer(nullptr, 0, cxPanningTimerInterval, nullptr);
    SetCapture(FMark.Window());
    ShowCursor();
  }
  ~TPanningSession() {
    if (GetCapture() == FMark.Window()) ReleaseCapture();
    if (FTimer) cxTimerApi().KillTimer(nullptr, FTimer);
  }
  TPanningSession(const TPanningSession&) = delete;
  TPanningSession& operator=(const TPanningSession&) = delete;

  void Run() {
    while (FMark.Window() && GetCapture() == FMark.Window()) {
      MSG msg;
      const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
      if (got == -1) return;
      if (!got) {
        // The quit is for the program's own loop.
        PostQuitMessage(QuitExitCode(QueuedMessage(msg)));
        return;
      }
      if (!Handle(msg)) return;
    }
  }

 private:
  // False when the message ends the panning.
  bool Handle(const MSG& msg) {
    const TMessage message = QueuedMessage(msg);
    if (msg.message == WM_PAINT && msg.hwnd == FMark.Window()) {
      FMark.Paint();
      return true;
    }
    if (msg.message == WM_TIMER && msg.hwnd == nullptr && TimerId(message) == FTimer) {
      Tick();
      return true;
    }
    if (msg.message == WM_MOUSEMOVE) {
      Move();
      return true;
    }
    if (IsEscape(message) || EndsPanningAlways(msg.message)) return false;
    if (msg.message == WM_MBUTTONUP && FLeftOrigin) return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
  }

  void Move() {
    FMotion = PanningMotion(FStart, GetCursorPosition(), FMark.Size(), FBars, FScreen);
    if (FMotion.Direction != cxScrollNone) FLeftOrigin = true;
    ShowCursor();
  }

  void Tick() {
    ++FCounter;
    if (FMotion.Direction != cxScrollNone && PanningStepDue(FCounter, FMotion.Speed)) FScroll(FMotion.Direction);
  }

  void ShowCursor() { SetCursor(Screen().Cursors(PanningCursor(FMotion.Direction, FBars))); }

  TcxPanningBars FBars;
  const TcxPanningScroll& FScroll;
  POINT FStart;
  TPanningMark FMark;
  RECT FScreen;
  UINT_PTR FTimer = 0;
  TcxPanningMotion FMotion;
  int FCounter = 0;
  bool FLeftOrigin = false;
};

}  // namespace

RECT PanningOriginArea(POINT start, SIZE mark, TcxPanningBars bars, const RECT& screen) {
  RECT area{start.x - mark.cx / 2, start.y - mark.cy / 2, 0, 0};
  area.right = area.left + mark.cx;
  area.bottom = area.top + mark.cy;
  if (!bars.Horizontal) {
    area.left = std::min(area.left, screen.left);
    area.right = std::max(area.right, screen.right);
  }
  if (!bars.Vertical) {
    area.top = std::min(area.top, screen.top);
    area.bottom = std::max(area.bottom, screen.bottom);
  }
  return area;
}

TcxPanningMotion PanningMotion(POINT start, POINT cursor, SIZE mark, TcxPanningBars bars, const RECT& screen) {
  const RECT area = PanningOriginArea(start, mark, bars, screen);
  if (PtInRect(&area, cursor)) return {};
  const int dx = cursor.x - start.x;
  const int dy = cursor.y - start.y;
  const bool horizontal = bars.Horizontal && (!bars.Vertical || std::abs(dx) > std::abs(dy));
  TcxPanningMotion motion;
  int distance;
  if (horizontal) {
    motion.Direction = dx < 0 ? cxScrollLeft : cxScrollRight;
    distance = std::abs(dx);
  } else {
    motion.Direction = dy < 0 ? cxScrollUp : cxScrollDown;
    distance = std::abs(dy);
  }
  // A mark wider than high could put a vertical move outside it closer than
  // half its width: the slowest speed still scrolls.
  motion.Speed = std::clamp((distance - static_cast<int>(mark.cx) / 2) / kPixelsPerSpeed + 1, 1, cxPanningMaxSpeed);
  return motion;
}

bool PanningStepDue(int counter, int speed) { return counter % (kTicksAtSlowest - speed) == 0; }

TCursor PanningCursor(int direction, TcxPanningBars bars) {
  switch (direction) {
    case cxScrollUp: return crcxUpScroll;
    case cxScrollRight: return crcxRightScroll;
    case cxScrollDown: return crcxDownScroll;
    case cxScrollLeft: return crcxLeftScroll;
    default: break;
  }
  if (bars.Horizontal && bars.Vertical) return crcxFullScroll;
  return bars.Horizontal ? crcxHorScroll : crcxVerScroll;
}

const char* PanningMarkName(TcxPanningBars bars) {
  if (bars.Horizontal && bars.Vertical) return "CX_FULLSCROLLBITMAP";
  return bars.Horizontal ? "CX_HORSCROLLBITMAP" : "CX_VERSCROLLBITMAP";
}

void RunMousePanning(TcxPanningBars bars, const TcxPanningScroll& scroll) {
  if (!bars.Horizontal && !bars.Vertical) return;
  TPanningSession session(bars, scroll);
  session.Run();
}
