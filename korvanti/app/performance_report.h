// Builds the fixed-width performance report from the result table.
#pragma once
#include "result_table.h"

namespace korvanti {

// Rewrites every line of `report` from the two lists of `table` and clears
// showingDescription.
void BuildPerformanceReport(const ResultTable& table, ReportText& report);
// The same on the program's own table and report.
void BuildPerformanceReport();

}  // namespace korvanti
