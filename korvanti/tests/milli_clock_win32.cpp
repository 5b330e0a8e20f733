#include <windows.h>

#include "milli_clock.h"

namespace korvanti {

MilliClock ReadSystemMilliClock() {
    // The system time in 100 ns units since 1601; 1970 lies 11644473600 s later.
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER t;
    t.LowPart = ft.dwLowDateTime;
    t.HighPart = ft.dwHighDateTime;
    const unsigned long long ms = t.QuadPart / 10000ULL - 11644473600000ULL;
    MilliClock stamp;
    stamp.seconds = static_cast<int32_t>(ms / 1000ULL);
    stamp.milliseconds = static_cast<uint16_t>(ms % 1000ULL);
    return stamp;
}

}  // namespace korvanti
