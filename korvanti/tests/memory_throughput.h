// Memory throughput: fills ten freshly allocated blocks of growing size with
// 32-bit integers per pass and times only the filling. The test behind
// "Memory throughput".
#pragma once
#include <cstdint>

namespace korvanti {

// Runs `passes` passes and returns kB per second. Throws std::bad_alloc
// (holding no block) when a block cannot be had.
uint32_t RunMemoryThroughput(int32_t passes);

namespace memory {
// Block sizes of a pass: m * kBytesPerUnit for m = kFirstUnits, doubling,
// up to kLastUnits (32,768 to 16,777,216 bytes).
constexpr int32_t kBytesPerUnit = 16384;
constexpr int32_t kFirstUnits = 2;
constexpr int32_t kLastUnits = 1024;

// The credited amount in kB, as a signed 32-bit formula read as unsigned:
// passes * 32,544 for passes 1 to 257.
double AmountKilobytes(int32_t passes);
}  // namespace memory

}  // namespace korvanti
