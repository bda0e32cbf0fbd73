#pragma once
// TControl: a component with a place on a window: bounds, visibility,
// enabled state, caption and size constraints. Window-backed controls
// (TWinControl) push every change to their window.
#include <string>

#include "platform/classes/Component.h"

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crHandPoint = -21;

// The names a form uses for cursor values.
const TIdentMap& CursorIdents();

class TControl;
class TWinControl;

// An operation a control cannot do in its present state.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// Size limits of a control, 0 meaning none: Constraints.MinWidth in a form.
class TSizeConstraints : public TPersistent {
 public:
  explicit TSizeConstraints(TControl& control) : FControl(control) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int value);
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int value);
  int MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int value);

  int ConstrainWidth(int width) const { return Constrain(width, FMinWidth, FMaxWidth); }
  int ConstrainHeight(int height) const { return Constrain(height, FMinHeight, FMaxHeight); }

 private:
  static int Constrain(int size, int minimum, int maximum);
  void Changed();

  TControl& FControl;
  int FMinWidth = 0;
  int FMinHeight = 0;
  int FMaxWidth = 0;
  int FMaxHeight = 0;
};

// Where a control sits in its parent: along an edge at full length, or in
// what the edge-aligned controls leave free.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// The names a form uses for alignments.
const TIdentMap& AlignIdents();

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TWinControl* Parent() const { return FParent; }
  void SetParent(TWinControl* parent);
  // A control nested in a window-backed control's block of a form lives on it.
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return FLeft; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  int Top() const { return FTop; }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  int Width() const { return FWidth; }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  int Height() const { return FHeight; }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  // The size is kept within the constraints.
  void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);

  TSizeConstraints& Constraints() { return FConstraints; }

  // The parent lays out an aligned control whenever its own size or its
  // aligned controls change.
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);
  // The cursor over the control; crDefault leaves the window's own.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value) { FCursor = value; }

 protected:
  // What a window-backed control does with each change; nothing here.
  virtual void BoundsChanged() {}
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual void CaptionChanged() {}
  virtual void ParentChanged() {}
  // The bounds the window really has, without telling it again.
  void UpdateBoundsFromWindow(int left, int top, int width, int height);
  // The text the window really shows (an edit the user typed in), without telling it again.
  void UpdateCaptionFromWindow(const std::string& text) { FCaption = text; }

 private:
  friend class TSizeConstraints;
  friend class TWinControl;

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  std::string FCaption;
  TAlign FAlign = alNone;
  TCursor FCursor = crDefault;
  TSizeConstraints FConstraints{*this};
};
