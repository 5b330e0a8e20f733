#include "run_driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "result_lists.h"

namespace korvanti {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Records every call the run makes, in order.
std::vector<std::string> calls;

template <char Code>
uint32_t FakeTest(int32_t loops) {
    calls.push_back(std::string(1, Code) + ":" + std::to_string(loops));
    return static_cast<uint32_t>(Code) * 10u;
}

uint32_t OutOfMemoryTest(int32_t) { throw std::bad_alloc(); }

std::string failingDrives;
int FakeDisk(char drive, int32_t loops, DiskResults& results) {
    calls.push_back(std::string(1, drive) + ":" + std::to_string(loops));
    if (failingDrives.find(drive) != std::string::npos) {
        return -1;
    }
    const uint32_t base = static_cast<uint32_t>(drive) * 100u;
    results = {base, base + 1, base + 2, base + 3, base + 4, base + 5, drive == 'F' ? -2 : 7};
    return 0;
}

const TestRow kRows[] = {
    {&TestSelection::dhrystone, 'd', FakeTest<'d'>, 800000},
    {&TestSelection::whetstone, 'w', FakeTest<'w'>, 2000},
    {&TestSelection::eightQueens, 'q', FakeTest<'q'>, 3000},
    {&TestSelection::matrixOperations, 'c', FakeTest<'c'>, 1},
    {&TestSelection::numberCrunching, 'n', FakeTest<'n'>, 600000},
    {&TestSelection::floatingPointUnit, 'f', FakeTest<'f'>, 100000},
    {&TestSelection::memoryThroughput, 'm', FakeTest<'m'>, 5},
};
const RunTable kFakeTable = {kRows, 7, FakeDisk, 10};

// Records each repaint with the number of report lines it would show, so
// that the order of clearing, storing, rebuilding and repainting is seen.
class RecordingView : public RunView {
public:
    explicit RecordingView(const ReportText& report) : report_(report) {}
    void FullRedraw() override { events.push_back("full:" + Shown()); }
    void RepaintNow() override { events.push_back("now:" + Shown()); }
    void ShowError(const char* text) override { errors.emplace_back(text); }
    std::vector<std::string> events;
    std::vector<std::string> errors;

private:
    std::string Shown() const { return std::to_string(testing::Lines(report_).size()); }
    const ReportText& report_;
};

class RunDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        failingDrives.clear();
    }
    bool Run(const RunTable& runTable = kFakeTable) {
        return RunCheckedTests(selection, table, report, view, runTable);
    }
    std::string Codes() const {
        std::string codes;
        for (const ResultCell& cell : table.thisComputer) {
            if (cell.code[0] == '\0') {
                break;
            }
            codes += cell.code[0];
        }
        return codes;
    }
public:
    TestSelection selection;
    ResultTable table{};
    ReportText report{};
    RecordingView view{report};
};

TEST_F(RunDriverTest, OnlyMemoryThroughput) {
    selection.memoryThroughput = true;
    EXPECT_TRUE(Run());
    EXPECT_THAT(calls, ElementsAre("m:5"));
    EXPECT_EQ(Codes(), "m");
    EXPECT_STREQ(table.thisComputer[0].value, "      1090");
    EXPECT_EQ(table.thisComputer[1].code[0], '\0');
    EXPECT_THAT(view.events, ElementsAre("full:0", "now:4"));
}

TEST_F(RunDriverTest, AllTestsWithLongTestsRunInFixedOrder) {
    selection = TestSelection{};
    selection.memoryThroughput = selection.dhrystone = selection.floatingPointUnit = true;  // ticked out of order
    selection.whetstone = selection.eightQueens = selection.matrixOperations = selection.numberCrunching = true;
    selection.longTestsFactor = 2;
    Run();
    EXPECT_THAT(calls, ElementsAre("d:1600000", "w:4000", "q:6000", "c:2", "n:1200000", "f:200000", "m:10"));
    EXPECT_EQ(Codes(), "dwqcnfm");
    EXPECT_EQ(testing::Lines(report).size(), 10u);  // header and seven lines, no Total
    // Each score is stored, the report rebuilt, then repainted: it grows by a line.
    EXPECT_THAT(view.events, ElementsAre("full:0", "now:4", "now:5", "now:6", "now:7", "now:8", "now:9", "now:10"));
}

