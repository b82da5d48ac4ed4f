// The profile file, the history file, the main window's settings with their defaults, the plot
// windows' placement and the choice of the home folder.
#include "workspace/atomic_file.h"
#include "workspace/brelt_home.h"
#include "workspace/calc_settings.h"
#include "workspace/history_file.h"
#include "workspace/profile_file.h"
#include "workspace/profile_settings_store.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace brelt::workspace;

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(ProfileFile, KeysAndSectionsCompareWithoutCase) {
    ProfileFile ini;
    ini.parse(QStringLiteral("[Calc Settings]\r\nDigits=15\r\nHINT=0\r\n"));
    EXPECT_EQ(ini.readInt(QStringLiteral("calc settings"), QStringLiteral("DIGITS"), 12), 15);
    EXPECT_FALSE(ini.readBool(QStringLiteral("CALC SETTINGS"), QStringLiteral("hint"), true));
    ini.writeInt(QStringLiteral("CALC settings"), QStringLiteral("digits"), 9);
    EXPECT_EQ(ini.toText(), QStringLiteral("[Calc Settings]\r\nDigits=9\r\nHINT=0\r\n\r\n"));
}

TEST(ProfileFile, ReadsDefaultsForMissingAndMalformedValues) {
    ProfileFile ini;
    ini.parse(QStringLiteral("[A]\nn=abc\nb=\nx = 7 \n"));
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("n"), 4), 4);
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("missing"), 5), 5);
    EXPECT_TRUE(ini.readBool(QStringLiteral("A"), QStringLiteral("b"), true));
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("x"), 0), 7);
    EXPECT_EQ(ini.readString(QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST(ProfileFile, CorruptTextIsReadSoundly) {
    ProfileFile ini;
    // A truncated section header, lines without "=", a repeated key and a repeated section.
    ini.parse(QStringLiteral("junk before\n[Graphics\nno equals\n[Graphics]\nTitle=one\nTitle=two\n"
                             "garbage\n[Other]\nk=1\n[graphics]\nLegend=L\n[Trunc"));
    EXPECT_EQ(ini.readString(QStringLiteral("Graphics"), QStringLiteral("Title")), QStringLiteral("one"));
    EXPECT_EQ(ini.readString(QStringLiteral("Graphics"), QStringLiteral("Legend")), QStringLiteral("L"));
    EXPECT_EQ(ini.readInt(QStringLiteral("Other"), QStringLiteral("k"), 0), 1);
}

TEST(ProfileFile, LineBreaksInValuesStayOnOneLine) {
    ProfileFile ini;
    ini.writeString(QStringLiteral("Graphics"), QStringLiteral("Title"), QStringLiteral("a\r\nb\nc"));
    ProfileFile back;
    back.parse(ini.toText());
    EXPECT_EQ(back.readString(QStringLiteral("Graphics"), QStringLiteral("Title")), QStringLiteral("a b c"));
    EXPECT_EQ(back.keys(QStringLiteral("Graphics")).size(), 1);
}

TEST(ProfileFile, WritingOneSectionKeepsTheOthers) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Brelt.INI"));
    writeBytes(path, "; kept comment\r\n[fmPlot2D]\r\nLeft=10\r\nPlot_Color=255\r\n[Calc]\r\nLeft=3\r\n");
    ProfileFile ini(path);
    ASSERT_TRUE(ini.load());
    ini.writeInt(QStringLiteral("calc"), QStringLiteral("left"), 4);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readBytes(path), QByteArray("; kept comment\r\n[fmPlot2D]\r\nLeft=10\r\nPlot_Color=255\r\n\r\n"
                                          "[Calc]\r\nLeft=4\r\n\r\n"));
}

