#include "workspace/history_file.h"

#include "workspace/atomic_file.h"

namespace brelt::workspace {

namespace {

// Reads one counted block starting at `next`; returns false when the count line is missing or bad.
bool readBlock(const QStringList& lines, qsizetype& next, QStringList& out) {
    if (next >= lines.size()) return false;
    bool ok = false;
    const long long count = lines[next].trimmed().toLongLong(&ok);
    ++next;
    if (!ok || count < 0) return false;
    for (long long i = 0; i < count && next < lines.size(); ++i, ++next)
        out << lines[next].left(kHistoryEntryLimit);
    return true;
}

QString oneLine(QString entry) {
    entry.replace(QLatin1Char('\r'), QLatin1Char(' '));
    entry.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return entry;
}

} // namespace

CalcHistory parseHistory(const QString& text) {
    CalcHistory history;
    const QStringList lines = splitLines(text);
    qsizetype next = 0;
    if (readBlock(lines, next, history.formulas)) readBlock(lines, next, history.results);
    return history;
}

QString historyToText(const CalcHistory& history) {
    QStringList lines;
    lines << QString::number(history.formulas.size());
    for (const QString& entry : history.formulas)
        lines << oneLine(entry);
    lines << QString::number(history.results.size());
    for (const QString& entry : history.results)
        lines << oneLine(entry);
    return joinCrLf(lines);
}

bool readHistoryFile(const QString& path, CalcHistory& history) {
    QString text;
    if (!readTextFile(path, text)) {
        history = {};
        return false;
    }
    history = parseHistory(text);
    return true;
}

bool writeHistoryFile(const QString& path, const CalcHistory& history) {
    return writeTextFileAtomically(path, historyToText(history));
}

} // namespace brelt::workspace
