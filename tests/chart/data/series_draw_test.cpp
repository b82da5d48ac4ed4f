// Drawing checked by pixels: a series painted into a QImage through the test chart lights the
// pixels its geometry names. Plot rectangle (50, 20, 300 x 200); ranges 0..1 unless said.
#include "chart/data/bar_group.h"
#include "chart/data/series.h"
#include "test_graph.h"

#include <gtest/gtest.h>
#include <limits>

namespace brelt::chart {
namespace {

using test::TestGraph;

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

TSeries* addSeries(TestGraph& g, SeriesStyle style, std::initializer_list<WorldPoint> pts,
                   TColor color = clRed) {
    auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), style, color));
    for (const WorldPoint& p : pts)
        s->AddPoint(color, QString(), p.X, p.Y);
    return s;
}

TEST(SeriesDraw, HorizontalLineLightsItsRow) {
    TestGraph g;
    addSeries(g, SeriesStyle::Line, {{0, 0.5}, {0.25, 0.5}, {0.5, 0.5}, {0.75, 0.5}, {1, 0.5}});
    const QImage& img = g.drawAll();
    const int row = g.YToPixel(0.5);
    ASSERT_EQ(row, 120);
    for (int x = g.XToPixel(0); x < g.XToPixel(1); ++x) {
        ASSERT_EQ(img.pixel(x, row), kRed) << "x " << x;
        ASSERT_EQ(img.pixel(x, row - 1), kWhite) << "x " << x;
        ASSERT_EQ(img.pixel(x, row + 1), kWhite) << "x " << x;
    }
}

TEST(SeriesDraw, LineOnLogAxis) {
    TestGraph g;
    g.setLog(false, true);
    g.setRanges(0, 0, 1, 2); // 1 .. 100
    addSeries(g, SeriesStyle::Line, {{0, 10}, {1, 10}});
    const QImage& img = g.drawAll();
    EXPECT_EQ(g.YToPixel(10), 120);
    EXPECT_EQ(img.pixel(200, 120), kRed);
    EXPECT_EQ(img.pixel(200, 119), kWhite);
}

TEST(SeriesDraw, DiagonalLineHitsBothEnds) {
    TestGraph g;
    addSeries(g, SeriesStyle::Line, {{0, 0}, {1, 1}});
    const QImage& img = g.drawAll();
    EXPECT_EQ(img.pixel(g.XToPixel(0.5), g.YToPixel(0.5)), kRed);
    EXPECT_EQ(img.pixel(60, 60), kWhite);
}

TEST(SeriesDraw, MarkersSitOnTheirPointsAtTheirSteps) {
    TestGraph g;
    auto* s = addSeries(
        g, SeriesStyle::Points,
        {{0.1, 0.2}, {0.3, 0.4}, {0.5, 0.6}, {0.7, 0.8}, {0.9, 0.2}, {0.95, 0.9}, {0.2, 0.9}, {0.6, 0.1}});
    s->setMarkerStyle(TMarkerStyle::msRect);
    s->setMarkerStep(2); // 2 x 3 < 8: markers at 0, 2, 4, 6 and the last
    const QImage& img = g.drawAll();
    for (int i = 0; i < s->Count(); ++i) {
        const WorldPoint p = s->pointAt(i);
        const bool expected = i % 2 == 0 || i == 7;
        EXPECT_EQ(img.pixel(g.XToPixel(p.X), g.YToPixel(p.Y)) == kRed, expected) << "point " << i;
    }
}

TEST(SeriesDraw, EveryShapeDrawsSomethingAtItsPoint) {
    for (int style = 1; style < kMarkerStyleCount; ++style) {
        TestGraph g;
        auto* s = addSeries(g, SeriesStyle::Points, {{0.5, 0.5}});
        s->setMarkerStyle(markerStyleFromInt(style));
        s->setMarkerSize(12);
        const QImage& img = g.drawAll();
        int lit = 0;
        for (int y = 100; y < 140; ++y)
            for (int x = 180; x < 220; ++x)
                if (img.pixel(x, y) != kWhite) ++lit;
        EXPECT_GT(lit, 10) << "style " << style;
        EXPECT_EQ(img.pixel(170, 120), kWhite) << "style " << style; // and stays near it
    }
}

TEST(SeriesDraw, MarkersOutsideTheVisibleRangeAreSkipped) {
    TestGraph g;
    g.setRanges(0, 0, 0.5, 1);
    auto* s = addSeries(g, SeriesStyle::Points, {{0.25, 0.5}, {0.75, 0.5}});
    s->setMarkerStyle(TMarkerStyle::msCircle);
    const QImage& img = g.drawAll();
    EXPECT_EQ(img.pixel(g.XToPixel(0.25), 120), kRed);
}

