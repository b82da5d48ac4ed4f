// Series data operations: extents, interpolation, nearest points, deletion, marker steps, and the
// small containers (float list, vector, matrix).
#include "chart/data/float_list.h"
#include "chart/data/grid.h"
#include "chart/data/series.h"
#include "test_graph.h"

#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

using test::TestGraph;

struct Pt {
    double x, y;
};

TSeries* makeSeries(TestGraph& g, SeriesStyle style, std::initializer_list<Pt> pts) {
    auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), style, clRed));
    for (const Pt& p : pts)
        s->AddPoint(clRed, QString(), p.x, p.y);
    return s;
}

struct ExtentCase {
    const char* what;
    SeriesStyle style;
    std::vector<Pt> pts;
    bool logY;
    double minX, maxX, minY, maxY;
};

TEST(SeriesExtents, Table) {
    const ExtentCase cases[] = {
        {"single point", SeriesStyle::Line, {{3, 5}}, false, 2.7, 3.3, 4.5, 5.5},
        {"single point at origin", SeriesStyle::Line, {{0, 0}}, false, -0.1, 0.1, -0.1, 1.0},
        {"negative single point keeps min below max",
         SeriesStyle::Line,
         {{-3, -5}},
         false,
         -3.3,
         -2.7,
         -5.5,
         -4.5},
        {"bars stand on zero (positive)", SeriesStyle::Bar, {{1, 2}, {2, 5}, {3, 3}}, false, 1, 3, 0, 5},
        {"bars stand on zero (negative)", SeriesStyle::Bar, {{1, -2}, {2, -5}}, false, 1, 2, -5, 0},
        {"single bars too", SeriesStyle::SingleBar, {{1, 2}, {2, 5}}, false, 1, 2, 0, 5},
        {"bars on a log axis keep their range", SeriesStyle::Bar, {{1, 2}, {2, 5}}, true, 1, 2, 2, 5},
        {"step: last Y ignored", SeriesStyle::PiecewiseConstant, {{0, 1}, {1, 2}, {2, 9}}, false, 0, 2, 1, 2},
        {"plain line", SeriesStyle::Line, {{0, 1}, {1, -2}, {2, 9}}, false, 0, 2, -2, 9},
    };
    for (const auto& c : cases) {
        TestGraph g;
        g.setLog(false, c.logY);
        auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), c.style, clRed));
        for (const Pt& p : c.pts)
            s->AddPoint(clRed, QString(), p.x, p.y);
        const Extents e = s->GetExtents();
        EXPECT_DOUBLE_EQ(e.minX, c.minX) << c.what;
        EXPECT_DOUBLE_EQ(e.maxX, c.maxX) << c.what;
        EXPECT_DOUBLE_EQ(e.minY, c.minY) << c.what;
        EXPECT_DOUBLE_EQ(e.maxY, c.maxY) << c.what;
    }
}

TEST(SeriesExtents, SinglePointNotWidenedBesideOtherLayers) {
    TestGraph g;
    makeSeries(g, SeriesStyle::Line, {{0, 0}, {1, 1}});
    auto* s = makeSeries(g, SeriesStyle::Line, {{3, 5}});
    const Extents e = s->GetExtents();
    EXPECT_EQ(e.minX, 3);
    EXPECT_EQ(e.maxX, 3);
    EXPECT_EQ(e.minY, 5);
}

TEST(SeriesExtents, EmptySeriesKeepsStartValues) {
    TestGraph g;
    auto* s = makeSeries(g, SeriesStyle::Line, {});
    const Extents e = s->GetExtents();
    EXPECT_EQ(e.minX, 1e38);
    EXPECT_EQ(e.maxY, -1e38);
    EXPECT_TRUE(e.isEmpty());
}

