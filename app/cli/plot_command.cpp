#include "app/cli/plot_command.h"

#include "app/cli/cli_host.h"
#include "app/cli/plot_options.h"
#include "app/cli/plot_tabulate.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_title.h"
#include "chart/view/picture_export.h"
#include "engine/engine.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace brelt::app {

namespace {

// Qt's own notices (a missing runtime folder and the like) are not the plot's business; errors
// still come through.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

// A GUI application is needed for fonts and painting; the command line never needs a display.
std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    static int argc = 1;
    static char name[] = "brelt";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int runPlotCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    const PlotParse parse = parsePlotOptions(args);
    if (parse.error) {
        err << "brelt: " << *parse.error << "\n\n" << plotUsageText();
        return 2;
    }
    const PlotOptions& o = parse.options;
    const auto app = ensureGuiApplication();

    std::ostringstream messages;
    CliHost host(messages);
    engine::Engine engine(&host);
    host.attach(engine);

    chart::TGraph graph;
    graph.Title().SetText(QString::fromStdString(o.title));
    graph.XAxis().SetName(QString::fromStdString(o.xName));
    graph.YAxis().SetName(QString::fromStdString(o.yName));
    graph.XAxis().SetLog(o.logX);
    graph.YAxis().SetLog(o.logY);
    graph.XAxis().SetGrid(o.grid);
    graph.YAxis().SetGrid(o.grid);
    for (const std::string& formula : o.formulas) {
        const TabulationResult r = tabulateIntoChart(graph, engine, formula, o.from, o.to, o.steps);
        if (!r.ok) {
            err << "Cann't calculate this function\n" << r.resultText << '\n';
            return 1;
        }
    }
    const QString fileName = QString::fromStdString(o.out);
    const auto format = chart::pictureFormatOf(fileName);
    QString error;
    if (!format || !chart::savePicture(graph, fileName, *format, QSize(o.width, o.height), &error)) {
        err << "brelt: cannot write " << o.out << ": " << error.toStdString() << '\n';
        return 1;
    }
    return 0;
}

} // namespace brelt::app
