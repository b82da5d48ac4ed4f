// The Graphics tab from OK to the drawn chart: an f(X) plot of 16,000 points of
// sin(X)*exp(-X^2/10) (validation, tabulation on the real engine, the series and its legend line,
// the 2D window's redraw), and from OK to the grid of a 200 x 200 contour request handed over,
// on the offscreen platform; and a 200 x 200 contour and shade request from OK to the chart drawn
// in the contour window.
#include "chart/view/settings_store.h"
#include "engine/engine.h"
#include "windows/contour_plot.h"
#include "windows/plot2d.h"
#include "workspace/engine_calc.h"
#include "workspace/graphics_page.h"
#include "workspace/plot_targets.h"
#include "workspace/rescu.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace brelt;

namespace {

void BM_PlotFx16000FromOkToChart(benchmark::State& state) {
    QTemporaryDir home;
    workspace::HomePaths paths{home.path(), home.path()};
    for (const QString& file : {paths.constants(), paths.variables()}) {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
    }
    engine::Engine engine;
    workspace::EngineCalc calc(engine);
    workspace::TfmCalc window(calc, paths);
    auto store = std::make_shared<chart::MemorySettingsStore>();
    windows::TfmPlot2D plot2D([store] { return store; });
    workspace::PlotTargets targets;
    targets.plot2D = &plot2D;
    window.graphicsPage().setEngine(&engine);
    window.graphicsPage().setTargets(targets);
    window.show();
    QApplication::processEvents();
    window.findChild<QTabWidget*>(QStringLiteral("pcCalc"))->setCurrentIndex(3);
    window.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("sin(X)*exp(-X^2/10)"));
    window.findChild<QLineEdit*>(QStringLiteral("edStepsX"))->setText(QStringLiteral("16000"));
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("bbOK"));
    ok->click(); // the first plot shows the window
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        plot2D.Chart().Clear();
        state.ResumeTiming();
        ok->click();
    }
    state.counters["points"] = static_cast<double>(plot2D.Chart().graph().Layers(0)->Count());
}
BENCHMARK(BM_PlotFx16000FromOkToChart)->Unit(benchmark::kMillisecond);

void BM_ContourGrid200x200FromOkToHandOver(benchmark::State& state) {
    QTemporaryDir home;
    workspace::HomePaths paths{home.path(), home.path()};
    for (const QString& file : {paths.constants(), paths.variables()}) {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
    }
    engine::Engine engine;
    workspace::EngineCalc calc(engine);
    workspace::TfmCalc window(calc, paths);
    int cells = 0;
    workspace::PlotTargets targets;
    targets.contour = [&cells](const workspace::ContourRequest& r) { cells = r.z->rows() * r.z->cols(); };
    window.graphicsPage().setEngine(&engine);
    window.graphicsPage().setTargets(targets);
    window.show();
    QApplication::processEvents();
    window.findChild<QTabWidget*>(QStringLiteral("pcCalc"))->setCurrentIndex(3);
    window.graphicsPage().rgPlotClick(workspace::kPlotContour);
    window.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("X^2-Y^2"));
    window.findChild<QLineEdit*>(QStringLiteral("edStepsX"))->setText(QStringLiteral("200"));
    window.findChild<QLineEdit*>(QStringLiteral("edStepsY"))->setText(QStringLiteral("200"));
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("bbOK"));
    for (auto _ : state)
        ok->click();
    state.counters["cells"] = cells;
}
BENCHMARK(BM_ContourGrid200x200FromOkToHandOver)->Unit(benchmark::kMillisecond);

// state.range(0): 1 contour lines (10 levels), 2 colour shade.
void BM_Contour200x200FromOkToDrawnChart(benchmark::State& state) {
    QTemporaryDir home;
    workspace::HomePaths paths{home.path(), home.path()};
    for (const QString& file : {paths.constants(), paths.variables()}) {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
    }
    engine::Engine engine;
    workspace::EngineCalc calc(engine);
    workspace::TfmCalc window(calc, paths);
    auto store = std::make_shared<chart::MemorySettingsStore>();
    windows::TfmContourPlot contour([store] { return store; });
    contour.resize(800, 600);
    window.graphicsPage().setEngine(&engine);
    window.graphicsPage().setTargets(workspace::plotTargetsFor(nullptr, &contour, nullptr, nullptr));
    window.show();
    QApplication::processEvents();
    window.findChild<QTabWidget*>(QStringLiteral("pcCalc"))->setCurrentIndex(3);
    window.graphicsPage().rgPlotClick(static_cast<int>(state.range(0)));
    window.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("X^2-Y^2"));
    window.findChild<QLineEdit*>(QStringLiteral("edStepsX"))->setText(QStringLiteral("200"));
    window.findChild<QLineEdit*>(QStringLiteral("edStepsY"))->setText(QStringLiteral("200"));
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("bbOK"));
    ok->click(); // the first request shows the window
    QApplication::processEvents();
    for (auto _ : state)
        ok->click();
    state.counters["layers"] = contour.Chart().graph().LayerCount();
}
BENCHMARK(BM_Contour200x200FromOkToDrawnChart)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
