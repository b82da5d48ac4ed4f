// Painting the two axes: line, major and minor ticks, numeric or custom labels, the name and the
// grid. The X axis runs along the bottom of the plot area with labels below; the Y axis mirrors
// it along the left edge with its texts turned to read upwards. Sizes count in the scale unit so
// that ticks grow on paper.
#include "chart/view/axis.h"

#include "chart/view/graph.h"
#include "chart/view/text_metrics.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <functional>

namespace brelt::chart {

namespace {

// Tick lengths and the label offset of one axis, in pixels (negative lengths point inwards).
struct TickGeometry {
    int major = 0;
    int minor = 0;
    int labelOffset = 0;
};

TickGeometry tickGeometry(const TAxisTicks& ticks, int unit) {
    TickGeometry g;
    g.major = unit * ticks.MajorLength;
    g.minor = unit * ticks.MinorLength;
    g.labelOffset = g.major;
    if (ticks.Direction == TTicksDirection::tdIN) {
        g.major = -g.major;
        g.minor = -g.minor;
        g.labelOffset = 0;
    }
    return g;
}

// The rectangle the axis is drawn along: the plot rectangle inside the frame's width.
QRect axisRect(const TGraph& graph) {
    const int w = graph.framePixelWidth();
    return graph.GetPlotRect().adjusted(w, w, -w, -w);
}

QFont smallerFont(const TChartFont& font, int points) {
    TChartFont smaller = font;
    smaller.size = std::max(1, font.size - points);
    return smaller.toQFont();
}

QFont fontAtSize(const TChartFont& font, int size) {
    TChartFont sized = font;
    sized.size = size;
    return sized.toQFont();
}

QString labelText(const Tick& tick) {
    return QString::fromStdString(tick.label);
}

// Where a label starts along its axis: the first at its tick, the others centred, and one that
// would pass the far edge ends at its tick.
int labelStart(int position, int width, bool first, int farEdge) {
    int start = first ? position : position - width / 2;
    if (start + width > farEdge) start = position - width;
    return start;
}

// The stretch of axis a major label covers when it is drawn: `along` is the tick's pixel along the
// axis in walking order, `farEdge` the end of the axis in the same measure.
std::pair<int, int> labelSpan(const Tick& tick, int along, bool first, int farEdge,
                              const QFontMetrics& metrics) {
    const int width = metrics.horizontalAdvance(labelText(tick));
    if (!tick.exponent.empty()) {
        const int tail = metrics.horizontalAdvance(QStringLiteral("0 ")) +
                         metrics.horizontalAdvance(QString::fromStdString(tick.exponent));
        return {along - width / 2, along + tail};
    }
    const int start = labelStart(along, width, first, farEdge);
    return {start, start + width};
}

// The label interval in force: the axis's own, widened in whole multiples while neighbouring
// labels would run into each other (a narrow chart or a large font).
int crowdFreeInterval(const std::vector<Tick>& ticks, const std::function<int(double)>& along, int farEdge,
                      const QFontMetrics& metrics, int interval) {
    std::vector<const Tick*> majors;
    for (const Tick& tick : ticks)
        if (tick.major) majors.push_back(&tick);
    const int gap = metrics.horizontalAdvance(QStringLiteral("0"));
    const int count = static_cast<int>(majors.size());
    for (int n = interval; n < count; n += interval) {
        bool clear = true;
        int previousEnd = 0;
        for (int i = 0; i < count && clear; i += n) {
            const auto [start, end] =
                labelSpan(*majors[i], along(majors[i]->value), i == 0, farEdge, metrics);
            clear = i == 0 || start >= previousEnd + gap;
            previousEnd = end;
        }
        if (clear) return n;
    }
    return std::max(interval, count);
}

// The ticks whose pixel lies within one pixel of [low, high]; the others are skipped.
std::vector<Tick> ticksWithin(std::vector<Tick> ticks, const std::function<int(double)>& pixel, int low,
                              int high) {
    std::erase_if(ticks, [&](const Tick& t) {
        const int p = pixel(t.value);
        return p < low - 1 || p > high + 1;
    });
    return ticks;
}

bool inAxisRange(double value, double low, double high, bool log, double minLogValue) {
    const double v = log ? std::log10(std::max(value, minLogValue)) : value;
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(high - low));
    return v >= low - tolerance && v <= high + tolerance;
}

} // namespace

void TAxis::drawLogLabel(QPainter& painter, int x, int top, const Tick& tick) const {
    // "10" centred at the tick, the decade raised after it in a font two points smaller.
    const QFont base = m_font.toQFont();
    const QFontMetrics baseMetrics(base, painter.device());
    const QString ten = labelText(tick);
    const int tenWidth = baseMetrics.horizontalAdvance(ten);
    const int exponentStart = x + baseMetrics.horizontalAdvance(QStringLiteral("0 "));
    painter.setFont(base);
    painter.drawText(x - tenWidth / 2, top + baseMetrics.ascent(), ten);
    const QFont small = smallerFont(m_font, 2);
    painter.setFont(small);
    painter.drawText(exponentStart, top + QFontMetrics(small, painter.device()).ascent(),
                     QString::fromStdString(tick.exponent));
    painter.setFont(base);
}

