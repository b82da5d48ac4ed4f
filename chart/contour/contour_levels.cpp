#include "chart/contour/contour_levels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace brelt::chart {

double roundSignificant(double v, int digits) {
    if (!std::isfinite(v) || v == 0) return v;
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", std::clamp(digits, 1, 17), v);
    return std::strtod(text, nullptr);
}

double levelStep(double zMin, double zMax, int count) {
    const long double step = (static_cast<long double>(zMax) - zMin) / (count + 1);
    return roundSignificant(static_cast<double>(step), 11);
}

bool isFlatRange(double zMin, double zMax) {
    const double range = zMax - zMin;
    if (!(range > 0)) return true;
    const double magnitude = std::max(std::fabs(zMin), std::fabs(zMax));
    return range < 1e-5 * std::min(1.0, magnitude);
}

std::vector<double> levelValues(double zMin, double zMax, int count) {
    std::vector<double> levels;
    if (count < 1 || isFlatRange(zMin, zMax)) return levels;
    const long double step = levelStep(zMin, zMax, count);
    levels.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k)
        levels.push_back(roundLevel(static_cast<double>(zMin + (k - 0.5L) * step)));
    return levels;
}

double joinToleranceOf(const std::vector<double>& coords) {
    double smallest = 0;
    for (std::size_t i = 1; i < coords.size(); ++i) {
        const double d = coords[i] - coords[i - 1];
        if (d > 0 && (smallest == 0 || d < smallest)) smallest = d;
    }
    if (smallest == 0) return 1e-5;
    return std::min(1e-5, 1e-3 * smallest);
}

double edgeThresholdOf(double zMin, double zMax) {
    const double range = zMax - zMin;
    if (!(range > 0) || range >= 1) return 1e-10;
    return 1e-10 * range;
}

} // namespace brelt::chart
