#include "chart/view/graph_info.h"

#include "chart/view/text_metrics.h"

#include <QPainter>

namespace brelt::chart {

TGraphInfo::TGraphInfo(TGraphContext* graph) : TLayer(graph, QStringLiteral("Info")) {
    m_color = Color;
}

bool TGraphInfo::seriesAlive(const TLayer* series) const {
    if (!series || !m_graph) return false;
    for (int i = 0; i < m_graph->LayerCount(); ++i)
        if (m_graph->Layers(i) == series) return true;
    return false;
}

QStringList TGraphInfo::bubbleLines(const TInfoLocation& location) const {
    QStringList lines;
    if (location.series) lines << location.series->Name();
    lines << QStringLiteral("X=") + QString::number(location.x, 'g', 8);
    lines << QStringLiteral("Y=") + QString::number(location.y, 'g', 8);
    return lines;
}

QRect TGraphInfo::bubbleRect(int index) const {
    if (index < 0 || index >= static_cast<int>(m_rects.size())) return {};
    return m_rects[static_cast<std::size_t>(index)];
}

void TGraphInfo::Draw() {
    m_rects.assign(m_locations.size(), QRect());
    if (!Visible() || !m_graph || !m_graph->canvas()) return;
    // Picks of series that were deleted meanwhile are dropped.
    std::erase_if(m_locations, [this](const TInfoLocation& l) { return !seriesAlive(l.series); });
    m_rects.assign(m_locations.size(), QRect());
    QPainter& p = *m_graph->canvas();
    p.save();
    p.setClipping(false);
    const QFont font = scaledFont(m_graph, Font.toQFont());
    p.setFont(font);
    const QFontMetrics metrics(font, p.device());
    const int pad = std::max(2, metrics.height() / 4);
    const int gap = metrics.height();
    for (std::size_t i = 0; i < m_locations.size(); ++i) {
        const TInfoLocation& l = m_locations[i];
        const QPoint point(m_graph->XToPixel(l.x), m_graph->YToPixel(l.y));
        const QStringList lines = bubbleLines(l);
        int w = 0;
        for (const QString& line : lines)
            w = std::max(w, metrics.horizontalAdvance(line));
        const QSize size(w + 2 * pad, static_cast<int>(lines.size()) * metrics.height() + 2 * pad);
        QPoint corner;
        switch (Position) {
        case TInfoPos::ipRightTop: corner = point + QPoint(gap, -gap - size.height()); break;
        case TInfoPos::ipTopCenter: corner = point + QPoint(-size.width() / 2, -gap - size.height()); break;
        case TInfoPos::ipLeftTop: corner = point + QPoint(-gap - size.width(), -gap - size.height()); break;
        case TInfoPos::ipRightBottom: corner = point + QPoint(gap, gap); break;
        case TInfoPos::ipBottomCenter: corner = point + QPoint(-size.width() / 2, gap); break;
        case TInfoPos::ipLeftBottom: corner = point + QPoint(-gap - size.width(), gap); break;
        }
        const QRect rect(corner, size);
        m_rects[i] = rect;
        p.setPen(Qt::black);
        if (Style != TInfoStyle::isNoBubble) {
            p.setBrush(toQColor(Color));
            p.drawLine(point, rect.center());
            if (Style == TInfoStyle::isRoundRect)
                p.drawRoundedRect(rect, pad * 2, pad * 2);
            else
                p.drawRect(rect);
        }
        p.setPen(toQColor(Font.color));
        int y = rect.top() + pad + metrics.ascent();
        for (const QString& line : lines) {
            p.drawText(QPoint(rect.left() + pad, y), line);
            y += metrics.height();
        }
    }
    p.restore();
}

bool TGraphInfo::MouseDown(int x, int y, MouseButton button, ShiftState shift) {
    (void)button;
    (void)shift;
    for (std::size_t i = 0; i < m_rects.size() && i < m_locations.size(); ++i) {
        if (m_rects[i].contains(x, y)) {
            m_locations.erase(m_locations.begin() + static_cast<std::ptrdiff_t>(i));
            m_rects.erase(m_rects.begin() + static_cast<std::ptrdiff_t>(i));
            m_hitIndex = static_cast<int>(i);
            return true;
        }
    }
    m_hitIndex = -1;
    return false;
}

} // namespace brelt::chart
