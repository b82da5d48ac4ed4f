#include "workspace/profile_file.h"

#include "workspace/atomic_file.h"

#include <QHash>
#include <QSet>

namespace brelt::workspace {

namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString oneLine(QString value) {
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

bool ProfileFile::load() {
    QString text;
    if (!readTextFile(m_path, text)) {
        parse(QString());
        return false;
    }
    parse(text);
    return true;
}

bool ProfileFile::save() const {
    return writeTextFileAtomically(m_path, toText());
}

void ProfileFile::parse(const QString& text) {
    m_preamble.clear();
    m_sections.clear();
    // Names seen so far, case folded, so that reading stays linear in the file's size however many
    // sections and keys a (damaged) file holds.
    QHash<QString, int> sectionIndex;
    std::vector<QSet<QString>> sectionKeys;
    int current = -1;
    for (const QString& rawLine : splitLines(text)) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) && line.size() >= 2) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            // A section named twice continues the first one, as a profile reader finds the first.
            const QString folded = name.toCaseFolded();
            const auto found = sectionIndex.constFind(folded);
            if (found != sectionIndex.constEnd()) {
                current = found.value();
            } else {
                current = static_cast<int>(m_sections.size());
                sectionIndex.insert(folded, current);
                m_sections.push_back({name, {}});
                sectionKeys.emplace_back();
            }
            continue;
        }
        if (current < 0) {
            m_preamble.push_back(rawLine);
            continue;
        }
        Section& section = m_sections[static_cast<std::size_t>(current)];
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.startsWith(QLatin1Char(';'))) {
            if (!line.isEmpty()) section.lines.push_back({QString(), QString(), rawLine});
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        // The first occurrence of a key wins, later ones are dropped.
        QSet<QString>& keys = sectionKeys[static_cast<std::size_t>(current)];
        const qsizetype before = keys.size();
        keys.insert(key.toCaseFolded());
        if (keys.size() != before) section.lines.push_back({key, value, QString()});
    }
}

QString ProfileFile::toText() const {
    QStringList out;
    for (const QString& line : m_preamble)
        out << line;
    for (const Section& section : m_sections) {
        out << QLatin1Char('[') + section.name + QLatin1Char(']');
        for (const Line& line : section.lines)
            out << (line.key.isEmpty() ? line.raw : line.key + QLatin1Char('=') + line.value);
        out << QString(); // a blank line between sections, as profile files usually have
    }
    return joinCrLf(out);
}

const ProfileFile::Section* ProfileFile::findSection(const QString& name) const {
    for (const Section& section : m_sections)
        if (sameName(section.name, name)) return &section;
    return nullptr;
}

ProfileFile::Section* ProfileFile::findSection(const QString& name) {
    for (Section& section : m_sections)
        if (sameName(section.name, name)) return &section;
    return nullptr;
}

const ProfileFile::Line* ProfileFile::findLine(const QString& section, const QString& key) const {
    const Section* found = findSection(section);
    if (!found) return nullptr;
    for (const Line& line : found->lines)
        if (!line.key.isEmpty() && sameName(line.key, key)) return &line;
    return nullptr;
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& fallback) const {
    const Line* line = findLine(section, key);
    return line ? line->value : fallback;
}

int ProfileFile::readInt(const QString& section, const QString& key, int fallback) const {
    const Line* line = findLine(section, key);
    if (!line) return fallback;
    bool ok = false;
    const int value = line->value.toInt(&ok, 10);
    return ok ? value : fallback;
}

bool ProfileFile::readBool(const QString& section, const QString& key, bool fallback) const {
    return readInt(section, key, fallback ? 1 : 0) != 0;
}

bool ProfileFile::hasKey(const QString& section, const QString& key) const {
    return findLine(section, key) != nullptr;
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section* found = findSection(section);
    if (!found) {
        m_sections.push_back({section, {}});
        found = &m_sections.back();
    }
    for (Line& line : found->lines)
        if (!line.key.isEmpty() && sameName(line.key, key)) {
            line.value = oneLine(value).trimmed();
            return;
        }
    found->lines.push_back({key, oneLine(value).trimmed(), QString()});
}

void ProfileFile::writeInt(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::removeKey(const QString& section, const QString& key) {
    Section* found = findSection(section);
    if (!found) return;
    std::erase_if(found->lines,
                  [&](const Line& line) { return !line.key.isEmpty() && sameName(line.key, key); });
}

void ProfileFile::removeSection(const QString& section) {
    std::erase_if(m_sections, [&](const Section& s) { return sameName(s.name, section); });
}

QStringList ProfileFile::sections() const {
    QStringList names;
    for (const Section& section : m_sections)
        names << section.name;
    return names;
}

QStringList ProfileFile::keys(const QString& section) const {
    QStringList names;
    if (const Section* found = findSection(section))
        for (const Line& line : found->lines)
            if (!line.key.isEmpty()) names << line.key;
    return names;
}

} // namespace brelt::workspace
