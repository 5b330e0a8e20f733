#include "run_driver.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "decimal_text.h"
#include "performance_report.h"

namespace korvanti {

const char* const kOutOfMemoryMessage =
    "Out of memory!\nThe test could not get the memory it needs; the run has been stopped.";
const char* const kDrivesDidNotFitMessage = "The results table is full. These drives were not tested:";

namespace {

bool runInProgress = false;

class RunGuard {
public:
    RunGuard() { runInProgress = true; }
    ~RunGuard() { runInProgress = false; }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;
};

void StoreCell(ResultCell& cell, char code, uint32_t value) {
    cell.code[0] = code;
    FormatScore(cell.value, value);
}

}  // namespace

bool RunInProgress() { return runInProgress; }

bool RunCheckedTests(const TestSelection& selection, ResultTable& table, ReportText& report, RunView& view,
                     const RunTable& runTable) {
    if (runInProgress) {
        return false;
    }
    RunGuard guard;
    ClearLines(report);
    ClearCells(table.thisComputer);
    view.FullRedraw();

    const int32_t factor = selection.longTestsFactor;
    int nextCell = 0;
    for (size_t i = 0; i < runTable.rowCount; ++i) {
        const TestRow& row = runTable.rows[i];
        if (!(selection.*row.flag)) {
            continue;
        }
        uint32_t score = 0;
        try {
            score = row.run(row.loops * factor);
        } catch (const std::bad_alloc&) {
            // The tests' work buffers are their only allocations: without
            // them the run cannot go on, but everything stored so far stays.
            view.RepaintNow();
            view.ShowError(kOutOfMemoryMessage);
            return false;
        }
        StoreCell(table.thisComputer[nextCell], row.code, score);
        BuildPerformanceReport(table, report);
        view.RepaintNow();
        ++nextCell;
    }

    if (runTable.disk == nullptr) {
        return true;
    }
    char skipped[27] = {};
    size_t skippedCount = 0;
    for (char drive = 'C'; drive <= 'Z'; ++drive) {
        if (!selection.testDrives[drive - 'A']) {
            continue;
        }
        // Never write past the last cell: drives that no longer fit are
        // listed for the user at the end of the run.
        if (nextCell + kDriveGroupCells > kCellCount) {
            skipped[skippedCount++] = drive;
            continue;
        }
        DiskResults results{};
        if (runTable.disk(drive, runTable.diskLoops * factor, results) == 0) {
            const uint32_t values[kDriveGroupCells] = {
                results.readMax,  results.readAverage,  results.readMin,
                results.writeMax, results.writeAverage, results.writeMin,
                // A slightly negative usage (the idle probe measured less than
                // its baseline) is shown as 0 percent.
                results.cpuUsage < 0 ? 0u : static_cast<uint32_t>(results.cpuUsage),
            };
            for (int r = 0; r < kDriveGroupCells; ++r) {
                StoreCell(table.thisComputer[nextCell + r], r == 0 ? drive : ' ', values[r]);
            }
            nextCell += kDriveGroupCells;
            BuildPerformanceReport(table, report);
        }
        view.RepaintNow();
    }
    if (skippedCount > 0) {
        char message[160];
        std::snprintf(message, sizeof message, "%s %s", kDrivesDidNotFitMessage, skipped);
        view.ShowError(message);
    }
    return true;
}

}  // namespace korvanti
