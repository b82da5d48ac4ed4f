// Mouse routing of the chart engine: the legend drag, the zoom, the status-bar read-out, then the
// layers from last to first. While Draw runs every event only shows the hourglass.
#include "chart/view/graph.h"

#include "chart/contour/contour.h"
#include "chart/data/graph_undo.h"
#include "chart/data/series.h"
#include "chart/view/graph_annotate.h"
#include "chart/view/graph_info.h"
#include "chart/view/series_legend.h"
#include "chart/view/ui_services.h"

#include <QFontMetrics>

#include <cmath>

namespace brelt::chart {

namespace {
QString readout(double axisValue, bool log, int decimals) {
    if (log) return QString::number(std::pow(10.0, axisValue), 'g', 5);
    return QString::number(axisValue, 'f', std::clamp(decimals + 1, 0, 15));
}

// "Z=" and the contour grid's value at a world point with 5 significant digits (no point: n/a).
QString zReadout(const TContour& contour, const double* x, const double* y) {
    const double z = x && y ? contour.ValueAt(*x, *y) : std::nan("");
    return QStringLiteral("Z=") + (std::isfinite(z) ? QString::number(z, 'g', 5) : QStringLiteral("n/a"));
}

int panelWidth(const QString& text) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    return QFontMetrics(font).horizontalAdvance(text + QStringLiteral("99"));
}
} // namespace

bool TGraph::overSeriesLegend(int x, int y) const {
    return m_legend->contains(x, y);
}

void TGraph::updateStatus(int x, int y) {
    if (!m_host) return;
    const AxisFacts xf = xFacts();
    const AxisFacts yf = yFacts();
    const QString xLabel = (xf.name.isEmpty() ? QStringLiteral("X") : xf.name) + QLatin1Char('=');
    const QString yLabel = (yf.name.isEmpty() ? QStringLiteral("Y") : yf.name) + QLatin1Char('=');
    const int d = m_depth3D;
    const QRect area(QPoint(m_plotRect.left(), m_plotRect.top() - d),
                     QPoint(m_plotRect.right() + d, m_plotRect.bottom()));
    if (area.contains(x, y)) {
        const QString xs = xLabel + readout(PixelToX(x), xf.log, xf.decimals);
        const QString ys = yLabel + readout(PixelToY(y), yf.log, yf.decimals);
        m_host->setStatusPanel(0, xs, panelWidth(xs));
        m_host->setStatusPanel(1, ys, panelWidth(ys));
        const double wx = xf.log ? std::pow(10.0, PixelToX(x)) : PixelToX(x);
        const double wy = yf.log ? std::pow(10.0, PixelToY(y)) : PixelToY(y);
        if (const TContour* contour = firstContour())
            m_host->setStatusPanel(2, zReadout(*contour, &wx, &wy), -1);
    } else {
        const QString xs = xLabel + QStringLiteral("n/a");
        const QString ys = yLabel + QStringLiteral("n/a");
        m_host->setStatusPanel(0, xs, panelWidth(xs));
        m_host->setStatusPanel(1, ys, panelWidth(ys));
        m_host->setChartCursor(ChartCursor::Default);
        if (const TContour* contour = firstContour())
            m_host->setStatusPanel(2, zReadout(*contour, nullptr, nullptr), -1);
    }
}

const TContour* TGraph::firstContour() const {
    for (const auto& layer : m_layers)
        if (const auto* contour = dynamic_cast<const TContour*>(layer.get())) return contour;
    return nullptr;
}

void TGraph::MouseMove(ShiftState shift, int x, int y) {
    if (m_drawing) {
        setCursor(ChartCursor::Hourglass);
        return;
    }
    if (m_legend->dragging()) {
        m_legend->dragTo(x, y);
        Draw();
        return;
    }
    updateStatus(x, y);
    // A note being dragged follows the mouse wherever it goes.
    if (m_annotate->dragging()) {
        m_annotate->MouseMove(x, y, shift);
        return;
    }
    if (overSeriesLegend(x, y)) {
        setCursor(ChartCursor::MoveIt);
        return;
    }
    // Over a note the move cursor shows even in zoom mode: a press there takes the note.
    if (m_annotate->MouseMove(x, y, shift)) return;
    if (zoomMouseMove(x, y)) return;
    for (int i = LayerCount() - 1; i >= 0; --i)
        if (m_layers[static_cast<std::size_t>(i)]->MouseMove(x, y, shift)) return;
}

