#include "platform/classes/Component.h"

#include <algorithm>
#include <utility>

#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"

TClass TObject::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TObject>("TObject", nullptr).Build();
  return &metaClass;
}

const std::string& TObject::ClassName() const { return ClassType()->ClassName(); }

bool TObject::InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

TClass TPersistent::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TPersistent>("TPersistent", TObject::StaticClass()).Build();
  return &metaClass;
}

void TPersistent::Assign(const TPersistent* source) {
  const std::string sourceName = source ? source->ClassName() : "nil";
  throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

TClass TComponent::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TComponent>("TComponent", TPersistent::StaticClass())
                                          .String("Name", &TComponent::Name, &TComponent::SetName)
                                          .Build();
  return &metaClass;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Deleted without Free: the subscribers and owned components still go.
  if (MarkDestroying()) {
    NotifyFreeSubscribers();
    DestroyComponents();
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

bool TComponent::MarkDestroying() {
  if (Destroying()) return false;
  FComponentState.Include(csDestroying);
  return true;
}

void TComponent::BeforeDestruction() {
  MarkDestroying();
  NotifyFreeSubscribers();
  DestroyComponents();
}

void TComponent::SetName(const std::string& name) {
  if (!name.empty() && FOwner) {
    const TComponent* other = FOwner->FindComponent(name);
    if (other && other != this) throw EComponentError("A component named " + name + " already exists");
  }
  FName = name;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return FComponents[index];
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : FComponents)
    if (SameText(component->Name(), name)) return component;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
    FFreeNotifies.push_back(component);
  if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
      component->FFreeNotifies.end())
    component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  std::erase(FFreeNotifies, component);
  if (component) std::erase(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation != opRemove) return;
  RemoveFreeNotification(component);
  for (auto it = FComponents.rbegin(); it != FComponents.rend(); ++it) (*it)->Notification(component, operation);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) FComponents.back()->Free();
}

void TComponent::InsertComponent(TComponent* component) {
  FComponents.push_back(component);
  component->FOwner = this;
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  std::erase(FComponents, component);
  component->FOwner = nullptr;
  Notification(component, opRemove);
}

void TComponent::NotifyFreeSubscribers() {
  while (!FFreeNotifies.empty()) {
    TComponent* subscriber = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    std::erase(subscriber->FFreeNotifies, this);
    subscriber->Notification(this, opRemove);
  }
}

namespace {
TDesignerModifiedHook& DesignerModifiedHook() {
  static TDesignerModifiedHook hook;
  return hook;
}
}  // namespace

void SetDesignerModifiedHook(TDesignerModifiedHook hook) { DesignerModifiedHook() = std::move(hook); }

void DesignerModified(TComponent& component) {
  if (DesignerModifiedHook()) DesignerModifiedHook()(component);
}
