#pragma once
// Tests of controls that need the foundation started as the program starts
// it: the look-and-feel root, the painters, the cursors, the settings controller.
#include <gtest/gtest.h>

#include "controls/foundation/FoundationUnits.h"
#include "platform/controls/Application.h"
#include "platform/rtl/Units.h"

class FoundationTest : public ::testing::Test {
 protected:
  void SetUp() override { Application().Initialize(FoundationUnits()); }
};

// The units the tests started end after the last test, as the program ends
// them before it returns: left to the end of the program, their resources
// would go with the statics of each file in no set order, one unit's
// statics after another's that it still reaches.
class FoundationUnitsEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { FinalizeUnits(); }
};
inline ::testing::Environment* const gFoundationUnitsEnvironment =
    ::testing::AddGlobalTestEnvironment(new FoundationUnitsEnvironment);
