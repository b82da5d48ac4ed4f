// Formulas that evaluate: one line per case, the formula, the modes and the value expected.
#include "engine/engine.h"
#include "evaluator_fake_host.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brelt::engine {
namespace {

constexpr Real kPi = 3.141592653589793238462643383279502884L;

struct ValueCase {
    const char* formula;
    int base;      // 0 decimal, 1 hexadecimal, 2 binary
    int angleUnit; // 1 degrees
    Real expected;
    Real tolerance; // relative; 0 means the exact extended value
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << '"' << c.formula << '"';
}

class EvaluatorValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatorValues, Computes) {
    const ValueCase& c = GetParam();
    Engine engine;
    engine.setBase(c.base);
    engine.AngleUnit = c.angleUnit;
    const Real value = engine.Evaluate(c.formula);
    ASSERT_FALSE(engine.ErrorFlag) << engine.MessageText(engine.ErrorCode) << " at " << engine.ErrorPosition;
    if (c.tolerance == 0)
        EXPECT_EQ(value, c.expected) << static_cast<double>(value);
    else
        EXPECT_LE(std::fabs(value - c.expected), std::fabs(c.expected) * c.tolerance + c.tolerance)
            << static_cast<double>(value);
}

const ValueCase kOperatorCases[] = {
    {"1+2*3", 0, 0, 7, 0},     {"2+(-3)", 0, 0, -1, 0},   {"-2^2", 0, 0, -4, 0},
    {"2^3^2", 0, 0, 512, 0},   {"2^-1", 0, 0, 0.5L, 0},   {"(-2)^3", 0, 0, -8, 0},
    {"(-2)^2", 0, 0, 4, 0},    {"2^10", 0, 0, 1024, 0},   {"10^-2", 0, 0, 0.01L, 0},
    {"2^-3", 0, 0, 0.125L, 0}, {"1.5^2", 0, 0, 2.25L, 0}, {"0^0", 0, 0, 1, 0},
    {"0^2", 0, 0, 0, 0},       {"10^-5000", 0, 0, 0, 0},  {"50%4", 0, 0, 2, 0},
    {"7&3", 0, 0, 3, 0},       {"5|2", 0, 0, 7, 0},       {"6\\3", 0, 0, 5, 0},
    {"7.9&7", 0, 0, 7, 0},     {"-1&255", 0, 0, 255, 0},  {"1-2-3", 0, 0, -4, 0},
    {"12/4/3", 0, 0, 1, 0},    {"3\xB2", 0, 0, 9, 0},     {"2\xB3", 0, 0, 8, 0},
    {"9\xBD", 0, 0, 3, 0},     {"2^2\xB2", 0, 0, 16, 0},  {"16\xBD\xB3", 0, 0, 64, 0},
    {"(1+2)*3", 0, 0, 9, 0},   {"((((5))))", 0, 0, 5, 0}, {"-(2+3)", 0, 0, -5, 0},
    {"+4", 0, 0, 4, 0},        {"(2+3", 0, 0, 5, 0},      {"sin(1", 0, 0, std::sin(Real(1)), 0},
};
INSTANTIATE_TEST_SUITE_P(Operators, EvaluatorValues, ::testing::ValuesIn(kOperatorCases));

