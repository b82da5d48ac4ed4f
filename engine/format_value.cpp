#include "engine/format_value.h"

#include "engine/engine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace brelt::engine {

namespace {

constexpr int kBaseHexadecimal = 1;
constexpr int kNotationFixed = 1;
constexpr int kNotationEngineering = 2;
constexpr int kNotationSexagesimal = 3;

constexpr char kDigitChars[] = "0123456789ABCDEF";

// Significant digits of a scientific field of the given width.
int significantDigits(int width) {
    return std::clamp(width - 8, 2, 18);
}

std::string printed(const char* format, int precision, Real x) {
    char small[64];
    const int needed = std::snprintf(small, sizeof small, format, precision, x);
    if (needed < 0) return {};
    if (static_cast<size_t>(needed) < sizeof small) return std::string(small, static_cast<size_t>(needed));
    std::string text(static_cast<size_t>(needed) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, precision, x);
    text.resize(static_cast<size_t>(needed));
    return text;
}

std::string exponentDigits(long value) {
    std::string digits = std::to_string(value);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    return digits;
}

// Makes the exponent a multiple of 3 by moving the decimal point to the right, so the mantissa
// reads 1 to 999: 1.2345E+0004 becomes 12.345E+0003, 1.2345E-0004 becomes 123.45E-0006.
void engineeringShift(std::string& s) {
    const size_t e = s.find('E');
    if (e == std::string::npos || e + 2 > s.size()) return;
    const bool negative = s[e + 1] == '-';
    long v = std::strtol(s.c_str() + e + 2, nullptr, 10);
    long a = v % 3;
    if (a == 0) return;
    if (negative) {
        a = 3 - a;
        v += a;
    } else {
        v -= a;
    }
    std::string mantissa = s.substr(0, e);
    const size_t point = mantissa.find('.');
    if (point != std::string::npos) {
        mantissa.erase(point, 1);
        const size_t target = point + static_cast<size_t>(a);
        // A short mantissa is filled with zeros, and keeps one digit after the point.
        if (mantissa.size() < target + 1) mantissa.append(target + 1 - mantissa.size(), '0');
        mantissa.insert(target, 1, '.');
    }
    s = mantissa + s.substr(e, 2) + exponentDigits(v);
}

// Removes the leading blanks (returning their count) and the zeros that carry nothing: trailing
// zeros of a fixed text, and of a mantissa before "E". In fixed notation a zero exponent goes.
int trim(std::string& s, bool fixedNotation) {
    const size_t firstNonBlank = s.find_first_not_of(' ');
    const size_t blanks = firstNonBlank == std::string::npos ? s.size() : firstNonBlank;
    s.erase(0, blanks);
    const size_t e = s.find('E');
    if (e == std::string::npos) {
        if (s.find('.') != std::string::npos) {
            while (s.size() >= 2 && s.back() == '0' && s[s.size() - 2] != '.')
                s.pop_back();
        }
    } else {
        size_t end = e;
        while (end >= 2 && s[end - 1] == '0' && s[end - 2] != '.')
            --end;
        s.erase(end, e - end);
        if (fixedNotation) {
            const size_t zeroExponent = s.find("E+0000");
            if (zeroExponent != std::string::npos) s.erase(zeroExponent, 6);
        }
    }
    return static_cast<int>(blanks);
}

// Removes up to three leading zeros of the exponent and returns how many went.
int dropExponentZeros(std::string& s) {
    const size_t e = s.find('E');
    if (e == std::string::npos) return 0;
    int removed = 0;
    while (removed < 3 && e + 2 < s.size() && s[e + 2] == '0') {
        s.erase(e + 2, 1);
        ++removed;
    }
    return removed;
}

std::string radixText(Real x, int radix) {
    auto n = static_cast<std::uint32_t>(static_cast<std::int64_t>(x));
    if (n == 0) return "0";
    std::string digits;
    while (n != 0) {
        digits.push_back(kDigitChars[n % static_cast<std::uint32_t>(radix)]);
        n /= static_cast<std::uint32_t>(radix);
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

FormatOutcome sexagesimal(Real x, const std::string& prefix) {
    if (x > kMaxShownInteger || x * 3600 > kMaxShownInteger) return {"0:0:0", kFormatChangeNotation};
    // Rounded to whole seconds (ties to even), then split in integers: splitting the fraction in
    // floating point would show 1:0:0 as 0:59:59 whenever 1/3600 rounds down.
    const auto seconds = static_cast<std::int64_t>(std::nearbyint(x * 3600));
    return {prefix + std::to_string(seconds / 3600) + ':' + std::to_string(seconds % 3600 / 60) + ':' +
                std::to_string(seconds % 60),
            -1};
}

// The steps of the runtime conversion, one decimal conversion per step: the text of width
// `digits` is made, shifted and trimmed; the characters freed (leading blanks, zeros of the
// exponent) go to the mantissa of a second text made the same way.
std::string decimalByTwoConversions(Real x, int digits, int notation, bool negative) {
    const bool fixedNotation = notation == kNotationFixed;
    std::string s = scientificField(x, digits);
    if (notation == kNotationEngineering) engineeringShift(s);
    int count = trim(s, fixedNotation);
    if (s.find('E') != std::string::npos) {
        count += dropExponentZeros(s);
        s = scientificField(x, digits + count - (negative ? 1 : 0));
        if (notation == kNotationEngineering) engineeringShift(s);
        trim(s, fixedNotation);
    }
    dropExponentZeros(s);
    return s;
}

// The digits and exponent of one correctly rounded conversion of x >= 0.
struct DecimalDigits {
    char mantissa[24]; // "d.ddd", NUL-terminated
    int length = 0;    // characters in mantissa
    int exponent = 0;
};

DecimalDigits decimalDigits(Real x, int significant) {
    DecimalDigits d;
    char text[48];
    std::snprintf(text, sizeof text, "%.*Le", significant - 1, x);
    const char* e = std::strchr(text, 'e');
    d.length = static_cast<int>(e - text);
    std::memcpy(d.mantissa, text, static_cast<size_t>(d.length));
    d.mantissa[d.length] = '\0';
    d.exponent = std::atoi(e + 1);
    return d;
}

// The exponent of x rounded to `significant` digits, read off a conversion with at least as many
// digits: the rounding carries into the next power of ten only when the leading digits are all 9
// and the rest is more than half. An exact half at the cut cannot be told from the longer text
// (it may have been rounded up to it) and is converted again.
int roundedExponent(Real x, int significant, const DecimalDigits& longer) {
    const int have = longer.length - 1; // digits without the point
    if (have <= significant) return longer.exponent;
    auto digitAt = [&longer](int i) { return longer.mantissa[i == 0 ? 0 : i + 1]; };
    for (int i = 0; i < significant; ++i)
        if (digitAt(i) != '9') return longer.exponent;
    const char next = digitAt(significant);
    if (next < '5') return longer.exponent;
    if (next > '5') return longer.exponent + 1;
    for (int i = significant + 1; i < have; ++i)
        if (digitAt(i) != '0') return longer.exponent + 1;
    return decimalDigits(x, significant).exponent;
}

// Leading zeros of an exponent written with four digits, at most three.
int exponentZeros(int exponent) {
    const int magnitude = std::abs(exponent);
    return magnitude < 10 ? 3 : magnitude < 100 ? 2 : magnitude < 1000 ? 1 : 0;
}

// The exponent the engineering shift makes of e.
int shiftedExponent(int e) {
    const int a = std::abs(e) % 3;
    if (a == 0) return e;
    return e < 0 ? e - (3 - a) : e - a;
}

// The same text as decimalByTwoConversions with, as a rule, one conversion: what the first text
// contributes (its leading blanks and the zeros of its exponent) follows from its width and its
// exponent alone, and that exponent is read off the second conversion.
std::string decimalText(Real x, int digits, int notation, bool negative) {
    const bool fixedNotation = notation == kNotationFixed;
    if (fixedNotation && x > 0.000001L && x < 1E9L) {
        const int k = (!negative && x < 1) ? 2 : (negative && x > 1) ? 4 : 3;
        std::string s = printed("%.*Lf", std::max(digits - k, 0), x);
        trim(s, true);
        return s;
    }
    if (x == 0) return decimalByTwoConversions(x, digits, notation, negative);
    const int firstWidth = std::min(digits, kMaxFormatWidth);
    const int firstSignificant = significantDigits(firstWidth);
    const int blanks = 1 + std::max(0, firstWidth - (firstSignificant + 8));
    auto secondWidth = [&](int firstExponent) {
        const int shown = notation == kNotationEngineering ? shiftedExponent(firstExponent) : firstExponent;
        return std::min(digits + blanks + exponentZeros(shown) - (negative ? 1 : 0), kMaxFormatWidth);
    };
    const int guessedExponent = static_cast<int>(std::floor(std::log10(x)));
    int width = secondWidth(guessedExponent);
    DecimalDigits second = decimalDigits(x, significantDigits(width));
    const int firstExponent = roundedExponent(x, firstSignificant, second);
    if (const int needed = secondWidth(firstExponent); needed != width) {
        width = needed;
        second = decimalDigits(x, significantDigits(width));
    }
    std::string s(1, ' ');
    s.append(second.mantissa, static_cast<size_t>(second.length));
    s += 'E';
    s += second.exponent < 0 ? '-' : '+';
    s += exponentDigits(std::abs(second.exponent));
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    if (notation == kNotationEngineering) engineeringShift(s);
    trim(s, fixedNotation);
    dropExponentZeros(s);
    return s;
}

} // namespace

std::string scientificField(Real x, int width) {
    const int w = std::min(width, kMaxFormatWidth);
    const std::string c = printed("%.*Le", significantDigits(w) - 1, x);
    const size_t e = c.find('e');
    if (e == std::string::npos) return c;
    const long exponent = std::strtol(c.c_str() + e + 1, nullptr, 10);
    std::string s =
        ' ' + c.substr(0, e) + 'E' + (exponent < 0 ? '-' : '+') + exponentDigits(std::labs(exponent));
    if (static_cast<int>(s.size()) < w) s.insert(0, static_cast<size_t>(w) - s.size(), ' ');
    return s;
}

FormatOutcome formatNumber(Real x, int digits, int base, int notation) {
    digits = std::clamp(digits, 0, kMaxFormatWidth);
    const bool decimal = base != 1 && base != 2;
    const bool sexagesimalNotation = decimal && notation == kNotationSexagesimal;
    if (!std::isfinite(x)) return {sexagesimalNotation ? "0:0:0" : "0.0", kFormatOverflow};
    const bool negative = x < 0;
    const std::string prefix = negative ? "-" : "";
    x = std::fabs(x);
    if (!decimal) {
        if (x > kMaxShownInteger) return {"0.0", kFormatOverflow};
        return {prefix + radixText(x, base == kBaseHexadecimal ? 16 : 2), -1};
    }
    if (sexagesimalNotation) return sexagesimal(x, prefix);
    return {prefix + decimalText(x, digits, notation, negative), -1};
}

std::string decimalTextReference(Real x, int digits, int notation) {
    const Real magnitude = std::fabs(x);
    if (notation == kNotationFixed && magnitude > 0.000001L && magnitude < 1E9L)
        return formatNumber(x, digits, 0, notation).text;
    const std::string prefix = x < 0 ? "-" : "";
    return prefix +
           decimalByTwoConversions(magnitude, std::clamp(digits, 0, kMaxFormatWidth), notation, x < 0);
}

std::string FormatValue(Engine& engine, int digits, Real x) {
    if (engine.ErrorFlag && engine.Base() == 0 && engine.Notation == kNotationSexagesimal) return "0:0:0";
    FormatOutcome outcome = formatNumber(x, digits, engine.Base(), engine.Notation);
    if (!outcome.ok()) {
        if (outcome.error == kFormatChangeNotation) engine.LastResult = 0;
        engine.ErrorFlag = true;
        engine.ErrorCode = outcome.error;
        engine.ErrorPosition = static_cast<int>(engine.workingExpression().size()) + 1;
        engine.ErrorLength = 1;
    }
    return std::move(outcome.text);
}

} // namespace brelt::engine
