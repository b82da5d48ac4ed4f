#include "chart/vtchart/vt_draw_support.h"

#include "chart/scale/nice_numbers.h"
#include "chart/scale/ticks.h"
#include "chart/vtchart/vt_data_grid.h"
#include "chart/vtchart/vt_plot.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

QString axisLabel(double value, double step) {
    const double magnitude = std::max(std::fabs(value), std::fabs(step));
    if (step >= 1e-5 && magnitude < 1e9) {
        const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
        return QString::fromStdString(tickLabel(value, step, decimals));
    }
    if (std::fabs(value) <= std::fabs(step) * 1e-6) return QStringLiteral("0");
    return QString::number(value, 'g', 6);
}

} // namespace

double deviceUnit(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    const int dpi = device ? device->logicalDpiY() : 96;
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

QFont vtFont(VtFontRole role) {
    QFont font(QStringLiteral("Arial"));
    switch (role) {
    case VtFontRole::Tick: font.setPointSizeF(9); break;
    case VtFontRole::Legend: font.setPointSizeF(9); break;
    case VtFontRole::AxisTitle:
        font.setPointSizeF(10);
        font.setBold(true);
        break;
    case VtFontRole::Title:
        font.setPointSizeF(12);
        font.setBold(true);
        break;
    }
    return font;
}

QRectF anchoredTextBox(const QPainter& painter, const QPointF& at, const QString& text,
                       Qt::Alignment anchor) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    double x = at.x() - size.width() / 2;
    if (anchor & Qt::AlignLeft) x = at.x();
    if (anchor & Qt::AlignRight) x = at.x() - size.width();
    double y = at.y() - size.height() / 2;
    if (anchor & Qt::AlignTop) y = at.y();
    if (anchor & Qt::AlignBottom) y = at.y() - size.height();
    return {QPointF(x, y), size};
}

QRectF drawAnchoredText(QPainter& painter, const QPointF& at, const QString& text, Qt::Alignment anchor) {
    const QRectF box = anchoredTextBox(painter, at, text, anchor);
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QPointF(box.left(), box.top() + metrics.ascent()), text);
    return box;
}

Qt::Alignment anchorAway(const QPointF& d) {
    const double length = std::hypot(d.x(), d.y());
    if (!(length > 0)) return Qt::AlignCenter;
    const double x = d.x() / length;
    const double y = d.y() / length;
    // Within about 22 degrees of an axis the label is centred across it.
    Qt::Alignment anchor;
    anchor |= x > 0.38 ? Qt::AlignLeft : x < -0.38 ? Qt::AlignRight : Qt::AlignHCenter;
    anchor |= y > 0.38 ? Qt::AlignTop : y < -0.38 ? Qt::AlignBottom : Qt::AlignVCenter;
    return anchor;
}

NiceAxis niceAxis(double low, double high, int wanted) {
    if (low > high) std::swap(low, high);
    if (!(high > low)) {
        const double half = std::fabs(low) > 0 ? std::fabs(low) * 0.5 : 0.5;
        low -= half;
        high += half;
    }
    TNiceNumbers nice(std::max(wanted, 2), low, high);
    NiceAxis axis;
    const double step = nice.Step();
    if (!(step > 0) || step == kNiceNoValue) {
        axis.min = low;
        axis.max = high;
        return axis;
    }
    axis.min = nice.NiceMin();
    axis.max = nice.NiceMax();
    const int count = static_cast<int>(std::lround((axis.max - axis.min) / step));
    for (int i = 0; i <= count && i <= 1000; ++i) {
        const double v = axis.min + i * step;
        axis.ticks.push_back({v, axisLabel(v, step)});
    }
    return axis;
}

