#pragma once
// TClassBuilder<T>: how a class builds its metaobject, once, in its
// StaticClass(). Getters and setters are the class's own member functions;
// the builder wraps them so the form reader can call them by name:
//
//   TClass TStatusPanel::StaticClass() {
//     static const TMetaClass metaClass =
//         TClassBuilder<TStatusPanel>("TStatusPanel", TCollectionItem::StaticClass())
//             .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
//             .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth, 50)
//             .Build();
//     return &metaClass;
//   }
#include <any>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/classes/ClassInfo.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Sets.h"
#include "platform/rtl/StringList.h"

namespace class_builder_detail {

template <class C, class A>
A SetterArgumentOf(void (C::*)(A));

// The value type a setter takes: int for SetWidth(int), TNotifyEvent for SetOnClick(TNotifyEvent)...
template <class S>
using TSetterArgument = std::remove_cvref_t<decltype(SetterArgumentOf(std::declval<S>()))>;

}  // namespace class_builder_detail

template <class T>
class TClassBuilder {
 public:
  TClassBuilder(std::string name, TClass parent) : FName(std::move(name)), FParent(parent) {}

  // An integer; `idents` names values the form may use instead of numbers.
  template <class G, class S>
  TClassBuilder& Integer(std::string name, G get, S set, int64_t defaultValue = 0, const TIdentMap* idents = nullptr) {
    using TValue = class_builder_detail::TSetterArgument<S>;
    TPropertyInfo& info = AddOrdinal<TValue>(std::move(name), TPropertyKind::Integer, get, set, defaultValue);
    info.Idents = idents;
    return *this;
  }

  template <class G, class S>
  TClassBuilder& Boolean(std::string name, G get, S set, bool defaultValue) {
    AddOrdinal<bool>(std::move(name), TPropertyKind::Boolean, get, set, defaultValue);
    return *this;
  }

  template <class G, class S, class E>
  TClassBuilder& Enumeration(std::string name, G get, S set, const TIdentMap& members, E defaultValue) {
    AddOrdinal<E>(std::move(name), TPropertyKind::Enumeration, get, set, static_cast<int64_t>(defaultValue)).Idents =
        &members;
    return *this;
  }

  template <class G, class S, class E>
  TClassBuilder& Set(std::string name, G get, S set, const TIdentMap& members, TSet<E> defaultValue) {
    TPropertyInfo& info = Add(std::move(name), TPropertyKind::Set);
    info.Idents = &members;
    info.Default = defaultValue.Bits();
    info.HasDefault = true;
    info.GetOrdinal = [get](const TPersistent& instance) { return int64_t{std::invoke(get, Self(instance)).Bits()}; };
    info.SetOrdinal = [set](TPersistent& instance, int64_t bits) {
      std::invoke(set, Self(instance), TSet<E>::FromBits(static_cast<uint32_t>(bits)));
    };
    return *this;
  }

  // A character; its code (0 to 255) is the ordinal a writer compares with the default.
  template <class G, class S>
  TClassBuilder& Char(std::string name, G get, S set, char defaultValue) {
    TPropertyInfo& info = Add(std::move(name), TPropertyKind::Char);
    info.Default = static_cast<unsigned char>(defaultValue);
    info.HasDefault = true;
    info.GetOrdinal = [get](const TPersistent& instance) {
      return int64_t{static_cast<unsigned char>(std::invoke(get, Self(instance)))};
    };
    info.SetOrdinal = [set](TPersistent& instance, int64_t code) {
      std::invoke(set, Self(instance), static_cast<char>(code));
    };
    return *this;
  }

  template <class G, class S>
  TClassBuilder& String(std::string name, G get, S set) {
    AddText(std::move(name), TPropertyKind::String, get, set);
    return *this;
  }

  // The setter receives the resource name and loads the bitmap.
  template <class G, class S>
  TClassBuilder& Bitmap(std::string name, G get, S set) {
    AddText(std::move(name), TPropertyKind::Bitmap, get, set);
    return *this;
  }

  // A Variant that a form writes as an integer or a string; the getter is the class's own.
  template <class S>
  TClassBuilder& VariantValue(std::string name, S set) {
    TPropertyInfo& info = Add(std::move(name), TPropertyKind::Variant);
    info.SetVariant = [set](TPersistent& instance, const Variant& value) { std::invoke(set, Self(instance), value); };
    return *this;
  }

  template <class G>
  TClassBuilder& Strings(std::string name, G get) {
    Add(std::move(name), TPropertyKind::Strings).GetStrings = [get](TPersistent& instance) -> TStringList& {
      return std::invoke(get, Self(instance));
    };
    return *this;
  }

  // The setter receives the whole list, item i for index i.
  template <class S>
  TClassBuilder& Integers(std::string name, S set) {
    Add(std::move(name), TPropertyKind::Integers).SetIntegers =
        [set](TPersistent& instance, const std::vector<int>& values) { std::invoke(set, Self(instance), values); };
    return *this;
  }

  template <class G>
  TClassBuilder& Collection(std::string name, G get) {
    Add(std::move(name), TPropertyKind::Collection).GetCollection = [get](TPersistent& instance) -> TCollection& {
      return std::invoke(get, Self(instance));
    };
    return *this;
  }

  // A nested object whose own properties the form sets through dotted paths.
  template <class G>
  TClassBuilder& Object(std::string name, G get) {
    Add(std::move(name), TPropertyKind::Object).GetObject = [get](TPersistent& instance) -> TPersistent& {
      return std::invoke(get, Self(instance));
    };
    return *this;
  }

