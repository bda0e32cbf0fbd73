#include "platform/rtl/Units.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> calls;
TUnitGuard guard;

void StartA() { calls.push_back("start A"); }
void EndA() { calls.push_back("end A"); }
void StartB() { calls.push_back("start B"); }
void EndB() { calls.push_back("end B"); }
void StartBroken() { throw std::runtime_error("no resources"); }
void EndBroken() { calls.push_back("end Broken"); }
void StartGuarded() {
  if (guard.Enter()) calls.push_back("start Guarded");
}
void EndGuarded() {
  if (guard.Leave()) calls.push_back("end Guarded");
}

class UnitsTest : public ::testing::Test {
 protected:
  void SetUp() override { calls.clear(); }
  void TearDown() override { FinalizeUnits(); }
};

TEST_F(UnitsTest, UnitsEndInReverseOrderOfTheirStartAndAUnitNamedAgainStartsOnce) {
  InitializeUnits({{"A", StartA, EndA}, {"B", StartB, EndB}});
  InitializeUnits({{"B", StartB, EndB}, {"C", nullptr, nullptr}, {"A", StartA, EndA}});
  EXPECT_EQ(InitializedUnits(), (std::vector<std::string>{"A", "B", "C"}));
  FinalizeUnits();
  EXPECT_EQ(calls, (std::vector<std::string>{"start A", "start B", "end B", "end A"}));
  EXPECT_TRUE(InitializedUnits().empty());
  FinalizeUnits();
  EXPECT_EQ(calls.size(), 4u);
}

TEST_F(UnitsTest, AUnitWhoseStartRaisesIsNotEndedAndTheUnitsBeforeItStillEnd) {
  EXPECT_THROW(InitializeUnits({{"A", StartA, EndA}, {"Broken", StartBroken, EndBroken}, {"B", StartB, EndB}}),
               std::runtime_error);
  EXPECT_EQ(InitializedUnits(), std::vector<std::string>{"A"});
  FinalizeUnits();
  EXPECT_EQ(calls, (std::vector<std::string>{"start A", "end A"}));
}

TEST_F(UnitsTest, AGuardedUnitStartsAndEndsOnceHoweverOftenItIsAsked) {
  StartGuarded();
  StartGuarded();
  EndGuarded();
  EXPECT_TRUE(guard.Active());
  EndGuarded();
  EndGuarded();
  EXPECT_FALSE(guard.Active());
  EXPECT_EQ(calls, (std::vector<std::string>{"start Guarded", "end Guarded"}));
}

}  // namespace
