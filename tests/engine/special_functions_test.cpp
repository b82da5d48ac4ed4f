// Special function kernels against 30-digit reference values, with the accuracy each algorithm
// can reach, and their domain errors.
#include "engine/engine.h"
#include "engine/special_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace brelt::engine;

namespace {

struct ReferenceLine {
    std::string formula;
    std::string name;
    Real a = 0;
    Real b = 0;
    Real truth = 0;
};

std::string DataPath() {
    return BRELT_TEST_DATA "/data/special-functions.tsv";
}

// Lines "name(a[,b])<TAB>unit<TAB>value" whose arguments are plain numbers.
std::vector<ReferenceLine> ReadReference() {
    std::vector<ReferenceLine> lines;
    std::ifstream in(DataPath());
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ReferenceLine ref;
        std::string unit, value;
        std::getline(fields, ref.formula, '\t');
        std::getline(fields, unit, '\t');
        std::getline(fields, value, '\t');
        const auto open = ref.formula.find('(');
        if (open == std::string::npos || ref.formula.back() != ')') continue;
        ref.name = ref.formula.substr(0, open);
        const std::string args = ref.formula.substr(open + 1, ref.formula.size() - open - 2);
        char* end = nullptr;
        ref.a = std::strtold(args.c_str(), &end);
        if (end == args.c_str()) continue; // not a plain number (integral bounds, pi, ...)
        if (*end == ',') ref.b = std::strtold(end + 1, &end);
        if (*end != '\0') continue;
        ref.truth = std::strtold(value.c_str(), nullptr);
        lines.push_back(ref);
    }
    return lines;
}

KernelResult Compute(const ReferenceLine& ref) {
    const std::string& n = ref.name;
    if (n == "gamma") return Gamma(ref.a);
    if (n == "n!") return Factorial(ref.a);
    if (n == "erf") return {Erf(ref.a), kNoError};
    if (n == "Si") return SineIntegral(ref.a);
    if (n == "Ci") return CosineIntegral(ref.a);
    if (n == "Jn") return BesselJ(ref.a, ref.b);
    if (n == "Yn") return BesselY(ref.a, ref.b);
    if (n == "In") return BesselI(ref.a, ref.b);
    if (n == "Kn") return BesselK(ref.a, ref.b);
    if (n == "eFD") return FermiDirac(ref.a, ref.b);
    return {0, 0};
}

// Accuracy of each algorithm: relative for the series and integrals, absolute for the rational
// approximations (whose error does not scale with the value).
struct Tolerance {
    Real relative;
    Real absolute;
};
const std::map<std::string, Tolerance> kTolerance = {
    {"gamma", {1e-17L, 0}}, // Stirling series, seven terms, from 12 on
    {"n!", {1e-17L, 0}},    // exact product
    {"erf", {0, 1e-14L}},   // rational approximation of erfc
    {"Si", {0, 5e-7L}},     // integral up to 1, rational f and g above
    {"Ci", {0, 5e-7L}},     //
    {"Jn", {1e-6L, 0}},     // integral representations settled at P = 9
    {"Yn", {1e-6L, 0}},     //
    {"In", {1e-6L, 0}},     //
    {"Kn", {1e-6L, 0}},     //
    {"eFD", {1e-6L, 0}},    // t^n has an endpoint singularity: the slowest of them
};

TEST(SpecialFunctions, MatchReferenceValuesWithinTheirAlgorithmsAccuracy) {
    const auto lines = ReadReference();
    ASSERT_GE(lines.size(), 25u) << "reference table not found at " << DataPath();
    int checked = 0;
    for (const auto& ref : lines) {
        const auto tolerance = kTolerance.find(ref.name);
        if (tolerance == kTolerance.end()) continue;
        const KernelResult r = Compute(ref);
        ASSERT_TRUE(r.ok()) << ref.formula << " failed with code " << r.error;
        const Real allowed = tolerance->second.relative * std::fabs(ref.truth) + tolerance->second.absolute;
        EXPECT_LE(std::fabs(r.value - ref.truth), allowed)
            << ref.formula << " gave " << static_cast<double>(r.value) << " error "
            << static_cast<double>(r.value - ref.truth);
        ++checked;
    }
    EXPECT_GE(checked, 25);
}

// Smooth integrands settle far beyond the seven digits the text test asks for.
TEST(SpecialFunctions, SmoothIntegralsAreMuchBetterThanTheirStoppingTest) {
    EXPECT_NEAR(BesselJ(0, 1).value, 0.765197686557966551449717526103L, 1e-14L);
    EXPECT_NEAR(SineIntegral(1).value, 0.946083070367183014941353313823L, 1e-17L);
    EXPECT_NEAR(CosineIntegral(0.5L).value, -0.177784078806612901335810271071L, 1e-17L);
}