TEST(SeriesValueAt, Table) {
    struct Case {
        const char* what;
        SeriesStyle style;
        bool logY;
        std::vector<Pt> pts;
        double x, expected;
    };
    const Case cases[] = {
        {"at a point", SeriesStyle::Line, false, {{0, 1}, {1, 3}, {2, 7}}, 1, 3},
        {"between points", SeriesStyle::Line, false, {{0, 1}, {1, 3}, {2, 7}}, 1.5, 5},
        {"first point", SeriesStyle::Line, false, {{0, 1}, {1, 3}}, 0, 1},
        {"outside all segments", SeriesStyle::Line, false, {{0, 1}, {1, 3}}, 5, 0},
        {"equal X gives the first Y", SeriesStyle::Line, false, {{0, 1}, {1, 3}, {1, 8}}, 1, 3},
        {"step function", SeriesStyle::PiecewiseConstant, false, {{0, 1}, {2, 3}}, 1.5, 1},
        {"log Y interpolates exponents", SeriesStyle::Line, true, {{0, 1}, {2, 100}}, 1, 10},
    };
    for (const auto& c : cases) {
        TestGraph g;
        g.setLog(false, c.logY);
        auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), c.style, clRed));
        for (const Pt& p : c.pts)
            s->AddPoint(clRed, QString(), p.x, p.y);
        EXPECT_NEAR(s->ValueAt(c.x), c.expected, 1e-12) << c.what;
    }
}

TEST(SeriesValueAt, EmptySeriesAnswersNoValue) {
    TestGraph g;
    auto* s = makeSeries(g, SeriesStyle::Line, {});
    EXPECT_EQ(s->ValueAt(1), NoValue);
    EXPECT_EQ(s->NearestX(1), NoValue);
    EXPECT_EQ(s->NearestIndex(1), -1);
}

TEST(SeriesNearest, IndexAndX) {
    TestGraph g;
    auto* pts = makeSeries(g, SeriesStyle::Points, {{0, 0}, {1, 0}, {2, 0}, {4, 0}});
    EXPECT_EQ(pts->NearestIndex(0.5), 0); // tie keeps the lower index
    EXPECT_EQ(pts->NearestIndex(3.2), 3);
    EXPECT_EQ(pts->NearestIndex(-9), 0);
    EXPECT_EQ(pts->NearestX(2.9), 2);
    auto* line = makeSeries(g, SeriesStyle::Line, {{0, 0}, {1, 0}});
    EXPECT_EQ(line->NearestX(0.3), 0.3);
}

TEST(SeriesPoints, AddGetAndClamp) {
    TestGraph g;
    auto* s = makeSeries(g, SeriesStyle::Line, {{1, 10}, {2, 20}, {3, 30}});
    const TGraphData& r1 = s->record(1);
    EXPECT_EQ(r1.Prev, (WorldPoint{1, 10}));
    EXPECT_EQ(r1.Pt, (WorldPoint{2, 20}));
    EXPECT_EQ(s->record(0).Prev, s->record(0).Pt);
    ASSERT_TRUE(r1.Marker.has_value());
    EXPECT_EQ(r1.Marker->Size, 5);
    EXPECT_EQ(r1.Tag, 1);
    EXPECT_EQ(s->GetPoint(99), (WorldPoint{3, 30}));
    EXPECT_EQ(s->CurrentIndex(), 2);
    EXPECT_EQ(s->GetPoint(-4), (WorldPoint{1, 10}));
    EXPECT_EQ(s->GetData(7), &s->record(2));
}

TEST(SeriesDelete, Table) {
    struct Case {
        const char* what;
        int index;
        std::vector<WorldPoint> prevs, pts;
    };
    const Case cases[] = {
        {"middle joins neighbours", 1, {{0, 0}, {0, 0}}, {{0, 0}, {2, 2}}},
        {"first: new first record starts at itself", 0, {{1, 1}, {1, 1}}, {{1, 1}, {2, 2}}},
        {"last", 2, {{0, 0}, {0, 0}}, {{0, 0}, {1, 1}}},
        {"out of range leaves all", 5, {{0, 0}, {0, 0}, {1, 1}}, {{0, 0}, {1, 1}, {2, 2}}},
    };
    for (const auto& c : cases) {
        TestGraph g;
        auto* s = makeSeries(g, SeriesStyle::Line, {{0, 0}, {1, 1}, {2, 2}});
        s->deletePointAt(c.index);
        ASSERT_EQ(s->Count(), static_cast<int>(c.pts.size())) << c.what;
        for (int i = 0; i < s->Count(); ++i) {
            EXPECT_EQ(s->record(i).Prev, c.prevs[static_cast<size_t>(i)]) << c.what << " #" << i;
            EXPECT_EQ(s->record(i).Pt, c.pts[static_cast<size_t>(i)]) << c.what << " #" << i;
        }
    }
}

TEST(SeriesDelete, HitPointOnlyWhenHit) {
    TestGraph g;
    auto* s = makeSeries(g, SeriesStyle::Line, {{0, 0}, {1, 1}});
    s->DeletePoint(); // nothing hit
    EXPECT_EQ(s->Count(), 2);
}

