// The engine's side of its axes and zoom: creation, tick updates, the facts Layout needs, the
// tick presets of the 3D and flat views, and the zoom's share of the mouse.
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/text_metrics.h"
#include "chart/view/zoom.h"

#include <QPainter>

namespace brelt::chart {

void TGraph::createAxesAndZoom() {
    m_xAxis = std::make_unique<TXAxis>(*this);
    m_yAxis = std::make_unique<TYAxis>(*this);
    m_zoom = std::make_unique<TZoom>(*this);
}

bool TGraph::xAxisLog() const {
    return m_xAxis && m_xAxis->Log();
}

bool TGraph::yAxisLog() const {
    return m_yAxis && m_yAxis->Log();
}

bool TGraph::zoomInForce() const {
    return m_zoom && m_zoom->inForce();
}

void TGraph::updateAxes() {
    m_xAxis->UpdateRange(m_ranges);
    m_yAxis->UpdateRange(m_ranges);
}

void TGraph::drawAxes() {
    m_canvas->save();
    m_xAxis->Draw();
    m_canvas->restore();
    m_canvas->save();
    m_yAxis->Draw();
    m_canvas->restore();
}

void TGraph::switchOffYAutoMin() {
    m_yAxis->SetAutoMin(false);
}

void TGraph::clearAxisLabels() {
    m_xAxis->ClearCustomLabels();
    m_yAxis->ClearCustomLabels();
}

void TGraph::SetTicks3D() {
    applyTicks3D(*m_xAxis, *m_yAxis, m_frame.Width);
}

void TGraph::SetTicks2D() {
    applyTicks2D(*m_xAxis, *m_yAxis);
}

namespace {
TGraph::AxisFacts factsOf(const TGraph& graph, const TAxis& axis) {
    TGraph::AxisFacts f;
    f.visible = axis.Visible();
    f.log = axis.Log();
    f.invert = axis.Invert();
    f.autoMin = axis.AutoMin();
    f.autoMax = axis.AutoMax();
    f.minimum = axis.Minimum();
    f.maximum = axis.Maximum();
    f.name = axis.Name();
    f.labelFont = scaledFont(&graph, axis.Font().toQFont());
    f.nameFont = scaledFont(&graph, axis.NameFont().toQFont());
    f.ticksOut = axis.Ticks().Direction == TTicksDirection::tdOut;
    f.majorLength = axis.Ticks().MajorLength;
    f.decimals = axis.Decimals();
    return f;
}
} // namespace

TGraph::AxisFacts TGraph::xFacts() const {
    return factsOf(*this, *m_xAxis);
}

TGraph::AxisFacts TGraph::yFacts() const {
    return factsOf(*this, *m_yAxis);
}

bool TGraph::zoomEnabled() const {
    return m_zoom->Enabled();
}

bool TGraph::zoomDragging() const {
    return m_zoom->dragging();
}

bool TGraph::zoomMouseDown(MouseButton button, int x, int y) {
    if (!m_zoom->Enabled() || button != MouseButton::Left) return false;
    m_zoom->MouseDown(x, y);
    return true;
}

bool TGraph::zoomMouseMove(int x, int y) {
    const int d = m_depth3D;
    const QRect area(QPoint(m_plotRect.left(), m_plotRect.top() - d),
                     QPoint(m_plotRect.right() + d, m_plotRect.bottom()));
    if (m_zoom->dragging()) {
        setCursor(ChartCursor::ZoomIn);
        m_zoom->MouseMove(x, y);
        return true;
    }
    if (area.contains(x, y) && m_zoom->Enabled()) {
        if (const auto cursor = m_zoom->cursor()) setCursor(*cursor);
        return true;
    }
    return false;
}

bool TGraph::zoomMouseUp(int x, int y) {
    if (!m_zoom->dragging()) return false;
    return m_zoom->MouseUp(x, y);
}

} // namespace brelt::chart
