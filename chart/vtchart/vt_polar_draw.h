#pragma once
// Painting a polar chart: each pair of columns of the data grid (an angle in degrees, then a
// radius) is one curve with its own pen and a legend entry. The circular grid has a ring per nice
// radius step and a spoke every 30 degrees, with the radius and angle labels. Angles run
// counter-clockwise from the right; a negative radius is drawn on the other side of the centre,
// so a curve passes through it. Null cells break a curve.
#include <QPointF>
#include <QRectF>

class QPainter;

namespace brelt::chart {

class TVtDataGrid;
class TVtPlot;

// Where the polar disk stands in a drawing area and what radius its rim means.
struct PolarFrame {
    QPointF center;
    double radius = 0; // pixels from the centre to the rim
    double rMax = 1;   // the data radius at the rim
    QPointF point(double angleDegrees, double r) const;
};
PolarFrame polarFrame(const QPainter& painter, const QRectF& area, const TVtDataGrid& grid);

void drawPolarChart(QPainter& painter, const QRectF& area, const TVtDataGrid& grid, const TVtPlot& plot);

} // namespace brelt::chart
