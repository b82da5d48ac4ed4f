#include "chart/data/bar_group.h"

#include "chart/data/graph_context.h"
#include "chart/data/series.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

struct YWindow {
    double lo;
    double hi;
};

// Visible Y range in data values (log axes raised back to values).
YWindow visibleY(const TGraphContext& graph) {
    const ChartRanges r = graph.ranges();
    double lo = std::min(r.bottom, r.top);
    double hi = std::max(r.bottom, r.top);
    if (graph.yAxisLog()) {
        lo = std::pow(10.0, lo);
        hi = std::pow(10.0, hi);
    }
    return {lo, hi};
}

} // namespace

std::vector<TSeries*> barGroupSeries(const TGraphContext& graph) {
    std::vector<TSeries*> out;
    for (int i = 0; i < graph.LayerCount(); ++i) {
        auto* s = dynamic_cast<TSeries*>(graph.Layers(i));
        if (s && s->Visible() && s->Style() == SeriesStyle::Bar) out.push_back(s);
    }
    return out;
}

int largestCount(const std::vector<TSeries*>& series) {
    int n = 0;
    for (const TSeries* s : series)
        n = std::max(n, s->Count());
    return n;
}

double barBaseline(const TGraphContext& graph) {
    const YWindow w = visibleY(graph);
    if (graph.yAxisLog()) return w.lo;
    return std::clamp(0.0, w.lo, w.hi);
}

double barPixelWidth(const TGraphContext& graph, double barWidth, int maxCount) {
    if (maxCount <= 0) return 0;
    const ChartRanges r = graph.ranges();
    const long double span = std::fabs(static_cast<long double>(r.right) - r.left);
    if (span == 0) return 0;
    const long double slotData = barWidth * span / maxCount;
    return static_cast<double>(slotData * graph.GetPlotRect().width() / span);
}

std::vector<std::vector<QRectF>> barGroupGeometry(const TGraphContext& graph,
                                                  const std::vector<TSeries*>& series) {
    std::vector<std::vector<QRectF>> rects(series.size());
    const int maxCount = largestCount(series);
    if (maxCount == 0) return rects;
    for (size_t s = 0; s < series.size(); ++s)
        rects[s].resize(static_cast<size_t>(series[s]->Count()));

    const BarMode mode = graph.barMode();
    const bool stacked = mode == BarMode::Stacked || mode == BarMode::Stacked100;
    const YWindow win = visibleY(graph);
    const double baseline = barBaseline(graph);
    const double m = static_cast<double>(series.size());

    for (int i = 0; i < maxCount; ++i) {
        long double sum = 0;
        if (mode == BarMode::Stacked100)
            for (TSeries* s : series)
                if (i < s->Count() && isFinite(s->pointAt(i))) sum += s->pointAt(i).Y;
        long double base = 0;
        for (size_t k = 0; k < series.size(); ++k) {
            TSeries* s = series[k];
            if (i >= s->Count()) continue;
            if (!stacked) base = 0;
            const WorldPoint p = s->pointAt(i);
            if (!isFinite(p)) continue; // its rectangle stays empty
            long double top = p.Y + base;
            long double bottom = base != 0 ? base : static_cast<long double>(baseline);
            base = top;
            // A zero sum has no shares; its bars keep their plain values.
            if (mode == BarMode::Stacked100 && sum != 0) {
                top *= 100 / sum;
                bottom *= 100 / sum;
            }
            const double t = std::clamp(static_cast<double>(top), win.lo, win.hi);
            const double b = std::clamp(static_cast<double>(bottom), win.lo, win.hi);
            const double slot = barPixelWidth(graph, s->BarWidth(), maxCount);
            const double cx = graph.XToPixel(p.X);
            double left = cx - slot / 2;
            double width = slot;
            if (!stacked && m > 1) {
                width = slot / m;
                left += static_cast<double>(k) * width;
            }
            const double yt = graph.YToPixel(t);
            const double yb = graph.YToPixel(b);
            rects[k][static_cast<size_t>(i)] =
                QRectF(QPointF(left, std::min(yt, yb)), QPointF(left + width, std::max(yt, yb)));
        }
    }
    return rects;
}

void paintBar(QPainter& painter, const QRectF& rect, TColor color, int depth, double penWidth) {
    const QColor fill = toQColor(color);
    if (depth <= 0) {
        painter.setPen(QPen(fill, penWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
        return;
    }
    painter.setPen(QPen(toQColor(darken(color, 64)), penWidth));
    painter.setBrush(fill);
    const double d = depth;
    const QPointF tl = rect.topLeft(), tr = rect.topRight(), br = rect.bottomRight();
    const QPointF off(d, -d);
    painter.setBrush(toQColor(darken(color, 32)));
    painter.drawPolygon(QPolygonF({tl, tl + off, tr + off, tr}));
    painter.setBrush(toQColor(darken(color, 64)));
    painter.drawPolygon(QPolygonF({tr, tr + off, br + off, br}));
    painter.setBrush(fill);
    painter.drawRect(rect);
}

void drawBarGroup(TGraphContext& graph) {
    QPainter* painter = graph.canvas();
    if (!painter) return;
    const std::vector<TSeries*> series = barGroupSeries(graph);
    const auto rects = barGroupGeometry(graph, series);
    const int maxCount = largestCount(series);
    const ChartRanges r = graph.ranges();
    const bool reversed = r.left > r.right;
    painter->save();
    for (int n = 0; n < maxCount; ++n) {
        const int i = reversed ? maxCount - 1 - n : n;
        for (size_t k = 0; k < series.size(); ++k) {
            if (i >= series[k]->Count()) continue;
            const QRectF& rect = rects[k][static_cast<size_t>(i)];
            if (rect.isNull()) continue;
            paintBar(*painter, rect, series[k]->GetColor(), graph.depth3D(), series[k]->devicePenWidth());
        }
    }
    painter->restore();
}

} // namespace brelt::chart
