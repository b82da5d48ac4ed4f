#include "chart/vtchart/vt_polar_draw.h"

#include "chart/vtchart/vt_data_grid.h"
#include "chart/vtchart/vt_draw_support.h"
#include "chart/vtchart/vt_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brelt::chart {

namespace {

constexpr int kSpokeStep = 30; // degrees between spokes and angle labels

double dataRadius(const TVtDataGrid& grid) {
    const auto range = grid.valueRange(2, 2);
    if (!range) return 0;
    return std::max(std::fabs(range->first), std::fabs(range->second));
}

NiceAxis radiusAxis(const TVtDataGrid& grid) {
    const double r = dataRadius(grid);
    return niceAxis(0, r > 0 ? r : 1, 5);
}

QString degrees(int angle) {
    return QString::number(angle) + QChar(0x00B0);
}

// The curve as runs of points between null cells; a run of one point is drawn as a dot.
void drawCurve(QPainter& painter, const PolarFrame& frame, const TVtDataGrid& grid, int series,
               const VtSeriesPen& pen, double unit) {
    const int angleColumn = 2 * series + 1;
    painter.setPen(QPen(toQColor(pen.color), std::max(pen.width * unit * 96.0 / 72.0, 0.5 * unit),
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    QPolygonF run;
    auto flush = [&painter, &run] {
        if (run.size() == 1) painter.drawPoint(run.first());
        if (run.size() > 1) painter.drawPolyline(run);
        run.clear();
    };
    for (int r = 1; r <= grid.RowCount(); ++r) {
        const auto angle = grid.value(r, angleColumn);
        const auto radius = grid.value(r, angleColumn + 1);
        if (!angle || !radius) {
            flush();
            continue;
        }
        run.append(frame.point(*angle, *radius));
    }
    flush();
}

} // namespace

QPointF PolarFrame::point(double angleDegrees, double r) const {
    const double a = angleDegrees * std::numbers::pi / 180.0;
    const double k = rMax > 0 ? radius / rMax : 0;
    return {center.x() + k * r * std::cos(a), center.y() - k * r * std::sin(a)};
}

PolarFrame polarFrame(const QPainter& painter, const QRectF& area, const TVtDataGrid& grid) {
    const double unit = deviceUnit(painter);
    const QFontMetricsF metrics(vtFont(VtFontRole::Tick), painter.device());
    const double side = metrics.horizontalAdvance(degrees(330)) + 10 * unit;
    const double top = metrics.height() + 8 * unit;
    PolarFrame frame;
    frame.center = area.center();
    frame.radius = std::max(std::min(area.width() / 2 - side, area.height() / 2 - top), 1.0);
    frame.rMax = radiusAxis(grid).max;
    return frame;
}

void drawPolarChart(QPainter& painter, const QRectF& area, const TVtDataGrid& grid, const TVtPlot& plot) {
    const double unit = deviceUnit(painter);
    const PolarFrame frame = polarFrame(painter, area, grid);
    const NiceAxis radii = radiusAxis(grid);
    const QPointF c = frame.center;
    const double R = frame.radius;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const bool grid1 = plot.Axis(1).majorGridStyle != VtPenNone || plot.Axis(2).majorGridStyle != VtPenNone;

    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(plot.BackColor()));
    painter.drawEllipse(c, R, R);
    painter.setBrush(Qt::NoBrush);
    if (grid1) {
        painter.setPen(QPen(QColor(190, 190, 190), 0.8 * unit));
        for (const AxisTick& tick : radii.ticks)
            if (tick.value > 0 && tick.value < radii.max) {
                const double r = R * tick.value / radii.max;
                painter.drawEllipse(c, r, r);
            }
        for (int a = 0; a < 360; a += kSpokeStep)
            painter.drawLine(c, frame.point(a, radii.max));
    }
    // The two axes through the centre are kept with or without the grid: they carry the labels.
    painter.setPen(QPen(QColor(110, 110, 110), 0.8 * unit));
    painter.drawLine(frame.point(180, radii.max), frame.point(0, radii.max));
    painter.drawLine(frame.point(270, radii.max), frame.point(90, radii.max));
    painter.setPen(QPen(Qt::black, unit));
    painter.drawEllipse(c, R, R);

    painter.setFont(vtFont(VtFontRole::Tick));
    painter.setPen(Qt::black);
    for (int a = 0; a < 360; a += kSpokeStep) {
        const QPointF rim = frame.point(a, radii.max);
        const QPointF out = (rim - c) / R;
        drawAnchoredText(painter, rim + out * 5 * unit, degrees(a), anchorAway(out));
    }
    for (const AxisTick& tick : radii.ticks)
        if (tick.value > 0)
            drawAnchoredText(painter, frame.point(0, tick.value) + QPointF(-2 * unit, 2 * unit), tick.label,
                             Qt::AlignRight | Qt::AlignTop);

    painter.save();
    painter.setClipRect(QRectF(c.x() - R, c.y() - R, 2 * R, 2 * R).adjusted(-R, -R, R, R));
    for (int s = 0; 2 * s + 2 <= grid.ColumnCount(); ++s)
        drawCurve(painter, frame, grid, s, plot.SeriesPen(s), unit);
    painter.restore();

    painter.setFont(vtFont(VtFontRole::AxisTitle));
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(vtFont(VtFontRole::Tick), painter.device());
    if (const QString title = plot.Axis(1).title; !title.isEmpty())
        drawAnchoredText(painter, frame.point(0, radii.max / 2) + QPointF(0, metrics.height() * 1.4), title,
                         Qt::AlignHCenter | Qt::AlignTop);
    // The angle's name under the 0 degree label, where the angles start.
    if (const QString title = plot.Axis(0).title; !title.isEmpty())
        drawAnchoredText(painter, frame.point(0, radii.max) + QPointF(5 * unit, metrics.height() * 0.9),
                         title, Qt::AlignLeft | Qt::AlignTop);
    painter.restore();
}

} // namespace brelt::chart
