// Drawing speed of the chart engine: one 16,000-point line-and-point series, and ten series of
// 2,000 points, drawn into a 1280x960 bitmap (the size of a plot written by the command line), on
// screen and as a picture.
#include "chart/data/series.h"
#include "chart/view/graph.h"
#include "chart/view/picture_export.h"
#include "chart/view/png_writer.h"

#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace brelt::chart;

namespace {

void addWave(TGraph& graph, int points, double phase) {
    const TColor color = graph.FreeColor();
    auto series = std::make_unique<TSeries>(&graph, QStringLiteral("wave"), SeriesStyle::LineAndPoint, color);
    series->setMarkerStyle(graph.FreeMarker());
    series->setMarkerStep(points / 20);
    for (int i = 0; i < points; ++i) {
        const double x = -10.0 + 20.0 * i / (points - 1);
        series->AddPoint(color, QString(), x, std::sin(x + phase) * std::exp(-x * x / 10));
    }
    auto* added = static_cast<TSeries*>(graph.AddLayer(std::move(series)));
    graph.addLineLegend(*added);
}

void BM_DrawOneSeries16000(benchmark::State& state) {
    TGraph graph;
    graph.SetImageSize(QSize(1280, 960));
    addWave(graph, 16000, 0);
    for (auto _ : state)
        graph.Draw();
}
BENCHMARK(BM_DrawOneSeries16000)->Unit(benchmark::kMillisecond);

void BM_DrawTenSeries2000(benchmark::State& state) {
    TGraph graph;
    graph.SetImageSize(QSize(1280, 960));
    for (int s = 0; s < 10; ++s)
        addWave(graph, 2000, s * 0.3);
    for (auto _ : state)
        graph.Draw();
}
BENCHMARK(BM_DrawTenSeries2000)->Unit(benchmark::kMillisecond);

// The picture the command line writes: 1280 x 960 at twice the screen's sizes, smoothed (1) or
// with the old stepped look (0).
void BM_PictureBitmap16000(benchmark::State& state) {
    TGraph graph;
    addWave(graph, 16000, 0);
    graph.SetAntialiased(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(chartBitmap(graph, QSize(1280, 960)).width());
}
BENCHMARK(BM_PictureBitmap16000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_EncodePng(benchmark::State& state) {
    TGraph graph;
    graph.SetImageSize(QSize(1280, 960));
    addWave(graph, 16000, 0);
    graph.Draw();
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodePng(graph.image()).size());
    }
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);

void BM_Svg16000(benchmark::State& state) {
    TGraph graph;
    addWave(graph, 16000, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(chartSvg(graph, QSize(1280, 960)).size());
}
BENCHMARK(BM_Svg16000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
