#include "app/cli/plot_options.h"

namespace brelt::app {

PlotParse parsePlotOptions(const std::vector<std::string>& args) {
    PlotParse result;
    PlotOptions& o = result.options;
    bool haveFrom = false, haveTo = false;
    auto fail = [&result](const std::string& message) {
        result.error = message;
        return result;
    };
    OptionReader reader(args);
    while (reader.next()) {
        const OptionTake shared = takePictureOption(o.picture, reader);
        if (shared.error) return fail(*shared.error);
        if (shared.taken) continue;
        const OptionTake data = takeDataOption(o.data, reader);
        if (data.error) return fail(*data.error);
        if (data.taken) continue;
        const std::string name = reader.name();
        if (name == "--log-x" || name == "--log-y" || name == "--grid" || name == "--skip-undefined") {
            if (reader.hasInlineValue()) return fail("unknown plot option: " + reader.argument());
            (name == "--log-x"   ? o.logX
             : name == "--log-y" ? o.logY
             : name == "--grid"  ? o.grid
                                 : o.skipUndefined) = true;
            continue;
        }
        if (name != "--plot" && name != "--from" && name != "--to" && name != "--steps")
            return fail("unknown plot option: " + reader.argument());
        const std::optional<std::string> value = reader.value();
        if (!value) return fail(name + " needs a value");
        if (name == "--plot") {
            if (value->find_first_not_of(" \t") == std::string::npos) return fail("--plot needs a formula");
            o.formulas.push_back(*value);
        } else if (name == "--from" || name == "--to") {
            const auto v = parseLongDouble(*value);
            if (!v) return fail(name + ": not a number: " + *value);
            (name == "--from" ? o.from : o.to) = *v;
            (name == "--from" ? haveFrom : haveTo) = true;
        } else {
            const auto v = parseWholeNumber(*value);
            if (!v || *v < kMinPlotSteps || *v > kMaxPlotSteps)
                return fail("--steps must be a whole number from " + std::to_string(kMinPlotSteps) + " to " +
                            std::to_string(kMaxPlotSteps));
            o.steps = *v;
        }
    }
    const bool data = !o.data.files.empty();
    if (o.formulas.empty() && !data) return fail("--plot needs a formula");
    o.rangeGiven = haveFrom && haveTo;
    if (haveFrom != haveTo || (!o.rangeGiven && !data)) return fail("--from and --to are required");
    if (o.rangeGiven && o.from == o.to) return fail("--from and --to must differ");
    if (o.rangeGiven && o.logX && (o.from <= 0 || o.to <= 0))
        return fail("--log-x needs --from and --to above 0");
    if (!o.picture.out.empty() || !o.data.writesFiles())
        if (auto problem = checkPictureOut(o.picture)) return fail(*problem);
    return result;
}

std::string plotUsageText() {
    return "Usage: brelt --plot FORMULA [--plot FORMULA ...] --from A --to B [--steps N]\n"
           "             [--log-x] [--log-y] [--grid] [--skip-undefined] [data options]\n"
           "             [picture options] --out FILE\n"
           "       brelt --data FILE [--plot FORMULA ...] [data options] [picture options] --out FILE\n"
           "\n"
           "Tabulates each formula over X from A to B in N points (default 200) and writes the\n"
           "chart as PNG, BMP, SVG or PDF, by the extension of FILE. --log-x and --log-y make the\n"
           "axes logarithmic (X then in equal ratios from A to B); --grid draws grid lines;\n"
           "--skip-undefined leaves out the points where a formula fails, and the curve breaks there.\n"
           "With --data and no --from and --to, formulas are tabulated over the data's X range.\n"
           "\n"
           "Data options:\n" +
           dataOptionsUsage();
}

} // namespace brelt::app
