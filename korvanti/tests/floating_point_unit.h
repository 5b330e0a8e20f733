// Floating point unit: a fixed chain of mathematics library calls (Bessel
// functions, power, hyperbolic tangent, mantissa, logarithm, square root,
// sine, tangent) fed by a pseudo-random number at the end of each pass. The
// test behind "Floating point unit".
#pragma once
#include <cstdint>

namespace korvanti {

// Runs `passes` passes of the chain between two clock stamps and returns the
// credited operations (44 per pass) per millisecond, in signed 32-bit integer
// arithmetic; 0 when no time could be measured.
uint32_t RunFloatingPointUnit(int32_t passes);

namespace fpu {

// The pseudo-random generator's state: 1 at program start, shared by all
// calls and never reseeded.
extern uint32_t randomState;
// Advances the generator and returns its next value, 0 to 32,767.
int32_t NextRandom();

// The chain's state at the end of the latest call. Stored after the timed
// loop, it keeps the chain's results live for the optimiser.
struct State {
    double X, W, Z, Y, V;
};
extern State lastState;

}  // namespace fpu
}  // namespace korvanti
