#include "chart/scale/ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace brelt::chart {
namespace {

std::vector<std::string> majorLabels(const std::vector<Tick>& ticks) {
    std::vector<std::string> labels;
    for (const auto& t : ticks)
        if (t.major) labels.push_back(t.label + (t.exponent.empty() ? "" : "^" + t.exponent));
    return labels;
}

struct TicksCase {
    double min, max;
    TickOptions options;
    double expMin, expMax, first, step;
    int count, decimals, minorPerMajor;
    std::vector<std::string> labels;
};

constexpr TickOptions kAuto{true, true, false, false};
constexpr TickOptions kFixed{false, false, false, false};
constexpr TickOptions kZoomed{true, true, true, false};

TEST(ComputeTicks, LinearTable) {
    const TicksCase cases[] = {
        {0, 1.5, kAuto, 0, 1.5, 0, 0.1, 16, 1, 5, {"0", "0.5", "1", "1.5"}},
        {0, 7, kAuto, 0, 7, 0, 0.5, 15, 1, 4, {"0", "2", "4", "6"}},
        {7, 0, kAuto, 0, 7, 0, 0.5, 15, 1, 4, {"0", "2", "4", "6"}}, // inverted axis: same ticks
        {0, 1, kAuto, 0, 1, 0, 0.1, 11, 1, 5, {"0", "0.5", "1"}},
        {0, 10, kAuto, 0, 10, 0, 1, 11, 1, 5, {"0", "5", "10"}},
        {-3.7, 12.2, kAuto, -4, 12.2, -4, 1, 17, 1, 5, {"0", "5", "10"}}, // majors on round values
        {-1, 1, kAuto, -1, 1, -1, 0.2, 11, 1, 5, {"-1", "0", "1"}},
        {-7.5, -2.5, kAuto, -7.6, -2.5, -7.6, 0.2, 26, 1, 5, {"-7", "-6", "-5", "-4", "-3"}},
        {0, 0.5, kAuto, 0, 0.5, 0, 0.02, 26, 2, 5, {"0.00", "0.10", "0.20", "0.30", "0.40", "0.50"}},
        {0, 1e-6, kAuto, 0, 1e-6, 0, 1e-7, 11, 7, 5, {"0.0000000", "0.0000005", "0.0000010"}},
        {0, 250, kAuto, 0, 250, 0, 20, 13, 0, 5, {"0", "100", "200"}},
        {100,
         100.0004,
         kFixed,
         100,
         100.0004,
         100,
         2e-5,
         21,
         5,
         5,
         {"100.00000", "100.00010", "100.00020", "100.00030", "100.00040"}},
        {0.33, 1.27, kZoomed, 0.33, 1.27, 0.33, 0.05, 20, 2, 4, {"0.33", "0.53", "0.73", "0.93", "1.13"}},
        {0.25, 2.0, kFixed, 0.25, 2.0, 0.25, 0.1, 19, 1, 5, {"0.25", "0.75", "1.25", "1.75"}},
        {0, 1e12, kAuto, 0, 1e12, 0, 1e11, 11, 0, 5, {"0", "5×10^11", "1×10^12"}}, // too long when fixed
        {0, 1e9, kAuto, 0, 1e9, 0, 1e8, 11, 0, 5, {"0", "500000000", "1000000000"}},
    };
    for (const auto& c : cases) {
        TNiceNumbers nice;
        const auto got = ComputeTicks(c.min, c.max, c.options, nice);
        ASSERT_TRUE(got.has_value()) << c.min << ".." << c.max;
        const double tol = 1e-9 * c.step;
        EXPECT_NEAR(got->min, c.expMin, tol) << c.min << ".." << c.max;
        EXPECT_NEAR(got->max, c.expMax, tol) << c.min << ".." << c.max;
        EXPECT_NEAR(got->firstTick, c.first, tol) << c.min << ".." << c.max;
        EXPECT_NEAR(got->step, c.step, tol) << c.min << ".." << c.max;
        EXPECT_EQ(got->count, c.count) << c.min << ".." << c.max;
        EXPECT_EQ(got->decimals, c.decimals) << c.min << ".." << c.max;
        EXPECT_EQ(got->minorPerMajor, c.minorPerMajor) << c.min << ".." << c.max;
        EXPECT_EQ(majorLabels(linearTicks(*got)), c.labels) << c.min << ".." << c.max;
    }
}

TEST(ComputeTicks, NiceLowerBoundExtendsTheWalkToTheUpperEnd) {
    // 0.3..1.5 counts 13 ticks of 0.1; the nice lower bound 0.2 would stop them at 1.4.
    TNiceNumbers nice;
    const auto got = ComputeTicks(0.3, 1.5, kAuto, nice);
    ASSERT_TRUE(got);
    EXPECT_NEAR(got->min, 0.2, 1e-12);
    EXPECT_EQ(got->count, 14);
    EXPECT_NEAR(linearTicks(*got).back().value, 1.5, 1e-12);
}

TEST(ComputeTicks, AutoEndsAreRoundedToOneMoreDecimal) {
    TNiceNumbers nice;
    const auto got = ComputeTicks(0.0, 9.74321, kAuto, nice);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->decimals, 1);
    EXPECT_DOUBLE_EQ(got->max, 9.74);
    const auto fixed = ComputeTicks(0.0, 9.74321, kFixed, nice);
    EXPECT_DOUBLE_EQ(fixed->max, 9.74321);
}

