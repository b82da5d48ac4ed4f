// The whole `brelt --plot` for 16,000 points, in process (tabulation, drawing, PNG written), and
// its tabulation alone. The start of the program itself is timed by running the executable.
#include "app/cli/plot_command.h"
#include "app/cli/plot_tabulate.h"
#include "chart/view/graph.h"
#include "engine/engine.h"

#include <QDir>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

void BM_PlotCommand16000Png(benchmark::State& state) {
    const std::string out = QDir::temp().filePath(QStringLiteral("brelt_bench_plot.png")).toStdString();
    const std::vector<std::string> args = {
        "--plot",  "sin(X)*exp(-X^2/10)", "--from", "-10", "--to", "10", "--steps", "16000",
        "--title", "Damped sine",         "--out",  out};
    for (auto _ : state) {
        std::ostringstream o, e;
        if (brelt::app::runPlotCli(args, o, e) != 0) state.SkipWithError("plot failed");
    }
}
BENCHMARK(BM_PlotCommand16000Png)->Unit(benchmark::kMillisecond);

void BM_Tabulate16000(benchmark::State& state) {
    for (auto _ : state) {
        brelt::chart::TGraph graph;
        brelt::engine::Engine engine;
        const auto r = brelt::app::tabulateIntoChart(graph, engine, "sin(X)*exp(-X^2/10)", -10, 10, 16000);
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(BM_Tabulate16000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
