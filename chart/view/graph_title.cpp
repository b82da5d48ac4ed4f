#include "chart/view/graph_title.h"

#include "chart/view/text_metrics.h"

#include <QPainter>

namespace brelt::chart {

QString TGraphTitle::Text() const {
    QString text;
    for (const QString& line : m_lines)
        text += line + QLatin1Char('#');
    return text;
}

void TGraphTitle::SetText(const QString& text) {
    m_lines = text.split(QLatin1Char('#'));
    // "a#b#" as read back from Text() sets the same two lines again.
    if (!m_lines.isEmpty() && m_lines.last().isEmpty()) m_lines.removeLast();
    if (m_lines.size() == 1 && m_lines.first().isEmpty()) m_lines.clear();
}

int TGraphTitle::blockHeight() const {
    return shown()
               ? static_cast<int>(m_lines.size()) * textHeight(m_graph, scaledFont(m_graph, Font.toQFont()))
               : 0;
}

void TGraphTitle::reserveTop(QRect& r) {
    const int h = blockHeight();
    m_band = QRect(QPoint(r.left(), r.top()), QPoint(r.right(), r.top() + h));
    r.setTop(r.top() + h);
}

void TGraphTitle::reserveBottom(QRect& r) {
    const int h = blockHeight();
    m_band = QRect(QPoint(r.left(), r.bottom() - h), QPoint(r.right(), r.bottom()));
    r.setBottom(r.bottom() - h);
}

void TGraphTitle::setSpan(int left, int right) {
    m_band.setLeft(left);
    m_band.setRight(right);
}

void TGraphTitle::Draw(QPainter& painter, bool monochrome) const {
    if (!shown()) return;
    painter.save();
    painter.setClipping(false);
    const QFont font = scaledFont(m_graph, Font.toQFont());
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int h = metrics.height();
    int flags = Qt::AlignHCenter;
    if (Alignment == TAlignment::taLeftJustify) flags = Qt::AlignLeft;
    if (Alignment == TAlignment::taRightJustify) flags = Qt::AlignRight;
    const QColor color = monochrome ? QColor(Qt::black) : toQColor(Font.color);
    int y = m_band.top();
    for (const QString& line : m_lines) {
        const QRect row(m_band.left(), y, m_band.right() - m_band.left(), h);
        if (Style != TTitleStyle::tsNormal) {
            // Sunken: light below right, dark above left; raised the other way round.
            const bool lowered = Style == TTitleStyle::tsLowered;
            painter.setPen(lowered ? QColor(Qt::white) : QColor(Qt::darkGray));
            painter.drawText(row.translated(1, 1), flags | Qt::AlignTop, line);
            painter.setPen(lowered ? QColor(Qt::darkGray) : QColor(Qt::white));
            painter.drawText(row.translated(-1, -1), flags | Qt::AlignTop, line);
        }
        painter.setPen(color);
        painter.drawText(row, flags | Qt::AlignTop, line);
        y += h;
    }
    painter.restore();
}

} // namespace brelt::chart
