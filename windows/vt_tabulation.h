#pragma once
// The surface and polar tabulations: a formula evaluated over a grid of X and Y (surface) or over
// a range of angles (polar) and written into a chart control's data grid, as the Graphics tab
// and the command line ask for it.
//
// Common to both: the formula is the typed text (UTF-8, blanks allowed), made the engine's working
// expression; X (and Y) are written into their slots before each point, N points run in N - 1
// equal steps from the first value to exactly the last, and nothing cached by a procedure for one
// point is reused for the next. A point where the formula fails becomes a null cell (a gap) and
// is counted; the chart is never given a made-up value. `pump` is called after the first point and then about
// every 25 ms with the progress in percent, to let pending events run; when the engine's break flag is set
// afterwards (the Stop button), or a point ends in "User break", the tabulation stops and leaves
// the chart as it was before. The break flag is cleared at the start.
#include "chart/vtchart/vt_chart_model.h"
#include "engine/real.h"

#include <QString>

#include <functional>
#include <string>

namespace brelt::engine {
class Engine;
}

namespace brelt::chart {
class TVtChart;
}

namespace brelt::windows {

struct TabulationOutcome {
    int points = 0;       // points evaluated
    int failed = 0;       // of them, points where the formula failed (null cells)
    bool stopped = false; // the user broke off; the chart is unchanged
    QString firstFailure; // the first failed point's result line ("Division by zero: position 3")
    QString refusal;      // set when the request was refused before any point (too many points)
    bool drawn() const { return refusal.isEmpty() && !stopped && failed < points; }
    // The status bar's text: how many points, and how many of them failed.
    QString statusText() const;
};

using TabulationPump = std::function<void(int percent)>;

// The largest surface grid, rows x columns.
inline constexpr long long kMaxSurfacePoints = 1'000'000;

struct SurfaceRequest {
    std::string formula; // as typed
    engine::Real xFrom = -10, xTo = 10;
    int xSteps = 40; // rows, 2 or more
    engine::Real yFrom = -10, yTo = 10;
    int ySteps = 40;   // columns, 2 or more
    QString title;     // the chart title (the Graphics tab's legend field)
    QString xName;     // axis 0
    QString valueName; // axes 1 and 2 (the Graphics tab's title field)
    QString yName;     // axis 3
};

// Replaces the chart's grid by the surface: RowCount := xSteps, ColumnCount := ySteps, each row
// labelled with its X and each column with its Y (7 digits, the engine's notation, decimal), every
// cell written through Data. A grid of more than kMaxSurfacePoints is refused. When every point
// fails the chart is left as it was (drawn() is false).
TabulationOutcome tabulateSurface(chart::TVtChartModel& chart, engine::Engine& engine,
                                  const SurfaceRequest& request, const TabulationPump& pump = {});

struct PolarRequest {
    std::string formula;                       // as typed
    engine::Real angleFrom = 0, angleTo = 360; // degrees
    int steps = 360;                           // points, 2 or more
    QString legend;                            // the curve's label
    QString xName;                             // axis 0
    QString yName;                             // axis 1
};

// Adds one curve: two more columns (angle in degrees, then the value of the formula with X the
// angle in radians), labelled with the legend, drawn with a pen of width 1. The formula is
// evaluated in radians whatever the engine's angle unit, since X is an angle in radians. RowCount
// grows to the number of points when it is smaller and never shrinks, so earlier curves keep all
// their points. When every point fails the columns are not added (drawn() is false).
TabulationOutcome tabulatePolar(chart::TVtChartModel& chart, engine::Engine& engine,
                                const PolarRequest& request, const TabulationPump& pump = {});

// The same for the windows' control; it repaints once at the end.
TabulationOutcome tabulateSurface(chart::TVtChart& chart, engine::Engine& engine,
                                  const SurfaceRequest& request, const TabulationPump& pump = {});
TabulationOutcome tabulatePolar(chart::TVtChart& chart, engine::Engine& engine, const PolarRequest& request,
                                const TabulationPump& pump = {});

// A label of the surface's rows and columns: the value in 7 digits under the engine's notation,
// always decimal.
QString gridLabel(const engine::Engine& engine, engine::Real value);

} // namespace brelt::windows
