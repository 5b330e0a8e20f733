// The one clock every benchmark test measures with: the wall clock (time of
// day) with milliseconds, plus the score helpers built on it.
#pragma once
#include <cstdint>

namespace korvanti {

// One reading of the wall clock: whole seconds since 1 January 1970 and the
// milliseconds of the same reading.
struct MilliClock {
    int32_t seconds = 0;
    uint16_t milliseconds = 0;  // 0..999
};

// Takes a stamp from the clock source (the system's wall clock unless a test
// has installed another one).
MilliClock ReadMilliClock();

// (end.seconds - start.seconds) * 1000 + end.ms - start.ms in signed 32-bit
// arithmetic (wrapping). The wall clock is not monotonic, so the result can be
// negative when the system time is set back between the stamps.
int32_t ElapsedMs(const MilliClock& start, const MilliClock& end);

// Seam for tests: replaces the clock source. Passing nullptr restores the
// system's wall clock. Returns the source that was in place.
using MilliClockSource = MilliClock (*)();
MilliClockSource SetMilliClockSource(MilliClockSource source);

// The system's wall clock itself (implemented per platform).
MilliClock ReadSystemMilliClock();

// A double truncated toward zero to a signed 64-bit integer; infinite, not a
// number, or a magnitude of 2^63 or more give INT64_MIN.
int64_t trunc64(double v);
// The low 32 bits of trunc64(v), read as a signed 32-bit integer (wrapping).
int32_t trunc32(double v);

// Score of a floating-point rate: the low 32 bits of trunc64(amount / ms).
// An elapsed time of 0 ms or less (a clock set back during the run) gives 0:
// such a measurement has no meaning.
uint32_t RateScore(double amount, int32_t ms);

}  // namespace korvanti
