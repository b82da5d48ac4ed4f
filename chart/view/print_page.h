#pragma once
// One printed page: the chart (or any drawing) in its rectangle, the label blocks in their slots
// and the rectangle around the printable area, painted the same way on a printer, into a PDF file
// (the command line) and into the preview's picture. Also the printer's readiness: a real printer
// or a chosen file, else the print dialog, else a clear message, never a silent nothing.
#include "chart/view/graph.h"
#include "chart/view/label_blocks.h"
#include "chart/view/print_layout.h"

#include <QPageSize>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace brelt::chart {

// Paints what the page shows in `area` (page convention: right() and bottom() are the edges).
using PagePainter = std::function<void(QPainter& painter, const QRect& area, OutputKind kind)>;

// The chart engine's own Draw on the page: white background, black axes and text, sizes grown by
// the scale unit of the page's resolution.
PagePainter chartPagePainter(TGraph& graph);

struct PrintedPage {
    PageSettings settings;
    LabelBlockSet blocks;
};

// Paints the whole page on `painter`, whose coordinates start at the paper's corner.
void paintPage(QPainter& painter, const PageGeometry& geometry, const PrintedPage& page,
               const PagePainter& content, OutputKind kind);

enum class PrintResult { Printed, Busy, NoRoom, Failed };

// Prints one page on `device` (a QPrinter set to full page, or a QPdfWriter without margins) at
// its resolution; the job is always ended, also when drawing fails. On Failed or NoRoom `error`
// holds the message.
PrintResult printPageOn(QPagedPaintDevice& device, const PrintedPage& page, const PagePainter& content,
                        QString* error);
// The same on a printer: nothing while it is already printing.
PrintResult printPage(QPrinter& printer, const PrintedPage& page, const PagePainter& content, QString* error);

// The printer goes somewhere: a printer by name, or a file.
bool hasPrintTarget(const QPrinter& printer);
// A printer with a target as it stands, else the print dialog (where "Print to file" can be
// chosen); false, after telling the user, when there is still no printer and no file.
bool ensurePrintTarget(QPrinter& printer, QWidget* parent);
// What the user reads when nothing could be printed to.
QString noPrinterText();

// The paper of the user's locale: Letter where the locale's paper is, else A4.
QPageSize::PageSizeId localePageSize();

// One page as a PDF file, written atomically; false with a message in `error`.
bool writePdfPage(const QString& fileName, const QPageSize& paper, const PrintedPage& page,
                  const PagePainter& content, QString* error);

} // namespace brelt::chart
