// The information bubble (a press removes it), legend dragging inside the plot, the contour and
// colour legends, and the 3D view's frame box.
#include "chart/data/series.h"
#include "chart/view/color_legend.h"
#include "chart/view/graph.h"
#include "chart/view/graph_info.h"
#include "chart/view/series_legend.h"

#include "support/case_names.h"

#include <gtest/gtest.h>

using namespace brelt::chart;

namespace {

TSeries* line(TGraph& graph, TColor color = clRed) {
    auto series = std::make_unique<TSeries>(&graph, QStringLiteral("line"), SeriesStyle::Line, color);
    series->AddPoint(color, QString(), 0, 0);
    series->AddPoint(color, QString(), 10, 10);
    return static_cast<TSeries*>(graph.AddLayer(std::move(series)));
}

int countColor(const QImage& image, const QRect& area, const QColor& color) {
    int n = 0;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

} // namespace

TEST(InfoBubble, ShowsThePickAndAPressRemovesIt) {
    TGraph graph;
    graph.SetImageSize(QSize(500, 400));
    TSeries* s = line(graph);
    graph.showInfo(*s, 1);
    ASSERT_EQ(graph.Info().Count(), 1);
    const QStringList lines = graph.Info().bubbleLines(graph.Info().locations()[0]);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("line"), QStringLiteral("X=10"), QStringLiteral("Y=10")}));
    const QRect bubble = graph.Info().bubbleRect(0);
    ASSERT_FALSE(bubble.isNull());
    EXPECT_GT(countColor(graph.image(), bubble.adjusted(3, 3, -3, -3), toQColor(graph.Info().Color)), 20);
    graph.MouseDown(MouseButton::Left, 0, bubble.center().x(), bubble.center().y());
    EXPECT_EQ(graph.Info().Count(), 0);
    EXPECT_EQ(countColor(graph.image(), bubble.adjusted(3, 3, -3, -3), toQColor(graph.Info().Color)), 0);
}

TEST(InfoBubble, PickOfADeletedSeriesIsDropped) {
    TGraph graph;
    graph.SetImageSize(QSize(300, 200));
    TSeries* s = line(graph);
    graph.showInfo(*s, 0);
    graph.DeleteLayer(0);
    graph.Draw();
    EXPECT_EQ(graph.Info().Count(), 0);
}

TEST(LegendDrag, InsideLegendFollowsTheMouse) {
    TGraph graph;
    graph.SetImageSize(QSize(500, 400));
    graph.addLineLegend(*line(graph));
    graph.Legend().Style = TLegendStyle::lsInside;
    graph.Legend().InsideX = 1;
    graph.Legend().InsideY = 9;
    graph.Draw();
    const QRect before = graph.Legend().box();
    ASSERT_FALSE(before.isNull());
    const QPoint grip = before.center();
    graph.MouseDown(MouseButton::Left, 0, grip.x(), grip.y());
    graph.MouseMove(0, grip.x() + 40, grip.y() + 30);
    graph.MouseUp(MouseButton::Left, 0, grip.x() + 40, grip.y() + 30);
    const QRect after = graph.Legend().box();
    EXPECT_NEAR(after.left() - before.left(), 40, 1);
    EXPECT_NEAR(after.top() - before.top(), 30, 1);
    EXPECT_FALSE(graph.Legend().dragging());
}

TEST(ContourLegend, ThreeNestedEllipses) {
    TGraph graph;
    graph.SetImageSize(QSize(500, 400));
    line(graph);
    graph.Legend().AddContourEntry(QStringLiteral("sin(X*Y)"));
    graph.Draw();
    const QRect box = graph.Legend().box();
    ASSERT_FALSE(box.isNull());
    EXPECT_GT(countColor(graph.image(), box, QColor(Qt::red)), 3);
    EXPECT_GT(countColor(graph.image(), box, QColor(0, 128, 0)), 3);
    EXPECT_GT(countColor(graph.image(), box, QColor(Qt::blue)), 3);
}

struct ValueTextCase {
    double value;
    const char* text;
};

// The case as ctest lists it.
[[maybe_unused]] void PrintTo(const ValueTextCase& c, std::ostream* os) {
    *os << brelt::testing::caseName(c.text);
}

class ColorLegendText : public ::testing::TestWithParam<ValueTextCase> {};

TEST_P(ColorLegendText, TenFiveG) {
    EXPECT_EQ(TColorLegend::valueText(GetParam().value), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, ColorLegendText,
                         ::testing::Values(ValueTextCase{0.0, "0"}, ValueTextCase{1.5, "1.5"},
                                           ValueTextCase{123456.0, "1.2346e+05"},
                                           ValueTextCase{-0.000123456, "-0.00012346"}));

TEST(ColorLegend, CellsBesideThePlot) {
    TGraph graph;
    graph.SetImageSize(QSize(500, 400));
    graph.Draw();
    const QRect without = graph.GetPlotRect();
    graph.ColorLegend().setCells({{0.0, clBlue}, {0.5, clLime}, {1.0, clRed}});
    graph.Draw();
    const QRect box = graph.ColorLegend().box();
    ASSERT_FALSE(box.isNull());
    EXPECT_LT(graph.GetPlotRect().right(), without.right());
    EXPECT_GT(box.left(), graph.GetPlotRect().right());
    // The highest level on top.
    EXPECT_EQ(graph.image().pixelColor(box.left() + 3, box.top() + 3), QColor(Qt::red));
    EXPECT_EQ(graph.image().pixelColor(box.left() + 3, box.bottom() - 3), QColor(Qt::blue));
}

TEST(View3D, DepthMovesThePlotAndDrawsTheBox) {
    TGraph graph;
    graph.SetImageSize(QSize(600, 400));
    line(graph);
    graph.Draw();
    const QRect flat = graph.GetPlotRect();
    graph.SetView3D(10);
    graph.Draw();
    const int d = graph.depth3D();
    EXPECT_GT(d, 10);
    const QRect deep = graph.GetPlotRect();
    EXPECT_LT(deep.right(), flat.right());
    EXPECT_GT(deep.top(), flat.top());
    // The left wall is the plot colour darkened by 100.
    const QPoint wall(deep.left() + d / 2, (deep.top() + deep.bottom()) / 2 - d / 2);
    EXPECT_EQ(graph.image().pixelColor(wall), toQColor(darken(clWhite, 100)));
    graph.SetView3D(0);
    graph.Draw();
    EXPECT_EQ(graph.depth3D(), 0);
    // The flat tick presets differ from the first ones (longer X ticks, the Y length kept), so only
    // the depth's share comes back exactly.
    EXPECT_EQ(graph.GetPlotRect().right(), flat.right());
    EXPECT_EQ(graph.GetPlotRect().top(), flat.top());
}

TEST(DrawingFlag, NestedDrawIsIgnored) {
    TGraph graph;
    graph.SetImageSize(QSize(300, 200));
    int calls = 0;
    graph.setBeforeDraw([&calls](TGraph& g) {
        ++calls;
        g.Draw(); // must return at once
    });
    graph.Draw();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(graph.isDrawing());
}
