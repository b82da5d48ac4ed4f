#pragma once
// TfmContourPlot, the contour plot window ("Contour Plot"): the chart of a function of X and Y,
// drawn as labelled contour lines or as a colour-shaded map. The calculator hands over the grid
// with showContour, which replaces the chart's content. In line mode the window offers the
// interactive editing of the contour (five buttons of which exactly one is down, and the "&Edit"
// menu); in shade mode those are hidden, the legend switch acts on the colour legend, and the
// grids are drawn again over the shading after every drawing.
#include "chart/contour/contour.h"
#include "windows/plot_window.h"

class QActionGroup;
class QMenu;

namespace brelt::windows {

// A tabulated f(X,Y) as the calculator hands it over. The grid is copied by the contour layer.
struct ContourPlotData {
    bool shading = false;
    int levels = 10; // line mode: the number of contour levels
    QString name;    // the formula as typed: the contour's name and its legend entry
    QString title;   // the chart title
    QString xName;   // the X axis name
    QString yName;   // the Y axis name
    double exaggeration = 0;
    const chart::TVector* x = nullptr; // N abscissae, ascending
    const chart::TVector* y = nullptr; // M ordinates, ascending
    const chart::TMatrix* z = nullptr; // N x M values
};

class TfmContourPlot : public TPlotWindow {
    Q_OBJECT
public:
    explicit TfmContourPlot(SettingsOpener settings, QWidget* parent = nullptr);

    // Clears the chart, adds the contour layer made from `data` with its legends, sets the caption
    // and the editing controls for the mode, shows the window and redraws the chart.
    chart::TContour& showContour(const ContourPlotData& data);

    // The contour last handed over, while the chart still holds it.
    chart::TContour* Contour() const;
    bool shadeMode() const { return m_shadeMode; }
    chart::ContourEditMode editMode() const { return m_editMode; }

    // Handlers that differ from the 2D window's.
    void sbLegendClick() override;
    void sbVertGridClick() override;
    void sbHorizGridClick() override;
    // The editing buttons and their menu items: the contour's edit mode.
    void setEditMode(chart::ContourEditMode mode);

protected:
    void syncSwitches() override;
    void showEvent(QShowEvent* event) override;

private:
    void setUpChart();
    void buildEditCommands();
    void buildMenus();
    // Shows or hides the editing buttons, their menu items and the "&Edit" menu, and the colour
    // legend, as the mode asks.
    void applyMode();
    // Shade mode: the axes whose grid is on are drawn again over the picture.
    void drawGridsOver(chart::TGraph& graph);
    void switchGrid(chart::TPlotAxis& axis, const char* buttonName);

    chart::TContour* m_contour = nullptr; // owned by the chart
    bool m_shadeMode = false;
    chart::ContourEditMode m_editMode = chart::ContourEditMode::None;
    QActionGroup* m_editGroup = nullptr;
    QMenu* m_editMenu = nullptr;
};

} // namespace brelt::windows
