// Surface and polar drawing checked by pixels where the geometry says they must be: curves along
// spokes, a negative radius through the centre, gaps at null cells, the lit surface, the legend's
// entries, and the same picture in every file format.
#include "chart/vtchart/vt_chart_model.h"
#include "chart/vtchart/vt_draw_support.h"
#include "chart/vtchart/vt_picture.h"
#include "chart/vtchart/vt_polar_draw.h"
#include "chart/vtchart/vt_surface_draw.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QColor at(const QImage& image, const QPointF& p) {
    return image.pixelColor(p.toPoint());
}

// A pair of columns from rows of (angle, radius); NaN radius is a null cell.
void addCurve(TVtDataGrid& grid, const std::vector<std::pair<double, double>>& points) {
    const int column = grid.ColumnCount() + 1;
    grid.SetSize(std::max(grid.RowCount(), static_cast<int>(points.size())), column + 1);
    for (size_t i = 0; i < points.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid.SetData(row, column, points[i].first, false);
        grid.SetData(row, column + 1, points[i].second, std::isnan(points[i].second));
    }
}

TEST(PolarDraw, CurvesFollowTheirAnglesAndNegativeRadiiCrossTheCentre) {
    TVtDataGrid grid;
    TVtPlot plot;
    for (int s = 0; s < 3; ++s) // wide enough that the middle of the line has the full colour
        plot.SetSeriesPen(s, {vtPaletteColor(s), 4.0});
    const double gap = std::nan("");
    addCurve(grid, {{30, 0.5}, {30, 2}});             // along the 30 degree spoke
    addCurve(grid, {{60, -0.5}, {60, -2}});           // drawn on the 240 degree side
    addCurve(grid, {{120, 0.5}, {0, gap}, {120, 2}}); // broken by the null cell
    QImage image = blank(400, 400);
    QPainter painter(&image);
    const QRectF area(0, 0, 400, 400);
    drawPolarChart(painter, area, grid, plot);
    const PolarFrame frame = polarFrame(painter, area, grid);
    painter.end();
    EXPECT_EQ(frame.rMax, 2);
    EXPECT_EQ(frame.center, QPointF(200, 200));
    EXPECT_EQ(at(image, frame.point(30, 1.25)), toQColor(vtPaletteColor(0)));
    EXPECT_EQ(at(image, frame.point(240, 1.25)), toQColor(vtPaletteColor(1)));
    EXPECT_NE(at(image, frame.point(60, 1.25)), toQColor(vtPaletteColor(1)));
    EXPECT_NE(at(image, frame.point(120, 1.25)), toQColor(vtPaletteColor(2)));
    EXPECT_EQ(at(image, frame.point(120, 0.5)), toQColor(vtPaletteColor(2))); // a lone point is a dot
}

TEST(PolarDraw, LegendNamesEachPairByItsFirstLabel) {
    TVtDataGrid grid;
    grid.SetSize(2, 6);
    grid.setColumnLabel(1, QStringLiteral("f(sin(2*X))"));
    grid.setColumnLabel(4, QStringLiteral("r"));
    TVtPlot plot;
    plot.SetSeriesPen(1, {clBlack, 1.0});
    const std::vector<VtLegendEntry> entries = polarLegend(grid, plot);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].text, QStringLiteral("f(sin(2*X))"));
    EXPECT_EQ(entries[1].text, QStringLiteral("r"));
    EXPECT_EQ(entries[1].color, QColor(Qt::black));
    EXPECT_EQ(entries[2].text, QStringLiteral("Series 3"));
}

bool looksLikeSurface(const QColor& c) {
    // Shades of the default surface colour (red 0, green and blue alike) under the light.
    return c.red() < 90 && c.green() > 100 && std::abs(c.green() - c.blue()) < 12;
}

TEST(SurfaceDraw, LitMeshWhereTheCellsAreAndGapsAtNullCells) {
    TVtDataGrid grid;
    grid.SetSize(3, 3);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            grid.SetData(r, c, 1.0, false);
    grid.SetData(1, 1, 0, true); // the cell of rows 1-2, columns 1-2 loses a corner
    TVtPlot plot;
    QImage image = blank(500, 400);
    QPainter painter(&image);
    const QRectF area(0, 0, 500, 400);
    drawSurfaceChart(painter, area, grid, plot);
    const SurfaceLayout layout = surfaceLayout(painter, area, grid, plot);
    painter.end();
    const double z = layout.z(1.0);
    EXPECT_TRUE(looksLikeSurface(at(image, layout.view.project({0.5, 0.5, z}))));
    EXPECT_TRUE(looksLikeSurface(at(image, layout.view.project({-0.5, 0.5, z}))));
    // The cell that lost a corner keeps the triangle of its other three.
    EXPECT_FALSE(looksLikeSurface(at(image, layout.view.project({-0.85, -0.85, z}))));
    EXPECT_TRUE(looksLikeSurface(at(image, layout.view.project({-0.2, -0.2, z}))));
    // The value axis runs from the nice bound below the data to the one above it.
    EXPECT_LT(layout.values.min, 1.0);
    EXPECT_GT(layout.values.max, 1.0);
}

TEST(SurfaceDraw, LegendGivesTheValueRange) {
    TVtDataGrid grid;
    grid.SetSize(2, 2);
    grid.SetData(1, 1, -0.25, false);
    grid.SetData(2, 2, 3, false);
    TVtPlot plot;
    plot.Axis(1).title = QStringLiteral("Z");
    const std::vector<VtLegendEntry> entries = surfaceLegend(grid, plot);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, QStringLiteral("Z: -0.25 to 3"));
    EXPECT_FALSE(entries[0].line);
}

TEST(VtPicture, EveryFormatIsWrittenFromTheOneDrawing) {
    TVtChartModel chart;
    chart.SetTitleText(QStringLiteral("Peak"));
    chart.SetRowCount(4);
    chart.SetColumnCount(4);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
            chart.DataGrid().SetData(r, c, r * c, false);
    const QImage image = vtChartImage(chart, QSize(320, 240));
    EXPECT_EQ(image.size(), QSize(320, 240));
    // The title darkens the top middle.
    bool title = false;
    for (int x = 130; x < 190; ++x)
        title = title || image.pixelColor(x, 14).lightness() < 100;
    EXPECT_TRUE(title);

    QTemporaryDir dir;
    for (auto [name, format] :
         {std::pair{"c.png", PictureFormat::Png}, std::pair{"c.bmp", PictureFormat::Bmp},
          std::pair{"c.svg", PictureFormat::Svg}, std::pair{"c.pdf", PictureFormat::Pdf}}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QString error;
        ASSERT_TRUE(saveVtChartPicture(chart, path, format, QSize(320, 240), &error)) << error.toStdString();
        if (format == PictureFormat::Svg) {
            EXPECT_TRUE(QSvgRenderer(path).isValid());
        } else if (format != PictureFormat::Pdf) {
            EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), image);
        }
    }
    QString error;
    EXPECT_FALSE(
        saveVtChartPicture(chart, dir.filePath("missing/c.png"), PictureFormat::Png, QSize(10, 10), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace brelt::chart
