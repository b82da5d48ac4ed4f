#include "chart/view/print_layout.h"

#include "chart/view/settings_store.h"
#include "chart/view/text_metrics.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

const QString kPrint = QStringLiteral("Print");
const QString kLogo = QStringLiteral("LOGO");

// A stored margin: a damaged or negative value keeps the default; absurd sizes are cut to a metre.
int readMargin(const SettingsStore& store, const QString& key, int fallback) {
    const int value = store.readInt(kPrint, key, fallback);
    return value < 0 ? fallback : std::min(value, 1000);
}

} // namespace

PageSettings loadPageSettings(const SettingsStore& store) {
    PageSettings s;
    const double factor = store.readDouble(kPrint, QStringLiteral("Units"), s.unitFactor);
    if (factor > 0) s.unitFactor = factor;
    s.left = readMargin(store, QStringLiteral("Left"), s.left);
    s.right = readMargin(store, QStringLiteral("Right"), s.right);
    s.top = readMargin(store, QStringLiteral("Top"), s.top);
    s.bottom = readMargin(store, QStringLiteral("Bottom"), s.bottom);
    s.borders = store.readBool(kPrint, QStringLiteral("Borders"), s.borders);
    s.owner = store.readBool(kLogo, QStringLiteral("Owner LOGO"), s.owner);
    s.project = store.readBool(kLogo, QStringLiteral("Project LOGO"), s.project);
    s.comment = store.readBool(kLogo, QStringLiteral("Comment LOGO"), s.comment);
    return s;
}

void savePageMargins(SettingsStore& store, const PageSettings& s) {
    store.writeString(kPrint, QStringLiteral("Units"),
                      s.unit() == MarginUnit::TenthsOfInch ? QStringLiteral("2.54") : QStringLiteral("25.4"));
    store.writeInt(kPrint, QStringLiteral("Left"), s.left);
    store.writeInt(kPrint, QStringLiteral("Right"), s.right);
    store.writeInt(kPrint, QStringLiteral("Top"), s.top);
    store.writeInt(kPrint, QStringLiteral("Bottom"), s.bottom);
    store.writeBool(kPrint, QStringLiteral("Borders"), s.borders);
}

void saveLabelChoices(SettingsStore& store, const PageSettings& s) {
    store.writeBool(kLogo, QStringLiteral("Owner LOGO"), s.owner);
    store.writeBool(kLogo, QStringLiteral("Project LOGO"), s.project);
    store.writeBool(kLogo, QStringLiteral("Comment LOGO"), s.comment);
}

int displayFromMm(int mm, MarginUnit unit) {
    return unit == MarginUnit::Millimetres ? mm : roundEven(0.3937 * mm);
}

int mmFromDisplay(int value, MarginUnit unit) {
    return unit == MarginUnit::Millimetres ? value : roundEven(value * 2.54);
}

int convertDisplay(int value, MarginUnit from, MarginUnit to) {
    if (from == to) return value;
    return to == MarginUnit::TenthsOfInch ? roundEven(value * 10 / 25.4) : roundEven(value * 25.4 / 10);
}

QString marginText(int mm, MarginUnit unit) {
    if (unit == MarginUnit::Millimetres) return QStringLiteral("%1 mm").arg(mm);
    return QStringLiteral("%1 in").arg(displayFromMm(mm, unit) / 10.0, 0, 'f', 1);
}

int labelBlockCount(bool owner, bool project, bool comment) {
    return 2 + (owner ? 1 : 0) + (comment ? 1 : 0) - (project ? 0 : 1);
}

PageGeometry pageGeometry(QSize pagePixels, double dpiX, const PageSettings& s) {
    PageGeometry g;
    const double p = dpiX * 0.03937; // pixels per millimetre
    g.pixelsPerMm = p;
    const int width = std::max(0, pagePixels.width()), height = std::max(0, pagePixels.height());
    g.page = QRect(QPoint(0, 0), QPoint(width, height));
    const int left = roundEven(s.left * p), top = roundEven(s.top * p);
    const int right = width - roundEven(s.right * p), bottom = height - roundEven(s.bottom * p);
    g.printable = QRect(QPoint(left, top), QPoint(right, bottom));
    g.rowHeight = roundEven(kLabelRowMm * p);

    g.blocks.push_back(LabelSlot::System);
    if (s.owner) g.blocks.push_back(LabelSlot::Owner);
    if (s.project) g.blocks.push_back(LabelSlot::Project);
    if (s.comment) g.blocks.push_back(LabelSlot::Comment);
    const int n = labelBlockCount(s.owner, s.project, s.comment);
    g.labelRows = n < 3 ? 1 : 2;

    // Row 0 is the lowest; a row of one block spans the width, a row of two is split in halves.
    auto row = [&](int index, int first, int count) {
        const int rowBottom = bottom - index * g.rowHeight;
        const int rowTop = rowBottom - g.rowHeight;
        if (count == 1) {
            g.slotRects[static_cast<size_t>(first)] = QRect(QPoint(left, rowTop), QPoint(right, rowBottom));
            return;
        }
        const int middle = left + (right - left) / 2;
        g.slotRects[static_cast<size_t>(first)] = QRect(QPoint(left, rowTop), QPoint(middle, rowBottom));
        g.slotRects[static_cast<size_t>(first + 1)] = QRect(QPoint(middle, rowTop), QPoint(right, rowBottom));
    };
    g.slotRects.resize(g.blocks.size());
    const int count = static_cast<int>(g.blocks.size());
    row(0, 0, std::min(count, 2));
    if (count > 2) row(1, 2, count - 2);

    const int chartBottom = bottom - g.labelRows * g.rowHeight;
    g.chart = QRect(QPoint(left, top), QPoint(right, chartBottom));
    const int least = roundEven(kMinChartMm * p);
    g.fits = right - left >= least && chartBottom - top >= least;
    return g;
}

} // namespace brelt::chart
