// Formulas that fail: one line per case, the formula, the modes, the message and where it is shown.
#include "engine/engine.h"

#include <gtest/gtest.h>

#include <string>

namespace brelt::engine {
namespace {

struct ErrorCase {
    const char* formula;
    int base;
    const char* message;
    int position;
    int length;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << '"' << c.formula << '"';
}

class EvaluatorErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(EvaluatorErrors, Reports) {
    const ErrorCase& c = GetParam();
    Engine engine;
    engine.setBase(c.base);
    engine.Evaluate(c.formula);
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.MessageText(engine.ErrorCode), c.message);
    EXPECT_EQ(engine.ErrorPosition, c.position);
    EXPECT_EQ(engine.ErrorLength, c.length);
    EXPECT_EQ(engine.ArgumentDepth, 0);
}

const ErrorCase kGrammarCases[] = {
    {"2+-3", 0, "Syntax error", 3, 1},
    {"2\xB6", 0, "Syntax error", 2, 1}, // the pi sign is a value, not a factor to juxtapose
    {"2*-3", 0, "Syntax error", 3, 1},
    {"--2", 0, "Syntax error", 2, 1},
    {"2^*3", 0, "Syntax error", 3, 1},
    {"2^--3", 0, "Syntax error", 4, 1},
    {"2**3", 0, "Syntax error", 3, 1},
    {"(*3)", 0, "Syntax error", 2, 1},
    {"%3", 0, "Syntax error", 1, 1},
    {"(&3)", 0, "Syntax error", 2, 1},
    {"\xB2", 0, "Syntax error", 1, 1},
    {"2X", 0, "Syntax error", 2, 1},
    {"(2)(3)", 0, "Syntax error", 4, 1},
    {"1,2", 0, "Syntax error", 2, 1},
    {"(1,2)", 0, "Syntax error", 3, 1},
    {"2)", 0, "Too many \")\"", 2, 1},
    {"2)+3", 0, "Too many \")\"", 2, 1},
    {"2 + 3", 0, "Syntax error", 2, 1},
    {"#", 0, "Syntax error", 1, 1},
    {"2\x01+1", 0, "Syntax error", 2, 1},
    {"2\x7F", 0, "Syntax error", 2, 1},
    {"1\x7F+1", 0, "Syntax error", 2, 1},
    {"sin 1", 0, "Syntax error", 1, 5},
    {"sin(1,2)", 0, "Syntax error", 6, 1},
    {"sin((1)2)", 0, "Syntax error", 8, 1},
    {"Jn(1,2,3)", 0, "Syntax error", 7, 1},
    {"pi(2)", 0, "Syntax error", 3, 1},
    {"foo+1", 0, "Syntax error", 1, 3},
    {"foo", 0, "Syntax error", 1, 3},
    {"abcdefghijklmnopqrstuvwxyz", 0, "Syntax error", 1, 26},
    {"X=3", 0, "Missing \"(\"", 2, 1},
    {"(X=3", 0, "Interval Error", 4, 1},
    {"4/0", 0, "Division by zero", 3, 1},
    {"4/(2-2)", 0, "Division by zero", 3, 5},
    {"1+4/0", 0, "Division by zero", 5, 1},
    {"0^-1", 0, "Division by zero", 4, 1},
    {"(-8)^(1/3)", 0, "Argument Negative", 10, 1},
    {"(-4)\xBD", 0, "Argument Negative", 5, 1},
    {"2^100000", 0, "Overflow", 8, 1},
    {"1E4000*1E4000", 0, "Overflow", 13, 1},
    {"1E5000", 0, "Overflow", 6, 1},
    {"4294967296&1", 0, "Overflow", 12, 1},
    {"1&-2147483649", 0, "Syntax error", 3, 1},
};
INSTANTIATE_TEST_SUITE_P(Grammar, EvaluatorErrors, ::testing::ValuesIn(kGrammarCases));

const ErrorCase kLiteralCases[] = {
    {"1:30.5", 0, "Syntax error", 5, 1}, {"1:30E2", 0, "Syntax error", 5, 1},
    {"1:", 0, "Syntax error", 2, 1},     {"1:x", 0, "Syntax error", 3, 1},
    {"1E", 0, "Syntax error", 2, 1},     {"1E+", 0, "Syntax error", 3, 1},
    {"1E+x", 0, "Syntax error", 4, 1},   {"1E99999999999", 0, "Overflow", 13, 1},
    {"$FF", 0, "Syntax error", 1, 1},    {"$", 1, "Syntax error", 1, 1},
    {"$ff", 1, "Syntax error", 2, 1},    {".", 0, "Syntax error", 1, 1},
    {"2", 2, "Syntax error", 1, 1},      {"102", 2, "Syntax error", 3, 1},
    {"1.2.3", 0, "Syntax error", 4, 1},
};
INSTANTIATE_TEST_SUITE_P(Literals, EvaluatorErrors, ::testing::ValuesIn(kLiteralCases));

// A failing function is marked over the whole call, from its name to its closing parenthesis.
const ErrorCase kFunctionCases[] = {
    {"sqrt(-1)", 0, "Argument Negative", 1, 8},   {"1+ln(0)", 0, "Argument Negative", 3, 5},
    {"log(-1", 0, "Argument Negative", 1, 6},     {"arcsin(2)", 0, "Argument Error", 1, 9},
    {"arccos(-1.5)", 0, "Argument Error", 1, 12}, {"arccosh(0.5)", 0, "Argument Error", 1, 12},
    {"arctanh(1)", 0, "Argument Error", 1, 10},   {"n!(2.5)", 0, "Argument Error", 1, 7},
    {"n!(-1)", 0, "Argument Error", 1, 6},        {"Jn(2)", 0, "\",\" expected", 1, 5},
    {"gauss(1)", 0, "\",\" expected", 1, 8},      {"round(3E9)", 0, "Overflow", 1, 10},
    {"trunc(-3E9)", 0, "Overflow", 1, 11},        {"exp(20000)", 0, "Overflow", 1, 10},
    {"sinh(20000)", 0, "Overflow", 1, 11},        {"sin(1/0)", 0, "Division by zero", 7, 1},
    {"1/0+2", 0, "Division by zero", 3, 1},       {"1/(1-1)*2", 0, "Division by zero", 3, 5},
};
INSTANTIATE_TEST_SUITE_P(Functions, EvaluatorErrors, ::testing::ValuesIn(kFunctionCases));

TEST(EvaluatorDegrees, TangentOfARightAngleIsDivisionByZero) {
    Engine engine;
    engine.AngleUnit = 1;
    engine.Evaluate("1+tan(-270)");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.ErrorCode, kDivisionByZero);
    EXPECT_EQ(engine.ErrorPosition, 3);
    EXPECT_EQ(engine.ErrorLength, 9);
    EXPECT_EQ(engine.Evaluate("tan(135)"), -1);
}

