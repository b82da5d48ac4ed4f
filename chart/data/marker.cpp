// The 24 marker shapes of Brelt's own design. Each shape is a filled part (filled with the fill
// colour, outlined with the pen colour) and a line part (pen only), designed around the centre at
// a height of 1 and scaled once per pixel size.
#include "chart/data/marker.h"

#include "chart/data/chart_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace brelt::chart {

namespace {

struct Shape {
    QPainterPath fill;
    QPainterPath lines;
};

QPainterPath circle(double r) {
    QPainterPath p;
    p.addEllipse(QPointF(0, 0), r, r);
    return p;
}

// A star with n points, outer radius ro and inner radius ri, first point straight up.
QPainterPath star(int n, double ro, double ri) {
    QPolygonF poly;
    for (int k = 0; k < 2 * n; ++k) {
        const double a = -std::numbers::pi / 2 + k * std::numbers::pi / n;
        const double r = (k % 2 == 0) ? ro : ri;
        poly << QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath p;
    p.addPolygon(poly);
    p.closeSubpath();
    return p;
}

QPainterPath polygon(std::initializer_list<QPointF> pts) {
    QPainterPath p;
    p.addPolygon(QPolygonF(pts));
    p.closeSubpath();
    return p;
}

QPainterPath plusLines(double r) {
    QPainterPath p;
    p.moveTo(-r, 0);
    p.lineTo(r, 0);
    p.moveTo(0, -r);
    p.lineTo(0, r);
    return p;
}

QPainterPath crossLines(double r) {
    QPainterPath p;
    p.moveTo(-r, -r);
    p.lineTo(r, r);
    p.moveTo(-r, r);
    p.lineTo(r, -r);
    return p;
}

Shape unitShape(int shape) {
    const double h = 0.5; // half the symbol height
    switch (shape) {
    case 1: return {polygon({{-h, -h}, {h, -h}, {h, h}, {-h, h}}), {}};
    case 2: return {circle(h), {}};
    case 3: return {polygon({{0, -h}, {h, h * 0.8}, {-h, h * 0.8}}), {}};
    case 4: return {polygon({{0, h}, {h, -h * 0.8}, {-h, -h * 0.8}}), {}};
    case 5: return {{}, plusLines(h)};
    case 6: return {{}, crossLines(h * 0.8)};
    case 7: {
        QPainterPath p = plusLines(h);
        p.addPath(crossLines(h * 0.7));
        return {{}, p};
    }
    case 8: return {polygon({{0, -h}, {h, 0}, {0, h}, {-h, 0}}), {}};
    case 9: return {polygon({{-h, -h}, {h, -h}, {h, h}, {-h, h}}), crossLines(h)};
    case 10: {
        QPainterPath p;
        p.moveTo(-h, -h);
        p.quadTo(0, -h * 0.3, h, -h);
        p.quadTo(h * 0.3, 0, h, h);
        p.quadTo(0, h * 0.3, -h, h);
        p.quadTo(-h * 0.3, 0, -h, -h);
        p.closeSubpath();
        return {p, {}};
    }
    case 11: return {circle(h), circle(h * 0.5)};
    case 12: return {circle(h), polygon({{0, -h * 0.7}, {h * 0.7, 0}, {0, h * 0.7}, {-h * 0.7, 0}})};
    case 13: {
        QPainterPath half;
        half.moveTo(h, 0);
        half.arcTo(QRectF(-h, -h, 2 * h, 2 * h), 0, 180);
        half.closeSubpath();
        return {half, circle(h)};
    }
    case 14: return {circle(h), plusLines(h * 0.7)};
    case 15: return {circle(h * 0.4), plusLines(h)};
    case 16: return {star(4, h, h * 0.4), {}};
    case 17: return {star(5, h, h * 0.4), {}};
    case 18: return {star(6, h, h * 0.45), {}};
    case 19: return {star(4, h, h * 0.4), circle(h * 0.25)};
    case 20: return {star(5, h, h * 0.4), circle(h * 0.25)};
    case 21: return {star(6, h, h * 0.45), circle(h * 0.25)};
    case 22: return {circle(h), star(4, h * 0.8, h * 0.3)};
    case 23: return {circle(h), star(5, h * 0.8, h * 0.3)};
    case 24: return {circle(h), star(6, h * 0.8, h * 0.35)};
    default: return {};
    }
}

// Shapes scaled to the pixel size last asked for; markers of one series share a size.
const Shape& scaledShape(int shape, double pixelSize) {
    struct Entry {
        double size = -1;
        Shape shape;
    };
    static std::array<Entry, kMarkerShapeCount + 1> cache;
    Entry& e = cache[static_cast<size_t>(shape)];
    if (e.size != pixelSize) {
        const Shape unit = unitShape(shape);
        const QTransform t = QTransform::fromScale(pixelSize, pixelSize);
        e.shape = {t.map(unit.fill), t.map(unit.lines)};
        e.size = pixelSize;
    }
    return e.shape;
}

} // namespace

void TMarker::drawShape(QPainter& painter, TMarkerStyle style, QPointF centre, double pixelSize,
                        TColor fillColor, TColor penColor, double penScale) {
    const int index = toInt(style);
    if (index <= 0 || index >= kMarkerStyleCount || pixelSize <= 0) return;
    const bool hollow = index > kMarkerShapeCount;
    const int shape = hollow ? index - kMarkerShapeCount : index;
    const Shape& s = scaledShape(shape, pixelSize);
    const bool lineOnly = s.fill.isEmpty();
    QPen pen(toQColor(penColor), (hollow && lineOnly ? 2.0 : 1.0) * penScale);
    painter.translate(centre);
    painter.setPen(pen);
    if (!lineOnly) {
        painter.setBrush(hollow ? QBrush(Qt::NoBrush) : QBrush(toQColor(fillColor)));
        painter.drawPath(s.fill);
    }
    if (!s.lines.isEmpty()) {
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(s.lines);
    }
    painter.translate(-centre);
}

void TMarker::Draw(QPainter& painter, QPointF centre, double pixelSize, double penScale) const {
    drawShape(painter, Style, centre, pixelSize, FillColor, PenColor, penScale);
}

double TMarker::pixelSize(const QFont& chartFont, int size, const QPaintDevice* device) {
    if (size <= 0) return 0;
    QFont f(chartFont);
    f.setPointSizeF(size);
    return device ? QFontMetricsF(f, device).height() : QFontMetricsF(f).height();
}

void TMarker::SaveToText(ChartTextWriter& writer) const {
    writer.line(QStringLiteral("TMarker"));
    writer.fields({ChartTextWriter::integer(toInt(Style)), ChartTextWriter::integer(Size),
                   ChartTextWriter::integer(FillColor), ChartTextWriter::integer(PenColor)});
    writer.line(QStringLiteral("TMarker"));
}

void TMarker::LoadFromText(ChartTextReader& reader) {
    const QStringList f = reader.splitFields(reader.readLine(), 4, false);
    Style = markerStyleFromInt(static_cast<int>(ChartTextReader::toInteger(f[0])));
    Size = static_cast<int>(ChartTextReader::toInteger(f[1]));
    FillColor = static_cast<TColor>(ChartTextReader::toInteger(f[2]));
    PenColor = static_cast<TColor>(ChartTextReader::toInteger(f[3]));
    if (reader.readLine() != QLatin1String("TMarker"))
        throw ChartReadError{QStringLiteral("marker block not closed"), QStringLiteral("TMarker")};
}

} // namespace brelt::chart
