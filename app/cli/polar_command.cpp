#include "app/cli/polar_command.h"

#include "app/cli/cli_session.h"
#include "app/cli/picture_output.h"
#include "chart/vtchart/vt_chart_model.h"
#include "engine/engine.h"
#include "windows/vt_tabulation.h"

#include <cmath>
#include <sstream>

namespace brelt::app {

namespace {

constexpr int kMaxPolarSteps = 32767;

} // namespace

PolarParse parsePolarOptions(const std::vector<std::string>& args) {
    PolarParse result;
    PolarOptions& o = result.options;
    auto fail = [&result](const std::string& message) {
        result.error = message;
        return result;
    };
    OptionReader reader(args);
    while (reader.next()) {
        const OptionTake shared = takePictureOption(o.picture, reader);
        if (shared.error) return fail(*shared.error);
        if (shared.taken) continue;
        const std::string name = reader.name();
        if (name != "--polar" && name != "--from" && name != "--to" && name != "--steps")
            return fail("unknown polar option: " + reader.argument());
        const std::optional<std::string> value = reader.value();
        if (!value) return fail(name + " needs a value");
        if (name == "--polar") {
            if (value->find_first_not_of(" \t") == std::string::npos) return fail("--polar needs a formula");
            o.formulas.push_back(*value);
        } else if (name == "--steps") {
            const auto v = parseWholeNumber(*value);
            if (!v || *v < 2 || *v > kMaxPolarSteps)
                return fail("--steps must be a whole number from 2 to " + std::to_string(kMaxPolarSteps));
            o.steps = *v;
        } else {
            const auto v = parseLongDouble(*value);
            if (!v || !std::isfinite(*v)) return fail(name + ": not a number: " + *value);
            (name == "--from" ? o.from : o.to) = *v;
        }
    }
    if (o.formulas.empty()) return fail("--polar needs a formula");
    if (o.from == o.to) return fail("--from and --to must differ");
    if (auto problem = checkPictureOut(o.picture)) return fail(*problem);
    return result;
}

std::string polarUsageText() {
    return "Usage: brelt --polar FORMULA [--polar FORMULA ...] [--from A] [--to B] [--steps N]\n"
           "             [picture options] --out FILE\n"
           "\n"
           "Draws each formula r = f(X) as a curve of a polar chart over the angles from A to B\n"
           "degrees (default 0 to 360) in N points (default 360), as PNG, BMP, SVG or PDF by the\n"
           "extension of FILE. X reaches the formula in radians, and the formula's trigonometric\n"
           "functions take radians, whatever --angle says. --xname names the angle, --yname the\n"
           "radius.\n";
}

int runPolarCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    const PolarParse parse = parsePolarOptions(args);
    if (parse.error) return refusePictureArguments(err, *parse.error, polarUsageText());
    const PolarOptions& o = parse.options;
    const auto app = ensureGuiApplication();

    std::ostringstream messages;
    CliSession session(messages);
    session.startPicture(o.picture, err);
    engine::Engine& engine = session.engine();

    chart::TVtChartModel chart;
    chart.SetChartType(chart::VtChartType::Polar);
    chart.SetShowLegend(true);
    chart.SetTitleText(QString::fromStdString(o.picture.title));
    for (const std::string& formula : o.formulas) {
        windows::PolarRequest request;
        request.formula = formula;
        request.angleFrom = o.from;
        request.angleTo = o.to;
        request.steps = o.steps;
        request.legend = QStringLiteral("f(%1)").arg(QString::fromStdString(formula));
        request.xName = QString::fromStdString(o.picture.xName);
        request.yName = QString::fromStdString(o.picture.yName);
        const windows::TabulationOutcome outcome = windows::tabulatePolar(
            chart, engine, request, [&engine](int) { engine.host().processMessages(); });
        if (!reportVtTabulation(outcome, request.legend.toStdString(), err)) return 1;
    }
    return writeVtChartPicture(chart, o.picture, err) ? 0 : 1;
}

} // namespace brelt::app
