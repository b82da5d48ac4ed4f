// Axes painted by a real chart into its screen image; pixels are checked where the tick geometry
// says they must be.
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/zoom.h"

#include <QImage>
#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

const QColor kRed(255, 0, 0);
const QColor kLime(0, 255, 0);

class AxisDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        graph.SetImageSize(QSize(480, 360));
        fixRange(graph.XAxis(), 0, 10);
        fixRange(graph.YAxis(), 0, 10);
        graph.XAxis().SetColor(clRed);
        graph.YAxis().SetColor(clRed);
    }
    static void fixRange(TAxis& axis, double min, double max) {
        axis.SetAutoMin(false);
        axis.SetAutoMax(false);
        axis.SetMinimum(min);
        axis.SetMaximum(max);
    }
    QColor at(int x, int y) const { return graph.image().pixelColor(x, y); }
    int y0() const { return graph.GetPlotRect().bottom() - graph.framePixelWidth(); }
    int x0() const { return graph.GetPlotRect().left() + graph.framePixelWidth(); }
    int unit() const { return graph.scaleUnit(); }
    // Pixels in a box that differ from the colour at its first corner.
    int inkIn(const QRect& box) const {
        const QColor ground = at(box.left(), box.top());
        int ink = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                ink += at(x, y) != ground;
        return ink;
    }

    TGraph graph;
};

TEST_F(AxisDrawTest, LinearTicksWhereTheStepPutsThem) {
    graph.Draw();
    const ChartRanges r = graph.ranges();
    EXPECT_EQ(r.left, 0.0);
    EXPECT_EQ(r.right, 10.0);
    EXPECT_EQ(graph.XAxis().tickCount(), 11);
    const int major = 8 * unit();
    const int minor = 3 * unit();
    for (double v : {0.0, 5.0, 10.0}) {
        const int x = graph.XToPixel(v);
        EXPECT_EQ(at(x, y0() + major - 1), kRed) << "major at " << v;
        EXPECT_EQ(at(x0() - major + 1, graph.YToPixel(v)), kRed) << "Y major at " << v;
    }
    for (double v : {1.0, 4.0, 9.0}) {
        const int x = graph.XToPixel(v);
        EXPECT_EQ(at(x, y0() + minor - 1), kRed) << "minor at " << v;
        EXPECT_NE(at(x, y0() + minor + 1), kRed) << "minor too long at " << v;
        EXPECT_EQ(at(x0() - minor + 1, graph.YToPixel(v)), kRed) << "Y minor at " << v;
    }
    for (double v : {0.5, 2.5, 7.5}) { // between ticks: only the axis line
        EXPECT_NE(at(graph.XToPixel(v), y0() + 2), kRed) << v;
        EXPECT_EQ(at(graph.XToPixel(v), y0()), kRed) << "axis line at " << v;
        EXPECT_NE(at(x0() - 2, graph.YToPixel(v)), kRed) << v;
        EXPECT_EQ(at(x0(), graph.YToPixel(v)), kRed) << "Y axis line at " << v;
    }
}

TEST_F(AxisDrawTest, InwardTicksPutTheLabelsRightUnderTheAxisLine) {
    graph.XAxis().Ticks().MinorVisible = false;
    graph.Draw();
    const int major = 8 * unit();
    const int x5 = graph.XToPixel(5);
    const QRect justBelow(x5 - 12, y0() + 2, 24, major - 3);
    EXPECT_EQ(inkIn(justBelow.adjusted(0, 0, -14, 0)), 0) << "outward: only the tick below the line";
    graph.XAxis().Ticks().Direction = TTicksDirection::tdIN;
    graph.Draw();
    EXPECT_EQ(at(x5, y0() - major + 1), kRed) << "the tick points into the plot";
    EXPECT_NE(at(x5, y0() + 2), kRed);
    EXPECT_GT(inkIn(QRect(x5 - 12, y0() + 2, 24, major - 3)), 0) << "the label moved up to the line";
}

