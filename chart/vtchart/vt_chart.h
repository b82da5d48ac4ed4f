#pragma once
// TVtChart: the surface and polar chart control the polar and surface windows carry. It shows a
// TVtChartModel and offers the control's properties (forwarded to the model, each write repaints)
// and operations: the picture to the clipboard, data from the clipboard, printing and the printer
// set-up, the data-grid editor, the property pages and the wizard. Boxes and the print dialog go
// through the UI services. Dragging a surface with the left button turns and tilts it.
//
// DrawMode 0 paints the chart anew on every paint event; 1 keeps the last picture and paints it
// again until the chart changes or the control is resized.
#include "chart/vtchart/vt_chart_model.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QPrinter;

namespace brelt::chart {

class TVtChart : public QWidget {
    Q_OBJECT
public:
    explicit TVtChart(QWidget* parent = nullptr);
    ~TVtChart() override;

    TVtChartModel& model() { return m_model; }
    const TVtChartModel& model() const { return m_model; }

    // Properties.
    int RowCount() const { return m_model.RowCount(); }
    void SetRowCount(int rows) { m_model.SetRowCount(rows); }
    int ColumnCount() const { return m_model.ColumnCount(); }
    void SetColumnCount(int columns) { m_model.SetColumnCount(columns); }
    int Row() const { return m_model.Row(); }
    void SetRow(int row) { m_model.SetRow(row); }
    int Column() const { return m_model.Column(); }
    void SetColumn(int column) { m_model.SetColumn(column); }
    QString RowLabel() const { return m_model.RowLabel(); }
    void SetRowLabel(const QString& label) { m_model.SetRowLabel(label); }
    QString ColumnLabel() const { return m_model.ColumnLabel(); }
    void SetColumnLabel(const QString& label) { m_model.SetColumnLabel(label); }
    QString Data() const { return m_model.Data(); }
    void SetData(const QString& text) { m_model.SetData(text); }
    QString TitleText() const { return m_model.TitleText(); }
    void SetTitleText(const QString& text) { m_model.SetTitleText(text); }
    bool ShowLegend() const { return m_model.ShowLegend(); }
    void SetShowLegend(bool show) { m_model.SetShowLegend(show); }
    VtChartType ChartType() const { return m_model.ChartType(); }
    void SetChartType(VtChartType type) { m_model.SetChartType(type); }
    int DrawMode() const { return m_drawMode; }
    void SetDrawMode(int mode);
    TVtDataGrid& DataGrid() { return m_model.DataGrid(); }
    TVtPlot& GetPlot() { return m_model.GetPlot(); }
    // After writes through DataGrid() or GetPlot().
    void Refresh() { m_model.Changed(); }

    // Operations.
    // The chart as a bitmap of the control's size and as SVG on the clipboard.
    void CopyPicture();
    // Rows of numbers from the clipboard's text into the grid at the current cell; false (after
    // a box saying so) when the clipboard holds none.
    bool PasteData();
    // The print dialog, then the chart on one page at the control's proportions.
    void PrintPicture();
    // The print dialog to choose and set up the printer, kept for the next PrintPicture.
    void PrinterSetup();
    // The dialogs; true when the user accepted and the chart changed.
    bool EditDataGrid();
    bool ShowPropertyPages();
    bool RunWizard();

    // The chart at `size` as PrintPicture, the clipboard and the picture files draw it.
    QImage picture(QSize size) const;

signals:
    // The user turned or tilted the surface with the mouse.
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void modelChanged();
    QPrinter& printer();

    TVtChartModel m_model;
    int m_drawMode = 0;
    QImage m_cache;
    bool m_cacheValid = false;
    std::unique_ptr<QPrinter> m_printer;
    bool m_dragging = false;
    QPointF m_dragFrom;
};

} // namespace brelt::chart
