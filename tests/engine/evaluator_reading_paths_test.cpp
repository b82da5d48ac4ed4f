// The evaluator's quick paths give what the full reading gives: short integers read straight from
// the text, names scanned from the text and looked up by first character, and used values that
// are written only when read.
#include "engine/engine.h"
#include "engine/format_value.h"
#include "engine/function_table.h"
#include "evaluator_fake_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelt::engine {
namespace {

using testing::FakeHost;

class EvaluatorReadingPaths : public ::testing::Test {
protected:
    FakeHost host;
    Engine engine{&host};
};

TEST_F(EvaluatorReadingPaths, IntegerLiteralsAndWhatFollowsThem) {
    struct Case {
        const char* text;
        Real expected;
    };
    const Case cases[] = {
        {"7", 7},
        {"007", 7},
        {"123456789012345678", 123456789012345678.0L},     // the longest run read directly
        {"1234567890123456789", 1234567890123456789.0L},   // one digit more: the full reading
        {"12345678901234567891", 12345678901234567891.0L}, // beyond 64 bits: the nearest value
        {"000000000000000000000012", 12},                  // leading zeros past the direct run
        {"12+3", 15},
        {"-12", -12},
        {"2.5", 2.5L},
        {"25E-1", 2.5L},
        {"1:30", 1.5L},
        {"1:30:36", 1 + 30.0L / 60 + 36.0L / 3600},
        {"3^2", 9},
        {"(12)", 12},
        {"4\xB2", 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(engine.Evaluate(c.text), c.expected);
        EXPECT_FALSE(engine.ErrorFlag);
    }
}

TEST_F(EvaluatorReadingPaths, IntegerLiteralErrorsKeepTheirPositions) {
    struct Case {
        const char* text;
        int code;
        int position;
    };
    const Case cases[] = {
        {"12a", kSyntaxError, 3}, {"12(", kSyntaxError, 3},    {"1:30.5", kSyntaxError, 5},
        {"1E", kSyntaxError, 2},  {"12\x7F", kSyntaxError, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        engine.Evaluate(c.text);
        EXPECT_TRUE(engine.ErrorFlag);
        EXPECT_EQ(engine.ErrorCode, c.code);
        EXPECT_EQ(engine.ErrorPosition, c.position);
    }
}

TEST_F(EvaluatorReadingPaths, IntegersInOtherBasesTakeTheFullReading) {
    engine.setBase(1);
    EXPECT_EQ(engine.Evaluate("$FF+$10"), 271);
    engine.setBase(2);
    EXPECT_EQ(engine.Evaluate("101+1"), 6);
    EXPECT_FALSE(engine.ErrorFlag);
}

TEST_F(EvaluatorReadingPaths, EveryCatalogueNameIsFound) {
    for (const FunctionRow& row : FunctionTable) {
        if (row.name == "\xB6") continue; // never collected: a name begins with a letter
        SCOPED_TRACE(std::string(row.name));
        // Rows without arguments are followed by any delimiter; the others end in "(" already.
        const std::string collected = row.arity == 0 ? std::string(row.name) + ")" : std::string(row.name);
        EXPECT_EQ(LookupFunction(collected), row.code);
    }
    for (const char* name : {"sinh", "Sin(", "pix)", "sinx(", "ex)", "arc(", "(", ""})
        EXPECT_EQ(LookupFunction(name), -1) << name;
    EXPECT_EQ(LookupFunction("e("), kCodeE); // "e" matches with any delimiter
}

TEST_F(EvaluatorReadingPaths, NamesReadFromTheText) {
    engine.slot(kSlotX).value = 2;
    EXPECT_EQ(engine.Evaluate("sqrt(X*8)+x"), 6);
    EXPECT_FALSE(engine.ErrorFlag);

    // A name is compared by its first 21 characters, its delimiter among them when it is that short.
    engine.addUserVariableRecord("abcdefghijklmnopqrst", 5);
    EXPECT_EQ(engine.Evaluate("abcdefghijklmnopqrstuvw*2"), 10);
    EXPECT_FALSE(engine.ErrorFlag);

    // A byte that belongs to no rule of the language (byte 127 among them, which is no end of text)
    // is a "Syntax error" at its own position, not part of the name: two names that differ only in
    // such bytes do not match each other.
    engine.addUserVariableRecord(std::string("ab\x01"), 7);
    for (const std::string& text : {std::string("X\x7F"), std::string("ab\x01"), std::string("ab\x02"),
                                    std::string("ab\t"), std::string("ab\x85"), std::string("ab\0", 3)}) {
        engine.Evaluate(text);
        EXPECT_TRUE(engine.ErrorFlag) << text;
        EXPECT_EQ(engine.ErrorCode, kSyntaxError) << text;
        EXPECT_EQ(engine.ErrorPosition, static_cast<int>(text.size())) << text;
        EXPECT_EQ(engine.ErrorLength, 1) << text;
    }
    engine.Evaluate("sin(a\tb)");
    EXPECT_EQ(engine.ErrorPosition, 6);
}

TEST_F(EvaluatorReadingPaths, UsedValuesAreWrittenInTheModesOfTheirEvaluation) {
    engine.setBase(1);
    engine.slot(kSlotX).value = 255;
    engine.Evaluate("X+$1");
    ASSERT_FALSE(engine.ErrorFlag);
    // Read after the base has changed back: still the text of the base the value was read in.
    engine.setBase(0);
    engine.Notation = 1;
    engine.RecordedDigits = 8;
    ASSERT_EQ(engine.UsedValues.size(), 1u);
    EXPECT_EQ(engine.UsedValues[0], formatNumber(255, 18, 1, 0).text);
    EXPECT_NE(engine.UsedValues[0], formatNumber(255, 18, 0, 0).text);

    engine.Notation = 0;
    engine.RecordedDigits = 18;
    engine.slot(kSlotX).value = 0.1L;
    engine.Evaluate("(Y=X*3)+X");
    const std::vector<std::string> expected{formatNumber(0.1L, 18, 0, 0).text,
                                            formatNumber(0.1L * 3, 18, 0, 0).text,
                                            formatNumber(0.1L, 18, 0, 0).text};
    EXPECT_EQ(engine.UsedValues, expected);
    const std::vector<std::string> copied = engine.UsedValues;
    EXPECT_EQ(copied, expected);

    // Kept as texts: a caller may put back what it saved, cut the list short or give texts.
    engine.UsedValues.resize(1);
    EXPECT_EQ(engine.UsedValues, std::vector<std::string>{expected[0]});
    engine.UsedValues = copied;
    EXPECT_EQ(engine.UsedValues, expected);
    engine.UsedValues = {"1", "2"};
    EXPECT_EQ(engine.UsedValues.back(), "2");
    engine.UsedValues.clear();
    EXPECT_TRUE(engine.UsedValues.empty());
}

} // namespace
} // namespace brelt::engine
