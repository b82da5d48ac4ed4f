#include "chart/vtchart/vt_quad_fill.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

// The first pixel whose centre is at or past v, held to [0, limit].
int firstCentreAtOrPast(double v, int limit) {
    return static_cast<int>(std::clamp(std::ceil(v - 0.5), 0.0, static_cast<double>(limit)));
}

// An edge walked down the rows: x at a row's centre y is x0 + (y - y0) * dxdy. The ends are put
// in one order first, so that the two faces sharing an edge compute the very same x for it.
struct Edge {
    double x0, y0, dxdy;
    Edge(QPointF p, QPointF q) {
        if (q.y() < p.y() || (q.y() == p.y() && q.x() < p.x())) std::swap(p, q);
        x0 = p.x();
        y0 = p.y();
        dxdy = q.y() == p.y() ? 0 : (q.x() - p.x()) / (q.y() - p.y());
    }
    double x(double y) const { return x0 + (y - y0) * dxdy; }
};

} // namespace

QuadFiller::QuadFiller(QImage* image, const QTransform& transform)
    : m_bits(image->bits()), m_stride(image->bytesPerLine()), m_width(image->width()),
      m_height(image->height()), m_transform(transform) {}

std::optional<QuadFiller> QuadFiller::forPainter(const QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image || painter.hasClipping()) return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return std::nullopt;
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxScale) return std::nullopt;
    return QuadFiller(image, transform);
}

void QuadFiller::fill(const QPointF (&quad)[4], QRgb color) {
    const QPointF a = m_transform.map(quad[0]);
    const QPointF b = m_transform.map(quad[1]);
    const QPointF c = m_transform.map(quad[2]);
    const QPointF d = m_transform.map(quad[3]);
    color |= 0xFF000000u;
    fillDeviceTriangle(a, b, c, color);
    fillDeviceTriangle(a, c, d, color);
}

void QuadFiller::fill(const QPointF (&triangle)[3], QRgb color) {
    fillDeviceTriangle(m_transform.map(triangle[0]), m_transform.map(triangle[1]),
                       m_transform.map(triangle[2]), color | 0xFF000000u);
}

void QuadFiller::fillDeviceTriangle(QPointF a, QPointF b, QPointF c, QRgb color) {
    if (!std::isfinite(a.x() + a.y() + b.x() + b.y() + c.x() + c.y())) return;
    if (b.y() < a.y()) std::swap(a, b);
    if (c.y() < a.y()) std::swap(a, c);
    if (c.y() < b.y()) std::swap(b, c);
    // Rows whose centre lies in [top, bottom): pixel centres at y + 0.5.
    const int first = firstCentreAtOrPast(a.y(), m_height);
    const int last = firstCentreAtOrPast(c.y(), m_height); // one past
    const Edge along(a, c), upper(a, b), lower(b, c);
    for (int y = first; y < last; ++y) {
        const double yc = y + 0.5;
        const double xLong = along.x(yc);
        const double xShort = yc < b.y() ? upper.x(yc) : lower.x(yc);
        const int x0 = firstCentreAtOrPast(std::min(xLong, xShort), m_width);
        const int x1 = firstCentreAtOrPast(std::max(xLong, xShort), m_width); // one past
        if (x1 <= x0) continue;
        auto* row = reinterpret_cast<QRgb*>(m_bits + y * m_stride);
        std::fill(row + x0, row + x1, color);
    }
}

} // namespace brelt::chart
