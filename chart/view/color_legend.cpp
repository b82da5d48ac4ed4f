#include "chart/view/color_legend.h"

#include "chart/contour/color_scale.h"
#include "chart/contour/contour.h"
#include "chart/view/text_metrics.h"

#include <QPainter>

namespace brelt::chart {

namespace {
QFont legendFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    return f;
}
} // namespace

TColorLegend::TColorLegend(TGraphContext* graph) : TLayer(graph, QStringLiteral("ColorLegend")) {}

QString TColorLegend::valueText(double value) {
    return QString::asprintf("%10.5g", value).trimmed();
}

void TColorLegend::cellsFromContour() {
    if (!m_contour || !m_graph) return;
    const TContour* contour = nullptr;
    for (int i = 0; i < m_graph->LayerCount() && !contour; ++i)
        if (m_graph->Layers(i) == m_contour) contour = dynamic_cast<const TContour*>(m_graph->Layers(i));
    m_cells.clear();
    if (!contour) {
        m_contour = nullptr; // gone from the chart
        return;
    }
    ColorScale& scale = programColorScale();
    const auto [top, bottom] = contour->scaleRange();
    scale.setRange(top, bottom);
    for (int k = kBreakCount; k >= 1; --k)
        m_cells.push_back({scale.breakPoint(k), scale.colorOf(scale.breakPoint(k))});
}

void TColorLegend::layout(QRect& r) {
    cellsFromContour();
    if (!takesSpace()) {
        m_box = QRect();
        return;
    }
    const QFont font = scaledFont(m_graph, legendFont());
    const int h = textHeight(m_graph, font);
    int textW = 0;
    for (const ColorCell& c : m_cells)
        textW = std::max(textW, textWidth(m_graph, font, valueText(c.value)));
    const int cellW = 2 * h;
    const int width = cellW + textW + h;
    const int rh = r.bottom() - r.top();
    const int top = r.top() + roundEven(0.05 * rh);
    const int bottom = r.bottom() - roundEven(0.05 * rh);
    const int right = r.right() - roundEven(0.01 * (r.right() - r.left()));
    m_box = QRect(QPoint(right - width, top), QPoint(right, bottom));
    r.setRight(right - width - h);
}

void TColorLegend::Draw() {
    if (!takesSpace() || !m_graph || !m_graph->canvas() || m_box.isNull()) return;
    QPainter& p = *m_graph->canvas();
    p.save();
    p.setClipping(false);
    const QFont font = scaledFont(m_graph, legendFont());
    p.setFont(font);
    const QFontMetrics metrics(font, p.device());
    const int h = metrics.height();
    const int n = static_cast<int>(m_cells.size());
    const int cellW = 2 * h;
    const int top = m_box.top();
    const int height = m_box.bottom() - m_box.top();
    // The highest level on top, as on a map.
    for (int i = 0; i < n; ++i) {
        const ColorCell& c = m_cells[static_cast<std::size_t>(n - 1 - i)];
        const int y1 = top + height * i / n;
        const int y2 = top + height * (i + 1) / n;
        p.fillRect(QRect(m_box.left(), y1, cellW, y2 - y1), toQColor(c.color));
        p.setPen(Qt::black);
        p.drawText(QPoint(m_box.left() + cellW + h / 3, (y1 + y2) / 2 + metrics.ascent() / 2),
                   valueText(c.value));
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(m_box.left(), top, cellW, height));
    p.restore();
}

} // namespace brelt::chart
