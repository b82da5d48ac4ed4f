#pragma once
// TVtDataGrid: the table a surface or polar chart draws: RowCount x ColumnCount cells of doubles,
// a label per row and per column, and a current cell (Row, Column, 1-based) through which the
// Data text and the labels are read and written, as a caller fills the chart cell by cell.
//
// A cell holds a value or nothing (a null cell, drawn as a gap). Data text that does not read as a
// finite number makes a null cell; a null cell reads back as an empty text. Changing a count keeps
// the cells and labels that remain inside; new cells are null and new labels empty.
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace brelt::chart {

class TVtDataGrid {
public:
    // Counts are small integers; the product is held to kMaxCells (a larger request is cut so
    // the table fits, never allocated in full).
    static constexpr int kMaxCount = 32767;
    static constexpr long long kMaxCells = 4'000'000;

    int RowCount() const { return m_rows; }
    int ColumnCount() const { return m_columns; }
    void SetRowCount(int rows);
    void SetColumnCount(int columns);
    void SetSize(int rows, int columns);

    // The current cell, 1-based; kept inside the table (1 when the table has no cells that way).
    int Row() const { return m_row; }
    int Column() const { return m_column; }
    void SetRow(int row);
    void SetColumn(int column);

    QString RowLabel() const { return rowLabel(m_row); }
    void SetRowLabel(const QString& label) { setRowLabel(m_row, label); }
    QString ColumnLabel() const { return columnLabel(m_column); }
    void SetColumnLabel(const QString& label) { setColumnLabel(m_column, label); }

    // The current cell as text: the shortest text that reads back as the same double; empty for a
    // null cell or a current cell outside the table.
    QString Data() const;
    void SetData(const QString& text);

    // The set-data operation: cell (row, column), 1-based, gets `value`, or becomes null when
    // nullFlag is set or the value is not finite. Cells outside the table are ignored.
    void SetData(int row, int column, double value, bool nullFlag);

    // Direct access, 1-based; nothing for a null cell or a cell outside the table.
    std::optional<double> value(int row, int column) const;
    bool isNull(int row, int column) const { return !value(row, column); }
    QString rowLabel(int row) const;
    QString columnLabel(int column) const;
    void setRowLabel(int row, const QString& label);
    void setColumnLabel(int column, const QString& label);

    // Smallest and largest value of the non-null cells of the columns from `firstColumn` on, every
    // `columnStep`-th column; nothing when all are null.
    std::optional<std::pair<double, double>> valueRange(int firstColumn = 1, int columnStep = 1) const;

    // Reads rows of numbers into the table from the current cell on, growing it as needed. Lines
    // end at CR, LF or CR LF; a line with tabs splits at each tab (an empty cell stays a cell, as
    // a spreadsheet copies it), any other line at runs of blanks. A first line whose cells are all
    // words labels the columns; when every line starts with a word, those words label the rows. Cells that
    // are not numbers become null. Returns the number of rows read; 0 (and the table unchanged) when the text
    // holds no number at all.
    int paste(const QString& text);

private:
    size_t index(int row, int column) const {
        return static_cast<size_t>(row - 1) * static_cast<size_t>(m_columns) +
               static_cast<size_t>(column - 1);
    }
    bool inside(int row, int column) const {
        return row >= 1 && row <= m_rows && column >= 1 && column <= m_columns;
    }

    int m_rows = 0;
    int m_columns = 0;
    int m_row = 1;
    int m_column = 1;
    std::vector<double> m_cells; // row-major; NaN marks a null cell
    QStringList m_rowLabels;
    QStringList m_columnLabels;
};

// A cell's text as a value: a finite decimal number (C notation, blanks around allowed), else none.
std::optional<double> parseCellText(const QString& text);

// The shortest text that reads back as `value`.
QString cellText(double value);

} // namespace brelt::chart
