#pragma once
// TZoom: zooming a chart with the mouse. In rectangle mode a drag draws a rubber band (inverted
// pixels, so drawing it twice restores the picture) and the release zooms to it; in animated mode
// (the chart's Animated switch) a click moves the view towards the point, or away from it, in a
// few small steps drawn at once. Every step pushes the ranges in force onto the zoom stack, so
// ZoomPrevious walks back one step at a time and ZoomOut returns home. The geometry and the stack
// are chart/scale's plain values; this class wires them to the engine.
//
// How the engine uses it:
//  - TGraph::zoomInForce() is Zoom().inForce(): while true Draw keeps the ranges and the axes
//    keep their ends unrounded.
//  - Mouse: inside the plot rectangle, with Enabled() and the left button, TGraph::MouseDown calls
//    MouseDown(x, y); MouseMove(x, y) while dragging(); MouseUp(x, y) returns true when a drag
//    ended, and the engine then runs Draw and restores the default cursor. cursor() names the
//    cursor to show over the plot rectangle (nothing when zooming is off).
#include "chart/data/color.h"
#include "chart/data/graph_context.h"
#include "chart/scale/zoom_stack.h"

#include <QRect>
#include <QString>

#include <optional>

namespace brelt::chart {

class TGraph;
class SettingsStore;

class TZoom {
public:
    explicit TZoom(TGraph& graph);

    // Published properties.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v) { m_enabled = v; }
    bool ZoomAutoStop() const { return m_autoStop; }
    void SetZoomAutoStop(bool v) { m_autoStop = v; }
    int Steps() const { return m_steps; }
    void SetSteps(int n) { m_steps = n > 0 ? n : 1; }
    double ChangePerStep() const { return m_changePerStep; }
    void SetChangePerStep(double k);
    TZoomStyle Style() const { return m_style; }
    void SetStyle(TZoomStyle s) { m_style = s; }
    TColor Color() const { return m_color; }
    void SetColor(TColor c) { m_color = c; }

    // The chart's zoom operations.
    void ZoomIn();             // rectangle zoom mode
    void SwitchAnimatedZoom(); // animated zoom mode on or off
    void ZoomOut();            // back home, zoom mode off, drawn
    bool ZoomPrevious();       // one step back, drawn; true while steps remain
    // Empties the stack without touching the ranges (a new plot replaces the data).
    void clearStack() { m_stack.clear(); }

    // Mouse, in pixels of the chart image.
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    bool MouseUp(int x, int y);
    std::optional<ChartCursor> cursor() const;

    bool inForce() const { return m_dragging || !m_stack.empty(); }
    bool dragging() const { return m_dragging; }
    const ZoomStack& stack() const { return m_stack; }
    QRect rubberBand() const { return m_drawn; } // empty when none is drawn

    void SaveSettings(SettingsStore& store, const QString& section) const;
    void LoadSettings(const SettingsStore& store, const QString& section);

private:
    void pushCurrentRanges();
    void animatedZoom(int x, int y);
    void drawRubberBand(const QRect& rect);
    ZoomRecord currentRanges() const;
    void applyRanges(const ZoomRecord& r);

    TGraph& m_graph;
    bool m_enabled = false;
    bool m_autoStop = false;
    int m_steps = 3;
    double m_changePerStep = 0.033333;
    TZoomStyle m_style = TZoomStyle::zsIn;
    TColor m_color = rgbColor(233, 238, 166);
    bool m_rememberedAnimated = false;

    bool m_dragging = false;
    bool m_inMove = false; // a move is being handled: nested moves are dropped
    double m_pressX = 0.0; // press point in data values
    double m_pressY = 0.0;
    QRect m_drawn; // rubber band on the image, empty when none
    ZoomStack m_stack;
};

} // namespace brelt::chart
