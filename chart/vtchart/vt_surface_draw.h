#pragma once
// Painting a 3D surface chart: the pedestal and the two back walls, their grid lines, the mesh of
// the data grid (rows along x, columns along y, values up) painted back to front and shaded from
// the surface colour by the fixed light, the mesh lines, and the three axes with nice ticks and
// their titles. A cell with a null corner is left out, so null cells show as gaps.
#include "chart/vtchart/vt_draw_support.h"
#include "chart/vtchart/vt_projection.h"

#include <QRectF>

class QPainter;

namespace brelt::chart {

class TVtDataGrid;
class TVtPlot;

void drawSurfaceChart(QPainter& painter, const QRectF& area, const TVtDataGrid& grid, const TVtPlot& plot);

// The view and the value scale drawSurfaceChart uses in `area`: the box with room for the labels
// around it, and the nice value range standing on the floor.
struct SurfaceLayout {
    SurfaceProjection view;
    NiceAxis values;
    double z(double value) const {
        return (value - values.min) / (values.max - values.min) * SurfaceProjection::kBoxHeight;
    }
};
SurfaceLayout surfaceLayout(const QPainter& painter, const QRectF& area, const TVtDataGrid& grid,
                            const TVtPlot& plot);

// How many grid lines apart the mesh lines are drawn so that neighbouring lines stay at least
// `minGap` pixels apart when `lines` lines span `span` pixels: 1 draws every line.
int meshLineStep(int lines, double span, double minGap);

} // namespace brelt::chart
