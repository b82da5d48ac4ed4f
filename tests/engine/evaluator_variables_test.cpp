// Variables X..N, their Set variable request, formula texts and assignment; user variables.
#include "engine/engine.h"
#include "engine/format_value.h"
#include "evaluator_fake_host.h"

#include <gtest/gtest.h>

namespace brelt::engine {
namespace {

using testing::FakeHost;

class EvaluatorVariables : public ::testing::Test {
protected:
    FakeHost host;
    Engine engine{&host};
};

TEST_F(EvaluatorVariables, AssignmentStoresValueAndFormula) {
    EXPECT_EQ(engine.Evaluate("(X=3)*2"), 6);
    ASSERT_FALSE(engine.ErrorFlag);
    EXPECT_EQ(engine.slot(kSlotX).value, 3);
    EXPECT_EQ(engine.slot(kSlotX).formula, "3");
    EXPECT_EQ(engine.Evaluate("(y=2+X)^2"), 25);
    EXPECT_EQ(engine.slot(2).formula, "2+X");
    EXPECT_EQ(engine.UsedNames, (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(engine.UsedValues,
              (std::vector<std::string>{formatNumber(3, 18, 0, 0).text, formatNumber(5, 18, 0, 0).text}));
}

TEST_F(EvaluatorVariables, UsedListsStartEmptyAndCanBeSwitchedOff) {
    engine.slot(kSlotX).value = 2;
    engine.Evaluate("X*X");
    EXPECT_EQ(engine.UsedNames, (std::vector<std::string>{"X", "X"}));
    engine.RecordUsed = false;
    engine.Evaluate("X+1");
    EXPECT_TRUE(engine.UsedNames.empty());
    EXPECT_TRUE(engine.UsedValues.empty());
}

TEST_F(EvaluatorVariables, BothCasesNameTheSameSlot) {
    engine.slot(10).value = 4;
    EXPECT_EQ(engine.Evaluate("n*N"), 16);
    EXPECT_TRUE(host.requestTexts.empty());
}

TEST_F(EvaluatorVariables, UnsetVariableAsksTheHost) {
    host.answers[3] = "5";
    EXPECT_EQ(engine.Evaluate("Z+1"), 6);
    ASSERT_FALSE(engine.ErrorFlag);
    EXPECT_EQ(host.requestTexts, (std::vector<std::string>{"Z=undefined"}));
    EXPECT_EQ(engine.workingExpression(), "Z+1");
}

TEST_F(EvaluatorVariables, RequestInsideAnArgumentListKeepsReading) {
    host.answers[1] = "2";
    EXPECT_EQ(engine.Evaluate("sqrt(X*8)+1"), 5);
    EXPECT_FALSE(engine.ErrorFlag);
}

TEST_F(EvaluatorVariables, CancelledRequestIsUserBreak) {
    engine.Evaluate("1+W");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.MessageText(engine.ErrorCode), "User break");
}

TEST_F(EvaluatorVariables, DefaultHostCancelsEveryRequest) {
    Engine bare;
    bare.Evaluate("X");
    EXPECT_EQ(bare.ErrorCode, kUserBreak);
    bare.Evaluate("(abc=1)");
    EXPECT_EQ(bare.ErrorCode, kUserBreak);
    EXPECT_TRUE(bare.UserVariableList.empty());
}

TEST_F(EvaluatorVariables, FormulaTextIsEvaluatedIntoTheSlot) {
    engine.slot(2).value = 4;
    engine.slot(1).formula = "Y*2";
    EXPECT_EQ(engine.Evaluate("X+1"), 9);
    EXPECT_EQ(engine.slot(1).value, 8);
    EXPECT_TRUE(host.requestTexts.empty());
}

TEST_F(EvaluatorVariables, FaultyFormulaTextIsShownOnTheLetter) {
    engine.slot(1).formula = "1/0";
    engine.Evaluate("2+X");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.ErrorCode, kDivisionByZero);
    EXPECT_EQ(engine.ErrorPosition, 3);
}

TEST_F(EvaluatorVariables, SelfReferringFormulaEndsInStackOverflow) {
    engine.slot(1).formula = "X+1";
    engine.Evaluate("X");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.ErrorCode, kStackOverflow);
    EXPECT_EQ(engine.ErrorPosition, 1);
}

TEST_F(EvaluatorVariables, SetVariableShowsTheCurrentValue) {
    engine.slot(1).formula = "";
    engine.slot(kSlotJ).value = UndefinedMark;
    host.answers[kSlotJ] = "2";
    engine.Evaluate("J");
    EXPECT_EQ(host.requestTexts.front(), "J=undefined");
}

TEST_F(EvaluatorVariables, UserVariableIsDefinedThroughTheHost) {
    EXPECT_EQ(engine.Evaluate("(rate=2+3)*2"), 10);
    ASSERT_FALSE(engine.ErrorFlag);
    ASSERT_EQ(engine.UserVariableList.size(), 1u);
    EXPECT_EQ(engine.UserVariableList[0].name, "rate");
    EXPECT_EQ(engine.UserVariableList[0].code, 1000);
    EXPECT_EQ(engine.Evaluate("rate^2"), 25);
    EXPECT_EQ(engine.UsedNames.back(), "rate");
}

TEST_F(EvaluatorVariables, NewestUserVariableStandsFirst) {
    engine.Evaluate("(a=1)");
    engine.Evaluate("(b=2)");
    engine.Evaluate("(c=3)");
    ASSERT_EQ(engine.UserVariableList.size(), 3u);
    EXPECT_EQ(engine.UserVariableList[0].name, "c");
    EXPECT_EQ(engine.UserVariableList[0].code, 1002);
    EXPECT_EQ(engine.Evaluate("a*100+b*10+c"), 123);
    EXPECT_EQ(engine.userVariableByCode(1000)->name, "a");
}

TEST_F(EvaluatorVariables, RedefiningKeepsTheCode) {
    engine.Evaluate("(a=1)");
    engine.Evaluate("(a=7)");
    ASSERT_EQ(engine.UserVariableList.size(), 1u);
    EXPECT_EQ(engine.Evaluate("a"), 7);
}

TEST_F(EvaluatorVariables, UserVariableDefinitionNeedsItsParenthesis) {
    engine.Evaluate("abc=1");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.ErrorCode, kSyntaxError);
    EXPECT_EQ(engine.ErrorPosition, 1);
    EXPECT_EQ(engine.ErrorLength, 5);
    EXPECT_TRUE(engine.UserVariableList.empty());
}

