// `brelt --plot`: option checking, the tabulation (N points, the last exactly B, marker step,
// names, free colours), failures with the engine's message, and the four picture formats.
#include "app/cli/cli_modes.h"
#include "app/cli/cli_runner.h"
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

#include "support/case_names.h"

#include <gtest/gtest.h>

#include <fstream>
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

// The case as ctest lists it.
[[maybe_unused]] void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << brelt::testing::caseName(c.message);
}

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
        UsageCase{{"--plot"}, "--plot needs a value"},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1", "--scale", "0", "--out", "a.png"},
                  "--scale must be a number from 0.25 to 20, not \"0\""},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1", "--note", "1;2;a", "--out", "a.png"},
                  "--note takes \"X,Y,TEXT\" (two commas), not \"1;2;a\""},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1", "--note", "1,y,a", "--out", "a.png"},
                  "--note takes \"X,Y,TEXT\" (X and Y numbers), not \"1,y,a\""},
        UsageCase{{"--plot", "X", "--from", "0", "--to", "1", "--note", "1,2, ", "--out", "a.png"},
                  "--note takes \"X,Y,TEXT\" (a text), not \"1,2, \""}));

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

// The case as ctest lists it.
[[maybe_unused]] void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << brelt::testing::caseName(c.resultLine);
}

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
    EXPECT_EQ(r.err,
              "brelt: Cann't calculate this function \"1/(X-1)\" at X=1: Division by zero: position 3\n");
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

TEST_F(PlotFiles, NotesAreDrawnWhereTheirPointsAre) {
    const std::vector<std::string> plot = {"--plot", "X", "--from", "0", "--to", "10", "--size", "640x480"};
    auto run = [&](std::vector<std::string> extra, const char* name) {
        std::vector<std::string> args = plot;
        args.insert(args.end(), extra.begin(), extra.end());
        args.insert(args.end(), {"--out", path(name)});
        const PlotRun r = runPlot(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return QImage(QString::fromStdString(path(name))).convertToFormat(QImage::Format_RGB32);
    };
    const QImage bare = run({}, "bare.png");
    const QImage left = run({"--note", "1,8,Left, with a comma"}, "left.png");
    const QImage both = run({"--note", "1,8,Left, with a comma", "--note", "6,2,Right"}, "both.png");
    auto changed = [](const QImage& a, const QImage& b) {
        QRect box;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect first = changed(bare, left), second = changed(left, both);
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    // X 1 and 6 of 0..10, Y 8 and 2: the second note starts half the plot's width (most of the
    // 640 pixels) further right and lies lower.
    EXPECT_GT(second.left() - first.left(), 200);
    EXPECT_LT(second.left() - first.left(), 310);
    EXPECT_GT(second.top(), first.bottom());
    EXPECT_GT(first.width(), second.width()) << "the text after the first comma is all there";

    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(app::runCli({"--polar", "1", "--note", "0,0,a", "--out", path("p.png")}, in, out, err), 1);
    EXPECT_EQ(err.str(), "brelt: --note is for --plot, --contour and --data pictures\n");
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

TEST(PlotTabulation, LogXStepsInEqualRatiosFromEndToEnd) {
    chart::TGraph graph;
    engine::Engine engine;
    const auto r = app::tabulateIntoChart(graph, engine, "X", 1e-6L, 1, 7, {true, false});
    ASSERT_TRUE(r.ok) << r.resultText;
    const auto* s = dynamic_cast<chart::TSeries*>(graph.Layers(0));
    ASSERT_EQ(s->Count(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(s->pointAt(i).X, std::pow(10.0, i - 6), 1e-15 * std::pow(10.0, i - 6)) << i;
    EXPECT_EQ(s->pointAt(0).X, 1e-6);
    EXPECT_EQ(s->pointAt(6).X, 1.0);
}

TEST(PlotTabulation, SkippedPointsBreakTheCurve) {
    chart::TGraph graph;
    engine::Engine engine;
    // X = 0, 0.5, 1, 1.5, 2: the formula fails at 1 only.
    const auto r = app::tabulateIntoChart(graph, engine, "1/(X-1)", 0, 2, 5, {false, true});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.leftOut, 1);
    EXPECT_EQ(r.failedX, 1.0L);
    EXPECT_EQ(r.resultText, "Division by zero: position 3");
    const auto* s = dynamic_cast<chart::TSeries*>(graph.Layers(0));
    ASSERT_EQ(s->Count(), 4);
    EXPECT_TRUE(s->record(1).Prev == s->record(0).Pt) << "0 to 0.5 joined";
    EXPECT_TRUE(s->record(2).Prev == s->record(2).Pt) << "1.5 starts a new run";
    EXPECT_TRUE(s->record(3).Prev == s->record(2).Pt);
}

TEST_F(PlotFiles, SkipUndefinedSaysWhatWasLeftOut) {
    const PlotRun r = runPlot({"--plot", "1/(X-1)", "--plot", "sqrt(-1-X)", "--from", "0", "--to", "2",
                               "--steps", "5", "--skip-undefined", "--out", path("s.png")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "brelt: \"1/(X-1)\": left out 1 of 5 points where it is undefined, the first at X=1: "
                     "Division by zero: position 3\n"
                     "brelt: Cann't calculate this function \"sqrt(-1-X)\" at any X, the first at X=0: "
                     "Argument Negative: position 1\n");
    const PlotRun ok = runPlot({"--plot", "1/(X-1)", "--from", "0", "--to", "2", "--steps", "5",
                                "--skip-undefined", "--out", path("s.png")});
    EXPECT_EQ(ok.status, 0);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path("s.png"))));
}

TEST_F(PlotFiles, AnglesAreDegreesUnlessRadiansAreAsked) {
    // sin(90) is 1 in degrees, where 1/(sin(X)-1) divides by zero; sin(90 rad) is not 1.
    const std::vector<std::string> args = {"--plot", "1/(sin(X)-1)", "--from", "0",     "--to",
                                           "90",     "--steps",      "2",      "--out", path("a.png")};
    const PlotRun degrees = runPlot(args);
    EXPECT_EQ(degrees.status, 1);
    EXPECT_EQ(
        degrees.err,
        "brelt: Cann't calculate this function \"1/(sin(X)-1)\" at X=90: Division by zero: position 3\n");
    std::vector<std::string> radians = args;
    radians.insert(radians.end(), {"--angle", "rad"});
    const PlotRun r = runPlot(radians);
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_F(PlotFiles, UserFunctionsOfTheHomeArePlotted) {
    QTemporaryDir home;
    std::ofstream(home.filePath("Brelt.FNC").toStdString(), std::ios::binary) << "sq(x)=x^2+1\r\n";
    const std::vector<std::string> args = {"--plot", "sq(X)", "--from", "0",
                                           "--to",   "1",     "--out",  path("h.png")};
    std::vector<std::string> withHome = args;
    withHome.insert(withHome.end(), {"--home", home.path().toStdString()});
    EXPECT_EQ(runPlot(withHome).status, 0);
    QTemporaryDir empty;
    std::vector<std::string> withoutFunctions = args;
    withoutFunctions.insert(withoutFunctions.end(), {"--home", empty.path().toStdString()});
    const PlotRun r = runPlot(withoutFunctions);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("brelt: ", 0), 0u) << r.err;
}

namespace {

// The words of a command line as a shell splits them (double quotes only).
std::vector<std::string> shellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, any = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any) words.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any) words.push_back(word);
    return words;
}

} // namespace

