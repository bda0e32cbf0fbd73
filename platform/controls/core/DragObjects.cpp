#include "platform/controls/core/DragObjects.h"

#include <cstdlib>
#include <utility>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Mouse.h"
#include "platform/controls/core/Screen.h"
#include "platform/controls/core/WinControl.h"

TCursor TDragObject::GetDragCursor(bool accepted, int /*x*/, int /*y*/) { return accepted ? crDrag : crNoDrop; }

void TDragObject::HideDragImage() {
  if (TDragImageList* images = GetDragImages()) images->HideDragImage();
}

void TDragObject::ShowDragImage() {
  if (TDragImageList* images = GetDragImages()) images->ShowDragImage();
}

TClass TDragImageList::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TDragImageList>("TDragImageList", TImageList::StaticClass()).Build();
  return &metaClass;
}

// The one drag of the program: its source from BeginDrag on, its object once
// the pointer has passed the threshold.
class TDragSession {
 public:
  TControl* Source = nullptr;
  TDragObject* Object = nullptr;
  bool OwnsObject = false;
  POINT StartPos{};
  int Threshold = 0;
  bool Accepted = false;

  bool PastThreshold(POINT point) const {
    return std::abs(point.x - StartPos.x) >= Threshold || std::abs(point.y - StartPos.y) >= Threshold;
  }
  // False when the source cancelled the drag as it started.
  bool Start();
  void MoveTo(POINT point);
  void End(bool drop);
  void Forget(TControl& control);

 private:
  TObject* SourceArgument() const;
  // Asks `target` about the drag at the object's position; its answer.
  bool AskTarget(TControl& target, TDragState state) const;
};

namespace {

TDragSession& Session() {
  static TDragSession session;
  return session;
}

// The control at a screen point: the topmost graphic control enabled there,
// else the window of this program under the point.
TControl* FindDragTarget(POINT point) {
  TWinControl* control = nullptr;
  for (HWND window = WindowFromPoint(point); window && !control; window = GetParent(window))
    control = TWinControl::FindControl(window);
  if (!control) return nullptr;
  if (TControl* graphic = control->ControlAtPos(control->ScreenToClient(point), false)) return graphic;
  return control;
}

}  // namespace

TObject* TDragSession::SourceArgument() const {
  if (auto* controlObject = dynamic_cast<TDragControlObject*>(Object)) return controlObject->Control();
  return Object;
}

bool TDragSession::AskTarget(TControl& target, TDragState state) const {
  const POINT local = target.ScreenToClient(Object->DragPos());
  bool accept = false;
  target.DragOver(SourceArgument(), local.x, local.y, state, accept);
  return accept;
}

bool TDragSession::Start() {
  TDragObject* object = nullptr;
  Source->DoStartDrag(object);
  // The source may have refused its own object and cancelled the drag.
  if (!Source) return false;
  OwnsObject = object == nullptr;
  Object = OwnsObject ? new TDragControlObject(Source) : object;
  Object->FDragPos = StartPos;
  return true;
}

void TDragSession::MoveTo(POINT point) {
  TDragObject* object = Object;
  object->FDragPos = point;
  TControl* target = FindDragTarget(point);
  if (target != object->FDragTarget) {
    if (TControl* previous = std::exchange(object->FDragTarget, target)) AskTarget(*previous, dsDragLeave);
    if (target && Object == object) AskTarget(*target, dsDragEnter);
  }
  // A handler may have ended the drag.
  if (Object != object) return;
  Accepted = object->FDragTarget && AskTarget(*object->FDragTarget, dsDragMove);
  if (Object != object) return;
  ::SetCursor(Screen().CursorHandle(object->GetDragCursor(Accepted, point.x, point.y)));
}

void TDragSession::End(bool drop) {
  // Cleared first: the handlers below may start the next drag.
  const TDragSession ended = std::exchange(*this, TDragSession{});
  TControl* source = ended.Source;
  if (source->MouseCapture()) source->SetMouseCapture(false);
  TDragObject* object = ended.Object;
  if (!object) return;
  // The drag took the press: the button's release is no click.
  TControlState state = source->ControlState();
  state.Exclude(csLButtonDown);
  state.Exclude(csClicked);
  source->SetControlState(state);
  TControl* target = object->DragTarget();
  const bool accepted = drop && target && ended.Accepted;
  const POINT local = (target ? target : source)->ScreenToClient(object->DragPos());
  if (target && !accepted) ended.AskTarget(*target, dsDragLeave);
  if (accepted) target->DragDrop(ended.SourceArgument(), local.x, local.y);
  source->DoEndDrag(accepted ? target : nullptr, local.x, local.y);
  object->Finished(accepted ? target : nullptr, local.x, local.y, accepted);
  if (ended.OwnsObject) object->Free();
}

void TDragSession::Forget(TControl& control) {
  if (Source == &control) {
    End(false);
    return;
  }
  if (Object && Object->FDragTarget == &control) {
    Object->FDragTarget = nullptr;
    Accepted = false;
  }
}

TDragObject* DragObject() { return Session().Object; }

TControl* DragControl() { return Session().Source; }

void CancelDrag() {
  if (Session().Source) Session().End(false);
}

void TControl::BeginDrag(bool immediate, int threshold) {
  TDragSession& session = Session();
  if (session.Source) return;
  session.Source = this;
  session.Threshold = threshold < 0 ? Mouse().DragThreshold() : threshold;
  if (FControlState.Contains(csLButtonDown)) {
    session.StartPos = FLeftDownPos;
  } else {
    GetCursorPos(&session.StartPos);
  }
  SetMouseCapture(true);
  if (!immediate) return;
  if (session.Start()) session.MoveTo(session.StartPos);
}

void TControl::EndDrag(bool drop) {
  if (Dragging()) Session().End(drop);
}

bool TControl::Dragging() const { return Session().Source == this; }

bool TControl::DragMouseMessage(const TMessage& message) {
  TDragSession& session = Session();
  if (session.Source != this) return false;
  const POINT point = ClientToScreen(MessagePoint(message));
  if (!session.Object) {
    if (message.Msg == WM_MOUSEMOVE && session.PastThreshold(point)) {
      if (session.Start()) session.MoveTo(point);
      return true;
    }
    // Released before the threshold: no drag, the press goes on as a click.
    if (message.Msg == WM_LBUTTONUP) session.End(false);
    return false;
  }
  if (message.Msg == WM_MOUSEMOVE) session.MoveTo(point);
  if (message.Msg == WM_LBUTTONUP) {
    session.MoveTo(point);
    if (session.Source == this) session.End(true);
  }
  return true;
}

void TControl::LeaveDrag() { Session().Forget(*this); }
