#pragma once
// TLabeledEdit: an edit whose caption is a label just above it. The label
// (EditLabel) belongs to the edit: it lives on the edit's parent, keeps its
// place above the edit when either moves, and shows, hides and greys with
// the edit. A form sets it through dotted paths (EditLabel.Caption).
#include "platform/controls/standard/Edit.h"
#include "platform/controls/drawn/Label.h"

// The label of a labelled edit: whatever bounds it is given, it goes back to
// the place its edit keeps for it.
class TBoundLabel : public TLabel {
 public:
  using TLabel::TLabel;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

 protected:
  void BoundsChanged() override;
};

class TLabeledEdit : public TEdit {
 public:
  explicit TLabeledEdit(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TBoundLabel& EditLabel() { return *FEditLabel; }
  // The label's bottom edge a few pixels above the edit, its left edge on the edit's.
  void PlaceLabel();

 protected:
  void WndProc(TMessage& message) override;
  void BoundsChanged() override;
  void ParentChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TBoundLabel* FEditLabel = nullptr;
};
