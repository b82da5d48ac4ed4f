// The grammar levels of the one-pass evaluator, lowest precedence first: expression (+ - & \ |),
// term (* / %), factor (^ and the postfix square, root and cube) and primary (parentheses, "?",
// numbers, names). Every level returns at once when the error flag is set; SetError has already
// skipped to the end of the text, so the first error wins.
#include "engine/engine.h"
#include "engine/evaluator_support.h"
#include "engine/lexer.h"

#include <algorithm>
#include <cmath>

namespace brelt::engine {

namespace {

bool isTermStartForbidden(unsigned char c) {
    return c == '%' || c == '&' || c == '\\' || c == '^' || c == '|' || c == kSquareChar || c == kCubeChar;
}

} // namespace

Real Engine::readExpression() {
    NestingGuard guard(*this);
    if (ErrorFlag || guard.exceeded()) return 0;
    Real value = readTerm();
    while (!ErrorFlag && isExpressionOperator(m_ch)) {
        const unsigned char op = m_ch;
        NextChar();
        // 2+-3 is rejected: a sign after an operator needs parentheses.
        if (isOperator(m_ch)) {
            SetError(kSyntaxError);
            return 0;
        }
        const Real operand = readTerm();
        if (ErrorFlag) return 0;
        switch (op) {
        case '+': value += operand; break;
        case '-': value -= operand; break;
        default: {
            int left = 0;
            int right = 0;
            if (!TruncateToInt32(value, left) || !TruncateToInt32(operand, right)) {
                SetError(kOverflow);
                return 0;
            }
            const auto l = static_cast<unsigned>(left);
            const auto r = static_cast<unsigned>(right);
            const unsigned bits = op == '&' ? (l & r) : op == '|' ? (l | r) : (l ^ r);
            value = static_cast<Real>(static_cast<int>(bits));
        }
        }
        if (!std::isfinite(value)) {
            SetError(kOverflow);
            return 0;
        }
    }
    return ErrorFlag ? 0 : value;
}

[[gnu::always_inline]] inline Real Engine::readTerm() {
    if (ErrorFlag) return 0;
    if (m_pos == m_subStart && isTermStartForbidden(m_ch)) {
        SetError(kSyntaxError);
        return 0;
    }
    bool negative = false;
    if (m_ch == '+' || m_ch == '-') {
        negative = m_ch == '-';
        NextChar();
        if (isExpressionOperator(m_ch)) {
            SetError(kSyntaxError);
            return 0;
        }
    }
    // The sign applies after "^": -2^2 is -4.
    Real value = withSign(negative, readFactorInline());
    while (!ErrorFlag) {
        if (isTermOperator(m_ch)) {
            const unsigned char op = m_ch;
            NextChar();
            if (isExpressionOperator(m_ch) || m_ch == '^') {
                SetError(kSyntaxError);
                return 0;
            }
            const int divisorStart = m_pos;
            const Real operand = readFactorInline();
            if (ErrorFlag) return 0;
            if (op == '*') {
                value *= operand;
            } else if (op == '%') {
                value = value * operand * 0.01L;
            } else if (operand == 0) {
                // Marked over the divisor: from the first character after "/" to its last one.
                const int divisorEnd = m_ch == kEndMarker ? m_pos : m_pos - 1;
                SetError(kDivisionByZero);
                ErrorPosition = divisorStart;
                ErrorLength = std::max(1, divisorEnd - divisorStart + 1);
                return 0;
            } else {
                value /= operand;
            }
            if (!std::isfinite(value)) {
                SetError(kOverflow);
                return 0;
            }
            continue;
        }
        if (hasClass(m_ch, kClassTermEnd | kClassExpressionOperator)) break;
        // Inside an argument list the caller decides what the character means (usually ",").
        if (ArgumentDepth > 0) break;
        SetError(kSyntaxError);
    }
    return ErrorFlag ? 0 : value;
}

Real Engine::readFactor() {
    return readFactorInline();
}

// The factor and primary levels are compiled into the term level that calls them: a formula is
// mostly factors, and two calls fewer per factor is a good part of an evaluation's time.
[[gnu::always_inline]] inline Real Engine::readFactorInline() {
    NestingGuard guard(*this);
    if (ErrorFlag || guard.exceeded()) return 0;
    const Real value = readPrimary();
    if (ErrorFlag) return 0;
    // Most factors have no "^" and no postfix: one table look decides.
    if (!hasClass(m_ch, kClassPower | kClassPostfix)) return value;
    return readPowerAndPostfix(value);
}

Real Engine::readPowerAndPostfix(Real value) {
    if (m_ch == '^') {
        NextChar();
        if (m_ch == '%' || m_ch == '*' || m_ch == '/') {
            SetError(kSyntaxError);
            return 0;
        }
        // The exponent is a whole factor: "^" is right-associative and may carry its own sign.
        const Real exponent = readFactor();
        if (ErrorFlag) return 0;
        value = RaisePower(*this, value, exponent);
        if (ErrorFlag) return 0;
    }
    if (m_ch == kSquareChar) {
        value *= value;
        if (!std::isfinite(value)) {
            SetError(kOverflow);
            return 0;
        }
        NextChar();
    }
    if (m_ch == kRootChar) {
        if (value < 0) {
            DomainError(value, kArgumentNegative);
            return 0;
        }
        value = std::sqrt(value);
        NextChar();
    }
    if (m_ch == kCubeChar) {
        value = value * value * value;
        if (!std::isfinite(value)) {
            SetError(kOverflow);
            return 0;
        }
        NextChar();
    }
    return value;
}

[[gnu::always_inline]] inline Real Engine::readPrimary() {
    if (ErrorFlag) return 0;
    bool negative = false;
    if (m_ch == '+' || m_ch == '-') {
        negative = m_ch == '-';
        NextChar();
        if (m_ch == '+' || m_ch == '-') {
            SetError(kSyntaxError);
            return 0;
        }
    }
    if (m_ch == '(') {
        m_subStart = m_pos + 1;
        NextChar();
        const Real value = readExpression();
        if (ErrorFlag) return 0;
        if (m_ch == ')' || (m_ch == ',' && ArgumentDepth > 0)) {
            NextChar();
        } else if (m_ch != kEndMarker) {
            // A ")" missing at the very end is the caller's pre-check to report.
            SetError(kSyntaxError);
            ++ErrorPosition;
            return 0;
        }
        return withSign(negative, value);
    }
    if (m_ch == '?') {
        Real value = LastResult;
        NextChar();
        checkFollow(value);
        return withSign(negative, value);
    }
    if (m_ch == kPiChar) {
        Real value = 3.141592653589793238462643383279502884L;
        NextChar();
        checkFollow(value);
        return withSign(negative, value);
    }
    if (isLetter(m_ch)) return readName(negative);
    if (m_ch == '$' || m_ch == '.' || m_digitSet.test(m_ch)) return readNumber(negative);
    // Anything else, an operator where a value must stand included ("2**3", "(*3)"), is an error.
    SetError(kSyntaxError);
    return 0;
}

} // namespace brelt::engine
