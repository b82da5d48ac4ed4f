#include "windows/plot_window.h"

#include "chart/data/graph_undo.h"
#include "chart/view/screen_placement.h"
#include "chart/view/settings_store.h"
#include "chart/view/zoom.h"
#include "windows/svg_icon.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace brelt::windows {

namespace {

struct CommandInfo {
    const char* button;
    const char* menuItem;
    const char* caption;
    const char* hint;
    const char* icon;
    bool checkable;
    void (TPlotWindow::*handler)();
};

// The toolbar of both windows, left to right.
const CommandInfo kCommands[] = {
    {"sbPrint", "miPrint", "&Print", "Print graphic", "print", false, &TPlotWindow::sbPrintClick},
    {"sbSaveAs", "miSaveAs", "&Save As...", "Save As...", "save", false, &TPlotWindow::sbSaveAsClick},
    {"sbZoomIn", "miZoomIn", "Zoom &In", "Zoom in", "zoom_in", false, &TPlotWindow::sbZoomInClick},
    {"sbZoomAnime", "miZoomAnime", "&Animation Zoom", "Animated zoom", "zoom_anime", false,
     &TPlotWindow::sbZoomAnimeClick},
    {"sbZoomPrev", "miZoomPrev", "&Previous Zoom", "Zoom previous", "zoom_prev", false,
     &TPlotWindow::sbZoomPrevClick},
    {"sbZoomOut", "miZoomOut", "Zoom &Out", "Zoom Out", "zoom_out", false, &TPlotWindow::sbZoomOutClick},
    {"sbProp", "miProperties", "&Properties", "Properties", "properties", false, &TPlotWindow::sbPropClick},
    {"sbLegend", "miShowLegend", "&Show Legend", "Show legend", "legend", true, &TPlotWindow::sbLegendClick},
    {"sbVertGrid", "miVertGrid", "&Vert. Grid", "Vertical grid", "vert_grid", true,
     &TPlotWindow::sbVertGridClick},
    {"sbHorizGrid", "miHorizGrid", "&Horis. Grid", "Horizontal grid", "horiz_grid", true,
     &TPlotWindow::sbHorizGridClick},
    {"sb3D", "mi3DView", "&3D View", "3D-view", "view_3d", true, &TPlotWindow::sb3DClick},
    {"sbCopyToClipboard", "miCopyToClipboard", "&Copy to clipboard", "Copy to clipbord", "copy", false,
     &TPlotWindow::sbCopyToClipboardClick},
    {"sbExport", "miExport", "&Export", "Export data", "export", false, &TPlotWindow::sbExportClick},
    {"sbImport", "miImport", "&Import", "Import data", "import", false, &TPlotWindow::sbImportClick},
};

const QString kButtonProperty = QStringLiteral("breltButton");

} // namespace

