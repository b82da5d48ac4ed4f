// `brelt --data` on a file of 1,000,000 measured points, in process: the file read and split, the
// series filled, the chart drawn and written as PNG; and the reading alone. The whole program
// against another plotter is timed by running both executables on the same file.
#include "app/cli/plot_command.h"
#include "chart/io/data_file.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

constexpr int kLines = 1000000;

// The data file: a header, then "X Y" lines of a damped sine, written once per run.
const std::string& dataFile() {
    static const std::string path = [] {
        const QString name = QDir::temp().filePath(QStringLiteral("brelt_bench_1M.txt"));
        QFile file(name);
        if (file.open(QIODevice::WriteOnly)) {
            QByteArray text = "Time Volt\n";
            text.reserve(18 * kLines);
            char line[64];
            for (int i = 0; i < kLines; ++i) {
                const double x = i * 1e-3;
                text += QByteArray(line, std::snprintf(line, sizeof line, "%.3f %.6f\n", x,
                                                       std::sin(x) * std::exp(-x / 500)));
            }
            file.write(text);
        }
        return name.toStdString();
    }();
    return path;
}

void BM_DataPlot1MPng(benchmark::State& state) {
    const std::string out = QDir::temp().filePath(QStringLiteral("brelt_bench_data.png")).toStdString();
    const std::vector<std::string> args = {"--data", dataFile(), "--out", out};
    for (auto _ : state) {
        std::ostringstream o, e;
        if (brelt::app::runPlotCli(args, o, e) != 0) state.SkipWithError("plot failed");
    }
}
BENCHMARK(BM_DataPlot1MPng)->Unit(benchmark::kMillisecond);

void BM_ReadData1M(benchmark::State& state) {
    QFile file(QString::fromStdString(dataFile()));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        const auto points = brelt::chart::readDataPoints(std::string_view(bytes.constData(), bytes.size()),
                                                         brelt::chart::SeparatorTable::standard(), 1, 2);
        benchmark::DoNotOptimize(points.points.data());
    }
}
BENCHMARK(BM_ReadData1M)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
