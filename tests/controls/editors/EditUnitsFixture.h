#pragma once
// Tests of the edit base's objects, with the look-and-feel root, the brush
// cache the editors paint with and the edit unit (its default style
// controller and the list of all properties) started around each test, in the
// program's order, and ended after it.
#include <gtest/gtest.h>

#include <functional>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxEditProperties.h"
#include "controls/foundation/graphics/cxEditPaintUtils.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"

class EditUnitsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cxLookAndFeelsInitialize();
    cxEditPaintUtilsInitialize();
    cxEditInitialize();
  }
  void TearDown() override {
    cxEditFinalize();
    cxEditPaintUtilsFinalize();
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
