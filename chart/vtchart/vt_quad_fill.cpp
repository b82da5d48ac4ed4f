#include "chart/vtchart/vt_quad_fill.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

// The x where the edge p-q crosses the line y. The ends are put in one order first, so that the
// two faces sharing an edge compute the very same x for it.
// The first pixel whose centre is at or past v, held to [0, limit].
int firstCentreAtOrPast(double v, int limit) {
    return static_cast<int>(std::clamp(std::ceil(v - 0.5), 0.0, static_cast<double>(limit)));
}

double edgeX(QPointF p, QPointF q, double y) {
    if (q.y() < p.y() || (q.y() == p.y() && q.x() < p.x())) std::swap(p, q);
    if (q.y() == p.y()) return p.x();
    return p.x() + (y - p.y()) * (q.x() - p.x()) / (q.y() - p.y());
}

} // namespace

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
    const int width = m_image->width();
    const int height = m_image->height();
    // Rows whose centre lies in [top, bottom): pixel centres at y + 0.5.
    const int first = firstCentreAtOrPast(a.y(), height);
    const int last = firstCentreAtOrPast(c.y(), height); // one past
    uchar* bits = m_image->bits();
    const qsizetype stride = m_image->bytesPerLine();
    for (int y = first; y < last; ++y) {
        const double yc = y + 0.5;
        const double xLong = edgeX(a, c, yc);
        const double xShort = yc < b.y() ? edgeX(a, b, yc) : edgeX(b, c, yc);
        const double left = std::min(xLong, xShort);
        const double right = std::max(xLong, xShort);
        const int x0 = firstCentreAtOrPast(left, width);
        const int x1 = firstCentreAtOrPast(right, width); // one past
        if (x1 <= x0) continue;
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(row + x0, row + x1, color);
    }
}

} // namespace brelt::chart