TEST(SeriesDraw, StepsGoAcrossThenUpButNotAfterTheLast) {
    TestGraph g;
    g.setRanges(0, 0, 1.2, 1);
    addSeries(g, SeriesStyle::PiecewiseConstant, {{0, 0.2}, {0.5, 0.8}, {1, 0.4}});
    const QImage& img = g.drawAll();
    EXPECT_EQ(img.pixel(g.XToPixel(0.25), g.YToPixel(0.2)), kRed);
    EXPECT_EQ(img.pixel(g.XToPixel(0.5), g.YToPixel(0.5)), kRed);
    EXPECT_EQ(img.pixel(g.XToPixel(0.75), g.YToPixel(0.8)), kRed);
    EXPECT_EQ(img.pixel(g.XToPixel(1), g.YToPixel(0.6)), kWhite);
    EXPECT_EQ(img.pixel(g.XToPixel(0.75), g.YToPixel(0.4)), kWhite);
}

TEST(SeriesDraw, AreaFillsDownToTheLowerEdge) {
    TestGraph g;
    addSeries(g, SeriesStyle::Area, {{0, 0.2}, {1, 0.8}});
    const QImage& img = g.drawAll();
    EXPECT_EQ(img.pixel(200, g.YToPixel(0.1)), kRed);
    EXPECT_EQ(img.pixel(200, g.YToPixel(0.45)), kRed);
    EXPECT_EQ(img.pixel(200, g.YToPixel(0.7)), kWhite);
}

TEST(SeriesDraw, BarsOutlinedFlatAndFilledIn3D) {
    for (int depth : {0, 6}) {
        TestGraph g;
        g.m_depth = depth;
        g.setRanges(0.5, 0, 3.5, 6);
        addSeries(g, SeriesStyle::Bar, {{1, 2}, {2, 5}, {3, 3}});
        const QImage& img = g.drawAll();
        const int cx = g.XToPixel(2);
        const int top = g.YToPixel(5);
        EXPECT_EQ(img.pixel(cx, top), depth ? qRgb(191, 0, 0) : kRed) << depth; // outline
        EXPECT_EQ(img.pixel(cx, top - 2 - depth), kWhite) << depth;             // above the (3D) top face
        EXPECT_EQ(img.pixel(cx, g.YToPixel(1)) == kRed, depth > 0) << depth;    // inside
        EXPECT_EQ(img.pixel(cx - 35, g.YToPixel(1)), depth ? qRgb(191, 0, 0) : kRed) << depth; // left edge
        EXPECT_EQ(img.pixel(cx - 40, g.YToPixel(1)), kWhite) << depth;
    }
}

TEST(SeriesDraw, SingleBarsStandOnZero) {
    TestGraph g;
    g.setRanges(0.5, -2, 2.5, 4);
    addSeries(g, SeriesStyle::SingleBar, {{1, 3}, {2, -1}});
    const QImage& img = g.drawAll();
    EXPECT_EQ(img.pixel(g.XToPixel(1), g.YToPixel(3)), kRed);
    EXPECT_EQ(img.pixel(g.XToPixel(2), g.YToPixel(-1)), kRed);
    EXPECT_EQ(img.pixel(g.XToPixel(2) - 20, g.YToPixel(0)), kRed); // bottom edge on the zero line
}

struct BarCase {
    const char* what;
    BarMode mode;
    double top0, bottom0, top1, bottom1; // data values of the two bars at index 0
};

TEST(BarGroup, GeometryPerMode) {
    const BarCase cases[] = {
        {"clustered", BarMode::Clustered, 1, 0, 2, 0},
        {"stacked", BarMode::Stacked, 1, 0, 3, 1},
        {"100% stacked", BarMode::Stacked100, 100.0 / 3, 0, 100, 100.0 / 3},
    };
    for (const auto& c : cases) {
        TestGraph g;
        g.m_barMode = c.mode;
        g.setRanges(0.5, 0, 1.5, 100);
        addSeries(g, SeriesStyle::Bar, {{1, 1}});
        addSeries(g, SeriesStyle::Bar, {{1, 2}}, clBlue);
        const auto rects = barGroupGeometry(g, barGroupSeries(g));
        ASSERT_EQ(rects.size(), 2u);
        EXPECT_EQ(rects[0][0].top(), g.YToPixel(c.top0)) << c.what;
        EXPECT_EQ(rects[0][0].bottom(), g.YToPixel(c.bottom0)) << c.what;
        EXPECT_EQ(rects[1][0].top(), g.YToPixel(c.top1)) << c.what;
        EXPECT_EQ(rects[1][0].bottom(), g.YToPixel(c.bottom1)) << c.what;
        const double width = 0.7 * 300;
        if (c.mode == BarMode::Clustered) {
            EXPECT_DOUBLE_EQ(rects[0][0].width(), width / 2) << c.what;
            EXPECT_DOUBLE_EQ(rects[1][0].left(), rects[0][0].right()) << c.what;
        } else {
            EXPECT_DOUBLE_EQ(rects[0][0].width(), width) << c.what;
            EXPECT_DOUBLE_EQ(rects[1][0].left(), rects[0][0].left()) << c.what;
        }
    }
}

