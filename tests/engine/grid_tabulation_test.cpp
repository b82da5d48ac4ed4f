// Tabulating f(X,Y) over a grid: N and M points with the last exactly B and D, the values stored
// column by column, X and Y left in their slots, and the stop at a failing point or a break.
#include "engine/engine.h"
#include "engine/grid_tabulation.h"

#include <gtest/gtest.h>

using namespace brelt;

TEST(GridTabulation, StepsTheLastPointsExactlyAndColumnOrder) {
    engine::Engine engine;
    const engine::GridTabulation t = engine::tabulateGrid(engine, "X+10*Y", 0.1L, 0.7L, 7, -1, 1, 2);
    ASSERT_TRUE(t.ok);
    EXPECT_EQ(t.x.back(), 0.7);
    EXPECT_EQ(t.x[1], static_cast<double>(0.1L + 0.6L / 6));
    EXPECT_EQ(t.y, (std::vector<double>{-1, 1}));
    ASSERT_EQ(t.z.size(), 14u);
    EXPECT_EQ(t.z[0], static_cast<double>(0.1L - 10)); // (x1, y1)
    EXPECT_EQ(t.z[6], static_cast<double>(0.7L - 10)); // (x7, y1)
    EXPECT_EQ(t.z[7], static_cast<double>(0.1L + 10)); // (x1, y2)
    // X and Y keep the last values written.
    EXPECT_EQ(engine.slot(engine::kSlotX).value, 0.7L);
    EXPECT_EQ(engine.slot(engine::kSlotX + 1).value, 1.0L);
}

TEST(GridTabulation, StopsAtTheFailingPointOrOnABreak) {
    engine::Engine engine;
    engine::GridTabulation t = engine::tabulateGrid(engine, "1/(X-Y-1)", 0, 2, 3, 0, 1, 2);
    EXPECT_FALSE(t.ok);
    EXPECT_EQ(t.failedX, 1.0L);
    EXPECT_EQ(t.failedY, 0.0L);
    EXPECT_EQ(t.errorCode, engine::kDivisionByZero);
    long long seen = 0;
    t = engine::tabulateGrid(engine, "X", 0, 1, 4, 0, 1, 4, [&seen](long long done, long long total) {
        seen = done;
        EXPECT_EQ(total, 16);
        return done < 5;
    });
    EXPECT_FALSE(t.ok);
    EXPECT_EQ(seen, 5);
    EXPECT_EQ(t.errorCode, engine::kUserBreak);
}
