// The grid interpolation, the nearest segment, and the five edit actions, called directly and
// through the mouse with the cursor of each mode.
#include "chart/contour/grid_interpolation.h"
#include "chart/data/test_graph.h"
#include "contour_grid.h"

#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

using test::contourOf;
using test::levelsOf;
using test::steps;

auto plane = [](double x, double) { return x; };

struct InterpolationCase {
    double x, y, expected;
};

TEST(GridInterpolation, BilinearInsideAndFromTheBorderCellOutside) {
    // z = x^2 on X 0, 1, 2, 3 (and any Y): straight between the grid points, and the border
    // cells' lines carried on outside.
    const auto g = test::tabulate([](double x, double) { return x * x; }, {0, 1, 2, 3}, {0, 1});
    const GridView v{g.x.data(), 4, g.y.data(), 2, g.z.data()};
    const InterpolationCase cases[] = {{1.5, 0.5, 2.5}, {1, 0, 1},   {0, 1, 0},     {3, 0.3, 9},
                                       {4, 0, 14},      {-1, 0, -1}, {2.5, 7, 6.5}, {0.25, -3, 0.25}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(interpolateGrid(v, c.x, c.y), c.expected) << c.x << ", " << c.y;
}

TEST(GridInterpolation, ABilinearFunctionComesBackEverywhere) {
    auto f = [](double x, double y) { return 1 + 2 * x + 3 * y + 4 * x * y; };
    const auto g = test::tabulate(f, {0, 1, 3}, {0, 2, 3});
    const GridView v{g.x.data(), 3, g.y.data(), 3, g.z.data()};
    const std::pair<double, double> points[] = {{0.5, 1}, {2, 2.5}, {1, 2}, {-1, -1}, {5, 4}, {2, 10}};
    for (const auto& [x, y] : points)
        EXPECT_NEAR(interpolateGrid(v, x, y), f(x, y), 1e-12) << x << ", " << y;
}

TEST(NearestSegment, SmallestSumOfDistancesFirstFoundOnATie) {
    auto c = contourOf(plane, {0, 1, 2}, {0, 1, 2}, 3); // lines at X 0.25, 0.75, 1.25
    auto hit = c->NearestSegment(0.7, 1.1);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->line->level, 0.75);
    const ContourPoint& a = hit->line->points[static_cast<std::size_t>(hit->index)];
    const ContourPoint& b = hit->line->points[static_cast<std::size_t>(hit->index) + 1];
    EXPECT_LE(std::min(a.y, b.y), 1.1);
    EXPECT_GE(std::max(a.y, b.y), 1.1);
    // Halfway between the first two lines: the first line wins.
    hit = c->NearestSegment(0.5, 0.5);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->line->level, 0.25);
    auto flat = contourOf([](double, double) { return 1; }, {0, 1}, {0, 1}, 3);
    EXPECT_FALSE(flat->NearestSegment(0.5, 0.5));
}

TEST(ContourEdit, AddTracesTheLevelOfTheClickedPoint) {
    auto c = contourOf(plane, {0, 1, 2}, {0, 1, 2}, 3);
    c->AddContourAt(1.6, 1);
    EXPECT_EQ(levelsOf(*c), (std::vector<double>{0.25, 0.75, 1.25, 1.6}));
    ASSERT_EQ(c->Labels().size(), 4u);
    EXPECT_EQ(c->Labels().back()->text(), QStringLiteral("1.60"));
    c->AddContourAt(5, 1); // extrapolated beyond ZMax: nothing
    EXPECT_EQ(c->Lines().size(), 4u);
    auto shifted = contourOf([](double x, double) { return x - 1; }, {0, 1, 2}, {0, 1, 2}, 1);
    shifted->AddContourAt(1, 0.5); // level 0: a line without a label
    EXPECT_EQ(levelsOf(*shifted), (std::vector<double>{-0.5, 0}));
    EXPECT_EQ(shifted->Labels().size(), 1u);
}

