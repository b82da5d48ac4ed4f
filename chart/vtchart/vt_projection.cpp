#include "chart/vtchart/vt_projection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brelt::chart {

namespace {

constexpr double kRoot2 = std::numbers::sqrt2;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// Cosine and sine with the exact zeros of multiples of 90 degrees, so that a view straight
// along an axis is exactly that.
void cosSin(double degrees, double& c, double& s) {
    const double r = radians(degrees);
    c = std::cos(r);
    s = std::sin(r);
    if (std::fabs(c) < 1e-12) c = 0;
    if (std::fabs(s) < 1e-12) s = 0;
}

// The light in the eye's frame, of length 1: from the upper left and mostly from the eye, so that
// slopes darken whichever way they face and a view from high above still shows its hills.
constexpr ViewVector kLight{-0.3504558892, 0.4505861432, 0.8210680832};

} // namespace

SurfaceProjection::SurfaceProjection(double rotationDegrees, double elevationDegrees, const QRectF& area,
                                     double wallPixels) {
    cosSin(rotationDegrees, m_cosR, m_sinR);
    cosSin(elevationDegrees, m_cosE, m_sinE);
    const double w = std::max(area.width(), 1.0);
    const double h = std::max(area.height(), 1.0);
    wallPixels = std::clamp(wallPixels, 0.0, 0.12 * std::min(w, h));
    // The box's extent for any rotation: its footprint's circle across, its height and the
    // footprint's depth tilted up; the walls add their thickness at every side.
    const double sideFit = (w - 2 * kRoot2 * wallPixels) / (2 * kRoot2);
    const double heightUnits = kBoxHeight * std::fabs(m_cosE) + 2 * kRoot2 * std::fabs(m_sinE);
    const double heightFit =
        (h - wallPixels * (2 * kRoot2 * std::fabs(m_sinE) + std::fabs(m_cosE))) / std::max(heightUnits, 1e-9);
    m_scale = std::max(std::min(sideFit, heightFit), 1e-3);
    m_wall = wallPixels / m_scale;
    const double radius = (1 + m_wall) * kRoot2;
    const double top = kBoxHeight * m_cosE + radius * m_sinE;
    const double bottom = -radius * m_sinE - m_wall * m_cosE;
    m_upMiddle = (top + bottom) / 2;
    m_centerX = area.center().x();
    m_centerY = area.center().y();
    // The side with the larger distance from the eye; on a tie (the side seen edge on) the left.
    const double dx = -m_sinR; // depth per unit of x
    const double dy = m_cosR;  // depth per unit of y
    m_farX = dx > 0 ? 1 : -1;
    m_farY = dy >= 0 ? 1 : -1;
}

ViewVector SurfaceProjection::toView(const Vec3& v) const {
    const double right = v.x * m_cosR + v.y * m_sinR;
    const double away = -v.x * m_sinR + v.y * m_cosR;
    return {right, v.z * m_cosE + away * m_sinE, v.z * m_sinE - away * m_cosE};
}

QPointF SurfaceProjection::project(const Vec3& p) const {
    const ViewVector v = toView(p);
    return {m_centerX + m_scale * v.right, m_centerY - m_scale * (v.up - m_upMiddle)};
}

double SurfaceProjection::depth(const Vec3& p) const {
    return -toView(p).toward;
}

double SurfaceProjection::brightness(const Vec3& n) const {
    ViewVector v = toView(n);
    const double length = std::sqrt(v.right * v.right + v.up * v.up + v.toward * v.toward);
    if (!(length > 0)) return kAmbient;
    if (v.toward < 0) v = {-v.right, -v.up, -v.toward}; // the side that faces the eye
    const double lambert = (v.right * kLight.right + v.up * kLight.up + v.toward * kLight.toward) / length;
    return kAmbient + (1 - kAmbient) * std::max(lambert, 0.0);
}

CellTraversal cellTraversal(double rotationDegrees) {
    double c, s;
    cosSin(rotationDegrees, c, s);
    // Depth grows with x by -sin and with y by cos: start at the far end of each.
    return {s >= 0, c < 0};
}

} // namespace brelt::chart
