#include "chart/vtchart/vt_data_grid.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace brelt::chart {

namespace {

constexpr double kNull = std::numeric_limits<double>::quiet_NaN();

int boundedCount(int count) {
    return std::clamp(count, 0, TVtDataGrid::kMaxCount);
}

QStringList resized(QStringList labels, int count) {
    while (labels.size() > count)
        labels.removeLast();
    while (labels.size() < count)
        labels.append(QString());
    return labels;
}

QStringList splitCells(const QString& line) {
    if (line.contains(QLatin1Char('\t'))) {
        QStringList cells = line.split(QLatin1Char('\t'));
        for (QString& cell : cells)
            cell = cell.trimmed();
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        return cells;
    }
    static const QRegularExpression blanks(QStringLiteral(" +"));
    return line.trimmed().split(blanks, Qt::SkipEmptyParts);
}

} // namespace

std::optional<double> parseCellText(const QString& text) {
    // By hand rather than through QString::toDouble: a surface writes every cell as text, and
    // the locale-aware reading costs more than the formula.
    char buffer[64];
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].isSpace())
        ++begin;
    while (end > begin && text[end - 1].isSpace())
        --end;
    if (begin < end && text[begin] == QLatin1Char('+')) ++begin;
    if (end == begin || end - begin >= static_cast<qsizetype>(sizeof buffer)) return std::nullopt;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t ch = text[i].unicode();
        if (ch > 127) return std::nullopt;
        buffer[i - begin] = static_cast<char>(ch);
    }
    double v = 0;
    const char* last = buffer + (end - begin);
    const auto [stop, error] = std::from_chars(buffer, last, v);
    if (error != std::errc() || stop != last || !std::isfinite(v)) return std::nullopt;
    return v;
}

QString cellText(double value) {
    char buffer[32];
    const auto [stop, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) return QString::number(value, 'g', 17);
    return QString::fromLatin1(buffer, stop - buffer);
}

void TVtDataGrid::SetRowCount(int rows) {
    SetSize(rows, m_columns);
}

void TVtDataGrid::SetColumnCount(int columns) {
    SetSize(m_rows, columns);
}

void TVtDataGrid::SetSize(int rows, int columns) {
    rows = boundedCount(rows);
    columns = boundedCount(columns);
    // Cut the count that changed so the table stays within kMaxCells.
    if (static_cast<long long>(rows) * columns > kMaxCells) {
        if (rows != m_rows)
            rows = static_cast<int>(kMaxCells / std::max(columns, 1));
        else
            columns = static_cast<int>(kMaxCells / std::max(rows, 1));
    }
    if (rows == m_rows && columns == m_columns) return;
    std::vector<double> cells(static_cast<size_t>(rows) * static_cast<size_t>(columns), kNull);
    const int keepRows = std::min(rows, m_rows);
    const int keepColumns = std::min(columns, m_columns);
    for (int r = 0; r < keepRows; ++r)
        std::copy_n(m_cells.begin() + static_cast<std::ptrdiff_t>(r) * m_columns, keepColumns,
                    cells.begin() + static_cast<std::ptrdiff_t>(r) * columns);
    m_cells = std::move(cells);
    m_rows = rows;
    m_columns = columns;
    m_rowLabels = resized(std::move(m_rowLabels), rows);
    m_columnLabels = resized(std::move(m_columnLabels), columns);
    SetRow(m_row);
    SetColumn(m_column);
}

void TVtDataGrid::SetRow(int row) {
    m_row = std::clamp(row, 1, std::max(m_rows, 1));
}

void TVtDataGrid::SetColumn(int column) {
    m_column = std::clamp(column, 1, std::max(m_columns, 1));
}

QString TVtDataGrid::Data() const {
    const auto v = value(m_row, m_column);
    return v ? cellText(*v) : QString();
}

void TVtDataGrid::SetData(const QString& text) {
    const auto v = parseCellText(text);
    SetData(m_row, m_column, v.value_or(0.0), !v);
}

