// The matrix product of the Matrix operations test, timing and score.
#include "matrix_operations.h"

#include "kernel_score.h"
#include "milli_clock.h"
#include "work_block.h"

namespace korvanti {

using namespace matrix;

namespace {

// product[i][j] += left[i][k] * right[k][j], i, then j, then k innermost: left
// is read along its rows, right down its columns (a stride of 165 elements).
// The blocks are distinct; products and sums wrap modulo 2^32.
void Multiply(const int32_t* __restrict left, const int32_t* __restrict right, int32_t* __restrict product) {
    for (int32_t i = 0; i < kRows; ++i) {
        for (int32_t j = 0; j < kColumns; ++j) {
            for (int32_t k = 0; k < kInner; ++k) {
                product[i * kColumns + j] = static_cast<int32_t>(
                    static_cast<uint32_t>(product[i * kColumns + j]) +
                    static_cast<uint32_t>(left[i * kInner + k]) * static_cast<uint32_t>(right[k * kColumns + j]));
            }
        }
    }
}

}  // namespace

uint32_t RunMatrixOperations(int32_t passes) {
    constexpr size_t kSideBytes = sizeof(int32_t) * kRows * kInner;  // 675,840
    constexpr size_t kProductBytes = sizeof(int32_t) * kRows * kColumns;  // 108,900
    double total = 0.0;
    for (int32_t pass = 0; pass < passes; ++pass) {
        const MilliClock begin = ReadMilliClock();
        // Zero-filled by the allocator so that the contents are defined;
        // nothing is filled by the test itself between the stamps. The blocks
        // come from another translation unit, so the optimiser can neither
        // assume their contents nor drop the product.
        WorkBlock left(kSideBytes, true);
        WorkBlock right(kSideBytes, true);
        WorkBlock product(kProductBytes, true);
        Multiply(left.as<int32_t>(), right.as<int32_t>(), product.as<int32_t>());
        const MilliClock end = ReadMilliClock();
        total = total - ElapsedMs(begin, end) * (-0.001);
        left.Release();
        right.Release();
        product.Release();
    }
    const double steps = static_cast<double>(WrapMul32(kStepsPerPass, passes));
    return AccumulatedRateScore(steps, total * 1000.0);
}

}  // namespace korvanti