TEST_F(RunDriverTest, DriveGroupsFollowTheTestsAndFailuresLeaveNoTrace) {
    selection.eightQueens = true;
    selection.testDrives['E' - 'A'] = true;
    selection.testDrives['D' - 'A'] = true;
    selection.testDrives['F' - 'A'] = true;
    failingDrives = "D";
    Run();
    EXPECT_THAT(calls, ElementsAre("q:3000", "D:10", "E:10", "F:10"));
    EXPECT_EQ(Codes(), std::string("qE      F      "));
    EXPECT_STREQ(table.thisComputer[1].value, "      6900");
    EXPECT_STREQ(table.thisComputer[7].value, "         7");
    EXPECT_STREQ(table.thisComputer[14].value, "         0");  // negative CPU usage shows as 0
    // q, then one repaint per drive whether it failed or not; a failed drive
    // adds nothing, a stored group its nine lines.
    EXPECT_THAT(view.events, ElementsAre("full:0", "now:4", "now:4", "now:13", "now:22"));
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(RunDriverTest, ARunStartsFromEmptyLinesAndCellsButKeepsTheOtherComputer) {
    testing::Fill(table.thisComputer, {{'d', 1}, {'w', 2}, {'q', 3}});
    testing::Fill(table.otherComputer, {{'q', 50}});
    std::snprintf(report.line[50], sizeof report.line[50], "description text");
    report.showingDescription = true;
    selection.eightQueens = true;
    Run();
    EXPECT_EQ(Codes(), "q");
    EXPECT_EQ(report.line[50][0], '\0');
    EXPECT_FALSE(report.showingDescription);
    EXPECT_EQ(std::string(report.line[3]),
              "Eight queens problem            1130         50  pps      2260 percent");
    EXPECT_THAT(view.events, ElementsAre("full:0", "now:5"));  // the description is gone before the first paint
}

TEST_F(RunDriverTest, NothingTickedLeavesEverythingEmpty) {
    testing::Fill(table.thisComputer, {{'d', 1}});
    std::snprintf(report.line[0], sizeof report.line[0], "old");
    Run();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(Codes(), "");
    EXPECT_TRUE(testing::Lines(report).empty());
    EXPECT_THAT(view.events, ElementsAre("full:0"));
}

TEST_F(RunDriverTest, DrivesThatDoNotFitAreToldAndNeverWritePastTheTable) {
    selection = TestSelection{};
    selection.dhrystone = selection.whetstone = selection.eightQueens = selection.matrixOperations = true;
    selection.numberCrunching = selection.floatingPointUnit = selection.memoryThroughput = true;
    for (char d = 'C'; d <= 'Z'; ++d) {
        selection.testDrives[d - 'A'] = true;
    }
    Run();
    // 7 + 13 * 7 = 98 cells; drives C..O fit, P..Z do not and are not run.
    EXPECT_EQ(calls.size(), 7u + 13u);
    EXPECT_EQ(calls.back(), "O:10");
    EXPECT_EQ(table.thisComputer[98].code[0], '\0');
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0], std::string(kDrivesDidNotFitMessage) + " PQRSTUVWXYZ");
}

TEST_F(RunDriverTest, OutOfMemoryEndsTheRunCleanlyKeepingEarlierScores) {
    const TestRow rows[] = {
        {&TestSelection::dhrystone, 'd', FakeTest<'d'>, 1},
        {&TestSelection::matrixOperations, 'c', OutOfMemoryTest, 1},
        {&TestSelection::memoryThroughput, 'm', FakeTest<'m'>, 1},
    };
    selection.dhrystone = selection.matrixOperations = selection.memoryThroughput = true;
    selection.testDrives['C' - 'A'] = true;
    EXPECT_FALSE(Run({rows, 3, FakeDisk, 10}));
    EXPECT_THAT(calls, ElementsAre("d:1"));
    EXPECT_EQ(Codes(), "d");
    EXPECT_THAT(view.errors, ElementsAre(kOutOfMemoryMessage));
    EXPECT_FALSE(RunInProgress());
}

TEST_F(RunDriverTest, ARunCannotStartWhileOneIsInProgress) {
    // A command that arrives during a run (through a message box's own
    // message loop) finds the run in progress and does nothing.
    static RunDriverTest* self;
    static bool nestedResult;
    static bool sawInProgress;
    self = this;
    nestedResult = true;
    sawInProgress = false;
    auto nested = [](int32_t) -> uint32_t {
        sawInProgress = RunInProgress();
        nestedResult = RunCheckedTests(self->selection, self->table, self->report, self->view, kFakeTable);
        return 1;
    };
    const TestRow rows[] = {{&TestSelection::dhrystone, 'd', nested, 1}};
    selection.dhrystone = true;
    EXPECT_TRUE(Run({rows, 1, nullptr, 10}));
    EXPECT_TRUE(sawInProgress);
    EXPECT_FALSE(nestedResult);
    EXPECT_EQ(Codes(), "d");
    EXPECT_FALSE(RunInProgress());
}

TEST(ProgramRunTable, DhrystoneComesFirstWithItsLoopCount) {
    const RunTable& table = ProgramRunTable();
    ASSERT_GE(table.rowCount, 1u);
    EXPECT_EQ(table.rows[0].code, 'd');
    EXPECT_EQ(table.rows[0].loops, 800000);
    EXPECT_EQ(table.diskLoops, 10);
}

}  // namespace
}  // namespace korvanti
