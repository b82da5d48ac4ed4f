#pragma once
// Grids for the contour tests: f tabulated over X and Y points as the calculator fills them.
#include "chart/contour/contour.h"

#include <functional>
#include <memory>
#include <vector>

namespace brelt::chart::test {

inline std::vector<double> steps(double from, double to, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i)
        v.push_back(i == n - 1 ? to : from + i * (to - from) / (n - 1));
    return v;
}

struct TabulatedGrid {
    TVector x, y;
    TMatrix z;
};

inline TabulatedGrid tabulate(const std::function<double(double, double)>& f, const std::vector<double>& xs,
                              const std::vector<double>& ys) {
    const int nx = static_cast<int>(xs.size()), ny = static_cast<int>(ys.size());
    TabulatedGrid g{TVector(nx), TVector(ny), TMatrix(nx, ny)};
    for (int i = 1; i <= nx; ++i)
        g.x.set(i, xs[static_cast<std::size_t>(i - 1)]);
    for (int j = 1; j <= ny; ++j)
        g.y.set(j, ys[static_cast<std::size_t>(j - 1)]);
    for (int i = 1; i <= nx; ++i)
        for (int j = 1; j <= ny; ++j)
            g.z.set(i, j, f(g.x.get(i), g.y.get(j)));
    return g;
}

inline std::unique_ptr<TContour> contourOf(const std::function<double(double, double)>& f,
                                           const std::vector<double>& xs, const std::vector<double>& ys,
                                           int levels, bool shade = false, TGraphContext* graph = nullptr) {
    const TabulatedGrid g = tabulate(f, xs, ys);
    return std::make_unique<TContour>(graph, shade, levels, g.z, g.y, g.x);
}

// The distinct levels of a contour's lines, in the order they first appear.
inline std::vector<double> levelsOf(const TContour& c) {
    std::vector<double> levels;
    for (const auto& line : c.Lines())
        if (levels.empty() || levels.back() != line->level) levels.push_back(line->level);
    return levels;
}

} // namespace brelt::chart::test
