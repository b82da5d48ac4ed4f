#include "engine/format_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

using brelt::engine::decimalTextReference;
using brelt::engine::formatNumber;
using brelt::engine::Real;
using brelt::engine::scientificField;

namespace {

enum Base { Dec = 0, Hex = 1, Bin = 2 };
enum Notation { Scn = 0, Fix = 1, Eng = 2, Sxg = 3 };

struct TextCase {
    Real value;
    Notation notation;
    int digits;
    Base base;
    const char* expected;
};

// One line per case: value, notation, digits, base -> the exact text.
const TextCase kTextCases[] = {
    // Scientific: trailing mantissa zeros and leading exponent zeros go; freed places feed the mantissa.
    {512, Scn, 12, Dec, "5.12E+2"},
    {1500, Scn, 12, Dec, "1.5E+3"},
    {1000, Scn, 12, Dec, "1.0E+3"},
    {12345, Scn, 12, Dec, "1.2345E+4"},
    {-12345, Scn, 12, Dec, "-1.2345E+4"},
    {1, Scn, 12, Dec, "1.0E+0"},
    {0, Scn, 12, Dec, "0.0E+0"},
    {1.0L / 3, Scn, 12, Dec, "3.3333333E-1"},
    {-1.0L / 3, Scn, 12, Dec, "-3.333333E-1"},
    {1.0L / 3, Scn, 8, Dec, "3.333E-1"},
    {1.0L / 3, Scn, 21, Dec, "3.3333333333333333E-1"},
    {2.0L / 3, Scn, 21, Dec, "6.6666666666666667E-1"},
    {1.0L / 3, Scn, 255, Dec, "3.33333333333333333E-1"},
    {1E300L, Scn, 12, Dec, "1.0E+300"},
    {1E-300L, Scn, 12, Dec, "1.0E-300"},
    {1.5E4000L, Scn, 12, Dec, "1.5E+4000"},
    {123456789012.0L, Scn, 12, Dec, "1.234568E+11"},
    {9.99999999999L, Scn, 12, Dec, "1.0E+1"},
    // Engineering: exponent a multiple of three, mantissa 1 to 999.
    {12345, Eng, 12, Dec, "12.345E+3"},
    {0.00012345L, Eng, 12, Dec, "123.45E-6"},
    {123456, Eng, 12, Dec, "123.456E+3"},
    {123456, Eng, 8, Dec, "123.5E+3"},
    {1000, Eng, 12, Dec, "1.0E+3"},
    {0.01L, Eng, 12, Dec, "10.0E-3"},
    {-0.5L, Eng, 12, Dec, "-500.0E-3"},
    {0, Eng, 12, Dec, "0.0E+0"},
    // Fixed: 0.5 gets one more decimal than 1.5; zero and values outside (1E-6, 1E9) go scientific.
    {1.5, Fix, 12, Dec, "1.5"},
    {0.5, Fix, 12, Dec, "0.5"},
    {2.0L / 3, Fix, 12, Dec, "0.6666666667"},
    {5.0L / 3, Fix, 12, Dec, "1.666666667"},
    {-5.0L / 3, Fix, 12, Dec, "-1.66666667"},
    {-2.0L / 3, Fix, 12, Dec, "-0.666666667"},
    {-12345.678L, Fix, 12, Dec, "-12345.678"},
    {2, Fix, 12, Dec, "2.0"},
    {2, Fix, 3, Dec, "2"},
    {0, Fix, 12, Dec, "0.0"},
    {1E10L, Fix, 12, Dec, "1.0E+10"},
    {1E-7L, Fix, 12, Dec, "1.0E-7"},
    {999999999.5L, Fix, 12, Dec, "999999999.5"},
    // Hexadecimal and binary show the integer part.
    {255.9L, Scn, 12, Hex, "FF"},
    {-255, Scn, 12, Hex, "-FF"},
    {0, Scn, 12, Hex, "0"},
    {2147483647, Fix, 12, Hex, "7FFFFFFF"},
    {5, Scn, 12, Bin, "101"},
    {-6.7L, Eng, 12, Bin, "-110"},
    // Sexagesimal hours:minutes:seconds, rounded to the second.
    {1.51L, Sxg, 12, Dec, "1:30:36"},
    {0, Sxg, 12, Dec, "0:0:0"},
    {-1.5, Sxg, 12, Dec, "-1:30:0"},
    {1, Sxg, 12, Dec, "1:0:0"},
    {59.6L / 3600, Sxg, 12, Dec, "0:1:0"},
    {596523, Sxg, 12, Dec, "596523:0:0"},
};

} // namespace

