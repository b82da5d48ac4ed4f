// The contour plot window: its buttons and their states, the editing group, line and shade mode
// (editing controls, the legend switched, grids over the shading), the zoom and 3D switches.
#include "chart/view/color_legend.h"
#include "chart/view/settings_store.h"
#include "windows/contour_plot.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace brelt;
using chart::ContourEditMode;
using windows::TfmContourPlot;

namespace {

class ContourPlotTest : public ::testing::Test {
protected:
    void SetUp() override {
        // z = x^2 - y^2 on 21 x 21 points of [-1, 1]^2.
        const int n = 21;
        x = chart::TVector(n);
        y = chart::TVector(n);
        z = chart::TMatrix(n, n);
        for (int i = 1; i <= n; ++i) {
            x.set(i, -1 + (i - 1) * 0.1);
            y.set(i, -1 + (i - 1) * 0.1);
        }
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                z.set(i, j, x.get(i) * x.get(i) - y.get(j) * y.get(j));
        w = std::make_unique<TfmContourPlot>([this] { return store; });
        w->resize(640, 480);
    }
    chart::TContour& plot(bool shading, int levels = 10) {
        windows::ContourPlotData data;
        data.shading = shading;
        data.levels = levels;
        data.name = QStringLiteral("X^2-Y^2");
        data.title = QStringLiteral("f(X^2-Y^2)");
        data.xName = QStringLiteral("X");
        data.yName = QStringLiteral("Y");
        data.x = &x;
        data.y = &y;
        data.z = &z;
        return w->showContour(data);
    }
    QToolButton* button(const char* name) { return w->findChild<QToolButton*>(QLatin1String(name)); }
    bool onToolbar(const char* name) {
        QToolBar* bar = w->findChild<QToolBar*>(QStringLiteral("ToolBar"));
        for (QAction* a : bar->actions())
            if (bar->widgetForAction(a) == button(name)) return a->isVisible();
        return false;
    }
    QAction* item(const char* name) { return w->findChild<QAction*>(QLatin1String(name)); }
    QMenu* editMenu() { return w->findChild<QMenu*>(QStringLiteral("Edit1")); }

    std::shared_ptr<chart::MemorySettingsStore> store = std::make_shared<chart::MemorySettingsStore>();
    chart::TVector x, y;
    chart::TMatrix z;
    std::unique_ptr<TfmContourPlot> w;
};

const char* const kEditButtons[] = {"sbAddContours", "sbDeleteContours", "sbAddLabels", "sbDeleteLabels",
                                    "sbBreakEdit"};

TEST_F(ContourPlotTest, ButtonsHintsAndTheEditingGroup) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Contour Plot"));
    EXPECT_EQ(w->Chart().Title().Text(), QStringLiteral("fffff#"));
    const char* const hints[] = {"Add contour(s)", "Delete contour(s)", "Add/Move label(s)",
                                 "Delete label(s)", "Break edit"};
    QStringList order;
    for (QToolButton* b : w->findChildren<QToolButton*>())
        if (b->objectName().startsWith(QLatin1String("sb"))) order << b->objectName();
    ASSERT_EQ(order.size(), 19);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(order[14 + i], QLatin1String(kEditButtons[i]));
        EXPECT_EQ(button(kEditButtons[i])->toolTip(), QLatin1String(hints[i]));
        EXPECT_FALSE(button(kEditButtons[i])->icon().pixmap(QSize(40, 40)).isNull());
    }
    EXPECT_TRUE(button("sbBreakEdit")->isChecked());

    chart::TContour& contour = plot(false);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Contour Plot f(x,y)"));
    EXPECT_EQ(contour.Name(), QStringLiteral("X^2-Y^2"));
    EXPECT_EQ(w->Chart().Legend().Count(), 1);
    // Button or menu item: exactly one of the five is down, and the contour takes its mode.
    const std::pair<const char*, ContourEditMode> modes[] = {
        {"sbAddContours", ContourEditMode::AddContour},
        {"sbDeleteContours", ContourEditMode::DeleteContour},
        {"sbAddLabels", ContourEditMode::ShowLabel},
        {"sbDeleteLabels", ContourEditMode::HideLabel},
        {"sbBreakEdit", ContourEditMode::None}};
    for (const auto& [name, mode] : modes) {
        button(name)->click();
        EXPECT_EQ(contour.EditMode(), mode) << name;
        int down = 0;
        for (const char* b : kEditButtons)
            down += button(b)->isChecked() ? 1 : 0;
        EXPECT_EQ(down, 1) << name;
    }
    item("Labeloff1")->trigger();
    EXPECT_EQ(contour.EditMode(), ContourEditMode::HideLabel);
    EXPECT_TRUE(button("sbDeleteLabels")->isChecked());
}

