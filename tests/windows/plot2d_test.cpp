// The 2D plot window: its buttons and their states, the zoom and 3D switches, the hooks of the
// dialogs built elsewhere, and the placement and chart settings kept across runs.
#include "chart/data/series.h"
#include "chart/view/settings_store.h"
#include "chart/view/zoom.h"
#include "windows/plot2d.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace brelt;
using windows::TfmPlot2D;

namespace {

class Plot2DTest : public ::testing::Test {
protected:
    std::unique_ptr<TfmPlot2D> open() {
        return std::make_unique<TfmPlot2D>([this] { return store; });
    }
    static QToolButton* button(TfmPlot2D& w, const char* name) {
        return w.findChild<QToolButton*>(QLatin1String(name));
    }
    static std::unique_ptr<chart::TSeries> curve(TfmPlot2D& w, const QString& name) {
        auto series = std::make_unique<chart::TSeries>(
            &w.Chart().graph(), name, chart::SeriesStyle::LineAndPoint, w.Chart().FreeColor());
        series->AddPoint(series->GetColor(), QString(), 0, 0);
        series->AddPoint(series->GetColor(), QString(), 1, 1);
        return series;
    }

    std::shared_ptr<chart::MemorySettingsStore> store = std::make_shared<chart::MemorySettingsStore>();
};

TEST_F(Plot2DTest, ButtonsHintsAndTheirFirstState) {
    auto w = open();
    EXPECT_EQ(w->objectName(), QStringLiteral("fmPlot2D"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("2D - Plot"));
    struct Case {
        const char* name;
        const char* hint;
        bool enabled;
    };
    const Case cases[] = {
        {"sbPrint", "Print graphic", true},
        {"sbSaveAs", "Save As...", true},
        {"sbZoomIn", "Zoom in", true},
        {"sbZoomAnime", "Animated zoom", true},
        {"sbZoomPrev", "Zoom previous", false},
        {"sbZoomOut", "Zoom Out", false},
        {"sbProp", "Properties", false},
        {"sbLegend", "Show legend", true},
        {"sbVertGrid", "Vertical grid", true},
        {"sbHorizGrid", "Horizontal grid", true},
        {"sb3D", "3D-view", true},
        {"sbCopyToClipboard", "Copy to clipbord", true},
        {"sbExport", "Export data", false},
        {"sbImport", "Import data", false},
    };
    QStringList order;
    for (QToolButton* b : w->findChildren<QToolButton*>())
        if (b->objectName().startsWith(QLatin1String("sb"))) order << b->objectName();
    QStringList expected;
    for (const Case& c : cases) {
        expected << QLatin1String(c.name);
        QToolButton* b = button(*w, c.name);
        ASSERT_NE(b, nullptr) << c.name;
        EXPECT_EQ(b->toolTip(), QLatin1String(c.hint)) << c.name;
        EXPECT_EQ(b->isEnabled(), c.enabled) << c.name;
        EXPECT_FALSE(b->icon().pixmap(QSize(40, 40)).isNull()) << c.name;
    }
    EXPECT_EQ(order, expected);
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("miShowLegend"))->isChecked());

    // The dialogs built elsewhere enable their commands once connected; import redraws on success.
    int exported = 0;
    windows::PlotWindowHooks hooks;
    hooks.exportData = [&](chart::TPlot&, QWidget*) { ++exported; };
    hooks.importData = [](chart::TPlot&, QWidget*) { return true; };
    hooks.properties = [&](chart::TPlot&, QWidget*) { ++exported; };
    w->setHooks(hooks);
    for (const char* name : {"sbExport", "sbImport", "sbProp"})
        EXPECT_TRUE(button(*w, name)->isEnabled()) << name;
    w->findChild<QAction*>(QStringLiteral("miExport"))->trigger();
    button(*w, "sbProp")->click();
    EXPECT_EQ(exported, 2);
}

TEST_F(Plot2DTest, ZoomButtonsFollowTheZoomStack) {
    auto w = open();
    auto back = [&] {
        return std::pair{button(*w, "sbZoomOut")->isEnabled(), button(*w, "sbZoomPrev")->isEnabled()};
    };
    auto* prevItem = w->findChild<QAction*>(QStringLiteral("miZoomPrev"));
    w->sbZoomInClick();
    EXPECT_EQ(back(), std::pair(true, true));
    EXPECT_TRUE(prevItem->isEnabled());
    w->sbZoomOutClick();
    EXPECT_EQ(back(), std::pair(false, false));
    EXPECT_FALSE(prevItem->isEnabled());
    w->sbZoomAnimeClick(); // nothing zoomed yet
    EXPECT_EQ(back(), std::pair(false, false));
    w->sbZoomAnimeClick();
    w->sbZoomInClick();
    w->sbZoomPrevClick(); // no earlier step
    EXPECT_EQ(back(), std::pair(false, false));
}

