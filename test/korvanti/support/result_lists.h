// Builds result lists and reads report lines for tests.
#pragma once
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "result_table.h"

namespace korvanti::testing {

// One cell: its code and a value text. Numbers are written as the run driver
// writes them (right-aligned in ten columns).
struct Cell {
    char code;
    std::string value;
    Cell(char c, unsigned v) : code(c) {
        char text[16];
        std::snprintf(text, sizeof text, "%10u", v);
        value = text;
    }
    Cell(char c, const char* v) : code(c), value(v) {}
};

// A drive group: the letter and its seven values.
inline std::vector<Cell> Drive(char letter, unsigned first) {
    std::vector<Cell> cells;
    for (unsigned r = 0; r < 7; ++r) {
        cells.emplace_back(r == 0 ? letter : ' ', first + r);
    }
    return cells;
}

inline void Fill(ResultCell (&list)[kCellCount], const std::vector<Cell>& cells) {
    std::memset(list, 0, sizeof list);
    for (size_t i = 0; i < cells.size() && i < static_cast<size_t>(kCellCount); ++i) {
        list[i].code[0] = cells[i].code;
        std::snprintf(list[i].value, sizeof list[i].value, "%s", cells[i].value.c_str());
    }
}

inline std::vector<Cell> Join(std::vector<std::vector<Cell>> parts) {
    std::vector<Cell> all;
    for (auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// The report's lines up to the last non-empty one.
inline std::vector<std::string> Lines(const ReportText& report) {
    int last = -1;
    for (int i = 0; i < kReportLines; ++i) {
        if (report.line[i][0] != '\0') {
            last = i;
        }
    }
    std::vector<std::string> lines;
    for (int i = 0; i <= last; ++i) {
        lines.emplace_back(report.line[i]);
    }
    return lines;
}

}  // namespace korvanti::testing
