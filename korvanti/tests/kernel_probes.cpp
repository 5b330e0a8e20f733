// Storage of the probe points (built only into the tests' probe build).
#include "kernel_probe.h"

namespace korvanti::probes {

WhetstoneCounts whetstone;
WhetstoneModuleResult whetstoneResults[12];
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

void WhetstoneModuleEnd(int module, int32_t j, int32_t k, double v1, double v2, double v3, double v4) {
    whetstoneResults[module] = {j, k, {v1, v2, v3, v4}};
}

void Reset() {
    whetstone = WhetstoneCounts{};
    for (WhetstoneModuleResult& result : whetstoneResults) {
        result = WhetstoneModuleResult{};
    }
    queens = QueensCounts{};
    crunch = CrunchTrace{};
    fpuPasses.clear();
}

}  // namespace korvanti::probes
