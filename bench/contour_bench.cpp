// The contour generator without drawing: levels, tracing, joining and labels of 10 levels of
// sin(X)*cos(Y) over [-10, 10] x [-10, 10], on grids of 40, 200 and 1000 points a side. The
// whole generator is the line-mode construction of the layer (the grid copied in); tracing and
// joining are also timed alone. bench/contour_compare.py times the same grids through contourpy.
#include "chart/contour/contour.h"
#include "chart/contour/contour_join.h"
#include "chart/contour/contour_levels.h"
#include "chart/contour/contour_trace.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace brelt::chart;

namespace {

struct WaveGrid {
    TVector x, y;
    TMatrix z;
    explicit WaveGrid(int n) : x(n), y(n), z(n, n) {
        for (int i = 1; i <= n; ++i) {
            x.set(i, -10.0 + 20.0 * (i - 1) / (n - 1));
            y.set(i, -10.0 + 20.0 * (i - 1) / (n - 1));
        }
        for (int j = 1; j <= n; ++j)
            for (int i = 1; i <= n; ++i)
                z.set(i, j, std::sin(x.get(i)) * std::cos(y.get(j)));
    }
    GridView view() const { return {x.data(), x.size(), y.data(), y.size(), z.data()}; }
};

void BM_ContourGenerator(benchmark::State& state) {
    const WaveGrid g(static_cast<int>(state.range(0)));
    std::size_t lines = 0;
    for (auto _ : state) {
        TContour contour(nullptr, false, 10, g.z, g.y, g.x);
        lines = contour.Lines().size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["polylines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ContourGenerator)->Arg(40)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ContourTrace(benchmark::State& state) {
    const WaveGrid g(static_cast<int>(state.range(0)));
    const std::vector<double> levels = levelValues(g.z.Min, g.z.Max, 10);
    std::vector<ContourSegment> pieces;
    for (auto _ : state) {
        const ContourTracer tracer(g.view(), 1e-10);
        pieces.clear();
        for (double h : levels)
            tracer.trace(h, pieces);
        benchmark::DoNotOptimize(pieces.data());
    }
    state.counters["pieces"] = static_cast<double>(pieces.size());
}
BENCHMARK(BM_ContourTrace)->Arg(40)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ContourJoin(benchmark::State& state) {
    const WaveGrid g(static_cast<int>(state.range(0)));
    const ContourTracer tracer(g.view(), 1e-10);
    std::vector<std::vector<ContourSegment>> perLevel;
    for (double h : levelValues(g.z.Min, g.z.Max, 10))
        tracer.trace(h, perLevel.emplace_back());
    const JoinTolerance tolerance;
    ContourJoiner joiner;
    for (auto _ : state)
        for (const auto& pieces : perLevel)
            benchmark::DoNotOptimize(joiner.join(pieces, 0, tolerance));
}
BENCHMARK(BM_ContourJoin)->Arg(40)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
