#include "application/main/ApplicationClasses.h"

#include "application/core/CommClass.h"
#include "application/main/Main.h"

void RegisterApplicationClasses() {
  RegisterCommClasses();
  RegisterClasses({TMainW::StaticClass()});
}
