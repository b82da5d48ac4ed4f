#pragma once
// The small persistent objects through which a window and the settings reach the parts of a
// chart: each holds a reference to the engine part it exposes and forwards every read and write.
// Writing a property never redraws; the owner calls TPlot::Redraw after its changes.
#include "chart/view/axis_plot.h"
#include "chart/view/color_legend.h"
#include "chart/view/graph.h"
#include "chart/view/graph_info.h"
#include "chart/view/graph_title.h"
#include "chart/view/series_legend.h"
#include "chart/view/zoom_plot.h"

namespace brelt::chart {

class TPlotTitles {
public:
    explicit TPlotTitles(TGraphTitle& title) : m_title(title) {}
    QString Text() const { return m_title.Text(); }
    void SetText(const QString& t) { m_title.SetText(t); }
    TChartFont& Font() { return m_title.Font; }
    TAlignment Alignment() const { return m_title.Alignment; }
    void SetAlignment(TAlignment a) { m_title.Alignment = a; }
    bool Visible() const { return m_title.Visible; }
    void SetVisible(bool v) { m_title.Visible = v; }
    TTitleStyle Style() const { return m_title.Style; }
    void SetStyle(TTitleStyle s) { m_title.Style = s; }

private:
    TGraphTitle& m_title;
};

// Switching the legend's visibility is the one write that draws at once.
class TPlotLegend {
public:
    TPlotLegend(TGraph& graph, TWLegend& legend) : m_graph(graph), m_legend(legend) {}
    int Count() const { return m_legend.Count(); }
    bool Visible() const { return m_legend.Visible(); }
    void SetVisible(bool v) {
        if (v == m_legend.Visible()) return;
        m_legend.SetVisible(v);
        m_graph.Draw();
    }
    TLineLegend* AddEntry(const QString& text) { return m_legend.AddEntry(text); }
    TContourLegend* AddContourEntry(const QString& text) { return m_legend.AddContourEntry(text); }
    bool TransparentBackGround() const { return m_legend.TransparentBackGround; }
    void SetTransparentBackGround(bool v) { m_legend.TransparentBackGround = v; }
    TColor Color() const { return m_legend.Color; }
    void SetColor(TColor c) { m_legend.Color = c; }
    int ShadowThickness() const { return m_legend.ShadowThickness; }
    void SetShadowThickness(int v) { m_legend.ShadowThickness = std::max(0, v); }
    TLegendStyle Style() const { return m_legend.Style; }
    void SetStyle(TLegendStyle s) { m_legend.Style = s; }
    TColor ShadowColor() const { return m_legend.ShadowColor; }
    void SetShadowColor(TColor c) { m_legend.ShadowColor = c; }
    bool ShadowVisible() const { return m_legend.ShadowVisible; }
    void SetShadowVisible(bool v) { m_legend.ShadowVisible = v; }
    TColor FrameColor() const { return m_legend.FrameColor; }
    void SetFrameColor(TColor c) { m_legend.FrameColor = c; }
    bool FrameVisible() const { return m_legend.FrameVisible; }
    void SetFrameVisible(bool v) { m_legend.FrameVisible = v; }
    int FrameThickness() const { return m_legend.FrameThickness; }
    void SetFrameThickness(int v) { m_legend.FrameThickness = std::max(0, v); }
    int FrameStyle() const { return m_legend.FrameStyle; }
    void SetFrameStyle(int v) { m_legend.FrameStyle = std::clamp(v, 0, 5); }

private:
    TGraph& m_graph;
    TWLegend& m_legend;
};

class TPlotInfo {
public:
    explicit TPlotInfo(TGraphInfo& info) : m_info(info) {}
    TInfoStyle Style() const { return m_info.Style; }
    void SetStyle(TInfoStyle s) { m_info.Style = s; }
    TInfoPos Position() const { return m_info.Position; }
    void SetPosition(TInfoPos p) { m_info.Position = p; }
    TColor Color() const { return m_info.Color; }
    void SetColor(TColor c) { m_info.Color = c; }
    TChartFont& Font() { return m_info.Font; }
    bool Visible() const { return m_info.Visible(); }
    void SetVisible(bool v) { m_info.SetVisible(v); }

private:
    TGraphInfo& m_info;
};

// The frame, gradient and picture are plain settings: their wrappers hand out the engine's part.
using TPlotFrame = TGraphFrame;
using TPlotGradient = TGraphGradient;
using TPlotPicture = TGraphPicture;

// Switches of the chart properties dialog: True greys out the matching control.
struct TPlotProperties {
    bool DisabledDerivative = false;
    bool DisabledXAxisLog = false;
    bool DisabledYAxisLog = false;
    bool DisabledXAxisInvert = false;
    bool DisabledYAxisInvert = false;
};

} // namespace brelt::chart