struct ExactCase {
    const char* what;
    KernelResult (*f)(Real);
    Real x;
    Real expected;
};

KernelResult SiAt(Real x) {
    return SineIntegral(x);
}
KernelResult CiAt(Real x) {
    return CosineIntegral(x);
}

TEST(SpecialFunctions, ExactValues) {
    const Real sqrtPi = 1.772453850905516027298167483341145183L;
    const ExactCase cases[] = {
        {"gamma(5)", Gamma, 5, 24},
        {"gamma(1)", Gamma, 1, 1},
        {"gamma(2)", Gamma, 2, 1},
        {"gamma(0.5)", Gamma, 0.5L, sqrtPi},
        {"gamma(-0.5)", Gamma, -0.5L, -2 * sqrtPi},
        {"n!(0)", Factorial, 0, 1},
        {"n!(3)", Factorial, 3, 6},
        {"n!(20)", Factorial, 20, 2432902008176640000.0L},
        {"Si(0)", SiAt, 0, 0},
    };
    for (const auto& c : cases) {
        const KernelResult r = c.f(c.x);
        ASSERT_TRUE(r.ok()) << c.what;
        EXPECT_NEAR(r.value, c.expected, 4e-18L * std::fabs(c.expected)) << c.what;
    }
    EXPECT_EQ(Erf(0), 0);
    EXPECT_EQ(Erf(-1), -Erf(1));
    EXPECT_EQ(Erf(14.2L), 1); // beyond u = 10 the tail is 0
    EXPECT_EQ(Erf(-14.2L), -1);
    EXPECT_EQ(BesselJ(0, 0).value, 1);
    EXPECT_EQ(BesselJ(1, 0).value, 0);
    EXPECT_EQ(BesselI(0, 0).value, 1);
}

struct ErrorCase {
    const char* what;
    KernelResult result;
    int code;
};

TEST(SpecialFunctions, DomainErrors) {
    const ErrorCase cases[] = {
        {"gamma(0)", Gamma(0), 13},
        {"gamma(-2)", Gamma(-2), 13},
        {"gamma(1756)", Gamma(1756), 11},
        {"gamma(1800.5)", Gamma(1800.5L), 11},
        {"n!(2.5)", Factorial(2.5L), 8},
        {"n!(-1)", Factorial(-1), 8},
        {"n!(1755)", Factorial(1755), 11},
        {"Si(-1)", SiAt(-1), 8},
        {"Ci(-1)", CiAt(-1), 8},
        {"Ci(0)", CiAt(0), 24},
        {"Jn(-1,2)", BesselJ(-1, 2), 24},
        {"Jn(1,-2)", BesselJ(1, -2), 24},
        {"Yn(-1,2)", BesselY(-1, 2), 24},
        {"Yn(0,0)", BesselY(0, 0), 24}, // infinite at 0
        {"In(-0.5,1)", BesselI(-0.5L, 1), 24},
        {"Kn(0,0)", BesselK(0, 0), 24},
        {"Kn(1,-1)", BesselK(1, -1), 24},
        {"eFD(-1,1)", FermiDirac(-1, 1), 24}, // t^-1 is not integrable at 0
        {"In(0,20000)", BesselI(0, 20000), 11},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result.error, c.code) << c.what;
}

// Orders whose Gamma(n + 1/2) overflows still give the tiny values of J and I there.
TEST(SpecialFunctions, HugeOrdersAreTinyNotOverflow) {
    const KernelResult j = BesselJ(2000, 1);
    ASSERT_TRUE(j.ok()) << j.error;
    EXPECT_GE(j.value, 0);
    EXPECT_LT(j.value, 1e-4000L);
}

TEST(SpecialFunctions, LargestFactorialIsStillInRange) {
    const KernelResult r = Factorial(1754);
    ASSERT_TRUE(r.ok());
    EXPECT_GT(r.value, 1e4930L);
}

// Far below the chemical potential the Fermi-Dirac integral is non-degenerate: Gamma(n+1) e^x.
TEST(SpecialFunctions, FermiDiracBelowMinus23IsTheNonDegenerateLimit) {
    const Real gamma15 = 0.886226925452758013649083741671L;
    for (const Real x : {-23.5L, -30.0L}) {
        const KernelResult r = FermiDirac(0.5L, x);
        ASSERT_TRUE(r.ok()) << static_cast<double>(x);
        EXPECT_NEAR(r.value / (gamma15 * std::exp(x)), 1, 1e-6L) << static_cast<double>(x);
    }
    const KernelResult atLimit = FermiDirac(0.5L, -23);
    ASSERT_TRUE(atLimit.ok());
    EXPECT_NEAR(atLimit.value / (gamma15 * std::exp(-23.0L)), 1, 1e-6L);
}

