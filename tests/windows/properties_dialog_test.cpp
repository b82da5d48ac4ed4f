// The chart properties dialog and the marker dialog: series settings, deleting, the fit command
// with its degree field, axes and the greyed-out switches; and the chart control's hooks.
#include "chart/data/series_undo.h"
#include "chart/fit/fit_series.h"
#include "chart/view/axis.h"
#include "chart/view/plot.h"
#include "chart/view/series_legend.h"
#include "support/fake_ui_services.h"
#include "windows/chart_dialog_support.h"
#include "windows/chart_dialogs.h"
#include "windows/tfm_chart_properties.h"
#include "windows/tfm_marker_style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brelt::chart;
namespace bt = brelt::testing;
using brelt::windows::TfmChartProperties;
using bt::control;

namespace {

class PropertiesDialog : public ::testing::Test {
protected:
    void SetUp() override {
        data = bt::addSeries(graph, QStringLiteral("data"), {{-2, -8}, {-1, -1}, {0, 0}, {1, 1}, {2, 8}});
        other = bt::addSeries(graph, QStringLiteral("other"), {{0, 1}, {0, 2}}, clBlue);
    }
    void fit(TfmChartProperties& d, const QString& degree) {
        control<QLineEdit>(&d, "edDegree")->setText(degree);
        control<QPushButton>(&d, "btFit")->click();
    }

    bt::FakeUiServices ui;
    TGraph graph;
    TSeries* data = nullptr;
    TSeries* other = nullptr;
};

} // namespace

TEST_F(PropertiesDialog, FitDegreeFieldAndTheFitSeries) {
    TfmChartProperties d(graph);
    EXPECT_EQ(d.selectedSeries(), std::vector<TSeries*>{data});
    for (const char* refused : {"0", "41", "x", "", "3.5", "-1"}) {
        fit(d, refused);
        EXPECT_EQ(ui.texts().last(), QStringLiteral("Polynomial degree must be in the range [1..40]"))
            << refused;
    }
    EXPECT_EQ(graph.LayerCount(), 2);
    ui.boxes.clear();
    fit(d, "3");
    ASSERT_EQ(graph.LayerCount(), 3);
    auto* f = dynamic_cast<TFitSeries*>(graph.Layers(2));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Name(), QStringLiteral("dataFit3"));
    EXPECT_EQ(f->Count(), 200);
    EXPECT_NEAR(f->Coefficients[3], 1.0, 1e-12);
    EXPECT_NE(f->LegendEntry(), nullptr);
    EXPECT_TRUE(ui.boxes.empty());
    fit(d, "40"); // accepted, but 5 points do not determine it
    EXPECT_EQ(graph.LayerCount(), 4);
    EXPECT_EQ(ui.texts().last(),
              QStringLiteral("The points of data do not determine a polynomial of degree 40: the "
                             "fit series stays empty."));
    EXPECT_EQ(control<QListWidget>(&d, "lbSeries")->count(), 4);
}

TEST_F(PropertiesDialog, SeriesSettingsGoToEverySelectedSeries) {
    TfmChartProperties d(graph);
    auto* list = control<QListWidget>(&d, "lbSeries");
    list->item(1)->setSelected(true);
    ASSERT_EQ(d.selectedSeries().size(), 2u);
    control<QComboBox>(&d, "cbSeriesStyle")->setCurrentIndex(3);
    control<QComboBox>(&d, "cbSeriesLineStyle")->setCurrentIndex(2);
    control<QSpinBox>(&d, "udSeriesLineWidth")->setValue(3);
    control<QCheckBox>(&d, "chSeriesVisible")->click();
    ui.colors = {QColor(0, 128, 0)};
    control<QPushButton>(&d, "btSeriesColor")->click();
    for (TSeries* s : {data, other}) {
        EXPECT_EQ(s->Style(), SeriesStyle::PiecewiseConstant);
        EXPECT_EQ(s->lineStyle(), LineStyle::Dot);
        EXPECT_EQ(s->LineWidth(), 3);
        EXPECT_FALSE(s->Visible());
        EXPECT_EQ(s->GetColor(), clGreen);
    }
    // A rename reaches the legend line.
    list->clearSelection();
    list->item(0)->setSelected(true);
    control<QLineEdit>(&d, "edSeriesName")->setText(QStringLiteral("measured"));
    emit control<QLineEdit>(&d, "edSeriesName")->editingFinished();
    EXPECT_EQ(graph.Legend().entry(0)->text(), QStringLiteral("measured"));

    // Delete asks first.
    ui.answers = {Answer::No, Answer::Yes};
    control<QPushButton>(&d, "btDeleteSeries")->click();
    EXPECT_EQ(graph.LayerCount(), 2);
    EXPECT_EQ(ui.texts().last(), QStringLiteral("Delete the series measured?"));
    control<QPushButton>(&d, "btDeleteSeries")->click();
    EXPECT_EQ(graph.LayerCount(), 1);
    EXPECT_EQ(graph.Legend().Count(), 1);
    EXPECT_EQ(list->count(), 1);
}

