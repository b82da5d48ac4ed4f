// Nanoseconds per Evaluate for four typical plotting formulas, each beside the same arithmetic
// written directly in C++ with long double. The evaluator re-reads the text at every call, so the
// gap between a formula and its twin is what reading, name lookup and dispatch cost. The goal is
// each formula within twice its twin.
//
// X runs over 1,000,000 values spread over [-10, 10] and is written into its slot before each
// call, as the plot tabulation does. "^" in the twins is computed the way the language computes
// it: exp(p * ln b), with the sign rules for a negative base.
#include "engine/engine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using brelt::engine::Engine;
using brelt::engine::Real;

constexpr size_t kValueCount = 1000000;

const std::vector<Real>& xValues() {
    static const std::vector<Real> values = [] {
        std::vector<Real> v(kValueCount);
        // A fixed scramble of the grid, so no two neighbouring calls see neighbouring values.
        for (size_t i = 0; i < kValueCount; ++i) {
            const size_t k = (i * 7919) % kValueCount;
            v[i] = -10 + 20 * static_cast<Real>(k) / static_cast<Real>(kValueCount - 1);
        }
        return v;
    }();
    return values;
}

// The language's power: exp(p ln b), no underflow fault, a negative base needs a whole exponent.
Real power(Real b, Real p) {
    static const Real smallest = std::log(3.4E-1000L);
    if (b > 0) {
        const Real t = p * std::log(b);
        return t >= smallest ? std::exp(t) : 0;
    }
    if (b == 0) return p > 0 ? 0 : 1 / b;
    if (p != std::trunc(p)) return 0; // a domain error in the language
    const Real magnitude = std::exp(p * std::log(-b));
    return std::fmod(std::trunc(p), 2) != 0 ? -magnitude : magnitude;
}

Real damped(Real x) {
    return std::sin(x) * std::exp(-power(x, 2) / 10);
}
Real cubic(Real x) {
    return power(x, 3) - 2 * power(x, 2) + x - 5;
}
Real mixed(Real x) {
    return std::sqrt(std::fabs(x)) + std::log(std::fabs(x) + 1) + power(std::cos(x), 2);
}
Real nested(Real x) {
    return power((((x + 1) * 2 - 3) / 4 + 5), 2);
}

struct Formula {
    const char* text;
    Real (*twin)(Real);
};

const Formula kFormulas[] = {
    {"sin(X)*exp(-X^2/10)", damped},
    {"X^3-2*X^2+X-5", cubic},
    {"sqrt(abs(X))+ln(abs(X)+1)+cos(X)^2", mixed},
    {"((((X+1)*2-3)/4+5)^2)", nested},
};

// range(0): the formula; range(1): 1 when the used names and values are recorded, as for a typed
// formula whose tape line lists them, 0 when not, as a plot evaluating at many points does.
void evaluateFormula(benchmark::State& state) {
    const Formula& formula = kFormulas[state.range(0)];
    const std::vector<Real>& xs = xValues();
    Engine engine;
    engine.AngleUnit = 0; // radians, as the twins compute
    engine.RecordUsed = state.range(1) != 0;
    const std::string text = formula.text;
    size_t i = 0;
    size_t failures = 0;
    for (auto _ : state) {
        engine.slot(brelt::engine::kSlotX).value = xs[i];
        const Real value = engine.Evaluate(text);
        benchmark::DoNotOptimize(value);
        failures += engine.ErrorFlag ? 1 : 0;
        engine.UsedNames.clear();
        engine.UsedValues.clear();
        if (++i == xs.size()) i = 0;
    }
    state.SetLabel(formula.text);
    state.counters["failures"] = static_cast<double>(failures);
}

void handWrittenTwin(benchmark::State& state) {
    const Formula& formula = kFormulas[state.range(0)];
    const std::vector<Real>& xs = xValues();
    size_t i = 0;
    for (auto _ : state) {
        Real x = xs[i];
        benchmark::DoNotOptimize(x);
        const Real value = formula.twin(x);
        benchmark::DoNotOptimize(value);
        if (++i == xs.size()) i = 0;
    }
    state.SetLabel(formula.text);
}

// Both sides agree, so the comparison is between equal work.
void checkAgreement(benchmark::State& state) {
    Engine engine;
    engine.AngleUnit = 0;
    Real worst = 0;
    for (auto _ : state) {
        worst = 0;
        for (const Formula& formula : kFormulas) {
            const std::string text = formula.text;
            for (size_t i = 0; i < xValues().size(); i += 997) {
                const Real x = xValues()[i];
                engine.slot(brelt::engine::kSlotX).value = x;
                const Real value = engine.Evaluate(text);
                const Real expected = formula.twin(x);
                const Real error = std::fabs(value - expected) / std::max<Real>(1, std::fabs(expected));
                worst = engine.ErrorFlag ? Real(1) : std::max(worst, error);
            }
        }
    }
    char label[64];
    std::snprintf(label, sizeof label, "worst relative difference %.3Le", worst);
    state.SetLabel(label);
}

} // namespace

BENCHMARK(evaluateFormula)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Iterations(kValueCount);
BENCHMARK(handWrittenTwin)->DenseRange(0, 3)->Iterations(kValueCount);
BENCHMARK(checkAgreement)->Iterations(1);

BENCHMARK_MAIN();
