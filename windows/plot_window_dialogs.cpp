#include "windows/plot_window_dialogs.h"

#include "chart/view/settings_store.h"
#include "windows/chart_dialogs.h"

#include <QAction>
#include <QMenu>

namespace brelt::windows {

void connectPlotWindowDialogs(TPlotWindow& window, const SettingsOpener& settings) {
    PlotWindowHooks hooks;
    hooks.print = [settings](chart::TPlot& c, QWidget*) {
        // The page settings go to the file when the store is let go, after the dialog.
        if (const std::shared_ptr<chart::SettingsStore> store = settings ? settings() : nullptr)
            c.Print(*store);
        else
            c.Print();
    };
    hooks.exportData = [](chart::TPlot& c, QWidget* parent) { exportChartData(c.graph(), parent); };
    hooks.importData = [](chart::TPlot& c, QWidget* parent) { return importChartData(c.graph(), parent); };
    hooks.properties = [](chart::TPlot& c, QWidget* parent) {
        showChartProperties(c.graph(), parent, &c.PropertiesControl());
    };
    window.setHooks(std::move(hooks));
    chart::TPlot& c = window.Chart();
    c.graph().setSeriesEditor(
        [&c](chart::TSeries& series) { return editChartSeries(c.graph(), series, &c); });
}

QAction* addDxfItem(TPlotWindow& window, QMenu& menu) {
    QAction* item = menu.addAction(QStringLiteral("Export as &DXF..."));
    item->setObjectName(QStringLiteral("miExportDxf"));
    QObject::connect(item, &QAction::triggered, &window,
                     [&window] { exportChartDxf(window.Chart().graph(), &window); });
    return item;
}

} // namespace brelt::windows
