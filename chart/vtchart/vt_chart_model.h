#pragma once
// TVtChartModel: everything a surface or polar chart is, without a widget: the data grid, the
// plot (view, colours, axes), the chart type, the title and the legend switch. The control
// (TVtChart) shows one; the command line fills one and writes its picture without any window.
// draw() is the one drawing path: the screen, the printer, the clipboard and every picture file
// go through it.
//
// The properties are those of the chart control and keep its names. Every write calls `changed`
// (when set), which the control uses to repaint.
#include "chart/vtchart/vt_data_grid.h"
#include "chart/vtchart/vt_plot.h"

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace brelt::chart {

class TVtChartModel {
public:
    // The data grid's properties on the current cell.
    int RowCount() const { return m_grid.RowCount(); }
    void SetRowCount(int rows) { m_grid.SetRowCount(rows), notify(); }
    int ColumnCount() const { return m_grid.ColumnCount(); }
    void SetColumnCount(int columns) { m_grid.SetColumnCount(columns), notify(); }
    int Row() const { return m_grid.Row(); }
    void SetRow(int row) { m_grid.SetRow(row); }
    int Column() const { return m_grid.Column(); }
    void SetColumn(int column) { m_grid.SetColumn(column); }
    QString RowLabel() const { return m_grid.RowLabel(); }
    void SetRowLabel(const QString& label) { m_grid.SetRowLabel(label), notify(); }
    QString ColumnLabel() const { return m_grid.ColumnLabel(); }
    void SetColumnLabel(const QString& label) { m_grid.SetColumnLabel(label), notify(); }
    QString Data() const { return m_grid.Data(); }
    void SetData(const QString& text) { m_grid.SetData(text), notify(); }

    QString TitleText() const { return m_title; }
    void SetTitleText(const QString& text) { m_title = text, notify(); }
    bool ShowLegend() const { return m_showLegend; }
    void SetShowLegend(bool show) { m_showLegend = show, notify(); }
    VtChartType ChartType() const { return m_type; }
    void SetChartType(VtChartType type) { m_type = type, notify(); }

    // The data grid itself, for the set-data operation and bulk work; call Changed() after
    // writing through it.
    TVtDataGrid& DataGrid() { return m_grid; }
    const TVtDataGrid& DataGrid() const { return m_grid; }
    // The plot object: view, walls, colours, axes. Call Changed() after writing through it.
    TVtPlot& GetPlot() { return m_plot; }
    const TVtPlot& GetPlot() const { return m_plot; }
    void Changed() { notify(); }

    // Draws the whole chart (background, title, chart, legend) into `rect` of the painter's
    // device. Sizes of text and lines follow the device's resolution, so a printer page looks
    // like the screen.
    void draw(QPainter& painter, const QRectF& rect) const;

    std::function<void()> changed;

private:
    void notify() {
        if (changed) changed();
    }

    TVtDataGrid m_grid;
    TVtPlot m_plot;
    QString m_title;
    bool m_showLegend = false;
    VtChartType m_type = VtChartType::Surface3d;
};

} // namespace brelt::chart
