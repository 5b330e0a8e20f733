// Installs a clock that hands out stamps a test has queued, so that score
// formulas can be checked against exact elapsed times.
#pragma once
#include <cstddef>
#include <vector>

#include "milli_clock.h"

namespace korvanti::testing {

class FakeClock {
public:
    FakeClock() { previous_ = SetMilliClockSource(&FakeClock::Read); instance() = this; }
    ~FakeClock() { SetMilliClockSource(previous_); instance() = nullptr; }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    // Every later stamp is `ms` after the one before it.
    void Step(int ms) { step_ = ms; }
    // Queues explicit elapsed times: each pair of readings spans the next one.
    void Intervals(std::vector<int> ms) { intervals_ = std::move(ms); next_ = 0; readings_ = 0; }
    size_t readings() const { return readings_; }

private:
    static FakeClock*& instance() { static FakeClock* current = nullptr; return current; }
    static MilliClock Read() {
        FakeClock& self = *instance();
        int advance = self.step_;
        // Start stamps (even readings) move nothing; end stamps move by the
        // queued interval.
        if (!self.intervals_.empty()) {
            advance = 0;
            if (self.readings_ % 2 == 1 && self.next_ < self.intervals_.size()) {
                advance = self.intervals_[self.next_++];
            }
        }
        self.nowMs_ += advance;
        ++self.readings_;
        MilliClock stamp;
        const long long base = 1700000000LL * 1000 + self.nowMs_;
        stamp.seconds = static_cast<int32_t>(base / 1000);
        stamp.milliseconds = static_cast<uint16_t>(base % 1000);
        return stamp;
    }

    MilliClockSource previous_ = nullptr;
    int step_ = 0;
    std::vector<int> intervals_;
    size_t next_ = 0;
    size_t readings_ = 0;
    long long nowMs_ = 0;
};

}  // namespace korvanti::testing
