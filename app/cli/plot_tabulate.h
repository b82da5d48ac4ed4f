#pragma once
// Tabulating a formula into a new series of a chart, as the Graphics tab does for f(X): X written
// into its slot, N points in N - 1 equal steps from A (equal ratios on a logarithmic X axis), the
// last point exactly B; the series named "f(" + formula + ")", in the chart's free colour with its
// free marker, a marker every N div 20 points, and a line in the legend. A failing point adds
// nothing to the chart, unless undefined points are to be skipped: then the curve breaks there.
#include "engine/real.h"

#include <string>

namespace brelt::engine {
class Engine;
}

namespace brelt::chart {
class TGraph;
}

namespace brelt::app {

struct TabulationOptions {
    bool logX = false;          // X in equal ratios (A and B above 0), for a logarithmic X axis
    bool skipUndefined = false; // points where the formula fails are left out, not a failure
};

struct TabulationResult {
    bool ok = false;
    // On failure (and for the first point left out): the result line, the message followed by
    // ": position " and the position in the typed formula (or the reason a value cannot be drawn).
    std::string resultText;
    engine::Real failedX = 0; // where the formula failed first
    int leftOut = 0;          // points left out as undefined
};

TabulationResult tabulateIntoChart(chart::TGraph& graph, engine::Engine& engine, const std::string& formula,
                                   engine::Real from, engine::Real to, int steps,
                                   const TabulationOptions& options = {});

// X as the command line's messages write it: up to 15 significant digits.
std::string xText(engine::Real x);

} // namespace brelt::app
