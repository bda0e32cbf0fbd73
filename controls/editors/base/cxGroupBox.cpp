#include "controls/editors/base/cxGroupBox.h"

#include "platform/classes/ClassBuilder.h"

TClass TcxButtonGroupItem::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxButtonGroupItem>("TcxButtonGroupItem", TCollectionItem::StaticClass()).Build();
  return &metaClass;
}

void TcxButtonGroupItem::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxButtonGroupItem*>(source);
  if (!other) {
    TCollectionItem::Assign(source);
    return;
  }
  SetCaption(other->FCaption);
  SetEnabled(other->FEnabled);
  SetTag(other->FTag);
}

void TcxButtonGroupItem::SetCaption(const std::string& value) {
  if (FCaption == value) return;
  FCaption = value;
  Report(bgicChanged, Index());
}

void TcxButtonGroupItem::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  Report(bgicChanged, Index());
}

void TcxButtonGroupItem::Inserted() { Report(bgicAdded, Index()); }

void TcxButtonGroupItem::Removed(int formerIndex) { Report(bgicDeleted, formerIndex); }

void TcxButtonGroupItem::Report(TcxButtonGroupItemsChange change, int index) {
  if (auto* items = dynamic_cast<TcxButtonGroupItems*>(&Collection())) items->ItemChanged(change, index);
}

TcxButtonGroupItems::~TcxButtonGroupItems() {
  FDestroying = true;
  BeginUpdate();
  Clear();
}

TClass TcxButtonGroupItems::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxButtonGroupItems>("TcxButtonGroupItems", TCollection::StaticClass()).Build();
  return &metaClass;
}

void TcxButtonGroupItems::Update(TCollectionItem*) {
  if (FProperties) FProperties->Changed();
}

void TcxButtonGroupItems::ItemChanged(TcxButtonGroupItemsChange change, int index) {
  if (!FProperties || FProperties->ChangedLocked() || FDestroying) return;
  FChangedIndex = index;
  FChangeType = change;
  FInChange = true;
  try {
    FProperties->Changed();
  } catch (...) {
    FInChange = false;
    throw;
  }
  FInChange = false;
}
