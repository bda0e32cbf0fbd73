#include "platform/controls/core/ControlCanvas.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/controls/core/WinControl.h"

namespace {

std::vector<TControlCanvas*>& CanvasesHoldingContexts() {
  static std::vector<TControlCanvas*> canvases;
  return canvases;
}

}  // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::FreeDeviceContexts() {
  const std::vector<TControlCanvas*> holding = std::exchange(CanvasesHoldingContexts(), {});
  for (TControlCanvas* canvas : holding) canvas->FreeHandle();
}

void TControlCanvas::CreateHandle() {
  const bool windowed = FControl.InheritsFrom(TWinControl::StaticClass());
  TWinControl* window = windowed ? static_cast<TWinControl*>(&FControl) : FControl.Parent();
  if (!window || !window->HandleAllocated()) return;
  FWindowDC.emplace(window->Handle());
  const HDC dc = FWindowDC->Get();
  if (!windowed) {
    SetViewportOrgEx(dc, FControl.Left(), FControl.Top(), nullptr);
    IntersectClipRect(dc, 0, 0, FControl.Width(), FControl.Height());
  }
  SetHandle(dc);
  CanvasesHoldingContexts().push_back(this);
}

void TControlCanvas::FreeHandle() {
  if (!FWindowDC) return;
  SetHandle(nullptr);
  FWindowDC.reset();
  std::erase(CanvasesHoldingContexts(), this);
}

TControlCanvas::TPaintScope::TPaintScope(TControlCanvas& canvas, HDC dc) : FCanvas(canvas) {
  FCanvas.FreeHandle();
  FCanvas.SetHandle(dc);
}

TControlCanvas::TPaintScope::~TPaintScope() { FCanvas.SetHandle(nullptr); }
