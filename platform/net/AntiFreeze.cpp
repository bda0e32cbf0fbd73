#include "platform/net/AntiFreeze.h"

#include <utility>

namespace {

TIdAntiFreeze* activeAntiFreeze = nullptr;

}  // namespace

TIdAntiFreeze::TIdAntiFreeze(std::function<void()> processMessages) : FProcessMessages(std::move(processMessages)) {
  activeAntiFreeze = this;
}

TIdAntiFreeze::~TIdAntiFreeze() {
  if (activeAntiFreeze == this) activeAntiFreeze = nullptr;
}

TIdAntiFreeze* TIdAntiFreeze::Active() { return activeAntiFreeze; }
