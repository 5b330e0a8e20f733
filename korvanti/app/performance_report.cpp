#include "performance_report.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "decimal_text.h"

namespace korvanti {

namespace {

struct TestLine {
    char code;
    const char* label;  // 26 columns
    const char* unit;   // 9 columns
};

// The tests in the fixed order in which their cells stand in a list.
constexpr TestLine kTestLines[] = {
    {'d', "Dhrystone 2.1 Performance ", "MIPS     "},
    {'w', "Whetstone Performance     ", "MFLOPS   "},
    {'q', "Eight queens problem      ", "pps      "},
    {'c', "Matrix operations         ", "k ops    "},
    {'n', "Number crunch performance ", "k ops    "},
    {'f', "Floating point performance", "k ops    "},
    {'m', "Memory throughput         ", "kB/sec   "},
};

// The seven score lines of a drive group, in group order.
constexpr const char* kDriveLabels[kDriveGroupCells] = {
    "Read max                  ", "Read average              ", "Read min                  ",
    "Write max                 ", "Write average             ", "Write min                 ",
    "CPU usage                 ",
};
constexpr const char* kDriveUnits[kDriveGroupCells] = {
    "kB/sec ", "kB/sec ", "kB/sec ", "kB/sec ", "kB/sec ", "kB/sec ", "percent ",
};

// A drive block starts only while the output line is below this one, so the
// nine lines of the last block end at line 98 at the latest.
constexpr int kDriveSectionEnd = 91;

// A cell's value as a terminated string even if the stored text lacks its NUL.
struct ValueText {
    char text[sizeof(ResultCell::value) + 1];
    explicit ValueText(const ResultCell& cell) {
        std::memcpy(text, cell.value, sizeof cell.value);
        text[sizeof cell.value] = '\0';
    }
};

bool IsDriveCode(char c) { return c >= 'A' && c <= 'Z'; }

class LineWriter {
public:
    explicit LineWriter(ReportText& report) : report_(report) {}
    int current() const { return next_; }

    // Formats into the next line; a report of 100 lines never goes beyond them.
    template <typename... Args>
    void add(const char* format, Args... args) {
        if (next_ >= kReportLines) {
            return;
        }
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
#endif
        std::snprintf(report_.line[next_], kReportLineLength, format, args...);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
        ++next_;
    }

private:
    ReportText& report_;
    int next_ = 0;
};

void WriteDriveBlock(LineWriter& out, const ResultTable& table, int k, bool hasThis, bool hasOther) {
    out.add("%s", " ");
    if (hasThis && hasOther) {
        out.add("                             Drive %c    Drive %c", table.thisComputer[k].code[0],
                table.otherComputer[k].code[0]);
    } else if (hasThis) {
        out.add("                             Drive %c        ", table.thisComputer[k].code[0]);
    } else {
        out.add("                                        Drive %c", table.otherComputer[k].code[0]);
    }
    for (int r = 0; r < kDriveGroupCells; ++r) {
        const ValueText mine(table.thisComputer[k + r]);
        const ValueText theirs(table.otherComputer[k + r]);
        if (hasThis && hasOther) {
            out.add("%s%10s %10s  %s", kDriveLabels[r], mine.text, theirs.text, kDriveUnits[r]);
        } else if (hasThis) {
            out.add("%s%10s  %s", kDriveLabels[r], mine.text, kDriveUnits[r]);
        } else {
            out.add("%s%10s %10s  %s", kDriveLabels[r], " ", theirs.text, kDriveUnits[r]);
        }
    }
}

}  // namespace

void BuildPerformanceReport(const ResultTable& table, ReportText& report) {
    report.showingDescription = false;
    ClearLines(report);

    LineWriter out(report);
    out.add("%s", "                                this      other              relative");
    out.add("%s", "                            computer   computer           performance");
    out.add("%s", " ");

    int cursor = 0;
    int64_t percentSum = 0;
    int64_t percentCount = 0;
    for (const TestLine& test : kTestLines) {
        if (cursor >= kCellCount || table.thisComputer[cursor].code[0] != test.code) {
            continue;
        }
        const ValueText mine(table.thisComputer[cursor]);
        ValueText other(ResultCell{{}, "n/a"});
        int64_t percent = 0;
        for (const ResultCell& cell : table.otherComputer) {
            if (cell.code[0] == test.code) {
                other = ValueText(cell);
                const int64_t otherValue = ReadDecimal(other.text);
                // A counterpart that reads as 0 gives no percentage and stays
                // out of the Total; 64-bit, since a large score times 100
                // leaves the 32-bit range.
                if (otherValue != 0) {
                    percent = static_cast<int64_t>(ReadDecimal(mine.text)) * 100 / otherValue;
                    percentSum += percent;
                    ++percentCount;
                }
                break;
            }
        }
        out.add("%s%10s %10s  %s%3" PRId64 " percent", test.label, mine.text, other.text, test.unit, percent);
        ++cursor;
    }
    if (percentCount > 0) {
        out.add("Total                                                     %3" PRId64 " percent",
                percentSum / percentCount);
    }

    if (out.current() < kDriveSectionEnd) {
        for (int k = 0; k + kDriveGroupCells <= kCellCount; ++k) {
            const bool hasThis = IsDriveCode(table.thisComputer[k].code[0]);
            const bool hasOther = IsDriveCode(table.otherComputer[k].code[0]);
            if (hasThis || hasOther) {
                WriteDriveBlock(out, table, k, hasThis, hasOther);
            }
            if (out.current() >= kDriveSectionEnd) {
                break;
            }
        }
    }
}

void BuildPerformanceReport() { BuildPerformanceReport(resultTable, reportText); }

}  // namespace korvanti
