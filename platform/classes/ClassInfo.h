#pragma once
// Class references and published-property tables. A TClass points to the one
// metaobject of a class: its name, its parent, a factory for components, and
// the published properties, component members and handler methods the form
// reader resolves by name. Each class builds its metaobject once (see
// ClassBuilder.h); the reader, the registry and the tests all read it.
#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/rtl/Variants.h"
// A property table member is called GetObject; windows.h, wherever it comes
// first, would rename it to GetObjectA in some files and not in others.
#undef GetObject

class TObject;
class TPersistent;
class TComponent;
class TCollection;
class TStringList;
class TMetaClass;

using TClass = const TMetaClass*;

// A name for an ordinal value: enumeration members, set members (the value is
// the bit number) and named integers such as colours.
struct TIdentMapEntry {
  int64_t Value;
  const char* Name;
};
using TIdentMap = std::vector<TIdentMapEntry>;

// The ident of `name` (ASCII case ignored); false when the map has none.
bool IdentToInt(const TIdentMap& map, const std::string& name, int64_t& value);

enum class TPropertyKind {
  Integer,  // optionally with named values (Idents), such as colours
  String,
  Boolean,
  Enumeration,  // Idents name every member
  Set,          // Idents name every member; the value is the set's bits
  Strings,      // a string list owned by the object
  Integers,     // a list of integers by index, such as a grid's column widths
  Collection,   // a collection owned by the object
  Object,       // a nested persistent object, reached by a dotted path
  Component,    // a reference to another component of the form
  Event,        // a closure bound to a handler method of the form
  Bitmap,       // the name of a bitmap resource of the executable
  Variant,      // a value of whichever type the form writes: an integer or a string
  Char          // one character, written as a string of one ('#' or #35); its code is its ordinal
};

struct TPropertyInfo {
  std::string Name;
  TPropertyKind Kind = TPropertyKind::Integer;
  const TIdentMap* Idents = nullptr;
  int64_t Default = 0;
  bool HasDefault = false;
  // Component: the class a target must inherit from. Asked for when the form
  // is read, so a class may refer to its own kind.
  TClass (*ReferenceClass)() = nullptr;
  const std::type_info* EventType = nullptr;  // Event: the closure type a handler must have
  std::function<bool(const TPersistent&)> StoredRule;

  // Integer, Boolean, Enumeration, Set, Char
  std::function<int64_t(const TPersistent&)> GetOrdinal;
  std::function<void(TPersistent&, int64_t)> SetOrdinal;
  // String, Bitmap
  std::function<std::string(const TPersistent&)> GetText;
  std::function<void(TPersistent&, const std::string&)> SetText;
  // Integers
  std::function<void(TPersistent&, const std::vector<int>&)> SetIntegers;
  // Variant
  std::function<void(TPersistent&, const Variant&)> SetVariant;
  // Strings, Collection, Object
  std::function<TStringList&(TPersistent&)> GetStrings;
  std::function<TCollection&(TPersistent&)> GetCollection;
  std::function<TPersistent&(TPersistent&)> GetObject;
  // Component
  std::function<TComponent*(const TPersistent&)> GetComponent;
  std::function<void(TPersistent&, TComponent*)> SetComponent;
  // Event: the std::any holds a closure of EventType
  std::function<void(TPersistent&, const std::any&)> SetEvent;

  // Whether a writer would store the value: the stored rule allows it and an
  // ordinal differs from its default.
  bool IsStored(const TPersistent& instance) const;
};

// A typed member of a form that the reader points at the component of that name.
struct TFieldInfo {
  std::string Name;
  TClass (*FieldClass)() = nullptr;
  std::function<void(TPersistent& root, TComponent* component)> Assign;
};

// A handler method of a form, bound by name to event properties.
struct TMethodInfo {
  std::string Name;
  const std::type_info* EventType = nullptr;
  // A closure of EventType that calls the method on `root`.
  std::function<std::any(TPersistent& root)> Bind;
};

class TMetaClass {
 public:
  // Creates an instance owned by `owner`; empty for classes that cannot be created by name.
  using TFactory = TComponent* (*)(TComponent* owner);
  // Creates a persistent that is no component (a settings object) for `owner`.
  using TPersistentFactory = TPersistent* (*)(TPersistent* owner);

  TMetaClass(std::string name, TClass parent, TFactory factory, std::vector<TPropertyInfo> properties,
             std::vector<TFieldInfo> fields, std::vector<TMethodInfo> methods,
             std::vector<TPropertyInfo> definedProperties = {}, TPersistentFactory persistentFactory = nullptr);
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;

  const std::string& ClassName() const { return FName; }
  TClass ClassParent() const { return FParent; }
  bool InheritsFrom(TClass ancestor) const;
  bool CanCreate() const { return FFactory != nullptr; }

  // A new instance owned by `owner` (without an owner the caller owns it),
  // after its AfterConstruction has run. Raises EComponentError for a class
  // that cannot be created; deletes the instance when AfterConstruction raises.
  TComponent* Create(TComponent* owner) const;
  // The same for a persistent made for an owner object; the caller frees it.
  TPersistent* CreatePersistent(TPersistent* owner) const;

  // Lookups by name (ASCII case ignored) in this class and then its ancestors.
  const TPropertyInfo* FindProperty(const std::string& name) const;
  // A value a class keeps in its form beside its published properties, read
  // only through the class's own handler.
  const TPropertyInfo* FindDefinedProperty(const std::string& name) const;
  const TFieldInfo* FindField(const std::string& name) const;
  const TMethodInfo* FindMethod(const std::string& name) const;
  // The component members of this class and its ancestors.
  std::vector<const TFieldInfo*> Fields() const;

 private:
  std::string FName;
  TClass FParent;
  TFactory FFactory;
  TPersistentFactory FPersistentFactory;
  std::vector<TPropertyInfo> FProperties;
  std::vector<TFieldInfo> FFields;
  std::vector<TMethodInfo> FMethods;
  std::vector<TPropertyInfo> FDefinedProperties;
};

// The registry the form reader creates components from. Registering a class
// twice is harmless; another class under a registered name raises EComponentError.
void RegisterClasses(std::initializer_list<TClass> classes);
// The registered class of that name (ASCII case ignored), or nullptr.
TClass GetClass(const std::string& name);
// Takes a class out of the registry; nothing when it is not there.
void UnRegisterClass(TClass cls);

// Class groups tell a designer which classes appear together. The program
// has no designer, so the groups are only recorded: a group starts at a class,
// and other classes join the group of a class already in one.
void StartClassGroup(TClass cls);
void GroupDescendentsWith(TClass cls, TClass groupMember);
// The class a group was started at, for a class in one; nullptr otherwise.
TClass ClassGroupOf(TClass cls);