TPlotWindow::TPlotWindow(const QString& name, const QString& caption, SettingsOpener settings,
                         QWidget* parent)
    : QMainWindow(parent), m_settings(std::move(settings)) {
    setObjectName(name);
    setWindowTitle(caption);
    resize(640, 480);
    m_chart = new chart::TPlot(this);
    setCentralWidget(m_chart);
    m_toolBar = addToolBar(QStringLiteral("Tools"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(20, 20));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->toggleViewAction()->setVisible(false); // the toolbar cannot be switched off by mistake
    buildCommands();
    // The chart's own pop-up menu opens the properties through the same hook.
    connect(m_chart, &chart::TPlot::propertiesRequested, this, [this] {
        if (m_hooks.properties) m_hooks.properties(*m_chart, this);
    });
    // An animated zoom takes its steps on a click in the chart: going back is possible from then on.
    auto followZoom = [this](QMouseEvent*) {
        if (!m_chart->graph().Zoom().stack().empty()) setZoomBackEnabled(true);
    };
    m_chart->OnMouseDown = followZoom;
    m_chart->OnMouseUp = followZoom;
    buildUndo();
}

void TPlotWindow::buildUndo() {
    m_undo = new QAction(QStringLiteral("&Undo"), this);
    m_undo->setObjectName(QStringLiteral("miUndo"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setShortcutContext(Qt::WindowShortcut);
    m_undo->setEnabled(false);
    addAction(m_undo); // Ctrl+Z works with the menu bar hidden too
    connect(m_undo, &QAction::triggered, this, [this] { m_chart->Undo(); });
    chart::TGraph& graph = m_chart->graph();
    graph.UndoStore().OnChange = [this, &graph] { m_undo->setEnabled(graph.UndoStore().CanUndo(graph)); };
}

void TPlotWindow::addEditMenu() {
    if (findChild<QMenu*>(QStringLiteral("Edit1"))) return;
    QMenuBar* bar = menuBar();
    auto* edit = new QMenu(QStringLiteral("&Edit"), bar);
    edit->setObjectName(QStringLiteral("Edit1"));
    edit->addAction(m_undo);
    // After the File menu, before the rest.
    const QList<QAction*> items = bar->actions();
    if (items.size() > 1)
        bar->insertMenu(items.at(1), edit);
    else
        bar->addMenu(edit);
}

TPlotWindow::~TPlotWindow() = default;

QAction* TPlotWindow::makeAction(const QString& menuName, const QString& caption, const QString& hint,
                                 const QString& icon) {
    auto* action = new QAction(caption, this);
    action->setObjectName(menuName);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    if (!icon.isEmpty()) action->setIcon(plotIcon(icon));
    return action;
}

void TPlotWindow::addZoomAndViewMenus() {
    QMenuBar* bar = menuBar();
    QMenu* zoom = bar->addMenu(QStringLiteral("&Zoom"));
    zoom->setObjectName(QStringLiteral("Zoom1"));
    for (const char* name : {"sbZoomIn", "sbZoomAnime", "sbZoomPrev", "sbZoomOut"})
        zoom->addAction(command(QLatin1String(name)));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("View1"));
    for (const char* name : {"sbLegend", "sbVertGrid", "sbHorizGrid", "sb3D"})
        view->addAction(command(QLatin1String(name)));
}

QAction* TPlotWindow::textTwin(QAction* command, const QString& name) {
    auto* twin = new QAction(command->text(), this);
    twin->setObjectName(name);
    twin->setEnabled(command->isEnabled());
    connect(twin, &QAction::triggered, command, &QAction::trigger);
    connect(command, &QAction::enabledChanged, twin, &QAction::setEnabled);
    return twin;
}

QToolButton* TPlotWindow::addToolButton(QAction* action, const QString& buttonName) {
    auto* button = new QToolButton(m_toolBar);
    button->setObjectName(buttonName);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    action->setProperty(kButtonProperty.toLatin1().constData(), buttonName);
    m_toolBar->addWidget(button);
    return button;
}

void TPlotWindow::buildCommands() {
    for (const CommandInfo& c : kCommands) {
        QAction* action = makeAction(QLatin1String(c.menuItem), QLatin1String(c.caption),
                                     QLatin1String(c.hint), QLatin1String(c.icon));
        action->setCheckable(c.checkable);
        const auto handler = c.handler;
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        addToolButton(action, QLatin1String(c.button));
    }
    command(QStringLiteral("sbLegend"))->setChecked(true);
    setZoomBackEnabled(false);
    updateHookedCommands();
}

QAction* TPlotWindow::command(const QString& buttonName) const {
    for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        if (action->property(kButtonProperty.toLatin1().constData()).toString() == buttonName) return action;
    return nullptr;
}

void TPlotWindow::setHooks(PlotWindowHooks hooks) {
    m_hooks = std::move(hooks);
    updateHookedCommands();
}

void TPlotWindow::updateHookedCommands() {
    command(QStringLiteral("sbExport"))->setEnabled(static_cast<bool>(m_hooks.exportData));
    command(QStringLiteral("sbImport"))->setEnabled(static_cast<bool>(m_hooks.importData));
    command(QStringLiteral("sbProp"))->setEnabled(static_cast<bool>(m_hooks.properties));
}

void TPlotWindow::setZoomBackEnabled(bool enabled) {
    command(QStringLiteral("sbZoomOut"))->setEnabled(enabled);
    command(QStringLiteral("sbZoomPrev"))->setEnabled(enabled);
}

void TPlotWindow::syncSwitches() {
    command(QStringLiteral("sbLegend"))->setChecked(m_chart->Legend().Visible());
    command(QStringLiteral("sbVertGrid"))->setChecked(m_chart->XAxis().Grid());
    command(QStringLiteral("sbHorizGrid"))->setChecked(m_chart->YAxis().Grid());
    command(QStringLiteral("sb3D"))->setChecked(m_chart->View3D() != 0);
}

// ---- creation, showing, closing ----

void TPlotWindow::FormCreate() {
    const std::shared_ptr<chart::SettingsStore> store = m_settings ? m_settings() : nullptr;
    if (store) {
        const QString section = objectName();
        QRect saved(store->readInt(section, QStringLiteral("Left"), 0),
                    store->readInt(section, QStringLiteral("Top"), 0),
                    store->readInt(section, QStringLiteral("Width"), 640),
                    store->readInt(section, QStringLiteral("Height"), 480));
        // A size that would make the window vanish counts as missing.
        if (saved.width() <= 0 || saved.height() <= 0) saved.setSize(QSize(640, 480));
        const QRect placed = chart::visiblePlacement(saved);
        move(placed.topLeft());
        resize(placed.size());
        m_chart->LoadSettings(*store);
    }
    addEditMenu();
    syncSwitches();
}

void TPlotWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;
    m_shown = true;
    emit shown();
}

void TPlotWindow::closeEvent(QCloseEvent* event) {
    // A window already hidden has written its settings when it was hidden.
    if (isVisible()) {
        if (const std::shared_ptr<chart::SettingsStore> store = m_settings ? m_settings() : nullptr) {
            const QString section = objectName();
            const QRect frame = frameGeometry();
            store->writeInt(section, QStringLiteral("Left"), frame.left());
            store->writeInt(section, QStringLiteral("Top"), frame.top());
            store->writeInt(section, QStringLiteral("Width"), width());
            store->writeInt(section, QStringLiteral("Height"), height());
            m_chart->SaveSettings(*store);
        }
    }
    event->accept(); // hidden, not destroyed
}

// ---- handlers ----

void TPlotWindow::sbPrintClick() {
    if (m_hooks.print)
        m_hooks.print(*m_chart, this);
    else
        m_chart->Print();
}

void TPlotWindow::sbSaveAsClick() {
    m_chart->SaveAs();
}

void TPlotWindow::sbZoomInClick() {
    m_chart->ZoomIn();
    setZoomBackEnabled(true);
}

void TPlotWindow::sbZoomOutClick() {
    m_chart->ZoomOut();
    setZoomBackEnabled(false);
}

void TPlotWindow::sbZoomAnimeClick() {
    m_chart->SwitchAnimatedZoom();
    setZoomBackEnabled(!m_chart->graph().Zoom().stack().empty());
}

void TPlotWindow::sbZoomPrevClick() {
    if (!m_chart->ZoomPrevious()) setZoomBackEnabled(false);
}

void TPlotWindow::sbPropClick() {
    m_chart->ShowProperties(); // the chart asks the properties hook through its signal
}

void TPlotWindow::sbLegendClick() {
    m_chart->Legend().SetVisible(!m_chart->Legend().Visible());
    command(QStringLiteral("sbLegend"))->setChecked(m_chart->Legend().Visible());
}

void TPlotWindow::sbVertGridClick() {
    m_chart->XAxis().SetGrid(!m_chart->XAxis().Grid());
    command(QStringLiteral("sbVertGrid"))->setChecked(m_chart->XAxis().Grid());
    m_chart->Redraw();
}

void TPlotWindow::sbHorizGridClick() {
    m_chart->YAxis().SetGrid(!m_chart->YAxis().Grid());
    command(QStringLiteral("sbHorizGrid"))->setChecked(m_chart->YAxis().Grid());
    m_chart->Redraw();
}

void TPlotWindow::sb3DClick() {
    chart::TPlot& c = *m_chart;
    if (c.View3D() != 0) {
        c.SetView3D(0);
        c.Frame().Width = m_frameWidth;
        c.SetTicks2D();
    } else {
        c.SetView3D(8);
        m_frameWidth = c.Frame().Width;
        c.Frame().Width = 10;
        c.SetTicks3D();
        c.XAxis().Ticks().SetMinorVisible(false);
        c.XAxis().Ticks().SetMajorVisible(true);
    }
    command(QStringLiteral("sb3D"))->setChecked(c.View3D() != 0);
    c.Redraw();
}

void TPlotWindow::sbCopyToClipboardClick() {
    m_chart->CopyToClipboard();
}

void TPlotWindow::sbExportClick() {
    if (m_hooks.exportData) m_hooks.exportData(*m_chart, this);
}

void TPlotWindow::sbImportClick() {
    if (m_hooks.importData && m_hooks.importData(*m_chart, this)) m_chart->Redraw();
}

} // namespace brelt::windows