// At a zero of J the integral is rounding noise that no text comparison would call settled.
TEST(Integrate, AZeroValueSettlesOnRoundingNoise) {
    const KernelResult r = BesselJ(1, 3.8317059702075123156L);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_NEAR(r.value, 0, 1e-15L);
    const auto sine = [](Real t, Real, Real) { return std::sin(t); };
    const KernelResult period = Integrate(sine, 0, 0, 0, 2 * 3.141592653589793238462643383279502884L, {});
    ASSERT_TRUE(period.ok()) << period.error;
    EXPECT_NEAR(period.value, 0, 1e-15L);
}

TEST(Integrate, StopsOnUserBreakAndOnDivergence) {
    IntegrationControl stop;
    stop.stopAsked = [] { return true; };
    EXPECT_EQ(BesselJ(2.5L, 3, stop).error, 22);
    // 1/t on (0, 1] grows with every doubling and never settles.
    const auto reciprocal = [](Real t, Real, Real) { return 1 / t; };
    EXPECT_EQ(Integrate(reciprocal, 0, 0, 0, 1, {}).error, 4);
}

TEST(Integrate, ScientificTextHasSignPlaceAndFourExponentDigits) {
    EXPECT_EQ(ScientificText23(1.5L), " 1.50000000000000E+0000");
    EXPECT_EQ(ScientificText23(-0.00025L), "-2.50000000000000E-0004");
    EXPECT_TRUE(TextsSettled(" 1.23456789E+0000", " 1.23456712E+0000", 9));
    EXPECT_FALSE(TextsSettled(" 1.23456789E+0000", " 1.23456712E+0000", 10));
}

// A lower precision stops sooner and is less exact.
TEST(Integrate, PrecisionSevenIsCoarserButClose) {
    IntegrationControl plot;
    plot.precision = 7;
    const KernelResult r = FermiDirac(0.5L, 1, plot);
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r.value, 1.39637528015356906679231122634L, 1e-4L);
}

// Through the evaluator: the reference formulas as typed, in both angle units (special functions
// do not depend on it), and the domain errors marked over the whole call.
TEST(SpecialFunctionsInFormulas, MatchTheReferenceAsTyped) {
    Engine engine;
    for (const auto& ref : ReadReference()) {
        const auto tolerance = kTolerance.find(ref.name);
        if (tolerance == kTolerance.end()) continue;
        for (const int unit : {0, 1}) {
            engine.AngleUnit = unit;
            const Real value = engine.Evaluate(ref.formula);
            ASSERT_FALSE(engine.ErrorFlag) << ref.formula << ": " << engine.MessageText(engine.ErrorCode);
            const Real allowed =
                tolerance->second.relative * std::fabs(ref.truth) + tolerance->second.absolute;
            EXPECT_LE(std::fabs(value - ref.truth), allowed) << ref.formula;
        }
    }
}

TEST(SpecialFunctionsInFormulas, DomainErrorsAreMarkedOverTheCall) {
    struct Case {
        const char* formula;
        const char* message;
        int position;
        int length;
    };
    const Case cases[] = {
        {"gamma(0)", "Division by zero", 1, 8},      {"1+gamma(-2)", "Division by zero", 3, 9},
        {"n!(2.5)", "Argument Error", 1, 7},         {"n!(1755)", "Overflow", 1, 8},
        {"Si(-1)", "Argument Error", 1, 6},          {"Ci(0)", "Argument out of range", 1, 5},
        {"Jn(-1,2)", "Argument out of range", 1, 8}, {"Kn(0,0)", "Argument out of range", 1, 7},
        {"Yn(1,0)", "Argument out of range", 1, 7},  {"eFD(-1,2)", "Argument out of range", 1, 9},
    };
    Engine engine;
    for (const auto& c : cases) {
        engine.LastResult = 5;
        engine.Evaluate(c.formula);
        ASSERT_TRUE(engine.ErrorFlag) << c.formula;
        EXPECT_EQ(engine.MessageText(engine.ErrorCode), c.message) << c.formula;
        EXPECT_EQ(engine.ErrorPosition, c.position) << c.formula;
        EXPECT_EQ(engine.ErrorLength, c.length) << c.formula;
        EXPECT_EQ(engine.LastResult, 0) << c.formula; // a domain error clears it
    }
}

TEST(SpecialFunctionsInFormulas, PlotPrecisionStillGivesSevenDigits) {
    Engine engine;
    engine.IntegrationPrecision = 7;
    EXPECT_NEAR(engine.Evaluate("Jn(1,2.5)"), 0.497094102464274038010816276264L, 1e-6L);
    EXPECT_NEAR(engine.Evaluate("Kn(1,1)"), 0.601907230197234574737540001536L, 1e-6L);
}

} // namespace
