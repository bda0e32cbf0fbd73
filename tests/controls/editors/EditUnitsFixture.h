#pragma once
// Tests of the edit base's objects, with the look-and-feel root and the edit
// unit (its default style controller and the list of all properties) started
// around each test.
#include <gtest/gtest.h>

#include <functional>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxEditProperties.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"

class EditUnitsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cxLookAndFeelsInitialize();
    cxEditInitialize();
  }
  void TearDown() override {
    cxEditFinalize();
    cxLookAndFeelsFinalize();
  }
};

// How many times `action` makes the properties announce a change.
inline int CountChanges(TcxCustomEditProperties& properties, const std::function<void()>& action) {
  int changes = 0;
  properties.SetOnPropertiesChanged([&](TObject*) { ++changes; });
  action();
  properties.SetOnPropertiesChanged(nullptr);
  return changes;
}
