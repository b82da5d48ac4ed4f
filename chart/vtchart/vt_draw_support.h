#pragma once
// What the surface and the polar drawing share: sizes that follow the device's resolution, fonts,
// text placed by an anchor, axis ticks from nice numbers, and the legend's entries.
#include "chart/data/color.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace brelt::chart {

class TVtDataGrid;
class TVtPlot;

// One device pixel of a 96 dpi screen in the painter's device pixels (12.5 on a 1200 dpi printer).
double deviceUnit(const QPainter& painter);

enum class VtFontRole { Tick, AxisTitle, Title, Legend };
QFont vtFont(VtFontRole role);

// Draws `text` so that the point of its box named by `anchor` (a combination of a horizontal and a
// vertical Qt alignment flag) lies at `at`. Returns the box.
QRectF drawAnchoredText(QPainter& painter, const QPointF& at, const QString& text, Qt::Alignment anchor);
QRectF anchoredTextBox(const QPainter& painter, const QPointF& at, const QString& text, Qt::Alignment anchor);

// The anchor that puts a label beside a point on the side `direction` (page coordinates, y down)
// points to.
Qt::Alignment anchorAway(const QPointF& direction);

struct AxisTick {
    double value = 0; // in the axis's values
    QString label;
};

// Nice ticks over [low, high] (exchanged when given the other way round): the range widened to
// multiples of a 1, 2 or 5 step, about `wanted` ticks. A zero span becomes a span of 1 around
// the value.
struct NiceAxis {
    double min = 0;
    double max = 1;
    std::vector<AxisTick> ticks;
};
NiceAxis niceAxis(double low, double high, int wanted);

// The label axis of a surface's rows or columns: when the first and last labels read as
// different numbers the axis runs linearly between them (the tabulation's grid) with nice ticks
// inside; otherwise every k-th label (or number, for empty labels) names its row, at most about
// `wanted` of them. Positions are 0 at the first row and 1 at the last.
struct LabelTick {
    double position = 0;
    QString label;
};
std::vector<LabelTick> labelAxisTicks(const std::vector<QString>& labels, int wanted);

struct VtLegendEntry {
    QString text;
    QColor color;
    bool line = true;     // a line sample (a curve); else a filled swatch (the surface)
    double lineWidth = 1; // points
};
std::vector<VtLegendEntry> surfaceLegend(const TVtDataGrid& grid, const TVtPlot& plot);
std::vector<VtLegendEntry> polarLegend(const TVtDataGrid& grid, const TVtPlot& plot);

// The legend box's size for these entries, and its drawing inside `box`.
QSizeF legendSize(const QPainter& painter, const std::vector<VtLegendEntry>& entries);
void drawLegend(QPainter& painter, const QRectF& box, const std::vector<VtLegendEntry>& entries);

// A value written for a legend: six significant digits, no trailing zeros.
QString shortNumber(double value);

} // namespace brelt::chart
