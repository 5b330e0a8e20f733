// Number crunching: a fixed chain of 32-bit and 64-bit integer divisions and
// remainders mixed with double arithmetic and conversions. The test behind
// "Number crunching".
#pragma once
#include <cstdint>

namespace korvanti {

// Runs `passes` passes of the chain between two clock stamps and returns the
// credited operations (94 per pass) per millisecond, in signed 32-bit integer
// arithmetic; 0 when no time could be measured.
uint32_t RunNumberCrunching(int32_t passes);

namespace crunch {

// The state carried from pass to pass.
struct State {
    int64_t W, V;
    int32_t a, k, p;
    double d1, d2, d3, d4;
};

// The state at the end of the latest call. Stored after the timed loop, it
// keeps the chain's results live for the optimiser.
extern State lastState;

}  // namespace crunch
}  // namespace korvanti
