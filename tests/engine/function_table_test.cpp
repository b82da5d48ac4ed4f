// The catalogue: the row layout the keypad relies on, the name lookup rules, the help texts the
// keypad shows and the message catalogue.
#include "engine/engine.h"
#include "engine/function_table.h"
#include "engine/help_table.h"
#include "engine/messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace brelt::engine {
namespace {

TEST(FunctionTable, CodeIsTheRowIndexAndNamesWithArgumentsEndInParenthesis) {
    for (int i = 0; i < kFunctionCount; ++i) {
        const FunctionRow& row = FunctionTable[static_cast<size_t>(i)];
        EXPECT_EQ(row.code, i);
        EXPECT_EQ(row.value, 0);
        EXPECT_EQ(row.arity > 0, row.name.back() == '(') << row.name;
    }
}

struct LookupCase {
    const char* collected;
    int code;
};

const LookupCase kLookupCases[] = {
    {"sin(", 1},
    {"sin", -1},
    {"pi+", 29},
    {"pi(", 29},
    {"pi\x7F", 29},
    {"e)", 30},
    {"exp(", 14},
    {"e(", 30},
    {"random,", 11},
    {"x=", 67},
    {"N^", 86},
    {"Jn(", 18},
    {"jn(", -1},
    {"n!(", 31},
    {"10^(", 87},
    {"cm_bigl(", 66},
    {"integral(", 27},
    {"stat(", 44},
    {"forJtoKstepMdo(", -1},
    {"\xB6+", 28},
    {"SIN(", -1},
};

TEST(FunctionTable, LookupComparesArityZeroRowsWithoutTheDelimiter) {
    for (const LookupCase& c : kLookupCases)
        EXPECT_EQ(LookupFunction(c.collected), c.code) << c.collected;
}

TEST(FunctionTable, ConversionFactorsAreUsedAsStored) {
    EXPECT_EQ(ConversionFactor(45), 0.3048000000012200000L);
    EXPECT_EQ(ConversionFactor(53), 3.785299999999800310L);
    EXPECT_EQ(ConversionFactor(66), 219.9688522467735500L);
}

TEST(HelpTable, TextsAreKeptExactly) {
    EXPECT_EQ(HelpTable[0], "Absolute minimum search of (..)");
    EXPECT_EQ(HelpTable[9], " Hiperbolic cosine of ()");
    EXPECT_EQ(HelpTable[11], " 0.0 <= Random number <= 1.0");
    EXPECT_EQ(HelpTable[30], "natural logarithm \" e \"");
    EXPECT_EQ(HelpTable[43], "Evaluates a uniform polynomial of one variable ( Variable, a0, a1,..,aN) ");
    EXPECT_EQ(HelpTable[53], "Convert from yards to meters");
    EXPECT_EQ(HelpTable[66], "Convert from cubic meters to British imperial gallons");
    for (std::string_view text : HelpTable)
        EXPECT_LE(text.size(), 80u);
}

struct MessageCase {
    int code;
    const char* text;
};

const MessageCase kMessageCases[] = {
    {0, "Syntax error"},      {1, "Undefined"},          {2, "Stack overflow"},
    {5, "Undefined"},         {6, "Extremum not found"}, {11, "Overflow"},
    {13, "Division by zero"}, {15, "working..."},        {16, "Too many \")\""},
    {17, "Missing \"(\""},    {18, "Missing \")\""},     {20, "\",\" expected"},
    {22, "User break"},       {25, "Missing \";\""},     {26, "Missing argument"},
    {28, "Undefined"},        {-1, "Undefined"},         {24, "Argument out of range"},
};

TEST(Messages, CatalogueTexts) {
    for (const MessageCase& c : kMessageCases)
        EXPECT_EQ(CatalogueMessage(c.code), c.text) << c.code;
}

TEST(Messages, UserFunctionErrorIsComposedAndCutTo80) {
    EXPECT_EQ(ComposeUserFunctionError(13, 4), "User Function Error \"Division by zero position: 4\" ");
    Engine engine;
    engine.UserFunctionErrorCode = 0;
    engine.UserFunctionErrorPosition = 12;
    EXPECT_EQ(engine.MessageText(kUserFunctionError), "User Function Error \"Syntax error position: 12\" ");
    const std::string longest = ComposeUserFunctionError(24, 2147483647);
    EXPECT_LE(longest.size(), 80u);
    EXPECT_EQ(longest.substr(0, 43), "User Function Error \"Argument out of range ");
}

TEST(RandomNumbers, SeededSequenceIsTheLinearCongruence) {
    RandomGenerator random;
    random.seed(0);
    EXPECT_EQ(random.next(), 1.0L / 4294967296.0L);
    EXPECT_EQ(random.next(), 134775814.0L / 4294967296.0L);
    for (int i = 0; i < 1000; ++i) {
        const Real r = random.next();
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 1);
    }
}

TEST(RandomNumbers, GaussHasTheRequestedMeanAndDeviation) {
    RandomGenerator random;
    random.seed(12345);
    Real sum = 0;
    Real squares = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const Real g = random.gauss(10, 2);
        sum += g;
        squares += g * g;
    }
    const Real mean = sum / n;
    EXPECT_NEAR(static_cast<double>(mean), 10.0, 0.1);
    EXPECT_NEAR(static_cast<double>(std::sqrt(squares / n - mean * mean)), 2.0, 0.1);
}

TEST(RandomNumbers, FormulaUsesTheEnginesGenerator) {
    Engine engine;
    engine.Random.seed(0);
    EXPECT_EQ(engine.Evaluate("random"), 1.0L / 4294967296.0L);
    const Real g = engine.Evaluate("gauss(5,0)");
    EXPECT_FALSE(engine.ErrorFlag);
    EXPECT_EQ(g, 5);
}

} // namespace
} // namespace brelt::engine
