#pragma once
// The profile file "Brelt.INI": sections in brackets, one "key=value" per line, CR LF line ends.
// Section and key names are compared without regard to case. The whole file is held in memory, so
// sections this program does not know (another window's, a newer version's) and comment lines
// survive a write of any section. Values are kept on one line: a line break in a value becomes a
// space, since it would otherwise open a new key on the next read.
#include <QString>
#include <QStringList>

#include <vector>

namespace brelt::workspace {

class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(QString path) : m_path(std::move(path)) {}

    // Reads the file; false when it does not exist or cannot be read (the contents are then empty).
    bool load();
    // Writes the whole file atomically; false on failure (the previous file stays intact).
    bool save() const;
    // Parses profile text as a file would hold it (replaces the contents).
    void parse(const QString& text);
    QString toText() const;

    const QString& path() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& fallback = {}) const;
    // A missing key or one that is not a decimal integer yields `fallback`.
    int readInt(const QString& section, const QString& key, int fallback) const;
    // An integer, non-zero meaning true.
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    bool hasKey(const QString& section, const QString& key) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInt(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    void removeKey(const QString& section, const QString& key);
    void removeSection(const QString& section);

    QStringList sections() const;
    QStringList keys(const QString& section) const;

private:
    struct Line {
        QString key; // empty for a comment or a line that is no "key=value"
        QString value;
        QString raw; // the text of a comment line, written back as it was
    };
    struct Section {
        QString name;
        std::vector<Line> lines;
    };

    const Section* findSection(const QString& name) const;
    Section* findSection(const QString& name);
    const Line* findLine(const QString& section, const QString& key) const;

    QString m_path;
    std::vector<QString> m_preamble; // lines before the first section
    std::vector<Section> m_sections;
};

} // namespace brelt::workspace
