#pragma once
// The text the export dialog shows in its preview and copies out: optionally the series name and
// the chart title, a header of axis names, one line per point with the two coordinates in the
// chosen column order joined by the delimiter, optionally the chart foot. The same text, series
// after series, is the command line's --table.
#include "chart/data/graph_data.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace brelt::chart {

// The delimiters by their place in the dialog's radio group.
enum class ExportDelimiter { Space, Comma, Tab, Slash, User };

// Blank, comma, tab, slash, or the user's own character.
QChar delimiterChar(ExportDelimiter delimiter, QChar user);
// The user delimiter is the first character typed; none for an empty field (the dialog then falls
// back to Tab).
std::optional<QChar> userDelimiterFrom(const QString& typed);
// The command line's names: tab, comma, space, slash, or a single character.
std::optional<QChar> delimiterFromWord(const QString& word);

inline const QString kExportColumnMessage =
    QStringLiteral("X Column, Y Column must be in range[1..2] and X Colunm not equal Y Column");

// What is exported of one series and its chart.
struct ExportSource {
    QString seriesName;
    QStringList title; // the chart title's lines
    QStringList foot;
    QString xName;
    QString yName;
    std::vector<WorldPoint> points;
};

struct ExportOptions {
    bool name = false;
    bool title = false;
    bool xAxis = true;
    bool yAxis = true;
    bool foot = false;
    QString xColumn = QStringLiteral("1");
    QString yColumn = QStringLiteral("2");
    QChar delimiter = QLatin1Char('\t');
};

struct ExportLines {
    QStringList lines;
    // Both axis boxes on with a column pair other than 1/2 or 2/1: the lines stop after the title
    // and the dialog shows kExportColumnMessage.
    bool columnError = false;
};

ExportLines buildExportLines(const ExportSource& source, const ExportOptions& options);

// The command line's table: for each series its name, the header (an empty axis name reads "X" or
// "Y"), its points, and one empty line between series.
QStringList seriesTableLines(const std::vector<ExportSource>& series, QChar delimiter);

// A coordinate as the export writes it: the general form with up to 15 significant digits.
QString exportNumber(double value);

} // namespace brelt::chart
