#pragma once
// TChartFont: a font description as the chart keeps and stores it: name, size in points, colour,
// character set and a style set. Fonts become QFonts only at the painting edge, so one description
// draws the same on screen, printer, SVG and PDF. In the settings a font lives under a key prefix
// P as P + "Font_Name", "Font_Size", "Font_Color", "Font_CharSet" and "Font_Style".
#include "chart/data/color.h"

#include <QFont>
#include <QString>

namespace brelt::chart {

class SettingsStore;

struct TChartFont {
    QString name = QStringLiteral("Arial");
    int size = 8; // points
    TColor color = clBlack;
    int charSet = 1; // the default character set; kept and stored only
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    QFont toQFont() const;
    // The style as the letters "B", "I", "U", "S".
    QString styleLetters() const;
    // Replaces the style by the letters the text contains.
    void setStyleLetters(const QString& letters);

    bool operator==(const TChartFont&) const = default;
};

void saveFont(SettingsStore& store, const QString& section, const QString& prefix, const TChartFont& font);
// Missing keys keep the current values; a style of "T" (the default) leaves the style unchanged.
void loadFont(const SettingsStore& store, const QString& section, const QString& prefix, TChartFont& font);

} // namespace brelt::chart
