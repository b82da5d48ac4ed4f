#pragma once
// The tape on paper: every tape line, in order, one text line each, in pages inside the page
// margins that charts print with ("Print" section of the settings). The printer is the default
// one; without one the print dialog offers a file, and with neither the user is told.
#include <QFont>
#include <QStringList>

class QPagedPaintDevice;
class QWidget;

namespace brelt::chart {
class SettingsStore;
struct PageSettings;
} // namespace brelt::chart

namespace brelt::workspace {

// Prints `lines` in `font`; failures are reported in a message box.
void printTape(const QStringList& lines, const QFont& font, QWidget* parent,
               const chart::SettingsStore& store);

// The pages on any paged device (a printer, a PDF writer); the number of pages, or -1 when the
// device could not be opened.
int printTapePages(QPagedPaintDevice& device, const QStringList& lines, const QFont& font,
                   const chart::PageSettings& settings);

} // namespace brelt::workspace
