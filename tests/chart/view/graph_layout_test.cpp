// Layout, transforms and the chart-wide rules (free colour and marker, marker size, ranges).
#include "chart/data/series.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/series_legend.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace brelt::chart;

namespace {

TSeries* addSeries(TGraph& graph, std::initializer_list<std::pair<double, double>> points,
                   TColor color = clRed, SeriesStyle style = SeriesStyle::Line) {
    auto series = std::make_unique<TSeries>(&graph, QStringLiteral("s"), style, color);
    for (const auto& [x, y] : points)
        series->AddPoint(color, QString(), x, y);
    return static_cast<TSeries*>(graph.AddLayer(std::move(series)));
}

int width(const QRect& r) {
    return r.right() - r.left();
}
int height(const QRect& r) {
    return r.bottom() - r.top();
}

} // namespace

TEST(GraphLayout, EmptyChartDrawsOverZeroToOne) {
    TGraph graph;
    graph.SetImageSize(QSize(400, 300));
    graph.Draw();
    EXPECT_DOUBLE_EQ(graph.ranges().left, 0.0);
    EXPECT_DOUBLE_EQ(graph.ranges().right, 1.0);
    EXPECT_DOUBLE_EQ(graph.ranges().bottom, 0.0);
    EXPECT_DOUBLE_EQ(graph.ranges().top, 1.0);
    EXPECT_FALSE(graph.isDrawing());
}

TEST(GraphLayout, TransformsMapRangeEndsToPlotEdges) {
    TGraph graph;
    graph.SetImageSize(QSize(640, 480));
    graph.Draw();
    graph.SetRanges(-2, 10, 6, 30);
    const QRect r = graph.GetPlotRect();
    EXPECT_EQ(graph.XToPixel(-2), r.left());
    EXPECT_EQ(graph.XToPixel(6), r.right());
    EXPECT_EQ(graph.YToPixel(10), r.bottom());
    EXPECT_EQ(graph.YToPixel(30), r.top());
    EXPECT_NEAR(graph.PixelToX(r.left()), -2, 1e-12);
    EXPECT_NEAR(graph.PixelToY(r.top()), 30, 1e-12);
    // Far-away points stay in a safe pixel range.
    EXPECT_LE(std::abs(graph.XToPixel(1e300)), 4000000);
    EXPECT_LE(std::abs(graph.YToPixel(std::nan(""))), 4000000);
}

TEST(GraphLayout, ExaggerateLocksTheAspectAndCentres) {
    TGraph graph;
    graph.SetImageSize(QSize(800, 800));
    graph.Draw();
    graph.SetRanges(0, 0, 10, 5);
    const QRect free = graph.GetPlotRect();
    graph.SetExaggerate(1);
    graph.Layout();
    const QRect locked = graph.GetPlotRect();
    // One data unit of Y as long as one of X: twice as wide as high.
    EXPECT_NEAR(static_cast<double>(width(locked)) / height(locked), 2.0, 0.02);
    EXPECT_EQ(width(locked), width(free));
    EXPECT_NEAR((locked.top() + locked.bottom()) / 2.0, (free.top() + free.bottom()) / 2.0, 1.0);
    // Exaggerate 0.25: Y shrinks by four, so the rectangle is twice as high as wide and centred across.
    graph.SetExaggerate(4);
    graph.Layout();
    const QRect tall = graph.GetPlotRect();
    EXPECT_NEAR(static_cast<double>(height(tall)) / width(tall), 2.0, 0.02);
    EXPECT_NEAR((tall.left() + tall.right()) / 2.0, (free.left() + free.right()) / 2.0, 1.0);
}

TEST(GraphLayout, ZeroRangesAreWidenedByOne) {
    TGraph graph;
    graph.SetImageSize(QSize(300, 200));
    graph.SetRanges(3, 0, 3, 1);
    EXPECT_DOUBLE_EQ(graph.ranges().left, 2);
    EXPECT_DOUBLE_EQ(graph.ranges().right, 4);
}

TEST(GraphLayout, AllXEqualWidensTheXRange) {
    TGraph graph;
    graph.SetImageSize(QSize(400, 300));
    graph.SetClipMarkers(true);
    addSeries(graph, {{2, 1}, {2, 5}});
    graph.Draw();
    EXPECT_LT(graph.ranges().left, 2);
    EXPECT_GT(graph.ranges().right, 2);
}

