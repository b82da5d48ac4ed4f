#pragma once
// The 49 marker symbols a series or legend sample can show. The second 24 shapes repeat the
// first 24 as outlines without fill.
#include <cstdint>

namespace brelt::chart {

enum class TMarkerStyle : std::uint8_t {
    msNone,
    msRect,
    msCircle,
    msTriangleUp,
    msTriangleDn,
    msCrest,
    msCross,
    msStar,
    msDiamond,
    msRectDiag,
    msConcaveRect,
    msCircleCircle,
    msCircleDiamond,
    msHalfCircle,
    msCircleCrest,
    msCrestCircle,
    ms4Star,
    ms5Star,
    ms6Star,
    ms4StarCircle,
    ms5StarCircle,
    ms6StarCircle,
    msCircle4Star,
    msCircle5Star,
    msCircle6Star,
    msRect1,
    msCircle1,
    msTriangleUp1,
    msTriangleDn1,
    msCrest1,
    msCross1,
    msStar1,
    msDiamond1,
    msRectDiag1,
    msConcaveRect1,
    msCircleCircle1,
    msCircleDiamond1,
    msHalfCircle1,
    msCircleCrest1,
    msCrestCircle1,
    ms4Star1,
    ms5Star1,
    ms6Star1,
    ms4StarCircle1,
    ms5StarCircle1,
    ms6StarCircle1,
    msCircle4Star1,
    msCircle5Star1,
    msCircle6Star1,
};

constexpr int kMarkerStyleCount = 49;
constexpr int kMarkerShapeCount = 24;

// Out-of-range stored values become msNone, so a damaged file cannot index past the shape table.
constexpr TMarkerStyle markerStyleFromInt(int v) {
    return v >= 0 && v < kMarkerStyleCount ? static_cast<TMarkerStyle>(v) : TMarkerStyle::msNone;
}
constexpr int toInt(TMarkerStyle s) {
    return static_cast<int>(s);
}

} // namespace brelt::chart
