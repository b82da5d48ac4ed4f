// Drawing speed of the surface and polar charts. A 60 x 60 surface redrawn at the surface window's
// size while its view turns must stay under 16 ms (one frame) for rotating to feel live; the
// larger cases are the command line's pictures.
#include "chart/view/png_writer.h"
#include "chart/vtchart/vt_chart_model.h"
#include "chart/vtchart/vt_picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

using namespace brelt::chart;

namespace {

void fillSurface(TVtChartModel& chart, int n) {
    chart.SetTitleText(QStringLiteral("f(sin(X)*cos(Y))"));
    chart.SetRowCount(n);
    chart.SetColumnCount(n);
    TVtDataGrid& grid = chart.DataGrid();
    for (int r = 1; r <= n; ++r) {
        const double x = -3 + 6.0 * (r - 1) / (n - 1);
        grid.setRowLabel(r, QString::number(x));
        for (int c = 1; c <= n; ++c) {
            const double y = -3 + 6.0 * (c - 1) / (n - 1);
            if (r == 1) grid.setColumnLabel(c, QString::number(y));
            grid.SetData(r, c, std::sin(x) * std::cos(y), false);
        }
    }
    chart.GetPlot().Axis(0).title = QStringLiteral("X");
    chart.GetPlot().Axis(1).title = QStringLiteral("Z");
    chart.GetPlot().Axis(3).title = QStringLiteral("Y");
}

// The redraw of a turning surface: the view moves by a step each frame, as the rotate buttons and
// dragging move it.
void redraw(benchmark::State& state, int n, QSize size) {
    TVtChartModel chart;
    fillSurface(chart, n);
    QImage image(size, QImage::Format_RGB32);
    double rotation = 0;
    for (auto _ : state) {
        chart.GetPlot().SetRotation(rotation += 5);
        image.fill(Qt::white);
        QPainter painter(&image);
        chart.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
}

void BM_SurfaceRedraw60x60(benchmark::State& state) {
    redraw(state, 60, QSize(592, 530)); // the surface window's chart at its default size
}
BENCHMARK(BM_SurfaceRedraw60x60)->Unit(benchmark::kMillisecond);

void BM_SurfaceRedraw60x60Large(benchmark::State& state) {
    redraw(state, 60, QSize(1280, 960));
}
BENCHMARK(BM_SurfaceRedraw60x60Large)->Unit(benchmark::kMillisecond);

void BM_SurfaceRedraw200x200(benchmark::State& state) {
    redraw(state, 200, QSize(1280, 960)); // the command line's default picture
}
BENCHMARK(BM_SurfaceRedraw200x200)->Unit(benchmark::kMillisecond);

void BM_SurfacePng200x200(benchmark::State& state) {
    TVtChartModel chart;
    fillSurface(chart, 200);
    for (auto _ : state)
        benchmark::DoNotOptimize(encodePng(vtChartImage(chart, QSize(1280, 960))).size());
}
BENCHMARK(BM_SurfacePng200x200)->Unit(benchmark::kMillisecond);

void BM_PolarTwoCurves(benchmark::State& state) {
    TVtChartModel chart;
    chart.SetChartType(VtChartType::Polar);
    chart.SetShowLegend(true);
    chart.SetRowCount(360);
    chart.SetColumnCount(4);
    TVtDataGrid& grid = chart.DataGrid();
    for (int r = 1; r <= 360; ++r) {
        const double a = r - 1.0;
        const double x = a * std::numbers::pi / 180;
        grid.SetData(r, 1, a, false);
        grid.SetData(r, 2, std::sin(2 * x), false);
        grid.SetData(r, 3, a, false);
        grid.SetData(r, 4, 1 + std::cos(x), false);
    }
    QImage image(QSize(640, 480), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        chart.draw(painter, QRectF(0, 0, 640, 480));
    }
}
BENCHMARK(BM_PolarTwoCurves)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
