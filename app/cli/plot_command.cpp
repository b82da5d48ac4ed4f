#include "app/cli/plot_command.h"

#include "app/cli/cli_session.h"
#include "app/cli/data_plot.h"
#include "app/cli/picture_output.h"
#include "app/cli/plot_options.h"
#include "app/cli/plot_tabulate.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_title.h"
#include "engine/engine.h"

#include <sstream>

namespace brelt::app {

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
    CliSession session(messages);
    engine::Engine& engine = session.engine();
    engine.AngleUnit = o.picture.angleUnit;
    session.loadHomeFiles(resolveHome(o.picture.home), err);

    chart::TGraph graph;
    graph.Title().SetText(QString::fromStdString(o.picture.title));
    graph.XAxis().SetName(QString::fromStdString(o.picture.xName));
    graph.YAxis().SetName(QString::fromStdString(o.picture.yName));
    graph.XAxis().SetLog(o.logX);
    graph.YAxis().SetLog(o.logY);
    graph.XAxis().SetGrid(o.grid);
    graph.YAxis().SetGrid(o.grid);
    if (!addDataSeries(graph, o.data, err)) return 1;
    const auto [from, to] = o.rangeGiven ? std::pair(o.from, o.to) : seriesXRange(graph);
    for (const std::string& formula : o.formulas) {
        const TabulationResult r = tabulateIntoChart(graph, engine, formula, from, to, o.steps);
        if (!r.ok) {
            err << "Cann't calculate this function\n" << r.resultText << '\n';
            return 1;
        }
    }
    if (!finishDataOutputs(graph, o.data, err)) return 1;
    if ((!o.picture.out.empty() || !o.picture.page.empty()) && !writeChartPicture(graph, o.picture, err))
        return 1;
    return 0;
}

} // namespace brelt::app