TEST_F(PropertiesDialog, AxesAndTheGreyedSwitches) {
    TPlotProperties switches;
    switches.DisabledXAxisLog = true;
    switches.DisabledYAxisInvert = true;
    TfmChartProperties d(graph, nullptr, &switches);
    EXPECT_FALSE(control<QCheckBox>(&d, "chXLog")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>(&d, "chYLog")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(&d, "chYInvert")->isEnabled());
    control<QCheckBox>(&d, "chYLog")->click();
    control<QCheckBox>(&d, "chXGrid")->click();
    control<QCheckBox>(&d, "chXAutoMin")->click();
    control<QLineEdit>(&d, "edXMin")->setText(QStringLiteral("abc"));
    emit control<QLineEdit>(&d, "edXMin")->editingFinished();
    EXPECT_EQ(ui.texts().last(), QStringLiteral("Not a number: abc"));
    control<QLineEdit>(&d, "edXMin")->setText(QStringLiteral("-5"));
    emit control<QLineEdit>(&d, "edXMin")->editingFinished();
    control<QLineEdit>(&d, "edYName")->setText(QStringLiteral("Volt"));
    emit control<QLineEdit>(&d, "edYName")->editingFinished();
    EXPECT_TRUE(graph.YAxis().Log());
    EXPECT_TRUE(graph.XAxis().Grid());
    EXPECT_FALSE(graph.XAxis().AutoMin());
    EXPECT_EQ(graph.XAxis().Minimum(), -5);
    EXPECT_EQ(graph.YAxis().Name(), QStringLiteral("Volt"));
}

TEST_F(PropertiesDialog, MarkerDialogChangesEveryChosenSeries) {
    brelt::windows::TfmMarkerStyle m(graph, {data, other});
    auto* list = control<QListWidget>(&m, "lbMarkers");
    EXPECT_EQ(list->count(), 49);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked); // msNone
    list->item(2)->setCheckState(Qt::Checked);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
    control<QSpinBox>(&m, "edSize")->setValue(9);
    ui.colors = {QColor(Qt::yellow)};
    control<QPushButton>(&m, "btFill")->click();
    for (TSeries* s : {data, other}) {
        EXPECT_EQ(s->MarkerStyle(), TMarkerStyle::msCircle);
        EXPECT_EQ(s->MarkerSize(), 9);
        EXPECT_EQ(s->MarkerFillColor(), clYellow);
    }
}

TEST(ChartDialogs, TheChartControlOpensThemAndDxfIsWritten) {
    bt::FakeUiServices ui;
    TPlot plot;
    TSeries* s = bt::addSeries(plot.graph(), QStringLiteral("f(X)"), {{0, 0}, {1, 1}});
    brelt::windows::connectChartDialogs(plot);
    QString title;
    bt::whenModal([&](QWidget* w) {
        title = w->windowTitle();
        control<QPushButton>(w, "btClose")->click();
    });
    plot.ShowProperties();
    EXPECT_EQ(title, QStringLiteral("Chart Properties"));
    bt::whenModal([&](QWidget* w) {
        title = w->windowTitle();
        control<QPushButton>(w, "bbOK")->click();
    });
    s->EditData();
    EXPECT_EQ(title, QStringLiteral("Edit Series - [ f(X) ]"));

    QTemporaryDir dir;
    ui.fileNames = {dir.filePath("c.dxf")};
    EXPECT_TRUE(brelt::windows::exportChartDxf(plot.graph(), &plot));
    QFile f(dir.filePath("c.dxf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray dxf = f.readAll();
    EXPECT_EQ(dxf.count("\r\nLINE\r\n"), 2);
    EXPECT_TRUE(dxf.contains("10\r\n1.0000\r\n20\r\n1.0000\r\n"));
    EXPECT_TRUE(dxf.endsWith("EOF\r\n"));
}

TEST_F(PropertiesDialog, EveryEditOfTheDialogIsUndoneStepByStep) {
    const SeriesLookState dataLook = SeriesLookState::of(*data), otherLook = SeriesLookState::of(*other);
    {
        TfmChartProperties d(graph);
        auto* list = control<QListWidget>(&d, "lbSeries");
        list->item(1)->setSelected(true);
        control<QComboBox>(&d, "cbSeriesStyle")->setCurrentIndex(3);
        control<QCheckBox>(&d, "chSeriesVisible")->click();
        ui.colors = {QColor(0, 128, 0)};
        control<QPushButton>(&d, "btSeriesColor")->click();
        list->item(1)->setSelected(false);
        control<QLineEdit>(&d, "edSeriesName")->setText(QStringLiteral("measured"));
        emit control<QLineEdit>(&d, "edSeriesName")->editingFinished();
        fit(d, "2");
        list->clearSelection();
        list->item(0)->setSelected(true);
        ui.answers = {Answer::Yes};
        control<QPushButton>(&d, "btDeleteSeries")->click();
        ASSERT_EQ(graph.LayerCount(), 2);
    }
    EXPECT_EQ(graph.UndoStore().Count(), 6) << "one step per change, for all the series it touched";
    while (graph.Undo()) {}
    ASSERT_EQ(graph.LayerCount(), 2);
    EXPECT_EQ(graph.Layers(0), data);
    EXPECT_EQ(graph.Layers(1), other);
    EXPECT_EQ(SeriesLookState::of(*data), dataLook);
    EXPECT_EQ(SeriesLookState::of(*other), otherLook);
    ASSERT_EQ(graph.Legend().Count(), 2);
    EXPECT_EQ(graph.Legend().entry(0)->text(), QStringLiteral("data"));
}