TEST(SeriesDraw, TenThousandPointsStayOneConnectedLine) {
    TestGraph g(QSize(1280, 960), QRect(60, 40, 1100, 840));
    g.setRanges(-10, -1.2, 10, 1.2);
    auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("f"), SeriesStyle::LineAndPoint, clRed));
    const int n = 16000;
    for (int i = 0; i < n; ++i) {
        const double x = -10 + 20.0 * i / (n - 1);
        s->AddPoint(clRed, QString(), x, std::sin(x));
    }
    s->setMarkerStyle(TMarkerStyle::msCircle);
    s->setMarkerStep(n / 20);
    const QImage& img = g.drawAll();
    // Every column of the plot holds at least one lit pixel: no gaps in the run.
    for (int x = g.XToPixel(-10); x <= g.XToPixel(10) - 1; x += 7) {
        bool lit = false;
        for (int y = 40; y < 880 && !lit; ++y)
            lit = img.pixel(x, y) == kRed;
        ASSERT_TRUE(lit) << "column " << x;
    }
}

} // namespace
} // namespace brelt::chart

namespace brelt::chart {
namespace {

// While a drawing-exchange export runs, line segments go to the export instead of the canvas.
class RecordingDxf : public DxfSink {
public:
    void line(const QString& layer, double x1, double y1, double x2, double y2, TColor color) override {
        lines << QStringLiteral("%1 %2,%3-%4,%5 %6").arg(layer).arg(x1).arg(y1).arg(x2).arg(y2).arg(color);
    }
    QStringList lines;
};

class DxfGraph : public test::TestGraph {
public:
    DxfSink* dxfSink() const override { return sink; }
    DxfSink* sink = nullptr;
};

TEST(SeriesDxf, SegmentsGoToTheExportInsteadOfTheCanvas) {
    struct Case {
        SeriesStyle style;
        QStringList expected;
    };
    const Case cases[] = {
        {SeriesStyle::Line, {"f 0,0-0,0 255", "f 0,0-0.5,1 255", "f 0.5,1-1,0 255"}},
        {SeriesStyle::PiecewiseConstant,
         {"f 0,0-0,0 255", "f 0,0-0,0 255", "f 0,0-0.5,0 255", "f 0.5,0-0.5,1 255", "f 0.5,1-1,1 255"}},
    };
    for (const auto& c : cases) {
        DxfGraph g;
        RecordingDxf dxf;
        g.sink = &dxf;
        auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("f"), c.style, clRed));
        for (WorldPoint p : {WorldPoint{0, 0}, WorldPoint{0.5, 1}, WorldPoint{1, 0}})
            s->AddPoint(clRed, QString(), p.X, p.Y);
        const QImage& img = g.drawAll();
        EXPECT_EQ(dxf.lines, c.expected);
        EXPECT_EQ(img.pixel(g.XToPixel(0.25), g.YToPixel(0.5)), qRgb(255, 255, 255));
    }
}

} // namespace
} // namespace brelt::chart

namespace brelt::chart {
namespace {

TEST(SeriesDraw, NonFinitePointsBreakTheLineAndAreSkipped) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (SeriesStyle style : {SeriesStyle::Line, SeriesStyle::LineAndPoint, SeriesStyle::PiecewiseConstant,
                              SeriesStyle::Area, SeriesStyle::Bar, SeriesStyle::SingleBar}) {
        test::TestGraph g;
        auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), style, clRed));
        s->setMarkerStyle(TMarkerStyle::msCircle);
        for (WorldPoint p : {WorldPoint{0, 0.5}, WorldPoint{0.2, 0.5}, WorldPoint{0.4, nan},
                             WorldPoint{0.6, inf}, WorldPoint{0.8, 0.5}, WorldPoint{1, 0.5}})
            s->AddPoint(clRed, QString(), p.X, p.Y);
        const QImage& img = g.drawAll();
        EXPECT_EQ(s->hitTest(g.XToPixel(0.5), g.YToPixel(0.5)), -1) << static_cast<int>(style);
        if (style == SeriesStyle::Line) {
            EXPECT_EQ(img.pixel(g.XToPixel(0.5), g.YToPixel(0.5)), kWhite); // no line across the gap
        }
    }
}

} // namespace
} // namespace brelt::chart
