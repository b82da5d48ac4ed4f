// Drawing checked by pixels where the geometry says they must be: series row, frame, background,
// gradient bands, legend box with its frame and shadow, and titles.
#include "chart/data/series.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_title.h"
#include "chart/view/series_legend.h"

#include "support/case_names.h"

#include <gtest/gtest.h>

using namespace brelt::chart;

namespace {

QColor pixel(const TGraph& graph, int x, int y) {
    return graph.image().pixelColor(x, y);
}

TSeries* horizontalSeries(TGraph& graph, double y, TColor color = clRed) {
    auto series = std::make_unique<TSeries>(&graph, QStringLiteral("level"), SeriesStyle::Line, color);
    for (int i = 0; i <= 10; ++i)
        series->AddPoint(color, QString(), i / 10.0, y);
    return static_cast<TSeries*>(graph.AddLayer(std::move(series)));
}

class GraphDraw : public ::testing::Test {
protected:
    void SetUp() override {
        graph.SetImageSize(QSize(500, 400));
        graph.SetBackColor(clSilver);
    }
    TGraph graph;
};

} // namespace

TEST_F(GraphDraw, HorizontalSeriesLightsItsRow) {
    // Two lines keep the Y range wide; the one at 0.5 must light the row YToPixel(0.5).
    horizontalSeries(graph, 0.5);
    horizontalSeries(graph, 0.0, clBlue)->SetVisible(true);
    horizontalSeries(graph, 1.0, clBlue);
    graph.Draw();
    const int y = graph.YToPixel(0.5);
    const int x = graph.XToPixel(0.55); // between two points of the line
    // Smoothed, the line shares one row's worth of ink between the rows at its exact height; the
    // old look lights the nearest row alone.
    int ink = 0;
    for (int row = y - 1; row <= y + 1; ++row) {
        EXPECT_EQ(pixel(graph, x, row).red(), 255);
        ink += 255 - pixel(graph, x, row).green();
    }
    EXPECT_NEAR(ink, 255, 8);
    EXPECT_EQ(pixel(graph, x, y - 3), QColor(Qt::white)); // the plot area
    graph.SetAntialiased(false);
    graph.Draw();
    EXPECT_EQ(pixel(graph, x, y), QColor(Qt::red));
    EXPECT_EQ(pixel(graph, x, y - 1), QColor(Qt::white));
    EXPECT_EQ(pixel(graph, x, y + 1), QColor(Qt::white));
}

TEST_F(GraphDraw, BackgroundFrameAndPlotArea) {
    graph.Draw();
    const QRect r = graph.GetPlotRect();
    EXPECT_EQ(pixel(graph, 2, 2), toQColor(clSilver));
    // The frame colour is the plot area's (white), so its lines are white darkened by 128.
    EXPECT_EQ(pixel(graph, r.right(), (r.top() + r.bottom()) / 2), QColor(127, 127, 127));
    EXPECT_EQ(pixel(graph, (r.left() + r.right()) / 2, r.top()), QColor(127, 127, 127));
    EXPECT_EQ(pixel(graph, (r.left() + r.right()) / 2, (r.top() + r.bottom()) / 2), QColor(Qt::white));
}

TEST_F(GraphDraw, WideFrameDrawsBandsInItsColour) {
    graph.Frame().Width = 3;
    graph.Frame().Color = clBlue;
    graph.Draw();
    const QRect r = graph.GetPlotRect();
    const int w = graph.framePixelWidth();
    ASSERT_GE(w, 3);
    // Top and right bands (the axes draw over the left and bottom ones).
    EXPECT_EQ(pixel(graph, r.right() + w, (r.top() + r.bottom()) / 2), QColor(Qt::blue));
    EXPECT_EQ(pixel(graph, (r.left() + r.right()) / 2 + 1, r.top() - w), QColor(Qt::blue))
        << pixel(graph, (r.left() + r.right()) / 2 + 1, r.top() - w).name().toStdString() << " w " << w;
    EXPECT_NE(pixel(graph, r.right() + w + 1, (r.top() + r.bottom()) / 2), QColor(Qt::blue));
}

TEST_F(GraphDraw, GradientRunsFromEndColourToStartColour) {
    graph.Gradient().Style = TGradientStyle::gsLeftRight;
    graph.Gradient().StartColor = clWhite;
    graph.Gradient().EndColor = clBlack;
    graph.Draw();
    EXPECT_EQ(pixel(graph, 0, 1), QColor(Qt::black));
    EXPECT_EQ(pixel(graph, 499, 1), QColor(Qt::white));
    const int mid = pixel(graph, 250, 1).red();
    EXPECT_GT(mid, 100);
    EXPECT_LT(mid, 155);
}

TEST_F(GraphDraw, LegendBoxWithFrameAndShadow) {
    TSeries* s = horizontalSeries(graph, 0.5);
    graph.addLineLegend(*s);
    graph.Draw();
    const QRect box = graph.Legend().box();
    ASSERT_FALSE(box.isNull());
    // The box stands right of the plot.
    EXPECT_GT(box.left(), graph.GetPlotRect().right());
    const int midY = (box.top() + box.bottom()) / 2;
    EXPECT_EQ(pixel(graph, box.left(), midY), QColor(Qt::black));                  // outline
    EXPECT_EQ(pixel(graph, box.right() + 2, midY), QColor(Qt::black));             // shadow
    EXPECT_EQ(pixel(graph, box.left() + 2, box.top() + 2), QColor(Qt::white));     // fill
    EXPECT_EQ(pixel(graph, box.left() + 1, box.bottom() + 2), toQColor(clSilver)); // no shadow at the left
    // The sample line of the entry is red.
    const int field = graph.Legend().entry(0)->position().x();
    bool red = false;
    for (int x = field; x < field + 40 && !red; ++x)
        for (int y = box.top(); y <= box.bottom(); ++y)
            red = red || pixel(graph, x, y) == QColor(Qt::red);
    EXPECT_TRUE(red);
}

