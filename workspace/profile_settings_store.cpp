#include "workspace/profile_settings_store.h"

namespace brelt::workspace {

ProfileSettingsStore::ProfileSettingsStore(const QString& iniPath) : m_file(iniPath) {
    m_file.load();
}

ProfileSettingsStore::~ProfileSettingsStore() {
    if (m_dirty) flush();
}

std::optional<QString> ProfileSettingsStore::read(const QString& section, const QString& key) const {
    if (!m_file.hasKey(section, key)) return std::nullopt;
    return m_file.readString(section, key);
}

void ProfileSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    m_file.writeString(section, key, value);
    m_changes.writeString(section, key, value);
    m_dirty = true;
}

bool ProfileSettingsStore::flush() {
    ProfileFile current(m_file.path());
    current.load();
    for (const QString& section : m_changes.sections())
        for (const QString& key : m_changes.keys(section))
            current.writeString(section, key, m_changes.readString(section, key));
    if (!current.save()) return false;
    m_file = current;
    m_changes = ProfileFile();
    m_dirty = false;
    return true;
}

} // namespace brelt::workspace
