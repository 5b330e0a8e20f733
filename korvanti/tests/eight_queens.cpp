// The pass loop of the Eight queens test, timing and score.
#include "eight_queens.h"

#include "kernel_score.h"
#include "milli_clock.h"

namespace korvanti {

using namespace queens;

uint32_t RunEightQueens(int32_t passes) {
    const MilliClock begin = ReadMilliClock();
    for (int32_t pass = 0; pass < passes; ++pass) {
        for (int k = 0; k < 9; ++k) {
            rowFree[k] = true;
        }
        for (int k = 0; k < 17; ++k) {
            sumDiagonalFree[k] = true;
        }
        for (int k = 0; k < 15; ++k) {
            differenceDiagonalFree[k] = true;
        }
        PlaceQueen(1);
    }
    const MilliClock end = ReadMilliClock();
    return IntegerRateScore(WrapMul32(1000, passes), ElapsedMs(begin, end));
}

}  // namespace korvanti
