#pragma once
// TfmChartProperties: the chart properties dialog, opened by the plot windows' properties button
// and menu and by the chart's pop-up menu. Its pages edit the series (name, colour, style, line
// style and width, markers through the marker dialog, visibility, deletion, and the least-squares
// fit of a chosen degree), the two axes (automatic or fixed ends, logarithm, inversion, grid,
// names and fonts), the title and foot, and the series legend. Every change goes to the chart at
// once and the chart repaints; "Close" ends the dialog. The switches of the chart control grey out
// the logarithm and invert boxes of an axis.
#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace brelt::chart {
class TAxis;
class TIntValidate;
class TGraph;
class TGraphTitle;
class TSeries;
struct TChartFont;
struct TPlotProperties;
} // namespace brelt::chart

namespace brelt::windows {

class TfmChartProperties : public QDialog {
    Q_OBJECT
public:
    TfmChartProperties(chart::TGraph& graph, QWidget* parent = nullptr,
                       const chart::TPlotProperties* switches = nullptr);

    // The series chosen in the series list, in list order.
    std::vector<chart::TSeries*> selectedSeries() const;

    // Series page.
    void lbSeriesSelect();
    void edSeriesNameExit();
    void btSeriesColorClick();
    void seriesLookChange();
    void btMarkersClick();
    void chSeriesVisibleClick(bool visible);
    void btDeleteSeriesClick();
    void btFitClick();

private:
    QWidget* buildSeriesPage();
    QWidget* buildAxisPage(const chart::TPlotProperties* switches);
    QWidget* buildAxisBox(chart::TAxis& axis, const QString& letter, bool logDisabled, bool invertDisabled);
    QWidget* buildTitlesPage();
    QWidget* buildTitleBox(chart::TGraphTitle& title, const QString& caption, const QString& prefix);
    QWidget* buildLegendPage();
    void fillSeriesList();
    void chooseFont(chart::TChartFont& font, const QString& title);
    void changed(); // the chart repaints

    chart::TGraph& m_graph;
    std::vector<chart::TSeries*> m_series; // in list order
    bool m_loading = false;

    QTabWidget* pcProperties = nullptr;
    QListWidget* lbSeries = nullptr;
    QLineEdit* edSeriesName = nullptr;
    QPushButton* btSeriesColor = nullptr;
    QComboBox* cbSeriesStyle = nullptr;
    QComboBox* cbSeriesLineStyle = nullptr;
    QSpinBox* udSeriesLineWidth = nullptr;
    QPushButton* btMarkers = nullptr;
    QCheckBox* chSeriesVisible = nullptr;
    QPushButton* btDeleteSeries = nullptr;
    QLineEdit* edDegree = nullptr;
    chart::TIntValidate* m_vDegree = nullptr; // owned by the dialog
    QPushButton* btFit = nullptr;
    QPushButton* btClose = nullptr;
};

} // namespace brelt::windows
