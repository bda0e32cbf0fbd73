// The test harness's own check: this program passes its one test and then
// aborts at the process's end, as one whose end-of-process clean-up faults
// does. CTest is told to expect a failure: a harness that went by GoogleTest's
// summary alone would pass it.
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const int gAbortAtExit = std::atexit([] { std::abort(); });

TEST(ExitAfterSummaryTest, PassesBeforeTheProcessEnds) { EXPECT_EQ(gAbortAtExit, 0); }

}  // namespace
