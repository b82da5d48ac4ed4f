#include "chart/view/axis.h"

#include "chart/view/graph.h"

#include <algorithm>

namespace brelt::chart {

TAxis::TAxis(TGraph& graph) : m_graph(graph) {}

bool TAxis::ComputeTicks(double min, double max) {
    m_rangeLow = std::min(min, max);
    m_rangeHigh = std::max(min, max);
    TickOptions options;
    options.autoMin = m_autoMin;
    options.autoMax = m_autoMax;
    options.zoomed = m_graph.zoomInForce();
    options.log = m_log;
    const auto scale = brelt::chart::ComputeTicks(m_rangeLow, m_rangeHigh, options);
    if (!scale) return false; // a zero range keeps the ticks; Layout widens the range
    m_scale = *scale;
    m_hasScale = true;
    return true;
}

void TAxis::UpdateRange(ChartRanges& ranges) {
    if (m_extending) return;
    auto [first, second] = endsOf(ranges);
    if (!ComputeTicks(first, second) || m_graph.zoomInForce() || m_log) return;
    // Write the rounded automatic ends back where they belong: the larger end sits first on an
    // inverted axis.
    const bool ascending = first <= second;
    double& low = ascending ? first : second;
    double& high = ascending ? second : first;
    if (m_autoMin) low = m_scale.min;
    if (m_autoMax) high = m_scale.max;
    setEnds(ranges, first, second);
}

void TAxis::Extend(int before, int after) {
    if ((before == 0 && after == 0) || !m_hasScale) return;
    m_scale = brelt::chart::Extend(m_scale, before, after);
    ChartRanges ranges = m_graph.ranges();
    auto [first, second] = endsOf(ranges);
    const bool ascending = first <= second;
    (ascending ? first : second) = m_scale.min;
    (ascending ? second : first) = m_scale.max;
    setEnds(ranges, first, second);
    m_extending = true;
    m_graph.SetRanges(ranges);
    m_extending = false;
}

std::vector<Tick> TAxis::ticksToDraw() const {
    const auto [first, second] = endsOf(m_graph.ranges());
    if (m_log) {
        // Room for a tick every three screen pixels along the axis.
        const int room = std::max(1, axisLength() / (3 * std::max(1, m_graph.scaleUnit())));
        std::vector<Tick> ticks = logTicks(first, second, room);
        // Below the clamp every value lands on the clamp's pixel: such a tick would stand there
        // with a label that is not the clamp's.
        const double clamp = m_graph.minLogValue();
        std::erase_if(ticks, [clamp](const Tick& t) { return t.value < clamp * (1 - 1e-12); });
        return ticks;
    }
    std::vector<Tick> ticks = linearTicks(m_scale);
    // Ticks are walked from the left (bottom) end: downwards on an inverted axis.
    if (first > second) std::reverse(ticks.begin(), ticks.end());
    return ticks;
}

QColor TAxis::penColor() const {
    return m_graph.monochromeText() ? QColor(Qt::black) : toQColor(m_color);
}

QColor TAxis::textColor() const {
    return m_graph.monochromeText() ? QColor(Qt::black) : toQColor(m_font.color);
}

int TXAxis::axisLength() const {
    return m_graph.GetPlotRect().width();
}

int TYAxis::axisLength() const {
    return m_graph.GetPlotRect().height();
}

std::pair<double, double> TXAxis::endsOf(const ChartRanges& ranges) const {
    return {ranges.left, ranges.right};
}

void TXAxis::setEnds(ChartRanges& ranges, double first, double second) const {
    ranges.left = first;
    ranges.right = second;
}

std::pair<double, double> TYAxis::endsOf(const ChartRanges& ranges) const {
    return {ranges.bottom, ranges.top};
}

void TYAxis::setEnds(ChartRanges& ranges, double first, double second) const {
    ranges.bottom = first;
    ranges.top = second;
}

void applyTicks3D(TXAxis& x, TYAxis& y, int frameWidth) {
    for (TAxis* axis : {static_cast<TAxis*>(&x), static_cast<TAxis*>(&y)}) {
        axis->Ticks().MinorVisible = false;
        axis->Ticks().Direction = TTicksDirection::tdIN;
        axis->Ticks().MajorLength = frameWidth;
        axis->setAxisLine(false);
    }
}

void applyTicks2D(TXAxis& x, TYAxis& y) {
    x.Ticks().MinorVisible = true;
    x.Ticks().Direction = TTicksDirection::tdOut;
    x.Ticks().MajorLength = 9;
    y.Ticks().MinorVisible = true;
    y.Ticks().Direction = TTicksDirection::tdOut;
    y.Ticks().MinorLength = 3;
    x.setAxisLine(true);
    y.setAxisLine(true);
}

} // namespace brelt::chart
