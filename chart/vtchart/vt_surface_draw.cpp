#include "chart/vtchart/vt_surface_draw.h"

#include "chart/vtchart/vt_data_grid.h"
#include "chart/vtchart/vt_draw_support.h"
#include "chart/vtchart/vt_plot.h"
#include "chart/vtchart/vt_projection.h"
#include "chart/vtchart/vt_quad_fill.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace brelt::chart {

namespace {

constexpr double H = SurfaceProjection::kBoxHeight;

QColor scaled(const QColor& c, double factor) {
    auto channel = [factor](int v) { return std::clamp(static_cast<int>(v * factor + 0.5), 0, 255); };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()));
}

// A face colour: the base colour under the light, with a little white where the light is
// strongest so that the curvature reads.
QColor lit(const QColor& base, double brightness) {
    const QColor shade = scaled(base, brightness);
    const double shine = std::max(0.0, (brightness - 0.85) / 0.15) * 0.35;
    if (shine <= 0) return shade;
    auto mix = [shine](int v) { return static_cast<int>(v + (255 - v) * shine + 0.5); };
    return QColor(mix(shade.red()), mix(shade.green()), mix(shade.blue()));
}

// An axis-aligned box: its faces that face the eye, lit softly so the walls stay quiet.
void drawBox(QPainter& painter, const SurfaceProjection& view, const Vec3& lo, const Vec3& hi,
             const QColor& color, double unit) {
    struct Face {
        Vec3 normal;
        std::array<Vec3, 4> corners;
    };
    const std::array<Face, 6> faces = {{
        {{0, 0, 1}, {{{lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}}}},
        {{0, 0, -1}, {{{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}}}},
        {{1, 0, 0}, {{{hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {hi.x, lo.y, hi.z}}}},
        {{-1, 0, 0}, {{{lo.x, lo.y, lo.z}, {lo.x, hi.y, lo.z}, {lo.x, hi.y, hi.z}, {lo.x, lo.y, hi.z}}}},
        {{0, 1, 0}, {{{lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}}}},
        {{0, -1, 0}, {{{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z}}}},
    }};
    painter.setPen(QPen(color.darker(135), 0.8 * unit));
    for (const Face& face : faces) {
        if (view.toView(face.normal).toward <= 1e-9) continue;
        const double b = 0.8 + 0.2 * view.brightness(face.normal);
        painter.setBrush(scaled(color, b));
        QPointF points[4];
        for (size_t i = 0; i < 4; ++i)
            points[i] = view.project(face.corners[i]);
        painter.drawPolygon(points, 4);
    }
}

struct SurfaceFrame {
    const SurfaceProjection& view;
    NiceAxis values;
    std::vector<LabelTick> rowTicks;    // positions 0..1 along x
    std::vector<LabelTick> columnTicks; // positions 0..1 along y
    double unit;

    double z(double value) const { return (value - values.min) / (values.max - values.min) * H; }
};

void drawWallGrids(QPainter& painter, const SurfaceFrame& f, const TVtPlot& plot) {
    const SurfaceProjection& v = f.view;
    const double fx = v.farX(), fy = v.farY();
    painter.setPen(QPen(QColor(150, 150, 150), 0.8 * f.unit));
    painter.setBrush(Qt::NoBrush);
    if (plot.Axis(1).majorGridStyle != VtPenNone || plot.Axis(2).majorGridStyle != VtPenNone) {
        for (const AxisTick& tick : f.values.ticks) {
            const double z = f.z(tick.value);
            const QPointF line[3] = {v.project({fx, -fy, z}), v.project({fx, fy, z}),
                                     v.project({-fx, fy, z})};
            painter.drawPolyline(line, 3);
        }
    }
    if (plot.Axis(0).majorGridStyle != VtPenNone) {
        for (const LabelTick& tick : f.rowTicks) {
            const double x = -1 + 2 * tick.position;
            const QPointF line[3] = {v.project({x, -fy, 0}), v.project({x, fy, 0}), v.project({x, fy, H})};
            painter.drawPolyline(line, 3);
        }
    }
    if (plot.Axis(3).majorGridStyle != VtPenNone) {
        for (const LabelTick& tick : f.columnTicks) {
            const double y = -1 + 2 * tick.position;
            const QPointF line[3] = {v.project({-fx, y, 0}), v.project({fx, y, 0}), v.project({fx, y, H})};
            painter.drawPolyline(line, 3);
        }
    }
}

void drawMesh(QPainter& painter, const SurfaceFrame& f, const TVtDataGrid& grid, const TVtPlot& plot) {
    const int rows = grid.RowCount();
    const int columns = grid.ColumnCount();
    if (rows < 2 || columns < 2) return;
    const SurfaceProjection& v = f.view;
    const size_t count = static_cast<size_t>(rows) * static_cast<size_t>(columns);
    std::vector<Vec3> box(count);
    std::vector<QPointF> page(count);
    std::vector<char> present(count, 0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const size_t k = static_cast<size_t>(r) * static_cast<size_t>(columns) + static_cast<size_t>(c);
            const auto value = grid.value(r + 1, c + 1);
            if (!value) continue;
            box[k] = {-1 + 2.0 * r / (rows - 1), -1 + 2.0 * c / (columns - 1), f.z(*value)};
            page[k] = v.project(box[k]);
            present[k] = 1;
        }
    const QColor base = toQColor(plot.SurfaceColor());
    const QColor lineColor = scaled(base, 0.45);
    const double span = 2 * v.scale();
    const int rowStep = plot.Wireframe() ? meshLineStep(rows, span, 6 * f.unit) : 0;
    const int columnStep = plot.Wireframe() ? meshLineStep(columns, span, 6 * f.unit) : 0;
    const QPen meshPen(lineColor, 0.7 * f.unit);
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    auto onLine = [](int index, int step, int last) {
        return step > 0 && (index % step == 0 || index == last);
    };
    auto cellDrawn = [&](int r, int c) {
        if (r < 0 || c < 0 || r >= rows - 1 || c >= columns - 1) return false;
        const size_t k = static_cast<size_t>(r) * static_cast<size_t>(columns) + static_cast<size_t>(c);
        return present[k] && present[k + 1] && present[k + columns] && present[k + columns + 1];
    };

    // A bitmap gets its faces filled straight into its pixels, without smoothing, so neighbouring
    // faces meet without a seam and the painter keeps the mesh lines' pen throughout. Any other
    // device fills through the painter, with a hairline of the face's colour over the seams.
    std::optional<QuadFiller> filler = QuadFiller::forPainter(painter);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    painter.setPen(filler ? meshPen : QPen(Qt::NoPen));
    // A cell with one null corner still shows the triangle of the other three, so that the edge
    // of a gap follows the data rather than a staircase of whole cells.
    auto drawCorner = [&](int r, int c) {
        const size_t k00 = static_cast<size_t>(r) * static_cast<size_t>(columns) + static_cast<size_t>(c);
        const size_t ring[4] = {k00, k00 + 1, k00 + columns + 1, k00 + columns}; // around the cell
        const bool lineAfter[4] = {onLine(r, rowStep, rows - 1), onLine(c + 1, columnStep, columns - 1),
                                   onLine(r + 1, rowStep, rows - 1), onLine(c, columnStep, columns - 1)};
        int missing = -1;
        for (int i = 0; i < 4; ++i)
            if (!present[ring[i]]) {
                if (missing >= 0) return; // two or more corners missing: nothing to show
                missing = i;
            }
        if (missing < 0) return;
        const size_t p0 = ring[(missing + 1) % 4], p1 = ring[(missing + 2) % 4], p2 = ring[(missing + 3) % 4];
        const Vec3 a{box[p1].x - box[p0].x, box[p1].y - box[p0].y, box[p1].z - box[p0].z};
        const Vec3 b{box[p2].x - box[p0].x, box[p2].y - box[p0].y, box[p2].z - box[p0].z};
        const QColor color =
            lit(base, v.brightness({a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}));
        const QPointF triangle[3] = {page[p0], page[p1], page[p2]};
        if (filler) {
            filler->fill(triangle, color.rgb());
        } else {
            painter.setPen(QPen(color, 0));
            painter.setBrush(color);
            painter.drawPolygon(triangle, 3);
            painter.setPen(meshPen);
        }
        // The two sides along grid lines (the third crosses the cell).
        QLineF lines[2];
        int n = 0;
        if (lineAfter[(missing + 1) % 4]) lines[n++] = QLineF(page[p0], page[p1]);
        if (lineAfter[(missing + 2) % 4]) lines[n++] = QLineF(page[p1], page[p2]);
        if (n > 0) painter.drawLines(lines, n);
    };
    const CellTraversal order = cellTraversal(plot.Rotation());
    const int rowLater = order.rowsAscending ? 1 : -1; // the neighbour row painted after this one
    const int columnLater = order.columnsAscending ? 1 : -1;
    for (int ri = 0; ri < rows - 1; ++ri) {
        const int r = order.rowsAscending ? ri : rows - 2 - ri;
        for (int ci = 0; ci < columns - 1; ++ci) {
            const int c = order.columnsAscending ? ci : columns - 2 - ci;
            if (!cellDrawn(r, c)) {
                drawCorner(r, c);
                continue;
            }
            const size_t k00 = static_cast<size_t>(r) * static_cast<size_t>(columns) + static_cast<size_t>(c);
            const size_t k01 = k00 + 1, k10 = k00 + static_cast<size_t>(columns), k11 = k10 + 1;
            const Vec3 a{box[k11].x - box[k00].x, box[k11].y - box[k00].y, box[k11].z - box[k00].z};
            const Vec3 b{box[k01].x - box[k10].x, box[k01].y - box[k10].y, box[k01].z - box[k10].z};
            const Vec3 normal{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
            const QColor color = lit(base, v.brightness(normal));
            const QPointF quad[4] = {page[k00], page[k01], page[k11], page[k10]};
            if (filler) {
                filler->fill(quad, color.rgb());
            } else {
                painter.setPen(QPen(color, 0));
                painter.setBrush(color);
                painter.drawPolygon(quad, 4);
            }
            if (rowStep == 0) continue;
            // Each mesh line is drawn once, with the later of the two cells it borders (or with
            // its only cell), so that nearer cells still cover it.
            QLineF lines[4];
            int n = 0;
            if (onLine(r, rowStep, rows - 1) && (rowLater > 0 || !cellDrawn(r - 1, c)))
                lines[n++] = QLineF(page[k00], page[k01]);
            if (onLine(r + 1, rowStep, rows - 1) && (rowLater < 0 || !cellDrawn(r + 1, c)))
                lines[n++] = QLineF(page[k10], page[k11]);
            if (onLine(c, columnStep, columns - 1) && (columnLater > 0 || !cellDrawn(r, c - 1)))
                lines[n++] = QLineF(page[k00], page[k10]);
            if (onLine(c + 1, columnStep, columns - 1) && (columnLater < 0 || !cellDrawn(r, c + 1)))
                lines[n++] = QLineF(page[k01], page[k11]);
            if (n == 0) continue;
            if (!filler) painter.setPen(meshPen);
            painter.drawLines(lines, n);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
}

// The labels of one axis, thinned evenly: every k-th label is drawn, k the smallest step at which
// no two drawn labels come closer than `gap`, so an axis seen at a slant keeps a regular scale and
// one seen end on keeps its first label only.
class LabelRow {
public:
    LabelRow(QPainter& painter, double gap) : m_painter(painter), m_gap(gap) {}
    void add(const QPointF& at, const QString& text, Qt::Alignment anchor) {
        m_labels.push_back({at, text, anchor, anchoredTextBox(m_painter, at, text, anchor)});
    }
    // Draws them and returns the boxes drawn.
    std::vector<QRectF> draw() {
        const size_t n = m_labels.size();
        size_t step = 1;
        for (; step < n; ++step) {
            bool clear = true;
            for (size_t i = step; i < n && clear; i += step)
                clear = !m_labels[i - step]
                             .box.adjusted(-m_gap, -m_gap, m_gap, m_gap)
                             .intersects(m_labels[i].box);
            if (clear) break;
        }
        std::vector<QRectF> drawn;
        for (size_t i = 0; i < n; i += step) {
            drawAnchoredText(m_painter, m_labels[i].at, m_labels[i].text, m_labels[i].anchor);
            drawn.push_back(m_labels[i].box);
        }
        return drawn;
    }

private:
    struct Label {
        QPointF at;
        QString text;
        Qt::Alignment anchor;
        QRectF box;
    };
    QPainter& m_painter;
    double m_gap;
    std::vector<Label> m_labels;
};

// Ticks and labels along a floor edge from `from` to `to` (box points), outwards along `out`.
// The title goes beyond the labels when the edge is long enough on the page to carry it.
void drawEdgeAxis(QPainter& painter, const SurfaceFrame& f, const Vec3& from, const Vec3& to, const Vec3& out,
                  const std::vector<LabelTick>& ticks, const QString& title) {
    const SurfaceProjection& v = f.view;
    const Vec3 mid{(from.x + to.x) / 2, (from.y + to.y) / 2, (from.z + to.z) / 2};
    QPointF dir = v.project({mid.x + out.x, mid.y + out.y, mid.z + out.z}) - v.project(mid);
    double length = std::hypot(dir.x(), dir.y());
    if (length < 1e-6) {
        dir = QPointF(0, 1);
        length = 1;
    }
    dir /= length;
    const Qt::Alignment anchor = anchorAway(dir);
    painter.setPen(QPen(Qt::black, 0.8 * f.unit));
    painter.setFont(vtFont(VtFontRole::Tick));
    const QFontMetricsF metrics(painter.font(), painter.device());
    // An edge seen end on carries nothing.
    const QPointF edge = v.project(to) - v.project(from);
    const double edgeLength = std::hypot(edge.x(), edge.y());
    if (edgeLength < 2 * metrics.height()) return;
    LabelRow labels(painter, 3 * f.unit);
    double reach = 0; // how far the labels stand out, along dir
    for (const LabelTick& tick : ticks) {
        const double t = tick.position;
        const QPointF at = v.project({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t, from.z});
        painter.drawLine(at, at + dir * 4 * f.unit);
        labels.add(at + dir * 6 * f.unit, tick.label, anchor);
    }
    for (const QRectF& box : labels.draw())
        reach = std::max(reach, std::fabs(dir.x()) * box.width() + std::fabs(dir.y()) * box.height());
    if (title.isEmpty() || edgeLength < 4 * metrics.height()) return;
    painter.setFont(vtFont(VtFontRole::AxisTitle));
    const QPointF at =
        v.project(mid) + dir * (6 * f.unit + std::max(reach, metrics.height()) + 0.9 * metrics.height());
    drawAnchoredText(painter, at, title, anchor);
}

void drawValueAxis(QPainter& painter, const SurfaceFrame& f, const QString& title) {
    const SurfaceProjection& v = f.view;
    const double e = 1 + v.wall();
    // The outer front edge of one of the walls, whichever stands further left on the page.
    const Vec3 a{v.farX() * e, -v.farY() * e, 0};
    const Vec3 b{-v.farX() * e, v.farY() * e, 0};
    const Vec3 corner = v.project(a).x() <= v.project(b).x() ? a : b;
    const QPointF bottom = v.project(corner);
    const QPointF top = v.project({corner.x, corner.y, H});
    painter.setPen(QPen(Qt::black, 0.8 * f.unit));
    painter.setFont(vtFont(VtFontRole::Tick));
    const QFontMetricsF metrics(painter.font(), painter.device());
    // Seen from straight above the axis has no length and carries nothing.
    if (bottom.y() - top.y() < 2 * metrics.height()) return;
    painter.drawLine(bottom, top);
    LabelRow labels(painter, 0);
    for (const AxisTick& tick : f.values.ticks) {
        const QPointF at = v.project({corner.x, corner.y, f.z(tick.value)});
        painter.drawLine(at, at - QPointF(4 * f.unit, 0));
        labels.add(at - QPointF(6 * f.unit, 0), tick.label, Qt::AlignRight | Qt::AlignVCenter);
    }
    labels.draw();
    if (title.isEmpty()) return;
    painter.setFont(vtFont(VtFontRole::AxisTitle));
    drawAnchoredText(painter, top - QPointF(0, metrics.height() * 0.6), title,
                     Qt::AlignHCenter | Qt::AlignBottom);
}

std::vector<QString> labelsOf(const TVtDataGrid& grid, bool rows) {
    std::vector<QString> labels;
    const int n = rows ? grid.RowCount() : grid.ColumnCount();
    labels.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i)
        labels.push_back(rows ? grid.rowLabel(i) : grid.columnLabel(i));
    return labels;
}

} // namespace

int meshLineStep(int lines, double span, double minGap) {
    if (lines < 2 || !(span > 0)) return 1;
    const double gap = span / (lines - 1);
    return std::max(1, static_cast<int>(std::ceil(minGap / gap - 1e-9)));
}

SurfaceLayout surfaceLayout(const QPainter& painter, const QRectF& area, const TVtDataGrid& grid,
                            const TVtPlot& plot) {
    const double unit = deviceUnit(painter);
    const QFontMetricsF tickMetrics(vtFont(VtFontRole::Tick), painter.device());
    const double lineHeight = tickMetrics.height();
    const auto range = grid.valueRange();
    NiceAxis values = range ? niceAxis(range->first, range->second, 6) : niceAxis(0, 1, 6);
    double widest = 0;
    for (const AxisTick& tick : values.ticks)
        widest = std::max(widest, tickMetrics.horizontalAdvance(tick.label));
    // Room for the labels around the box: the value labels at the side, the edge labels and the
    // axis titles below, the value axis title above.
    const double side = std::max(widest + 12 * unit, 3.5 * lineHeight);
    QRectF inner = area.adjusted(side, 2.2 * lineHeight, -side, -3.4 * lineHeight);
    if (inner.width() < 10 || inner.height() < 10) inner = area;
    return {
        SurfaceProjection(plot.Rotation(), plot.Elevation(), inner, plot.WallWidth() * unit * 96.0 / 72.0),
        std::move(values)};
}

void drawSurfaceChart(QPainter& painter, const QRectF& area, const TVtDataGrid& grid, const TVtPlot& plot) {
    const double unit = deviceUnit(painter);
    const SurfaceLayout layout = surfaceLayout(painter, area, grid, plot);
    const SurfaceProjection& view = layout.view;
    const int wanted = std::clamp(static_cast<int>(2 * view.scale() / (32 * unit)), 3, 10);
    SurfaceFrame frame{view, layout.values, labelAxisTicks(labelsOf(grid, true), wanted),
                       labelAxisTicks(labelsOf(grid, false), wanted), unit};

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double t = view.wall();
    const double e = 1 + t;
    const double fx = view.farX(), fy = view.farY();
    const QColor wall = toQColor(plot.WallColor());
    if (t > 0) {
        drawBox(painter, view, {-e, -e, -t}, {e, e, 0}, wall, unit);
        // The wall along the far y side spans the whole width; the other one meets it.
        drawBox(painter, view, {-e, std::min(fy, fy * e), 0}, {e, std::max(fy, fy * e), H}, wall, unit);
        drawBox(painter, view, {std::min(fx, fx * e), std::min(-fy * e, fy), 0},
                {std::max(fx, fx * e), std::max(-fy * e, fy), H}, wall, unit);
    } else {
        painter.setPen(QPen(wall.darker(135), 0.8 * unit));
        painter.setBrush(wall);
        const QPointF floor[4] = {view.project({-1, -1, 0}), view.project({1, -1, 0}),
                                  view.project({1, 1, 0}), view.project({-1, 1, 0})};
        painter.drawPolygon(floor, 4);
    }
    drawWallGrids(painter, frame, plot);
    drawMesh(painter, frame, grid, plot);
    drawEdgeAxis(painter, frame, {-1, -fy * e, -t}, {1, -fy * e, -t}, {0, -fy, 0}, frame.rowTicks,
                 plot.Axis(0).title);
    drawEdgeAxis(painter, frame, {-fx * e, -1, -t}, {-fx * e, 1, -t}, {-fx, 0, 0}, frame.columnTicks,
                 plot.Axis(3).title);
    drawValueAxis(painter, frame, plot.Axis(1).title);
    painter.restore();
}

} // namespace brelt::chart
