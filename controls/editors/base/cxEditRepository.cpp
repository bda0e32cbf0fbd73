#include "controls/editors/base/cxEditRepository.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr const char* kItemClassPrefix = "TcxEditRepository";
constexpr const char* kBaseItemClassName = "TcxEditRepositoryItem";

}  // namespace

TcxEditRepositoryItem::TcxEditRepositoryItem(TComponent* owner) : TComponent(owner) {}

// Deleted without Free, it still leaves its repository.
TcxEditRepositoryItem::~TcxEditRepositoryItem() { SetRepository(nullptr); }

TClass TcxEditRepositoryItem::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxEditRepositoryItem>("TcxEditRepositoryItem", TComponent::StaticClass())
          .Event("PropertiesEvents", &TcxEditRepositoryItem::SetPropertiesEvents)
          .Build();
  return &metaClass;
}

void TcxEditRepositoryItem::AfterConstruction() {
  TComponent::AfterConstruction();
  FProperties = CreatePersistentOf<TcxCustomEditProperties>(GetPropertiesClass(), this);
  FProperties->SetOnPropertiesChanged([this](TObject* sender) { PropertiesChanged(sender); });
}

void TcxEditRepositoryItem::BeforeDestruction() {
  if (MarkDestroying()) {
    ForEachListener([this](IcxEditRepositoryItemListener* listener) { listener->ItemRemoved(this); });
    SetRepository(nullptr);
  }
  TComponent::BeforeDestruction();
}

template <class F>
void TcxEditRepositoryItem::ForEachListener(F notify) {
  const std::vector<IcxEditRepositoryItemListener*> snapshot = FListeners;
  for (auto listener = snapshot.rbegin(); listener != snapshot.rend(); ++listener)
    if (std::find(FListeners.begin(), FListeners.end(), *listener) != FListeners.end()) notify(*listener);
}

void TcxEditRepositoryItem::SetRepository(TcxEditRepository* value) {
  if (value == FRepository) return;
  if (FRepository) FRepository->RemoveItem(this);
  FRepository = value;
  if (FRepository) FRepository->AddItem(this);
}

void TcxEditRepositoryItem::AddListener(IcxEditRepositoryItemListener* listener) {
  if (std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end()) FListeners.push_back(listener);
}

void TcxEditRepositoryItem::RemoveListener(IcxEditRepositoryItemListener* listener) {
  std::erase(FListeners, listener);
}

// The base class names no kind of item.
std::string TcxEditRepositoryItem::GetBaseName() const {
  const std::string& className = ClassName();
  const size_t position = className.find(kItemClassPrefix);
  const bool namesKind = position != std::string::npos && className != kBaseItemClassName;
  const std::string kind = namesKind ? className.substr(position + std::string(kItemClassPrefix).size()) : "";
  return (FRepository ? FRepository->Name() : std::string()) + kind;
}

TComponent* TcxEditRepositoryItem::GetParentComponent() const { return FRepository; }

// A form nests an item in its repository's block: the reader hands over the
// repository as the parent.
void TcxEditRepositoryItem::SetParentComponent(TComponent* parent) {
  if (auto* repository = dynamic_cast<TcxEditRepository*>(parent)) SetRepository(repository);
}

void TcxEditRepositoryItem::PropertiesChanged(TObject*) {
  ForEachListener([this](IcxEditRepositoryItemListener* listener) { listener->PropertiesChanged(this); });
}

// Deleted without Free, it leaves its items without a repository.
TcxEditRepository::~TcxEditRepository() {
  for (TcxEditRepositoryItem* item : FItems) item->FRepository = nullptr;
}

TClass TcxEditRepository::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxEditRepository>("TcxEditRepository", TComponent::StaticClass()).Build();
  return &metaClass;
}

// Items owned by the form may already be gone; those left go last first,
// each leaving the list as it goes.
void TcxEditRepository::BeforeDestruction() {
  if (MarkDestroying()) {
    const std::vector<TcxEditRepositoryItem*> snapshot = FItems;
    for (auto item = snapshot.rbegin(); item != snapshot.rend(); ++item)
      if (std::find(FItems.begin(), FItems.end(), *item) != FItems.end()) (*item)->Free();
  }
  TComponent::BeforeDestruction();
}

TcxEditRepositoryItem* TcxEditRepository::CreateItem(TcxEditRepositoryItemClass itemClass) {
  return CreateItemEx(itemClass, Owner());
}

TcxEditRepositoryItem* TcxEditRepository::CreateItemEx(TcxEditRepositoryItemClass itemClass, TComponent* owner) {
  auto* item = static_cast<TcxEditRepositoryItem*>(itemClass->Create(owner));
  item->SetRepository(this);
  return item;
}

TcxEditRepositoryItem* TcxEditRepository::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return FItems[static_cast<size_t>(index)];
}

void TcxEditRepository::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TcxEditRepositoryItem* item : FItems)
    if (item->Owner() == root) proc(item);
}

void TcxEditRepository::AddItem(TcxEditRepositoryItem* item) {
  if (std::find(FItems.begin(), FItems.end(), item) == FItems.end()) FItems.push_back(item);
}

void TcxEditRepository::RemoveItem(TcxEditRepositoryItem* item) { std::erase(FItems, item); }
