#pragma once
// TPlotAxis and TPlotTicks: how a window and the properties dialog reach an axis of a TPlot
// (XAxis, YAxis, XAxis.Ticks, YAxis.Ticks). Each wrapper holds a reference to the engine's axis
// and forwards every read and write; writing does not redraw (the owner calls Redraw).
#include "chart/view/axis.h"

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
    void SetMajorLength(int n) { m_axis.Ticks().MajorLength = n; }
    int MinorLength() const { return m_axis.Ticks().MinorLength; }
    void SetMinorLength(int n) { m_axis.Ticks().MinorLength = n; }

    // A stream records MajorLength unless it is 9 and MinorLength unless it is 4.
    bool storesMajorLength() const { return MajorLength() != 9; }
    bool storesMinorLength() const { return MinorLength() != 4; }

private:
    TAxis& m_axis;
};

class TPlotAxis {
public:
    explicit TPlotAxis(TAxis& axis) : m_axis(axis), m_ticks(axis) {}

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
    const TChartFont& Font() const { return m_axis.Font(); }
    TChartFont& Font() { return m_axis.Font(); }
    void SetFont(const TChartFont& f) { m_axis.Font() = f; }
    const TChartFont& NameFont() const { return m_axis.NameFont(); }
    TChartFont& NameFont() { return m_axis.NameFont(); }
    void SetNameFont(const TChartFont& f) { m_axis.NameFont() = f; }
    const QString& Name() const { return m_axis.Name(); }
    void SetName(const QString& name) { m_axis.SetName(name); }
    double Minimum() const { return m_axis.Minimum(); }
    void SetMinimum(double v) { m_axis.SetMinimum(v); }
    double Maximum() const { return m_axis.Maximum(); }
    void SetMaximum(double v) { m_axis.SetMaximum(v); }
    TPlotTicks& Ticks() { return m_ticks; }
    const TPlotTicks& Ticks() const { return m_ticks; }

    TAxis& axis() { return m_axis; }

private:
    TAxis& m_axis;
    TPlotTicks m_ticks;
};

} // namespace brelt::chart
