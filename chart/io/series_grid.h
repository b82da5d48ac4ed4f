#pragma once
// SeriesGrid: the data editor's grid of texts, two columns (X, Y) and 1000 rows, and everything the
// editor does with it apart from showing it: filling it from a series, pasting lines as they are or
// by linked field columns, loading two columns of a file, moving rows, and reading it back into
// points. A cell filled from a series shows 7 significant digits but keeps the exact value while its
// text is unchanged, so opening a series and pressing OK loses nothing.
#include "chart/data/graph_data.h"
#include "chart/io/field_split.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace brelt::chart {

class TSeries;

inline constexpr int kGridRows = 1000;
inline constexpr int kGridColumns = 2;

// What came of putting lines into the grid.
struct GridLoad {
    int rowsWritten = 0; // lines that went into the grid
    int rowsLeftOut = 0; // lines past the grid's last row
    int headerLines = 0; // leading lines without numbers in both columns (file loads only)
};

// The points the grid holds: rows from the first on while both cells read as numbers.
struct GridPoints {
    std::vector<WorldPoint> points;
    int stopRow = -1;           // the first row that did not convert; -1 when all rows did
    bool dataBelowStop = false; // a row after stopRow still holds text
};

class SeriesGrid {
public:
    SeriesGrid();

    QString cell(int row, int column) const;
    // Typing into a cell: the exact value goes once the text changes.
    void setCell(int row, int column, const QString& text);
    int rowCount() const { return kGridRows; }

    // The series' points, X in column 0 and Y in column 1, each shown with 7 significant digits;
    // the rest of the grid is emptied.
    void fill(const TSeries& series);

    // Line k to row (row + k), its n-th field to column (column + n); empty fields are skipped but
    // count, fields past the last column are dropped.
    GridLoad pasteAsIs(const QStringList& lines, int row, int column, const SeparatorTable& table);
    // Line i to row (row + i); the field at xColumn to column 0, at yColumn to column 1. An unlinked
    // column keeps its cells.
    GridLoad pasteLinked(const QStringList& lines, std::optional<int> xColumn, std::optional<int> yColumn,
                         int row, const SeparatorTable& table);
    // The whole grid replaced by the file's lines: the xField-th and yField-th field (1-based) of each
    // line, from row 0 on. Leading lines whose two fields are not both numbers (a header) are left out.
    GridLoad loadColumns(const QStringList& lines, int xField, int yField, const SeparatorTable& table);

    // Rows from `row` down move one down (the last row's text is lost); `row` becomes empty.
    void insertRow(int row);
    // Rows below `row` move one up; the last row becomes empty.
    void deleteRow(int row);
    // The row at `from` moves to `to`; the rows between shift by one (the grid's row moving).
    void moveRow(int from, int to);
    void eraseAll();
    void eraseColumn(int column);

    GridPoints points() const;

private:
    struct Cell {
        QString text;
        std::optional<double> exact; // the series' value while the text is the one shown for it
    };
    Cell& at(int row, int column) { return m_cells[static_cast<size_t>(row * kGridColumns + column)]; }
    const Cell& at(int row, int column) const {
        return m_cells[static_cast<size_t>(row * kGridColumns + column)];
    }
    std::optional<double> value(int row, int column) const;

    std::vector<Cell> m_cells;
};

} // namespace brelt::chart