TEST_F(ContourPlotTest, ShadeModeHidesEditingAndSwitchesTheColourLegend) {
    chart::TGraph& graph = w->Chart().graph();
    button("sbAddContours")->click();
    plot(true);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Color Shade f(x,y)"));
    EXPECT_TRUE(w->shadeMode());
    for (const char* name : kEditButtons)
        EXPECT_FALSE(onToolbar(name)) << name;
    for (const char* name : {"AddContour1", "Arrow1", "DeleteContours1", "Movelabel1", "Labeloff1", "N5"})
        EXPECT_FALSE(item(name)->isVisible()) << name;
    EXPECT_FALSE(editMenu()->menuAction()->isVisible());
    EXPECT_EQ(w->Contour()->EditMode(), ContourEditMode::None);
    EXPECT_EQ(w->Chart().Legend().Count(), 0);
    EXPECT_TRUE(graph.ColorLegend().Visible());
    const bool seriesLegend = w->Chart().Legend().Visible();
    w->sbLegendClick(); // the colour legend, not the series legend
    EXPECT_FALSE(graph.ColorLegend().Visible());
    EXPECT_FALSE(item("miShowLegend")->isChecked());
    EXPECT_EQ(w->Chart().Legend().Visible(), seriesLegend);

    plot(false); // back to lines: the editing controls return, the colour legend goes
    for (const char* name : kEditButtons)
        EXPECT_TRUE(onToolbar(name)) << name;
    EXPECT_TRUE(editMenu()->menuAction()->isVisible());
    EXPECT_EQ(editMenu()->actions().first()->objectName(), QStringLiteral("miUndo")); // one Edit menu
    EXPECT_EQ(w->findChildren<QMenu*>(QStringLiteral("Edit1")).size(), 1);
    EXPECT_FALSE(graph.ColorLegend().Visible());
    w->sbLegendClick();
    EXPECT_FALSE(w->Chart().Legend().Visible());
    EXPECT_FALSE(graph.ColorLegend().Visible());
}

TEST_F(ContourPlotTest, GridsLieOverTheShading) {
    plot(true);
    auto plotArea = [this] { return w->Chart().graph().image().copy(); };
    w->Chart().Redraw();
    const QImage bare = plotArea();
    auto differing = [](const QImage& a, const QImage& b) {
        int n = 0;
        for (int py = 0; py < a.height(); ++py)
            for (int px = 0; px < a.width(); ++px)
                n += a.pixel(px, py) != b.pixel(px, py) ? 1 : 0;
        return n;
    };
    w->sbVertGridClick(); // laid over the picture at once
    const QImage over = plotArea();
    EXPECT_GT(differing(bare, over), 50);
    w->Chart().Redraw(); // and again after every drawing
    EXPECT_GT(differing(bare, plotArea()), 50);
    w->sbVertGridClick();
    EXPECT_EQ(differing(bare, plotArea()), 0);
}

TEST_F(ContourPlotTest, ZoomButtonsAndThe3DSwitch) {
    plot(false);
    auto back = [&] {
        return std::pair{button("sbZoomOut")->isEnabled(), button("sbZoomPrev")->isEnabled()};
    };
    EXPECT_EQ(back(), std::pair(false, false));
    w->sbZoomInClick();
    EXPECT_EQ(back(), std::pair(true, true));
    EXPECT_TRUE(item("miZoomPrev")->isEnabled());
    w->sbZoomOutClick();
    EXPECT_EQ(back(), std::pair(false, false));
    EXPECT_FALSE(item("miZoomOut")->isEnabled());
    w->sbZoomInClick();
    w->sbZoomPrevClick(); // no earlier step
    EXPECT_EQ(back(), std::pair(false, false));

    chart::TPlot& c = w->Chart();
    c.Frame().Width = 2;
    w->sb3DClick();
    EXPECT_EQ(c.View3D(), 8);
    EXPECT_EQ(c.Frame().Width, 10);
    w->sb3DClick();
    EXPECT_EQ(c.View3D(), 0);
    EXPECT_EQ(c.Frame().Width, 2);
}

TEST_F(ContourPlotTest, SettingsAreKeptAndClosingHides) {
    plot(false);
    w->Chart().YAxis().SetGrid(true);
    w->resize(700, 500);
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_NE(w->Contour(), nullptr); // hidden, not destroyed
    EXPECT_EQ(store->readInt(QStringLiteral("fmContourPlot"), QStringLiteral("Width"), 0), 700);
    auto again = std::make_unique<TfmContourPlot>([this] { return store; });
    EXPECT_EQ(again->size(), QSize(700, 500));
    EXPECT_TRUE(again->Chart().YAxis().Grid());
    EXPECT_TRUE(again->findChild<QToolButton*>(QStringLiteral("sbHorizGrid"))->isChecked());
}

} // namespace
