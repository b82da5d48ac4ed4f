#pragma once
// TfmSurface, the 3D surface window ("Surface"): the chart control showing a surface, whose data
// grid the surface tabulation fills, with buttons that turn and tilt the view and switch the wall
// and pedestal grids. The surface colour and the wall width are kept in the settings under the
// window's name as "ElevationColor" (0x00BBGGRR) and "WallWidth" (points).
#include "windows/vt_chart_window.h"

namespace brelt::windows {

class TfmSurface final : public TVtChartWindow {
    Q_OBJECT
public:
    explicit TfmSurface(chart::SettingsStore* settings, QWidget* parent = nullptr);

    static constexpr int kDefaultElevationColor = 16776960; // red 0, green 255, blue 255
    static constexpr int kDefaultWallWidth = 10;
    static constexpr double kRotationStep = 5;

    void sbElevationGridClick();
    void sbLeftClick();  // rotation + 5
    void sbRightClick(); // rotation - 5
    void sbDnClick();    // elevation + 5; past 90 it starts again at 0
    void sbUpClick();    // elevation - 5; below 0 it starts again at 90

protected:
    void writeOwnSettings(chart::SettingsStore& settings) override;

private:
    void turn(double rotationStep, double elevationStep);
};

} // namespace brelt::windows
