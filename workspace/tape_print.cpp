#include "workspace/tape_print.h"

#include "chart/view/print_layout.h"
#include "chart/view/print_page.h"
#include "chart/view/ui_services.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace brelt::workspace {

int printTapePages(QPagedPaintDevice& device, const QStringList& lines, const QFont& font,
                   const chart::PageSettings& settings) {
    const int dpi = device.logicalDpiX();
    const chart::PageGeometry page =
        chart::pageGeometry(device.pageLayout().fullRectPixels(dpi).size(), dpi, settings);
    const QRect& p = page.printable;
    const QSize body(p.right() - p.left(), p.bottom() - p.top());
    if (body.width() <= 0 || body.height() <= 0) return -1;

    // A font in points prints at the paper's resolution; a pixel-sized one is taken as on screen.
    QFont paperFont = font;
    if (paperFont.pointSizeF() <= 0) paperFont.setPointSizeF(std::max(1, font.pixelSize()) * 72.0 / 96.0);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(paperFont);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere); // a long result never runs off
    document.setDefaultTextOption(option);
    document.setDocumentMargin(0); // the page margins are the only ones
    document.setPlainText(lines.join(QLatin1Char('\n')));
    document.setPageSize(body); // the layout breaks pages between lines, never through one
    const int pages = document.pageCount();

    QPainter painter;
    if (!painter.begin(&device)) return -1;
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.translate(p.left(), p.top() - i * body.height());
        document.drawContents(&painter, QRectF(0, i * body.height(), body.width(), body.height()));
        painter.restore();
    }
    painter.end();
    return pages;
}

void printTape(const QStringList& lines, const QFont& font, QWidget* parent,
               const chart::SettingsStore& store) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Brelt tape"));
    if (!chart::hasPrintTarget(printer)) printer.setPageSize(QPageSize(chart::localePageSize()));
    if (!chart::ensurePrintTarget(printer, parent)) return;
    printer.setFullPage(true); // the margins are the page settings'
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int pages = printTapePages(printer, lines, font, chart::loadPageSettings(store));
    QApplication::restoreOverrideCursor();
    if (pages < 0 || printer.printerState() == QPrinter::Error)
        chart::uiServices().message(parent, QStringLiteral("Brelt"),
                                    QStringLiteral("The tape could not be printed."),
                                    chart::MessageKind::Error);
}

} // namespace brelt::workspace
