#pragma once
// The chart control's own dialogs. Each works on a copy and hands it back only on OK, so Cancel
// leaves the chart as it was:
// - VtDataGridDialog ("Data Grid"): the grid in an editable table, the column labels in the top
//   row and the row labels in the left column, with the row and column counts;
// - VtPropertyDialog ("Chart Properties"): chart type, title, legend, colours, wall width,
//   rotation and elevation, mesh lines, and each axis's title and major grid;
// - VtChartWizard ("Chart Wizard"): chart type, then the titles that type uses.
#include "chart/vtchart/vt_chart_model.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QWizard>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace brelt::chart {

// The grid as a table model: row 0 holds the column labels, column 0 the row labels; the other
// cells are the data, shown and typed as text (a text that is not a number makes a null cell).
class VtGridTableModel final : public QAbstractTableModel {
public:
    explicit VtGridTableModel(TVtDataGrid grid, QObject* parent = nullptr);
    const TVtDataGrid& grid() const { return m_grid; }
    void setSize(int rows, int columns);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TVtDataGrid m_grid;
};

class VtDataGridDialog final : public QDialog {
public:
    VtDataGridDialog(const TVtDataGrid& grid, QWidget* parent = nullptr);
    TVtDataGrid grid() const { return m_model->grid(); }
    VtGridTableModel& tableModel() { return *m_model; }
    QSpinBox& rowsBox() { return *m_rows; }
    QSpinBox& columnsBox() { return *m_columns; }

private:
    VtGridTableModel* m_model;
    QTableView* m_table;
    QSpinBox* m_rows;
    QSpinBox* m_columns;
};

class VtPropertyDialog final : public QDialog {
public:
    VtPropertyDialog(const TVtChartModel& chart, QWidget* parent = nullptr);
    // Writes what the pages show into `chart` and lets it repaint once.
    void applyTo(TVtChartModel& chart) const;

    // The controls, for the window's tests.
    QComboBox& typeBox() { return *m_type; }
    QLineEdit& titleEdit() { return *m_title; }
    QCheckBox& legendBox() { return *m_legend; }
    QCheckBox& wireframeBox() { return *m_wireframe; }
    QDoubleSpinBox& rotationBox() { return *m_rotation; }
    QDoubleSpinBox& elevationBox() { return *m_elevation; }
    QDoubleSpinBox& wallWidthBox() { return *m_wallWidth; }
    QLineEdit& axisTitleEdit(int axis) { return *m_axisTitles[axis]; }
    QCheckBox& axisGridBox(int axis) { return *m_axisGrids[axis]; }
    QPushButton& surfaceColorButton() { return *m_surfaceButton; }

private:
    QWidget* chartPage();
    QWidget* viewPage();
    QWidget* axesPage();
    void chooseColor(TColor& color, QPushButton* button, const QString& title);

    TVtPlot m_plot; // colours chosen so far; the rest is read from the controls on OK
    QComboBox* m_type = nullptr;
    QLineEdit* m_title = nullptr;
    QCheckBox* m_legend = nullptr;
    QCheckBox* m_wireframe = nullptr;
    QDoubleSpinBox* m_rotation = nullptr;
    QDoubleSpinBox* m_elevation = nullptr;
    QDoubleSpinBox* m_wallWidth = nullptr;
    QPushButton* m_surfaceButton = nullptr;
    QPushButton* m_wallButton = nullptr;
    QPushButton* m_backButton = nullptr;
    QLineEdit* m_axisTitles[4] = {};
    QCheckBox* m_axisGrids[4] = {};
    TColor m_surfaceColor = 0, m_wallColor = 0, m_backColor = 0;
};

class VtChartWizard final : public QWizard {
public:
    VtChartWizard(const TVtChartModel& chart, QWidget* parent = nullptr);
    void applyTo(TVtChartModel& chart) const;

    QRadioButton& surfaceChoice() { return *m_surface; }
    QRadioButton& polarChoice() { return *m_polar; }
    QLineEdit& titleEdit() { return *m_title; }
    QLineEdit& axisTitleEdit(int axis) { return *m_axisTitles[axis]; }

private:
    QRadioButton* m_surface = nullptr;
    QRadioButton* m_polar = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_axisTitles[4] = {};
};

} // namespace brelt::chart
