#include "platform/controls/standard/LabeledEdit.h"

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/WinControl.h"

namespace {

constexpr int kLabelSpacing = 3;

}  // namespace

TClass TBoundLabel::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TBoundLabel>("TBoundLabel", TLabel::StaticClass()).Build();
  return &metaClass;
}

void TBoundLabel::BoundsChanged() {
  TLabel::BoundsChanged();
  if (auto* edit = dynamic_cast<TLabeledEdit*>(Owner())) edit->PlaceLabel();
}

TClass TLabeledEdit::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TLabeledEdit>("TLabeledEdit", TEdit::StaticClass())
                                          .Object("EditLabel", &TLabeledEdit::EditLabel)
                                          .Build();
  return &metaClass;
}

TLabeledEdit::TLabeledEdit(TComponent* owner) : TEdit(owner), FEditLabel(CreateComponent<TBoundLabel>(this)) {
  PlaceLabel();
}

void TLabeledEdit::PlaceLabel() {
  if (!FEditLabel) return;
  FEditLabel->SetBounds(Left(), Top() - FEditLabel->Height() - kLabelSpacing, FEditLabel->Width(),
                        FEditLabel->Height());
}

void TLabeledEdit::WndProc(TMessage& message) {
  TEdit::WndProc(message);
  if (!FEditLabel) return;
  if (message.Msg == CM_VISIBLECHANGED) FEditLabel->SetVisible(Visible());
  if (message.Msg == CM_ENABLEDCHANGED) FEditLabel->SetEnabled(Enabled());
}

void TLabeledEdit::BoundsChanged() {
  TEdit::BoundsChanged();
  PlaceLabel();
}

void TLabeledEdit::ParentChanged() {
  TEdit::ParentChanged();
  if (FEditLabel) FEditLabel->SetParent(Parent());
}

void TLabeledEdit::Notification(TComponent* component, TOperation operation) {
  TEdit::Notification(component, operation);
  if (component == FEditLabel && operation == opRemove) FEditLabel = nullptr;
}
