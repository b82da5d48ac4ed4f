// The Graphics tab driven as a user drives it, on the real engine: plot types, the checks behind
// OK, f(X) curves in the 2D window, the f(X,Y) grid handed to the contour window, Stop, closing.
#include "chart/data/series.h"
#include "chart/view/settings_store.h"
#include "engine/engine.h"
#include "support/fake_ui_services.h"
#include "tests/workspace/graphics_tab_fixture.h"
#include "windows/plot2d.h"
#include "workspace/engine_calc.h"
#include "workspace/graphics_page.h"
#include "workspace/profile_file.h"
#include "workspace/rescu.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace brelt;

namespace {

class GraphicsTest : public GraphicsTabFixture {
protected:
    void SetUp() override {
        GraphicsTabFixture::SetUp();
        plot2D = std::make_unique<windows::TfmPlot2D>([this] { return store; });
        workspace::PlotTargets targets;
        targets.plot2D = plot2D.get();
        targets.contour = [this](const workspace::ContourRequest& r) {
            contour = r;
            contourZ = *r.z;
        };
        openGraphicsTab(targets);
    }

    chart::TGraph& graph() { return plot2D->Chart().graph(); }
    chart::TSeries& series(int i) { return *static_cast<chart::TSeries*>(graph().Layers(i)); }
    QStringList history() {
        QStringList list;
        for (int i = 0; i < find<QComboBox>("cbHistory")->count(); ++i)
            list << find<QComboBox>("cbHistory")->itemText(i);
        return list;
    }

