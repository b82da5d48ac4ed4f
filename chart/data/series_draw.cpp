// Drawing of a series in its seven styles. Lines go out as one polyline per connected run (a run
// breaks where a record's Prev is not the previous point, as after loading a hand-edited file),
// with repeated pixels dropped, so 16,000 points cost one polyline call.
#include "chart/data/bar_group.h"
#include "chart/data/series.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <climits>
#include <cmath>

namespace brelt::chart {

namespace {

Qt::PenStyle qtPenStyle(LineStyle s) {
    switch (s) {
    case LineStyle::Solid: return Qt::SolidLine;
    case LineStyle::Dash: return Qt::DashLine;
    case LineStyle::Dot: return Qt::DotLine;
    case LineStyle::DashDot: return Qt::DashDotLine;
    case LineStyle::DashDotDot: return Qt::DashDotDotLine;
    case LineStyle::Clear: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// Collects pixel points of connected runs and hands each run to a sink. Whole pixels drop a
// repeated pixel; smoothed lines keep positions between pixels and drop only a point within a
// quarter pixel of the last, which no eye can tell apart.
template <typename Point> class RunBuilder {
public:
    explicit RunBuilder(size_t reserve) { m_run.reserve(reserve); }
    void start(Point p) {
        m_run.clear();
        m_run.push_back(p);
    }
    void add(Point p) {
        if (m_run.empty() || !same(m_run.back(), p)) m_run.push_back(p);
    }
    void reset() { m_run.clear(); }
    const std::vector<Point>& run() const { return m_run; }
    bool empty() const { return m_run.empty(); }

private:
    static bool same(QPoint a, QPoint b) { return a == b; }
    static bool same(QPointF a, QPointF b) {
        return std::fabs(a.x() - b.x()) < 0.25 && std::fabs(a.y() - b.y()) < 0.25;
    }
    std::vector<Point> m_run;
};

// Draws the connected runs of a series' records as polylines, one call per run.
template <typename Point, typename ToPixel>
void drawRuns(QPainter& painter, const std::vector<std::unique_ptr<TGraphData>>& points, ToPixel toPixel) {
    RunBuilder<Point> runs(points.size() + 1);
    WorldPoint last{};
    auto flush = [&painter, &runs] {
        const auto& run = runs.run();
        if (run.size() > 1) painter.drawPolyline(run.data(), static_cast<int>(run.size()));
    };
    for (const auto& record : points) {
        const TGraphData& r = *record;
        if (!r.isFiniteSegment()) {
            flush();
            runs.reset();
            continue;
        }
        if (runs.empty() || !(r.Prev == last)) {
            flush();
            runs.start(toPixel(r.Prev));
        }
        runs.add(toPixel(r.Pt));
        last = r.Pt;
    }
    flush();
}

// One marker symbol rendered into a small transparent image, reused while the symbol stays the same.
class MarkerSprite {
public:
    void draw(QPainter& painter, const TMarker& m, QPoint centre, double pixels, double penScale) {
        if (m_image.isNull() || m.Style != m_key.Style || m.FillColor != m_key.FillColor ||
            m.PenColor != m_key.PenColor || pixels != m_pixels) {
            m_key = m;
            m_pixels = pixels;
            m_half = static_cast<int>(std::ceil(pixels / 2 + 2 * penScale)) + 1;
            m_image = QImage(2 * m_half + 1, 2 * m_half + 1, QImage::Format_ARGB32_Premultiplied);
            m_image.fill(Qt::transparent);
            QPainter p(&m_image);
            p.setRenderHint(QPainter::Antialiasing, true);
            m.Draw(p, QPointF(m_half, m_half), pixels, penScale);
        }
        painter.drawImage(centre.x() - m_half, centre.y() - m_half, m_image);
    }

private:
    TMarker m_key;
    double m_pixels = -1;
    int m_half = 0;
    QImage m_image;
};

} // namespace

double TSeries::devicePenWidth() const {
    // The screen's width grown by the chart's size factor; on paper the width of "a" at that size.
    const double factor = m_graph ? m_graph->sizeFactor() : 1.0;
    double width = m_lineWidth * factor;
    if (m_graph && m_graph->isPrinting() && m_graph->canvas()) {
        QFont f = m_graph->chartFont();
        f.setPointSizeF(std::max(m_lineWidth, 1) * factor);
        width = QFontMetricsF(f, m_graph->canvas()->device()).horizontalAdvance(QLatin1Char('a'));
    }
    if (m_options.highlightSelected && m_selected) width += factor;
    // Unsmoothed lines keep whole pixels, as they always were.
    const QPainter* painter = m_graph ? m_graph->canvas() : nullptr;
    if (!painter || !painter->testRenderHint(QPainter::Antialiasing)) width = std::round(width);
    return width;
}

bool TSeries::insideVisible(const WorldPoint& p) const {
    const ChartRanges r = m_graph->ranges();
    double x = p.X;
    double y = p.Y;
    if (m_graph->xAxisLog()) x = std::log10(std::max(x, m_graph->minLogValue()));
    if (m_graph->yAxisLog()) y = std::log10(std::max(y, m_graph->minLogValue()));
    return x >= std::min(r.left, r.right) && x <= std::max(r.left, r.right) &&
           y >= std::min(r.bottom, r.top) && y <= std::max(r.bottom, r.top);
}

void TSeries::Draw() {
    if (!m_graph || m_points.empty()) return;
    QPainter* painter = m_graph->canvas();
    if (!painter) return;
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPen pen(toQColor(m_color));
    pen.setWidthF(devicePenWidth());
    pen.setStyle(qtPenStyle(m_lineStyle));
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    switch (m_style) {
    case SeriesStyle::Points: drawMarkers(*painter); break;
    case SeriesStyle::Line: drawLines(*painter); break;
    case SeriesStyle::LineAndPoint:
        drawLines(*painter);
        drawMarkers(*painter);
        break;
    case SeriesStyle::PiecewiseConstant: drawSteps(*painter); break;
    case SeriesStyle::Area: drawArea(*painter); break;
    case SeriesStyle::Bar: {
        updateBarMarkerSize();
        const auto group = barGroupSeries(*m_graph);
        if (!group.empty() && group.front() == this) drawBarGroup(*m_graph);
        break;
    }
    case SeriesStyle::SingleBar: drawSingleBars(*painter); break;
    }
    painter->restore();
}

void TSeries::drawLines(QPainter& painter) const {
    if (DxfSink* dxf = m_graph->dxfSink()) {
        for (const auto& r : m_points)
            if (r->isFiniteSegment()) dxf->line(m_name, r->Prev.X, r->Prev.Y, r->Pt.X, r->Pt.Y, m_color);
        return;
    }
    const TGraphContext& g = *m_graph;
    auto px = [&g](const WorldPoint& w) { return QPoint(g.XToPixel(w.X), g.YToPixel(w.Y)); };
    if (g.depth3D() > 0) {
        for (const auto& r : m_points)
            if (r->isFiniteSegment()) drawSegment3D(painter, px(r->Prev), px(r->Pt));
        return;
    }
    if (painter.testRenderHint(QPainter::Antialiasing)) {
        // A pixel's centre lies half a pixel into it: a pen of an odd width centred there covers
        // whole pixels, as the unsmoothed pen does at the rounded position.
        const double width = std::max(1.0, std::round(painter.pen().widthF()));
        const QPointF centre = std::fmod(width, 2.0) == 1.0 ? QPointF(0.5, 0.5) : QPointF(0, 0);
        drawRuns<QPointF>(painter, m_points,
                          [&g, centre](const WorldPoint& w) { return g.toPixelF(w.X, w.Y) + centre; });
    } else
        drawRuns<QPoint>(painter, m_points, px);
}

void TSeries::drawSegment3D(QPainter& painter, QPoint a, QPoint b) const {
    // A ribbon from the front plane to the back wall, d pixels up and to the right.
    const int d = m_graph->depth3D();
    const QPoint off(d, -d);
    const QPoint poly[4] = {a, b, b + off, a + off};
    painter.save();
    painter.setBrush(toQColor(m_color));
    painter.setPen(QPen(toQColor(darken(m_color, 64)), painter.pen().width()));
    painter.drawPolygon(poly, 4);
    painter.restore();
}

void TSeries::drawSteps(QPainter& painter) const {
    const size_t n = m_points.size();
    if (DxfSink* dxf = m_graph->dxfSink()) {
        for (size_t i = 0; i < n; ++i) {
            const TGraphData& r = *m_points[i];
            dxf->line(m_name, r.Prev.X, r.Prev.Y, r.Pt.X, r.Prev.Y, m_color);
            if (!r.isFiniteSegment()) continue;
            if (i + 1 < n) dxf->line(m_name, r.Pt.X, r.Prev.Y, r.Pt.X, r.Pt.Y, m_color);
        }
        return;
    }
    const TGraphContext& g = *m_graph;
    RunBuilder<QPoint> runs(2 * n + 1);
    WorldPoint last{};
    auto flush = [&painter, &runs] {
        const auto& run = runs.run();
        if (run.size() > 1) painter.drawPolyline(run.data(), static_cast<int>(run.size()));
    };
    for (size_t i = 0; i < n; ++i) {
        const TGraphData& r = *m_points[i];
        if (!r.isFiniteSegment()) {
            flush();
            runs.reset();
            continue;
        }
        const int yPrev = g.YToPixel(r.Prev.Y);
        if (runs.empty() || !(r.Prev == last)) {
            flush();
            runs.start(QPoint(g.XToPixel(r.Prev.X), yPrev));
        }
        const int x = g.XToPixel(r.Pt.X);
        runs.add(QPoint(x, yPrev));
        if (i + 1 < n) runs.add(QPoint(x, g.YToPixel(r.Pt.Y)));
        last = r.Pt;
    }
    flush();
}

void TSeries::drawArea(QPainter& painter) const {
    const TGraphContext& g = *m_graph;
    const ChartRanges r = g.ranges();
    const double lower = std::min(r.bottom, r.top);
    const int basePx = g.YToPixel(g.yAxisLog() ? std::pow(10.0, lower) : lower);
    painter.setBrush(toQColor(m_color));
    RunBuilder<QPoint> runs(m_points.size() + 3);
    WorldPoint last{};
    auto flush = [&painter, &runs, basePx] {
        const auto& run = runs.run();
        if (run.size() < 2) return;
        QPolygon poly(static_cast<int>(run.size()) + 2);
        std::copy(run.begin(), run.end(), poly.begin());
        poly[static_cast<int>(run.size())] = QPoint(run.back().x(), basePx);
        poly[static_cast<int>(run.size()) + 1] = QPoint(run.front().x(), basePx);
        painter.drawPolygon(poly);
    };
    for (size_t i = 0; i < m_points.size(); ++i) {
        const TGraphData& rec = *m_points[i];
        if (!rec.isFiniteSegment()) {
            flush();
            runs.reset();
            continue;
        }
        if (runs.empty() || !(rec.Prev == last)) {
            flush();
            runs.start(QPoint(g.XToPixel(rec.Prev.X), g.YToPixel(rec.Prev.Y)));
        }
        runs.add(QPoint(g.XToPixel(rec.Pt.X), g.YToPixel(rec.Pt.Y)));
        last = rec.Pt;
    }
    flush();
}

int TSeries::singleBarMaxCount() const {
    int maxCount = Count();
    for (int i = 0; i < m_graph->LayerCount(); ++i)
        if (auto* s = dynamic_cast<TSeries*>(m_graph->Layers(i)); s && s->Style() == SeriesStyle::SingleBar)
            maxCount = std::max(maxCount, s->Count());
    return maxCount;
}

void TSeries::drawSingleBars(QPainter& painter) {
    const TGraphContext& g = *m_graph;
    const double width = barPixelWidth(g, m_barWidth, singleBarMaxCount());
    m_markerSize = static_cast<int>(std::lround(width)) + 10;
    const ChartRanges r = g.ranges();
    double lo = std::min(r.bottom, r.top);
    double hi = std::max(r.bottom, r.top);
    if (g.yAxisLog()) {
        lo = std::pow(10.0, lo);
        hi = std::pow(10.0, hi);
    }
    const double base = barBaseline(g);
    const bool reversed = r.left > r.right;
    const int n = Count();
    for (int k = 0; k < n; ++k) {
        const int i = reversed ? n - 1 - k : k;
        const WorldPoint p = pointAt(i);
        if (!isFinite(p)) continue;
        const double top = std::clamp(p.Y, lo, hi);
        const double cx = g.XToPixel(p.X);
        const double yt = g.YToPixel(top);
        const double yb = g.YToPixel(base);
        const QRectF rect(QPointF(cx - width / 2, std::min(yt, yb)),
                          QPointF(cx + width / 2, std::max(yt, yb)));
        paintBar(painter, rect, m_color, g.depth3D(), devicePenWidth());
    }
}

void TSeries::updateBarMarkerSize() {
    if (!m_graph) return;
    if (m_style == SeriesStyle::Bar) {
        auto group = barGroupSeries(*m_graph);
        int maxCount = std::max(largestCount(group), Count());
        m_markerSize = static_cast<int>(std::lround(barPixelWidth(*m_graph, m_barWidth, maxCount)));
    } else if (m_style == SeriesStyle::SingleBar) {
        m_markerSize =
            static_cast<int>(std::lround(barPixelWidth(*m_graph, m_barWidth, singleBarMaxCount()))) + 10;
    }
}

void TSeries::drawMarkers(QPainter& painter) const {
    if (m_markerStyle == TMarkerStyle::msNone) return;
    const TGraphContext& g = *m_graph;
    const int n = Count();
    const QFont font = g.chartFont();
    // On a bitmap without scaling, each distinct symbol is painted once into a sprite and copied
    // to its points; printers, SVG and PDF get real vector symbols.
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
                        painter.worldTransform().type() <= QTransform::TxTranslate;
    MarkerSprite sprite;
    int lastSize = -1;
    double pixels = 0;
    QPoint lastCentre(INT_MIN, INT_MIN);
    const double factor = g.sizeFactor();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < n; ++i) {
        if (!markerDrawnAt(i, n, m_markerStep)) continue;
        const TGraphData& r = *m_points[static_cast<size_t>(i)];
        if (!r.Marker || r.Marker->Style == TMarkerStyle::msNone) continue;
        const WorldPoint p = pointAt(i);
        if (!isFinite(p) || !insideVisible(p)) continue;
        const QPoint centre(g.XToPixel(p.X), g.YToPixel(p.Y));
        if (centre == lastCentre && r.Marker->Size == lastSize) continue; // same symbol, same place
        lastCentre = centre;
        if (r.Marker->Size != lastSize) {
            lastSize = r.Marker->Size;
            pixels = TMarker::pixelSize(font, lastSize, painter.device()) * factor;
        }
        if (raster)
            sprite.draw(painter, *r.Marker, centre, pixels, factor);
        else
            r.Marker->Draw(painter, QPointF(centre), pixels, factor);
    }
}

} // namespace brelt::chart
