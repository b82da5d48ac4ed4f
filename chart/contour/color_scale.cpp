#include "chart/contour/color_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace brelt::chart {

namespace {

// Channels are bytes: every sum and difference wraps as a byte would.
constexpr int byteOf(int v) {
    return static_cast<std::uint8_t>(v);
}

TColor rainbow(int a) {
    if (a < 20) return rgbColor(60, 60, byteOf(180 + 3 * a));
    if (a < 80) return rgbColor(60, byteOf(60 + 3 * (a - 20)), 240);
    if (a < 140) return rgbColor(60, 240, byteOf(240 - 3 * (a - 80)));
    if (a < 180) return rgbColor(byteOf(50 + 5 * (a - 140)), 240, 60);
    if (a < 240) return rgbColor(255, byteOf(240 - 3 * (a - 180)), 60);
    return rgbColor(byteOf(255 - 5 * (a - 240)), 60, 60);
}

} // namespace

QString paletteName(ColorPalette palette) {
    static const char* const names[kPaletteCount] = {"Rainbow", "Black", "Red",  "Blue",
                                                     "Yellow",  "Green", "Aqua", "Fuchsia"};
    const int i = static_cast<int>(palette);
    return i >= 0 && i < kPaletteCount ? QString::fromLatin1(names[i]) : QString();
}

void ColorScale::setRange(double top, double bottom) {
    const long double step = (static_cast<long double>(top) - bottom) / 7;
    for (int k = 1; k <= kBreakCount; ++k)
        m_breaks[static_cast<std::size_t>(k - 1)] = static_cast<double>(top - (k - 1) * step);
    m_breaks[kBreakCount - 1] = bottom;
}

int ColorScale::indexOf(double value) const {
    if (std::isnan(value)) return kNoColorIndex;
    if (m_useUpper && value > m_upper) return kNoColorIndex;
    if (m_useLower && value < m_lower) return kNoColorIndex;
    const double lo = std::min(top(), bottom());
    const double hi = std::max(top(), bottom());
    const long double v = std::clamp(value, lo, hi);
    // Between b_k and b_(k+1): the index runs from that of b_(k+1) to that of b_k.
    for (int k = 1; k < kBreakCount; ++k) {
        const long double upper = breakPoint(k), lower = breakPoint(k + 1);
        if (v > std::max(upper, lower) || v < std::min(upper, lower)) continue;
        if (upper == lower) return breakIndex(k);
        const long double share = (v - lower) / (upper - lower);
        return static_cast<int>(std::lround(breakIndex(k + 1) + share * (breakIndex(k) - breakIndex(k + 1))));
    }
    return breakIndex(kBreakCount);
}

TColor ColorScale::paletteColor(ColorPalette palette, int index) {
    if (index < 0 || index > 255) return clWhite;
    const int a = index;
    const int c = byteOf(255 - a);
    switch (palette) {
    case ColorPalette::Rainbow: return rainbow(a);
    case ColorPalette::Black: return rgbColor(c, c, c);
    case ColorPalette::Red: return rgbColor(255, c, c);
    case ColorPalette::Blue: return rgbColor(c, c, 255);
    case ColorPalette::Yellow: return rgbColor(255, 255, c);
    case ColorPalette::Green: return rgbColor(c, 255, c);
    case ColorPalette::Aqua: return rgbColor(c, 255, 255);
    case ColorPalette::Fuchsia: return rgbColor(255, c, 255);
    }
    return clWhite;
}

ColorScale& programColorScale() {
    static ColorScale scale;
    return scale;
}

namespace {
int g_shadeBlockSize = 5;
}

int shadeBlockSize() {
    return g_shadeBlockSize;
}

void setShadeBlockSize(int pixels) {
    g_shadeBlockSize = std::max(1, pixels);
}

} // namespace brelt::chart
