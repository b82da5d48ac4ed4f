// The export text: the preview's rules for name, title, header, columns and foot, the delimiters,
// the command line's table of several series, and the numbers' general form.
#include "chart/io/export_text.h"
#include "chart/io/number_text.h"
#include "chart/io/text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brelt::chart;

namespace {

ExportSource threePoints() {
    ExportSource s;
    s.seriesName = QStringLiteral("f(X^2)");
    s.title = QStringList{QStringLiteral("Squares"), QStringLiteral("second line")};
    s.foot = QStringList{QStringLiteral("foot")};
    s.xName = QStringLiteral("Time");
    s.yName = QStringLiteral("Volt");
    s.points = {{0, 0}, {1.5, 2.25}, {-3, 9}};
    return s;
}

struct PreviewCase {
    const char* what;
    ExportOptions options;
    QStringList lines;
    bool error;
};

ExportOptions with(std::function<void(ExportOptions&)> change) {
    ExportOptions o;
    change(o);
    return o;
}

} // namespace

TEST(ExportText, PreviewFollowsTheBoxesColumnsAndDelimiter) {
    const PreviewCase cases[] = {
        {"tab, both axes, columns 1 2", {}, {"Time\tVolt", "0\t0", "1.5\t2.25", "-3\t9"}, false},
        {"columns 2 1 swap header and data",
         with([](ExportOptions& o) { o.xColumn = "2", o.yColumn = "1"; }),
         {"Volt\tTime", "0\t0", "2.25\t1.5", "9\t-3"},
         false},
        {"columns 1 1: message, nothing below name and title",
         with([](ExportOptions& o) { o.name = o.title = o.foot = true, o.yColumn = "1"; }),
         {"f(X^2)", "Squares", "second line"},
         true},
        {"columns 3 1 with only X: the name alone, no data, no message",
         with([](ExportOptions& o) { o.yAxis = false, o.xColumn = "3", o.yColumn = "1"; }),
         {"Time"},
         false},
        {"only Y",
         with([](ExportOptions& o) { o.xAxis = false, o.delimiter = ','; }),
         {"Volt", "0,0", "1.5,2.25", "-3,9"},
         false},
        {"no header, name, title and foot, slash",
         with([](ExportOptions& o) {
             o.xAxis = o.yAxis = false, o.name = o.title = o.foot = true, o.delimiter = '/';
         }),
         {"f(X^2)", "Squares", "second line", "0/0", "1.5/2.25", "-3/9", "foot"},
         false},
    };
    for (const PreviewCase& c : cases) {
        const ExportLines out = buildExportLines(threePoints(), c.options);
        EXPECT_EQ(out.lines, c.lines) << c.what;
        EXPECT_EQ(out.columnError, c.error) << c.what;
    }
    EXPECT_EQ(kExportColumnMessage,
              QStringLiteral("X Column, Y Column must be in range[1..2] and X Colunm not equal Y Column"));
}

TEST(ExportText, Delimiters) {
    EXPECT_EQ(delimiterChar(ExportDelimiter::Space, 'x'), QChar(' '));
    EXPECT_EQ(delimiterChar(ExportDelimiter::Tab, 'x'), QChar('\t'));
    EXPECT_EQ(delimiterChar(ExportDelimiter::User, ';'), QChar(';'));
    // Two semicolons typed: one semicolon between the columns. Empty: Tab again.
    EXPECT_EQ(userDelimiterFrom(";;"), QChar(';'));
    EXPECT_FALSE(userDelimiterFrom(""));
    ExportOptions o;
    o.delimiter = *userDelimiterFrom(";;");
    EXPECT_EQ(buildExportLines(threePoints(), o).lines[1], QStringLiteral("0;0"));

    EXPECT_EQ(delimiterFromWord("tab"), QChar('\t'));
    EXPECT_EQ(delimiterFromWord("comma"), QChar(','));
    EXPECT_EQ(delimiterFromWord("space"), QChar(' '));
    EXPECT_EQ(delimiterFromWord("slash"), QChar('/'));
    EXPECT_EQ(delimiterFromWord("|"), QChar('|'));
    EXPECT_FALSE(delimiterFromWord("semicolon"));
    EXPECT_FALSE(delimiterFromWord(""));
}

TEST(ExportText, TableOfSeveralSeriesAndCrLfFile) {
    ExportSource a = threePoints(), b;
    b.seriesName = QStringLiteral("fit");
    b.points = {{1, 2}};
    const QStringList lines = seriesTableLines({a, b}, ',');
    EXPECT_EQ(lines,
              (QStringList{"f(X^2)", "Time,Volt", "0,0", "1.5,2.25", "-3,9", "", "fit", "X,Y", "1,2"}));
    EXPECT_EQ(crlfText({"a", "", "b"}), QStringLiteral("a\r\n\r\nb\r\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath("t.txt");
    ASSERT_TRUE(writeFileAtomically(path, "one\r\n"));
    QString error;
    EXPECT_FALSE(writeFileAtomically(dir.filePath("missing/t.txt"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("one\r\n"));
}

TEST(NumberText, GeneralFormAndReading) {
    const std::pair<double, const char*> written[] = {{0.1, "0.1"},
                                                      {1.0 / 3, "0.333333333333333"},
                                                      {2.5e20, "2.5E+20"},
                                                      {-1.25e-7, "-1.25E-07"},
                                                      {123456789012345.0, "123456789012345"},
                                                      {0, "0"}};
    for (const auto& [v, text] : written)
        EXPECT_EQ(generalText(v, 15), QLatin1String(text)) << text;
    EXPECT_EQ(generalText(3.14159265, 7), QStringLiteral("3.141593"));

    const std::pair<const char*, std::optional<double>> read[] = {{"1.5", 1.5},
                                                                  {" -2e3\t", -2000.0},
                                                                  {"+4", 4.0},
                                                                  {".5", 0.5},
                                                                  {"1E-2", 0.01},
                                                                  {"", std::nullopt},
                                                                  {"1,5", std::nullopt},
                                                                  {"inf", std::nullopt},
                                                                  {"nan", std::nullopt},
                                                                  {"1e999", std::nullopt},
                                                                  {"0x10", std::nullopt},
                                                                  {"++1", std::nullopt},
                                                                  {"1 2", std::nullopt},
                                                                  {"Time", std::nullopt}};
    for (const auto& [text, v] : read) {
        EXPECT_EQ(readReal(std::string_view(text)), v) << text;
        EXPECT_EQ(readReal(QStringView(QString::fromLatin1(text))), v) << text;
    }
    EXPECT_FALSE(readReal(QStringView(u"1\u00B75")));
}
