// The state the processor tests leave behind, checked against the values the
// kernels are defined to reach (bit for bit where the chain is exact).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "eight_queens.h"
#include "fake_clock.h"
#include "floating_point_unit.h"
#include "number_crunching.h"
#include "whetstone.h"

namespace korvanti {
namespace {

using testing::FakeClock;

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(Whetstone, EveryCallEndsInTheSameState) {
    FakeClock clock;
    for (int32_t loops : {1, 2, 7}) {
        RunWhetstone(loops);
        using namespace whetstone;
        EXPECT_EQ(J, 2) << loops;
        EXPECT_EQ(K, 3) << loops;
        EXPECT_EQ(L, 3) << loops;
        EXPECT_DOUBLE_EQ(Z, 0.999937500625) << loops;
        // Module 9 applies P0 an even number of times (616 per unit).
        EXPECT_EQ(E1[1], 3.0) << loops;
        EXPECT_EQ(E1[2], 2.0) << loops;
        EXPECT_EQ(E1[3], 3.0) << loops;
        EXPECT_EQ(N2, 12 * loops);
        EXPECT_EQ(N8, 899 * loops);
        EXPECT_EQ(N11, 93 * loops);
    }
}

TEST(Whetstone, ZeroLoopsRunNoModuleIteration) {
    FakeClock clock;
    RunWhetstone(0);
    using namespace whetstone;
    // Only the set-up values: no iteration moved them.
    EXPECT_EQ(E1[1], 1.0);
    EXPECT_EQ(E1[2], 2.0);
    EXPECT_EQ(E1[3], 3.0);
    EXPECT_EQ(E1[4], -1.0);
    EXPECT_EQ(Z, 1.0);
    EXPECT_EQ(X, 0.75);
}

TEST(EightQueens, PassLeavesLastRowsTriedAndEveryFlagFree) {
    FakeClock clock;
    for (int32_t passes : {1, 3}) {
        RunEightQueens(passes);
        const int32_t expected[9] = {0, 8, 6, 4, 7, 5, 5, 3, 5};
        for (int column = 1; column <= 8; ++column) {
            EXPECT_EQ(queens::queenRow[column], expected[column]) << "column " << column;
        }
        for (bool flag : queens::rowFree) EXPECT_TRUE(flag);
        for (bool flag : queens::sumDiagonalFree) EXPECT_TRUE(flag);
        for (bool flag : queens::differenceDiagonalFree) EXPECT_TRUE(flag);
    }
}

TEST(NumberCrunching, StateAfterPassesOneTwoThreeBitForBit) {
    struct Row {
        int32_t passes;
        crunch::State state;
    };
    const Row rows[] = {
        {1, {-360, 0, 0, 1, 0, 0.75, 10021000.0, 500.0, 1.0}},
        {2, {0, 0, 0, 1, 0, 0.0, -1803780000000.0, 0.0, 1.0}},
        {3, {0, 0, 0, 1, 0, 0.0, -0.0, 0.0, 1.0}},
        {50, {0, 0, 0, 1, 0, 0.0, -0.0, 0.0, 1.0}},
    };
    FakeClock clock;
    for (const Row& row : rows) {
        RunNumberCrunching(row.passes);
        const crunch::State& s = crunch::lastState;
        const crunch::State& e = row.state;
        EXPECT_EQ(s.W, e.W) << row.passes;
        EXPECT_EQ(s.V, e.V) << row.passes;
        EXPECT_EQ(s.a, e.a) << row.passes;
        EXPECT_EQ(s.k, e.k) << row.passes;
        EXPECT_EQ(s.p, e.p) << row.passes;
        EXPECT_TRUE(SameBits(s.d1, e.d1)) << row.passes << ": d1 " << s.d1;
        EXPECT_TRUE(SameBits(s.d2, e.d2)) << row.passes << ": d2 " << s.d2;  // -0.0 from pass 3
        EXPECT_TRUE(SameBits(s.d3, e.d3)) << row.passes << ": d3 " << s.d3;
        EXPECT_TRUE(SameBits(s.d4, e.d4)) << row.passes << ": d4 " << s.d4;
    }
}

TEST(FloatingPointUnit, PassesEndWithTheGeneratorsValuesAcrossCalls) {
    FakeClock clock;
    fpu::randomState = 1;
    // One pass per call: each call starts its chain afresh, but the
    // generator continues where the previous call left it.
    for (double expected : {41.0, 18467.0, 6334.0, 26500.0}) {
        RunFloatingPointUnit(1);
        EXPECT_EQ(fpu::lastState.X, expected);
        // Y is 0.0 from the first pass on (|J1| < 1).
        EXPECT_EQ(fpu::lastState.Y, 0.0);
    }
    const uint32_t afterFourCalls = fpu::randomState;

    fpu::randomState = 1;
    RunFloatingPointUnit(4);
    EXPECT_EQ(fpu::lastState.X, 26500.0);
    EXPECT_EQ(fpu::randomState, afterFourCalls);
    // Z = tan(|tanh(V)|) lies in [0, tan 1] (or is not a number).
    EXPECT_FALSE(fpu::lastState.Z < 0.0 || fpu::lastState.Z > std::tan(1.0));
}

TEST(FloatingPointUnit, ZeroPassesLeaveTheGeneratorAlone) {
    FakeClock clock;
    fpu::randomState = 12345;
    RunFloatingPointUnit(0);
    EXPECT_EQ(fpu::randomState, 12345u);
    EXPECT_EQ(fpu::lastState.X, -550.0);
}

}  // namespace
}  // namespace korvanti
