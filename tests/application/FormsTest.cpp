// Every form of the application is read from its embedded resource with every
// class, property, component and handler name resolved.
#include <gtest/gtest.h>

#include <memory>

#include "application/main/ApplicationClasses.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/FormResources.h"
#include "tests/support/UnitsEnd.h"

TEST(ApplicationForms, EveryFormLoadsWithAllItsNamesResolved) {
  Application().Initialize(ApplicationUnits());
  RegisterApplicationClasses();
  const std::vector<std::string> names = EmbeddedFormNames();
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    const TClass formClass = GetClass(name);
    ASSERT_NE(formClass, nullptr) << "no form class registered for the resource " << name;
    EXPECT_NO_THROW(TOwned<TComponent>(formClass->Create(nullptr))) << name;
  }
}
