// Drawing of the contour layer: the lines in the colour of their level, cut at the visible
// rectangle; the labels over them; or, in shade mode, the plot area in square blocks coloured by
// the grid's value.
#include "chart/contour/color_scale.h"
#include "chart/contour/contour.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace brelt::chart {

namespace {

struct WorldRect {
    double left, right, bottom, top; // left < right, bottom < top
};

// The visible rectangle in data values.
WorldRect visibleRect(const TGraphContext& g) {
    const ChartRanges r = g.ranges();
    double l = r.left, rt = r.right, b = r.bottom, t = r.top;
    if (g.xAxisLog()) l = std::pow(10.0, l), rt = std::pow(10.0, rt);
    if (g.yAxisLog()) b = std::pow(10.0, b), t = std::pow(10.0, t);
    return {std::min(l, rt), std::max(l, rt), std::min(b, t), std::max(b, t)};
}

// Cuts the segment p + u (q - p), 0 <= u <= 1, at the rectangle's borders; false when nothing is
// inside. u0 and u1 are the parameters of the visible part.
bool clipSegment(const ContourPoint& p, const ContourPoint& q, const WorldRect& r, double& u0, double& u1) {
    const double dx = q.x - p.x, dy = q.y - p.y;
    const double dir[4] = {-dx, dx, -dy, dy};
    const double room[4] = {p.x - r.left, r.right - p.x, p.y - r.bottom, r.top - p.y};
    u0 = 0;
    u1 = 1;
    for (int k = 0; k < 4; ++k) {
        if (dir[k] == 0) {
            if (room[k] < 0) return false;
            continue;
        }
        const double u = room[k] / dir[k];
        if (dir[k] < 0)
            u0 = std::max(u0, u);
        else
            u1 = std::min(u1, u);
        if (u0 > u1) return false;
    }
    return true;
}

} // namespace

void TContour::Draw() {
    if (!m_graph || !m_graph->canvas()) return;
    if (m_colorShade) {
        drawShade();
        return;
    }
    drawLines();
    if (m_labelsVisible) drawLabels();
}

void TContour::drawLines() {
    ColorScale& scale = programColorScale();
    scale.setRange(m_zMax, m_zMin);
    QPainter& painter = *m_graph->canvas();
    const WorldRect r = visibleRect(*m_graph);
    const int width = m_graph->isPrinting() ? std::max(1, m_graph->scaleUnit()) : 1;
    auto pixel = [this](double x, double y) { return QPoint(m_graph->XToPixel(x), m_graph->YToPixel(y)); };
    QPolygon run;
    painter.setBrush(Qt::NoBrush);
    for (const auto& line : m_lines) {
        painter.setPen(QPen(toQColor(scale.colorOf(line->level)), width));
        const std::vector<ContourPoint>& p = line->points;
        // Consecutive visible segments go out as one polyline; a cut ends it.
        bool open = false;
        auto flush = [&]() {
            if (run.size() >= 2) painter.drawPolyline(run);
            run.clear();
            open = false;
        };
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            double u0, u1;
            if (!clipSegment(p[i], p[i + 1], r, u0, u1)) {
                flush();
                continue;
            }
            const double dx = p[i + 1].x - p[i].x, dy = p[i + 1].y - p[i].y;
            if (!open || u0 > 0) {
                flush();
                run << pixel(p[i].x + u0 * dx, p[i].y + u0 * dy);
            }
            run << (u1 < 1 ? pixel(p[i].x + u1 * dx, p[i].y + u1 * dy) : pixel(p[i + 1].x, p[i + 1].y));
            open = u1 >= 1;
            if (!open) flush();
        }
        flush();
    }
}

void TContour::drawLabels() {
    const WorldRect r = visibleRect(*m_graph);
    const TColor background = m_graph->plotAreaColor();
    for (const auto& label : m_labels) {
        if (!label->Visible) continue;
        const double cx = (label->x1() + label->x2()) / 2, cy = (label->y1() + label->y2()) / 2;
        if (cx < r.left || cx > r.right || cy < r.bottom || cy > r.top) continue;
        label->draw(LabelFont, LabelColor, background);
    }
}

void TContour::drawShade() {
    ColorScale& scale = programColorScale();
    const auto [top, bottom] = scaleRange();
    scale.setRange(top, bottom);
    QPainter& painter = *m_graph->canvas();
    const QRect plot = m_graph->GetPlotRect();
    const int size = shadeBlockSize();
    const int block = m_graph->isPrinting() ? (size + 1) * (size + 1) : size;
    const bool logX = m_graph->xAxisLog(), logY = m_graph->yAxisLog();
    const std::shared_ptr<bool> alive = m_alive;
    int column = 0;
    for (int px = plot.left() + 1; px < plot.right(); px += block, ++column) {
        // The window stays responsive; a message may free this layer.
        if (column > 0 && column % 5 == 0) {
            m_graph->processPendingEvents();
            if (!*alive) return;
        }
        double wx = m_graph->PixelToX(px + block / 2);
        if (logX) wx = std::pow(10.0, wx);
        // Blocks of one colour one below the other go out as one rectangle (a picture file
        // would otherwise hold one rectangle for every block).
        int runTop = 0, runIndex = kNoColorIndex;
        auto flush = [&](int runEnd) {
            if (runIndex >= 0)
                painter.fillRect(QRect(px, runTop, block, runEnd - runTop),
                                 toQColor(ColorScale::paletteColor(scale.palette(), runIndex)));
        };
        int py = plot.top() + 1;
        for (; py < plot.bottom(); py += block) {
            double wy = m_graph->PixelToY(py + block / 2);
            if (logY) wy = std::pow(10.0, wy);
            const int index = scale.indexOf(ValueAt(wx, wy));
            if (index == runIndex) continue;
            flush(py);
            runTop = py;
            runIndex = index;
        }
        flush(py);
    }
}

} // namespace brelt::chart
