#pragma once
// What the Graphics tab hands to the plot windows once a formula is tabulated, and the windows it
// works with. The 2D window takes its series directly; the contour, surface and polar windows are
// reached through functions the program connects (PlotTargets), each called after the grid or the
// points are tabulated. A plot type whose function is unset reports that it is not available.
#include "chart/data/grid.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace brelt::windows {
class TfmPlot2D;
}

namespace brelt::workspace {

// Plot types: the items of `rgPlot`, in order.
enum PlotType : int { kPlotFx = 0, kPlotContour = 1, kPlotShading = 2, kPlotSurface = 3, kPlotPolar = 4 };

// A contour map or a colour-shaded map of f(X,Y) (types 1 and 2). The grid belongs to the Graphics
// tab and stays valid until the next f(X,Y) request; the contour layer copies what it keeps.
struct ContourRequest {
    bool shading = false;
    int levels = 10;                   // contour mode: the number in `edNumCont`, 10 when it is none
    QString name;                      // the formula as typed, at most 255 characters
    QString title;                     // `edTitle`
    QString xAxis;                     // `edX`
    QString yAxis;                     // `edY`
    long double exaggeration = 0;      // `edExaggerate`, 0 when it is no number
    const chart::TVector* x = nullptr; // the N abscissae
    const chart::TVector* y = nullptr; // the M ordinates
    const chart::TMatrix* z = nullptr; // N x M values
};

// A surface (type 3): N rows (X) by M columns (Y) of values, row after row.
struct SurfaceTable {
    QString title;            // `edLegend`: the chart's title
    QString xAxis;            // `edX`: axis 0
    QString valueAxis;        // `edTitle`: axes 1 and 2
    QString yAxis;            // `edY`: axis 3
    QStringList rowLabels;    // X with 7 digits
    QStringList columnLabels; // Y with 7 digits
    int rows = 0;
    int columns = 0;
    std::vector<std::optional<double>>
        values; // values[(row - 1) * columns + column - 1]; none where the formula fails
};

// A polar curve (type 4): one more pair of columns, angles in degrees and values.
struct PolarCurve {
    QString legend; // `edLegend`: the new column's label
    QString xAxis;  // `edX`: axis 0
    QString yAxis;  // `edY`: axis 1
    std::vector<double> angles;
    std::vector<std::optional<double>> values; // none where the formula fails
    std::optional<QColor> color;               // the colour chosen with "Color", if any
};

struct PlotTargets {
    windows::TfmPlot2D* plot2D = nullptr; // f(X)
    std::function<void(const ContourRequest&)> contour;
    std::function<void(const SurfaceTable&)> surface;
    std::function<void(const PolarCurve&)> polar;
    // Shown again from the "Show plots" menu; the 2D window is plot2D.
    QWidget* contourWindow = nullptr;
    QWidget* surfaceWindow = nullptr;
};

} // namespace brelt::workspace
