#pragma once
// Reading two columns of an ASCII data file into points without the editor's grid (the command
// line's --data): every line is split by the separator table, the xField-th and yField-th field
// (1-based) must both read as numbers, and the lines that do not are counted and left out. Blank
// lines are neither points nor counted. Lines end in LF, CR LF or CR; a UTF-8 byte order mark at
// the start is ignored. There is no row limit.
#include "chart/data/graph_data.h"
#include "chart/io/field_split.h"

#include <string_view>
#include <vector>

namespace brelt::chart {

struct DataPoints {
    std::vector<WorldPoint> points;
    int skippedLines = 0; // non-blank lines without two numbers in the chosen fields
    int firstSkipped = 0; // 1-based number of the first such line (0: none)
};

DataPoints readDataPoints(std::string_view text, const SeparatorTable& table, int xField, int yField);

} // namespace brelt::chart
