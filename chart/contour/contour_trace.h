#pragma once
// Tracing one level over a rectilinear grid. Each cell is cut at its centre (the mean of its
// corners, with the mean of the four values) into four triangles; each triangle gives at most one
// segment where the level crosses it, with exact rules for values equal to the level. Rows are
// visited from the first Y up, columns from the first X right; the order of the segments is part
// of the result, because joining depends on it.
//
// The tracer keeps, per cell, the lowest and highest of its five values, so that a level skips
// the cells it cannot cross with two comparisons.
#include "chart/contour/contour_types.h"

#include <vector>

namespace brelt::chart {

// A read-only view of a grid: nx ascending X, ny ascending Y, and z stored column by column,
// z[i + j nx] = f(x[i], y[j]) (0-based). The arrays outlive the view.
struct GridView {
    const double* x = nullptr;
    int nx = 0;
    const double* y = nullptr;
    int ny = 0;
    const double* z = nullptr;
    double at(int i, int j) const { return z[i + static_cast<long>(j) * nx]; }
};

class ContourTracer {
public:
    // Cells with a value that is not finite are left out. `edgeThreshold`: edges whose end values
    // differ by no more than this give no crossing.
    ContourTracer(const GridView& grid, double edgeThreshold);

    // Appends the segments of level h to `out`, in tracing order.
    void trace(double h, std::vector<ContourSegment>& out) const;

private:
    void traceCell(int i, int j, double h, std::vector<ContourSegment>& out) const;

    GridView m_grid;
    double m_edgeThreshold;
    std::vector<double> m_low;  // per cell (i + j (nx - 1)): min of the corners and the centre
    std::vector<double> m_high; // max of the same; a cell left out has low > high
};

} // namespace brelt::chart
