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

// The main window on an empty home, its Graphics tab open once open() has handed it its targets,
// with `formula` in the input line and the steps in both directions set.
struct GraphicsTab {
    QTemporaryDir home;
    workspace::HomePaths paths = emptyHome(home.path());
    engine::Engine engine;
    workspace::EngineCalc calc{engine};
    workspace::TfmCalc window{calc, paths};

    static workspace::HomePaths emptyHome(const QString& folder) {
        workspace::HomePaths paths{folder, folder};
        for (const QString& file : {paths.constants(), paths.variables()}) {
            QFile f(file);
            f.open(QIODevice::WriteOnly);
        }
        return paths;
    }
    void open(const workspace::PlotTargets& targets) {
        window.graphicsPage().setEngine(&engine);
        window.graphicsPage().setTargets(targets);
        window.show();
        QApplication::processEvents();
        window.findChild<QTabWidget*>(QStringLiteral("pcCalc"))->setCurrentIndex(3);
    }
    QPushButton* request(int type, const QString& formula, const QString& steps) {
        window.graphicsPage().rgPlotClick(type);
        window.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(formula);
        window.findChild<QLineEdit*>(QStringLiteral("edStepsX"))->setText(steps);
        if (type != workspace::kPlotFx)
            window.findChild<QLineEdit*>(QStringLiteral("edStepsY"))->setText(steps);
        return window.findChild<QPushButton*>(QStringLiteral("bbOK"));
    }
};

void BM_PlotFx16000FromOkToChart(benchmark::State& state) {
    GraphicsTab tab;
    auto store = std::make_shared<chart::MemorySettingsStore>();
    windows::TfmPlot2D plot2D([store] { return store; });
    workspace::PlotTargets targets;
    targets.plot2D = &plot2D;
    tab.open(targets);
    QPushButton* ok =
        tab.request(workspace::kPlotFx, QStringLiteral("sin(X)*exp(-X^2/10)"), QStringLiteral("16000"));
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
    GraphicsTab tab;
    int cells = 0;
    workspace::PlotTargets targets;
    targets.contour = [&cells](const workspace::ContourRequest& r) { cells = r.z->rows() * r.z->cols(); };
    tab.open(targets);
    QPushButton* ok = tab.request(workspace::kPlotContour, QStringLiteral("X^2-Y^2"), QStringLiteral("200"));
    for (auto _ : state)
        ok->click();
    state.counters["cells"] = cells;
}
BENCHMARK(BM_ContourGrid200x200FromOkToHandOver)->Unit(benchmark::kMillisecond);

// state.range(0): 1 contour lines (10 levels), 2 colour shade.
void BM_Contour200x200FromOkToDrawnChart(benchmark::State& state) {
    GraphicsTab tab;
    auto store = std::make_shared<chart::MemorySettingsStore>();
    windows::TfmContourPlot contour([store] { return store; });
    contour.resize(800, 600);
    tab.open(workspace::plotTargetsFor(nullptr, &contour, nullptr, nullptr));
    QPushButton* ok =
        tab.request(static_cast<int>(state.range(0)), QStringLiteral("X^2-Y^2"), QStringLiteral("200"));
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
