#pragma once
// Internal helpers shared by the evaluator's source files.
#include "engine/engine.h"

namespace brelt::engine {

// Counts the evaluator's recursion. Each guarded level adds its weight while it runs; beyond
// kMaxNesting the level reports "Stack overflow" instead of going deeper. The limit sits far below
// what the real stack bears, also with the larger frames of a sanitizer build.
class NestingGuard {
public:
    explicit NestingGuard(Engine& engine, int weight = 1) : m_engine(engine), m_weight(weight) {
        m_engine.m_nesting += weight;
    }
    ~NestingGuard() { m_engine.m_nesting -= m_weight; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

    // True (with "Stack overflow" raised) when this level is one too many.
    bool exceeded() {
        if (m_engine.m_nesting <= kMaxNesting) return false;
        if (!m_engine.ErrorFlag) m_engine.SetError(kStackOverflow);
        return true;
    }

private:
    Engine& m_engine;
    int m_weight;
};

// A primary's or term's sign: a leading "-" negates, and a "+" leaves the value exactly as it is.
inline Real withSign(bool negative, Real value) {
    return negative ? -value : value;
}

// Applies catalogue function `code` to its arguments (b is UndefinedMark when not given). Domain
// errors go through engine.DomainError.
Real ApplyFunction(Engine& engine, int code, Real a, Real b, bool secondGiven);

// The power rule: b^p, with 0^0 = 1, 0 to a negative power "Division by zero", a negative base
// with a fractional exponent "Argument Negative", results beyond the extended range "Overflow"; a
// result below the smallest extended value is 0.
Real RaisePower(Engine& engine, Real b, Real p);

// The extended value nearest to 10^n, the value of the literal 1En (0 or infinity beyond the range).
Real NearestPowerOfTen(long n);

// Truncates toward zero into a 32-bit signed integer; false when the value does not fit.
bool TruncateToInt32(Real x, int& out);

} // namespace brelt::engine
