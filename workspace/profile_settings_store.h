#pragma once
// The charts' settings store backed by "Brelt.INI": a chart reads and writes its keys in memory and
// flush() writes the whole file atomically, keeping every other section as it stood on disk.
#include "chart/view/settings_store.h"
#include "workspace/profile_file.h"

namespace brelt::workspace {

class ProfileSettingsStore final : public chart::SettingsStore {
public:
    // Reads `iniPath` now; a missing file is an empty store.
    explicit ProfileSettingsStore(const QString& iniPath);
    // Writes pending changes (a failure is not reported here: call flush() to know).
    ~ProfileSettingsStore() override;

    std::optional<QString> read(const QString& section, const QString& key) const override;
    void write(const QString& section, const QString& key, const QString& value) override;

    // Writes the changes, re-reading the file first so sections written meanwhile by another
    // window survive; false when the file could not be written.
    bool flush();

private:
    ProfileFile m_file;
    ProfileFile m_changes; // only the keys written through this store
    bool m_dirty = false;
};

} // namespace brelt::workspace
