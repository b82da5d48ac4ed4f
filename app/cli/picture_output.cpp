#include "app/cli/picture_output.h"

#include "chart/view/graph.h"
#include "chart/view/picture_export.h"

#include <cstdio>

namespace brelt::app {

namespace {

// Qt's own notices (a missing runtime folder and the like) are not the picture's business; errors
// still come through.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
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
    // A picture for a page: white around the plot, not the window's button face.
    graph.SetBackColor(chart::clWhite);
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

} // namespace brelt::app
