#include "windows/tfm_surface.h"

#include "chart/view/settings_store.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <cmath>

namespace brelt::windows {

namespace {

const QString kElevationColor = QStringLiteral("ElevationColor");
const QString kWallWidth = QStringLiteral("WallWidth");

} // namespace

TfmSurface::TfmSurface(chart::SettingsStore* settings, QWidget* parent) : TVtChartWindow(settings, parent) {
    setObjectName(QStringLiteral("fmSurface"));
    setWindowTitle(QStringLiteral("Surface"));
    resize(592, 609);
    buildCommon({QStringLiteral("Printer &Setup"), QStringLiteral("Save as &BMP/PNG..."),
                 QStringLiteral("Save as SVG/PDF..."), QStringLiteral("&Horizontal Grid"),
                 QStringLiteral("Horizontal grid"), QStringLiteral("Edit data"),
                 QStringLiteral("&Chart properties")});
    addSpeedButton("sbElevationGrid", "grid_pedestal", QStringLiteral("Pedestal Grid"),
                   [this] { sbElevationGridClick(); });
    toolBar()->addSeparator();
    addSpeedButton("sbDn", "rotate_down", QStringLiteral("Rotate down"), [this] { sbDnClick(); });
    addSpeedButton("sbLeft", "rotate_left", QStringLiteral("Rotate left"), [this] { sbLeftClick(); });
    addSpeedButton("sbUp", "rotate_up", QStringLiteral("Rotate up"), [this] { sbUpClick(); });
    addSpeedButton("sbRight", "rotate_right", QStringLiteral("Rotate right"), [this] { sbRightClick(); });

    auto* pedestal = new QAction(QStringLiteral("&Pedestal Grid"), this);
    pedestal->setObjectName(QStringLiteral("miPedestalGrid"));
    connect(pedestal, &QAction::triggered, this, [this] { sbElevationGridClick(); });
    chartMenu()->insertAction(findChild<QAction*>(QStringLiteral("miLegend")), pedestal);
    QMenu* rotate = menuBar()->addMenu(QStringLiteral("&Rotate"));
    rotate->setObjectName(QStringLiteral("miRotate"));
    addMenuItem(rotate, "miRotateLeft", QStringLiteral("&Rotate &Left"), [this] { sbLeftClick(); });
    addMenuItem(rotate, "miRotateRight", QStringLiteral("Rotate &Right"), [this] { sbRightClick(); });
    addMenuItem(rotate, "miRotateDown", QStringLiteral("Rotate &Down"), [this] { sbDnClick(); });
    addMenuItem(rotate, "miRotateUp", QStringLiteral("&Rotate &Up"), [this] { sbUpClick(); });

    chart::TVtChart& chart = Chart();
    chart.SetChartType(chart::VtChartType::Surface3d);
    chart.SetDrawMode(1);
    chart::TVtPlot& plot = chart.GetPlot();
    plot.SetWallWidth(kDefaultWallWidth);
    if (chart::SettingsStore* store = this->settings()) {
        const QString section = objectName();
        plot.SetWallWidth(store->readInt(section, kWallWidth, kDefaultWallWidth));
        // Only the colour's three components count; anything above them is not a colour.
        plot.SetSurfaceColor(store->readInt(section, kElevationColor, kDefaultElevationColor) & 0xFFFFFF);
    }
    chart.Refresh();
    loadPlacement();
}

void TfmSurface::writeOwnSettings(chart::SettingsStore& store) {
    const chart::TVtPlot& plot = Chart().GetPlot();
    store.writeInt(objectName(), kElevationColor, plot.SurfaceColor() & 0xFFFFFF);
    store.writeInt(objectName(), kWallWidth, static_cast<int>(std::lround(plot.WallWidth())));
}

void TfmSurface::sbElevationGridClick() {
    switchGrids(0, 3);
}

void TfmSurface::turn(double rotationStep, double elevationStep) {
    chart::TVtChart& chart = Chart();
    chart.SetDrawMode(1);
    chart::TVtPlot& plot = chart.GetPlot();
    plot.SetRotation(plot.Rotation() + rotationStep);
    double elevation = plot.Elevation() + elevationStep;
    if (elevation > 90) elevation = 0;
    if (elevation < 0) elevation = 90;
    plot.SetElevation(elevation);
    chart.Refresh();
}

void TfmSurface::sbLeftClick() {
    turn(kRotationStep, 0);
}

void TfmSurface::sbRightClick() {
    turn(-kRotationStep, 0);
}

void TfmSurface::sbDnClick() {
    turn(0, kRotationStep);
}

void TfmSurface::sbUpClick() {
    turn(0, -kRotationStep);
}

} // namespace brelt::windows
