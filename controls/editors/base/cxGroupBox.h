#pragma once
// The items of a button group: a caption, whether the item can be used and a
// tag left to the program. The collection belongs to an editor's properties,
// and every arrival, departure and change of an item is told to them with the
// item's index and what happened, so that what the editor keeps per item (the
// check states of a check-list) can follow the items.
#include <cstdint>
#include <string>

#include "controls/editors/check/cxCheckBoxStates.h"
#include "controls/editors/base/cxEditProperties.h"
#include "platform/classes/Collection.h"

// What happened to the item at ChangedIndex.
enum TcxButtonGroupItemsChange : uint8_t { bgicAdded = 0, bgicDeleted = 1, bgicChanged = 2 };

class TcxButtonGroupItems;

// Descendants publish the properties under their own names.
class TcxButtonGroupItem : public TCollectionItem {
 public:
  explicit TcxButtonGroupItem(TCollection& collection) : TCollectionItem(collection) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int Tag() const { return FTag; }
  void SetTag(int value) { FTag = value; }
  bool IsTagStored() const { return FTag != 0; }

 protected:
  void Inserted() override;
  void Removed(int formerIndex) override;

 private:
  void Report(TcxButtonGroupItemsChange change, int index);

  std::string FCaption;
  bool FEnabled = true;
  int FTag = 0;
};

class TcxButtonGroupItems : public TCollectionOf<TcxButtonGroupItem>, public IcxCheckItems {
 public:
  explicit TcxButtonGroupItems(TcxCustomEditProperties* owner)
      : TCollectionOf<TcxButtonGroupItem>(owner), FProperties(owner) {}
  // The items go while the collection is still whole, told to no one.
  ~TcxButtonGroupItems() override;
  TcxButtonGroupItems(const TcxButtonGroupItems&) = delete;
  TcxButtonGroupItems& operator=(const TcxButtonGroupItems&) = delete;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Read by the properties' owner while the change is being told.
  int ChangedIndex() const { return FChangedIndex; }
  TcxButtonGroupItemsChange ChangeType() const { return FChangeType; }
  bool InChange() const { return FInChange; }
  bool Destroying() const { return FDestroying; }

  std::string GetCaption(int index) const override { return Items(index).Caption(); }
  int GetCount() const override { return Count(); }

 protected:
  void Update(TCollectionItem*) override;

 private:
  friend class TcxButtonGroupItem;
  // Nothing is told while the properties hold their changes back or while
  // the collection goes.
  void ItemChanged(TcxButtonGroupItemsChange change, int index);

  TcxCustomEditProperties* FProperties;
  int FChangedIndex = -1;
  TcxButtonGroupItemsChange FChangeType = bgicAdded;
  bool FInChange = false;
  bool FDestroying = false;
};
