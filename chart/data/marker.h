#pragma once
// TMarker: the symbol at one point of a series or in a legend sample. Its size counts like a font
// size in points: the symbol is as high as the text "(" in the chart's font at that size. The
// first 24 shapes are filled with the fill colour; the second 24 (msRect1 ...) are the same shapes
// as outlines.
//
// Text form: "TMarker", then "Style Size FillColor PenColor", then "TMarker".
#include "chart/data/color.h"
#include "chart/data/marker_style.h"

#include <QFont>
#include <QPointF>

class QPainter;
class QPaintDevice;

namespace brelt::chart {

class ChartTextReader;
class ChartTextWriter;

class TMarker {
public:
    TMarker() = default;
    TMarker(TMarkerStyle style, int size, TColor fillColor, TColor penColor)
        : Style(style), Size(size), FillColor(fillColor), PenColor(penColor) {}

    // Draws centred at a pixel position with a symbol height of pixelSize pixels; the outline is
    // penScale pixels wide (twice that for the hollow line-only symbols).
    void Draw(QPainter& painter, QPointF centre, double pixelSize, double penScale = 1.0) const;
    static void drawShape(QPainter& painter, TMarkerStyle style, QPointF centre, double pixelSize,
                          TColor fillColor, TColor penColor, double penScale = 1.0);
    // The symbol height in pixels for a marker size on a paint device.
    static double pixelSize(const QFont& chartFont, int size, const QPaintDevice* device);

    // Writes the whole block; LoadFromText reads it after the caller has checked the opening line.
    void SaveToText(ChartTextWriter& writer) const;
    void LoadFromText(ChartTextReader& reader);

    TMarkerStyle Style = TMarkerStyle::msNone;
    int Size = 5;
    TColor FillColor = clBlack;
    TColor PenColor = clBlack;

    bool operator==(const TMarker&) const = default;
};

} // namespace brelt::chart
