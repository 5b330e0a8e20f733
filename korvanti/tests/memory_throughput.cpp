// The block fills of the Memory throughput test, timing and score.
#include "memory_throughput.h"

#include "kernel_score.h"
#include "milli_clock.h"
#include "work_block.h"

namespace korvanti {

double memory::AmountKilobytes(int32_t passes) {
    const int32_t bytes = WrapMul32(passes, 8331264);
    const int32_t amount = WrapMul32(bytes / 1024, 4);
    return static_cast<double>(static_cast<uint32_t>(amount));
}

uint32_t RunMemoryThroughput(int32_t passes) {
    using namespace memory;
    double total = 0.0;
    for (int32_t pass = 0; pass < passes; ++pass) {
        for (int32_t m = kFirstUnits; m <= kLastUnits; m *= 2) {
            const int32_t elements = m * (kBytesPerUnit / 4);
            WorkBlock block(static_cast<size_t>(m) * kBytesPerUnit, false);
            // volatile: one 32-bit store per element, in address order; the
            // compiler may neither widen, merge nor drop them.
            volatile int32_t* const data = block.as<int32_t>();
            const MilliClock begin = ReadMilliClock();
            for (int32_t i = 0; i < elements; ++i) {
                data[i] = i;
            }
            const MilliClock end = ReadMilliClock();
            total = total - ElapsedMs(begin, end) * (-0.001);
            block.Release();
        }
    }
    return AccumulatedRateScore(AmountKilobytes(passes), total);
}

}  // namespace korvanti
