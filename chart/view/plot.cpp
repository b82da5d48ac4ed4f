#include "chart/view/plot.h"

#include "chart/view/chart_cursors.h"
#include "chart/view/graph_annotate.h"
#include "chart/view/note_dialog.h"
#include "chart/view/picture_export.h"
#include "chart/view/print_dialog.h"
#include "chart/view/settings_store.h"
#include "chart/view/ui_services.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace brelt::chart {

// The surface that shows the engine's bitmap and hands its mouse events to the chart.
class ChartImage : public QWidget {
public:
    explicit ChartImage(TPlot& plot) : QWidget(&plot), m_plot(plot) {
        setMouseTracking(true);
        setFocusPolicy(Qt::ClickFocus); // Delete reaches a selected note
        setObjectName(QStringLiteral("Image"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, m_plot.graph().image());
    }
    void resizeEvent(QResizeEvent*) override { m_plot.imageResized(size()); }
    void mouseMoveEvent(QMouseEvent* e) override { m_plot.imageMouseMove(e); }
    void mousePressEvent(QMouseEvent* e) override { m_plot.imageMousePress(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { m_plot.imageMouseRelease(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { m_plot.imageDoubleClick(e); }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->modifiers() == Qt::NoModifier && m_plot.imageKeyPress(e->key())) return;
        QWidget::keyPressEvent(e);
    }

private:
    TPlot& m_plot;
};

namespace {

ShiftState shiftOf(Qt::KeyboardModifiers m) {
    ShiftState s = 0;
    if (m & Qt::ShiftModifier) s |= kShift;
    if (m & Qt::AltModifier) s |= kAlt;
    if (m & Qt::ControlModifier) s |= kCtrl;
    return s;
}

MouseButton buttonOf(Qt::MouseButton b) {
    if (b == Qt::RightButton) return MouseButton::Right;
    if (b == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

QString defaultIniFileName() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return program.path() + QLatin1Char('/') + program.completeBaseName() + QStringLiteral(".INI");
}

const QString kSaveFilters =
    QStringLiteral("BMP files (*.BMP);;PNG files (*.PNG);;SVG files (*.SVG);;PDF files (*.PDF)");

} // namespace

TPlot::TPlot(QWidget* parent)
    : QWidget(parent), m_graph(std::make_unique<TGraph>()), m_xAxis(m_graph->XAxis()),
      m_yAxis(m_graph->YAxis()), m_title(m_graph->Title()), m_foot(m_graph->Foot()),
      m_legend(*m_graph, m_graph->Legend()), m_info(m_graph->Info()), m_zoom(m_graph->Zoom()) {
    setObjectName(QStringLiteral("Chart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_image = new ChartImage(*this);
    layout->addWidget(m_image, 1);
    m_statusBar = new QStatusBar(this);
    m_statusBar->setFixedHeight(20);
    const QString texts[] = {QStringLiteral("X=n/a"), QStringLiteral("Y=n/a"), QString()};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(texts[i], m_statusBar);
        if (i < 2) m_panels[i]->setMinimumWidth(100);
        m_statusBar->addWidget(m_panels[i], i == 2 ? 1 : 0);
    }
    layout->addWidget(m_statusBar);
    m_iniFileName = defaultIniFileName();
    m_graph->setHost(this);
    m_graph->Annotations().Editor = [this](TAnnotation& note, bool isNew) {
        return editNoteInDialog(this, note, isNew);
    };
}

TPlot::~TPlot() {
    m_graph->setHost(nullptr);
}

void TPlot::Redraw() {
    m_graph->Draw();
}

void TPlot::Repaint() {
    update();
    imageResized(m_image->size());
}

void TPlot::imageResized(const QSize& size) {
    // A resize that arrives while the chart draws (messages run between layers) must not swap the
    // bitmap under the painter: it is taken up once the drawing has ended.
    if (m_graph->isDrawing()) {
        QTimer::singleShot(0, this, [this] { imageResized(m_image->size()); });
        return;
    }
    m_graph->SetImageSize(size);
    // Drawn at once, without running other events between the layers: a resize arrives while the
    // window is being shown or laid out, and events run then could free widgets Qt is walking.
    m_resizing = true;
    m_graph->Draw();
    m_resizing = false;
}

void TPlot::imageChanged() {
    m_image->update();
}

void TPlot::ShowProperties() {
    emit propertiesRequested();
    if (AfterChangeProperties) AfterChangeProperties(*m_graph);
}

void TPlot::Print(SettingsStore& store) {
    printChart(*m_graph, this, store);
    Redraw();
}

void TPlot::Print() {
    static MemorySettingsStore runStore;
    Print(runStore);
}

QString TPlot::SaveAs() {
    return saveChartAs(*m_graph, this, m_graph->image().size());
}

void TPlot::CopyToClipboard() {
    // The bitmap and the SVG as pictures of the chart's size (grown as every picture is).
    auto* mime = new QMimeData;
    mime->setImageData(chartBitmap(*m_graph, m_graph->image().size()));
    mime->setData(QStringLiteral("image/svg+xml"), chartSvg(*m_graph, m_graph->image().size()));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void TPlot::ZoomIn() {
    m_graph->Zoom().ZoomIn();
}

void TPlot::ZoomOut() {
    m_graph->Zoom().ZoomOut();
}

bool TPlot::ZoomPrevious() {
    return m_graph->Zoom().ZoomPrevious();
}

void TPlot::SwitchAnimatedZoom() {
    m_graph->Zoom().SwitchAnimatedZoom();
}

void TPlot::Clear() {
    m_graph->Clear();
}

TLayer* TPlot::AddContour(std::unique_ptr<TLayer> contour) {
    return m_graph->AddLayer(std::move(contour));
}

QString TPlot::settingsSection() const {
    const QWidget* owner = window();
    const QString ownerName = owner && owner != this ? owner->objectName() : QString();
    return ownerName + objectName();
}

void TPlot::SaveSettings(SettingsStore& store) const {
    if (m_iniFileName.isEmpty()) return;
    const QString section = settingsSection();
    m_graph->SaveSettings(store, section);
    store.writeBool(section, QStringLiteral("Plot_StatusBarVisible"), m_statusVisible);
    store.writeBool(section, QStringLiteral("Plot_StatusBarGrip"), m_statusGrip);
}

void TPlot::LoadSettings(const SettingsStore& store) {
    if (m_iniFileName.isEmpty()) return;
    const QString section = settingsSection();
    const auto saved = store.read(section, QStringLiteral("Plot_Saved"));
    if (!saved || saved->trimmed().compare(QLatin1String("No"), Qt::CaseInsensitive) == 0) return;
    m_graph->LoadSettings(store, section);
    SetStatusBarVisible(store.readBool(section, QStringLiteral("Plot_StatusBarVisible"), m_statusVisible));
    SetStatusBarGrip(store.readBool(section, QStringLiteral("Plot_StatusBarGrip"), m_statusGrip));
}

void TPlot::SetStatusBarVisible(bool v) {
    m_statusVisible = v;
    m_statusBar->setVisible(v);
}

void TPlot::SetStatusBarGrip(bool v) {
    m_statusGrip = v;
    m_statusBar->setSizeGripEnabled(v);
}

QString TPlot::statusText(int panel) const {
    if (panel < 0 || panel > 2) return {};
    return m_panels[panel]->text();
}

void TPlot::setStatusPanel(int index, const QString& text, int width) {
    if (index < 0 || index > 2) return;
    // Tabs and carriage returns only say how the text is placed in the panel.
    QString shown = text;
    shown.remove(QLatin1Char('\t')).remove(QLatin1Char('\r'));
    m_panels[index]->setText(shown);
    if (width > 0) m_panels[index]->setMinimumWidth(width);
}

void TPlot::setChartCursor(ChartCursor cursor) {
    m_cursor = cursor;
    m_image->setCursor(chartCursor(cursor));
}

void TPlot::processEvents() {
    if (!m_resizing) QCoreApplication::processEvents();
}

void TPlot::popupChartMenu(int x, int y) {
    QMenu menu(this);
    QAction* text = menu.addAction(QStringLiteral("Add text\u2026"));
    text->setObjectName(QStringLiteral("miAddText"));
    connect(text, &QAction::triggered, this, [this, x, y] { AddTextAt(x, y); });
    QAction* arrow = menu.addAction(QStringLiteral("Add arrow"));
    arrow->setObjectName(QStringLiteral("miAddArrow"));
    connect(arrow, &QAction::triggered, this, [this, x, y] { AddArrowAt(x, y); });
    menu.addSeparator();
    QAction* properties = menu.addAction(QStringLiteral("&Properties"));
    properties->setObjectName(QStringLiteral("miPropertiesGraph"));
    connect(properties, &QAction::triggered, this, [this] { ShowProperties(); });
    menu.exec(m_image->mapToGlobal(QPoint(x, y)));
}

void TPlot::popupLayerMenu(TLayer& layer, int x, int y) {
    QMenu menu(this);
    QString chosen;
    for (const LayerMenuItem& item : layer.CreateMenu()) {
        QAction* action = menu.addAction(item.caption);
        action->setObjectName(item.name);
        action->setEnabled(item.enabled);
        action->setVisible(item.visible);
        const QString name = item.name;
        connect(action, &QAction::triggered, this, [&chosen, name] { chosen = name; });
    }
    menu.exec(m_image->mapToGlobal(QPoint(x, y)));
    // The layer may delete its point or hide itself: only after the menu has closed.
    if (!chosen.isEmpty()) {
        layer.menuAction(chosen);
        Redraw();
    }
}

void TPlot::imageMouseMove(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    m_graph->MouseMove(shiftOf(event->modifiers()), p.x(), p.y());
    if (OnMouseMove) OnMouseMove(event);
}

void TPlot::imageMousePress(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    m_graph->MouseDown(buttonOf(event->button()), shiftOf(event->modifiers()), p.x(), p.y());
    if (OnMouseDown) OnMouseDown(event);
}

void TPlot::imageMouseRelease(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    m_graph->MouseUp(buttonOf(event->button()), shiftOf(event->modifiers()), p.x(), p.y());
    if (OnMouseUp) OnMouseUp(event);
}

void TPlot::imageDoubleClick(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    m_graph->DoubleClick(p.x(), p.y());
}

bool TPlot::imageKeyPress(int key) {
    return m_graph->KeyDown(key);
}

void TPlot::AddTextAt(int x, int y) {
    if (m_graph->Annotations().addTextAt(x, y)) Redraw();
}

void TPlot::AddArrowAt(int x, int y) {
    m_graph->Annotations().addArrowAt(x, y);
    Redraw();
}

QString saveChartAs(TGraph& graph, QWidget* parent, QSize size) {
    FileDialogRequest request;
    request.title = QStringLiteral("Save to file");
    request.filters = kSaveFilters;
    request.overwritePrompt = false; // the chart asks its own question
    const QStringList filters = kSaveFilters.split(QStringLiteral(";;"));
    const PictureFormat formats[] = {PictureFormat::Bmp, PictureFormat::Png, PictureFormat::Svg,
                                     PictureFormat::Pdf};
    for (;;) {
        const FileDialogResult result = uiServices().saveFile(parent, request);
        if (result.fileName.isEmpty()) return {};
        const qsizetype chosen = std::max<qsizetype>(0, filters.indexOf(result.selectedFilter));
        const PictureFormat filterFormat = formats[chosen];
        QString name = result.fileName;
        if (QFileInfo(name).suffix().isEmpty()) name += QLatin1Char('.') + pictureExtension(filterFormat);
        if (QFileInfo::exists(name)) {
            const QString question =
                name + QStringLiteral("\nThis file already exists.\n\nReplace existing file?");
            if (!uiServices().confirm(parent, QStringLiteral("Save to file"), question)) {
                request.fileName = name;
                continue;
            }
        }
        // A name with an extension of its own keeps it; the format then follows the extension when
        // it names one, else the chosen filter.
        const PictureFormat format = pictureFormatOf(name).value_or(filterFormat);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QString error;
        const bool ok = savePicture(graph, name, format, size, &error);
        QApplication::restoreOverrideCursor();
        if (!ok) {
            uiServices().message(parent, QStringLiteral("Save to file"),
                                 QStringLiteral("Cannot write %1: %2").arg(name, error), MessageKind::Error);
            return {};
        }
        return name;
    }
}

} // namespace brelt::chart