std::vector<LabelTick> labelAxisTicks(const std::vector<QString>& labels, int wanted) {
    std::vector<LabelTick> ticks;
    const int n = static_cast<int>(labels.size());
    if (n == 0) return ticks;
    if (n == 1) {
        ticks.push_back({0.0, labels[0].isEmpty() ? QStringLiteral("1") : labels[0]});
        return ticks;
    }
    const auto first = parseCellText(labels.front());
    const auto last = parseCellText(labels.back());
    if (first && last && *first != *last) {
        const NiceAxis axis = niceAxis(*first, *last, wanted);
        const double span = *last - *first;
        for (const AxisTick& tick : axis.ticks) {
            const double position = (tick.value - *first) / span;
            if (position >= -1e-9 && position <= 1 + 1e-9)
                ticks.push_back({std::clamp(position, 0.0, 1.0), tick.label});
        }
        return ticks;
    }
    const int every = std::max(1, (n + std::max(wanted, 1) - 1) / std::max(wanted, 1));
    for (int i = 0; i < n; i += every)
        ticks.push_back({static_cast<double>(i) / (n - 1), labels[static_cast<size_t>(i)].isEmpty()
                                                               ? QString::number(i + 1)
                                                               : labels[static_cast<size_t>(i)]});
    return ticks;
}

QString shortNumber(double value) {
    return QString::number(value, 'g', 6);
}

std::vector<VtLegendEntry> surfaceLegend(const TVtDataGrid& grid, const TVtPlot& plot) {
    QString name = plot.Axis(1).title;
    if (name.isEmpty()) name = QStringLiteral("Values");
    if (const auto range = grid.valueRange())
        name += QStringLiteral(": ") + shortNumber(range->first) + QStringLiteral(" to ") +
                shortNumber(range->second);
    return {{name, toQColor(plot.SurfaceColor()), false, 1.0}};
}

std::vector<VtLegendEntry> polarLegend(const TVtDataGrid& grid, const TVtPlot& plot) {
    std::vector<VtLegendEntry> entries;
    for (int s = 0; 2 * s + 2 <= grid.ColumnCount(); ++s) {
        QString text = grid.columnLabel(2 * s + 1);
        if (text.isEmpty()) text = grid.columnLabel(2 * s + 2);
        if (text.isEmpty()) text = QStringLiteral("Series %1").arg(s + 1);
        const VtSeriesPen pen = plot.SeriesPen(s);
        entries.push_back({text, toQColor(pen.color), true, pen.width});
    }
    return entries;
}

QSizeF legendSize(const QPainter& painter, const std::vector<VtLegendEntry>& entries) {
    if (entries.empty()) return {};
    const double unit = deviceUnit(painter);
    const QFontMetricsF metrics(vtFont(VtFontRole::Legend), painter.device());
    double widest = 0;
    for (const VtLegendEntry& entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry.text));
    return {widest + 42 * unit, entries.size() * metrics.height() * 1.25 + 10 * unit};
}

void drawLegend(QPainter& painter, const QRectF& box, const std::vector<VtLegendEntry>& entries) {
    if (entries.empty()) return;
    const double unit = deviceUnit(painter);
    painter.save();
    painter.setPen(QPen(QColor(150, 150, 150), unit));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setFont(vtFont(VtFontRole::Legend));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lineHeight = metrics.height() * 1.25;
    double y = box.top() + 5 * unit + lineHeight / 2;
    for (const VtLegendEntry& entry : entries) {
        const double x = box.left() + 6 * unit;
        if (entry.line) {
            painter.setPen(QPen(entry.color, std::max(entry.lineWidth * unit * 96.0 / 72.0, unit * 0.5),
                                Qt::SolidLine, Qt::FlatCap));
            // On a pixel's middle, so that every sample looks as thick as its pen.
            const double middle = std::floor(y) + 0.5;
            painter.drawLine(QPointF(x, middle), QPointF(x + 24 * unit, middle));
        } else {
            painter.setPen(QPen(entry.color.darker(170), unit));
            painter.setBrush(entry.color);
            painter.drawRect(QRectF(x + 4 * unit, y - 6 * unit, 16 * unit, 12 * unit));
        }
        painter.setPen(Qt::black);
        drawAnchoredText(painter, QPointF(x + 30 * unit, y), entry.text, Qt::AlignLeft | Qt::AlignVCenter);
        y += lineHeight;
    }
    painter.restore();
}

} // namespace brelt::chart
