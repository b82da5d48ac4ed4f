#pragma once
// The chart of the 2D and contour plot windows as it looks until saved settings say otherwise:
// white plot area on the button face, black axes in "Arial" 8, a bold centred title, a top to
// bottom gradient, a slow zoom step, a solid legend frame and the status bar.
namespace brelt::chart {
class TPlot;
}

namespace brelt::windows {

void setUpPlotChart(chart::TPlot& c);

} // namespace brelt::windows
