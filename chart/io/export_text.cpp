#include "chart/io/export_text.h"

#include "chart/io/number_text.h"

namespace brelt::chart {

QChar delimiterChar(ExportDelimiter delimiter, QChar user) {
    switch (delimiter) {
    case ExportDelimiter::Space: return QLatin1Char(' ');
    case ExportDelimiter::Comma: return QLatin1Char(',');
    case ExportDelimiter::Tab: return QLatin1Char('\t');
    case ExportDelimiter::Slash: return QLatin1Char('/');
    case ExportDelimiter::User: return user;
    }
    return QLatin1Char('\t');
}

std::optional<QChar> userDelimiterFrom(const QString& typed) {
    if (typed.isEmpty()) return std::nullopt;
    return typed.front();
}

std::optional<QChar> delimiterFromWord(const QString& word) {
    if (word == QLatin1String("tab")) return QLatin1Char('\t');
    if (word == QLatin1String("comma")) return QLatin1Char(',');
    if (word == QLatin1String("space")) return QLatin1Char(' ');
    if (word == QLatin1String("slash")) return QLatin1Char('/');
    if (word.size() == 1 && word != QLatin1String("\r") && word != QLatin1String("\n")) return word.front();
    return std::nullopt;
}

QString exportNumber(double value) {
    return generalText(value, 15);
}

ExportLines buildExportLines(const ExportSource& source, const ExportOptions& options) {
    ExportLines out;
    if (options.name) out.lines << source.seriesName;
    if (options.title) out.lines << source.title;
    const QString xCol = options.xColumn.trimmed(), yCol = options.yColumn.trimmed();
    const bool xFirst = xCol == QLatin1String("1") && yCol == QLatin1String("2");
    const bool yFirst = xCol == QLatin1String("2") && yCol == QLatin1String("1");
    const QString d(options.delimiter);
    if (options.xAxis && options.yAxis) {
        if (!xFirst && !yFirst) {
            out.columnError = true;
            return out;
        }
        out.lines << (xFirst ? source.xName + d + source.yName : source.yName + d + source.xName);
    } else if (options.xAxis) {
        out.lines << source.xName;
    } else if (options.yAxis) {
        out.lines << source.yName;
    }
    if (xFirst || yFirst) {
        for (const WorldPoint& p : source.points) {
            const QString x = exportNumber(p.X), y = exportNumber(p.Y);
            out.lines << (xFirst ? x + d + y : y + d + x);
        }
    }
    if (options.foot) out.lines << source.foot;
    return out;
}

QStringList seriesTableLines(const std::vector<ExportSource>& series, QChar delimiter) {
    QStringList lines;
    ExportOptions options;
    options.name = true;
    options.delimiter = delimiter;
    for (size_t i = 0; i < series.size(); ++i) {
        ExportSource s = series[i];
        if (s.xName.isEmpty()) s.xName = QStringLiteral("X");
        if (s.yName.isEmpty()) s.yName = QStringLiteral("Y");
        if (i > 0) lines << QString();
        lines << buildExportLines(s, options).lines;
    }
    return lines;
}

} // namespace brelt::chart
