// Pictures grow with their size: label heights, tick lengths and line widths measured in pixels at
// two sizes; nothing leaves the picture from 320 x 240 to 4000 x 3000; the screen keeps its look.
// Also the legend's overflow and the ticks of logarithmic axes at their clamp.
#include "chart/data/series.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_title.h"
#include "chart/view/picture_export.h"
#include "chart/view/series_legend.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace brelt::chart;

namespace {

TSeries* addLine(TGraph& graph, const QString& name, double y, TColor color) {
    auto series = std::make_unique<TSeries>(&graph, name, SeriesStyle::Line, color);
    for (int i = 0; i <= 10; ++i)
        series->AddPoint(color, QString(), i, y);
    auto* added = static_cast<TSeries*>(graph.AddLayer(std::move(series)));
    graph.addLineLegend(*added);
    return added;
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// What a picture's drawing left behind: its geometry, read while it was drawn.
struct PictureGeometry {
    QRect plot;
    int frame = 0;
    int x5 = 0;
    int y2 = 0;
    QRect legend;
    QRect title;
};

class PictureScale : public ::testing::Test {
protected:
    void SetUp() override {
        for (TAxis* axis : {static_cast<TAxis*>(&graph.XAxis()), static_cast<TAxis*>(&graph.YAxis())}) {
            axis->SetAutoMin(false);
            axis->SetAutoMax(false);
            axis->SetMinimum(0);
            axis->SetMaximum(10);
        }
        graph.SetClipMarkers(true);
        addLine(graph, QStringLiteral("level"), 2, clRed);
        graph.setAfterDraw([this](TGraph& g) {
            seen = {g.GetPlotRect(), g.framePixelWidth(), g.XToPixel(5),
                    g.YToPixel(2),   g.Legend().box(),    g.Title().band()};
        });
    }
    QImage picture(QSize size) { return chartBitmap(graph, size); }
    // Rows from the axis line down that carry the tick at x = 5, and the ink height of its label.
    std::pair<int, int> tickAndLabel(const QImage& image) const {
        const int y0 = seen.plot.bottom() - seen.frame;
        int tick = 0;
        while (dark(image, seen.x5, y0 + 1 + tick))
            ++tick;
        int top = -1, bottom = -1;
        for (int y = y0 + tick + 2; y < image.height(); ++y)
            for (int x = seen.x5 - 20; x <= seen.x5 + 20; ++x)
                if (dark(image, x, y)) {
                    if (top < 0) top = y;
                    bottom = y;
                }
        return {tick, top < 0 ? 0 : bottom - top + 1};
    }
    // Rows at x = 5 where the red line at Y = 2 leaves at least half its colour.
    int lineRows(const QImage& image) const {
        int rows = 0;
        for (int y = seen.y2 - 6; y <= seen.y2 + 6; ++y)
            rows += qGreen(image.pixel(seen.x5 + 3, y)) < 128 && qRed(image.pixel(seen.x5 + 3, y)) > 200;
        return rows;
    }

    TGraph graph;
    PictureGeometry seen;
};

} // namespace

TEST_F(PictureScale, LabelsTicksAndLinesGrowWithThePicture) {
    EXPECT_DOUBLE_EQ(pictureSizeFactor(QSize(640, 480)), 1.0);
    EXPECT_DOUBLE_EQ(pictureSizeFactor(QSize(1280, 960)), 2.0);
    EXPECT_DOUBLE_EQ(pictureSizeFactor(QSize(1280, 480)), 1.0); // the smaller side rules
    EXPECT_DOUBLE_EQ(pictureSizeFactor(QSize(320, 240)), 1.0);  // never below the screen's look

    const QImage small = picture(QSize(640, 480));
    const auto [smallTick, smallLabel] = tickAndLabel(small);
    const int smallLine = lineRows(small);
    const QImage large = picture(QSize(1280, 960));
    const auto [largeTick, largeLabel] = tickAndLabel(large);
    const int largeLine = lineRows(large);
    if (qEnvironmentVariableIsSet("BRELT_KEEP_IMAGES")) large.save("/tmp/brelt_picture_1280.png");

    EXPECT_GE(largeLabel, 16) << "the digit 5 at 1280 x 960";
    EXPECT_LE(largeLabel, 20);
    EXPECT_NEAR(largeLabel, 2 * smallLabel, 1);
    EXPECT_NEAR(largeTick, 2 * smallTick, 2);
    EXPECT_EQ(smallLine, 1);
    EXPECT_EQ(largeLine, 2);

    // --scale given: the factor the caller asks for, whatever the size.
    const QImage scaled = chartBitmap(graph, QSize(1280, 960), 1.0);
    EXPECT_EQ(tickAndLabel(scaled).second, smallLabel);
}

TEST_F(PictureScale, ThePictureLeavesTheScreenAsItWas) {
    graph.SetImageSize(QSize(500, 400));
    graph.Draw();
    const QImage before = graph.image();
    const QRect plot = graph.GetPlotRect();
    const int unit = graph.scaleUnit();
    picture(QSize(2000, 1500));
    EXPECT_EQ(graph.GetPlotRect(), plot);
    EXPECT_EQ(graph.scaleUnit(), unit);
    EXPECT_DOUBLE_EQ(graph.sizeFactor(), 1.0);
    EXPECT_EQ(graph.image(), before);
    graph.Draw();
    EXPECT_EQ(graph.image(), before);
}

TEST_F(PictureScale, NothingLeavesThePictureAtAnySize) {
    graph.Title().SetText(QStringLiteral("Levels of a long title"));
    graph.XAxis().SetName(QStringLiteral("Angle X"));
    graph.YAxis().SetName(QStringLiteral("Value"));
    graph.SetBackColor(clSilver);
    addLine(graph, QStringLiteral("a second line with a name far too long to stand in any legend whole"), 4,
            clBlue);
    for (const QSize size : {QSize(320, 240), QSize(640, 480), QSize(1280, 960), QSize(4000, 3000)}) {
        const QImage image = picture(size);
        if (qEnvironmentVariableIsSet("BRELT_KEEP_IMAGES"))
            image.save(QStringLiteral("/tmp/brelt_picture_%1.png").arg(size.width()));
        const QRect inside = image.rect().adjusted(2, 2, -3, -3);
        EXPECT_TRUE(inside.contains(seen.legend)) << size.width() << " legend " << seen.legend.right();
        EXPECT_TRUE(inside.contains(seen.plot)) << size.width();
        // The border is background all round: nothing is cut by the picture's edge.
        int ink = 0;
        for (int x = 0; x < image.width(); ++x)
            for (int y : {0, 1, image.height() - 2, image.height() - 1})
                ink += image.pixelColor(x, y) != toQColor(clSilver);
        for (int y = 0; y < image.height(); ++y)
            for (int x : {0, 1, image.width() - 2, image.width() - 1})
                ink += image.pixelColor(x, y) != toQColor(clSilver);
        EXPECT_EQ(ink, 0) << size.width();
        // The title keeps a margin from the top edge.
        int firstInk = -1;
        for (int y = 0; y < seen.title.bottom() && firstInk < 0; ++y)
            for (int x = seen.title.left(); x < seen.title.right() && firstInk < 0; ++x)
                if (dark(image, x, y)) firstInk = y;
        EXPECT_GE(firstInk, 4 * pictureSizeFactor(size)) << size.width();
    }
}

TEST(LegendOverflow, ColumnsThenAndNMoreAndNothingOutside) {
    TGraph graph;
    graph.SetImageSize(QSize(640, 480));
    for (int i = 0; i < 300; ++i)
        addLine(graph, QStringLiteral("f(X+%1)").arg(i), i, clRed);
    const QRect picture(0, 0, 640, 480);
    struct Case {
        TLegendStyle style;
        int shown;
    };
    for (const Case c :
         {Case{TLegendStyle::lsRight, 60}, Case{TLegendStyle::lsRight, 300}, Case{TLegendStyle::lsBottom, 3},
          Case{TLegendStyle::lsBottom, 300}, Case{TLegendStyle::lsInside, 300}}) {
        graph.Legend().Style = c.style;
        for (int i = 0; i < 300; ++i)
            static_cast<TSeries*>(graph.Layers(i))->SetVisible(i < c.shown);
        graph.Draw();
        const TWLegend& legend = graph.Legend();
        EXPECT_TRUE(picture.contains(legend.box())) << c.shown;
        EXPECT_EQ(legend.drawnCount() + legend.moreCount(), c.shown);
        if (c.shown == 60) {
            EXPECT_EQ(legend.moreCount(), 0) << "60 entries fit in columns";
            EXPECT_GT(legend.box().width(), 2 * legend.entryWidth() - 2);
        } else if (c.shown == 3) {
            EXPECT_EQ(legend.moreCount(), 0);
            EXPECT_EQ(legend.entry(0)->position().y(), legend.entry(2)->position().y()) << "side by side";
        } else {
            EXPECT_GT(legend.moreCount(), 0);
            EXPECT_EQ(legend.moreText(), QStringLiteral("\u2026 and %1 more").arg(legend.moreCount()));
        }
        for (int i = 0; i < legend.drawnCount(); ++i)
            EXPECT_TRUE(legend.box().contains(legend.entry(i)->position())) << i;
    }
}

TEST(LegendOverflow, LongNamesLoseTheirMiddle) {
    TGraph graph;
    graph.SetImageSize(QSize(640, 480));
    const QString name = QStringLiteral("f(") + QString(200, QLatin1Char('x')) + QStringLiteral("+1)");
    addLine(graph, name, 1, clRed);
    graph.Draw();
    const QString shown = graph.Legend().entry(0)->shownText(graph.Legend().font());
    EXPECT_TRUE(shown.startsWith(QStringLiteral("f(xx")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("x+1)")));
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_LE(graph.Legend().box().width(), 640 / 2);
}

TEST(LogAxisTicks, NoTickBelowTheClampAndValuesInsideOneDecade) {
    TGraph graph;
    graph.SetImageSize(QSize(640, 480));
    graph.Draw();
    graph.XAxis().SetLog(true);
    graph.SetMinLogValue(1e-10);
    // A range reaching below the clamp, as a zoom or a marker margin leaves it.
    graph.SetRanges(-14, 0, 0, 1);
    const std::vector<Tick> ticks = graph.XAxis().ticksToDraw();
    ASSERT_FALSE(ticks.empty());
    EXPECT_DOUBLE_EQ(ticks.front().value, 1e-10);
    EXPECT_EQ(ticks.front().exponent, "-10");

    graph.SetRanges(std::log10(200.0), 0, std::log10(250.0), 1);
    std::vector<std::string> labels;
    for (const Tick& t : graph.XAxis().ticksToDraw())
        if (t.major) labels.push_back(t.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"200", "210", "220", "230", "240", "250"}));
}
