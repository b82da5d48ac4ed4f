#include "workspace/constants_catalogue.h"

#include "workspace/atomic_file.h"

#include <QProcess>

#include <algorithm>

namespace brelt::workspace {

bool loadCatalogue(const QString& path, QStringList& lines) {
    QString text;
    if (!readTextFile(path, text)) return false;
    lines = parseCatalogue(text);
    return true;
}

QStringList parseCatalogue(const QString& text) {
    QStringList lines;
    for (const QString& line : splitLines(text))
        if (!line.trimmed().isEmpty()) lines << line;
    sortCatalogue(lines);
    return lines;
}

void sortCatalogue(QStringList& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        if (folded != 0) return folded < 0;
        return QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
}

int findConstant(const QStringList& lines, const QString& prefix) {
    if (prefix.isEmpty()) return -1;
    for (int i = 0; i < lines.size(); ++i)
        if (lines.at(i).startsWith(prefix, Qt::CaseInsensitive)) return i;
    return -1;
}

QString constantNotFoundText(const QString& prefix) {
    return QStringLiteral("Constant name begining from <\"") + prefix.toUpper() +
           QStringLiteral("\"> not found");
}

QString constantPasteText(const QString& line) {
    QString text = line;
    text.remove(QLatin1Char(' '));
    text.remove(QLatin1Char('\t'));
    const int equals = text.indexOf(QLatin1Char('='));
    if (equals >= 0) text.remove(0, equals + 1);
    return text;
}

EditorCommand editorCommand(const QString& visual, const QString& editor, const QString& file) {
    for (const QString& setting : {visual, editor}) {
        QStringList words = QProcess::splitCommand(setting);
        if (words.isEmpty()) continue;
        EditorCommand command;
        command.program = words.takeFirst();
        command.arguments = words;
        command.arguments << file;
        return command;
    }
    return {};
}

} // namespace brelt::workspace
