// Time per evaluation of the numeric procedures, the special functions and a user-function call,
// each through the evaluator exactly as typed, plus the bare Bessel kernels (a 40 x 40 surface of
// Jn(1,X*Y) evaluates 1,600 of them).
#include "engine/engine.h"
#include "engine/procedure_memory.h"
#include "engine/special_functions.h"
#include "engine/user_functions.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace brelt::engine;

namespace {

void Formula(benchmark::State& state, const std::string& formula) {
    Engine engine;
    TUserFunctions functions;
    ConnectUserFunctions(engine, functions);
    functions.AddFunction("f(x,y)=x^2+y");
    for (auto _ : state) {
        // A repeated min/max would double its panels: each iteration is a first search.
        ClearProcedureMemory(engine);
        engine.UsedNames.clear();
        engine.UsedValues.clear();
        benchmark::DoNotOptimize(engine.Evaluate(formula));
        if (engine.ErrorFlag) state.SkipWithError(engine.MessageText(engine.ErrorCode).c_str());
    }
}

BENCHMARK_CAPTURE(Formula, integral_x2, std::string("integral(0,1,X^2)"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Formula, integral_sin, std::string("integral(0,pi,sin(X))"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Formula, solve_x2, std::string("solve(0,2,X^2-2)"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Formula, min_x2, std::string("min(-1,2,X^2)"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Formula, Jn, std::string("Jn(2.5,3)"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Formula, Kn, std::string("Kn(0.5,2)"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Formula, gamma, std::string("gamma(5.3)"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Formula, erf, std::string("erf(0.5)"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Formula, user_function, std::string("f(2,3)"))->Unit(benchmark::kMicrosecond);

void BesselJKernel(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BesselJ(2.5L, 3).value);
}
BENCHMARK(BesselJKernel)->Unit(benchmark::kMicrosecond);

void BesselKKernel(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BesselK(0.5L, 2).value);
}
BENCHMARK(BesselKKernel)->Unit(benchmark::kMicrosecond);

void BesselJSurface(benchmark::State& state) {
    // Jn(1, X*Y) over a 40 x 40 grid of [0.1, 4]^2.
    for (auto _ : state) {
        Real sum = 0;
        for (int i = 0; i < 40; ++i) {
            for (int j = 0; j < 40; ++j)
                sum += BesselJ(1, (0.1L + 0.1L * i) * (0.1L + 0.1L * j)).value;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BesselJSurface)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
