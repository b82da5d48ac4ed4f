#include "chart/vtchart/vt_chart.h"

#include "chart/view/ui_services.h"
#include "chart/vtchart/vt_dialogs.h"
#include "chart/vtchart/vt_picture.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace brelt::chart {

namespace {

constexpr double kDegreesPerPixel = 0.5; // mouse turning

} // namespace

TVtChart::TVtChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Chart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 90);
    m_model.changed = [this] { modelChanged(); };
}

TVtChart::~TVtChart() {
    m_model.changed = nullptr;
}

void TVtChart::modelChanged() {
    m_cacheValid = false;
    update();
}

void TVtChart::SetDrawMode(int mode) {
    m_drawMode = mode;
    m_cacheValid = false;
    update();
}

QImage TVtChart::picture(QSize size) const {
    return vtChartImage(m_model, size);
}

void TVtChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_drawMode != 1) {
        m_model.draw(painter, rect());
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (!m_cacheValid || m_cache.size() != size() * ratio) {
        m_cache = QImage(size() * ratio, QImage::Format_RGB32);
        m_cache.setDevicePixelRatio(ratio);
        m_cache.fill(Qt::white);
        QPainter cachePainter(&m_cache);
        m_model.draw(cachePainter, rect());
        m_cacheValid = true;
    }
    painter.drawImage(QPoint(0, 0), m_cache);
}

void TVtChart::resizeEvent(QResizeEvent* event) {
    m_cacheValid = false;
    QWidget::resizeEvent(event);
}

void TVtChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_model.ChartType() == VtChartType::Surface3d) {
        m_dragging = true;
        m_dragFrom = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
    QWidget::mousePressEvent(event);
}

void TVtChart::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) return;
    const QPointF moved = event->position() - m_dragFrom;
    m_dragFrom = event->position();
    TVtPlot& plot = m_model.GetPlot();
    // Dragging right brings the front to the right; dragging down shows more of the top.
    plot.SetRotation(plot.Rotation() - moved.x() * kDegreesPerPixel);
    plot.SetElevation(plot.Elevation() + moved.y() * kDegreesPerPixel);
    m_model.Changed();
    emit viewChanged();
}

void TVtChart::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        unsetCursor();
    }
    QWidget::mouseReleaseEvent(event);
}

void TVtChart::CopyPicture() {
    const QSize size = this->size().expandedTo(QSize(200, 150));
    auto* mime = new QMimeData;
    mime->setImageData(picture(size));
    mime->setData(QStringLiteral("image/svg+xml"), vtChartSvg(m_model, size));
    QApplication::clipboard()->setMimeData(mime);
}

bool TVtChart::PasteData() {
    const QString text = QApplication::clipboard()->text();
    if (m_model.DataGrid().paste(text) == 0) {
        uiServices().message(this, QStringLiteral("Paste"),
                             QStringLiteral("The clipboard holds no rows of numbers to paste."),
                             MessageKind::Warning);
        return false;
    }
    m_model.Changed();
    return true;
}

QPrinter& TVtChart::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void TVtChart::PrinterSetup() {
    uiServices().setUpPrinter(this, printer());
}

void TVtChart::PrintPicture() {
    QPrinter& device = printer();
    if (!uiServices().setUpPrinter(this, device)) return;
    QPainter painter;
    bool ok = painter.begin(&device);
    if (ok) {
        // The page's printable area at the control's proportions, from the top.
        const QRectF page = device.pageLayout().paintRectPixels(device.resolution());
        const QSizeF shape = QSizeF(std::max(width(), 1), std::max(height(), 1));
        const double k = std::min(page.width() / shape.width(), page.height() / shape.height());
        const QSizeF drawn = shape * k;
        m_model.draw(painter, QRectF(QPointF((page.width() - drawn.width()) / 2, 0), drawn));
        ok = painter.end() && device.printerState() != QPrinter::Error;
    }
    if (!ok)
        uiServices().message(this, QStringLiteral("Print"), QStringLiteral("The chart could not be printed."),
                             MessageKind::Error);
}

bool TVtChart::EditDataGrid() {
    VtDataGridDialog dialog(m_model.DataGrid(), this);
    if (dialog.exec() != QDialog::Accepted) return false;
    m_model.DataGrid() = dialog.grid();
    m_model.Changed();
    return true;
}

bool TVtChart::ShowPropertyPages() {
    VtPropertyDialog dialog(m_model, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.applyTo(m_model);
    return true;
}

bool TVtChart::RunWizard() {
    VtChartWizard wizard(m_model, this);
    if (wizard.exec() != QDialog::Accepted) return false;
    wizard.applyTo(m_model);
    return true;
}

} // namespace brelt::chart
