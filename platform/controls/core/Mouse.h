#pragma once
// TMouse: what the program knows of the mouse: which control has captured
// it, how far the pointer moves before a press becomes a drag, and how many
// lines a wheel notch scrolls.
class TControl;

class TMouse {
 public:
  // The control that takes every mouse message; nullptr releases the capture.
  TControl* Capture() const;
  void SetCapture(TControl* control);

  // The system's drag width until the program sets its own.
  int DragThreshold() const;
  void SetDragThreshold(int value) { FDragThreshold = value; }
  // Read from the system each time: the user may change it while the program runs.
  int WheelScrollLines() const;

 private:
  int FDragThreshold = 0;
};

TMouse& Mouse();