TEST(ComputeTicks, UsesTheNiceNumbersItIsGiven) {
    TNiceNumbers nice;
    ComputeTicks(0.3, 9.7, kAuto, nice);
    EXPECT_EQ(nice.TickCount(), 20);
    EXPECT_DOUBLE_EQ(nice.Min(), 0.3);
    EXPECT_DOUBLE_EQ(nice.Max(), 9.7);
}

TEST(ComputeTicks, ZeroOrNonFiniteRangeKeepsThePreviousTicks) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(ComputeTicks(2.0, 2.0, kAuto));
    EXPECT_FALSE(ComputeTicks(0.0, inf, kAuto));
    EXPECT_FALSE(ComputeTicks(-inf, 0.0, kAuto));
    EXPECT_FALSE(ComputeTicks(nan, 1.0, kAuto));
}

TEST(ComputeTicks, ExtremeButFiniteRangesStayBounded) {
    const auto tiny = ComputeTicks(0.0, 1e-300, kAuto);
    ASSERT_TRUE(tiny);
    EXPECT_EQ(tiny->count, 11);
    EXPECT_EQ(tiny->decimals, 301);
    const auto huge = ComputeTicks(-1e300, 1e300, kAuto);
    ASSERT_TRUE(huge);
    EXPECT_LE(huge->count, 100000);
    EXPECT_EQ(huge->decimals, 0);
    const auto widest = ComputeTicks(-1e308, 1e308, kAuto); // the span only fits a long double
    ASSERT_TRUE(widest);
    EXPECT_TRUE(std::isfinite(widest->step));
    EXPECT_EQ(widest->count, 11);
}

TEST(Extend, MovesFirstTickDownAndUpperEndUp) {
    const auto base = ComputeTicks(0.0, 1.0, kAuto);
    ASSERT_TRUE(base);
    const TickScale wider = Extend(*base, 1, 2);
    EXPECT_NEAR(wider.firstTick, -0.1, 1e-15);
    EXPECT_NEAR(wider.min, -0.1, 1e-15);
    EXPECT_NEAR(wider.max, 1.2, 1e-15);
    EXPECT_EQ(wider.count, 14);
}

struct LabelCase {
    long double value;
    double step;
    int decimals;
    const char* expected;
};

