#pragma once
// TGraphData: one point of a series. Prev and Pt make every record a line segment: Prev is the
// previous point (the point itself for the first record), so deleting a point only has to repair
// the Prev of its successor.
#include "chart/data/color.h"
#include "chart/data/marker.h"

#include <QString>
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
};

} // namespace brelt::chart