TEST_F(GraphDraw, TransparentLegendShowsWhatIsBehind) {
    TSeries* s = horizontalSeries(graph, 0.5);
    graph.addLineLegend(*s);
    graph.Legend().TransparentBackGround = true;
    graph.Legend().ShadowVisible = false;
    graph.Draw();
    const QRect box = graph.Legend().box();
    EXPECT_EQ(pixel(graph, box.left() + 2, box.top() + 2), toQColor(clSilver));
}

TEST_F(GraphDraw, LegendOfInvisibleSeriesTakesNoSpace) {
    graph.Draw();
    const QRect without = graph.GetPlotRect();
    TSeries* s = horizontalSeries(graph, 0.5);
    graph.addLineLegend(*s);
    s->SetVisible(false);
    graph.Draw();
    EXPECT_TRUE(graph.Legend().box().isNull());
    EXPECT_EQ(graph.GetPlotRect().right(), without.right());
}

TEST_F(GraphDraw, LegendStylesReserveTheirSide) {
    TSeries* s = horizontalSeries(graph, 0.5);
    graph.addLineLegend(*s);
    struct Case {
        TLegendStyle style;
        bool (*placed)(const QRect& box, const QRect& plot);
    };
    const Case cases[] = {
        {TLegendStyle::lsRight, [](const QRect& b, const QRect& p) { return b.left() > p.right(); }},
        {TLegendStyle::lsLeft, [](const QRect& b, const QRect& p) { return b.right() < p.left(); }},
        {TLegendStyle::lsBottom, [](const QRect& b, const QRect& p) { return b.top() > p.bottom(); }},
        {TLegendStyle::lsTop, [](const QRect& b, const QRect& p) { return b.bottom() < p.top(); }},
        {TLegendStyle::lsInside, [](const QRect& b, const QRect& p) { return p.contains(b.topLeft()); }},
    };
    for (const Case& c : cases) {
        graph.Legend().Style = c.style;
        const ChartRanges rg = graph.ranges();
        graph.Legend().InsideX = rg.left + 0.1 * (rg.right - rg.left);
        graph.Legend().InsideY = rg.top - 0.1 * (rg.top - rg.bottom);
        graph.Draw();
        const QRect b = graph.Legend().box(), p = graph.GetPlotRect();
        EXPECT_TRUE(c.placed(b, p)) << static_cast<int>(c.style) << " box " << b.left() << "," << b.top()
                                    << " plot " << p.left() << "," << p.top() << "," << p.right() << ","
                                    << p.bottom();
    }
}

TEST_F(GraphDraw, TitleReservesItsLinesAtTheTop) {
    graph.Draw();
    const int topWithout = graph.GetPlotRect().top();
    graph.Title().SetText(QStringLiteral("First#Second"));
    graph.Title().Font.color = clBlue;
    graph.Draw();
    EXPECT_GT(graph.GetPlotRect().top(), topWithout - 20); // 1 % gap instead of 5 % plus two lines
    const QRect band = graph.Title().band();
    int blue = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = 0; x < 500; ++x)
            blue += pixel(graph, x, y).blue() > 150 && pixel(graph, x, y).red() < 100;
    EXPECT_GT(blue, 10);
}

struct TitleTextCase {
    const char* set;
    int lines;
    const char* readBack;
};

// The case as ctest lists it.
[[maybe_unused]] void PrintTo(const TitleTextCase& c, std::ostream* os) {
    *os << brelt::testing::caseName(c.set);
}

class TitleText : public ::testing::TestWithParam<TitleTextCase> {};

TEST_P(TitleText, LinesSeparatedByHash) {
    TGraphTitle title(nullptr);
    title.SetText(QString::fromUtf8(GetParam().set));
    EXPECT_EQ(title.lines().size(), GetParam().lines);
    EXPECT_EQ(title.Text(), QString::fromUtf8(GetParam().readBack));
}

INSTANTIATE_TEST_SUITE_P(Titles, TitleText,
                         ::testing::Values(TitleTextCase{"Damped#sine", 2, "Damped#sine#"},
                                           TitleTextCase{"Damped#sine#", 2, "Damped#sine#"},
                                           TitleTextCase{"One", 1, "One#"}, TitleTextCase{"", 0, ""},
                                           TitleTextCase{"a##b", 3, "a##b#"}));

TEST_F(GraphDraw, DrawOntoAnotherDeviceKeepsTheScreenLayout) {
    graph.Draw();
    const QRect screen = graph.GetPlotRect();
    QImage big(1000, 800, QImage::Format_ARGB32_Premultiplied);
    graph.DrawTo(big, QRect(QPoint(0, 0), QPoint(1000, 800)), OutputKind::Picture);
    EXPECT_EQ(graph.GetPlotRect(), screen);
    EXPECT_EQ(big.pixelColor(2, 2), toQColor(clSilver));
    // On paper the background is white.
    graph.DrawTo(big, QRect(QPoint(0, 0), QPoint(1000, 800)), OutputKind::Printer);
    EXPECT_EQ(big.pixelColor(2, 2), QColor(Qt::white));
}