TEST(AtomicFile, AFailedWriteKeepsThePreviousFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Brelt.HST"));
    writeBytes(path, "1\r\nold\r\n0\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(writeHistoryFile(path, {{QStringLiteral("new")}, {}}));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readBytes(path), QByteArray("1\r\nold\r\n0\r\n"));
}

TEST(AtomicFile, AWriteThatCannotReplaceItsTargetFails) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("occupied"));
    ASSERT_TRUE(QDir().mkdir(target));
    EXPECT_FALSE(writeTextFileAtomically(target, QStringLiteral("x")));
    EXPECT_TRUE(QFileInfo(target).isDir());
    EXPECT_FALSE(
        writeTextFileAtomically(dir.filePath(QStringLiteral("no/such/folder/f")), QStringLiteral("x")));
}

TEST(HistoryFile, WritesCountsNewestFirstWithCrLf) {
    EXPECT_EQ(historyToText({{QStringLiteral("2*3"), QStringLiteral("sin(X)")}, {QStringLiteral("6")}}),
              QStringLiteral("2\r\n2*3\r\nsin(X)\r\n1\r\n6\r\n"));
}

TEST(HistoryFile, ReadingCutsEntriesAndSurvivesDamage) {
    struct Case {
        const char* text;
        QStringList formulas;
        QStringList results;
    };
    const QString longEntry(300, QLatin1Char('x'));
    const Case cases[] = {
        {"2\r\na\r\nb\r\n1\r\nr\r\n", {"a", "b"}, {"r"}},
        {"2\na\nb\n1\nr", {"a", "b"}, {"r"}},   // LF only, no final line end
        {"3\r\na\r\n", {"a"}, {}},              // truncated in the formulas
        {"1\r\na\r\nxyz\r\nr\r\n", {"a"}, {}},  // a bad result count
        {"-4\r\na\r\n", {}, {}},                // a negative count
        {"", {}, {}},                           // empty file
        {"0\r\n2\r\n\r\nr\r\n", {}, {"", "r"}}, // an empty entry is kept
    };
    for (const Case& c : cases) {
        const CalcHistory history = parseHistory(QString::fromLatin1(c.text));
        EXPECT_EQ(history.formulas, c.formulas) << c.text;
        EXPECT_EQ(history.results, c.results) << c.text;
    }
    const CalcHistory cut = parseHistory(QStringLiteral("1\r\n") + longEntry + QStringLiteral("\r\n0\r\n"));
    ASSERT_EQ(cut.formulas.size(), 1);
    EXPECT_EQ(cut.formulas[0], QString(255, QLatin1Char('x')));
}

TEST(HistoryFile, RoundTripThroughTheDisk) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Brelt.HST"));
    const CalcHistory history{{QStringLiteral("1+2"), QStringLiteral("X=3")},
                              {QStringLiteral("3"), QStringLiteral("3")}};
    ASSERT_TRUE(writeHistoryFile(path, history));
    CalcHistory back;
    ASSERT_TRUE(readHistoryFile(path, back));
    EXPECT_EQ(back.formulas, history.formulas);
    EXPECT_EQ(back.results, history.results);
    EXPECT_FALSE(readHistoryFile(dir.filePath(QStringLiteral("missing")), back));
    EXPECT_TRUE(back.formulas.isEmpty());
}

TEST(CalcSettings, DefaultsOfAnEmptyFile) {
    const CalcSettings s = readCalcSettings(ProfileFile(), QStringLiteral("/home/b"));
    EXPECT_EQ(s.notation, 0);
    EXPECT_EQ(s.digits, 12);
    EXPECT_EQ(s.precision, 9);
    EXPECT_TRUE(s.assistant);
    EXPECT_TRUE(s.hint);
    EXPECT_TRUE(s.degrees);
    EXPECT_EQ(s.variablesFile, QStringLiteral("/home/b/Brelt.USR"));
    EXPECT_EQ(s.functionsFile, QStringLiteral("/home/b/Brelt.FNC"));
    EXPECT_EQ(s.plotType, 0);
    EXPECT_EQ(s.fromX, QStringLiteral("-10"));
    EXPECT_EQ(s.toX, QStringLiteral("10"));
    EXPECT_EQ(s.stepsX, (std::array<int, 5>{200, 40, 40, 40, 360}));
    EXPECT_EQ(s.stepsY, (std::array<int, 5>{0, 40, 40, 40, 0}));
    EXPECT_EQ(s.title, QStringLiteral("f()"));
    EXPECT_EQ(s.xAxis, QStringLiteral("X"));
    EXPECT_EQ(s.yAxis, QStringLiteral("Y"));
}

