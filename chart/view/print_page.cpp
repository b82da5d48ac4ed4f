#include "chart/view/print_page.h"

#include "chart/view/text_metrics.h"
#include "chart/view/ui_services.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <langinfo.h>

#include <cstdint>
#include <exception>

namespace brelt::chart {

namespace {

const TLabelBlock& blockFor(LabelSlot slot, const LabelBlockSet& blocks) {
    switch (slot) {
    case LabelSlot::System: return blocks.system;
    case LabelSlot::Owner: return blocks.owner;
    case LabelSlot::Project: return blocks.project;
    case LabelSlot::Comment: return blocks.comment;
    }
    return blocks.system;
}

// Paper resolution of the PDF pages the command line writes: the same as a printer's high one.
constexpr int kPdfResolution = 1200;

#ifdef _NL_PAPER_WIDTH
int localePaperMm(nl_item item) {
    // glibc answers these two with a number in place of the text pointer.
    return static_cast<int>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(nl_langinfo(item))));
}
#endif

// Keeps the painter's state balanced also when the content's drawing throws.
class PainterState {
public:
    explicit PainterState(QPainter& painter) : m_painter(painter) { m_painter.save(); }
    ~PainterState() { m_painter.restore(); }
    PainterState(const PainterState&) = delete;
    PainterState& operator=(const PainterState&) = delete;

private:
    QPainter& m_painter;
};

} // namespace

PagePainter chartPagePainter(TGraph& graph) {
    return [&graph](QPainter& painter, const QRect& area, OutputKind kind) {
        graph.DrawOn(painter, area, kind);
    };
}

void paintPage(QPainter& painter, const PageGeometry& g, const PrintedPage& page, const PagePainter& content,
               OutputKind kind) {
    const PainterState state(painter);
    if (content && g.fits) content(painter, g.chart, kind);
    painter.setClipping(false);
    // Lines of a quarter millimetre, whatever the resolution.
    const int line = std::max(1, roundEven(0.25 * g.pixelsPerMm));
    for (size_t i = 0; i < g.slotRects.size(); ++i)
        drawLabelBlock(painter, g.slotRects[i], blockFor(g.blocks[i], page.blocks),
                       page.settings.borders ? line : 0);
    const QRect& r = g.printable;
    painter.setPen(QPen(page.settings.borders ? Qt::black : Qt::white, line, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(r.left(), r.top(), r.right() - r.left(), r.bottom() - r.top()));
}

PrintResult printPageOn(QPagedPaintDevice& device, const PrintedPage& page, const PagePainter& content,
                        QString* error) {
    const int dpi = device.logicalDpiX();
    const QRect full = device.pageLayout().fullRectPixels(dpi);
    const PageGeometry geometry = pageGeometry(full.size(), dpi, page.settings);
    if (!geometry.fits) {
        if (error)
            *error = QStringLiteral("The margins leave no room for the chart on this paper.\n"
                                    "Make the margins smaller or choose fewer label blocks.");
        return PrintResult::NoRoom;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error) *error = QStringLiteral("The printer could not begin the page.");
        return PrintResult::Failed;
    }
    QString failure;
    try {
        paintPage(painter, geometry, page, content, OutputKind::Printer);
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = QStringLiteral("unknown error");
    }
    // The job is ended whatever happened while drawing.
    const bool ended = painter.end();
    if (!failure.isEmpty()) {
        if (error) *error = QStringLiteral("The page could not be drawn: ") + failure;
        return PrintResult::Failed;
    }
    if (!ended) {
        if (error) *error = QStringLiteral("The printer could not finish the page.");
        return PrintResult::Failed;
    }
    return PrintResult::Printed;
}

PrintResult printPage(QPrinter& printer, const PrintedPage& page, const PagePainter& content,
                      QString* error) {
    if (printer.printerState() == QPrinter::Active) return PrintResult::Busy;
    printer.setFullPage(true); // coordinates from the paper's corner: the margins are ours
    const PrintResult result = printPageOn(printer, page, content, error);
    if (result == PrintResult::Printed && printer.printerState() == QPrinter::Error) {
        if (error)
            *error = QStringLiteral("The printer reported an error; the page may not have been printed.");
        return PrintResult::Failed;
    }
    return result;
}

bool hasPrintTarget(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty();
}

QString noPrinterText() {
    return QStringLiteral("There is no printer to print to and no file was chosen, so nothing was printed.\n"
                          "Choose a printer, or \"Print to File (PDF)\" in the print dialog.");
}

bool ensurePrintTarget(QPrinter& printer, QWidget* parent) {
    if (hasPrintTarget(printer)) return true;
    if (uiServices().setUpPrinter(parent, printer) && hasPrintTarget(printer)) return true;
    uiServices().message(parent, QStringLiteral("Print"), noPrinterText(), MessageKind::Warning);
    return false;
}

QPageSize::PageSizeId localePageSize() {
#ifdef _NL_PAPER_WIDTH
    const int width = localePaperMm(_NL_PAPER_WIDTH), height = localePaperMm(_NL_PAPER_HEIGHT);
    if (width > 0 && height > 0) return width == 216 && height == 279 ? QPageSize::Letter : QPageSize::A4;
#endif
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

bool writePdfPage(const QString& fileName, const QPageSize& paper, const PrintedPage& page,
                  const PagePainter& content, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PrintResult result = PrintResult::Failed;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Brelt"));
        writer.setTitle(QStringLiteral("Brelt chart"));
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        result = printPageOn(writer, page, content, error);
    }
    buffer.close();
    if (result != PrintResult::Printed) return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace brelt::chart