TEST(MarkerSteps, Table) {
    struct Case {
        int count, step;
        std::vector<int> expected;
    };
    std::vector<int> every100;
    for (int i = 0; i < 100; i += 5)
        every100.push_back(i);
    every100.push_back(99);
    const Case cases[] = {
        {100, 5, every100},
        {12, 5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {5, 0, {0, 1, 2, 3, 4}},
        {20, 6, {0, 6, 12, 18, 19}},
        {1, 20, {0}},
    };
    for (const auto& c : cases) {
        std::vector<int> got;
        for (int i = 0; i < c.count; ++i)
            if (markerDrawnAt(i, c.count, c.step)) got.push_back(i);
        EXPECT_EQ(got, c.expected) << c.count << " points, step " << c.step;
    }
}

TEST(SeriesSetters, MarkerSettersReachEveryPointAndTheLegend) {
    TestGraph g;
    auto* s = makeSeries(g, SeriesStyle::LineAndPoint, {{0, 0}, {1, 1}});
    test::FakeLegendEntry entry;
    s->LinkLegend(&entry);
    s->setMarkerStyle(TMarkerStyle::msDiamond);
    s->setMarkerSize(7);
    s->SetColor(clBlue);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(s->record(i).Marker->Style, TMarkerStyle::msDiamond);
        EXPECT_EQ(s->record(i).Marker->Size, 7);
        EXPECT_EQ(s->record(i).Marker->PenColor, clBlue); // the pen follows the colour
    }
    EXPECT_EQ(entry.look.color, clBlue);
    EXPECT_EQ(entry.look.markerStyle, TMarkerStyle::msDiamond);
    EXPECT_EQ(entry.series, s);
    s->SetVisible(false);
    EXPECT_FALSE(entry.visible);
    g.m_layers.clear(); // the series goes first: the entry forgets it
    EXPECT_EQ(entry.series, nullptr);
}

TEST(FloatList, RunningMinMax) {
    TFloatList l;
    for (double v : {3.0, -1.0, 7.5, 2.0})
        l.Add(v);
    EXPECT_EQ(l.Min, -1.0);
    EXPECT_EQ(l.Max, 7.5);
    l.Put(1, 100);
    EXPECT_EQ(l.Get(1), 100);
    EXPECT_EQ(l.Max, 7.5); // Put leaves Min and Max alone
    l.Clear();
    EXPECT_EQ(l.Count(), 0);
    l.Add(-5);
    EXPECT_EQ(l.Min, -5);
    EXPECT_EQ(l.Max, -5);
}

TEST(Grid, VectorAndMatrixKeepMinMaxAndColumnOrder) {
    TVector v(3);
    EXPECT_EQ(v.Min, 1e38);
    v.set(1, 4);
    v.set(3, -2);
    EXPECT_EQ(v.get(3), -2);
    EXPECT_EQ(v.Min, -2);
    EXPECT_EQ(v.Max, 4);
    TMatrix m(2, 3);
    EXPECT_EQ(m.Min, 3e300);
    m.set(2, 3, 9);
    m.set(1, 2, -1);
    EXPECT_EQ(m.get(2, 3), 9);
    EXPECT_EQ(m.get(1, 2), -1);
    EXPECT_EQ(m.Min, -1);
    EXPECT_EQ(m.Max, 9);
}

} // namespace
} // namespace brelt::chart

namespace brelt::chart {
namespace {

// In the bar styles MarkerSize follows the bar width in pixels, so the chart's margins fit the bars.
TEST(SeriesBars, MarkerSizeFollowsTheBarWidth) {
    struct Case {
        SeriesStyle style;
        int expected;
    };
    for (const Case c : {Case{SeriesStyle::Bar, 70}, Case{SeriesStyle::SingleBar, 80}}) {
        test::TestGraph g; // 300 pixels across
        g.setRanges(0.5, 0, 3.5, 6);
        auto* s = makeSeries(g, SeriesStyle::Line, {{1, 2}, {2, 5}, {3, 3}});
        s->setSeriesStyle(c.style); // 0.7 x 3 units / 3 points = 0.7 units = 70 pixels
        EXPECT_EQ(s->MarkerSize(), c.expected) << static_cast<int>(c.style);
    }
}

} // namespace
} // namespace brelt::chart
