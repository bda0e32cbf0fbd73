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

void TCollectionItem::Changed() { FCollection.Update(this); }

TClass TCollection::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TCollection>("TCollection", TPersistent::StaticClass()).Build();
  return &metaClass;
}

TCollectionItem& TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return *FItems[index];
}

TCollectionItem& TCollection::Add() {
  TCollectionItem& item = *FItems.emplace_back(NewItem());
  Update(nullptr);
  return item;
}

void TCollection::Delete(int index) {
  Items(index);
  FItems.erase(FItems.begin() + index);
  Update(nullptr);
}

void TCollection::Clear() {
  FItems.clear();
  Update(nullptr);
}
