#include "engine/line_evaluation.h"

#include "engine/engine.h"

#include <gtest/gtest.h>

#include <string>

using namespace brelt::engine;

namespace {

enum Base { Dec = 0, Hex = 1, Bin = 2 };
enum Notation { Scn = 0, Fix = 1, Eng = 2, Sxg = 3 };

struct LineCase {
    const char* typed;
    Notation notation;
    Base base;
    const char* resultText;
    int errorStart; // -1: success
    int errorLength;
};

// One line per case: typed text, modes -> the result line, and the selected span on failure.
const LineCase kLineCases[] = {
    {"2^3^2", Scn, Dec, "5.12E+2", -1, 0},
    {"12345", Eng, Dec, "12.345E+3", -1, 0},
    {" 1 + 2 ", Scn, Dec, "3.0E+0", -1, 0},
    {"3\xC2\xB2", Scn, Dec, "9.0E+0", -1, 0}, // 3², typed as UTF-8
    {"1.5", Fix, Dec, "1.5", -1, 0},
    {"1:30:36", Sxg, Dec, "1:30:36", -1, 0},
    {"$FF+1", Scn, Hex, "100", -1, 0},
    {"101*11", Scn, Bin, "1111", -1, 0},
    {"4/0", Scn, Dec, "Division by zero: position 3", 2, 1},
    {"4 / 0", Scn, Dec, "Division by zero: position 5", 4, 1},
    {"(1+2", Scn, Dec, "Missing \")\": position 4", 3, 1},
    {"( 1 + 2", Scn, Dec, "Missing \")\": position 7", 6, 1},
    {"1+2)", Scn, Dec, "Too many \")\": position 4", 3, 1},
    {"1) + (2)", Scn, Dec, "Too many \")\": position 2", 1, 1},
    {")1+2(", Scn, Dec, "Syntax error: position 1", 0, 1},
    {"1+\xE2\x82\xAC", Scn, Dec, "Syntax error: position 3", 2, 1}, // € is no character of the language
    // Values the mode cannot show are errors at the end of the text, not "0.0" or "0:0:0".
    {"$FFFFFFFF", Scn, Hex, "Overflow: position 10", 9, 1},
    {"1E10", Sxg, Dec, "Change notation: position 5", 4, 1},
    {"1E10 ", Sxg, Dec, "Change notation: position 6", 5, 1},
};

} // namespace

TEST(EvaluateLine, ResultLines) {
    for (const LineCase& c : kLineCases) {
        Engine engine;
        engine.Notation = c.notation;
        engine.setBase(c.base);
        const LineOutcome outcome = evaluateLine(engine, c.typed, 12);
        EXPECT_TRUE(outcome.evaluated);
        EXPECT_EQ(outcome.resultText, c.resultText) << c.typed;
        EXPECT_EQ(outcome.success, c.errorStart < 0) << c.typed;
        if (c.errorStart >= 0) {
            EXPECT_EQ(outcome.errorStart, c.errorStart) << c.typed;
            EXPECT_EQ(outcome.errorLength, c.errorLength) << c.typed;
            EXPECT_TRUE(outcome.tapeLine.empty());
        }
        EXPECT_FALSE(engine.ErrorFlag) << "the error state is left clear: " << c.typed;
    }
}

TEST(EvaluateLine, ValuesBeyondTheExtendedRangeAreOverflow) {
    for (const char* typed : {"1E4000*1E4000", "-1E4000*1E4000", "1E4000^2"}) {
        Engine engine;
        const LineOutcome outcome = evaluateLine(engine, typed, 12);
        EXPECT_FALSE(outcome.success) << typed;
        EXPECT_EQ(outcome.errorCode, kOverflow) << typed << ": " << outcome.resultText;
    }
}

TEST(EvaluateLine, SuccessRecordsLastResultAndTapeLine) {
    Engine engine;
    const LineOutcome first = evaluateLine(engine, "2 + 3", 12);
    ASSERT_TRUE(first.success);
    EXPECT_EQ(engine.LastResult, 5);
    EXPECT_EQ(first.tapeLine, "2 + 3 = 5.0E+0; ");
    const LineOutcome second = evaluateLine(engine, "?*2", 12);
    EXPECT_EQ(second.resultText, "1.0E+1");
}

