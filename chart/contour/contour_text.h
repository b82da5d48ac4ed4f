#pragma once
// The contour lines as text, for other programs: for each polyline a line "# level L" (the level
// with 12 significant digits), one line "x y" per point (the shortest text that reads back to the
// same double), and an empty line. Lines end in CR LF, as every text file Brelt writes.
#include "chart/contour/contour_types.h"

#include <memory>
#include <string>
#include <vector>

namespace brelt::chart {

std::string contourLinesText(const std::vector<std::unique_ptr<ContourPolyline>>& lines);

// The shortest decimal text that reads back to v.
std::string shortestText(double v);

} // namespace brelt::chart
