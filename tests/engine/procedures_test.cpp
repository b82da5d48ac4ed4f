// The numeric procedures through the evaluator: values against the truth, exact messages with
// their positions, the slots they must give back, the break question and the memory of min/max.
#include "engine/engine.h"
#include "engine/procedure_memory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace brelt::engine;

namespace {

// A host that records the break questions and can raise the break flag after some message pumps.
class ScriptedHost : public EngineHost {
public:
    void processMessages() override {
        ++pumps;
        if (breakAfterPumps > 0 && pumps == breakAfterPumps) engine->BreakRequested = true;
    }
    bool confirmBreak(const std::string& question) override {
        questions.push_back(question);
        return answerYes;
    }
    void showStatus(const std::string& text) override { statuses.push_back(text); }

    Engine* engine = nullptr;
    long pumps = 0;
    long breakAfterPumps = 0;
    bool answerYes = true;
    std::vector<std::string> questions;
    std::vector<std::string> statuses;
};

class ProceduresTest : public ::testing::Test {
protected:
    ProceduresTest() : engine(&host) {
        host.engine = &engine;
        engine.AngleUnit = 0; // radians
    }
    Real run(const std::string& formula) { return engine.Evaluate(formula); }
    void set(char letter, Real value) {
        engine.slot(static_cast<int>(kVariableLetters.find(letter)) + 1).value = value;
    }
    Real slotValue(char letter) {
        return engine.slot(static_cast<int>(kVariableLetters.find(letter)) + 1).value;
    }

