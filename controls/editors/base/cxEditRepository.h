#pragma once
// A repository holds named properties objects, repository items, that
// several editors share. An editor that uses an item listens to it: it hears
// of every change of the item's properties and of the item's going.
#include <string>
#include <vector>

#include "controls/editors/base/cxEditProperties.h"
#include "platform/classes/Component.h"

class TcxEditRepository;
class TcxEditRepositoryItem;

class IcxEditRepositoryItemListener {
 public:
  virtual ~IcxEditRepositoryItemListener() = default;
  virtual void ItemRemoved(TcxEditRepositoryItem* sender) = 0;
  virtual void PropertiesChanged(TcxEditRepositoryItem* sender) = 0;
};

class TcxEditRepositoryItem : public TComponent {
 public:
  explicit TcxEditRepositoryItem(TComponent* owner);
  ~TcxEditRepositoryItem() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void AfterConstruction() override;
  // Tells the listeners it goes, last first, and leaves its repository.
  void BeforeDestruction() override;

  TcxCustomEditProperties* Properties() const { return FProperties.get(); }
  void SetProperties(const TcxCustomEditProperties* value) { FProperties->Assign(value); }
  const TNotifyEvent& PropertiesEvents() const { return FPropertiesEvents; }
  void SetPropertiesEvents(TNotifyEvent value) { FPropertiesEvents = std::move(value); }
  TcxEditRepository* Repository() const { return FRepository; }
  void SetRepository(TcxEditRepository* value);

  virtual void AddListener(IcxEditRepositoryItemListener* listener);
  virtual void RemoveListener(IcxEditRepositoryItemListener* listener);
  int ListenerCount() const { return static_cast<int>(FListeners.size()); }
  virtual TClass GetPropertiesClass() const { return TcxCustomEditProperties::StaticClass(); }
  // The repository's name and what the class name says after
  // "TcxEditRepository"; the base class adds nothing.
  virtual std::string GetBaseName() const;

  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return FRepository != nullptr; }
  void SetParentComponent(TComponent* parent) override;

 protected:
  virtual void PropertiesChanged(TObject* sender);

 private:
  friend class TcxEditRepository;
  // Calls `notify` for each listener, last first, over a snapshot: a listener
  // removed meanwhile is skipped, one that removes itself skips no other.
  template <class F>
  void ForEachListener(F notify);

  std::vector<IcxEditRepositoryItemListener*> FListeners;
  TOwned<TcxCustomEditProperties> FProperties;
  TNotifyEvent FPropertiesEvents;
  TcxEditRepository* FRepository = nullptr;
};

using TcxEditRepositoryItemClass = TClass;

class TcxEditRepository : public TComponent {
 public:
  explicit TcxEditRepository(TComponent* owner) : TComponent(owner) {}
  ~TcxEditRepository() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Frees its items, last first.
  void BeforeDestruction() override;

  TcxEditRepositoryItem* CreateItem(TcxEditRepositoryItemClass itemClass);
  TcxEditRepositoryItem* CreateItemEx(TcxEditRepositoryItemClass itemClass, TComponent* owner);
  int Count() const { return static_cast<int>(FItems.size()); }
  TcxEditRepositoryItem* Items(int index) const;

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

 private:
  friend class TcxEditRepositoryItem;
  void AddItem(TcxEditRepositoryItem* item);
  void RemoveItem(TcxEditRepositoryItem* item);

  std::vector<TcxEditRepositoryItem*> FItems;
};
