// The parts of the unit that need no window: they build natively too.
#include "controls/foundation/base/cxClasses.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"

namespace {

// The controller of object links: it exists while a link is held.
struct TcxObjectLinkController {
  std::vector<TcxObjectLink*> Links;
};

std::unique_ptr<TcxObjectLinkController> gLinkController;
int gLinkCount = 0;

}  // namespace

TClass TcxInterfacedPersistent::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxInterfacedPersistent>("TcxInterfacedPersistent", TPersistent::StaticClass()).Build();
  return &metaClass;
}

TClass TcxComponent::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxComponent>("TcxComponent", TComponent::StaticClass())
          .Component("FakeComponentLink1", &TcxComponent::FakeComponentLink1, &TcxComponent::SetFakeComponentLink1)
          .Component("FakeComponentLink2", &TcxComponent::FakeComponentLink2, &TcxComponent::SetFakeComponentLink2)
          .Component("FakeComponentLink3", &TcxComponent::FakeComponentLink3, &TcxComponent::SetFakeComponentLink3)
          .Build();
  return &metaClass;
}

TcxComponent::~TcxComponent() { ClearObjectLinks(this); }

void TcxComponent::Loaded() {
  TComponent::Loaded();
  UpdateFakeLinks();
}

void TcxComponent::UpdateFakeLinks() {
  if (!ComponentState().Contains(csDesigning) || Destroying() || !Owner()) return;
  std::vector<TComponent*> links;
  GetFakeComponentLinks(links);
  for (size_t i = 0; i < FFakeComponentLinks.size(); ++i)
    FFakeComponentLinks[i] = i < links.size() ? links[i] : nullptr;
}

int TcxObjectList::Add(TObject* item) {
  FItems.push_back(item);
  return Count() - 1;
}

void TcxObjectList::Clear() {
  for (TObject* item : FItems) item->Free();
  FItems.clear();
}

bool TcxRegisteredClassList::Find(TClass itemClass, int& index) const {
  index = -1;
  for (int i = Count() - 1; i >= 0; --i) {
    const TClass entryClass = FItems[static_cast<size_t>(i)].ItemClass;
    if (itemClass->InheritsFrom(entryClass)) {
      index = i;
      return true;
    }
    if (entryClass->InheritsFrom(itemClass)) index = i;
  }
  return false;
}

void TcxRegisteredClassList::Register(TClass itemClass, TClass registeredClass) {
  int index = -1;
  const bool found = Find(itemClass, index);
  const TcxRegisteredClassListItemData item{itemClass, registeredClass};
  if (found)
    FItems.insert(FItems.begin() + index + 1, item);
  else if (index >= 0)
    FItems.insert(FItems.begin() + index, item);
  else
    FItems.push_back(item);
}

void TcxRegisteredClassList::Unregister(TClass itemClass, TClass registeredClass) {
  std::erase_if(FItems, [=](const TcxRegisteredClassListItemData& item) {
    return item.ItemClass == itemClass && item.RegisteredClass == registeredClass;
  });
}

TcxObjectLink* AddObjectLink(TObject* object) {
  if (!object) return nullptr;
  if (!gLinkController) gLinkController = std::make_unique<TcxObjectLinkController>();
  ++gLinkCount;
  auto* link = new TcxObjectLink{object};
  gLinkController->Links.push_back(link);
  return link;
}

void RemoveObjectLink(TcxObjectLink* link) {
  if (!link) return;
  if (link->Ref && gLinkController) std::erase(gLinkController->Links, link);
  delete link;
  if (--gLinkCount == 0) gLinkController.reset();
}

void ClearObjectLinks(TObject* object) {
  if (!gLinkController) return;
  std::vector<TcxObjectLink*>& links = gLinkController->Links;
  for (auto it = links.rbegin(); it != links.rend();) {
    if ((*it)->Ref == object) {
      (*it)->Ref = nullptr;
      it = std::make_reverse_iterator(links.erase(std::next(it).base()));
    } else {
      ++it;
    }
  }
}

int ObjectLinkCount() { return gLinkCount; }

TClass TcxFreeNotificator::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxFreeNotificator>("TcxFreeNotificator", TComponent::StaticClass()).Build();
  return &metaClass;
}

void TcxFreeNotificator::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && FOnFreeNotification) FOnFreeNotification(this, component);
}

std::string GetShortDescription(const std::string& description) { return description.substr(0, description.find('|')); }

const char* CharPointerAt(const std::string& text, int position) { return text.data() + position - 1; }

TPersistent* GetPersistentOwner(const TPersistent* persistent) { return persistent->GetOwner(); }

int GetRangeCenter(int a, int b) {
  const int sum = a + b;
  return sum > 0 ? sum / 2 : (sum - 1) / 2;
}

void AddFreeNotification(TComponent* receiver, TComponent* component) {
  if (component) component->FreeNotification(receiver);
}

void RemoveFreeNotification(TComponent* receiver, TComponent* component) {
  if (component) component->RemoveFreeNotification(receiver);
}

std::string cxGetResourceString(const TResStringRec& resource) { return LoadResString(resource); }
