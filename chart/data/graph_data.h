#pragma once
// TGraphData: one point of a series. Prev and Pt make every record a line segment: Prev is the
// previous point (the point itself for the first record), so deleting a point only has to repair
// the Prev of its successor.
#include "chart/data/color.h"
#include "chart/data/marker.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <optional>

namespace brelt::chart {

class TGraphContext;
class TSeries;

struct WorldPoint {
    double X = 0;
    double Y = 0;
    bool operator==(const WorldPoint&) const = default;
};

// Points with NaN or infinite coordinates (possible in imported data) are left out of drawing
// and hit testing; they break a line into two runs.
inline bool isFinite(const WorldPoint& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

struct TGraphData {
    TGraphContext* Graph = nullptr;
    std::int32_t Tag = 1;
    std::optional<TMarker> Marker;
    WorldPoint Prev;
    WorldPoint Pt;
    QString Name;
    bool Flag1 = true; // the point may be hit
    bool Flag2 = true;
    std::int32_t Value = 0;
    TColor Color = clBlack;
    std::int32_t Extra = 0;
    TSeries* Series = nullptr;

    bool isFiniteSegment() const { return isFinite(Prev) && isFinite(Pt); }
};

} // namespace brelt::chart
