#pragma once
// TSplitter: a bar between an edge-aligned control and the rest of its
// parent; dragging it resizes that control (never below MinSize) and the
// parent lays out the others again. It lives on its parent's window.
#include "platform/controls/core/GraphicControl.h"

class TSplitter : public TGraphicControl {
 public:
  explicit TSplitter(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int MinSize() const { return FMinSize; }
  void SetMinSize(int value) { FMinSize = value; }

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Paint() override;

 private:
  bool Horizontal() const { return Align() == alTop || Align() == alBottom; }
  // The control the splitter resizes: the one aligned to the same edge just before it.
  TControl* ResizedControl() const;
  int SizeOf(const TControl& control) const;
  // Where the pointer is along the parent, from a point in the splitter.
  int PositionInParent(int x, int y) const { return Horizontal() ? Top() + y : Left() + x; }
  void Drag(int position);

  int FMinSize = 30;
  bool FDragging = false;
  int FDragStart = 0;
  int FStartSize = 0;
};
