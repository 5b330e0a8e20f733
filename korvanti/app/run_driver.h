// "Run checked tests": runs the ticked tests in the fixed order, stores each
// score in thisComputer and has the report rebuilt and repainted as it goes.
#pragma once
#include <cstddef>
#include <cstdint>

#include "result_table.h"
#include "test_selection.h"

namespace korvanti {

// What the disk test delivers on success (kB/sec, CPU usage in percent).
struct DiskResults {
    uint32_t readMax;
    uint32_t readAverage;
    uint32_t readMin;
    uint32_t writeMax;
    uint32_t writeAverage;
    uint32_t writeMin;
    int32_t cpuUsage;  // can be slightly negative
};

using TestOperation = uint32_t (*)(int32_t loops);
// Returns 0 on success, -1 on failure (having told the user itself).
using DiskOperation = int (*)(char drive, int32_t loops, DiskResults& results);

// One row of the run table: the flag that ticks the test, its cell code, the
// operation and its loop count for longTestsFactor 1.
struct TestRow {
    bool TestSelection::*flag;
    char code;
    TestOperation run;
    int32_t loops;
};

struct RunTable {
    const TestRow* rows;
    size_t rowCount;
    DiskOperation disk;      // nullptr while the program has no disk test
    int32_t diskLoops;       // per drive, for longTestsFactor 1
};

// The program's run table: the tests in their fixed order.
const RunTable& ProgramRunTable();

// What the run needs of the window that shows the report.
class RunView {
public:
    virtual ~RunView() = default;
    // Invalidate the whole client area with erasing, repaint at once.
    virtual void FullRedraw() = 0;
    // Invalidate the whole client area without erasing, repaint at once.
    virtual void RepaintNow() = 0;
    // A message the user must see (stop icon, OK button).
    virtual void ShowError(const char* text) = 0;
};

// Runs every ticked test of `selection` into `table`/`report`. Returns false
// when the run ended early (out of memory).
bool RunCheckedTests(const TestSelection& selection, ResultTable& table, ReportText& report, RunView& view,
                     const RunTable& runTable = ProgramRunTable());

// True while a run is in progress: commands that reach the window then (for
// example through an error message box's own message loop) must not start.
bool RunInProgress();

extern const char* const kOutOfMemoryMessage;
extern const char* const kDrivesDidNotFitMessage;

}  // namespace korvanti
