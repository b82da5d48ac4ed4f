// The zoom driven through a real chart: animated clicks, rubber-band drags, walking back, going
// home, and its settings.
#include "chart/view/zoom.h"

#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/settings_store.h"
#include "chart/view/zoom_plot.h"

#include <QImage>
#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

void expectRanges(const ChartRanges& got, const ChartRanges& want, double tol) {
    EXPECT_NEAR(got.left, want.left, tol);
    EXPECT_NEAR(got.bottom, want.bottom, tol);
    EXPECT_NEAR(got.right, want.right, tol);
    EXPECT_NEAR(got.top, want.top, tol);
}

class ZoomTest : public ::testing::Test {
protected:
    void SetUp() override {
        graph.SetImageSize(QSize(400, 300));
        fix(graph.XAxis(), 0, 10);
        fix(graph.YAxis(), 0, 10);
        graph.Draw();
    }
    static void fix(TAxis& axis, double min, double max) {
        axis.SetAutoMin(false);
        axis.SetAutoMax(false);
        axis.SetMinimum(min);
        axis.SetMaximum(max);
    }
    void press(double x, double y) {
        graph.MouseDown(MouseButton::Left, 0, graph.XToPixel(x), graph.YToPixel(y));
    }

    TGraph graph;
    TZoom& zoom = graph.Zoom();
};

TEST_F(ZoomTest, AnimatedClickPushesOneRecordPerStepAndWalksBack) {
    const ChartRanges before = graph.ranges();
    graph.SetAnimated(true);
    zoom.SetEnabled(true);
    press(2.5, 7.5);
    EXPECT_EQ(zoom.stack().size(), 3u);
    const ChartRanges zoomed = graph.ranges();
    EXPECT_GT(zoomed.left, before.left);
    EXPECT_LT(zoomed.right, before.right);
    EXPECT_GT(zoomed.bottom, before.bottom);
    EXPECT_LT(zoomed.top, before.top);
    EXPECT_TRUE(zoom.ZoomPrevious());
    EXPECT_TRUE(zoom.ZoomPrevious());
    EXPECT_FALSE(zoom.ZoomPrevious());
    expectRanges(graph.ranges(), before, 0);
    EXPECT_FALSE(zoom.ZoomPrevious()) << "an empty stack does nothing";
}

TEST_F(ZoomTest, AnimatedZoomOutMovesEveryEndAway) {
    graph.SetAnimated(true);
    zoom.SetEnabled(true);
    zoom.SetStyle(TZoomStyle::zsOut);
    press(3, 6);
    const ChartRanges r = graph.ranges();
    EXPECT_LT(r.left, 0.0);
    EXPECT_GT(r.right, 10.0);
    EXPECT_LT(r.bottom, 0.0);
    EXPECT_GT(r.top, 10.0);
}

TEST_F(ZoomTest, AutoStopEndsZoomModeAfterOneClick) {
    graph.SetAnimated(true);
    zoom.SetEnabled(true);
    zoom.SetZoomAutoStop(true);
    press(5, 5);
    EXPECT_FALSE(zoom.Enabled());
    EXPECT_FALSE(graph.Animated());
    EXPECT_EQ(zoom.stack().size(), 3u);
}

TEST_F(ZoomTest, RectangleDragZoomsToTheRectangle) {
    zoom.ZoomIn();
    EXPECT_TRUE(zoom.Enabled());
    EXPECT_FALSE(graph.Animated());
    press(2, 8);
    EXPECT_TRUE(zoom.inForce());
    graph.MouseMove(0, graph.XToPixel(6), graph.YToPixel(3));
    EXPECT_FALSE(zoom.rubberBand().isNull());
    graph.MouseUp(MouseButton::Left, 0, graph.XToPixel(6), graph.YToPixel(3));
    EXPECT_FALSE(zoom.dragging());
    EXPECT_EQ(zoom.stack().size(), 1u);
    expectRanges(graph.ranges(), {2, 3, 6, 8}, 0.05);
    EXPECT_TRUE(zoom.Enabled()) << "without auto stop the mode stays on";
}

TEST_F(ZoomTest, RubberBandIsUndoneByDrawingItAgain) {
    zoom.ZoomIn();
    const QImage clean = graph.image().copy();
    press(2, 8);
    graph.MouseMove(0, graph.XToPixel(6), graph.YToPixel(3));
    const QRect band = zoom.rubberBand();
    EXPECT_NE(graph.image().pixelColor(band.center()), clean.pixelColor(band.center()));
    // A move back to a small band erases the big one: outside the small band the picture is clean.
    graph.MouseMove(0, graph.XToPixel(2.5), graph.YToPixel(7.5));
    const QRect small = zoom.rubberBand();
    for (const QPoint p :
         {band.center(), band.bottomRight() - QPoint(1, 1), QPoint(band.right(), band.top())})
        if (!small.contains(p)) {
            EXPECT_EQ(graph.image().pixelColor(p), clean.pixelColor(p));
        }
}

TEST_F(ZoomTest, ClickInRectangleModeLeavesZoomModeAndKeepsTheView) {
    const ChartRanges before = graph.ranges();
    zoom.ZoomIn();
    press(5, 5);
    graph.MouseUp(MouseButton::Left, 0, graph.XToPixel(5), graph.YToPixel(5));
    EXPECT_FALSE(zoom.Enabled());
    EXPECT_TRUE(zoom.stack().empty());
    expectRanges(graph.ranges(), before, 0);
}