TEST_F(EvaluatorVariables, RefusedUserVariableIsUserBreak) {
    host.refuseUserVariables = true;
    engine.Evaluate("(abc=1)");
    EXPECT_EQ(engine.ErrorCode, kUserBreak);
}

TEST_F(EvaluatorVariables, UserVariableNamesAreCaseSensitive) {
    engine.Evaluate("(Speed=3)");
    engine.Evaluate("speed");
    EXPECT_EQ(engine.ErrorCode, kSyntaxError);
}

TEST_F(EvaluatorVariables, LastResultIsTheQuestionMark) {
    engine.LastResult = 21;
    EXPECT_EQ(engine.Evaluate("?*2"), 42);
    engine.Evaluate("?X");
    EXPECT_EQ(engine.ErrorCode, kSyntaxError);
}

TEST_F(EvaluatorVariables, LongNamesAreComparedByTheirFirstCharacters) {
    engine.addUserVariableRecord("abcdefghijklmnopqrst", 5);
    EXPECT_EQ(engine.Evaluate("abcdefghijklmnopqrst+1"), 6);
    // 25 letters: only the first 21 are kept, and they name nothing.
    engine.Evaluate("abcdefghijklmnopqrstuvwxy+1");
    EXPECT_EQ(engine.ErrorCode, kSyntaxError);
}

TEST(EvaluatorHexVariables, ValueTooLargeForHexadecimalStillReads) {
    Engine engine;
    engine.setBase(1);
    engine.slot(1).value = 3E9L;
    EXPECT_EQ(engine.Evaluate("X"), 3E9L);
    EXPECT_FALSE(engine.ErrorFlag);
}

TEST(EvaluatorBreak, BreakQuestionIsAskedOnceAndEndsWithUserBreak) {
    FakeHost host;
    Engine engine{&host};
    EXPECT_FALSE(engine.breakConfirmed());
    engine.BreakRequested = true;
    host.breakAnswer = false;
    EXPECT_FALSE(engine.breakConfirmed());
    EXPECT_FALSE(engine.breakConfirmed());
    EXPECT_EQ(host.breakQuestions, 1);
    engine.BreakRequested = true;
    host.breakAnswer = true;
    EXPECT_TRUE(engine.breakConfirmed());
    EXPECT_EQ(engine.ErrorCode, kUserBreak);
}

} // namespace
} // namespace brelt::engine
