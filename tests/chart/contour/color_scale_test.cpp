// The colour scale: break points and their palette indexes, the interpolation between them, the
// cut-offs, and every palette's colours at the eight breaks.
#include "chart/contour/color_scale.h"

#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

TEST(ColorScale, BreakPointsRunFromTopToBottom) {
    ColorScale s;
    s.setRange(70, 0);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(s.breakPoint(k), 70 - 10 * (k - 1)) << k;
        EXPECT_EQ(s.indexOf(s.breakPoint(k)), 289 - 35 * k) << k;
    }
    EXPECT_EQ(s.indexOf(65), 237); // halfway from 219 to 254: 236.5 rounds up
    EXPECT_EQ(s.indexOf(1e9), 254);
    EXPECT_EQ(s.indexOf(-1e9), 9);
}

TEST(ColorScale, CutOffsTakeTheColourAway) {
    ColorScale s;
    s.setRange(10, 0);
    s.setUpperCutOff(8, true);
    s.setLowerCutOff(2, false);
    EXPECT_EQ(s.indexOf(8.5), kNoColorIndex);
    EXPECT_EQ(s.colorOf(8.5), clWhite);
    EXPECT_EQ(s.indexOf(-1), 9); // the lower flag is off: clamped to the range
    s.setLowerCutOff(2, true);
    EXPECT_EQ(s.indexOf(-1), kNoColorIndex);
    EXPECT_EQ(s.indexOf(1.9), kNoColorIndex);
    EXPECT_EQ(s.indexOf(2), 58); // not cut: 0.4 of the way from b7 (index 44) to b6 (79)
}

TEST(ColorScale, AFlatRangeTakesTheTopIndex) {
    ColorScale s;
    s.setRange(4, 4);
    EXPECT_EQ(s.indexOf(4), 254);
    EXPECT_EQ(s.indexOf(7), 254);
}

struct PaletteCase {
    ColorPalette palette;
    const char* name;
    // Which channels stay at 255; the others are a' = 255 - a.
    bool red, green, blue;
};

class PaletteColors : public ::testing::TestWithParam<PaletteCase> {};

TEST_P(PaletteColors, AtEveryBreak) {
    const PaletteCase& c = GetParam();
    EXPECT_EQ(paletteName(c.palette), QString::fromLatin1(c.name));
    // a' at the breaks 1..8 (indexes 254, 219, ..., 9).
    const int shade[8] = {1, 36, 71, 106, 141, 176, 211, 246};
    for (int k = 1; k <= 8; ++k) {
        const int v = shade[k - 1];
        EXPECT_EQ(ColorScale::paletteColor(c.palette, ColorScale::breakIndex(k)),
                  rgbColor(c.red ? 255 : v, c.green ? 255 : v, c.blue ? 255 : v))
            << "break " << k;
    }
    EXPECT_EQ(ColorScale::paletteColor(c.palette, -1), clWhite);
    EXPECT_EQ(ColorScale::paletteColor(c.palette, 256), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Palettes, PaletteColors,
                         ::testing::Values(PaletteCase{ColorPalette::Black, "Black", false, false, false},
                                           PaletteCase{ColorPalette::Red, "Red", true, false, false},
                                           PaletteCase{ColorPalette::Blue, "Blue", false, false, true},
                                           PaletteCase{ColorPalette::Yellow, "Yellow", true, true, false},
                                           PaletteCase{ColorPalette::Green, "Green", false, true, false},
                                           PaletteCase{ColorPalette::Aqua, "Aqua", false, true, true},
                                           PaletteCase{ColorPalette::Fuchsia, "Fuchsia", true, false, true}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ColorScale, RainbowAtEveryBreak) {
    EXPECT_EQ(paletteName(ColorPalette::Rainbow), QStringLiteral("Rainbow"));
    const TColor expected[8] = {rgbColor(185, 60, 60),  rgbColor(255, 123, 60), rgbColor(255, 228, 60),
                                rgbColor(95, 240, 60),  rgbColor(60, 240, 138), rgbColor(60, 237, 240),
                                rgbColor(60, 132, 240), rgbColor(60, 60, 207)};
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(ColorScale::paletteColor(ColorPalette::Rainbow, ColorScale::breakIndex(k)), expected[k - 1])
            << k;
}

TEST(ColorScale, RainbowBandEdges) {
    // The first and last index of each band of the rainbow.
    const std::pair<int, TColor> cases[] = {
        {0, rgbColor(60, 60, 180)},   {19, rgbColor(60, 60, 237)},   {20, rgbColor(60, 60, 240)},
        {79, rgbColor(60, 237, 240)}, {80, rgbColor(60, 240, 240)},  {139, rgbColor(60, 240, 63)},
        {140, rgbColor(50, 240, 60)}, {179, rgbColor(245, 240, 60)}, {180, rgbColor(255, 240, 60)},
        {239, rgbColor(255, 63, 60)}, {240, rgbColor(255, 60, 60)},  {255, rgbColor(180, 60, 60)}};
    for (const auto& [index, color] : cases)
        EXPECT_EQ(ColorScale::paletteColor(ColorPalette::Rainbow, index), color) << index;
}

} // namespace
} // namespace brelt::chart
