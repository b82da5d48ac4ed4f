// The data editor: a new series and an edited one, paste as is, paste by field name through "Links
// Fields", a file through "Show data", OK up to the first row without two numbers, cancelling.
#include "chart/view/series_legend.h"
#include "support/fake_ui_services.h"
#include "windows/chart_dialog_support.h"
#include "windows/tfm_graph_import.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brelt::chart;
namespace bt = brelt::testing;
using brelt::windows::TfmGraphImport;
using bt::control;

namespace {

class ImportDialog : public ::testing::Test {
protected:
    std::vector<WorldPoint> pointsOf(const TSeries& s) {
        std::vector<WorldPoint> p;
        for (int i = 0; i < s.Count(); ++i)
            p.push_back(s.pointAt(i));
        return p;
    }
    void selectCell(TfmGraphImport& d, int row, int column) {
        control<QTableWidget>(&d, "sgMain")->setCurrentCell(row, column);
    }

    bt::FakeUiServices ui;
    TGraph graph;
};

} // namespace

TEST_F(ImportDialog, NewSeriesFromPastedLinesJoinsTheChartOnOk) {
    bt::addSeries(graph, QStringLiteral("f(X)"), {{0, 0}});
    TfmGraphImport d(graph);
    d.prepare(nullptr);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Add Series - [ New Series ]"));
    EXPECT_EQ(control<QLineEdit>(&d, "edName")->text(), QStringLiteral("Series 2"));
    EXPECT_EQ(control<QLineEdit>(&d, "edP2")->text(), QStringLiteral("X"));
    EXPECT_EQ(control<QComboBox>(&d, "cbStyle")->currentText(), QStringLiteral("Line and Point "));

    QGuiApplication::clipboard()->clear();
    d.PasteAsIs();
    ASSERT_EQ(ui.texts(), QStringList{"There is no data on the Clipboard"});

    QGuiApplication::clipboard()->setText(QStringLiteral("0 1\r\n1 3\r\n"));
    d.PasteAsIs();
    selectCell(d, 5, 0);
    QGuiApplication::clipboard()->setText(QStringLiteral("2 5\n3,,7\n"));
    d.PasteAsIs();
    EXPECT_EQ(d.grid().cell(6, 1), QStringLiteral("7"));
    EXPECT_EQ(d.grid().cell(1, 1), QStringLiteral("3"));

    // The name field rewrites the caption; OK asks before leaving out rows below the empty row 2.
    control<QLineEdit>(&d, "edName")->setText(QStringLiteral("measured"));
    emit control<QLineEdit>(&d, "edName")->textEdited(QStringLiteral("measured"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Add Series - [ measured ]"));
    ui.answers = {Answer::No, Answer::Yes};
    d.bbOKClick();
    EXPECT_EQ(graph.LayerCount(), 1);
    EXPECT_EQ(ui.texts().last(),
              QStringLiteral("Row 3 does not hold two numbers: the series takes the 2 rows above "
                             "it and leaves out the rows below. Go on?"));
    d.bbOKClick();
    ASSERT_EQ(graph.LayerCount(), 2);
    auto* added = dynamic_cast<TSeries*>(graph.Layers(1));
    EXPECT_EQ(added->Name(), QStringLiteral("measured"));
    EXPECT_EQ(pointsOf(*added), (std::vector<WorldPoint>{{0, 1}, {1, 3}}));
    EXPECT_EQ(added->record(0).Color, 32768);
    ASSERT_NE(added->LegendEntry(), nullptr);
    EXPECT_EQ(graph.Legend().Count(), 2);
}

TEST_F(ImportDialog, EditedSeriesKeepsItsExactValuesAndCancelLeavesIt) {
    TSeries* s = bt::addSeries(graph, QStringLiteral("f(X)"), {{0.1 + 0.2, 1.0 / 3}, {2, 4}});
    TfmGraphImport d(graph);
    d.prepare(s);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Edit Series - [ f(X) ]"));
    EXPECT_EQ(d.grid().cell(0, 1), QStringLiteral("0.3333333"));
    d.bbOKClick();
    EXPECT_EQ(pointsOf(*s), (std::vector<WorldPoint>{{0.1 + 0.2, 1.0 / 3}, {2, 4}}));

    d.prepare(s);
    d.EraseAll();
    d.bbOKClick(); // no point: an edited series keeps its points and the editor stays open
    EXPECT_EQ(ui.texts().last(), QStringLiteral("The grid holds no points: the series keeps its points."));
    EXPECT_EQ(s->Count(), 2);
    d.reject();
    EXPECT_EQ(s->Count(), 2);

    // A new series without points goes away on OK, and on Cancel.
    d.prepare(nullptr);
    d.bbOKClick();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(graph.LayerCount(), 1);
}

TEST_F(ImportDialog, PasteByFieldNameLinksTheHeaderFields) {
    TfmGraphImport d(graph);
    d.prepare(nullptr);
    QGuiApplication::clipboard()->setText(QStringLiteral("n\tTime, s\tVolt\r\n1\t0.5\t10\r\n2\t1.5\t20\r\n"));
    QStringList shownInputs, shownLinks;
    bt::whenModal([&](QWidget* fields) {
        EXPECT_EQ(fields->windowTitle(), QStringLiteral("Links Fields"));
        auto* required = control<QListWidget>(fields, "lbRequired");
        auto* input = control<QListWidget>(fields, "lbInput");
        for (int i = 0; i < input->count(); ++i)
            shownInputs << input->item(i)->text();
        control<QPushButton>(fields, "btLink")->click(); // nothing selected
        required->setCurrentRow(0);
        input->setCurrentRow(1);
        control<QPushButton>(fields, "btLink")->click();
        required->setCurrentRow(1);
        input->setCurrentRow(2);
        control<QPushButton>(fields, "btLink")->click();
        auto* links = control<QListWidget>(fields, "lbLinks");
        for (int i = 0; i < links->count(); ++i)
            shownLinks << links->item(i)->text();
        control<QPushButton>(fields, "bbOK")->click();
    });
    d.PasteByFieldName();
    EXPECT_EQ(shownInputs, (QStringList{"n", "Time, s", "Volt"}));
    EXPECT_EQ(ui.texts(), QStringList{"Select both fields"});
    EXPECT_EQ(shownLinks, (QStringList{"X   <--Copy---   Time, s", "Y   <--Copy---   Volt"}));
    EXPECT_EQ(d.grid().points().points, (std::vector<WorldPoint>{{0.5, 10}, {1.5, 20}}));
}

TEST_F(ImportDialog, FileColumnsThroughShowDataAndTheCutMessage) {
    QTemporaryDir dir;
    QFile file(dir.filePath("m.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Time Volt\n");
    for (int i = 0; i < 1500; ++i)
        file.write(QStringLiteral("%1 %2\n").arg(i).arg(i * 2).toUtf8());
    file.close();
    TfmGraphImport d(graph);
    d.prepare(nullptr);
    ui.fileNames = {file.fileName()};
    bt::whenModal([&](QWidget* data) {
        EXPECT_EQ(data->windowTitle(), QStringLiteral("Show data"));
        control<QLineEdit>(data, "edXColumn")->setText(QStringLiteral("x"));
        control<QPushButton>(data, "bbOK")->click(); // refused, stays open
        control<QLineEdit>(data, "edXColumn")->setText(QStringLiteral("2"));
        control<QLineEdit>(data, "edYColumn")->setText(QStringLiteral("1"));
        control<QPushButton>(data, "bbOK")->click();
    });
    d.LoadFromFile();
    EXPECT_EQ(ui.fileRequests.at(0).title, QStringLiteral("ASCII Data File Selection"));
    EXPECT_EQ(ui.texts(),
              (QStringList{"Column for X undefined",
                           "The file was cut: the grid holds 1000 rows, so 1000 rows were read and "
                           "500 were left out."}));
    EXPECT_EQ(d.grid().cell(0, 0), QStringLiteral("0"));
    EXPECT_EQ(d.grid().cell(999, 0), QStringLiteral("1998"));
    EXPECT_EQ(d.grid().cell(999, 1), QStringLiteral("999"));
}

TEST_F(ImportDialog, ASeriesLongerThanTheGridKeepsItsPoints) {
    std::vector<WorldPoint> many;
    for (int i = 0; i < 1500; ++i)
        many.push_back({double(i), double(i)});
    TSeries* s = bt::addSeries(graph, QStringLiteral("long"), many);
    TfmGraphImport d(graph);
    d.prepare(s);
    EXPECT_EQ(ui.texts(),
              QStringList{"The series has 1500 points and the grid holds 1000: the points are shown up "
                          "to the 1000th and cannot be changed here."});
    EXPECT_EQ(d.grid().cell(999, 0), QStringLiteral("999"));
    EXPECT_FALSE(control<QTableWidget>(&d, "sgMain")->editTriggers());
    control<QLineEdit>(&d, "edName")->setText(QStringLiteral("renamed"));
    d.bbOKClick();
    EXPECT_EQ(s->Count(), 1500);
    EXPECT_EQ(s->Name(), QStringLiteral("renamed"));
    EXPECT_EQ(graph.Legend().entry(0)->text(), QStringLiteral("renamed"));
}
