#include "dhrystone.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fake_clock.h"

namespace korvanti {
namespace {

using testing::FakeClock;

TEST(Dhrystone, ScoreIsWholeRunsPerMillisecond) {
    struct Case { int32_t runs; int ms; uint32_t score; };
    const Case cases[] = {
        {800000, 400, 2000}, {800000, 401, 1995}, {800000, 0, 0}, {0, 400, 0}, {1000, -20, 0},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        clock.Intervals({c.ms});
        EXPECT_EQ(RunDhrystone(c.runs), c.score) << c.runs << " runs in " << c.ms << " ms";
        EXPECT_EQ(clock.readings(), 2u);  // exactly the two stamps around the loop
    }
}

TEST(Dhrystone, FinalStateMatchesThePublishedProgram) {
    FakeClock clock;
    RunDhrystone(1000);
    using namespace dhrystone;
    EXPECT_EQ(intGlob, 5);
    EXPECT_TRUE(boolGlob);
    EXPECT_EQ(ch1Glob, 'A');
    EXPECT_EQ(ch2Glob, 'B');
    EXPECT_EQ(arr1Glob[8], 7);
    EXPECT_EQ(lastLocals.int1, 5);
    EXPECT_EQ(lastLocals.int2, 13);
    EXPECT_EQ(lastLocals.int3, 7);
    EXPECT_EQ(lastLocals.enumLoc, Ident2);
    EXPECT_STREQ(lastLocals.str1, "DHRYSTONE PROGRAM, 1'ST STRING");
    EXPECT_STREQ(lastLocals.str2, "DHRYSTONE PROGRAM, 2'ND STRING");
    EXPECT_EQ(lastLocals.globDiscr, Ident1);
    EXPECT_EQ(lastLocals.globEnumComp, Ident3);
    EXPECT_EQ(lastLocals.globIntComp, 17);
    EXPECT_EQ(lastLocals.nextDiscr, Ident1);
    EXPECT_EQ(lastLocals.nextEnumComp, Ident2);
    EXPECT_EQ(lastLocals.nextIntComp, 18);
    // Both records are released.
    EXPECT_EQ(ptrGlob, nullptr);
    EXPECT_EQ(nextPtrGlob, nullptr);
}

TEST(Dhrystone, ArrayCellCountsRunsAfterEveryCallsSetUp) {
    FakeClock clock;
    RunDhrystone(1234);  // an earlier call leaves its own count behind
    EXPECT_EQ(dhrystone::arr2Glob[8][7], 1244);
    RunDhrystone(800000);
    EXPECT_EQ(dhrystone::arr2Glob[8][7], 800010);
}

TEST(Dhrystone, ZeroRunsLeaveTheStateOfSetUp) {
    FakeClock clock;
    clock.Intervals({50});
    EXPECT_EQ(RunDhrystone(0), 0u);
    EXPECT_EQ(dhrystone::arr2Glob[8][7], 10);
    EXPECT_EQ(dhrystone::intGlob, 0);
    EXPECT_EQ(dhrystone::ch1Glob, ' ');
}

}  // namespace
}  // namespace korvanti