const ValueCase kLiteralCases[] = {
    {"1:30", 0, 0, 1.5L, 0},
    {"1:30:36", 0, 0, 1.51L, 1e-18L},
    {"1E3", 0, 0, 1000, 0},
    {"1E-2", 0, 0, 0.01L, 0},
    {"1E+2", 0, 0, 100, 0},
    {"0.1", 0, 0, 0.1L, 0},
    {"0.3", 0, 0, 0.3L, 0},
    {".5", 0, 0, 0.5L, 0},
    {"123.456", 0, 0, 123.456L, 0},
    {"1.5E-3", 0, 0, 1.5E-3L, 0},
    {"6.02214076E23", 0, 0, 6.02214076E23L, 0},
    {"1234567890123456789", 0, 0, 1234567890123456789.0L, 0},
    {"12345678901234567890123", 0, 0, 12345678901234567890123.0L, 1e-18L},
    {"1E4000", 0, 0, 1E4000L, 1e-17L},
    {"1E-4000", 0, 0, 1E-4000L, 1e-17L},
    {"1E-99999999999", 0, 0, 0, 0},
    {"$FF", 1, 0, 255, 0},
    {"$1A+1", 1, 0, 27, 0},
    {"10", 1, 0, 16, 0},
    {"$1E", 1, 0, 30, 0},
    {"$A*$B", 1, 0, 110, 0},
    {"$8.8", 1, 0, 8.5L, 0},
    {"101", 2, 0, 5, 0},
    {"1.1", 2, 0, 1.5L, 0},
    {"1E11", 2, 0, 2048, 0},
    {"?", 0, 0, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Literals, EvaluatorValues,
                         ::testing::ValuesIn(std::begin(kLiteralCases), std::end(kLiteralCases)));

const ValueCase kFunctionCases[] = {
    {"sin(30)", 0, 1, 0.5L, 0},
    {"sin(180)", 0, 1, 0, 0},
    {"cos(60)", 0, 1, 0.5L, 0},
    {"cos(-90)", 0, 1, 0, 0},
    {"sin(45)", 0, 1, std::sqrt(Real(0.5)), 2e-19L},
    {"tan(45)", 0, 1, 1, 2e-19L},
    {"arcsin(1)", 0, 1, 90, 0},
    {"arcsin(-1)", 0, 0, -kPi / 2, 0},
    {"arcsin(0.5)", 0, 1, 30, 1e-18L},
    {"arcsin(1E-10)", 0, 0, 1E-10L, 1e-18L},
    {"arccos(-1)", 0, 0, kPi, 0},
    {"arccos(0)", 0, 1, 90, 0},
    {"arccos(-0.5)", 0, 1, 120, 1e-18L},
    {"arctan(1)", 0, 0, kPi / 4, 1e-19L},
    {"arcsinh(-1E10)", 0, 0, std::asinh(-1E10L), 1e-18L},
    {"arccosh(1)", 0, 0, 0, 0},
    {"arctanh(0.5)", 0, 0, std::atanh(0.5L), 1e-18L},
    {"sinh(1E-10)", 0, 0, 1E-10L, 1e-18L},
    {"cosh(0)", 0, 0, 1, 0},
    {"tanh(20000)", 0, 0, 1, 0},
    {"exp(1)", 0, 0, 2.718281828459045235360287471352662498L, 1e-19L},
    {"\xB6", 0, 0, kPi, 0}, // the pi sign of Ctrl+P reads as pi
    {"-\xB6*2", 0, 0, -2 * kPi, 0},
    {"sin(\xB6/2)", 0, 0, 1, 0},
    {"sqrt(2)", 0, 0, std::sqrt(Real(2)), 0},
    {"ln(e)", 0, 0, 1, 1e-19L},
    {"log(1000)", 0, 0, 3, 0},
    {"abs(-3.5)", 0, 0, 3.5L, 0},
    {"round(0.5)", 0, 0, 1, 0},
    {"round(1.5)", 0, 0, 2, 0},
    {"round(2.5)", 0, 0, 2, 0},
    {"round(-0.5)", 0, 0, 0, 0},
    {"round(-2.7)", 0, 0, -3, 0},
    {"frac(-2.5)", 0, 0, -0.5L, 0},
    {"trunc(-2.5)", 0, 0, -2, 0},
    {"trunc(2147483647.9)", 0, 0, 2147483647, 0},
    {"sqr(-3)", 0, 0, 9, 0},
    {"pi", 0, 0, kPi, 0},
    {"2*pi", 0, 0, 2 * kPi, 0},
    {"e^2", 0, 0, std::exp(Real(2)), 1e-18L},
    {"-sin(pi/2)", 0, 0, -1, 0},
    {"sin(pi/2)^2", 0, 0, 1, 0},
    {"ft_m(1)", 0, 0, 0.3048000000012200000L, 0},
    {"m_ft(1)", 0, 0, 3.280839894999991550L, 0},
    {"gl_l(2)", 0, 0, 2 * 3.785299999999800310L, 0},
    {"cm_bigl(1)", 0, 0, 219.9688522467735500L, 0},
    {"sin(cos(0)-1)", 0, 0, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Functions, EvaluatorValues, ::testing::ValuesIn(kFunctionCases));

} // namespace
} // namespace brelt::engine
