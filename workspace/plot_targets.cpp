#include "workspace/plot_targets.h"

#include "chart/data/color.h"
#include "chart/view/ui_services.h"
#include "windows/contour_plot.h"
#include "windows/tfm_polar.h"
#include "windows/tfm_surface.h"

#include <algorithm>

namespace brelt::workspace {

namespace {

void showWindow(QWidget& window) {
    window.show();
    window.raise();
}

} // namespace

PlotTargets plotTargetsFor(windows::TfmPlot2D* plot2D, windows::TfmContourPlot* contour,
                           windows::TfmSurface* surface, windows::TfmPolar* polar) {
    PlotTargets targets;
    targets.plot2D = plot2D;
    if (contour) {
        targets.contour = [contour](const ContourRequest& r) { showContourRequest(*contour, r); };
        targets.contourWindow = contour;
    }
    if (surface) {
        targets.surface = [surface](const SurfaceTable& t) { showSurfaceTable(*surface, t); };
        targets.surfaceWindow = surface;
    }
    if (polar) targets.polar = [polar](const PolarCurve& c) { showPolarCurve(*polar, c); };
    return targets;
}

void showContourRequest(windows::TfmContourPlot& window, const ContourRequest& request) {
    if (!request.x || !request.y || !request.z) return;
    windows::ContourPlotData data;
    data.shading = request.shading;
    data.levels = request.levels;
    data.name = request.name;
    data.title = request.title;
    data.xName = request.xAxis;
    data.yName = request.yAxis;
    data.exaggeration = static_cast<double>(request.exaggeration);
    data.x = request.x;
    data.y = request.y;
    data.z = request.z;
    window.showContour(data);
}

void showSurfaceTable(windows::TfmSurface& window, const SurfaceTable& table) {
    chart::TVtChart& c = window.Chart();
    chart::TVtDataGrid& grid = c.DataGrid();
    grid.SetSize(table.rows, table.columns);
    for (int r = 1; r <= table.rows; ++r) {
        grid.setRowLabel(r, table.rowLabels.value(r - 1));
        for (int j = 1; j <= table.columns; ++j) {
            const size_t at = static_cast<size_t>(r - 1) * static_cast<size_t>(table.columns) + (j - 1);
            const std::optional<double> v = at < table.values.size() ? table.values[at] : std::nullopt;
            grid.SetData(r, j, v.value_or(0.0), !v);
        }
    }
    for (int j = 1; j <= table.columns; ++j)
        grid.setColumnLabel(j, table.columnLabels.value(j - 1));
    grid.SetRow(1);
    grid.SetColumn(1);
    chart::TVtPlot& plot = c.GetPlot();
    plot.Axis(0).title = table.xAxis;
    plot.Axis(1).title = table.valueAxis;
    plot.Axis(2).title = table.valueAxis;
    plot.Axis(3).title = table.yAxis;
    c.SetTitleText(table.title); // repaints
    showWindow(window);
}

bool showPolarCurve(windows::TfmPolar& window, const PolarCurve& curve) {
    chart::TVtChart& c = window.Chart();
    chart::TVtDataGrid& grid = c.DataGrid();
    const int n = static_cast<int>(curve.angles.size());
    // Earlier curves keep all their points: the rows grow to the new curve, never shrink.
    const int rows = std::max(grid.RowCount(), n);
    const int columns = grid.ColumnCount() + 2;
    if (rows > chart::TVtDataGrid::kMaxCount || columns > chart::TVtDataGrid::kMaxCount ||
        static_cast<long long>(rows) * columns > chart::TVtDataGrid::kMaxCells) {
        chart::uiServices().message(
            &window, QStringLiteral("Brelt"),
            QStringLiteral("The polar chart holds too many points to take another curve"),
            chart::MessageKind::Error);
        return false;
    }
    grid.SetSize(rows, columns);
    for (int d = 1; d <= n; ++d) {
        grid.SetData(d, columns - 1, curve.angles[static_cast<size_t>(d - 1)], false);
        const std::optional<double> v = static_cast<size_t>(d - 1) < curve.values.size()
                                            ? curve.values[static_cast<size_t>(d - 1)]
                                            : std::nullopt;
        grid.SetData(d, columns, v.value_or(0.0), !v);
    }
    grid.SetColumn(columns - 1);
    grid.SetColumnLabel(curve.legend);
    chart::TVtPlot& plot = c.GetPlot();
    const int series = columns / 2 - 1;
    chart::VtSeriesPen pen = plot.SeriesPen(series);
    if (curve.color) pen.color = chart::fromQColor(*curve.color);
    pen.width = 1.0;
    plot.SetSeriesPen(series, pen);
    plot.Axis(0).title = curve.xAxis;
    plot.Axis(1).title = curve.yAxis;
    c.Refresh();
    showWindow(window);
    return true;
}

} // namespace brelt::workspace