void TGraph::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (m_drawing) {
        setCursor(ChartCursor::Hourglass);
        return;
    }
    if (overSeriesLegend(x, y)) {
        m_legend->beginDrag(x, y);
        return;
    }
    // A press on a note goes to the note before the zoom, so notes can be dragged in zoom mode.
    if (m_annotate->MouseDown(x, y, button, shift)) {
        if (button == MouseButton::Right && m_host) m_host->popupLayerMenu(*m_annotate, x, y);
        return;
    }
    const int d = m_depth3D;
    const QRect area(QPoint(m_plotRect.left(), m_plotRect.top() - d),
                     QPoint(m_plotRect.right() + d, m_plotRect.bottom()));
    if (area.contains(x, y) && button == MouseButton::Left && zoomMouseDown(button, x, y)) return;
    if (m_info->Visible() && m_info->MouseDown(x, y, button, shift)) {
        Draw();
        return;
    }
    // Among several hit series the nearest one takes the press.
    TSeries* nearest = nullptr;
    double best = 0;
    for (int i = LayerCount() - 1; i >= 0; --i) {
        auto* series = dynamic_cast<TSeries*>(m_layers[static_cast<std::size_t>(i)].get());
        if (!series || !series->Visible()) continue;
        const int hit = series->hitTest(x, y);
        if (hit < 0) continue;
        const double distance = series->hitDistance(x, y, hit);
        if (!nearest || distance < best) nearest = series, best = distance;
    }
    TLayer* claimed = nullptr;
    if (nearest) {
        nearest->MouseMove(x, y, shift);
        if (nearest->MouseDown(x, y, button, shift)) claimed = nearest;
    }
    for (int i = LayerCount() - 1; i >= 0 && !claimed; --i) {
        TLayer* layer = m_layers[static_cast<std::size_t>(i)].get();
        if (dynamic_cast<TSeries*>(layer)) continue;
        if (layer->MouseDown(x, y, button, shift)) claimed = layer;
    }
    if (claimed) {
        if (button == MouseButton::Right && m_host) m_host->popupLayerMenu(*claimed, x, y);
        return;
    }
    if (button == MouseButton::Right && m_host) m_host->popupChartMenu(x, y);
}

void TGraph::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (m_drawing) {
        setCursor(ChartCursor::Hourglass);
        return;
    }
    if (m_legend->dragging()) {
        m_legend->endDrag();
        Draw();
        return;
    }
    if (zoomMouseUp(x, y)) {
        Draw();
        setCursor(ChartCursor::Default);
        return;
    }
    m_annotate->MouseUp(x, y, button, shift);
    for (const auto& layer : m_layers)
        if (dynamic_cast<TSeries*>(layer.get())) layer->MouseUp(x, y, button, shift);
}

bool TGraph::DoubleClick(int x, int y) {
    if (m_drawing) return false;
    if (!m_annotate->DoubleClick(x, y)) return false;
    Draw();
    return true;
}

bool TGraph::KeyDown(int key) {
    if (m_drawing || !m_annotate->KeyDown(key)) return false;
    Draw();
    return true;
}

bool TGraph::Undo() {
    if (m_drawing || !m_undo->Undo(*this)) return false;
    Draw();
    return true;
}

void TGraph::showError(const QString& text) {
    uiServices().message(nullptr, QStringLiteral("Error"), text, MessageKind::Error);
}

SeriesLegendEntry* TGraph::addLineLegend(TSeries& series) {
    TLineLegend* entry = m_legend->AddEntry(series.Name());
    series.LinkLegend(entry);
    return entry;
}

void TGraph::showInfo(TSeries& series, int index) {
    if (index < 0 || index >= series.Count()) return;
    const WorldPoint p = series.pointAt(index);
    m_info->addLocation({&series, p.X, p.Y, index});
    Draw();
}

void TGraph::setCursor(ChartCursor cursor) {
    if (m_host) m_host->setChartCursor(cursor);
}

void TGraph::showLayerProperties(TLayer& layer) {
    (void)layer;
    if (m_host) m_host->showProperties();
}

} // namespace brelt::chart
