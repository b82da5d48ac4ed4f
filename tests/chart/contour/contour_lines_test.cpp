// Levels and lines of the contour layer: the level values, straight lines of a plane, a level
// along grid edges, closed bowls, labels, and grids that only a scaled tolerance keeps whole.
#include "contour_grid.h"

#include "chart/contour/color_scale.h"
#include "chart/contour/contour_levels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brelt::chart {
namespace {

using test::contourOf;
using test::levelsOf;
using test::steps;

struct LevelCase {
    const char* name;
    double zFrom, zTo;
    int points, count;
    std::vector<double> levels;
    double step;
};

class Levels : public ::testing::TestWithParam<LevelCase> {};

TEST_P(Levels, HalfStepsAboveTheMinimum) {
    const LevelCase& c = GetParam();
    // z runs along X from zFrom to zTo: every level is one vertical line.
    const double a = c.zFrom, b = c.zTo;
    auto contour = contourOf([&](double x, double) { return a + (b - a) * x; }, steps(0, 1, c.points),
                             steps(0, 1, 3), c.count);
    EXPECT_EQ(levelsOf(*contour), c.levels);
    EXPECT_EQ(contour->Lines().size(), c.levels.size());
    EXPECT_EQ(contour->LevelStep(), c.step);
    EXPECT_EQ(contour->LevelMin(), a);
    EXPECT_EQ(contour->LevelMax(), b);
}

INSTANTIATE_TEST_SUITE_P(
    Contour, Levels,
    ::testing::Values(
        LevelCase{"one_on_0_10", 0, 10, 11, 1, {2.5}, 5},
        LevelCase{"ten_on_0_11", 0, 11, 12, 10, {0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5, 8.5, 9.5}, 1},
        // The step 1/3 kept with 11 digits; each level read back from 12 digits.
        LevelCase{"twelve_digits", 0, 1, 12, 2, {0.166666666665, 0.499999999995}, 0.33333333333},
        LevelCase{"flat", 3, 3, 5, 5, {}, 0}, LevelCase{"nearly_flat_at_one", 1, 1 + 5e-6, 5, 3, {}, 0},
        // Small values are not flat: they get their levels.
        LevelCase{"small_values",
                  0,
                  11e-9,
                  12,
                  10,
                  {0.5e-9, 1.5e-9, 2.5e-9, 3.5e-9, 4.5e-9, 5.5e-9, 6.5e-9, 7.5e-9, 8.5e-9, 9.5e-9},
                  1e-9}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ContourLines, PlaneGivesOneStraightPolylinePerLevel) {
    auto c = contourOf([](double x, double) { return x; }, {0, 1, 2}, {0, 1, 2}, 3);
    ASSERT_EQ(levelsOf(*c), (std::vector<double>{0.25, 0.75, 1.25}));
    ASSERT_EQ(c->Lines().size(), 3u);
    for (const auto& line : c->Lines()) {
        // Three pieces a cell, two cells: y 0, .25, .75, 1, 1.25, 1.75, 2 or the other way.
        ASSERT_EQ(line->points.size(), 7u);
        EXPECT_EQ(std::min(line->start.y, line->end.y), 0);
        EXPECT_EQ(std::max(line->start.y, line->end.y), 2);
        for (const ContourPoint& p : line->points)
            EXPECT_NEAR(p.x, line->level, 1e-12);
    }
    ASSERT_EQ(c->Labels().size(), 3u);
    EXPECT_EQ(c->Labels()[0]->text(), QStringLiteral("0.25"));
    EXPECT_EQ(c->Labels()[2]->text(), QStringLiteral("1.25"));
    EXPECT_EQ(c->Labels()[0]->angle(), -90);
}

struct EdgeCase {
    const char* name;
    bool alongY; // the level lies on the grid line X = 1 (else Y = 1)
};

class LevelOnAGridLine : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(LevelOnAGridLine, BothNeighbourCellsGiveOneLine) {
    const bool alongY = GetParam().alongY;
    auto c = contourOf([alongY](double x, double y) { return alongY ? x : y; }, {0, 1, 2}, {0, 1, 2}, 1);
    const auto lines = c->traceLevel(1.0);
    ASSERT_EQ(lines.size(), 1u);
    std::vector<ContourPoint> expected = alongY ? std::vector<ContourPoint>{{1, 0}, {1, 1}, {1, 2}}
                                                : std::vector<ContourPoint>{{0, 1}, {1, 1}, {2, 1}};
    std::vector<ContourPoint> points = lines[0]->points;
    if (points.front() != expected.front()) std::reverse(points.begin(), points.end());
    EXPECT_EQ(points, expected);
}

INSTANTIATE_TEST_SUITE_P(Contour, LevelOnAGridLine,
                         ::testing::Values(EdgeCase{"vertical", true}, EdgeCase{"horizontal", false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ContourLines, BowlGivesClosedCirclesThroughGridPoints) {
    // Levels 1, 3, 5 on a 0.2 grid: the circle of level 1 passes through four grid points. The
    // circle of level 5 is larger than the grid: four arcs from border to border.
    auto c =
        contourOf([](double x, double y) { return x * x + y * y; }, steps(-2, 2, 21), steps(-2, 2, 21), 3);
    ASSERT_EQ(levelsOf(*c), (std::vector<double>{1, 3, 5}));
    ASSERT_EQ(c->Lines().size(), 6u);
    for (const auto& line : c->Lines()) {
        if (line->level < 4) {
            EXPECT_EQ(line->start, line->end) << "level " << line->level;
            EXPECT_GT(line->points.size(), 60u);
        } else {
            EXPECT_EQ(std::max(std::fabs(line->start.x), std::fabs(line->start.y)), 2);
            EXPECT_EQ(std::max(std::fabs(line->end.x), std::fabs(line->end.y)), 2);
        }
        for (const ContourPoint& p : line->points)
            EXPECT_NEAR(std::hypot(p.x, p.y), std::sqrt(line->level), 0.02);
    }
}

TEST(ContourLines, LevelZeroHasNoLabel) {
    auto c = contourOf([](double x, double) { return x; }, steps(-1.5, 1.5, 4), {0, 1}, 2);
    ASSERT_EQ(levelsOf(*c), (std::vector<double>{-1, 0}));
    ASSERT_EQ(c->Labels().size(), 1u);
    EXPECT_EQ(c->Labels()[0]->text(), QStringLiteral("-1.00"));
    EXPECT_EQ(c->Labels()[0]->line()->level, -1);
}

TEST(ContourLines, ArcsEndingOnOneBorderAreAllKept) {
    // A dome cut by the line X = 0: the contours inside the grid are arcs with both ends on that
    // border, the inner one within the span of the outer one, which was traced first.
    auto c =
        contourOf([](double x, double y) { return -(x * x + y * y); }, steps(0, 2, 21), steps(-2, 2, 41), 5);
    int inside = 0;
    for (double level : levelsOf(*c)) {
        if (level <= -4) continue; // larger than the grid's half disc
        ++inside;
        int arcs = 0;
        for (const auto& line : c->Lines()) {
            if (line->level != level) continue;
            ++arcs;
            EXPECT_EQ(line->start.x, 0);
            EXPECT_EQ(line->end.x, 0);
        }
        EXPECT_EQ(arcs, 1) << "level " << level;
    }
    EXPECT_EQ(inside, 2);
}

TEST(ContourLines, AFineGridDrawsWhatItsUnitCopyDraws) {
    auto bowl = [](double scale) {
        return [scale](double x, double y) { return (x * x + y * y) / (scale * scale); };
    };
    auto unit = contourOf(bowl(1), steps(-2, 2, 41), steps(-2, 2, 41), 4);
    auto fine = contourOf(bowl(1e-4), steps(-2e-4, 2e-4, 41), steps(-2e-4, 2e-4, 41), 4);
    ASSERT_EQ(unit->Lines().size(), 7u); // two circles, four arcs, the circle touching the borders
    ASSERT_EQ(fine->Lines().size(), unit->Lines().size());
    for (std::size_t k = 0; k < unit->Lines().size(); ++k) {
        EXPECT_EQ(fine->Lines()[k]->level, unit->Lines()[k]->level);
        EXPECT_EQ(fine->Lines()[k]->points.size(), unit->Lines()[k]->points.size());
    }
}

TEST(ContourLines, ShadeModeGeneratesNothingAndSetsTheCutOffs) {
    ColorScale& scale = programColorScale();
    scale.setUpperCutOff(99, true);
    auto c = contourOf([](double x, double y) { return x + y; }, steps(0, 1, 5), steps(0, 2, 5), 1, true);
    EXPECT_TRUE(c->Lines().empty());
    EXPECT_FALSE(c->LabelsVisible());
    EXPECT_EQ(scale.upperCutOff(), 3);
    EXPECT_FALSE(scale.useUpperCutOff());
    EXPECT_EQ(scale.lowerCutOff(), 0);
    EXPECT_EQ(c->ZMax(), 3);
    EXPECT_EQ(c->scaleRange(), std::make_pair(3.0, 0.0));
    c->SetColorShade(false);
    EXPECT_EQ(c->Lines().size(), 1u);
    EXPECT_TRUE(c->LabelsVisible());
}

TEST(ContourLines, AHoleInTheGridLeavesOutItsCellsOnly) {
    // A value that is not a number: the four cells around it draw nothing, the others their part.
    auto c = contourOf([](double x, double y) { return x == 2 && y == 2 ? std::nan("") : x; }, steps(0, 4, 5),
                       steps(0, 4, 5), 1);
    EXPECT_EQ(c->ZMax(), 4);
    const auto lines = c->traceLevel(2.5);
    ASSERT_EQ(lines.size(), 2u); // the line X = 2.5 cut by the hole's cells, Y 1 .. 3
    for (const auto& line : lines)
        for (const ContourPoint& p : line->points)
            EXPECT_TRUE(p.y <= 1 || p.y >= 3) << p.y;
}

TEST(ContourLines, AGridWhosePartsDoNotFitHasNoLines) {
    TMatrix z(3, 2);
    TVector y(3), x(3); // the matrix wants 2 Y values
    for (int i = 1; i <= 3; ++i)
        x.set(i, i), y.set(i, i), z.set(i, 1, i), z.set(i, 2, i);
    TContour c(nullptr, false, 5, z, y, x);
    EXPECT_TRUE(c.Lines().empty());
    EXPECT_EQ(c.Count(), 0);
    EXPECT_TRUE(std::isnan(c.ValueAt(1, 1)));
}

} // namespace
} // namespace brelt::chart
