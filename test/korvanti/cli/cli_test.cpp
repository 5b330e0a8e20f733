#include "cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "result_table.h"
#include "test_selection.h"
#include "work_block.h"

namespace korvanti {
namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult RunCli(std::vector<const char*> args) {
    testSelection = TestSelection{};
    ClearCells(resultTable.thisComputer);
    ClearCells(resultTable.otherComputer);
    ClearLines(reportText);
    args.insert(args.begin(), "korvanti-cli");
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine(static_cast<int>(args.size()), args.data(), out, err);
    return {status, out.str(), err.str()};
}

const char* const kHeader =
    "                                this      other              relative\n"
    "                            computer   computer           performance\n"
    " \n";

TEST(Cli, DhrystoneRunPrintsHeaderAndLineWithoutTotal) {
    testing::FakeClock clock;
    clock.Intervals({400});
    const CliResult r = RunCli({"--dhrystone", "--run"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, std::string(kHeader) +
                         "Dhrystone 2.1 Performance       2000        n/a  MIPS       0 percent\n");
}

TEST(Cli, LongTestsDoubleTheLoopCount) {
    testing::FakeClock clock;
    clock.Intervals({400});
    const CliResult r = RunCli({"--long", "--dhrystone", "--run"});
    EXPECT_NE(r.out.find("       4000        n/a"), std::string::npos) << r.out;
}

TEST(Cli, ArgumentsApplyLeftToRight) {
    testing::FakeClock clock;
    // Ticked, unticked, then run: nothing runs and nothing is printed.
    EXPECT_EQ(RunCli({"--dhrystone", "--dhrystone", "--run"}).out, "");
    // Run before ticking: nothing ran.
    EXPECT_EQ(RunCli({"--run", "--dhrystone"}).out, "");
}

TEST(Cli, BadCommandLinesExitTwoAndRunNothing) {
    testing::FakeClock clock;
    for (const auto& args : std::vector<std::vector<const char*>>{{"--dhrystone", "--bogus", "--run"}, {"run"}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("unknown argument"), std::string::npos);
        EXPECT_EQ(clock.readings(), 0u);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    }
}

TEST(Cli, HelpListsTheCommands) {
    const CliResult r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* name : {"--dhrystone", "--whetstone", "--queens", "--matrix", "--crunch", "--fpu", "--memory",
                             "--all", "--long", "--run", "--help"}) {
        EXPECT_NE(r.out.find(name), std::string::npos) << name;
    }
}

TEST(Cli, AllRunsTheSevenTestsInTheirFixedOrder) {
    testing::FakeClock clock;
    clock.Step(100);  // every timed interval spans 100 ms
    const CliResult r = RunCli({"--memory", "--all", "--run"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(r.out.rfind(kHeader, 0), 0u) << r.out;
    std::istringstream lines(r.out.substr(std::string(kHeader).size()));
    const char* const expected[][2] = {
        {"Dhrystone 2.1 Performance ", "MIPS"}, {"Whetstone Performance     ", "MFLOPS"},
        {"Eight queens problem      ", "pps"},  {"Matrix operations         ", "k ops"},
        {"Number crunch performance ", "k ops"}, {"Floating point performance", "k ops"},
        {"Memory throughput         ", "kB/sec"},
    };
    std::string line;
    for (const auto& test : expected) {
        ASSERT_TRUE(std::getline(lines, line)) << r.out;
        EXPECT_EQ(line.rfind(test[0], 0), 0u) << line;
        EXPECT_NE(line.find(test[1]), std::string::npos) << line;
        const unsigned long score = std::stoul(line.substr(26, 10));
        EXPECT_GT(score, 0u) << line;
    }
    EXPECT_FALSE(std::getline(lines, line)) << line;
    // --all ticks: the Memory test ticked before it stays ticked.
    EXPECT_NE(r.out.find("Memory throughput"), std::string::npos);
}

TEST(Cli, OutOfMemoryEndsTheRunWithAMessageAndKeepsEarlierScores) {
    testing::FakeClock clock;
    clock.Step(100);
    // No work block can be had: the Matrix test is the first to ask.
    const WorkBlockAllocator previous =
        SetWorkBlockAllocator({[](size_t, bool) -> void* { return nullptr; }, [](void*) {}});
    const CliResult r = RunCli({"--queens", "--matrix", "--memory", "--run"});
    SetWorkBlockAllocator(previous);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Out of memory!"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("Eight queens problem"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Matrix operations"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Memory throughput"), std::string::npos) << r.out;
}

TEST(Cli, NoArgumentsRunEveryTestThatExists) {
    testing::FakeClock clock;
    clock.Step(100);
    const CliResult r = RunCli({});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind(kHeader, 0), 0u);
    EXPECT_NE(r.out.find("Dhrystone 2.1 Performance"), std::string::npos);
}

}  // namespace
}  // namespace korvanti
