#include "platform/classes/ClassInfo.h"

#include <memory>

#include "platform/classes/Component.h"
#include "platform/rtl/SysUtils.h"

namespace {

template <class Info>
const Info* FindByName(const std::vector<Info>& infos, const std::string& name) {
  for (const Info& info : infos)
    if (SameText(info.Name, name)) return &info;
  return nullptr;
}

std::vector<TClass>& RegisteredClasses() {
  static std::vector<TClass> classes;
  return classes;
}

}  // namespace

bool IdentToInt(const TIdentMap& map, const std::string& name, int64_t& value) {
  for (const TIdentMapEntry& entry : map) {
    if (SameText(entry.Name, name)) {
      value = entry.Value;
      return true;
    }
  }
  return false;
}

bool TPropertyInfo::IsStored(const TPersistent& instance) const {
  if (StoredRule && !StoredRule(instance)) return false;
  return !(HasDefault && GetOrdinal && GetOrdinal(instance) == Default);
}

TMetaClass::TMetaClass(std::string name, TClass parent, TFactory factory, std::vector<TPropertyInfo> properties,
                       std::vector<TFieldInfo> fields, std::vector<TMethodInfo> methods,
                       std::vector<TPropertyInfo> definedProperties, TPersistentFactory persistentFactory)
    : FName(std::move(name)),
      FParent(parent),
      FFactory(factory),
      FPersistentFactory(persistentFactory),
      FProperties(std::move(properties)),
      FFields(std::move(fields)),
      FMethods(std::move(methods)),
      FDefinedProperties(std::move(definedProperties)) {}

bool TMetaClass::InheritsFrom(TClass ancestor) const {
  for (TClass cls = this; cls; cls = cls->FParent)
    if (cls == ancestor) return true;
  return false;
}

TComponent* TMetaClass::Create(TComponent* owner) const {
  if (!FFactory) throw EComponentError("Cannot create an instance of " + FName);
  TOwned<TComponent> instance(FFactory(owner));
  instance->AfterConstruction();
  return instance.release();
}

TPersistent* TMetaClass::CreatePersistent(TPersistent* owner) const {
  if (!FPersistentFactory) throw EComponentError("Cannot create an instance of " + FName);
  TOwned<TPersistent> instance(FPersistentFactory(owner));
  instance->AfterConstruction();
  return instance.release();
}

const TPropertyInfo* TMetaClass::FindProperty(const std::string& name) const {
  for (TClass cls = this; cls; cls = cls->FParent)
    if (const TPropertyInfo* info = FindByName(cls->FProperties, name)) return info;
  return nullptr;
}

const TPropertyInfo* TMetaClass::FindDefinedProperty(const std::string& name) const {
  for (TClass cls = this; cls; cls = cls->FParent)
    if (const TPropertyInfo* info = FindByName(cls->FDefinedProperties, name)) return info;
  return nullptr;
}

const TFieldInfo* TMetaClass::FindField(const std::string& name) const {
  for (TClass cls = this; cls; cls = cls->FParent)
    if (const TFieldInfo* info = FindByName(cls->FFields, name)) return info;
  return nullptr;
}

const TMethodInfo* TMetaClass::FindMethod(const std::string& name) const {
  for (TClass cls = this; cls; cls = cls->FParent)
    if (const TMethodInfo* info = FindByName(cls->FMethods, name)) return info;
  return nullptr;
}

std::vector<const TFieldInfo*> TMetaClass::Fields() const {
  std::vector<const TFieldInfo*> fields;
  for (TClass cls = this; cls; cls = cls->FParent)
    for (const TFieldInfo& field : cls->FFields) fields.push_back(&field);
  return fields;
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass cls : classes) {
    const TClass registered = GetClass(cls->ClassName());
    if (registered == cls) continue;
    if (registered) throw EComponentError("A class named " + cls->ClassName() + " already exists");
    RegisteredClasses().push_back(cls);
  }
}

TClass GetClass(const std::string& name) {
  for (TClass cls : RegisteredClasses())
    if (SameText(cls->ClassName(), name)) return cls;
  return nullptr;
}

void UnRegisterClass(TClass cls) { std::erase(RegisteredClasses(), cls); }

namespace {

struct TClassGroupMember {
  TClass Class;
  TClass Group;
};

std::vector<TClassGroupMember>& ClassGroupMembers() {
  static std::vector<TClassGroupMember> members;
  return members;
}

}  // namespace

void StartClassGroup(TClass cls) {
  if (!ClassGroupOf(cls)) ClassGroupMembers().push_back({cls, cls});
}

void GroupDescendentsWith(TClass cls, TClass groupMember) {
  const TClass group = ClassGroupOf(groupMember);
  if (!group) return;
  std::erase_if(ClassGroupMembers(), [cls](const TClassGroupMember& member) { return member.Class == cls; });
  ClassGroupMembers().push_back({cls, group});
}

TClass ClassGroupOf(TClass cls) {
  for (const TClassGroupMember& member : ClassGroupMembers())
    if (member.Class == cls) return member.Group;
  return nullptr;
}
