// A contour map in the chart: "Z=" under the mouse in the status bar, and the colour legend
// showing the colour scale of the contour it was given.
#include "chart/contour/color_scale.h"
#include "chart/contour/contour.h"
#include "chart/view/color_legend.h"
#include "chart/view/graph.h"

#include <gtest/gtest.h>

using namespace brelt::chart;

namespace {

class RecordingHost : public ChartHost {
public:
    void setStatusPanel(int index, const QString& text, int) override { panels[index] = text; }
    void setChartCursor(ChartCursor) override {}
    QString panels[3];
};

TContour* addContour(TGraph& graph, double (*f)(double, double), bool shade) {
    TVector x(8), y(8);
    TMatrix z(8, 8);
    for (int i = 1; i <= 8; ++i)
        x.set(i, i - 1), y.set(i, i - 1);
    for (int i = 1; i <= 8; ++i)
        for (int j = 1; j <= 8; ++j)
            z.set(i, j, f(x.get(i), y.get(j)));
    return static_cast<TContour*>(graph.AddLayer(std::make_unique<TContour>(&graph, shade, 5, z, y, x)));
}

} // namespace

TEST(ContourStatus, ZUnderTheMouseWithFiveDigits) {
    TGraph graph;
    graph.SetImageSize(QSize(500, 400));
    RecordingHost host;
    graph.Draw();
    graph.setHost(&host);
    const QPoint inside = graph.GetPlotRect().center();
    graph.MouseMove(0, inside.x(), inside.y());
    EXPECT_EQ(host.panels[2], QString()); // no contour map: no Z

    addContour(
        graph, [](double, double) { return 1.0 / 3; }, false);
    graph.MouseMove(0, inside.x(), inside.y());
    EXPECT_EQ(host.panels[2], QStringLiteral("Z=0.33333"));
    graph.MouseMove(0, 2, 2);
    EXPECT_EQ(host.panels[2], QStringLiteral("Z=n/a"));
    graph.setHost(nullptr);
}

TEST(ContourStatus, ZIsTheGridInterpolatedAtTheCursor) {
    TGraph graph;
    graph.SetImageSize(QSize(500, 400));
    TContour* c = addContour(
        graph, [](double x, double y) { return 1000 * x + y; }, false);
    graph.Draw();
    RecordingHost host;
    graph.setHost(&host);
    const QPoint p = graph.GetPlotRect().center() + QPoint(7, 3);
    graph.MouseMove(0, p.x(), p.y());
    const double z = c->ValueAt(graph.PixelToX(p.x()), graph.PixelToY(p.y()));
    EXPECT_EQ(host.panels[2], QStringLiteral("Z=") + QString::number(z, 'g', 5));
    graph.setHost(nullptr);
}

TEST(ColorLegend, ShowsTheColourScaleOfItsContour) {
    TGraph graph;
    graph.SetImageSize(QSize(500, 400));
    programColorScale().setPalette(ColorPalette::Rainbow);
    TContour* c = addContour(
        graph, [](double x, double) { return x; }, true); // 0 .. 7
    graph.ColorLegend().setContour(c);
    graph.ColorLegend().setKind(2);
    graph.Draw();
    const std::vector<ColorCell>& cells = graph.ColorLegend().cells();
    ASSERT_EQ(cells.size(), 8u);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(cells[static_cast<std::size_t>(k)].value, k);
        EXPECT_EQ(cells[static_cast<std::size_t>(k)].color,
                  ColorScale::paletteColor(ColorPalette::Rainbow, ColorScale::breakIndex(8 - k)));
    }
    const QRect box = graph.ColorLegend().box();
    ASSERT_FALSE(box.isNull());
    EXPECT_EQ(graph.image().pixelColor(box.left() + 3, box.top() + 3), QColor(185, 60, 60));
    EXPECT_EQ(graph.image().pixelColor(box.left() + 3, box.bottom() - 3), QColor(60, 60, 207));
    // Gone with the chart's layers.
    graph.Clear();
    graph.Draw();
    EXPECT_TRUE(graph.ColorLegend().cells().empty());
    EXPECT_FALSE(graph.ColorLegend().takesSpace());
}

TEST(ColorLegend, FollowsTheCutOffsOfTheShade) {
    TGraph graph;
    graph.SetImageSize(QSize(500, 400));
    TContour* c = addContour(
        graph, [](double x, double) { return x; }, true);
    programColorScale().setUpperCutOff(3.5, true);
    graph.ColorLegend().setContour(c);
    graph.Draw();
    programColorScale().setUpperCutOff(7, false);
    ASSERT_EQ(graph.ColorLegend().cells().size(), 8u);
    EXPECT_EQ(graph.ColorLegend().cells().back().value, 3.5);
    EXPECT_EQ(graph.ColorLegend().cells().front().value, 0);
}