TEST(FormatNumber, ExactTexts) {
    for (const TextCase& c : kTextCases) {
        const auto outcome = formatNumber(c.value, c.digits, c.base, c.notation);
        EXPECT_TRUE(outcome.ok()) << static_cast<double>(c.value);
        EXPECT_EQ(outcome.text, c.expected) << "value " << static_cast<double>(c.value) << " notation "
                                            << c.notation << " digits " << c.digits << " base " << c.base;
    }
}

TEST(FormatNumber, ValuesTheModeCannotShowAreErrors) {
    struct ErrorCase {
        Real value;
        Notation notation;
        Base base;
        int code;
        const char* placeholder;
    };
    const Real inf = std::numeric_limits<Real>::infinity();
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    const ErrorCase cases[] = {
        {3E9L, Scn, Hex, 11, "0.0"},    {-3E9L, Scn, Bin, 11, "0.0"},    {2147483648.0L, Scn, Hex, 11, "0.0"},
        {1E10L, Sxg, Dec, 23, "0:0:0"}, {596524, Sxg, Dec, 23, "0:0:0"}, {-1E10L, Sxg, Dec, 23, "0:0:0"},
        {inf, Scn, Dec, 11, "0.0"},     {-inf, Fix, Dec, 11, "0.0"},     {nan, Eng, Dec, 11, "0.0"},
        {nan, Scn, Hex, 11, "0.0"},     {inf, Sxg, Dec, 11, "0:0:0"},
    };
    for (const ErrorCase& c : cases) {
        const auto outcome = formatNumber(c.value, 12, c.base, c.notation);
        EXPECT_EQ(outcome.error, c.code) << static_cast<double>(c.value);
        EXPECT_EQ(outcome.text, c.placeholder);
    }
}

TEST(FormatNumber, WidthsAreClampedNotTrusted) {
    // Out-of-range widths behave as the nearest allowed one and never overflow a buffer.
    EXPECT_EQ(formatNumber(1.0L / 3, -5, Dec, Scn).text, formatNumber(1.0L / 3, 0, Dec, Scn).text);
    EXPECT_EQ(formatNumber(1.0L / 3, 100000, Dec, Scn).text, formatNumber(1.0L / 3, 255, Dec, Scn).text);
    const std::string wide = formatNumber(1.0L / 3, 1000, Dec, Fix).text;
    EXPECT_EQ(wide.rfind("0.3333333333333333333", 0), 0u) << wide;
    EXPECT_LE(wide.size(), 255u);
}

TEST(ScientificField, RuntimeConversionShape) {
    struct FieldCase {
        Real value;
        int width;
        const char* expected;
    };
    const FieldCase cases[] = {
        {12345, 12, " 1.234E+0004"}, // an exact tie rounds to even
        {12346, 12, " 1.235E+0004"},
        {12345, 0, " 1.2E+0004"},
        {0.00012345L, 16, " 1.2345000E-0004"},
        {1, 30, "     1.00000000000000000E+0000"},
        {0, 12, " 0.000E+0000"},
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(scientificField(c.value, c.width), c.expected);
}

TEST(FormatNumber, OneConversionAgreesWithTheStepByStepTexts) {
    // Random mantissas and exponents, with extra weight on the values where rounding carries into
    // the next power of ten (9.99...) and on exponents whose digit count changes (9, 10, 99, 100).
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    const int exponents[] = {-4940, -1000, -999, -100, -99, -12, -11, -10, -9, -7, -6,  -3,  -2,   -1,  0,
                             1,     2,     3,    8,    9,   10,  11,  12,  98, 99, 100, 999, 1000, 4931};
    for (int round = 0; round < 30000; ++round) {
        Real mantissa = 1 + 9 * static_cast<Real>(unit(random));
        switch (random() % 4) {
        case 0: mantissa = 10 - std::pow(10.0L, -static_cast<int>(random() % 20)) * unit(random); break;
        case 1: mantissa = std::round(mantissa * 1000) / 1000; break; // short decimals, exact ties
        default: break;
        }
        const int exponent = (random() % 2) ? exponents[random() % std::size(exponents)]
                                            : static_cast<int>(random() % 80) - 40;
        Real x = mantissa * std::pow(10.0L, exponent);
        if (!std::isfinite(x) || x == 0) continue;
        if (random() % 2) x = -x;
        const int notation = static_cast<int>(random() % 3); // scientific, fixed, engineering
        const int digits =
            (random() % 8 == 0) ? static_cast<int>(random() % 256) : static_cast<int>(random() % 30);
        ASSERT_EQ(formatNumber(x, digits, Dec, notation).text, decimalTextReference(x, digits, notation))
            << static_cast<double>(x) << " digits " << digits << " notation " << notation;
    }
}
