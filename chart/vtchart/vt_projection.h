#pragma once
// The 3D view of a surface chart as plain geometry: where a point of the chart's box lands on the
// page, how far it is from the eye, how a face is lit, and in which order the cells of the mesh
// must be painted so that nearer cells cover farther ones.
//
// Box coordinates: x from -1 to 1 along the rows (axis 0), y from -1 to 1 along the columns
// (axis 3), z from 0 (the floor) to kBoxHeight (the value axis). The walls stand behind the box
// and the pedestal under it, `wall` units thick. The view is an orthographic projection: turned
// by the rotation about the vertical axis, then tilted by the elevation; the scale keeps the box
// of the same size while it turns, so rotating does not make the chart breathe.
#include <QPointF>
#include <QRectF>

namespace brelt::chart {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

// A direction in the eye's frame: right on the page, up on the page, towards the eye.
struct ViewVector {
    double right = 0;
    double up = 0;
    double toward = 0;
};

class SurfaceProjection {
public:
    static constexpr double kBoxHeight = 1.3;

    // Fits the box, its walls and pedestal (wallPixels thick on the page) into `area`.
    SurfaceProjection(double rotationDegrees, double elevationDegrees, const QRectF& area, double wallPixels);

    QPointF project(const Vec3& p) const;
    // Distance along the line of sight, up to a constant: larger is farther from the eye.
    double depth(const Vec3& p) const;
    ViewVector toView(const Vec3& direction) const;

    double scale() const { return m_scale; } // pixels per box unit
    double wall() const { return m_wall; }   // wall and pedestal thickness in box units

    // The x side (-1 or 1) and the y side whose walls stand at the back, away from the eye.
    int farX() const { return m_farX; }
    int farY() const { return m_farY; }

    // The brightness of a face with normal `n` (any length) under the chart's fixed light, which
    // comes from the upper left behind the viewer: from kAmbient (turned away) to 1. A face seen
    // from behind is lit as its other side.
    static constexpr double kAmbient = 0.42;
    double brightness(const Vec3& n) const;

private:
    double m_cosR, m_sinR, m_cosE, m_sinE;
    double m_scale = 1;
    double m_wall = 0;
    double m_centerX = 0, m_centerY = 0, m_upMiddle = 0;
    int m_farX = -1, m_farY = 1;
};

// The painting order of the cells of a rows x columns mesh (cell (i, j) spans rows i, i + 1 and
// columns j, j + 1, 0-based): rows in the outer loop, columns in the inner one, each from its far
// end. For a height field under an orthographic view this puts every cell after all cells it can
// hide behind (a line of sight crosses cells in an order monotone in both indices).
struct CellTraversal {
    bool rowsAscending = true;
    bool columnsAscending = true;
};
CellTraversal cellTraversal(double rotationDegrees);

} // namespace brelt::chart
