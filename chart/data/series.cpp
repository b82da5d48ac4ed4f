#include "chart/data/series.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

bool markerDrawnAt(int index, int count, int markerStep) {
    const int step = markerStep < 1 ? 1 : markerStep;
    return static_cast<long long>(step) * 3 >= count || index % step == 0 || index == count - 1;
}

TSeries::TSeries(TGraphContext* graph, const QString& name, SeriesStyle style, TColor color)
    : TLayer(graph, name), m_style(style), m_markerFillColor(color), m_markerPenColor(color) {
    m_color = color;
    CreateMenu();
}

TSeries::TSeries(TGraphContext* graph) : TLayer(graph, QString()) {
    CreateMenu();
}

TSeries::~TSeries() {
    if (m_legend) m_legend->seriesDestroyed();
}

TGraphData* TSeries::AddPoint(TColor color, const QString& name, double x, double y) {
    auto rec = std::make_unique<TGraphData>();
    rec->Graph = m_graph;
    rec->Series = this;
    rec->Pt = {x, y};
    rec->Prev = m_points.empty() ? rec->Pt : m_points.back()->Pt;
    rec->Color = color;
    rec->Name = name;
    rec->Marker.emplace(m_markerStyle, 5, m_markerFillColor, m_markerPenColor);
    m_points.push_back(std::move(rec));
    markChanged();
    return m_points.back().get();
}

void TSeries::Clear() {
    m_points.clear();
    ++m_pointsSerial;
    m_hitIndex = -1;
    markChanged();
}

TGraphData* TSeries::GetData(int index) {
    if (m_points.empty()) return nullptr;
    index = std::clamp(index, 0, Count() - 1);
    m_currentIndex = index;
    return m_points[static_cast<size_t>(index)].get();
}

WorldPoint TSeries::pointAt(int index) const {
    const TGraphData& r = *m_points[static_cast<size_t>(index)];
    return index == 0 ? r.Prev : r.Pt;
}

WorldPoint TSeries::GetPoint(int index) {
    if (m_points.empty()) return {NoValue, NoValue};
    index = std::clamp(index, 0, Count() - 1);
    m_currentIndex = index;
    return pointAt(index);
}

QString TSeries::GetPointName(int index) const {
    if (m_points.empty()) return {};
    return m_points[static_cast<size_t>(std::clamp(index, 0, Count() - 1))]->Name;
}

Extents TSeries::GetExtents() const {
    Extents e;
    const size_t n = m_points.size();
    for (size_t i = 0; i < n; ++i) {
        const TGraphData& r = *m_points[i];
        e.minX = std::min({e.minX, r.Prev.X, r.Pt.X});
        e.maxX = std::max({e.maxX, r.Prev.X, r.Pt.X});
        if (m_style == SeriesStyle::PiecewiseConstant && i + 1 == n) continue;
        e.minY = std::min({e.minY, r.Prev.Y, r.Pt.Y});
        e.maxY = std::max({e.maxY, r.Prev.Y, r.Pt.Y});
    }
    if (n == 0) return e;
    // A lone single value would give a zero range: widen it by 10 % (or a fixed step at zero).
    const bool alone = !m_graph || m_graph->LayerCount() <= 1;
    if (alone && e.minX == e.maxX) {
        const long double v = e.minX;
        if (v != 0) {
            e.minX = static_cast<double>(v - 0.1L * v);
            e.maxX = static_cast<double>(v + 0.1L * v);
            if (e.minX > e.maxX) std::swap(e.minX, e.maxX);
        } else {
            e.minX = -0.1;
            e.maxX = 0.1;
        }
    }
    if (alone && e.minY == e.maxY) {
        const long double v = e.minY;
        if (v != 0) {
            e.minY = static_cast<double>(v - 0.1L * v);
            e.maxY = static_cast<double>(v + 0.1L * v);
            if (e.minY > e.maxY) std::swap(e.minY, e.maxY);
        } else {
            e.minY = -0.1;
            e.maxY = 1.0;
        }
    }
    const bool bars = m_style == SeriesStyle::Bar || m_style == SeriesStyle::SingleBar;
    if (bars && !(m_graph && m_graph->yAxisLog()) && e.minY <= e.maxY) {
        // Bars stand on zero.
        if (e.minY < 0 && e.maxY < 0) e.maxY = 0;
        if (e.minY > 0 && e.maxY > 0) e.minY = 0;
    }
    return e;
}

