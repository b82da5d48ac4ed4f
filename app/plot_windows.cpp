#include "app/plot_windows.h"

#include "windows/contour_plot.h"
#include "windows/plot2d.h"
#include "windows/plot_window_dialogs.h"
#include "windows/tfm_polar.h"
#include "windows/tfm_surface.h"
#include "workspace/graphics_page.h"
#include "workspace/plot_targets.h"
#include "workspace/profile_settings_store.h"
#include "workspace/rescu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace brelt::app {

PlotWindows::PlotWindows(workspace::TfmCalc& main, engine::Engine& engine, const QString& iniPath)
    : m_main(main) {
    // Each reading or writing opens the file anew, so sections written meanwhile by another window
    // or by the main window survive.
    const windows::SettingsOpener settings = [iniPath] {
        return std::make_shared<workspace::ProfileSettingsStore>(iniPath);
    };
    m_plot2D = std::make_unique<windows::TfmPlot2D>(settings);
    m_plot2D->Chart().SetIniFileName(iniPath);
    windows::connectPlotWindowDialogs(*m_plot2D, settings);
    m_contour = std::make_unique<windows::TfmContourPlot>(settings);
    m_contour->Chart().SetIniFileName(iniPath);
    windows::connectPlotWindowDialogs(*m_contour, settings);
    // The common dialogs (the UI services) are in place since the main window was made.
    m_polarSettings = std::make_unique<workspace::ProfileSettingsStore>(iniPath);
    m_polar = std::make_unique<windows::TfmPolar>(m_polarSettings.get());
    m_polar->settingsWritten = [this] { m_polarSettings->flush(); };
    m_surfaceSettings = std::make_unique<workspace::ProfileSettingsStore>(iniPath);
    m_surface = std::make_unique<windows::TfmSurface>(m_surfaceSettings.get());
    m_surface->settingsWritten = [this] { m_surfaceSettings->flush(); };

    workspace::GraphicsPage& graphics = main.graphicsPage();
    graphics.setEngine(&engine);
    graphics.setTargets(
        workspace::plotTargetsFor(m_plot2D.get(), m_contour.get(), m_surface.get(), m_polar.get()));
    main.installEventFilter(this);
}

PlotWindows::~PlotWindows() {
    m_main.removeEventFilter(this);
    // The Graphics tab must not reach the windows once they are gone.
    m_main.graphicsPage().setTargets({});
}

void PlotWindows::closeAll() {
    m_plot2D->close();
    m_contour->close();
    m_polar->close();
    m_surface->close();
}

bool PlotWindows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_main && event->type() == QEvent::Close) {
        // Once the main window has really closed: the plot windows close (keeping their settings)
        // and the program ends, even while a plot is being computed (the Graphics tab breaks its
        // tabulation off on the same event).
        QTimer::singleShot(0, this, [this] {
            if (m_main.isVisible()) return;
            closeAll();
            QCoreApplication::exit(0);
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brelt::app
