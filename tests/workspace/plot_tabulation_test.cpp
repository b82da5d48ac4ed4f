// Tabulating for the plots without a window: the points of each kind of table, the failures as
// the result line shows them, and the engine left as it was found.
#include "engine/engine.h"
#include "workspace/plot_tabulation.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace brelt;
using workspace::PlotAxis;
using workspace::PlotTabulator;
using workspace::TabulationFailure;

namespace {

TEST(PlotTabulation, FormulasThatCannotBeTabulated) {
    engine::Engine engine;
    PlotTabulator tabulator(engine);
    TabulationFailure failure;
    EXPECT_FALSE(tabulator.setFormula(QStringLiteral("   "), failure));
    EXPECT_EQ(failure.code, -1); // nothing to plot, nothing to report
    EXPECT_FALSE(tabulator.setFormula(QStringLiteral("sin( X"), failure));
    EXPECT_EQ(failure.resultText, QStringLiteral("Missing \")\": position 6"));
    EXPECT_EQ(failure.start, 5);

    ASSERT_TRUE(tabulator.setFormula(QStringLiteral("1 / (X - 1)"), failure));
    int points = 0;
    EXPECT_FALSE(tabulator.tabulateCurve(
        {-1, 1, 3}, [&](double, double) { ++points; }, failure));
    EXPECT_EQ(points, 2); // -1 and 0; the third point divides by zero
    EXPECT_EQ(failure.resultText, QStringLiteral("Division by zero: position 5")); // as Return shows it
    EXPECT_FALSE(failure.userBreak());

    ASSERT_TRUE(tabulator.setFormula(QStringLiteral("exp(X)"), failure));
    EXPECT_FALSE(tabulator.tabulateCurve(
        {0, 5000, 2}, [](double, double) {}, failure));
    EXPECT_EQ(failure.resultText, QStringLiteral("Overflow: position 7")); // beyond what a chart holds
}

TEST(PlotTabulation, TablesKeepEveryPointThatHasAValue) {
    engine::Engine engine;
    engine.IntegrationPrecision = 12;
    PlotTabulator tabulator(engine);
    TabulationFailure failure;
    ASSERT_TRUE(tabulator.setFormula(QStringLiteral("ln(X) + Y"), failure));
    std::vector<std::optional<double>> values;
    ASSERT_TRUE(tabulator.tabulateTable({-1, 1, 3}, {0, 10, 2}, values, failure));
    ASSERT_EQ(values.size(), 6u);
    EXPECT_FALSE(values[0].has_value()); // ln(-1)
    EXPECT_FALSE(values[3].has_value()); // ln(0)
    EXPECT_EQ(values[4], 0.0);
    EXPECT_EQ(values[5], 10.0);

    ASSERT_TRUE(tabulator.setFormula(QStringLiteral("X"), failure));
    ASSERT_TRUE(tabulator.tabulatePolar({0, 180, 3}, values, failure));
    EXPECT_EQ(values[2], static_cast<double>(std::numbers::pi_v<long double>)); // X in radians

    ASSERT_TRUE(tabulator.setFormula(QStringLiteral("ln(X-5)"), failure));
    EXPECT_FALSE(tabulator.tabulatePolar({0, 90, 4}, values, failure));
    EXPECT_EQ(failure.resultText, QStringLiteral("Argument Negative: position 1"));

    chart::TVector xs;
    chart::TVector ys;
    chart::TMatrix z;
    ASSERT_TRUE(tabulator.setFormula(QStringLiteral("X*Y"), failure));
    ASSERT_TRUE(tabulator.tabulateGrid({1, 2, 2}, {10, 30, 3}, xs, ys, z, failure));
    EXPECT_EQ(z.get(2, 3), 60.0);
    EXPECT_EQ(z.Max, 60.0);
    EXPECT_EQ(ys.get(2), 20.0);
    // The engine is left as it was found, with X and Y at the last point.
    EXPECT_EQ(engine.IntegrationPrecision, 12);
    EXPECT_TRUE(engine.RecordUsed);
    EXPECT_FALSE(engine.ErrorFlag);
    EXPECT_EQ(engine.slot(engine::kSlotX).value, 2.0L);
    EXPECT_EQ(engine.slot(2).value, 30.0L);
}

} // namespace
