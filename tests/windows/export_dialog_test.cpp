// The export dialog: series order, the preview's rebuilds, the column message, delimiters, copying
// to the clipboard with CR LF and to a file through the file dialog.
#include "chart/view/axis.h"
#include "chart/view/graph_title.h"
#include "support/fake_ui_services.h"
#include "windows/chart_dialog_support.h"
#include "windows/tfm_exports.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace bt = brelt::testing;
using namespace brelt::chart;
using brelt::testing::control;

namespace {

class ExportDialog : public ::testing::Test {
protected:
    void SetUp() override {
        graph.XAxis().SetName(QStringLiteral("Time"));
        graph.YAxis().SetName(QStringLiteral("Volt"));
        graph.Title().SetText(QStringLiteral("Run 1"));
        bt::addSeries(graph, QStringLiteral("first"), {{0, 1}});
        bt::addSeries(graph, QStringLiteral("f(X^2)"), {{0, 0}, {1.5, 2.25}, {-3, 9}});
        dialog = std::make_unique<brelt::windows::TfmExports>(graph);
    }
    QListWidget* list(const char* name) { return control<QListWidget>(dialog.get(), name); }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(dialog.get(), name); }
    void choose(int row) { list("clSeries")->item(row)->setSelected(true); }
    void delimiter(int index) {
        control<QRadioButton>(dialog.get(), qPrintable(QStringLiteral("rgDelimiters_%1").arg(index)))
            ->click();
    }

    bt::FakeUiServices ui;
    TGraph graph;
    std::unique_ptr<brelt::windows::TfmExports> dialog;
};

} // namespace

TEST_F(ExportDialog, NewestSeriesFirstNothingChosenAndThePreviewFollows) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Export"));
    EXPECT_EQ(list("clSeries")->item(0)->text(), QStringLiteral("f(X^2)"));
    EXPECT_EQ(list("clSeries")->item(1)->text(), QStringLiteral("first"));
    EXPECT_TRUE(dialog->previewLines().isEmpty());
    EXPECT_EQ(edit("edUserDefine")->text(), QStringLiteral("(none)"));
    EXPECT_FALSE(edit("edUserDefine")->isEnabled());

    choose(0);
    EXPECT_EQ(dialog->previewLines(), (QStringList{"Time\tVolt", "0\t0", "1.5\t2.25", "-3\t9"}));
    control<QCheckBox>(dialog.get(), "chName")->click();
    control<QCheckBox>(dialog.get(), "chTitle")->click();
    EXPECT_EQ(dialog->previewLines().mid(0, 3), (QStringList{"f(X^2)", "Run 1", "Time\tVolt"}));

    // Columns 1 and 1: the message, the focus on the X column, nothing below name and title.
    edit("edYColumn")->setText(QStringLiteral("1"));
    emit edit("edYColumn")->editingFinished();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text,
              QStringLiteral("X Column, Y Column must be in range[1..2] and X Colunm not equal Y Column"));
    EXPECT_EQ(ui.boxes[0].kind, MessageKind::Error);
    EXPECT_EQ(dialog->previewLines(), (QStringList{"f(X^2)", "Run 1"}));

    edit("edXColumn")->setText(QStringLiteral("2"));
    emit edit("edXColumn")->editingFinished();
    EXPECT_EQ(dialog->previewLines().mid(2), (QStringList{"Volt\tTime", "0\t0", "2.25\t1.5", "9\t-3"}));
}

TEST_F(ExportDialog, UserDelimiterAndItsFallBackToTab) {
    choose(0);
    delimiter(4);
    EXPECT_TRUE(edit("edUserDefine")->isEnabled());
    EXPECT_EQ(edit("edUserDefine")->text(), QString());
    edit("edUserDefine")->setText(QStringLiteral(";;"));
    emit edit("edUserDefine")->editingFinished();
    EXPECT_EQ(dialog->previewLines()[1], QStringLiteral("0;0"));

    delimiter(4);
    emit edit("edUserDefine")->editingFinished(); // left empty: Tab again
    EXPECT_TRUE(control<QRadioButton>(dialog.get(), "rgDelimiters_2")->isChecked());
    EXPECT_EQ(edit("edUserDefine")->text(), QStringLiteral("(none)"));
    EXPECT_EQ(dialog->previewLines()[1], QStringLiteral("0\t0"));
}

TEST_F(ExportDialog, CopiesToTheClipboardAndToAFile) {
    choose(0);
    delimiter(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    control<QPushButton>(dialog.get(), "btCopyClipboard")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Time,Volt\r\n0,0\r\n1.5,2.25\r\n-3,9\r\n"));

    QTemporaryDir dir;
    ui.fileNames = {dir.filePath("out.txt"), dir.filePath("missing/out.txt")};
    control<QPushButton>(dialog.get(), "btCopyFile")->click();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, QStringLiteral("Save to file"));
    EXPECT_TRUE(ui.fileRequests[0].overwritePrompt);
    QFile file(dir.filePath("out.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Time,Volt\r\n0,0\r\n1.5,2.25\r\n-3,9\r\n"));
    EXPECT_TRUE(ui.boxes.empty());
    control<QPushButton>(dialog.get(), "btCopyFile")->click();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Can not create file ") + dir.filePath("missing/out.txt"));
}