double TSeries::ValueAt(double x) const {
    if (m_points.empty()) return NoValue;
    for (const auto& rec : m_points) {
        const TGraphData& r = *rec;
        if (!(r.Prev.X <= x && x <= r.Pt.X)) continue;
        if (r.Prev.X == r.Pt.X) return r.Prev.Y;
        const bool logY = m_graph && m_graph->yAxisLog();
        long double y1 = r.Prev.Y;
        long double y2 = r.Pt.Y;
        if (logY) {
            const long double floor = m_graph->minLogValue();
            y1 = std::log10(std::max(y1, floor));
            y2 = std::log10(std::max(y2, floor));
        }
        long double v;
        if (m_style == SeriesStyle::PiecewiseConstant) {
            v = y1;
        } else {
            const long double x1 = r.Prev.X;
            const long double x2 = r.Pt.X;
            const long double slope = (y2 - y1) / (x2 - x1);
            v = x * slope + ((y2 + y1) - slope * (x2 + x1)) / 2;
        }
        return static_cast<double>(logY ? std::pow(10.0L, v) : v);
    }
    return 0;
}

int TSeries::NearestIndex(double x) const {
    int best = -1;
    long double bestDist = 0;
    for (int i = 0; i < Count(); ++i) {
        const long double d = std::fabs(static_cast<long double>(pointAt(i).X) - x);
        if (best < 0 || d < bestDist) {
            best = i;
            bestDist = d;
        }
    }
    return best;
}

double TSeries::NearestX(double x) const {
    if (m_points.empty()) return NoValue;
    if (m_style == SeriesStyle::Line || m_style == SeriesStyle::LineAndPoint) return x;
    return pointAt(NearestIndex(x)).X;
}

void TSeries::deletePointAt(int k) {
    if (k < 0 || k >= Count()) return;
    if (k == 0) {
        m_points.erase(m_points.begin());
        if (!m_points.empty()) m_points.front()->Prev = m_points.front()->Pt;
    } else {
        if (k + 1 < Count()) m_points[static_cast<size_t>(k + 1)]->Prev = pointAt(k - 1);
        m_points.erase(m_points.begin() + k);
    }
    if (m_hitIndex >= Count()) m_hitIndex = -1;
    markChanged();
}

void TSeries::DeletePoint() {
    if (m_hitIndex < 0 || m_points.empty()) return;
    deletePointAt(m_hitIndex);
    m_hitIndex = -1;
}

void TSeries::EditData() {
    if (!m_graph) return;
    if (m_graph->editSeriesData(*this) && m_legend) {
        relinkLegend();
        m_graph->Redraw();
    }
}

SeriesLook TSeries::look() const {
    SeriesLook l;
    l.name = m_name;
    l.color = m_color;
    l.markerStyle = m_markerStyle;
    l.markerFillColor = m_markerFillColor;
    l.markerPenColor = m_markerPenColor;
    l.markerSize = m_markerSize;
    l.seriesStyle = static_cast<int>(m_style);
    l.lineWidth = m_lineWidth;
    l.lineStyle = static_cast<int>(m_lineStyle);
    return l;
}

void TSeries::LinkLegend(SeriesLegendEntry* entry) {
    m_legend = entry;
    if (m_legend) m_legend->takeSeriesLook(*this, look());
}

void TSeries::relinkLegend() {
    if (m_legend) LinkLegend(m_legend);
}

void TSeries::SetVisible(bool visible) {
    TLayer::SetVisible(visible);
    if (m_legend) m_legend->setEntryVisible(visible);
}

void TSeries::setSeriesStyle(SeriesStyle style) {
    m_style = style;
    if (style == SeriesStyle::Bar || style == SeriesStyle::SingleBar) updateBarMarkerSize();
    CreateMenu();
    relinkLegend();
}

void TSeries::setLineStyle(LineStyle style) {
    m_lineStyle = style;
    relinkLegend();
}

void TSeries::setLineWidth(int width) {
    m_lineWidth = std::max(width, 0);
    relinkLegend();
}

void TSeries::setMarkerStyle(TMarkerStyle style) {
    m_markerStyle = style;
    for (auto& r : m_points)
        if (r->Marker) r->Marker->Style = style;
    relinkLegend();
}

void TSeries::setMarkerSize(int size) {
    m_markerSize = size;
    for (auto& r : m_points)
        if (r->Marker) r->Marker->Size = size;
    relinkLegend();
}

void TSeries::setMarkerFillColor(TColor color) {
    m_markerFillColor = color;
    for (auto& r : m_points)
        if (r->Marker) r->Marker->FillColor = color;
    relinkLegend();
}

void TSeries::setMarkerPenColor(TColor color) {
    m_markerPenColor = color;
    for (auto& r : m_points)
        if (r->Marker) r->Marker->PenColor = color;
    relinkLegend();
}

void TSeries::SetColor(TColor color) {
    TLayer::SetColor(color);
    if (m_penFollowsColor) setMarkerPenColor(color);
    relinkLegend();
}

void TSeries::setMasks(ShiftState drag, ShiftState info, ShiftState del) {
    m_dragMask = drag;
    m_infoMask = info;
    m_deleteMask = del;
}

} // namespace brelt::chart
