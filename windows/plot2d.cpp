#include "windows/plot2d.h"

#include "chart/data/series.h"
#include "windows/plot_chart_setup.h"
#include "windows/plot_window_dialogs.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace brelt::windows {

TfmPlot2D::TfmPlot2D(SettingsOpener settings, QWidget* parent)
    : TPlotWindow(QStringLiteral("fmPlot2D"), QStringLiteral("2D - Plot"), std::move(settings), parent) {
    setUpPlotChart(Chart());
    buildMenus();
    FormCreate();
}

void TfmPlot2D::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->addAction(command(QStringLiteral("sbPrint")));
    file->addAction(command(QStringLiteral("sbSaveAs")));
    file->addAction(command(QStringLiteral("sbCopyToClipboard")));
    file->addSeparator();
    file->addAction(command(QStringLiteral("sbExport")));
    file->addAction(command(QStringLiteral("sbImport")));
    addDxfItem(*this, *file);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("miExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    addZoomAndViewMenus();

    bar->addAction(textTwin(command(QStringLiteral("sbProp")), QStringLiteral("Properties1")));
}

chart::TSeries& TfmPlot2D::addFunction(std::unique_ptr<chart::TSeries> series, const QString& title,
                                       const QString& xName, const QString& yName) {
    chart::TPlot& c = Chart();
    auto* added = static_cast<chart::TSeries*>(c.graph().AddLayer(std::move(series)));
    c.graph().addLineLegend(*added);
    c.YAxis().SetName(yName);
    c.XAxis().SetName(xName);
    c.Title().SetText(title);
    show();
    raise();
    c.Redraw();
    return *added;
}

} // namespace brelt::windows
