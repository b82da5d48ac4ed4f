// Time per call of each special function at ordinary arguments, calling the kernels directly (the
// evaluator's reading adds the same small cost to every one of them), and a few arguments far out
// in each domain, where the algorithms that serve them are slower by nature.
#include "engine/special_functions.h"

#include <benchmark/benchmark.h>

using namespace brelt::engine;

namespace {

Real Value(const KernelResult& result) {
    return result.value;
}
Real Value(Real value) {
    return value;
}

template <typename F> void OneArgument(benchmark::State& state, F f, Real x) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Value(f(x)));
}

template <typename F> void TwoArguments(benchmark::State& state, F f, Real n, Real x) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Value(f(n, x, KernelControl{})));
}

KernelResult SiAt(Real x) {
    return SineIntegral(x);
}
KernelResult CiAt(Real x) {
    return CosineIntegral(x);
}

#define ONE(name, f, x) BENCHMARK_CAPTURE(OneArgument, name, f, x)->Unit(benchmark::kMicrosecond)
#define TWO(name, f, n, x) BENCHMARK_CAPTURE(TwoArguments, name, f, n, x)->Unit(benchmark::kMicrosecond)

// Ordinary arguments: what a user types most.
ONE(gamma_5_3, Gamma, 5.3L);
ONE(gamma_minus_2_5, Gamma, -2.5L);
ONE(factorial_20, Factorial, 20.0L);
ONE(erf_0_5, Erf, 0.5L);
ONE(erf_2_5, Erf, 2.5L);
ONE(Si_0_5, SiAt, 0.5L);
ONE(Si_3, SiAt, 3.3L);
ONE(Si_10, SiAt, 10.0L);
ONE(Ci_0_5, CiAt, 0.5L);
ONE(Ci_3, CiAt, 3.3L);
ONE(Ci_10, CiAt, 10.0L);
TWO(Jn_0_1, BesselJ, 0.0L, 1.0L);
TWO(Jn_2_5_3, BesselJ, 2.5L, 3.0L);
TWO(Jn_1_30, BesselJ, 1.0L, 30.0L);
TWO(Yn_0_1, BesselY, 0.0L, 1.0L);
TWO(Yn_1_10, BesselY, 1.0L, 10.0L);
TWO(In_1_1, BesselI, 1.0L, 1.0L);
TWO(In_2_5_10, BesselI, 2.5L, 10.0L);
TWO(Kn_0_5_2, BesselK, 0.5L, 2.0L);
TWO(Kn_1_10, BesselK, 1.0L, 10.0L);
TWO(eFD_0_5_1, FermiDirac, 0.5L, 1.0L);
TWO(eFD_1_5_10, FermiDirac, 1.5L, 10.0L);
TWO(eFD_3_minus_2, FermiDirac, 3.0L, -2.0L);
TWO(eFD_minus_0_5_1, FermiDirac, -0.5L, 1.0L);

// Far out: large arguments and orders.
ONE(gamma_1000_5, Gamma, 1000.5L);
ONE(Si_1e6, SiAt, 1e6L);
TWO(Jn_10_1000, BesselJ, 10.0L, 1000.0L);
TWO(Jn_100_150, BesselJ, 100.0L, 150.0L);
TWO(Yn_100_150, BesselY, 100.0L, 150.0L);
TWO(In_100_500, BesselI, 100.0L, 500.0L);
TWO(Kn_100_500, BesselK, 100.0L, 500.0L);
TWO(eFD_0_5_100, FermiDirac, 0.5L, 100.0L);
TWO(eFD_20_30, FermiDirac, 20.0L, 30.0L);

} // namespace

BENCHMARK_MAIN();
