// `--page FILE.pdf` and `--page-size`: the chart printed on a paper page through the print path,
// with the margins and label blocks of the home's Brelt.INI, beside or instead of --out.
#include "app/cli/plot_command.h"
#include "support/case_names.h"
#include "support/pdf_pages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

using namespace brelt;

namespace {

struct PageRun {
    int status;
    std::string err;
};

PageRun plot(std::vector<std::string> args) {
    std::ostringstream out, err;
    std::vector<std::string> all = {"--plot", "X*X", "--from", "-2", "--to", "2"};
    all.insert(all.end(), args.begin(), args.end());
    const int status = app::runPlotCli(all, out, err);
    return {status, err.str()};
}

class PageCli : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
    QTemporaryDir dir;
};

} // namespace

struct PageUsage {
    std::vector<std::string> args;
    const char* message;
};

// The case as ctest lists it.
[[maybe_unused]] void PrintTo(const PageUsage& c, std::ostream* os) {
    std::string text = c.message;
    for (const std::string& arg : c.args)
        text += " " + arg;
    *os << brelt::testing::caseName(text);
}

class PageOptionErrors : public ::testing::TestWithParam<PageUsage> {};

TEST_P(PageOptionErrors, AreRefusedBeforeAnyWork) {
    const PageRun r = plot(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("brelt: " + std::string(GetParam().message) + "\n", 0), 0u) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Page, PageOptionErrors,
                         ::testing::Values(PageUsage{{"--page", "sheet.png"}, "--page must end in .pdf"},
                                           PageUsage{{"--page", "a.pdf", "--page-size", "A5"},
                                                     "--page-size takes A4 or Letter, not \"A5\""},
                                           PageUsage{{"--page"}, "--page needs a value"}));

TEST_F(PageCli, PaperSizesAndThePictureBeside) {
    ASSERT_EQ(
        plot({"--page", path("a4.pdf"), "--page-size", "a4", "--home", dir.path().toStdString()}).status, 0);
    const QSizeF a4 = brelt::testing::pdfPaperPoints(QString::fromStdString(path("a4.pdf")));
    EXPECT_NEAR(a4.width(), 595.3, 0.5);
    EXPECT_NEAR(a4.height(), 841.9, 0.5);

    const PageRun both = plot({"--page", path("letter.pdf"), "--page-size", "Letter", "--out",
                               path("chart.png"), "--home", dir.path().toStdString()});
    ASSERT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(brelt::testing::pdfPaperPoints(QString::fromStdString(path("letter.pdf"))), QSizeF(612, 792));
    EXPECT_EQ(brelt::testing::pdfPageCount(QString::fromStdString(path("letter.pdf"))), 1);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path("chart.png"))));
}

TEST_F(PageCli, TheHomesMarginsPlaceTheChart) {
    QFile ini(dir.filePath(QStringLiteral("Brelt.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Print]\r\nLeft=60\r\nRight=20\r\nTop=50\r\nBottom=40\r\nBorders=1\r\n");
    ini.close();
    const PageRun r =
        plot({"--page", path("page.pdf"), "--page-size", "A4", "--home", dir.path().toStdString()});
    ASSERT_EQ(r.status, 0) << r.err;

    const int dpi = 50;
    const QImage page = brelt::testing::renderPdfPage(QString::fromStdString(path("page.pdf")), 1, dpi);
    ASSERT_FALSE(page.isNull());
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200) ink |= QRect(x, y, 1, 1);
    // The border is the outermost ink: 60 mm from the left, 50 from the top, 40 from the bottom.
    const double perMm = dpi / 25.4;
    EXPECT_NEAR(ink.left(), 60 * perMm, 2);
    EXPECT_NEAR(ink.top(), 50 * perMm, 2);
    EXPECT_NEAR(page.width() - 1 - ink.right(), 20 * perMm, 2);
    EXPECT_NEAR(page.height() - 1 - ink.bottom(), 40 * perMm, 2);
}
