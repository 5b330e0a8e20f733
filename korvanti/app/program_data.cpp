// The program-wide single instances of korvanti's data and the operations
// that reset them.
#include <cstring>

#include "result_table.h"
#include "test_selection.h"

namespace korvanti {

TestSelection testSelection;
ResultTable resultTable;
ReportText reportText;

void ClearCells(ResultCell (&cells)[kCellCount]) {
    for (ResultCell& cell : cells) {
        cell.code[0] = '\0';
    }
}

void ClearLines(ReportText& report) {
    for (auto& line : report.line) {
        line[0] = '\0';
    }
}

}  // namespace korvanti