    ScriptedHost host;
    Engine engine;
};

struct ValueCase {
    const char* formula;
    long double expected;
    long double tolerance; // absolute
};

TEST_F(ProceduresTest, ComputeTheirValues) {
    const ValueCase cases[] = {
        // integral: 9 digits at the default precision
        {"integral(0,1,X^2)", 0.333333333333333333333L, 3e-10L},
        {"integral(0,pi,sin(X))", 2.0L, 2e-9L},
        {"integral(0,1,exp(-X^2))", 0.746824132812427025399467436132L, 1e-9L},
        {"integral(1,0,X)", -0.5L, 1e-18L},
        {"integral(2,2,X)", 0, 0},
        {"integral(0,2*pi,sin(X))", 0, 1e-15L}, // worth 0: its passes are rounding noise
        {"integral(0,1,X)^2", 0.25L, 1e-18L},   // "^" acts on the result
        {"2*integral(0,1,X)+1", 2.0L, 1e-18L},
        // solve: bisection until |f| / span < 1e-15
        {"solve(0,2,X^2-2)", 1.41421356237309504880168872421L, 1e-15L},
        {"solve(0,3,cos(X)-X)", 0.739085133215160641655312087674L, 5e-15L}, // |f| < 1e-15 x 5, f' = -1.7
        {"solve(2,0,X^2-2)", 1.41421356237309504880168872421L, 1e-15L},
        {"solve(-1,1,X^2)", 0, 1e-9L}, // no sign change: the minimum touches 0
        {"solve(1,3,X-1)", 1, 0},      // a root on the lower bound
        // Bisected to neighbouring values: a root is right to its last digit, however wide the
        // interval or steep the function; across 0 the root 0 is 0 itself.
        {"solve(-1E300,1E300,X-1)", 1, 0},
        {"solve(0,1,arctan(1E10*(X-0.3)))", 0.3L, 0},
        {"solve(-1,2,X^3)", 0, 0},
        {"solve(0,3,(X-1)^3)", 1, 0},
        {"solve(0,2,(X-1.25)^2)", 1.25L, 0}, // touching, and sharp: a double root
        // min and max
        {"min(-1,2,X^2)", 0, 1e-18L},
        {"max(-1,2,X^2)", 4, 0},
        {"max(0,pi,sin(X))", 1, 1e-12L},
        {"min(0,6,cos(X))", -1, 1e-12L},
        {"min(-3,3,(X-1)^2+2)", 2, 1e-12L},
        {"max(0,10,X*exp(-X))", 0.367879441171442321595523770161L, 1e-12L},
        // A peak missed by the first samples (width 1e-4, spacing 0.02) is found on finer ones.
        {"max(0,10,exp(-1E8*(X-5.0111)^2))", 1, 1e-11L},
        // lists
        {"mean(1,2,3)", 2, 0},
        {"std(1,2,3)", 1, 0},
        {"std(5)", 0, 0}, // one element has no spread
        {"std(1E10+1,1E10+2,1E10+3)", 1, 1e-9L},
        {"sum(1,2,3)", 6, 0},
        {"sum(1)", 1, 0},
        {"stat(1,2,3)", 2, 0},
        {"stat(1E10+1,1E10+2,1E10+3)", 2, 0}, // no cancellation against the large mean
        {"poly(2,1,0,3)", 13, 0},
        {"poly(2)", 0, 0},
        {"mean(1,sum(2,3),(4))", 10.0L / 3, 1e-18L},
    };
    for (const auto& c : cases) {
        const Real value = run(c.formula);
        ASSERT_FALSE(engine.ErrorFlag) << c.formula << ": " << engine.MessageText(engine.ErrorCode);
        EXPECT_NEAR(value, c.expected, c.tolerance) << c.formula;
    }
}

struct ErrorCase {
    const char* formula;
    int code;
    const char* message;
    int position;
    int length;
};

TEST_F(ProceduresTest, ReportTheirErrors) {
    const ErrorCase cases[] = {
        {"solve(1,2,X^2+1)", 21, "Interval Error", 16, 1},
        {"solve(1,2,-X^2-1)", 21, "Interval Error", 17, 1},
        {"solve(-1,2,1/X)", 12, "Singulation", 12, 3}, // a jump, not a root: marked over f
        {"integral(0,1/0,X)", 13, "Division by zero", 14, 1},
        {"integral(0,2+,X)", 0, "Syntax error", 13, 1},
        {"integral(,1,X)", 0, "Syntax error", 10, 1},
        {"integral(0)", 0, "Syntax error", 11, 1},
        {"integral(0,1,X,2)", 0, "Syntax error", 15, 1},
        {"min(0,1,ln(X-2))", 10, "Argument Negative", 9, 7},
        {"integral(0,1,1/X)", 4, "No possibility", 17, 1}, // never settles
        // Totals that cancel (0 at every pass) while the integral of |f| grows: no integral.
        {"integral(-1,1,1/X)", 4, "No possibility", 18, 1},
        // solve returns only verified roots: not the bound of a function small everywhere, not a
        // jump, not a zero of the rounding noise around a triple root, not a flat touching point.
        {"solve(0,1,1E-19*(X+1))", 21, "Interval Error", 22, 1},
        {"solve(0,2,trunc(X)-0.5)", 4, "No possibility", 11, 12},
        {"solve(0,3,X^3-3*X^2+3*X-1)", 4, "No possibility", 11, 15},
        {"solve(0,2,(X-1)^4+1E-25)", 21, "Interval Error", 24, 1},
        {"mean(1,,2)", 0, "Syntax error", 8, 1},
    };
    for (const auto& c : cases) {
        run(c.formula);
        ASSERT_TRUE(engine.ErrorFlag) << c.formula;
        EXPECT_EQ(engine.ErrorCode, c.code) << c.formula;
        EXPECT_EQ(engine.MessageText(engine.ErrorCode), c.message) << c.formula;
        EXPECT_EQ(engine.ErrorPosition, c.position) << c.formula;
        EXPECT_EQ(engine.ErrorLength, c.length) << c.formula;
    }
}

TEST_F(ProceduresTest, GiveSlotXBackOnEveryExit) {
    for (const char* formula : {"integral(0,1,X^2)", "solve(0,2,X^2-2)", "min(-1,2,X^2)", "max(0,1,X)",
                                "integral(0,1,1/(X-0.5)/0)", "solve(1,2,X^2+1)", "min(0,1,sqrt(X-2))"}) {
        set('X', 5);
        run(formula);
        EXPECT_EQ(slotValue('X'), 5) << formula;
    }
}

TEST_F(ProceduresTest, ExtremumKeepsBoundsLocationAndRefinesOnRepetition) {
    EXPECT_NEAR(run("min(-1,2,X^2)"), 0, 1e-18L);
    EXPECT_EQ(slotValue('L'), -1);
    EXPECT_EQ(slotValue('U'), 2);
    EXPECT_NEAR(engine.Procedures.extremumLocation, 0, 1e-9L);
    EXPECT_EQ(engine.Procedures.panelCount, 1);
    run("min(-1,2,X^2)");
    EXPECT_EQ(engine.Procedures.panelCount, 2);
    run("min(-1,2,X^2)");
    EXPECT_EQ(engine.Procedures.panelCount, 4);
    run("min(-1,3,X^2)"); // other bounds: one panel again
    EXPECT_EQ(engine.Procedures.panelCount, 1);
    run("max(0,pi,sin(X))");
    EXPECT_NEAR(engine.Procedures.extremumLocation, 1.5707963267948966192L, 1e-6L);
    EXPECT_EQ(engine.Procedures.extremumMode, 1);

    run("max(0,pi,sin(X))");
    EXPECT_EQ(engine.Procedures.panelCount, 2);
    ClearProcedureMemory(engine);
    run("max(0,pi,sin(X))");
    EXPECT_EQ(engine.Procedures.panelCount, 1);
}

TEST_F(ProceduresTest, ClearAllForgetsTheStandardDeviationRegister) {
    run("std(1,2,3)");
    EXPECT_EQ(engine.Procedures.standardDeviation, 1);
    ClearProcedureMemory(engine);
    EXPECT_EQ(engine.Procedures.standardDeviation, UndefinedMark);
    EXPECT_EQ(engine.Procedures.previousText, "");
}

TEST_F(ProceduresTest, LoopRunsFromJToKAndGivesJBack) {
    set('J', 1);
    set('K', 3);
    set('M', 1);
    EXPECT_EQ(run("forJtoKstepMdo(J)"), 3);
    EXPECT_EQ(slotValue('J'), 1);
    engine.LastResult = 0;
    EXPECT_EQ(run("forJtoKstepMdo(?+J)"), 6); // "?" is the previous pass
    EXPECT_EQ(engine.LastResult, 6);
    EXPECT_EQ(run("forJtoKstepMdo(J)*2"), 6);
    set('M', 5);
    EXPECT_EQ(run("forJtoKstepMdo(J)"), 1); // the body runs at least once
}

TEST_F(ProceduresTest, LoopAsksForUnsetVariablesAndStopsWhenCancelled) {
    set('J', 1);
    set('M', 1); // K not set: the default request is cancelled
    run("forJtoKstepMdo(J)");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.MessageText(engine.ErrorCode), "User break");
    EXPECT_EQ(slotValue('J'), 1);
}

