#include "chart/scale/zoom_stack.h"

#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

void expectRecord(const ZoomRecord& got, const ZoomRecord& want, double tol = 1e-12) {
    EXPECT_NEAR(got.xLeft, want.xLeft, tol);
    EXPECT_NEAR(got.yBottom, want.yBottom, tol);
    EXPECT_NEAR(got.xRight, want.xRight, tol);
    EXPECT_NEAR(got.yTop, want.yTop, tol);
}

TEST(ZoomStack, LastInFirstOutAndHomeIsTheFirstPush) {
    ZoomStack stack;
    EXPECT_FALSE(stack.pop());
    EXPECT_FALSE(stack.home());
    const ZoomRecord a{0, 0, 10, 10}, b{1, 1, 9, 9}, c{2, 2, 8, 8};
    stack.push(a);
    stack.push(b);
    stack.push(c);
    EXPECT_EQ(stack.size(), 3u);
    EXPECT_EQ(*stack.home(), a);
    EXPECT_EQ(*stack.pop(), c);
    EXPECT_EQ(*stack.pop(), b);
    EXPECT_EQ(*stack.pop(), a);
    EXPECT_TRUE(stack.empty());
    stack.push(c); // a new zoom after walking back makes a new home
    EXPECT_EQ(*stack.home(), c);
}

struct AnimatedCase {
    ZoomRecord start;
    double x, y;
    TZoomStyle style;
    ZoomRecord afterOneStep;
};

TEST(AnimatedZoom, StepsTowardsOrAwayFromThePoint) {
    const double k = 0.1;
    const AnimatedCase cases[] = {
        // centre of the unit square: each end moves 0.1 * 1 * 0.5
        {{0, 0, 1, 1}, 0.5, 0.5, TZoomStyle::zsIn, {0.05, 0.05, 0.95, 0.95}},
        {{0, 0, 1, 1}, 0.5, 0.5, TZoomStyle::zsOut, {-0.05, -0.05, 1.05, 1.05}},
        // a corner point: the ends at the point stay, the far ends move the whole k
        {{0, 0, 10, 20}, 0, 20, TZoomStyle::zsIn, {0, 2, 9, 20}},
        // an inverted X axis (left holds the larger value)
        {{10, 0, 0, 1}, 2.5, 0.5, TZoomStyle::zsIn, {9.25, 0.05, 0.25, 0.95}},
    };
    for (const auto& c : cases) {
        const auto path = animatedZoomPath(c.start, c.x, c.y, c.style, 1, k);
        ASSERT_EQ(path.size(), 1u);
        expectRecord(path[0], c.afterOneStep);
    }
}

TEST(AnimatedZoom, FactorsAreFixedAtTheClick) {
    // Three steps of 1/30 towards (2, 3) from 0..10 x 0..10: each step keeps the click's shares.
    const auto path = animatedZoomPath({0, 0, 10, 10}, 2, 3, TZoomStyle::zsIn, 3, 0.033333);
    ASSERT_EQ(path.size(), 3u);
    ZoomRecord now{0, 0, 10, 10};
    for (const auto& step : path) {
        const double w = now.xRight - now.xLeft;
        const double h = now.yTop - now.yBottom;
        expectRecord(step, {now.xLeft + 0.033333 * w * 0.2, now.yBottom + 0.033333 * h * 0.3,
                            now.xRight - 0.033333 * w * 0.8, now.yTop - 0.033333 * h * 0.7});
        now = step;
    }
}

TEST(AnimatedZoom, ZeroRangeDoesNotDivideByZero) {
    const auto path = animatedZoomPath({5, 5, 5, 5}, 5, 5, TZoomStyle::zsIn, 2, 0.5);
    ASSERT_EQ(path.size(), 2u);
    expectRecord(path[1], {5, 5, 5, 5});
}

struct RectangleCase {
    ZoomRecord current;
    RectangleZoomInput input;
    std::optional<ZoomRecord> expected;
};

TEST(RectangleZoom, Table) {
    const RectangleCase cases[] = {
        {{0, 0, 10, 10}, {2, 8, 6, 3}, ZoomRecord{2, 3, 6, 8}},
        {{0, 0, 10, 10}, {6, 3, 2, 8}, ZoomRecord{2, 3, 6, 8}},
        // a logarithmic X axis: 10..100 becomes 1..2 in axis space
        {{0, 0, 3, 10}, {10, 1, 100, 5, true, false}, ZoomRecord{1, 1, 2, 5}},
        // values at or below zero floor at the smallest logarithm
        {{-12, -12, 3, 3}, {0, 1e-3, 10, 1, true, true}, ZoomRecord{-10, -3, 1, 0}},
        // an inverted axis stays inverted
        {{10, 0, 0, 10}, {2, 3, 6, 8}, ZoomRecord{6, 3, 2, 8}},
        {{0, 10, 10, 0}, {2, 3, 6, 8}, ZoomRecord{2, 8, 6, 3}},
        // a click or a sliver is no zoom
        {{0, 0, 10, 10}, {5, 5, 5, 5}, std::nullopt},
        {{0, 0, 10, 10}, {2, 3, 2.0005, 8}, std::nullopt},
        {{0, 0, 10, 10}, {2, 3, 6, 3.0009}, std::nullopt},
        {{0, 0, 10, 10}, {2, 3, 2.0011, 3.0011}, ZoomRecord{2, 3, 2.0011, 3.0011}},
    };
    for (const auto& c : cases) {
        const auto got = rectangleZoom(c.current, c.input);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.input.x0 << "," << c.input.y0;
        if (got) expectRecord(*got, *c.expected);
    }
}

} // namespace
} // namespace brelt::chart