    std::unique_ptr<windows::TfmPlot2D> plot2D;
    std::optional<workspace::ContourRequest> contour;
    chart::TMatrix contourZ;
};

TEST_F(GraphicsTest, PlotTypesSwitchLabelsAndFields) {
    find<QLineEdit>("Edit1")->setText(QStringLiteral("X^2 - Y"));
    struct Case {
        const char* legendLabel;
        const char* titleLabel;
        bool legend;
        const char* title;
        bool color;
        bool yRange;
        bool contours;
        bool exaggerate;
        const char* stepsX;
        const char* stepsY;
    };
    const Case cases[] = {
        {"Legend", "Title", true, "", true, false, false, true, "200", "0"},
        {"Legend", "Title", false, "f(X^2-Y)", false, true, true, true, "40", "40"},
        {"Legend", "Title", false, "f(X^2-Y)", false, true, false, true, "40", "40"},
        {"Title", " Z axis", true, "Z", false, true, false, false, "40", "40"},
        {"Legend", "Title", true, "", true, false, false, false, "360", "0"},
    };
    QWidget* tab = find("tsGraph");
    for (int type = 0; type < 5; ++type) {
        const Case& c = cases[type];
        choose(type);
        SCOPED_TRACE(type);
        EXPECT_EQ(find<QLabel>("lbLegend")->text(), QLatin1String(c.legendLabel));
        EXPECT_EQ(find<QLabel>("lbTitle")->text(), QLatin1String(c.titleLabel));
        EXPECT_EQ(find("edLegend")->isVisibleTo(tab), c.legend);
        if (c.legend) {
            EXPECT_EQ(find<QLineEdit>("edLegend")->text(), QStringLiteral("f(X^2-Y)"));
        }
        EXPECT_EQ(find<QLineEdit>("edTitle")->text(), QLatin1String(c.title));
        EXPECT_EQ(find("sbColor")->isVisibleTo(tab), c.color);
        EXPECT_EQ(find("gbY")->isEnabled(), c.yRange);
        EXPECT_EQ(find("edNumCont")->isVisibleTo(tab), c.contours);
        EXPECT_EQ(find("edExaggerate")->isVisibleTo(tab), c.exaggerate);
        EXPECT_EQ(find<QLineEdit>("edStepsX")->text(), QLatin1String(c.stepsX));
        EXPECT_EQ(find<QLineEdit>("edStepsY")->text(), QLatin1String(c.stepsY));
    }
    EXPECT_TRUE(find<QLabel>("lbYAxis")->text().isEmpty()); // polar
    set("edY", QStringLiteral("Z"));
    choose(3);
    choose(1); // back from the surface: the title and the Y axis name of a flat chart
    EXPECT_EQ(find<QLineEdit>("edTitle")->text(), QStringLiteral("f(X^2-Y)"));
    EXPECT_EQ(find<QLineEdit>("edY")->text(), QStringLiteral("Y"));
}

TEST_F(GraphicsTest, EachInvalidFieldShowsItsMessageAndNothingElse) {
    struct Case {
        int type;
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {0, "edStepsX", "1", "Number of Steps must be in the range [2..16000]"},
        {0, "edFromX", "-200000", "Minimum X-coordinate must be in the range [-115425.2 ... 115425.2]"},
        {0, "edToX", "2e5", "Maximum X-coordinate must be in the range [-115425.2 ... 115425.2]"},
        {0, "edExaggerate", "-1", "Vertical exaggerate must be in the range [0.0 ... 1.0E+30]"},
        {0, "edToX", "-10", "Maximum X-coordinate must be more than minimum one"},
        {1, "edStepsY", "16001", "Number of Steps must be in the range [2..16000]"},
        {1, "edFromY", "-3e5", "Minimum Y-coordinate must be in the range [-115425.2 ... 115425.2]"},
        {2, "edToY", "3e5", "Maximum Y-coordinate must be in the range [-115425.2 ... 115425.2]"},
        {1, "edNumCont", "0", " Number of Cntours must be in the range [1..1000]"},
        {1, "edToY", "-10", "Maximum Y-coordinate must be more than minimum one"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        choose(c.type);
        QLineEdit* field = find<QLineEdit>(c.field);
        const QString kept = field->text();
        field->setText(QLatin1String(c.text));
        ui.boxes.clear();
        plot(QStringLiteral("X"));
        EXPECT_EQ(ui.texts(), QStringList{QLatin1String(c.message)});
        EXPECT_EQ(graph().LayerCount(), 0);
        EXPECT_FALSE(contour.has_value());
        EXPECT_TRUE(history().isEmpty());
        field->setText(kept);
    }
    // The Y range is checked for every type, also where it is greyed out; a hidden contour count
    // is checked for every f(X,Y) type.
    for (int type : {0, 3, 4}) {
        SCOPED_TRACE(type);
        choose(type);
        set("edToY", QStringLiteral("-10"));
        ui.boxes.clear();
        plot(QStringLiteral("X"));
        EXPECT_EQ(ui.texts(),
                  QStringList{QStringLiteral("Maximum Y-coordinate must be more than minimum one")});
        set("edToY", QStringLiteral("10"));
    }
    choose(1);
    set("edNumCont", QStringLiteral("0"));
    choose(2);
    ui.boxes.clear();
    plot(QStringLiteral("X"));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral(" Number of Cntours must be in the range [1..1000]")});
    EXPECT_FALSE(contour.has_value());
}

TEST_F(GraphicsTest, CurvePointsRunFromEndToEnd) {
    set("edStepsX", QStringLiteral("2"));
    plot(QStringLiteral("X^2 + 1"));
    ASSERT_EQ(graph().LayerCount(), 1);
    EXPECT_EQ(series(0).Count(), 2);
    EXPECT_EQ(series(0).pointAt(0), (chart::WorldPoint{-10, 101}));
    EXPECT_EQ(series(0).pointAt(1), (chart::WorldPoint{10, 101}));
    EXPECT_EQ(series(0).Name(), QStringLiteral("f(X^2 + 1)"));
    EXPECT_EQ(series(0).Caption(), QStringLiteral("f(X^2+1)"));
    EXPECT_TRUE(plot2D->isVisible());
    EXPECT_EQ(history(), QStringList{QStringLiteral("X^2 + 1")});

    set("edStepsX", QStringLiteral("200"));
    plot(QStringLiteral("X"));
    chart::TSeries& line = series(1);
    EXPECT_EQ(line.Count(), 200);
    EXPECT_EQ(line.pointAt(199).X, 10.0);
    EXPECT_EQ(line.pointAt(1).X, static_cast<double>(-10.0L + 20.0L / 199));
    EXPECT_EQ(line.MarkerStep(), 10);
    EXPECT_EQ(plot2D->Chart().Exaggerate(), 0.0);
    set("edExaggerate", QStringLiteral("x2")); // refused: the field keeps 0
    set("edExaggerate", QStringLiteral("2"));
    plot(QStringLiteral("X"));
    EXPECT_EQ(plot2D->Chart().Exaggerate(), 2.0);
    EXPECT_EQ(page().plotType(), 0);
}

