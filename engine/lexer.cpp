// Number literals in the three bases: an integer part, then either the sexagesimal form a:b:c or a
// fraction and an exponent. Every literal is the extended value nearest to its exact value,
// whatever its length and exponent: the digits are gathered exactly, and where the result cannot
// be formed with one exact-operand operation (more than 19 decimal digits, a power of ten beyond
// 10^27, more than 64 binary digits) the digit text goes to strtold, which rounds correctly.
#include "engine/lexer.h"
#include "engine/engine.h"
#include "engine/evaluator_support.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace brelt::engine {

namespace {

// Exponents are gathered up to this size; beyond it every literal overflows or is 0, and the
// digit text handed to strtold keeps a size it reads without trouble.
constexpr long kExponentClamp = 1000000000L;

// The digits of a literal as read: the significant digits (leading zeros dropped) and the power of
// the radix that scales them.
struct Digits {
    std::string text;           // digit characters "0".."9", "A".."F"
    std::uint64_t mantissa = 0; // the same digits while they fit
    bool exact = true;          // false once a digit no longer fitted into mantissa
    long power = 0;             // radix power applied to the digits
};

// 10^k for 0 <= k <= 27: every one of them is exact in the extended format.
Real exactPowerOfTen(long k) {
    Real p = 1;
    for (long i = 0; i < k; ++i)
        p *= 10;
    return p;
}

// The hexadecimal digits of a run of binary digits, padded on the left to whole nibbles.
std::string binaryToHex(const std::string& bits) {
    const std::size_t pad = (4 - bits.size() % 4) % 4;
    const std::string padded = std::string(pad, '0') + bits;
    std::string hex;
    hex.reserve(padded.size() / 4);
    for (std::size_t i = 0; i < padded.size(); i += 4) {
        int nibble = 0;
        for (std::size_t j = 0; j < 4; ++j)
            nibble = nibble * 2 + (padded[i + j] - '0');
        hex += "0123456789ABCDEF"[nibble];
    }
    return hex;
}

// The value nearest to digits x radix^power.
Real nearestValue(const Digits& d, int radix) {
    if (d.text.empty()) return 0;
    if (radix == 10) {
        const long magnitude = d.power < 0 ? -d.power : d.power;
        // One rounding of exact operands is the nearest value.
        if (d.exact && magnitude <= 27) {
            const Real m = static_cast<Real>(d.mantissa);
            return d.power < 0 ? m / exactPowerOfTen(magnitude) : m * exactPowerOfTen(magnitude);
        }
        // No decimal point in the text, so the reading does not depend on the locale.
        const std::string text = d.text + "E" + std::to_string(d.power);
        return std::strtold(text.c_str(), nullptr);
    }
    const long bitsPerDigit = radix == 16 ? 4 : 1;
    const long binaryPower = d.power * bitsPerDigit;
    if (d.exact) return std::ldexp(static_cast<Real>(d.mantissa), static_cast<int>(binaryPower));
    const std::string hex = radix == 16 ? d.text : binaryToHex(d.text);
    const std::string text = "0x" + hex + "p" + std::to_string(binaryPower);
    return std::strtold(text.c_str(), nullptr);
}

} // namespace

Real NearestPowerOfTen(long n) {
    Digits one;
    one.text = "1";
    one.mantissa = 1;
    one.power = std::clamp(n, -2 * kExponentClamp, 2 * kExponentClamp);
    return nearestValue(one, 10);
}

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

    Digits digits;
    // Takes one digit; `fraction` digits lower the power by one each.
    const auto take = [&](unsigned char c, bool fraction) {
        if (fraction) --digits.power;
        if (digits.text.empty() && c == '0') return; // a leading zero adds nothing
        digits.text += static_cast<char>(c);
        if (digits.exact && digits.mantissa <= limit)
            digits.mantissa =
                digits.mantissa * static_cast<unsigned>(radix) + static_cast<unsigned>(digitValue(c));
        else
            digits.exact = false;
    };

    int digitCount = 0;
    const bool leadingDot = m_ch == '.';
    while (isDigit(m_ch)) {
        take(m_ch, false);
        ++digitCount;
        NextChar();
    }

    if (!leadingDot && digitCount > 0 && m_ch == ':')
        return readSexagesimal(negative, nearestValue(digits, radix));

    if (m_ch == '.') {
        NextChar();
        while (isDigit(m_ch)) {
            take(m_ch, true);
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
        digits.power += exponentSign * exponent;
    }
    digits.power = std::clamp(digits.power, -2 * kExponentClamp, 2 * kExponentClamp);

    Real value = nearestValue(digits, radix);
    if (!std::isfinite(value)) {
        SetError(kOverflow);
        return 0;
    }
    checkFollow(value);
    return withSign(negative, value);
}

// After the integer part `whole` and at its ":": minutes, and after a second ":" seconds. The value
// is (3600 whole + 60 minutes + seconds) / 3600 (or (60 whole + minutes) / 60) with that single
// rounding whenever the numerator is a whole number the extended format holds exactly.
Real Engine::readSexagesimal(bool negative, Real whole) {
    const int radix = Radix();
    const auto isDigit = [this](unsigned char c) { return c != '$' && c != '.' && m_digitSet.test(c); };
    Real parts[2] = {0, 0};
    std::uint64_t exactParts[2] = {0, 0};
    bool exact = whole >= 0 && whole < 0x1p63L && whole == std::trunc(whole);
    int count = 0;
    for (; count < 2 && m_ch == ':'; ++count) {
        NextChar();
        if (!isDigit(m_ch)) {
            SetError(kSyntaxError);
            return 0;
        }
        while (isDigit(m_ch)) {
            const auto digit = static_cast<unsigned>(digitValue(m_ch));
            parts[count] = parts[count] * radix + digit;
            std::uint64_t next = 0;
            if (__builtin_mul_overflow(exactParts[count], static_cast<std::uint64_t>(radix), &next) ||
                __builtin_add_overflow(next, digit, &next))
                exact = false;
            exactParts[count] = next;
            NextChar();
        }
    }
    if (m_ch == '.' || m_ch == ExponentChar) {
        SetError(kSyntaxError);
        return 0;
    }
    // The numerator in units of the last part: 60 or 3600 of them to the whole.
    const std::uint64_t unitsPerWhole = count == 1 ? 60 : 3600;
    std::uint64_t numerator = 0;
    if (exact) {
        std::uint64_t minutes = exactParts[0];
        if (count == 2 && __builtin_mul_overflow(minutes, std::uint64_t{60}, &minutes)) exact = false;
        if (__builtin_mul_overflow(static_cast<std::uint64_t>(whole), unitsPerWhole, &numerator) ||
            __builtin_add_overflow(numerator, minutes, &numerator) ||
            __builtin_add_overflow(numerator, count == 2 ? exactParts[1] : 0, &numerator))
            exact = false;
    }
    Real value = exact ? static_cast<Real>(numerator) / static_cast<Real>(unitsPerWhole)
                       : whole + parts[0] / 60 + parts[1] / 3600;
    if (!std::isfinite(value)) {
        SetError(kOverflow);
        return 0;
    }
    checkFollow(value);
    return withSign(negative, value);
}

} // namespace brelt::engine
