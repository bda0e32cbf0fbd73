#pragma once
// The units a test program started end after its last test, as the program
// ends them before it returns: left to the end of the process, their
// resources would go with the statics of each file in no set order, one
// unit's statics after another's that it still reaches.
#include <gtest/gtest.h>

#include "platform/rtl/Units.h"

class TUnitsEndEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { FinalizeUnits(); }
};

inline ::testing::Environment* const gUnitsEndEnvironment =
    ::testing::AddGlobalTestEnvironment(new TUnitsEndEnvironment);
