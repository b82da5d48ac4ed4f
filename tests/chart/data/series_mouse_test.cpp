// Hit testing and mouse actions of a series, and its pop-up menu items. Plot rectangle
// (50, 20, 300 x 200), so the tolerance is 3 pixels across and 2 down.
#include "chart/data/series.h"
#include "test_graph.h"

#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

using test::TestGraph;

struct HitCase {
    const char* what;
    SeriesStyle style;
    TMarkerStyle marker;
    std::vector<WorldPoint> pts;
    int x, y;
    int expected;
};

TEST(SeriesHit, Table) {
    const HitCase cases[] = {
        {"on a horizontal line", SeriesStyle::Line, TMarkerStyle::msNone, {{0, 0.5}, {1, 0.5}}, 200, 120, 1},
        {"just beside the line", SeriesStyle::Line, TMarkerStyle::msNone, {{0, 0.5}, {1, 0.5}}, 200, 122, 1},
        {"away from the line", SeriesStyle::Line, TMarkerStyle::msNone, {{0, 0.5}, {1, 0.5}}, 200, 130, -1},
        {"inside the box, off a diagonal",
         SeriesStyle::Line,
         TMarkerStyle::msNone,
         {{0, 0}, {1, 1}},
         100,
         60,
         -1},
        {"on a diagonal", SeriesStyle::LineAndPoint, TMarkerStyle::msNone, {{0, 0}, {1, 1}}, 200, 120, 1},
        {"second segment",
         SeriesStyle::Line,
         TMarkerStyle::msNone,
         {{0, 0}, {0.5, 0.5}, {1, 0}},
         275,
         170,
         2},
        {"point marker", SeriesStyle::Points, TMarkerStyle::msRect, {{0.25, 0.25}, {0.75, 0.75}}, 277, 71, 1},
        {"beside a marker",
         SeriesStyle::Points,
         TMarkerStyle::msRect,
         {{0.25, 0.25}, {0.75, 0.75}},
         280,
         71,
         -1},
        {"step near its level",
         SeriesStyle::PiecewiseConstant,
         TMarkerStyle::msNone,
         {{0, 0.5}, {1, 0.9}},
         150,
         122,
         1},
        {"step far from its level",
         SeriesStyle::PiecewiseConstant,
         TMarkerStyle::msNone,
         {{0, 0.5}, {1, 0.5}},
         150,
         126,
         -1},
        {"area box", SeriesStyle::Area, TMarkerStyle::msNone, {{0, 0.2}, {1, 0.8}}, 200, 120, 1},
        {"bar from the last back",
         SeriesStyle::Bar,
         TMarkerStyle::msNone,
         {{0.25, 0.5}, {0.75, 0.9}},
         275,
         150,
         1},
        {"zero-height bar is 1 % high", SeriesStyle::Bar, TMarkerStyle::msNone, {{0.5, 0}}, 200, 218, 0},
        {"single bar", SeriesStyle::SingleBar, TMarkerStyle::msNone, {{0.25, 0.5}, {0.75, 0.9}}, 125, 200, 0},
    };
    for (const auto& c : cases) {
        TestGraph g;
        auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), c.style, clRed));
        s->setMarkerStyle(c.marker);
        for (const WorldPoint& p : c.pts)
            s->AddPoint(clRed, QString(), p.X, p.Y);
        EXPECT_EQ(s->hitTest(c.x, c.y), c.expected) << c.what;
    }
}

TEST(SeriesHit, HiddenSeriesAndDisabledPointsAreNotHit) {
    TestGraph g;
    auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), SeriesStyle::Points, clRed));
    s->setMarkerStyle(TMarkerStyle::msRect);
    s->AddPoint(clRed, QString(), 0.5, 0.5)->Flag1 = false;
    EXPECT_EQ(s->hitTest(200, 120), -1);
    s->GetData(0)->Flag1 = true;
    EXPECT_EQ(s->hitTest(200, 120), 0);
    s->SetVisible(false);
    EXPECT_EQ(s->hitTest(200, 120), -1);
}

