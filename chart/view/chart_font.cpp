#include "chart/view/chart_font.h"

#include "chart/view/settings_store.h"

namespace brelt::chart {

QFont TChartFont::toQFont() const {
    QFont font(name);
    font.setPointSizeF(size > 0 ? size : 1);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

QString TChartFont::styleLetters() const {
    QString letters;
    if (bold) letters += QLatin1Char('B');
    if (italic) letters += QLatin1Char('I');
    if (underline) letters += QLatin1Char('U');
    if (strikeOut) letters += QLatin1Char('S');
    return letters;
}

void TChartFont::setStyleLetters(const QString& letters) {
    const QString upper = letters.toUpper();
    bold = upper.contains(QLatin1Char('B'));
    italic = upper.contains(QLatin1Char('I'));
    underline = upper.contains(QLatin1Char('U'));
    strikeOut = upper.contains(QLatin1Char('S'));
}

void saveFont(SettingsStore& store, const QString& section, const QString& prefix, const TChartFont& font) {
    store.writeString(section, prefix + QStringLiteral("Font_Name"), font.name);
    store.writeInt(section, prefix + QStringLiteral("Font_Size"), font.size);
    store.writeInt(section, prefix + QStringLiteral("Font_Color"), font.color);
    store.writeInt(section, prefix + QStringLiteral("Font_CharSet"), font.charSet);
    store.writeString(section, prefix + QStringLiteral("Font_Style"), font.styleLetters());
}

void loadFont(const SettingsStore& store, const QString& section, const QString& prefix, TChartFont& font) {
    font.name = store.readString(section, prefix + QStringLiteral("Font_Name"), font.name);
    const int size = store.readInt(section, prefix + QStringLiteral("Font_Size"), font.size);
    if (size > 0 && size <= 500) font.size = size; // a damaged size keeps the readable one
    font.color = store.readInt(section, prefix + QStringLiteral("Font_Color"), font.color);
    font.charSet = store.readInt(section, prefix + QStringLiteral("Font_CharSet"), font.charSet);
    const QString style =
        store.readString(section, prefix + QStringLiteral("Font_Style"), QStringLiteral("T"));
    if (style != QLatin1String("T")) font.setStyleLetters(style);
}

} // namespace brelt::chart