TEST(EvaluatorUserFunctions, NameUnknownToTheCollectionIsASyntaxError) {
    Engine engine;
    std::string asked;
    engine.userFunctionLookup = [&asked](std::string_view name) {
        asked = name;
        return -1;
    };
    engine.Evaluate("f(2)");
    EXPECT_EQ(asked, "f(");
    EXPECT_EQ(engine.ErrorCode, kSyntaxError);
    EXPECT_EQ(engine.ErrorPosition, 1);
    EXPECT_EQ(engine.ErrorLength, 1);
}

TEST(EvaluatorLiterals, EndlessDigitRunsOverflowInsteadOfGivingInfinity) {
    Engine engine;
    const std::string digits(6000, '9');
    for (const std::string& text : {"1:" + digits + "*0", digits + "*0", "1:1:" + digits + "-1"}) {
        engine.Evaluate(text);
        ASSERT_TRUE(engine.ErrorFlag) << text.substr(0, 6);
        EXPECT_EQ(engine.ErrorCode, kOverflow) << text.substr(0, 6);
    }
}

TEST(EvaluatorErrorState, EmptyTextGivesZeroAndKeepsTheErrorState) {
    Engine engine;
    engine.Evaluate("1/0");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.Evaluate(""), 0);
    EXPECT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.ErrorCode, kDivisionByZero);
}

TEST(EvaluatorErrorState, NextEvaluationStartsClean) {
    Engine engine;
    engine.Evaluate("1/0");
    EXPECT_EQ(engine.Evaluate("1+1"), 2);
    EXPECT_FALSE(engine.ErrorFlag);
}

TEST(EvaluatorErrorState, DomainErrorClearsTheLastResult) {
    Engine engine;
    engine.LastResult = 5;
    engine.Evaluate("sqrt(-1)");
    EXPECT_EQ(engine.LastResult, 0);
}

TEST(EvaluatorNesting, DeepParenthesesEndInStackOverflow) {
    Engine engine;
    const std::string text = std::string(100000, '(') + "1";
    engine.Evaluate(text);
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.MessageText(engine.ErrorCode), "Stack overflow");
    EXPECT_GT(engine.ErrorPosition, 500);
    EXPECT_LE(engine.ErrorPosition, 2001);
}

TEST(EvaluatorNesting, LongExponentChainsAndCallsEndInStackOverflow) {
    Engine engine;
    std::string chain;
    for (int i = 0; i < 50000; ++i)
        chain += "1^";
    engine.Evaluate(chain + "1");
    EXPECT_EQ(engine.ErrorCode, kStackOverflow);
    std::string calls;
    for (int i = 0; i < 50000; ++i)
        calls += "sin(";
    engine.Evaluate(calls + "1");
    EXPECT_EQ(engine.ErrorCode, kStackOverflow);
}

TEST(EvaluatorNesting, ModerateNestingEvaluates) {
    Engine engine;
    const std::string text = std::string(500, '(') + "7" + std::string(500, ')');
    EXPECT_EQ(engine.Evaluate(text), 7);
    EXPECT_FALSE(engine.ErrorFlag);
}

TEST(EvaluatorPositions, LongFormulasKeepTheirPositions) {
    Engine engine;
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += "1+";
    text += "1/0";
    engine.Evaluate(text);
    EXPECT_EQ(engine.ErrorCode, kDivisionByZero);
    EXPECT_EQ(engine.ErrorPosition, 80003);
}

} // namespace
} // namespace brelt::engine
