#include "app/cli/picture_output.h"

#include "app/cli/cli_session.h"
#include "chart/view/graph.h"
#include "chart/view/graph_annotate.h"
#include "chart/view/picture_export.h"
#include "chart/view/print_page.h"
#include "chart/vtchart/vt_chart_model.h"
#include "chart/vtchart/vt_picture.h"
#include "windows/vt_tabulation.h"
#include "workspace/profile_settings_store.h"

#include <cstdio>

namespace brelt::app {

namespace {

// Qt's own notices (a missing runtime folder and the like) are not the picture's business; errors
// still come through.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

// The content on one printed page, as the print dialog would print it with the home's settings.
bool writePage(const chart::PagePainter& content, const PictureOptions& options, std::ostream& err) {
    const QString home = QString::fromStdString(resolveHome(options.home));
    const workspace::ProfileSettingsStore store(home + QStringLiteral("/Brelt.INI"));
    const chart::PrintedPage page{chart::loadPageSettings(store),
                                  chart::loadLabelBlocks(store, QDate::currentDate())};
    const QPageSize paper(options.pageSize.empty()       ? chart::localePageSize()
                          : options.pageSize == "Letter" ? QPageSize::Letter
                                                         : QPageSize::A4);
    QString error;
    if (!chart::writePdfPage(QString::fromStdString(options.page), paper, page, content, &error)) {
        err << "brelt: cannot write " << options.page << ": " << error.toStdString() << '\n';
        return false;
    }
    return true;
}

} // namespace

std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    static int argc = 1;
    static char name[] = "brelt";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool writeChartPicture(chart::TGraph& graph, const PictureOptions& options, std::ostream& err) {
    for (const PictureNote& n : options.notes) {
        chart::TAnnotation note;
        note.x = n.x;
        note.y = n.y;
        note.text = QString::fromStdString(n.text);
        graph.Annotations().add(note);
    }
    if (!options.page.empty() && !writePage(chart::chartPagePainter(graph), options, err)) return false;
    if (options.out.empty()) return true;
    const QString fileName = QString::fromStdString(options.out);
    const auto format = chart::pictureFormatOf(fileName);
    QString error;
    if (!format || !chart::savePicture(graph, fileName, *format, QSize(options.width, options.height), &error,
                                       options.scale)) {
        err << "brelt: cannot write " << options.out << ": " << error.toStdString() << '\n';
        return false;
    }
    return true;
}

bool writeVtChartPicture(const chart::TVtChartModel& chart, const PictureOptions& options,
                         std::ostream& err) {
    if (!options.notes.empty()) {
        err << "brelt: --note is for --plot, --contour and --data pictures\n";
        return false;
    }
    const chart::PagePainter content = [&chart](QPainter& painter, const QRect& area, chart::OutputKind) {
        chart.draw(painter, QRectF(area));
    };
    if (!options.page.empty() && !writePage(content, options, err)) return false;
    if (options.out.empty()) return true;
    const QString fileName = QString::fromStdString(options.out);
    const auto format = chart::pictureFormatOf(fileName);
    QString error;
    if (!format ||
        !chart::saveVtChartPicture(chart, fileName, *format, QSize(options.width, options.height), &error)) {
        err << "brelt: cannot write " << options.out << ": " << error.toStdString() << '\n';
        return false;
    }
    return true;
}

bool reportVtTabulation(const windows::TabulationOutcome& outcome, const std::string& name,
                        std::ostream& err) {
    const std::string lead = name.empty() ? std::string() : name + ": ";
    if (!outcome.drawn()) {
        err << "Cann't calculate this function\n"
            << lead << (outcome.refusal.isEmpty() ? outcome.firstFailure : outcome.refusal).toStdString()
            << '\n';
        return false;
    }
    if (outcome.failed > 0) err << "brelt: " << lead << outcome.statusText().toStdString() << '\n';
    return true;
}

} // namespace brelt::app
