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
  // Runs in Free while the object is still whole, before any destructor:
  // what must see the full object on its way out (a window's WM_DESTROY
  // handlers, notifications to others) happens here; destructors then only
  // release memory.
  virtual void BeforeDestruction() {}

  // The one way to delete an object of the class library.
  void Free();
};

// Frees an object held by a smart pointer.
struct TObjectDeleter {
  void operator()(TObject* object) const {
    if (object) object->Free();
  }
};
template <class T>
using TOwned = std::unique_ptr<T, TObjectDeleter>;

// The event of most controls: something happened to Sender.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// An object with published properties.
class TPersistent : public TObject {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Copies what `source` holds when this class knows its kind; raises
  // EConvertError "Cannot assign a <source> to a <this>" otherwise.
  virtual void Assign(const TPersistent* source);
  // The object that owns this one in the persistence tree (nullptr at the top).
  virtual TPersistent* GetOwner() const { return nullptr; }
};

// A name that clashes, or an instance of a class that cannot be created.
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

// csDesigning marks a component edited by a designer; the program never sets it
// on its own components, but the control library's design-time links test it.
// csWriting marks a component while a writer streams it.
enum TComponentStateFlag { csLoading, csDestroying, csDesigning, csWriting };
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

// How a text lies across its width: controls of every layer share it.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

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
  TPersistent* GetOwner() const override { return FOwner; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const;
  // The owned component of that name (ASCII case ignored), or nullptr.
  TComponent* FindComponent(const std::string& name) const;

  TComponentState ComponentState() const { return FComponentState; }
  bool Destroying() const { return FComponentState.Contains(csDestroying); }

  // Marks the component as going, tells those that asked for free
  // notifications, and frees the components it owns, newest first.
  void BeforeDestruction() override;

  // Asks for Notification(this, opRemove) on `component` when this one is
  // destroyed (and the other way round), for references across owners.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // The form reader marks a component while it reads its properties, tells
  // it which object block it was nested in, and calls Loaded at the end.
  void BeginLoading() { FComponentState.Include(csLoading); }
  void SetDesigning(bool value) {
    if (value)
      FComponentState.Include(csDesigning);
    else
      FComponentState.Exclude(csDesigning);
  }
  void SetWriting(bool value) {
    if (value)
      FComponentState.Include(csWriting);
    else
      FComponentState.Exclude(csWriting);
  }
  virtual void SetParentComponent(TComponent*) {}
  // The component this one is nested in when streamed (a control's parent);
  // HasParent tells whether it is streamed inside one at all.
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual bool HasParent() const { return false; }
  virtual void Loaded() { FComponentState.Exclude(csLoading); }
  // The components a writer streams nested in this one when `root` is written.
  using TGetChildProc = std::function<void(TComponent* child)>;
  virtual void GetChildren(const TGetChildProc& /*proc*/, TComponent* /*root*/) {}

 protected:
  // Called when `component` is inserted into or removed from this owner, and
  // for free notifications; the base passes removals on to the owned
  // components so each can drop its references. Overrides call the base.
  virtual void Notification(TComponent* component, TOperation operation);
  // Frees the owned components, newest first.
  void DestroyComponents();
  // Marks the component as going, once; true the first time.
  bool MarkDestroying();

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

// The program has no form designer; a design-time link tells this hook that
// it changed a component, and a tool or test may listen.
using TDesignerModifiedHook = std::function<void(TComponent& component)>;
void SetDesignerModifiedHook(TDesignerModifiedHook hook);
void DesignerModified(TComponent& component);

// Creates a T through its class, so its AfterConstruction runs; owned by `owner`.
template <class T>
T* CreateComponent(TComponent* owner) {
  return static_cast<T*>(T::StaticClass()->Create(owner));
}

// A persistent of class `cls`, T or a descendant of it, made for `owner`:
// the class a caller was handed decides what is made.
template <class T>
TOwned<T> CreatePersistentOf(TClass cls, TPersistent* owner) {
  return TOwned<T>(static_cast<T*>(cls->CreatePersistent(owner)));
}

// The same for an instance the caller owns.
template <class T>
TOwned<T> CreateUnowned() {
  return TOwned<T>(CreateComponent<T>(nullptr));
}
