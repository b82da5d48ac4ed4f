#pragma once
// The chart's dialogs as plain commands a plot window connects to its buttons and menus. Each takes
// the chart (its engine) and the widget to centre on; the chart repaints where a command changed it.
//
//   connectChartDialogs(window->Chart);          // the pop-up menu's Properties and "Edit data"
//   sbExport -> exportChartData(chart.graph(), this);
//   sbImport -> if (importChartData(chart.graph(), this)) chart.Redraw();
//   sbProp   -> showChartProperties(chart.graph(), this, &chart.PropertiesControl());
//   DXF      -> exportChartDxf(chart.graph(), this);
class QWidget;

namespace brelt::chart {
class TGraph;
class TPlot;
class TSeries;
struct TPlotProperties;
} // namespace brelt::chart

namespace brelt::windows {

// The export dialog "Export" on the chart's series.
void exportChartData(chart::TGraph& graph, QWidget* parent);
// The data editor for a new series; true when it was added to the chart.
bool importChartData(chart::TGraph& graph, QWidget* parent);
// The data editor for one of the chart's series; true when the user pressed OK.
bool editChartSeries(chart::TGraph& graph, chart::TSeries& series, QWidget* parent);
// The chart properties dialog; `switches` greys out the axes' logarithm and invert boxes.
void showChartProperties(chart::TGraph& graph, QWidget* parent,
                         const chart::TPlotProperties* switches = nullptr);
// Asks for a file and writes the chart's lines there as a DXF drawing; true when written.
bool exportChartDxf(chart::TGraph& graph, QWidget* parent);

// Wires a chart control to the dialogs: its Properties request (pop-up menu) opens the properties
// dialog, a series' "Edit data" opens the data editor.
void connectChartDialogs(chart::TPlot& plot);

} // namespace brelt::windows
