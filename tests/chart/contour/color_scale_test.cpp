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
    // Colours at the breaks 1..8 (indexes 254, 219, ..., 9).
    std::array<TColor, 8> colors;
};

class PaletteColors : public ::testing::TestWithParam<PaletteCase> {};

TEST_P(PaletteColors, AtEveryBreak) {
    const PaletteCase& c = GetParam();
    EXPECT_EQ(paletteName(c.palette), QString::fromLatin1(c.name));
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(ColorScale::paletteColor(c.palette, ColorScale::breakIndex(k)), c.colors[k - 1])
            << "break " << k;
    EXPECT_EQ(ColorScale::paletteColor(c.palette, -1), clWhite);
    EXPECT_EQ(ColorScale::paletteColor(c.palette, 256), clWhite);
}

// a' = 255 - a at the breaks: 1, 36, 71, 106, 141, 176, 211, 246.
INSTANTIATE_TEST_SUITE_P(
    Palettes, PaletteColors,
    ::testing::Values(PaletteCase{ColorPalette::Rainbow,
                                  "Rainbow",
                                  {rgbColor(185, 60, 60), rgbColor(255, 123, 60), rgbColor(255, 228, 60),
                                   rgbColor(95, 240, 60), rgbColor(60, 240, 138), rgbColor(60, 237, 240),
                                   rgbColor(60, 132, 240), rgbColor(60, 60, 207)}},
                      PaletteCase{ColorPalette::Black,
                                  "Black",
                                  {rgbColor(1, 1, 1), rgbColor(36, 36, 36), rgbColor(71, 71, 71),
                                   rgbColor(106, 106, 106), rgbColor(141, 141, 141), rgbColor(176, 176, 176),
                                   rgbColor(211, 211, 211), rgbColor(246, 246, 246)}},
                      PaletteCase{ColorPalette::Red,
                                  "Red",
                                  {rgbColor(255, 1, 1), rgbColor(255, 36, 36), rgbColor(255, 71, 71),
                                   rgbColor(255, 106, 106), rgbColor(255, 141, 141), rgbColor(255, 176, 176),
                                   rgbColor(255, 211, 211), rgbColor(255, 246, 246)}},
                      PaletteCase{ColorPalette::Blue,
                                  "Blue",
                                  {rgbColor(1, 1, 255), rgbColor(36, 36, 255), rgbColor(71, 71, 255),
                                   rgbColor(106, 106, 255), rgbColor(141, 141, 255), rgbColor(176, 176, 255),
                                   rgbColor(211, 211, 255), rgbColor(246, 246, 255)}},
                      PaletteCase{ColorPalette::Yellow,
                                  "Yellow",
                                  {rgbColor(255, 255, 1), rgbColor(255, 255, 36), rgbColor(255, 255, 71),
                                   rgbColor(255, 255, 106), rgbColor(255, 255, 141), rgbColor(255, 255, 176),
                                   rgbColor(255, 255, 211), rgbColor(255, 255, 246)}},
                      PaletteCase{ColorPalette::Green,
                                  "Green",
                                  {rgbColor(1, 255, 1), rgbColor(36, 255, 36), rgbColor(71, 255, 71),
                                   rgbColor(106, 255, 106), rgbColor(141, 255, 141), rgbColor(176, 255, 176),
                                   rgbColor(211, 255, 211), rgbColor(246, 255, 246)}},
                      PaletteCase{ColorPalette::Aqua,
                                  "Aqua",
                                  {rgbColor(1, 255, 255), rgbColor(36, 255, 255), rgbColor(71, 255, 255),
                                   rgbColor(106, 255, 255), rgbColor(141, 255, 255), rgbColor(176, 255, 255),
                                   rgbColor(211, 255, 255), rgbColor(246, 255, 255)}},
                      PaletteCase{ColorPalette::Fuchsia,
                                  "Fuchsia",
                                  {rgbColor(255, 1, 255), rgbColor(255, 36, 255), rgbColor(255, 71, 255),
                                   rgbColor(255, 106, 255), rgbColor(255, 141, 255), rgbColor(255, 176, 255),
                                   rgbColor(255, 211, 255), rgbColor(255, 246, 255)}}),
    [](const auto& p) { return std::string(p.param.name); });

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
