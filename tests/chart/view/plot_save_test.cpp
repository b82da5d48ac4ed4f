// Save as through the dialog services: the extension from the chosen filter, the overwrite
// question with its exact text, cancelling; the TPlot settings section and clipboard.
#include "chart/data/series.h"
#include "chart/view/plot.h"
#include "chart/view/settings_store.h"
#include "support/case_names.h"
#include "support/fake_ui_services.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace brelt::chart;
using brelt::testing::FakeUiServices;

namespace {

class PlotSave : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        plot.resize(480, 360);
        auto series =
            std::make_unique<TSeries>(&plot.graph(), QStringLiteral("f(X)"), SeriesStyle::Line, clRed);
        series->AddPoint(clRed, QString(), 0, 0);
        series->AddPoint(clRed, QString(), 1, 1);
        plot.graph().AddLayer(std::move(series));
        plot.graph().SetImageSize(QSize(480, 360));
        plot.Redraw();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    static QByteArray head(const QString& file, int n) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
    }

    QTemporaryDir dir;
    FakeUiServices ui;
    TPlot plot;
};

const QString kFilters =
    QStringLiteral("BMP files (*.BMP);;PNG files (*.PNG);;SVG files (*.SVG);;PDF files (*.PDF)");

} // namespace

struct ExtensionCase {
    const char* typed;
    const char* filter;
    const char* written;
    const char* magic;
};

// The case as ctest lists it.
[[maybe_unused]] void PrintTo(const ExtensionCase& c, std::ostream* os) {
    *os << brelt::testing::caseName(std::string(c.typed) + " as " +
                                    std::string(c.filter).substr(0, std::string(c.filter).find(' ')));
}

class SaveExtension : public PlotSave, public ::testing::WithParamInterface<ExtensionCase> {};

TEST_P(SaveExtension, ExtensionAfterTheChosenFilter) {
    const ExtensionCase& c = GetParam();
    ui.fileNames.push_back(path(QString::fromUtf8(c.typed)));
    ui.selectedFilters.push_back(QString::fromUtf8(c.filter));
    const QString written = plot.SaveAs();
    EXPECT_EQ(written, path(QString::fromUtf8(c.written)));
    EXPECT_TRUE(head(written, 8).startsWith(c.magic)) << head(written, 8).toStdString();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, QStringLiteral("Save to file"));
    EXPECT_EQ(ui.fileRequests[0].filters, kFilters);
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SaveExtension,
    ::testing::Values(ExtensionCase{"picture", "PDF files (*.PDF)", "picture.PDF", "%PDF"},
                      ExtensionCase{"picture", "BMP files (*.BMP)", "picture.BMP", "BM"},
                      ExtensionCase{"picture", "PNG files (*.PNG)", "picture.PNG", "\x89PNG"},
                      ExtensionCase{"picture", "SVG files (*.SVG)", "picture.SVG", "<?xml"},
                      // A name with an extension keeps it; a known one decides the format.
                      ExtensionCase{"chart.png", "BMP files (*.BMP)", "chart.png", "\x89PNG"},
                      ExtensionCase{"chart.data", "PNG files (*.PNG)", "chart.data", "\x89PNG"}));

