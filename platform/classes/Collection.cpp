#include "platform/classes/Collection.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"

TClass TCollectionItem::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TCollectionItem>("TCollectionItem", TPersistent::StaticClass()).Build();
  return &metaClass;
}

int TCollectionItem::Index() const {
  const auto& items = FCollection.FItems;
  const auto it = std::find_if(items.begin(), items.end(), [this](const auto& item) { return item.get() == this; });
  return static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int value) {
  auto& items = FCollection.FItems;
  const int current = Index();
  if (value == current) return;
  FCollection.Items(value);
  std::unique_ptr<TCollectionItem> self = std::move(items[current]);
  items.erase(items.begin() + current);
  items.insert(items.begin() + value, std::move(self));
  Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const { return &FCollection; }

void TCollectionItem::Changed(bool allItems) { FCollection.Changed(allItems ? nullptr : this); }

TClass TCollection::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TCollection>("TCollection", TPersistent::StaticClass()).Build();
  return &metaClass;
}

void TCollection::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TCollection*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  BeginUpdate();
  try {
    Clear();
    for (const auto& item : other->FItems) Add().Assign(item.get());
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Changed(TCollectionItem* item) {
  if (FUpdateCount == 0) Update(item);
}

TCollectionItem& TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return *FItems[index];
}

TCollectionItem& TCollection::Add() {
  TCollectionItem& item = *FItems.emplace_back(NewItem());
  item.Inserted();
  Changed();
  return item;
}

TCollectionItem& TCollection::Insert(int index) {
  if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  TCollectionItem& item = **FItems.insert(FItems.begin() + index, NewItem());
  item.Inserted();
  Changed();
  return item;
}

void TCollection::Delete(int index) {
  Items(index);
  const std::unique_ptr<TCollectionItem> item = std::move(FItems[index]);
  FItems.erase(FItems.begin() + index);
  item->Removed(index);
  Changed();
}

void TCollection::Clear() {
  BeginUpdate();
  try {
    while (!FItems.empty()) Delete(Count() - 1);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}
