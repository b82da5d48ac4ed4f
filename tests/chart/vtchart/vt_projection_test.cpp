// The surface's view as geometry: known points to their pixels, distance from the eye, the light,
// the back-to-front order of the mesh for several views, and the axes' ticks.
#include "chart/vtchart/vt_draw_support.h"
#include "chart/vtchart/vt_projection.h"
#include "chart/vtchart/vt_surface_draw.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brelt::chart {
namespace {

constexpr double kTol = 1e-9;

struct PointCase {
    double rotation, elevation;
    Vec3 point;
    double x, y; // expected pixel in a 400 x 300 area without walls
};

class Projection : public ::testing::TestWithParam<PointCase> {};

TEST_P(Projection, KnownPointLandsOnItsPixel) {
    const PointCase& c = GetParam();
    const SurfaceProjection view(c.rotation, c.elevation, QRectF(0, 0, 400, 300), 0);
    const QPointF p = view.project(c.point);
    EXPECT_NEAR(p.x(), c.x, 1e-6);
    EXPECT_NEAR(p.y(), c.y, 1e-6);
}

// From the front at eye level the scale is 400 / (2 sqrt 2) = 141.421356 px a unit (the box fits
// across whatever its rotation), and the box's middle height 0.65 sits on the centre line. From
// above, turned by 90 degrees, the height 2 sqrt 2 decides: 106.066017 px a unit, y to the right
// and x downwards.
INSTANTIATE_TEST_SUITE_P(Views, Projection,
                         ::testing::Values(PointCase{0, 0, {1, 0, 0}, 341.421356237, 241.923881554},
                                           PointCase{0, 0, {0, 0, 1.3}, 200, 58.076118446},
                                           PointCase{0, 0, {0, 1, 0.65}, 200, 150}, // straight away: no move
                                           PointCase{90, 90, {0, 1, 0}, 306.066017178, 150},
                                           PointCase{90, 90, {1, 0, 0}, 200, 256.066017178},
                                           PointCase{90, 90, {0, 0, 1.3}, 200, 150}));

TEST(Projection, RotatingKeepsTheScale) {
    const double first = SurfaceProjection(0, 30, QRectF(0, 0, 500, 400), 12).scale();
    for (double r : {17.0, 45.0, 133.0, 271.0})
        EXPECT_NEAR(SurfaceProjection(r, 30, QRectF(0, 0, 500, 400), 12).scale(), first, kTol);
    EXPECT_GT(SurfaceProjection(0, 30, QRectF(0, 0, 500, 400), 12).wall(), 0);
}

TEST(Projection, FarSidesAndDepth) {
    const SurfaceProjection front(0, 30, QRectF(0, 0, 400, 300), 0);
    EXPECT_GT(front.depth({0, 1, 0}), front.depth({0, -1, 0})); // y runs away from the eye
    EXPECT_EQ(front.farY(), 1);
    const SurfaceProjection turned(180, 30, QRectF(0, 0, 400, 300), 0);
    EXPECT_EQ(turned.farY(), -1);
    EXPECT_EQ(SurfaceProjection(90, 30, QRectF(0, 0, 400, 300), 0).farX(), -1);
    EXPECT_EQ(SurfaceProjection(270, 30, QRectF(0, 0, 400, 300), 0).farX(), 1);
    const SurfaceProjection above(0, 90, QRectF(0, 0, 400, 300), 0);
    EXPECT_LT(above.depth({0, 0, 1}), above.depth({0, 0, 0})); // from above, higher is nearer
}

TEST(Projection, LightFromTheUpperLeftBothSidesAlike) {
    const SurfaceProjection view(0, 0, QRectF(0, 0, 400, 300), 0);
    const double left = view.brightness({-1, -1, 1});  // faces left, towards the eye, up
    const double right = view.brightness({1, -1, -1}); // faces right and down
    EXPECT_GT(left, right);
    EXPECT_LE(left, 1.0);
    EXPECT_DOUBLE_EQ(view.brightness({-1, -1, 1}), view.brightness({1, 1, -1})); // seen from behind
    EXPECT_DOUBLE_EQ(view.brightness({0, 0, 0}), SurfaceProjection::kAmbient);
}

struct OrderCase {
    double rotation, elevation;
    bool rowsAscending, columnsAscending;
};

class BackToFront : public ::testing::TestWithParam<OrderCase> {};

TEST_P(BackToFront, EveryCellComesAfterTheCellsBehindIt) {
    const OrderCase& c = GetParam();
    const CellTraversal order = cellTraversal(c.rotation);
    EXPECT_EQ(order.rowsAscending, c.rowsAscending);
    EXPECT_EQ(order.columnsAscending, c.columnsAscending);
    // Walk a 6 x 5 mesh in that order: the distance of the cells' floor centres from the eye never
    // grows along a row of the walk or from one row of the walk to the next.
    const SurfaceProjection view(c.rotation, c.elevation, QRectF(0, 0, 400, 300), 0);
    const int rows = 6, columns = 5;
    auto depth = [&](int r, int col) {
        return view.depth({-1 + (2.0 * r + 1) / (rows - 1), -1 + (2.0 * col + 1) / (columns - 1), 0});
    };
    double previousRowStart = 1e9;
    for (int ri = 0; ri < rows - 1; ++ri) {
        const int r = order.rowsAscending ? ri : rows - 2 - ri;
        double previous = 1e9;
        for (int ci = 0; ci < columns - 1; ++ci) {
            const int col = order.columnsAscending ? ci : columns - 2 - ci;
            EXPECT_LE(depth(r, col), previous + kTol) << "row " << r << " column " << col;
            previous = depth(r, col);
        }
        const int first = order.columnsAscending ? 0 : columns - 2;
        EXPECT_LE(depth(r, first), previousRowStart + kTol);
        previousRowStart = depth(r, first);
    }
}

INSTANTIATE_TEST_SUITE_P(Views, BackToFront,
                         ::testing::Values(OrderCase{30, 30, true, false}, OrderCase{120, 15, true, true},
                                           OrderCase{210, 60, false, true}, OrderCase{300, 45, false, false},
                                           OrderCase{0, 90, true, false}));

TEST(SurfaceAxes, NiceTicksAndLabelPositions) {
    const NiceAxis values = niceAxis(-0.99, 0.99, 6);
    EXPECT_EQ(values.min, -1);
    EXPECT_EQ(values.max, 1);
    QStringList labels;
    for (const AxisTick& tick : values.ticks)
        labels << tick.label;
    EXPECT_EQ(labels.join(QLatin1Char(' ')), QStringLiteral("-1 -0.5 0 0.5 1"));

    // Numeric labels: nice values between the first and the last, placed linearly.
    std::vector<QString> rows;
    for (int i = 0; i <= 6; ++i)
        rows.push_back(QString::number(i - 3));
    const std::vector<LabelTick> numeric = labelAxisTicks(rows, 6);
    ASSERT_EQ(numeric.size(), 3u);
    EXPECT_EQ(numeric[0].label, QStringLiteral("-2"));
    EXPECT_NEAR(numeric[0].position, 1.0 / 6, kTol);
    EXPECT_NEAR(numeric[2].position, 5.0 / 6, kTol);

    // Words: every k-th label; empty labels are numbered.
    const std::vector<LabelTick> words = labelAxisTicks({"a", "b", "c", "d", "e"}, 2);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[1].label, QStringLiteral("d"));
    EXPECT_NEAR(words[1].position, 0.75, kTol);
    EXPECT_EQ(labelAxisTicks({"", ""}, 4)[1].label, QStringLiteral("2"));
}

TEST(SurfaceMesh, LinesThinOutWhenTheyWouldCrowd) {
    EXPECT_EQ(meshLineStep(41, 400, 6), 1);  // 10 px apart
    EXPECT_EQ(meshLineStep(201, 400, 6), 3); // 2 px apart: every third
    EXPECT_EQ(meshLineStep(2, 0, 6), 1);
}

} // namespace
} // namespace brelt::chart
