// Mouse handling of a series: hit testing with a tolerance of 1 % of the plot rectangle, the
// actions chosen by the modifier masks (drag, info, delete), dragging a point, the pop-up menu.
#include "chart/data/bar_group.h"
#include "chart/data/series.h"
#include "chart/data/series_undo.h"

#include <QPolygonF>
#include <cmath>

namespace brelt::chart {

namespace {

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    double t = len2 > 0 ? QPointF::dotProduct(p - a, ab) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF q = a + t * ab;
    return std::hypot(p.x() - q.x(), p.y() - q.y());
}

} // namespace

int TSeries::hitTest(int x, int y) const {
    if (!m_graph || !m_visible || !m_options.hitTestable || m_points.empty()) return -1;
    const TGraphContext& g = *m_graph;
    const QRect plot = g.GetPlotRect();
    const int tx = static_cast<int>(std::lround(plot.width() * m_hitFraction));
    const int ty = static_cast<int>(std::lround(plot.height() * m_hitFraction));
    const QPoint mouse(x, y);
    const int n = Count();

    if (m_style == SeriesStyle::Bar) {
        const auto group = barGroupSeries(g);
        const auto it = std::find(group.begin(), group.end(), this);
        if (it == group.end()) return -1;
        const auto rects = barGroupGeometry(g, group);
        const auto& mine = rects[static_cast<size_t>(it - group.begin())];
        const double minHeight = plot.height() * 0.01;
        for (int i = n - 1; i >= 0; --i) {
            QRectF r = mine[static_cast<size_t>(i)];
            if (r.height() < minHeight) r.setTop(r.bottom() - minHeight);
            if (r.contains(QPointF(mouse))) return i;
        }
        return -1;
    }
    if (m_style == SeriesStyle::SingleBar) {
        const double width = barPixelWidth(g, m_barWidth, singleBarMaxCount());
        const double base = barBaseline(g);
        for (int i = 0; i < n; ++i) {
            const WorldPoint p = pointAt(i);
            if (!isFinite(p)) continue;
            const double cx = g.XToPixel(p.X);
            const double yt = g.YToPixel(p.Y), yb = g.YToPixel(base);
            const QRectF r(QPointF(cx - width / 2, std::min(yt, yb)),
                           QPointF(cx + width / 2, std::max(yt, yb)));
            if (r.contains(QPointF(mouse))) return i;
        }
        return -1;
    }

    for (int i = 0; i < n; ++i) {
        const TGraphData& r = *m_points[static_cast<size_t>(i)];
        if (!r.isFiniteSegment()) continue;
        if (m_style == SeriesStyle::Points && r.Marker && r.Marker->Style != TMarkerStyle::msNone) {
            const WorldPoint p = pointAt(i);
            if (r.Flag1 && std::abs(x - g.XToPixel(p.X)) <= tx && std::abs(y - g.YToPixel(p.Y)) <= ty)
                return i;
            continue;
        }
        const QPoint a(g.XToPixel(r.Prev.X), g.YToPixel(r.Prev.Y));
        const QPoint b(g.XToPixel(r.Pt.X), g.YToPixel(r.Pt.Y));
        const QRect box(QPoint(std::min(a.x(), b.x()) - tx, std::min(a.y(), b.y()) - ty),
                        QPoint(std::max(a.x(), b.x()) + tx, std::max(a.y(), b.y()) + ty));
        if (!box.contains(mouse)) continue;
        switch (m_style) {
        case SeriesStyle::Line:
        case SeriesStyle::LineAndPoint:
            if (distanceToSegment(QPointF(mouse), QPointF(a), QPointF(b)) <= std::max({tx, ty, 2})) return i;
            break;
        case SeriesStyle::PiecewiseConstant:
            if (std::abs(y - a.y()) <= 5) return i;
            break;
        default: return i;
        }
    }
    return -1;
}

double TSeries::hitDistance(int x, int y, int index) const {
    if (!m_graph || index < 0 || index >= Count()) return 1e300;
    const WorldPoint p = pointAt(index);
    return std::hypot(x - m_graph->XToPixel(p.X), y - m_graph->YToPixel(p.Y));
}

bool TSeries::MouseMove(int x, int y, ShiftState shift) {
    if (m_dragging) {
        moveHitPoint(x, y);
        return true;
    }
    m_hitIndex = hitTest(x, y);
    if (m_hitIndex >= 0 && m_graph) {
        if (OnPointHit) {
            double wx = m_graph->PixelToX(x), wy = m_graph->PixelToY(y);
            if (m_graph->xAxisLog()) wx = std::pow(10.0, wx);
            if (m_graph->yAxisLog()) wy = std::pow(10.0, wy);
            OnPointHit(*this, shift, wx, wy, m_hitIndex, QPoint(x, y));
        }
        m_graph->setCursor(ChooseCursor(shift));
    }
    return m_hitIndex >= 0;
}

