#include "windows/plot_chart_setup.h"

#include "chart/view/plot.h"

namespace brelt::windows {

void setUpPlotChart(chart::TPlot& c) {
    using namespace chart;
    c.SetColor(clWhite);
    c.SetBackColor(clBtnFace);
    for (TPlotAxis* axis : {&c.XAxis(), &c.YAxis()}) {
        axis->SetColor(clBlack);
        axis->SetFont(TChartFont{});
        axis->SetNameFont(TChartFont{});
        axis->Ticks().SetMinorLength(3);
    }
    c.XAxis().Ticks().SetMajorLength(8);
    c.YAxis().Ticks().SetMajorLength(1);
    TChartFont titleFont;
    titleFont.bold = true;
    c.Title().Font() = titleFont;
    c.Title().SetAlignment(TAlignment::taCenter);
    c.Foot().SetVisible(false);
    c.Gradient().Style = TGradientStyle::gsTopBottom;
    c.Zoom().SetChangePerStep(0.033333);
    c.Info().SetColor(10940137);
    c.Legend().SetFrameStyle(0); // solid
    c.SetStatusBarVisible(true);
    c.Frame().Color = clPlotAreaColor;
    c.PropertiesControl() = TPlotProperties{};
}

} // namespace brelt::windows
