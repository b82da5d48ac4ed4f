#pragma once
// The small persistent objects through which a window and the settings reach the parts of a
// chart: each holds a reference to the engine part it exposes and forwards every read and write.
// Writing a property never redraws; the owner calls TPlot::Redraw after its changes.
#include "chart/view/axis.h"
#include "chart/view/color_legend.h"
#include "chart/view/graph.h"
#include "chart/view/graph_info.h"
#include "chart/view/graph_title.h"
#include "chart/view/series_legend.h"
#include "chart/view/zoom.h"

namespace brelt::chart {

class TPlotTicks {
public:
    explicit TPlotTicks(TAxis& axis) : m_axis(axis) {}
    TTicksDirection Direction() const { return m_axis.Ticks().Direction; }
    void SetDirection(TTicksDirection d) { m_axis.Ticks().Direction = d; }
    bool MajorVisible() const { return m_axis.Ticks().MajorVisible; }
    void SetMajorVisible(bool v) { m_axis.Ticks().MajorVisible = v; }
    bool MinorVisible() const { return m_axis.Ticks().MinorVisible; }
    void SetMinorVisible(bool v) { m_axis.Ticks().MinorVisible = v; }
    int MajorLength() const { return m_axis.Ticks().MajorLength; }
    void SetMajorLength(int v) { m_axis.Ticks().MajorLength = v; }
    int MinorLength() const { return m_axis.Ticks().MinorLength; }
    void SetMinorLength(int v) { m_axis.Ticks().MinorLength = v; }

private:
    TAxis& m_axis;
};

class TPlotAxis {
public:
    explicit TPlotAxis(TAxis& axis) : m_axis(axis), m_ticks(axis) {}
    TAxis& axis() { return m_axis; }
    TPlotTicks& Ticks() { return m_ticks; }
    bool Grid() const { return m_axis.Grid(); }
    void SetGrid(bool v) { m_axis.SetGrid(v); }
    bool Visible() const { return m_axis.Visible(); }
    void SetVisible(bool v) { m_axis.SetVisible(v); }
    bool AutoMin() const { return m_axis.AutoMin(); }
    void SetAutoMin(bool v) { m_axis.SetAutoMin(v); }
    bool AutoMax() const { return m_axis.AutoMax(); }
    void SetAutoMax(bool v) { m_axis.SetAutoMax(v); }
    bool Log() const { return m_axis.Log(); }
    void SetLog(bool v) { m_axis.SetLog(v); }
    bool Invert() const { return m_axis.Invert(); }
    void SetInvert(bool v) { m_axis.SetInvert(v); }
    TColor Color() const { return m_axis.GetColor(); }
    void SetColor(TColor c) { m_axis.SetColor(c); }
    TColor GridColor() const { return m_axis.GridColor(); }
    void SetGridColor(TColor c) { m_axis.SetGridColor(c); }
    TChartFont& Font() { return m_axis.Font(); }
    TChartFont& NameFont() { return m_axis.NameFont(); }
    QString Name() const { return m_axis.Name(); }
    void SetName(const QString& n) { m_axis.SetName(n); }
    double Minimum() const { return m_axis.Minimum(); }
    void SetMinimum(double v) { m_axis.SetMinimum(v); }
    double Maximum() const { return m_axis.Maximum(); }
    void SetMaximum(double v) { m_axis.SetMaximum(v); }

private:
    TAxis& m_axis;
    TPlotTicks m_ticks;
};

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

class TPlotZoom {
public:
    explicit TPlotZoom(TZoom& zoom) : m_zoom(zoom) {}
    bool Enabled() const { return m_zoom.Enabled(); }
    void SetEnabled(bool v) { m_zoom.SetEnabled(v); }
    bool ZoomAutoStop() const { return m_zoom.ZoomAutoStop(); }
    void SetZoomAutoStop(bool v) { m_zoom.SetZoomAutoStop(v); }
    int Steps() const { return m_zoom.Steps(); }
    void SetSteps(int n) { m_zoom.SetSteps(n); }
    double ChangePerStep() const { return m_zoom.ChangePerStep(); }
    void SetChangePerStep(double k) { m_zoom.SetChangePerStep(k); }
    TZoomStyle Style() const { return m_zoom.Style(); }
    void SetStyle(TZoomStyle s) { m_zoom.SetStyle(s); }
    TColor Color() const { return m_zoom.Color(); }
    void SetColor(TColor c) { m_zoom.SetColor(c); }

private:
    TZoom& m_zoom;
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