TEST_F(GraphicsTest, AFormulaFailingAtTheFirstPointChangesNothing) {
    find<QComboBox>("cbHistory")->addItem(QStringLiteral("1+1"));
    plot(QStringLiteral("ln(X)"));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Cann't calculate this function")});
    EXPECT_EQ(find<QLineEdit>("Edit2")->text(), QStringLiteral("Argument Negative: position 1"));
    EXPECT_EQ(find<QLineEdit>("Edit2")->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(graph().LayerCount(), 0);
    EXPECT_EQ(graph().Legend().Count(), 0);
    EXPECT_FALSE(plot2D->isVisible());
    EXPECT_EQ(history(), QStringList{QStringLiteral("1+1")});
    EXPECT_TRUE(find("pcCalc")->isEnabled());
    EXPECT_TRUE(find("Edit1")->isEnabled());
}

TEST_F(GraphicsTest, PlotsAccumulateWithTheNextFreeColourAndMarker) {
    EXPECT_FALSE(find("sbShow")->isEnabled());
    // An OK that arrives while a plot is handed over (the window shows, the chart draws and runs
    // pending messages between its layers) is ignored.
    bool again = true;
    QObject::connect(plot2D.get(), &windows::TPlotWindow::shown, [&] {
        if (std::exchange(again, false)) find<QPushButton>("bbOK")->click();
    });
    plot(QStringLiteral("sin(X)"));
    EXPECT_EQ(graph().LayerCount(), 1);
    plot(QStringLiteral("cos(X)"));
    ASSERT_EQ(graph().LayerCount(), 2);
    EXPECT_EQ(series(0).GetColor(), chart::clRed);
    EXPECT_EQ(series(1).GetColor(), chart::clBlue);
    EXPECT_EQ(series(0).MarkerStyle(), chart::TMarkerStyle::msRect);
    EXPECT_EQ(series(1).MarkerStyle(), chart::TMarkerStyle::msCircle);
    EXPECT_EQ(series(1).MarkerFillColor(), chart::clBlue);
    EXPECT_EQ(graph().Legend().Count(), 2);
    EXPECT_EQ(history(), (QStringList{QStringLiteral("cos(X)"), QStringLiteral("sin(X)")}));
    plot(QStringLiteral("sin(X)"));
    EXPECT_EQ(history(), (QStringList{QStringLiteral("sin(X)"), QStringLiteral("cos(X)")}));
    // "Show plots" offers the window shown.
    EXPECT_TRUE(find("sbShow")->isEnabled());
    EXPECT_TRUE(page().showPlotsMenu()->findChild<QAction*>(QStringLiteral("miPlotfx"))->isEnabled());
    EXPECT_FALSE(page().showPlotsMenu()->findChild<QAction*>(QStringLiteral("miPlotfxy"))->isEnabled());
    // A colour chosen with "Color" goes to the next curve.
    ui.colors.push_back(QColor(10, 20, 30));
    find<QPushButton>("sbColor")->click();
    plot(QStringLiteral("X"));
    EXPECT_EQ(series(3).GetColor(), chart::rgbColor(10, 20, 30));
}

// A formula with an integral lets pending messages run inside every point, so the Stop pressed
// below arrives during the first one, however fast the machine.
const QString kSlowFormula = QStringLiteral("integral(sin(X),0,1)*X");

TEST_F(GraphicsTest, StopBreaksTheCurveAfterTheQuestion) {
    set("edStepsX", QStringLiteral("16000"));
    ui.answers.push_back(chart::Answer::Yes);
    bool locked = false;
    QTimer::singleShot(0, find<QToolButton>("sbStop"), [&] {
        locked = !find("pcCalc")->isEnabled() && !find("Edit1")->isEnabled();
        find<QToolButton>("sbStop")->click();
    });
    plot(kSlowFormula);
    EXPECT_TRUE(locked);
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Do you realy wont break calculation?")});
    EXPECT_EQ(find<QLineEdit>("Edit2")->text(), QStringLiteral("User break"));
    EXPECT_EQ(graph().LayerCount(), 0);
    EXPECT_TRUE(history().isEmpty());
}

TEST_F(GraphicsTest, TheGridGoesToTheContourWindowAndStopWorksThereToo) {
    choose(1);
    set("edStepsX", QStringLiteral("3"));
    set("edStepsY", QStringLiteral("2"));
    set("edNumCont", QStringLiteral("12"));
    plot(QStringLiteral("X*10 + Y"));
    ASSERT_TRUE(contour.has_value());
    EXPECT_FALSE(contour->shading);
    EXPECT_EQ(contour->levels, 12);
    EXPECT_EQ(contour->name, QStringLiteral("X*10 + Y"));
    EXPECT_EQ(contour->x->size(), 3);
    EXPECT_EQ(contour->y->get(2), 10.0);
    EXPECT_EQ(contourZ.get(2, 1), -10.0); // X = 0, Y = -10
    EXPECT_EQ(contourZ.get(3, 2), 110.0);
    EXPECT_EQ(history(), QStringList{QStringLiteral("X*10 + Y")});

    choose(2);
    set("edStepsX", QStringLiteral("200"));
    set("edStepsY", QStringLiteral("200"));
    contour.reset();
    ui.answers.push_back(chart::Answer::Yes);
    QTimer::singleShot(0, find<QToolButton>("sbStop"), &QToolButton::click);
    plot(QStringLiteral("integral(sin(X),0,1)*Y"));
    EXPECT_FALSE(contour.has_value());
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Do you realy wont break calculation?")});
}

TEST_F(GraphicsTest, ClosingTheMainWindowEndsATabulation) {
    set("edStepsX", QStringLiteral("16000"));
    QTimer::singleShot(0, window.get(), &QWidget::close);
    plot(kSlowFormula);
    EXPECT_FALSE(page().tabulating());
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(graph().LayerCount(), 0);
    EXPECT_TRUE(history().isEmpty());
}

TEST_F(GraphicsTest, StepCountsAreKeptPerPlotType) {
    choose(1);
    set("edStepsX", QStringLiteral("50"));
    set("edStepsY", QStringLiteral("1")); // below the bound: not kept
    choose(0);
    set("edStepsX", QStringLiteral("300"));
    choose(1);
    EXPECT_EQ(find<QLineEdit>("edStepsX")->text(), QStringLiteral("50"));
    EXPECT_EQ(find<QLineEdit>("edStepsY")->text(), QStringLiteral("40"));
    window->close();
    workspace::ProfileFile ini(paths.ini());
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.readInt(QStringLiteral("Graphics"), QStringLiteral("StepX0"), 0), 300);
    EXPECT_EQ(ini.readInt(QStringLiteral("Graphics"), QStringLiteral("StepX1"), 0), 50);
    EXPECT_EQ(ini.readInt(QStringLiteral("Graphics"), QStringLiteral("StepY1"), 0), 40);
    EXPECT_EQ(ini.readInt(QStringLiteral("Graphics"), QStringLiteral("Plot Type"), -1), 1);
}

} // namespace
