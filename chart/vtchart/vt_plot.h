#pragma once
// TVtPlot: how a surface or polar chart looks, apart from its data: the chart type, the 3D view
// (rotation and elevation in degrees), the walls and pedestal, the surface colour, the four axes
// with their titles and major grid pens, and the pens of the polar curves. A plain value: the
// property pages edit a copy and hand it back.
//
// Axes by number: 0 the X axis (the rows of a surface, the angle of a polar chart), 1 the value
// axis (a surface's heights, a polar chart's radius), 2 the second value axis (drawn with axis 1;
// its grid switch is axis 1's), 3 the Z axis (the columns of a surface, the depth).
#include "chart/data/color.h"

#include <QString>

#include <array>
#include <vector>

namespace brelt::chart {

enum class VtChartType { Surface3d = 0, Polar = 1 };

// Pen style of a major grid: 0 none, 1 solid.
enum VtPenStyle : int { VtPenNone = 0, VtPenSolid = 1 };

struct VtAxis {
    QString title;
    int majorGridStyle = VtPenSolid;
};

// A polar curve's pen.
struct VtSeriesPen {
    TColor color = clBlack;
    double width = 1.0; // points
};

class TVtPlot {
public:
    static constexpr double kDefaultRotation = 30.0;
    static constexpr double kDefaultElevation = 30.0;
    static constexpr TColor kDefaultSurfaceColor = 16776960; // red 0, green 255, blue 255
    static constexpr double kDefaultWallWidth = 10.0;
    static constexpr double kMaxWallWidth = 100.0;

    // The 3D view. Rotation turns the chart about its vertical axis (kept in [0, 360)); elevation
    // is the height of the eye above the floor's plane, from 0 (edge on) to 90 (from above).
    double Rotation() const { return m_rotation; }
    double Elevation() const { return m_elevation; }
    void SetRotation(double degrees);
    void SetElevation(double degrees);

    // Thickness of the walls and the pedestal in points (0 to kMaxWallWidth).
    double WallWidth() const { return m_wallWidth; }
    void SetWallWidth(double points);
    TColor WallColor() const { return m_wallColor; }
    void SetWallColor(TColor c) { m_wallColor = c; }
    TColor SurfaceColor() const { return m_surfaceColor; }
    void SetSurfaceColor(TColor c) { m_surfaceColor = c; }
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor c) { m_backColor = c; }
    // Mesh lines over the shaded surface.
    bool Wireframe() const { return m_wireframe; }
    void SetWireframe(bool on) { m_wireframe = on; }

    // Axis 0 to 3; other numbers reach axis 0.
    VtAxis& Axis(int number) { return m_axes[index(number)]; }
    const VtAxis& Axis(int number) const { return m_axes[index(number)]; }

    // The pen of polar curve `series` (0-based); curves beyond those set take the palette's
    // colour for their number and a width of 1 point.
    VtSeriesPen SeriesPen(int series) const;
    void SetSeriesPen(int series, const VtSeriesPen& pen);

private:
    static size_t index(int number) { return number >= 0 && number < 4 ? static_cast<size_t>(number) : 0; }

    double m_rotation = kDefaultRotation;
    double m_elevation = kDefaultElevation;
    double m_wallWidth = kDefaultWallWidth;
    TColor m_wallColor = rgbColor(228, 228, 228);
    TColor m_surfaceColor = kDefaultSurfaceColor;
    TColor m_backColor = clWhite;
    bool m_wireframe = true;
    std::array<VtAxis, 4> m_axes;
    std::vector<VtSeriesPen> m_seriesPens;
};

// The colour curve number `series` (0-based) takes unless its pen was set.
TColor vtPaletteColor(int series);

} // namespace brelt::chart
