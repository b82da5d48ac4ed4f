#include "chart/contour/contour_label.h"

#include "chart/contour/contour.h"
#include "chart/data/graph_context.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace brelt::chart {

double slopeAngle(double x1, double y1, double x2, double y2) {
    if (x2 == x1) return -90;
    return std::atan((y2 - y1) / (x2 - x1)) * 180 / std::numbers::pi;
}

TContourLabel::TContourLabel(TContour* contour, const ContourPolyline* line, int digits)
    : m_contour(contour), m_line(line) {
    const LabelSegment& s = line->labelSegment;
    moveTo(s.x1, s.y1, s.x2, s.y2);
    setDigits(digits);
}

void TContourLabel::moveTo(double x1, double y1, double x2, double y2) {
    m_x1 = x1, m_y1 = y1, m_x2 = x2, m_y2 = y2;
    m_angle = slopeAngle(x1, y1, x2, y2);
}

QString TContourLabel::textOf(double level, int digits) {
    return QString::number(level, 'f', std::clamp(digits, 0, 18)).left(kMaxLabelTextLength);
}

void TContourLabel::setDigits(int digits) {
    m_text = textOf(m_line->level, digits);
}

TGraphContext* TContourLabel::graph() const {
    return m_contour ? m_contour->graph() : nullptr;
}

void TContourLabel::draw(const QFont& font, TColor textColor, TColor background) {
    const TGraphContext* chart = graph();
    if (!chart || !chart->canvas()) return;
    QPainter& painter = *chart->canvas();
    // Screen direction of the segment from the chart's linear map (pixel y grows downwards), in
    // axis space on logarithmic axes.
    auto axisX = [chart](double v) {
        return chart->xAxisLog() ? std::log10(std::max(v, chart->minLogValue())) : v;
    };
    auto axisY = [chart](double v) {
        return chart->yAxisLog() ? std::log10(std::max(v, chart->minLogValue())) : v;
    };
    const double unitX = chart->PixelToX(1000) - chart->PixelToX(0);
    const double unitY = chart->PixelToY(1000) - chart->PixelToY(0);
    const double dx = unitX != 0 ? (axisX(m_x2) - axisX(m_x1)) * 1000 / unitX : 0;
    const double dy = unitY != 0 ? (axisY(m_y2) - axisY(m_y1)) * 1000 / unitY : 0;
    double degrees = dx == 0 && dy == 0 ? m_angle : std::atan2(-dy, dx) * 180 / std::numbers::pi;
    // Upright: the text never reads upside down.
    if (degrees > 90) degrees -= 180;
    if (degrees <= -90) degrees += 180;

    const QPointF centre((chart->XToPixel(m_x1) + chart->XToPixel(m_x2)) / 2.0,
                         (chart->YToPixel(m_y1) + chart->YToPixel(m_y2)) / 2.0);
    const QFontMetricsF metrics(font, painter.device());
    const double w = metrics.horizontalAdvance(m_text);
    const double h = metrics.height();
    const QRectF local(-w / 2, -h / 2, w, h);
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(-degrees);
    const QPolygonF corners = turn.map(QPolygonF(local));
    m_box = corners.toPolygon();

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(background));
    painter.drawPolygon(corners);
    painter.setTransform(turn, true);
    painter.setFont(font);
    painter.setPen(toQColor(textColor));
    painter.setBrush(Qt::NoBrush);
    painter.drawText(local, Qt::AlignCenter, m_text);
    painter.restore();
}

} // namespace brelt::chart
