#pragma once
// Colours as the chart stores them: a 32-bit value with red in the low byte, then green, then
// blue (0x00BBGGRR). Values with the top bit set name system colours; they become QColors only at
// the painting edge.
#include <QColor>
#include <cstdint>

namespace brelt::chart {

using TColor = std::int32_t;

constexpr TColor rgbColor(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(TColor c) {
    return c & 0xFF;
}
constexpr int greenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(TColor c) {
    return (c >> 16) & 0xFF;
}

constexpr TColor clBlack = rgbColor(0, 0, 0);
constexpr TColor clMaroon = rgbColor(128, 0, 0);
constexpr TColor clGreen = rgbColor(0, 128, 0);
constexpr TColor clOlive = rgbColor(128, 128, 0);
constexpr TColor clNavy = rgbColor(0, 0, 128);
constexpr TColor clPurple = rgbColor(128, 0, 128);
constexpr TColor clTeal = rgbColor(0, 128, 128);
constexpr TColor clGray = rgbColor(128, 128, 128);
constexpr TColor clSilver = rgbColor(192, 192, 192);
constexpr TColor clRed = rgbColor(255, 0, 0);
constexpr TColor clLime = rgbColor(0, 255, 0);
constexpr TColor clYellow = rgbColor(255, 255, 0);
constexpr TColor clBlue = rgbColor(0, 0, 255);
constexpr TColor clFuchsia = rgbColor(255, 0, 255);
constexpr TColor clAqua = rgbColor(0, 255, 255);
constexpr TColor clWhite = rgbColor(255, 255, 255);
// System colours: the top bit set, the low byte naming the system element.
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);
constexpr TColor clWindow = static_cast<TColor>(0x80000005);
constexpr TColor clWindowText = static_cast<TColor>(0x80000008);
// Where a frame colour is expected, this value means "the plot area's colour".
constexpr TColor clPlotAreaColor = 536870912;

// Subtracts n from each of red, green and blue, stopping at 0.
constexpr TColor darken(TColor c, int n) {
    auto d = [n](int v) { return v > n ? v - n : 0; };
    return rgbColor(d(redOf(c)), d(greenOf(c)), d(blueOf(c)));
}

// System colours map to the application palette (or fixed light-desktop values without one).
QColor toQColor(TColor c);
TColor fromQColor(const QColor& c);

} // namespace brelt::chart
