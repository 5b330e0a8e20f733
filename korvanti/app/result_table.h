// The scores of this computer and of one compared computer, and the report
// lines the main window shows.
#pragma once
#include <cstddef>

namespace korvanti {

// One score as text. Only code[0] is used: a test code ('d','w','q','c','n',
// 'f','m'), a drive letter 'A'..'Z' (first cell of a drive group), a blank
// (the other six cells of a group) or NUL (end of the list).
struct ResultCell {
    char code[12];
    char value[12];  // NUL-terminated, at most 11 characters
};

constexpr int kCellCount = 100;
constexpr int kDriveGroupCells = 7;

struct ResultTable {
    ResultCell thisComputer[kCellCount];
    ResultCell otherComputer[kCellCount];
};

constexpr int kReportLines = 100;
constexpr int kReportLineLength = 256;

// The 100 lines the main window paints; a line starting with NUL is empty.
// showingDescription tells whether they hold the machine description rather
// than the performance report.
struct ReportText {
    char line[kReportLines][kReportLineLength];
    bool showingDescription;
};

// Sets the code of every cell of the list to NUL; the value texts stay.
void ClearCells(ResultCell (&cells)[kCellCount]);
// Makes every line empty.
void ClearLines(ReportText& report);

// The program's one table and report.
extern ResultTable resultTable;
extern ReportText reportText;

}  // namespace korvanti
