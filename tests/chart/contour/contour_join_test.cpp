// The production joiner against the rules walked literally (reference_joiner.cpp): the same
// polylines, points, ends, label segments and list order on many random grids: smooth functions,
// plateaus and edges equal to a level, saddles through grid points, noise, uneven spacing, and
// tolerances from the usual one up to half a cell.
#include "chart/contour/contour_join.h"
#include "chart/contour/contour_levels.h"
#include "chart/contour/contour_trace.h"
#include "reference_joiner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

namespace brelt::chart {
namespace {

struct Grid {
    std::vector<double> x, y, z;
    GridView view() const {
        return {x.data(), static_cast<int>(x.size()), y.data(), static_cast<int>(y.size()), z.data()};
    }
};

enum class Kind { Smooth, Plateau, Saddle, Noise, IntegerNoise };

std::vector<double> axis(std::mt19937& rng, int n, bool uneven) {
    std::uniform_real_distribution<double> step(0.2, 1.8);
    std::vector<double> v(static_cast<std::size_t>(n));
    v[0] = -3;
    for (int i = 1; i < n; ++i)
        v[static_cast<std::size_t>(i)] = v[static_cast<std::size_t>(i - 1)] + (uneven ? step(rng) : 0.5);
    return v;
}

Grid makeGrid(std::mt19937& rng, Kind kind) {
    std::uniform_int_distribution<int> size(3, 22);
    std::uniform_real_distribution<double> u(-1, 1);
    Grid g;
    g.x = axis(rng, size(rng), rng() % 2 == 0);
    g.y = axis(rng, size(rng), rng() % 2 == 0);
    const double a = 1 + u(rng), b = 1 + u(rng), p = 3 * u(rng), q = 3 * u(rng), c = u(rng);
    const double x0 = g.x[g.x.size() / 2], y0 = g.y[g.y.size() / 3];
    for (double y : g.y)
        for (double x : g.x) {
            const double smooth = std::sin(a * x + p) * std::cos(b * y + q) + 0.2 * c * x * y;
            double z = smooth;
            switch (kind) {
            case Kind::Smooth: break;
            case Kind::Plateau: z = std::round(3 * smooth) / 3; break;
            case Kind::Saddle: z = (x - x0) * (y - y0) * (1 + 0.1 * c); break;
            case Kind::Noise: z = u(rng); break;
            case Kind::IntegerNoise: z = static_cast<double>(rng() % 4); break;
            }
            g.z.push_back(z);
        }
    // z is stored column by column: z[i + j nx] with i along X.
    return g;
}

// Half steps, and values the grid holds (plateaus, edges and corners at the level).
std::vector<double> levelsFor(std::mt19937& rng, const Grid& g) {
    const auto [lo, hi] = std::minmax_element(g.z.begin(), g.z.end());
    std::vector<double> levels = levelValues(*lo, *hi, 5);
    for (int k = 0; k < 3; ++k)
        levels.push_back(g.z[rng() % g.z.size()]);
    levels.push_back(0);
    return levels;
}

TEST(ContourJoin, ProductionJoinerEqualsTheRulesWalkedLiterally) {
    std::mt19937 rng(20240917);
    const Kind kinds[] = {Kind::Smooth, Kind::Plateau, Kind::Saddle, Kind::Noise, Kind::IntegerNoise};
    std::size_t polylines = 0, closed = 0, grids = 0;
    for (int round = 0; round < 120; ++round) {
        for (Kind kind : kinds) {
            const Grid g = makeGrid(rng, kind);
            ++grids;
            const ContourTracer tracer(g.view(), 1e-10);
            // The usual tolerance, and coarse ones that make far ends meet.
            const double coarse = (round % 3) * 0.25;
            const JoinTolerance tolerance{coarse > 0 ? coarse : joinToleranceOf(g.x),
                                          coarse > 0 ? coarse * 0.8 : joinToleranceOf(g.y)};
            for (double level : levelsFor(rng, g)) {
                std::vector<ContourSegment> pieces;
                tracer.trace(level, pieces);
                const std::vector<ContourPolyline> fast = joinPieces(pieces, level, tolerance);
                const std::vector<ContourPolyline> literal = test::referenceJoin(pieces, level, tolerance);
                ASSERT_EQ(fast.size(), literal.size()) << "grid " << grids << " level " << level;
                for (std::size_t k = 0; k < fast.size(); ++k) {
                    ASSERT_EQ(fast[k], literal[k]) << "grid " << grids << " level " << level << " line " << k;
                    closed += fast[k].points.size() > 3 && tolerance.meets(fast[k].start, fast[k].end);
                }
                polylines += fast.size();
            }
        }
    }
    // The cases are not empty: many lines, closed ones among them.
    EXPECT_GT(polylines, 5000u);
    EXPECT_GT(closed, 200u);
}

TEST(ContourJoin, AChainGrowsAtBothEndsAndBridgesTwoPolylines) {
    // Pieces out of order: two separate chains first, then the piece that bridges them.
    const JoinTolerance t;
    const std::vector<ContourSegment> pieces = {
        {{0, 0}, {1, 0}, 5}, {{3, 0}, {2, 0}, 2}, {{1, 0}, {2, 0}, 9}, {{-1, 0}, {0, 0}, 1}};
    const std::vector<ContourPolyline> lines = joinPieces(pieces, 0.5, t);
    ASSERT_EQ(lines.size(), 1u);
    // The bridge grows the first chain, which then joins the end of the second: the second's
    // record carries on, from its own start.
    const std::vector<ContourPoint> expected = {{3, 0}, {2, 0}, {1, 0}, {0, 0}, {-1, 0}};
    EXPECT_EQ(lines[0].points, expected);
    EXPECT_EQ(lines[0].start, (ContourPoint{3, 0}));
    EXPECT_EQ(lines[0].end, (ContourPoint{-1, 0}));
    EXPECT_EQ(lines[0].labelSegment.gradient, 1); // the flattest piece carries the label
    EXPECT_EQ(lines, test::referenceJoin(pieces, 0.5, t));
}

} // namespace
} // namespace brelt::chart