TEST(ContourEdit, DeleteRemovesEveryPolylineOfTheLevel) {
    // Two wells: the lowest level is two loops, around (-1, 0) and (1, 0).
    auto c = contourOf([](double x, double y) { return (x * x - 1) * (x * x - 1) + y * y; }, steps(-2, 2, 41),
                       steps(-1, 1, 21), 9);
    const double lowest = levelsOf(*c).front();
    auto countOf = [&c](double level) {
        return std::count_if(c->Lines().begin(), c->Lines().end(),
                             [level](const auto& l) { return l->level == level; });
    };
    ASSERT_EQ(countOf(lowest), 2);
    const std::size_t others = c->Lines().size() - 2;
    c->DeleteContourAt(1, 0);
    EXPECT_EQ(countOf(lowest), 0);
    EXPECT_EQ(c->Lines().size(), others);
    for (const auto& label : c->Labels())
        EXPECT_NE(label->line()->level, lowest);
    // A lone polyline goes too.
    auto lone = contourOf(plane, {0, 1, 2}, {0, 1, 2}, 1);
    lone->DeleteContourAt(1, 1);
    EXPECT_TRUE(lone->Lines().empty());
    EXPECT_TRUE(lone->Labels().empty());
    lone->DeleteContourAt(1, 1); // nothing left: nothing happens
}

TEST(ContourEdit, MoveHideAndShowALabel) {
    auto c = contourOf(plane, {0, 1, 2}, {0, 1, 2}, 3);
    TContourLabel* label = c->Labels()[1].get();
    ASSERT_EQ(label->line()->level, 0.75);
    c->MoveLabelTo(0.8, 1.9);
    EXPECT_EQ(std::max(label->y1(), label->y2()), 2);
    EXPECT_EQ(std::min(label->y1(), label->y2()), 1.75);
    EXPECT_EQ(label->line()->labelSegment.y1, label->y1());
    c->HideLabelAt(0.8, 1);
    EXPECT_FALSE(label->Visible);
    c->ShowLabelAt(0.8, 0.1);
    EXPECT_TRUE(label->Visible);
    EXPECT_EQ(std::min(label->y1(), label->y2()), 0);
}

TEST(ContourEdit, MouseRunsTheModeAndRedraws) {
    test::TestGraph g;
    g.setRanges(0, 0, 2, 2);
    auto* c = g.add(contourOf(plane, {0, 1, 2}, {0, 1, 2}, 3, false, &g));
    const int px = g.XToPixel(0.75), py = g.YToPixel(1);
    EXPECT_FALSE(c->MouseDown(px, py, MouseButton::Left, 0)); // mode 0: nothing
    const std::pair<ContourEditMode, ChartCursor> cursors[] = {
        {ContourEditMode::AddContour, ChartCursor::SerAdd},
        {ContourEditMode::DeleteContour, ChartCursor::SerDel},
        {ContourEditMode::MoveLabel, ChartCursor::MoveIt},
        {ContourEditMode::ShowLabel, ChartCursor::SerAdd},
        {ContourEditMode::HideLabel, ChartCursor::SerDel}};
    for (const auto& [mode, cursor] : cursors) {
        c->SetEditMode(mode);
        EXPECT_TRUE(c->MouseMove(px, py, 0));
        EXPECT_EQ(g.cursor, cursor) << static_cast<int>(mode);
    }
    c->SetEditMode(ContourEditMode::DeleteContour);
    EXPECT_FALSE(c->MouseDown(px, py, MouseButton::Right, 0));
    EXPECT_FALSE(c->MouseDown(5, 5, MouseButton::Left, 0)); // outside the plot
    EXPECT_EQ(g.redraws, 0);
    EXPECT_TRUE(c->MouseDown(px, py, MouseButton::Left, 0));
    EXPECT_EQ(levelsOf(*c), (std::vector<double>{0.25, 1.25}));
    EXPECT_EQ(g.redraws, 1);
}

} // namespace
} // namespace brelt::chart
