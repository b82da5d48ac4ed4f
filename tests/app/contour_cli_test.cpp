// `brelt --contour` and `brelt --shade`: option checking, the lines as text, failures naming the
// point, the home folder's functions and the angle unit, and the pictures.
#include "app/cli/contour_command.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace brelt;

namespace {

struct ContourRun {
    int status;
    std::string err;
};

ContourRun runContour(const std::vector<std::string>& args, bool shade = false) {
    std::ostringstream out, err;
    const int status = shade ? app::runShadeCli(args, out, err) : app::runContourCli(args, out, err);
    return {status, err.str()};
}

std::string readAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

std::vector<std::string> withRange(std::vector<std::string> args) {
    for (const char* a : {"--from", "0", "--to", "2", "--y-from", "0", "--y-to", "2"})
        args.emplace_back(a);
    return args;
}

} // namespace

struct ContourUsageCase {
    std::vector<std::string> args;
    bool shade;
    const char* message;
};

class ContourUsage : public ::testing::TestWithParam<ContourUsageCase> {};

TEST_P(ContourUsage, BadArgumentsAreRefusedBeforeAnyWork) {
    const ContourRun r = runContour(GetParam().args, GetParam().shade);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("brelt: " + std::string(GetParam().message) + "\n", 0), 0u) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Options, ContourUsage,
    ::testing::Values(ContourUsageCase{withRange({"--out", "a.png"}), false, "--contour needs a formula"},
                      ContourUsageCase{{"--contour", "X", "--from", "0", "--to", "1", "--out", "a.png"},
                                       false,
                                       "--y-from and --y-to are required"},
                      ContourUsageCase{{"--contour", "X", "--y-from", "0", "--y-to", "1", "--out", "a.png"},
                                       false,
                                       "--from and --to are required"},
                      ContourUsageCase{{"--contour", "X", "--from", "1", "--to", "1", "--y-from", "0",
                                        "--y-to", "1", "--out", "a.png"},
                                       false,
                                       "Maximum X-coordinate must be more than minimum one"},
                      ContourUsageCase{{"--contour", "X", "--from", "0", "--to", "1", "--y-from", "2",
                                        "--y-to", "1", "--out", "a.png"},
                                       false,
                                       "Maximum Y-coordinate must be more than minimum one"},
                      ContourUsageCase{withRange({"--contour", "X", "--steps", "1", "--out", "a.png"}), false,
                                       "--steps must be a whole number from 2 to 16000"},
                      ContourUsageCase{withRange({"--contour", "X", "--y-steps", "16001", "--out", "a.png"}),
                                       false, "--y-steps must be a whole number from 2 to 16000"},
                      ContourUsageCase{withRange({"--contour", "X", "--levels", "0", "--out", "a.png"}),
                                       false, "--levels must be a whole number from 1 to 1000"},
                      ContourUsageCase{withRange({"--contour", "X", "--steps", "10000", "--y-steps", "10000",
                                                  "--out", "a.png"}),
                                       false, "--steps times --y-steps must not exceed 25000000"},
                      ContourUsageCase{withRange({"--contour", "X", "--out", "a.gif"}), false,
                                       "--out must end in .png, .bmp, .svg, .pdf or .txt"},
                      ContourUsageCase{withRange({"--shade", "X", "--out", "a.txt"}), true,
                                       "--out must end in .png, .bmp, .svg or .pdf"},
                      ContourUsageCase{withRange({"--contour", "X", "--contour", "Y", "--out", "a.png"}),
                                       false, "--contour takes one formula"},
                      ContourUsageCase{withRange({"--shade", "X", "--grid", "--out", "a.png"}), true,
                                       "unknown shade option: --grid"}));

class ContourFiles : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(ContourFiles, LinesAsText) {
    const ContourRun r = runContour(withRange(
        {"--contour", "X", "--steps", "3", "--y-steps", "2", "--levels", "3", "--out", path("plane.txt")}));
    ASSERT_EQ(r.status, 0) << r.err;
    // Levels 0.25, 0.75, 1.25, each a straight line from one border to the other. Each cell
    // gives three pieces; how they join sets the direction of each line.
    const std::string expected = "# level 0.25\r\n0.25 2\r\n0.25 1.5\r\n0.25 0.5\r\n0.25 0\r\n\r\n"
                                 "# level 0.75\r\n0.75 0\r\n0.75 0.5\r\n0.75 1.5\r\n0.75 2\r\n\r\n"
                                 "# level 1.25\r\n1.25 2\r\n1.25 1.5\r\n1.25 0.5\r\n1.25 0\r\n\r\n";
    EXPECT_EQ(readAll(path("plane.txt")), expected);
}

TEST_F(ContourFiles, FailureNamesThePointAndWritesNothing) {
    const ContourRun r =
        runContour(withRange({"--contour", "1/(X-1)", "--steps", "3", "--out", path("f.png")}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cann't calculate this function at X=1 Y=0\nDivision by zero: position 3\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("f.png"))));
}

TEST_F(ContourFiles, HomeFunctionsAndTheAngleUnit) {
    QFile functions(dir.filePath(QStringLiteral("Brelt.FNC")));
    ASSERT_TRUE(functions.open(QIODevice::WriteOnly));
    functions.write("g(a,b)=a+b\r\n");
    functions.close();
    // sin in degrees over 0, 90, 180: 0 .. 1, one level at 0.25.
    ContourRun r = runContour({"--contour", "g(sin(X),0)",
                               "--from",    "0",
                               "--to",      "180",
                               "--y-from",  "0",
                               "--y-to",    "1",
                               "--steps",   "3",
                               "--y-steps", "2",
                               "--levels",  "1",
                               "--home",    dir.path().toStdString(),
                               "--angle",   "deg",
                               "--out",     path("deg.txt")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readAll(path("deg.txt")).substr(0, 14), "# level 0.25\r\n");
    r = runContour({"--contour", "g(sin(X),0)",
                    "--from",    "0",
                    "--to",      "180",
                    "--y-from",  "0",
                    "--y-to",    "1",
                    "--steps",   "3",
                    "--y-steps", "2",
                    "--levels",  "1",
                    "--home",    dir.path().toStdString(),
                    "--angle",   "rad",
                    "--out",     path("rad.txt")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(readAll(path("rad.txt")).substr(0, 14), "# level 0.25\r\n");
}

TEST_F(ContourFiles, ContourAndShadePictures) {
    ContourRun r = runContour({"--contour", "X^2+Y^2", "--from", "-2", "--to", "2", "--y-from", "-2",
                               "--y-to", "2", "--size", "640x480", "--out", path("c.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage lines(QString::fromStdString(path("c.png")));
    EXPECT_EQ(lines.size(), QSize(640, 480));
    r = runContour({"--shade", "X^2+Y^2", "--from", "-2", "--to", "2", "--y-from", "-2", "--y-to", "2",
                    "--size", "640x480", "--out", path("s.png")},
                   true);
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage shade(QString::fromStdString(path("s.png")));
    // The corners of the plot hold the highest values: the red end of the rainbow; the colour
    // legend at the right has the top of the scale, (185, 60, 60), in its top cell.
    int red = 0, legendTop = 0;
    for (int y = 0; y < shade.height(); ++y)
        for (int x = 0; x < shade.width(); ++x) {
            const QColor c = shade.pixelColor(x, y);
            if (x < 505 && c.red() > 200 && c.green() < 120) ++red;
            if (x >= 510 && c == QColor(185, 60, 60)) ++legendTop;
        }
    EXPECT_GT(red, 50);
    EXPECT_GT(legendTop, 500);
}