TEST_F(Plot2DTest, The3DSwitchRestoresTheFrameWidth) {
    auto w = open();
    chart::TPlot& c = w->Chart();
    c.Frame().Width = 3;
    w->sb3DClick();
    EXPECT_EQ(c.View3D(), 8);
    EXPECT_EQ(c.Frame().Width, 10);
    EXPECT_FALSE(c.XAxis().Ticks().MinorVisible());
    EXPECT_TRUE(c.XAxis().Ticks().MajorVisible());
    EXPECT_TRUE(button(*w, "sb3D")->isChecked());
    w->sb3DClick();
    EXPECT_EQ(c.View3D(), 0);
    EXPECT_EQ(c.Frame().Width, 3);
    EXPECT_FALSE(button(*w, "sb3D")->isChecked());

    // Opened with a saved 3D view and switched flat at once: nothing was remembered yet.
    store->write(QStringLiteral("fmPlot2DChart"), QStringLiteral("Plot_Saved"), QStringLiteral("Yes"));
    store->write(QStringLiteral("fmPlot2DChart"), QStringLiteral("Plot_View3D"), QStringLiteral("8"));
    auto again = open();
    EXPECT_TRUE(button(*again, "sb3D")->isChecked());
    again->sb3DClick();
    EXPECT_EQ(again->Chart().Frame().Width, 0);
}

TEST_F(Plot2DTest, SwitchesOfLegendAndGrids) {
    auto w = open();
    w->sbLegendClick();
    EXPECT_FALSE(w->Chart().Legend().Visible());
    EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("miShowLegend"))->isChecked());
    button(*w, "sbVertGrid")->click();
    button(*w, "sbHorizGrid")->click();
    EXPECT_TRUE(w->Chart().XAxis().Grid());
    EXPECT_TRUE(w->Chart().YAxis().Grid());
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("miVertGrid"))->isChecked());
}

TEST_F(Plot2DTest, FunctionsAccumulateAndTheWindowTellsItWasShown) {
    auto w = open();
    int shown = 0;
    QObject::connect(w.get(), &windows::TPlotWindow::shown, [&] { ++shown; });
    EXPECT_FALSE(w->wasShown());
    w->addFunction(curve(*w, QStringLiteral("f(X)")), QStringLiteral("Title"), QStringLiteral("X"),
                   QStringLiteral("Y"));
    w->addFunction(curve(*w, QStringLiteral("f(2*X)")), QString(), QStringLiteral("t"), QStringLiteral("v"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->wasShown());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(w->Chart().graph().LayerCount(), 2);
    EXPECT_EQ(w->Chart().Legend().Count(), 2);
    EXPECT_EQ(w->Chart().XAxis().Name(), QStringLiteral("t"));
    EXPECT_NE(w->Chart().graph().Layers(0)->GetColor(), w->Chart().graph().Layers(1)->GetColor());
    w->close();
    EXPECT_FALSE(w->isVisible()); // hidden, the curves kept
    EXPECT_EQ(w->Chart().graph().LayerCount(), 2);
}

TEST_F(Plot2DTest, PlacementAndChartSettingsAreKept) {
    {
        auto w = open();
        EXPECT_EQ(w->size(), QSize(640, 480)); // no saved section
        w->Chart().XAxis().SetGrid(true);
        w->show();
        w->resize(500, 300);
        w->close();
    }
    EXPECT_EQ(store->readInt(QStringLiteral("fmPlot2D"), QStringLiteral("Width"), 0), 500);
    EXPECT_EQ(store->read(QStringLiteral("fmPlot2DChart"), QStringLiteral("Plot_Saved")),
              QStringLiteral("Yes"));
    auto w = open();
    EXPECT_EQ(w->size(), QSize(500, 300));
    EXPECT_TRUE(w->Chart().XAxis().Grid());
    EXPECT_TRUE(button(*w, "sbVertGrid")->isChecked());

    // A position no screen shows comes back onto the primary screen.
    store->writeInt(QStringLiteral("fmPlot2D"), QStringLiteral("Left"), -30000);
    store->writeInt(QStringLiteral("fmPlot2D"), QStringLiteral("Top"), 40000);
    auto lost = open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(QRect(lost->pos(), lost->size())));
}

} // namespace

TEST_F(Plot2DTest, EditMenuUndoFollowsTheChartsSteps) {
    auto w = open();
    auto* undo = w->findChild<QAction*>(QStringLiteral("miUndo"));
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    const QList<QAction*> menus = w->menuBar()->actions();
    ASSERT_GE(menus.size(), 2);
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Edit")) << "after the File menu";
    EXPECT_TRUE(menus[1]->menu()->actions().contains(undo));
    EXPECT_FALSE(undo->isEnabled());

    chart::TGraph& graph = w->Chart().graph();
    chart::TSeries& s = w->addFunction(curve(*w, QStringLiteral("a")), QString(), QString(), QString());
    s.HideSeries();
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_TRUE(s.Visible());
    EXPECT_FALSE(undo->isEnabled());

    // Ctrl+Z in the window, the chart having the focus.
    s.HideSeries();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QWidget* image = w->Chart().findChild<QWidget*>(QStringLiteral("Image"));
    ASSERT_NE(image, nullptr);
    image->setFocus();
    QTest::keyClick(image, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(s.Visible());
    EXPECT_FALSE(graph.Undo());
}