void TXAxis::Draw() {
    QPainter* painter = m_graph.canvas();
    if (!painter) return;
    painter->save();
    const TickGeometry g = tickGeometry(Ticks(), m_graph.scaleUnit());
    const QRect plot = m_graph.GetPlotRect();
    const QRect rect = axisRect(m_graph);
    const int y0 = rect.bottom();
    const int depth = m_graph.depth3D();
    const std::vector<Tick> ticks = ticksWithin(
        ticksToDraw(), [this](double v) { return m_graph.XToPixel(v); }, plot.left(), plot.right());

    // Grid first, so that ticks and the axis line stay on top of it.
    if (Grid()) {
        painter->setPen(QPen(toQColor(GridColor()), 1, Qt::SolidLine));
        for (const Tick& tick : ticks) {
            const int x = m_graph.XToPixel(tick.value);
            if (x < plot.left() || x > plot.right()) continue;
            painter->drawLine(x + depth, rect.top() - depth, x + depth, rect.bottom() - depth);
            if (depth > 0) painter->drawLine(x + depth, rect.bottom() - depth, x, rect.bottom());
        }
    }

    painter->setPen(QPen(penColor(), lineWidth(), Qt::SolidLine));
    if (Visible() && axisLine()) {
        const int right = depth > 0 ? rect.right() - m_graph.framePixelWidth() : rect.right();
        painter->drawLine(rect.left(), y0, right, y0);
    }

    const QFont labelFont = Font().toQFont();
    painter->setFont(labelFont);
    const QFontMetrics metrics(labelFont, painter->device());
    if (Visible() && !Name().isEmpty()) {
        const int g8 = textHeight(&m_graph, fontAtSize(Font(), 8), QStringLiteral("Aj"));
        const QFont nameFont = NameFont().toQFont();
        const QFontMetrics nameMetrics(nameFont, painter->device());
        const int width = nameMetrics.horizontalAdvance(Name());
        const int x = (rect.left() + rect.right()) / 2 - width / 2;
        painter->save();
        painter->setPen(m_graph.monochromeText() ? QColor(Qt::black) : toQColor(NameFont().color));
        painter->setFont(nameFont);
        painter->drawText(x, y0 + g.labelOffset + g8 + 3 + nameMetrics.ascent(), Name());
        painter->restore();
    }

    const bool shown = Visible() && numericLabels();
    const int labelTop = y0 + g.labelOffset;
    const int interval = crowdFreeInterval(
        ticks, [this](double v) { return m_graph.XToPixel(v); }, rect.right(), metrics, labelInterval());
    int majorIndex = 0;
    bool firstLabel = true;
    for (const Tick& tick : ticks) {
        const int x = m_graph.XToPixel(tick.value);
        // The whole plot width counts, so that ticks at the range's very ends keep their labels.
        const bool inside = x >= plot.left() && x <= plot.right();
        if (tick.major) {
            if (shown && inside && Ticks().MajorVisible) painter->drawLine(x, y0, x, y0 + g.major);
            if (shown && inside && majorIndex % interval == 0) {
                painter->save();
                painter->setPen(textColor());
                if (!tick.exponent.empty()) {
                    drawLogLabel(*painter, x, labelTop, tick);
                } else {
                    const QString text = labelText(tick);
                    const int width = metrics.horizontalAdvance(text);
                    const int start = labelStart(x, width, firstLabel, rect.right());
                    painter->drawText(start, labelTop + metrics.ascent(), text);
                }
                painter->restore();
                firstLabel = false;
            }
            ++majorIndex;
        } else if (shown && Ticks().MinorVisible && x >= plot.left() - 1 && x <= plot.right() + 1) {
            painter->drawLine(x, y0, x, y0 + g.minor);
        }
    }

    if (Visible() && !numericLabels() && !customLabels().empty()) {
        const auto [left, right] = endsOf(m_graph.ranges());
        for (const AxisCustomLabel& label : customLabels()) {
            if (!inAxisRange(label.value, std::min(left, right), std::max(left, right), Log(),
                             m_graph.minLogValue()))
                continue;
            const int x = m_graph.XToPixel(label.value);
            painter->drawLine(x, y0, x, y0 + g.major);
            painter->save();
            painter->setPen(textColor());
            const int width = metrics.horizontalAdvance(label.text);
            painter->drawText(x - width / 2, labelTop + metrics.ascent(), label.text);
            painter->restore();
        }
    }
    painter->restore();
}

