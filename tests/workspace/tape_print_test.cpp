// The tape on paper: every line, in pages, inside the page margins of the settings; and the Print
// button of the Tape page printing into the file chosen in the print dialog.
#include "chart/view/print_layout.h"
#include "chart/view/settings_store.h"
#include "support/fake_ui_services.h"
#include "support/pdf_pages.h"
#include "workspace/tape_print.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brelt;

TEST(TapePrint, LinesGoInPagesInsideTheMargins) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tape.pdf"));
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("%1*%1 = %2; ").arg(i).arg(i * i);
    chart::PageSettings settings;
    settings.left = 40, settings.top = 30, settings.right = 30, settings.bottom = 30;
    int pages = 0;
    {
        QPdfWriter writer(file);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pages =
            workspace::printTapePages(writer, lines, QFont(QStringLiteral("DejaVu Sans Mono"), 10), settings);
    }
    // 10-point lines are about 4.5 mm apart; 237 mm of A4 hold some fifty of them.
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 4);
    EXPECT_EQ(brelt::testing::pdfPageCount(file), pages);

    const int dpi = 60;
    const QImage page = brelt::testing::renderPdfPage(file, 1, dpi);
    ASSERT_FALSE(page.isNull());
    const chart::PageGeometry g = chart::pageGeometry(page.size(), dpi, settings);
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 160) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(g.printable.adjusted(-1, -1, 1, 1).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    // The text starts at the top left corner of the printable area and fills the page downwards.
    EXPECT_LE(ink.left() - g.printable.left(), 4); // a glyph's side bearing
    EXPECT_LE(ink.top() - g.printable.top(), 4);
    EXPECT_GT(ink.bottom(), g.printable.bottom() - 20);
}

TEST(TapePrint, WithoutAPrinterTheFileChosenInThePrintDialogTakesTheTape) {
    brelt::testing::FakeUiServices ui;
    QTemporaryDir dir;
    chart::MemorySettingsStore store;
    store.write(QStringLiteral("Print"), QStringLiteral("Left"), QStringLiteral("50"));
    ui.printerOutputFile = dir.filePath(QStringLiteral("tape.pdf"));
    const QStringList lines{QStringLiteral("1+1 = 2; "), QStringLiteral("2*3 = 6; ")};
    workspace::printTape(lines, QFont(QStringLiteral("DejaVu Sans"), 12), nullptr, store);
    if (ui.printerDialogs == 0) GTEST_SKIP() << "this machine has a default printer";
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(brelt::testing::pdfPageCount(ui.printerOutputFile), 1);
    // The stored left margin of 50 mm holds for the tape too.
    const int dpi = 50;
    const QImage page = brelt::testing::renderPdfPage(ui.printerOutputFile, 1, dpi);
    ASSERT_FALSE(page.isNull());
    int left = page.width();
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 160) left = std::min(left, x);
    EXPECT_NEAR(left, 50 * dpi / 25.4, 3);
}
