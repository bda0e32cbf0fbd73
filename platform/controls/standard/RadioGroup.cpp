#include "platform/controls/standard/RadioGroup.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/standard/RadioButton.h"

namespace {

// The buttons sit below the caption and inside the frame.
constexpr int kCaptionHeight = 16;
constexpr int kMargin = 8;

}  // namespace

TClass TRadioGroup::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TRadioGroup>("TRadioGroup", TGroupBox::StaticClass())
                                          .Strings("Items", &TRadioGroup::Items)
                                          .Integer("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex, -1)
                                          .Integer("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns, 1)
                                          .Event("OnClick", &TRadioGroup::SetOnClick)
                                          .Build();
  return &metaClass;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner) {
  FItems.SetOnChange([this] { ItemsChanged(); });
}

void TRadioGroup::SetItemIndex(int value) {
  // The lines may not be read yet: the index is checked once they are.
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = value;
    return;
  }
  const int index = ValidIndex(value);
  if (index == FItemIndex) return;
  FItemIndex = index;
  CheckButtons();
  Click();
}

void TRadioGroup::SetColumns(int value) {
  FColumns = std::max(1, value);
  ArrangeButtons();
}

void TRadioGroup::Loaded() {
  TGroupBox::Loaded();
  FItemIndex = ValidIndex(FItemIndex);
  CheckButtons();
}

void TRadioGroup::ItemsChanged() {
  RebuildButtons();
  SetItemIndex(FItemIndex);
}

void TRadioGroup::RebuildButtons() {
  for (TRadioButton* button : FButtons) button->Free();
  FButtons.clear();
  for (int i = 0; i < FItems.Count(); ++i) {
    auto* button = CreateComponent<TRadioButton>(this);
    button->SetCaption(FItems[i]);
    button->SetEnabled(Enabled());
    button->SetOnClick([this, i](TObject*) { SetItemIndex(i); });
    button->SetParent(this);
    FButtons.push_back(button);
  }
  ArrangeButtons();
  CheckButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  const int count = static_cast<int>(FButtons.size());
  const int rows = (count + FColumns - 1) / FColumns;
  const int columnWidth = std::max(0, Width() - 2 * kMargin) / FColumns;
  const int rowHeight = std::max(0, Height() - kCaptionHeight - kMargin / 2) / rows;
  for (int i = 0; i < count; ++i)
    FButtons[i]->SetBounds(kMargin + i / rows * columnWidth, kCaptionHeight + i % rows * rowHeight, columnWidth,
                           rowHeight);
}

void TRadioGroup::CheckButtons() {
  for (int i = 0; i < static_cast<int>(FButtons.size()); ++i) FButtons[i]->SetChecked(i == FItemIndex);
}

void TRadioGroup::WndProc(TMessage& message) {
  if (message.Msg == CM_ENABLEDCHANGED)
    for (TRadioButton* button : FButtons) button->SetEnabled(Enabled());
  TGroupBox::WndProc(message);
}
