#pragma once
// The plot windows of the program, made once after the main window in the order the program starts
// its windows (the 2D window, the contour window, the common dialogs, the polar and the surface
// window), and connected to the main window's Graphics tab. They live as long as the program:
// closing one only hides it. When the main window closes, they close too (each keeps its
// placement and chart settings) and the program ends, also while a plot is being computed.
#include <QObject>
#include <QString>

#include <memory>

namespace brelt::engine {
class Engine;
}
namespace brelt::windows {
class TfmContourPlot;
class TfmPlot2D;
class TfmPolar;
class TfmSurface;
} // namespace brelt::windows
namespace brelt::workspace {
class ProfileSettingsStore;
class TfmCalc;
} // namespace brelt::workspace

namespace brelt::app {

class PlotWindows : public QObject {
public:
    // `main` and `engine` must outlive this object; `iniPath` is the settings file.
    PlotWindows(workspace::TfmCalc& main, engine::Engine& engine, const QString& iniPath);
    ~PlotWindows() override;

    windows::TfmPlot2D& plot2D() { return *m_plot2D; }
    windows::TfmContourPlot& contour() { return *m_contour; }
    windows::TfmPolar& polar() { return *m_polar; }
    windows::TfmSurface& surface() { return *m_surface; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeAll();

    workspace::TfmCalc& m_main;
    // The polar and surface windows keep one store each, written to the file when they close.
    std::unique_ptr<workspace::ProfileSettingsStore> m_polarSettings;
    std::unique_ptr<workspace::ProfileSettingsStore> m_surfaceSettings;
    std::unique_ptr<windows::TfmPlot2D> m_plot2D;
    std::unique_ptr<windows::TfmContourPlot> m_contour;
    std::unique_ptr<windows::TfmPolar> m_polar;
    std::unique_ptr<windows::TfmSurface> m_surface;
};

} // namespace brelt::app
