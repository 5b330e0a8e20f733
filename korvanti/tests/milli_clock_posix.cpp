#include <sys/time.h>

#include "milli_clock.h"

namespace korvanti {

MilliClock ReadSystemMilliClock() {
    timeval now{};
    gettimeofday(&now, nullptr);
    MilliClock stamp;
    stamp.seconds = static_cast<int32_t>(now.tv_sec);
    stamp.milliseconds = static_cast<uint16_t>(now.tv_usec / 1000);
    return stamp;
}

}  // namespace korvanti
