#include "platform/classes/FormReader.h"

#include <algorithm>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"

namespace {

// A component reference waits until every component of the form exists.
struct TFixup {
  TPersistent* Instance;
  const TPropertyInfo* Property;
  std::string TargetName;
  int Line;
};

class TFormLoader {
 public:
  TFormLoader(TComponent& root, const std::string& source) : FRoot(root), FSource(source) {}

  void Load(const TFormObject& form) {
    if (!SameText(form.ClassName, FRoot.ClassName()))
      Fail(form.Line, "The form is a " + form.ClassName + ", not a " + FRoot.ClassName());
    FRoot.BeginLoading();
    FRoot.SetName(UniqueRootName(form.Name));
    ReadProperties(FRoot, form.Properties);
    for (const TFormObject& child : form.Children) ReadChild(child, &FRoot);
    ResolveFixups();
    CheckEveryMemberBound(form.Line);
    for (TComponent* component : FLoaded) component->Loaded();
    FRoot.Loaded();
  }

 private:
  [[noreturn]] void Fail(int line, const std::string& message) const { RaiseReadError(FSource, line, message); }

  // A setter that raises (a bad number, a name in use) fails at its line.
  template <class Action>
  void Guarded(int line, Action action) {
    try {
      action();
    } catch (const EReadError&) {
      throw;
    } catch (const Exception& error) {
      Fail(line, error.Message());
    }
  }

  // A second instance of a form under the same owner is named Form_1, then Form_2...
  std::string UniqueRootName(const std::string& name) const {
    std::string candidate = name;
    for (int i = 1; FRoot.Owner() && FRoot.Owner()->FindComponent(candidate); ++i) candidate = name + "_" + IntToStr(i);
    return candidate;
  }

  void ReadChild(const TFormObject& object, TComponent* parent) {
    const TClass cls = GetClass(object.ClassName);
    if (!cls || !cls->CanCreate()) Fail(object.Line, "Unknown class " + object.ClassName);
    TComponent* component = cls->Create(&FRoot);
    component->BeginLoading();
    FLoaded.push_back(component);
    Guarded(object.Line, [&] { component->SetName(object.Name); });
    component->SetParentComponent(parent);
    BindMember(*component, object.Line);
    ReadProperties(*component, object.Properties);
    for (const TFormObject& child : object.Children) ReadChild(child, component);
  }

  void BindMember(TComponent& component, int line) {
    const TFieldInfo* field = FRoot.ClassType()->FindField(component.Name());
    if (!field) return;
    const TClass fieldClass = field->FieldClass();
    if (!component.InheritsFrom(fieldClass))
      Fail(line, component.Name() + " is a " + component.ClassName() + ", not a " + fieldClass->ClassName());
    field->Assign(FRoot, &component);
    FBoundFields.push_back(field);
  }

  void CheckEveryMemberBound(int line) const {
    for (const TFieldInfo* field : FRoot.ClassType()->Fields())
      if (std::find(FBoundFields.begin(), FBoundFields.end(), field) == FBoundFields.end())
        Fail(line, "The form has no component " + field->Name);
  }

  void ReadProperties(TPersistent& instance, const std::vector<TFormProperty>& properties) {
    for (const TFormProperty& property : properties) ReadProperty(instance, property);
  }

  // A dotted path walks through nested objects to the property it names.
  void ReadProperty(TPersistent& instance, const TFormProperty& property) {
    TPersistent* target = &instance;
    size_t start = 0;
    for (size_t dot; (dot = property.Path.find('.', start)) != std::string::npos; start = dot + 1) {
      const TPropertyInfo& info = FindProperty(*target, property.Path.substr(start, dot - start), property.Line);
      if (info.Kind != TPropertyKind::Object) Fail(property.Line, info.Name + " has no properties of its own");
      target = &info.GetObject(*target);
    }
    const TPropertyInfo& info = FindProperty(*target, property.Path.substr(start), property.Line);
    Guarded(property.Line, [&] { SetValue(*target, info, property.Value, property.Line); });
  }

  const TPropertyInfo& FindProperty(const TPersistent& instance, const std::string& name, int line) const {
    const TPropertyInfo* info = instance.ClassType()->FindProperty(name);
    if (!info) info = instance.ClassType()->FindDefinedProperty(name);
    if (!info) Fail(line, "Unknown property " + name + " of " + instance.ClassName());
    return *info;
  }

