// The score formulas of the six processor and memory tests after Dhrystone,
// against a fake clock: which stamps are taken, and what the elapsed times
// make of the credited work.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "eight_queens.h"
#include "fake_clock.h"
#include "floating_point_unit.h"
#include "matrix_operations.h"
#include "memory_throughput.h"
#include "number_crunching.h"
#include "whetstone.h"

namespace korvanti {
namespace {

using testing::FakeClock;

struct ScoreCase {
    const char* test;
    uint32_t (*run)(int32_t);
    int32_t count;
    std::vector<int> elapsedMs;  // one per timed interval
    size_t stamps;
    uint32_t score;
};

std::vector<int> Repeat(int ms, size_t times) { return std::vector<int>(times, ms); }

std::vector<int> FirstThenZeros(int ms, size_t times) {
    std::vector<int> intervals(times, 0);
    intervals[0] = ms;
    return intervals;
}

TEST(KernelScores, ElapsedTimesGiveTheDefinedScores) {
    const ScoreCase cases[] = {
        // 100 * loops per millisecond, as loops / (ms * 0.01).
        {"whetstone", RunWhetstone, 2000, {1600}, 2, 125},
        {"whetstone", RunWhetstone, 2000, {1601}, 2, 124},
        {"whetstone", RunWhetstone, 2000, {0}, 2, 0},
        {"whetstone", RunWhetstone, 2000, {-3}, 2, 0},
        {"whetstone", RunWhetstone, 0, {100}, 2, 0},
        // (1000 * passes) / ms in 32-bit integers.
        {"queens", RunEightQueens, 3000, {750}, 2, 4000},
        {"queens", RunEightQueens, 3000, {751}, 2, 3994},
        {"queens", RunEightQueens, 3000, {0}, 2, 0},
        {"queens", RunEightQueens, 0, {100}, 2, 0},
        // 27,878,400 steps per pass over the accumulated seconds.
        {"matrix", RunMatrixOperations, 1, {1000}, 2, 27878},
        {"matrix", RunMatrixOperations, 2, {700, 800}, 4, 37171},
        {"matrix", RunMatrixOperations, 2, {0, 0}, 4, 0},
        {"matrix", RunMatrixOperations, 2, {0, 3}, 4, 18585600},
        {"matrix", RunMatrixOperations, 0, {}, 0, 0},
        // (94 * passes) / ms in 32-bit integers.
        {"crunch", RunNumberCrunching, 600000, {1000}, 2, 56400},
        {"crunch", RunNumberCrunching, 600000, {1001}, 2, 56343},
        {"crunch", RunNumberCrunching, 600000, {0}, 2, 0},
        {"crunch", RunNumberCrunching, 0, {100}, 2, 0},
        // (44 * passes) / ms in 32-bit integers.
        {"fpu", RunFloatingPointUnit, 100000, {1000}, 2, 4400},
        {"fpu", RunFloatingPointUnit, 100000, {1001}, 2, 4395},
        {"fpu", RunFloatingPointUnit, 100000, {0}, 2, 0},
        {"fpu", RunFloatingPointUnit, 0, {100}, 2, 0},
        // kB over the seconds accumulated block by block (ten per pass).
        {"memory", RunMemoryThroughput, 5, FirstThenZeros(500, 50), 100, 325440},
        // The same half second as fifty 10 ms fills accumulates to
        // 0.5000000000000002 s, one unit less.
        {"memory", RunMemoryThroughput, 5, Repeat(10, 50), 100, 325439},
        {"memory", RunMemoryThroughput, 1, Repeat(0, 10), 20, 0},
        {"memory", RunMemoryThroughput, 0, {}, 0, 0},
    };
    for (const ScoreCase& c : cases) {
        FakeClock clock;
        clock.Intervals(c.elapsedMs);
        EXPECT_EQ(c.run(c.count), c.score) << c.test << " with count " << c.count;
        EXPECT_EQ(clock.readings(), c.stamps) << c.test << " with count " << c.count;
    }
}

TEST(KernelScores, MemoryAmountIsThe32BitFormula) {
    struct Case { int32_t passes; double kilobytes; };
    const Case cases[] = {
        {0, 0.0}, {1, 32544.0}, {5, 162720.0}, {257, 8363808.0},
        // From 258 passes the 32-bit product wraps; the amount is the
        // wrapped result read as unsigned.
        {258, 4286586432.0}, {300, 4287953280.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(memory::AmountKilobytes(c.passes), c.kilobytes) << c.passes;
    }
}

}  // namespace
}  // namespace korvanti
