#include "chart/data/color.h"

#include <QGuiApplication>
#include <QPalette>

namespace brelt::chart {

namespace {

// System colour numbers as the settings files store them, mapped to palette roles.
QColor systemColor(int index) {
    const bool havePalette = QGuiApplication::instance() != nullptr;
    const QPalette palette = havePalette ? QGuiApplication::palette() : QPalette();
    switch (index) {
    case 5: return havePalette ? palette.color(QPalette::Base) : QColor(255, 255, 255);
    case 8: return havePalette ? palette.color(QPalette::Text) : QColor(0, 0, 0);
    case 15: return havePalette ? palette.color(QPalette::Button) : QColor(240, 240, 240);
    case 16: return havePalette ? palette.color(QPalette::Dark) : QColor(160, 160, 160);
    case 18: return havePalette ? palette.color(QPalette::ButtonText) : QColor(0, 0, 0);
    case 20: return havePalette ? palette.color(QPalette::Light) : QColor(255, 255, 255);
    default: return havePalette ? palette.color(QPalette::Window) : QColor(240, 240, 240);
    }
}

} // namespace

QColor toQColor(TColor c) {
    if (c < 0) return systemColor(c & 0xFF);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

TColor fromQColor(const QColor& c) {
    return rgbColor(c.red(), c.green(), c.blue());
}

} // namespace brelt::chart
