#include "chart/io/series_grid.h"

#include "chart/data/series.h"
#include "chart/io/number_text.h"

#include <algorithm>

namespace brelt::chart {

SeriesGrid::SeriesGrid() : m_cells(static_cast<size_t>(kGridRows * kGridColumns)) {}

QString SeriesGrid::cell(int row, int column) const {
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return {};
    return at(row, column).text;
}

void SeriesGrid::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return;
    Cell& c = at(row, column);
    if (c.text == text) return;
    c.text = text;
    c.exact.reset();
}

void SeriesGrid::fill(const TSeries& series) {
    eraseAll();
    const int n = std::min(series.Count(), kGridRows);
    for (int i = 0; i < n; ++i) {
        const WorldPoint p = series.pointAt(i);
        at(i, 0) = {generalText(p.X, 7), p.X};
        at(i, 1) = {generalText(p.Y, 7), p.Y};
    }
}

GridLoad SeriesGrid::pasteAsIs(const QStringList& lines, int row, int column, const SeparatorTable& table) {
    GridLoad load;
    std::vector<QStringView> fields;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const int r = row + static_cast<int>(k);
        if (r >= kGridRows) {
            load.rowsLeftOut = static_cast<int>(lines.size() - k);
            break;
        }
        splitFields(QStringView(lines[k]), table, fields);
        for (size_t n = 0; n < fields.size() && column + static_cast<int>(n) < kGridColumns; ++n)
            if (!fields[n].isEmpty()) setCell(r, column + static_cast<int>(n), fields[n].toString());
        ++load.rowsWritten;
    }
    return load;
}

GridLoad SeriesGrid::pasteLinked(const QStringList& lines, std::optional<int> xColumn,
                                 std::optional<int> yColumn, int row, const SeparatorTable& table) {
    GridLoad load;
    std::vector<QStringView> fields;
    const std::optional<int> columns[2] = {xColumn, yColumn};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int r = row + static_cast<int>(i);
        if (r >= kGridRows) {
            load.rowsLeftOut = static_cast<int>(lines.size() - i);
            break;
        }
        splitFields(QStringView(lines[i]), table, fields);
        for (int c = 0; c < kGridColumns; ++c) {
            const auto f = columns[c];
            if (f && *f < static_cast<int>(fields.size()) && !fields[static_cast<size_t>(*f)].isEmpty())
                setCell(r, c, fields[static_cast<size_t>(*f)].toString());
        }
        ++load.rowsWritten;
    }
    return load;
}

GridLoad SeriesGrid::loadColumns(const QStringList& lines, int xField, int yField,
                                 const SeparatorTable& table) {
    GridLoad load;
    eraseAll();
    std::vector<QStringView> fields;
    auto field = [&fields](int oneBased) {
        return oneBased >= 1 && oneBased <= static_cast<int>(fields.size())
                   ? fields[static_cast<size_t>(oneBased - 1)]
                   : QStringView();
    };
    bool inHeader = true;
    for (const QString& line : lines) {
        splitFields(QStringView(line), table, fields);
        const QStringView x = field(xField), y = field(yField);
        if (inHeader && !(readReal(x) && readReal(y))) {
            ++load.headerLines;
            continue;
        }
        inHeader = false;
        if (load.rowsWritten == kGridRows) {
            ++load.rowsLeftOut;
            continue;
        }
        if (!x.isEmpty()) setCell(load.rowsWritten, 0, x.toString());
        if (!y.isEmpty()) setCell(load.rowsWritten, 1, y.toString());
        ++load.rowsWritten;
    }
    return load;
}

void SeriesGrid::insertRow(int row) {
    if (row < 0 || row >= kGridRows) return;
    const auto first = m_cells.begin() + row * kGridColumns;
    std::move_backward(first, m_cells.end() - kGridColumns, m_cells.end());
    std::fill(first, first + kGridColumns, Cell{});
}

void SeriesGrid::deleteRow(int row) {
    if (row < 0 || row >= kGridRows) return;
    const auto first = m_cells.begin() + row * kGridColumns;
    std::move(first + kGridColumns, m_cells.end(), first);
    std::fill(m_cells.end() - kGridColumns, m_cells.end(), Cell{});
}

void SeriesGrid::moveRow(int from, int to) {
    if (from < 0 || from >= kGridRows || to < 0 || to >= kGridRows || from == to) return;
    const auto row = [this](int r) { return m_cells.begin() + r * kGridColumns; };
    if (from < to) std::rotate(row(from), row(from + 1), row(to + 1));
    else std::rotate(row(to), row(from), row(from + 1));
}

void SeriesGrid::eraseAll() {
    std::fill(m_cells.begin(), m_cells.end(), Cell{});
}

void SeriesGrid::eraseColumn(int column) {
    if (column < 0 || column >= kGridColumns) return;
    for (int r = 0; r < kGridRows; ++r)
        at(r, column) = Cell{};
}

std::optional<double> SeriesGrid::value(int row, int column) const {
    const Cell& c = at(row, column);
    if (c.exact) return c.exact;
    return readReal(QStringView(c.text));
}

GridPoints SeriesGrid::points() const {
    GridPoints result;
    for (int r = 0; r < kGridRows; ++r) {
        const auto x = value(r, 0), y = value(r, 1);
        if (x && y) {
            result.points.push_back({*x, *y});
            continue;
        }
        result.stopRow = r;
        for (int below = r + 1; below < kGridRows && !result.dataBelowStop; ++below)
            result.dataBelowStop =
                !at(below, 0).text.trimmed().isEmpty() || !at(below, 1).text.trimmed().isEmpty();
        break;
    }
    return result;
}

} // namespace brelt::chart
