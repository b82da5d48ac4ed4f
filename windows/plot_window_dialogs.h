#pragma once
// Connects a 2D or contour plot window to the chart dialogs: printing with the page settings kept
// in the settings file, data export, data import, the chart properties (toolbar, menu and the
// chart's pop-up menu) and a series' "Edit data". Their buttons and menu items become enabled.
#include "windows/plot_window.h"

class QMenu;

namespace brelt::windows {

void connectPlotWindowDialogs(TPlotWindow& window, const SettingsOpener& settings);

// The menu item "Export as &DXF..." (`miExportDxf`): the chart's lines as a DXF drawing.
QAction* addDxfItem(TPlotWindow& window, QMenu& menu);

} // namespace brelt::windows
