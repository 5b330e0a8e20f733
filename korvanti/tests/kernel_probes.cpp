// Storage of the probe points (built only into the tests' probe build).
#include "kernel_probe.h"

namespace korvanti::probes {

WhetstoneCounts whetstone;
QueensCounts queens;
CrunchTrace crunch;
std::vector<FpuPassTrace> fpuPasses;

void QueenPlaced(int32_t column, const int32_t* queenRow) {
    if (column == 8) {
        ++queens.completePlacements;
        for (int k = 0; k < 9; ++k) {
            queens.lastPlacement[k] = queenRow[k];
        }
    }
}

void Reset() {
    whetstone = WhetstoneCounts{};
    queens = QueensCounts{};
    crunch = CrunchTrace{};
    fpuPasses.clear();
}

}  // namespace korvanti::probes
