#include "chart/scale/nice_numbers.h"

#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

struct NiceNumCase {
    long double x;
    bool rounded;
    long double expected;
};

TEST(NiceNum, ThresholdsSitAHairAboveTheDigits) {
    const NiceNumCase cases[] = {
        {1.5L, true, 1},
        {1.50001L, true, 2},
        {1.6L, true, 2},
        {3.0L, true, 2},
        {3.0002L, true, 5},
        {7.0L, true, 5},
        {7.0002L, true, 10},
        {9.9L, true, 10},
        {1.0L, false, 1},
        {1.00009L, false, 1},
        {1.0002L, false, 2},
        {2.0L, false, 2},
        {2.0002L, false, 5},
        {5.0L, false, 5},
        {5.0001L, false, 5},
        {5.1L, false, 10},
        {9.4L, false, 10},
        {0.15L, true, 0.1L},
        {1000.0L, false, 1000},
        {0.001L, true, 0.001L},
        {12345.0L, true, 10000},
        {0.0042L, false, 0.005L},
        {1.0e-300L, true, 1.0e-300L},
    };
    TNiceNum nice;
    for (const auto& c : cases) {
        const long double got = nice.NiceNum(c.x, c.rounded);
        EXPECT_NEAR(static_cast<double>(got / c.expected), 1.0, 1e-15)
            << "x=" << static_cast<double>(c.x) << " rounded=" << c.rounded;
    }
}

TEST(NiceNum, NoPositiveSpanGivesTheMissingValue) {
    TNiceNum nice;
    for (long double x : {0.0L, -1.0L, -1e300L}) {
        EXPECT_EQ(nice.NiceNum(x, true), kNiceNoValue);
        EXPECT_EQ(nice.NiceNum(x, false), kNiceNoValue);
    }
}

struct BoundsCase {
    int tickCount;
    double a, b;
    double step, niceMin, niceMax;
};

TEST(NiceNumbers, BoundsAndStep) {
    const BoundsCase cases[] = {
        {10, 0.0, 1.0, 0.1, 0.0, 1.0},      {10, 0.3, 9.7, 1.0, 0.0, 10.0},
        {5, -3.7, 12.2, 5.0, -5.0, 15.0},   {5, 12.2, -3.7, 5.0, -5.0, 15.0},
        {11, 0.3, 1.1, 0.1, 0.3, 1.1},      {6, -2.5, -0.5, 0.5, -2.5, -0.5},
        {4, -25.0, -2.5, 20.0, -40.0, 0.0}, {3, 1e-9, 3e-9, 1e-9, 1e-9, 3e-9},
    };
    for (const auto& c : cases) {
        TNiceNumbers nice(c.tickCount, c.a, c.b);
        EXPECT_NEAR(nice.Step(), c.step, 1e-12 * c.step) << c.a << ".." << c.b;
        EXPECT_NEAR(nice.NiceMin(), c.niceMin, 1e-12 * c.step) << c.a << ".." << c.b;
        EXPECT_NEAR(nice.NiceMax(), c.niceMax, 1e-12 * c.step) << c.a << ".." << c.b;
    }
}

TEST(NiceNumbers, EqualEndsKeepThePreviousResults) {
    TNiceNumbers nice(5, -3.7, 12.2);
    nice.SetRange(4.0, 4.0);
    EXPECT_EQ(nice.Step(), 5.0);
    EXPECT_EQ(nice.NiceMin(), -5.0);
    EXPECT_EQ(nice.NiceMax(), 15.0);
}

TEST(NiceNumbers, TickCountAndRangeChangesRecompute) {
    TNiceNumbers nice(10, 0.0, 1.0);
    nice.SetTickCount(3);
    EXPECT_DOUBLE_EQ(nice.Step(), 0.5);
    nice.SetRange(0.0, 100.0);
    EXPECT_DOUBLE_EQ(nice.Step(), 50.0);
    EXPECT_DOUBLE_EQ(nice.NiceMax(), 100.0);
}

TEST(NiceNumbers, DegenerateInputDoesNotCrash) {
    TNiceNumbers nice(1, 0.0, 1.0); // a single tick has no interval: counted as two
    EXPECT_DOUBLE_EQ(nice.Step(), 1.0);
    nice.SetRange(5.0, 1.0); // reversed: meaningless but harmless
    EXPECT_EQ(nice.Min(), 5.0);
    nice.SetRange(0.0, std::numeric_limits<double>::infinity());
    nice.SetTickCount(0);
    SUCCEED();
}

TEST(NiceNumbers, SharedInstanceStartsAtTenTicksOverTheUnitRange) {
    // Read before any axis in this program used it: the tests here never touch the shared one.
    const TNiceNumbers& shared = sharedNiceNumbers();
    EXPECT_EQ(&shared, &sharedNiceNumbers());
    TNiceNumbers fresh;
    EXPECT_EQ(fresh.TickCount(), 10);
    EXPECT_DOUBLE_EQ(fresh.Step(), 0.1);
}

TEST(SnappedFloor, WholeQuotientsWithNoiseAndNegatives) {
    EXPECT_EQ(snappedFloor(0.3L / 0.1L), 3);
    EXPECT_EQ(snappedFloor(2.9999999999999996L), 3);
    EXPECT_EQ(snappedFloor(-2.5L), -3);
    EXPECT_EQ(snappedCeil(-2.5L), -2);
    EXPECT_EQ(snappedCeil(11.000000000000002L), 11);
    EXPECT_EQ(snappedFloor(2.99L), 2);
}

} // namespace
} // namespace brelt::chart
