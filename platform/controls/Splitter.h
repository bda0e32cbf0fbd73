#pragma once
// TSplitter: a bar between an edge-aligned control and the rest of its
// parent; dragging it resizes that control (never below MinSize) and the
// parent lays out the others again.
#include "platform/controls/WinControl.h"

class TSplitter : public TWinControl {
 public:
  explicit TSplitter(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int MinSize() const { return FMinSize; }
  void SetMinSize(int value) { FMinSize = value; }

 protected:
  void WndProc(TMessage& message) override;

 private:
  bool Horizontal() const { return Align() == alTop || Align() == alBottom; }
  // The control the splitter resizes: the one aligned to the same edge just before it.
  TControl* ResizedControl() const;
  int SizeOf(const TControl& control) const;
  void Drag(int position);

  int FMinSize = 30;
  bool FDragging = false;
  int FDragStart = 0;
  int FStartSize = 0;
};
