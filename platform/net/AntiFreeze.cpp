#include "platform/net/AntiFreeze.h"

#include "platform/classes/ClassBuilder.h"

namespace {

TIdAntiFreeze* activeAntiFreeze = nullptr;

}  // namespace

TIdAntiFreeze::TIdAntiFreeze(TComponent* owner) : TComponent(owner) { activeAntiFreeze = this; }

TIdAntiFreeze::~TIdAntiFreeze() {
  if (activeAntiFreeze == this) activeAntiFreeze = nullptr;
}

TClass TIdAntiFreeze::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TIdAntiFreeze>("TIdAntiFreeze", TComponent::StaticClass()).Build();
  return &metaClass;
}

TIdAntiFreeze* TIdAntiFreeze::Active() { return activeAntiFreeze; }
