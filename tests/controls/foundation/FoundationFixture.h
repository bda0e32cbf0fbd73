#pragma once
// Tests of controls that need the foundation started as the program starts
// it: the look-and-feel root, the painters, the cursors, the settings controller.
#include <gtest/gtest.h>

#include "controls/foundation/FoundationUnits.h"
#include "platform/controls/core/Application.h"
#include "tests/support/UnitsEnd.h"

class FoundationTest : public ::testing::Test {
 protected:
  void SetUp() override { Application().Initialize(FoundationUnits()); }
};
