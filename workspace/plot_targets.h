#pragma once
// The Graphics tab's requests delivered to the program's plot windows: a contour or shade request
// to the contour window, a surface table to the surface window's chart control (which it replaces),
// a polar curve to the polar window's control (one more pair of columns). Each shows its window.
#include "workspace/plot_request.h"

namespace brelt::windows {
class TfmContourPlot;
class TfmPolar;
class TfmSurface;
} // namespace brelt::windows

namespace brelt::workspace {

// Targets for the four windows (any may be null: its plot type is then not available).
PlotTargets plotTargetsFor(windows::TfmPlot2D* plot2D, windows::TfmContourPlot* contour,
                           windows::TfmSurface* surface, windows::TfmPolar* polar);

void showContourRequest(windows::TfmContourPlot& window, const ContourRequest& request);
void showSurfaceTable(windows::TfmSurface& window, const SurfaceTable& table);
// False (the chart unchanged, an error box shown) when the control cannot take another curve.
bool showPolarCurve(windows::TfmPolar& window, const PolarCurve& curve);

} // namespace brelt::workspace
