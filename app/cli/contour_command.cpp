#include "app/cli/contour_command.h"

#include "app/cli/cli_session.h"
#include "app/cli/contour_options.h"
#include "app/cli/picture_output.h"
#include "chart/contour/contour.h"
#include "chart/contour/contour_text.h"
#include "chart/view/axis.h"
#include "chart/view/color_legend.h"
#include "chart/view/graph.h"
#include "chart/view/graph_title.h"
#include "chart/view/series_legend.h"
#include "engine/engine.h"
#include "engine/grid_tabulation.h"
#include "engine/input_check.h"
#include "engine/line_evaluation.h"

#include <QFileInfo>
#include <QSaveFile>

#include <charconv>
#include <sstream>

namespace brelt::app {

namespace {

// The result line of a failure, as the Return key shows it for this formula at the point where
// the tabulation stopped (X and Y are still in their slots).
std::string resultLine(engine::Engine& engine, const std::string& formula, int code) {
    if (code != engine::kOverflow) {
        const engine::LineOutcome outcome = engine::evaluateLine(engine, formula, 18);
        if (!outcome.success && !outcome.resultText.empty()) return outcome.resultText;
    }
    return engine.MessageText(engine::kOverflow) + ": position 1";
}

std::string pointText(engine::Real v) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, v);
    return error == std::errc() ? std::string(text, end) : std::string("?");
}

bool writeText(const std::string& fileName, const std::string& text, std::ostream& err) {
    QSaveFile file(QString::fromStdString(fileName));
    const auto size = static_cast<qint64>(text.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit()) {
        err << "brelt: cannot write " << fileName << ": " << file.errorString().toStdString() << '\n';
        return false;
    }
    return true;
}

int runContourMode(const std::vector<std::string>& args, std::ostream& err, bool shade) {
    const ContourParse parse = parseContourOptions(args, shade);
    if (parse.error) return refusePictureArguments(err, *parse.error, contourModeUsage(shade));
    const ContourOptions& o = parse.options;
    const auto app = ensureGuiApplication();

    std::ostringstream messages;
    CliSession session(messages);
    session.startPicture(o.picture, err);
    engine::Engine& engine = session.engine();

    const std::string working = engine::workingExpression(engine::toEngineText(o.formula));
    if (engine::checkParentheses(working).failed()) {
        err << "Cann't calculate this function\n" << resultLine(engine, o.formula, -1) << '\n';
        return 1;
    }
    engine.BreakRequested = false;
    const engine::GridTabulation grid =
        engine::tabulateGrid(engine, working, o.xFrom, o.xTo, o.xSteps, o.yFrom, o.yTo, o.ySteps);
    if (!grid.ok) {
        err << "Cann't calculate this function at X=" << pointText(grid.failedX)
            << " Y=" << pointText(grid.failedY) << '\n'
            << resultLine(engine, o.formula, grid.errorCode) << '\n';
        return 1;
    }
    chart::TVector x(o.xSteps), y(o.ySteps);
    chart::TMatrix z(o.xSteps, o.ySteps);
    for (int i = 1; i <= o.xSteps; ++i)
        x.set(i, grid.x[static_cast<std::size_t>(i - 1)]);
    for (int j = 1; j <= o.ySteps; ++j)
        y.set(j, grid.y[static_cast<std::size_t>(j - 1)]);
    for (int j = 1; j <= o.ySteps; ++j)
        for (int i = 1; i <= o.xSteps; ++i)
            z.set(i, j, grid.z[static_cast<std::size_t>(i - 1) + static_cast<std::size_t>(j - 1) * o.xSteps]);

    chart::TGraph graph;
    graph.Title().SetText(QString::fromStdString(o.picture.title));
    graph.XAxis().SetName(QString::fromStdString(o.picture.xName));
    graph.YAxis().SetName(QString::fromStdString(o.picture.yName));
    const QString name = QString::fromStdString(o.formula);
    auto layer = std::make_unique<chart::TContour>(&graph, shade, shade ? 1 : o.levels, z, y, x);
    layer->setName(name);
    chart::TContour* contour = static_cast<chart::TContour*>(graph.AddLayer(std::move(layer)));
    if (shade) {
        graph.ColorLegend().setContour(contour);
        graph.ColorLegend().setKind(2);
    } else {
        graph.Legend().AddContourEntry(contour->Name());
    }

    if (QFileInfo(QString::fromStdString(o.picture.out)).suffix().toLower() == QLatin1String("txt"))
        return writeText(o.picture.out, chart::contourLinesText(contour->Lines()), err) ? 0 : 1;
    return writeChartPicture(graph, o.picture, err) ? 0 : 1;
}

} // namespace

int runContourCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    return runContourMode(args, err, false);
}

int runShadeCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    return runContourMode(args, err, true);
}

} // namespace brelt::app