TEST(SeriesMouse, MoveReportsTheHitAndChoosesTheCursor) {
    TestGraph g;
    auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), SeriesStyle::Line, clRed));
    s->AddPoint(clRed, QString(), 0, 0.5);
    s->AddPoint(clRed, QString(), 1, 0.5);
    int hitIndex = -2;
    double hx = 0, hy = 0;
    s->OnPointHit = [&](TSeries&, ShiftState, double x, double y, int index, QPoint) {
        hitIndex = index;
        hx = x;
        hy = y;
    };
    EXPECT_TRUE(s->MouseMove(200, 120, kShift));
    EXPECT_EQ(hitIndex, 1);
    EXPECT_DOUBLE_EQ(hx, 0.5);
    EXPECT_DOUBLE_EQ(hy, 0.5);
    EXPECT_EQ(g.cursor, ChartCursor::SerInf);
    EXPECT_FALSE(s->MouseMove(200, 60, 0));
    EXPECT_EQ(s->hitIndex(), -1);
}

TEST(SeriesMouse, PressActionsFollowTheMasks) {
    TestGraph g;
    auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), SeriesStyle::Line, clRed));
    for (double x : {0.0, 0.5, 1.0})
        s->AddPoint(clRed, QString(), x, 0.5);
    s->MouseMove(275, 120, kShift);
    EXPECT_TRUE(s->MouseDown(275, 120, MouseButton::Left, kShift));
    EXPECT_EQ(g.infoIndexes, std::vector<int>{2});

    s->MouseMove(275, 120, kCtrl);
    s->MouseDown(275, 120, MouseButton::Left, kCtrl); // deleting is off by default
    EXPECT_EQ(s->Count(), 3);
    s->options().allowDelete = true;
    s->MouseDown(275, 120, MouseButton::Left, kCtrl);
    EXPECT_EQ(s->Count(), 2);
    EXPECT_EQ(s->record(1).Prev, (WorldPoint{0, 0.5}));

    // A plain press drags the point; the release ends the drag.
    s->MouseMove(200, 120, 0);
    ASSERT_EQ(s->hitIndex(), 1);
    s->MouseDown(200, 120, MouseButton::Left, 0);
    s->MouseMove(350, 20, 0);
    s->MouseUp(350, 20, MouseButton::Left, 0);
    EXPECT_EQ(s->record(1).Pt, (WorldPoint{1, 1}));
    EXPECT_FALSE(s->MouseMove(100, 200, 0));
}

TEST(SeriesMenu, ItemsAndTheirStates) {
    TestGraph g;
    auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("s"), SeriesStyle::Line, clRed));
    auto names = [](const std::vector<LayerMenuItem>& items) {
        QStringList out;
        for (const auto& i : items)
            out << QStringLiteral("%1 %2 %3%4%5")
                       .arg(i.name, i.caption)
                       .arg(i.imageIndex)
                       .arg(i.enabled ? "" : " disabled")
                       .arg(i.visible ? "" : " hidden");
        return out;
    };
    EXPECT_EQ(names(s->CreateMenu()), (QStringList{
                                          QStringLiteral("miSelectOnOff &Select on/off 24"),
                                          QStringLiteral("miInfo &Info <Shift> 22"),
                                          QStringLiteral("miEdit &Edit <Alt> 23 hidden"),
                                          QStringLiteral("miErase &Delete  <Ctrl> 13 hidden"),
                                          QStringLiteral("miUnvisible &Unvisible  <Ctrl> 25 hidden"),
                                      }));
    s->setSeriesStyle(SeriesStyle::PiecewiseConstant);
    s->options().allowHide = true;
    s->SetVisible(false);
    EXPECT_EQ(names(s->CreateMenu()), (QStringList{
                                          QStringLiteral("miSelectOnOff &Select on/off 24 disabled"),
                                          QStringLiteral("miInfo &Info <Shift> 22"),
                                          QStringLiteral("miEdit &Edit <Alt> 23"),
                                          QStringLiteral("miErase &Delete  <Ctrl> 13"),
                                          QStringLiteral("miUnvisible &Unvisible  <Ctrl> 25"),
                                      }));
    s->SetVisible(true);
    s->menuAction(QStringLiteral("miUnvisible"));
    EXPECT_FALSE(s->Visible());
    EXPECT_EQ(g.redraws, 1);
}

} // namespace
} // namespace brelt::chart
