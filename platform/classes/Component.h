#pragma once
// The roots of the class library. TComponent adds a name, an owner that
// deletes the components it owns (newest first), and notifications that tell
// other components when one is going away, so no reference is left dangling.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/ClassInfo.h"
#include "platform/classes/Sets.h"
#include "platform/rtl/Exceptions.h"

class TObject {
 public:
  virtual ~TObject() = default;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  const std::string& ClassName() const;
  bool InheritsFrom(TClass ancestor) const;

  // Runs once the whole constructor chain has: a form reads its resource here,
  // when every member of the derived class exists.
  virtual void AfterConstruction() {}
};

// The event of most controls: something happened to Sender.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// An object with published properties.
class TPersistent : public TObject {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};

// A name that clashes, or an instance of a class that cannot be created.
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

enum TComponentStateFlag { csLoading };
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Name() const { return FName; }
  // Raises EComponentError when another component of the same owner has the name.
  void SetName(const std::string& name);
  TComponent* Owner() const { return FOwner; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const;
  // The owned component of that name (ASCII case ignored), or nullptr.
  TComponent* FindComponent(const std::string& name) const;

  TComponentState ComponentState() const { return FComponentState; }

  // Asks for Notification(this, opRemove) on `component` when this one is
  // destroyed (and the other way round), for references across owners.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // The form reader marks a component while it reads its properties, tells
  // it which object block it was nested in, and calls Loaded at the end.
  void BeginLoading() { FComponentState.Include(csLoading); }
  virtual void SetParentComponent(TComponent*) {}
  virtual void Loaded() { FComponentState.Exclude(csLoading); }

 protected:
  // Called when `component` is inserted into or removed from this owner, and
  // for free notifications; the base passes removals on to the owned
  // components so each can drop its references. Overrides call the base.
  virtual void Notification(TComponent* component, TOperation operation);
  // Deletes the owned components, newest first. A derived destructor calls it
  // while the derived object is still whole.
  void DestroyComponents();

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void NotifyFreeSubscribers();

  std::string FName;
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
};

// Creates a T through its class, so its AfterConstruction runs; owned by `owner`.
template <class T>
T* CreateComponent(TComponent* owner) {
  return static_cast<T*>(T::StaticClass()->Create(owner));
}

// The same for an instance the caller owns.
template <class T>
std::unique_ptr<T> CreateUnowned() {
  return std::unique_ptr<T>(CreateComponent<T>(nullptr));
}
