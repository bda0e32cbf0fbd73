#pragma once
// The lowest unit of the control library: persistent and component bases,
// an owning object list, the class registries, weak object links cleared when
// their object dies, and small routines every other unit needs.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/StringList.h"

// The three states of a check box: the painters draw them and the check
// editors keep them, the latter also where there are no windows.
enum TcxCheckBoxState : uint8_t { cbsUnchecked = 0, cbsChecked = 1, cbsGrayed = 2 };

// A persistent object that knows the object owning it.
class TcxInterfacedPersistent : public TPersistent {
 public:
  explicit TcxInterfacedPersistent(TPersistent* owner) : FOwner(owner) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
};

// A component with three link slots a designer shows as links to the
// components that belong to it; descendants say which in GetFakeComponentLinks.
class TcxComponent : public TComponent {
 public:
  static constexpr int kFakeComponentLinkCount = 3;

  explicit TcxComponent(TComponent* owner) : TComponent(owner) {}
  ~TcxComponent() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Loaded() override;

  TComponent* FakeComponentLink(int index) const { return FFakeComponentLinks.at(static_cast<size_t>(index)); }
  void SetFakeComponentLink(int index, TComponent* value) {
    FFakeComponentLinks.at(static_cast<size_t>(index)) = value;
  }

 protected:
  virtual void GetFakeComponentLinks(std::vector<TComponent*>& /*list*/) {}
  // Fills the slots from GetFakeComponentLinks, while designed only.
  void UpdateFakeLinks();

 private:
  TComponent* FakeComponentLink1() const { return FakeComponentLink(0); }
  TComponent* FakeComponentLink2() const { return FakeComponentLink(1); }
  TComponent* FakeComponentLink3() const { return FakeComponentLink(2); }
  void SetFakeComponentLink1(TComponent* value) { SetFakeComponentLink(0, value); }
  void SetFakeComponentLink2(TComponent* value) { SetFakeComponentLink(1, value); }
  void SetFakeComponentLink3(TComponent* value) { SetFakeComponentLink(2, value); }

  std::array<TComponent*, kFakeComponentLinkCount> FFakeComponentLinks{};
};

// A list that owns its objects: clearing it frees them in index order.
class TcxObjectList {
 public:
  TcxObjectList() = default;
  ~TcxObjectList() { Clear(); }
  TcxObjectList(const TcxObjectList&) = delete;
  TcxObjectList& operator=(const TcxObjectList&) = delete;

  int Add(TObject* item);
  int Count() const { return static_cast<int>(FItems.size()); }
  TObject* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
  void Clear();

 private:
  std::vector<TObject*> FItems;
};

struct TcxRegisteredClassListItemData {
  TClass ItemClass;
  TClass RegisteredClass;
};

// Classes registered for item classes, kept so that each item class comes
// after its ancestors and before its descendants.
class TcxRegisteredClassList {
 public:
  virtual ~TcxRegisteredClassList() = default;

  // Scanning from the last entry: true with the index of the first entry
  // (from the end) for `itemClass` or an ancestor; false with the index of
  // the earliest descendant entry met, or -1.
  virtual bool Find(TClass itemClass, int& index) const;
  virtual void Register(TClass itemClass, TClass registeredClass);
  // Removes every entry of exactly that pair.
  virtual void Unregister(TClass itemClass, TClass registeredClass);

  int Count() const { return static_cast<int>(FItems.size()); }
  const TcxRegisteredClassListItemData& Items(int index) const { return FItems.at(static_cast<size_t>(index)); }

 private:
  std::vector<TcxRegisteredClassListItemData> FItems;
};

// Classes with descriptions ("Name|hint"), optionally sorted by the name part
// and registered for streaming as well.
class TcxRegisteredClasses {
 public:
  explicit TcxRegisteredClasses(bool registerClasses = false) : FRegisterClasses(registerClasses) {}
  virtual ~TcxRegisteredClasses() = default;

  // A class already present keeps its first description.
  void Register(TClass cls, const std::string& description);
  void Unregister(TClass cls);

  int Count() const { return FItems.Count(); }
  TClass Classes(int index) const { return reinterpret_cast<TClass>(FItems.Tags(index)); }
  const std::string& Descriptions(int index) const { return FItems.Strings(index); }
  int IndexOf(TClass cls) const;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);

 protected:
  // The names of two entries compared in the user's locale, case ignored: -1, 0 or 1.
  virtual int CompareItems(int index1, int index2) const;
  virtual void Sort();

 private:
  TStringList FItems;
  bool FRegisterClasses;
  bool FSorted = false;
};

// A weak reference: Ref reads nullptr once its object is gone.
struct TcxObjectLink {
  TObject* Ref = nullptr;
};

// nullptr for nullptr; the holder gives the link back with RemoveObjectLink.
TcxObjectLink* AddObjectLink(TObject* object);
void RemoveObjectLink(TcxObjectLink* link);
// Called by an object on its way out: its links read nullptr from then on.
void ClearObjectLinks(TObject* object);
// How many links are held (the controller of links lives while any is).
int ObjectLinkCount();

using TcxFreeNotificationEvent = std::function<void(TObject* Sender, TComponent* AComponent)>;

// Tells its event when a component it watches is freed.
class TcxFreeNotificator : public TComponent {
 public:
  using TComponent::TComponent;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void SetOnFreeNotification(TcxFreeNotificationEvent handler) { FOnFreeNotification = std::move(handler); }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TcxFreeNotificationEvent FOnFreeNotification;
};

enum TcxDirection : uint8_t { dirNone, dirLeft, dirRight, dirUp, dirDown };

// The part before the first "|" of a "Name|hint" description.
std::string GetShortDescription(const std::string& description);
std::string GetLocaleInfoString(unsigned long locale, unsigned long item, const std::string& defaultValue);
// The character at a 1-based byte position, and its length in bytes in the ANSI code page.
const char* CharPointerAt(const std::string& text, int position);
int GetCharByteLength(const std::string& text, int position);
TPersistent* GetPersistentOwner(const TPersistent* persistent);
// The midpoint of two coordinates, rounded towards minus infinity.
int GetRangeCenter(int a, int b);
void AddFreeNotification(TComponent* receiver, TComponent* component);
void RemoveFreeNotification(TComponent* receiver, TComponent* component);

// The text of one of the library's resource strings, read at each use so a
// changed string table shows at once.
std::string cxGetResourceString(const TResStringRec& resource);

void cxClassesInitialize();
void cxClassesFinalize();
