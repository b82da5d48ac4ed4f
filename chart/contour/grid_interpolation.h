#pragma once
// The value of a grid between (and beyond) its points: bilinear over the cell that holds the
// point, in the Lagrange form. In each direction the cell ends at the first grid index from the
// second on whose coordinate is at least the wanted one (the last when none is), so a point
// outside the grid is extrapolated from the border cell. A direction of one point is constant.
#include "chart/contour/contour_trace.h"

namespace brelt::chart {

double interpolateGrid(const GridView& grid, double x, double y);

} // namespace brelt::chart
