#include "windows/dialog_parts.h"

#include "chart/fit/least_squares.h"

#include <array>

namespace brelt::windows {

const QStringList& seriesStyleNames() {
    static const QStringList names = {QStringLiteral("Points"),
                                      QStringLiteral("Line"),
                                      QStringLiteral("Line and Point "),
                                      QStringLiteral("Piecewise Constant"),
                                      QStringLiteral("Area"),
                                      QStringLiteral("Bar")};
    return names;
}

int styleIndexOf(chart::SeriesStyle style) {
    return style == chart::SeriesStyle::SingleBar ? 5 : static_cast<int>(style) - 1;
}

chart::SeriesStyle styleAt(int index) {
    return static_cast<chart::SeriesStyle>(std::clamp(index, 0, 5) + 1);
}

const QStringList& lineStyleNames() {
    static const QStringList names = {QStringLiteral("Solid"),       QStringLiteral("Dash "),
                                      QStringLiteral("Dot"),         QStringLiteral("DashDot"),
                                      QStringLiteral("DashDotDot "), QStringLiteral("Clear")};
    return names;
}

QString markerName(chart::TMarkerStyle style) {
    static const std::array<const char*, chart::kMarkerShapeCount> shapes = {
        "Rect",        "Circle",      "TriangleUp",  "TriangleDn",  "Crest",        "Cross",
        "Star",        "Diamond",     "RectDiag",    "ConcaveRect", "CircleCircle", "CircleDiamond",
        "HalfCircle",  "CircleCrest", "CrestCircle", "4Star",       "5Star",        "6Star",
        "4StarCircle", "5StarCircle", "6StarCircle", "Circle4Star", "Circle5Star",  "Circle6Star"};
    const int v = chart::toInt(style);
    if (v <= 0 || v >= chart::kMarkerStyleCount) return QStringLiteral("None");
    const QString shape = QLatin1String(shapes[static_cast<size_t>((v - 1) % chart::kMarkerShapeCount)]);
    return v > chart::kMarkerShapeCount ? shape + QLatin1Char('1') : shape;
}

} // namespace brelt::windows
