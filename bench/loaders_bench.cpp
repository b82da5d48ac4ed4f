// The file loaders on damaged files, at growing sizes: the time per byte stays flat (linear), and
// the message about skipped lines stays short. Figures: a 2 MB line and 20,000 bad lines.
#include "engine/user_functions.h"
#include "engine/user_variable_file.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace brelt::engine;

namespace {

// One variables file line of `bytes` letters with no " = " in it.
void UserVariablesOneLongLine(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), 'a');
    for (auto _ : state) {
        const UserVariableFileContents contents = parseUserVariableText(text);
        benchmark::DoNotOptimize(skippedLinesMessage("/home/Brelt.USR", contents.skipped));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(UserVariablesOneLongLine)->RangeMultiplier(4)->Range(1 << 15, 1 << 21)->Complexity(benchmark::oN);

// `lines` lines that are no "name = number", and one good one.
void UserVariablesManyBadLines(benchmark::State& state) {
    std::string text = "rate = 2\r\n";
    for (long i = 0; i < state.range(0); ++i)
        text += "garbage line\r\n";
    for (auto _ : state) {
        const UserVariableFileContents contents = parseUserVariableText(text);
        benchmark::DoNotOptimize(skippedLinesMessage("/home/Brelt.USR", contents.skipped));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(UserVariablesManyBadLines)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity(benchmark::oN);

// A functions file whose one line is a declaration with a body of `bytes` characters and as many
// parameters as the line allows, the worst the preparation meets.
void UserFunctionsLongDeclaration(benchmark::State& state) {
    std::string parameters;
    for (int i = 0; i < 31; ++i)
        parameters += (i ? ",p" : "p") + std::to_string(i);
    std::string body;
    while (body.size() < static_cast<std::size_t>(state.range(0)))
        body += "p1+p22*p3-";
    const std::string text = "f(" + parameters + ")=" + body + "p0\r\n";
    TUserFunctions functions;
    for (auto _ : state) {
        functions.LoadFromText("bench.FNC", text);
        benchmark::DoNotOptimize(functions.Count());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(UserFunctionsLongDeclaration)
    ->RangeMultiplier(4)
    ->Range(1 << 12, 1 << 20)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