TEST(TickLabel, Texts) {
    const LabelCase cases[] = {
        {1.0L, 0.1, 1, "1"},
        {0.5L, 0.1, 1, "0.5"},
        {0.1L + 0.2L, 0.1, 1, "0.3"},
        {1e-17L, 0.1, 1, "0"},  // zero with noise reads as zero
        {-1e-17L, 0.1, 1, "0"}, // and carries no sign
        {1e-17L, 0.01, 2, "0.00"},
        {0.0L, 0.02, 2, "0.00"},
        {0.1L, 0.02, 2, "0.10"}, // only a final ".0" goes
        {2.0L, 0.5, 2, "2.00"},
        {-2.5L, 0.5, 1, "-2.5"},
        {-0.001L, 0.05, 2, "0.00"},
        {12345.678L, 100, 0, "12346"},
        {-10.0L, 1, 1, "-10"},
        {3e-7L, 1e-7, 8, "0.00000030"},
        {1e20L, 1e19, 0, "100000000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tickLabel(c.value, c.step, c.decimals), c.expected) << static_cast<double>(c.value);
}

TEST(RoundedToPlaces, OnlyWhenTheScaledValueFitsAnInt32) {
    EXPECT_DOUBLE_EQ(*roundedToPlaces(9.74321, 2), 9.74);
    EXPECT_DOUBLE_EQ(*roundedToPlaces(0.125, 2), 0.12); // halves to even
    EXPECT_DOUBLE_EQ(*roundedToPlaces(-3.14159, 3), -3.142);
    EXPECT_FALSE(roundedToPlaces(2147483.648, 3));
    EXPECT_FALSE(roundedToPlaces(-2147483648.0, 0));
    EXPECT_DOUBLE_EQ(viaDecimalText(123456789.123456, 2), 123456789.12);
}

TEST(LogTicks, OneToThousand) {
    const auto ticks = logTicks(0.0, 3.0);
    ASSERT_EQ(ticks.size(), 31u);
    EXPECT_EQ(majorLabels(ticks), (std::vector<std::string>{"10^0", "10^1", "10^2", "10^3"}));
    const double firstDecade[] = {1, 1.9, 2.8, 3.7, 4.6, 5.5, 6.4, 7.3, 8.2, 9.1};
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(ticks[i].value, firstDecade[i], 1e-12) << i;
    EXPECT_NEAR(ticks[11].value, 19.0, 1e-12);
    EXPECT_NEAR(ticks[21].value, 190.0, 1e-10);
    EXPECT_NEAR(ticks[30].value, 1000.0, 1e-9);
}

TEST(LogTicks, PartialDecadesKeepOnlyTicksInsideTheRange) {
    const auto ticks = logTicks(0.5, 2.5); // 3.16 .. 316
    ASSERT_FALSE(ticks.empty());
    EXPECT_NEAR(ticks.front().value, 3.7, 1e-12);
    EXPECT_NEAR(ticks.back().value, 280.0, 1e-9);
    EXPECT_EQ(majorLabels(ticks), (std::vector<std::string>{"10^1", "10^2"}));
}

TEST(LogTicks, NegativeDecadesAndInvertedAxis) {
    EXPECT_EQ(majorLabels(logTicks(-2.0, 0.0)), (std::vector<std::string>{"10^-2", "10^-1", "10^0"}));
    const auto inverted = logTicks(3.0, 0.0);
    ASSERT_EQ(inverted.size(), 31u);
    EXPECT_NEAR(inverted.front().value, 1000.0, 1e-9);
    EXPECT_NEAR(inverted[1].value, 910.0, 1e-9); // the decade below sets the step
    EXPECT_EQ(majorLabels(inverted), (std::vector<std::string>{"10^3", "10^2", "10^1", "10^0"}));
}

TEST(LogTicks, ARangeInsideOneDecadeGetsValueTicks) {
    // Fewer than two decade ticks: linear nice ticks over the values, labelled with them.
    const auto within = logTicks(std::log10(200.0), std::log10(250.0));
    EXPECT_EQ(majorLabels(within), (std::vector<std::string>{"200", "210", "220", "230", "240", "250"}));
    EXPECT_EQ(within.size(), 26u);                                                    // minor ticks every 2
    EXPECT_EQ(majorLabels(logTicks(0.2, 0.6)), (std::vector<std::string>{"2", "3"})); // 1.58 .. 3.98
    EXPECT_EQ(majorLabels(logTicks(-1.6, -1.4)),
              (std::vector<std::string>{"0.030", "0.035"}));                            // 0.025 .. 0.040
    EXPECT_EQ(majorLabels(logTicks(0.7, 1.2)), (std::vector<std::string>{"10", "15"})); // one decade tick
    EXPECT_EQ(majorLabels(logTicks(-300, -299.9)).front(), "1.0×10^-300");              // 1E-300 .. 1.26E-300
}

TEST(LogTicks, HundredsOfDecadesKeepRoundDecadesAndFewTicks) {
    // 1E-300 to 1E300 with room for 150 ticks: a tick every 5 decades, majors every 20.
    const auto ticks = logTicks(-300, 300, 150);
    EXPECT_LE(ticks.size(), 150u);
    EXPECT_EQ(ticks.size(), 121u);
    for (const Tick& t : ticks) {
        const double decade = std::round(std::log10(t.value));
        EXPECT_NEAR(std::log10(t.value), decade, 1e-9);
        EXPECT_EQ(std::fmod(decade, 5), 0) << decade;
        EXPECT_EQ(t.major, std::fmod(decade, 20) == 0) << decade;
        if (t.major) {
            EXPECT_EQ(t.order * 20, decade);
        }
    }
    EXPECT_EQ(majorLabels(ticks).front(), "10^-300");
    // With room enough, ten ticks a decade as always.
    EXPECT_EQ(logTicks(0, 3, 150).size(), 31u);
}

TEST(LogTicks, AbsurdRangesGiveNoTicksInsteadOfHanging) {
    EXPECT_TRUE(logTicks(0.0, 1e9).empty());
    EXPECT_LE(logTicks(-1e4, 1e4, 100).size(), 100u);
    EXPECT_TRUE(logTicks(400, 500).empty()); // beyond the largest double
    EXPECT_TRUE(logTicks(std::nan(""), 1.0).empty());
    EXPECT_EQ(logTicks(-10.0, -10.0).size(), 1u);
}

} // namespace
} // namespace brelt::chart

