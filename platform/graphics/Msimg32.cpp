#include "platform/graphics/Msimg32.h"

TMsimg32Api& Msimg32Api() {
  static TMsimg32Api api;
  return api;
}
