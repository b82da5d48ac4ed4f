#pragma once
// TPlotZoom: the Zoom property of a TPlot. It holds a reference to the engine's zoom and forwards
// every read and write to it.
#include "chart/view/zoom.h"

namespace brelt::chart {

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

    TZoom& zoom() { return m_zoom; }

private:
    TZoom& m_zoom;
};

} // namespace brelt::chart
