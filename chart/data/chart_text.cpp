#include "chart/data/chart_text.h"

#include <QFile>
#include <QSaveFile>
#include <charconv>
#include <string>

namespace brelt::chart {

QString formatReal(double v) {
    // Shortest text that reads back to the same double, always with an exponent.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    return QString::fromLatin1(buf, static_cast<qsizetype>(res.ptr - buf));
}

std::optional<double> parseReal(QStringView text) {
    std::string s = text.trimmed().toString().toStdString();
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    if (s.empty()) return std::nullopt;
    double v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) {
        // Values beyond the double range are refused rather than clamped silently.
        return std::nullopt;
    }
    return v;
}

void ChartTextWriter::line(const QString& text) {
    m_text += text;
    m_text += QLatin1Char('\n');
}

void ChartTextWriter::fields(const QStringList& values) {
    line(values.join(QLatin1Char(' ')));
}

bool ChartTextWriter::saveToFile(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    file.write(m_text.toUtf8());
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

ChartTextReader::ChartTextReader(const QString& text) {
    m_lines = text.split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty()) m_lines.removeLast();
    for (QString& l : m_lines)
        if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
}

std::optional<ChartTextReader> ChartTextReader::fromFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.errorString();
        return std::nullopt;
    }
    return ChartTextReader(QString::fromUtf8(file.readAll()));
}

QString ChartTextReader::readLine() {
    if (atEnd()) throw ChartReadError{QStringLiteral("unexpected end of file")};
    return m_lines[m_next++];
}

QStringList ChartTextReader::splitFields(const QString& line, int count, bool restIsString) const {
    QStringList out;
    qsizetype pos = 0;
    const qsizetype n = line.size();
    for (int i = 0; i < count; ++i) {
        while (pos < n && line[pos] == QLatin1Char(' '))
            ++pos;
        const qsizetype start = pos;
        while (pos < n && line[pos] != QLatin1Char(' '))
            ++pos;
        if (pos == start) throw ChartReadError{QStringLiteral("line %1 has too few values").arg(lineCount())};
        out.append(line.mid(start, pos - start));
    }
    if (restIsString) {
        if (pos < n && line[pos] == QLatin1Char(' ')) ++pos;
        out.append(line.mid(pos));
    }
    return out;
}

long long ChartTextReader::toInteger(const QString& field) {
    bool ok = false;
    const long long v = field.toLongLong(&ok);
    if (!ok) throw ChartReadError{QStringLiteral("'%1' is not an integer").arg(field)};
    return v;
}

bool ChartTextReader::toBool(const QString& field) {
    return toInteger(field) != 0;
}

double ChartTextReader::toReal(const QString& field) {
    const auto v = parseReal(field);
    if (!v) throw ChartReadError{QStringLiteral("'%1' is not a number").arg(field)};
    return *v;
}

} // namespace brelt::chart