TEST_F(PlotSave, OverwriteQuestionNoShowsTheDialogAgain) {
    QFile existing(path(QStringLiteral("old.PNG")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    ui.fileNames = {path(QStringLiteral("old")), path(QStringLiteral("new"))};
    ui.selectedFilters = {QStringLiteral("PNG files (*.PNG)"), QStringLiteral("PNG files (*.PNG)")};
    ui.answers.push_back(Answer::No);
    EXPECT_EQ(plot.SaveAs(), path(QStringLiteral("new.PNG")));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, path(QStringLiteral("old.PNG")) +
                                    QStringLiteral("\nThis file already exists.\n\nReplace existing file?"));
    EXPECT_EQ(ui.boxes[0].buttons, ButtonYes | ButtonNo);
    EXPECT_EQ(head(path(QStringLiteral("old.PNG")), 7), QByteArray("keep me"));
    EXPECT_EQ(ui.fileRequests.size(), 2u);
}

TEST_F(PlotSave, OverwriteQuestionYesReplaces) {
    QFile existing(path(QStringLiteral("old.BMP")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();
    ui.fileNames = {path(QStringLiteral("old.BMP"))};
    ui.selectedFilters = {QStringLiteral("BMP files (*.BMP)")};
    ui.answers.push_back(Answer::Yes);
    EXPECT_EQ(plot.SaveAs(), path(QStringLiteral("old.BMP")));
    EXPECT_TRUE(head(path(QStringLiteral("old.BMP")), 2).startsWith("BM"));
}

TEST_F(PlotSave, CancelWritesNothing) {
    ui.fileNames = {QString()};
    EXPECT_TRUE(plot.SaveAs().isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PlotSave, UnwritableFolderIsReported) {
    ui.fileNames = {path(QStringLiteral("missing/folder/picture.png"))};
    ui.selectedFilters = {QStringLiteral("PNG files (*.PNG)")};
    EXPECT_TRUE(plot.SaveAs().isEmpty());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].kind, MessageKind::Error);
}

TEST_F(PlotSave, SvgOutputIsReadable) {
    ui.fileNames = {path(QStringLiteral("chart.svg"))};
    ui.selectedFilters = {QStringLiteral("SVG files (*.SVG)")};
    const QString written = plot.SaveAs();
    QSvgRenderer renderer(written);
    EXPECT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 480, 360));
}

TEST_F(PlotSave, CopyToClipboardPutsBitmapAndSvg) {
    plot.CopyToClipboard();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_TRUE(mime->hasImage());
    EXPECT_TRUE(mime->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

TEST(PlotSettings, SectionIsOwnerWindowAndChartName) {
    QWidget window;
    window.setObjectName(QStringLiteral("fmPlot2D"));
    auto* plot = new TPlot(&window);
    EXPECT_EQ(plot->settingsSection(), QStringLiteral("fmPlot2DChart"));
    plot->SetColor(clAqua);
    plot->SetStatusBarVisible(false);
    MemorySettingsStore store;
    plot->SaveSettings(store);
    EXPECT_EQ(store.read(QStringLiteral("fmPlot2DChart"), QStringLiteral("Plot_StatusBarVisible")),
              QStringLiteral("0"));
    TPlot other;
    QWidget otherWindow;
    otherWindow.setObjectName(QStringLiteral("fmPlot2D"));
    auto* reread = new TPlot(&otherWindow);
    reread->LoadSettings(store);
    EXPECT_EQ(reread->Color(), clAqua);
    EXPECT_FALSE(reread->StatusBarVisible());
    // An empty settings file name turns persistence off.
    reread->SetIniFileName(QString());
    MemorySettingsStore untouched;
    reread->SaveSettings(untouched);
    EXPECT_EQ(untouched.size(), 0);
}

TEST(PlotStatus, ReadOutInsideAndOutsideThePlot) {
    TPlot plot;
    plot.graph().SetImageSize(QSize(400, 300));
    plot.Redraw();
    plot.graph().SetRanges(0, 0, 10, 10);
    const QRect r = plot.graph().GetPlotRect();
    plot.graph().MouseMove(0, plot.graph().XToPixel(5), plot.graph().YToPixel(5));
    // One pixel is worth about 0.03 here.
    EXPECT_NEAR(plot.statusText(0).mid(2).toDouble(), 5.0, 0.05) << plot.statusText(0).toStdString();
    EXPECT_NEAR(plot.statusText(1).mid(2).toDouble(), 5.0, 0.05) << plot.statusText(1).toStdString();
    EXPECT_TRUE(plot.statusText(0).startsWith(QStringLiteral("X="))) << plot.statusText(0).toStdString();
    plot.graph().MouseMove(0, r.left() - 5, r.top() - 5);
    EXPECT_EQ(plot.statusText(0), QStringLiteral("X=n/a"));
    EXPECT_EQ(plot.statusText(1), QStringLiteral("Y=n/a"));
    plot.XAxis().SetName(QStringLiteral("Time"));
    plot.graph().MouseMove(0, r.left() - 5, r.top() - 5);
    EXPECT_EQ(plot.statusText(0), QStringLiteral("Time=n/a"));
}
