#pragma once
// TfmPlot2D, the "2D - Plot" window: the chart of the f(X) curves. The calculator tabulates a
// function into a series and hands it over with addFunction; earlier curves stay, so successive
// plots accumulate, each with its own colour, marker and legend line.
#include "windows/plot_window.h"

#include <memory>

namespace brelt::chart {
class TSeries;
}

namespace brelt::windows {

class TfmPlot2D : public TPlotWindow {
    Q_OBJECT
public:
    explicit TfmPlot2D(SettingsOpener settings, QWidget* parent = nullptr);

    // Adds the series to the chart with a line in the legend, names the axes, sets the title,
    // shows the window and redraws the chart.
    chart::TSeries& addFunction(std::unique_ptr<chart::TSeries> series, const QString& title,
                                const QString& xName, const QString& yName);

private:
    void buildMenus();
};

} // namespace brelt::windows
