#pragma once
// What the numeric procedures share: reading a bound by cutting its text out, evaluating the
// function of X in place in the working expression, keeping a variable slot, the break test and
// the decimal text by which a result is judged settled. Internal to the procedure files.
#include "engine/engine.h"

#include <string>

namespace brelt::engine::procedures {

// Puts a slot's value back when the procedure ends, whichever way it ends.
class SlotKeeper {
public:
    SlotKeeper(Engine& engine, int slot) : m_slot(engine.slot(slot)), m_value(m_slot.value) {}
    ~SlotKeeper() { m_slot.value = m_value; }
    SlotKeeper(const SlotKeeper&) = delete;
    SlotKeeper& operator=(const SlotKeeper&) = delete;
    Real saved() const { return m_value; }

private:
    VariableSlot& m_slot;
    Real m_value;
};

// Reads the argument at the current character (up to a "," or ")" at depth 0) as a text of its
// own and leaves the engine on the character after it. An empty argument is "Syntax error"; an
// error inside it is marked where it lies in the formula.
bool ReadBound(Engine& engine, Real& value);

// Requires a "," at the current character and steps past it ("Syntax error" otherwise).
bool ExpectComma(Engine& engine);

// The function of X: the text from `start` to the end of the call, evaluated in place with X set.
// Only the first evaluation records its variables in UsedNames/UsedValues: a procedure evaluates
// f thousands of times and the tape wants each name once.
class FunctionOfX {
public:
    explicit FunctionOfX(Engine& engine);

    // f(x) into value; false when f failed (the engine's error state says why).
    bool evaluate(Real x, Real& value);
    // Leaves the engine on the call's closing character, as the evaluator expects.
    void finish();
    std::string text() const; // the function text, for the repetition test of min and max
    int start() const { return m_start; }
    int length() const; // characters of the text (known after the first evaluation)

private:
    Engine& m_engine;
    int m_start;
    int m_end = 0; // position of the closing character (length + 1 at the end of the text)
    std::size_t m_namesKept = 0;
    std::size_t m_valuesKept = 0;
};

// The scientific text with 21 digits in decimal by which the integral judges its passes, whatever
// notation and base the display uses (a hexadecimal text would have no fraction to compare).
std::string ResultText(Real value);

// True when the texts agree from their "." for `precision` further characters.
bool ResultSettled(const std::string& a, const std::string& b, int precision);

// True while a procedure runs inside the function of another one (min inside an integral).
bool InsideAnotherProcedure();

// The procedures, each called positioned as CallProcedure describes.
Real Integral(Engine& engine);
Real Solve(Engine& engine);
Real Extremum(Engine& engine, bool maximum);
Real Loop(Engine& engine);
Real ListProcedure(Engine& engine, int code);

// The extremum search on [low, high] with the function already positioned; used by min, max and
// solve's sign-change pre-search. Stores the location in the engine's procedure memory.
struct ExtremumResult {
    Real value = 0;
    Real location = 0;
};
bool SearchExtremum(Engine& engine, FunctionOfX& f, Real low, Real high, bool maximum,
                    ExtremumResult& result);

} // namespace brelt::engine::procedures
