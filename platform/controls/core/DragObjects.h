#pragma once
// Dragging a control onto another: the drag object that travels with the
// pointer, the image list a drag may show, and the one drag the program runs
// at a time.
//
// A drag starts with TControl::BeginDrag, at once or once the pointer has
// moved past a threshold with the left button down. From then on the source
// control holds the mouse capture and its mouse messages are the drag's: each
// move finds the control under the pointer and asks its DragOver whether it
// accepts (dsDragEnter when the pointer reaches it, dsDragLeave when it
// goes, dsDragMove every time); the cursor is the drag object's
// GetDragCursor. Releasing the left button drops on the control under the
// pointer when it accepted, Escape or EndDrag(false) cancels; either way the
// source's DoEndDrag and the drag object's Finished run, in that order.
#include <windows.h>

#include "platform/controls/core/Control.h"
#include "platform/controls/common/ImageList.h"

class TDragImageList;

class TDragObject : public TObject {
 public:
  // The drag ended on `target` (nullptr when cancelled or refused), at the
  // point in the target's client coordinates. An object the source made in
  // DoStartDrag may free itself here.
  virtual void Finished(TObject* /*target*/, int /*x*/, int /*y*/, bool /*accepted*/) {}
  // The cursor over the point (screen coordinates): crDrag where the target
  // accepts, crNoDrop elsewhere.
  virtual TCursor GetDragCursor(bool accepted, int x, int y);
  // The pictures the drag shows beside the pointer; none here.
  virtual TDragImageList* GetDragImages() { return nullptr; }
  void HideDragImage();
  void ShowDragImage();

  // The pointer, in screen coordinates, and the control under it.
  POINT DragPos() const { return FDragPos; }
  TControl* DragTarget() const { return FDragTarget; }

 private:
  friend class TDragSession;
  POINT FDragPos{};
  TControl* FDragTarget = nullptr;
};

// The drag of a control: targets see the control as the source.
class TDragControlObject : public TDragObject {
 public:
  explicit TDragControlObject(TControl* control) : FControl(control) {}
  TControl* Control() const { return FControl; }

 private:
  TControl* FControl;
};

// The pictures of a drag. Hiding nests: the image shows again once every
// HideDragImage has had its ShowDragImage.
class TDragImageList : public TImageList {
 public:
  using TImageList::TImageList;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void HideDragImage() { ++FHideCount; }
  void ShowDragImage() {
    if (FHideCount > 0) --FHideCount;
  }
  bool DragImageVisible() const { return FHideCount == 0; }

 private:
  int FHideCount = 0;
};

// The object of the drag under way; nullptr when none has started (a drag
// waiting for its threshold has none yet).
TDragObject* DragObject();
// The source of the drag under way or waiting for its threshold.
TControl* DragControl();
// Ends the drag, if any, without dropping.
void CancelDrag();
