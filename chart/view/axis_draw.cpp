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

TickGeometry tickGeometry(const TAxisTicks& ticks, const TGraph& graph) {
    TickGeometry g;
    g.major = graph.unitsToPixels(ticks.MajorLength);
    g.minor = graph.unitsToPixels(ticks.MinorLength);
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

QFont fontAtSize(const TChartFont& font, int size) {
    TChartFont sized = font;
    sized.size = size;
    return sized.toQFont();
}

// Minus signs are drawn as such (U+2212), not as hyphens.
QString typeset(const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (shown.startsWith(QLatin1Char('-'))) shown[0] = QChar(0x2212);
    return shown;
}

QString labelText(const Tick& tick) {
    return typeset(tick.label);
}

// Where a label starts along its axis: the first at its tick, the others centred, and one that
// would pass the far edge ends at its tick.
int labelStart(int position, int width, bool first, int farEdge) {
    int start = first ? position : position - width / 2;
    if (start + width > farEdge) start = position - width;
    return start;
}

// Only every n-th major is labelled: n runs 1, 2, 5, 10, ... times the axis's own interval, so
// the labels left stand on round values.
long long nextInterval(long long n, int base) {
    long long k = n / base;
    long long decade = 1;
    while (k >= 10 * decade)
        decade *= 10;
    const long long digit = k / decade;
    return base * (digit == 1 ? 2 * decade : digit == 2 ? 5 * decade : 10 * decade);
}

bool labelledAt(const Tick& tick, long long interval) {
    return tick.order % interval == 0;
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

TAxis::LabelLook::LabelLook(const TAxis& axis, const QPaintDevice* device)
    : base(scaledFont(&axis.m_graph, axis.m_font.toQFont())),
      // The raised exponent: two points smaller, as the screen shows it.
      small(scaledFont(&axis.m_graph, fontAtSize(axis.m_font, std::max(1, axis.m_font.size - 2)))),
      baseMetrics(base, device), smallMetrics(small, device) {
    gap = std::max(1, scaledPixels(&axis.m_graph, 1));
    // The exponent's baseline stands half a capital above the label's; the label moves down by
    // what the exponent then rises above the label's top.
    raise = std::max(0, smallMetrics.ascent() - baseMetrics.ascent() + baseMetrics.capHeight() / 2);
}

int TAxis::LabelLook::width(const Tick& tick) const {
    const int w = baseMetrics.horizontalAdvance(labelText(tick));
    if (tick.exponent.empty()) return w;
    return w + gap + smallMetrics.horizontalAdvance(typeset(tick.exponent));
}

int TAxis::LabelLook::height(bool withExponent) const {
    return baseMetrics.height() + (withExponent ? raise : 0);
}

void TAxis::LabelLook::draw(QPainter& painter, int left, int top, const Tick& tick) const {
    const QString text = labelText(tick);
    if (tick.exponent.empty()) {
        painter.setFont(base);
        painter.drawText(left, top + baseMetrics.ascent(), text);
        return;
    }
    painter.setFont(base);
    painter.drawText(left, top + raise + baseMetrics.ascent(), text);
    painter.setFont(small);
    painter.drawText(left + baseMetrics.horizontalAdvance(text) + gap, top + smallMetrics.ascent(),
                     typeset(tick.exponent));
    painter.setFont(base);
}

std::vector<bool> TAxis::labelledTicks(const std::vector<Tick>& ticks,
                                       const std::function<int(double)>& along, int farEdge,
                                       const LabelLook& look) const {
    // Labels stand at least the width of "0" apart. Failing that, only every n-th major keeps its
    // label: first n = 1, 2, 5, 10, ... times the axis's own interval counted on the majors' places
    // (round values, round decades); if that leaves fewer than two labels, every n-th from the
    // first; if nothing stands clear, the first label alone.
    const int gap = look.baseMetrics.horizontalAdvance(QStringLiteral("0"));
    std::vector<size_t> majors;
    long long spread = 1; // how far the majors' places run
    for (size_t i = 0; i < ticks.size(); ++i)
        if (ticks[i].major) {
            majors.push_back(i);
            spread = std::max(spread, std::llabs(ticks[i].order) + 1);
        }
    auto trial = [&](const std::function<bool(size_t, size_t)>& chosen, std::vector<bool>& labelled) {
        labelled.assign(ticks.size(), false);
        int count = 0;
        int previousEnd = 0;
        for (size_t k = 0; k < majors.size(); ++k) {
            const size_t i = majors[k];
            if (!chosen(k, i)) continue;
            const int width = look.width(ticks[i]);
            const int start = labelStart(along(ticks[i].value), width, count == 0, farEdge);
            if (count > 0 && start < previousEnd + gap) return -1;
            previousEnd = start + width;
            labelled[i] = true;
            ++count;
        }
        return count;
    };
    std::vector<bool> labelled;
    const int wanted = majors.size() > 1 ? 2 : 1;
    const int base = labelInterval();
    for (long long n = base; n <= 2 * spread; n = nextInterval(n, base))
        if (trial([&](size_t, size_t i) { return labelledAt(ticks[i], n); }, labelled) >= wanted)
            return labelled;
    for (size_t n = static_cast<size_t>(base); n < majors.size(); n += static_cast<size_t>(base))
        if (trial([n](size_t k, size_t) { return k % n == 0; }, labelled) >= wanted) return labelled;
    trial([](size_t k, size_t) { return k == 0; }, labelled);
    return labelled;
}

void TXAxis::Draw() {
    QPainter* painter = m_graph.canvas();
    if (!painter) return;
    painter->save();
    // Axis lines and ticks run along the pixel grid: sharp without smoothing.
    painter->setRenderHint(QPainter::Antialiasing, false);
    const TickGeometry g = tickGeometry(Ticks(), m_graph);
    const int pen = m_graph.penPixels(lineWidth());
    const QRect plot = m_graph.GetPlotRect();
    const QRect rect = axisRect(m_graph);
    const int y0 = rect.bottom();
    const int depth = m_graph.depth3D();
    const std::vector<Tick> ticks = ticksWithin(
        ticksToDraw(), [this](double v) { return m_graph.XToPixel(v); }, plot.left(), plot.right());

    // Grid first, so that ticks and the axis line stay on top of it.
    if (Grid()) {
        painter->setPen(QPen(toQColor(GridColor()), m_graph.penPixels(1), Qt::SolidLine));
        for (const Tick& tick : ticks) {
            const int x = m_graph.XToPixel(tick.value);
            if (x < plot.left() || x > plot.right()) continue;
            painter->drawLine(x + depth, rect.top() - depth, x + depth, rect.bottom() - depth);
            if (depth > 0) painter->drawLine(x + depth, rect.bottom() - depth, x, rect.bottom());
        }
    }

    painter->setPen(QPen(penColor(), pen, Qt::SolidLine, Qt::FlatCap));
    if (Visible() && axisLine()) {
        const int right = depth > 0 ? rect.right() - m_graph.framePixelWidth() : rect.right();
        painter->drawLine(rect.left(), y0, right, y0);
    }

    const LabelLook look(*this, painter->device());
    painter->setFont(look.base);
    if (Visible() && !Name().isEmpty()) {
        const int g8 =
            textHeight(&m_graph, scaledFont(&m_graph, fontAtSize(Font(), 8)), QStringLiteral("Aj"));
        const QFont nameFont = scaledFont(&m_graph, NameFont().toQFont());
        const QFontMetrics nameMetrics(nameFont, painter->device());
        const int width = nameMetrics.horizontalAdvance(Name());
        const int x = (rect.left() + rect.right()) / 2 - width / 2;
        painter->save();
        painter->setPen(m_graph.monochromeText() ? QColor(Qt::black) : toQColor(NameFont().color));
        painter->setFont(nameFont);
        painter->drawText(x, y0 + g.labelOffset + g8 + m_graph.scaledPixels(3) + nameMetrics.ascent(),
                          Name());
        painter->restore();
    }

    const bool shown = Visible() && numericLabels();
    const int labelTop = y0 + g.labelOffset;
    // Beside raised exponents plain labels ("0") keep the others' baseline.
    const bool raised =
        std::any_of(ticks.begin(), ticks.end(), [](const Tick& t) { return !t.exponent.empty(); });
    const std::vector<bool> labelled = labelledTicks(
        ticks, [this](double v) { return m_graph.XToPixel(v); }, rect.right(), look);
    bool firstLabel = true;
    for (size_t i = 0; i < ticks.size(); ++i) {
        const Tick& tick = ticks[i];
        const int x = m_graph.XToPixel(tick.value);
        // The whole plot width counts, so that ticks at the range's very ends keep their labels.
        const bool inside = x >= plot.left() && x <= plot.right();
        if (tick.major) {
            if (shown && inside && Ticks().MajorVisible) painter->drawLine(x, y0, x, y0 + g.major);
            if (shown && inside && labelled[i]) {
                painter->save();
                painter->setPen(textColor());
                const int width = look.width(tick);
                const int top = labelTop + (raised && tick.exponent.empty() ? look.raise : 0);
                look.draw(*painter, labelStart(x, width, firstLabel, rect.right()), top, tick);
                painter->restore();
                firstLabel = false;
            }
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
            const int width = look.baseMetrics.horizontalAdvance(label.text);
            painter->drawText(x - width / 2, labelTop + look.baseMetrics.ascent(), label.text);
            painter->restore();
        }
    }
    painter->restore();
}

void TYAxis::Draw() {
    QPainter* painter = m_graph.canvas();
    if (!painter) return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    const TickGeometry g = tickGeometry(Ticks(), m_graph);
    const int pen = m_graph.penPixels(lineWidth());
    const QRect plot = m_graph.GetPlotRect();
    const QRect rect = axisRect(m_graph);
    const int x0 = rect.left();
    const int depth = m_graph.depth3D();
    const std::vector<Tick> ticks = ticksWithin(
        ticksToDraw(), [this](double v) { return m_graph.YToPixel(v); }, plot.top(), plot.bottom());

    if (Grid()) {
        painter->setPen(QPen(toQColor(GridColor()), m_graph.penPixels(1), Qt::SolidLine));
        for (const Tick& tick : ticks) {
            const int y = m_graph.YToPixel(tick.value);
            if (y < plot.top() || y > plot.bottom()) continue;
            painter->drawLine(rect.left() + depth, y - depth, rect.right() + depth, y - depth);
            if (depth > 0) painter->drawLine(rect.left() + depth, y - depth, rect.left(), y);
        }
    }

    painter->setPen(QPen(penColor(), pen, Qt::SolidLine, Qt::FlatCap));
    if (Visible() && axisLine()) {
        const int top = depth > 0 ? rect.top() + m_graph.framePixelWidth() : rect.top();
        painter->drawLine(x0, rect.bottom(), x0, top);
    }

    const LabelLook look(*this, painter->device());
    const QFont labelFont = look.base;
    painter->setFont(labelFont);
    const bool raised =
        std::any_of(ticks.begin(), ticks.end(), [](const Tick& t) { return !t.exponent.empty(); });
    // The labels' tops face left; a raised exponent widens them by its rise.
    const int labelLeft = x0 - g.labelOffset - look.height(raised);
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
        const QFont nameFont = scaledFont(&m_graph, NameFont().toQFont());
        const int width = QFontMetrics(nameFont, painter->device()).horizontalAdvance(Name());
        const int left = labelLeft - textHeight(&m_graph, nameFont, QStringLiteral("()"));
        const int middle = (rect.top() + rect.bottom()) / 2;
        drawUpwards(nameFont, left, -middle - width / 2, Name(),
                    m_graph.monochromeText() ? QColor(Qt::black) : toQColor(NameFont().color));
    }

    const bool shown = Visible() && numericLabels();
    const std::vector<bool> labelled = labelledTicks(
        ticks, [this](double v) { return -m_graph.YToPixel(v); }, -rect.top(), look);
    bool firstLabel = true;
    for (size_t i = 0; i < ticks.size(); ++i) {
        const Tick& tick = ticks[i];
        const int y = m_graph.YToPixel(tick.value);
        const bool inside = y >= plot.top() && y <= plot.bottom();
        if (tick.major) {
            if (shown && inside && Ticks().MajorVisible) painter->drawLine(x0, y, x0 - g.major, y);
            if (shown && inside && labelled[i]) {
                // Measured upwards from the bottom: the far edge is the top of the axis.
                const int width = look.width(tick);
                const int start = labelStart(-y, width, firstLabel, -rect.top());
                painter->save();
                painter->setPen(textColor());
                painter->translate(labelLeft, 0);
                painter->rotate(-90);
                look.draw(*painter, start, raised && tick.exponent.empty() ? look.raise : 0, tick);
                painter->restore();
                firstLabel = false;
            }
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
            const int width = look.baseMetrics.horizontalAdvance(label.text);
            drawUpwards(labelFont, labelLeft, -y - width / 2, label.text, textColor());
        }
    }
    painter->restore();
}

} // namespace brelt::chart
