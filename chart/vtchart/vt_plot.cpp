#include "chart/vtchart/vt_plot.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

// Dark, well separated colours that read on white and in print.
constexpr TColor kPalette[] = {rgbColor(200, 0, 0),   rgbColor(0, 0, 200),   rgbColor(0, 130, 0),
                               rgbColor(160, 0, 160), rgbColor(230, 120, 0), rgbColor(0, 140, 150),
                               rgbColor(120, 70, 20), rgbColor(90, 90, 90)};

} // namespace

TColor vtPaletteColor(int series) {
    constexpr int size = static_cast<int>(std::size(kPalette));
    return kPalette[((series % size) + size) % size];
}

void TVtPlot::SetRotation(double degrees) {
    if (!std::isfinite(degrees)) return;
    double r = std::fmod(degrees, 360.0);
    if (r < 0) r += 360.0;
    if (r >= 360.0) r = 0.0; // -1e-17 + 360 rounds to 360
    m_rotation = r;
}

void TVtPlot::SetElevation(double degrees) {
    if (!std::isfinite(degrees)) return;
    m_elevation = std::clamp(degrees, 0.0, 90.0);
}

void TVtPlot::SetWallWidth(double points) {
    if (!std::isfinite(points)) return;
    m_wallWidth = std::clamp(points, 0.0, kMaxWallWidth);
}

VtSeriesPen TVtPlot::SeriesPen(int series) const {
    if (series >= 0 && series < static_cast<int>(m_seriesPens.size()))
        return m_seriesPens[static_cast<size_t>(series)];
    return {vtPaletteColor(series), 1.0};
}

void TVtPlot::SetSeriesPen(int series, const VtSeriesPen& pen) {
    if (series < 0 || series > 10000) return;
    for (int s = static_cast<int>(m_seriesPens.size()); s <= series; ++s)
        m_seriesPens.push_back({vtPaletteColor(s), 1.0});
    VtSeriesPen& stored = m_seriesPens[static_cast<size_t>(series)];
    stored.color = pen.color;
    stored.width = std::isfinite(pen.width) ? std::clamp(pen.width, 0.0, 20.0) : 1.0;
}

} // namespace brelt::chart