TEST_F(AxisDrawTest, GridLinesAtEveryTick) {
    graph.XAxis().SetGrid(true);
    graph.YAxis().SetGrid(true);
    graph.XAxis().SetGridColor(clLime);
    graph.YAxis().SetGridColor(clLime);
    graph.Draw();
    if (qEnvironmentVariableIsSet("BRELT_KEEP_IMAGES")) graph.image().save("/tmp/brelt_axis_grid.png");
    EXPECT_EQ(at(graph.XToPixel(3), graph.YToPixel(3.5)), kLime);
    EXPECT_EQ(at(graph.XToPixel(3.5), graph.YToPixel(3)), kLime);
    EXPECT_EQ(at(graph.XToPixel(3.5), graph.YToPixel(3.5)), QColor(Qt::white));
}

TEST_F(AxisDrawTest, LogarithmicTicksTenLinearStepsPerDecade) {
    fixRange(graph.XAxis(), 1, 1000);
    graph.XAxis().SetLog(true);
    graph.Draw();
    EXPECT_NEAR(graph.ranges().left, 0.0, 1e-12);
    EXPECT_NEAR(graph.ranges().right, 3.0, 1e-12);
    const int major = 8 * unit();
    const int minor = 3 * unit();
    for (double v : {1.0, 10.0, 100.0, 1000.0})
        EXPECT_EQ(at(graph.XToPixel(v), y0() + major - 1), kRed) << v;
    for (double v : {1.9, 2.8, 19.0, 460.0}) {
        EXPECT_EQ(at(graph.XToPixel(v), y0() + minor - 1), kRed) << v;
        EXPECT_NE(at(graph.XToPixel(v), y0() + minor + 1), kRed) << v;
    }
    EXPECT_NE(at(graph.XToPixel(1.45), y0() + 1), kRed);
    // The raised decade stands to the right of "10", its top level with the label's.
    const int x10 = graph.XToPixel(10);
    const int labelTop = y0() + major;
    EXPECT_GT(inkIn(QRect(x10 + 4, labelTop, 14, 12)), 0);
}

TEST_F(AxisDrawTest, CustomLabelsReplaceTheNumbers) {
    graph.XAxis().setNumericLabels(false);
    graph.XAxis().AddCustomLabel(QStringLiteral("five"), 5);
    graph.XAxis().AddCustomLabel(QStringLiteral("beyond"), 50);
    graph.Draw();
    const int major = 8 * unit();
    EXPECT_EQ(at(graph.XToPixel(5), y0() + major - 1), kRed);
    EXPECT_NE(at(graph.XToPixel(4), y0() + 2), kRed) << "no numeric ticks";
    EXPECT_NE(at(graph.XToPixel(10), y0() + 2), kRed);
    EXPECT_GT(inkIn(QRect(graph.XToPixel(5) - 15, y0() + major + 1, 30, 12)), 0);
    graph.Clear();
    EXPECT_TRUE(graph.XAxis().customLabels().empty());
}

TEST_F(AxisDrawTest, InvisibleAxisDrawsNothingButKeepsItsGrid) {
    graph.XAxis().SetVisible(false);
    graph.XAxis().SetGrid(true);
    graph.XAxis().SetGridColor(clLime);
    graph.Draw();
    EXPECT_NE(at(graph.XToPixel(2.5), y0()), kRed);
    EXPECT_NE(at(graph.XToPixel(5), y0() + 3), kRed);
    EXPECT_EQ(at(graph.XToPixel(5), graph.YToPixel(5.5)), kLime);
}

