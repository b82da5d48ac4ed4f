#pragma once
// SettingsStore: how a chart reads and writes its settings by section and key. The program's
// settings file belongs to the workspace, which supplies a file-backed store; tests and the
// command line use MemorySettingsStore. Section and key names compare without regard to case.
// Colours are stored as 0x00BBGGRR integers, Booleans as "1" and "0", reals as decimal text.
#include <QMap>
#include <QString>

#include <optional>

namespace brelt::chart {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nothing when the key is missing.
    virtual std::optional<QString> read(const QString& section, const QString& key) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;

    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // A missing key or a value that is not an integer gives the fallback.
    int readInt(const QString& section, const QString& key, int fallback) const;
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    double readDouble(const QString& section, const QString& key, double fallback) const;

    void writeString(const QString& section, const QString& key, const QString& value) {
        write(section, key, value);
    }
    void writeInt(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    void writeDouble(const QString& section, const QString& key, double value);
};

// Keeps everything in memory; keys are folded to lower case on the way in.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<QString> read(const QString& section, const QString& key) const override;
    void write(const QString& section, const QString& key, const QString& value) override;

    int size() const { return static_cast<int>(m_values.size()); }
    void clear() { m_values.clear(); }

private:
    static QString fold(const QString& section, const QString& key);
    QMap<QString, QString> m_values;
};

} // namespace brelt::chart
