// `brelt --data`: data options checked before any work, a file read with its header skipped and
// counted, fits, the text table and the DXF drawing, and formulas over the data's X range.
#include "app/cli/cli_modes.h"
#include "app/cli/plot_command.h"
#include "app/cli/plot_options.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace brelt;

namespace {

struct CliRun {
    int status;
    std::string err;
};

CliRun runData(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = app::selectedPictureMode(args)->command(args, out, err);
    return {status, err.str()};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DataFiles : public ::testing::Test {
protected:
    void SetUp() override {
        QFile f(QString::fromStdString(path("m.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Time Volt\r\n0 1\r\n1 3\r\nbroken\r\n2 5\r\n");
    }
    std::string path(const char* name) const { return dir.filePath(QLatin1String(name)).toStdString(); }
    QTemporaryDir dir;
};

} // namespace

TEST(DataOptions, BadValuesAreRefusedBeforeAnyWork) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--data"}, "--data needs a value"},
        {{"--data", "m.txt", "--columns", "0,2", "--out", "a.png"},
         "--columns must be X,Y with whole numbers"},
        {{"--data", "m.txt", "--columns", "2", "--out", "a.png"}, "--columns must be X,Y with whole numbers"},
        {{"--data", "m.txt", "--fit", "41", "--out", "a.png"}, "--fit must be a whole number from 1 to 40"},
        {{"--data", "m.txt", "--fit", "0", "--out", "a.png"}, "--fit must be a whole number from 1 to 40"},
        {{"--data", "m.txt", "--table", "t", "--delimiter", "semicolon"}, "--delimiter must be tab, comma"},
        {{"--data", "m.txt", "--delimiters", "abcdefghijkl", "--out", "a.png"},
         "--delimiters takes at most 11"},
        {{"--data", "m.txt"}, "--out FILE or --page FILE.pdf is required"},
        {{"--data", "m.txt", "--plot", "X", "--from", "0", "--out", "a.png"}, "--from and --to are required"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun r = runData(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.err.rfind("brelt: " + std::string(message), 0), 0u) << r.err;
    }
    const app::PlotParse p = app::parsePlotOptions(
        {"--delimiters", ";", "--data", "a", "--data", "b", "--columns", "3,1", "--dxf", "d.dxf"});
    ASSERT_FALSE(p.error) << *p.error;
    ASSERT_EQ(p.options.data.files.size(), 2u);
    EXPECT_EQ(p.options.data.files[0].delimiters, u";");
    EXPECT_EQ(p.options.data.files[0].xColumn, 1);
    EXPECT_EQ(p.options.data.files[1].xColumn, 3);
    EXPECT_EQ(p.options.data.files[1].delimiters, u";");
}

TEST_F(DataFiles, DataFitTableDxfAndPicture) {
    const CliRun r = runData({"--data", path("m.txt"), "--fit", "1", "--xname", "Time", "--table", path("t.txt"),
                           "--delimiter", "comma", "--dxf", path("d.dxf"), "--out", path("p.png"), "--size",
                           "320x240"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "brelt: " + path("m.txt") +
                         ": 2 lines without numbers in columns 1 and 2 skipped (the first is line 1)\n");
    const QByteArray table = readAll(QString::fromStdString(path("t.txt")));
    EXPECT_TRUE(
        table.startsWith("m.txt\r\nTime,Y\r\n0,1\r\n1,3\r\n2,5\r\n\r\nm.txtFit1\r\nTime,Y\r\n0,1\r\n"))
        << table.left(80).toStdString();
    EXPECT_TRUE(table.endsWith("\r\n2,5\r\n"));
    // The data are drawn as markers, the fit as 200 line segments (the first of zero length).
    const QByteArray dxf = readAll(QString::fromStdString(path("d.dxf")));
    EXPECT_EQ(dxf.count("\r\nLINE\r\n8\r\nM.TXTFIT1\r\n"), 200);
    EXPECT_TRUE(dxf.endsWith("0\r\nEOF\r\n"));
    EXPECT_EQ(QImage(QString::fromStdString(path("p.png"))).size(), QSize(320, 240));
}

TEST_F(DataFiles, FormulasFollowTheDataRangeAndNoPictureIsNeeded) {
    const CliRun r = runData({"--plot", "2*X", "--steps", "3", "--data", path("m.txt"), "--columns", "2,1",
                           "--table", path("t.txt")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(readAll(QString::fromStdString(path("t.txt")))
                    .endsWith("f(2*X)\r\nX\tY\r\n1\t2\r\n3\t6\r\n5\t10\r\n"));

    const CliRun missing = runData({"--data", path("none.txt"), "--out", path("p.png")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.rfind("brelt: cannot read " + path("none.txt"), 0), 0u) << missing.err;
    const CliRun columns = runData({"--data", path("m.txt"), "--columns", "4,1", "--out", path("p.png")});
    EXPECT_EQ(columns.status, 1);
    EXPECT_EQ(columns.err, "brelt: " + path("m.txt") + ": no line holds numbers in columns 4 and 1\n");
}
