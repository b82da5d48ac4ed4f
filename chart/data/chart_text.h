#pragma once
// The chart text file: lines of numbers separated by single blanks, booleans as 0 or 1, reals in
// shortest round-trip scientific notation, strings to the end of the line. ChartTextReader counts
// the lines it has handed out, for the loader's messages.
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace brelt::chart {

QString formatReal(double v);
std::optional<double> parseReal(QStringView text);

class ChartTextWriter {
public:
    void line(const QString& text);
    // Fields joined by single blanks.
    void fields(const QStringList& values);
    static QString integer(long long v) { return QString::number(v); }
    static QString boolean(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }
    static QString real(double v) { return formatReal(v); }

    const QString& text() const { return m_text; }
    // Writes atomically: a temporary file beside the target, then a rename.
    bool saveToFile(const QString& path, QString* error = nullptr) const;

private:
    QString m_text;
};

// Thrown only inside the chart-file reader and caught by the loader at each block, so that a bad
// number stops one block and loading goes on with the next layer.
struct ChartReadError {
    QString what;
    QString className = {}; // the block being read, filled in by the layer that catches it first
};

class ChartTextReader {
public:
    explicit ChartTextReader(const QString& text);
    static std::optional<ChartTextReader> fromFile(const QString& path, QString* error = nullptr);

    bool atEnd() const { return m_next >= m_lines.size(); }
    // The next line without its line end; throws ChartReadError at the end of the file.
    QString readLine();
    // Lines handed out so far (the number of the line last read, counted from 1).
    int lineCount() const { return static_cast<int>(m_next); }

    // Split a line into fields. The first `count` fields are numbers; with restIsString the
    // remainder of the line after them (possibly empty) is returned as the last element.
    QStringList splitFields(const QString& line, int count, bool restIsString) const;
    static long long toInteger(const QString& field);
    static bool toBool(const QString& field);
    static double toReal(const QString& field);

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};

} // namespace brelt::chart
