#include "platform/controls/Control.h"

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/WinControl.h"

const TIdentMap& CursorIdents() {
  static const TIdentMap idents = {{crDefault, "crDefault"}, {crArrow, "crArrow"},   {crHourGlass, "crHourGlass"},
                                   {crHSplit, "crHSplit"},   {crVSplit, "crVSplit"}, {crHandPoint, "crHandPoint"}};
  return idents;
}

const TIdentMap& AlignIdents() {
  static const TIdentMap idents = {{alNone, "alNone"}, {alTop, "alTop"},     {alBottom, "alBottom"},
                                   {alLeft, "alLeft"}, {alRight, "alRight"}, {alClient, "alClient"}};
  return idents;
}

TClass TSizeConstraints::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TSizeConstraints>("TSizeConstraints", TPersistent::StaticClass())
          .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth)
          .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
          .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
          .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
          .Build();
  return &metaClass;
}

void TSizeConstraints::SetMinWidth(int value) {
  FMinWidth = value;
  Changed();
}

void TSizeConstraints::SetMinHeight(int value) {
  FMinHeight = value;
  Changed();
}

void TSizeConstraints::SetMaxWidth(int value) {
  FMaxWidth = value;
  Changed();
}

void TSizeConstraints::SetMaxHeight(int value) {
  FMaxHeight = value;
  Changed();
}

int TSizeConstraints::Constrain(int size, int minimum, int maximum) {
  if (maximum > 0 && size > maximum) size = maximum;
  if (minimum > 0 && size < minimum) size = minimum;
  return size;
}

void TSizeConstraints::Changed() {
  FControl.SetBounds(FControl.FLeft, FControl.FTop, FControl.FWidth, FControl.FHeight);
}

TClass TControl::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TControl>("TControl", TComponent::StaticClass())
          .Integer("Left", &TControl::Left, &TControl::SetLeft)
          .Integer("Top", &TControl::Top, &TControl::SetTop)
          .Integer("Width", &TControl::Width, &TControl::SetWidth)
          .Integer("Height", &TControl::Height, &TControl::SetHeight)
          .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
          .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
          .Object("Constraints", &TControl::Constraints)
          .Enumeration("Align", &TControl::Align, &TControl::SetAlign, AlignIdents(), alNone)
          .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault, &CursorIdents())
          .Build();
  return &metaClass;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  TWinControl* previous = FParent;
  if (previous) previous->RemoveControl(this);
  FParent = parent;
  if (FParent) FParent->InsertControl(this);
  ParentChanged();
  if (FAlign == alNone) return;
  if (previous) previous->AlignControls();
  if (FParent) FParent->AlignControls();
}

void TControl::SetParentComponent(TComponent* parent) {
  if (parent && parent->InheritsFrom(TWinControl::StaticClass())) SetParent(static_cast<TWinControl*>(parent));
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = FConstraints.ConstrainWidth(width);
  height = FConstraints.ConstrainHeight(height);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  UpdateBoundsFromWindow(left, top, width, height);
  BoundsChanged();
  if (FAlign != alNone && FParent) FParent->AlignControls();
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  if (FParent) FParent->AlignControls();
}

void TControl::UpdateBoundsFromWindow(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  VisibleChanged();
  if (FAlign != alNone && FParent) FParent->AlignControls();
}

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  EnabledChanged();
}

void TControl::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  CaptionChanged();
}
