// A printed page: label blocks kept in the settings, the page painted where the geometry says,
// the chart of a real print job read back from its PDF inside the margins, and the job ended
// also when drawing fails.
#include "chart/data/series.h"
#include "chart/view/graph.h"
#include "chart/view/print_page.h"
#include "chart/view/settings_store.h"
#include "support/pdf_pages.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace brelt::chart;

namespace {

bool isWhite(QRgb c) {
    return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
}

bool isBlack(QRgb c) {
    return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60;
}

// A line across x (or y) near a point: the darkest pixel within two pixels is dark.
bool darkNear(const QImage& image, QPoint at, bool vertical) {
    int darkest = 255;
    for (int d = -2; d <= 2; ++d) {
        const QPoint p = vertical ? at + QPoint(d, 0) : at + QPoint(0, d);
        darkest = std::min(darkest, qGray(image.pixel(p)));
    }
    return darkest < 100;
}

bool isBlue(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 90;
}

// Where a page rectangle of the print lies on an image of the page at `dpi`.
QRect scaled(const QRect& r, double scale) {
    return QRect(QPoint(qRound(r.left() * scale), qRound(r.top() * scale)),
                 QPoint(qRound(r.right() * scale), qRound(r.bottom() * scale)));
}

} // namespace

TEST(LabelBlocks, KeptInTheirSectionsLineByLine) {
    LabelBlockSet blocks;
    blocks.owner.text = QStringLiteral("Acme Optics\nLens department");
    blocks.owner.font.size = 14;
    blocks.owner.font.bold = true;
    blocks.owner.justify = LabelJustify::Center;
    blocks.owner.pictureFile = QStringLiteral("/pictures/acme.png");
    blocks.project.text = QStringLiteral("Oscillator");
    MemorySettingsStore store;
    saveLabelBlocks(store, blocks);
    EXPECT_EQ(store.read(QStringLiteral("Owner LOGO"), QStringLiteral("Lines")), QStringLiteral("2"));
    EXPECT_EQ(store.read(QStringLiteral("Owner LOGO"), QStringLiteral("Line2")),
              QStringLiteral("Lens department"));
    EXPECT_EQ(store.read(QStringLiteral("Owner LOGO"), QStringLiteral("Justify")), QStringLiteral("Center"));
    EXPECT_EQ(store.read(QStringLiteral("Owner LOGO"), QStringLiteral("Font_Style")), QStringLiteral("B"));

    const QDate date(2024, 3, 5);
    const LabelBlockSet back = loadLabelBlocks(store, date);
    EXPECT_EQ(back.owner, blocks.owner);
    EXPECT_EQ(back.project, blocks.project);
    EXPECT_EQ(back.system.name, QStringLiteral("System LOGO"));
    EXPECT_EQ(back.system.text, QStringLiteral("Brelt\n") + QLocale().toString(date, QLocale::LongFormat));
    EXPECT_EQ(back.system.font.name, QStringLiteral("Arial"));
    EXPECT_EQ(back.system.font.size, 10);
    EXPECT_TRUE(back.system.pictureFile.isEmpty());
}

TEST(PrintedPage, ContentInTheChartRectangleBlocksInTheirSlotsAndTheBorder) {
    PrintedPage page;
    page.settings.borders = true;
    page.settings.owner = true;
    page.blocks.owner.text = QStringLiteral("Acme");
    QImage image(1050, 1485, QImage::Format_RGB32); // A4 at 127 pixels per inch: 5 per millimetre
    image.fill(Qt::white);
    const PageGeometry g = pageGeometry(image.size(), 127, page.settings);
    QRect painted;
    OutputKind kind = OutputKind::Screen;
    {
        QPainter painter(&image);
        paintPage(
            painter, g, page,
            [&](QPainter& p, const QRect& area, OutputKind k) {
                painted = area;
                kind = k;
                p.fillRect(area.adjusted(10, 10, -10, -10), Qt::blue);
            },
            OutputKind::Printer);
    }
    EXPECT_EQ(painted, g.chart);
    EXPECT_EQ(kind, OutputKind::Printer);
    const QRect& r = g.printable;
    EXPECT_TRUE(isBlack(image.pixel(r.left(), (r.top() + r.bottom()) / 2)));
    EXPECT_TRUE(isBlack(image.pixel((r.left() + r.right()) / 2, r.top())));
    EXPECT_TRUE(isWhite(image.pixel(r.left() - 3, r.top() - 3)));
    // The two blocks' common edge in the lowest row, and the chart's own fill above the rows.
    EXPECT_TRUE(isBlack(image.pixel(g.slotRects[1].left(), g.slotRects[1].top() + 5)));
    EXPECT_TRUE(isBlue(image.pixel(g.chart.center().x(), g.chart.bottom() - 12)));
    EXPECT_TRUE(isWhite(image.pixel(g.chart.left() + 30, g.chart.bottom() + 2)));
}

