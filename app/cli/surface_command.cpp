#include "app/cli/surface_command.h"

#include "app/cli/cli_session.h"
#include "app/cli/picture_output.h"
#include "chart/vtchart/vt_chart_model.h"
#include "engine/engine.h"
#include "windows/vt_tabulation.h"

#include <cmath>
#include <sstream>

namespace brelt::app {

namespace {

constexpr int kMaxSurfaceSteps = 16000;

} // namespace

SurfaceParse parseSurfaceOptions(const std::vector<std::string>& args) {
    SurfaceParse result;
    SurfaceOptions& o = result.options;
    bool haveX[2] = {false, false}, haveY[2] = {false, false};
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
        static const char* const own[] = {"--surface", "--from",    "--to",       "--y-from",   "--y-to",
                                          "--steps",   "--y-steps", "--rotation", "--elevation"};
        if (std::find_if(std::begin(own), std::end(own), [&name](const char* n) { return name == n; }) ==
            std::end(own))
            return fail("unknown surface option: " + reader.argument());
        const std::optional<std::string> value = reader.value();
        if (!value) return fail(name + " needs a value");
        if (name == "--surface") {
            if (!o.formula.empty()) return fail("--surface takes one formula");
            if (value->find_first_not_of(" \t") == std::string::npos)
                return fail("--surface needs a formula");
            o.formula = *value;
        } else if (name == "--steps" || name == "--y-steps") {
            const auto v = parseWholeNumber(*value);
            if (!v || *v < 2 || *v > kMaxSurfaceSteps)
                return fail(name + " must be a whole number from 2 to " + std::to_string(kMaxSurfaceSteps));
            (name == "--steps" ? o.xSteps : o.ySteps) = *v;
        } else {
            const auto v = parseLongDouble(*value);
            if (!v || !std::isfinite(*v)) return fail(name + ": not a number: " + *value);
            if (name == "--from") o.xFrom = *v, haveX[0] = true;
            if (name == "--to") o.xTo = *v, haveX[1] = true;
            if (name == "--y-from") o.yFrom = *v, haveY[0] = true;
            if (name == "--y-to") o.yTo = *v, haveY[1] = true;
            if (name == "--rotation") o.rotation = static_cast<double>(*v);
            if (name == "--elevation") {
                if (*v < 0 || *v > 90) return fail("--elevation must be from 0 to 90");
                o.elevation = static_cast<double>(*v);
            }
        }
    }
    if (o.formula.empty()) return fail("--surface needs a formula");
    if (!haveX[0] || !haveX[1]) return fail("--from and --to are required");
    if (!haveY[0] || !haveY[1]) return fail("--y-from and --y-to are required");
    if (o.xFrom == o.xTo) return fail("--from and --to must differ");
    if (o.yFrom == o.yTo) return fail("--y-from and --y-to must differ");
    if (static_cast<long long>(o.xSteps) * o.ySteps > windows::kMaxSurfacePoints)
        return fail("--steps times --y-steps must be at most " + std::to_string(windows::kMaxSurfacePoints));
    if (auto problem = checkPictureOut(o.picture)) return fail(*problem);
    return result;
}

std::string surfaceUsageText() {
    return "Usage: brelt --surface FORMULA --from A --to B --y-from C --y-to D [--steps N]\n"
           "             [--y-steps M] [--rotation DEG] [--elevation DEG] [picture options]\n"
           "             --out FILE\n"
           "\n"
           "Tabulates the formula over X from A to B in N points and Y from C to D in M points\n"
           "(default 40 each) and writes the 3D surface as PNG, BMP, SVG or PDF, by the extension\n"
           "of FILE. --rotation turns the chart about its vertical axis, --elevation (0 to 90) looks\n"
           "from higher up. The title defaults to f(FORMULA), the axis names to X and Y.\n";
}

int runSurfaceCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    const SurfaceParse parse = parseSurfaceOptions(args);
    if (parse.error) return refusePictureArguments(err, *parse.error, surfaceUsageText());
    const SurfaceOptions& o = parse.options;
    const auto app = ensureGuiApplication();

    std::ostringstream messages;
    CliSession session(messages);
    session.startPicture(o.picture, err);
    engine::Engine& engine = session.engine();

    chart::TVtChartModel chart;
    chart.SetChartType(chart::VtChartType::Surface3d);
    if (o.rotation) chart.GetPlot().SetRotation(*o.rotation);
    if (o.elevation) chart.GetPlot().SetElevation(*o.elevation);
    windows::SurfaceRequest request;
    request.formula = o.formula;
    request.xFrom = o.xFrom;
    request.xTo = o.xTo;
    request.xSteps = o.xSteps;
    request.yFrom = o.yFrom;
    request.yTo = o.yTo;
    request.ySteps = o.ySteps;
    request.title = o.picture.title.empty() ? QStringLiteral("f(%1)").arg(QString::fromStdString(o.formula))
                                            : QString::fromStdString(o.picture.title);
    request.xName = o.picture.xName.empty() ? QStringLiteral("X") : QString::fromStdString(o.picture.xName);
    request.yName = o.picture.yName.empty() ? QStringLiteral("Y") : QString::fromStdString(o.picture.yName);
    request.valueName = QStringLiteral("Z");
    const windows::TabulationOutcome outcome =
        windows::tabulateSurface(chart, engine, request, [&engine](int) { engine.host().processMessages(); });
    if (!reportVtTabulation(outcome, std::string(), err)) return 1;
    return writeVtChartPicture(chart, o.picture, err) ? 0 : 1;
}

} // namespace brelt::app
