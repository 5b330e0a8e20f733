// Matrix operations: a 165 x 1024 by 1024 x 165 integer matrix product per
// pass. The test behind "Matrix operations".
#pragma once
#include <cstdint>

namespace korvanti {

// Runs `passes` products, each timed from the allocation of its three blocks
// to the end of the multiplication, and returns multiply-add steps per
// millisecond. Throws std::bad_alloc (holding no block) when a block cannot
// be had.
uint32_t RunMatrixOperations(int32_t passes);

namespace matrix {
constexpr int32_t kRows = 165;      // rows of left and product
constexpr int32_t kInner = 1024;    // columns of left, rows of right
constexpr int32_t kColumns = 165;   // columns of right and product
constexpr int32_t kStepsPerPass = kRows * kColumns * kInner;  // 27,878,400
}  // namespace matrix

}  // namespace korvanti