TEST(EvaluateLine, FailureKeepsTheLastResult) {
    for (const char* failing : {"4/0", "sqrt(-1)", "(1+2", "$FFFFFFFF"}) {
        Engine engine;
        engine.LastResult = 7;
        if (std::string(failing)[0] == '$') engine.setBase(Hex);
        const LineOutcome outcome = evaluateLine(engine, failing, 12);
        EXPECT_FALSE(outcome.success) << failing;
        EXPECT_EQ(engine.LastResult, 7) << failing;
    }
    Engine engine;
    engine.Notation = Sxg;
    engine.LastResult = 2;
    EXPECT_FALSE(evaluateLine(engine, "1E10", 12).success);
    EXPECT_EQ(evaluateLine(engine, "?", 12).resultText, "2:0:0");
}

TEST(EvaluateLine, BlankLineIsNotEvaluated) {
    Engine engine;
    engine.LastResult = 3;
    for (const char* typed : {"", "   "}) {
        const LineOutcome outcome = evaluateLine(engine, typed, 12);
        EXPECT_FALSE(outcome.evaluated);
        EXPECT_TRUE(outcome.resultText.empty());
    }
    EXPECT_EQ(engine.LastResult, 3);
}

TEST(EvaluateLine, StartsWithoutABreakAndWithEmptyUsedLists) {
    Engine engine;
    engine.BreakRequested = true;
    engine.UsedNames = {"Q"};
    engine.UsedValues = {"1"};
    const LineOutcome outcome = evaluateLine(engine, "1+1", 12);
    EXPECT_FALSE(engine.BreakRequested);
    EXPECT_EQ(outcome.tapeLine, "1+1 = 2.0E+0; ");
}

TEST(EvaluateLine, VariableWithoutValueIsACancelledRequest) {
    Engine engine; // the default host cancels every request
    const LineOutcome outcome = evaluateLine(engine, "1+Y", 12);
    EXPECT_FALSE(outcome.success);
    EXPECT_EQ(outcome.errorCode, kUserBreak);
    EXPECT_EQ(outcome.resultText.rfind("User break: position ", 0), 0u) << outcome.resultText;
}

TEST(EvaluateLine, AssignmentReachesTheTape) {
    Engine engine;
    const LineOutcome outcome = evaluateLine(engine, "(X=3)*2", 12);
    ASSERT_TRUE(outcome.success) << outcome.resultText;
    EXPECT_EQ(outcome.resultText, "6.0E+0");
    EXPECT_EQ(outcome.tapeLine.rfind("(X=3)*2 = 6.0E+0; X=", 0), 0u) << outcome.tapeLine;
    EXPECT_EQ(engine.slot(kSlotX).value, 3);
}

TEST(AssignmentSuffix, ListsEachNameOnce) {
    struct Case {
        std::vector<std::string> names;
        std::vector<std::string> values;
        const char* expected;
    };
    const Case cases[] = {
        {{}, {}, "; "},
        {{"X", "Y"}, {"3.0E+0", "4.0E+0"}, "; X=3.0E+0; Y=4.0E+0; "},
        {{"X", "X"}, {"3.0E+0", "5.0E+0"}, "; X=3.0E+0; "},
        {{"MAX", "X"}, {"1.0E+0", "2.0E+0"}, "; MAX=1.0E+0; X=2.0E+0; "}, // X is not "MAX" cut short
        {{"", std::string(1, '\0'), "Z"}, {"1", "2", "3"}, "; Z=3; "},
        {{"\xB5s"}, {"1"}, "; \xC2\xB5s=1; "}, // a Latin-1 name comes back as UTF-8
        {{"X", "Y", "Z", "V", "W", "I", "J", "K", "M"},
         {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
         "; X=1; Y=2; Z=3; V=4; W=5; I=6; J=7; K=8; M=9; "},
        {{"X", "Y", "Z", "V", "W", "I", "J", "K", "M", "N"},
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"},
         "; "},
    };
    for (const Case& c : cases) {
        Engine engine;
        engine.UsedNames = c.names;
        engine.UsedValues = c.values;
        EXPECT_EQ(assignmentSuffix(engine), c.expected);
    }
}
