#pragma once
// Middle-button panning: a round mark where the button went down, and while
// the pointer stays away from it the control scrolls towards the pointer,
// faster the farther it is.
#include <windows.h>

#include <functional>

#include "platform/controls/core/Control.h"

// Directions of a directional scroll.
constexpr int cxScrollNone = 0;
constexpr int cxScrollLeft = 1;
constexpr int cxScrollRight = 2;
constexpr int cxScrollUp = 3;
constexpr int cxScrollDown = 4;

// The panning cursors in the screen's cursor list.
constexpr TCursor crcxFullScroll = 2101;
constexpr TCursor crcxHorScroll = 2102;
constexpr TCursor crcxVerScroll = 2103;
constexpr TCursor crcxUpScroll = 2104;
constexpr TCursor crcxRightScroll = 2105;
constexpr TCursor crcxDownScroll = 2106;
constexpr TCursor crcxLeftScroll = 2107;

constexpr int cxPanningMaxSpeed = 12;
constexpr UINT cxPanningTimerInterval = 20;

// Which of the control's bars are showing.
struct TcxPanningBars {
  bool Horizontal = false;
  bool Vertical = false;
};

struct TcxPanningMotion {
  int Direction = cxScrollNone;
  int Speed = 0;
};

// The mark's rectangle around `start`, stretched across `screen` along the
// axis of a hidden bar, so the pointer never leaves it that way.
RECT PanningOriginArea(POINT start, SIZE mark, TcxPanningBars bars, const RECT& screen);
TcxPanningMotion PanningMotion(POINT start, POINT cursor, SIZE mark, TcxPanningBars bars, const RECT& screen);
// Whether the `counter`-th tick scrolls at `speed`.
bool PanningStepDue(int counter, int speed);
TCursor PanningCursor(int direction, TcxPanningBars bars);
// The bitmap resource of the mark for these bars.
const char* PanningMarkName(TcxPanningBars bars);

// Scrolls the control one step in a direction.
using TcxPanningScroll = std::function<void(int direction)>;

// Runs the panning until a button other than the middle one, Escape, the
// middle button released once the pointer has left the mark, the loss of the
// capture or the program's quit ends it. Nothing happens without a bar.
void RunMousePanning(TcxPanningBars bars, const TcxPanningScroll& scroll);
