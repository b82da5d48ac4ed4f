// The polar and surface windows driven through their buttons and menus: hints and captions, the
// rotation rules, the grid switches, the surface settings and the placement through a settings
// store, saving pictures straight to a file with the clipboard left alone, hiding on close.
#include "chart/view/settings_store.h"
#include "engine/engine.h"
#include "support/fake_ui_services.h"
#include "windows/tfm_polar.h"
#include "windows/tfm_surface.h"
#include "windows/vt_tabulation.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace brelt::windows {
namespace {

QToolButton* button(QWidget& window, const char* name) {
    return window.findChild<QToolButton*>(QString::fromLatin1(name));
}

QAction* item(QWidget& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

struct ControlCase {
    bool surface;
    const char* name;
    const char* text; // a button's hint or a menu item's caption
};

class VtWindowControls : public ::testing::TestWithParam<ControlCase> {};

TEST_P(VtWindowControls, EveryButtonAndItemIsThere) {
    chart::MemorySettingsStore store;
    std::unique_ptr<TVtChartWindow> window;
    if (GetParam().surface)
        window = std::make_unique<TfmSurface>(&store);
    else
        window = std::make_unique<TfmPolar>(&store);
    const QString text = QString::fromUtf8(GetParam().text);
    if (QToolButton* b = button(*window, GetParam().name)) {
        EXPECT_EQ(b->toolTip(), text);
        EXPECT_FALSE(b->icon().isNull());
    } else {
        QAction* a = item(*window, GetParam().name);
        ASSERT_NE(a, nullptr) << GetParam().name;
        EXPECT_EQ(a->text(), text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Polar, VtWindowControls,
    ::testing::Values(
        ControlCase{false, "sbPrint", "Print"}, ControlCase{false, "sbSave", "Save As..."},
        ControlCase{false, "sbLegend", "Show legend"}, ControlCase{false, "sbCopy", "Copy to clipbord"},
        ControlCase{false, "sbPaste", "Paste from clipboard"}, ControlCase{false, "sbEditData", ""},
        ControlCase{false, "sbHorizGrid", "Grid"}, ControlCase{false, "miPrint", "&Print"},
        ControlCase{false, "miPrinterSetup", "Print &Setup"},
        ControlCase{false, "miSaveBitmap", "Save as BMP/PNG..."},
        ControlCase{false, "miSaveVector", "Save as &SVG/PDF..."},
        ControlCase{false, "miPopupSaveBitmap", "&Save as BMP/PNG..."},
        ControlCase{false, "miPopupSaveVector", "Save as &SVG/PDF..."}, ControlCase{false, "miCopy", "&Copy"},
        ControlCase{false, "miPaste", "&Paste"}, ControlCase{false, "miData", "&Data"},
        ControlCase{false, "miGrid", "&Grid"}, ControlCase{false, "miChartProperties", "&Chart Properties"},
        ControlCase{false, "miWisard", "&Wisard"}, ControlCase{false, "miExit", "E&xit"}));

INSTANTIATE_TEST_SUITE_P(Surface, VtWindowControls,
                         ::testing::Values(ControlCase{true, "sbEditData", "Edit data"},
                                           ControlCase{true, "sbHorizGrid", "Horizontal grid"},
                                           ControlCase{true, "sbElevationGrid", "Pedestal Grid"},
                                           ControlCase{true, "sbDn", "Rotate down"},
                                           ControlCase{true, "sbLeft", "Rotate left"},
                                           ControlCase{true, "sbUp", "Rotate up"},
                                           ControlCase{true, "sbRight", "Rotate right"},
                                           ControlCase{true, "miPrinterSetup", "Printer &Setup"},
                                           ControlCase{true, "miSaveBitmap", "Save as &BMP/PNG..."},
                                           ControlCase{true, "miSaveVector", "Save as SVG/PDF..."},
                                           ControlCase{true, "miGrid", "&Horizontal Grid"},
                                           ControlCase{true, "miPedestalGrid", "&Pedestal Grid"},
                                           ControlCase{true, "miRotateLeft", "&Rotate &Left"},
                                           ControlCase{true, "miRotateRight", "Rotate &Right"},
                                           ControlCase{true, "miRotateDown", "Rotate &Down"},
                                           ControlCase{true, "miRotateUp", "&Rotate &Up"},
                                           ControlCase{true, "miChartProperties", "&Chart properties"}));

class SurfaceWindow : public ::testing::Test {
protected:
    chart::MemorySettingsStore store;
    testing::FakeUiServices ui;
    chart::TVtPlot& plot(TfmSurface& w) { return w.Chart().GetPlot(); }
};

TEST_F(SurfaceWindow, RotationButtonsAndTheirWrap) {
    TfmSurface w(&store);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Surface"));
    EXPECT_EQ(w.objectName(), QStringLiteral("fmSurface"));
    w.Chart().SetDrawMode(0);
    button(w, "sbLeft")->click();
    EXPECT_EQ(w.Chart().DrawMode(), 1); // set before every rotation
    EXPECT_EQ(plot(w).Rotation(), 35);
    item(w, "miRotateRight")->trigger();
    button(w, "sbRight")->click();
    EXPECT_EQ(plot(w).Rotation(), 25);
    plot(w).SetElevation(90);
    button(w, "sbDn")->click();
    EXPECT_EQ(plot(w).Elevation(), 0);
    button(w, "sbDn")->click();
    EXPECT_EQ(plot(w).Elevation(), 5);
    plot(w).SetElevation(0);
    button(w, "sbUp")->click();
    EXPECT_EQ(plot(w).Elevation(), 90);
    item(w, "miRotateUp")->trigger();
    EXPECT_EQ(plot(w).Elevation(), 85);
}

TEST_F(SurfaceWindow, GridSwitchesTurnEachAxisOverOnItsOwn) {
    TfmSurface w(&store);
    plot(w).Axis(1).majorGridStyle = chart::VtPenNone;
    button(w, "sbHorizGrid")->click();
    EXPECT_EQ(plot(w).Axis(1).majorGridStyle, chart::VtPenSolid);
    EXPECT_EQ(plot(w).Axis(2).majorGridStyle, chart::VtPenNone);
    button(w, "sbElevationGrid")->click();
    EXPECT_EQ(plot(w).Axis(0).majorGridStyle, chart::VtPenNone);
    EXPECT_EQ(plot(w).Axis(3).majorGridStyle, chart::VtPenNone);
    item(w, "miPedestalGrid")->trigger();
    EXPECT_EQ(plot(w).Axis(0).majorGridStyle, chart::VtPenSolid);
    button(w, "sbLegend")->click();
    EXPECT_TRUE(w.Chart().ShowLegend());
}

TEST_F(SurfaceWindow, SettingsAndPlacementRoundTrip) {
    {
        TfmSurface w(&store);
        EXPECT_EQ(plot(w).WallWidth(), 10);
        EXPECT_EQ(plot(w).SurfaceColor(), 16776960);
        EXPECT_EQ(w.Chart().DrawMode(), 1);
        EXPECT_EQ(w.size(), QSize(640, 480)); // no section yet
    }
    store.writeInt(QStringLiteral("fmSurface"), QStringLiteral("ElevationColor"), 255);
    store.writeInt(QStringLiteral("fmSurface"), QStringLiteral("WallWidth"), 7);
    store.writeInt(QStringLiteral("fmSurface"), QStringLiteral("Left"), 40);
    store.writeInt(QStringLiteral("fmSurface"), QStringLiteral("Top"), 30);
    store.writeInt(QStringLiteral("fmSurface"), QStringLiteral("Width"), 500);
    store.writeInt(QStringLiteral("fmSurface"), QStringLiteral("Height"), 400);
    TfmSurface w(&store);
    EXPECT_EQ(plot(w).SurfaceColor(), chart::clRed);
    EXPECT_EQ(plot(w).WallWidth(), 7);
    EXPECT_EQ(w.pos(), QPoint(40, 30));
    EXPECT_EQ(w.size(), QSize(500, 400));

    int written = 0;
    w.settingsWritten = [&written] { ++written; };
    plot(w).SetWallWidth(12.6);
    plot(w).SetSurfaceColor(chart::rgbColor(1, 2, 3));
    w.show();
    w.close();
    EXPECT_FALSE(w.isVisible()); // hidden, still there
    EXPECT_EQ(written, 1);
    EXPECT_EQ(store.readInt(QStringLiteral("fmSurface"), QStringLiteral("WallWidth"), 0), 13);
    EXPECT_EQ(store.readInt(QStringLiteral("fmSurface"), QStringLiteral("ElevationColor"), 0), 0x030201);
    EXPECT_EQ(store.readInt(QStringLiteral("fmSurface"), QStringLiteral("Width"), 0), 500);
}

TEST_F(SurfaceWindow, PlacementOffEveryScreenComesBack) {
    store.writeInt(QStringLiteral("fmSurface"), QStringLiteral("Left"), 50000);
    store.writeInt(QStringLiteral("fmSurface"), QStringLiteral("Top"), -40000);
    TfmSurface w(&store);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(QRect(w.pos(), w.size())));
}

TEST_F(SurfaceWindow, PicturesGoStraightToTheFileAndTheClipboardStaysAsItWas) {
    QTemporaryDir dir;
    TfmSurface w(&store);
    w.resize(500, 400);
    QApplication::clipboard()->setText(QStringLiteral("the user's copy"));

    ui.fileNames = {QString()}; // cancelled
    item(w, "miPopupSaveBitmap")->trigger();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, QStringLiteral("Save to file as BMP/PNG"));
    EXPECT_EQ(ui.fileRequests[0].filters, QStringLiteral("BMP files (*.BMP);;PNG files (*.PNG)"));
    EXPECT_EQ(ui.fileRequests[0].defaultSuffix, QStringLiteral("BMP"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("the user's copy"));

    ui.fileNames = {dir.filePath(QStringLiteral("peak"))};
    ui.selectedFilters = {QStringLiteral("PNG files (*.PNG)")};
    item(w, "miSaveBitmap")->trigger();
    const QImage png(dir.filePath(QStringLiteral("peak.PNG")), "PNG");
    EXPECT_FALSE(png.isNull());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("the user's copy"));

    ui.fileNames = {dir.filePath(QStringLiteral("peak.pdf"))};
    item(w, "miSaveVector")->trigger();
    EXPECT_EQ(ui.fileRequests.back().title, QStringLiteral("Save to file as SVG/PDF"));
    QFile pdf(dir.filePath(QStringLiteral("peak.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("the user's copy"));

    ui.fileNames = {dir.filePath(QStringLiteral("no/such/folder/x.bmp"))};
    item(w, "miSaveBitmap")->trigger();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(ui.boxes[0].text.startsWith(QStringLiteral("Cannot write ")));
}

TEST(PolarWindow, StartsEmptyWithItsLegendAndShowsTheOutcome) {
    chart::MemorySettingsStore store;
    TfmPolar w(&store);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Polar"));
    EXPECT_EQ(w.objectName(), QStringLiteral("fmPolar"));
    EXPECT_EQ(w.Chart().ColumnCount(), 0);
    EXPECT_EQ(w.Chart().ChartType(), chart::VtChartType::Polar);
    engine::Engine engine;
    PolarRequest request;
    request.formula = "1+cos(X)";
    EXPECT_TRUE(tabulatePolar(w.Chart(), engine, request).drawn());
    EXPECT_EQ(w.Chart().ColumnCount(), 2);
    EXPECT_EQ(w.Chart().RowCount(), 360);
    int shown = 0;
    QObject::connect(&w, &TVtChartWindow::shown, [&shown] { ++shown; });
    w.show();
    EXPECT_EQ(shown, 1);
    TabulationOutcome outcome;
    outcome.points = 360;
    outcome.failed = 2;
    outcome.firstFailure = QStringLiteral("Overflow");
    w.showOutcome(outcome);
    EXPECT_EQ(w.statusText(),
              QStringLiteral("2 of 360 points could not be calculated (Overflow) and are left as gaps"));
    item(w, "miExit")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(store.readInt(QStringLiteral("fmPolar"), QStringLiteral("Height"), 0), w.height());
}

} // namespace
} // namespace brelt::windows
