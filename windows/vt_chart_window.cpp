#include "windows/vt_chart_window.h"

#include "chart/view/screen_placement.h"
#include "chart/view/settings_store.h"
#include "chart/view/ui_services.h"
#include "chart/vtchart/vt_picture.h"
#include "windows/vt_tabulation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QToolBar>
#include <QToolButton>

// Resources of a static library must be registered by name, outside any namespace.
static void initIcons() {
    Q_INIT_RESOURCE(vt_icons);
}

namespace brelt::windows {

namespace {

struct SaveKind {
    const char* title;
    const char* filters;
    const char* defaultSuffix;
    chart::PictureFormat formats[2];
};

const SaveKind kBitmap{"Save to file as BMP/PNG",
                       "BMP files (*.BMP);;PNG files (*.PNG)",
                       "BMP",
                       {chart::PictureFormat::Bmp, chart::PictureFormat::Png}};
const SaveKind kVector{"Save to file as SVG/PDF",
                       "SVG files (*.SVG);;PDF files (*.PDF)",
                       "SVG",
                       {chart::PictureFormat::Svg, chart::PictureFormat::Pdf}};

} // namespace

QIcon vtWindowIcon(const char* name) {
    initIcons();
    QSvgRenderer renderer(QStringLiteral(":/windows/icons/%1.svg").arg(QString::fromLatin1(name)));
    QIcon icon;
    if (!renderer.isValid()) return icon;
    for (int side : {16, 24, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

TVtChartWindow::TVtChartWindow(chart::SettingsStore* settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_chart(new chart::TVtChart), m_toolBar(new QToolBar) {
    m_chart->setParent(this);
    setCentralWidget(m_chart);
    m_toolBar->setObjectName(QStringLiteral("Panel1"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
}

QToolButton* TVtChartWindow::addSpeedButton(const char* name, const char* icon, const QString& hint,
                                            const std::function<void()>& handler) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(vtWindowIcon(icon));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, [handler] { handler(); });
    m_toolBar->addWidget(button);
    return button;
}

QAction* TVtChartWindow::addMenuItem(QMenu* menu, const char* name, const QString& caption,
                                     const std::function<void()>& handler, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [handler] { handler(); });
    return action;
}

void TVtChartWindow::buildCommon(const Captions& captions) {
    addSpeedButton("sbPrint", "print", QStringLiteral("Print"), [this] { sbPrintClick(); });
    addSpeedButton("sbSave", "save", QStringLiteral("Save As..."), [this] { sbSaveClick(); });
    addSpeedButton("sbLegend", "legend", QStringLiteral("Show legend"), [this] { sbLegendClick(); });
    addSpeedButton("sbCopy", "copy", QStringLiteral("Copy to clipbord"), [this] { sbCopyClick(); });
    addSpeedButton("sbPaste", "paste", QStringLiteral("Paste from clipboard"), [this] { sbPasteClick(); });
    addSpeedButton("sbEditData", "edit_data", captions.editDataHint, [this] { sbEditDataClick(); });
    addSpeedButton("sbHorizGrid", "grid_horizontal", captions.gridHint, [this] { sbHorizGridClick(); });

    m_popupSave = new QMenu(this);
    m_popupSave->setObjectName(QStringLiteral("PopupSave"));
    addMenuItem(m_popupSave, "miPopupSaveBitmap", QStringLiteral("&Save as BMP/PNG..."),
                [this] { SaveAsBitmapClick(); });
    addMenuItem(m_popupSave, "miPopupSaveVector", QStringLiteral("Save as &SVG/PDF..."),
                [this] { SaveAsVectorClick(); });

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("miFile"));
    addMenuItem(m_fileMenu, "miPrint", QStringLiteral("&Print"), [this] { sbPrintClick(); });
    addMenuItem(m_fileMenu, "miPrinterSetup", captions.printSetup, [this] { PrinterSetupClick(); });
    m_fileMenu->addSeparator();
    addMenuItem(m_fileMenu, "miSaveBitmap", captions.saveBitmap, [this] { SaveAsBitmapClick(); });
    addMenuItem(m_fileMenu, "miSaveVector", captions.saveVector, [this] { SaveAsVectorClick(); });
    m_fileMenu->addSeparator();
    addMenuItem(m_fileMenu, "miExit", QStringLiteral("E&xit"), [this] { close(); });

    m_editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("miEdit"));
    addMenuItem(
        m_editMenu, "miCopy", QStringLiteral("&Copy"), [this] { sbCopyClick(); }, QKeySequence::Copy);
    addMenuItem(
        m_editMenu, "miPaste", QStringLiteral("&Paste"), [this] { sbPasteClick(); }, QKeySequence::Paste);
    addMenuItem(m_editMenu, "miData", QStringLiteral("&Data"), [this] { sbEditDataClick(); });

    m_chartMenu = menuBar()->addMenu(QStringLiteral("&Chart"));
    m_chartMenu->setObjectName(QStringLiteral("miChart"));
    addMenuItem(m_chartMenu, "miGrid", captions.grid, [this] { sbHorizGridClick(); });
    addMenuItem(m_chartMenu, "miLegend", QStringLiteral("&Legend"), [this] { sbLegendClick(); });
    m_chartMenu->addSeparator();
    addMenuItem(m_chartMenu, "miChartProperties", captions.properties, [this] { ChartPropertiesClick(); });
    addMenuItem(m_chartMenu, "miWisard", QStringLiteral("&Wisard"), [this] { WisardClick(); });
}

void TVtChartWindow::sbPrintClick() {
    m_chart->PrintPicture();
}

void TVtChartWindow::PrinterSetupClick() {
    m_chart->PrinterSetup();
}

void TVtChartWindow::sbSaveClick() {
    const QWidget* button = findChild<QToolButton*>(QStringLiteral("sbSave"));
    const QPoint at = button ? button->mapToGlobal(button->rect().bottomLeft()) : mapToGlobal(QPoint(0, 0));
    m_popupSave->popup(at);
}

void TVtChartWindow::SaveAsBitmapClick() {
    savePicture(false);
}

void TVtChartWindow::SaveAsVectorClick() {
    savePicture(true);
}

void TVtChartWindow::savePicture(bool vector) {
    const SaveKind& kind = vector ? kVector : kBitmap;
    chart::FileDialogRequest request;
    request.title = QString::fromLatin1(kind.title);
    request.filters = QString::fromLatin1(kind.filters);
    request.defaultSuffix = QString::fromLatin1(kind.defaultSuffix);
    request.overwritePrompt = true;
    const chart::FileDialogResult result = chart::uiServices().saveFile(this, request);
    if (result.fileName.isEmpty()) return;
    const QStringList filters = request.filters.split(QStringLiteral(";;"));
    const chart::PictureFormat chosen = kind.formats[filters.indexOf(result.selectedFilter) == 1 ? 1 : 0];
    QString name = result.fileName;
    // A name with a picture extension of its own is written in that format; any other name gets
    // the chosen filter's extension.
    auto format = chart::pictureFormatOf(name);
    if (!format) {
        name += QLatin1Char('.') + chart::pictureExtension(chosen);
        format = chosen;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const bool ok = chart::saveVtChartPicture(m_chart->model(), name, *format,
                                              m_chart->size().expandedTo(QSize(200, 150)), &error);
    QApplication::restoreOverrideCursor();
    if (!ok)
        chart::uiServices().message(this, QStringLiteral("Save to file"),
                                    QStringLiteral("Cannot write %1: %2").arg(name, error),
                                    chart::MessageKind::Error);
}

void TVtChartWindow::sbLegendClick() {
    m_chart->SetShowLegend(!m_chart->ShowLegend());
}

void TVtChartWindow::sbCopyClick() {
    m_chart->CopyPicture();
}

void TVtChartWindow::sbPasteClick() {
    m_chart->PasteData();
}

void TVtChartWindow::sbEditDataClick() {
    m_chart->EditDataGrid();
}

void TVtChartWindow::sbHorizGridClick() {
    switchGrids(1, 2);
}

void TVtChartWindow::ChartPropertiesClick() {
    m_chart->ShowPropertyPages();
}

void TVtChartWindow::WisardClick() {
    m_chart->RunWizard();
}

void TVtChartWindow::switchGrids(int axisA, int axisB) {
    chart::TVtPlot& plot = m_chart->GetPlot();
    for (int axis : {axisA, axisB}) {
        int& style = plot.Axis(axis).majorGridStyle;
        style = style != chart::VtPenNone ? chart::VtPenNone : chart::VtPenSolid;
    }
    m_chart->Refresh();
}

void TVtChartWindow::showOutcome(const TabulationOutcome& outcome) {
    statusBar()->showMessage(outcome.statusText());
}

QString TVtChartWindow::statusText() const {
    return statusBar()->currentMessage();
}

void TVtChartWindow::loadPlacement() {
    if (!m_settings) return;
    const QString section = objectName();
    int w = m_settings->readInt(section, QStringLiteral("Width"), 640);
    int h = m_settings->readInt(section, QStringLiteral("Height"), 480);
    // A zero or negative size would make the window vanish for good.
    if (w <= 0) w = 640;
    if (h <= 0) h = 480;
    const QRect saved(m_settings->readInt(section, QStringLiteral("Left"), 0),
                      m_settings->readInt(section, QStringLiteral("Top"), 0), w, h);
    const QRect placed = chart::visiblePlacement(saved);
    move(placed.topLeft());
    resize(placed.size());
}

void TVtChartWindow::closeEvent(QCloseEvent* event) {
    if (m_settings) {
        const QString section = objectName();
        const QRect frame = frameGeometry();
        m_settings->writeInt(section, QStringLiteral("Left"), frame.left());
        m_settings->writeInt(section, QStringLiteral("Top"), frame.top());
        m_settings->writeInt(section, QStringLiteral("Width"), width());
        m_settings->writeInt(section, QStringLiteral("Height"), height());
        writeOwnSettings(*m_settings);
        if (settingsWritten) settingsWritten();
    }
    event->accept(); // hidden, not destroyed: the window is created once at start-up
}

void TVtChartWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    emit shown();
}

} // namespace brelt::windows