TEST(CalcSettings, AngleKeyAndRoundTripOfEveryKey) {
    ProfileFile ini;
    ini.parse(QStringLiteral("[Calc Settings]\r\nAngle=0\r\n"));
    EXPECT_FALSE(readCalcSettings(ini, QString()).degrees);
    ini.parse(QStringLiteral("[Calc Settings]\r\nAngle=2\r\n"));
    EXPECT_TRUE(readCalcSettings(ini, QString()).degrees);

    CalcSettings s;
    s.notation = 2;
    s.digits = 15;
    s.precision = 4;
    s.assistant = false;
    s.degrees = false;
    s.plotType = 3;
    s.fromX = QStringLiteral("-1.5");
    s.toY = QStringLiteral("7");
    s.stepsX[4] = 720;
    s.stepsY[2] = 12;
    s.legend = QStringLiteral("leg");
    s.left = 33;
    s.top = 44;
    ProfileFile out;
    writeCalcSettings(out, s);
    ProfileFile back;
    back.parse(out.toText());
    EXPECT_EQ(back.readString(QStringLiteral("Calc Settings"), QStringLiteral("Precison")),
              QStringLiteral("4"));
    EXPECT_EQ(back.readString(QStringLiteral("Calc Settings"), QStringLiteral("Assistant")),
              QStringLiteral("0"));
    const CalcSettings r = readCalcSettings(back, QString());
    EXPECT_EQ(r.notation, 2);
    EXPECT_EQ(r.digits, 15);
    EXPECT_FALSE(r.assistant);
    EXPECT_FALSE(r.degrees);
    EXPECT_EQ(r.plotType, 3);
    EXPECT_EQ(r.fromX, QStringLiteral("-1.5"));
    EXPECT_EQ(r.toY, QStringLiteral("7"));
    EXPECT_EQ(r.stepsX[4], 720);
    EXPECT_EQ(r.stepsY[2], 12);
    EXPECT_EQ(r.legend, QStringLiteral("leg"));
    EXPECT_EQ(r.left, 33);
    EXPECT_EQ(r.top, 44);
    EXPECT_FALSE(back.hasKey(QStringLiteral("Files"), QStringLiteral("Variables")));
}

TEST(WindowPlacement, MissingSectionGivesTopLeft640x480AndSaverKeepsOthers) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Brelt.INI"));
    writeBytes(path, "[Calc Settings]\r\nDigits=14\r\n");
    QWidget window;
    window.setObjectName(QStringLiteral("fmPlot2D"));
    loadWindowPosition(&window, path);
    EXPECT_EQ(window.size(), QSize(640, 480));
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    window.resize(300, 200);
    ASSERT_TRUE(saveWindowPosition(&window, path));
    ProfileFile ini(path);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.readInt(QStringLiteral("fmPlot2D"), QStringLiteral("Width"), 0), 300);
    EXPECT_EQ(ini.readInt(QStringLiteral("fmPlot2D"), QStringLiteral("Height"), 0), 200);
    EXPECT_EQ(ini.readInt(QStringLiteral("Calc Settings"), QStringLiteral("Digits"), 0), 14);
    ini.writeInt(QStringLiteral("fmPlot2D"), QStringLiteral("Width"), -5);
    EXPECT_EQ(readWindowPlacement(ini, QStringLiteral("FMPLOT2D")).width, 640);
}

