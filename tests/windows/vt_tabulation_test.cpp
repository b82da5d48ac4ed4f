// The surface and polar tabulations with the real engine: rows and columns with their labels,
// cells through Data, failed points as gaps with their count, Stop leaving the chart as it was,
// curves accumulating two columns at a time, X in radians for the polar formula.
#include "chart/vtchart/vt_chart_model.h"
#include "engine/engine.h"
#include "windows/vt_tabulation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brelt::windows {
namespace {

class Tabulation : public ::testing::Test {
protected:
    SurfaceRequest surface(const std::string& formula, int xSteps = 3, int ySteps = 3) {
        SurfaceRequest r;
        r.formula = formula;
        r.xFrom = -1;
        r.xTo = 1;
        r.xSteps = xSteps;
        r.yFrom = 0;
        r.yTo = 2;
        r.ySteps = ySteps;
        r.title = QStringLiteral("f(") + QString::fromStdString(formula) + QLatin1Char(')');
        r.xName = QStringLiteral("X");
        r.valueName = QStringLiteral("Z");
        r.yName = QStringLiteral("Y");
        return r;
    }
    PolarRequest polar(const std::string& formula, int steps = 3) {
        PolarRequest r;
        r.formula = formula;
        r.angleFrom = 0;
        r.angleTo = 90;
        r.steps = steps;
        r.legend = QStringLiteral("f(") + QString::fromStdString(formula) + QLatin1Char(')');
        return r;
    }
    engine::Engine engine;
    chart::TVtChartModel chart;
    const chart::TVtDataGrid& grid() const { return chart.DataGrid(); }
};

TEST_F(Tabulation, SurfaceFillsRowsAndColumnsWithTheirLabels) {
    const TabulationOutcome outcome = tabulateSurface(chart, engine, surface("X + 10*Y", 3, 4));
    EXPECT_TRUE(outcome.drawn());
    EXPECT_EQ(outcome.points, 12);
    EXPECT_EQ(outcome.statusText(), QStringLiteral("12 points"));
    EXPECT_EQ(grid().RowCount(), 3);
    EXPECT_EQ(grid().ColumnCount(), 4);
    // Rows carry X, columns Y, in 7 digits of the scientific notation.
    EXPECT_EQ(grid().rowLabel(1), QStringLiteral("-1.0E+0"));
    EXPECT_EQ(grid().rowLabel(2), QStringLiteral("0.0E+0"));
    EXPECT_EQ(grid().rowLabel(3), QStringLiteral("1.0E+0"));
    EXPECT_EQ(grid().columnLabel(2), QStringLiteral("6.67E-1"));
    EXPECT_EQ(grid().columnLabel(4), QStringLiteral("2.0E+0"));
    EXPECT_EQ(grid().value(1, 1), -1.0);
    EXPECT_EQ(grid().value(3, 4), 21.0); // the last point is exactly the end of both ranges
    EXPECT_DOUBLE_EQ(*grid().value(2, 2), 10.0 * 2 / 3);
    EXPECT_EQ(chart.TitleText(), QStringLiteral("f(X + 10*Y)"));
    EXPECT_EQ(chart.GetPlot().Axis(0).title, QStringLiteral("X"));
    EXPECT_EQ(chart.GetPlot().Axis(1).title, QStringLiteral("Z"));
    EXPECT_EQ(chart.GetPlot().Axis(2).title, QStringLiteral("Z"));
    EXPECT_EQ(chart.GetPlot().Axis(3).title, QStringLiteral("Y"));
    // X and Y keep the last values written.
    EXPECT_EQ(engine.slot(1).value, 1.0L);
    EXPECT_EQ(engine.slot(2).value, 2.0L);

    engine.Notation = 1; // labels follow the notation
    tabulateSurface(chart, engine, surface("X"));
    EXPECT_EQ(grid().rowLabel(1), QStringLiteral("-1.0"));
}

TEST_F(Tabulation, FailedPointsBecomeGapsAndAreCounted) {
    const TabulationOutcome outcome = tabulateSurface(chart, engine, surface("Y/X"));
    EXPECT_TRUE(outcome.drawn());
    EXPECT_EQ(outcome.failed, 3);
    EXPECT_EQ(outcome.firstFailure, QStringLiteral("Division by zero: position 3"));
    EXPECT_EQ(outcome.statusText(), QStringLiteral("3 of 9 points could not be calculated (Division by zero: "
                                                   "position 3) and are left as gaps"));
    for (int c = 1; c <= 3; ++c)
        EXPECT_TRUE(grid().isNull(2, c));
    EXPECT_EQ(grid().value(3, 3), 2.0);
    EXPECT_FALSE(engine.ErrorFlag);
}

TEST_F(Tabulation, NothingCalculatedStoppedOrTooLargeLeavesTheChartAsItWas) {
    tabulateSurface(chart, engine, surface("X"));
    const auto keep = grid().value(3, 3);

    TabulationOutcome outcome = tabulateSurface(chart, engine, surface("1/0"));
    EXPECT_FALSE(outcome.drawn());
    EXPECT_EQ(outcome.failed, 9);

    outcome = tabulateSurface(chart, engine, surface("sin (X"));
    EXPECT_FALSE(outcome.drawn());
    EXPECT_EQ(outcome.firstFailure, QStringLiteral("Missing \")\": position 6"));

    // Stop: the pump runs after the first point, and the Stop button sets the break flag.
    outcome =
        tabulateSurface(chart, engine, surface("X*Y", 50, 50), [this](int) { engine.BreakRequested = true; });
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.points, 1);
    EXPECT_EQ(outcome.statusText(), QStringLiteral("Stopped; the chart is unchanged"));

