#include "windows/tfm_polar.h"

namespace brelt::windows {

TfmPolar::TfmPolar(chart::SettingsStore* settings, QWidget* parent) : TVtChartWindow(settings, parent) {
    setObjectName(QStringLiteral("fmPolar"));
    setWindowTitle(QStringLiteral("Polar"));
    resize(640, 507);
    buildCommon({QStringLiteral("Print &Setup"), QStringLiteral("Save as BMP/PNG..."),
                 QStringLiteral("Save as &SVG/PDF..."), QStringLiteral("&Grid"), QStringLiteral("Grid"),
                 QString(), QStringLiteral("&Chart Properties")});
    chart::TVtChart& chart = Chart();
    chart.SetChartType(chart::VtChartType::Polar);
    chart.SetShowLegend(true);
    chart.SetColumnCount(0);
    loadPlacement();
}

} // namespace brelt::windows
