#pragma once
// The colour scale: one for the whole program, shared by the contour lines, the colour shade and
// the colour legend. A range (top, bottom) gives eight break points b1 (top) .. b8 (bottom) with
// the palette indexes 254, 219, ..., 9; a value is clamped to the range and interpolated between
// its two neighbouring break points into an index 0..255, which the palette turns into a colour.
// The optional cut-offs take the colour away from values above (below) them.
#include "chart/data/color.h"

#include <QString>
#include <array>

namespace brelt::chart {

enum class ColorPalette { Rainbow, Black, Red, Blue, Yellow, Green, Aqua, Fuchsia };
constexpr int kPaletteCount = 8;
// The palettes' names, in the order of ColorPalette.
QString paletteName(ColorPalette palette);

constexpr int kBreakCount = 8;
constexpr int kNoColorIndex = -1;

class ColorScale {
public:
    ColorPalette palette() const { return m_palette; }
    void setPalette(ColorPalette palette) { m_palette = palette; }

    // Cut-offs: a value above the upper one (below the lower one) has no colour while its flag is
    // set.
    double upperCutOff() const { return m_upper; }
    double lowerCutOff() const { return m_lower; }
    bool useUpperCutOff() const { return m_useUpper; }
    bool useLowerCutOff() const { return m_useLower; }
    void setUpperCutOff(double value, bool use) { m_upper = value, m_useUpper = use; }
    void setLowerCutOff(double value, bool use) { m_lower = value, m_useLower = use; }

    // b_k = top - (k - 1)(top - bottom)/7 for k = 1..8.
    void setRange(double top, double bottom);
    double top() const { return m_breaks[0]; }
    double bottom() const { return m_breaks[kBreakCount - 1]; }
    // Break point k (1..8) and its palette index 289 - 35k.
    double breakPoint(int k) const { return m_breaks[static_cast<std::size_t>(k - 1)]; }
    static int breakIndex(int k) { return 289 - 35 * k; }

    // Palette index of a value (0..255), or kNoColorIndex beyond a cut-off in force.
    int indexOf(double value) const;
    // The colour of a value; white where it has none.
    TColor colorOf(double value) const { return paletteColor(m_palette, indexOf(value)); }
    // Palette index to colour, in byte arithmetic; white outside 0..255.
    static TColor paletteColor(ColorPalette palette, int index);

private:
    ColorPalette m_palette = ColorPalette::Rainbow;
    double m_upper = 0;
    double m_lower = 0;
    bool m_useUpper = false;
    bool m_useLower = false;
    std::array<double, kBreakCount> m_breaks{1, 6.0 / 7, 5.0 / 7, 4.0 / 7, 3.0 / 7, 2.0 / 7, 1.0 / 7, 0};
};

// The program's one colour scale (GUI thread only).
ColorScale& programColorScale();

// The pixel size of the colour shade's square blocks (default 5), program-wide like the scale.
int shadeBlockSize();
void setShadeBlockSize(int pixels); // below 1 counts as 1

} // namespace brelt::chart
