#pragma once
// The plain records of contour generation, in world coordinates: a traced segment with the
// squared gradient of the cell that produced it, and a polyline (the joined chain of one level)
// with its two ends and the segment that carries its label.
#include <cmath>
#include <vector>

namespace brelt::chart {

struct ContourPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ContourPoint&) const = default;
};

// The segment that carries a polyline's label, and the squared gradient magnitude of its cell:
// joining keeps the flattest one, where lines lie farthest apart.
struct LabelSegment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double gradient = 0;
    bool operator==(const LabelSegment&) const = default;
};

// One piece from the tracer: from a to b, in the order the triangle rules give.
struct ContourSegment {
    ContourPoint a;
    ContourPoint b;
    double gradient = 0;
};

struct ContourPolyline {
    double level = 0;
    ContourPoint start; // equal to points.front()
    ContourPoint end;   // equal to points.back()
    LabelSegment labelSegment;
    std::vector<ContourPoint> points; // drawing order; closed curves end where they start
    bool operator==(const ContourPolyline&) const = default;
};

// Two ends meet when they lie within the tolerance in each coordinate.
struct JoinTolerance {
    double x = 1e-5;
    double y = 1e-5;
    bool meets(const ContourPoint& p, const ContourPoint& q) const {
        return std::fabs(p.x - q.x) <= x && std::fabs(p.y - q.y) <= y;
    }
};

} // namespace brelt::chart
