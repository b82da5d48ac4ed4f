#pragma once
// What every picture mode does at its end: a GUI application for fonts and painting (never a
// display), and the chart written to the file that --out names, in the format of its extension.
#include "app/cli/picture_options.h"

#include <QGuiApplication>

#include <memory>
#include <ostream>
#include <string>

namespace brelt::chart {
class TGraph;
class TVtChartModel;
} // namespace brelt::chart

namespace brelt::windows {
struct TabulationOutcome;
} // namespace brelt::windows

namespace brelt::app {

// Creates the offscreen GUI application when none exists yet (the caller keeps it alive for the
// mode's run); null when one exists already.
std::unique_ptr<QGuiApplication> ensureGuiApplication();

// Writes `graph` as options.out says, white around the plot, and prints it on a PDF page when
// options.page is given (the page settings and label blocks of the home's Brelt.INI); false, with
// "brelt: cannot write ..." on `err`, on failure.
bool writeChartPicture(chart::TGraph& graph, const PictureOptions& options, std::ostream& err);

// The same for a surface or polar chart.
bool writeVtChartPicture(const chart::TVtChartModel& chart, const PictureOptions& options, std::ostream& err);

// Reports a surface or polar tabulation on `err`; false when there is nothing to draw. `name` (a
// polar curve's legend; empty for the surface) starts the lines about it.
bool reportVtTabulation(const windows::TabulationOutcome& outcome, const std::string& name,
                        std::ostream& err);

} // namespace brelt::app
