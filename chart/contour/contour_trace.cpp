#include "chart/contour/contour_trace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace brelt::chart {

namespace {

struct Corner {
    double x;
    double y;
    double z;
    ContourPoint point() const { return {x, y}; }
};

// The cell's centre value; the same expression serves the cell bounds and the triangles.
double centreValue(double z1, double z2, double z3, double z4) {
    return (z1 + z2 + z3 + z4) / 4;
}

} // namespace

ContourTracer::ContourTracer(const GridView& grid, double edgeThreshold)
    : m_grid(grid), m_edgeThreshold(edgeThreshold) {
    if (grid.nx < 2 || grid.ny < 2) return;
    const int cx = grid.nx - 1, cy = grid.ny - 1;
    const std::size_t cells = static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy);
    m_low.resize(cells);
    m_high.resize(cells);
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::size_t c = 0;
    for (int j = 0; j < cy; ++j) {
        for (int i = 0; i < cx; ++i, ++c) {
            const double z1 = grid.at(i, j), z2 = grid.at(i + 1, j);
            const double z3 = grid.at(i + 1, j + 1), z4 = grid.at(i, j + 1);
            const double zm = centreValue(z1, z2, z3, z4);
            if (!std::isfinite(zm)) {
                m_low[c] = inf;
                m_high[c] = -inf;
                continue;
            }
            m_low[c] = std::min({z1, z2, z3, z4, zm});
            m_high[c] = std::max({z1, z2, z3, z4, zm});
        }
    }
}

void ContourTracer::trace(double h, std::vector<ContourSegment>& out) const {
    if (m_low.empty() || !std::isfinite(h)) return;
    const int cx = m_grid.nx - 1, cy = m_grid.ny - 1;
    const double* low = m_low.data();
    const double* high = m_high.data();
    std::size_t c = 0;
    for (int j = 0; j < cy; ++j)
        for (int i = 0; i < cx; ++i, ++c)
            if (!(h < low[c] || h > high[c])) traceCell(i, j, h, out);
}

void ContourTracer::traceCell(int i, int j, double h, std::vector<ContourSegment>& out) const {
    const GridView& g = m_grid;
    const double x1 = g.x[i], x2 = g.x[i + 1], y1 = g.y[j], y2 = g.y[j + 1];
    const double z1 = g.at(i, j), z2 = g.at(i + 1, j), z3 = g.at(i + 1, j + 1), z4 = g.at(i, j + 1);
    const Corner corners[4] = {{x1, y1, z1}, {x2, y1, z2}, {x2, y2, z3}, {x1, y2, z4}};
    const Corner m{0.5 * (x1 + x2), 0.5 * (y1 + y2), centreValue(z1, z2, z3, z4)};
    // Squared gradient of the cell, in its own terms.
    const double gx = (z2 + z3 - z1 - z4) / (x2 - x1);
    const double gy = (z3 + z4 - z1 - z2) / (y2 - y1);
    const double gradient = gx * gx + gy * gy;

    for (int t = 0; t < 4; ++t) {
        const Corner& a = corners[t];
        const Corner& b = corners[(t + 1) % 4];
        if ((a.z > h && b.z > h && m.z > h) || (a.z < h && b.z < h && m.z < h)) continue;
        if (a.z == h && b.z == h) {
            out.push_back({a.point(), b.point(), gradient});
            continue;
        }
        if (b.z == h && m.z == h) {
            out.push_back({b.point(), m.point(), gradient});
            continue;
        }
        if (a.z == h && m.z == h) {
            out.push_back({a.point(), m.point(), gradient});
            continue;
        }
        // The crossings on the edges m-a, a-b, b-m; the segment joins the last two counted. Each
        // edge is measured from its lower end, so that the two triangles (or cells) sharing an
        // edge find the very same crossing and their pieces meet exactly. A corner at the level
        // is a crossing of both its edges but counts once: else the last two could be that
        // corner twice, and the line would have a gap there.
        const Corner* edges[3][2] = {{&m, &a}, {&a, &b}, {&b, &m}};
        ContourPoint found[3];
        int count = 0;
        for (const auto& edge : edges) {
            const bool up = edge[0]->z < edge[1]->z;
            const Corner& s = up ? *edge[0] : *edge[1];
            const Corner& e = up ? *edge[1] : *edge[0];
            const double dz = e.z - s.z;
            if (!(dz > m_edgeThreshold)) continue;
            const double u = (h - s.z) / dz;
            if (u < 0 || u > 1) continue;
            const ContourPoint p = u == 0   ? s.point()
                                   : u == 1 ? e.point()
                                            : ContourPoint{s.x + u * (e.x - s.x), s.y + u * (e.y - s.y)};
            if (std::find(found, found + count, p) == found + count) found[count++] = p;
        }
        if (count >= 2) out.push_back({found[count - 2], found[count - 1], gradient});
    }
}

} // namespace brelt::chart
