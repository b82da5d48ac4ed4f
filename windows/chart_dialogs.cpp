#include "windows/chart_dialogs.h"

#include "chart/io/dxf_writer.h"
#include "chart/io/text_file.h"
#include "chart/view/plot.h"
#include "chart/view/ui_services.h"
#include "windows/dialog_parts.h"
#include "windows/tfm_chart_properties.h"
#include "windows/tfm_exports.h"
#include "windows/tfm_graph_import.h"

namespace brelt::windows {

using namespace brelt::chart;

void exportChartData(TGraph& graph, QWidget* parent) {
    TfmExports dialog(graph, parent);
    dialog.exec();
}

bool importChartData(TGraph& graph, QWidget* parent) {
    TfmGraphImport dialog(graph, parent);
    if (!dialog.EditSeries(nullptr)) return false;
    graph.Redraw();
    return true;
}

bool editChartSeries(TGraph& graph, TSeries& series, QWidget* parent) {
    TfmGraphImport dialog(graph, parent);
    return dialog.EditSeries(&series);
}

void showChartProperties(TGraph& graph, QWidget* parent, const TPlotProperties* switches) {
    TfmChartProperties dialog(graph, parent, switches);
    dialog.exec();
}

bool exportChartDxf(TGraph& graph, QWidget* parent) {
    FileDialogRequest request;
    request.title = QStringLiteral("Save to file");
    request.filters = QStringLiteral("DXF files (*.DXF);;All files (*)");
    request.defaultSuffix = QStringLiteral("DXF");
    const QString name = uiServices().saveFile(parent, request).fileName;
    if (name.isEmpty()) return false;
    TDXF dxf;
    graph.DrawToDxf(dxf);
    if (!writeFileAtomically(name, dxf.dxfFile())) {
        uiServices().message(parent, kBoxTitle, QStringLiteral("Can not create file ") + name,
                             MessageKind::Error);
        return false;
    }
    return true;
}

void connectChartDialogs(TPlot& plot) {
    QObject::connect(&plot, &TPlot::propertiesRequested, &plot,
                     [&plot] { showChartProperties(plot.graph(), &plot, &plot.PropertiesControl()); });
    plot.graph().setSeriesEditor(
        [&plot](TSeries& series) { return editChartSeries(plot.graph(), series, &plot); });
}

} // namespace brelt::windows
