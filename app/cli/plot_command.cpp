#include "app/cli/plot_command.h"

#include "app/cli/cli_session.h"
#include "app/cli/data_plot.h"
#include "app/cli/picture_output.h"
#include "app/cli/plot_options.h"
#include "app/cli/plot_tabulate.h"
#include "chart/data/series.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_title.h"
#include "engine/engine.h"

#include <algorithm>
#include <sstream>

namespace brelt::app {

int runPlotCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    const PlotParse parse = parsePlotOptions(args);
    if (parse.error) return refusePictureArguments(err, *parse.error, plotUsageText());
    const PlotOptions& o = parse.options;
    const auto app = ensureGuiApplication();

    std::ostringstream messages;
    CliSession session(messages);
    session.startPicture(o.picture, err);
    engine::Engine& engine = session.engine();

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
        const TabulationResult r =
            tabulateIntoChart(graph, engine, formula, from, to, o.steps, {o.logX, o.skipUndefined});
        const std::string at = " at X=" + xText(r.failedX) + ": " + r.resultText + '\n';
        if (!r.ok) {
            err << "brelt: Cann't calculate this function \"" << formula << '"'
                << (o.skipUndefined ? " at any X, the first" : "") << at;
            return 1;
        }
        if (r.leftOut > 0)
            err << "brelt: \"" << formula << "\": left out " << r.leftOut << " of " << o.steps
                << " points where it is undefined, the first" << at;
    }
    // A logarithmic axis shows the smallest positive value tabulated, however small; only values
    // at or below zero stand on the clamp.
    if (o.logX || o.logY) {
        double smallest = graph.minLogValue();
        for (int i = 0; i < graph.LayerCount(); ++i)
            if (const auto* s = dynamic_cast<const chart::TSeries*>(graph.Layers(i)))
                for (int k = 0; k < s->Count(); ++k)
                    for (const double v : {o.logX ? s->pointAt(k).X : 1.0, o.logY ? s->pointAt(k).Y : 1.0})
                        if (v > 0) smallest = std::min(smallest, v);
        graph.SetMinLogValue(smallest);
    }
    if (!finishDataOutputs(graph, o.data, err)) return 1;
    if ((!o.picture.out.empty() || !o.picture.page.empty()) && !writeChartPicture(graph, o.picture, err))
        return 1;
    return 0;
}

} // namespace brelt::app