TEST(GraphLayout, LogAxisClampsAtMinLogValue) {
    TGraph graph;
    graph.SetImageSize(QSize(400, 300));
    graph.YAxis().SetLog(true);
    graph.SetRanges(0, -10, 1, 3);
    EXPECT_EQ(graph.YToPixel(0), graph.YToPixel(1e-10));
    EXPECT_EQ(graph.YToPixel(-5), graph.GetPlotRect().bottom());
    EXPECT_EQ(graph.YToPixel(1000), graph.GetPlotRect().top());
}

TEST(GraphLayout, MarkerMarginsWidenAutomaticRanges) {
    TGraph graph;
    graph.SetImageSize(QSize(400, 300));
    TSeries* s = addSeries(graph, {{0, 0}, {10, 10}});
    s->setMarkerStyle(TMarkerStyle::msRect);
    graph.Draw();
    EXPECT_LT(graph.ranges().left, 0);
    EXPECT_GT(graph.ranges().right, 10);
    graph.SetClipMarkers(true);
    graph.Draw();
    EXPECT_DOUBLE_EQ(graph.ranges().left, 0);
    EXPECT_DOUBLE_EQ(graph.ranges().right, 10);
}

struct FreeColorCase {
    const char* name;
    std::vector<TColor> used;
    TColor plotColor;
    TColor expected;
};

// The case as ctest lists it.
[[maybe_unused]] void PrintTo(const FreeColorCase& c, std::ostream* os) {
    *os << c.name;
}

class FreeColorTest : public ::testing::TestWithParam<FreeColorCase> {};

TEST_P(FreeColorTest, FirstUnusedPaletteColour) {
    const FreeColorCase& c = GetParam();
    TGraph graph;
    graph.SetColor(c.plotColor);
    for (TColor used : c.used)
        addSeries(graph, {{0, 0}}, used);
    EXPECT_EQ(graph.FreeColor(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Palette, FreeColorTest,
    ::testing::Values(FreeColorCase{"EmptyChartGetsRed", {}, clWhite, clRed},
                      FreeColorCase{"AfterRedBlue", {clRed}, clWhite, clBlue},
                      FreeColorCase{"AfterRedAndBlueGreen", {clRed, clBlue}, clWhite, clGreen},
                      // The plot area's own colour is never handed out: the darker palette is searched.
                      FreeColorCase{"RedPlotAreaGetsDarkRed", {}, clRed, darken(clRed, 32)},
                      FreeColorCase{"AllUsedGetsDarkRed",
                                    {clRed, clBlue, clGreen, clTeal, clMaroon, clNavy, clPurple, clOlive,
                                     clSilver, clGray, clBlack, clFuchsia, clLime, clAqua, clYellow,
                                     rgbColor(206, 193, 168)},
                                    clWhite,
                                    darken(clRed, 32)}));

TEST(GraphRules, FreeMarkerSkipsUsedStyles) {
    TGraph graph;
    EXPECT_EQ(graph.FreeMarker(), TMarkerStyle::msRect);
    addSeries(graph, {{0, 0}})->setMarkerStyle(TMarkerStyle::msRect);
    EXPECT_EQ(graph.FreeMarker(), TMarkerStyle::msCircle);
    for (int style = 2; style <= 48; ++style)
        addSeries(graph, {{0, 0}})->setMarkerStyle(markerStyleFromInt(style));
    EXPECT_EQ(graph.FreeMarker(), TMarkerStyle::msRect); // all used
}

TEST(GraphRules, MaxMarkerSizeCountsVisibleSeriesOnly) {
    TGraph graph;
    EXPECT_EQ(graph.MaxMarkerSize(), 0);
    addSeries(graph, {{0, 0}})->setMarkerSize(6);
    TSeries* hidden = addSeries(graph, {{0, 0}});
    hidden->setMarkerSize(12);
    hidden->SetVisible(false);
    EXPECT_EQ(graph.MaxMarkerSize(), 6);
}

TEST(GraphRules, ClearFreesLayersAndLegendEntries) {
    TGraph graph;
    TSeries* s = addSeries(graph, {{0, 0}, {1, 1}});
    graph.addLineLegend(*s);
    EXPECT_EQ(graph.Legend().Count(), 1);
    graph.Clear();
    EXPECT_EQ(graph.LayerCount(), 0);
    EXPECT_EQ(graph.Legend().Count(), 0);
}

TEST(GraphRules, DeleteLayerHandsTheLayerBack) {
    TGraph graph;
    TSeries* s = addSeries(graph, {{0, 0}});
    std::unique_ptr<TLayer> taken = graph.DeleteLayer(0);
    EXPECT_EQ(taken.get(), s);
    EXPECT_EQ(graph.LayerCount(), 0);
    EXPECT_EQ(graph.DeleteLayer(5), nullptr);
}
