#include "controls/editors/check/cxCheckComboBoxItems.h"

#include <atomic>

#include "platform/classes/ClassBuilder.h"

namespace {

uint64_t NextItemSerial() {
  static std::atomic<uint64_t> last{0};
  return ++last;
}

}  // namespace

// ---- TcxCheckComboBoxItem

TcxCheckComboBoxItem::TcxCheckComboBoxItem(TCollection& collection)
    : TcxButtonGroupItem(collection), FSerial(NextItemSerial()) {}

TClass TcxCheckComboBoxItem::StaticClass() {
  using I = TcxCheckComboBoxItem;
  static const TMetaClass metaClass = TClassBuilder<I>("TcxCheckComboBoxItem", TcxButtonGroupItem::StaticClass())
                                          .String("Description", &I::Description, &I::SetDescription)
                                          .Boolean("Enabled", &I::Enabled, &I::SetEnabled, true)
                                          .String("ShortDescription", &I::ShortDescription, &I::SetShortDescription)
                                          .Integer("Tag", &I::Tag, &I::SetTag, 0)
                                          .Stored(&I::IsTagStored)
                                          .Build();
  return &metaClass;
}

void TcxCheckComboBoxItem::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TcxCheckComboBoxItem*>(source))
    SetShortDescription(other->FShortDescription);
  TcxButtonGroupItem::Assign(source);
}

void TcxCheckComboBoxItem::SetShortDescription(const std::string& value) {
  if (FShortDescription == value) return;
  FShortDescription = value;
  Changed();
}

const std::string& TcxCheckComboBoxItem::DisplayDescription() const {
  return FShortDescription.empty() ? Description() : FShortDescription;
}

// ---- TcxCheckComboBoxItems

TClass TcxCheckComboBoxItems::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCheckComboBoxItems>("TcxCheckComboBoxItems", TcxButtonGroupItems::StaticClass()).Build();
  return &metaClass;
}