  // A reference to a component of the class the setter takes.
  template <class G, class S>
  TClassBuilder& Component(std::string name, G get, S set) {
    using TTarget = std::remove_pointer_t<class_builder_detail::TSetterArgument<S>>;
    TPropertyInfo& info = Add(std::move(name), TPropertyKind::Component);
    info.ReferenceClass = &TTarget::StaticClass;
    info.GetComponent = [get](const TPersistent& instance) -> TComponent* { return std::invoke(get, Self(instance)); };
    info.SetComponent = [set](TPersistent& instance, TComponent* target) {
      std::invoke(set, Self(instance), static_cast<TTarget*>(target));
    };
    return *this;
  }

  template <class S>
  TClassBuilder& Event(std::string name, S set) {
    using TEvent = class_builder_detail::TSetterArgument<S>;
    TPropertyInfo& info = Add(std::move(name), TPropertyKind::Event);
    info.EventType = &typeid(TEvent);
    info.SetEvent = [set](TPersistent& instance, const std::any& closure) {
      std::invoke(set, Self(instance), std::any_cast<const TEvent&>(closure));
    };
    return *this;
  }

  // A Boolean the form may hold beside the published properties; reading it
  // calls `read` with the value. It has no getter: what it says is the
  // class's own business.
  template <class R>
  TClassBuilder& DefineBoolean(std::string name, R read) {
    TPropertyInfo& info = FDefinedProperties.emplace_back();
    info.Name = std::move(name);
    info.Kind = TPropertyKind::Boolean;
    info.SetOrdinal = [read](TPersistent& instance, int64_t value) { std::invoke(read, Self(instance), value != 0); };
    return *this;
  }

  // Applies to the property added last: the writer stores it only when the rule says so.
  template <class R>
  TClassBuilder& Stored(R rule) {
    FProperties.back().StoredRule = [rule](const TPersistent& instance) { return std::invoke(rule, Self(instance)); };
    return *this;
  }

  // Applies to the property added last: an ordinal stored whenever its stored
  // rule allows, also at the value an assigned setting may share with an
  // inherited one.
  TClassBuilder& NoDefault() {
    FProperties.back().HasDefault = false;
    return *this;
  }

  // A component member of a form, pointed at the component of that name.
  template <class C>
  TClassBuilder& Field(std::string name, C* T::*member) {
    FFields.push_back({std::move(name), &C::StaticClass, [member](TPersistent& root, TComponent* component) {
                         Self(root).*member = static_cast<C*>(component);
                       }});
    return *this;
  }

  // A handler method of a form, for the events of its components.
  template <class... A>
  TClassBuilder& Method(std::string name, void (T::*handler)(A...)) {
    using TEvent = std::function<void(A...)>;
    FMethods.push_back({std::move(name), &typeid(TEvent), [handler](TPersistent& root) -> std::any {
                          T* self = &Self(root);
                          return TEvent([self, handler](A... arguments) { (self->*handler)(arguments...); });
                        }});
    return *this;
  }

  TMetaClass Build() {
    return TMetaClass(std::move(FName), FParent, Factory(), std::move(FProperties), std::move(FFields),
                      std::move(FMethods), std::move(FDefinedProperties), PersistentFactory());
  }

 private:
  static T& Self(TPersistent& instance) { return static_cast<T&>(instance); }
  static const T& Self(const TPersistent& instance) { return static_cast<const T&>(instance); }

  static TMetaClass::TFactory Factory() {
    if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                  std::is_constructible_v<T, TComponent*>) {
      return [](TComponent* owner) -> TComponent* { return new T(owner); };
    } else {
      return nullptr;
    }
  }

  static TMetaClass::TPersistentFactory PersistentFactory() {
    if constexpr (std::is_base_of_v<TPersistent, T> && !std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                  std::is_constructible_v<T, TPersistent*>) {
      return [](TPersistent* owner) -> TPersistent* { return new T(owner); };
    } else {
      return nullptr;
    }
  }

  TPropertyInfo& Add(std::string name, TPropertyKind kind) {
    TPropertyInfo& info = FProperties.emplace_back();
    info.Name = std::move(name);
    info.Kind = kind;
    return info;
  }

  template <class V, class G, class S>
  TPropertyInfo& AddOrdinal(std::string name, TPropertyKind kind, G get, S set, int64_t defaultValue) {
    TPropertyInfo& info = Add(std::move(name), kind);
    info.Default = defaultValue;
    info.HasDefault = true;
    info.GetOrdinal = [get](const TPersistent& instance) {
      return static_cast<int64_t>(std::invoke(get, Self(instance)));
    };
    info.SetOrdinal = [set](TPersistent& instance, int64_t value) {
      std::invoke(set, Self(instance), static_cast<V>(value));
    };
    return info;
  }

  template <class G, class S>
  void AddText(std::string name, TPropertyKind kind, G get, S set) {
    TPropertyInfo& info = Add(std::move(name), kind);
    info.GetText = [get](const TPersistent& instance) { return std::string(std::invoke(get, Self(instance))); };
    info.SetText = [set](TPersistent& instance, const std::string& text) { std::invoke(set, Self(instance), text); };
  }

  std::string FName;
  TClass FParent;
  std::vector<TPropertyInfo> FProperties;
  std::vector<TFieldInfo> FFields;
  std::vector<TMethodInfo> FMethods;
  std::vector<TPropertyInfo> FDefinedProperties;
};