  void SetValue(TPersistent& instance, const TPropertyInfo& info, const TFormValue& value, int line) {
    using TValueKind = TFormValue::TKind;
    auto require = [&](TValueKind kind) {
      if (value.Kind != kind) Fail(line, "Invalid value for " + info.Name);
    };
    switch (info.Kind) {
      case TPropertyKind::Integer: return info.SetOrdinal(instance, IntegerValue(info, value, line));
      case TPropertyKind::Boolean:
        require(TValueKind::Identifier);
        return info.SetOrdinal(instance, BooleanValue(info, value.Text, line));
      case TPropertyKind::Enumeration:
        require(TValueKind::Identifier);
        return info.SetOrdinal(instance, IdentValue(info, value.Text, line));
      case TPropertyKind::Set: require(TValueKind::Set); return info.SetOrdinal(instance, SetBits(info, value, line));
      case TPropertyKind::String:
      case TPropertyKind::Bitmap: require(TValueKind::String); return info.SetText(instance, value.Text);
      case TPropertyKind::Strings: require(TValueKind::List); return ReadStrings(info.GetStrings(instance), value);
      case TPropertyKind::Integers:
        require(TValueKind::IntegerList);
        return info.SetIntegers(instance, IntegerItems(value));
      case TPropertyKind::Collection:
        require(TValueKind::Collection);
        return ReadCollection(info.GetCollection(instance), value);
      case TPropertyKind::Object: Fail(line, info.Name + " takes no value; set its properties by a dotted path");
      case TPropertyKind::Component:
        require(TValueKind::Identifier);
        FFixups.push_back({&instance, &info, value.Text, line});
        return;
      case TPropertyKind::Event: require(TValueKind::Identifier); return BindHandler(instance, info, value.Text, line);
      case TPropertyKind::Variant: return info.SetVariant(instance, VariantValue(info, value, line));
      case TPropertyKind::Char:
        require(TValueKind::String);
        if (value.Text.size() != 1) Fail(line, "Invalid value for " + info.Name);
        return info.SetOrdinal(instance, static_cast<unsigned char>(value.Text[0]));
    }
  }

  int64_t IntegerValue(const TPropertyInfo& info, const TFormValue& value, int line) const {
    if (value.Kind == TFormValue::TKind::Integer) return StrToInt(value.Text);
    if (value.Kind != TFormValue::TKind::Identifier || !info.Idents) Fail(line, "Invalid value for " + info.Name);
    return IdentValue(info, value.Text, line);
  }

  Variant VariantValue(const TPropertyInfo& info, const TFormValue& value, int line) const {
    if (value.Kind == TFormValue::TKind::Integer) return Variant(StrToInt(value.Text));
    if (value.Kind == TFormValue::TKind::String) return Variant(value.Text);
    Fail(line, "Invalid value for " + info.Name);
  }

  int64_t BooleanValue(const TPropertyInfo& info, const std::string& text, int line) const {
    if (SameText(text, "True")) return 1;
    if (SameText(text, "False")) return 0;
    Fail(line, "Invalid value " + text + " for " + info.Name);
  }

  int64_t IdentValue(const TPropertyInfo& info, const std::string& text, int line) const {
    int64_t ordinal = 0;
    if (!IdentToInt(*info.Idents, text, ordinal)) Fail(line, "Invalid value " + text + " for " + info.Name);
    return ordinal;
  }

  int64_t SetBits(const TPropertyInfo& info, const TFormValue& value, int line) const {
    int64_t bits = 0;
    for (const std::string& member : value.Items) bits |= int64_t{1} << IdentValue(info, member, line);
    return bits;
  }

  static std::vector<int> IntegerItems(const TFormValue& value) {
    std::vector<int> items;
    for (const std::string& text : value.Items) items.push_back(StrToInt(text));
    return items;
  }

  static void ReadStrings(TStringList& list, const TFormValue& value) {
    list.Clear();
    for (const std::string& text : value.Items) list.Add(text);
  }

  void ReadCollection(TCollection& collection, const TFormValue& value) {
    collection.Clear();
    for (const std::vector<TFormProperty>& item : value.CollectionItems) ReadProperties(collection.Add(), item);
  }

  void BindHandler(TPersistent& instance, const TPropertyInfo& info, const std::string& name, int line) {
    const TMethodInfo* method = FRoot.ClassType()->FindMethod(name);
    if (!method) Fail(line, "Unknown handler " + name + " of " + FRoot.ClassName());
    if (*method->EventType != *info.EventType) Fail(line, "Handler " + name + " does not fit " + info.Name);
    info.SetEvent(instance, method->Bind(FRoot));
  }

  void ResolveFixups() {
    for (const TFixup& fixup : FFixups) {
      TComponent* target = SameText(fixup.TargetName, FRoot.Name()) ? &FRoot : FRoot.FindComponent(fixup.TargetName);
      if (!target) Fail(fixup.Line, "Unknown component " + fixup.TargetName);
      const TClass referenceClass = fixup.Property->ReferenceClass();
      if (!target->InheritsFrom(referenceClass))
        Fail(fixup.Line, fixup.TargetName + " is a " + target->ClassName() + ", not a " + referenceClass->ClassName());
      Guarded(fixup.Line, [&] { fixup.Property->SetComponent(*fixup.Instance, target); });
    }
  }

  TComponent& FRoot;
  const std::string& FSource;
  std::vector<TFixup> FFixups;
  std::vector<TComponent*> FLoaded;
  std::vector<const TFieldInfo*> FBoundFields;
};

}  // namespace

void ReadComponentResource(TComponent& root, const std::string& text, const std::string& source) {
  TFormLoader(root, source).Load(ParseForm(text, source));
}
