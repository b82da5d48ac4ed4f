// An axis in the chart's settings: every key is "Plot_" + the axis name ("XAxis", "YAxis") +
// a suffix, read back into the property it is named after. The ends are written unset so that a
// restored chart takes both from its data. The grid colour has a key of its own beside the grid
// switch, so that it survives a save and a load.
#include "chart/view/axis.h"

#include "chart/view/settings_store.h"

#include <algorithm>

namespace brelt::chart {

namespace {
constexpr int kMaxTickLength = 100;
} // namespace

void TAxis::SaveSettings(SettingsStore& store, const QString& section) const {
    const QString p = QStringLiteral("Plot_") + keyName();
    store.writeString(section, p + QStringLiteral("_Name"), m_name);
    store.writeDouble(section, p + QStringLiteral("_Minimum"), kAxisUnset);
    store.writeDouble(section, p + QStringLiteral("_Maximum"), kAxisUnset);
    store.writeInt(section, p + QStringLiteral("_Color"), m_color);
    store.writeBool(section, p + QStringLiteral("_Visible"), m_visible);
    store.writeBool(section, p + QStringLiteral("_AutoMin"), m_autoMin);
    store.writeBool(section, p + QStringLiteral("_AutoMax"), m_autoMax);
    store.writeBool(section, p + QStringLiteral("_Log"), m_log);
    store.writeBool(section, p + QStringLiteral("_Invert"), m_invert);
    store.writeBool(section, p + QStringLiteral("_Grid"), m_grid);
    store.writeInt(section, p + QStringLiteral("_GridColor"), m_gridColor);
    saveFont(store, section, p + QStringLiteral("_Label_"), m_font);
    saveFont(store, section, p + QStringLiteral("_Name_"), m_nameFont);
    store.writeInt(section, p + QStringLiteral("_Ticks_Direction"), static_cast<int>(m_ticks.Direction));
    store.writeInt(section, p + QStringLiteral("_Ticks_MajorLength"), m_ticks.MajorLength);
    store.writeInt(section, p + QStringLiteral("_Ticks_MinorLength"), m_ticks.MinorLength);
    store.writeBool(section, p + QStringLiteral("_Ticks_MajorVisible"), m_ticks.MajorVisible);
    store.writeBool(section, p + QStringLiteral("_Ticks_MinorVisible"), m_ticks.MinorVisible);
}

void TAxis::LoadSettings(const SettingsStore& store, const QString& section) {
    const QString p = QStringLiteral("Plot_") + keyName();
    SetName(store.readString(section, p + QStringLiteral("_Name"), m_name));
    m_minimum = store.readDouble(section, p + QStringLiteral("_Minimum"), m_minimum);
    m_maximum = store.readDouble(section, p + QStringLiteral("_Maximum"), m_maximum);
    m_color = store.readInt(section, p + QStringLiteral("_Color"), m_color);
    m_visible = store.readBool(section, p + QStringLiteral("_Visible"), m_visible);
    m_autoMin = store.readBool(section, p + QStringLiteral("_AutoMin"), m_autoMin);
    m_autoMax = store.readBool(section, p + QStringLiteral("_AutoMax"), m_autoMax);
    m_log = store.readBool(section, p + QStringLiteral("_Log"), m_log);
    m_invert = store.readBool(section, p + QStringLiteral("_Invert"), m_invert);
    m_grid = store.readBool(section, p + QStringLiteral("_Grid"), m_grid);
    m_gridColor = store.readInt(section, p + QStringLiteral("_GridColor"), m_gridColor);
    loadFont(store, section, p + QStringLiteral("_Label_"), m_font);
    loadFont(store, section, p + QStringLiteral("_Name_"), m_nameFont);
    const int direction =
        store.readInt(section, p + QStringLiteral("_Ticks_Direction"), static_cast<int>(m_ticks.Direction));
    // Only the two known directions; anything else in a hand-edited file keeps the current one.
    if (direction == 0 || direction == 1) m_ticks.Direction = static_cast<TTicksDirection>(direction);
    // Lengths count in scale units; a hand-edited value stays within what a chart can show.
    m_ticks.MajorLength =
        std::clamp(store.readInt(section, p + QStringLiteral("_Ticks_MajorLength"), m_ticks.MajorLength), 0,
                   kMaxTickLength);
    m_ticks.MinorLength =
        std::clamp(store.readInt(section, p + QStringLiteral("_Ticks_MinorLength"), m_ticks.MinorLength), 0,
                   kMaxTickLength);
    m_ticks.MajorVisible =
        store.readBool(section, p + QStringLiteral("_Ticks_MajorVisible"), m_ticks.MajorVisible);
    m_ticks.MinorVisible =
        store.readBool(section, p + QStringLiteral("_Ticks_MinorVisible"), m_ticks.MinorVisible);
}

} // namespace brelt::chart
