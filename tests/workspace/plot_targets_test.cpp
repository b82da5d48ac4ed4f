// OK on the Graphics tab reaching the program's real plot windows: the contour window in line and
// shade mode, the surface and the polar window, and "Show plots" offering them.
#include "chart/contour/contour.h"
#include "chart/view/settings_store.h"
#include "engine/engine.h"
#include "support/fake_ui_services.h"
#include "tests/workspace/graphics_tab_fixture.h"
#include "windows/contour_plot.h"
#include "windows/plot2d.h"
#include "windows/tfm_polar.h"
#include "windows/tfm_surface.h"
#include "workspace/engine_calc.h"
#include "workspace/graphics_page.h"
#include "workspace/plot_targets.h"
#include "workspace/rescu.h"

#include <QButtonGroup>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace brelt;

namespace {

class PlotTargetsTest : public GraphicsTabFixture {
protected:
    void SetUp() override {
        GraphicsTabFixture::SetUp();
        auto opener = [this] { return store; };
        plot2D = std::make_unique<windows::TfmPlot2D>(opener);
        contour = std::make_unique<windows::TfmContourPlot>(opener);
        polar = std::make_unique<windows::TfmPolar>(store.get());
        surface = std::make_unique<windows::TfmSurface>(store.get());
        openGraphicsTab(workspace::plotTargetsFor(plot2D.get(), contour.get(), surface.get(), polar.get()));
    }

    bool offered(const char* item) {
        return page().showPlotsMenu()->findChild<QAction*>(QLatin1String(item))->isEnabled();
    }

    std::unique_ptr<windows::TfmPlot2D> plot2D;
    std::unique_ptr<windows::TfmContourPlot> contour;
    std::unique_ptr<windows::TfmPolar> polar;
    std::unique_ptr<windows::TfmSurface> surface;
};

TEST_F(PlotTargetsTest, ContourAndShadeReachTheContourWindow) {
    choose(1);
    set("edStepsX", QStringLiteral("11"));
    set("edStepsY", QStringLiteral("11"));
    set("edNumCont", QStringLiteral("abc"));
    plot(QStringLiteral("X^2 - Y^2"));
    EXPECT_TRUE(ui.boxes.empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
    ASSERT_NE(contour->Contour(), nullptr);
    EXPECT_TRUE(contour->isVisible());
    EXPECT_FALSE(contour->shadeMode());
    EXPECT_EQ(contour->Contour()->LevelCount(), 10); // no number in the contour count
    EXPECT_EQ(contour->Contour()->Name(), QStringLiteral("X^2 - Y^2"));
    EXPECT_EQ(contour->Chart().Title().Text(), QStringLiteral("f(X^2 - Y^2)#"));
    EXPECT_TRUE(offered("miPlotfxy"));
    EXPECT_FALSE(offered("mi3DPlotfXY"));

    choose(2);
    plot(QStringLiteral("X*Y"));
    EXPECT_TRUE(contour->shadeMode());
    EXPECT_EQ(contour->windowTitle(), QStringLiteral("Color Shade f(x,y)"));
    EXPECT_EQ(contour->Chart().graph().LayerCount(), 1); // the contour map was replaced
}

TEST_F(PlotTargetsTest, SurfaceAndPolarReachTheirWindows) {
    choose(3);
    set("edStepsX", QStringLiteral("3"));
    set("edStepsY", QStringLiteral("2"));
    plot(QStringLiteral("X + 10*Y"));
    chart::TVtChart& s = surface->Chart();
    EXPECT_TRUE(surface->isVisible());
    EXPECT_EQ(s.RowCount(), 3);
    EXPECT_EQ(s.ColumnCount(), 2);
    EXPECT_EQ(s.DataGrid().value(2, 2), 100.0); // X = 0, Y = 10
    EXPECT_EQ(s.DataGrid().rowLabel(3), QStringLiteral("1.0E+1"));
    EXPECT_EQ(s.TitleText(), QStringLiteral("f(X + 10*Y)"));
    EXPECT_TRUE(offered("mi3DPlotfXY"));
    // A grid the control could not hold is refused before anything is computed.
    set("edStepsX", QStringLiteral("2000"));
    set("edStepsY", QStringLiteral("1000"));
    plot(QStringLiteral("X"));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral(
                              "A surface may have at most 1000000 points (X steps times Y steps)")});
    EXPECT_EQ(s.RowCount(), 3);
    ui.boxes.clear();

    choose(4);
    set("edFromX", QStringLiteral("0"));
    set("edToX", QStringLiteral("180"));
    set("edStepsX", QStringLiteral("3"));
    engine.AngleUnit = 1; // degrees on the calculator: the curve still reads X in radians
    plot(QStringLiteral("1 + cos(X)"));
    set("edStepsX", QStringLiteral("5"));
    plot(QStringLiteral("2"));
    chart::TVtChart& p = polar->Chart();
    EXPECT_TRUE(polar->isVisible());
    EXPECT_EQ(p.ColumnCount(), 4); // two curves, two columns each
    EXPECT_EQ(p.RowCount(), 5);
    EXPECT_EQ(p.DataGrid().value(2, 1), 90.0);
    EXPECT_NEAR(*p.DataGrid().value(3, 2), 0.0, 1e-15);
    EXPECT_EQ(p.DataGrid().columnLabel(3), QStringLiteral("f(2)"));
    EXPECT_EQ(engine.AngleUnit, 1);
    EXPECT_TRUE(ui.boxes.empty());
}

} // namespace
