#include "windows/plot2d.h"

#include "chart/data/series.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace brelt::windows {

namespace {

// The chart as the 2D window shows it until its saved settings say otherwise.
void setUpChart(chart::TPlot& c) {
    using namespace chart;
    c.SetColor(clWhite);
    c.SetBackColor(clBtnFace);
    for (TPlotAxis* axis : {&c.XAxis(), &c.YAxis()}) {
        axis->SetColor(clBlack);
        axis->SetFont(TChartFont{});
        axis->SetNameFont(TChartFont{});
        axis->Ticks().SetMinorLength(3);
    }
    c.XAxis().Ticks().SetMajorLength(8);
    c.YAxis().Ticks().SetMajorLength(1);
    TChartFont titleFont;
    titleFont.bold = true;
    c.Title().Font() = titleFont;
    c.Title().SetAlignment(TAlignment::taCenter);
    c.Foot().SetVisible(false);
    c.Gradient().Style = TGradientStyle::gsTopBottom;
    c.Zoom().SetChangePerStep(0.033333);
    c.Info().SetColor(10940137);
    c.Legend().SetFrameStyle(0); // solid
    c.SetStatusBarVisible(true);
    c.Frame().Color = clPlotAreaColor;
    c.PropertiesControl() = TPlotProperties{};
}

} // namespace

TfmPlot2D::TfmPlot2D(SettingsOpener settings, QWidget* parent)
    : TPlotWindow(QStringLiteral("fmPlot2D"), QStringLiteral("2D - Plot"), std::move(settings), parent) {
    setUpChart(Chart());
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
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("miExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* zoom = bar->addMenu(QStringLiteral("&Zoom"));
    zoom->setObjectName(QStringLiteral("Zoom1"));
    for (const char* name : {"sbZoomIn", "sbZoomAnime", "sbZoomPrev", "sbZoomOut"})
        zoom->addAction(command(QLatin1String(name)));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("View1"));
    for (const char* name : {"sbLegend", "sbVertGrid", "sbHorizGrid", "sb3D"})
        view->addAction(command(QLatin1String(name)));

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