void TVtDataGrid::SetData(int row, int column, double value, bool nullFlag) {
    if (!inside(row, column)) return;
    m_cells[index(row, column)] = nullFlag || !std::isfinite(value) ? kNull : value;
}

std::optional<double> TVtDataGrid::value(int row, int column) const {
    if (!inside(row, column)) return std::nullopt;
    const double v = m_cells[index(row, column)];
    if (std::isnan(v)) return std::nullopt;
    return v;
}

QString TVtDataGrid::rowLabel(int row) const {
    return row >= 1 && row <= m_rows ? m_rowLabels[row - 1] : QString();
}

QString TVtDataGrid::columnLabel(int column) const {
    return column >= 1 && column <= m_columns ? m_columnLabels[column - 1] : QString();
}

void TVtDataGrid::setRowLabel(int row, const QString& label) {
    if (row >= 1 && row <= m_rows) m_rowLabels[row - 1] = label;
}

void TVtDataGrid::setColumnLabel(int column, const QString& label) {
    if (column >= 1 && column <= m_columns) m_columnLabels[column - 1] = label;
}

std::optional<std::pair<double, double>> TVtDataGrid::valueRange(int firstColumn, int columnStep) const {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    columnStep = std::max(columnStep, 1);
    for (int r = 0; r < m_rows; ++r) {
        const double* row = m_cells.data() + static_cast<size_t>(r) * static_cast<size_t>(m_columns);
        for (int c = std::max(firstColumn, 1) - 1; c < m_columns; c += columnStep) {
            const double v = row[c];
            if (std::isnan(v)) continue;
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    if (low > high) return std::nullopt;
    return std::make_pair(low, high);
}

int TVtDataGrid::paste(const QString& text) {
    static const QRegularExpression lineEnds(QStringLiteral("\r\n|\r|\n"));
    auto isNumber = [](const QString& cell) { return parseCellText(cell).has_value(); };
    QList<QStringList> lines;
    for (const QString& line : text.split(lineEnds))
        if (QStringList cells = splitCells(line); !cells.isEmpty()) lines.append(std::move(cells));
    QStringList header;
    if (lines.size() > 1 && std::none_of(lines.first().begin(), lines.first().end(), isNumber))
        header = lines.takeFirst();
    bool anyNumber = false;
    bool labelled = true; // every line starts with a word: the words label the rows
    for (const QStringList& cells : lines) {
        anyNumber = anyNumber || std::any_of(cells.begin(), cells.end(), isNumber);
        labelled = labelled && cells.size() > 1 && !cells.first().isEmpty() && !isNumber(cells.first());
    }
    if (!anyNumber) return 0;
    QStringList rowLabels;
    if (labelled) {
        for (QStringList& cells : lines)
            rowLabels.append(cells.takeFirst());
        if (!header.isEmpty()) header.removeFirst();
    }
    qsizetype widest = header.size();
    for (const QStringList& cells : lines)
        widest = std::max(widest, cells.size());
    const int firstRow = m_row;
    const int firstColumn = m_column;
    SetSize(std::max(m_rows, firstRow - 1 + static_cast<int>(lines.size())),
            std::max(m_columns, firstColumn - 1 + static_cast<int>(widest)));
    for (qsizetype c = 0; c < header.size(); ++c)
        setColumnLabel(firstColumn + static_cast<int>(c), header[c]);
    for (qsizetype r = 0; r < lines.size(); ++r) {
        if (labelled) setRowLabel(firstRow + static_cast<int>(r), rowLabels[r]);
        for (qsizetype c = 0; c < lines[r].size(); ++c) {
            const auto v = parseCellText(lines[r][c]);
            SetData(firstRow + static_cast<int>(r), firstColumn + static_cast<int>(c), v.value_or(0.0), !v);
        }
    }
    return static_cast<int>(lines.size());
}

} // namespace brelt::chart
