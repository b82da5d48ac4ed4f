#pragma once
// The plot windows of the program, made once after the main window in the order the program starts
// its windows, and connected to the main window's Graphics tab. They live as long as the program:
// closing one only hides it. When the main window closes, they close too (each keeps its
// placement and chart settings) and the program ends, also while a plot is being computed.
#include <QObject>
#include <QString>

#include <memory>

namespace brelt::engine {
class Engine;
}
namespace brelt::windows {
class TfmPlot2D;
}
namespace brelt::workspace {
class TfmCalc;
}

namespace brelt::app {

class PlotWindows : public QObject {
public:
    // `main` and `engine` must outlive this object; `iniPath` is the settings file.
    PlotWindows(workspace::TfmCalc& main, engine::Engine& engine, const QString& iniPath);
    ~PlotWindows() override;

    windows::TfmPlot2D& plot2D() { return *m_plot2D; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    workspace::TfmCalc& m_main;
    std::unique_ptr<windows::TfmPlot2D> m_plot2D;
};

} // namespace brelt::app