namespace brelt::chart {
namespace {

struct FormCase {
    double min, max;
    std::vector<std::string> labels;
};

TEST(TickLabelForm, LongFixedLabelsTurnScientificAllTogether) {
    const FormCase cases[] = {
        {1e-300, 2e-300, {"1.0×10^-300", "1.5×10^-300", "2.0×10^-300"}},
        {-1e300, 1e300, {"-1×10^300", "0", "1×10^300"}},
        {0, 1e-8, {"0", "5×10^-9", "1×10^-8"}}, // "0.000000005" is 11 characters
        {0, 2e-9, {"0", "1×10^-9", "2×10^-9"}},
        {1e15, 1.0004e15, {"1.0000×10^15", "1.0001×10^15", "1.0002×10^15", "1.0003×10^15", "1.0004×10^15"}},
        {-3e-7, 3e-7, {"-2×10^-7", "0", "2×10^-7"}},        // "-0.00000020"
        {0, 1e-6, {"0.0000000", "0.0000005", "0.0000010"}}, // nine characters stay fixed
    };
    for (const auto& c : cases) {
        TNiceNumbers nice;
        const auto scale = ComputeTicks(c.min, c.max, kFixed, nice);
        ASSERT_TRUE(scale) << c.min;
        EXPECT_EQ(majorLabels(linearTicks(*scale)), c.labels) << c.min << ".." << c.max;
    }
}

} // namespace
} // namespace brelt::chart