TEST_F(AxisDrawTest, InvertedAxisRunsFromTheLargerValue) {
    graph.XAxis().SetInvert(true);
    graph.Draw();
    EXPECT_EQ(graph.ranges().left, 10.0);
    EXPECT_EQ(graph.ranges().right, 0.0);
    EXPECT_LT(graph.XToPixel(9), graph.XToPixel(1));
    EXPECT_EQ(at(graph.XToPixel(5), y0() + 8 * unit() - 1), kRed);
    EXPECT_EQ(at(graph.XToPixel(1), y0() + 3 * unit() - 1), kRed);
}

TEST_F(AxisDrawTest, AutomaticEndsAreRoundedAndWrittenBack) {
    graph.XAxis().SetAutoMin(true);
    graph.XAxis().SetAutoMax(true);
    graph.SetRanges(0.3, 0, 9.74321, 10);
    EXPECT_DOUBLE_EQ(graph.ranges().left, 0.0);
    EXPECT_DOUBLE_EQ(graph.ranges().right, 9.74);
    EXPECT_EQ(graph.XAxis().Decimals(), 1);
    graph.XAxis().SetInvert(true); // the larger end sits left and is rounded there
    graph.SetRanges(9.74321, 0, 0.3, 10);
    EXPECT_DOUBLE_EQ(graph.ranges().left, 9.74);
    EXPECT_DOUBLE_EQ(graph.ranges().right, 0.0);
}

TEST_F(AxisDrawTest, ExtendWidensTheRangeByWholeSteps) {
    graph.Draw();
    graph.XAxis().Extend(1, 2);
    EXPECT_NEAR(graph.ranges().left, -1.0, 1e-12);
    EXPECT_NEAR(graph.ranges().right, 12.0, 1e-12);
    EXPECT_EQ(graph.XAxis().tickCount(), 14);
    EXPECT_NEAR(graph.XAxis().firstTick(), -1.0, 1e-12);
}

TEST_F(AxisDrawTest, CrowdedLabelsSkipMajorsUntilTheyStandClear) {
    graph.SetImageSize(QSize(200, 200));
    fixRange(graph.XAxis(), 100, 100.0004);
    graph.XAxis().Ticks().MinorVisible = false;
    graph.Draw();
    if (qEnvironmentVariableIsSet("BRELT_KEEP_IMAGES")) graph.image().save("/tmp/brelt_axis_crowd.png");
    const int band = y0() + 8 * unit() + 2;
    auto labelInk = [&](double v) { return inkIn(QRect(graph.XToPixel(v) - 3, band, 7, 8)); };
    // "100.00000" starts at the first tick and reaches past the second: every third is labelled.
    EXPECT_EQ(labelInk(100.0002), 0);
    EXPECT_GT(labelInk(100.0003), 0);
    graph.SetImageSize(QSize(900, 200)); // room for all of them
    graph.Draw();
    for (double v : {100.0001, 100.0002, 100.0003})
        EXPECT_GT(labelInk(v), 0) << v;
}

TEST(TickPresets, FlatViewKeepsTheYMajorLengthOfThe3DView) {
    TGraph graph;
    graph.Frame().Width = 1;
    graph.SetTicks3D();
    EXPECT_EQ(graph.XAxis().Ticks().Direction, TTicksDirection::tdIN);
    EXPECT_FALSE(graph.YAxis().Ticks().MinorVisible);
    EXPECT_EQ(graph.YAxis().Ticks().MajorLength, 1);
    EXPECT_FALSE(graph.XAxis().axisLine());
    graph.SetTicks2D();
    EXPECT_EQ(graph.XAxis().Ticks().MajorLength, 9);
    EXPECT_EQ(graph.XAxis().Ticks().Direction, TTicksDirection::tdOut);
    EXPECT_EQ(graph.YAxis().Ticks().MajorLength, 1);
    EXPECT_EQ(graph.YAxis().Ticks().MinorLength, 3);
    EXPECT_TRUE(graph.YAxis().Ticks().MinorVisible);
    EXPECT_TRUE(graph.YAxis().axisLine());
}

} // namespace
} // namespace brelt::chart