ChartCursor TSeries::ChooseCursor(ShiftState shift) const {
    if (shift == m_infoMask && m_options.allowInfo) return ChartCursor::SerInf;
    if (shift == m_deleteMask && m_options.allowDelete) return ChartCursor::SerDel;
    if (shift == m_dragMask && m_options.allowDrag) return ChartCursor::Transform;
    if (m_options.selectable) return ChartCursor::SerSel;
    return ChartCursor::Default;
}

bool TSeries::MouseDown(int x, int y, MouseButton button, ShiftState shift) {
    if (m_hitIndex < 0) m_hitIndex = hitTest(x, y);
    if (m_hitIndex < 0) return false;
    if (button != MouseButton::Left) return true; // the chart opens the pop-up menu
    if (shift == m_infoMask && m_options.allowInfo) {
        ShowHitInfo();
    } else if (shift == m_deleteMask && m_options.allowDelete) {
        DeleteHit();
    } else if (shift == kAlt && m_options.allowEdit) {
        EditData();
    } else if (shift == m_dragMask && m_options.allowDrag) {
        BeginDrag();
    } else if (m_options.selectable) {
        ToggleSelection();
    }
    return true;
}

bool TSeries::MouseUp(int x, int y, MouseButton, ShiftState shift) {
    const bool wasDragging = m_dragging;
    m_dragging = false;
    if (wasDragging && m_graph) m_graph->Redraw();
    if (OnMouseUp && m_graph) {
        double wx = m_graph->PixelToX(x), wy = m_graph->PixelToY(y);
        if (m_graph->xAxisLog()) wx = std::pow(10.0, wx);
        if (m_graph->yAxisLog()) wy = std::pow(10.0, wy);
        OnMouseUp(*this, shift, wx, wy);
    }
    return wasDragging;
}

void TSeries::moveHitPoint(int x, int y) {
    if (!m_graph || m_hitIndex < 0 || m_hitIndex >= Count()) return;
    double wx = m_graph->PixelToX(x), wy = m_graph->PixelToY(y);
    if (m_graph->xAxisLog()) wx = std::pow(10.0, wx);
    if (m_graph->yAxisLog()) wy = std::pow(10.0, wy);
    // The first move of a drag leaves the undo record: a press that moves nothing leaves none.
    if (!m_dragRecorded) m_graph->recordUndo(pointMovedRecord(*this, m_hitIndex));
    m_dragRecorded = true;
    const auto k = static_cast<size_t>(m_hitIndex);
    m_points[k]->Pt = {wx, wy};
    if (k == 0) m_points[k]->Prev = m_points[k]->Pt;
    if (k + 1 < m_points.size()) m_points[k + 1]->Prev = m_points[k]->Pt;
    markChanged();
    m_graph->Redraw();
}

void TSeries::ShowHitInfo() {
    if (m_graph && m_hitIndex >= 0) m_graph->showInfo(*this, m_hitIndex);
}

void TSeries::BeginDrag() {
    if (!m_graph || m_hitIndex < 0) return;
    m_dragging = true;
    m_dragRecorded = false;
    m_graph->beginDrag(*this, m_hitIndex);
}

void TSeries::ToggleSelection() {
    if (m_graph) m_graph->recordUndo(seriesLookRecord(*this));
    m_selected = !m_selected;
    markChanged();
    if (m_graph) m_graph->Redraw();
}

void TSeries::HideSeries() {
    if (m_graph && m_visible) m_graph->recordUndo(seriesLookRecord(*this));
    SetVisible(false);
    if (m_graph) m_graph->Redraw();
}

void TSeries::DeleteHit() {
    if (m_hitIndex < 0 || m_points.empty()) return;
    if (m_graph) m_graph->recordUndo(pointDeletedRecord(*this, m_hitIndex));
    DeletePoint();
    if (m_graph) m_graph->Redraw();
}

const std::vector<LayerMenuItem>& TSeries::CreateMenu() {
    const bool canDeleteOrHide = m_options.allowDelete || m_options.allowHide;
    const bool selectForced = m_options.selectable && m_options.selectWhenHidden;
    m_menu = {
        {QStringLiteral("miSelectOnOff"), QStringLiteral("&Select on/off"), 24, m_visible || selectForced,
         true},
        {QStringLiteral("miInfo"), QStringLiteral("&Info <Shift>"), 22, true, true},
        {QStringLiteral("miEdit"), QStringLiteral("&Edit <Alt>"), 23, true,
         m_style == SeriesStyle::PiecewiseConstant},
        {QStringLiteral("miErase"), QStringLiteral("&Delete  <Ctrl>"), 13, true, canDeleteOrHide},
        {QStringLiteral("miUnvisible"), QStringLiteral("&Unvisible  <Ctrl>"), 25, true, canDeleteOrHide},
    };
    return m_menu;
}

void TSeries::menuAction(const QString& itemName) {
    if (itemName == QLatin1String("miSelectOnOff"))
        ToggleSelection();
    else if (itemName == QLatin1String("miInfo"))
        ShowHitInfo();
    else if (itemName == QLatin1String("miEdit"))
        EditData();
    else if (itemName == QLatin1String("miErase"))
        DeleteHit();
    else if (itemName == QLatin1String("miUnvisible"))
        HideSeries();
}

} // namespace brelt::chart
