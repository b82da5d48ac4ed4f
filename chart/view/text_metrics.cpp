#include "chart/view/text_metrics.h"

#include "chart/data/graph_context.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {
// A small image at screen resolution stands in for the canvas outside Draw.
QPaintDevice* screenDevice() {
    static QImage image(4, 4, QImage::Format_ARGB32_Premultiplied);
    return &image;
}
} // namespace

QPaintDevice* measuringDevice(const TGraphContext* graph) {
    if (graph && graph->canvas() && graph->canvas()->device()) return graph->canvas()->device();
    return screenDevice();
}

int textHeight(const TGraphContext* graph, const QFont& font, const QString& text) {
    (void)text;
    return QFontMetrics(font, measuringDevice(graph)).height();
}

int textWidth(const TGraphContext* graph, const QFont& font, const QString& text) {
    return QFontMetrics(font, measuringDevice(graph)).horizontalAdvance(text);
}

QFont scaledFont(const TGraphContext* graph, QFont font) {
    const double factor = graph ? graph->sizeFactor() : 1.0;
    if (factor != 1.0 && font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

int scaledPixels(const TGraphContext* graph, double pixels) {
    return roundEven(pixels * (graph ? graph->sizeFactor() : 1.0));
}

int penPixels(const TGraphContext* graph, int width) {
    return std::max(1, scaledPixels(graph, std::max(1, width)));
}

int roundEven(double v) {
    if (!std::isfinite(v)) return 0;
    const double clamped = std::clamp(v, -2.0e9, 2.0e9);
    return static_cast<int>(std::nearbyint(clamped));
}

int roundEven(long double v) {
    if (!std::isfinite(v)) return 0;
    const long double clamped = std::clamp(v, -2.0e9L, 2.0e9L);
    return static_cast<int>(std::nearbyintl(clamped));
}

} // namespace brelt::chart
