#pragma once
// Tabulating a formula into a new series of a chart, as the Graphics tab does for f(X): X written
// into its slot, N points in N - 1 equal steps from A, the last point exactly B; the series named
// "f(" + formula + ")", in the chart's free colour with its free marker, a marker every N div 20
// points, and a line in the legend. A failing point adds nothing to the chart.
#include "engine/real.h"

#include <string>

namespace brelt::engine {
class Engine;
}

namespace brelt::chart {
class TGraph;
}

namespace brelt::app {

struct TabulationResult {
    bool ok = false;
    // On failure: the result line, the message followed by ": position " and the position in
    // the typed formula (or the reason a value cannot be drawn).
    std::string resultText;
};

TabulationResult tabulateIntoChart(chart::TGraph& graph, engine::Engine& engine, const std::string& formula,
                                   engine::Real from, engine::Real to, int steps);

} // namespace brelt::app
