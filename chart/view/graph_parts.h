#pragma once
// The small parts of a chart that are plain settings: the frame around the plot area, the
// background gradient and the background picture. The engine (TGraph) owns one of each and draws
// them; the TPlot wrappers forward their properties here.
#include "chart/data/color.h"

#include <QImage>
#include <QString>

namespace brelt::chart {

enum class TBorderStyle { bsNone, bsSingle };
enum class TGradientStyle { gsNone, gsLeftRight, gsTopBottom };
enum class TPictureStyle { psStretch, psFix, psTile };

struct TGraphFrame {
    bool Visible = true;
    int Width = 1; // below 2: pixels; from 2 on: scale units
    TColor Color = clPlotAreaColor;
    TBorderStyle Style = TBorderStyle::bsSingle;
};

struct TGraphGradient {
    bool Visible = true;
    TGradientStyle Style = TGradientStyle::gsNone;
    TColor StartColor = clWhite;
    TColor EndColor = clSilver;
};

struct TGraphPicture {
    bool Visible = true;
    TPictureStyle Style = TPictureStyle::psStretch;
    QString PictureFileName;
    TColor Color = clWhite; // stored with the settings; the picture has no other use for it
    QImage image;           // loaded from PictureFileName; null when none or unreadable
};

} // namespace brelt::chart
