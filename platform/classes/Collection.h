#pragma once
// TCollection: an ordered list of items of one class that a form describes
// between < and > (the panels of a status bar). An item that changes tells
// its collection, and the collection tells whoever shows it (Update).
#include <memory>
#include <vector>

#include "platform/classes/Component.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection& collection) : FCollection(collection) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TCollection& Collection() const { return FCollection; }
  int Index() const;
  // Moves the item to `value` (0..Count-1, else EListError), the items
  // between shifting by one; told as a change of all items.
  void SetIndex(int value);
  TPersistent* GetOwner() const override;

 protected:
  // Setters call it after changing what the owner shows; `allItems` when the
  // change touches the other items too.
  void Changed(bool allItems = false);
  // A constructor runs before the item has its place in the collection, so an
  // item that tells others of its arrival does it here, already in place.
  virtual void Inserted() {}
  // The item has left the collection (the later items have moved up) and is
  // about to be freed; `formerIndex` is where it was.
  virtual void Removed(int /*formerIndex*/) {}

 private:
  friend class TCollection;

  TCollection& FCollection;
};

class TCollection : public TPersistent {
 public:
  TCollection() = default;
  explicit TCollection(TPersistent* owner) : FOwner(owner) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TPersistent* GetOwner() const override { return FOwner; }
  // Copies the items of another collection, one item per source item, with
  // one notification at the end.
  void Assign(const TPersistent* source) override;
  // Changes inside an update are told once, as a change of all items, when
  // the outermost update ends.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EListError "List index out of bounds (i)" outside 0..Count-1.
  TCollectionItem& Items(int index) const;
  TCollectionItem& Add();
  // A new item at `index` (0..Count, else EListError), the later items moving down.
  TCollectionItem& Insert(int index);
  // The item leaves the collection before it is freed.
  void Delete(int index);
  // Deletes the items from the last to the first, told as one change.
  void Clear();

 protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() = 0;
  // `item` changed; nullptr when items were added or removed or all changed.
  virtual void Update(TCollectionItem*) {}
  // Tells Update of `item` unless inside an update.
  void Changed(TCollectionItem* item = nullptr);

 private:
  friend class TCollectionItem;

  TPersistent* FOwner = nullptr;
  int FUpdateCount = 0;
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
};

// A collection whose items are all of class T.
template <class T>
class TCollectionOf : public TCollection {
 public:
  using TCollection::TCollection;
  T& Add() { return static_cast<T&>(TCollection::Add()); }
  T& Insert(int index) { return static_cast<T&>(TCollection::Insert(index)); }
  T& Items(int index) const { return static_cast<T&>(TCollection::Items(index)); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<T>(*this); }
};
