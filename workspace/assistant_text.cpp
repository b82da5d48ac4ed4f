#include "workspace/assistant_text.h"

#include <pwd.h>
#include <unistd.h>

namespace brelt::workspace {

namespace {

bool isNameChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || u == '_' || u == 'C' || u == 'I' || u == 'J' || u == 'K' || u == 'S' ||
           u == 'Y';
}

bool isNameCharForward(QChar c) {
    return isNameChar(c) || c == QLatin1Char('(');
}

} // namespace

QString wordAtCursor(const QString& text, int cursor) {
    const int length = static_cast<int>(text.size());
    const int p = std::clamp(cursor, 0, length);
    // 1-based access, as the positions are counted.
    auto at = [&](int i) { return text.at(i - 1); };
    auto startsWord = [&](int i) { return i >= 1 && i <= length && isNameCharForward(at(i)); };
    int start = 0;
    if (startsWord(p))
        start = p;
    else if (p < length && startsWord(p + 1))
        start = p + 1;
    else if (p + 1 > 2 && startsWord(p - 1))
        start = p - 1;
    if (start == 0) return QString();
    int last = start;
    if (at(start) != QLatin1Char('(') && start != 1)
        while (last < length && isNameCharForward(at(last + 1)))
            ++last;
    int first = start;
    while (first > 1 && isNameChar(at(first - 1)))
        --first;
    return text.mid(first - 1, last - first + 1);
}

int findCatalogueEntry(const QString& word, const std::function<QString(int)>& nameOfRow) {
    if (word.isEmpty()) return -1;
    for (int row = 0; row <= kAssistantLastEntry; ++row) {
        if (row == kAssistantSkippedEntry) continue;
        const QString name = nameOfRow(row);
        if (!name.isEmpty() && word.contains(name)) return row;
    }
    return -1;
}

QString helpWithAngleUnit(QString help, bool degrees) {
    return help.replace(QLatin1String("%A"), degrees ? QLatin1String("degree") : QLatin1String("radian"));
}

QString greetingText(double t, const QString& name) {
    if (t > 0 && t < 0.2) return QStringLiteral("Oh... Good ... night ... ") + name + QLatin1Char('!');
    if (t >= 0.2 && t < 0.5) return QStringLiteral("Good morning ") + name + QLatin1Char('!');
    if (t >= 0.5 && t < 0.75) return QStringLiteral("Good after noon ") + name + QLatin1Char('!');
    if (t >= 0.75 && t < 1) return QStringLiteral("Good evening ") + name + QLatin1Char('!');
    return QStringLiteral("What is the time?");
}

QString userFirstName() {
    if (const passwd* account = getpwuid(getuid())) {
        // The full name is the first comma-separated field of the account's comment.
        const QString full = QString::fromLocal8Bit(account->pw_gecos ? account->pw_gecos : "")
                                 .section(QLatin1Char(','), 0, 0)
                                 .trimmed();
        const QString first = full.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (!first.isEmpty()) return first;
        const QString login = QString::fromLocal8Bit(account->pw_name ? account->pw_name : "");
        if (!login.isEmpty()) return login;
    }
    return QStringLiteral("Sir/Madam");
}

} // namespace brelt::workspace