TEST_F(ProceduresTest, LoopWithStepZeroEndsOnlyByAConfirmedBreak) {
    set('J', 1);
    set('K', 3);
    set('M', 0);
    host.breakAfterPumps = 1000;
    run("forJtoKstepMdo(?+1)");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.MessageText(engine.ErrorCode), "User break");
    EXPECT_EQ(host.questions, std::vector<std::string>{"Do you realy wont break calculation?"});
    EXPECT_EQ(slotValue('J'), 1);
}

TEST_F(ProceduresTest, BreakAnsweredNoGoesOn) {
    host.breakAfterPumps = 1;
    host.answerYes = false;
    EXPECT_NEAR(run("integral(0,1,X^2)"), 1.0L / 3, 3e-10L);
    EXPECT_FALSE(engine.ErrorFlag);
    EXPECT_EQ(host.questions.size(), 1u);
}

TEST_F(ProceduresTest, BreakAnsweredYesEndsEveryProcedure) {
    // (The special functions take microseconds; only their rare long loops poll, see their tests.)
    for (const char* formula : {"integral(0,1,X^2)", "solve(0,2,X^2-2)", "min(-1,2,X^2)"}) {
        host.pumps = 0;
        host.breakAfterPumps = 1;
        set('X', 7);
        run(formula);
        ASSERT_TRUE(engine.ErrorFlag) << formula;
        EXPECT_EQ(engine.MessageText(engine.ErrorCode), "User break") << formula;
        EXPECT_EQ(slotValue('X'), 7) << formula;
    }
}

TEST_F(ProceduresTest, IntegralShowsItsPassesInTheStatusLine) {
    EXPECT_NEAR(run("integral(0,20,sin(X))"), 1 - std::cos(20.0L), 1e-9L);
    ASSERT_FALSE(host.statuses.empty());
    EXPECT_EQ(host.statuses.back().substr(0, 6), "5.9191"); // 1 - cos 20 = 0.59191...
}

TEST_F(ProceduresTest, LowerPrecisionSettlesSooner) {
    engine.IntegrationPrecision = 3;
    const Real coarse = run("integral(0,1,sqrt(X))");
    EXPECT_NEAR(coarse, 2.0L / 3, 1e-3L);
}

// The passes are compared as decimal texts whatever base the display uses (a hexadecimal text
// has no fraction to compare).
TEST_F(ProceduresTest, IntegralSettlesInHexadecimalToo) {
    engine.setBase(1);
    EXPECT_NEAR(run("integral($0,$3,X^2)"), 9, 1e-15L);
    EXPECT_NEAR(run("integral($0,$1,exp(X))"), 1.718281828459045235360287L, 1e-15L);
}

TEST_F(ProceduresTest, ARepeatedFunctionRecordsItsVariablesOnce) {
    engine.UsedNames.clear();
    run("integral(0,1,X^2)");
    EXPECT_EQ(engine.UsedNames, std::vector<std::string>{"X"});
}

TEST_F(ProceduresTest, ProceduresNest) {
    set('Y', 2);
    EXPECT_NEAR(run("integral(0,1,X*max(0,1,Y*X))"), 1.0L, 1e-12L);
    EXPECT_NEAR(run("sum(integral(0,1,X),min(0,1,X+1),1)"), 2.5L, 1e-12L);
}

} // namespace
