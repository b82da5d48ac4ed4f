// TVtChartModel::draw: the page of a surface or polar chart: background, title, legend, and the
// chart itself in what is left.
#include "chart/vtchart/vt_chart_model.h"
#include "chart/vtchart/vt_draw_support.h"
#include "chart/vtchart/vt_polar_draw.h"
#include "chart/vtchart/vt_surface_draw.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace brelt::chart {

void TVtChartModel::draw(QPainter& painter, const QRectF& rect) const {
    const double unit = deviceUnit(painter);
    painter.save();
    // A clip costs on every change of the painter's state; it is set only when the chart shares
    // its device with something else.
    const QPaintDevice* device = painter.device();
    if (!device || !rect.contains(QRectF(0, 0, device->width(), device->height()))) painter.setClipRect(rect);
    painter.fillRect(rect, toQColor(m_plot.BackColor()));
    QRectF area = rect.adjusted(6 * unit, 6 * unit, -6 * unit, -6 * unit);

    if (!m_title.isEmpty()) {
        painter.setFont(vtFont(VtFontRole::Title));
        painter.setPen(Qt::black);
        const QRectF box = drawAnchoredText(painter, QPointF(area.center().x(), area.top()), m_title,
                                            Qt::AlignHCenter | Qt::AlignTop);
        area.setTop(box.bottom() + 4 * unit);
    }
    if (m_showLegend) {
        const std::vector<VtLegendEntry> entries =
            m_type == VtChartType::Polar ? polarLegend(m_grid, m_plot) : surfaceLegend(m_grid, m_plot);
        const QSizeF size = legendSize(painter, entries);
        if (size.width() > 0 && size.width() < area.width() / 2) {
            const QRectF box(QPointF(area.right() - size.width(), area.center().y() - size.height() / 2),
                             size);
            drawLegend(painter, box, entries);
            area.setRight(box.left() - 8 * unit);
        }
    }
    if (area.width() > 4 && area.height() > 4) {
        if (m_type == VtChartType::Polar)
            drawPolarChart(painter, area, m_grid, m_plot);
        else
            drawSurfaceChart(painter, area, m_grid, m_plot);
    }
    painter.restore();
}

} // namespace brelt::chart