TEST_F(PlotFiles, HelpListsEveryModeWithAnExampleThatWorks) {
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(app::runCli({"--help"}, in, out, err), 0);
    const std::string help = out.str();
    for (const app::PictureMode& mode : app::pictureModes()) {
        ASSERT_NE(mode.usage, nullptr) << mode.option;
        ASSERT_NE(mode.example, nullptr) << mode.option;
        EXPECT_NE(help.find(mode.usage()), std::string::npos) << mode.option;
        EXPECT_NE(help.find(std::string("  ") + mode.example + "\n"), std::string::npos);
        // The example runs as typed, its picture written here.
        std::vector<std::string> words = shellWords(mode.example);
        ASSERT_EQ(words.front(), "brelt");
        words.erase(words.begin());
        const auto outFile = std::find(words.begin(), words.end(), "--out");
        ASSERT_NE(outFile, words.end());
        *(outFile + 1) = path(("example" + std::to_string(outFile - words.begin()) + ".png").c_str());
        if (const auto data = std::find(words.begin(), words.end(), "--data"); data != words.end()) {
            *(data + 1) = path("measured.txt");
            std::ofstream(*(data + 1)) << "x y\n0 1\n1 2.9\n2 9.2\n3 28\n4 63.5\n5 125\n";
        }
        std::ostringstream o, e;
        EXPECT_EQ(mode.command(words, o, e), 0) << mode.option << e.str();
        // MODE --help: the mode's own help.
        std::ostringstream modeOut, modeErr;
        EXPECT_EQ(app::runCli({mode.option, "--help"}, in, modeOut, modeErr), 0);
        EXPECT_EQ(modeOut.str(), app::modeHelpText(mode));
    }
    EXPECT_NE(help.find("--scale S"), std::string::npos);
}
