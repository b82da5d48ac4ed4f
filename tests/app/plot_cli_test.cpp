// `brelt --plot`: option checking, the tabulation (N points, the last exactly B, marker step,
// names, free colours), failures with the engine's message, and the four picture formats.
#include "app/cli/plot_command.h"
#include "app/cli/plot_options.h"
#include "app/cli/plot_tabulate.h"
#include "chart/data/series.h"
#include "chart/view/graph.h"
#include "chart/view/series_legend.h"
#include "engine/engine.h"

#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace brelt;

namespace {

struct PlotRun {
    int status;
    std::string out;
    std::string err;
};

PlotRun runPlot(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = app::runPlotCli(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

struct UsageCase {
    std::vector<std::string> args;
    const char* message;
};

class PlotUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(PlotUsage, BadArgumentsAreRefusedBeforeAnyWork) {
    const PlotRun r = runPlot(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("brelt: " + std::string(GetParam().message) + "\n", 0), 0u) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Options, PlotUsage,
    ::testing::Values(
        UsageCase{{"--plot", "X", "--to", "1", "--out", "a.png"}, "--from and --to are required"},
        UsageCase{{"--plot", "X", "--from", "1", "--to", "1", "--out", "a.png"},
                  "--from and --to must differ"},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1"}, "--out FILE or --page FILE.pdf is required"},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1", "--out", "a.gif"},
                  "--out must end in .png, .bmp, .svg or .pdf"},
        UsageCase{{"--plot", "X", "--from", "zero", "--to", "1", "--out", "a.png"},
                  "--from: not a number: zero"},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1", "--steps", "1", "--out", "a.png"},
                  "--steps must be a whole number from 2 to 1000000"},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1", "--size", "10x10", "--out", "a.png"},
                  "--size must be WIDTHxHEIGHT, each from 16 to 16384"},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1", "--log-x", "--out", "a.png"},
                  "--log-x needs --from and --to above 0"},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1", "--colour", "--out", "a.png"},
                  "unknown plot option: --colour"},
        UsageCase{{"--plot", " ", "--from", "0", "--to", "1", "--out", "a.png"}, "--plot needs a formula"},
        UsageCase{{"--plot"}, "--plot needs a value"}));

TEST(PlotOptions, ValuesAfterEqualsAndDefaults) {
    const app::PlotParse p = app::parsePlotOptions({"--plot=X^2", "--plot", "sin(X)", "--from=-1.5", "--to",
                                                    "2", "--size=640x480", "--grid", "--out", "a.svg"});
    ASSERT_FALSE(p.error) << *p.error;
    EXPECT_EQ(p.options.formulas, (std::vector<std::string>{"X^2", "sin(X)"}));
    EXPECT_EQ(p.options.from, -1.5L);
    EXPECT_EQ(p.options.to, 2.0L);
    EXPECT_EQ(p.options.steps, 200);
    EXPECT_EQ(p.options.picture.width, 640);
    EXPECT_EQ(p.options.picture.height, 480);
    EXPECT_TRUE(p.options.grid);
    EXPECT_FALSE(p.options.logX);
}

TEST(PlotTabulation, PointsStepsAndTheExactLastPoint) {
    chart::TGraph graph;
    engine::Engine engine;
    const auto r = app::tabulateIntoChart(graph, engine, "X^2", -10, 10, 200);
    ASSERT_TRUE(r.ok) << r.resultText;
    ASSERT_EQ(graph.LayerCount(), 1);
    auto* s = dynamic_cast<chart::TSeries*>(graph.Layers(0));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Name(), QStringLiteral("f(X^2)"));
    EXPECT_EQ(s->Count(), 200);
    EXPECT_EQ(s->MarkerStep(), 10);
    EXPECT_EQ(s->Style(), chart::SeriesStyle::LineAndPoint);
    EXPECT_EQ(s->GetColor(), chart::clRed);
    EXPECT_EQ(s->MarkerStyle(), chart::TMarkerStyle::msRect);
    EXPECT_EQ(s->MarkerFillColor(), chart::clRed);
    EXPECT_EQ(s->pointAt(0).X, -10.0);
    EXPECT_EQ(s->pointAt(199).X, 10.0);
    EXPECT_EQ(s->pointAt(199).Y, 100.0);
    EXPECT_NEAR(s->pointAt(1).X, -10.0 + 20.0 / 199.0, 1e-15);
    EXPECT_EQ(graph.Legend().Count(), 1);
    EXPECT_EQ(graph.Legend().entry(0)->text(), QStringLiteral("f(X^2)"));

    // A second formula takes the next free colour and marker.
    ASSERT_TRUE(app::tabulateIntoChart(graph, engine, "X^3", -10, 10, 200).ok);
    auto* second = dynamic_cast<chart::TSeries*>(graph.Layers(1));
    EXPECT_EQ(second->GetColor(), chart::clBlue);
    EXPECT_EQ(second->MarkerStyle(), chart::TMarkerStyle::msCircle);
}

struct FailureCase {
    const char* formula;
    const char* resultLine;
};

class PlotFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PlotFailure, FailingPointAddsNothing) {
    chart::TGraph graph;
    engine::Engine engine;
    const auto r = app::tabulateIntoChart(graph, engine, GetParam().formula, 0, 2, 3);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.resultText, GetParam().resultLine);
    EXPECT_EQ(graph.LayerCount(), 0);
    EXPECT_EQ(graph.Legend().Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Errors, PlotFailure,
                         ::testing::Values(FailureCase{"1/(X-1)", "Division by zero: position 3"},
                                           FailureCase{"1 / (X-1)", "Division by zero: position 5"},
                                           FailureCase{"sin(", "Missing \")\": position 4"}));

class PlotFiles : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(PlotFiles, FailureExitsWithTheEngineMessage) {
    const PlotRun r =
        runPlot({"--plot", "1/(X-1)", "--from", "0", "--to", "2", "--steps", "3", "--out", path("f.png")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cann't calculate this function\nDivision by zero: position 3\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("f.png"))));
}

TEST_F(PlotFiles, PngOfTheGivenSize) {
    const PlotRun r = runPlot({"--plot", "sin(X)*exp(-X^2/10)", "--from", "-10", "--to", "10", "--steps",
                               "1600", "--title", "Damped", "--size", "640x480", "--out", path("p.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image(QString::fromStdString(path("p.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(640, 480));
    // The curve is there: red pixels in the picture.
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_GT(red, 500);
}

TEST_F(PlotFiles, BmpSvgAndPdf) {
    for (const char* name : {"p.bmp", "p.svg", "p.pdf", "p.PNG"}) {
        const PlotRun r = runPlot({"--plot", "X^2", "--from", "1", "--to", "100", "--log-x", "--log-y",
                                   "--grid", "--xname", "X", "--yname", "Y", "--out", path(name)});
        ASSERT_EQ(r.status, 0) << name << r.err;
    }
    EXPECT_EQ(QImage(QString::fromStdString(path("p.bmp"))).size(), QSize(1280, 960));
    EXPECT_EQ(QImage(QString::fromStdString(path("p.PNG"))).size(), QSize(1280, 960));
    QSvgRenderer svg(QString::fromStdString(path("p.svg")));
    EXPECT_TRUE(svg.isValid());
    QFile pdf(QString::fromStdString(path("p.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
}

TEST_F(PlotFiles, UnwritableOutputFails) {
    const PlotRun r =
        runPlot({"--plot", "X", "--from", "0", "--to", "1", "--out", path("no/such/dir/p.png")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("brelt: cannot write ", 0), 0u) << r.err;
}
