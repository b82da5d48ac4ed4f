#include "chart/contour/grid_interpolation.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

// 0-based index k of the cell's upper end: the first index from 1 on with coords[k] >= v, at most
// n - 1. A binary search: the coordinates ascend.
int upperIndex(const double* coords, int n, double v) {
    const double* found = std::lower_bound(coords + 1, coords + n, v);
    return std::min(static_cast<int>(found - coords), n - 1);
}

} // namespace

double interpolateGrid(const GridView& g, double x, double y) {
    if (g.nx < 1 || g.ny < 1 || !g.z) return std::nan("");
    if (g.nx == 1 && g.ny == 1) return g.at(0, 0);
    // Lagrange weights of the two ends of a cell; a single point weighs all.
    auto weights = [](const double* c, int n, double v, int& k, long double& w1, long double& w2) {
        if (n == 1) {
            k = 0;
            w1 = 1;
            w2 = 0;
            return;
        }
        k = upperIndex(c, n, v);
        const long double a = c[k - 1], b = c[k];
        w1 = (v - b) / (a - b);
        w2 = (v - a) / (b - a);
    };
    int kx = 0, ky = 0;
    long double wx1 = 0, wx2 = 0, wy1 = 0, wy2 = 0;
    weights(g.x, g.nx, x, kx, wx1, wx2);
    weights(g.y, g.ny, y, ky, wy1, wy2);
    const int ix1 = g.nx == 1 ? 0 : kx - 1, ix2 = kx;
    const int iy1 = g.ny == 1 ? 0 : ky - 1, iy2 = ky;
    const long double v = g.at(ix1, iy1) * wx1 * wy1 + g.at(ix2, iy1) * wx2 * wy1 +
                          g.at(ix1, iy2) * wx1 * wy2 + g.at(ix2, iy2) * wx2 * wy2;
    return static_cast<double>(v);
}

} // namespace brelt::chart
