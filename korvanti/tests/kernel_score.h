// Score arithmetic shared by the processor and memory tests, in the widths
// the results are defined in.
#pragma once
#include <cstdint>

#include "milli_clock.h"

namespace korvanti {

// a * b in signed 32-bit arithmetic, wrapping as the 32-bit product does.
inline int32_t WrapMul32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// amount / ms as a signed 32-bit truncating division, read as unsigned. An
// elapsed time of 0 ms or less (no measurable time, or a clock set back)
// gives 0 instead of a division by zero or a meaningless figure.
inline uint32_t IntegerRateScore(int32_t amount, int32_t ms) {
    if (ms <= 0) {
        return 0;
    }
    return static_cast<uint32_t>(amount / ms);
}

// The low 32 bits of trunc64(quotient) for a rate whose divisor was
// accumulated in floating point; a divisor of 0 or less gives 0.
inline uint32_t AccumulatedRateScore(double amount, double divisor) {
    if (!(divisor > 0.0)) {
        return 0;
    }
    return static_cast<uint32_t>(trunc32(amount / divisor));
}

}  // namespace korvanti
