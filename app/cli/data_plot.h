#pragma once
// What the data options do to a chart: series read from ASCII files, fits added to every series,
// and the series written as a text table and as a DXF drawing. Messages go to `err`; each step
// returns false after a failure that ends the run.
#include "app/cli/data_options.h"

#include <ostream>
#include <utility>

namespace brelt::chart {
class TGraph;
}

namespace brelt::app {

// One series per --data file, in the chart's free colour. Up to 5000 points the points are drawn
// as markers; a longer series is drawn as a line. Lines that do not hold two numbers in the chosen
// columns are skipped and counted on `err`; a file without any point is an error.
bool addDataSeries(chart::TGraph& graph, const DataOptions& options, std::ostream& err);

// The X range of the chart's series (widened by 1 each way when it is a single value).
std::pair<long double, long double> seriesXRange(const chart::TGraph& graph);

// --fit, then --table and --dxf.
bool finishDataOutputs(chart::TGraph& graph, const DataOptions& options, std::ostream& err);

} // namespace brelt::app
