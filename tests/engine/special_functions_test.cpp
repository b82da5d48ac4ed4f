// The special functions against mpmath over each function's whole domain (orders, small and large
// arguments, near zeros and poles): every value to a relative error of 1e-15 (absolute 1e-18 where
// the function changes sign nearby), or the error the catalogue names. Plus exact values, domain
// errors and the marking of errors over the call.
#include "engine/engine.h"
#include "engine/special_functions.h"
#include "reference_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <map>
#include <string>
#include <vector>

using namespace brelt::engine;
using namespace brelt::engine::testing;

namespace {

KernelResult Compute(const GridPoint& p) {
    const std::string& n = p.name;
    if (n == "gamma") return Gamma(p.a);
    if (n == "n!") return Factorial(p.a);
    if (n == "erf") return {Erf(p.a), kNoError};
    if (n == "Si") return SineIntegral(p.a);
    if (n == "Ci") return CosineIntegral(p.a);
    if (n == "Jn") return BesselJ(p.a, p.b);
    if (n == "Yn") return BesselY(p.a, p.b);
    if (n == "In") return BesselI(p.a, p.b);
    if (n == "Kn") return BesselK(p.a, p.b);
    if (n == "eFD") return FermiDirac(p.a, p.b);
    return {0, -2};
}

TEST(SpecialFunctions, EveryGridPointMeetsTheStandardOrOverflows) {
    const auto points = readGrid(BRELT_TEST_DATA "/data/special-functions-grid.tsv");
    ASSERT_GT(points.size(), 6000u);
    std::map<std::string, Real> worst;
    std::map<std::string, int> counts;
    for (const GridPoint& p : points) {
        const KernelResult r = Compute(p);
        ++counts[p.name];
        if (p.overflow) {
            EXPECT_EQ(r.error, 11) << p.formula << " lies beyond the range";
            continue;
        }
        ASSERT_TRUE(r.ok()) << p.formula << " failed with code " << r.error;
        EXPECT_TRUE(meetsStandard(r.value, p.truth, p.nearZero))
            << p.formula << " gave " << std::setprecision(21) << r.value << " instead of " << p.truth
            << ", relative error " << static_cast<double>(relativeError(r.value, p.truth));
        if (!p.nearZero && std::fabs(p.truth) >= LDBL_MIN)
            worst[p.name] = std::max(worst[p.name], relativeError(r.value, p.truth));
    }
    for (const auto& [name, error] : worst)
        std::cout << "  " << std::setw(6) << name << " " << std::setw(5) << counts[name]
                  << " points, worst relative error " << static_cast<double>(error) << "\n";
}

// The same values as typed, in both angle units (special functions do not depend on it).
TEST(SpecialFunctionsInFormulas, MatchTheReferenceAsTyped) {
    const auto points = readGrid(BRELT_TEST_DATA "/data/special-functions.tsv");
    ASSERT_GE(points.size(), 25u);
    Engine engine;
    for (const GridPoint& p : points) {
        if (p.formula.find('X') != std::string::npos || p.name == "sin" || p.name == "arctan") continue;
        for (const int unit : {0, 1}) {
            engine.AngleUnit = unit;
            const Real value = engine.Evaluate(p.formula);
            ASSERT_FALSE(engine.ErrorFlag) << p.formula << ": " << engine.MessageText(engine.ErrorCode);
            EXPECT_TRUE(meetsStandard(value, p.truth, false)) << p.formula;
        }
    }
}

struct ExactCase {
    const char* what;
    KernelResult result;
    Real expected;
};

TEST(SpecialFunctions, ExactValues) {
    const Real sqrtPi = 1.772453850905516027298167483341145183L;
    const ExactCase cases[] = {
        {"gamma(5)", Gamma(5), 24},
        {"gamma(1)", Gamma(1), 1},
        {"gamma(2)", Gamma(2), 1},
        {"gamma(0.5)", Gamma(0.5L), sqrtPi},
        {"gamma(-0.5)", Gamma(-0.5L), -2 * sqrtPi},
        {"n!(0)", Factorial(0), 1},
        {"n!(3)", Factorial(3), 6},
        {"n!(20)", Factorial(20), 2432902008176640000.0L},
        {"n!(25)", Factorial(25), 15511210043330985984000000.0L},
        {"Si(0)", SineIntegral(0), 0},
        {"Jn(0,0)", BesselJ(0, 0), 1},
        {"Jn(1,0)", BesselJ(1, 0), 0},
        {"In(0,0)", BesselI(0, 0), 1},
        {"eFD(0,0)", FermiDirac(0, 0), 0.6931471805599453094172321214581765681L},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.result.ok()) << c.what;
        EXPECT_LE(std::fabs(c.result.value - c.expected), 1.1e-19L * std::fabs(c.expected)) << c.what;
    }
    EXPECT_EQ(Erf(0), 0);
    EXPECT_EQ(Erf(-1), -Erf(1));
    EXPECT_EQ(Erf(7), 1);
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
        {"Si(-1)", SineIntegral(-1), 8},
        {"Ci(-1)", CosineIntegral(-1), 8},
        {"Ci(0)", CosineIntegral(0), 24},
        {"Jn(-1,2)", BesselJ(-1, 2), 24},
        {"Jn(1,-2)", BesselJ(1, -2), 24},
        {"Jn(1000.5,2)", BesselJ(1000.5L, 2), 24}, // beyond the largest order
        {"Yn(-1,2)", BesselY(-1, 2), 24},
        {"Yn(0,0)", BesselY(0, 0), 24}, // infinite at 0
        {"Yn(20,1E-300)", BesselY(20, 1e-300L), 11},
        {"In(-0.5,1)", BesselI(-0.5L, 1), 24},
        {"In(0,20000)", BesselI(0, 20000), 11},
        {"Kn(0,0)", BesselK(0, 0), 24},
        {"Kn(1,-1)", BesselK(1, -1), 24},
        {"Kn(1001,1)", BesselK(1001, 1), 24},
        {"eFD(-1,1)", FermiDirac(-1, 1), 24}, // t^-1 is not integrable at 0
        {"eFD(1001,1)", FermiDirac(1001, 1), 24},
        {"eFD(100,1E100)", FermiDirac(100, 1e100L), 11},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result.error, c.code) << c.what;
}

TEST(SpecialFunctions, ValuesBelowTheRangeAreZeroNotErrors) {
    for (const KernelResult& r : {BesselJ(1000, 1e-5L), BesselI(1000, 1e-5L), BesselK(0, 12000)}) {
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(r.value, 0);
    }
}

TEST(SpecialFunctions, LongLoopsStopOnUserBreak) {
    KernelControl stop;
    stop.stopAsked = [] { return true; };
    EXPECT_EQ(FermiDirac(500, 600, stop).error, 22);
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

// The precision setting belongs to integral() alone: the window's or the command line's value
// leaves every special function as it is.
TEST(SpecialFunctionsInFormulas, IntegralsPrecisionDoesNotReachThem) {
    Engine engine;
    const std::vector<std::string> formulas = {"Jn(1,2.5)", "Kn(1,1)", "eFD(0.5,1)", "Si(0.5)", "Yn(0,1)"};
    std::vector<Real> atDefault;
    for (const std::string& f : formulas)
        atDefault.push_back(engine.Evaluate(f));
    for (const int precision : {1, 7, 20}) {
        engine.IntegrationPrecision = precision;
        for (std::size_t i = 0; i < formulas.size(); ++i)
            EXPECT_EQ(engine.Evaluate(formulas[i]), atDefault[i]) << formulas[i] << " at " << precision;
    }
}

} // namespace
