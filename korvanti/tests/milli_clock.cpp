#include "milli_clock.h"

#include <cmath>

namespace korvanti {

namespace {
MilliClockSource clockSource = nullptr;
}

MilliClock ReadMilliClock() {
    return clockSource ? clockSource() : ReadSystemMilliClock();
}

MilliClockSource SetMilliClockSource(MilliClockSource source) {
    MilliClockSource previous = clockSource;
    clockSource = source;
    return previous;
}

int32_t ElapsedMs(const MilliClock& start, const MilliClock& end) {
    // Unsigned arithmetic wraps where the signed 32-bit original would.
    uint32_t s = static_cast<uint32_t>(end.seconds) - static_cast<uint32_t>(start.seconds);
    uint32_t ms = s * 1000u + end.milliseconds - start.milliseconds;
    return static_cast<int32_t>(ms);
}

int64_t trunc64(double v) {
    constexpr double limit = 9223372036854775808.0;  // 2^63
    if (!std::isfinite(v) || v >= limit || v <= -limit) {
        return INT64_MIN;
    }
    return static_cast<int64_t>(v);
}

int32_t trunc32(double v) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(trunc64(v))));
}

uint32_t RateScore(double amount, int32_t ms) {
    if (ms <= 0) {
        return 0;
    }
    return static_cast<uint32_t>(trunc32(amount / ms));
}

}  // namespace korvanti
