#pragma once
// The exception every editor raises for its own failures; kept apart from the
// edit control so that the windowless engines can raise it too.
#include "platform/rtl/Exceptions.h"

class EcxEditError : public Exception {
 public:
  using Exception::Exception;
};
