#include "windows/contour_plot.h"

#include "chart/view/axis.h"
#include "chart/view/color_legend.h"
#include "chart/view/series_legend.h"
#include "windows/plot_chart_setup.h"
#include "windows/plot_window_dialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>

namespace brelt::windows {

namespace {

using chart::ContourEditMode;

struct EditCommand {
    const char* button;
    const char* menuItem;
    const char* caption;
    const char* hint;
    const char* icon;
    ContourEditMode mode;
};

// The editing buttons, left to right after the shared ones; the menu lists them in its own order.
const EditCommand kEditCommands[] = {
    {"sbAddContours", "AddContour1", "&Add Contour(s)", "Add contour(s)", "add_contours",
     ContourEditMode::AddContour},
    {"sbDeleteContours", "DeleteContours1", "&Delete Contour(s)", "Delete contour(s)", "delete_contours",
     ContourEditMode::DeleteContour},
    {"sbAddLabels", "Movelabel1", "Label &position", "Add/Move label(s)", "add_labels",
     ContourEditMode::ShowLabel},
    {"sbDeleteLabels", "Labeloff1", "&Label off", "Delete label(s)", "delete_labels",
     ContourEditMode::HideLabel},
    {"sbBreakEdit", "Arrow1", "End edit", "Break edit", "break_edit", ContourEditMode::None},
};

const char* const kModeProperty = "breltEditMode";

} // namespace

TfmContourPlot::TfmContourPlot(SettingsOpener settings, QWidget* parent)
    : TPlotWindow(QStringLiteral("fmContourPlot"), QStringLiteral("Contour Plot"), std::move(settings),
                  parent) {
    resize(800, 600);
    setUpChart();
    buildEditCommands();
    buildMenus();
    Chart().graph().Legend().Style = chart::TLegendStyle::lsRight;
    FormCreate();
    applyMode();
}

void TfmContourPlot::setUpChart() {
    chart::TPlot& c = Chart();
    setUpPlotChart(c);
    c.YAxis().Ticks().SetMajorLength(8);
    chart::TChartFont titleFont;
    titleFont.size = 10;
    c.Title().Font() = titleFont;
    c.Title().SetStyle(chart::TTitleStyle::tsLowered);
    c.Title().SetText(QStringLiteral("fffff#"));
    c.Foot().SetVisible(true);
    c.setAfterDraw([this](chart::TGraph& graph) { drawGridsOver(graph); });
}

void TfmContourPlot::buildEditCommands() {
    m_editGroup = new QActionGroup(this);
    m_editGroup->setExclusive(true);
    for (const EditCommand& e : kEditCommands) {
        QAction* action = makeAction(QLatin1String(e.menuItem), QLatin1String(e.caption),
                                     QLatin1String(e.hint), QLatin1String(e.icon));
        action->setCheckable(true);
        action->setProperty(kModeProperty, static_cast<int>(e.mode));
        m_editGroup->addAction(action);
        const ContourEditMode mode = e.mode;
        connect(action, &QAction::triggered, this, [this, mode] { setEditMode(mode); });
        addToolButton(action, QLatin1String(e.button));
    }
    command(QStringLiteral("sbBreakEdit"))->setChecked(true);
}

void TfmContourPlot::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    for (const char* name : {"sbPrint", "sbSaveAs", "sbCopyToClipboard"})
        file->addAction(command(QLatin1String(name)));
    addDxfItem(*this, *file);
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("Close1"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    addZoomAndViewMenus();

    m_editMenu = bar->addMenu(QStringLiteral("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("Edit1"));
    m_editMenu->addAction(undoAction());
    m_editMenu->addSeparator();
    m_editMenu->addAction(command(QStringLiteral("sbAddContours")));
    m_editMenu->addAction(command(QStringLiteral("sbDeleteContours")));
    m_editMenu->addSeparator()->setObjectName(QStringLiteral("N5"));
    m_editMenu->addAction(command(QStringLiteral("sbAddLabels")));
    m_editMenu->addAction(command(QStringLiteral("sbDeleteLabels")));
    // Kept for its place in the menu; labels are switched one by one.
    QAction* allLabels = m_editMenu->addAction(QStringLiteral("All Labels on&/off"));
    allLabels->setObjectName(QStringLiteral("AllLabelsonoff1"));
    m_editMenu->addSeparator();
    m_editMenu->addAction(command(QStringLiteral("sbBreakEdit")));

    bar->addAction(textTwin(command(QStringLiteral("sbProp")), QStringLiteral("Properties1")));
}

chart::TContour* TfmContourPlot::Contour() const {
    auto& self = const_cast<TfmContourPlot&>(*this);
    return m_contour && self.Chart().graph().holdsLayer(m_contour) ? m_contour : nullptr;
}

chart::TContour& TfmContourPlot::showContour(const ContourPlotData& data) {
    chart::TPlot& c = Chart();
    chart::TGraph& graph = c.graph();
    c.SetExaggerate(data.exaggeration);
    c.YAxis().SetName(data.yName);
    c.XAxis().SetName(data.xName);
    c.Title().SetText(data.title);
    c.Clear();
    m_contour = nullptr;
    const int levels = data.shading ? 1 : std::max(1, data.levels);
    auto layer = std::make_unique<chart::TContour>(&graph, data.shading, levels, *data.z, *data.y, *data.x);
    layer->setName(data.name.left(255));
    m_contour = static_cast<chart::TContour*>(c.AddContour(std::move(layer)));
    m_shadeMode = data.shading;
    if (data.shading) {
        setWindowTitle(QStringLiteral("Color Shade f(x,y)"));
        // Nothing to edit on a shade: the mode ends with the buttons that set it.
        command(QStringLiteral("sbBreakEdit"))->setChecked(true);
        m_editMode = ContourEditMode::None;
    } else {
        setWindowTitle(QStringLiteral("Contour Plot f(x,y)"));
        c.Legend().AddContourEntry(m_contour->Name());
    }
    m_contour->SetEditMode(m_editMode);
    graph.ColorLegend().setKind(2);
    graph.ColorLegend().setContour(m_contour);
    applyMode();
    show();
    raise();
    c.Redraw();
    return *m_contour;
}

void TfmContourPlot::applyMode() {
    const bool editing = !m_shadeMode;
    for (const EditCommand& e : kEditCommands) {
        QAction* action = command(QLatin1String(e.button));
        action->setVisible(editing);
        auto* button = findChild<QToolButton*>(QLatin1String(e.button));
        for (QAction* placed : toolBar()->actions())
            if (toolBar()->widgetForAction(placed) == button) placed->setVisible(editing);
    }
    if (QAction* separator = findChild<QAction*>(QStringLiteral("N5"))) separator->setVisible(editing);
    m_editMenu->menuAction()->setVisible(editing);
    Chart().graph().ColorLegend().SetVisible(m_shadeMode);
    syncSwitches();
}

void TfmContourPlot::showEvent(QShowEvent* event) {
    TPlotWindow::showEvent(event);
    if (!event->spontaneous()) applyMode();
}

void TfmContourPlot::syncSwitches() {
    TPlotWindow::syncSwitches();
    if (m_shadeMode && m_editGroup)
        command(QStringLiteral("sbLegend"))->setChecked(Chart().graph().ColorLegend().Visible());
}

void TfmContourPlot::setEditMode(ContourEditMode mode) {
    m_editMode = mode;
    for (QAction* action : m_editGroup->actions())
        if (action->property(kModeProperty).toInt() == static_cast<int>(mode)) action->setChecked(true);
    if (chart::TContour* contour = Contour()) contour->SetEditMode(mode);
}

void TfmContourPlot::sbLegendClick() {
    if (!m_shadeMode) {
        TPlotWindow::sbLegendClick();
        return;
    }
    chart::TColorLegend& legend = Chart().graph().ColorLegend();
    legend.SetVisible(!legend.Visible());
    command(QStringLiteral("sbLegend"))->setChecked(legend.Visible());
    Chart().Redraw();
}

void TfmContourPlot::sbVertGridClick() {
    switchGrid(Chart().XAxis(), "sbVertGrid");
}

void TfmContourPlot::sbHorizGridClick() {
    switchGrid(Chart().YAxis(), "sbHorizGrid");
}

void TfmContourPlot::switchGrid(chart::TPlotAxis& axis, const char* buttonName) {
    axis.SetGrid(!axis.Grid());
    command(QLatin1String(buttonName))->setChecked(axis.Grid());
    if (!axis.Grid()) {
        Chart().Redraw();
        return;
    }
    // A grid switched on is laid over the picture at once, shade or lines alike.
    const bool vertical = &axis == &Chart().XAxis();
    Chart().graph().paintOver([vertical](chart::TGraph& graph) {
        if (vertical)
            graph.XAxis().Draw();
        else
            graph.YAxis().Draw();
    });
}

void TfmContourPlot::drawGridsOver(chart::TGraph& graph) {
    if (!m_shadeMode) return;
    if (graph.XAxis().Grid()) graph.XAxis().Draw();
    if (graph.YAxis().Grid()) graph.YAxis().Draw();
}

} // namespace brelt::windows