    // A variable nobody gives a value ends in "User break" like Stop.
    outcome = tabulateSurface(chart, engine, surface("X+Z"));
    EXPECT_TRUE(outcome.stopped);

    outcome = tabulateSurface(chart, engine, surface("X", 2000, 1000));
    EXPECT_EQ(outcome.refusal,
              QStringLiteral("A surface may have at most 1000000 points (X steps times Y steps)"));
    EXPECT_EQ(outcome.points, 0);

    EXPECT_EQ(grid().RowCount(), 3);
    EXPECT_EQ(grid().value(3, 3), keep);
}

TEST_F(Tabulation, TwoPolarRequestsLeaveFourColumns) {
    engine.AngleUnit = 1; // degrees: the polar formula still reads X in radians
    tabulatePolar(chart, engine, polar("sin(2*X)"));
    const TabulationOutcome outcome = tabulatePolar(chart, engine, polar("1+cos(X)"));
    EXPECT_TRUE(outcome.drawn());
    EXPECT_EQ(engine.AngleUnit, 1);
    EXPECT_EQ(grid().ColumnCount(), 4);
    EXPECT_EQ(grid().RowCount(), 3);
    EXPECT_EQ(grid().columnLabel(1), QStringLiteral("f(sin(2*X))"));
    EXPECT_EQ(grid().columnLabel(3), QStringLiteral("f(1+cos(X))"));
    EXPECT_EQ(grid().value(2, 1), 45.0); // angles in degrees
    EXPECT_EQ(grid().value(3, 3), 90.0);
    EXPECT_NEAR(*grid().value(2, 2), 1.0, 1e-15); // sin(2 * pi/4)
    EXPECT_NEAR(*grid().value(1, 4), 2.0, 1e-15);
    EXPECT_NEAR(*grid().value(3, 4), 1.0, 1e-15); // 1 + cos(pi/2)
    EXPECT_EQ(chart.GetPlot().SeriesPen(1).width, 1.0);
}

TEST_F(Tabulation, EarlierCurvesKeepAllTheirPoints) {
    tabulatePolar(chart, engine, polar("1", 5));
    tabulatePolar(chart, engine, polar("2", 3));
    EXPECT_EQ(grid().RowCount(), 5);
    EXPECT_EQ(grid().value(5, 2), 1.0);
    EXPECT_TRUE(grid().isNull(4, 4));
    EXPECT_TRUE(grid().isNull(4, 3));

    // Every point failing adds no curve; a stop takes the new columns away again.
    EXPECT_FALSE(tabulatePolar(chart, engine, polar("ln(0)")).drawn());
    EXPECT_TRUE(
        tabulatePolar(chart, engine, polar("X", 9), [this](int) { engine.BreakRequested = true; }).stopped);
    EXPECT_EQ(grid().ColumnCount(), 4);
    EXPECT_EQ(grid().RowCount(), 5);
}

} // namespace
} // namespace brelt::windows
