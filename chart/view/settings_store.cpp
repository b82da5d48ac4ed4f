#include "chart/view/settings_store.h"

#include <cmath>
#include <limits>

namespace brelt::chart {

QString SettingsStore::readString(const QString& section, const QString& key, const QString& fallback) const {
    const auto value = read(section, key);
    return value ? *value : fallback;
}

int SettingsStore::readInt(const QString& section, const QString& key, int fallback) const {
    const auto value = read(section, key);
    if (!value) return fallback;
    bool ok = false;
    const QString text = value->trimmed();
    // Hexadecimal values ("$FF" or "0xFF") are accepted, as hand-edited files often hold them.
    int result = 0;
    if (text.startsWith(QLatin1Char('$')))
        result = static_cast<int>(text.mid(1).toUInt(&ok, 16));
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        result = static_cast<int>(text.mid(2).toUInt(&ok, 16));
    else
        result = text.toInt(&ok);
    return ok ? result : fallback;
}

bool SettingsStore::readBool(const QString& section, const QString& key, bool fallback) const {
    const auto value = read(section, key);
    if (!value) return fallback;
    const QString text = value->trimmed().toLower();
    if (text == QLatin1String("1") || text == QLatin1String("true") || text == QLatin1String("yes"))
        return true;
    if (text == QLatin1String("0") || text == QLatin1String("false") || text == QLatin1String("no"))
        return false;
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? number != 0 : fallback;
}

double SettingsStore::readDouble(const QString& section, const QString& key, double fallback) const {
    const auto value = read(section, key);
    if (!value) return fallback;
    bool ok = false;
    const double result = value->trimmed().toDouble(&ok);
    return ok && std::isfinite(result) ? result : fallback;
}

void SettingsStore::writeInt(const QString& section, const QString& key, int value) {
    write(section, key, QString::number(value));
}

void SettingsStore::writeBool(const QString& section, const QString& key, bool value) {
    write(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::writeDouble(const QString& section, const QString& key, double value) {
    write(section, key, QString::number(value, 'g', std::numeric_limits<double>::max_digits10));
}

QString MemorySettingsStore::fold(const QString& section, const QString& key) {
    return section.toLower() + QLatin1Char('\n') + key.toLower();
}

std::optional<QString> MemorySettingsStore::read(const QString& section, const QString& key) const {
    const auto it = m_values.constFind(fold(section, key));
    if (it == m_values.constEnd()) return std::nullopt;
    return *it;
}

void MemorySettingsStore::write(const QString& section, const QString& key, const QString& value) {
    m_values.insert(fold(section, key), value);
}

} // namespace brelt::chart