void TYAxis::Draw() {
    QPainter* painter = m_graph.canvas();
    if (!painter) return;
    painter->save();
    const TickGeometry g = tickGeometry(Ticks(), m_graph.scaleUnit());
    const QRect plot = m_graph.GetPlotRect();
    const QRect rect = axisRect(m_graph);
    const int x0 = rect.left();
    const int depth = m_graph.depth3D();
    const std::vector<Tick> ticks = ticksWithin(
        ticksToDraw(), [this](double v) { return m_graph.YToPixel(v); }, plot.top(), plot.bottom());

    if (Grid()) {
        painter->setPen(QPen(toQColor(GridColor()), 1, Qt::SolidLine));
        for (const Tick& tick : ticks) {
            const int y = m_graph.YToPixel(tick.value);
            if (y < plot.top() || y > plot.bottom()) continue;
            painter->drawLine(rect.left() + depth, y - depth, rect.right() + depth, y - depth);
            if (depth > 0) painter->drawLine(rect.left() + depth, y - depth, rect.left(), y);
        }
    }

    painter->setPen(QPen(penColor(), lineWidth(), Qt::SolidLine));
    if (Visible() && axisLine()) {
        const int top = depth > 0 ? rect.top() + m_graph.framePixelWidth() : rect.top();
        painter->drawLine(x0, rect.bottom(), x0, top);
    }

    const QFont labelFont = Font().toQFont();
    painter->setFont(labelFont);
    const QFontMetrics metrics(labelFont, painter->device());
    const int hAj = textHeight(&m_graph, labelFont, QStringLiteral("Aj"));
    const int labelLeft = x0 - g.labelOffset - hAj;
    // Text turned to read upwards, its top facing left; `start` counts upwards (minus screen y).
    auto drawUpwards = [&](const QFont& font, int left, int start, const QString& text, QColor color) {
        painter->save();
        painter->setPen(color);
        painter->setFont(font);
        painter->translate(left, 0);
        painter->rotate(-90);
        painter->drawText(start, QFontMetrics(font, painter->device()).ascent(), text);
        painter->restore();
    };

    if (Visible() && !Name().isEmpty()) {
        const QFont nameFont = NameFont().toQFont();
        const int width = QFontMetrics(nameFont, painter->device()).horizontalAdvance(Name());
        const int left = labelLeft - textHeight(&m_graph, nameFont, QStringLiteral("()"));
        const int middle = (rect.top() + rect.bottom()) / 2;
        drawUpwards(nameFont, left, -middle - width / 2, Name(),
                    m_graph.monochromeText() ? QColor(Qt::black) : toQColor(NameFont().color));
    }

    const bool shown = Visible() && numericLabels();
    const int interval = crowdFreeInterval(
        ticks, [this](double v) { return -m_graph.YToPixel(v); }, -rect.top(), metrics, labelInterval());
    int majorIndex = 0;
    bool firstLabel = true;
    for (const Tick& tick : ticks) {
        const int y = m_graph.YToPixel(tick.value);
        const bool inside = y >= plot.top() && y <= plot.bottom();
        if (tick.major) {
            if (shown && inside && Ticks().MajorVisible) painter->drawLine(x0, y, x0 - g.major, y);
            if (shown && inside && majorIndex % interval == 0) {
                if (!tick.exponent.empty()) {
                    painter->save();
                    painter->setPen(textColor());
                    painter->translate(labelLeft, y);
                    painter->rotate(-90);
                    drawLogLabel(*painter, 0, 0, tick);
                    painter->restore();
                } else {
                    const QString text = labelText(tick);
                    const int width = metrics.horizontalAdvance(text);
                    // Measured upwards from the bottom: the far edge is the top of the axis.
                    const int start = labelStart(-y, width, firstLabel, -rect.top());
                    drawUpwards(labelFont, labelLeft, start, text, textColor());
                }
                firstLabel = false;
            }
            ++majorIndex;
        } else if (shown && Ticks().MinorVisible && y >= plot.top() - 1 && y <= plot.bottom() + 1) {
            painter->drawLine(x0, y, x0 - g.minor, y);
        }
    }

    if (Visible() && !numericLabels() && !customLabels().empty()) {
        const auto [bottom, top] = endsOf(m_graph.ranges());
        for (const AxisCustomLabel& label : customLabels()) {
            if (!inAxisRange(label.value, std::min(bottom, top), std::max(bottom, top), Log(),
                             m_graph.minLogValue()))
                continue;
            const int y = m_graph.YToPixel(label.value);
            painter->drawLine(x0, y, x0 - g.major, y);
            const int width = metrics.horizontalAdvance(label.text);
            drawUpwards(labelFont, labelLeft, -y - width / 2, label.text, textColor());
        }
    }
    painter->restore();
}

} // namespace brelt::chart
