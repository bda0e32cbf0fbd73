#pragma once
// Window routines of the container unit: invalidating a frame, the window
// region, painting a window through a paint buffer (for a composited
// parent, where a child painted the usual way leaves its pixels
// transparent), finding windows under a control, and small helpers the
// editors share.
#include <windows.h>

#include <memory>
#include <string>

#include "controls/foundation/graphics/cxGraphics.h"
#include "platform/controls/core/Control.h"
#include "platform/controls/core/WinControl.h"

// User32's scroll-bar query, bound at start-up; nullptr where the system
// lacks it, and then the container shows no mirrored bars.
struct TcxContainerApi {
  BOOL(WINAPI* GetScrollBarInfo)(HWND window, LONG objectId, PSCROLLBARINFO info) = nullptr;
};
TcxContainerApi& cxContainerApi();

// Invalidates the four strips of `outer` outside `inner`; all of `outer` when `inner` is empty.
void InvalidateRectFrame(HWND window, const TRect& outer, const TRect& inner, bool erase);

// Gives the window the region (nullptr: none) unless it has that region
// already; true when it changed. The system owns a region it took.
bool UpdateWindowRegion(HWND window, std::unique_ptr<TcxRegion> region);

// Paints the window's update area through a paint buffer: WM_ERASEBKGND and
// WM_PRINTCLIENT into the buffer, made opaque, the caret hidden meanwhile.
void PaintWindowWithBufferedPaint(HWND window);
// The same over the whole client area, outside a paint.
void RedrawWindowWithBufferedPaint(HWND window);

// Whether `window` is a child of the control's window, of its child
// controls' windows, or of a shown popup window it owns.
bool IsDescendantWindow(TWinControl* control, HWND window);

// Takes the window's first queued message in [first, last]. Windows hands
// out a WM_QUIT whatever the filter: it is queued again and nothing is taken.
bool TakePendingMessage(HWND window, UINT first, UINT last, MSG& message);

// Removes the window's queued messages in [first, last] (every one when
// `all`, else the first found); a WM_QUIT met is queued again and ends it.
void RemovePendingMessages(HWND window, UINT first, UINT last, bool all);

bool StringsEqual(const std::string& a, const std::string& b, bool caseSensitive);
POINT GetMouseCursorPos();
TShiftState GetCurrentShiftState();
TRect GetControlRect(const TControl& control);
void AssignFont(TFont& destination, const TFont& source);