TEST_F(ZoomTest, LogarithmicAxisZoomsInAxisSpace) {
    fix(graph.XAxis(), 1, 1000);
    graph.XAxis().SetLog(true);
    graph.Draw();
    zoom.ZoomIn();
    press(10, 2);
    graph.MouseUp(MouseButton::Left, 0, graph.XToPixel(100), graph.YToPixel(6));
    EXPECT_NEAR(graph.ranges().left, 1.0, 0.02);
    EXPECT_NEAR(graph.ranges().right, 2.0, 0.02);
}

TEST_F(ZoomTest, InvertedAxisStaysInvertedAfterARectangleZoom) {
    graph.XAxis().SetInvert(true);
    graph.Draw();
    zoom.ZoomIn();
    press(8, 2);
    graph.MouseUp(MouseButton::Left, 0, graph.XToPixel(4), graph.YToPixel(6));
    EXPECT_NEAR(graph.ranges().left, 8.0, 0.05);
    EXPECT_NEAR(graph.ranges().right, 4.0, 0.05);
}

TEST_F(ZoomTest, ZoomOutRestoresTheRangesBeforeTheFirstZoom) {
    const ChartRanges before = graph.ranges();
    zoom.ZoomIn();
    press(2, 8);
    graph.MouseUp(MouseButton::Left, 0, graph.XToPixel(6), graph.YToPixel(3));
    press(3, 7);
    graph.MouseUp(MouseButton::Left, 0, graph.XToPixel(5), graph.YToPixel(4));
    graph.SetAnimated(true);
    press(4, 5);
    EXPECT_EQ(zoom.stack().size(), 5u);
    zoom.ZoomOut();
    EXPECT_TRUE(zoom.stack().empty());
    EXPECT_FALSE(zoom.Enabled());
    EXPECT_FALSE(zoom.inForce());
    expectRanges(graph.ranges(), before, 0);
}

TEST_F(ZoomTest, SwitchAnimatedZoomRemembersTheAnimatedSwitch) {
    graph.SetAnimated(false);
    zoom.SwitchAnimatedZoom();
    EXPECT_TRUE(zoom.Enabled());
    EXPECT_TRUE(graph.Animated());
    EXPECT_EQ(zoom.cursor(), ChartCursor::AniZoom);
    zoom.SwitchAnimatedZoom();
    EXPECT_FALSE(zoom.Enabled());
    EXPECT_FALSE(graph.Animated());
    EXPECT_FALSE(zoom.cursor());
    zoom.ZoomIn();
    EXPECT_EQ(zoom.cursor(), ChartCursor::ZoomIn);
}

TEST(ZoomSettings, WrittenAndReadBack) {
    TGraph saved;
    TPlotZoom plotZoom(saved.Zoom());
    plotZoom.SetStyle(TZoomStyle::zsOut);
    plotZoom.SetZoomAutoStop(true);
    plotZoom.SetSteps(7);
    plotZoom.SetChangePerStep(0.125);
    plotZoom.SetColor(clBlue);
    MemorySettingsStore store;
    const QString section = QStringLiteral("fmPlot2DChart");
    saved.Zoom().SaveSettings(store, section);
    EXPECT_EQ(store.read(section, QStringLiteral("plot_zoom_steps")), QStringLiteral("7"));
    EXPECT_EQ(store.read(section, QStringLiteral("Plot_Zoom_Style")), QStringLiteral("1"));
    EXPECT_EQ(store.read(section, QStringLiteral("Plot_Zoom_Color")), QStringLiteral("0.125"));

    TGraph loaded;
    loaded.Zoom().LoadSettings(store, section);
    EXPECT_EQ(loaded.Zoom().Style(), TZoomStyle::zsOut);
    EXPECT_TRUE(loaded.Zoom().ZoomAutoStop());
    EXPECT_EQ(loaded.Zoom().Steps(), 7);
    EXPECT_DOUBLE_EQ(loaded.Zoom().ChangePerStep(), 0.125);
    EXPECT_EQ(loaded.Zoom().Color(), rgbColor(233, 238, 166)) << "the zoom colour is not stored";
}

TEST(ZoomSettings, OddValuesKeepSaneProperties) {
    MemorySettingsStore store;
    const QString section = QStringLiteral("s");
    TGraph graph;
    store.write(section, QStringLiteral("Plot_Zoom_Color"), QStringLiteral("255")); // an old colour
    store.write(section, QStringLiteral("Plot_Zoom_Style"), QStringLiteral("7"));
    store.write(section, QStringLiteral("Plot_Zoom_Steps"), QStringLiteral("-3"));
    graph.Zoom().LoadSettings(store, section);
    EXPECT_EQ(graph.Zoom().Color(), 255);
    EXPECT_DOUBLE_EQ(graph.Zoom().ChangePerStep(), 0.033333);
    EXPECT_EQ(graph.Zoom().Style(), TZoomStyle::zsIn);
    EXPECT_EQ(graph.Zoom().Steps(), 1);
    graph.Zoom().SetChangePerStep(1.0);
    graph.Zoom().SaveSettings(store, section);
    EXPECT_EQ(store.read(section, QStringLiteral("Plot_Zoom_Color")), QStringLiteral("0.033333"));
}

} // namespace
} // namespace brelt::chart
