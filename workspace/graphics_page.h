#pragma once
// GraphicsPage: the Graphics tab (`tsGraph`) of the main window. The user chooses one of five plot
// types in `rgPlot`, the X range and number of points (for f(X,Y) also the Y range), titles and
// axis names; `bbOK` validates the fields in a fixed order and tabulates the input line's formula
// (plot_tabulation.h), then hands the table to the window of that type (plot_request.h) and moves
// the formula to the top of the history. The tab keeps a step count per plot type, the grid of the
// last f(X,Y) request, the exaggeration shared with the contour window, and the "Show plots"
// button's pop-up menu of the plot windows shown so far.
//
// Files: graphics_page.cpp (plot types, fields, settings, Show plots), graphics_page_layout.cpp
// (controls), plot_dispatch.cpp (OK: validation, tabulation, hand-over, failures).
#include "chart/data/grid.h"
#include "workspace/calc_settings.h"
#include "workspace/plot_request.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace brelt::engine {
class Engine;
}
namespace brelt::chart {
class TIntValidate;
class TRealValidate;
} // namespace brelt::chart

namespace brelt::workspace {

class PlotTabulator;
struct TabulationFailure;
struct PlotAxis;

// The main window's controls the tab works with.
struct GraphicsLinks {
    QLineEdit* input = nullptr;                    // `Edit1`: the formula
    QLineEdit* result = nullptr;                   // `Edit2`: a failing plot's error is shown there
    QComboBox* history = nullptr;                  // `cbHistory`: a plotted formula moves to its top
    QTabWidget* tabs = nullptr;                    // `pcCalc`: disabled while a plot is computed
    QProgressBar* gauge = nullptr;                 // `Gauge`
    QToolButton* showPlots = nullptr;              // `sbShow`
    std::function<void(const QString&)> assistant; // a fixed text in the assistant panel
    std::function<void(int)> help;                 // opens a help topic
};

class GraphicsPage : public QWidget {
    Q_OBJECT
public:
    explicit GraphicsPage(QWidget* parent = nullptr);
    ~GraphicsPage() override;

    // Wiring, by the main window and the program.
    void link(const GraphicsLinks& links);
    void setEngine(engine::Engine* engine); // the plots tabulate with it; none: OK does nothing
    void setTargets(const PlotTargets& targets);

    // Start-up: the "Graphics" settings (change handlers do nothing meanwhile), the validators
    // (after the first rgPlotClick), and the fields the main window's FormShow fills.
    void loadSettings(const CalcSettings& settings);
    void storeSettings(CalcSettings& settings) const;
    void createValidators();
    void formShow();
    // The user switched to this tab.
    void tabShown();

    // Handlers.
    void rgPlotClick(int type);
    void bbOKClick();
    void Edit1Change();
    void sbColorClick();
    void sbShowClick();
    // A plot window was shown: "Show plots" and that window's item become enabled.
    void plotWindowShown(QWidget* window);

    int plotType() const { return m_type; }
    // The exaggeration of the last OK (0 when the field held no number), shared with the contour window.
    long double exaggeration() const { return m_exaggeration; }
    bool tabulating() const;
    QMenu* showPlotsMenu() const { return m_popup; }

private:
    // Controls (graphics_page_layout.cpp).
    void buildControls();
    void connectHandlers();

    // Field handlers.
    void edStepsXChange();
    void edStepsYChange();
    void changeField(chart::TRealValidate* validator);

    // OK (plot_dispatch.cpp).
    bool validateFields();
    QString gridRefusal() const; // why the grid is too large for its chart; empty when it is not
    bool plotFx(PlotTabulator& tabulator, TabulationFailure& failure);
    bool plotGrid(PlotTabulator& tabulator, bool shading, TabulationFailure& failure);
    bool plotSurface(PlotTabulator& tabulator, TabulationFailure& failure);
    bool plotPolar(PlotTabulator& tabulator, TabulationFailure& failure);
    PlotAxis xAxis() const;
    PlotAxis yAxis() const;
    void showFailure(const TabulationFailure& failure);
    void notAvailable();
    void plotted();
    void abortForClosing();

    QString workingText() const; // the input line without blanks
    QString functionLabel() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    GraphicsLinks m_links;
    engine::Engine* m_engine = nullptr;
    PlotTargets m_targets;
    int m_type = 0;
    bool m_loading = false;
    std::array<int, kPlotTypeCount> m_stepsX{200, 40, 40, 40, 360};
    std::array<int, kPlotTypeCount> m_stepsY{0, 40, 40, 40, 0};
    long double m_exaggeration = 0;
    QString m_formula;                   // the formula of the plot in progress, as typed
    std::optional<QColor> m_chosenColor; // from "Color", used by the next f(X) or polar curve
    PlotTabulator* m_running = nullptr;  // the tabulation in progress
    bool m_busy = false;                 // OK is being handled
    // The grid of the last f(X,Y) request.
    std::unique_ptr<chart::TVector> m_gridX;
    std::unique_ptr<chart::TVector> m_gridY;
    std::unique_ptr<chart::TMatrix> m_gridZ;

    // Validators, owned by this page (their parent).
    chart::TRealValidate* m_vFromX = nullptr;
    chart::TRealValidate* m_vToX = nullptr;
    chart::TIntValidate* m_vStepsX = nullptr;
    chart::TRealValidate* m_vFromY = nullptr;
    chart::TRealValidate* m_vToY = nullptr;
    chart::TIntValidate* m_vStepsY = nullptr;
    chart::TIntValidate* m_vNumCont = nullptr;
    chart::TRealValidate* m_vExaggerate = nullptr;

    // Controls, named as their objectName.
    QButtonGroup* rgPlot = nullptr;
    QGroupBox* gbX = nullptr;
    QGroupBox* gbY = nullptr;
    QLabel* lbY1 = nullptr;
    QLabel* lbY2 = nullptr;
    QLabel* lbStepY = nullptr;
    QLineEdit* edFromX = nullptr;
    QLineEdit* edToX = nullptr;
    QLineEdit* edStepsX = nullptr;
    QLineEdit* edFromY = nullptr;
    QLineEdit* edToY = nullptr;
    QLineEdit* edStepsY = nullptr;
    QLabel* lbNC = nullptr;
    QLineEdit* edNumCont = nullptr;
    QLabel* lbExaggerate = nullptr;
    QLineEdit* edExaggerate = nullptr;
    QLabel* lbTitle = nullptr;
    QLineEdit* edTitle = nullptr;
    QLabel* lbLegend = nullptr;
    QLineEdit* edLegend = nullptr;
    QLineEdit* edX = nullptr;
    QLabel* lbYAxis = nullptr;
    QLineEdit* edY = nullptr;
    QPushButton* sbColor = nullptr;
    QPushButton* bbOK = nullptr;
    QPushButton* Button1 = nullptr;
    QMenu* m_popup = nullptr; // PopupMenu1 of "Show plots"
};

} // namespace brelt::workspace
