// `brelt --surface` and `brelt --polar`: option checking, the pictures, points that fail as gaps
// with their count on standard error, and the exit status when nothing could be calculated.
#include "app/cli/cli_modes.h"
#include "app/cli/polar_command.h"
#include "app/cli/surface_command.h"
#include "support/case_names.h"

#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace brelt;

namespace {

struct ModeRun {
    int status;
    std::string err;
};

ModeRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const app::PictureMode* mode = app::selectedPictureMode(args);
    if (!mode) return {-1, "no mode"};
    const int status = mode->command(args, out, err);
    return {status, err.str()};
}

struct UsageCase {
    std::vector<std::string> args;
    const char* message;
};

// The case as ctest lists it: the message and the arguments that bring it.
[[maybe_unused]] void PrintTo(const UsageCase& c, std::ostream* os) {
    std::string text = c.message;
    for (const std::string& arg : c.args)
        text += " " + arg;
    *os << brelt::testing::caseName(text);
}

class SurfacePolarUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(SurfacePolarUsage, BadArgumentsAreRefusedBeforeAnyWork) {
    const ModeRun r = run(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("brelt: " + std::string(GetParam().message) + "\n", 0), 0u) << r.err;
}

const std::vector<std::string> kGrid = {"--from", "-1", "--to", "1", "--y-from", "-1", "--y-to", "1"};

std::vector<std::string> surface(std::vector<std::string> extra) {
    std::vector<std::string> args = {"--surface", "X*Y"};
    args.insert(args.end(), kGrid.begin(), kGrid.end());
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

INSTANTIATE_TEST_SUITE_P(
    Options, SurfacePolarUsage,
    ::testing::Values(
        UsageCase{{"--surface", "X", "--from", "0", "--to", "1", "--out", "a.png"},
                  "--y-from and --y-to are required"},
        UsageCase{surface({"--y-steps", "1", "--out", "a.png"}),
                  "--y-steps must be a whole number from 2 to 16000"},
        UsageCase{surface({"--steps", "2000", "--y-steps", "1000", "--out", "a.png"}),
                  "--steps times --y-steps must be at most 1000000"},
        UsageCase{surface({"--elevation", "91", "--out", "a.png"}), "--elevation must be from 0 to 90"},
        UsageCase{surface({"--rotation", "left", "--out", "a.png"}), "--rotation: not a number: left"},
        UsageCase{surface({"--surface", "Y", "--out", "a.png"}), "--surface takes one formula"},
        UsageCase{surface({"--steps", "3"}), "--out FILE or --page FILE.pdf is required"},
        UsageCase{surface({"--log-x", "--out", "a.png"}), "unknown surface option: --log-x"},
        UsageCase{{"--polar", "1", "--from", "90", "--to", "90", "--out", "a.png"},
                  "--from and --to must differ"},
        UsageCase{{"--polar", "1", "--steps", "40000", "--out", "a.png"},
                  "--steps must be a whole number from 2 to 32767"},
        UsageCase{{"--polar", " ", "--out", "a.png"}, "--polar needs a formula"},
        UsageCase{{"--polar", "1", "--y-from", "0", "--out", "a.png"}, "unknown polar option: --y-from"}));

TEST(SurfaceOptions, DefaultsAndTheView) {
    const app::SurfaceParse p = app::parseSurfaceOptions(surface({"--rotation=-20", "--out", "a.pdf"}));
    ASSERT_FALSE(p.error) << *p.error;
    EXPECT_EQ(p.options.xSteps, 40);
    EXPECT_EQ(p.options.ySteps, 40);
    EXPECT_EQ(p.options.rotation, -20.0);
    EXPECT_FALSE(p.options.elevation);
    const app::PolarParse q = app::parsePolarOptions({"--polar", "1", "--polar=cos(X)", "--out", "a.svg"});
    ASSERT_FALSE(q.error) << *q.error;
    EXPECT_EQ(q.options.formulas.size(), 2u);
    EXPECT_EQ(q.options.from, 0.0L);
    EXPECT_EQ(q.options.to, 360.0L);
    EXPECT_EQ(q.options.steps, 360);
}

class SurfacePolarFiles : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
    bool exists(const char* name) const { return QFile::exists(QString::fromStdString(path(name))); }
    QTemporaryDir dir;
};

TEST_F(SurfacePolarFiles, SurfaceWithGapsStillWritesAndSaysHowMany) {
    const ModeRun r = run({"--surface", "Y/X", "--from", "-1", "--to", "1", "--steps", "3", "--y-from", "0",
                           "--y-to", "1", "--y-steps", "4", "--size", "400x300", "--out", path("s.png")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "brelt: 4 of 12 points could not be calculated (Division by zero: position 3) and are left "
              "as gaps\n");
    EXPECT_EQ(QImage(QString::fromStdString(path("s.png"))).size(), QSize(400, 300));
}

TEST_F(SurfacePolarFiles, NothingCalculatedFailsWithoutAPicture) {
    ModeRun r = run(surface({"--surface", "", "--out", path("none.png")}));
    EXPECT_EQ(r.status, 2);
    r = run({"--surface", "ln(X-5)", "--from", "0", "--to", "1", "--y-from", "0", "--y-to", "1", "--out",
             path("none.png")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Cann't calculate this function\n", 0), 0u) << r.err;
    EXPECT_FALSE(exists("none.png"));
    r = run({"--polar", "1", "--polar", "1/0", "--out", path("none.svg")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cann't calculate this function\nf(1/0): Division by zero: position 3\n");
    EXPECT_FALSE(exists("none.svg"));
}

TEST_F(SurfacePolarFiles, PolarCurvesInEveryFormat) {
    for (const char* name : {"p.png", "p.bmp", "p.svg", "p.pdf"}) {
        const ModeRun r = run({"--polar", "sin(2*X)", "--polar", "1+cos(X)", "--title", "Rose and cardioid",
                               "--size", "500x400", "--out", path(name)});
        ASSERT_EQ(r.status, 0) << name << r.err;
        EXPECT_EQ(r.err, "");
    }
    const QImage image(QString::fromStdString(path("p.png")));
    EXPECT_EQ(image.size(), QSize(500, 400));
    EXPECT_EQ(QImage(QString::fromStdString(path("p.bmp"))).size(), QSize(500, 400));
    EXPECT_TRUE(QSvgRenderer(QString::fromStdString(path("p.svg"))).isValid());
    QFile pdf(QString::fromStdString(path("p.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
    // Both curves are there, in the first two colours of the palette.
    int red = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c == QColor(200, 0, 0);
            blue += c == QColor(0, 0, 200);
        }
    EXPECT_GT(red, 100);
    EXPECT_GT(blue, 100);
}

} // namespace