TEST(WindowPlacement, APlacementNoScreenShowsComesBackOntoThePrimaryScreen) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Brelt.INI"));
    writeBytes(path, "[fmContourPlot]\r\nLeft=-20000\r\nTop=90000\r\nWidth=500\r\nHeight=400\r\n");
    QWidget window;
    window.setObjectName(QStringLiteral("fmContourPlot"));
    loadWindowPosition(&window, path);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(QRect(window.pos(), window.size())))
        << window.pos().x() << "," << window.pos().y();
    EXPECT_EQ(window.size(), QSize(500, 400));
}

TEST(HomeFolder, OptionThenEnvironmentThenProgramFolder) {
    QTemporaryDir a, b, c, data;
    const QString program = a.path();
    EXPECT_EQ(chooseHomeDirectory({"brelt", "--home", b.path()}, c.path(), program, data.path()).directory,
              b.path());
    EXPECT_EQ(chooseHomeDirectory({"brelt", "--home=" + b.path()}, QString(), program, data.path()).directory,
              b.path());
    EXPECT_EQ(chooseHomeDirectory({"brelt"}, c.path(), program, data.path()).directory, c.path());
    EXPECT_EQ(chooseHomeDirectory({"brelt"}, QString(), program, data.path()).directory, program);
    // A home that cannot be made falls back to the user's data folder, with a message.
    const HomeChoice blocked =
        chooseHomeDirectory({"brelt"}, QString(), QStringLiteral("/proc/brelt-not-here"), data.path());
    EXPECT_EQ(blocked.directory, data.path());
    const HomeChoice bad = chooseHomeDirectory({"brelt", "--home", QStringLiteral("/proc/brelt-no")},
                                               QString(), program, data.path());
    EXPECT_EQ(bad.directory, data.path());
    EXPECT_FALSE(bad.error.isEmpty());
}

TEST(HomeFolder, CatalogueOfTheHomeElseTheOneShippedBesideTheProgram) {
    QTemporaryDir home, program;
    const HomePaths paths{home.path(), program.path()};
    EXPECT_EQ(paths.constants(), home.filePath("Brelt.CON")); // neither exists: the home's own name
    writeBytes(program.filePath("Brelt.CON"), "c (m/s) = 299792458\r\n");
    EXPECT_EQ(paths.constants(), program.filePath("Brelt.CON"));
    writeBytes(home.filePath("Brelt.CON"), "mine = 1\r\n");
    EXPECT_EQ(paths.constants(), home.filePath("Brelt.CON"));
}

TEST(AtomicFile, ADiskFullInTheMiddleKeepsThePreviousFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Brelt.INI"));
    writeBytes(path, "[Calc]\r\nLeft=1\r\n");
    // A file-size limit makes the write fail part way, as a full disk does.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = writeTextFileAtomically(path, QString(100000, QLatin1Char('x')));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(path), QByteArray("[Calc]\r\nLeft=1\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Brelt.INI")});
}

TEST(ProfileSettingsStore, ChartKeysMergeIntoTheFileWrittenMeanwhile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Brelt.INI"));
    writeBytes(path, "[fmPlot2DGraph]\r\nPlot_Color=1\r\n");
    ProfileSettingsStore store(path);
    EXPECT_EQ(store.readInt(QStringLiteral("FMPLOT2DGRAPH"), QStringLiteral("plot_color"), 0), 1);
    EXPECT_FALSE(store.read(QStringLiteral("fmPlot2DGraph"), QStringLiteral("Plot_Saved")).has_value());
    store.writeBool(QStringLiteral("fmPlot2DGraph"), QStringLiteral("Plot_Saved"), true);
    // The main window saves its own section in between.
    ProfileFile other(path);
    other.load();
    other.writeInt(QStringLiteral("Calc"), QStringLiteral("Left"), 5);
    ASSERT_TRUE(other.save());
    ASSERT_TRUE(store.flush());
    ProfileFile back(path);
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.readString(QStringLiteral("fmPlot2DGraph"), QStringLiteral("Plot_Saved")),
              QStringLiteral("1"));
    EXPECT_EQ(back.readInt(QStringLiteral("Calc"), QStringLiteral("Left"), 0), 5);
}
