#include "milli_clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvanti {
namespace {

TEST(MilliClock, ElapsedSpansSecondBoundariesAndWraps) {
    EXPECT_EQ(ElapsedMs({10, 990}, {11, 5}), 15);
    EXPECT_EQ(ElapsedMs({11, 5}, {10, 990}), -15);  // clock set back
    EXPECT_EQ(ElapsedMs({0, 0}, {0, 0}), 0);
    // Signed 32-bit arithmetic wraps: 2^31 / 1000 seconds and more.
    EXPECT_EQ(ElapsedMs({0, 0}, {2147484, 0}), static_cast<int32_t>(2147484000u));
}

TEST(MilliClock, SystemClockIsTimeOfDay) {
    const MilliClock now = ReadMilliClock();
    EXPECT_GT(now.seconds, 1600000000);  // after 2020
    EXPECT_LT(now.milliseconds, 1000);
    const MilliClock later = ReadMilliClock();
    EXPECT_GE(ElapsedMs(now, later), 0);
}

TEST(Truncation, Table) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case { double v; int64_t t64; int32_t t32; };
    const Case cases[] = {
        {1995.01, 1995, 1995},
        {-1995.99, -1995, -1995},
        {0.999, 0, 0},
        {inf, INT64_MIN, 0},
        {-inf, INT64_MIN, 0},
        {nan, INT64_MIN, 0},
        {9223372036854775808.0, INT64_MIN, 0},           // 2^63
        {-9223372036854775808.0, INT64_MIN, 0},          // -2^63 itself
        {9223372036854774784.0, 9223372036854774784LL, -1024},  // largest double below 2^63
        {4294967296.0 + 5.5, 4294967301LL, 5},           // wraps to the low 32 bits
        {2147483648.0, 2147483648LL, INT32_MIN},
        {3000000000.0, 3000000000LL, -1294967296},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trunc64(c.v), c.t64) << c.v;
        EXPECT_EQ(trunc32(c.v), c.t32) << c.v;
    }
}

TEST(Truncation, RateScoreGivesZeroWithoutPositiveTime) {
    EXPECT_EQ(RateScore(800000, 400), 2000u);
    EXPECT_EQ(RateScore(800000, 0), 0u);
    EXPECT_EQ(RateScore(800000, -5), 0u);
    EXPECT_EQ(RateScore(0, 10), 0u);
    // Scores above 2^31 keep their low 32 bits as an unsigned value.
    EXPECT_EQ(RateScore(3000000000.0, 1), 3000000000u);
}

}  // namespace
}  // namespace korvanti
