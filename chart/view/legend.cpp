#include "chart/view/legend.h"

#include "chart/data/graph_context.h"
#include "chart/data/marker.h"
#include "chart/data/series.h"
#include "chart/view/text_metrics.h"

#include <QPainter>

namespace brelt::chart {

Qt::PenStyle penStyleOf(int lineStyle) {
    switch (lineStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

TLegend::TLegend(TGraphContext* graph, const QString& text) : m_graph(graph) {
    setText(text);
}

QString TLegend::shownText(const QFont& font) const {
    if (m_textLimit <= 0) return m_text;
    return QFontMetrics(font, measuringDevice(m_graph)).elidedText(m_text, Qt::ElideMiddle, m_textLimit);
}

int TLegend::GetWidth(const QFont& font) const {
    if (!m_visible) return 0;
    return textWidth(m_graph, font, shownText(font)) + textWidth(m_graph, font, kSampleFieldText);
}

int TLegend::GetHeight(const QFont& font) const {
    return m_visible ? textHeight(m_graph, font) : 0;
}

void TLegend::Draw(QPainter& painter, const QFont& font, int rowHeight) const {
    if (!m_visible) return;
    const int field = textWidth(m_graph, font, kSampleFieldText);
    painter.save();
    DrawSample(painter, QRect(m_position.x(), m_position.y(), field, rowHeight));
    painter.restore();
    painter.save();
    painter.setFont(font);
    painter.setPen(toQColor(clBlack));
    painter.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(font, painter.device());
    const int y = m_position.y() + rowHeight / 8 + metrics.ascent();
    painter.drawText(QPoint(m_position.x() + field, y), shownText(font));
    painter.restore();
}

void TLegend::DrawSample(QPainter& painter, const QRect& field) const {
    const int y = field.top() + field.height() / 2;
    painter.setPen(QPen(toQColor(m_color), penPixels(m_graph, 1)));
    painter.drawLine(field.left() + field.width() / 4, y, field.left() + field.width() * 3 / 4, y);
}

TLineLegend::~TLineLegend() {
    detachFromSeries();
}

void TLineLegend::detachFromSeries() {
    if (m_series) m_series->unlinkLegend();
    m_series = nullptr;
}

void TLineLegend::takeSeriesLook(TSeries& series, const SeriesLook& look) {
    m_series = &series;
    setLook(look);
}

void TLineLegend::setLook(const SeriesLook& look) {
    m_look = look;
    setText(look.name);
    m_color = look.color;
}

void TLineLegend::DrawSample(QPainter& painter, const QRect& field) const {
    const QColor color = toQColor(m_look.color);
    const int x1 = field.left() + field.width() / 4;
    const int x2 = field.left() + field.width() * 3 / 4;
    const int y = field.top() + field.height() / 2;
    const int width = penPixels(m_graph, m_look.lineWidth);
    QPen pen(color, width, penStyleOf(m_look.lineStyle));
    painter.setBrush(Qt::NoBrush);
    bool marker = false;
    switch (m_look.seriesStyle) {
    case 1: marker = true; break;
    case 3:
        marker = true;
        painter.setPen(pen);
        painter.drawLine(x1, y, x2, y);
        break;
    case 4: {
        // A stepped line: low, up at the middle, high.
        const int h = std::max(2, field.height() / 4);
        const int mid = (x1 + x2) / 2;
        painter.setPen(pen);
        const QPoint steps[] = {{x1, y + h}, {mid, y + h}, {mid, y - h}, {x2, y - h}};
        painter.drawPolyline(steps, 4);
        break;
    }
    case 5:
    case 6:
    case 7: {
        // A small box; in the 3D view it gets a darker side.
        const int h = std::max(3, field.height() / 2);
        const QRect box(x1, y - h / 2, std::max(3, (x2 - x1) / 2), h);
        const int d = m_graph && m_graph->depth3D() > 0 ? std::max(2, h / 3) : 0;
        if (d > 0) {
            const QPoint side[] = {box.topRight(), box.topRight() + QPoint(d, -d),
                                   box.bottomRight() + QPoint(d, -d), box.bottomRight()};
            painter.setPen(QPen(toQColor(darken(m_look.color, 64)), 1));
            painter.setBrush(toQColor(darken(m_look.color, 64)));
            painter.drawPolygon(side, 4);
        }
        painter.setPen(QPen(toQColor(darken(m_look.color, 64)), 1));
        painter.setBrush(color);
        painter.drawRect(box);
        break;
    }
    default:
        painter.setPen(pen);
        painter.drawLine(x1, y, x2, y);
        break;
    }
    if (marker && m_look.markerStyle != TMarkerStyle::msNone) {
        const QFont font = m_graph ? m_graph->chartFont() : QFont(QStringLiteral("Arial"));
        const double factor = m_graph ? m_graph->sizeFactor() : 1.0;
        painter.setRenderHint(QPainter::Antialiasing, true);
        const double size = TMarker::pixelSize(font, m_look.markerSize, painter.device()) * factor;
        TMarker::drawShape(painter, m_look.markerStyle, QPointF((x1 + x2) / 2.0, y), size,
                           m_look.markerFillColor, m_look.markerPenColor, factor);
    }
}

void TContourLegend::DrawSample(QPainter& painter, const QRect& field) const {
    // Three nested ellipses in red, green and blue, the outer one almost the field's width.
    const int h = 2 * roundEven(0.65 * textHeight(m_graph, painter.font()));
    const QPoint centre(field.left() + field.width() / 2, field.top() + field.height() / 2);
    const int w = std::max(4, field.width() - 4);
    const TColor colors[] = {clRed, clGreen, clBlue};
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const int ew = w * (3 - i) / 3;
        const int eh = std::max(2, h * (3 - i) / 3);
        painter.setPen(QPen(toQColor(colors[i]), penPixels(m_graph, 1)));
        painter.drawEllipse(centre, ew / 2, eh / 2);
    }
}

} // namespace brelt::chart