TEST(PrintedPage, MarginsWithoutRoomPrintNothingAndSaySo) {
    QTemporaryDir dir;
    PrintedPage page;
    page.settings.left = page.settings.right = 100;
    bool drawn = false;
    QString error;
    EXPECT_FALSE(writePdfPage(
        dir.filePath(QStringLiteral("p.pdf")), QPageSize(QPageSize::A4), page,
        [&](QPainter&, const QRect&, OutputKind) { drawn = true; }, &error));
    EXPECT_FALSE(drawn);
    EXPECT_EQ(error, QStringLiteral("The margins leave no room for the chart on this paper.\n"
                                    "Make the margins smaller or choose fewer label blocks."));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("p.pdf"))));
}

TEST(PrintedPage, TheJobEndsAlsoWhenDrawingFails) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath(QStringLiteral("failed.pdf")));
    QString error;
    const PrintResult result = printPage(
        printer, PrintedPage{},
        [](QPainter&, const QRect&, OutputKind) { throw std::runtime_error("the chart broke"); }, &error);
    EXPECT_EQ(result, PrintResult::Failed);
    EXPECT_EQ(error, QStringLiteral("The page could not be drawn: the chart broke"));
    EXPECT_NE(printer.printerState(), QPrinter::Active);
    // The printer takes the next page at once.
    EXPECT_EQ(printPage(printer, PrintedPage{}, {}, &error), PrintResult::Printed);
}

TEST(PrintedPage, APrintRequestWhileThePrinterPrintsDoesNothing) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath(QStringLiteral("once.pdf")));
    PrintResult inner = PrintResult::Printed;
    int pages = 0;
    const PagePainter content = [&](QPainter&, const QRect&, OutputKind) {
        ++pages;
        inner = printPage(
            printer, PrintedPage{}, [&](QPainter&, const QRect&, OutputKind) { ++pages; }, nullptr);
    };
    EXPECT_EQ(printPage(printer, PrintedPage{}, content, nullptr), PrintResult::Printed);
    EXPECT_EQ(inner, PrintResult::Busy);
    EXPECT_EQ(pages, 1);
}

TEST(PrintedPage, APrintedChartLiesInsideTheMargins) {
    TGraph graph;
    graph.SetImageSize(QSize(400, 300));
    auto series = std::make_unique<TSeries>(&graph, QStringLiteral("ramp"), SeriesStyle::Line, clBlue);
    for (int i = 0; i <= 20; ++i)
        series->AddPoint(clBlue, QString(), i, i * i);
    graph.AddLayer(std::move(series));
    graph.Draw();
    const QRect screenPlot = graph.GetPlotRect();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    PrintedPage page;
    page.settings.left = 40, page.settings.right = 30, page.settings.top = 35, page.settings.bottom = 25;
    page.settings.borders = true;
    page.settings.comment = true;
    page.blocks.comment.text = QStringLiteral("A ramp of squares");
    QString error;
    ASSERT_EQ(printPage(printer, page, chartPagePainter(graph), &error), PrintResult::Printed)
        << error.toStdString();
    // The screen's chart is as it was.
    EXPECT_EQ(graph.GetPlotRect(), screenPlot);

    const int dpi = 100;
    const QImage image = brelt::testing::renderPdfPage(file, 1, dpi);
    ASSERT_FALSE(image.isNull()) << "pdftoppm could not render " << file.toStdString();
    const QSizeF paper = brelt::testing::pdfPaperPoints(file);
    EXPECT_NEAR(paper.width(), 595.3, 0.5);
    EXPECT_NEAR(paper.height(), 841.9, 0.5);
    const double scale = dpi / 1200.0; // the printer's pixels to the image's
    const PageGeometry g =
        pageGeometry(printer.pageLayout().fullRectPixels(1200).size(), 1200, page.settings);
    const QRect printable = scaled(g.printable, scale);
    const QRect chart = scaled(g.chart, scale);
    int outside = 0, blueInside = 0, blueOutside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (!printable.adjusted(-2, -2, 2, 2).contains(x, y) && !isWhite(c)) ++outside;
            if (isBlue(c)) (chart.contains(x, y) ? blueInside : blueOutside)++;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(blueInside, 200);
    EXPECT_EQ(blueOutside, 0);
    // The black border on the printable area's edges.
    EXPECT_TRUE(darkNear(image, QPoint(printable.left(), printable.center().y()), true));
    EXPECT_TRUE(darkNear(image, QPoint(printable.right(), printable.center().y()), true));
    EXPECT_TRUE(darkNear(image, QPoint(printable.center().x(), printable.bottom()), false));
}
