#include "performance_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "result_lists.h"

namespace korvanti {
namespace {

using testing::Cell;
using testing::Drive;
using testing::Fill;
using testing::Join;
using testing::Lines;
using ::testing::ElementsAreArray;

const std::string H0 = "                                this      other              relative";
const std::string H1 = "                            computer   computer           performance";
const std::string H2 = " ";

struct ReportCase {
    const char* name;
    std::vector<Cell> mine;
    std::vector<Cell> other;
    std::vector<std::string> expected;
};

class ReportTest : public ::testing::Test {
protected:
    std::vector<std::string> Build(const std::vector<Cell>& mine, const std::vector<Cell>& other) {
        Fill(table.thisComputer, mine);
        Fill(table.otherComputer, other);
        report.showingDescription = true;
        std::snprintf(report.line[99], sizeof report.line[99], "left over from before");
        BuildPerformanceReport(table, report);
        EXPECT_FALSE(report.showingDescription);
        return Lines(report);
    }
    ResultTable table{};
    ReportText report{};
};

TEST_F(ReportTest, WorkedExampleByteForByte) {
    EXPECT_THAT(Build({{'d', 1234}}, {{'d', 600}}),
                ElementsAreArray(std::vector<std::string>{
                    H0, H1, H2, "Dhrystone 2.1 Performance       1234        600  MIPS     205 percent",
                    "Total                                                     205 percent"}));
    EXPECT_EQ(std::string(report.line[3]).size(), 69u);
}

TEST_F(ReportTest, CasesOfTestLinesAndTotal) {
    const std::vector<ReportCase> cases = {
        {"both lists empty", {}, {}, {H0, H1, H2}},
        {"only this computer has the test",
         {{'d', 2000}},
         {},
         {H0, H1, H2, "Dhrystone 2.1 Performance       2000        n/a  MIPS       0 percent"}},
        {"percentages and Total truncate",
         {{'d', 1999}, {'w', 151}},
         {{'w', 100}, {'d', 1000}},
         {H0, H1, H2, "Dhrystone 2.1 Performance       1999       1000  MIPS     199 percent",
          "Whetstone Performance            151        100  MFLOPS   151 percent",
          "Total                                                     175 percent"}},
        {"Total of 100 and 151",
         {{'q', 1000}, {'c', 151}},
         {{'q', 1000}, {'c', 100}},
         {H0, H1, H2, "Eight queens problem            1000       1000  pps      100 percent",
          "Matrix operations                151        100  k ops    151 percent",
          "Total                                                     125 percent"}},
        {"other value reading as 0 or as no number: shown, 0 percent, out of Total",
         {{'n', 500}, {'f', 700}, {'m', 300}},
         {{'n', 0u}, {'f', "abc"}, {'m', 150}},
         {H0, H1, H2, "Number crunch performance        500          0  k ops      0 percent",
          "Floating point performance       700        abc  k ops      0 percent",
          "Memory throughput                300        150  kB/sec   200 percent",
          "Total                                                     200 percent"}},
        {"cells out of the fixed order are not shown", {{'w', 10}, {'d', 20}}, {}, {H0, H1, H2,
          "Whetstone Performance             10        n/a  MFLOPS     0 percent"}},
        {"percentages beyond the 32-bit range of score times 100",
         {{'d', 1000000u}, {'m', 30000000u}},
         {{'m', 20000000u}, {'d', 1u}},
         {H0, H1, H2, "Dhrystone 2.1 Performance    1000000          1  MIPS     100000000 percent",
          "Memory throughput           30000000   20000000  kB/sec   150 percent",
          "Total                                                     50000075 percent"}},
        {"leading blanks and signs in value texts", {{'d', "  +42"}}, {{'d', "21xyz"}},
         {H0, H1, H2, "Dhrystone 2.1 Performance        +42      21xyz  MIPS     200 percent",
          "Total                                                     200 percent"}},
    };
    for (const ReportCase& c : cases) {
        EXPECT_THAT(Build(c.mine, c.other), ElementsAreArray(c.expected)) << c.name;
    }
}

std::vector<std::string> Block(const std::string& heading, const char* const (&mine)[7],
                               const char* const (&theirs)[7], bool oneColumn) {
    static const char* const labels[7] = {"Read max      ", "Read average  ", "Read min      ",
                                          "Write max     ", "Write average ", "Write min     ",
                                          "CPU usage     "};
    std::vector<std::string> lines = {" ", heading};
    for (int r = 0; r < 7; ++r) {
        char line[128];
        const char* unit = r == 6 ? "percent " : "kB/sec ";
        if (oneColumn) {
            std::snprintf(line, sizeof line, "%s            %10s  %s", labels[r], mine[r], unit);
        } else {
            std::snprintf(line, sizeof line, "%s            %10s %10s  %s", labels[r], mine[r], theirs[r], unit);
        }
        lines.emplace_back(line);
    }
    return lines;
}

const char* const kC100[7] = {"100", "101", "102", "103", "104", "105", "106"};
const char* const kC200[7] = {"200", "201", "202", "203", "204", "205", "206"};
const char* const kBlank[7] = {" ", " ", " ", " ", " ", " ", " "};

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST_F(ReportTest, DriveBlocksArePairedByPosition) {
    const std::string bothC = "                             Drive C    Drive C";
    const std::string thisC = "                             Drive C        ";
    const std::string otherC = "                                        Drive C";
    const std::vector<ReportCase> cases = {
        {"same tests, same drive: one both-computers block",
         Join({{{'d', 100}}, Drive('C', 100)}),
         Join({{{'d', 100}}, Drive('C', 200)}),
         Concat({{H0, H1, H2, "Dhrystone 2.1 Performance        100        100  MIPS     100 percent",
                  "Total                                                     100 percent"},
                 Block(bothC, kC100, kC200, false)})},
        {"three tests against seven: the groups sit at cells 3 and 7",
         Join({{{'d', 1}, {'w', 1}, {'q', 1}}, Drive('C', 100)}),
         Join({{{'d', 1}, {'w', 1}, {'q', 1}, {'c', 1}, {'n', 1}, {'f', 1}, {'m', 1}}, Drive('C', 200)}),
         Concat({{H0, H1, H2, "Dhrystone 2.1 Performance          1          1  MIPS     100 percent",
                  "Whetstone Performance              1          1  MFLOPS   100 percent",
                  "Eight queens problem               1          1  pps      100 percent",
                  "Total                                                     100 percent"},
                 Block(thisC, kC100, kC100, true), Block(otherC, kBlank, kC200, false)})},
        {"different letters at the same index share a block",
         Drive('D', 100),
         Drive('E', 200),
         Concat({{H0, H1, H2}, Block("                             Drive D    Drive E", kC100, kC200, false)})},
        {"the other computer's drives without tests of this computer",
         {},
         Join({{{'d', 5}}, Drive('C', 200)}),
         Concat({{H0, H1, H2}, Block("                                        Drive C", kBlank, kC200, false)})},
    };
    for (const ReportCase& c : cases) {
        EXPECT_THAT(Build(c.mine, c.other), ElementsAreArray(c.expected)) << c.name;
    }
    EXPECT_EQ(thisC.size(), 44u);
}

TEST_F(ReportTest, DriveBlocksStopAtLine91) {
    std::vector<Cell> mine = {{'d', 1}, {'w', 1}, {'q', 1}, {'c', 1}, {'n', 1}, {'f', 1}, {'m', 1}};
    for (char letter = 'C'; letter < 'C' + 13; ++letter) {
        auto group = Drive(letter, 10);
        mine.insert(mine.end(), group.begin(), group.end());
    }
    ASSERT_EQ(mine.size(), 98u);
    const auto lines = Build(mine, mine);
    // 3 header lines, 7 test lines, Total, then nine blocks of nine lines.
    ASSERT_EQ(lines.size(), 92u);
    EXPECT_EQ(lines[10], "Total                                                     100 percent");
    EXPECT_EQ(lines[84], "                             Drive K    Drive K");
    EXPECT_EQ(lines[91], "CPU usage                         16         16  percent ");
}

TEST_F(ReportTest, ABlockStartsOnlyBelowLine91) {
    // Thirteen drive groups of this computer alone after n test lines (no
    // Total): the first block starts at line 3 + n.
    struct Case {
        int tests;
        size_t lines;  // up to the last non-empty one
    };
    // 7 tests: the ninth block ends at line 90, so the output line is exactly
    // 91 and no tenth block starts. 6 tests: the tenth block starts at line
    // 90 and ends at line 98.
    for (const Case c : {Case{7, 91u}, Case{6, 99u}}) {
        std::vector<Cell> mine;
        for (int t = 0; t < c.tests; ++t) {
            mine.emplace_back("dwqcnfm"[t], 1u);
        }
        for (char letter = 'C'; letter < 'C' + 13; ++letter) {
            auto group = Drive(letter, 10);
            mine.insert(mine.end(), group.begin(), group.end());
        }
        const auto lines = Build(mine, {});
        ASSERT_EQ(lines.size(), c.lines) << c.tests;
        EXPECT_EQ(lines.back(), "CPU usage                         16  percent ") << c.tests;
    }
}

TEST_F(ReportTest, SameListsGiveTheSameLinesEveryTime) {
    const auto first = Build(Join({{{'d', 7}}, Drive('Z', 1)}), {{'d', 3}});
    const auto second = Build(Join({{{'d', 7}}, Drive('Z', 1)}), {{'d', 3}});
    EXPECT_EQ(first, second);
    EXPECT_EQ(report.line[99][0], '\0');
}

TEST_F(ReportTest, ValueTextsWithoutTheirNulStayInBounds) {
    Fill(table.thisComputer, {{'d', 1}});
    Fill(table.otherComputer, {{'d', 1}});
    std::memset(table.otherComputer[0].value, '9', sizeof table.otherComputer[0].value);
    std::memset(table.thisComputer[0].value, '8', sizeof table.thisComputer[0].value);
    BuildPerformanceReport(table, report);
    const std::string line = report.line[3];
    EXPECT_EQ(line.rfind("Dhrystone 2.1 Performance 888888888888 999999999999  MIPS ", 0), 0u) << line;
}

}  // namespace
}  // namespace korvanti
