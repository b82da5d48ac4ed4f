#pragma once
// TfmGraphImport: the chart's data editor. It shows the points of one series, or of a new one, as
// a two-column grid of texts (1000 rows) and lets the user type, paste from the clipboard as it is
// or by linked field names ("Links Fields"), load two columns of an ASCII file ("Show data"), move,
// insert and delete rows, and set the series' name, style, line style and width, colour and
// markers. OK turns the rows into points up to the first row that does not hold two numbers; a new
// series then joins the chart with a legend line. Cancel frees a new series and leaves an edited
// one as it was. All the grid work is SeriesGrid's; this class wires it to the controls.
#include "chart/data/color.h"
#include "chart/io/series_grid.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QPushButton;
class QToolButton;

namespace brelt::chart {
class TGraph;
class TSeries;
struct GridLoad;
} // namespace brelt::chart

namespace brelt::windows {

class TfmGraphImport : public QDialog {
    Q_OBJECT
public:
    explicit TfmGraphImport(chart::TGraph& graph, QWidget* parent = nullptr);
    ~TfmGraphImport() override;

    // Fills the editor for `series`, or for a new series when null (no dialog shown).
    void prepare(chart::TSeries* series);
    // prepare, then modal; true when the user pressed OK and the chart holds the result.
    bool EditSeries(chart::TSeries* series);

    const chart::SeriesGrid& grid() const { return m_grid; }
    chart::TSeries* series() const { return m_series; }

    // Commands of the menus, tool buttons and buttons.
    void PasteAsIs();
    void PasteByFieldName();
    void LoadFromFile();
    void InsertRow();
    void DeleteRow();
    void EraseAll();
    void EraseColumn();
    void ColorClick();
    void SymbolsClick();
    void bbOKClick();
    void edNameChange(const QString& name);
    void reject() override;

private:
    void buildControls();
    void showGrid();
    void gridEdited(int row, int column);
    void rowMoved(int logical, int oldVisual, int newVisual);
    int currentRow() const;
    void reportLoad(const chart::GridLoad& load);
    void setEditable(bool editable);
    bool applyToSeries();

    chart::TGraph& m_graph;
    chart::TSeries* m_series = nullptr;
    std::unique_ptr<chart::TSeries> m_newSeries; // the series being added, until OK hands it on
    chart::SeriesGrid m_grid;
    chart::TColor m_color = chart::clBlack;
    bool m_locked = false;  // more points than the grid holds: they stay as they are
    bool m_filling = false; // the table is being filled from the grid

    QTableWidget* sgMain = nullptr;
    QLineEdit* edP2 = nullptr;
    QLineEdit* edP3 = nullptr;
    QLineEdit* edName = nullptr;
    QComboBox* cbStyle = nullptr;
    QComboBox* cbLineStyle = nullptr;
    QSpinBox* udLineWidth = nullptr;
    QPushButton* btColor = nullptr;
    QPushButton* btSymbols = nullptr;
    QPushButton* bbOK = nullptr;
    QPushButton* bbCancel = nullptr;
    QList<QObject*> m_gridCommands; // disabled while the points are locked
};

} // namespace brelt::windows
