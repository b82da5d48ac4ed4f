#include "app/plot_windows.h"

#include "windows/plot2d.h"
#include "workspace/graphics_page.h"
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
    // Next in the program's order: the contour window, the common dialogs (the UI services), the
    // polar and the surface windows.

    workspace::PlotTargets targets;
    targets.plot2D = m_plot2D.get();
    workspace::GraphicsPage& graphics = main.graphicsPage();
    graphics.setEngine(&engine);
    graphics.setTargets(targets);
    main.installEventFilter(this);
}

PlotWindows::~PlotWindows() {
    m_main.removeEventFilter(this);
}

bool PlotWindows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_main && event->type() == QEvent::Close) {
        // Once the main window has really closed: the plot windows close (keeping their settings)
        // and the program ends, even while a plot is being computed (the Graphics tab breaks its
        // tabulation off on the same event).
        QTimer::singleShot(0, this, [this] {
            if (m_main.isVisible()) return;
            m_plot2D->close();
            QCoreApplication::exit(0);
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brelt::app
