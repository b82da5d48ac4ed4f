// Number literals in the three bases: an integer part, then either the sexagesimal form a:b:c or a
// fraction and an exponent. Digits are gathered into a 64-bit integer and scaled once at the end,
// so every literal of up to 19 significant digits is the extended value nearest to it ("0.1" is
// the same number the compiler makes of 0.1L).
#include "engine/lexer.h"
#include "engine/engine.h"
#include "engine/evaluator_support.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace brelt::engine {

namespace {

// Exponents beyond this already overflow or underflow every extended value.
constexpr long kExponentClamp = 100000;

// mantissa x radix^power with one rounding where the power is exact.
Real scaled(std::uint64_t mantissa, int radix, long power) {
    const Real m = static_cast<Real>(mantissa); // exact: the extended mantissa has 64 bits
    if (mantissa == 0) return 0;
    if (radix == 2) return std::ldexp(m, static_cast<int>(power));
    if (radix == 16) return std::ldexp(m, static_cast<int>(4 * power));
    // Powers of ten up to 10^27 are exact in the extended format.
    const long magnitude = power < 0 ? -power : power;
    if (magnitude <= 27) {
        Real p = 1;
        for (long i = 0; i < magnitude; ++i)
            p *= 10;
        return power < 0 ? m / p : m * p;
    }
    if (power < 0) return (m / 1e27L) / std::pow(Real(10), Real(magnitude - 27));
    return (m * 1e27L) * std::pow(Real(10), Real(magnitude - 27));
}

} // namespace

// Called on the literal's first character ("$", "." or a digit of the base).
Real Engine::readNumber(bool negative) {
    // The common case first: a short decimal integer ("2", "10") is its own value, exactly. It is
    // scanned straight from the text; anything more (a fraction, exponent, sexagesimal part or a
    // long digit run) is left to the full reading below.
    if (m_base == 0 && m_ch >= '0' && m_ch <= '9') {
        const char* const text = m_expr.data();
        const auto length = static_cast<int>(m_expr.size());
        int at = m_pos; // index of the character after the current one
        std::uint64_t whole = static_cast<unsigned>(m_ch - '0');
        while (at < length && text[at] >= '0' && text[at] <= '9' && at - m_pos < 17)
            whole = whole * 10 + static_cast<unsigned>(text[at++] - '0');
        const unsigned char next = at < length ? static_cast<unsigned char>(text[at]) : kEndMarker;
        if (!(next >= '0' && next <= '9') && next != '.' && next != ':' && next != ExponentChar) {
            // Leave the reading as NextChar would: the character after the digits is current.
            m_pos = at;
            NextChar();
            Real value = static_cast<Real>(whole);
            checkFollow(value);
            return withSign(negative, value);
        }
    }
    return readNumberInFull(negative);
}

// Every other literal: any base, fractions, exponents, the sexagesimal form, long digit runs.
[[gnu::noinline]] Real Engine::readNumberInFull(bool negative) {
    const int radix = Radix();
    if (m_ch == '$') {
        if (m_base != 1) {
            SetError(kSyntaxError);
            return 0;
        }
        NextChar();
    }
    const auto isDigit = [this](unsigned char c) { return c != '$' && c != '.' && m_digitSet.test(c); };
    const std::uint64_t limit =
        (std::numeric_limits<std::uint64_t>::max() - 15) / static_cast<unsigned>(radix);

    std::uint64_t mantissa = 0;
    long power = 0; // radix power applied at the end: dropped integer digits less fraction digits
    int digitCount = 0;
    const bool leadingDot = m_ch == '.';
    while (isDigit(m_ch)) {
        if (mantissa <= limit)
            mantissa = mantissa * static_cast<unsigned>(radix) + static_cast<unsigned>(digitValue(m_ch));
        else
            ++power;
        ++digitCount;
        NextChar();
    }

    if (!leadingDot && digitCount > 0 && m_ch == ':') {
        // Sexagesimal: hours (or degrees), minutes and seconds.
        Real value = scaled(mantissa, radix, power);
        for (int part = 1; part <= 2 && m_ch == ':'; ++part) {
            NextChar();
            if (!isDigit(m_ch)) {
                SetError(kSyntaxError);
                return 0;
            }
            Real run = 0;
            while (isDigit(m_ch)) {
                run = run * radix + digitValue(m_ch);
                NextChar();
            }
            value += run / (part == 1 ? 60 : 3600);
        }
        if (m_ch == '.' || m_ch == ExponentChar) {
            SetError(kSyntaxError);
            return 0;
        }
        if (!std::isfinite(value)) {
            SetError(kOverflow);
            return 0;
        }
        checkFollow(value);
        return withSign(negative, value);
    }

    if (m_ch == '.') {
        NextChar();
        while (isDigit(m_ch)) {
            if (mantissa <= limit) {
                mantissa = mantissa * static_cast<unsigned>(radix) + static_cast<unsigned>(digitValue(m_ch));
                --power;
            }
            ++digitCount;
            NextChar();
        }
    }
    // "$", "." or "$." alone is no number.
    if (digitCount == 0) {
        SetError(kSyntaxError);
        return 0;
    }

    if (m_ch == ExponentChar) {
        NextChar();
        long exponentSign = 1;
        if (m_ch == '+' || m_ch == '-') {
            exponentSign = m_ch == '-' ? -1 : 1;
            NextChar();
        }
        if (!isDigit(m_ch)) {
            SetError(kSyntaxError);
            return 0;
        }
        long exponent = 0;
        while (isDigit(m_ch)) {
            exponent = std::min(kExponentClamp, exponent * 10 + digitValue(m_ch));
            NextChar();
        }
        power += exponentSign * exponent;
    }
    power = std::clamp(power, -2 * kExponentClamp, 2 * kExponentClamp);

    Real value = scaled(mantissa, radix, power);
    if (!std::isfinite(value)) {
        SetError(kOverflow);
        return 0;
    }
    checkFollow(value);
    return withSign(negative, value);
}

} // namespace brelt::engine
