// Probe points inside the kernels. In the program they expand to nothing, so
// the measured loops hold exactly the work of the tests. A second build of the
// same sources, used only by the unit tests (KORVANTI_KERNEL_PROBES defined),
// records iteration counts and intermediate values there, so that the tests
// can check the kernels step by step.
#pragma once

#ifdef KORVANTI_KERNEL_PROBES

#include <cstdint>
#include <vector>

#define KORVANTI_PROBE(expression) static_cast<void>(expression)

namespace korvanti::probes {

// Whetstone: iterations of each module's loop (index = module number) and
// executions of PA's body.
struct WhetstoneCounts {
    int64_t module[12];
    int64_t paBody;
};
extern WhetstoneCounts whetstone;
// Whetstone: the results of each module as they stand right after its loop
// (index = module number): J, K and four values, the ones the published
// program prints for that module.
struct WhetstoneModuleResult {
    int32_t j, k;
    double v[4];
};
extern WhetstoneModuleResult whetstoneResults[12];
void WhetstoneModuleEnd(int module, int32_t j, int32_t k, double v1, double v2, double v3, double v4);

// Eight queens: calls of PlaceQueen and complete placements, and the rows of
// the latest complete placement (index = column).
struct QueensCounts {
    int64_t placeQueenCalls;
    int64_t completePlacements;
    int32_t lastPlacement[9];
};
extern QueensCounts queens;
// Counts a complete placement when `column` is the last one.
void QueenPlaced(int32_t column, const int32_t* queenRow);

// Number crunching: the intermediates of the latest pass.
struct CrunchTrace {
    int32_t x1, x2, r1, x3, x4, r2, a2, p, kAfterStep7;
    int64_t q1, t, r3, q4, t5, q6, q7, t8;
};
extern CrunchTrace crunch;

// Floating point unit: the values of every pass, in order.
struct FpuPassTrace {
    double jn;     // Z after step 4
    double m;      // mantissa of step 6
    double w;      // W after step 9
    double power;  // Z after step 10
    double v;      // V after step 11
    double x;      // X at the end of the pass
    double xBeforeRandom;  // X of step 7
};
extern std::vector<FpuPassTrace> fpuPasses;

void Reset();

}  // namespace korvanti::probes

#else

#define KORVANTI_PROBE(expression) static_cast<void>(0)

#endif
