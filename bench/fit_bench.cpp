// A degree-40 least-squares fit of 100,000 points (the chart's highest degree), and the fit series
// that samples it at 200 X values.
#include "chart/fit/fit_series.h"
#include "chart/fit/least_squares.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kPoints = 100000;

void BM_Fit40Of100000(benchmark::State& state) {
    std::vector<double> x(kPoints), y(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        x[static_cast<size_t>(i)] = 1000.0 + i * 1e-3;
        y[static_cast<size_t>(i)] = std::sin(i * 1e-4) + 1e-3 * ((i * 7919) % 13);
    }
    for (auto _ : state) {
        const auto fit = brelt::chart::fitPolynomial(x, y, 40);
        if (!fit) state.SkipWithError("fit failed");
        benchmark::DoNotOptimize(fit);
    }
}
BENCHMARK(BM_Fit40Of100000)->Unit(benchmark::kMillisecond);

void BM_FitSeries40Of100000(benchmark::State& state) {
    using namespace brelt::chart;
    TSeries source(nullptr, QStringLiteral("data"), SeriesStyle::Points, clRed);
    for (int i = 0; i < kPoints; ++i)
        source.AddPoint(clRed, QString(), i * 1e-3, std::sin(i * 1e-4));
    for (auto _ : state) {
        TFitSeries fit(source, kFitSamples, 40);
        if (fit.Count() != kFitSamples) state.SkipWithError("fit failed");
    }
}
BENCHMARK(BM_FitSeries40Of100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
